// clock_divider
//
// Free-running counter of DIV_WITDH bits on iCLK. oCLK_OUT is its top bit,
// so iCLK is divided by 2**DIV_WITDH (128: 390.625 kHz from 50 MHz); the I2C
// bus controller runs on this clock. oCLK_OUT_t is its bit 3 (iCLK divided
// by 16). iRST_n clears the counter (asynchronous, active low).

`define DIV_WITDH 7

module clock_divider (
    input  wire iCLK,
    input  wire iRST_n,
    output wire oCLK_OUT,
    output wire oCLK_OUT_t
);

reg [`DIV_WITDH-1:0] clk_cnt;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        clk_cnt <= {`DIV_WITDH{1'b0}};
    else
        clk_cnt <= clk_cnt + 1'b1;
end

assign oCLK_OUT   = clk_cnt[`DIV_WITDH-1];
assign oCLK_OUT_t = clk_cnt[3];

endmodule
