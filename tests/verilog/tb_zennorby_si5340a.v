// Testbench of Zennorby's Si5340A controller: the register writes for every
// choice code on every output, after reset and on each rising edge of
// iStart, checked through an I2C slave model at address 0x77.
//
//   - dut (see si5340_bench.vh): the sequence after reset, then each of the
//     16 codes on each of the four choice inputs; oPLL_REG_CONFIG_DONE low
//     from reset until the first sequence has ended and while a sequence
//     runs, high after it;
//   - the two controllers as the generated top level writes them (reset
//     tied high, so they start from the FPGA's power-up state), at full
//     speed: their first writes.
`timescale 1ns / 1ps

module tb_zennorby_si5340a;

`include "bench.vh"

reg start = 1'b0;

`define GENERATED si5340a0_controller
`include "si5340_bench.vh"

// N divider numerator of each selector code: codes 0 to 4 the transceiver
// clocks, 5 to 9 the memory clocks, any other 100 MHz.
function [43:0] numerator(input [3:0] code);
begin
    case (code)
        4'd0: numerator = 44'd23622320128;     // 644.53125 MHz
        4'd1: numerator = 44'd47244640256;     // 322.265625 MHz
        4'd2: numerator = 44'd60901294080;     // 250 MHz
        4'd3: numerator = 44'd121802588160;    // 125 MHz
        4'd4: numerator = 44'd152253235200;    // 100 MHz
        4'd5: numerator = 44'd50751078400;     // 300 MHz
        4'd6: numerator = 44'd55364812800;     // 275 MHz
        4'd7: numerator = 44'd57094963200;     // 266.667 MHz
        4'd8: numerator = 44'd65251386514;     // 233.333 MHz
        4'd9: numerator = 44'd91351941120;     // 166.667 MHz
        default: numerator = 44'd152253235200; // 100 MHz
    endcase
end
endfunction

// A memory choice reaches its selector plus 5; a choice above 4 counts as 4.
function [3:0] memory_code(input [3:0] choice);
    memory_code = choice > 4'd4 ? 4'd9 : choice + 4'd5;
endfunction

// Output 0 from XCVR0, 1 from MEM0, 2 from MEM1, 3 from XCVR1; output n is
// fed by N divider n and always enabled.
task expect_sequence(input [3:0] xcvr0, input [3:0] xcvr1, input [3:0] mem0, input [3:0] mem1);
begin
    expect_begin;
    expect_write(8'h00, 8'h18, 8'hFF);
    expect_write(8'h00, 8'h21, 8'h0F);
    expect_write(8'h01, 8'h02, 8'h01);
    expect_output(8'h12, 8'h06, 8'h3E, 8'h00);
    expect_output(8'h17, 8'h06, 8'h3E, 8'h01);
    expect_output(8'h26, 8'h06, 8'h3E, 8'h02);
    expect_output(8'h2B, 8'h06, 8'h3E, 8'h03);
    expect_write(8'h01, 8'h41, 8'h40);
    expect_m_divider(44'd634388480000, 32'd2147483648);
    expect_divider(8'h02, numerator(xcvr0), 32'd2147483648);
    expect_divider(8'h0D, numerator(memory_code(mem0)), 32'd2147483648);
    expect_divider(8'h18, numerator(memory_code(mem1)), 32'd2147483648);
    expect_divider(8'h23, numerator(xcvr1), 32'd2147483648);
    expect_write(8'h03, 8'h38, 8'h01);
    expect_write(8'h03, 8'h39, 8'h0D);
    expect_write(8'h09, 8'h0E, 8'h02);
    expect_write(8'h09, 8'h1C, 8'h04);
    expect_write(8'h09, 8'h49, 8'h08);
    expect_write(8'h09, 8'h4A, 8'h80);
    expect_write(8'h0A, 8'h03, 8'h0F);
    expect_write(8'h0A, 8'h04, 8'h00);
    expect_write(8'h0A, 8'h05, 8'h0F);
    expect_write(8'h0B, 8'h44, 8'h07);
    expect_write(8'h0B, 8'h4A, 8'h00);
    expect_end(105);
end
endtask

// ---------------------------------------------------------------- dut

reg       rst_n = 1'b0;
reg [3:0] xcvr0 = 4'd1, xcvr1 = 4'd4, mem0 = 4'd2, mem1 = 4'd3;
wire      scl, sda;
wire      done;
pullup (sda);

ZENNORBY_SI5340A_CONFIG dut (
    .iCLK                  (dut_clk),
    .iRST_n                (rst_n),
    .iStart                (start),
    .iXCVR0_REFCLK         (xcvr0),
    .iXCVR1_REFCLK         (xcvr1),
    .iMEM0_REFCLK          (mem0),
    .iMEM1_REFCLK          (mem1),
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
    expect_sequence(4'd1, 4'd4, 4'd2, 4'd3);
    check_writes("after reset (1, 4, 2, 3)");

    // Every input gets every code, in and out of its list.
    for (k = 0; k < 16; k = k + 1)
    begin
        xcvr0 = k[3:0];
        xcvr1 = 4'd15 - k[3:0];
        mem0 = k[3:0] + 4'd2;
        mem1 = k[3:0] + 4'd9;
        $sformat(label, "iStart (%0d, %0d, %0d, %0d)", xcvr0, xcvr1, mem0, mem1);
        dut_sequence_on_start(label);
        if (done !== 1'b1)
            `FAIL(("FAIL: %0s: oPLL_REG_CONFIG_DONE low after the sequence", label));
        expect_sequence(xcvr0, xcvr1, mem0, mem1);
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

`define MEM_REF_300M     4'h0  // for DDR4 2400
`define MEM_REF_275M     4'h1  // for QDRII+ 550MHz
`define MEM_REF_266M667  4'h2  // for DDR4 2133 and QDRIV 1066Mhz
`define MEM_REF_233M333  4'h3  // for DDR4 1866
`define MEM_REF_166M667  4'h4  // for DDR4 2666

wire CLK_50_B2C = clk & generated_on;
wire SI5340A0_I2C_SCL, SI5340A0_I2C_SDA, SI5340A0_OE_n, SI5340A0_RST_n;
wire SI5340A1_I2C_SCL, SI5340A1_I2C_SDA, SI5340A1_OE_n, SI5340A1_RST_n;
pullup (SI5340A0_I2C_SDA);
pullup (SI5340A1_I2C_SDA);

wire si5340a_controller_start;
assign si5340a_controller_start = ~BUTTON[0];

wire si5340a_config_done;
wire si5340a0_config_done;
wire si5340a1_config_done;
assign si5340a_config_done = si5340a0_config_done & si5340a1_config_done;

//  Configure SI5340A0 
ZENNORBY_SI5340A_CONFIG si5340a0_controller(
    .iCLK(CLK_50_B2C),
    .iRST_n(1'b1),
    .iStart(si5340a_controller_start),
    .iXCVR0_REFCLK(`XCVR_REF_644M53125),//QSFP28-D
    .iXCVR1_REFCLK(`XCVR_REF_100M),//QSFP28-A
    .iMEM0_REFCLK(`MEM_REF_266M667),//DDR4-Socket-B
    .iMEM1_REFCLK(`MEM_REF_300M),//DDR4-Socket-A
    .I2C_CLK(SI5340A0_I2C_SCL),
    .I2C_DATA(SI5340A0_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340a0_config_done)
);

assign SI5340A0_OE_n = 1'b0;
assign SI5340A0_RST_n = 1'b1;

//  Configure SI5340A1 
ZENNORBY_SI5340A_CONFIG si5340a1_controller(
    .iCLK(CLK_50_B2C),
    .iRST_n(1'b1),
    .iStart(si5340a_controller_start),
    .iXCVR0_REFCLK(`XCVR_REF_322M265625),//QSFP28-B
    .iXCVR1_REFCLK(`XCVR_REF_125M),//QSFP28-C
    .iMEM0_REFCLK(`MEM_REF_233M333),//DDR4-Socket-C
    .iMEM1_REFCLK(`MEM_REF_166M667),//DDR4-Socket-D
    .I2C_CLK(SI5340A1_I2C_SCL),
    .I2C_DATA(SI5340A1_I2C_SDA),
    .oPLL_REG_CONFIG_DONE(si5340a1_config_done)
);

assign SI5340A1_OE_n = 1'b0;
assign SI5340A1_RST_n = 1'b1;

i2c_slave_model #(.ADDRESS(7'h77)) chip2 (.scl(SI5340A0_I2C_SCL), .sda(SI5340A0_I2C_SDA));
i2c_slave_model #(.ADDRESS(7'h77)) chip3 (.scl(SI5340A1_I2C_SCL), .sda(SI5340A1_I2C_SDA));

// The FPGA clears every register when it is configured; with the reset
// inputs tied high, the bench gives the instances that state by holding
// their reset nets low for the first clocks.
initial
begin
    force si5340a0_controller.iRST_n = 1'b0;
    force si5340a1_controller.iRST_n = 1'b0;
    wait_cycles(3);
    release si5340a0_controller.iRST_n;
    release si5340a1_controller.iRST_n;
    @(negedge clk) si5340a1_controller.power_up.cnt = 21'h1ffffe - 21'd100;
end

initial run_generated;

initial
begin
    wait (dut_finished === 1'b1 && generated_finished === 1'b1);
    if (chip3.log_count < 3 || chip3.log_reg[0] !== 8'h01 || chip3.log_data[0] !== 8'h00 ||
        si5340a_config_done !== 1'b0)
        `FAIL(("FAIL: generated wiring: the second controller did not start its sequence"));
    finish_bench(chip.errors + chip2.errors + chip3.errors);
end

initial
begin
    #100_000_000;
    $display("FAIL: timeout");
    $finish;
end

endmodule
