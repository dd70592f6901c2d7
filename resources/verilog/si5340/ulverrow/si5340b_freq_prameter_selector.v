// si5340b_freq_prameter_selector
//
// The N divider numerators of the Si5340B for its 5-bit select code, which
// is 5 * (QDR-II+ index) + (DDR4 index):
//   N0, DDR4 reference clock (denominator 2**31), by DDR4 index:
//     0 300 MHz, 1 266.667 MHz, 2 233.333 MHz, 3 200 MHz, 4 150 MHz
//   N1, PCIe reference clock (denominator 2**31): always 100 MHz
//   N2, QDR-II+ reference clock (denominator 2952790016), by QDR-II+ index:
//     0 275 MHz, 1 250 MHz, 2 225 MHz, 3 233.333 MHz
// Codes 5'h14 to 5'h1F give the numerators of 5'h00.

module si5340b_freq_prameter_selector (
    input  wire [4:0]  iPLL_OUT_FREQ_SEL,
    output reg  [43:0] N0_NUM,
    output reg  [43:0] N1_NUM,
    output reg  [43:0] N2_NUM
);

localparam [43:0] DDR300 = 44'd48676296021;
localparam [43:0] DDR266 = 44'd54760833024;
localparam [43:0] DDR233 = 44'd62583809170;
localparam [43:0] DDR200 = 44'd73014444032;
localparam [43:0] DDR150 = 44'd97352592043;
localparam [43:0] PCIE100 = 44'd146028888064;
localparam [43:0] QDR275 = 44'd73014444032;
localparam [43:0] QDR250 = 44'd80315888435;
localparam [43:0] QDR225 = 44'd89239876039;
localparam [43:0] QDR233 = 44'd86052737610;

always @(*)
begin
    N1_NUM = PCIE100;
    case (iPLL_OUT_FREQ_SEL)
        5'h01: begin N0_NUM = DDR266; N2_NUM = QDR275; end
        5'h02: begin N0_NUM = DDR233; N2_NUM = QDR275; end
        5'h03: begin N0_NUM = DDR200; N2_NUM = QDR275; end
        5'h04: begin N0_NUM = DDR150; N2_NUM = QDR275; end
        5'h05: begin N0_NUM = DDR300; N2_NUM = QDR250; end
        5'h06: begin N0_NUM = DDR266; N2_NUM = QDR250; end
        5'h07: begin N0_NUM = DDR233; N2_NUM = QDR250; end
        5'h08: begin N0_NUM = DDR200; N2_NUM = QDR250; end
        5'h09: begin N0_NUM = DDR150; N2_NUM = QDR250; end
        5'h0A: begin N0_NUM = DDR300; N2_NUM = QDR225; end
        5'h0B: begin N0_NUM = DDR266; N2_NUM = QDR225; end
        5'h0C: begin N0_NUM = DDR233; N2_NUM = QDR225; end
        5'h0D: begin N0_NUM = DDR200; N2_NUM = QDR225; end
        5'h0E: begin N0_NUM = DDR150; N2_NUM = QDR225; end
        5'h0F: begin N0_NUM = DDR300; N2_NUM = QDR233; end
        5'h10: begin N0_NUM = DDR266; N2_NUM = QDR233; end
        5'h11: begin N0_NUM = DDR233; N2_NUM = QDR233; end
        5'h12: begin N0_NUM = DDR200; N2_NUM = QDR233; end
        5'h13: begin N0_NUM = DDR150; N2_NUM = QDR233; end
        default:   // 5'h00 and 5'h14 to 5'h1F
               begin N0_NUM = DDR300; N2_NUM = QDR275; end
    endcase
end

endmodule
