// ASHCOMBRE_SI5397A_CONFIG
//
// Programs the Si5397A (I2C address 0x6C) 2,097,150 clocks (about 42 ms)
// after reset and again at every rising edge of iStart: the register
// controller runs on iCLK (50 MHz), the I2C bus controller on iCLK divided
// by 128. Both I2C lines are open drain.
//
// The choices of the chip's outputs (see si5397a_i2c_reg_controller):
//   iXCVR_CLK_0    OUT2 frequency code
//   iXCVR_CLK_1    OUT6 frequency code
//   iXCVR_CLK_RSV  1: OUT7 on at 156.25 MHz
//   iIO_CLK_0      OUT0 source
//   iIO_CLK_1      OUT4 source
// REG_CONFIG_DONE is low from reset and while a sequence runs, and high once
// a sequence has ended.

module ASHCOMBRE_SI5397A_CONFIG (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [3:0] iXCVR_CLK_0,
    input  wire [3:0] iXCVR_CLK_1,
    input  wire       iXCVR_CLK_RSV,
    input  wire [3:0] iIO_CLK_0,
    input  wire [3:0] iIO_CLK_1,
    inout  wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       REG_CONFIG_DONE
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
    .iCLK           (iCLK),
    .iRST_n         (iRST_n),
    .iIn            (iStart),
    .oFallING_EDGE  (),
    .oRISING_EDGE   (start_rise),
    .oFallING_EDGE_r(),
    .oDEBOUNCE_OUT  (),
    .rst_cnt        ()
);

si5397a_i2c_reg_controller reg_controller (
    .iCLK                       (iCLK),
    .iRST_n                     (iRST_n),
    .iENABLE                    (start_rise | initial_start),
    .iXCVR_CLK_0                (iXCVR_CLK_0),
    .iXCVR_CLK_1                (iXCVR_CLK_1),
    .iXCVR_CLK_RSV              (iXCVR_CLK_RSV),
    .iIO_CLK_0                  (iIO_CLK_0),
    .iIO_CLK_1                  (iIO_CLK_1),
    .iI2C_CONTROLLER_STATE      (i2c_busy),
    .iI2C_CONTROLLER_CONFIG_DONE(i2c_done),
    .iI2C_READ_DATA             (read_data),
    .iI2C_READ_DATA_RDY         (read_data_rdy),
    .oSLAVE_ADDR                (slave_addr),
    .oBYTE_ADDR                 (byte_addr),
    .oBYTE_DATA                 (byte_data),
    .oWR_CMD                    (wr_cmd),
    .oStart                     (i2c_start),
    .oONE_CLK_CONFIG_DONE       (REG_CONFIG_DONE),
    .oController_Ready          ()
);

clock_divider i2c_clock (
    .iCLK      (iCLK),
    .iRST_n    (iRST_n),
    .oCLK_OUT  (i2c_ctrl_clk),
    .oCLK_OUT_t()
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
