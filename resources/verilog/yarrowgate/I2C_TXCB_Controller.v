// I2C_TXCB_Controller
//
// Writes one 24-bit word over I2C: START, the three bytes of I2C_DATA
// (address byte, register, value), most significant bit first, each
// followed by an acknowledge slot, then STOP.
//
// CLOCK runs at four times the bus rate: every bit lasts four CLOCK cycles
// (SCL low while the data changes, high, high, low). A write starts when GO
// is high while the controller is idle; END rises after the STOP and stays
// high until GO falls. ACK is 1 when any of the three acknowledge slots read
// a high line (the device did not acknowledge); it holds from the end of the
// write until the next one starts. The data line is driven open-drain: low
// or released. I2C_SCLK is the clock level, which the caller drives onto the
// bus open-drain.
//
// Test outputs: SD_COUNTER is the bit slot of the write (0 idle, 1 START,
// 2 to 28 the three bytes with their acknowledge slots, 29 STOP); SDO is the
// level the controller puts on the data line.

module I2C_TXCB_Controller (
    input  wire        CLOCK,
    output wire        I2C_SCLK,
    inout  wire        I2C_SDAT,
    input  wire [23:0] I2C_DATA,
    input  wire        GO,
    output reg         END,
    output reg         ACK,
    input  wire        RST_n,
    output reg  [5:0]  SD_COUNTER,
    output reg         SDO
);

localparam [5:0] SLOT_IDLE  = 6'd0;
localparam [5:0] SLOT_START = 6'd1;
localparam [5:0] SLOT_STOP  = 6'd29;

reg  [1:0]  quarter;     // quarter of the current bit slot
reg         sclk;
reg  [23:0] shift;       // the bits still to send, next one on top

// Bit slots 10, 19 and 28 are the acknowledge slots of the three bytes.
function is_ack_slot;
    input [5:0] slot;
    is_ack_slot = (slot == 6'd10) || (slot == 6'd19) || (slot == 6'd28);
endfunction

always @(posedge CLOCK or negedge RST_n)
begin
    if (!RST_n)
    begin
        SD_COUNTER <= SLOT_IDLE;
        quarter    <= 2'd0;
        sclk       <= 1'b1;
        SDO        <= 1'b1;
        END        <= 1'b0;
        ACK        <= 1'b0;
        shift      <= 24'd0;
    end
    else if (SD_COUNTER == SLOT_IDLE)
    begin
        // Bus released. A new write begins with SCL and SDA high.
        sclk    <= 1'b1;
        SDO     <= 1'b1;
        quarter <= 2'd0;
        if (!GO)
            END <= 1'b0;
        else if (!END)
        begin
            SD_COUNTER <= SLOT_START;
            ACK        <= 1'b0;
            shift      <= I2C_DATA;
        end
    end
    else
    begin
        quarter <= quarter + 2'd1;
        case (quarter)
            2'd0:   // second quarter: SCL rises
                sclk <= 1'b1;
            2'd1:   // third quarter: START (SDA falls) or STOP (SDA rises) while SCL is high
                if (SD_COUNTER == SLOT_START)
                    SDO <= 1'b0;
                else if (SD_COUNTER == SLOT_STOP)
                    SDO <= 1'b1;
            2'd2:   // last quarter: the acknowledge is read, then SCL falls (not after STOP)
            begin
                if (is_ack_slot(SD_COUNTER) && I2C_SDAT)
                    ACK <= 1'b1;
                if (SD_COUNTER != SLOT_STOP)
                    sclk <= 1'b0;
            end
            default: // end of the slot: the next one begins with SCL low
            begin
                if (SD_COUNTER == SLOT_STOP)
                begin
                    SD_COUNTER <= SLOT_IDLE;
                    END        <= 1'b1;
                end
                else
                begin
                    SD_COUNTER <= SD_COUNTER + 6'd1;
                    if (SD_COUNTER + 6'd1 == SLOT_STOP)
                        SDO <= 1'b0;                  // STOP begins with SDA low
                    else if (is_ack_slot(SD_COUNTER + 6'd1))
                        SDO <= 1'b1;                  // released for the acknowledge
                    else
                    begin
                        SDO   <= shift[23];
                        shift <= {shift[22:0], 1'b0};
                    end
                end
            end
        endcase
    end
end

assign I2C_SCLK = sclk;
assign I2C_SDAT = SDO ? 1'bz : 1'b0;

endmodule
