// si5340b_freq_prameter_selector
//
// The N divider numerators of the Si5340B for its 4-bit select code
// (denominator 2952790016). N0, N1 and N2 feed the reference clocks of the
// QDR-II+ SRAM interfaces; all three get the same frequency.

module si5340b_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output reg  [43:0] N0_NUM,
    output reg  [43:0] N1_NUM,
    output reg  [43:0] N2_NUM
);

reg [43:0] qdr_num;

always @(*)
begin
    case (iPLL_OUT_FREQ_SEL)
        4'h1:    qdr_num = 44'd80315888435;   // 250 MHz
        4'h2:    qdr_num = 44'd89239876039;   // 225 MHz
        default: qdr_num = 44'd73014444032;   // 4'h0 and any other code: 275 MHz
    endcase
    N0_NUM = qdr_num;
    N1_NUM = qdr_num;
    N2_NUM = qdr_num;
end

endmodule
