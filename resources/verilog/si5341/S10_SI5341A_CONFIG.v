// S10_SI5341A_CONFIG
//
// Programs the Si5341A (I2C address 0x77) about 42 ms after reset and again
// at every rising edge of iStart: the register controller runs on iCLK
// (50 MHz), the I2C bus controller on iCLK divided by 128.
//
// The seven choice codes (the defines below) set the reference clocks the
// chip drives:
//   iFMC_REFCLK0   output 0   XCVR_REF_*
//   iDDR4B_REFCLK  output 1   MEM_REF_*
//   iFMCP_REFCLK0  output 2   XCVR_REF_*
//   iFMCP_REFCLK1  output 3   XCVR_REF_*
//   iFMCP_REFCLK2  output 5   XCVR_REF_*
//   iFMC_REFCLK1   output 7   XCVR_REF_*
//   iLVDS_REFCLK   output 9   LVDS_REF_*
// Outputs 4, 6 and 8 are not used. oPLL_REG_CONFIG_DONE is low from reset
// and while a sequence runs, and high once a sequence has ended;
// oPLL_I2C_ID_READ_ERROR is not driven.

`define XCVR_REF_644M53125     4'h0
`define XCVR_REF_322M265625    4'h1
`define XCVR_REF_250M          4'h2
`define XCVR_REF_125M          4'h3
`define XCVR_REF_100M          4'h4
`define XCVR_REF_270M          4'h5  // for Displayport

`define MEM_REF_300M     4'h0  // for DDR4 2400 MT/s
`define MEM_REF_266M667  4'h1  // for DDR4 2133 MT/s
`define MEM_REF_233M333  4'h2  // for DDR4 1866 MT/s
`define MEM_REF_166M667  4'h3  // for DDR4 2666 MT/s

`define LVDS_REF_50M     4'h0  // ref clock for LVDS IP
`define LVDS_REF_100M    4'h1  // ref clock for LVDS IP

module S10_SI5341A_CONFIG (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [3:0] iDDR4B_REFCLK,
    input  wire [3:0] iFMC_REFCLK0,
    input  wire [3:0] iFMC_REFCLK1,
    input  wire [3:0] iFMCP_REFCLK0,
    input  wire [3:0] iFMCP_REFCLK1,
    input  wire [3:0] iFMCP_REFCLK2,
    input  wire [3:0] iLVDS_REFCLK,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oPLL_I2C_ID_READ_ERROR,
    output wire       oPLL_REG_CONFIG_DONE
);

wire       i2c_ctrl_clk;        // iCLK / 128
wire       initial_start;
wire       start_rise;
wire       i2c_busy;
wire       i2c_done;
wire [6:0] slave_addr;
wire [7:0] byte_addr;
wire [7:0] byte_data;
wire       wr_cmd;
wire       i2c_start;
wire [7:0] read_data;
wire       read_data_rdy;

initial_config power_up (
    .iCLK           (iCLK),
    .iRST_n         (iRST_n),
    .oINITIAL_START (initial_start),
    .iINITIAL_ENABLE(1'b1)
);

edge_detector_41 start_edge (
    .iCLK         (iCLK),
    .iRST_n       (iRST_n),
    .iIn          (iStart),
    .oFallING_EDGE(),
    .oRISING_EDGE (start_rise),
    .oDEBOUNCE_OUT(),
    .rst_cnt      ()
);

// The memory choice has two bits, the LVDS choice one.
si5341a_i2c_reg_controller reg_controller (
    .iCLK                       (iCLK),
    .iRST_n                     (iRST_n),
    .iENABLE                    (start_rise | initial_start),
    .FMC_REFCLK0                (iFMC_REFCLK0),
    .DDR4B_REFCLK               (iDDR4B_REFCLK[1:0]),
    .FMCP_REFCLK0               (iFMCP_REFCLK0),
    .FMCP_REFCLK1               (iFMCP_REFCLK1),
    .FMCP_REFCLK2               (iFMCP_REFCLK2),
    .FMC_REFCLK1                (iFMC_REFCLK1),
    .LVDS_REFCLK                (iLVDS_REFCLK[0]),
    .iI2C_CONTROLLER_STATE      (i2c_busy),
    .iI2C_CONTROLLER_CONFIG_DONE(i2c_done),
    .iI2C_READ_DATA             (read_data),
    .iI2C_READ_DATA_RDY         (read_data_rdy),
    .oSLAVE_ADDR                (slave_addr),
    .oBYTE_ADDR                 (byte_addr),
    .oBYTE_DATA                 (byte_data),
    .oWR_CMD                    (wr_cmd),
    .oStart                     (i2c_start),
    .oONE_CLK_CONFIG_DONE       (oPLL_REG_CONFIG_DONE),
    .oController_Ready          ()
);

clock_divider i2c_clock (
    .iCLK    (iCLK),
    .iRST_n  (iRST_n),
    .oCLK_OUT(i2c_ctrl_clk)
);

i2c_bus_controller i2c_bus (
    .iCLK             (i2c_ctrl_clk),
    .iRST_n           (iRST_n),
    .iStart           (i2c_start),
    .iSlave_addr      (slave_addr),
    .iWord_addr       (byte_addr),
    .iSequential_read (1'b0),
    .iRead_length     (8'd1),
    .wr_data          (byte_data),
    .wr_cmd           (wr_cmd),
    .i2c_clk          (I2C_CLK),
    .i2c_data         (I2C_DATA),
    .oSYSTEM_STATE    (i2c_busy),
    .oCONFIG_DONE     (i2c_done),
    .i2c_read_data    (read_data),
    .i2c_read_data_rdy(read_data_rdy),
    .read_data_tmp    (),
    .i2c_clk_cnt      (),
    .i2c_state        (),
    .i2c_bit_cnt      (),
    .shift_out        (),
    .shift_out_en     (),
    .shift_in_en      (),
    .system_clk       (),
    .i2c_clk_src      (),
    .i2c_clk_rise     (),
    .i2c_clk_fall     (),
    .process_en       (),
    .i2c_start_ctrl   (),
    .i2c_stop_ctrl    (),
    .i2c_master_out   (),
    .i2c_slave_out    (),
    .i2c_read_done    (),
    .read_length      (),
    .test_start       (),
    .test_cnt         (),
    .wr_data_en       (),
    .i2c_stop_ctrl_cnt()
);

endmodule
