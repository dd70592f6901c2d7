// Testbench of SPI_LMK04906_Config: instances for select values that set
// each of the four outputs alone, none, all and mixes, and for the three
// selects (1, 2, 15) with their own table entry 26, all run at once, each
// watched by a spi_word_monitor. Every instance must send the 26 words of
// the table in order, LE low for 34 cycles of its 12.5 MHz clock per word
// with 32 pulses of CLK, and raise SPI_DONE only after the last pause.
// The first instance (select 0) runs its pauses of 25000 cycles in full:
// before the first word, after the first and after the second, and before
// SPI_DONE; the others have each pause moved on to its last cycles, and each
// instance's clock stops when it is done, to keep the run short.
`timescale 1ns / 1ps

module tb_spi_lmk04906_config;

`include "bench.vh"

localparam real    TICK = 80.0;    // ns, one cycle of the 12.5 MHz clock
localparam integer PAUSE = 25000;  // cycles of each pause
localparam integer SHORT = 5;      // cycles left of a pause moved on
localparam integer RUNS = 9;

// A clean falling edge of the reset, after time 0.
reg      rst_n = 1'b1;
realtime t_reset = 0.0;
initial #1 rst_n = 1'b0;

reg  [3:0]      select [0:RUNS-1];
wire [RUNS-1:0] sclk, sdata, le, done;
reg  [RUNS-1:0] running = {RUNS{1'b1}};
realtime        t_done [0:RUNS-1];

initial
begin
    select[0] = 4'd0;
    select[1] = 4'd1;   // FMCC
    select[2] = 4'd2;   // FMCB
    select[3] = 4'd4;   // FMCD
    select[4] = 4'd8;   // FMCA
    select[5] = 4'd5;
    select[6] = 4'd10;
    select[7] = 4'd6;
    select[8] = 4'd15;
end

// ---------------------------------------------------------------- expected

`include "lmk04906_words.vh"

// ------------------------------------------------------------ instances

reg            check_now = 1'b0;
reg [RUNS-1:0] checked = {RUNS{1'b0}};

genvar g;
generate
    for (g = 0; g < RUNS; g = g + 1)
    begin : run
        SPI_LMK04906_Config dut (
            .clk50          (clk & running[g]),
            .rst_n          (rst_n),
            .iFREQ_SELECT   (select[g]),
            .LMK04906_CLK   (sclk[g]),
            .LMK04906_DATAIN(sdata[g]),
            .LMK04906_LE    (le[g]),
            .SPI_DONE       (done[g])
        );
        spi_word_monitor #(.CLK_PERIOD(TICK)) mon (.clk(sclk[g]), .data(sdata[g]), .le(le[g]));
        always @(posedge done[g])
        begin
            t_done[g] = $realtime;
            #1000 running[g] = 1'b0;
        end
        // The design moves on at the falling edges of its clock; the pause
        // counter is set between them.
        if (g != 0)
            always @(posedge dut.spi_clk)
                if (dut.state == 2'd1 && dut.lut_data[31:0] > SHORT && dut.pause_cnt < dut.lut_data[31:0] - SHORT)
                    dut.pause_cnt = dut.lut_data[31:0] - SHORT;

        // The words against the table, the pauses before the first three
        // and before SPI_DONE.
        integer  i, shown, pause;
        realtime gap, low;
        initial
        begin
            wait (check_now === 1'b1);
            pause = g == 0 ? PAUSE : SHORT;
            shown = 0;
            for (i = 0; i < 26 && i < mon.log_count; i = i + 1)
            begin
                gap = mon.t_le_fall[i] - (i > 0 ? mon.t_le_rise[i - 1] : t_reset);
                low = mon.t_le_rise[i] - mon.t_le_fall[i];
                if (mon.log_word[i][31:0] !== expected_word(select[g], i) || mon.log_bits[i] != 32 ||
                    low != 34 * TICK || gap < (i <= 2 ? pause : 0) * TICK || gap > ((i <= 2 ? pause : 0) + 10) * TICK)
                begin
                    if (shown < 4)
                        `FAIL(("FAIL: select %0d: word %0d is %h (%0d bits, LE low %0.1f cycles) %0.1f cycles after the last, expected %h after %0d",
                               select[g], i + 1, mon.log_word[i][31:0], mon.log_bits[i], low / TICK, gap / TICK,
                               expected_word(select[g], i), i <= 2 ? pause : 0))
                    else
                        errors = errors + 1;
                    shown = shown + 1;
                end
            end
            if (mon.log_count != 26)
                `FAIL(("FAIL: select %0d: %0d words, expected 26", select[g], mon.log_count))
            else if (t_done[g] - mon.t_le_rise[25] < pause * TICK || t_done[g] - mon.t_le_rise[25] > (pause + 10) * TICK)
                `FAIL(("FAIL: select %0d: SPI_DONE rose %0.1f cycles after the last word, expected after a pause of %0d",
                       select[g], (t_done[g] - mon.t_le_rise[25]) / TICK, pause));
            errors = errors + mon.errors;
            checked[g] = 1'b1;
        end
    end
endgenerate

// ------------------------------------------------------------------ checks

initial
begin
    wait_cycles(5);
    if (done !== {RUNS{1'b0}} || le !== {RUNS{1'b1}} || sclk !== {RUNS{1'b0}})
        `FAIL(("FAIL: in reset: SPI_DONE %b, LE %b, CLK %b; expected low, high, low", done, le, sclk));
    rst_n <= 1'b1;
    @(posedge clk);
    t_reset = $realtime;
    wait_cycles(100);
    if (done !== {RUNS{1'b0}})
        `FAIL(("FAIL: SPI_DONE high while the programming runs"));
    wait (running === {RUNS{1'b0}});
    if (le !== {RUNS{1'b1}} || sclk !== {RUNS{1'b0}})
        `FAIL(("FAIL: after the programming: LE %b, CLK %b; expected high, low", le, sclk));
    check_now = 1'b1;
    wait (checked === {RUNS{1'b1}});
    finish_bench(0);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
