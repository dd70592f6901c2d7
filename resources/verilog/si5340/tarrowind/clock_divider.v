// clock_divider
//
// Free-running counter of DIV_WITDH bits on iCLK; oCLK_OUT is its top bit,
// so iCLK is divided by 2**DIV_WITDH (128: 390.625 kHz from 50 MHz). The
// I2C bus controller runs on this clock. iRST_n clears the counter
// (asynchronous, active low).

`define DIV_WITDH 7

module clock_divider(
    iCLK,
    iRST_n,
    oCLK_OUT
);

input  iCLK;
input  iRST_n;
output oCLK_OUT;

reg [`DIV_WITDH-1:0] clk_cnt;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        clk_cnt <= {`DIV_WITDH{1'b0}};
    else
        clk_cnt <= clk_cnt + 1'b1;
end

assign oCLK_OUT = clk_cnt[`DIV_WITDH-1];

endmodule
