// Testbench of the Si5340B controller set: the register writes for every
// select code the board offers and for codes beyond them, after reset and
// on each rising edge of iStart, checked through an I2C slave model at
// address 0x77. With the macro TARROWIND it checks the board variant whose
// select code is 3 * (QDR-II+ index) + (DDR3 index), with a PCIe output;
// with ULVERROW the variant whose 5-bit select code is
// 5 * (QDR-II+ index) + (DDR4 index), with a PCIe output.
//
//   - dut (see si5340_bench.vh): the sequence after reset, then the codes
//     on iStart; oPLL_REG_CONFIG_DONE rises 500,000 clocks after the
//     register controller is done, and is low while a sequence runs;
//   - the controller as the generated top level writes it, at full speed:
//     its first writes;
//   - sel_gen: si5340b_clk_frq_sel_gen, 4 bits wide.
`timescale 1ns / 1ps

module tb_si5340b_controller;

`include "bench.vh"

localparam integer DONE_DELAY = 500000;

reg start = 1'b0;

`define GENERATED si5340b_controller
`include "si5340_bench.vh"

// The variants with a PCIe output: select code
// DDR_COUNT * (QDR-II+ index) + (DDR index).
`ifdef ULVERROW
`define PCIE_VARIANT
localparam integer SEL_BITS = 5;
localparam integer LAST_CODE = 19;
localparam integer DDR_COUNT = 5;
localparam [4:0]   RESET_CODE = 5'd17;         // DDR233_QDR233_PCIE100

// The DDR4 reference clock by DDR4 index.
function [43:0] ddr_numerator(input integer index);
begin
    case (index)
        0: ddr_numerator = 44'd48676296021;      // 300 MHz
        1: ddr_numerator = 44'd54760833024;      // 266.667 MHz
        2: ddr_numerator = 44'd62583809170;      // 233.333 MHz
        3: ddr_numerator = 44'd73014444032;      // 200 MHz
        default: ddr_numerator = 44'd97352592043; // 150 MHz
    endcase
end
endfunction
`elsif TARROWIND
`define PCIE_VARIANT
localparam integer SEL_BITS = 4;
localparam integer LAST_CODE = 11;
localparam integer DDR_COUNT = 3;
localparam [3:0]   RESET_CODE = 4'h4;          // DDR233_QDR250_PCIE100

// The DDR3 reference clock by DDR3 index.
function [43:0] ddr_numerator(input integer index);
begin
    case (index)
        0: ddr_numerator = 44'd54760833024;      // 266.667 MHz
        1: ddr_numerator = 44'd62583809170;      // 233.333 MHz
        default: ddr_numerator = 44'd73014444032; // 200 MHz
    endcase
end
endfunction
`endif

`ifdef PCIE_VARIANT
localparam [31:0]  N0_DEN = 32'd2147483648;
localparam [31:0]  N1_DEN = 32'd2147483648;
localparam [31:0]  N2_DEN = 32'd2952790016;

// Output 0: the DDR reference clock, by DDR index (code modulo DDR_COUNT);
// codes beyond LAST_CODE as code 0.
function [43:0] n0_numerator(input [4:0] code);
    n0_numerator = ddr_numerator(code > LAST_CODE ? 0 : code % DDR_COUNT);
endfunction

// Output 1: the PCIe reference clock, 100 MHz for every code.
function [43:0] n1_numerator(input [4:0] code);
    n1_numerator = 44'd146028888064;
endfunction

// Output 2: the QDR-II+ reference clock, by QDR-II+ index (code / DDR_COUNT).
function [43:0] n2_numerator(input [4:0] code);
begin
    case (code > LAST_CODE ? 0 : code / DDR_COUNT)
        0: n2_numerator = 44'd73014444032;       // 275 MHz
        1: n2_numerator = 44'd80315888435;       // 250 MHz
        2: n2_numerator = 44'd89239876039;       // 225 MHz
        default: n2_numerator = 44'd86052737610; // 233.333 MHz
    endcase
end
endfunction
`else
localparam integer SEL_BITS = 4;
localparam integer LAST_CODE = 2;
localparam [3:0]   RESET_CODE = 4'h2;          // REFCLK_QDR225
localparam [31:0]  N0_DEN = 32'd2952790016;
localparam [31:0]  N1_DEN = 32'd2952790016;
localparam [31:0]  N2_DEN = 32'd2952790016;

// The QDR-II+ reference clock on all three outputs.
function [43:0] n0_numerator(input [4:0] code);
begin
    case (code)
        4'h1: n0_numerator = 44'd80315888435;   // 250 MHz
        4'h2: n0_numerator = 44'd89239876039;   // 225 MHz
        default: n0_numerator = 44'd73014444032; // 4'h0 and others: 275 MHz
    endcase
end
endfunction

function [43:0] n1_numerator(input [4:0] code);
    n1_numerator = n0_numerator(code);
endfunction

function [43:0] n2_numerator(input [4:0] code);
    n2_numerator = n0_numerator(code);
endfunction
`endif

task expect_sequence(input [4:0] code);
begin
    expect_begin;
    expect_write(8'h00, 8'h18, 8'hFF);
    expect_write(8'h00, 8'h21, 8'h0F);
    expect_write(8'h01, 8'h02, 8'h01);
    expect_output(8'h12, 8'h06, 8'h3D, 8'h00);
    expect_output(8'h17, 8'h06, 8'h3D, 8'h01);
    expect_output(8'h26, 8'h06, 8'h3D, 8'h02);
    expect_output(8'h2B, 8'h04, 8'h3B, 8'h00);
    expect_write(8'h01, 8'h41, 8'h40);
    expect_m_divider(44'd912680550400, 32'd3221225472);
    expect_divider(8'h02, n0_numerator(code), N0_DEN);
    expect_divider(8'h0D, n1_numerator(code), N1_DEN);
    expect_divider(8'h18, n2_numerator(code), N2_DEN);
    expect_write(8'h03, 8'h38, 8'h01);
    expect_write(8'h03, 8'h39, 8'h1F);
    expect_write(8'h09, 8'h0E, 8'h02);
    expect_write(8'h09, 8'h1C, 8'h04);
    expect_write(8'h09, 8'h49, 8'h00);
    expect_write(8'h09, 8'h4A, 8'h80);
    expect_write(8'h0A, 8'h03, 8'h07);
    expect_write(8'h0A, 8'h04, 8'h02);
    expect_write(8'h0A, 8'h05, 8'h07);
    expect_write(8'h0B, 8'h44, 8'h0F);
    expect_write(8'h0B, 8'h4A, 8'h08);
    expect_write(8'h00, 8'h1C, 8'h01);
    expect_end(96);
end
endtask

// ---------------------------------------------------------------- dut

reg       rst_n = 1'b0;
reg [SEL_BITS-1:0] code = RESET_CODE;
wire      scl, sda;
wire      done;
pullup (sda);

si5340b_controller dut (
    .iCLK                  (dut_clk),
    .iRST_n                (rst_n),
    .iStart                (start),
    .iPLL_OUT_FREQ_SEL     (code),
    .I2C_CLK               (scl),
    .I2C_DATA              (sda),
    .oPLL_I2C_ID_READ_ERROR(),
    .oPLL_REG_CONFIG_DONE  (done)
);
i2c_slave_model #(.ADDRESS(7'h77), .TIME_SCALE(4.0 / 128.0)) chip (.scl(scl), .sda(sda));

always @(*) fast_on = !dut_finished;

// The clock edge that makes the register controller done ends clock
// number t_reg_done; likewise for oPLL_REG_CONFIG_DONE.
integer t_reg_done = -1;
integer t_done = -1;
always @(posedge dut.reg_controller.oONE_CLK_CONFIG_DONE) t_reg_done = cycle;
always @(posedge done) t_done = cycle;

integer k;
reg [8*48-1:0] label;

initial
begin
    wait_cycles(5);
    rst_n <= 1'b1;
    wait_cycles(20);
    dut_startup_soon;
    if (done !== 1'b0)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE high while the sequence runs"));
    wait_sequence("after reset");
    expect_sequence(RESET_CODE);
    $sformat(label, "after reset (code %0d)", RESET_CODE);
    check_writes(label);
    wait (t_done >= 0);
    if (t_done - t_reg_done != DONE_DELAY)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE rose %0d clocks after the sequence, expected %0d",
               t_done - t_reg_done, DONE_DELAY));
    wait_cycles(10);
    if (done !== 1'b1)
        `FAIL(("FAIL: oPLL_REG_CONFIG_DONE does not stay high"));

    // Every code the board offers, then two beyond them.
    for (k = 0; k <= LAST_CODE + 2; k = k + 1)
    begin
        code = k > LAST_CODE + 1 ? {SEL_BITS{1'b1}} : k[SEL_BITS-1:0];
        $sformat(label, "iStart (code %0d)", code);
        dut_sequence_on_start(label);
        if (done !== 1'b0)
            `FAIL(("FAIL: %0s: oPLL_REG_CONFIG_DONE high soon after the sequence", label));
        expect_sequence(code);
        check_writes(label);
    end
    dut_finished = 1'b1;
end

// ------------------------------------------------------ generated wiring

wire SI5340B_I2C_SCL, SI5340B_I2C_SDA, SI5340B_OE_n, SI5340B_RST_n;
pullup (SI5340B_I2C_SDA);

`ifdef ULVERROW
`define DDR300_QDR275_PCIE100   5'd0
`define DDR266_QDR275_PCIE100   5'd1
`define DDR233_QDR275_PCIE100   5'd2
`define DDR200_QDR275_PCIE100   5'd3
`define DDR150_QDR275_PCIE100   5'd4
`define DDR300_QDR250_PCIE100   5'd5
`define DDR266_QDR250_PCIE100   5'd6
`define DDR233_QDR250_PCIE100   5'd7
`define DDR200_QDR250_PCIE100   5'd8
`define DDR150_QDR250_PCIE100   5'd9
`define DDR300_QDR225_PCIE100   5'd10
`define DDR266_QDR225_PCIE100   5'd11
`define DDR233_QDR225_PCIE100   5'd12
`define DDR200_QDR225_PCIE100   5'd13
`define DDR150_QDR225_PCIE100   5'd14
`define DDR300_QDR233_PCIE100   5'd15
`define DDR266_QDR233_PCIE100   5'd16
`define DDR233_QDR233_PCIE100   5'd17
`define DDR200_QDR233_PCIE100   5'd18
`define DDR150_QDR233_PCIE100   5'd19

wire si5340b_controller_start;
wire config_done;

assign si5340b_controller_start = ~BUTTON[0];

si5340b_controller si5340b_controller(
    .iCLK(CLK_50_B2J),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340b_controller_start),
    .iPLL_OUT_FREQ_SEL(`DDR233_QDR233_PCIE100),
    .I2C_CLK(SI5340B_I2C_SCL),
    .I2C_DATA(SI5340B_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(config_done)
);

assign SI5340B_OE_n = 1'b0;
assign SI5340B_RST_n = CPU_RESET_n;
`elsif TARROWIND
`define DDR266_QDR275_PCIE100   4'h0
`define DDR233_QDR275_PCIE100   4'h1
`define DDR200_QDR275_PCIE100   4'h2
`define DDR266_QDR250_PCIE100   4'h3
`define DDR233_QDR250_PCIE100   4'h4
`define DDR200_QDR250_PCIE100   4'h5
`define DDR266_QDR225_PCIE100   4'h6
`define DDR233_QDR225_PCIE100   4'h7
`define DDR200_QDR225_PCIE100   4'h8
`define DDR266_QDR233_PCIE100   4'h9
`define DDR233_QDR233_PCIE100   4'hA
`define DDR200_QDR233_PCIE100   4'hB

wire si5340b_controller_start;
wire config_done;

assign si5340b_controller_start = ~BUTTON[0];

si5340b_controller si5340b_controller(
    .iCLK(CLK_50_B2J),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340b_controller_start),
    .iPLL_OUT_FREQ_SEL(`DDR233_QDR250_PCIE100),
    .I2C_CLK(SI5340B_I2C_SCL),
    .I2C_DATA(SI5340B_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(config_done)
);

assign SI5340B_OE_n = 1'b0;
assign SI5340B_RST_n = CPU_RESET_n;
`else
`define REFCLK_QDR275   4'h0
`define REFCLK_QDR250   4'h1
`define REFCLK_QDR225   4'h2

wire si5340b_controller_start;
wire si5340b_config_done;

assign si5340b_controller_start = ~BUTTON[0];

si5340b_controller si5340b_controller(
    .iCLK(CLK_50_B2F),
    .iRST_n(CPU_RESET_n),
    .iStart(si5340b_controller_start),
    .iPLL_OUT_FREQ_SEL(`REFCLK_QDR250),
    .I2C_CLK(SI5340B_I2C_SCL),
    .I2C_DATA(SI5340B_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340b_config_done)
);

assign SI5340B_OE_n = 1'b0;
assign SI5340B_RST_n = CPU_RESET_n;
`endif

i2c_slave_model #(.ADDRESS(7'h77)) chip2 (.scl(SI5340B_I2C_SCL), .sda(SI5340B_I2C_SDA));

initial run_generated;

// --------------------------------------------------------------- sel_gen

reg        gen_on = 1'b1;
wire       gen_clk = clk & gen_on;
reg        change = 1'b1;
wire [3:0] gen_sel;
wire       gen_pulse;

si5340b_clk_frq_sel_gen sel_gen (
    .iCLK        (gen_clk),
    .iRST_n      (rst_n),
    .iCHANGE     (change),
    .oCLK_FEQ_SEL(gen_sel),
    .oCHANGE_FREQ(gen_pulse)
);

// A press once the debounce count has run out, from the code given (or
// from the current one, when from is -1): the code that follows.
task press_from(input integer from, input [3:0] expected);
begin
    wait (sel_gen.change_edge.rst_cnt === 16'd0);
    if (from >= 0)
        @(negedge clk) sel_gen.oCLK_FEQ_SEL = from[3:0];
    change <= 1'b0;
    wait_cycles(10);
    if (gen_sel !== expected)
        `FAIL(("FAIL: sel_gen: a press at code %0d gives %0d, expected %0d", from, gen_sel, expected));
    change <= 1'b1;
end
endtask

// 4 bits wide: from 0 after reset, 7 steps to 8, 15 wraps to 0.
initial
begin
    wait (rst_n === 1'b1);
    wait_cycles(10);
    press_from(-1, 4'd1);
    press_from(7, 4'd8);
    press_from(15, 4'd0);
    gen_on = 1'b0;
end

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1 && gen_on === 1'b0);
    finish_bench(chip.errors + chip2.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
