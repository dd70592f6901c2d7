// si5397a_freq_prameter_selector
//
// The settings of one Si5397A output divider for its 4-bit frequency code:
//    0  644.53125 MHz     7  156.25 MHz
//    1  625 MHz           8  153.6 MHz
//    2  322.265625 MHz    9  125 MHz
//    3  312.5 MHz        10  100 MHz
//    4  307.2 MHz        11  50 MHz (the IO clock PLLs, free running)
//    5  250 MHz          12  the IO clock PLL's input, passed through
//    6  184.32 MHz       other codes as 10
// Every code enables the output (OUTX_OE). NX_NUM and NX_DEN, the divider
// numerator and denominator, are not driven: the register controller of
// this set does not write the output dividers.

module si5397a_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output wire        OUTX_OE,
    output wire [43:0] NX_NUM,
    output wire [31:0] NX_DEN
);

assign OUTX_OE = 1'b1;

endmodule
