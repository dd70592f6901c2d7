// si5340b_freq_prameter_selector
//
// The N divider numerators of the Si5340B for its 4-bit select code, which
// is 3 * (QDR-II+ index) + (DDR3 index):
//   N0, DDR3 reference clock (denominator 2**31), by DDR3 index:
//     0 266.667 MHz, 1 233.333 MHz, 2 200 MHz
//   N1, PCIe reference clock (denominator 2**31): always 100 MHz
//   N2, QDR-II+ reference clock (denominator 2952790016), by QDR-II+ index:
//     0 275 MHz, 1 250 MHz, 2 225 MHz, 3 233.333 MHz
// Codes 4'hC to 4'hF give the numerators of 4'h0.

module si5340b_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output reg  [43:0] N0_NUM,
    output reg  [43:0] N1_NUM,
    output reg  [43:0] N2_NUM
);

localparam [43:0] DDR266 = 44'd54760833024;
localparam [43:0] DDR233 = 44'd62583809170;
localparam [43:0] DDR200 = 44'd73014444032;
localparam [43:0] PCIE100 = 44'd146028888064;
localparam [43:0] QDR275 = 44'd73014444032;
localparam [43:0] QDR250 = 44'd80315888435;
localparam [43:0] QDR225 = 44'd89239876039;
localparam [43:0] QDR233 = 44'd86052737610;

always @(*)
begin
    N1_NUM = PCIE100;
    case (iPLL_OUT_FREQ_SEL)
        4'h1: begin N0_NUM = DDR233; N2_NUM = QDR275; end
        4'h2: begin N0_NUM = DDR200; N2_NUM = QDR275; end
        4'h3: begin N0_NUM = DDR266; N2_NUM = QDR250; end
        4'h4: begin N0_NUM = DDR233; N2_NUM = QDR250; end
        4'h5: begin N0_NUM = DDR200; N2_NUM = QDR250; end
        4'h6: begin N0_NUM = DDR266; N2_NUM = QDR225; end
        4'h7: begin N0_NUM = DDR233; N2_NUM = QDR225; end
        4'h8: begin N0_NUM = DDR200; N2_NUM = QDR225; end
        4'h9: begin N0_NUM = DDR266; N2_NUM = QDR233; end
        4'hA: begin N0_NUM = DDR233; N2_NUM = QDR233; end
        4'hB: begin N0_NUM = DDR200; N2_NUM = QDR233; end
        default:   // 4'h0 and 4'hC to 4'hF
              begin N0_NUM = DDR266; N2_NUM = QDR275; end
    endcase
end

endmodule
