// i2c_bus_controller
//
// I2C master for single-register transfers, driving both lines open drain:
//   write (wr_cmd = 1): START, {iSlave_addr, 0}, iWord_addr, wr_data, STOP
//   read  (wr_cmd = 0): START, {iSlave_addr, 0}, iWord_addr, repeated START,
//                       {iSlave_addr, 1}, one data byte (in sequential mode
//                       iRead_length bytes, each but the last followed by
//                       the master's acknowledge), not-acknowledge, STOP
// A high iStart while the controller is idle begins a transfer; the inputs
// are taken at that moment. Bytes go out most significant bit first; the
// slave's acknowledge bits are not checked.
//
// iCLK is the divided clock (390.625 kHz). A 2-bit phase counter divides it
// into the four phases of one bus bit (97.7 kHz, 10.24 us): the bit clock
// i2c_clk_src is high in phases 2 and 3, and the state machine steps once per
// bit on the strobe system_clk. The lines are registered, one phase after
// the phase they belong to, so within a bit SDA changes one phase after SCL
// falls and SCL is high for two phases (START and STOP keep SCL high for two
// phases on either side of their SDA edge; a repeated START takes two bits).
// Both lines are driven low or released (the pull-ups give the ones): SCL
// is released while high and while idle, SDA while the slave sends data and
// in every slave acknowledge slot.
//
// oSYSTEM_STATE is high while a transfer runs, oCONFIG_DONE (registered)
// while it sends its STOP. After a read, i2c_read_data holds the byte and
// i2c_read_data_rdy is high for one clock. The other outputs show internal
// signals for observation.

module i2c_bus_controller (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iStart,
    input  wire [6:0]  iSlave_addr,
    input  wire [7:0]  iWord_addr,
    input  wire        iSequential_read,
    input  wire [7:0]  iRead_length,
    input  wire [7:0]  wr_data,
    input  wire        wr_cmd,
    inout  wire        i2c_clk,
    inout  wire        i2c_data,
    output wire        oSYSTEM_STATE,
    output reg         oCONFIG_DONE,
    output reg  [7:0]  i2c_read_data,
    output reg         i2c_read_data_rdy,
    output reg  [7:0]  read_data_tmp,       // bits read so far
    output reg  [1:0]  i2c_clk_cnt,         // phase within the bit
    output reg  [5:0]  i2c_state,
    output reg  [2:0]  i2c_bit_cnt,         // bits of the byte still to come
    output reg  [7:0]  shift_out,           // byte being sent, current bit on top
    output wire        shift_out_en,        // next bit of a byte to the slave
    output wire        shift_in_en,         // SDA sampled into read_data_tmp
    output wire        system_clk,          // the state machine steps
    output wire        i2c_clk_src,         // bit clock
    output wire        i2c_clk_rise,        // bit clock rises at the next clock
    output wire        i2c_clk_fall,        // bit clock falls at the next clock
    output wire        process_en,          // the state machine moves this step
    output wire        i2c_start_ctrl,      // a START or repeated START is sent
    output wire        i2c_stop_ctrl,       // the STOP is sent
    output reg         i2c_master_out,      // SDA of the master, 1 = released
    output reg         i2c_slave_out,       // SDA as last sampled from the slave
    output reg         i2c_read_done,       // a byte was read in this transfer
    output reg  [7:0]  read_length,         // bytes still to read
    output reg         test_start,          // one clock: a transfer begins
    output reg  [7:0]  test_cnt,            // transfers begun
    output wire        wr_data_en,          // the data byte of a write is sent
    output reg  [7:0]  i2c_stop_ctrl_cnt    // STOP conditions sent
);

localparam [5:0] ST_IDLE             = 6'd0,
                 ST_START            = 6'd1,
                 ST_SLAVE_ADDR_W     = 6'd2,
                 ST_SLAVE_ADDR_W_ACK = 6'd3,
                 ST_WORD_ADDR        = 6'd4,
                 ST_WORD_ADDR_ACK    = 6'd5,
                 ST_RESTART          = 6'd6,
                 ST_SLAVE_ADDR_R     = 6'd7,
                 ST_SLAVE_ADDR_R_ACK = 6'd8,
                 ST_READ_DATA        = 6'd9,
                 ST_MASTER_NACK      = 6'd10,
                 ST_MASTER_ACK       = 6'd11,
                 ST_STOP             = 6'd12,
                 ST_ACK_ERROR        = 6'd13,
                 ST_WRITE_DATA       = 6'd14,
                 ST_WRITE_DATA_ACK   = 6'd15;

// The transfer as taken at its start.
reg [6:0] slave_addr;
reg [7:0] word_addr;
reg [7:0] data_byte;
reg       write_cmd;
reg       sequential;
reg       restart_hold;     // first of the two bits of a repeated START

assign system_clk     = (i2c_clk_cnt == 2'd0);
assign i2c_clk_src    = i2c_clk_cnt[1];
assign i2c_clk_rise   = (i2c_clk_cnt == 2'd1);
assign i2c_clk_fall   = (i2c_clk_cnt == 2'd3);
assign oSYSTEM_STATE  = (i2c_state != ST_IDLE);
assign process_en     = system_clk & (oSYSTEM_STATE | iStart);
assign i2c_start_ctrl = (i2c_state == ST_START) || (i2c_state == ST_RESTART);
assign i2c_stop_ctrl  = (i2c_state == ST_STOP);
assign wr_data_en     = (i2c_state == ST_WRITE_DATA);
assign shift_out_en   = system_clk && i2c_bit_cnt != 3'd0 &&
                        (i2c_state == ST_SLAVE_ADDR_W || i2c_state == ST_WORD_ADDR ||
                         i2c_state == ST_WRITE_DATA || i2c_state == ST_SLAVE_ADDR_R);
assign shift_in_en    = i2c_clk_fall && (i2c_state == ST_READ_DATA);

// Open drain: low or released.
reg scl_out;                    // SCL of the master, 1 = released

assign i2c_clk  = scl_out ? 1'bz : 1'b0;
assign i2c_data = i2c_master_out ? 1'bz : 1'b0;

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
        i2c_clk_cnt <= 2'd0;
    else
        i2c_clk_cnt <= i2c_clk_cnt + 2'd1;
end

// The lines for the current state and phase.
reg scl_next;
reg sda_next;

always @(*)
begin
    scl_next = i2c_clk_src;
    sda_next = 1'b1;
    case (i2c_state)
        ST_IDLE:
            scl_next = 1'b1;
        ST_START:
        begin
            scl_next = (i2c_clk_cnt != 2'd0);
            sda_next = (i2c_clk_cnt == 2'd1);
        end
        ST_RESTART:
            if (restart_hold)
                scl_next = (i2c_clk_cnt != 2'd1);
            else
            begin
                scl_next = (i2c_clk_cnt != 2'd0);
                sda_next = (i2c_clk_cnt == 2'd1);
            end
        ST_SLAVE_ADDR_W, ST_WORD_ADDR, ST_WRITE_DATA, ST_SLAVE_ADDR_R:
            sda_next = shift_out[7];
        ST_MASTER_ACK:
            sda_next = 1'b0;
        ST_STOP:
        begin
            scl_next = (i2c_clk_cnt != 2'd1);
            sda_next = (i2c_clk_cnt == 2'd0);
        end
        default:
            ;
    endcase
end

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        scl_out        <= 1'b1;
        i2c_master_out <= 1'b1;
        oCONFIG_DONE   <= 1'b0;
    end
    else
    begin
        scl_out        <= scl_next;
        i2c_master_out <= sda_next;
        oCONFIG_DONE   <= (i2c_state == ST_STOP);
    end
end

// Data and acknowledge bits from the slave, sampled in the middle of the
// high half of SCL.
always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        read_data_tmp <= 8'd0;
        i2c_slave_out <= 1'b1;
    end
    else if (i2c_clk_fall)
    begin
        if (i2c_state == ST_READ_DATA)
            read_data_tmp <= {read_data_tmp[6:0], i2c_data};
        if (i2c_state == ST_READ_DATA || i2c_state == ST_SLAVE_ADDR_W_ACK ||
            i2c_state == ST_WORD_ADDR_ACK || i2c_state == ST_SLAVE_ADDR_R_ACK ||
            i2c_state == ST_WRITE_DATA_ACK)
            i2c_slave_out <= i2c_data;
    end
end

always @(posedge iCLK or negedge iRST_n)
begin
    if (!iRST_n)
    begin
        i2c_state         <= ST_IDLE;
        i2c_bit_cnt       <= 3'd0;
        shift_out         <= 8'hFF;
        slave_addr        <= 7'd0;
        word_addr         <= 8'd0;
        data_byte         <= 8'd0;
        write_cmd         <= 1'b1;
        sequential        <= 1'b0;
        read_length       <= 8'd0;
        restart_hold      <= 1'b0;
        i2c_read_data     <= 8'd0;
        i2c_read_data_rdy <= 1'b0;
        i2c_read_done     <= 1'b0;
        test_start        <= 1'b0;
        test_cnt          <= 8'd0;
        i2c_stop_ctrl_cnt <= 8'd0;
    end
    else
    begin
        i2c_read_data_rdy <= 1'b0;
        test_start        <= 1'b0;
        if (system_clk)
        begin
            case (i2c_state)
                ST_IDLE:
                    if (iStart)
                    begin
                        slave_addr    <= iSlave_addr;
                        word_addr     <= iWord_addr;
                        data_byte     <= wr_data;
                        write_cmd     <= wr_cmd;
                        sequential    <= iSequential_read;
                        read_length   <= iRead_length;
                        i2c_read_done <= 1'b0;
                        test_start    <= 1'b1;
                        test_cnt      <= test_cnt + 8'd1;
                        i2c_state     <= ST_START;
                    end
                ST_START:
                begin
                    shift_out   <= {slave_addr, 1'b0};
                    i2c_bit_cnt <= 3'd7;
                    i2c_state   <= ST_SLAVE_ADDR_W;
                end
                ST_SLAVE_ADDR_W, ST_WORD_ADDR, ST_WRITE_DATA, ST_SLAVE_ADDR_R:
                    if (i2c_bit_cnt != 3'd0)
                    begin
                        shift_out   <= {shift_out[6:0], 1'b1};
                        i2c_bit_cnt <= i2c_bit_cnt - 3'd1;
                    end
                    else
                        i2c_state <= i2c_state + 6'd1;   // its acknowledge slot
                ST_SLAVE_ADDR_W_ACK:
                begin
                    shift_out   <= word_addr;
                    i2c_bit_cnt <= 3'd7;
                    i2c_state   <= ST_WORD_ADDR;
                end
                ST_WORD_ADDR_ACK:
                    if (write_cmd)
                    begin
                        shift_out   <= data_byte;
                        i2c_bit_cnt <= 3'd7;
                        i2c_state   <= ST_WRITE_DATA;
                    end
                    else
                    begin
                        restart_hold <= 1'b1;
                        i2c_state    <= ST_RESTART;
                    end
                ST_RESTART:
                    if (restart_hold)
                        restart_hold <= 1'b0;
                    else
                    begin
                        shift_out   <= {slave_addr, 1'b1};
                        i2c_bit_cnt <= 3'd7;
                        i2c_state   <= ST_SLAVE_ADDR_R;
                    end
                ST_SLAVE_ADDR_R_ACK:
                begin
                    i2c_bit_cnt <= 3'd7;
                    i2c_state   <= ST_READ_DATA;
                end
                ST_READ_DATA:
                    if (i2c_bit_cnt != 3'd0)
                        i2c_bit_cnt <= i2c_bit_cnt - 3'd1;
                    else
                    begin
                        i2c_read_data     <= read_data_tmp;
                        i2c_read_data_rdy <= 1'b1;
                        i2c_read_done     <= 1'b1;
                        if (sequential && read_length > 8'd1)
                        begin
                            read_length <= read_length - 8'd1;
                            i2c_state   <= ST_MASTER_ACK;
                        end
                        else
                            i2c_state <= ST_MASTER_NACK;
                    end
                ST_MASTER_ACK:
                begin
                    i2c_bit_cnt <= 3'd7;
                    i2c_state   <= ST_READ_DATA;
                end
                ST_MASTER_NACK:
                    i2c_state <= ST_STOP;
                ST_WRITE_DATA_ACK:
                    i2c_state <= ST_STOP;
                ST_STOP:
                begin
                    i2c_stop_ctrl_cnt <= i2c_stop_ctrl_cnt + 8'd1;
                    i2c_state         <= ST_IDLE;
                end
                ST_ACK_ERROR:   // not entered
                    i2c_state <= ST_IDLE;
                default:
                    i2c_state <= ST_IDLE;
            endcase
        end
    end
end

endmodule
