// Included in the Si5340 controller testbenches after bench.vh. The bench
// names its instances:
//   dut        the controller under test, its I2C side clocked by fast_clk
//              (iCLK / 4 forced in place of the divider's iCLK / 128, so 32
//              times faster; its slave model's limits are scaled alike);
//   chip       the slave model on dut's bus, at address 0x77;
//   GENERATED  (a macro) the controller instantiated as the generated top
//              level writes it, at full speed, with slave model chip2.
// The bench declares `reg start` (dut's iStart) before including this file,
// which gives the clocks, what the generated top level connects, the
// expected register writes of a sequence and their check against chip's
// log, and the check of the generated instance. A bench whose controller
// begins with other writes than page 0, 0x18 <= FF, 0x21 <= 0F defines
// FIRST_WRITES as {page or register, value} of its first three writes.

`ifndef FIRST_WRITES
`define FIRST_WRITES {8'h01, 8'h00, 8'h18, 8'hFF, 8'h21, 8'h0F}
`endif

localparam integer PULSE_LATENCY = 1024;   // start-up pulse to first START, at most

integer cycle = 0;
always @(posedge clk) cycle = cycle + 1;

// Each instance's clock stops when its checks are done, to keep the run short.
reg  dut_finished = 1'b0;
reg  fast_on = 1'b1;
reg  [1:0] fast_div = 2'd0;
always @(posedge clk) if (fast_on) fast_div <= fast_div + 2'd1;
wire fast_clk = fast_div[1];
wire dut_clk = clk & !dut_finished;
initial force dut.i2c_ctrl_clk = fast_clk;

// What the generated top level connects to the controller.
reg  [3:0] BUTTON = 4'hF;
reg        CPU_RESET_n = 1'b0;
reg        generated_on = 1'b1;
wire       CLK_50_B2F = clk & generated_on;
wire       CLK_50_B2J = clk & generated_on;
reg        generated_finished = 1'b0;

// ---------------------------------------------------- expected writes
//
// Listed page by page, as the chip's register map is written: expect_write
// adds the write of the page number to the page register 0x01 whenever the
// page changes.

integer   exp_count = 0;
integer   exp_page_now = -1;
reg [7:0] exp_page [0:127];
reg [7:0] exp_reg  [0:127];
reg [7:0] exp_data [0:127];

task expect_begin;
begin
    exp_count = 0;
    exp_page_now = -1;
end
endtask

task expect_add(input [7:0] p, input [7:0] r, input [7:0] d);
begin
    exp_page[exp_count] = p;
    exp_reg[exp_count]  = r;
    exp_data[exp_count] = d;
    exp_count = exp_count + 1;
end
endtask

task expect_write(input [7:0] p, input [7:0] r, input [7:0] d);
begin
    if (exp_page_now != p)
    begin
        expect_add(p, 8'h01, p);
        exp_page_now = p;
    end
    expect_add(p, r, d);
end
endtask

// n bytes of v, least significant first, to the registers from r up.
task expect_bytes(input [7:0] p, input [7:0] r, input [63:0] v, input integer n);
    integer i;
    reg [63:0] rest;
begin
    rest = v;
    for (i = 0; i < n; i = i + 1)
    begin
        expect_write(p, r + i[7:0], rest[7:0]);
        rest = rest >> 8;
    end
end
endtask

// The settings of page 1 for one output: its enable and format, two fixed
// settings, and the N divider that feeds it.
task expect_output(input [7:0] r, input [7:0] enable, input [7:0] setting, input [7:0] divider);
begin
    expect_write(8'h01, r, enable);
    expect_write(8'h01, r + 8'd1, 8'h09);
    expect_write(8'h01, r + 8'd2, setting);
    expect_write(8'h01, r + 8'd3, divider);
end
endtask

// Page 2: the M divider, its update, and the four R dividers at 0.
task expect_m_divider(input [43:0] num, input [31:0] den);
begin
    expect_bytes(8'h02, 8'h35, {20'd0, num}, 6);
    expect_bytes(8'h02, 8'h3B, {32'd0, den}, 4);
    expect_write(8'h02, 8'h3F, 8'h01);
    expect_bytes(8'h02, 8'h53, 64'd0, 6);
    expect_bytes(8'h02, 8'h5F, 64'd0, 6);
end
endtask

// One N divider on page 3: numerator (6 bytes), denominator (4 bytes) and
// the update register, from register r up.
task expect_divider(input [7:0] r, input [43:0] num, input [31:0] den);
begin
    expect_bytes(8'h03, r, {20'd0, num}, 6);
    expect_bytes(8'h03, r + 8'd6, {32'd0, den}, 4);
    expect_write(8'h03, r + 8'd10, 8'h01);
end
endtask

task expect_end(input integer n);
begin
    if (exp_count != n)
        `FAIL(("FAIL: the expected sequence has %0d writes, not %0d", exp_count, n));
end
endtask

// Compares what chip logged since its log was last cleared with the
// expected writes: count, order, page, register, value, every transfer a
// write that was acknowledged and ended in a STOP.
task check_writes(input [8*48-1:0] what);
    integer i, page, shown;
begin
    if (chip.log_count != exp_count)
        `FAIL(("FAIL: %0s: %0d I2C transfers, expected %0d", what, chip.log_count, exp_count));
    page = -1;
    shown = 0;
    for (i = 0; i < exp_count && i < chip.log_count; i = i + 1)
    begin
        if (chip.log_reg[i] === 8'h01 && chip.log_read[i] === 1'b0)
            page = chip.log_data[i];
        if (chip.log_read[i] !== 1'b0 || chip.log_ok[i] !== 1'b1 || page !== exp_page[i] ||
            chip.log_reg[i] !== exp_reg[i] || chip.log_data[i] !== exp_data[i])
        begin
            if (shown < 4)
                `FAIL(("FAIL: %0s: transfer %0d is %0s page %h register %h <= %h (clean %b), expected page %h register %h <= %h",
                       what, i + 1, chip.log_read[i] ? "a read," : "a write,", page[7:0], chip.log_reg[i],
                       chip.log_data[i], chip.log_ok[i], exp_page[i], exp_reg[i], exp_data[i]))
            else
                errors = errors + 1;
            shown = shown + 1;
        end
    end
end
endtask

// ------------------------------------------------------------ dut runs

// Moves dut's start-up counter to 100 clocks before its pulse and waits for
// the first START, which must follow the pulse.
task dut_startup_soon;
    integer t_pulse;
begin
    @(negedge clk) dut.power_up.cnt = 21'h1ffffe - 21'd100;
    t_pulse = cycle + 100;
    wait (chip.active === 1'b1);
    if (cycle < t_pulse || cycle > t_pulse + PULSE_LATENCY)
        `FAIL(("FAIL: after reset the first START came %0d clocks after the start-up pulse", cycle - t_pulse));
end
endtask

// The sequence after reset, which the bench has just released: the
// register controller's done output reads done_before until the sequence
// starts, low while it runs and high after it.
task dut_first_sequence(input done_before);
begin
    if (dut.reg_controller.oONE_CLK_CONFIG_DONE !== done_before)
        `FAIL(("FAIL: the done output is not %b before the first sequence", done_before));
    dut_startup_soon;
    if (dut.reg_controller.oONE_CLK_CONFIG_DONE !== 1'b0)
        `FAIL(("FAIL: the done output is high while the sequence runs"));
    wait_sequence("after reset");
    wait_cycles(4000);
    if (dut.reg_controller.oONE_CLK_CONFIG_DONE !== 1'b1)
        `FAIL(("FAIL: the done output is low after the sequence"));
end
endtask

// Waits for the end of the sequence that runs or is starting.
task wait_sequence(input [8*48-1:0] what);
begin
    wait (dut.reg_controller.oONE_CLK_CONFIG_DONE === 1'b0);
    wait (dut.reg_controller.oONE_CLK_CONFIG_DONE === 1'b1);
    wait_cycles(50);
    if (chip.scl !== 1'b1 || chip.sda !== 1'b1)
        `FAIL(("FAIL: %0s: the bus is not idle after the sequence", what));
end
endtask

// One sequence on a rising edge of dut's iStart (the bench's reg start):
// iStart is held high through the sequence and then falls, and neither
// starts another sequence.
task dut_sequence_on_start(input [8*48-1:0] what);
begin
    chip.log_count = 0;
    wait_cycles(10);
    start <= 1'b1;
    wait_sequence(what);
    wait_cycles(2000);
    start <= 1'b0;
    wait_cycles(4000);
end
endtask

// ------------------------------------------------- the generated instance

// At full speed, its start-up counter moved on like dut's: its first three
// writes (FIRST_WRITES) come at standard-mode bus timing, checked by chip2;
// the done output stays low meanwhile. Then its clock stops.
task run_generated;
    integer t_pulse;
begin
    wait_cycles(5);
    CPU_RESET_n <= 1'b1;
    wait_cycles(20);
    @(negedge clk) `GENERATED.power_up.cnt = 21'h1ffffe - 21'd100;
    t_pulse = cycle + 100;
    wait (chip2.active === 1'b1);
    if (cycle < t_pulse || cycle > t_pulse + PULSE_LATENCY)
        `FAIL(("FAIL: generated wiring: first START %0d clocks after the start-up pulse", cycle - t_pulse));
    wait (chip2.log_count >= 3);
    if ({chip2.log_reg[0], chip2.log_data[0], chip2.log_reg[1], chip2.log_data[1],
         chip2.log_reg[2], chip2.log_data[2]} !== `FIRST_WRITES ||
        chip2.log_ok[0] !== 1'b1 || chip2.log_ok[1] !== 1'b1 || chip2.log_ok[2] !== 1'b1)
        `FAIL(("FAIL: generated wiring: the first writes are not %h", `FIRST_WRITES));
    if (`GENERATED.reg_controller.oONE_CLK_CONFIG_DONE !== 1'b0)
        `FAIL(("FAIL: generated wiring: done high while the sequence runs"));
    generated_on = 1'b0;
    generated_finished = 1'b1;
end
endtask
