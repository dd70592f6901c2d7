// si5340a_freq_prameter_selector
//
// The settings of one Si5340A output for its 4-bit frequency code: the
// output enable (always on) and the 44-bit numerator of its N divider, whose
// denominator is 2**31. Each numerator is 15225323520000 divided by the
// frequency in MHz, rounded down. Codes 0 to 4 are the transceiver
// reference clocks, codes 5 to 9 the memory reference clocks; any other code
// gives 100 MHz. NX_DEN is not driven.

module si5340a_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output reg         OUTX_OE,
    output reg  [43:0] NX_NUM,
    output wire [31:0] NX_DEN
);

always @(*)
begin
    OUTX_OE = 1'b1;
    case (iPLL_OUT_FREQ_SEL)
        4'h0:    NX_NUM = 44'd23622320128;    // 644.53125 MHz
        4'h1:    NX_NUM = 44'd47244640256;    // 322.265625 MHz
        4'h2:    NX_NUM = 44'd60901294080;    // 250 MHz
        4'h3:    NX_NUM = 44'd121802588160;   // 125 MHz
        4'h4:    NX_NUM = 44'd152253235200;   // 100 MHz
        4'h5:    NX_NUM = 44'd50751078400;    // 300 MHz
        4'h6:    NX_NUM = 44'd55364812800;    // 275 MHz
        4'h7:    NX_NUM = 44'd57094963200;    // 266.667 MHz
        4'h8:    NX_NUM = 44'd65251386514;    // 233.333 MHz
        4'h9:    NX_NUM = 44'd91351941120;    // 166.667 MHz
        default: NX_NUM = 44'd152253235200;   // 100 MHz
    endcase
end

endmodule
