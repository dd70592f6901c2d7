// Runs the clock-chip blocks of a generated Colvenna top level against the
// controller files the export wrote: colvenna_blocks is a module made of the
// board's Verilog text (written by the test that runs this bench) for the
// settings CDCM6208 FMCA_REFCLK_0 and FMCD_REFCLK_0 at 150 MHz with
// PCIE_OB_REFCLK off, and LMK04906 choices 322.265625, 644.53125, Disable,
// 644.53125 MHz for FMCA_REFCLK_1, FMCB_REFCLK_0, FMCC_REFCLK_0 and
// FMCD_REFCLK_1. The CDCM6208 must receive frequency set 2 with the PCIE
// output off, the LMK04906 the words of select 4'b0110 (FMCD and FMCB at
// 644.53125 MHz).
//
// The CDCM6208 controller runs with its controller clock at iCLK / 4 (its
// monitor's bus limits scaled alike), the LMK04906 controller's pauses are
// moved on to their last cycles.
`timescale 1ns / 1ps

module tb_colvenna_blocks;

`include "bench.vh"
`include "lmk04906_words.vh"

localparam real TICK = 80.0;  // ns: the LMK04906 clock, and the fast CDCM6208 controller clock
localparam integer SHORT = 5;

// A clean falling edge of the reset, after time 0.
reg      reset_n = 1'b1;
realtime t_reset = 0.0;
initial #1 reset_n = 1'b0;

wire scl, sda, lmk_clk, lmk_data, lmk_le;
pullup (scl);
pullup (sda);

colvenna_blocks colvenna (
    .OSC_50_B3B     (clk),
    .OSC_50_B4A     (clk),
    .CPU_RESET_n    (reset_n),
    .CLOCK_SCL      (scl),
    .CLOCK_SDA      (sda),
    .LMK04906_CLK   (lmk_clk),
    .LMK04906_DATAIN(lmk_data),
    .LMK04906_LE    (lmk_le)
);
defparam colvenna.I2C_CDCM6208_Config_inst.I2C_Freq = 50000000 / 8;

cdcm6208_monitor #(.TIME_SCALE(TICK / (2.0 * 313.0 * 20.0)), .CTRL_PERIOD(TICK)) cdcm (.scl(scl), .sda(sda));
spi_word_monitor #(.CLK_PERIOD(TICK)) lmk (.clk(lmk_clk), .data(lmk_data), .le(lmk_le));

always @(posedge colvenna.SPI_LMK04906_Config_inst.spi_clk)
    if (colvenna.SPI_LMK04906_Config_inst.state == 2'd1 &&
        colvenna.SPI_LMK04906_Config_inst.lut_data[31:0] > SHORT &&
        colvenna.SPI_LMK04906_Config_inst.pause_cnt < colvenna.SPI_LMK04906_Config_inst.lut_data[31:0] - SHORT)
        colvenna.SPI_LMK04906_Config_inst.pause_cnt = colvenna.SPI_LMK04906_Config_inst.lut_data[31:0] - SHORT;

realtime t_cdcm_done = 0.0;
always @(posedge colvenna.cdcm6208_i2c_done) t_cdcm_done = $realtime;

integer i;

initial
begin
    wait_cycles(5);
    if (colvenna.cdcm6208_i2c_done !== 1'b0 || colvenna.lmk04906_spi_done !== 1'b0)
        `FAIL(("FAIL: a done output is high in reset"));
    reset_n <= 1'b1;
    @(posedge clk);
    t_reset = $realtime;
    wait (colvenna.cdcm6208_i2c_done === 1'b1 && colvenna.lmk04906_spi_done === 1'b1);
    wait_cycles(1000);

    cdcm.expect_programming(2'd2, 6'b000100, -1, 0);
    cdcm.check("the generated CDCM6208 block", t_reset, t_cdcm_done);
    errors = errors + cdcm.errors;

    if (lmk.log_count != 26)
        `FAIL(("FAIL: the generated LMK04906 block sent %0d words, expected 26", lmk.log_count));
    for (i = 0; i < 26 && i < lmk.log_count; i = i + 1)
        if (lmk.log_word[i][31:0] !== expected_word(4'b0110, i) || lmk.log_bits[i] != 32)
            `FAIL(("FAIL: the generated LMK04906 block: word %0d is %h (%0d bits), expected %h", i + 1,
                   lmk.log_word[i][31:0], lmk.log_bits[i], expected_word(4'b0110, i)))
    errors = errors + lmk.errors;
    finish_bench(cdcm.chip.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
