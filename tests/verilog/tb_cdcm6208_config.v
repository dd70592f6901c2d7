// Testbench of I2C_CDCM6208_Config and I2C_CDCM6208_Controller: the register
// writes of a programming after reset, checked through cdcm6208_monitor.
//
//   - fast instances (I2C_Freq raised so that the controller clock is iCLK/4,
//     their monitors' bus limits scaled alike): every frequency set (3
//     programs set 0) with several sets of disabled outputs, the pauses, and
//     I2C_DONE low until the last pause is over;
//   - nack: the chip refuses the write of register 4 three times; the write
//     is sent again until it is taken, and I2C_DONE stays low meanwhile;
//   - full: the default parameters: the controller clock toggles every 313
//     clocks of iCLK, and the first write (its pause moved on to its last
//     clocks) comes at standard-mode bus timing.
// Each instance's clock stops when its checks are done, to keep the run short.
`timescale 1ns / 1ps

module tb_cdcm6208_config;

`include "bench.vh"

localparam integer CLK_HZ   = 50000000;
localparam integer FAST_I2C = CLK_HZ / 8;  // divider limit 1: controller clock iCLK / 4
localparam real    FAST_CTRL = 80.0;       // ns
localparam real    FULL_CTRL = 2.0 * 313.0 * 20.0;
localparam real    FAST_SCALE = FAST_CTRL / FULL_CTRL;
localparam integer RUNS = 6;

// A clean falling edge of the reset, after time 0.
reg      rst_n = 1'b1;
realtime t_reset = 0.0;
initial #1 rst_n = 1'b0;

// ------------------------------------------------------- fast instances

reg  [1:0] select  [0:RUNS-1];
reg  [5:0] disable_bits [0:RUNS-1];
wire [RUNS-1:0] scl, sda, done;
realtime   t_done [0:RUNS-1];
reg        fast_on = 1'b1;

genvar g;
generate
    for (g = 0; g < RUNS; g = g + 1)
    begin : run
        pullup (scl[g]);
        pullup (sda[g]);
        I2C_CDCM6208_Config #(.I2C_Freq(FAST_I2C)) dut (
            .iCLK         (clk & fast_on),
            .iRST_N       (rst_n),
            .iFREQ_SELECT (select[g]),
            .iFREQ_DISABLE(disable_bits[g]),
            .I2C_SCLK     (scl[g]),
            .I2C_SDAT     (sda[g]),
            .I2C_DONE     (done[g])
        );
        cdcm6208_monitor #(.TIME_SCALE(FAST_SCALE), .CTRL_PERIOD(FAST_CTRL)) mon (.scl(scl[g]), .sda(sda[g]));
        always @(posedge done[g]) t_done[g] = $realtime;
    end
endgenerate

initial
begin
    select[0] = 2'd0; disable_bits[0] = 6'b000000;
    select[1] = 2'd1; disable_bits[1] = 6'b000100;  // PCIE off
    select[2] = 2'd2; disable_bits[2] = 6'b111111;  // every output off
    select[3] = 2'd3; disable_bits[3] = 6'b101010;  // set 0; FMCD, SATA_HOST, DDR3 off
    select[4] = 2'd1; disable_bits[4] = 6'b010101;  // FMCA, PCIE, SATA_DEVICE off
    select[5] = 2'd2; disable_bits[5] = 6'b000000;  // the nack run
end

// ------------------------------------------------------------------ nack

integer refused = 0;
reg     done_during_refusals = 1'b0;

initial
begin
    run[5].mon.chip.nack_register = 4;
    wait (rst_n === 1'b1);
    while (refused < 3)
    begin
        @(run[5].mon.chip.log_count);
        if (run[5].mon.chip.log_ok[run[5].mon.chip.log_count - 1] === 1'b0) refused = refused + 1;
        if (done[5] !== 1'b0) done_during_refusals = 1'b1;
    end
    run[5].mon.chip.nack_register = -1;
end

// ------------------------------------------------------------- full speed

wire full_scl, full_sda, full_done;
pullup (full_scl);
pullup (full_sda);
reg  full_on = 1'b1;

I2C_CDCM6208_Config full (
    .iCLK         (clk & full_on),
    .iRST_N       (rst_n),
    .iFREQ_SELECT (2'd1),
    .iFREQ_DISABLE(6'b000000),
    .I2C_SCLK     (full_scl),
    .I2C_SDAT     (full_sda),
    .I2C_DONE     (full_done)
);
i2c_slave_model #(.ADDRESS(7'h54), .REG_BYTES(2), .DATA_BYTES(2)) full_chip (.scl(full_scl), .sda(full_sda));

realtime t_toggle [0:3];
integer  toggles = 0;
always @(full.mI2C_CTRL_CLK) if (rst_n === 1'b1 && toggles < 4) begin t_toggle[toggles] = $realtime; toggles = toggles + 1; end

reg full_finished = 1'b0;

initial
begin
    wait (rst_n === 1'b1);
    wait (toggles == 4);
    // The first pause: 800 controller clocks, of which the last 10 are run.
    wait (full.mSetup_ST == 2'd1);
    if (full.mWAIT_LEN !== 16'd800)
        `FAIL(("FAIL: full: the first pause is %0d controller clocks, expected 800", full.mWAIT_LEN));
    @(negedge full.mI2C_CTRL_CLK) full.mWAIT_CNT = 16'd790;
    if (t_toggle[1] - t_toggle[0] != 313 * 20.0 || t_toggle[3] - t_toggle[2] != 313 * 20.0)
        `FAIL(("FAIL: full: the controller clock toggles after %0.1f ns, expected every 313 clocks",
               t_toggle[1] - t_toggle[0]));
    wait (full_chip.log_count == 1);
    if (full_chip.log_reg[0] !== 16'h0003 || full_chip.log_data[0] !== 16'h0000 || full_chip.log_ok[0] !== 1'b1)
        `FAIL(("FAIL: full: the first write is %h <= %h (clean %b), expected 0003 <= 0000",
               full_chip.log_reg[0], full_chip.log_data[0], full_chip.log_ok[0]));
    if (full_done !== 1'b0)
        `FAIL(("FAIL: full: I2C_DONE high while the programming runs"));
    full_on = 1'b0;
    full_finished = 1'b1;
end

// ----------------------------------------------------------------- checks

integer k;
reg [8*40-1:0] label;

initial
begin
    wait_cycles(5);
    if (done !== {RUNS{1'b0}} || full_done !== 1'b0)
        `FAIL(("FAIL: I2C_DONE high in reset"));
    rst_n <= 1'b1;
    @(posedge clk);
    t_reset = $realtime;
    wait (done === {RUNS{1'b1}});
    wait_cycles(2000);
    fast_on = 1'b0;
    for (k = 0; k < RUNS; k = k + 1)
    begin
        $sformat(label, "select %0d, disable %b", select[k], disable_bits[k]);
        case (k)
            0: begin run[0].mon.expect_programming(select[0], disable_bits[0], -1, 0); run[0].mon.check(label, t_reset, t_done[0]); end
            1: begin run[1].mon.expect_programming(select[1], disable_bits[1], -1, 0); run[1].mon.check(label, t_reset, t_done[1]); end
            2: begin run[2].mon.expect_programming(select[2], disable_bits[2], -1, 0); run[2].mon.check(label, t_reset, t_done[2]); end
            3: begin run[3].mon.expect_programming(select[3], disable_bits[3], -1, 0); run[3].mon.check(label, t_reset, t_done[3]); end
            4: begin run[4].mon.expect_programming(select[4], disable_bits[4], -1, 0); run[4].mon.check(label, t_reset, t_done[4]); end
            default: begin run[5].mon.expect_programming(select[5], disable_bits[5], 4, 3); run[5].mon.check("nack", t_reset, t_done[5]); end
        endcase
        if (scl[k] !== 1'b1 || sda[k] !== 1'b1)
            `FAIL(("FAIL: %0s: the bus is not idle at the end", label));
    end
    errors = errors + run[0].mon.errors + run[1].mon.errors + run[2].mon.errors + run[3].mon.errors +
             run[4].mon.errors + run[5].mon.errors;
    if (refused != 3 || done_during_refusals)
        `FAIL(("FAIL: nack: %0d refusals seen, done high meanwhile %b", refused, done_during_refusals));
    wait (full_finished === 1'b1);
    finish_bench(run[0].mon.chip.errors + run[1].mon.chip.errors +
                 run[2].mon.chip.errors + run[3].mon.chip.errors + run[4].mon.chip.errors +
                 run[5].mon.chip.errors + full_chip.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
