// si5340b_i2c_reg_controller
//
// Writes the register sequence of the Si5340B, one register per I2C
// transfer, through i2c_bus_controller. iENABLE while the bus controller is
// idle starts the sequence at step 1; every falling edge of the bus
// controller's done signal (the end of a transfer) moves to the next step;
// after step REG_NUM the sequencer returns to step 0 and waits.
// oStart asks the bus controller for the transfer of the current step while
// the bus controller is idle. oONE_CLK_CONFIG_DONE is high while the
// sequencer waits at step 0; oController_Ready is low while a sequence runs.
//
// The sequence: register 0x01 selects the page; each page's registers are
// written in ascending address order, and a soft reset ends the sequence.
// Outputs 0 to 2 are on, fed by N dividers 0 to 2, whose numerators come
// from the 5-bit select input (see si5340b_freq_prameter_selector): N0 for
// the DDR4 reference clock and N1 for the PCIe reference clock (denominators
// 2**31), N2 for the QDR-II+ reference clock (denominator 2952790016).
// Output 3 is off; N divider 3 is not written.

`define REG_NUM         96
`define DEVICE_SLAVE_ID 7'b1110111

module si5340b_i2c_reg_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iENABLE,
    input  wire [4:0] iPLL_OUT_FREQ_SEL,
    input  wire       iI2C_CONTROLLER_STATE,
    input  wire       iI2C_CONTROLLER_CONFIG_DONE,
    output wire [6:0] oSLAVE_ADDR,
    output wire [7:0] oBYTE_ADDR,
    output wire [7:0] oBYTE_DATA,
    output wire       oWR_CMD,
    output wire       oStart,
    input  wire       iI2C_READ_DATA_RDY,
    input  wire [7:0] iI2C_READ_DATA,
    output wire       oONE_CLK_CONFIG_DONE,
    output reg        oController_Ready
);

localparam [43:0] M_NUM  = 44'd912680550400;
localparam [31:0] M_DEN  = 32'd3221225472;
localparam [31:0] N0_DEN = 32'd2147483648;
localparam [31:0] N1_DEN = 32'd2147483648;
localparam [31:0] N2_DEN = 32'd2952790016;

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

wire [43:0] n0_num, n1_num, n2_num;

si5340b_freq_prameter_selector freq_sel (
    .iPLL_OUT_FREQ_SEL(iPLL_OUT_FREQ_SEL),
    .N0_NUM           (n0_num),
    .N1_NUM           (n1_num),
    .N2_NUM           (n2_num)
);

// The end of each transfer.
wire transfer_end;

edge_detector done_edge (
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
        step              <= 8'd0;
        oController_Ready <= 1'b1;
    end
    else if (iENABLE && !iI2C_CONTROLLER_STATE)
    begin
        step              <= 8'd1;
        oController_Ready <= 1'b0;
    end
    else if (step == `REG_NUM + 1)
    begin
        step              <= 8'd0;
        oController_Ready <= 1'b1;
    end
    else if (transfer_end && step != 8'd0)
        step <= step + 8'd1;
end

assign oStart               = !iI2C_CONTROLLER_STATE && step >= 8'd1 && step <= `REG_NUM;
assign oONE_CLK_CONFIG_DONE = (step == 8'd0);

reg [24:0] word;

always @(*)
begin
    case (step)
        8'd1  : word = write_reg (8'h01, 8'h00);                       // page 0
        8'd2  : word = write_reg (8'h18, 8'hFF);
        8'd3  : word = write_reg (8'h21, 8'h0F);
        8'd4  : word = write_reg (8'h01, 8'h01);                       // page 1: outputs
        8'd5  : word = write_reg (8'h02, 8'h01);
        8'd6  : word = write_reg (8'h12, 8'h06);                       // output 0
        8'd7  : word = write_reg (8'h13, 8'h09);
        8'd8  : word = write_reg (8'h14, 8'h3D);
        8'd9  : word = write_reg (8'h15, 8'h00);
        8'd10 : word = write_reg (8'h17, 8'h06);                       // output 1
        8'd11 : word = write_reg (8'h18, 8'h09);
        8'd12 : word = write_reg (8'h19, 8'h3D);
        8'd13 : word = write_reg (8'h1A, 8'h01);
        8'd14 : word = write_reg (8'h26, 8'h06);                       // output 2
        8'd15 : word = write_reg (8'h27, 8'h09);
        8'd16 : word = write_reg (8'h28, 8'h3D);
        8'd17 : word = write_reg (8'h29, 8'h02);
        8'd18 : word = write_reg (8'h2B, 8'h04);                       // output 3
        8'd19 : word = write_reg (8'h2C, 8'h09);
        8'd20 : word = write_reg (8'h2D, 8'h3B);
        8'd21 : word = write_reg (8'h2E, 8'h00);
        8'd22 : word = write_reg (8'h41, 8'h40);
        8'd23 : word = write_reg (8'h01, 8'h02);                       // page 2: M divider, R dividers
        8'd24 : word = write_reg (8'h35, M_NUM[7:0]);                  // M numerator
        8'd25 : word = write_reg (8'h36, M_NUM[15:8]);
        8'd26 : word = write_reg (8'h37, M_NUM[23:16]);
        8'd27 : word = write_reg (8'h38, M_NUM[31:24]);
        8'd28 : word = write_reg (8'h39, M_NUM[39:32]);
        8'd29 : word = write_reg (8'h3A, {4'h0, M_NUM[43:40]});
        8'd30 : word = write_reg (8'h3B, M_DEN[7:0]);                  // M denominator
        8'd31 : word = write_reg (8'h3C, M_DEN[15:8]);
        8'd32 : word = write_reg (8'h3D, M_DEN[23:16]);
        8'd33 : word = write_reg (8'h3E, M_DEN[31:24]);
        8'd34 : word = write_reg (8'h3F, 8'h01);                       // M update
        8'd35 : word = write_reg (8'h53, 8'h00);                       // R dividers
        8'd36 : word = write_reg (8'h54, 8'h00);
        8'd37 : word = write_reg (8'h55, 8'h00);
        8'd38 : word = write_reg (8'h56, 8'h00);
        8'd39 : word = write_reg (8'h57, 8'h00);
        8'd40 : word = write_reg (8'h58, 8'h00);
        8'd41 : word = write_reg (8'h5F, 8'h00);
        8'd42 : word = write_reg (8'h60, 8'h00);
        8'd43 : word = write_reg (8'h61, 8'h00);
        8'd44 : word = write_reg (8'h62, 8'h00);
        8'd45 : word = write_reg (8'h63, 8'h00);
        8'd46 : word = write_reg (8'h64, 8'h00);
        8'd47 : word = write_reg (8'h01, 8'h03);                       // page 3: N dividers
        8'd48 : word = write_reg (8'h02, n0_num[7:0]);                 // N0 numerator
        8'd49 : word = write_reg (8'h03, n0_num[15:8]);
        8'd50 : word = write_reg (8'h04, n0_num[23:16]);
        8'd51 : word = write_reg (8'h05, n0_num[31:24]);
        8'd52 : word = write_reg (8'h06, n0_num[39:32]);
        8'd53 : word = write_reg (8'h07, {4'h0, n0_num[43:40]});
        8'd54 : word = write_reg (8'h08, N0_DEN[7:0]);                 // N0 denominator
        8'd55 : word = write_reg (8'h09, N0_DEN[15:8]);
        8'd56 : word = write_reg (8'h0A, N0_DEN[23:16]);
        8'd57 : word = write_reg (8'h0B, N0_DEN[31:24]);
        8'd58 : word = write_reg (8'h0C, 8'h01);                       // N0 update
        8'd59 : word = write_reg (8'h0D, n1_num[7:0]);                 // N1 numerator
        8'd60 : word = write_reg (8'h0E, n1_num[15:8]);
        8'd61 : word = write_reg (8'h0F, n1_num[23:16]);
        8'd62 : word = write_reg (8'h10, n1_num[31:24]);
        8'd63 : word = write_reg (8'h11, n1_num[39:32]);
        8'd64 : word = write_reg (8'h12, {4'h0, n1_num[43:40]});
        8'd65 : word = write_reg (8'h13, N1_DEN[7:0]);                 // N1 denominator
        8'd66 : word = write_reg (8'h14, N1_DEN[15:8]);
        8'd67 : word = write_reg (8'h15, N1_DEN[23:16]);
        8'd68 : word = write_reg (8'h16, N1_DEN[31:24]);
        8'd69 : word = write_reg (8'h17, 8'h01);                       // N1 update
        8'd70 : word = write_reg (8'h18, n2_num[7:0]);                 // N2 numerator
        8'd71 : word = write_reg (8'h19, n2_num[15:8]);
        8'd72 : word = write_reg (8'h1A, n2_num[23:16]);
        8'd73 : word = write_reg (8'h1B, n2_num[31:24]);
        8'd74 : word = write_reg (8'h1C, n2_num[39:32]);
        8'd75 : word = write_reg (8'h1D, {4'h0, n2_num[43:40]});
        8'd76 : word = write_reg (8'h1E, N2_DEN[7:0]);                 // N2 denominator
        8'd77 : word = write_reg (8'h1F, N2_DEN[15:8]);
        8'd78 : word = write_reg (8'h20, N2_DEN[23:16]);
        8'd79 : word = write_reg (8'h21, N2_DEN[31:24]);
        8'd80 : word = write_reg (8'h22, 8'h01);                       // N2 update
        8'd81 : word = write_reg (8'h38, 8'h01);
        8'd82 : word = write_reg (8'h39, 8'h1F);
        8'd83 : word = write_reg (8'h01, 8'h09);                       // page 9
        8'd84 : word = write_reg (8'h0E, 8'h02);
        8'd85 : word = write_reg (8'h1C, 8'h04);
        8'd86 : word = write_reg (8'h49, 8'h00);
        8'd87 : word = write_reg (8'h4A, 8'h80);
        8'd88 : word = write_reg (8'h01, 8'h0A);                       // page 0x0A
        8'd89 : word = write_reg (8'h03, 8'h07);
        8'd90 : word = write_reg (8'h04, 8'h02);
        8'd91 : word = write_reg (8'h05, 8'h07);
        8'd92 : word = write_reg (8'h01, 8'h0B);                       // page 0x0B
        8'd93 : word = write_reg (8'h44, 8'h0F);
        8'd94 : word = write_last(8'h4A, 8'h08);
        8'd95 : word = write_reg (8'h01, 8'h00);                       // page 0: soft reset
        8'd96 : word = write_last(8'h1C, 8'h01);
        default: word = {1'b0, `DEVICE_SLAVE_ID, 8'h00, 8'h00, 1'b0};   // idle: a read
    endcase
end

assign oSLAVE_ADDR = word[23:17];
assign oBYTE_ADDR  = word[16:9];
assign oBYTE_DATA  = word[8:1];
assign oWR_CMD     = word[0];

endmodule
