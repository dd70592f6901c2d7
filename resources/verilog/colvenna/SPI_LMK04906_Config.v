// ============================================================================
// SPI_LMK04906_Config
//
// Programs the LMK04906 clock conditioner once after reset over its
// three-wire interface (LMK04906_CLK, LMK04906_DATAIN, LMK04906_LE), then
// raises SPI_DONE.
//
// Each register word has 32 bits and is shifted out most significant bit
// first: LE falls, CLK gives 32 pulses at 12.5 MHz (the chip takes DATAIN on
// the rising edges; DATAIN changes on the falling ones), then LE rises and
// latches the word.
//
// iFREQ_SELECT sets four outputs: bit 3 FMCA, bit 2 FMCD, bit 1 FMCB,
// bit 0 FMCC; a set bit gives 644.53125 MHz, a clear bit 322.265625 MHz.
//
// The table holds 33-bit entries: with bit 32 set an entry is a pause of
// bits 31..0 cycles of the 12.5 MHz clock, else bits 31..0 are a word to
// send.
// ============================================================================

module SPI_LMK04906_Config (
    input        clk50,
    input        rst_n,
    input  [3:0] iFREQ_SELECT,
    output       LMK04906_CLK,
    output       LMK04906_DATAIN,
    output       LMK04906_LE,
    output       SPI_DONE
);

// Ticks of one transfer (cycles of the 12.5 MHz clock).
localparam [5:0] tLE_START   = 6'd1;   // LE falls
localparam [5:0] tCLK_START  = 6'd2;   // first CLK pulse
localparam [5:0] tCLK_END    = 6'd33;  // last CLK pulse
localparam [5:0] tLE_END     = 6'd34;  // LE rises after this tick
localparam [5:0] tCONFIG_END = 6'd37;  // the transfer is done after this tick
localparam [4:0] LUT_SIZE    = 5'd30;

// -------------------------------------------------------------- 12.5 MHz

reg [1:0] clk_div;
always @(posedge clk50 or negedge rst_n)
begin
    if (!rst_n)
        clk_div <= 2'd0;
    else
        clk_div <= clk_div + 2'd1;
end

wire spi_clk = clk_div[1];

// -------------------------------------------------------------- transfer

reg         spi_go;
reg   [5:0] tick;
reg  [31:0] shift;
reg  [32:0] lut_data;
reg   [4:0] lut_index;

always @(negedge spi_clk or negedge rst_n)
begin
    if (!rst_n)
        tick <= 6'd0;
    else if (!spi_go)
        tick <= 6'd0;
    else if (tick <= tCONFIG_END)
        tick <= tick + 6'd1;
end

always @(negedge spi_clk or negedge rst_n)
begin
    if (!rst_n)
        shift <= 32'd0;
    else if (tick == tCLK_START - 6'd1)
        shift <= lut_data[31:0];
    else if (tick >= tCLK_START && tick < tCLK_END)
        shift <= {shift[30:0], 1'b0};
end

wire spi_done_word = tick > tCONFIG_END;

assign LMK04906_LE     = !(tick >= tLE_START && tick <= tLE_END);
assign LMK04906_CLK    = (tick >= tCLK_START && tick <= tCLK_END) ? spi_clk : 1'b0;
assign LMK04906_DATAIN = shift[31];

// -------------------------------------------------------------- sequencer

reg  [1:0] state;
reg [31:0] pause_cnt;

assign SPI_DONE = lut_index >= LUT_SIZE;

always @(negedge spi_clk or negedge rst_n)
begin
    if (!rst_n)
    begin
        lut_index <= 5'd0;
        state     <= 2'd0;
        spi_go    <= 1'b0;
        pause_cnt <= 32'd0;
    end
    else if (!SPI_DONE)
    begin
        case (state)
            // Start the entry: a pause, or a transfer.
            2'd0 : begin
                       if (lut_data[32])
                           state <= 2'd1;
                       else
                       begin
                           spi_go <= 1'b1;
                           state  <= 2'd2;
                       end
                       pause_cnt <= 32'd0;
                   end
            // The pause.
            2'd1 : begin
                       if (pause_cnt == lut_data[31:0])
                           state <= 2'd3;
                       else
                           pause_cnt <= pause_cnt + 32'd1;
                   end
            // The transfer.
            2'd2 : begin
                       if (spi_done_word)
                       begin
                           spi_go <= 1'b0;
                           state  <= 2'd3;
                       end
                   end
            // Next entry.
            default : begin
                       lut_index <= lut_index + 5'd1;
                       state     <= 2'd0;
                   end
        endcase
    end
end

// ------------------------------------------------------------------ table

// Entry 26 for the selects 1, 2 and 15.
wire select_26 = (iFREQ_SELECT == 4'd1) || (iFREQ_SELECT == 4'd2) || (iFREQ_SELECT == 4'd15);

always @(*)
begin
    case (lut_index)
        5'd0    : lut_data = 33'h1_000061A8;                                          // pause
        5'd1    : lut_data = 33'h0_80160200;
        5'd2    : lut_data = 33'h1_000061A8;                                          // pause
        5'd3    : lut_data = iFREQ_SELECT[3] ? 33'h0_20140080 : 33'h0_20140100;       // FMCA
        5'd4    : lut_data = 33'h1_000061A8;                                          // pause
        5'd5    : lut_data = iFREQ_SELECT[2] ? 33'h0_10140081 : 33'h0_10140101;       // FMCD
        5'd6    : lut_data = 33'h0_A0140082;
        5'd7    : lut_data = iFREQ_SELECT[1] ? 33'h0_00140083 : 33'h0_00140103;       // FMCB
        5'd8    : lut_data = iFREQ_SELECT[0] ? 33'h0_00140084 : 33'h0_00140104;       // FMCC
        5'd9    : lut_data = 33'h0_80140C85;
        5'd10   : lut_data = 33'h0_01140006;
        5'd11   : lut_data = 33'h0_01110007;
        5'd12   : lut_data = 33'h0_00010008;
        5'd13   : lut_data = 33'h0_55555549;
        5'd14   : lut_data = 33'h0_9002410A;
        5'd15   : lut_data = 33'h0_3401100B;
        5'd16   : lut_data = 33'h0_130C006C;
        5'd17   : lut_data = 33'h0_3B02820D;
        5'd18   : lut_data = 33'h0_0200000E;
        5'd19   : lut_data = 33'h0_8000800F;
        5'd20   : lut_data = 33'h0_C1550410;
        5'd21   : lut_data = 33'h0_000000D8;
        5'd22   : lut_data = 33'h0_02C9C419;
        5'd23   : lut_data = 33'h0_8FA8001A;
        5'd24   : lut_data = 33'h0_10000F3B;
        5'd25   : lut_data = 33'h0_0080031C;
        5'd26   : lut_data = select_26 ? 33'h0_0800227D : 33'h0_0080227D;
        5'd27   : lut_data = 33'h0_0300227E;
        5'd28   : lut_data = 33'h0_001F001F;
        5'd29   : lut_data = 33'h1_000061A8;                                          // pause
        default : lut_data = 33'h1_00000000;
    endcase
end

endmodule
