// ZENNORBY_SI5340A_CONFIG
//
// Programs one Si5340A (I2C address 0x77) about 42 ms after reset and again
// at every rising edge of iStart: the register controller runs on iCLK
// (50 MHz), the I2C bus controller on iCLK divided by 128.
//
// The four choice codes set the frequencies of the chip's outputs:
//   iXCVR0_REFCLK  output 0, transceiver choice 0 to 4
//   iMEM0_REFCLK   output 1, memory choice 0 to 4
//   iMEM1_REFCLK   output 2, memory choice 0 to 4
//   iXCVR1_REFCLK  output 3, transceiver choice 0 to 4
// (see si5340a_freq_prameter_selector). oPLL_REG_CONFIG_DONE is low from
// reset and while a sequence runs, and high once a sequence has ended;
// oPLL_I2C_ID_READ_ERROR is not driven.

module ZENNORBY_SI5340A_CONFIG (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [3:0] iXCVR0_REFCLK,
    input  wire [3:0] iXCVR1_REFCLK,
    input  wire [3:0] iMEM0_REFCLK,
    input  wire [3:0] iMEM1_REFCLK,
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

edge_detector start_edge (
    .iCLK         (iCLK),
    .iRST_n       (iRST_n),
    .iIn          (iStart),
    .oFallING_EDGE(),
    .oRISING_EDGE (start_rise),
    .oDEBOUNCE_OUT(),
    .rst_cnt      ()
);

si5340a_i2c_reg_controller reg_controller (
    .iCLK                       (iCLK),
    .iRST_n                     (iRST_n),
    .iENABLE                    (start_rise | initial_start),
    .XCVR0_REFCLK               (iXCVR0_REFCLK),
    .XCVR1_REFCLK               (iXCVR1_REFCLK),
    .MEM0_REFCLK                (iMEM0_REFCLK),
    .MEM1_REFCLK                (iMEM1_REFCLK),
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
