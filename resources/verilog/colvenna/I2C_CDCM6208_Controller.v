// ============================================================================
// I2C_CDCM6208_Controller
//
// Sends one write of five bytes on an I2C bus: the slave address, the high
// and low bytes of a 16-bit register address and the high and low bytes of
// a 16-bit register value, most significant bit first, framed by a START and
// a STOP.
//
// Every bit takes four clocks, counted by a free-running phase counter: SCL
// is low in phases 0 and 1 and high in phases 2 and 3, and the step counter
// moves on at the end of phase 3. Data changes one clock after SCL falls; an
// acknowledge is sampled in the middle of its high SCL time.
//
// A transfer starts while GO is high and ends with END high; ACK is 1 when
// any of the five bytes was not acknowledged. GO low returns the controller
// to its first step (END low) for the next transfer. SD_COUNTER (the step)
// and SDO (the data level) are brought out for testing.
// ============================================================================

module I2C_CDCM6208_Controller (
    input             CLOCK,
    output            I2C_SCLK,
    inout             I2C_SDAT,
    input      [39:0] I2C_DATA,
    input             GO,
    output reg        END,
    output            ACK,
    input             RST_n,
    output reg  [5:0] SD_COUNTER,
    output reg        SDO
);

reg  [1:0] PHASE;
reg        SCLK;
reg [39:0] SD;
reg        ACK1, ACK2, ACK3, ACK4, ACK5;

// The bits and their acknowledges (steps 3 to 47) carry the phase clock.
wire BIT_TIME = (SD_COUNTER >= 6'd3) && (SD_COUNTER <= 6'd47);

assign I2C_SCLK = SCLK | (BIT_TIME & PHASE[1]);
assign I2C_SDAT = SDO ? 1'bz : 1'b0;
assign ACK      = ACK1 | ACK2 | ACK3 | ACK4 | ACK5;

// Phase of the bit.
always @(posedge CLOCK or negedge RST_n)
begin
    if (!RST_n)
        PHASE <= 2'd0;
    else
        PHASE <= PHASE + 2'd1;
end

// Step of the transfer: 63 after reset, 0 while GO is low, then one step per
// bit up to 63.
always @(posedge CLOCK or negedge RST_n)
begin
    if (!RST_n)
        SD_COUNTER <= 6'd63;
    else if (!GO)
        SD_COUNTER <= 6'd0;
    else if (PHASE == 2'd3 && SD_COUNTER != 6'd63)
        SD_COUNTER <= SD_COUNTER + 6'd1;
end

// What each step drives.
always @(posedge CLOCK or negedge RST_n)
begin
    if (!RST_n)
    begin
        SCLK <= 1'b1;
        SDO  <= 1'b1;
        SD   <= 40'd0;
        ACK1 <= 1'b0;
        ACK2 <= 1'b0;
        ACK3 <= 1'b0;
        ACK4 <= 1'b0;
        ACK5 <= 1'b0;
        END  <= 1'b1;
    end
    else
    begin
        case (SD_COUNTER)
            // Idle.
            6'd0  : begin
                        ACK1 <= 1'b0;
                        ACK2 <= 1'b0;
                        ACK3 <= 1'b0;
                        ACK4 <= 1'b0;
                        ACK5 <= 1'b0;
                        END  <= 1'b0;
                        SDO  <= 1'b1;
                        SCLK <= 1'b1;
                    end
            // START.
            6'd1  : begin
                        SD   <= I2C_DATA;
                        SDO  <= 1'b0;
                    end
            6'd2  : SCLK <= 1'b0;
            // Slave address.
            6'd3  : SDO <= SD[39];
            6'd4  : SDO <= SD[38];
            6'd5  : SDO <= SD[37];
            6'd6  : SDO <= SD[36];
            6'd7  : SDO <= SD[35];
            6'd8  : SDO <= SD[34];
            6'd9  : SDO <= SD[33];
            6'd10 : SDO <= SD[32];
            6'd11 : begin
                        SDO <= 1'b1;
                        if (PHASE == 2'd2) ACK1 <= I2C_SDAT;
                    end
            // Register address, high byte.
            6'd12 : SDO <= SD[31];
            6'd13 : SDO <= SD[30];
            6'd14 : SDO <= SD[29];
            6'd15 : SDO <= SD[28];
            6'd16 : SDO <= SD[27];
            6'd17 : SDO <= SD[26];
            6'd18 : SDO <= SD[25];
            6'd19 : SDO <= SD[24];
            6'd20 : begin
                        SDO <= 1'b1;
                        if (PHASE == 2'd2) ACK2 <= I2C_SDAT;
                    end
            // Register address, low byte.
            6'd21 : SDO <= SD[23];
            6'd22 : SDO <= SD[22];
            6'd23 : SDO <= SD[21];
            6'd24 : SDO <= SD[20];
            6'd25 : SDO <= SD[19];
            6'd26 : SDO <= SD[18];
            6'd27 : SDO <= SD[17];
            6'd28 : SDO <= SD[16];
            6'd29 : begin
                        SDO <= 1'b1;
                        if (PHASE == 2'd2) ACK3 <= I2C_SDAT;
                    end
            // Register value, high byte.
            6'd30 : SDO <= SD[15];
            6'd31 : SDO <= SD[14];
            6'd32 : SDO <= SD[13];
            6'd33 : SDO <= SD[12];
            6'd34 : SDO <= SD[11];
            6'd35 : SDO <= SD[10];
            6'd36 : SDO <= SD[9];
            6'd37 : SDO <= SD[8];
            6'd38 : begin
                        SDO <= 1'b1;
                        if (PHASE == 2'd2) ACK4 <= I2C_SDAT;
                    end
            // Register value, low byte.
            6'd39 : SDO <= SD[7];
            6'd40 : SDO <= SD[6];
            6'd41 : SDO <= SD[5];
            6'd42 : SDO <= SD[4];
            6'd43 : SDO <= SD[3];
            6'd44 : SDO <= SD[2];
            6'd45 : SDO <= SD[1];
            6'd46 : SDO <= SD[0];
            6'd47 : begin
                        SDO <= 1'b1;
                        if (PHASE == 2'd2) ACK5 <= I2C_SDAT;
                    end
            // STOP.
            6'd48 : begin
                        SDO  <= 1'b0;
                        SCLK <= 1'b0;
                    end
            6'd49 : SCLK <= 1'b1;
            6'd50 : SDO  <= 1'b1;
            6'd51,
            6'd52,
            6'd53,
            6'd54 : SDO  <= 1'b1;
            // Done.
            default : begin
                        SDO <= 1'b1;
                        END <= 1'b1;
                    end
        endcase
    end
end

endmodule
