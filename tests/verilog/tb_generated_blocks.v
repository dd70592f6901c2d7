// Runs the clock-chip blocks of generated top levels against the exported
// IP: each *_blocks module is a top level made of one board's block text
// (written by the test that runs this bench).
`timescale 1ns / 1ps

module serial_word_monitor (
    input wire sclk,
    input wire sdat
);
reg [31:0] bits = 32'd0;
integer    count = 0;
always @(posedge sclk)
begin
    bits = {bits[30:0], sdat};
    count = count + 1;
end
endmodule

module tb_generated_blocks;

localparam real XTAL_HZ = 114.285e6;

`include "bench.vh"
reg reset_n = 1'b0;


// Rastrelle: CDCM61001 at 312.5 MHz (code 11), CDCM61004 unchanged (0),
// Si570 at 156.25 MHz.
wire pll_scl, pll_sda, rastrelle_scl, rastrelle_sda;
pullup (pll_sda);
pullup (rastrelle_sda);
rastrelle_blocks rastrelle (
    .OSC_50_B3B (clk),
    .CPU_RESET_n(reset_n),
    .PLL_SCL    (pll_scl),
    .PLL_SDA    (pll_sda),
    .CLOCK_SCL  (rastrelle_scl),
    .CLOCK_SDA  (rastrelle_sda)
);
serial_word_monitor rastrelle_pll (.sclk(pll_scl), .sdat(pll_sda));
i2c_slave_model rastrelle_si570 (.scl(rastrelle_scl), .sda(rastrelle_sda));
defparam rastrelle.si570_controller_inst.INITIAL_DELAY = 2000;

// Estover: CDCM61004 at 625 MHz, Si570 at 644.53125 MHz.
wire       estover_scl, estover_sda;
wire       clk_ce, clk_rst_n;
wire [2:0] clk_od;
wire [1:0] clk_os, clk_pr;
pullup (estover_sda);
estover_blocks estover (
    .OSC_50_B3B (clk),
    .CPU_RESET_n(reset_n),
    .CLOCK_SCL  (estover_scl),
    .CLOCK_SDA  (estover_sda),
    .CLK_CE     (clk_ce),
    .CLK_OD     (clk_od),
    .CLK_OS     (clk_os),
    .CLK_PR     (clk_pr),
    .CLK_RST_n  (clk_rst_n)
);
i2c_slave_model estover_si570 (.scl(estover_scl), .sda(estover_sda));
defparam estover.si570_controller_inst.INITIAL_DELAY = 2000;

// Ormsgill: external PLL at 100 MHz (4), disabled (1), unchanged (0).
wire ormsgill_scl, ormsgill_sda;
pullup (ormsgill_sda);
ormsgill_blocks ormsgill (
    .OSC_50_BANK2(clk),
    .CPU_RESET_n (reset_n),
    .MAX_I2C_SCLK(ormsgill_scl),
    .MAX_I2C_SDAT(ormsgill_sda)
);
serial_word_monitor ormsgill_pll (.sclk(ormsgill_scl), .sdat(ormsgill_sda));

// Brackwell: elaborated with the others. Its block has no reset and counts
// from the registers' power-up values, which simulation does not give.
wire brackwell_sda;
pullup (brackwell_sda);
brackwell_blocks brackwell (
    .OSC_50_BANK1(clk),
    .MAX2_I2C_SCL(),
    .MAX2_I2C_SDA(brackwell_sda)
);

// Output frequency that registers 7 .. 12 of a slave model give.
function real si570_hz(input [7:0] r7, input [7:0] r8, input [7:0] r9, input [7:0] r10,
                       input [7:0] r11, input [7:0] r12);
    reg [37:0] rfreq;
    integer hs, n1;
begin
    hs = r7[7:5] + 4;
    n1 = {r7[4:0], r8[7:6]} + 1;
    rfreq = {r8[5:0], r9, r10, r11, r12};
    si570_hz = XTAL_HZ * (rfreq / 268435456.0) / (hs * n1);
end
endfunction

real f;
integer guard;

initial
begin
    wait_cycles(5);
    reset_n <= 1'b1;
    wait_cycles(3);
    if (clk_pr !== 2'd2 || clk_od !== 3'd0 || clk_ce !== 1'b1 || clk_os !== 2'b01 || clk_rst_n !== 1'b0)
        `FAIL(("FAIL: Estover CDCM61004 pins PR %0d OD %0d CE %b OS %b RST_n %b", clk_pr, clk_od, clk_ce, clk_os, clk_rst_n));

    wait_cycles(256 + 15 * 256);
    if (rastrelle_pll.count != 14 || rastrelle_pll.bits[13:0] !== {2'b10, 4'd0, 4'd0, 4'd11})
        `FAIL(("FAIL: Rastrelle external PLL: %0d bits %b", rastrelle_pll.count, rastrelle_pll.bits[13:0]));
    if (ormsgill_pll.count != 14 || ormsgill_pll.bits[13:0] !== {2'b10, 4'd0, 4'd1, 4'd4})
        `FAIL(("FAIL: Ormsgill external PLL: %0d bits %b", ormsgill_pll.count, ormsgill_pll.bits[13:0]));

    guard = 0;
    while ((rastrelle_si570.log_count < 10 || estover_si570.log_count < 10) && guard < 400000)
    begin
        @(posedge clk);
        guard = guard + 1;
    end
    f = si570_hz(rastrelle_si570.regs[7], rastrelle_si570.regs[8], rastrelle_si570.regs[9],
                 rastrelle_si570.regs[10], rastrelle_si570.regs[11], rastrelle_si570.regs[12]);
    if (rastrelle_si570.log_count != 10 || f < 156.25e6 * (1.0 - 1.0e-9) || f > 156.25e6 * (1.0 + 1.0e-9))
        `FAIL(("FAIL: Rastrelle Si570: %0d transfers, %.6f MHz", rastrelle_si570.log_count, f / 1.0e6));
    f = si570_hz(estover_si570.regs[7], estover_si570.regs[8], estover_si570.regs[9],
                 estover_si570.regs[10], estover_si570.regs[11], estover_si570.regs[12]);
    if (estover_si570.log_count != 10 || f < 644.53125e6 * (1.0 - 1.0e-9) || f > 644.53125e6 * (1.0 + 1.0e-9))
        `FAIL(("FAIL: Estover Si570: %0d transfers, %.6f MHz", estover_si570.log_count, f / 1.0e6));
    finish_bench(rastrelle_si570.errors + estover_si570.errors);
end

endmodule
