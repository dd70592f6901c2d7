// ext_pll_ctrl
//
// Sends three 4-bit frequency codes to the board's PLL controller over a
// two-wire serial line (max_sclk, max_sdat) and reads them back.
//
// Protocol
//   - osc_50 (50 MHz) clocks the module; rstn is an asynchronous, active-low
//     reset. All registers also power up in their reset state, so the module
//     works with rstn tied high.
//   - Transfers: a rising edge of conf_wr starts a write, a rising edge of
//     conf_rd a read. Both inputs are sampled on osc_50; a level that is high
//     when reset ends counts as a rising edge. Edges that come during a
//     transfer are ignored; when both rise together, the write runs and the
//     read is dropped.
//   - conf_ready is high while the module is idle and low during a transfer.
//   - Bit timing: every bit takes 256 cycles of osc_50, so max_sclk runs at
//     osc_50 / 256. Within a bit, max_sclk is low for the first 128 cycles
//     and high for the last 128. The sender sets max_sdat when the bit
//     starts (max_sclk low); the receiver samples it on the rising edge of
//     max_sclk.
//   - Idle line: max_sclk low, max_sdat released (high impedance).
//   - Write: the 14-bit word {2'b10, clk3_set_wr, clk2_set_wr, clk1_set_wr},
//     most significant bit first: 14 clock pulses. The codes are taken at
//     the rising edge of conf_wr.
//   - Read: the module sends the two bits 2'b11, then releases max_sdat and
//     clocks in 12 bits, most significant first, which the PLL controller
//     drives while max_sclk is low: {clk3_set_rd, clk2_set_rd, clk1_set_rd}.
//     14 clock pulses in all; the three outputs change together when the
//     transfer ends, and keep their values until the next read (reset sets
//     them to 0).
//   - A transfer runs to its end unless reset cuts it short; there is no
//     acknowledge.


module ext_pll_ctrl (
    input  wire       osc_50,
    input  wire       rstn,

    input  wire [3:0] clk1_set_wr,
    output reg  [3:0] clk1_set_rd = 4'd0,
    input  wire [3:0] clk2_set_wr,
    output reg  [3:0] clk2_set_rd = 4'd0,
    input  wire [3:0] clk3_set_wr,
    output reg  [3:0] clk3_set_rd = 4'd0,

    input  wire       conf_wr,
    input  wire       conf_rd,
    output wire       conf_ready,

    output wire       max_sclk,
    inout  wire       max_sdat
);

localparam [1:0] WRITE_HEADER = 2'b10;
localparam [1:0] READ_HEADER  = 2'b11;

reg        conf_wr_d = 1'b0;     // conf_wr one cycle ago
reg        conf_rd_d = 1'b0;     // conf_rd one cycle ago
reg        busy      = 1'b0;     // a transfer is running
reg        reading   = 1'b0;     // the running transfer is a read
reg  [7:0] phase     = 8'd0;     // cycle within the current bit
reg  [3:0] bits_left = 4'd0;     // bits of the transfer after the current one
reg [13:0] tx_word   = 14'd0;    // bit 13 is on the line
reg [11:0] rx_word   = 12'd0;    // bits read so far
reg  [1:0] sdat_sync = 2'b11;    // max_sdat brought into the osc_50 domain

wire wr_rise = conf_wr & ~conf_wr_d;
wire rd_rise = conf_rd & ~conf_rd_d;

// The module drives max_sdat during a write and during the two header bits
// of a read.
wire sdat_drive = busy & (~reading | (bits_left >= 4'd12));

assign conf_ready = ~busy;
assign max_sclk   = phase[7];
assign max_sdat   = sdat_drive ? tx_word[13] : 1'bz;

always @(posedge osc_50 or negedge rstn)
begin
    if (!rstn)
    begin
        conf_wr_d   <= 1'b0;
        conf_rd_d   <= 1'b0;
        busy        <= 1'b0;
        reading     <= 1'b0;
        phase       <= 8'd0;
        bits_left   <= 4'd0;
        tx_word     <= 14'd0;
        rx_word     <= 12'd0;
        sdat_sync   <= 2'b11;
        clk1_set_rd <= 4'd0;
        clk2_set_rd <= 4'd0;
        clk3_set_rd <= 4'd0;
    end
    else
    begin
        conf_wr_d <= conf_wr;
        conf_rd_d <= conf_rd;
        sdat_sync <= {sdat_sync[0], max_sdat};

        if (!busy)
        begin
            if (wr_rise)
            begin
                busy      <= 1'b1;
                reading   <= 1'b0;
                phase     <= 8'd0;
                bits_left <= 4'd13;
                tx_word   <= {WRITE_HEADER, clk3_set_wr, clk2_set_wr, clk1_set_wr};
            end
            else if (rd_rise)
            begin
                busy      <= 1'b1;
                reading   <= 1'b1;
                phase     <= 8'd0;
                bits_left <= 4'd13;
                tx_word   <= {READ_HEADER, 12'd0};
            end
        end
        else
        begin
            phase <= phase + 8'd1;

            // Rising edge of max_sclk: take a read bit.
            if (phase == 8'd127 && reading && bits_left < 4'd12)
                rx_word <= {rx_word[10:0], sdat_sync[1]};

            // End of a bit.
            if (phase == 8'd255)
            begin
                if (bits_left == 4'd0)
                begin
                    busy    <= 1'b0;
                    reading <= 1'b0;
                    if (reading)
                        {clk3_set_rd, clk2_set_rd, clk1_set_rd} <= rx_word;
                end
                else
                begin
                    bits_left <= bits_left - 4'd1;
                    tx_word   <= {tx_word[12:0], 1'b0};
                end
            end
        end
    end
end

endmodule
