// The Avemor board: a Cyclone III with twelve on-board groups and two 40-pin
// GPIO headers. The balls given are those of the board's data we hold; every
// other pin keeps its place with kUnknownBall.
#include "boards/cyclone2_3/CONFIG_AVEMOR.h"

#include "boards/cyclone2_3/ConfigGpioPair.h"

namespace {

using X = AVEMOR_CONFIG;
constexpr const char* U = kUnknownBall;

// clang-format off
const std::vector<TGroupRow> kGroups = {
    {offsetof(X, bCLOCK), "CLOCK", {
        {"CLOCK_50",   0, DIR_IN, {"G21"}, 20},
        {"CLOCK_50_2", 0, DIR_IN, {"B12"}, 20},
    }},
    {offsetof(X, bLED), "LED", {
        {"LED[%d]", 10, DIR_OUT, {"J1", "J2", "J3", "H1", "F2", "E1", "C1", "C2", "B2", "B1"}},
    }},
    {offsetof(X, bBUTTON), "BUTTON", {
        {"BUTTON[%d]", 3, DIR_IN, {}},
    }},
    {offsetof(X, bSW), "SW", {
        {"SW[%d]", 10, DIR_IN, {}},
    }},
    {offsetof(X, bSEG7), "SEG7", {
        {"HEX0_DP", 0, DIR_OUT, {"D13"}},
        {"HEX1_DP", 0, DIR_OUT, {}},
        {"HEX2_DP", 0, DIR_OUT, {}},
        {"HEX3_DP", 0, DIR_OUT, {}},
        {"HEX0_D[%d]", 7, DIR_OUT, {}},
        {"HEX1_D[%d]", 7, DIR_OUT, {}},
        {"HEX2_D[%d]", 7, DIR_OUT, {}},
        {"HEX3_D[%d]", 7, DIR_OUT, {}},
    }},
    {offsetof(X, bRS232), "RS232", {
        {"UART_TXD", 0, DIR_OUT, {}},
        {"UART_RXD", 0, DIR_IN, {}},
        {"UART_CTS", 0, DIR_OUT, {}},
        {"UART_RTS", 0, DIR_IN, {}},
    }},
    {offsetof(X, bPS2), "PS2", {
        {"PS2_KBDAT", 0, DIR_INOUT, {}},
        {"PS2_KBCLK", 0, DIR_INOUT, {}},
        {"PS2_MSDAT", 0, DIR_INOUT, {}},
        {"PS2_MSCLK", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bSDCARD), "SDCARD", {
        {"SD_CMD",  0, DIR_INOUT, {}},
        {"SD_CLK",  0, DIR_OUT, {}},
        {"SD_WPn",  0, DIR_IN, {}},
        {"SD_DAT",  0, DIR_INOUT, {}},
        {"SD_DAT3", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bLCD), "LCD", {
        {"LCD_DATA[%d]", 8, DIR_INOUT, {}},
        {"LCD_BLON", 0, DIR_OUT, {}},
        {"LCD_RW",   0, DIR_OUT, {}},
        {"LCD_EN",   0, DIR_OUT, {}},
        {"LCD_RS",   0, DIR_OUT, {}},
    }},
    {offsetof(X, bVGA), "VGA", {
        {"VGA_HS",    0, DIR_OUT, {}},
        {"VGA_VS",    0, DIR_OUT, {}},
        {"VGA_R[%d]", 4, DIR_OUT, {}},
        {"VGA_G[%d]", 4, DIR_OUT, {}},
        {"VGA_B[%d]", 4, DIR_OUT, {"K22"}},
    }},
    {offsetof(X, bSDRAM), "SDRAM", {
        {"DRAM_BA[%d]",   2, DIR_OUT, {}},
        {"DRAM_LDQM",     0, DIR_OUT, {}},
        {"DRAM_UDQM",     0, DIR_OUT, {}},
        {"DRAM_RAS_N",    0, DIR_OUT, {}},
        {"DRAM_CAS_N",    0, DIR_OUT, {}},
        {"DRAM_CKE",      0, DIR_OUT, {}},
        {"DRAM_CLK",      0, DIR_OUT, {}},
        {"DRAM_WE_N",     0, DIR_OUT, {}},
        {"DRAM_CS_N",     0, DIR_OUT, {}},
        {"DRAM_DQ[%d]",  16, DIR_INOUT, {}},
        {"DRAM_ADDR[%d]", 13, DIR_OUT, {}},
    }},
    {offsetof(X, bFLASH), "Flash", {
        {"FLASH_ADDR[%d]", 22, DIR_OUT, {}},
        // Bit 4 is written "v2" in the board's data and goes into the project so.
        {"FLASH_DQ[%d]",   15, DIR_INOUT, {U, U, U, U, "v2"}},
        {"FLASH_DQ15_AM1", 0, DIR_OUT, {}},
        {"FLASH_BYTE_N",   0, DIR_OUT, {}},
        {"FLASH_CE_N",     0, DIR_OUT, {}},
        {"FLASH_OE_N",     0, DIR_OUT, {}},
        {"FLASH_RESET_N",  0, DIR_OUT, {}},
        {"FLASH_RY",       0, DIR_OUT, {}},
        {"FLASH_WE_N",     0, DIR_OUT, {}},
        {"FLASH_WP_N",     0, DIR_OUT, {}},
    }},
};

const std::vector<const char*> kGpio0 = GpioHeaderLocations({{1, "AB12"}, {2, "AB16"}, {3, "AA12"}, {4, "AA16"}});
const std::vector<const char*> kGpio1 = GpioHeaderLocations({{1, "AB11"}, {2, "AA20"}, {3, "AA11"}, {4, "AB20"}});
// clang-format on

const TGpioPairBoard kAvemor = {
    .Device = {.Family = "Cyclone III", .PinCount = 484, .Package = "FBGA", .SpeedGradeText = "", .SpeedGrade = 6,
               .Part = "EP3C16F484C6"},
    .Groups = kGroups,
    .Gpio0 = kGpio0,
    .Gpio1 = kGpio1,
};

}  // namespace

void CONFIG_AVEMOR(TMainBoard* board, const void* record)
{
    const AVEMOR_CONFIG& Config = *static_cast<const AVEMOR_CONFIG*>(record);
    board->m_BoardId = MAINBOARD_AVEMOR;
    CHECK_RECORD_HEAD(Config, MAINBOARD_AVEMOR, AVEMOR_CONFIG);
    DefineGpioPairBoard(board, Config, kAvemor);
}
