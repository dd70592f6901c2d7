// Monitor of a three-wire write interface (clock, data, latch enable, as
// clock chips of the LMK family take it): while LE is low, DATA is taken on
// each rising edge of CLK, most significant bit first; the rising edge of LE
// ends the word and logs it:
//   log_word[i]   the bits taken, the last one in bit 0
//   log_bits[i]   how many bits were taken
//   t_le_fall[i], t_le_rise[i]   when LE fell and rose
// Only changes between 0 and 1 count as edges (an output is unknown before
// its reset). Faults, counted in errors and shown: a CLK edge while LE is high, a CLK
// period other than CLK_PERIOD within a word, DATA changing less than
// SETUP before a rising CLK edge or while CLK is high, and a level other
// than 0 or 1 on DATA at a rising CLK edge.
`timescale 1ns / 1ps

module spi_word_monitor #(
    parameter real CLK_PERIOD = 80.0,  // ns
    parameter real SETUP = 20.0        // ns
) (
    input wire clk,
    input wire data,
    input wire le
);

integer  errors = 0;
integer  log_count = 0;
reg [63:0] log_word [0:255];
integer  log_bits  [0:255];
realtime t_le_fall [0:255];
realtime t_le_rise [0:255];

reg        le_was = 1'b1, clk_was = 1'b0;
reg [63:0] word = 64'd0;
integer    bits = 0;
realtime   t_rise = -1.0e9;
realtime   t_data = -1.0e9;

task fault(input [8*60-1:0] what);
begin
    errors = errors + 1;
    $display("bus fault: SPI monitor %m at %0t: %0s", $realtime, what);
end
endtask

always @(le)
begin
    if (le_was === 1'b1 && le === 1'b0)
    begin
        word = 64'd0;
        bits = 0;
        t_le_fall[log_count] = $realtime;
    end
    if (le_was === 1'b0 && le === 1'b1)
    begin
        log_word[log_count] = word;
        log_bits[log_count] = bits;
        t_le_rise[log_count] = $realtime;
        log_count = log_count + 1;
    end
    le_was = le;
end

always @(clk)
begin
    if (clk_was === 1'b0 && clk === 1'b1) take_bit;
    clk_was = clk;
end

task take_bit;
begin
    if (le !== 1'b0) fault("CLK rises while LE is high");
    if (bits > 0 && $realtime - t_rise != CLK_PERIOD) fault("CLK period within a word");
    if ($realtime - t_data < SETUP) fault("DATA setup time");
    if (data !== 1'b0 && data !== 1'b1) fault("DATA not 0 or 1 at a rising CLK edge");
    word = {word[62:0], data};
    bits = bits + 1;
    t_rise = $realtime;
end
endtask

always @(data)
begin
    if (clk === 1'b1 && le === 1'b0) fault("DATA changes while CLK is high");
    t_data = $realtime;
end

endmodule
