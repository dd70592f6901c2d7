// edge_detector_41
//
// Follows iIn through a two-stage shift register on iCLK (both stages take
// iIn while iRST_n is low, so a level held through reset is no edge):
//   oRISING_EDGE   high while the stages read 0 then 1 (older, newer)
//   oFallING_EDGE  high while they read 1 then 0
//   oDEBOUNCE_OUT  one-clock pulse on a falling edge seen while the debounce
//                  counter is not running
//   rst_cnt        the debounce counter: it starts at a falling edge, counts
//                  once per clock and clears itself at DEBOUNCE_VALUE
//                  (61,455 clocks, about 1.2 ms at 50 MHz); falling edges
//                  while it runs give no debounce pulse.

`define DEBOUNCE_VALUE 16'hf00f

module edge_detector_41 (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iIn,
    output wire        oFallING_EDGE,
    output wire        oRISING_EDGE,
    output wire        oDEBOUNCE_OUT,
    output reg  [15:0] rst_cnt
);

reg in_newer;
reg in_older;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        in_newer <= iIn;
        in_older <= iIn;
    end
    else
    begin
        in_newer <= iIn;
        in_older <= in_newer;
    end
end

assign oFallING_EDGE = in_older & ~in_newer;
assign oRISING_EDGE  = ~in_older & in_newer;
assign oDEBOUNCE_OUT = oFallING_EDGE && (rst_cnt == 16'd0);

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        rst_cnt <= 16'd0;
    else if (rst_cnt == `DEBOUNCE_VALUE)
        rst_cnt <= 16'd0;
    else if (rst_cnt != 16'd0 || oFallING_EDGE)
        rst_cnt <= rst_cnt + 16'd1;
end

endmodule
