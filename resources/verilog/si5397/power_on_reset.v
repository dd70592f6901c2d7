// power_on_reset
//
// A reset after configuration: reset is high from power-up until a 10-bit
// counter on clk, which starts at 0, has counted POR_COUNT rising edges of
// clk, and low from that edge on. POR_COUNT must lie between 2 and 1023
// (the counter has 10 bits).

module power_on_reset #(
    parameter POR_COUNT = 20
) (
    input  wire clk,
    output reg  reset = 1'b1
);

localparam [9:0] LAST = POR_COUNT[9:0] - 10'd1;

reg [9:0] count = 10'd0;

always @(posedge clk)
begin
    if (reset)
    begin
        count <= count + 10'd1;
        if (count == LAST)
            reset <= 1'b0;
    end
end

endmodule
