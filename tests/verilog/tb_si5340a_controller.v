// Testbench of the Si5340A controller set: the register writes for several
// select codes on every output, after reset and on each rising edge of
// iStart, checked through an I2C slave model at address 0x77.
//
//   - dut (see si5340_bench.vh): the sequence after reset, then every select
//     code on every output on iStart; oPLL_REG_CONFIG_DONE low while a
//     sequence runs;
//   - the controller as the generated top level writes it (the board's text
//     chosen by the macro TARROWIND), at full speed: its first writes;
//   - startup: initial_config alone, its pulse 2,097,150 clocks after reset;
//   - bus: i2c_bus_controller alone: a write, a read of the byte back, and a
//     write to an address nobody answers;
//   - sel_gen: si5340a_clk_frq_sel_gen stepping on debounced presses.
`timescale 1ns / 1ps

module tb_si5340a_controller;

`include "bench.vh"

localparam integer STARTUP_CYCLES  = 2097150;
localparam integer DEBOUNCE_CYCLES = 61455;    // 16'hf00f

reg start = 1'b0;

`define GENERATED si5340a_controller
`include "si5340_bench.vh"

// Divider numerator of each select code.
function [43:0] numerator(input [2:0] code);
begin
    case (code)
        3'h0: numerator = 44'd0;               // output off
        3'h1: numerator = 44'd23622320128;     // 644.53125 MHz
        3'h2: numerator = 44'd47244640256;     // 322.265625 MHz
        3'h3: numerator = 44'd48721035264;     // 312.5 MHz
        3'h4: numerator = 44'd60901294080;     // 250 MHz
        3'h5: numerator = 44'd97442070528;     // 156.25 MHz
        3'h6: numerator = 44'd121802588160;    // 125 MHz
        default: numerator = 44'd152253235200; // 100 MHz
    endcase
end
endfunction

function [7:0] enable(input [2:0] code);
    enable = code != 3'h0 ? 8'h06 : 8'h04;
endfunction

task expect_sequence(input [2:0] s0, input [2:0] s1, input [2:0] s2, input [2:0] s3);
begin
    expect_begin;
    expect_write(8'h00, 8'h18, 8'hFF);
    expect_write(8'h00, 8'h21, 8'h0F);
    expect_write(8'h01, 8'h02, 8'h01);
    expect_output(8'h12, enable(s0), 8'h3E, 8'h00);
    expect_output(8'h17, enable(s1), 8'h3E, 8'h01);
    expect_output(8'h26, enable(s2), 8'h3E, 8'h02);
    expect_output(8'h2B, enable(s3), 8'h3E, 8'h03);
    expect_write(8'h01, 8'h41, 8'h40);
    expect_m_divider(44'd634388480000, 32'd2147483648);
    expect_divider(8'h02, numerator(s0), 32'd2147483648);
    expect_divider(8'h0D, numerator(s1), 32'd2147483648);
    expect_divider(8'h18, numerator(s2), 32'd2147483648);
    expect_divider(8'h23, numerator(s3), 32'd2147483648);
    expect_write(8'h03, 8'h38, 8'h01);
    expect_write(8'h03, 8'h39, 8'h0D);
    expect_write(8'h09, 8'h0E, 8'h02);
    expect_write(8'h09, 8'h1C, 8'h04);
    expect_write(8'h09, 8'h49, 8'h08);
    expect_write(8'h09, 8'h4A, 8'h80);
    expect_write(8'h0A, 8'h03, 8'h0F);
    expect_write(8'h0A, 8'h04, 8'h00);
    expect_write(8'h0A, 8'h05, 8'h0F);
    expect_write(8'h0B, 8'h44, 8'h07);
    expect_write(8'h0B, 8'h4A, 8'h00);
    expect_end(105);
end
endtask

// ---------------------------------------------------------------- dut

reg       rst_n = 1'b0;
reg [2:0] sel0 = 3'h1, sel1 = 3'h2, sel2 = 3'h0, sel3 = 3'h7;
wire      scl, sda;
wire      done;
pullup (sda);

si5340a_controller dut (
    .iCLK                  (dut_clk),
    .iRST_n                (rst_n),
    .iStart                (start),
    .iPLL_OUT0_FREQ_SEL    (sel0),
    .iPLL_OUT1_FREQ_SEL    (sel1),
    .iPLL_OUT2_FREQ_SEL    (sel2),
    .iPLL_OUT3_FREQ_SEL    (sel3),
    .I2C_CLK               (scl),
    .I2C_DATA              (sda),
    .oPLL_I2C_ID_READ_ERROR(),
    .oPLL_REG_CONFIG_DONE  (done)
);
i2c_slave_model #(.ADDRESS(7'h77), .TIME_SCALE(4.0 / 128.0)) chip (.scl(scl), .sda(sda));

integer k;
reg [8*48-1:0] label;

initial
begin
    wait_cycles(5);
    rst_n <= 1'b1;
    wait_cycles(20);
    if (done !== 1'b1)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE low before the first sequence"));
    dut_startup_soon;
    if (done !== 1'b0)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE high while the sequence runs"));
    wait_sequence("after reset");
    wait_cycles(4000);
    if (done !== 1'b1)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE low after the sequence"));
    expect_sequence(3'h1, 3'h2, 3'h0, 3'h7);
    check_writes("after reset (1, 2, 0, 7)");

    // Every output gets every code.
    for (k = 0; k < 8; k = k + 1)
    begin
        sel0 = k[2:0];
        sel1 = k[2:0] + 3'd3;
        sel2 = k[2:0] + 3'd6;
        sel3 = k[2:0] + 3'd1;
        $sformat(label, "iStart (%0d, %0d, %0d, %0d)", sel0, sel1, sel2, sel3);
        dut_sequence_on_start(label);
        expect_sequence(sel0, sel1, sel2, sel3);
        check_writes(label);
    end
    dut_finished = 1'b1;
end

// ------------------------------------------------------ generated wiring

`define SI5340A_POWER_DOWN  3'h0
`define SI5340A_644M53125   3'h1
`define SI5340A_322M265625  3'h2
`define SI5340A_312M5       3'h3
`define SI5340A_250M        3'h4
`define SI5340A_156M25      3'h5
`define SI5340A_125M        3'h6
`define SI5340A_100M        3'h7

wire SI5340A_I2C_SCL, SI5340A_I2C_SDA, SI5340A_OE_n, SI5340A_RST_n;
pullup (SI5340A_I2C_SDA);

`ifdef TARROWIND
wire si5340a_controller_start;
assign si5340a_controller_start = ~BUTTON[0];

si5340a_controller si5340a_controller(
    .iCLK(CLK_50_B2J),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340a_controller_start),
    .iPLL_OUT0_FREQ_SEL(`SI5340A_644M53125),//QSFP-A
    .iPLL_OUT1_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-B
    .iPLL_OUT2_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-C
    .iPLL_OUT3_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-D
    .I2C_CLK(SI5340A_I2C_SCL),
    .I2C_DATA(SI5340A_I2C_SDA),
    .oPLL_REG_CONFIG_DONE()
);

assign SI5340A_OE_n = 1'b0;
assign SI5340A_RST_n = CPU_RESET_n;
`else
wire si5340a_controller_start;
wire si5340a_config_done;

assign si5340a_controller_start = ~BUTTON[0];

si5340a_controller si5340a_controller(
    .iCLK(CLK_50_B2F),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340a_controller_start),
    .iPLL_OUT0_FREQ_SEL(`SI5340A_156M25),//QSFP-A
    .iPLL_OUT1_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-B
    .iPLL_OUT2_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-C
    .iPLL_OUT3_FREQ_SEL(`SI5340A_POWER_DOWN),//QSFP-D
    .I2C_CLK(SI5340A_I2C_SCL),
    .I2C_DATA(SI5340A_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340a_config_done)
);

assign SI5340A_OE_n = 1'b0;
assign SI5340A_RST_n = CPU_RESET_n;
`endif

i2c_slave_model #(.ADDRESS(7'h77)) chip2 (.scl(SI5340A_I2C_SCL), .sda(SI5340A_I2C_SDA));

initial run_generated;

// --------------------------------------------------------------- startup

wire startup_pulse;
initial_config startup (
    .iCLK           (clk),
    .iRST_n         (rst_n),
    .oINITIAL_START (startup_pulse),
    .iINITIAL_ENABLE(1'b1)
);

// The clock edge that raises the pulse ends clock number t_startup.
integer startup_pulses = 0;
integer t_startup = -1;
always @(posedge startup_pulse)
begin
    startup_pulses = startup_pulses + 1;
    t_startup = cycle;
end

integer t_release;
reg     startup_finished = 1'b0;

initial
begin
    wait (rst_n === 1'b1);
    t_release = cycle;
    wait (t_startup >= 0);
    wait_cycles(1000);
    if (startup_pulses != 1 || t_startup - t_release != STARTUP_CYCLES)
        `FAIL(("FAIL: startup: %0d pulse(s), the first %0d clocks after reset, expected one after %0d",
               startup_pulses, t_startup - t_release, STARTUP_CYCLES));
    startup_finished = 1'b1;
end

// ------------------------------------------------------------------- bus

`include "i2c_bus_bench.vh"

reg bus_finished = 1'b0;

initial
begin
    wait (rst_n === 1'b1);
    wait_cycles(100);
    if (bus_scl !== 1'b1 || bus_sda !== 1'b1 || bus_busy !== 1'b0)
        `FAIL(("FAIL: bus controller: SCL and SDA not high, or busy, while idle"));
    bus_transfer(7'h2A, 1'b1, 8'h5C, 8'hA6);
    bus_transfer(7'h2A, 1'b0, 8'h5C, 8'h00);
    if (bus_rdata !== 8'hA6 || rdy_pulses != 1)
        `FAIL(("FAIL: bus controller: read %h with %0d ready pulse(s), expected A6 with one", bus_rdata, rdy_pulses));
    // Nobody answers at 0x2B: the transfer ends all the same.
    bus_transfer(7'h2B, 1'b1, 8'h10, 8'h55);
    wait_cycles(100);
    if (peer.log_count != 2 || peer.log_read[0] !== 1'b0 || peer.log_reg[0] !== 8'h5C ||
        peer.log_data[0] !== 8'hA6 || peer.log_ok[0] !== 1'b1 || peer.log_read[1] !== 1'b1 ||
        peer.log_reg[1] !== 8'h5C || peer.log_data[1] !== 8'hA6 || peer.log_ok[1] !== 1'b1)
        `FAIL(("FAIL: bus controller: the slave did not see a write of A6 to 5C and a clean read of it"));
    bus_finished = 1'b1;
end

always @(*) fast_on = !(dut_finished && bus_finished);

// --------------------------------------------------------------- sel_gen

reg        gen_on = 1'b1;
wire       gen_clk = clk & gen_on;
reg        change = 1'b1;
wire [2:0] gen_sel;
wire       gen_pulse;

si5340a_clk_frq_sel_gen sel_gen (
    .iCLK        (gen_clk),
    .iRST_n      (rst_n),
    .iCHANGE     (change),
    .oCLK_FEQ_SEL(gen_sel),
    .oCHANGE_FREQ(gen_pulse)
);

integer gen_pulses = 0;
always @(posedge gen_clk) if (gen_pulse === 1'b1) gen_pulses = gen_pulses + 1;

integer t_press, run;

initial
begin
    wait (rst_n === 1'b1);
    wait_cycles(10);
    if (gen_sel !== 3'd0) `FAIL(("FAIL: sel_gen: %0d after reset", gen_sel));
    // A press steps the code once.
    change <= 1'b0;
    t_press = cycle;
    wait_cycles(10);
    if (gen_sel !== 3'd1 || gen_pulses != 1)
        `FAIL(("FAIL: sel_gen: a press gives code %0d and %0d pulse(s)", gen_sel, gen_pulses));
    // Bounces while the debounce counter runs are ignored, releases too.
    change <= 1'b1;
    wait_cycles(200);
    change <= 1'b0;
    wait_cycles(200);
    change <= 1'b1;
    wait (sel_gen.change_edge.rst_cnt === 16'd0);
    run = cycle - t_press;
    if (run < DEBOUNCE_CYCLES || run > DEBOUNCE_CYCLES + 4)
        `FAIL(("FAIL: sel_gen: the debounce count ran %0d clocks, expected %0d", run, DEBOUNCE_CYCLES));
    if (gen_sel !== 3'd1 || gen_pulses != 1)
        `FAIL(("FAIL: sel_gen: bounces stepped the code to %0d", gen_sel));
    // The next press after it counts; from the highest code it wraps to 0.
    @(negedge clk) sel_gen.oCLK_FEQ_SEL = 3'd7;
    change <= 1'b0;
    wait_cycles(10);
    if (gen_sel !== 3'd0 || gen_pulses != 2)
        `FAIL(("FAIL: sel_gen: a press at code 7 gives %0d", gen_sel));
    change <= 1'b1;
    gen_on = 1'b0;
end

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1 && bus_finished === 1'b1 &&
          gen_on === 1'b0 && startup_finished === 1'b1);
    finish_bench(chip.errors + chip2.errors + peer.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
