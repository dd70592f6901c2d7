// The Fennick board: a Cyclone II with fourteen on-board groups and two
// 40-pin GPIO headers. The balls given are those of the board's data we hold;
// every other pin keeps its place with kUnknownBall.
#include "boards/cyclone2_3/CONFIG_FENNICK.h"

#include "boards/cyclone2_3/ConfigGpioPair.h"

namespace {

using X = FENNICK_CONFIG;

// clang-format off
const std::vector<TGroupRow> kGroups = {
    {offsetof(X, bCLOCK), "CLOCK", {
        {"CLOCK_50",    0, DIR_IN, {"L1"}, 20},
        {"CLOCK_27[0]", 0, DIR_IN, {"D12"}, 37},
        {"CLOCK_27[1]", 0, DIR_IN, {"E12"}, 37},
        {"CLOCK_24[0]", 0, DIR_IN, {"B12"}, 41},
        {"CLOCK_24[1]", 0, DIR_IN, {"A12"}, 41},
    }},
    {offsetof(X, bSMA), "Sma", {
        {"EXT_CLOCK", 0, DIR_IN, {"M21"}},
    }},
    {offsetof(X, bLED), "LED", {
        {"LEDR[%d]", 10, DIR_OUT, {"R20"}},
        {"LEDG[%d]",  8, DIR_OUT, {"U22"}},
    }},
    {offsetof(X, bBUTTON), "KEY", {
        {"KEY[%d]", 4, DIR_IN, {"R22"}},
    }},
    {offsetof(X, bSW), "SW", {
        {"SW[%d]", 10, DIR_IN, {"L22"}},
    }},
    {offsetof(X, bSEG7), "SEG7", {
        {"HEX0[%d]", 7, DIR_OUT, {"J2"}},
        {"HEX1[%d]", 7, DIR_OUT, {}},
        {"HEX2[%d]", 7, DIR_OUT, {}},
        {"HEX3[%d]", 7, DIR_OUT, {}},
    }},
    {offsetof(X, bRS232), "RS232", {
        {"UART_TXD", 0, DIR_OUT, {"G12"}},
        {"UART_RXD", 0, DIR_IN, {"F14"}},
    }},
    {offsetof(X, bPS2), "PS2", {
        {"PS2_CLK", 0, DIR_INOUT, {}},
        {"PS2_DAT", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bVGA), "VGA", {
        {"VGA_HS",    0, DIR_OUT, {}},
        {"VGA_VS",    0, DIR_OUT, {}},
        {"VGA_R[%d]", 4, DIR_OUT, {}},
        {"VGA_G[%d]", 4, DIR_OUT, {}},
        {"VGA_B[%d]", 4, DIR_OUT, {}},
    }},
    {offsetof(X, bAUDIO), "Audio", {
        {"AUD_ADCLRCK", 0, DIR_INOUT, {}},
        {"AUD_ADCDAT",  0, DIR_IN, {}},
        {"AUD_DACLRCK", 0, DIR_INOUT, {}},
        {"AUD_DACDAT",  0, DIR_OUT, {}},
        {"AUD_XCK",     0, DIR_OUT, {}},
        {"AUD_BCLK",    0, DIR_INOUT, {}},
        {"I2C_SCLK",    0, DIR_OUT, {}},
        {"I2C_SDAT",    0, DIR_INOUT, {}},
    }},
    {offsetof(X, bSDCARD), "SDCARD", {
        {"SD_CMD",  0, DIR_INOUT, {}},
        {"SD_CLK",  0, DIR_OUT, {}},
        {"SD_DAT",  0, DIR_INOUT, {"W20"}},
        {"SD_DAT3", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bSDRAM), "SDRAM", {
        {"DRAM_ADDR[%d]", 12, DIR_OUT, {"W4"}},
        {"DRAM_DQ[%d]",   16, DIR_INOUT, {"U1"}},
        {"DRAM_BA[%d]",    2, DIR_OUT, {}},
        {"DRAM_LDQM",      0, DIR_OUT, {}},
        {"DRAM_UDQM",      0, DIR_OUT, {}},
        {"DRAM_RAS_N",     0, DIR_OUT, {}},
        {"DRAM_CAS_N",     0, DIR_OUT, {}},
        {"DRAM_CKE",       0, DIR_OUT, {}},
        {"DRAM_CLK",       0, DIR_OUT, {"U4"}},
        {"DRAM_WE_N",      0, DIR_OUT, {}},
        {"DRAM_CS_N",      0, DIR_OUT, {}},
    }},
    {offsetof(X, bSRAM), "SRAM", {
        {"SRAM_ADDR[%d]", 18, DIR_OUT, {"AA3"}},
        {"SRAM_DQ[%d]",   16, DIR_INOUT, {}},
        {"SRAM_WE_N",      0, DIR_OUT, {}},
        {"SRAM_OE_N",      0, DIR_OUT, {}},
        {"SRAM_UB_N",      0, DIR_OUT, {}},
        {"SRAM_LB_N",      0, DIR_OUT, {}},
        {"SRAM_CE_N",      0, DIR_OUT, {}},
    }},
    {offsetof(X, bFLASH), "Flash", {
        {"FL_ADDR[%d]", 22, DIR_OUT, {"AB20"}},
        {"FL_DQ[%d]",    8, DIR_INOUT, {}},
        {"FL_OE_N",      0, DIR_OUT, {}},
        {"FL_RST_N",     0, DIR_OUT, {}},
        {"FL_WE_N",      0, DIR_OUT, {}},
        {"FL_CE_N",      0, DIR_OUT, {}},
    }},
};

const std::vector<const char*> kGpio0 =
    GpioHeaderLocations({{1, "A13"}, {2, "B13"}, {10, "B17"}, {13, "A18"}, {40, "L18"}});
const std::vector<const char*> kGpio1 =
    GpioHeaderLocations({{1, "H12"}, {2, "H13"}, {10, "F13"}, {13, "C14"}, {40, "P18"}});
// clang-format on

const TGpioPairBoard kFennick = {
    .Device = {.Family = "Cyclone II", .PinCount = 484, .Package = "FBGA", .SpeedGradeText = "", .SpeedGrade = 7,
               .Part = "EP2C20F484C7"},
    .Groups = kGroups,
    .Gpio0 = kGpio0,
    .Gpio1 = kGpio1,
};

}  // namespace

void CONFIG_FENNICK(TMainBoard* board, const void* record)
{
    const FENNICK_CONFIG& Config = *static_cast<const FENNICK_CONFIG*>(record);
    board->m_BoardId = MAINBOARD_FENNICK;
    CHECK_RECORD_HEAD(Config, MAINBOARD_FENNICK, FENNICK_CONFIG);
    DefineGpioPairBoard(board, Config, kFennick);
}
