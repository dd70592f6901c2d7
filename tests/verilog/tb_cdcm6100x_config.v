// Testbench of CDCM6100x_Config: the control pins for every frequency code,
// the reset after power-up and the recalibration pulse on recal_n.
`timescale 1ns / 1ps

module tb_cdcm6100x_config;

localparam integer POWER_UP_CYCLES = 250000;   // 5 ms of the 50 MHz clock

`include "bench.vh"

reg        recal_n = 1'b1;
reg  [3:0] freq = 4'd0;
wire       ce;
wire [2:0] od;
wire [1:0] os;
wire [1:0] pr;
wire       rst_n;

CDCM6100x_Config dut (
    .clk_50m     (clk),
    .recal_n     (recal_n),
    .desired_freq(freq),
    .CLK_CE      (ce),
    .CLK_OD      (od),
    .CLK_OS      (os),
    .CLK_PR      (pr),
    .CLK_RST_n   (rst_n)
);


// Cycle count and the edges of CLK_RST_n.
integer cycle = 0;
integer rst_rises = 0, rst_falls = 0;
integer last_rise = -1, last_fall = -1;
always @(posedge clk) cycle = cycle + 1;   // before the design's registers change
always @(posedge rst_n) begin rst_rises = rst_rises + 1; last_rise = cycle; end
always @(negedge rst_n) if (cycle > 0) begin rst_falls = rst_falls + 1; last_fall = cycle; end

// Expected pins per code: {CLK_PR, CLK_OD}.
function [4:0] expected_pins(input integer code);
begin
    case (code)
        0:  expected_pins = {2'd3, 3'd7};   //  62.5  MHz
        1:  expected_pins = {2'd0, 3'd7};   //  75    MHz
        2:  expected_pins = {2'd0, 3'd5};   // 100    MHz
        3:  expected_pins = {2'd3, 3'd3};   // 125    MHz
        4:  expected_pins = {2'd0, 3'd3};   // 150    MHz
        5:  expected_pins = {2'd2, 3'd3};   // 156.25 MHz
        6:  expected_pins = {2'd1, 3'd1};   // 187.5  MHz
        7:  expected_pins = {2'd0, 3'd2};   // 200    MHz
        8:  expected_pins = {2'd3, 3'd1};   // 250    MHz
        9:  expected_pins = {2'd2, 3'd1};   // 312.5  MHz
        10: expected_pins = {2'd2, 3'd0};   // 625    MHz
        default: expected_pins = {2'd0, 3'd3};
    endcase
end
endfunction

task check_codes;
    integer code;
begin
    for (code = 0; code < 16; code = code + 1)
    begin
        freq <= code[3:0];
        wait_cycles(2);
        #1;
        if ({pr, od} !== expected_pins(code))
            `FAIL(("FAIL: code %0d: CLK_PR %0d, CLK_OD %0d, expected %0d, %0d",
                   code, pr, od, expected_pins(code) >> 3, expected_pins(code) & 7));
        if (ce !== 1'b1 || os !== 2'b01)
            `FAIL(("FAIL: code %0d: CLK_CE %b, CLK_OS %b", code, ce, os));
    end
end
endtask

initial
begin
    #1;
    if (rst_n !== 1'b0) `FAIL(("FAIL: CLK_RST_n not low at power-up"));

    // The pins follow the code during the power-up reset too.
    wait_cycles(10);
    check_codes;

    // A falling recal_n during the power-up reset does not shorten it.
    recal_n <= 1'b0;
    wait_cycles(100);
    recal_n <= 1'b1;

    // Power-up reset: low for the first 250000 cycles, then high.
    wait (rst_rises == 1);
    if (last_rise != POWER_UP_CYCLES)
        `FAIL(("FAIL: CLK_RST_n rose after %0d cycles, expected %0d", last_rise, POWER_UP_CYCLES));
    if (rst_falls != 0) `FAIL(("FAIL: CLK_RST_n fell during the power-up reset"));

    check_codes;

    // Each falling edge of recal_n: a short reset pulse, a few cycles after it.
    recal_n <= 1'b0;
    wait (rst_falls == 1);
    wait (rst_rises == 2);
    if (last_rise - last_fall < 3 || last_rise - last_fall > 16)
        `FAIL(("FAIL: recalibration pulse %0d cycles long", last_rise - last_fall));
    // recal_n held low: no further pulse; its rising edge: none either.
    wait_cycles(5000);
    recal_n <= 1'b1;
    wait_cycles(100);
    if (rst_falls != 1 || rst_n !== 1'b1) `FAIL(("FAIL: recal_n held low or rising reset the chip again"));
    // A second press gives a second pulse.
    recal_n <= 1'b0;
    wait_cycles(100);
    recal_n <= 1'b1;
    wait_cycles(100);
    if (rst_falls != 2 || rst_rises != 3 || rst_n !== 1'b1) `FAIL(("FAIL: a second falling edge gave no pulse"));

    finish_bench(0);
end

// The pulse starts within a few cycles of the falling edge of recal_n.
integer recal_fell = -1;
always @(negedge recal_n) recal_fell = cycle;
always @(negedge rst_n)
begin
    if (cycle > 0 && (cycle - recal_fell > 4))
        `FAIL(("FAIL: CLK_RST_n fell %0d cycles after recal_n", cycle - recal_fell));
end

initial
begin
    #10_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
