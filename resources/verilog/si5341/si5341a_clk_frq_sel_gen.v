// si5341a_clk_frq_sel_gen
//
// Steps a WIDTH-bit frequency select code: each debounced falling edge of
// iCHANGE (a press of an active-low button) gives a one-clock pulse on
// oCHANGE_FREQ and adds one to oCLK_FEQ_SEL, which wraps to 0 after its
// highest value and is 0 after reset. FREQ_NUM is kept for reference; the
// logic does not use it.

`define WIDTH    3
`define FREQ_NUM 7

module si5341a_clk_frq_sel_gen (
    input  wire              iCLK,
    input  wire              iRST_n,
    input  wire              iCHANGE,
    output reg  [`WIDTH-1:0] oCLK_FEQ_SEL,
    output wire              oCHANGE_FREQ
);

edge_detector_41 change_edge (
    .iCLK         (iCLK),
    .iRST_n       (iRST_n),
    .iIn          (iCHANGE),
    .oFallING_EDGE(),
    .oRISING_EDGE (),
    .oDEBOUNCE_OUT(oCHANGE_FREQ),
    .rst_cnt      ()
);

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        oCLK_FEQ_SEL <= {`WIDTH{1'b0}};
    else if (oCHANGE_FREQ)
        oCLK_FEQ_SEL <= oCLK_FEQ_SEL + 1'b1;
end

endmodule
