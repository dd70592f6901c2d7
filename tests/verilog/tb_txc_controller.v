// Testbench of the TXC clock-generator controllers: I2C_TXCA, or I2C_TXCB
// with the macro TXCB, with one I2C slave model per generator output on the
// shared bus (TXC A: HDMI at address byte 8'h04, SFP at 8'h10; TXC B: FMC at
// 8'h04, DP at 8'h0C, USB at 8'h10).
//
//   - dut, its control clock sped up (CLK_Freq 160000 in place of 50 MHz:
//     its divider count is 1 in place of 312; the slave models' limits are
//     scaled alike): for every code 0 to 15 in every position, after reset,
//     each output gets its nine writes, with the values of its code, in
//     order; the outputs come one after the other, each only once those
//     before it are done; the pauses before the first and after the last
//     write; I2C_DONE, and a quiet bus after it. A refused data byte is
//     written again; a device that does not answer its address is tried
//     again until it answers.
//   - the instance as the generated top level writes it, at full speed
//     (50 MHz, 20 kHz bus; three of the four opening pauses skipped): its
//     first write, at standard-mode bus timing, and the bus rate.
`timescale 1ns / 1ps

module tb_txc_controller;

`include "bench.vh"

integer cycle = 0;
always @(posedge clk) cycle = cycle + 1;

localparam integer CTRL = 4;                  // dut's control-clock period, in clk cycles
localparam real    SCALE = 4.0 / 626.0;       // dut's bus time against the real one
localparam integer PAUSE = 200;               // control-clock cycles of a pause word, at least
localparam integer WRITE_WAIT = 10;           // control-clock cycles before each write, at least
localparam integer SLACK = 30;                // control-clock cycles of latency allowed around pauses

// The register values of each code, from code 0 (top byte) to code 9;
// codes 10 to 15 take those of code 0.
localparam [79:0] REG10 = 80'h45_37_33_2F_2E_1A_18_17_0C_0B;
localparam [79:0] REG11 = 80'h38_38_38_39_38_39_3A_38_3B_3A;
localparam [79:0] REG12 = 80'h0A_0A_0A_0A_0A_08_48_0A_08_08;
localparam [79:0] REG13 = 80'h00_AA_00_00_00_00_00_00_00_00;
localparam [79:0] REG14 = 80'h00_EA_C0_A0_00_00_00_00_00_82;
localparam [79:0] REG15 = 80'h27_F2_07_CC_27_21_02_27_98_B2;

function [7:0] value_of(input [79:0] row, input [3:0] code);
    value_of = row[79 - 8 * (code > 4'd9 ? 0 : code) -: 8];
endfunction

// ---------------------------------------------------------------- dut

reg         rst_n = 1'b0;
reg  [11:0] sel = 12'd0;
wire        scl, sda;
wire        done;
pullup (scl);
pullup (sda);

`ifdef TXCB
localparam integer OUTPUTS = 3;

I2C_TXCB dut (
    .iCLK         (clk),
    .iRST_N       (rst_n),
    .iFREQ_SELECTB(sel),
    .CLOCK_SCL    (scl),
    .CLOCK_SDA    (sda),
    .I2C_DONE     (done)
);
defparam dut.FMC_Config.CLK_Freq = 160000;
defparam dut.DP_Config.CLK_Freq = 160000;
defparam dut.USB_Config.CLK_Freq = 160000;

i2c_slave_model #(.ADDRESS(7'h02), .TIME_SCALE(SCALE)) out0 (.scl(scl), .sda(sda));   // FMC
i2c_slave_model #(.ADDRESS(7'h06), .TIME_SCALE(SCALE)) out1 (.scl(scl), .sda(sda));   // DP
i2c_slave_model #(.ADDRESS(7'h08), .TIME_SCALE(SCALE)) out2 (.scl(scl), .sda(sda));   // USB

wire [2:0] output_done = {dut.USB_Config.I2C_DONE, dut.DP_Config.I2C_DONE, dut.FMC_Config.I2C_DONE};
`else
localparam integer OUTPUTS = 2;

I2C_TXCA dut (
    .iCLK         (clk),
    .iRST_N       (rst_n),
    .iFREQ_SELECTA(sel[7:0]),
    .CLOCK_SCL    (scl),
    .CLOCK_SDA    (sda),
    .I2C_DONE     (done)
);
defparam dut.HDMI_Config.CLK_Freq = 160000;
defparam dut.SFP_Config.CLK_Freq = 160000;

i2c_slave_model #(.ADDRESS(7'h02), .TIME_SCALE(SCALE)) out0 (.scl(scl), .sda(sda));   // HDMI
i2c_slave_model #(.ADDRESS(7'h08), .TIME_SCALE(SCALE)) out1 (.scl(scl), .sda(sda));   // SFP

wire [2:0] output_done = {1'b1, dut.SFP_Config.I2C_DONE, dut.HDMI_Config.I2C_DONE};
`endif

// The code of output o (0 = the first in the chain) in sel.
function [3:0] code_of(input integer o);
    code_of = sel[4 * (OUTPUTS - 1 - o) +: 4];
endfunction

function integer log_count(input integer o);
begin
    case (o)
        0: log_count = out0.log_count;
        1: log_count = out1.log_count;
`ifdef TXCB
        2: log_count = out2.log_count;
`endif
        default: log_count = 0;
    endcase
end
endfunction

// Entry i of output o's log: register, value, and whether it was a clean
// write.
task log_entry(input integer o, input integer i, output [7:0] r, output [7:0] d, output clean);
begin
    case (o)
        0: begin r = out0.log_reg[i]; d = out0.log_data[i]; clean = out0.log_ok[i] && !out0.log_read[i]; end
        1: begin r = out1.log_reg[i]; d = out1.log_data[i]; clean = out1.log_ok[i] && !out1.log_read[i]; end
`ifdef TXCB
        2: begin r = out2.log_reg[i]; d = out2.log_data[i]; clean = out2.log_ok[i] && !out2.log_read[i]; end
`endif
        default: begin r = 8'hxx; d = 8'hxx; clean = 1'b0; end
    endcase
end
endtask

// ------------------------------------------------------ bus monitoring

integer starts = 0;
integer begin_at [0:2];         // the output's controller leaves reset
integer first_start [0:2];      // its first START
integer last_stop [0:2];        // its last STOP
integer done_at [0:2];          // its I2C_DONE rises
integer k;
integer now_on;                 // the output that the monitor attributes a START to

// The output whose controller runs: the first not done.
function integer running(input [2:0] outputs_done);
    running = !outputs_done[0] ? 0 : !outputs_done[1] ? 1 : 2;
endfunction

always @(negedge sda) if (scl === 1'b1 && rst_n === 1'b1)
begin
    starts = starts + 1;
    now_on = running(output_done);
    if (first_start[now_on] < 0)
        first_start[now_on] = cycle;
    // Between two writes of one output, the wait before a write.
    else if (cycle - last_stop[now_on] < WRITE_WAIT * CTRL || cycle - last_stop[now_on] > (WRITE_WAIT + SLACK) * CTRL)
        `FAIL(("FAIL: output %0d: START %0d control clocks after the STOP before it", now_on, (cycle - last_stop[now_on]) / CTRL))
end

always @(posedge sda) if (scl === 1'b1 && rst_n === 1'b1)
    last_stop[running(output_done)] = cycle;

always @(posedge output_done[0]) if (rst_n === 1'b1) begin done_at[0] = cycle; begin_at[1] = cycle; end
always @(posedge output_done[1]) if (rst_n === 1'b1) begin done_at[1] = cycle; begin_at[2] = cycle; end
always @(posedge output_done[2]) if (rst_n === 1'b1) done_at[2] = cycle;

// An output's first write comes only once every output before it is done.
always @(out1.log_count) if (out1.log_count == 1 && output_done[0] !== 1'b1)
    `FAIL(("FAIL: output 1 written before output 0 is done"))
`ifdef TXCB
always @(out2.log_count) if (out2.log_count == 1 && output_done[1:0] !== 2'b11)
    `FAIL(("FAIL: output 2 written before outputs 0 and 1 are done"))
`endif

// I2C_DONE is the last output's done.
always @(done or output_done) if (rst_n === 1'b1 && done !== output_done[OUTPUTS - 1])
    `FAIL(("FAIL: I2C_DONE is %b while the last output's done is %b", done, output_done[OUTPUTS - 1]))

// ------------------------------------------------------------ the runs

// Resets the dut with the codes given and runs it to I2C_DONE.
task run(input [11:0] codes);
begin
    rst_n <= 1'b0;
    wait_cycles(5);
    sel = codes;
    out0.log_count = 0;
    out1.log_count = 0;
`ifdef TXCB
    out2.log_count = 0;
`endif
    for (k = 0; k < 3; k = k + 1)
    begin
        begin_at[k] = -1;
        first_start[k] = -1;
        last_stop[k] = -1;
        done_at[k] = -1;
    end
    if (done !== 1'b0 || scl !== 1'b1 || sda !== 1'b1)
        `FAIL(("FAIL: in reset: I2C_DONE high or the bus not released"));
    @(negedge clk) rst_n <= 1'b1;
    begin_at[0] = cycle + 1;
    wait (done === 1'b1);
    wait_cycles(2);
end
endtask

// Checks output o after a run: its nine writes (a refused write to
// register nack_reg, when not -1, comes first and is then written again),
// and the pauses before its first START and after its last STOP.
task check_output(input integer o, input integer nack_reg, input [8*40-1:0] what);
    reg [7:0] exp_reg  [0:9];
    reg [7:0] exp_data [0:9];
    reg       exp_clean [0:9];
    integer   n, i, shown;
    reg [7:0] r, d;
    reg       clean;
    reg [3:0] code;
begin
    code = code_of(o);
    n = 0;
    for (i = 0; i < 9; i = i + 1)
    begin
        case (i)
            0: begin r = 8'h10; d = value_of(REG10, code); end
            1: begin r = 8'h11; d = value_of(REG11, code); end
            2: begin r = 8'h12; d = value_of(REG12, code); end
            3: begin r = 8'h13; d = value_of(REG13, code); end
            4: begin r = 8'h14; d = value_of(REG14, code); end
            5: begin r = 8'h15; d = value_of(REG15, code); end
            6: begin r = 8'h62; d = 8'h00; end
            7: begin r = 8'h62; d = 8'h01; end
            default: begin r = 8'h62; d = 8'h00; end
        endcase
        if (nack_reg == r && n == i)
        begin
            exp_reg[n] = r; exp_data[n] = d; exp_clean[n] = 1'b0;
            n = n + 1;
        end
        exp_reg[n] = r; exp_data[n] = d; exp_clean[n] = 1'b1;
        n = n + 1;
    end
    if (log_count(o) != n)
        `FAIL(("FAIL: %0s: output %0d (code %0d): %0d transfers, expected %0d", what, o, code, log_count(o), n));
    shown = 0;
    for (i = 0; i < n && i < log_count(o); i = i + 1)
    begin
        log_entry(o, i, r, d, clean);
        if (r !== exp_reg[i] || d !== exp_data[i] || clean !== exp_clean[i])
        begin
            if (shown < 4)
                `FAIL(("FAIL: %0s: output %0d (code %0d): transfer %0d is %h <= %h (clean %b), expected %h <= %h (clean %b)",
                       what, o, code, i + 1, r, d, clean, exp_reg[i], exp_data[i], exp_clean[i]))
            else
                errors = errors + 1;
            shown = shown + 1;
        end
    end
    // Four pauses and the wait before a write, then the write's START.
    if (first_start[o] - begin_at[o] < 4 * PAUSE * CTRL || first_start[o] - begin_at[o] > (4 * PAUSE + SLACK) * CTRL)
        `FAIL(("FAIL: %0s: output %0d: first START %0d control clocks after its reset ended",
               what, o, (first_start[o] - begin_at[o]) / CTRL));
    // Two pauses after the last STOP.
    if (done_at[o] - last_stop[o] < 2 * PAUSE * CTRL || done_at[o] - last_stop[o] > (2 * PAUSE + SLACK) * CTRL)
        `FAIL(("FAIL: %0s: output %0d: done %0d control clocks after its last STOP",
               what, o, (done_at[o] - last_stop[o]) / CTRL));
end
endtask

task check_run(input integer nack_output, input integer nack_reg, input [8*40-1:0] what);
    integer o, quiet_from;
begin
    for (o = 0; o < OUTPUTS; o = o + 1)
        check_output(o, o == nack_output ? nack_reg : -1, what);
    // Nothing more on the bus once done.
    quiet_from = starts;
    wait_cycles(1000 * CTRL);
    if (starts != quiet_from || done !== 1'b1)
        `FAIL(("FAIL: %0s: bus activity after I2C_DONE, or I2C_DONE fell", what));
end
endtask

reg [8*40-1:0] label;
integer r, tries_from;
reg dut_finished = 1'b0;

initial
begin
    for (k = 0; k < 3; k = k + 1) begin begin_at[k] = -1; first_start[k] = -1; last_stop[k] = -1; done_at[k] = -1; end

    // Every code in every position: output o gets code (r + 5 * o) mod 16.
    for (r = 0; r < 16; r = r + 1)
    begin
        $sformat(label, "run %0d", r);
        run({r[3:0], r[3:0] + 4'd5, r[3:0] + 4'd10} >> (4 * (3 - OUTPUTS)));
        check_run(-1, -1, label);
    end

    // The last output refuses the data byte of its write to register 0x13
    // once: the same write comes again, then the rest.
    fork
        run(12'h395 >> (4 * (3 - OUTPUTS)));
        begin
            case (OUTPUTS - 1)
                1: begin out1.nack_register = 8'h13; wait (out1.log_count == 4); out1.nack_register = -1; end
`ifdef TXCB
                2: begin out2.nack_register = 8'h13; wait (out2.log_count == 4); out2.nack_register = -1; end
`endif
                default: ;
            endcase
        end
    join
    check_run(OUTPUTS - 1, 8'h13, "refused data byte");

    // The first output does not answer its address for three tries of its
    // first write: the write is tried again until it lands.
    out0.absent = 1'b1;
    tries_from = starts;
    fork
        run(12'h951 >> (4 * (3 - OUTPUTS)));
        begin
            wait (starts >= tries_from + 3);
            if (out0.log_count != 0)
                `FAIL(("FAIL: absent device: a transfer was logged"));
            out0.absent = 1'b0;
        end
    join
    check_run(-1, -1, "absent device");

    dut_finished = 1'b1;
end

// ------------------------------------------------------ generated wiring

reg  [3:0] KEY = 4'h0;
reg        generated_on = 1'b1;
wire       CLK_50_B3H = clk & generated_on;
reg        generated_finished = 1'b0;

`define TXC_100M				4'h0
`define TXC_125M				4'h1
`define TXC_135M				4'h2
`define TXC_148M5				4'h3
`define TXC_150M				4'h4
`define TXC_270M				4'h5
`define TXC_297M				4'h6
`define TXC_TXC_300M		4'h7
`define TXC_TXC_600M		4'h8
`define TXC_644M53125		4'h9

`ifdef TXCB
wire REFCLK1_SCL, REFCLK1_SDA;
pullup (REFCLK1_SCL);
pullup (REFCLK1_SDA);

// Configure TXC B
wire i2c_done_b;
I2C_TXCB FMC_DP_USB_CLK_Config(
	.iCLK(CLK_50_B3H),
	.iRST_N(KEY[0]),
	.iFREQ_SELECTB({`TXC_125M,`TXC_270M,`TXC_100M}), //[11:8]=FMC,[7:4]=DP,[3:0]=USB
	// XTC I2C Interface
	.CLOCK_SCL(REFCLK1_SCL),
	.CLOCK_SDA(REFCLK1_SDA),
	.I2C_DONE(i2c_done_b)
);

`define GENERATED FMC_DP_USB_CLK_Config.FMC_Config
wire generated_done = i2c_done_b;
localparam [7:0] GENERATED_FIRST = 8'h37;     // register 0x10 at 125 MHz
i2c_slave_model #(.ADDRESS(7'h02)) chip (.scl(REFCLK1_SCL), .sda(REFCLK1_SDA));
wire bus_scl = REFCLK1_SCL;
`else
wire REFCLK0_SCL, REFCLK0_SDA;
pullup (REFCLK0_SCL);
pullup (REFCLK0_SDA);

// Configure TXC A
wire i2c_done_a;
I2C_TXCA HDMI_SFP_CLK_Config(
	.iCLK(CLK_50_B3H),
	.iRST_N(KEY[0]),
	.iFREQ_SELECTA({`TXC_TXC_300M,`TXC_TXC_600M}), //[7:4]=HDMI,[3:0]=SFP
	// XTC I2C Interface
	.CLOCK_SCL(REFCLK0_SCL),
	.CLOCK_SDA(REFCLK0_SDA),
	.I2C_DONE(i2c_done_a)
);

`define GENERATED HDMI_SFP_CLK_Config.HDMI_Config
wire generated_done = i2c_done_a;
localparam [7:0] GENERATED_FIRST = 8'h17;     // register 0x10 at 300 MHz
i2c_slave_model #(.ADDRESS(7'h02)) chip (.scl(REFCLK0_SCL), .sda(REFCLK0_SDA));
wire bus_scl = REFCLK0_SCL;
`endif

// SCL periods of the first write, in ns.
realtime t_rise = 0.0;
realtime period_min = 1.0e9, period_max = 0.0;
always @(posedge bus_scl) if (generated_on && chip.active)
begin
    if (t_rise > 0.0)
    begin
        if ($realtime - t_rise < period_min) period_min = $realtime - t_rise;
        if ($realtime - t_rise > period_max) period_max = $realtime - t_rise;
    end
    t_rise = $realtime;
end
always @(negedge chip.active) t_rise = 0.0;

initial
begin
    wait_cycles(5);
    KEY[0] <= 1'b1;
    // The first three pauses are skipped: the fourth one starts at once.
    @(posedge `GENERATED.ctrl_clk);
    @(negedge `GENERATED.ctrl_clk) `GENERATED.word_index = 5'd3;
    wait (chip.log_count >= 1);
    if (chip.log_reg[0] !== 8'h10 || chip.log_data[0] !== GENERATED_FIRST || chip.log_ok[0] !== 1'b1)
        `FAIL(("FAIL: generated wiring: the first write is %h <= %h (clean %b), expected 10 <= %h",
               chip.log_reg[0], chip.log_data[0], chip.log_ok[0], GENERATED_FIRST));
    // 20 kHz, from a control clock of 50 MHz / 626.
    if (period_min < 49000.0 || period_max > 51000.0)
        `FAIL(("FAIL: generated wiring: SCL periods %0.0f to %0.0f ns, expected about 50000", period_min, period_max));
    if (generated_done !== 1'b0)
        `FAIL(("FAIL: generated wiring: done high while the first output is programmed"));
    generated_on = 1'b0;
    generated_finished = 1'b1;
end

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1);
`ifdef TXCB
    finish_bench(out0.errors + out1.errors + out2.errors + chip.errors);
`else
    finish_bench(out0.errors + out1.errors + chip.errors);
`endif
end

initial
begin
    #200_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
