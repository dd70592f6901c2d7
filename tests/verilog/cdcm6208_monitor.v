// The CDCM6208 as its controller sees it: an I2C slave at address 0x54 with
// 16-bit registers and 16-bit values (i2c_slave_model), the START and STOP
// time of every write, and the check of one programming against the writes
// the chip must receive for a frequency set and a set of disabled outputs.
//
// CTRL_PERIOD is the controller clock period of the configuration module
// under test (four of them make one SCL period); the pauses of the
// programming are checked in those clocks.
`timescale 1ns / 1ps

module cdcm6208_monitor #(
    parameter real TIME_SCALE  = 1.0,
    parameter real CTRL_PERIOD = 80.0
) (
    input wire scl,
    inout wire sda
);

i2c_slave_model #(.ADDRESS(7'h54), .TIME_SCALE(TIME_SCALE), .REG_BYTES(2), .DATA_BYTES(2)) chip (
    .scl(scl),
    .sda(sda)
);

integer errors = 0;

// START and end of each logged transfer.
realtime t_start [0:255];
realtime t_end   [0:255];
always @(negedge sda) if (scl === 1'b1) t_start[chip.log_count] = $realtime;
always @(chip.log_count) if (chip.log_count > 0) t_end[chip.log_count - 1] = $realtime;

// ------------------------------------------------------------ expected

integer     exp_count = 0;
reg  [15:0] exp_reg   [0:63];
reg  [15:0] exp_data  [0:63];
reg         exp_ok    [0:63];
integer     exp_pause [0:63];  // controller clocks of the pause before the write, 0 for none

task expect_write(input [15:0] r, input [15:0] d, input integer pause);
begin
    exp_reg[exp_count]   = r;
    exp_data[exp_count]  = d;
    exp_ok[exp_count]    = 1'b1;
    exp_pause[exp_count] = pause;
    exp_count = exp_count + 1;
end
endtask

// A write the chip refuses at its first data byte (logged with that byte).
task expect_refused(input [15:0] r, input [7:0] first_byte);
begin
    exp_reg[exp_count]   = r;
    exp_data[exp_count]  = {8'h00, first_byte};
    exp_ok[exp_count]    = 1'b0;
    exp_pause[exp_count] = 0;
    exp_count = exp_count + 1;
end
endtask

// The writes of one programming, in table order: the frequency set picks
// the divider values (set 3 programs set 0), a disabled output leaves its
// enable bit 1 clear. With refuse_reg not -1, the write of that register is
// refused refusals times before it is taken.
task expect_programming(input [1:0] select, input [5:0] off, input integer refuse_reg, input integer refusals);
    reg [1:0] s;
    integer   i;
begin
    s = select == 2'd3 ? 2'd0 : select;
    exp_count = 0;
    expect_write(16'h0003, 16'h0000, 800);
    expect_write(16'h0003, 16'h0040, 125);
    expect_write(16'h0000, 16'h01B9, 125);
    expect_write(16'h0001, 16'h0000, 0);
    expect_write(16'h0002, s == 2'd0 ? 16'h0017 : 16'h001D, 0);
    expect_write(16'h0003, s == 2'd0 ? 16'h00F5 : 16'h00F4, 0);
    if (refuse_reg == 4)
        for (i = 0; i < refusals; i = i + 1) expect_refused(16'h0004, 8'h30);
    expect_write(16'h0004, 16'h30EB, 0);
    expect_write(16'h0005, 16'h0001 | (off[0] ? 16'h0000 : 16'h0002) | (off[1] ? 16'h0000 : 16'h0020), 0);
    expect_write(16'h0006, s == 2'd2 ? 16'h0004 : 16'h0005, 0);
    expect_write(16'h0007, off[2] ? 16'h0001 : 16'h0003, 0);
    expect_write(16'h0008, 16'h0005, 0);
    expect_write(16'h0009, off[4] ? 16'h0001 : 16'h0003, 0);
    expect_write(16'h000A, s == 2'd0 ? 16'h0030 : 16'h0040, 0);
    expect_write(16'h000B, 16'h0000, 0);
    expect_write(16'h000C, off[3] ? 16'h0001 : 16'h0003, 0);
    expect_write(16'h000D, s == 2'd0 ? 16'h0030 : 16'h0040, 0);
    expect_write(16'h000E, 16'h0000, 0);
    expect_write(16'h000F, off[5] ? 16'h0201 : 16'h0203, 0);
    expect_write(16'h0010, 16'h0014, 0);
    expect_write(16'h0011, 16'h0000, 0);
    expect_write(16'h0012, s == 2'd0 ? 16'h0001 : 16'h0201, 0);
    expect_write(16'h0013, s == 2'd0 ? 16'h0000 : 16'h0014, 0);
    expect_write(16'h0014, 16'h0000, 0);
end
endtask

// Compares the log with the expected writes: count, order, register, value,
// acknowledged or refused as expected, and the pauses. t_reset is the time
// the controller left reset, from which the first pause counts; t_done the
// time its done output rose (after the last pause of 125 clocks).
task check(input [8*40-1:0] what, input realtime t_reset, input realtime t_done);
    integer  i, shown;
    realtime gap;
begin
    if (chip.log_count != exp_count)
    begin
        errors = errors + 1;
        $display("FAIL: %0s: %0d I2C writes, expected %0d", what, chip.log_count, exp_count);
    end
    shown = 0;
    for (i = 0; i < exp_count && i < chip.log_count; i = i + 1)
    begin
        gap = i == 0 ? t_start[0] - t_reset : t_start[i] - t_end[i - 1];
        if (chip.log_read[i] !== 1'b0 || chip.log_reg[i] !== exp_reg[i] || chip.log_data[i] !== exp_data[i] ||
            chip.log_ok[i] !== exp_ok[i] || gap < exp_pause[i] * CTRL_PERIOD ||
            (exp_pause[i] == 0 && gap > 100 * CTRL_PERIOD))
        begin
            errors = errors + 1;
            if (shown < 4)
                $display("FAIL: %0s: write %0d is register %h <= %h (clean %b) after %0.1f clocks, expected %h <= %h (clean %b) after %0d",
                         what, i + 1, chip.log_reg[i], chip.log_data[i], chip.log_ok[i], gap / CTRL_PERIOD,
                         exp_reg[i], exp_data[i], exp_ok[i], exp_pause[i]);
            shown = shown + 1;
        end
    end
    if (chip.log_count > 0 && (t_done - t_end[chip.log_count - 1] < 125 * CTRL_PERIOD ||
                               t_done - t_end[chip.log_count - 1] > 200 * CTRL_PERIOD))
    begin
        errors = errors + 1;
        $display("FAIL: %0s: done rose %0.1f clocks after the last write, expected after the pause of 125",
                 what, (t_done - t_end[chip.log_count - 1]) / CTRL_PERIOD);
    end
end
endtask

endmodule
