-- A top level that instantiates both TXC clock generators as a generated
-- VHDL top level does (HDMI 300 MHz, SFP 600 MHz; FMC 125 MHz, DP 270 MHz,
-- USB 100 MHz): elaborated against txc_controller_stubs.vhd.
library ieee;
use ieee.std_logic_1164.all;

entity txc_generated_top is
    port (
        CLK_50_B3H  : in    std_logic;
        KEY         : in    std_logic_vector(1 downto 0);
        REFCLK0_SCL : inout std_logic;
        REFCLK0_SDA : inout std_logic;
        REFCLK1_SCL : inout std_logic;
        REFCLK1_SDA : inout std_logic
    );
end entity txc_generated_top;


---------------------------------------------------------
--  Configure TXC Clock Generator 
---------------------------------------------------------

architecture txc_behave of txc_generated_top is

	constant  TXC_100M: std_logic_vector (3 downto 0) := "0000";
	constant  TXC_125M: std_logic_vector (3 downto 0) := "0001";
	constant  TXC_135M: std_logic_vector (3 downto 0) := "0010";
	constant  TXC_148M5: std_logic_vector (3 downto 0) := "0011";
	constant  TXC_150M: std_logic_vector (3 downto 0) := "0100";
	constant  TXC_270M: std_logic_vector (3 downto 0) := "0101";
	constant  TXC_297M: std_logic_vector (3 downto 0) := "0110";
	constant  TXC_TXC_300M: std_logic_vector (3 downto 0) := "0111";
	constant  TXC_TXC_600M: std_logic_vector (3 downto 0) := "1000";
	constant  TXC_644M53125: std_logic_vector (3 downto 0) := "1001";

	signal  i2c_done_a	: std_logic :='0';
	component I2C_TXCA
		port (
			iCLK 				: in	std_logic;
			iRST_N 			: in	std_logic;

			iFREQ_SELECTA 	: in	 std_logic_vector (7 downto 0); --[7:4]=HDMI,[3:0]=SFP

			CLOCK_SCL 	   	: inout	std_logic;
			CLOCK_SDA 		: inout	std_logic;
			I2C_DONE 		    : out	std_logic
		);
	end component;

	signal  i2c_done_b	: std_logic :='0';
	component I2C_TXCB
		port (
			iCLK 				: in	std_logic;
			iRST_N 			: in	std_logic;

			iFREQ_SELECTB 	: in	 std_logic_vector (11 downto 0); --[11:8]=FMC,[7:4]=DP,[3:0]=USB

			CLOCK_SCL 	   	: inout	std_logic;
			CLOCK_SDA 		: inout	std_logic;
			I2C_DONE 		    : out	std_logic
		);
	end component;

	begin ----------
	HDMI_SFP_CLK_Config : I2C_TXCA port map(
		iCLK => CLK_50_B3H,
		iRST_N => KEY(0),

		iFREQ_SELECTA => TXC_TXC_300M & TXC_TXC_600M,--[7:4]=HDMI,[3:0]=SFP
		----- XTC I2C Interface -----
		CLOCK_SCL => REFCLK0_SCL,
		CLOCK_SDA => REFCLK0_SDA,
		I2C_DONE => i2c_done_a
	);
	FMC_DP_USB_CLK_Config : I2C_TXCB port map(
		iCLK => CLK_50_B3H,
		iRST_N => KEY(0),

		iFREQ_SELECTB => TXC_125M & TXC_270M & TXC_100M, --[11:8]=FMC,[7:4]=DP,[3:0]=USB
		----- XTC I2C Interface -----
		CLOCK_SCL => REFCLK1_SCL,
		CLOCK_SDA => REFCLK1_SDA,
		I2C_DONE => i2c_done_b
	);

end txc_behave;
