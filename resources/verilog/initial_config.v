// initial_config
//
// One start pulse after reset: once iRST_n (asynchronous, active low) is
// released, the module counts the cycles of iCLK during which
// iINITIAL_ENABLE is high; when DELAY_CYCLES of them have passed,
// oINITIAL_START is high for one cycle. It pulses again only after the
// next reset. The default delay is 20 ms at 50 MHz, time for the clock chip
// to start after power-up.

module initial_config #(
    parameter integer DELAY_CYCLES = 1000000
) (
    input  wire iCLK,
    input  wire iRST_n,
    input  wire iINITIAL_ENABLE,
    output reg  oINITIAL_START = 1'b0
);

reg [31:0] count = 32'd0;
reg        done  = 1'b0;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        count          <= 32'd0;
        done           <= 1'b0;
        oINITIAL_START <= 1'b0;
    end
    else
    begin
        oINITIAL_START <= 1'b0;
        if (!done && iINITIAL_ENABLE)
        begin
            if (count == DELAY_CYCLES - 1)
            begin
                done           <= 1'b1;
                oINITIAL_START <= 1'b1;
            end
            else
                count <= count + 32'd1;
        end
    end
end

endmodule
