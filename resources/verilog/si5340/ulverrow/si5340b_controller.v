// si5340b_controller
//
// Programs the Si5340B (I2C address 0x77) about 42 ms after reset and again
// at every rising edge of iStart: the register controller runs on iCLK
// (50 MHz), the I2C bus controller on iCLK divided by 128. The 5-bit select
// input chooses the frequencies of outputs 0 to 2. oPLL_REG_CONFIG_DONE rises
// 500,000 clocks (10 ms at 50 MHz) after the register controller has become
// idle and stays high until the next sequence starts;
// oPLL_I2C_ID_READ_ERROR is not driven.

module si5340b_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [4:0] iPLL_OUT_FREQ_SEL,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oPLL_I2C_ID_READ_ERROR,
    output wire       oPLL_REG_CONFIG_DONE
);

localparam [31:0] DONE_DELAY = 32'd500000;

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
wire       reg_config_done;
reg [31:0] done_cnt;

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

si5340b_i2c_reg_controller reg_controller (
    .iCLK                       (iCLK),
    .iRST_n                     (iRST_n),
    .iENABLE                    (start_rise | initial_start),
    .iPLL_OUT_FREQ_SEL          (iPLL_OUT_FREQ_SEL),
    .iI2C_CONTROLLER_STATE      (i2c_busy),
    .iI2C_CONTROLLER_CONFIG_DONE(i2c_done),
    .oSLAVE_ADDR                (slave_addr),
    .oBYTE_ADDR                 (byte_addr),
    .oBYTE_DATA                 (byte_data),
    .oWR_CMD                    (wr_cmd),
    .oStart                     (i2c_start),
    .iI2C_READ_DATA_RDY         (read_data_rdy),
    .iI2C_READ_DATA             (read_data),
    .oONE_CLK_CONFIG_DONE       (reg_config_done),
    .oController_Ready          ()
);

// oPLL_REG_CONFIG_DONE: DONE_DELAY clocks after the register controller is done.
always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        done_cnt <= 32'd0;
    else if (!reg_config_done)
        done_cnt <= 32'd0;
    else if (done_cnt != DONE_DELAY)
        done_cnt <= done_cnt + 32'd1;
end

assign oPLL_REG_CONFIG_DONE = (done_cnt == DONE_DELAY);

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
