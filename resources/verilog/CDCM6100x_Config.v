// CDCM6100x_Config
//
// Drives the control pins of a CDCM6100x clock generator for the output
// frequency chosen by desired_freq, and resets the chip after power-up and
// on request.
//
//   desired_freq  frequency    CLK_PR  CLK_OD
//        0         62.5  MHz     3       7
//        1         75    MHz     0       7
//        2        100    MHz     0       5
//        3        125    MHz     3       3
//        4        150    MHz     0       3
//        5        156.25 MHz     2       3
//        6        187.5  MHz     1       1
//        7        200    MHz     0       2
//        8        250    MHz     3       1
//        9        312.5  MHz     2       1
//       10        625    MHz     2       0
//     other                      0       3
//
//   - CLK_CE is always 1 and CLK_OS always 2'b01 (LVDS output).
//   - CLK_PR and CLK_OD are registered: they follow desired_freq one cycle
//     of clk_50m later.
//   - CLK_RST_n is low for the first 250000 cycles of clk_50m after power-up
//     (5 ms), then high.
//   - Every falling edge of recal_n (synchronised to clk_50m) pulls CLK_RST_n
//     low for 8 cycles, so that the chip calibrates again. A falling edge
//     during the power-up reset does not shorten it. recal_n held low keeps
//     no reset: only its falling edge counts.

module CDCM6100x_Config (
    input  wire       clk_50m,
    input  wire       recal_n,
    input  wire [3:0] desired_freq,
    output wire       CLK_CE,
    output reg  [2:0] CLK_OD = 3'd3,
    output wire [1:0] CLK_OS,
    output reg  [1:0] CLK_PR = 2'd0,
    output reg        CLK_RST_n = 1'b0
);

localparam [17:0] POWER_UP_CYCLES = 18'd250000;
localparam [17:0] RECAL_CYCLES    = 18'd8;

assign CLK_CE = 1'b1;
assign CLK_OS = 2'b01;

// Pin values per frequency code.
always @(posedge clk_50m)
begin
    case (desired_freq)
        4'd0:    begin CLK_PR <= 2'd3; CLK_OD <= 3'd7; end  //  62.5  MHz
        4'd1:    begin CLK_PR <= 2'd0; CLK_OD <= 3'd7; end  //  75    MHz
        4'd2:    begin CLK_PR <= 2'd0; CLK_OD <= 3'd5; end  // 100    MHz
        4'd3:    begin CLK_PR <= 2'd3; CLK_OD <= 3'd3; end  // 125    MHz
        4'd4:    begin CLK_PR <= 2'd0; CLK_OD <= 3'd3; end  // 150    MHz
        4'd5:    begin CLK_PR <= 2'd2; CLK_OD <= 3'd3; end  // 156.25 MHz
        4'd6:    begin CLK_PR <= 2'd1; CLK_OD <= 3'd1; end  // 187.5  MHz
        4'd7:    begin CLK_PR <= 2'd0; CLK_OD <= 3'd2; end  // 200    MHz
        4'd8:    begin CLK_PR <= 2'd3; CLK_OD <= 3'd1; end  // 250    MHz
        4'd9:    begin CLK_PR <= 2'd2; CLK_OD <= 3'd1; end  // 312.5  MHz
        4'd10:   begin CLK_PR <= 2'd2; CLK_OD <= 3'd0; end  // 625    MHz
        default: begin CLK_PR <= 2'd0; CLK_OD <= 3'd3; end
    endcase
end

// Reset: hold_count is the number of reset cycles still to come.
reg [17:0] hold_count = POWER_UP_CYCLES - 18'd1;
reg  [2:0] recal_sync = 3'b111;   // two synchroniser stages and the previous value

always @(posedge clk_50m)
begin
    recal_sync <= {recal_sync[1:0], recal_n};

    // A falling edge of recal_n: at least RECAL_CYCLES of reset from now.
    if (recal_sync[2] && !recal_sync[1] && hold_count < RECAL_CYCLES - 18'd1)
        hold_count <= RECAL_CYCLES - 18'd1;
    else if (hold_count != 18'd0)
        hold_count <= hold_count - 18'd1;

    if (recal_sync[2] && !recal_sync[1])
        CLK_RST_n <= 1'b0;
    else
        CLK_RST_n <= (hold_count == 18'd0);
end

endmodule
