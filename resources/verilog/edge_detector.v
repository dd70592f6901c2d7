// edge_detector
//
// Brings iIn into the iCLK domain (two flip-flops) and gives
//   - oRISING_EDGE, oFallING_EDGE: one-cycle pulses on each rising and
//     falling edge of the synchronised input (no debouncing, so a one-cycle
//     pulse from logic is seen);
//   - oDEBOUNCE_OUT: a copy of the input that changes only after the input
//     has held its new level for 65535 cycles (1.3 ms at 50 MHz);
//   - rst_cnt: the number of cycles the input has differed from
//     oDEBOUNCE_OUT so far (0 while they agree).
// iRST_n is an asynchronous, active-low reset; after it the input is taken
// as low.

module edge_detector (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iIn,
    output wire        oFallING_EDGE,
    output wire        oRISING_EDGE,
    output reg         oDEBOUNCE_OUT = 1'b0,
    output reg  [15:0] rst_cnt = 16'd0
);

reg [2:0] in_sync = 3'b000;   // two synchroniser stages and the previous value

assign oRISING_EDGE  = in_sync[1] & ~in_sync[2];
assign oFallING_EDGE = ~in_sync[1] & in_sync[2];

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        in_sync       <= 3'b000;
        oDEBOUNCE_OUT <= 1'b0;
        rst_cnt       <= 16'd0;
    end
    else
    begin
        in_sync <= {in_sync[1:0], iIn};
        if (in_sync[1] != oDEBOUNCE_OUT)
        begin
            if (rst_cnt == 16'hFFFF)
            begin
                oDEBOUNCE_OUT <= in_sync[1];
                rst_cnt       <= 16'd0;
            end
            else
                rst_cnt <= rst_cnt + 16'd1;
        end
        else
            rst_cnt <= 16'd0;
    end
end

endmodule
