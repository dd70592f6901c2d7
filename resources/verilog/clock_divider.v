// clock_divider
//
// Divides iCLK by 2 * HALF_PERIOD: oCLK_OUT toggles every HALF_PERIOD cycles
// of iCLK. With the default 63 and a 50 MHz iCLK it runs at 396.8 kHz, the
// quarter-bit rate of a 99.2 kHz I2C bus. iRST_n is an asynchronous,
// active-low reset that holds oCLK_OUT low.

module clock_divider #(
    parameter [15:0] HALF_PERIOD = 16'd63
) (
    input  wire iCLK,
    input  wire iRST_n,
    output reg  oCLK_OUT = 1'b0
);

localparam [15:0] LAST_COUNT = HALF_PERIOD - 16'd1;

reg [15:0] count = 16'd0;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        count    <= 16'd0;
        oCLK_OUT <= 1'b0;
    end
    else if (count == LAST_COUNT)
    begin
        count    <= 16'd0;
        oCLK_OUT <= ~oCLK_OUT;
    end
    else
        count <= count + 16'd1;
end

endmodule
