// Testbench of si570_controller: the I2C writes for every frequency mode,
// after reset and on iStart, checked through an I2C slave model; the output
// frequency that each mode's HS_DIV, N1 and RFREQ give is worked out from
// the crystal's nominal frequency and compared with the mode's frequency.
//
// Two controllers run side by side:
//   - generated_wiring: default parameters, wired as the generated top level
//     wires it (iStart and the status outputs open, a fixed mode); it shows
//     the start-up delay, the standard-mode bus timing and the single
//     programming after reset, then its clock stops;
//   - dut: a short start-up delay and a bus 63/4 times faster (the slave's
//     timing limits scaled alike), for every mode on iStart, a refused
//     byte and a reset in the middle of a transfer.
`timescale 1ns / 1ps

module tb_si570_controller;

localparam real XTAL_HZ = 114.285e6;        // nominal crystal frequency
localparam real DCO_MIN_HZ = 4.85e9;
localparam real DCO_MAX_HZ = 5.67e9;
localparam real TOLERANCE = 1.0e-9;         // relative, far inside the crystal's own
localparam integer DEFAULT_DELAY = 1000000; // start-up delay in cycles of the 50 MHz clock
localparam integer FAST_DELAY = 2000;
localparam [15:0] FAST_HALF_PERIOD = 16'd4;

`include "bench.vh"

reg       rst_n = 1'b0;
reg       start = 1'b0;
reg [2:0] mode = 3'd3;

wire scl, sda;
pullup (sda);
wire       done;
wire [7:0] read_data;
wire       ready;

si570_controller #(
    .INITIAL_DELAY  (FAST_DELAY),
    .I2C_HALF_PERIOD(FAST_HALF_PERIOD)
) dut (
    .iCLK                      (clk),
    .iRST_n                    (rst_n),
    .iStart                    (start),
    .iFREQ_MODE                (mode),
    .I2C_CLK                   (scl),
    .I2C_DATA                  (sda),
    .oSI570_ONE_CLK_CONFIG_DONE(done),
    .oREAD_Data                (read_data),
    .oController_Ready         (ready)
);

i2c_slave_model #(.ADDRESS(7'h55), .TIME_SCALE(4.0 / 63.0)) chip (.scl(scl), .sda(sda));

reg  rst2_n = 1'b0;
reg  clk2_on = 1'b1;
wire clk2 = clk & clk2_on;
wire scl2, sda2;
pullup (sda2);
si570_controller generated_wiring (
    .iCLK(clk2), // system   clock 50mhz
    .iRST_n(rst2_n), // system reset;
    .iFREQ_MODE(3'b010),
    .I2C_CLK(scl2),
    .I2C_DATA(sda2),
    .oController_Ready()
);
i2c_slave_model #(.ADDRESS(7'h55)) chip2 (.scl(scl2), .sda(sda2));

task fail(input [8*100-1:0] what);
begin
    errors = errors + 1;
    $display("FAIL: %0s (at %.0f ns)", what, $realtime);
end
endtask

function real target_hz(input integer m);
begin
    case (m)
        0: target_hz = 100.0e6;
        1: target_hz = 125.0e6;
        2: target_hz = 156.25e6;
        3: target_hz = 250.0e6;
        4: target_hz = 312.5e6;
        5: target_hz = 322.265625e6;
        6: target_hz = 644.53125e6;
        default: target_hz = 100.0e6;
    endcase
end
endfunction

// The valid HS_DIV values.
function integer hs_div_value(input integer i);
begin
    case (i)
        0: hs_div_value = 4;
        1: hs_div_value = 5;
        2: hs_div_value = 6;
        3: hs_div_value = 7;
        4: hs_div_value = 9;
        default: hs_div_value = 11;
    endcase
end
endfunction

function real abs_real(input real x);
    abs_real = x < 0.0 ? -x : x;
endfunction

// Checks the log entries first .. first+9 of a slave model against the
// programming sequence for mode m.
task check_sequence(input integer which, input integer first, input integer m);
    integer i, hs, n1, best_hs, best_n1, h, n;
    reg [7:0] r7, r8;
    reg [37:0] rfreq;
    real f, dco, best_dco, cand, exact;
    reg       is_read [0:9];
    reg [7:0] regno [0:9];
    reg [7:0] data [0:9];
    reg       ok [0:9];
    integer count;
begin
    count = which == 1 ? chip.log_count : chip2.log_count;
    if (count != first + 10)
        `FAIL(("FAIL: mode %0d: %0d I2C transfers, expected 10", m, count - first));
    for (i = 0; i < 10; i = i + 1)
    begin
        is_read[i] = which == 1 ? chip.log_read[first + i] : chip2.log_read[first + i];
        regno[i]   = which == 1 ? chip.log_reg[first + i]  : chip2.log_reg[first + i];
        data[i]    = which == 1 ? chip.log_data[first + i] : chip2.log_data[first + i];
        ok[i]      = which == 1 ? chip.log_ok[first + i]   : chip2.log_ok[first + i];
        if (ok[i] !== 1'b1) `FAIL(("FAIL: mode %0d: transfer %0d not clean", m, i));
    end
    // Freeze the DCO, registers 7 .. 12, release the DCO, NewFreq, read 7.
    if (is_read[0] !== 1'b0 || regno[0] !== 8'd137 || data[0] !== 8'h10)
        `FAIL(("FAIL: mode %0d: first write %0d <= %h, expected 137 <= 10", m, regno[0], data[0]));
    for (i = 1; i <= 6; i = i + 1)
        if (is_read[i] !== 1'b0 || regno[i] !== 8'd6 + i)
            `FAIL(("FAIL: mode %0d: transfer %0d goes to register %0d, expected %0d", m, i, regno[i], 6 + i));
    if (is_read[7] !== 1'b0 || regno[7] !== 8'd137 || data[7] !== 8'h00)
        `FAIL(("FAIL: mode %0d: write 8 is %0d <= %h, expected 137 <= 00", m, regno[7], data[7]));
    if (is_read[8] !== 1'b0 || regno[8] !== 8'd135 || data[8] !== 8'h40)
        `FAIL(("FAIL: mode %0d: write 9 is %0d <= %h, expected 135 <= 40", m, regno[8], data[8]));
    if (is_read[9] !== 1'b1 || regno[9] !== 8'd7 || data[9] !== data[1])
        `FAIL(("FAIL: mode %0d: last transfer is not a read of register 7", m));

    // Decode and work out the output frequency.
    r7 = data[1];
    r8 = data[2];
    hs = r7[7:5] + 4;
    n1 = {r7[4:0], r8[7:6]} + 1;
    rfreq = {r8[5:0], data[3], data[4], data[5], data[6]};
    if (!(hs == 4 || hs == 5 || hs == 6 || hs == 7 || hs == 9 || hs == 11))
        `FAIL(("FAIL: mode %0d: HS_DIV %0d is not a valid divider", m, hs));
    if (n1 != 1 && n1 % 2 != 0)
        `FAIL(("FAIL: mode %0d: N1 %0d is neither 1 nor even", m, n1));
    f = XTAL_HZ * (rfreq / 268435456.0) / (hs * n1);
    dco = f * hs * n1;
    $display("mode %0d: HS_DIV %0d, N1 %0d, RFREQ %h -> %.6f MHz (DCO %.3f MHz)", m, hs, n1, rfreq, f / 1.0e6, dco / 1.0e6);
    if (abs_real(f - target_hz(m)) > TOLERANCE * target_hz(m))
        `FAIL(("FAIL: mode %0d: output %.6f MHz, expected %.6f MHz", m, f / 1.0e6, target_hz(m) / 1.0e6));
    // RFREQ is the nearest value with 28 fraction bits.
    exact = target_hz(m) * hs * n1 / XTAL_HZ * 268435456.0;
    if (abs_real(exact - rfreq) > 0.5)
        `FAIL(("FAIL: mode %0d: RFREQ %h, nearest to %.3f is %.0f", m, rfreq, exact, exact));
    if (dco < DCO_MIN_HZ || dco > DCO_MAX_HZ)
        `FAIL(("FAIL: mode %0d: DCO %.3f MHz outside 4850 .. 5670 MHz", m, dco / 1.0e6));
    // The lowest DCO frequency of all valid pairs, then the lowest N1.
    best_dco = 1.0e12;
    best_hs = 0;
    best_n1 = 0;
    for (h = 0; h < 6; h = h + 1)
        for (n = 1; n <= 128; n = (n == 1) ? 2 : n + 2)
        begin
            cand = target_hz(m) * hs_div_value(h) * n;
            if (cand >= DCO_MIN_HZ && cand <= DCO_MAX_HZ &&
                (cand < best_dco || (cand == best_dco && n < best_n1)))
            begin
                best_dco = cand;
                best_hs = hs_div_value(h);
                best_n1 = n;
            end
        end
    if (hs != best_hs || n1 != best_n1)
        `FAIL(("FAIL: mode %0d: HS_DIV %0d, N1 %0d; the lowest DCO needs %0d, %0d", m, hs, n1, best_hs, best_n1));
end
endtask

// Waits until the controller has finished a sequence it started.
task wait_sequence;
    integer guard;
begin
    guard = 0;
    while (ready !== 1'b0 && guard < 100) begin @(posedge clk); guard = guard + 1; end
    if (ready !== 1'b0) fail("the controller did not start");
    guard = 0;
    while (ready !== 1'b1 && guard < 400000) begin @(posedge clk); guard = guard + 1; end
    if (ready !== 1'b1) fail("the sequence did not end");
    wait_cycles(10);
end
endtask

task pulse_start;
begin
    @(posedge clk) start <= 1'b1;
    @(posedge clk) start <= 1'b0;
end
endtask

integer m, first;
realtime t_release;

// The controller with the generated wiring: one programming, DEFAULT_DELAY
// cycles after reset, at standard-mode timing.
initial
begin
    wait_cycles(5);
    rst2_n <= 1'b1;
    t_release = $realtime;
    wait (chip2.active === 1'b1);
    if ($realtime - t_release < DEFAULT_DELAY * 20.0 || $realtime - t_release > DEFAULT_DELAY * 20.0 + 20000.0)
        `FAIL(("FAIL: first START %.0f ns after reset, expected after %0d cycles", $realtime - t_release, DEFAULT_DELAY));
    wait (chip2.log_count >= 10);
    wait (generated_wiring.oController_Ready === 1'b1);
    check_sequence(2, 0, 2);
    repeat (50000) @(posedge clk);
    if (chip2.log_count != 10) `FAIL(("FAIL: the controller with iStart open programmed more than once"));
    clk2_on = 1'b0;
end

initial
begin
    wait_cycles(5);
    rst_n <= 1'b1;

    // After reset: ready once the bus is cleared, until the start-up delay
    // is over; then the sequence for the mode on iFREQ_MODE.
    wait_cycles(FAST_DELAY - 10);
    if (ready !== 1'b1 || done !== 1'b0) fail("after reset: not ready, or done already");
    if (chip.log_count != 0) fail("transfers before the start-up delay is over");
    wait (chip.active === 1'b1);
    if (done !== 1'b0 || ready !== 1'b0) fail("during the sequence: done high or ready high");
    wait (ready === 1'b1);
    wait_cycles(10);
    check_sequence(1, 0, 3);
    if (done !== 1'b1) fail("after reset: done stays low");
    if (read_data !== chip.log_data[1]) fail("oREAD_Data is not register 7 as read back");

    // iStart programs the mode set at that moment, for every mode.
    for (m = 0; m < 8; m = m + 1)
    begin
        first = chip.log_count;
        mode <= m[2:0];
        pulse_start;
        // A change of mode and another iStart during the sequence change nothing.
        wait_cycles(200);
        mode <= ~m[2:0];
        pulse_start;
        wait_sequence;
        check_sequence(1, first, m);
        if (done !== 1'b1) `FAIL(("FAIL: mode %0d: done low after the sequence", m));
        if (read_data !== chip.log_data[first + 1]) `FAIL(("FAIL: mode %0d: oREAD_Data is not register 7", m));
        wait_cycles(5000);
        if (chip.log_count != first + 10) fail("iStart during a sequence started another one");
    end

    // A write the chip does not acknowledge ends the sequence; iStart retries.
    chip.nack_register = 9;
    first = chip.log_count;
    mode <= 3'd6;
    pulse_start;
    wait_sequence;
    if (chip.log_count != first + 4 || chip.log_reg[first + 3] !== 8'd9 || chip.log_ok[first + 3] !== 1'b0)
        fail("after a refused byte the controller went on writing");
    if (done !== 1'b0) fail("done high after a refused byte");
    wait_cycles(5000);
    if (chip.log_count != first + 4) fail("the controller retried by itself");
    chip.nack_register = -1;
    first = chip.log_count;
    pulse_start;
    wait_sequence;
    check_sequence(1, first, 6);
    if (done !== 1'b1) fail("done low after the retry");

    // Reset while the chip drives SDA low (reading register 7, which is 0 in
    // mode 6): the controller clears the bus, then programs again.
    pulse_start;
    wait (chip.reading === 1'b1 && chip.drive_low === 1'b1);
    chip.quiet = 1'b1;
    rst_n <= 1'b0;
    wait_cycles(3);
    if (ready !== 1'b0 || done !== 1'b0) fail("reset: ready high or done high");
    rst_n <= 1'b1;
    wait (ready === 1'b1);
    if (chip.drive_low !== 1'b0 || chip.active !== 1'b0) fail("the bus clear did not free the bus");
    chip.quiet = 1'b0;
    first = chip.log_count;
    wait (chip.log_count >= first + 10);
    wait (ready === 1'b1);
    wait_cycles(10);
    check_sequence(1, first, 6);

    wait (clk2_on === 1'b0);
    finish_bench(chip.errors + chip2.errors);
end

initial
begin
    #200_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
