// I2C slave model and bus monitor for the testbenches.
//
// Answers at ADDRESS: acknowledges its address and every byte written to it,
// keeps a register file (the REG_BYTES bytes after the address are the
// register, the DATA_BYTES bytes after them its data, most significant byte
// first; a read returns the register last addressed, of a one-byte register
// file) and logs every completed transfer:
//   log_read[i]   0 write, 1 read
//   log_reg[i]    register
//   log_data[i]   data written, or byte sent back
//   log_ok[i]     1 when the transfer ended in a proper STOP with every byte
//                 acknowledged (and, for a read, a NACK from the master after
//                 the single byte)
// Reads must come as START, address+W, register, repeated START, address+R.
// It also checks standard-mode bus timing (its limits multiplied by
// TIME_SCALE, for a controller run on a faster bus) and counts every fault
// in errors; while quiet is set, faults are counted in quiet_faults instead
// and not shown. nack_register, when not -1, makes the slave refuse the
// first data byte of a write to that register (the refused write is logged,
// with that byte as its data, not clean). While absent is set the slave
// answers nothing, as a device that is not there (nothing is logged).
`timescale 1ns / 1ps

module i2c_slave_model #(
    parameter [6:0] ADDRESS = 7'h55,
    parameter real  TIME_SCALE = 1.0,
    parameter integer REG_BYTES = 1,
    parameter integer DATA_BYTES = 1
) (
    input wire scl,
    inout wire sda
);

reg drive_low = 1'b0;
assign sda = drive_low ? 1'b0 : 1'bz;

// The lines as a device on the bus reads them: what nobody drives low is
// high (the pull-up), an unknown level too (a controller's output before its
// reset), so only changes between low and high are bus events.
wire scl_line = scl !== 1'b0;
wire sda_line = sda !== 1'b0;

reg [7:0] regs [0:255];
integer errors = 0;
integer nack_register = -1;
reg     absent = 1'b0;
reg     quiet = 1'b0;
integer quiet_faults = 0;

integer log_count = 0;
reg       log_read [0:255];
reg [8*REG_BYTES-1:0]  log_reg  [0:255];
reg [8*DATA_BYTES-1:0] log_data [0:255];
reg       log_ok   [0:255];

// Transfer state.
reg       active = 1'b0;        // between START and STOP
reg       ignoring = 1'b0;      // address not ours or byte refused: wait for STOP
integer   bitpos = 0;           // rising SCL edges of the current byte (9 = ack clocked)
integer   byte_no = 0;          // bytes since the last (repeated) START
reg       reading = 1'b0;       // the slave sends after its address
reg [7:0] shift = 8'd0;
reg [8*REG_BYTES-1:0] reg_ptr = 0;
reg       have_ptr = 1'b0;      // a register was written in this transfer
reg [8*DATA_BYTES-1:0] write_data = 0;
reg       write_complete = 1'b0;
reg       transfer_ok = 1'b1;
reg [7:0] tx = 8'd0;
reg       master_nack = 1'b0;
reg       read_done = 1'b0;

// Timing.
realtime t_scl_rise = -1.0e9, t_scl_fall = -1.0e9, t_sda_change = -1.0e9;
realtime t_start = -1.0e9, t_stop = -1.0e9;
reg      first_fall_after_start = 1'b0;

integer k;
initial for (k = 0; k < 256; k = k + 1) regs[k] = 8'h00;

task fault(input [8*80-1:0] what);
begin
    if (quiet)
        quiet_faults = quiet_faults + 1;
    else
    begin
        errors = errors + 1;
        $display("bus fault: I2C slave %h at %0t: %0s", ADDRESS, $realtime, what);
    end
end
endtask

task add_log(input is_read, input [8*REG_BYTES-1:0] r, input [8*DATA_BYTES-1:0] d, input ok);
begin
    log_read[log_count] = is_read;
    log_reg[log_count]  = r;
    log_data[log_count] = d;
    log_ok[log_count]   = ok;
    log_count = log_count + 1;
end
endtask

// START or repeated START: SDA falls while SCL is high.
always @(negedge sda_line) if (scl_line)
begin
    if (active)
    begin
        // Repeated START: only after address+W and a register (and the
        // SCL rise that comes with it).
        if (!(byte_no == 1 + REG_BYTES && bitpos == 1 && !reading && !ignoring))
            fault("repeated START in the wrong place");
        if ($realtime - t_scl_rise < 4700.0 * TIME_SCALE) fault("repeated START setup time below 4.7 us");
    end
    else if ($realtime - t_stop < 4700.0 * TIME_SCALE)
        fault("bus free time below 4.7 us");
    active = 1'b1;
    ignoring = 1'b0;
    bitpos = 0;
    byte_no = 0;
    reading = 1'b0;
    read_done = 1'b0;
    write_complete = 1'b0;
    t_start = $realtime;
    first_fall_after_start = 1'b1;
    drive_low = 1'b0;
end

// STOP: SDA rises while SCL is high.
always @(posedge sda_line) if (scl_line && active)
begin
    if ($realtime - t_scl_rise < 4000.0 * TIME_SCALE) fault("STOP setup time below 4.0 us");
    // Between the last acknowledge and the STOP, SCL rises once.
    if (bitpos != 1) transfer_ok = 1'b0;
    if (!ignoring && !reading && write_complete)
        add_log(1'b0, reg_ptr, write_data, transfer_ok);
    else if (!ignoring && reading && read_done)
        add_log(1'b1, reg_ptr, tx, transfer_ok && master_nack);
    else if (!ignoring)
        fault("STOP before a complete write or read");
    active = 1'b0;
    have_ptr = 1'b0;
    transfer_ok = 1'b1;
    t_stop = $realtime;
    drive_low = 1'b0;
end

always @(posedge scl_line) if ($realtime > 0.0)   // not while the nets settle at time 0
begin
    if ($realtime - t_scl_rise < 10000.0 * TIME_SCALE) fault("SCL faster than 100 kHz");
    if ($realtime - t_scl_fall < 4700.0 * TIME_SCALE) fault("SCL low time below 4.7 us");
    if ($realtime - t_sda_change < 250.0 * TIME_SCALE && active) fault("data setup time below 250 ns");
    t_scl_rise = $realtime;
    if (active && !ignoring)
    begin
        bitpos = bitpos + 1;
        if (bitpos <= 8 && !reading)
            shift = {shift[6:0], sda};
        if (bitpos == 9 && reading)
        begin
            master_nack = (sda === 1'b1);
            read_done = 1'b1;
        end
        if (sda !== 1'b0 && sda !== 1'b1) fault("SDA not 0 or 1 at a rising SCL edge");
    end
end

always @(negedge scl_line) if ($realtime > 0.0)
begin
    if ($realtime - t_scl_rise < 4000.0 * TIME_SCALE) fault("SCL high time below 4.0 us");
    if (first_fall_after_start && $realtime - t_start < 4000.0 * TIME_SCALE) fault("START hold time below 4.0 us");
    first_fall_after_start = 1'b0;
    t_scl_fall = $realtime;
    if (active && !ignoring)
    begin
        if (bitpos == 8)
        begin
            // Acknowledge slot.
            drive_low = 1'b0;
            if (!reading)
            begin
                if (byte_no == 0)
                begin
                    if (shift[7:1] != ADDRESS || absent)
                        ignoring = 1'b1;
                    else if (shift[0] && !have_ptr)
                    begin
                        fault("read without a register written first");
                        ignoring = 1'b1;
                    end
                    else
                        drive_low = 1'b1;
                end
                else if (byte_no <= REG_BYTES)
                begin
                    reg_ptr = {reg_ptr, shift};
                    have_ptr = byte_no == REG_BYTES;
                    drive_low = 1'b1;
                end
                else if (byte_no == REG_BYTES + 1 && nack_register == reg_ptr)
                begin
                    add_log(1'b0, reg_ptr, shift, 1'b0);
                    ignoring = 1'b1;
                end
                else if (byte_no <= REG_BYTES + DATA_BYTES)
                begin
                    write_data = {write_data, shift};
                    if (byte_no == REG_BYTES + DATA_BYTES)
                    begin
                        regs[reg_ptr[7:0]] = shift;
                        write_complete = 1'b1;
                    end
                    drive_low = 1'b1;
                end
                else
                begin
                    fault("more data bytes than a write holds");
                    ignoring = 1'b1;
                end
            end
        end
        else if (bitpos == 9)
        begin
            // End of the acknowledge slot.
            drive_low = 1'b0;
            if (byte_no == 0 && shift[0])
                reading = 1'b1;
            byte_no = byte_no + 1;
            bitpos = 0;
            if (reading && !read_done)
            begin
                tx = regs[reg_ptr[7:0]];
                drive_low = ~tx[7];
            end
        end
        else if (reading && !read_done && bitpos >= 1 && bitpos <= 7)
            drive_low = ~tx[7 - bitpos];
    end
end

always @(sda_line) t_sda_change = $realtime;

endmodule
