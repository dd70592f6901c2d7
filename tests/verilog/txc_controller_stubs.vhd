-- Stand-ins, for GHDL, of the Verilog TXC clock-generator controllers
-- (resources/verilog/yarrowgate/I2C_TXCA.v and I2C_TXCB.v): entities with
-- the modules' names and ports, so that a VHDL top level that instantiates
-- them analyses and elaborates. They do nothing: the bus lines are released
-- and I2C_DONE stays low.
library ieee;
use ieee.std_logic_1164.all;

entity I2C_TXCA is
    port (
        iCLK          : in    std_logic;
        iRST_N        : in    std_logic;
        iFREQ_SELECTA : in    std_logic_vector(7 downto 0);    -- [7:4] HDMI, [3:0] SFP
        CLOCK_SCL     : inout std_logic;
        CLOCK_SDA     : inout std_logic;
        I2C_DONE      : out   std_logic
    );
end entity I2C_TXCA;

architecture stub of I2C_TXCA is
begin
    CLOCK_SCL <= 'Z';
    CLOCK_SDA <= 'Z';
    I2C_DONE  <= '0';
end architecture stub;

library ieee;
use ieee.std_logic_1164.all;

entity I2C_TXCB is
    port (
        iCLK          : in    std_logic;
        iRST_N        : in    std_logic;
        iFREQ_SELECTB : in    std_logic_vector(11 downto 0);   -- [11:8] FMC, [7:4] DP, [3:0] USB
        CLOCK_SCL     : inout std_logic;
        CLOCK_SDA     : inout std_logic;
        I2C_DONE      : out   std_logic
    );
end entity I2C_TXCB;

architecture stub of I2C_TXCB is
begin
    CLOCK_SCL <= 'Z';
    CLOCK_SDA <= 'Z';
    I2C_DONE  <= '0';
end architecture stub;
