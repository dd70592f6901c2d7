// Testbench of Ashcombre's Si5397A controller and power-on reset, through
// an I2C slave model at address 0x6C on open-drain lines.
//
//   - dut (see si5340_bench.vh): the sequence after reset and on rising
//     edges of iStart, whatever the choices: the preamble, a hold of
//     15,000,000 clocks after it, the postamble; REG_CONFIG_DONE low from
//     reset until the first sequence has ended and while a sequence runs,
//     high after it; no transfer while the hold runs;
//   - the controller and the power-on reset as the generated top level
//     writes them, at full speed: its first writes;
//   - por: power_on_reset with POR_COUNT 2, 20 (the default) and 1023;
//   - parts: the edge detector's delayed falling-edge pulse, the clock
//     divider's two outputs, and the bus controller's read on open-drain
//     lines.
`timescale 1ns / 1ps

module tb_ashcombre_si5397a;

`include "bench.vh"

localparam integer HOLD_CLOCKS = 15000000;   // 300 ms at 50 MHz

reg start = 1'b0;

`define GENERATED si5397a_controller
`define FIRST_WRITES {8'h01, 8'h0B, 8'h24, 8'hC0, 8'h25, 8'h00}
`include "si5340_bench.vh"

task expect_sequence;
begin
    expect_begin;
    expect_write(8'h0B, 8'h24, 8'hC0);
    expect_write(8'h0B, 8'h25, 8'h00);
    expect_write(8'h06, 8'h14, 8'h01);
    expect_write(8'h07, 8'h15, 8'h01);
    expect_write(8'h00, 8'h1C, 8'h01);
    expect_write(8'h0B, 8'h24, 8'hC3);
    expect_write(8'h0B, 8'h25, 8'h02);
    expect_end(12);
end
endtask

// ---------------------------------------------------------------- dut

// Every bus comes out of reset at time 0 from an unknown level; the slave
// models are told to ignore that first edge.
initial
begin
    chip.quiet = 1'b1;
    chip2.quiet = 1'b1;
    peer.quiet = 1'b1;
    #1;
    chip.quiet = 1'b0;
    chip2.quiet = 1'b0;
    peer.quiet = 1'b0;
end

reg       rst_n = 1'b0;
reg [3:0] xcvr0 = 4'd7, xcvr1 = 4'd7, io0 = 4'd0, io1 = 4'd0;
reg       rsv = 1'b0;
wire      scl, sda;
wire      done;
pullup (scl);
pullup (sda);

ASHCOMBRE_SI5397A_CONFIG dut (
    .iCLK           (dut_clk),
    .iRST_n         (rst_n),
    .iStart         (start),
    .iXCVR_CLK_0    (xcvr0),
    .iXCVR_CLK_1    (xcvr1),
    .iXCVR_CLK_RSV  (rsv),
    .iIO_CLK_0      (io0),
    .iIO_CLK_1      (io1),
    .I2C_CLK        (scl),
    .I2C_DATA       (sda),
    .REG_CONFIG_DONE(done)
);
i2c_slave_model #(.ADDRESS(7'h6C), .TIME_SCALE(4.0 / 128.0)) chip (.scl(scl), .sda(sda));

// The hold after the preamble: from the STOP of its third write to the next
// START. The bench skips most of it by moving the hold's counter on, and
// counts the skipped clocks in.
integer holds = 0;

always @(posedge dut.reg_controller.delaying)
begin : hold
    integer t_stop, skipped;
    t_stop = cycle;
    if (chip.log_count != 3 || chip.log_reg[2] !== 8'h25 || chip.active !== 1'b0)
        `FAIL(("FAIL: the hold begins after %0d transfers, not at the end of the preamble", chip.log_count));
    wait_cycles(3000);
    @(negedge clk);
    skipped = HOLD_CLOCKS - 500 - dut.reg_controller.delay_cnt;
    dut.reg_controller.delay_cnt = HOLD_CLOCKS - 500;
    wait (chip.active === 1'b1);
    if (chip.log_count != 3 || cycle - t_stop + skipped < HOLD_CLOCKS ||
        cycle - t_stop + skipped > HOLD_CLOCKS + PULSE_LATENCY)
        `FAIL(("FAIL: the fourth write came %0d clocks after the third, after %0d transfers, expected %0d",
               cycle - t_stop + skipped, chip.log_count, HOLD_CLOCKS));
    holds = holds + 1;
end

// The delayed falling-edge pulse of the start edge detector follows the
// pulse by one clock.
reg     last_fall = 1'b0;
integer falls = 0;
always @(posedge dut_clk) if (rst_n)
begin
    if (dut.start_edge.oFallING_EDGE_r !== last_fall)
        `FAIL(("FAIL: oFallING_EDGE_r is not oFallING_EDGE one clock later"));
    last_fall = dut.start_edge.oFallING_EDGE;
    if (last_fall) falls = falls + 1;
end

initial
begin
    wait_cycles(5);
    rst_n <= 1'b1;
    wait_cycles(20);
    dut_first_sequence(1'b0);
    if (done !== 1'b1)
        `FAIL(("FAIL: REG_CONFIG_DONE low after the sequence"));
    expect_sequence;
    check_writes("after reset");

    // Other choices give the same writes.
    xcvr0 = 4'd1;
    xcvr1 = 4'd10;
    rsv = 1'b1;
    io0 = 4'd4;
    io1 = 4'd2;
    dut_sequence_on_start("iStart (1, 10, 1, 4, 2)");
    if (done !== 1'b1)
        `FAIL(("FAIL: REG_CONFIG_DONE low after the sequence on iStart"));
    check_writes("iStart (1, 10, 1, 4, 2)");
    if (holds != 2 || falls != 1)
        `FAIL(("FAIL: %0d hold(s) and %0d falling edge(s) of iStart, expected 2 and 1", holds, falls));
    dut_finished = 1'b1;
end

// ------------------------------------------------------ generated wiring

wire CLK_50_B3A = clk & generated_on;
wire SI5397A_I2C_SCL, SI5397A_I2C_SDA, SI5397A_OE_n, SI5397A_RST_n;
pullup (SI5397A_I2C_SCL);
pullup (SI5397A_I2C_SDA);

wire por_reset;
power_on_reset power_on_reset_inst(
    .clk(CLK_50_B3A),
    .reset(por_reset)
);

assign SI5397A_RST_n = CPU_RESET_n & ~por_reset;
assign SI5397A_OE_n = ~CPU_RESET_n;

// configure Si5397A
`define XCVR_REF_644M53125     4'h0
`define XCVR_REF_625M          4'h1
`define XCVR_REF_322M265625    4'h2
`define XCVR_REF_312M5         4'h3
`define XCVR_REF_307M2         4'h4
`define XCVR_REF_250M          4'h5
`define XCVR_REF_184M32        4'h6
`define XCVR_REF_156M25        4'h7
`define XCVR_REF_153M6         4'h8
`define XCVR_REF_125M          4'h9
`define XCVR_REF_100M          4'hA

`define IO_50M                 4'h0
`define IO_IN0                 4'h1
`define IO_IN1                 4'h2
`define IO_IN2                 4'h3
`define IO_IN3                 4'h4

wire si5397a_config_done;
wire si5397a_controller_start;
assign si5397a_controller_start = ~BUTTON[0];

//  Reconfigure SI5397A 
ASHCOMBRE_SI5397A_CONFIG si5397a_controller(
    .iCLK(CLK_50_B3A),
    .iRST_n(CPU_RESET_n & ~por_reset),
    .iStart(si5397a_controller_start),
    .iXCVR_CLK_0(`XCVR_REF_625M),//QSFPDDA_REFCLK_p
    .iXCVR_CLK_1(`XCVR_REF_156M25),//QSFPDDB_REFCLK_p
    .iXCVR_CLK_RSV(1'b1),//QSFPDDRSV_REFCLK_p. 1: output 156.25MHz, 0: disable output
    .iIO_CLK_0(`IO_50M),//CLK_from_Si5397A[0]
    .iIO_CLK_1(`IO_IN3),//CLK_from_Si5397A[1]
    .I2C_CLK(SI5397A_I2C_SCL),
    .I2C_DATA(SI5397A_I2C_SDA),
    .REG_CONFIG_DONE(si5397a_config_done)
);

i2c_slave_model #(.ADDRESS(7'h6C)) chip2 (.scl(SI5397A_I2C_SCL), .sda(SI5397A_I2C_SDA));

initial run_generated;

// ------------------------------------------------------------------- por

wire por2, por20, por1023;
power_on_reset #(.POR_COUNT(2))    por_2    (.clk(clk), .reset(por2));
power_on_reset                     por_dflt (.clk(clk), .reset(por20));
power_on_reset #(.POR_COUNT(1023)) por_1023 (.clk(clk), .reset(por1023));

// The rising clock edge at which each reset fell, counted from the first.
integer fell2 = -1, fell20 = -1, fell1023 = -1;
always @(negedge por2) fell2 = cycle;
always @(negedge por20) fell20 = cycle;
always @(negedge por1023) fell1023 = cycle;

reg por_finished = 1'b0;

initial
begin
    #1;
    if (por2 !== 1'b1 || por20 !== 1'b1 || por1023 !== 1'b1)
        `FAIL(("FAIL: por: reset not high from power-up"));
    wait_cycles(2100);
    if (fell2 != 2 || fell20 != 20 || fell1023 != 1023 || por2 !== 1'b0 || por20 !== 1'b0 || por1023 !== 1'b0)
        `FAIL(("FAIL: por: resets fell at clock edges %0d, %0d and %0d and read %b%b%b, expected 2, 20, 1023 and low",
               fell2, fell20, fell1023, por2, por20, por1023));
    por_finished = 1'b1;
end

// ----------------------------------------------------------------- parts

// The divider's outputs: iCLK / 128 and iCLK / 16.
reg     div_rst_n = 1'b0;
wire    div_out, div_out_t;
integer div_rises = 0, div_t_rises = 0;
clock_divider divider (.iCLK(clk), .iRST_n(div_rst_n), .oCLK_OUT(div_out), .oCLK_OUT_t(div_out_t));
always @(posedge div_out) div_rises = div_rises + 1;
always @(posedge div_out_t) div_t_rises = div_t_rises + 1;

// The bus controller alone, on open-drain lines: a write, and the byte
// read back.
`include "i2c_bus_bench.vh"

// A master that drove SCL high would pass every transfer all the same; the
// bench pulls SCL low from outside once while the bus is idle, which only
// an open-drain master lets through (the slave model is told to ignore
// that pulse).
reg parts_finished = 1'b0;

initial
begin
    wait_cycles(3);
    div_rst_n <= 1'b1;
    wait_cycles(1280);
    if (div_rises != 10 || div_t_rises != 80)
        `FAIL(("FAIL: clock divider: %0d and %0d rises in 1280 clocks, expected 10 and 80", div_rises, div_t_rises));
    wait (rst_n === 1'b1);
    wait_cycles(100);
    peer.quiet = 1'b1;
    scl_hold = 1'b1;
    #1;
    if (bus_scl !== 1'b0)
        `FAIL(("FAIL: bus controller: SCL is driven high while idle"));
    scl_hold = 1'b0;
    #1;
    if (bus_scl !== 1'b1 || bus_sda !== 1'b1)
        `FAIL(("FAIL: bus controller: SCL and SDA not released while idle"));
    wait_cycles(1000);
    peer.quiet = 1'b0;
    bus_transfer(7'h2A, 1'b1, 8'h3C, 8'h96);
    bus_transfer(7'h2A, 1'b0, 8'h3C, 8'h00);
    wait_cycles(100);
    if (bus_rdata !== 8'h96 || rdy_pulses != 1 || peer.log_count != 2 || peer.log_ok[0] !== 1'b1 || peer.log_read[1] !== 1'b1 ||
        peer.log_ok[1] !== 1'b1)
        `FAIL(("FAIL: bus controller: read %h back, expected a clean write and read of 96", bus_rdata));
    parts_finished = 1'b1;
end

always @(*) fast_on = !(dut_finished && parts_finished);

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1 && por_finished === 1'b1 &&
          parts_finished === 1'b1);
    finish_bench(chip.errors + chip2.errors + peer.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
