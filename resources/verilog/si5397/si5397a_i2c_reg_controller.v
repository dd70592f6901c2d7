// si5397a_i2c_reg_controller
//
// Writes the register sequence of the Si5397A (I2C address 0x6C), one
// register per I2C transfer, through i2c_bus_controller. iENABLE while the
// bus controller is idle starts the sequence at step 1; every falling edge
// of the bus controller's done signal (the end of a transfer) moves to the
// next step; after step REG_NUM the sequencer returns to step 0 and waits.
// A step whose delay flag is set holds the next step back for DELAY_CLOCKS
// clocks of iCLK (300 ms at 50 MHz) after its transfer has ended.
// oStart asks the bus controller for the transfer of the current step while
// the bus controller is idle and no delay runs. oONE_CLK_CONFIG_DONE is low
// from reset and while a sequence runs, high once a sequence has ended;
// oController_Ready is high from reset, low while a sequence runs, high
// again at its end.
//
// The sequence: register 0x01 selects the page. It opens with the preamble
// (page 0x0B: 0x24 <= 0xC0, 0x25 <= 0x00, then the delay) and ends with the
// postamble (page 6: 0x14 <= 0x01; page 7: 0x15 <= 0x01; page 0: 0x1C <=
// 0x01; page 0x0B: 0x24 <= 0xC3, 0x25 <= 0x02). It writes no configuration
// registers between them, so the chip keeps the frequency plan it holds;
// the choice inputs select the frequency codes of the output dividers
// (si5397a_freq_prameter_selector), which the sequence does not write:
//   OUT2  iXCVR_CLK_0
//   OUT6  iXCVR_CLK_1
//   OUT0  IO clock PLL 0: code 11 (50 MHz) for source 0, else 12
//   OUT4  IO clock PLL 1: code 11 (50 MHz) for source 0, else 12
// iXCVR_CLK_RSV is the enable of OUT7.

`define REG_NUM         12
`define DEVICE_SLAVE_ID 7'b1101100
`define DELAY_CLOCKS    24'd15000000

module si5397a_i2c_reg_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iENABLE,
    input  wire [3:0] iXCVR_CLK_0,
    input  wire [3:0] iXCVR_CLK_1,
    input  wire       iXCVR_CLK_RSV,
    input  wire [3:0] iIO_CLK_0,
    input  wire [3:0] iIO_CLK_1,
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

// A step's word: {delay, slave address, register, data, write}.
function [24:0] write_reg;
    input [7:0] addr;
    input [7:0] data;
    write_reg = {1'b0, `DEVICE_SLAVE_ID, addr, data, 1'b1};
endfunction

function [24:0] write_delay;
    input [7:0] addr;
    input [7:0] data;
    write_delay = {1'b1, `DEVICE_SLAVE_ID, addr, data, 1'b1};
endfunction

// The frequency code of an IO clock PLL for its source.
function [3:0] io_code;
    input [3:0] source;
    io_code = source == 4'd0 ? 4'd11 : 4'd12;
endfunction

si5397a_freq_prameter_selector out2_sel (
    .iPLL_OUT_FREQ_SEL(iXCVR_CLK_0),
    .OUTX_OE          (),
    .NX_NUM           (),
    .NX_DEN           ()
);

si5397a_freq_prameter_selector out6_sel (
    .iPLL_OUT_FREQ_SEL(iXCVR_CLK_1),
    .OUTX_OE          (),
    .NX_NUM           (),
    .NX_DEN           ()
);

si5397a_freq_prameter_selector out0_sel (
    .iPLL_OUT_FREQ_SEL(io_code(iIO_CLK_0)),
    .OUTX_OE          (),
    .NX_NUM           (),
    .NX_DEN           ()
);

si5397a_freq_prameter_selector out4_sel (
    .iPLL_OUT_FREQ_SEL(io_code(iIO_CLK_1)),
    .OUTX_OE          (),
    .NX_NUM           (),
    .NX_DEN           ()
);

// The end of each transfer.
wire transfer_end;

edge_detector done_edge (
    .iCLK           (iCLK),
    .iRST_n         (iRST_n),
    .iIn            (iI2C_CONTROLLER_CONFIG_DONE),
    .oFallING_EDGE  (transfer_end),
    .oRISING_EDGE   (),
    .oFallING_EDGE_r(),
    .oDEBOUNCE_OUT  (),
    .rst_cnt        ()
);

reg [7:0]  step;
reg [24:0] word;
reg        delaying;
reg [23:0] delay_cnt;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        step                 <= 8'd0;
        delaying             <= 1'b0;
        delay_cnt            <= 24'd0;
        oONE_CLK_CONFIG_DONE <= 1'b0;
        oController_Ready    <= 1'b1;
    end
    else if (iENABLE && !iI2C_CONTROLLER_STATE)
    begin
        step                 <= 8'd1;
        delaying             <= 1'b0;
        delay_cnt            <= 24'd0;
        oONE_CLK_CONFIG_DONE <= 1'b0;
        oController_Ready    <= 1'b0;
    end
    else if (step == `REG_NUM + 1)
    begin
        step                 <= 8'd0;
        oONE_CLK_CONFIG_DONE <= 1'b1;
        oController_Ready    <= 1'b1;
    end
    else
    begin
        if (delaying)
        begin
            if (delay_cnt == `DELAY_CLOCKS - 24'd1)
            begin
                delaying  <= 1'b0;
                delay_cnt <= 24'd0;
            end
            else
                delay_cnt <= delay_cnt + 24'd1;
        end
        if (transfer_end && step != 8'd0)
        begin
            step     <= step + 8'd1;
            delaying <= word[24];
        end
    end
end

assign oStart = !iI2C_CONTROLLER_STATE && !delaying && step >= 8'd1 && step <= `REG_NUM;

always @(*)
begin
    case (step)
        8'd1  : word = write_reg  (8'h01, 8'h0B);    // preamble: page 0x0B
        8'd2  : word = write_reg  (8'h24, 8'hC0);
        8'd3  : word = write_delay(8'h25, 8'h00);    // then 300 ms
        8'd4  : word = write_reg  (8'h01, 8'h06);    // postamble: page 6
        8'd5  : word = write_reg  (8'h14, 8'h01);
        8'd6  : word = write_reg  (8'h01, 8'h07);    // page 7
        8'd7  : word = write_reg  (8'h15, 8'h01);
        8'd8  : word = write_reg  (8'h01, 8'h00);    // page 0
        8'd9  : word = write_reg  (8'h1C, 8'h01);
        8'd10 : word = write_reg  (8'h01, 8'h0B);    // page 0x0B
        8'd11 : word = write_reg  (8'h24, 8'hC3);
        8'd12 : word = write_reg  (8'h25, 8'h02);
        default: word = {1'b0, `DEVICE_SLAVE_ID, 8'h00, 8'h00, 1'b0};   // idle: a read
    endcase
end

assign oSLAVE_ADDR = word[23:17];
assign oBYTE_ADDR  = word[16:9];
assign oBYTE_DATA  = word[8:1];
assign oWR_CMD     = word[0];

endmodule
