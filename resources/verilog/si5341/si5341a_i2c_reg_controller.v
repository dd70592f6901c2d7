// si5341a_i2c_reg_controller
//
// Writes the register sequence of the Si5341A, one register per I2C
// transfer, through i2c_bus_controller. iENABLE while the bus controller is
// idle starts the sequence at step 1; every falling edge of the bus
// controller's done signal (the end of a transfer) moves to the next step;
// after step REG_NUM the sequencer returns to step 0 and waits.
// oStart asks the bus controller for the transfer of the current step while
// the bus controller is idle. oONE_CLK_CONFIG_DONE is low from reset and
// while a sequence runs, high once a sequence has ended; oController_Ready
// is high from reset, low while a sequence runs, high again at its end.
//
// Outputs and the N divider that feeds each:
//   output 0  FMC_REFCLK0   fmc_sel
//   output 1  DDR4B_REFCLK  N4, whose divider follows the memory choice
//   output 2  FMCP_REFCLK0  fmc_sel
//   output 3  FMCP_REFCLK1  fmc_sel
//   output 5  FMCP_REFCLK2  fmc_sel
//   output 7  FMC_REFCLK1   fmc_sel
//   output 9  LVDS_REFCLK   N3; R divider 1 for 50 MHz, 0 for 100 MHz
// Outputs 4, 6 and 8 are not used.
//
// The sequence: register 0x01 selects the page; each page's registers are
// written in ascending address order (the N4 update register twice).
// Page 1: the second and third register of each output's group (format 1
// with 0x09, amplitude 3 and common mode 14 with 0x3E) and the fourth, the
// N divider that feeds the output (not for the unused outputs). Page 2: the
// M divider and the R dividers of the used outputs. Page 3: the N dividers.
// The sequence does not write the other registers: the first register of
// each output's group (enable, R divide-by-2), the N divider selection and
// R divider of outputs 4, 6 and 8, registers 0x18 and 0x21 of page 0, 0x02
// and 0x41 of page 1, 0x39 of page 3, and pages 9, 0x0A and 0x0B; they keep
// the values the chip holds.

`define REG_NUM         118
`define DEVICE_SLAVE_ID 7'b1110111

module si5341a_i2c_reg_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iENABLE,
    input  wire [3:0] FMC_REFCLK0,
    input  wire [1:0] DDR4B_REFCLK,
    input  wire [3:0] FMCP_REFCLK0,
    input  wire [3:0] FMCP_REFCLK1,
    input  wire [3:0] FMCP_REFCLK2,
    input  wire [3:0] FMC_REFCLK1,
    input  wire       LVDS_REFCLK,
    input  wire       iI2C_CONTROLLER_STATE,
    input  wire       iI2C_CONTROLLER_CONFIG_DONE,
    input  wire [7:0] iI2C_READ_DATA,
    input  wire       iI2C_READ_DATA_RDY,
    output wire [6:0] oSLAVE_ADDR,
    output wire [7:0] oBYTE_ADDR,
    output wire [7:0] oBYTE_DATA,
    output wire       oWR_CMD,
    output wire       oStart,
    output reg        oONE_CLK_CONFIG_DONE,
    output reg        oController_Ready
);

localparam [43:0] M_NUM  = 44'd939524096000;
localparam [31:0] M_DEN  = 32'd3221225472;
localparam [43:0] N0_NUM = 44'd30064771072;
localparam [31:0] N0_DEN = 32'd2147483648;
localparam [43:0] N1_NUM = 44'd30064771072;
localparam [31:0] N1_DEN = 32'd2768240640;
localparam [43:0] N2_NUM = 44'd93952409600;
localparam [31:0] N2_DEN = 32'd3623878656;
localparam [43:0] N3_NUM = 44'd150323855360;
localparam [31:0] N3_DEN = 32'd2147483648;

localparam [2:0]  OUT1_MUX = 3'd4;     // output 1: N4, R divider 0
localparam [23:0] OUT1_R   = 24'd0;
localparam [2:0]  OUT9_MUX = 3'd3;     // output 9: N3

// A step's word: {last register, slave address, register, data, write}.
function [24:0] write_reg;
    input [7:0] addr;
    input [7:0] data;
    write_reg = {1'b0, `DEVICE_SLAVE_ID, addr, data, 1'b1};
endfunction

function [24:0] write_last;
    input [7:0] addr;
    input [7:0] data;
    write_last = {1'b1, `DEVICE_SLAVE_ID, addr, data, 1'b1};
endfunction

// N4 for the memory reference clock.
reg [43:0] n4_num;
reg [31:0] n4_den;

always @(*)
begin
    case (DDR4B_REFCLK)
        2'd0: begin n4_num = 44'd75161927680; n4_den = 32'd3221225472; end   // 300 MHz
        2'd1: begin n4_num = 44'd56371445760; n4_den = 32'd2147483648; end   // 266.667 MHz
        2'd2: begin n4_num = 44'd64424509440; n4_den = 32'd2147483648; end   // 233.333 MHz
        default:
              begin n4_num = 44'd90194313216; n4_den = 32'd2147483648; end   // 166.667 MHz
    endcase
end

// The transceiver outputs. Their divide-by-2 flags go to the first
// register of each output's group, which the sequence does not write.
wire [2:0]  out0_mux, out2_mux, out3_mux, out5_mux, out7_mux;
wire [23:0] out0_r, out2_r, out3_r, out5_r, out7_r;

fmc_sel out0_sel (.SEL(FMC_REFCLK0),  .MUX(out0_mux), .FORCE2(), .R_REG(out0_r));
fmc_sel out2_sel (.SEL(FMCP_REFCLK0), .MUX(out2_mux), .FORCE2(), .R_REG(out2_r));
fmc_sel out3_sel (.SEL(FMCP_REFCLK1), .MUX(out3_mux), .FORCE2(), .R_REG(out3_r));
fmc_sel out5_sel (.SEL(FMCP_REFCLK2), .MUX(out5_mux), .FORCE2(), .R_REG(out5_r));
fmc_sel out7_sel (.SEL(FMC_REFCLK1),  .MUX(out7_mux), .FORCE2(), .R_REG(out7_r));

// The LVDS output: 50 MHz (choice 0) with R divider 1, 100 MHz with 0.
wire [23:0] out9_r = {23'd0, ~LVDS_REFCLK};

// The end of each transfer.
wire transfer_end;

edge_detector_41 done_edge (
    .iCLK         (iCLK),
    .iRST_n       (iRST_n),
    .iIn          (iI2C_CONTROLLER_CONFIG_DONE),
    .oFallING_EDGE(transfer_end),
    .oRISING_EDGE (),
    .oDEBOUNCE_OUT(),
    .rst_cnt      ()
);

reg [7:0] step;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        step                 <= 8'd0;
        oONE_CLK_CONFIG_DONE <= 1'b0;
        oController_Ready    <= 1'b1;
    end
    else if (iENABLE && !iI2C_CONTROLLER_STATE)
    begin
        step                 <= 8'd1;
        oONE_CLK_CONFIG_DONE <= 1'b0;
        oController_Ready    <= 1'b0;
    end
    else if (step == `REG_NUM + 1)
    begin
        step                 <= 8'd0;
        oONE_CLK_CONFIG_DONE <= 1'b1;
        oController_Ready    <= 1'b1;
    end
    else if (transfer_end && step != 8'd0)
        step <= step + 8'd1;
end

assign oStart = !iI2C_CONTROLLER_STATE && step >= 8'd1 && step <= `REG_NUM;

reg [24:0] word;

always @(*)
begin
    case (step)
        8'd1  : word = write_reg (8'h01, 8'h01);                       // page 1: outputs
        8'd2  : word = write_reg (8'h09, 8'h09);                       // output 0
        8'd3  : word = write_reg (8'h0A, 8'h3E);
        8'd4  : word = write_reg (8'h0B, {5'd0, out0_mux});
        8'd5  : word = write_reg (8'h0E, 8'h09);                       // output 1
        8'd6  : word = write_reg (8'h0F, 8'h3E);
        8'd7  : word = write_reg (8'h10, {5'd0, OUT1_MUX});
        8'd8  : word = write_reg (8'h13, 8'h09);                       // output 2
        8'd9  : word = write_reg (8'h14, 8'h3E);
        8'd10 : word = write_reg (8'h15, {5'd0, out2_mux});
        8'd11 : word = write_reg (8'h18, 8'h09);                       // output 3
        8'd12 : word = write_reg (8'h19, 8'h3E);
        8'd13 : word = write_reg (8'h1A, {5'd0, out3_mux});
        8'd14 : word = write_reg (8'h1D, 8'h09);                       // output 4 (not used)
        8'd15 : word = write_reg (8'h1E, 8'h3E);
        8'd16 : word = write_reg (8'h22, 8'h09);                       // output 5
        8'd17 : word = write_reg (8'h23, 8'h3E);
        8'd18 : word = write_reg (8'h24, {5'd0, out5_mux});
        8'd19 : word = write_reg (8'h27, 8'h09);                       // output 6 (not used)
        8'd20 : word = write_reg (8'h28, 8'h3E);
        8'd21 : word = write_reg (8'h2C, 8'h09);                       // output 7
        8'd22 : word = write_reg (8'h2D, 8'h3E);
        8'd23 : word = write_reg (8'h2E, {5'd0, out7_mux});
        8'd24 : word = write_reg (8'h31, 8'h09);                       // output 8 (not used)
        8'd25 : word = write_reg (8'h32, 8'h3E);
        8'd26 : word = write_reg (8'h3B, 8'h09);                       // output 9
        8'd27 : word = write_reg (8'h3C, 8'h3E);
        8'd28 : word = write_reg (8'h3D, {5'd0, OUT9_MUX});
        8'd29 : word = write_reg (8'h01, 8'h02);                       // page 2: M divider, R dividers
        8'd30 : word = write_reg (8'h35, M_NUM[7:0]);                  // M numerator
        8'd31 : word = write_reg (8'h36, M_NUM[15:8]);
        8'd32 : word = write_reg (8'h37, M_NUM[23:16]);
        8'd33 : word = write_reg (8'h38, M_NUM[31:24]);
        8'd34 : word = write_reg (8'h39, M_NUM[39:32]);
        8'd35 : word = write_reg (8'h3A, {4'h0, M_NUM[43:40]});
        8'd36 : word = write_reg (8'h3B, M_DEN[7:0]);                  // M denominator
        8'd37 : word = write_reg (8'h3C, M_DEN[15:8]);
        8'd38 : word = write_reg (8'h3D, M_DEN[23:16]);
        8'd39 : word = write_reg (8'h3E, M_DEN[31:24]);
        8'd40 : word = write_reg (8'h3F, 8'h01);                       // M update
        8'd41 : word = write_reg (8'h4A, out0_r[7:0]);                 // R0
        8'd42 : word = write_reg (8'h4B, out0_r[15:8]);
        8'd43 : word = write_reg (8'h4C, out0_r[23:16]);
        8'd44 : word = write_reg (8'h4D, OUT1_R[7:0]);                 // R1
        8'd45 : word = write_reg (8'h4E, OUT1_R[15:8]);
        8'd46 : word = write_reg (8'h4F, OUT1_R[23:16]);
        8'd47 : word = write_reg (8'h50, out2_r[7:0]);                 // R2
        8'd48 : word = write_reg (8'h51, out2_r[15:8]);
        8'd49 : word = write_reg (8'h52, out2_r[23:16]);
        8'd50 : word = write_reg (8'h53, out3_r[7:0]);                 // R3
        8'd51 : word = write_reg (8'h54, out3_r[15:8]);
        8'd52 : word = write_reg (8'h55, out3_r[23:16]);
        8'd53 : word = write_reg (8'h59, out5_r[7:0]);                 // R5
        8'd54 : word = write_reg (8'h5A, out5_r[15:8]);
        8'd55 : word = write_reg (8'h5B, out5_r[23:16]);
        8'd56 : word = write_reg (8'h5F, out7_r[7:0]);                 // R7
        8'd57 : word = write_reg (8'h60, out7_r[15:8]);
        8'd58 : word = write_reg (8'h61, out7_r[23:16]);
        8'd59 : word = write_reg (8'h68, out9_r[7:0]);                 // R9
        8'd60 : word = write_reg (8'h69, out9_r[15:8]);
        8'd61 : word = write_reg (8'h6A, out9_r[23:16]);
        8'd62 : word = write_reg (8'h01, 8'h03);                       // page 3: N dividers
        8'd63 : word = write_reg (8'h02, N0_NUM[7:0]);                 // N0 numerator
        8'd64 : word = write_reg (8'h03, N0_NUM[15:8]);
        8'd65 : word = write_reg (8'h04, N0_NUM[23:16]);
        8'd66 : word = write_reg (8'h05, N0_NUM[31:24]);
        8'd67 : word = write_reg (8'h06, N0_NUM[39:32]);
        8'd68 : word = write_reg (8'h07, {4'h0, N0_NUM[43:40]});
        8'd69 : word = write_reg (8'h08, N0_DEN[7:0]);                 // N0 denominator
        8'd70 : word = write_reg (8'h09, N0_DEN[15:8]);
        8'd71 : word = write_reg (8'h0A, N0_DEN[23:16]);
        8'd72 : word = write_reg (8'h0B, N0_DEN[31:24]);
        8'd73 : word = write_reg (8'h0C, 8'h01);                       // N0 update
        8'd74 : word = write_reg (8'h0D, N1_NUM[7:0]);                 // N1 numerator
        8'd75 : word = write_reg (8'h0E, N1_NUM[15:8]);
        8'd76 : word = write_reg (8'h0F, N1_NUM[23:16]);
        8'd77 : word = write_reg (8'h10, N1_NUM[31:24]);
        8'd78 : word = write_reg (8'h11, N1_NUM[39:32]);
        8'd79 : word = write_reg (8'h12, {4'h0, N1_NUM[43:40]});
        8'd80 : word = write_reg (8'h13, N1_DEN[7:0]);                 // N1 denominator
        8'd81 : word = write_reg (8'h14, N1_DEN[15:8]);
        8'd82 : word = write_reg (8'h15, N1_DEN[23:16]);
        8'd83 : word = write_reg (8'h16, N1_DEN[31:24]);
        8'd84 : word = write_reg (8'h17, 8'h01);                       // N1 update
        8'd85 : word = write_reg (8'h18, N2_NUM[7:0]);                 // N2 numerator
        8'd86 : word = write_reg (8'h19, N2_NUM[15:8]);
        8'd87 : word = write_reg (8'h1A, N2_NUM[23:16]);
        8'd88 : word = write_reg (8'h1B, N2_NUM[31:24]);
        8'd89 : word = write_reg (8'h1C, N2_NUM[39:32]);
        8'd90 : word = write_reg (8'h1D, {4'h0, N2_NUM[43:40]});
        8'd91 : word = write_reg (8'h1E, N2_DEN[7:0]);                 // N2 denominator
        8'd92 : word = write_reg (8'h1F, N2_DEN[15:8]);
        8'd93 : word = write_reg (8'h20, N2_DEN[23:16]);
        8'd94 : word = write_reg (8'h21, N2_DEN[31:24]);
        8'd95 : word = write_reg (8'h22, 8'h01);                       // N2 update
        8'd96 : word = write_reg (8'h23, N3_NUM[7:0]);                 // N3 numerator
        8'd97 : word = write_reg (8'h24, N3_NUM[15:8]);
        8'd98 : word = write_reg (8'h25, N3_NUM[23:16]);
        8'd99 : word = write_reg (8'h26, N3_NUM[31:24]);
        8'd100: word = write_reg (8'h27, N3_NUM[39:32]);
        8'd101: word = write_reg (8'h28, {4'h0, N3_NUM[43:40]});
        8'd102: word = write_reg (8'h29, N3_DEN[7:0]);                 // N3 denominator
        8'd103: word = write_reg (8'h2A, N3_DEN[15:8]);
        8'd104: word = write_reg (8'h2B, N3_DEN[23:16]);
        8'd105: word = write_reg (8'h2C, N3_DEN[31:24]);
        8'd106: word = write_reg (8'h2D, 8'h01);                       // N3 update
        8'd107: word = write_reg (8'h2E, n4_num[7:0]);                 // N4 numerator
        8'd108: word = write_reg (8'h2F, n4_num[15:8]);
        8'd109: word = write_reg (8'h30, n4_num[23:16]);
        8'd110: word = write_reg (8'h31, n4_num[31:24]);
        8'd111: word = write_reg (8'h32, n4_num[39:32]);
        8'd112: word = write_reg (8'h33, {4'h0, n4_num[43:40]});
        8'd113: word = write_reg (8'h34, n4_den[7:0]);                 // N4 denominator
        8'd114: word = write_reg (8'h35, n4_den[15:8]);
        8'd115: word = write_reg (8'h36, n4_den[23:16]);
        8'd116: word = write_reg (8'h37, n4_den[31:24]);
        8'd117: word = write_reg (8'h38, 8'h01);                       // N4 update
        8'd118: word = write_last(8'h38, 8'h01);                       // N4 update again
        default: word = {1'b0, `DEVICE_SLAVE_ID, 8'h00, 8'h00, 1'b0};   // idle: a read
    endcase
end

assign oSLAVE_ADDR = word[23:17];
assign oBYTE_ADDR  = word[16:9];
assign oBYTE_DATA  = word[8:1];
assign oWR_CMD     = word[0];

endmodule
