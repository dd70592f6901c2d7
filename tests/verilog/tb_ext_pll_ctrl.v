// Testbench of ext_pll_ctrl: the 14-bit serial word on max_sclk / max_sdat,
// the bit timing, conf_ready, and the read-back into clk*_set_rd, through a
// monitor that plays the board's PLL controller.
`timescale 1ns / 1ps

module tb_ext_pll_ctrl;

localparam integer BIT_CYCLES = 256;
localparam real CYCLE_NS = 20.0;

`include "bench.vh"

reg       rstn = 1'b0;
reg [3:0] clk1_wr = 4'd0, clk2_wr = 4'd0, clk3_wr = 4'd0;
reg       conf_wr = 1'b0, conf_rd = 1'b0;
wire [3:0] clk1_rd, clk2_rd, clk3_rd;
wire       conf_ready;
wire       sclk;
wire       sdat;
pullup (sdat);

ext_pll_ctrl dut (
    .osc_50     (clk),
    .rstn       (rstn),
    .clk1_set_wr(clk1_wr),
    .clk1_set_rd(clk1_rd),
    .clk2_set_wr(clk2_wr),
    .clk2_set_rd(clk2_rd),
    .clk3_set_wr(clk3_wr),
    .clk3_set_rd(clk3_rd),
    .conf_wr    (conf_wr),
    .conf_rd    (conf_rd),
    .conf_ready (conf_ready),
    .max_sclk   (sclk),
    .max_sdat   (sdat)
);


// ---- The PLL controller's side of the line ---------------------------------
// Takes max_sdat on each rising max_sclk edge. After the two bits 2'b11 it
// answers with stored_codes, most significant bit first, changing its bit
// while max_sclk is low. It also checks the bit timing.
reg  [11:0] stored_codes = 12'h000;
reg  [31:0] bits = 32'd0;
integer     bit_count = 0;
reg         answer = 1'b0;        // drives max_sdat
reg         answer_bit = 1'b0;
integer     answer_index = 0;
reg         in_reset = 1'b0;      // a reset cuts the bit short
realtime    last_rise = -1.0e9, last_fall = -1.0e9, last_sdat_change = -1.0e9;

assign sdat = answer ? answer_bit : 1'bz;

always @(sdat) last_sdat_change = $realtime;

always @(posedge sclk)
begin
    if (bit_count > 0 && $realtime - last_rise != BIT_CYCLES * CYCLE_NS)
        `FAIL(("FAIL: bit %0d starts %.0f ns after the last one", bit_count, $realtime - last_rise));
    if ($realtime - last_fall < 0.5 * BIT_CYCLES * CYCLE_NS - 0.5)
        `FAIL(("FAIL: max_sclk low for only %.0f ns", $realtime - last_fall));
    if ($realtime - last_sdat_change < 100 * CYCLE_NS)
        `FAIL(("FAIL: max_sdat changed %.0f ns before the rising edge", $realtime - last_sdat_change));
    if (sdat !== 1'b0 && sdat !== 1'b1)
        `FAIL(("FAIL: max_sdat is %b at a rising edge", sdat));
    bits = {bits[30:0], sdat};
    bit_count = bit_count + 1;
    last_rise = $realtime;
end

always @(negedge sclk)
begin
    if (last_rise > 0.0 && !in_reset && $realtime - last_rise != 0.5 * BIT_CYCLES * CYCLE_NS)
        `FAIL(("FAIL: max_sclk high for %.0f ns", $realtime - last_rise));
    last_fall = $realtime;
    if (bit_count == 2 && bits[1:0] == 2'b11)
    begin
        answer = 1'b1;
        answer_index = 11;
    end
    if (answer)
    begin
        if (answer_index < 0)
            answer = 1'b0;
        else
        begin
            answer_bit = stored_codes[answer_index];
            answer_index = answer_index - 1;
        end
    end
end

// max_sdat must not change while max_sclk is high.
always @(sdat)
begin
    #1;
    if (sclk === 1'b1) `FAIL(("FAIL: max_sdat changed while max_sclk was high"));
end

task clear_monitor;
begin
    bits = 32'd0;
    bit_count = 0;
    answer = 1'b0;
end
endtask

// ---- Test steps --------------------------------------------------------------

// Waits for a transfer that has been started to end, and checks that it
// took 14 bits.
task wait_transfer(input [8*40-1:0] what);
    integer guard;
begin
    guard = 0;
    while (conf_ready !== 1'b0 && guard < 4) begin @(posedge clk); guard = guard + 1; end
    guard = 0;
    while (conf_ready !== 1'b1 && guard < 20 * BIT_CYCLES) begin @(posedge clk); guard = guard + 1; end
    if (conf_ready !== 1'b1) `FAIL(("FAIL: %0s: conf_ready did not come back", what));
    if (sclk !== 1'b0) `FAIL(("FAIL: %0s: max_sclk not low at the end", what));
    if (bit_count != 14) `FAIL(("FAIL: %0s: %0d clock pulses, expected 14", what, bit_count));
    wait_cycles(2);
    if (sdat !== 1'b1) `FAIL(("FAIL: %0s: max_sdat not released at the end", what));
end
endtask

// One write; checks the word, the start delay and conf_ready.
task write_codes(input [3:0] c1, input [3:0] c2, input [3:0] c3);
    realtime t_edge;
    reg [13:0] expected;
begin
    clear_monitor;
    clk1_wr <= c1;
    clk2_wr <= c2;
    clk3_wr <= c3;
    @(posedge clk) conf_wr <= 1'b1;
    t_edge = $realtime;
    @(posedge clk);
    // The codes are taken at the edge: changing them now changes nothing.
    clk1_wr <= ~c1;
    clk2_wr <= ~c2;
    clk3_wr <= ~c3;
    #1;
    if (conf_ready !== 1'b0) `FAIL(("FAIL: conf_ready still high after conf_wr rose"));
    @(posedge sclk);
    if ($realtime - t_edge < 0.5 * BIT_CYCLES * CYCLE_NS || $realtime - t_edge > 0.5 * BIT_CYCLES * CYCLE_NS + 3 * CYCLE_NS)
        `FAIL(("FAIL: first rising edge %.0f ns after conf_wr", $realtime - t_edge));
    wait_transfer("write");
    expected = {2'b10, c3, c2, c1};
    if (bits[13:0] !== expected)
        `FAIL(("FAIL: write %0d, %0d, %0d sent %b, expected %b", c1, c2, c3, bits[13:0], expected));
    conf_wr <= 1'b0;
    wait_cycles(4);
end
endtask

// One read of stored codes; checks the header and the outputs.
task read_codes(input [11:0] codes);
    reg [11:0] before;
begin
    clear_monitor;
    stored_codes = codes;
    before = {clk3_rd, clk2_rd, clk1_rd};
    @(posedge clk) conf_rd <= 1'b1;
    @(posedge clk) conf_rd <= 1'b0;
    // The outputs keep their values until the transfer ends.
    wait (bit_count == 13);
    if ({clk3_rd, clk2_rd, clk1_rd} !== before) `FAIL(("FAIL: read: outputs changed before the end"));
    wait_transfer("read");
    if (bits[13:12] !== 2'b11) `FAIL(("FAIL: read header %b, expected 11", bits[13:12]));
    if ({clk3_rd, clk2_rd, clk1_rd} !== codes)
        `FAIL(("FAIL: read %h, expected %h", {clk3_rd, clk2_rd, clk1_rd}, codes));
    wait_cycles(4);
end
endtask

integer i;

initial
begin
    // During and after reset: idle.
    wait_cycles(3);
    if (conf_ready !== 1'b1 || sclk !== 1'b0 || sdat !== 1'b1) `FAIL(("FAIL: in reset: not idle"));
    rstn <= 1'b1;
    wait_cycles(600);
    if (conf_ready !== 1'b1 || sclk !== 1'b0 || bit_count != 0) `FAIL(("FAIL: after reset: not idle"));

    // Writes: the option codes the boards use, and all ones.
    write_codes(4'd11, 4'd0, 4'd0);    // 312.5 MHz, unchanged, unchanged
    write_codes(4'd0, 4'd1, 4'd0);     // unchanged, disabled, unchanged
    write_codes(4'd2, 4'd12, 4'd7);    // 62.5 MHz, 625 MHz, 156.25 MHz
    write_codes(4'd15, 4'd15, 4'd15);
    write_codes(4'd5, 4'd10, 4'd3);

    // conf_wr held high starts one transfer; edges during a transfer, of
    // conf_wr or conf_rd, are ignored.
    clear_monitor;
    clk1_wr <= 4'd6;
    @(posedge clk) conf_wr <= 1'b1;
    wait_cycles(3 * BIT_CYCLES);
    conf_wr <= 1'b0;
    wait_cycles(2);
    conf_wr <= 1'b1;
    conf_rd <= 1'b1;
    wait_cycles(2);
    conf_rd <= 1'b0;
    wait_transfer("write with edges during it");
    wait_cycles(20 * BIT_CYCLES);
    if (bit_count != 14) `FAIL(("FAIL: conf_wr held high or an edge during a transfer started another one"));
    conf_wr <= 1'b0;
    wait_cycles(4);

    // Reads.
    read_codes(12'hA5C);
    read_codes(12'h3F0);
    read_codes(12'h000);

    // conf_wr and conf_rd rising together: the write only.
    clear_monitor;
    clk1_wr <= 4'd9;
    clk2_wr <= 4'd8;
    clk3_wr <= 4'd0;
    stored_codes = 12'hFFF;
    @(posedge clk) begin conf_wr <= 1'b1; conf_rd <= 1'b1; end
    @(posedge clk) conf_rd <= 1'b0;
    wait_transfer("write and read together");
    if (bits[13:0] !== {2'b10, 4'd0, 4'd8, 4'd9}) `FAIL(("FAIL: write and read together: sent %b", bits[13:0]));
    wait_cycles(20 * BIT_CYCLES);
    if (bit_count != 14 || {clk3_rd, clk2_rd, clk1_rd} !== 12'h000)
        `FAIL(("FAIL: write and read together: the read ran too"));
    conf_wr <= 1'b0;

    // Reset in the middle of a transfer frees the line and clears the read-back.
    read_codes(12'h123);
    clear_monitor;
    clk1_wr <= 4'd0;
    @(posedge clk) conf_wr <= 1'b1;
    wait (bit_count == 5);
    wait_cycles(10);
    in_reset = 1'b1;
    rstn <= 1'b0;
    wait_cycles(2);
    if (conf_ready !== 1'b1 || sclk !== 1'b0 || sdat !== 1'b1 || {clk3_rd, clk2_rd, clk1_rd} !== 12'h000)
        `FAIL(("FAIL: reset during a transfer: line not idle or read-back kept"));
    // conf_wr high when reset ends counts as a rising edge.
    clear_monitor;
    in_reset = 1'b0;
    rstn <= 1'b1;
    wait_cycles(2);
    if (conf_ready !== 1'b0) `FAIL(("FAIL: conf_wr high at the end of reset started nothing"));
    wait_transfer("write after reset");
    if (bits[13:0] !== {2'b10, 4'd0, 4'd8, 4'd0}) `FAIL(("FAIL: write after reset sent %b", bits[13:0]));

    finish_bench(0);
end

initial
begin
    #20_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
