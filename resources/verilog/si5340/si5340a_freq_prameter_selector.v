// si5340a_freq_prameter_selector
//
// The settings of one Si5340A output for its 3-bit select code: the output
// enable and the 44-bit numerator of its N divider (denominator 2**31).
// NX_DEN is not driven.

module si5340a_freq_prameter_selector (
    input  wire [2:0]  iPLL_OUT_FREQ_SEL,
    output reg         OUTX_OE,
    output reg  [43:0] NX_NUM,
    output wire [31:0] NX_DEN
);

always @(*)
begin
    case (iPLL_OUT_FREQ_SEL)
        3'h0: begin OUTX_OE = 1'b0; NX_NUM = 44'd0;            end   // power down
        3'h1: begin OUTX_OE = 1'b1; NX_NUM = 44'd23622320128;  end   // 644.53125 MHz
        3'h2: begin OUTX_OE = 1'b1; NX_NUM = 44'd47244640256;  end   // 322.265625 MHz
        3'h3: begin OUTX_OE = 1'b1; NX_NUM = 44'd48721035264;  end   // 312.5 MHz
        3'h4: begin OUTX_OE = 1'b1; NX_NUM = 44'd60901294080;  end   // 250 MHz
        3'h5: begin OUTX_OE = 1'b1; NX_NUM = 44'd97442070528;  end   // 156.25 MHz
        3'h6: begin OUTX_OE = 1'b1; NX_NUM = 44'd121802588160; end   // 125 MHz
        default:
              begin OUTX_OE = 1'b1; NX_NUM = 44'd152253235200; end   // 3'h7: 100 MHz
    endcase
end

endmodule
