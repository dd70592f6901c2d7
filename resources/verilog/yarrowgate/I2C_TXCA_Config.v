// I2C_TXCA_Config
//
// Programs one TXC clock generator output over I2C after reset. The device
// answers at the address byte I2C_ADDR; iFREQ_SELECT chooses its frequency:
//
//   code  0 100 MHz      code  5 270 MHz
//   code  1 125 MHz      code  6 297 MHz
//   code  2 135 MHz      code  7 300 MHz
//   code  3 148.5 MHz    code  8 600 MHz
//   code  4 150 MHz      code  9 644.53125 MHz
//   codes 10 to 15 as code 0
//
// A divider of iCLK toggles the control clock whenever its count reaches
// CLK_Freq / I2C_Freq / 8, so the control clock runs at four times the bus
// rate I2C_Freq (about 80 kHz from 50 MHz). On the control clock the
// sequencer walks the LUT_SIZE words of the table below, one after the
// other:
//   - a word 16'hFF_xx is a pause: it ends when a count of control-clock
//     cycles exceeds xx;
//   - any other word {register, value} is written as the I2C word
//     {I2C_ADDR, register, value}, after a pause of the same kind with the
//     value 10. When the device does not acknowledge a byte of it, the same
//     word is written again.
// I2C_DONE is 1 once every word is done, until the next reset. The clock
// line is driven open-drain (low or released); the bus is released while
// iRST_N is low.
//
// The table: words 0 to 3 pause, 4 to 9 set registers 0x10 to 0x15 to the
// divider settings of the frequency, 10 to 12 write register 0x62 with 0x00,
// 0x01 and 0x00, 13 and 14 pause.

module I2C_TXCA_Config #(
    parameter CLK_Freq = 50000000,   // iCLK, Hz
    parameter I2C_Freq = 20000,      // bus rate, Hz
    parameter LUT_SIZE = 15          // words of the table
) (
    input  wire       iCLK,
    input  wire       iRST_N,
    input  wire [3:0] iFREQ_SELECT,
    output wire       I2C_SCLK,
    inout  wire       I2C_SDAT,
    input  wire [7:0] I2C_ADDR,
    output wire       I2C_DONE
);

localparam integer DIVIDER    = CLK_Freq / I2C_Freq / 8;
localparam [15:0]  CTRL_DIV   = DIVIDER[15:0];
localparam [4:0]   LAST_WORD  = LUT_SIZE;
localparam [8:0]   WRITE_WAIT = 9'd10;

// ------------------------------------------------------- control clock

reg [15:0] div_cnt;
reg        ctrl_clk;

always @(posedge iCLK or negedge iRST_N)
begin
    if (!iRST_N)
    begin
        div_cnt  <= 16'd0;
        ctrl_clk <= 1'b0;
    end
    else if (div_cnt < CTRL_DIV)
        div_cnt <= div_cnt + 16'd1;
    else
    begin
        div_cnt  <= 16'd0;
        ctrl_clk <= ~ctrl_clk;
    end
end

// --------------------------------------------------------------- table

// Registers 0x10 to 0x15 of each frequency, 0x10 in the top byte.
reg [47:0] divider_regs;

always @(*)
begin
    case (iFREQ_SELECT)
        4'd1:    divider_regs = 48'h37_38_0A_AA_EA_F2;   // 125 MHz
        4'd2:    divider_regs = 48'h33_38_0A_00_C0_07;   // 135 MHz
        4'd3:    divider_regs = 48'h2F_39_0A_00_A0_CC;   // 148.5 MHz
        4'd4:    divider_regs = 48'h2E_38_0A_00_00_27;   // 150 MHz
        4'd5:    divider_regs = 48'h1A_39_08_00_00_21;   // 270 MHz
        4'd6:    divider_regs = 48'h18_3A_48_00_00_02;   // 297 MHz
        4'd7:    divider_regs = 48'h17_38_0A_00_00_27;   // 300 MHz
        4'd8:    divider_regs = 48'h0C_3B_08_00_00_98;   // 600 MHz
        4'd9:    divider_regs = 48'h0B_3A_08_00_82_B2;   // 644.53125 MHz
        default: divider_regs = 48'h45_38_0A_00_00_27;   // 100 MHz: code 0, and 10 to 15
    endcase
end

reg [4:0]  word_index;
reg [15:0] word;          // {register, value}, or 16'hFF_xx for a pause

always @(*)
begin
    case (word_index)
        5'd4:    word = {8'h10, divider_regs[47:40]};
        5'd5:    word = {8'h11, divider_regs[39:32]};
        5'd6:    word = {8'h12, divider_regs[31:24]};
        5'd7:    word = {8'h13, divider_regs[23:16]};
        5'd8:    word = {8'h14, divider_regs[15:8]};
        5'd9:    word = {8'h15, divider_regs[7:0]};
        5'd10:   word = 16'h62_00;
        5'd11:   word = 16'h62_01;
        5'd12:   word = 16'h62_00;
        default: word = 16'hFF_C8;   // words 0 to 3, 13 and 14: pause of 200 cycles
    endcase
end

// ----------------------------------------------------------- sequencer

localparam STEP_WAIT  = 1'b0;   // pausing, or waiting before a write
localparam STEP_WRITE = 1'b1;   // the write runs

reg       step;
reg [8:0] wait_cnt;
reg       go;
wire      write_end;
wire      write_nack;
wire      is_pause = (word[15:8] == 8'hFF);
wire      sclk;

always @(posedge ctrl_clk or negedge iRST_N)
begin
    if (!iRST_N)
    begin
        word_index <= 5'd0;
        step       <= STEP_WAIT;
        wait_cnt   <= 9'd0;
        go         <= 1'b0;
    end
    else if (word_index != LAST_WORD)
    begin
        if (step == STEP_WAIT)
        begin
            if (wait_cnt > (is_pause ? {1'b0, word[7:0]} : WRITE_WAIT))
            begin
                wait_cnt <= 9'd0;
                if (is_pause)
                    word_index <= word_index + 5'd1;
                else
                begin
                    go   <= 1'b1;
                    step <= STEP_WRITE;
                end
            end
            else
                wait_cnt <= wait_cnt + 9'd1;
        end
        else if (write_end)
        begin
            go   <= 1'b0;
            step <= STEP_WAIT;
            if (!write_nack)
                word_index <= word_index + 5'd1;   // else the same word again
        end
    end
end

assign I2C_DONE = (word_index == LAST_WORD);

I2C_TXCA_Controller i2c_write (
    .CLOCK     (ctrl_clk),
    .I2C_SCLK  (sclk),
    .I2C_SDAT  (I2C_SDAT),
    .I2C_DATA  ({I2C_ADDR, word}),
    .GO        (go),
    .END       (write_end),
    .ACK       (write_nack),
    .RST_n     (iRST_N),
    .SD_COUNTER(),
    .SDO       ()
);

assign I2C_SCLK = sclk ? 1'bz : 1'b0;

endmodule
