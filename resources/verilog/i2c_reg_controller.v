// i2c_reg_controller
//
// Sequences the register writes that set an Si570 oscillator to the output
// frequency of iFREQ_MODE, one I2C transaction at a time, then reads
// register 7 back:
//   1. register 137 <= 8'h10   freeze the DCO
//   2. registers 7 .. 12       HS_DIV, N1 and RFREQ of the mode
//   3. register 137 <= 8'h00   release the DCO
//   4. register 135 <= 8'h40   NewFreq
//   5. read register 7
// The Si570 answers at its default address 7'h55. Registers 7 .. 12 are
// those of the 20 ppm and 50 ppm parts (the 7 ppm parts use 13 .. 18).

//
// A one-cycle iSTART while oREADY is high starts the sequence for the mode
// on iFREQ_MODE at that cycle (a later change of iFREQ_MODE waits for the
// next iSTART). For each step the module sets oSLAVE_ADDR, oREG_ADDR, oDATA
// and oREAD (the command: 0 write, 1 read) and, once iBUS_READY is high,
// pulses oSTART for the bus controller; the bus controller's iBUS_DONE ends
// the step. oCONFIG_DONE goes low when a sequence starts and high when all
// of it succeeded. A byte that is not acknowledged (iBUS_ACK_ERROR with
// iBUS_DONE) ends the sequence at once with oCONFIG_DONE low; the next
// iSTART tries again.
//
// Register values
//   fout = fXTAL * RFREQ / (HS_DIV * N1), with the DCO frequency
//   fDCO = fout * HS_DIV * N1 within 4850 .. 5670 MHz, HS_DIV one of
//   4, 5, 6, 7, 9, 11, N1 one of 1, 2, 4, 6, .., 128, and RFREQ a fixed-point
//   number with 28 fraction bits: RFREQ = round(fDCO / fXTAL * 2^28).
//   fXTAL is the crystal's nominal 114.285 MHz. Of the valid pairs the
//   table takes the lowest fDCO, then the lowest N1.
//
//   mode  fout (MHz)   HS_DIV  N1   fDCO (MHz)  fDCO / fXTAL * 2^28  RFREQ
//    0    100            5     10   5000        11744124600.78       11744124601 = 38'h2BC011EB9
//    1    125            5      8   5000        11744124600.78       11744124601 = 38'h2BC011EB9
//    2    156.25         4      8   5000        11744124600.78       11744124601 = 38'h2BC011EB9
//    3    250            5      4   5000        11744124600.78       11744124601 = 38'h2BC011EB9
//    4    312.5          4      4   5000        11744124600.78       11744124601 = 38'h2BC011EB9
//    5    322.265625     4      4   5156.25     12111128494.55       12111128495 = 38'h2D1E127AF
//    6    644.53125      4      2   5156.25     12111128494.55       12111128495 = 38'h2D1E127AF
//    7    100            5     10   5000        11744124600.78       11744124601 = 38'h2BC011EB9

//
//   With RFREQ rounded, every mode is within 0.04 ppb of its frequency for
//   the nominal crystal.
//
//   Register 7 = {HS_DIV - 4, (N1 - 1) >> 2}, register 8 =
//   {(N1 - 1) & 3, RFREQ[37:32]}, registers 9 .. 12 = RFREQ[31:0], most
//   significant byte first.

module i2c_reg_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire [2:0] iFREQ_MODE,
    input  wire       iSTART,
    input  wire       iBUS_READY,
    input  wire       iBUS_DONE,
    input  wire       iBUS_ACK_ERROR,
    output wire [6:0] oSLAVE_ADDR,
    output reg  [7:0] oREG_ADDR = 8'd0,
    output reg  [7:0] oDATA = 8'd0,
    output reg        oREAD = 1'b0,
    output reg        oSTART = 1'b0,
    output wire       oREADY,
    output reg        oCONFIG_DONE = 1'b0
);

localparam [6:0] SI570_ADDRESS = 7'h55;
localparam [3:0] LAST_STEP     = 4'd9;

assign oSLAVE_ADDR = SI570_ADDRESS;

reg        busy    = 1'b0;
reg        waiting = 1'b0;   // a transaction of the current step is running
reg  [3:0] step    = 4'd0;
reg  [2:0] mode    = 3'd0;

assign oREADY = ~busy;

// Frequency table: HS_DIV, N1 and RFREQ per mode.
reg  [3:0] hs_div;
reg  [7:0] n1;
reg [37:0] rfreq;

always @(*)
begin
    case (mode)
        3'd0:    begin hs_div = 4'd5; n1 = 8'd10; rfreq = 38'h2BC011EB9; end  // 100 MHz
        3'd1:    begin hs_div = 4'd5; n1 = 8'd8;  rfreq = 38'h2BC011EB9; end  // 125 MHz
        3'd2:    begin hs_div = 4'd4; n1 = 8'd8;  rfreq = 38'h2BC011EB9; end  // 156.25 MHz
        3'd3:    begin hs_div = 4'd5; n1 = 8'd4;  rfreq = 38'h2BC011EB9; end  // 250 MHz
        3'd4:    begin hs_div = 4'd4; n1 = 8'd4;  rfreq = 38'h2BC011EB9; end  // 312.5 MHz
        3'd5:    begin hs_div = 4'd4; n1 = 8'd4;  rfreq = 38'h2D1E127AF; end  // 322.265625 MHz
        3'd6:    begin hs_div = 4'd4; n1 = 8'd2;  rfreq = 38'h2D1E127AF; end  // 644.53125 MHz
        default: begin hs_div = 4'd5; n1 = 8'd10; rfreq = 38'h2BC011EB9; end  // 100 MHz
    endcase
end

wire [2:0] hs_div_code = hs_div[2:0] - 3'd4;
wire [6:0] n1_code     = n1[6:0] - 7'd1;

// Register, data and command of each step.
reg  [7:0] step_reg;
reg  [7:0] step_data;
reg        step_read;

always @(*)
begin
    step_read = 1'b0;
    case (step)
        4'd0:    begin step_reg = 8'd137; step_data = 8'h10; end
        4'd1:    begin step_reg = 8'd7;   step_data = {hs_div_code, n1_code[6:2]}; end
        4'd2:    begin step_reg = 8'd8;   step_data = {n1_code[1:0], rfreq[37:32]}; end
        4'd3:    begin step_reg = 8'd9;   step_data = rfreq[31:24]; end
        4'd4:    begin step_reg = 8'd10;  step_data = rfreq[23:16]; end
        4'd5:    begin step_reg = 8'd11;  step_data = rfreq[15:8]; end
        4'd6:    begin step_reg = 8'd12;  step_data = rfreq[7:0]; end
        4'd7:    begin step_reg = 8'd137; step_data = 8'h00; end
        4'd8:    begin step_reg = 8'd135; step_data = 8'h40; end
        default: begin step_reg = 8'd7;   step_data = 8'h00; step_read = 1'b1; end
    endcase
end

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        busy         <= 1'b0;
        waiting      <= 1'b0;
        step         <= 4'd0;
        mode         <= 3'd0;
        oREG_ADDR    <= 8'd0;
        oDATA        <= 8'd0;
        oREAD        <= 1'b0;
        oSTART       <= 1'b0;
        oCONFIG_DONE <= 1'b0;
    end
    else
    begin
        oSTART <= 1'b0;
        if (!busy)
        begin
            if (iSTART)
            begin
                busy         <= 1'b1;
                waiting      <= 1'b0;
                step         <= 4'd0;
                mode         <= iFREQ_MODE;
                oCONFIG_DONE <= 1'b0;
            end
        end
        else if (!waiting)
        begin
            if (iBUS_READY)
            begin
                oREG_ADDR <= step_reg;
                oDATA     <= step_data;
                oREAD     <= step_read;
                oSTART    <= 1'b1;
                waiting   <= 1'b1;
            end
        end
        else if (iBUS_DONE)
        begin
            waiting <= 1'b0;
            if (iBUS_ACK_ERROR)
                busy <= 1'b0;
            else if (step == LAST_STEP)
            begin
                busy         <= 1'b0;
                oCONFIG_DONE <= 1'b1;
            end
            else
                step <= step + 4'd1;
        end
    end
end

endmodule
