// i2c_bus_controller
//
// I2C master for addressed byte writes and reads:
//   write: START, {iSLAVE_ADDR, 0}, iREG_ADDR, iDATA, STOP
//   read:  START, {iSLAVE_ADDR, 0}, iREG_ADDR, repeated START,
//          {iSLAVE_ADDR, 1}, one byte from the slave, NACK, STOP
// A one-cycle iSTART while oREADY is high runs one transaction; the inputs
// are taken at that cycle. At its end oDONE is high for one cycle; with it,
// oACK_ERROR tells whether a byte was not acknowledged (the transaction then
// stops right after that byte, with a STOP) and, after a read, oREAD_DATA
// holds the byte read.
//
// After reset (and at power-up) the module first clears the bus: nine SCL
// pulses with SDA released, then a STOP, so that a slave left in the middle
// of a byte by the reset lets go of SDA. oREADY stays low until then.
//
// Bus timing: the module runs on iCLK and takes one step per rising edge of
// iI2C_CLK, a quarter of an I2C bit (396.8 kHz from the clock divider gives
// a 99.2 kHz bus, 5.04 us low and 5.04 us high per bit). SDA changes a
// quarter after SCL falls; the module samples SDA while SCL is high. SCL is
// driven high and low (the module does not wait for a slave that holds the
// clock low); SDA is open drain: driven low or released.


module i2c_bus_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iI2C_CLK,
    input  wire       iSTART,
    input  wire       iREAD,
    input  wire [6:0] iSLAVE_ADDR,
    input  wire [7:0] iREG_ADDR,
    input  wire [7:0] iDATA,
    output reg  [7:0] oREAD_DATA = 8'd0,
    output wire       oREADY,
    output reg        oDONE = 1'b0,
    output reg        oACK_ERROR = 1'b0,
    output wire       I2C_SCL,
    inout  wire       I2C_SDA
);

localparam [3:0] S_IDLE    = 4'd0,
                 S_START   = 4'd1,   // START from an idle bus
                 S_SEND    = 4'd2,   // eight bits to the slave
                 S_ACK     = 4'd3,   // the slave's acknowledge
                 S_RESTART = 4'd4,   // repeated START
                 S_RECEIVE = 4'd5,   // eight bits from the slave
                 S_NACK    = 4'd6,   // the master's not-acknowledge
                 S_STOP    = 4'd7,
                 S_CLEAR   = 4'd8;   // nine pulses with SDA released

// Bytes of a transaction, in order.
localparam [1:0] B_ADDR_WRITE = 2'd0,
                 B_REGISTER   = 2'd1,
                 B_DATA       = 2'd2,
                 B_ADDR_READ  = 2'd3;

reg  [3:0] state    = S_CLEAR;
reg  [2:0] quarter  = 3'd0;
reg  [3:0] bit_num  = 4'd8;    // bits of the byte (or pulses) after the current one
reg        clearing = 1'b1;    // the bus clear runs, not a transaction
reg  [1:0] byte_num = B_ADDR_WRITE;
reg  [7:0] shift    = 8'd0;
reg        read_cmd = 1'b0;
reg  [6:0] slave    = 7'd0;
reg  [7:0] register = 8'd0;
reg  [7:0] data     = 8'd0;
reg        scl      = 1'b1;
reg        sda_low  = 1'b0;
reg        clk_d    = 1'b0;
reg  [1:0] sda_sync = 2'b11;

wire tick = iI2C_CLK & ~clk_d;

// SDA during quarter 1 of a slot: the bit sent, low before the rising edge
// of a STOP, released otherwise (acknowledge, bits read, NACK, repeated
// START, bus clear).
wire       slot_sda_low = (state == S_SEND) ? ~shift[7] : (state == S_STOP);
wire [2:0] last_quarter = (state == S_RESTART || state == S_STOP) ? 3'd5 : 3'd3;

assign oREADY  = (state == S_IDLE);
assign I2C_SCL = scl;
assign I2C_SDA = sda_low ? 1'b0 : 1'bz;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        state      <= S_CLEAR;
        quarter    <= 3'd0;
        bit_num    <= 4'd8;
        clearing   <= 1'b1;
        byte_num   <= B_ADDR_WRITE;
        shift      <= 8'd0;
        read_cmd   <= 1'b0;
        slave      <= 7'd0;
        register   <= 8'd0;
        data       <= 8'd0;
        scl        <= 1'b1;
        sda_low    <= 1'b0;
        clk_d      <= 1'b0;
        sda_sync   <= 2'b11;
        oREAD_DATA <= 8'd0;
        oDONE      <= 1'b0;
        oACK_ERROR <= 1'b0;
    end
    else
    begin
        clk_d    <= iI2C_CLK;
        sda_sync <= {sda_sync[0], I2C_SDA};
        oDONE    <= 1'b0;

        if (state == S_IDLE)
        begin
            if (iSTART)
            begin
                read_cmd   <= iREAD;
                slave      <= iSLAVE_ADDR;
                register   <= iREG_ADDR;
                data       <= iDATA;
                oACK_ERROR <= 1'b0;
                clearing   <= 1'b0;
                quarter    <= 3'd0;
                state      <= S_START;
            end
        end
        else if (tick)
        begin
            quarter <= quarter + 3'd1;

            // A START holds SCL high: SDA high for two quarters, then low for
            // two. Every other state is a bit slot: SCL low (quarter 0), SDA
            // set (quarter 1), SCL high (quarters 2 and 3); a repeated START
            // and a STOP add two quarters with SCL high, SDA changing again
            // in the first (quarter 4).
            if (state == S_START)
            begin
                if (quarter == 3'd2)
                    sda_low <= 1'b1;
            end
            else
            begin
                case (quarter)
                    3'd0:    scl     <= 1'b0;
                    3'd1:    sda_low <= slot_sda_low;
                    3'd2:    scl     <= 1'b1;
                    3'd4:    sda_low <= (state == S_RESTART);
                    default: ;
                endcase
            end

            // End of the START or the slot: what comes next.
            if (quarter == last_quarter)
            begin
                quarter <= 3'd0;
                case (state)
                    S_START:
                    begin
                        bit_num  <= 4'd7;
                        byte_num <= B_ADDR_WRITE;
                        shift    <= {slave, 1'b0};
                        state    <= S_SEND;
                    end

                    S_SEND:
                    begin
                        shift <= {shift[6:0], 1'b0};
                        if (bit_num == 4'd0)
                            state <= S_ACK;
                        else
                            bit_num <= bit_num - 4'd1;
                    end

                    S_ACK:
                    begin
                        bit_num <= 4'd7;
                        if (sda_sync[1])
                        begin
                            oACK_ERROR <= 1'b1;
                            state      <= S_STOP;
                        end
                        else
                        begin
                            case (byte_num)
                                B_ADDR_WRITE:
                                begin
                                    byte_num <= B_REGISTER;
                                    shift    <= register;
                                    state    <= S_SEND;
                                end
                                B_REGISTER:
                                begin
                                    if (read_cmd)
                                        state <= S_RESTART;
                                    else
                                    begin
                                        byte_num <= B_DATA;
                                        shift    <= data;
                                        state    <= S_SEND;
                                    end
                                end
                                B_ADDR_READ:
                                    state <= S_RECEIVE;
                                default:
                                    state <= S_STOP;
                            endcase
                        end
                    end

                    S_RESTART:
                    begin
                        bit_num  <= 4'd7;
                        byte_num <= B_ADDR_READ;
                        shift    <= {slave, 1'b1};
                        state    <= S_SEND;
                    end

                    S_RECEIVE:
                    begin
                        shift <= {shift[6:0], sda_sync[1]};
                        if (bit_num == 4'd0)
                        begin
                            oREAD_DATA <= {shift[6:0], sda_sync[1]};
                            state      <= S_NACK;
                        end
                        else
                            bit_num <= bit_num - 4'd1;
                    end

                    S_NACK:
                        state <= S_STOP;

                    S_STOP:
                    begin
                        oDONE <= ~clearing;
                        state <= S_IDLE;
                    end

                    S_CLEAR:
                    begin
                        if (bit_num == 4'd0)
                            state <= S_STOP;
                        else
                            bit_num <= bit_num - 4'd1;
                    end

                    default:
                        state <= S_IDLE;
                endcase
            end
        end
    end
end

endmodule
