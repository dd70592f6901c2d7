// ============================================================================
// I2C_CDCM6208_Config
//
// Programs the CDCM6208 clock generator once after reset, over I2C at the
// chip's address 0x54 (address byte 8'hA8), then raises I2C_DONE.
//
// iFREQ_SELECT picks the frequency set: 0 = FMCA and FMCD at 100 MHz,
// 1 = 125 MHz, 2 = 150 MHz (3 programs set 0); PCIE runs at 100 MHz,
// SATA_HOST and SATA_DEVICE at 150 MHz and DDR3 at 133.333 MHz in every set.
// A set bit of iFREQ_DISABLE leaves an output off: bit 0 FMCA, bit 1 FMCD,
// bit 2 PCIE, bit 3 SATA_HOST, bit 4 SATA_DEVICE, bit 5 DDR3.
//
// The table holds 32-bit entries, a register address in the upper half and
// its value in the lower half; an upper half of 16'hFFFF is a pause of as
// many controller clocks as the lower half says. A write that is not
// acknowledged is sent again.
// ============================================================================

module I2C_CDCM6208_Config #(
    parameter CLK_Freq = 50000000,  // iCLK, Hz
    parameter I2C_Freq = 20000,     // SCL, Hz
    parameter LUT_SIZE = 27         // table entries
) (
    input        iCLK,
    input        iRST_N,
    input  [1:0] iFREQ_SELECT,
    input  [5:0] iFREQ_DISABLE,
    inout        I2C_SCLK,
    inout        I2C_SDAT,
    output       I2C_DONE
);

// Four controller clocks per SCL period.
localparam integer DIV_LIMIT = CLK_Freq / I2C_Freq / 8;
localparam integer LAST_ENTRY = LUT_SIZE - 1;

reg  [15:0] mI2C_CLK_DIV;
reg         mI2C_CTRL_CLK;
reg  [39:0] mI2C_DATA;
reg         mI2C_GO;
wire        mI2C_END;
wire        mI2C_ACK;
wire        mI2C_SCLK;
reg  [31:0] LUT_DATA;
reg   [5:0] LUT_INDEX;
reg   [1:0] mSetup_ST;
reg  [15:0] mWAIT_CNT;
reg  [15:0] mWAIT_LEN;

// ---------------------------------------------------------- controller clock

always @(posedge iCLK or negedge iRST_N)
begin
    if (!iRST_N)
    begin
        mI2C_CLK_DIV  <= 16'd0;
        mI2C_CTRL_CLK <= 1'b0;
    end
    else if (mI2C_CLK_DIV < DIV_LIMIT[15:0])
        mI2C_CLK_DIV <= mI2C_CLK_DIV + 16'd1;
    else
    begin
        mI2C_CLK_DIV  <= 16'd0;
        mI2C_CTRL_CLK <= ~mI2C_CTRL_CLK;
    end
end

// --------------------------------------------------------------- controller

I2C_CDCM6208_Controller u0 (
    .CLOCK     (mI2C_CTRL_CLK),
    .I2C_SCLK  (mI2C_SCLK),
    .I2C_SDAT  (I2C_SDAT),
    .I2C_DATA  (mI2C_DATA),
    .GO        (mI2C_GO),
    .END       (mI2C_END),
    .ACK       (mI2C_ACK),
    .RST_n     (iRST_N),
    .SD_COUNTER(),
    .SDO       ()
);

// SCL is driven low or released.
assign I2C_SCLK = mI2C_SCLK ? 1'bz : 1'b0;

assign I2C_DONE = LUT_INDEX > LAST_ENTRY[5:0];

// ---------------------------------------------------------------- sequencer

wire PAUSE = LUT_DATA[31:16] == 16'hFFFF;

always @(posedge mI2C_CTRL_CLK or negedge iRST_N)
begin
    if (!iRST_N)
    begin
        LUT_INDEX <= 6'd0;
        mSetup_ST <= 2'd0;
        mI2C_GO   <= 1'b0;
        mI2C_DATA <= 40'd0;
        mWAIT_CNT <= 16'd0;
        mWAIT_LEN <= 16'd10;
    end
    else if (!I2C_DONE)
    begin
        case (mSetup_ST)
            // Start the entry: a pause, or a write.
            2'd0 : begin
                       if (PAUSE)
                       begin
                           mWAIT_LEN <= LUT_DATA[15:0];
                           mI2C_GO   <= 1'b0;
                       end
                       else
                       begin
                           mI2C_DATA <= {8'hA8, LUT_DATA};
                           mI2C_GO   <= 1'b1;
                           mWAIT_LEN <= 16'd10;
                       end
                       mWAIT_CNT <= 16'd0;
                       mSetup_ST <= 2'd1;
                   end
            // Wait out the pause, or the start of the write.
            2'd1 : begin
                       if (mWAIT_CNT > mWAIT_LEN)
                           mSetup_ST <= PAUSE ? 2'd3 : 2'd2;
                       else
                           mWAIT_CNT <= mWAIT_CNT + 16'd1;
                   end
            // The write's end: next entry when acknowledged, else again.
            2'd2 : begin
                       if (mI2C_END)
                       begin
                           mI2C_GO   <= 1'b0;
                           mSetup_ST <= mI2C_ACK ? 2'd0 : 2'd3;
                       end
                   end
            // Next entry.
            default : begin
                       LUT_INDEX <= LUT_INDEX + 6'd1;
                       mSetup_ST <= 2'd0;
                   end
        endcase
    end
end

// -------------------------------------------------------------------- table

// Set 3 programs set 0.
wire [1:0] SET = (iFREQ_SELECT == 2'd3) ? 2'd0 : iFREQ_SELECT;

// The output enables, cleared for the disabled outputs.
wire [15:0] REG5_MASK  = {8'h00, (iFREQ_DISABLE[1] ? 8'h00 : 8'h20) | (iFREQ_DISABLE[0] ? 8'h00 : 8'h02)};
wire [15:0] REG7_MASK  = {8'h00, iFREQ_DISABLE[2] ? 8'h00 : 8'h02};
wire [15:0] REG9_MASK  = {8'h00, iFREQ_DISABLE[4] ? 8'h00 : 8'h02};
wire [15:0] REG12_MASK = {8'h00, iFREQ_DISABLE[3] ? 8'h00 : 8'h02};
wire [15:0] REG15_MASK = {8'h00, iFREQ_DISABLE[5] ? 8'h00 : 8'h02};

always @(*)
begin
    case (LUT_INDEX)
        6'd0    : LUT_DATA = 32'hFFFF_0320;                               // pause
        6'd1    : LUT_DATA = 32'h0003_0000;
        6'd2    : LUT_DATA = 32'hFFFF_007D;                               // pause
        6'd3    : LUT_DATA = 32'h0003_0040;
        6'd4    : LUT_DATA = 32'hFFFF_007D;                               // pause
        6'd5    : LUT_DATA = 32'h0000_01B9;
        6'd6    : LUT_DATA = 32'h0001_0000;
        6'd7    : LUT_DATA = (SET == 2'd0) ? 32'h0002_0017 : 32'h0002_001D;
        6'd8    : LUT_DATA = (SET == 2'd0) ? 32'h0003_00F5 : 32'h0003_00F4;
        6'd9    : LUT_DATA = 32'h0004_30EB;
        6'd10   : LUT_DATA = 32'h0005_0001 | {16'h0000, REG5_MASK};
        6'd11   : LUT_DATA = (SET == 2'd2) ? 32'h0006_0004 : 32'h0006_0005;
        6'd12   : LUT_DATA = 32'h0007_0001 | {16'h0000, REG7_MASK};
        6'd13   : LUT_DATA = 32'h0008_0005;
        6'd14   : LUT_DATA = 32'h0009_0001 | {16'h0000, REG9_MASK};
        6'd15   : LUT_DATA = (SET == 2'd0) ? 32'h000A_0030 : 32'h000A_0040;
        6'd16   : LUT_DATA = 32'h000B_0000;
        6'd17   : LUT_DATA = 32'h000C_0001 | {16'h0000, REG12_MASK};
        6'd18   : LUT_DATA = (SET == 2'd0) ? 32'h000D_0030 : 32'h000D_0040;
        6'd19   : LUT_DATA = 32'h000E_0000;
        6'd20   : LUT_DATA = 32'h000F_0201 | {16'h0000, REG15_MASK};
        6'd21   : LUT_DATA = 32'h0010_0014;
        6'd22   : LUT_DATA = 32'h0011_0000;
        6'd23   : LUT_DATA = (SET == 2'd0) ? 32'h0012_0001 : 32'h0012_0201;
        6'd24   : LUT_DATA = (SET == 2'd0) ? 32'h0013_0000 : 32'h0013_0014;
        6'd25   : LUT_DATA = 32'h0014_0000;
        6'd26   : LUT_DATA = 32'hFFFF_007D;                               // pause
        default : LUT_DATA = 32'hFFFF_0000;
    endcase
end

endmodule
