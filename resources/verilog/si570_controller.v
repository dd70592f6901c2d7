// si570_controller
//
// Programs an Si570 oscillator over I2C to the output frequency chosen by
// iFREQ_MODE:
//   iFREQ_MODE  0 100 MHz, 1 125 MHz, 2 156.25 MHz, 3 250 MHz, 4 312.5 MHz,
//               5 322.265625 MHz, 6 644.53125 MHz, 7 100 MHz
// once INITIAL_DELAY cycles of iCLK after reset (20 ms at 50 MHz), and again
// on each rising edge of iStart while oController_Ready is high. Each time
// it freezes the DCO, writes HS_DIV, N1 and RFREQ, releases the DCO, sets
// NewFreq and reads register 7 back (i2c_reg_controller holds the table).
//
//   iCLK                       50 MHz system clock
//   iRST_n                     asynchronous, active-low reset
//   iStart                     rising edge: program again with the current
//                              iFREQ_MODE (synchronised; left unconnected it
//                              does nothing)
//   I2C_CLK, I2C_DATA          the I2C bus (99.2 kHz with the default
//                              I2C_HALF_PERIOD; SDA open drain)
//   oSI570_ONE_CLK_CONFIG_DONE high once the oscillator is programmed; low
//                              while a sequence runs and after one that
//                              failed (a byte not acknowledged)
//   oREAD_Data                 register 7 as read back after programming
//   oController_Ready          high while no sequence runs and the bus is
//                              idle

module si570_controller #(
    parameter integer INITIAL_DELAY   = 1000000,
    parameter [15:0]  I2C_HALF_PERIOD = 16'd63
) (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [2:0] iFREQ_MODE,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oSI570_ONE_CLK_CONFIG_DONE,
    output wire [7:0] oREAD_Data,
    output wire       oController_Ready
);

wire       i2c_step_clk;
wire       initial_start;
wire       start_rise;

wire [6:0] slave_addr;
wire [7:0] reg_addr;
wire [7:0] reg_data;
wire       bus_read;
wire       bus_start;
wire       bus_ready;
wire       sequence_ready;
wire       bus_done;
wire       bus_ack_error;

clock_divider #(
    .HALF_PERIOD(I2C_HALF_PERIOD)
) u_clock_divider (
    .iCLK    (iCLK),
    .iRST_n  (iRST_n),
    .oCLK_OUT(i2c_step_clk)
);

initial_config #(
    .DELAY_CYCLES(INITIAL_DELAY)
) u_initial_config (
    .iCLK           (iCLK),
    .iRST_n         (iRST_n),
    .iINITIAL_ENABLE(1'b1),
    .oINITIAL_START (initial_start)
);

edge_detector u_start_edge (
    .iCLK         (iCLK),
    .iRST_n       (iRST_n),
    .iIn          (iStart),
    .oFallING_EDGE(),
    .oRISING_EDGE (start_rise),
    .oDEBOUNCE_OUT(),
    .rst_cnt      ()
);

i2c_reg_controller u_reg_controller (
    .iCLK          (iCLK),
    .iRST_n        (iRST_n),
    .iFREQ_MODE    (iFREQ_MODE),
    .iSTART        (initial_start | start_rise),
    .iBUS_READY    (bus_ready),
    .iBUS_DONE     (bus_done),
    .iBUS_ACK_ERROR(bus_ack_error),
    .oSLAVE_ADDR   (slave_addr),
    .oREG_ADDR     (reg_addr),
    .oDATA         (reg_data),
    .oREAD         (bus_read),
    .oSTART        (bus_start),
    .oREADY        (sequence_ready),
    .oCONFIG_DONE  (oSI570_ONE_CLK_CONFIG_DONE)
);

assign oController_Ready = sequence_ready & bus_ready;

i2c_bus_controller u_bus_controller (
    .iCLK       (iCLK),
    .iRST_n     (iRST_n),
    .iI2C_CLK   (i2c_step_clk),
    .iSTART     (bus_start),
    .iREAD      (bus_read),
    .iSLAVE_ADDR(slave_addr),
    .iREG_ADDR  (reg_addr),
    .iDATA      (reg_data),
    .oREAD_DATA (oREAD_Data),
    .oREADY     (bus_ready),
    .oDONE      (bus_done),
    .oACK_ERROR (bus_ack_error),
    .I2C_SCL    (I2C_CLK),
    .I2C_SDA    (I2C_DATA)
);

endmodule
