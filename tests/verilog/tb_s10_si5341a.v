// Testbench of the Stratix 10 module's Si5341A controller: the register
// writes for every choice code on every input, after reset and on each
// rising edge of iStart, checked through an I2C slave model at address 0x77.
//
//   - dut (see si5340_bench.vh): the sequence after reset, then each of the
//     16 codes on each transceiver input, every memory and LVDS choice;
//     oPLL_REG_CONFIG_DONE low from reset until the first sequence has
//     ended and while a sequence runs, high after it;
//   - the controller as the generated top level writes it (reset tied
//     high, so it starts from the FPGA's power-up state), at full speed:
//     its first writes;
//   - tables: fmc_sel and si5341a_freq_prameter_selector for every code;
//   - sel_gen: si5341a_clk_frq_sel_gen stepping on presses.
`timescale 1ns / 1ps

module tb_s10_si5341a;

`include "bench.vh"

reg start = 1'b0;

`define GENERATED si5341a_controller
`define FIRST_WRITES {8'h01, 8'h01, 8'h09, 8'h09, 8'h0A, 8'h3E}
`include "si5340_bench.vh"

// fmc_sel by transceiver code: {N divider, divide by 2, R divider}.
function [25:0] fmc_setting(input [3:0] code);
begin
    case (code)
        4'd0: fmc_setting = {3'd1, 1'b1, 22'd0};   // 644.53125 MHz
        4'd1: fmc_setting = {3'd1, 1'b0, 22'd1};   // 322.265625 MHz
        4'd2: fmc_setting = {3'd0, 1'b0, 22'd1};   // 250 MHz
        4'd3: fmc_setting = {3'd0, 1'b0, 22'd3};   // 125 MHz
        4'd4: fmc_setting = {3'd0, 1'b0, 22'd4};   // 100 MHz
        default: fmc_setting = {3'd2, 1'b1, 22'd0};   // 270 MHz
    endcase
end
endfunction

function [7:0] fmc_mux(input [3:0] code);
    reg [25:0] setting;
begin
    setting = fmc_setting(code);
    fmc_mux = {5'd0, setting[25:23]};
end
endfunction

function [63:0] fmc_r(input [3:0] code);
    reg [25:0] setting;
begin
    setting = fmc_setting(code);
    fmc_r = {42'd0, setting[21:0]};
end
endfunction

// N4, which feeds the memory clock: {numerator, denominator}.
function [75:0] n4_divider(input [1:0] choice);
begin
    case (choice)
        2'd0: n4_divider = {44'd75161927680, 32'd3221225472};   // 300 MHz
        2'd1: n4_divider = {44'd56371445760, 32'd2147483648};   // 266.667 MHz
        2'd2: n4_divider = {44'd64424509440, 32'd2147483648};   // 233.333 MHz
        default: n4_divider = {44'd90194313216, 32'd2147483648};   // 166.667 MHz
    endcase
end
endfunction

// Page 1 of one output: format and synchronous enable, amplitude and common
// mode, and (used outputs) the N divider that feeds it.
task expect_format(input [7:0] r);
begin
    expect_write(8'h01, r + 8'd1, 8'h09);
    expect_write(8'h01, r + 8'd2, 8'h3E);
end
endtask

task expect_used(input [7:0] r, input [7:0] divider);
begin
    expect_format(r);
    expect_write(8'h01, r + 8'd3, divider);
end
endtask

// Outputs: 0 FMC_REFCLK0, 1 DDR4B, 2 to 3 FMCP_REFCLK0 to 1, 5 FMCP_REFCLK2,
// 7 FMC_REFCLK1, 9 LVDS; 4, 6 and 8 unused.
task expect_sequence(input [3:0] fmc0, input [3:0] fmc1, input [3:0] fmcp0, input [3:0] fmcp1,
                     input [3:0] fmcp2, input [1:0] ddr4b, input lvds);
    reg [75:0] n4;
begin
    n4 = n4_divider(ddr4b);
    expect_begin;
    expect_used(8'h08, fmc_mux(fmc0));
    expect_used(8'h0D, 8'd4);
    expect_used(8'h12, fmc_mux(fmcp0));
    expect_used(8'h17, fmc_mux(fmcp1));
    expect_format(8'h1C);
    expect_used(8'h21, fmc_mux(fmcp2));
    expect_format(8'h26);
    expect_used(8'h2B, fmc_mux(fmc1));
    expect_format(8'h30);
    expect_used(8'h3A, 8'd3);
    expect_bytes(8'h02, 8'h35, 64'd939524096000, 6);
    expect_bytes(8'h02, 8'h3B, 64'd3221225472, 4);
    expect_write(8'h02, 8'h3F, 8'h01);
    expect_bytes(8'h02, 8'h4A, fmc_r(fmc0), 3);
    expect_bytes(8'h02, 8'h4D, 64'd0, 3);
    expect_bytes(8'h02, 8'h50, fmc_r(fmcp0), 3);
    expect_bytes(8'h02, 8'h53, fmc_r(fmcp1), 3);
    expect_bytes(8'h02, 8'h59, fmc_r(fmcp2), 3);
    expect_bytes(8'h02, 8'h5F, fmc_r(fmc1), 3);
    expect_bytes(8'h02, 8'h68, lvds ? 64'd0 : 64'd1, 3);
    expect_divider(8'h02, 44'd30064771072, 32'd2147483648);
    expect_divider(8'h0D, 44'd30064771072, 32'd2768240640);
    expect_divider(8'h18, 44'd93952409600, 32'd3623878656);
    expect_divider(8'h23, 44'd150323855360, 32'd2147483648);
    expect_divider(8'h2E, n4[75:32], n4[31:0]);
    expect_write(8'h03, 8'h38, 8'h01);
    expect_end(118);
end
endtask

// ---------------------------------------------------------------- dut

reg       rst_n = 1'b0;
reg [3:0] fmc0 = 4'd1, fmc1 = 4'd3, fmcp0 = 4'd5, fmcp1 = 4'd2, fmcp2 = 4'd4, ddr4b = 4'd2, lvds = 4'd1;
wire      scl, sda;
wire      done;
pullup (sda);

S10_SI5341A_CONFIG dut (
    .iCLK                  (dut_clk),
    .iRST_n                (rst_n),
    .iStart                (start),
    .iDDR4B_REFCLK         (ddr4b),
    .iFMC_REFCLK0          (fmc0),
    .iFMC_REFCLK1          (fmc1),
    .iFMCP_REFCLK0         (fmcp0),
    .iFMCP_REFCLK1         (fmcp1),
    .iFMCP_REFCLK2         (fmcp2),
    .iLVDS_REFCLK          (lvds),
    .I2C_CLK               (scl),
    .I2C_DATA              (sda),
    .oPLL_I2C_ID_READ_ERROR(),
    .oPLL_REG_CONFIG_DONE  (done)
);
i2c_slave_model #(.ADDRESS(7'h77), .TIME_SCALE(4.0 / 128.0)) chip (.scl(scl), .sda(sda));

integer k;
reg [8*48-1:0] label;

initial
begin
    wait_cycles(5);
    rst_n <= 1'b1;
    wait_cycles(20);
    dut_first_sequence(1'b0);
    if (done !== 1'b1)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE low after the sequence"));
    expect_sequence(4'd1, 4'd3, 4'd5, 4'd2, 4'd4, 2'd2, 1'b1);
    check_writes("after reset");

    // Every transceiver input gets every code, in and out of its list;
    // the memory and LVDS inputs every choice.
    for (k = 0; k < 16; k = k + 1)
    begin
        fmc0 = k[3:0];
        fmc1 = 4'd15 - k[3:0];
        fmcp0 = k[3:0] + 4'd3;
        fmcp1 = k[3:0] + 4'd6;
        fmcp2 = k[3:0] + 4'd9;
        ddr4b = {2'd0, k[1:0]};
        lvds = {3'd0, k[0]};
        $sformat(label, "iStart (%0d %0d %0d %0d %0d %0d %0d)", fmc0, fmc1, fmcp0, fmcp1, fmcp2, ddr4b, lvds);
        dut_sequence_on_start(label);
        if (done !== 1'b1)
            `FAIL(("FAIL: %0s: oPLL_REG_CONFIG_DONE low after the sequence", label));
        expect_sequence(fmc0, fmc1, fmcp0, fmcp1, fmcp2, ddr4b[1:0], lvds[0]);
        check_writes(label);
    end
    dut_finished = 1'b1;
end

// ------------------------------------------------------ generated wiring

`define XCVR_REF_644M53125     4'h0
`define XCVR_REF_322M265625    4'h1
`define XCVR_REF_250M          4'h2
`define XCVR_REF_125M          4'h3
`define XCVR_REF_100M          4'h4
`define XCVR_REF_270M          4'h5  // for Displayport

`define MEM_REF_300M     4'h0  // for DDR4 2400 MT/s
`define MEM_REF_266M667  4'h1  // for DDR4 2133 MT/s
`define MEM_REF_233M333  4'h2  // for DDR4 1866 MT/s
`define MEM_REF_166M667  4'h3  // for DDR4 2666 MT/s

`define LVDS_REF_50M     4'h0  // ref clock for LVDS IP
`define LVDS_REF_100M    4'h1  // ref clock for LVDS IP

wire CLK_50_B3C = clk & generated_on;
wire SI5341A_I2C_SCL, SI5341A_I2C_SDA, SI5341A_OE_n, SI5341A_RST_n;
pullup (SI5341A_I2C_SDA);

wire si5341a_controller_start;
assign si5341a_controller_start = ~BUTTON[0];
wire si5341a_config_done;


//  Configure SI5341 
S10_SI5341A_CONFIG si5341a_controller(
    .iCLK(CLK_50_B3C),
    .iRST_n(1'b1),
    .iStart(si5341a_controller_start),
    .iDDR4B_REFCLK(`MEM_REF_266M667),
    .iFMC_REFCLK0(`XCVR_REF_644M53125),
    .iFMC_REFCLK1(`XCVR_REF_100M),
    .iFMCP_REFCLK0(`XCVR_REF_644M53125),
    .iFMCP_REFCLK1(`XCVR_REF_270M),
    .iFMCP_REFCLK2(`XCVR_REF_250M),
    .iLVDS_REFCLK(`LVDS_REF_50M),
    .I2C_CLK(SI5341A_I2C_SCL),
    .I2C_DATA(SI5341A_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5341a_config_done)
);

assign SI5341A_OE_n = 1'b0;
assign SI5341A_RST_n = 1'b1;

i2c_slave_model #(.ADDRESS(7'h77)) chip2 (.scl(SI5341A_I2C_SCL), .sda(SI5341A_I2C_SDA));

// The FPGA clears every register when it is configured; with the reset
// input tied high, the bench gives the instance that state by holding its
// reset net low for the first clocks.
initial
begin
    force si5341a_controller.iRST_n = 1'b0;
    wait_cycles(3);
    release si5341a_controller.iRST_n;
end

initial run_generated;

// ---------------------------------------------------------------- tables

reg  [3:0]  code;
wire [2:0]  sel_mux;
wire        sel_force2;
wire [23:0] sel_r;
wire        out_oe;
wire [23:0] out_r;

fmc_sel fmc_table (.SEL(code), .MUX(sel_mux), .FORCE2(sel_force2), .R_REG(sel_r));
si5341a_freq_prameter_selector r_table (
    .iPLL_OUT_FREQ_SEL(code),
    .OUTX_OE          (out_oe),
    .RX_REG           (out_r),
    .NX_NUM           (),
    .NX_DEN           ()
);

// The R divider value by code; any code not listed gives the 100 MHz value.
function [23:0] r_value(input [3:0] c);
begin
    case (c)
        4'd0: r_value = 24'd1152;      // 644.53125 MHz
        4'd1: r_value = 24'd2304;      // 322.265625 MHz
        4'd2: r_value = 24'd2970;      // 250 MHz
        4'd3: r_value = 24'd5940;      // 125 MHz
        4'd4: r_value = 24'd7425;      // 100 MHz
        4'd5: r_value = 24'd2750;      // 270 MHz
        4'd6: r_value = 24'd2475;      // 300 MHz
        4'd7: r_value = 24'd4455;      // 166.667 MHz
        4'd8: r_value = 24'd14850;     // 50 MHz
        default: r_value = 24'd7425;   // 100 MHz
    endcase
end
endfunction

integer c;
reg [25:0] setting;
reg tables_finished = 1'b0;

initial
begin
    for (c = 0; c < 16; c = c + 1)
    begin
        code = c[3:0];
        #1;
        setting = fmc_setting(code);
        if ({sel_mux, sel_force2, sel_r} !== {setting[25:22], 2'd0, setting[21:0]})
            `FAIL(("FAIL: fmc_sel code %0d gives MUX %0d FORCE2 %b R_REG %0d", c, sel_mux, sel_force2, sel_r));
        if (out_oe !== 1'b1 || out_r !== r_value(code))
            `FAIL(("FAIL: si5341a_freq_prameter_selector code %0d gives OE %b R %0d", c, out_oe, out_r));
    end
    tables_finished = 1'b1;
end

// --------------------------------------------------------------- sel_gen

reg        gen_on = 1'b1;
wire       gen_clk = clk & gen_on;
reg        change = 1'b1;
wire [2:0] gen_sel;
wire       gen_pulse;

si5341a_clk_frq_sel_gen sel_gen (
    .iCLK        (gen_clk),
    .iRST_n      (rst_n),
    .iCHANGE     (change),
    .oCLK_FEQ_SEL(gen_sel),
    .oCHANGE_FREQ(gen_pulse)
);

integer gen_pulses = 0;
always @(posedge gen_clk) if (gen_pulse === 1'b1) gen_pulses = gen_pulses + 1;

initial
begin
    wait (rst_n === 1'b1);
    wait_cycles(10);
    if (gen_sel !== 3'd0) `FAIL(("FAIL: sel_gen: %0d after reset", gen_sel));
    // A press steps the code once; a bounce while the debounce count runs
    // does not.
    change <= 1'b0;
    wait_cycles(10);
    change <= 1'b1;
    wait_cycles(10);
    change <= 1'b0;
    wait_cycles(10);
    if (gen_sel !== 3'd1 || gen_pulses != 1)
        `FAIL(("FAIL: sel_gen: a press and a bounce give code %0d and %0d pulse(s)", gen_sel, gen_pulses));
    // From the highest code a press after the count wraps to 0.
    change <= 1'b1;
    wait (sel_gen.change_edge.rst_cnt === 16'd0);
    @(negedge clk) sel_gen.oCLK_FEQ_SEL = 3'd7;
    change <= 1'b0;
    wait_cycles(10);
    if (gen_sel !== 3'd0 || gen_pulses != 2)
        `FAIL(("FAIL: sel_gen: a press at code 7 gives %0d", gen_sel));
    gen_on = 1'b0;
end

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1 && tables_finished === 1'b1 && gen_on === 1'b0);
    finish_bench(chip.errors + chip2.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
