// si5341a_freq_prameter_selector
//
// The settings of one Si5341A output for its 4-bit frequency code: the
// output enable (always on) and the 24-bit value of its R divider register.
// Any code not listed gives the 100 MHz value. NX_NUM and NX_DEN are not
// driven. No module of the set instantiates this one.

module si5341a_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output reg         OUTX_OE,
    output reg  [23:0] RX_REG,
    output wire [43:0] NX_NUM,
    output wire [31:0] NX_DEN
);

always @(*)
begin
    OUTX_OE = 1'b1;
    case (iPLL_OUT_FREQ_SEL)
        4'h0:    RX_REG = 24'd1152;    // 644.53125 MHz
        4'h1:    RX_REG = 24'd2304;    // 322.265625 MHz
        4'h2:    RX_REG = 24'd2970;    // 250 MHz
        4'h3:    RX_REG = 24'd5940;    // 125 MHz
        4'h4:    RX_REG = 24'd7425;    // 100 MHz
        4'h5:    RX_REG = 24'd2750;    // 270 MHz
        4'h6:    RX_REG = 24'd2475;    // 300 MHz
        4'h7:    RX_REG = 24'd4455;    // 166.667 MHz
        4'h8:    RX_REG = 24'd14850;   // 50 MHz
        4'h9:    RX_REG = 24'd7425;    // 100 MHz
        default: RX_REG = 24'd7425;    // 100 MHz
    endcase
end

endmodule
