// The Isselmont board: a Cyclone II with nineteen on-board group flags and
// two 40-pin GPIO headers. The balls given are those of the board's data we
// hold; every other pin keeps its place with kUnknownBall.
#include "boards/cyclone2_3/CONFIG_ISSELMONT.h"

#include "boards/cyclone2_3/ConfigGpioPair.h"

namespace {

using X = ISSELMONT_CONFIG;

// The I2C bus serves the audio codec and the TV decoder: named after those
// of the two that are ticked ("I2C for Audioand Tv-Decode" for both), none
// when neither is.
std::string I2cGroupName(const uint8_t* record)
{
    const bool audio = record[offsetof(X, bAUDIO)] != 0;
    const bool tv = record[offsetof(X, bTVDECODER)] != 0;
    if (!audio && !tv) return "";
    std::string name = "I2C for ";
    if (audio) name += "Audio";
    if (tv) {
        if (audio) name += "and ";
        name += "Tv-Decode";
    }
    return name;
}

// clang-format off
const std::vector<TGroupRow> kGroups = {
    {offsetof(X, bCLOCK), "CLOCK", {
        {"CLOCK_50", 0, DIR_IN, {"N2"}, 20},
        {"CLOCK_27", 0, DIR_IN, {"D13"}, 37},
    }},
    {offsetof(X, bSMA), "Sma", {
        {"EXT_CLOCK", 0, DIR_IN, {"P26"}},
    }},
    {offsetof(X, bLED), "LED", {
        {"LEDR[%d]", 18, DIR_OUT, {"AE23", "AF23", "AB21", "AC22"}},
        {"LEDG[%d]",  9, DIR_OUT, {}},
    }},
    {offsetof(X, bBUTTON), "KEY", {
        {"KEY[%d]", 4, DIR_IN, {}},
    }},
    {offsetof(X, bSW), "SW", {
        {"SW[%d]", 18, DIR_IN, {}},
    }},
    {offsetof(X, bSEG7), "SEG7", {
        {"HEX0_D[%d]", 7, DIR_OUT, {}},
        {"HEX1_D[%d]", 7, DIR_OUT, {}},
        {"HEX2_D[%d]", 7, DIR_OUT, {}},
        {"HEX3_D[%d]", 7, DIR_OUT, {}},
        {"HEX4_D[%d]", 7, DIR_OUT, {}},
        {"HEX5_D[%d]", 7, DIR_OUT, {}},
        {"HEX6_D[%d]", 7, DIR_OUT, {}},
        {"HEX7_D[%d]", 7, DIR_OUT, {}},
    }},
    {offsetof(X, bLCD), "LCD", {
        {"LCD_DATA[%d]", 8, DIR_INOUT, {}},
        {"LCD_BLON", 0, DIR_OUT, {}},
        {"LCD_RW",   0, DIR_OUT, {}},
        {"LCD_EN",   0, DIR_OUT, {}},
        {"LCD_RS",   0, DIR_OUT, {}},
        // Written "l4" (lower-case L) in the board's data and used so.
        {"LCD_ON",   0, DIR_OUT, {"l4"}},
    }},
    {offsetof(X, bRS232), "RS232", {
        {"UART_TXD", 0, DIR_OUT, {"B25"}},
        {"UART_RXD", 0, DIR_IN, {"C25"}},
    }},
    {offsetof(X, bPS2), "PS2", {
        {"PS2_CLK", 0, DIR_INOUT, {}},
        {"PS2_DAT", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bSDCARD), "SDCARD", {
        {"SD_CMD",  0, DIR_INOUT, {}},
        {"SD_CLK",  0, DIR_OUT, {}},
        {"SD_DAT",  0, DIR_INOUT, {}},
        {"SD_DAT3", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bVGA), "VGA", {
        {"VGA_HS",    0, DIR_OUT, {}},
        {"VGA_VS",    0, DIR_OUT, {}},
        {"VGA_SYNC",  0, DIR_OUT, {}},
        {"VGA_CLK",   0, DIR_OUT, {}},
        {"VGA_BLANK", 0, DIR_OUT, {}},
        {"VGA_R[%d]", 10, DIR_OUT, {}},
        {"VGA_G[%d]", 10, DIR_OUT, {}},
        {"VGA_B[%d]", 10, DIR_OUT, {}},
    }},
    {offsetof(X, bAUDIO), "Audio", {
        {"AUD_ADCLRCK", 0, DIR_INOUT, {}},
        {"AUD_ADCDAT",  0, DIR_IN, {}},
        {"AUD_DACLRCK", 0, DIR_INOUT, {}},
        {"AUD_DACDAT",  0, DIR_OUT, {}},
        {"AUD_XCK",     0, DIR_OUT, {}},
        {"AUD_BCLK",    0, DIR_INOUT, {}},
    }},
    {0, nullptr, {
        {"I2C_SCLK", 0, DIR_OUT, {}},
        {"I2C_SDAT", 0, DIR_INOUT, {}},
    }, I2cGroupName},
    {offsetof(X, bETHERNET), "Ethernet", {
        {"ENET_CLK",   0, DIR_OUT, {}},
        {"ENET_CMD",   0, DIR_OUT, {}},
        {"ENET_CS_N",  0, DIR_OUT, {}},
        {"ENET_INT",   0, DIR_IN, {}},
        {"ENET_RD_N",  0, DIR_OUT, {}},
        {"ENET_WR_N",  0, DIR_OUT, {}},
        {"ENET_RST_N", 0, DIR_OUT, {}},
        {"ENET_DATA[%d]", 16, DIR_INOUT, {}},
    }},
    {offsetof(X, bTVDECODER), "TV Decoder", {
        {"TD_HS",    0, DIR_IN, {}},
        {"TD_VS",    0, DIR_IN, {}},
        {"TD_CLK27", 0, DIR_IN, {}},
        {"TD_RESET", 0, DIR_OUT, {}},
        {"TD_DATA[%d]", 8, DIR_IN, {}},
    }},
    {offsetof(X, bUSB), "USB OTG", {
        {"OTG_ADDR[%d]",   2, DIR_OUT, {}},
        {"OTG_CS_N",       0, DIR_OUT, {}},
        {"OTG_RD_N",       0, DIR_OUT, {}},
        {"OTG_WR_N",       0, DIR_OUT, {}},
        {"OTG_RST_N",      0, DIR_OUT, {}},
        {"OTG_INT[%d]",    2, DIR_IN, {}},
        {"OTG_DACK_N[%d]", 2, DIR_OUT, {}},
        {"OTG_DREQ[%d]",   2, DIR_IN, {}},
        {"OTG_FSPEED",     0, DIR_INOUT, {}},
        {"OTG_LSPEED",     0, DIR_INOUT, {}},
        {"OTG_DATA[%d]",  16, DIR_INOUT, {}},
    }},
    {offsetof(X, bIR), "IR", {
        {"IRDA_TXD", 0, DIR_OUT, {"AE24"}},
        {"IRDA_RXD", 0, DIR_IN, {}},
    }},
    {offsetof(X, bSDRAM), "SDRAM", {
        {"DRAM_BA[%d]",    2, DIR_OUT, {}},
        {"DRAM_LDQM",      0, DIR_OUT, {}},
        {"DRAM_UDQM",      0, DIR_OUT, {}},
        {"DRAM_RAS_N",     0, DIR_OUT, {}},
        {"DRAM_CAS_N",     0, DIR_OUT, {}},
        {"DRAM_CKE",       0, DIR_OUT, {}},
        {"DRAM_CLK",       0, DIR_OUT, {}},
        {"DRAM_WE_N",      0, DIR_OUT, {}},
        {"DRAM_CS_N",      0, DIR_OUT, {}},
        {"DRAM_DQ[%d]",   16, DIR_INOUT, {}},
        {"DRAM_ADDR[%d]", 12, DIR_OUT, {}},
    }},
    {offsetof(X, bSRAM), "SRAM", {
        {"SRAM_ADDR[%d]", 18, DIR_OUT, {}},
        {"SRAM_DQ[%d]",   16, DIR_INOUT, {}},
        {"SRAM_WE_N",      0, DIR_OUT, {}},
        {"SRAM_OE_N",      0, DIR_OUT, {}},
        {"SRAM_UB_N",      0, DIR_OUT, {}},
        {"SRAM_LB_N",      0, DIR_OUT, {}},
        {"SRAM_CE_N",      0, DIR_OUT, {}},
    }},
    {offsetof(X, bFLASH), "Flash", {
        {"FL_ADDR[%d]", 22, DIR_OUT, {}},
        {"FL_DQ[%d]",    8, DIR_INOUT, {}},
        {"FL_CE_N",      0, DIR_OUT, {}},
        {"FL_OE_N",      0, DIR_OUT, {}},
        {"FL_RST_N",     0, DIR_OUT, {}},
        {"FL_WE_N",      0, DIR_OUT, {}},
    }},
};

const std::vector<const char*> kGpio0 = GpioHeaderLocations({{1, "D25"}, {2, "J22"}, {3, "E26"}, {4, "E25"}});
const std::vector<const char*> kGpio1 = GpioHeaderLocations({{1, "K25"}, {2, "K26"}, {3, "M22"}, {4, "M23"}});
// clang-format on

const TGpioPairBoard kIsselmont = {
    .Device = {.Family = "Cyclone II", .PinCount = 672, .Package = "FBGA", .SpeedGradeText = "", .SpeedGrade = 6,
               .Part = "EP2C35F672C6"},
    .Groups = kGroups,
    .Gpio0 = kGpio0,
    .Gpio1 = kGpio1,
};

}  // namespace

void CONFIG_ISSELMONT(TMainBoard* board, const void* record)
{
    const ISSELMONT_CONFIG& Config = *static_cast<const ISSELMONT_CONFIG*>(record);
    board->m_BoardId = MAINBOARD_ISSELMONT;
    CHECK_RECORD_HEAD(Config, MAINBOARD_ISSELMONT, ISSELMONT_CONFIG);
    DefineGpioPairBoard(board, Config, kIsselmont);
}
