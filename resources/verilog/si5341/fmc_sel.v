// fmc_sel
//
// The Si5341A settings of one transceiver reference-clock output for its
// choice code SEL:
//   MUX     the N divider that feeds the output
//   FORCE2  1: the output's R divider divides by 2
//   R_REG   the R divider register value
//
//   SEL                 MUX  FORCE2  R_REG
//   0  644.53125 MHz     1     1       0
//   1  322.265625 MHz    1     0       1
//   2  250 MHz           0     0       1
//   3  125 MHz           0     0       3
//   4  100 MHz           0     0       4
//   5  270 MHz, other    2     1       0

module fmc_sel (
    input  wire [3:0]  SEL,
    output reg  [2:0]  MUX,
    output reg         FORCE2,
    output reg  [23:0] R_REG
);

always @(*)
begin
    case (SEL)
        4'h0:    begin MUX = 3'd1; FORCE2 = 1'b1; R_REG = 24'd0; end
        4'h1:    begin MUX = 3'd1; FORCE2 = 1'b0; R_REG = 24'd1; end
        4'h2:    begin MUX = 3'd0; FORCE2 = 1'b0; R_REG = 24'd1; end
        4'h3:    begin MUX = 3'd0; FORCE2 = 1'b0; R_REG = 24'd3; end
        4'h4:    begin MUX = 3'd0; FORCE2 = 1'b0; R_REG = 24'd4; end
        default: begin MUX = 3'd2; FORCE2 = 1'b1; R_REG = 24'd0; end
    endcase
end

endmodule
