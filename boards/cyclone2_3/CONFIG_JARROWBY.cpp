// The Jarrowby board: a Cyclone II with twenty-one on-board group flags (two
// SDRAMs, two TV decoders, a synchronous SRAM) and two 40-pin GPIO headers.
// The balls given are those of the board's data we hold; every other pin
// keeps its place with kUnknownBall.
#include "boards/cyclone2_3/CONFIG_JARROWBY.h"

#include "boards/cyclone2_3/ConfigGpioPair.h"

namespace {

using X = JARROWBY_CONFIG;
constexpr const char* U = kUnknownBall;

// The I2C bus serves the audio codec and both TV decoders: named after those
// that are ticked ("I2C for Audioand Tv-Decode 1 and 2" for all three), none
// when none is.
std::string I2cGroupName(const uint8_t* record)
{
    const bool audio = record[offsetof(X, bAUDIO)] != 0;
    const bool tv1 = record[offsetof(X, bTVDECODER1)] != 0;
    const bool tv2 = record[offsetof(X, bTVDECODER2)] != 0;
    if (!audio && !tv1 && !tv2) return "";
    std::string name = "I2C for ";
    if (audio) name += "Audio";
    if (tv1 || tv2) {
        if (audio) name += "and ";
        name += tv1 && tv2 ? "Tv-Decode 1 and 2" : tv1 ? "Tv-Decode 1" : "Tv-Decode 2";
    }
    return name;
}

// clang-format off
const std::vector<TGroupRow> kGroups = {
    {offsetof(X, bCLOCK), "CLOCK", {
        {"CLOCK_50",   0, DIR_IN, {"AD15"}, 20},
        {"CLOCK_50_2", 0, DIR_IN, {"D16"}, 20},
        {"CLOCK_50_3", 0, DIR_IN, {"R28"}, 20},
        {"CLOCK_50_4", 0, DIR_IN, {"R3"}, 20},
        {"CLOCK_28",   0, DIR_IN, {"E16"}, 35},
    }},
    {offsetof(X, bSMA), "Sma", {
        {"EXT_CLOCK", 0, DIR_IN, {"R29"}},
    }},
    {offsetof(X, bLED), "LED", {
        {"LEDR[%d]", 18, DIR_OUT, {"AJ6"}},
        {"LEDG[%d]",  9, DIR_OUT, {"W27"}},
    }},
    {offsetof(X, bBUTTON), "BUTTON", {
        {"BUTTON[%d]", 4, DIR_IN, {"T29"}},
    }},
    {offsetof(X, bSW), "SW", {
        {"SW[%d]", 18, DIR_IN, {"AA23", U, U, U, U, U, U, "AD25"}},
    }},
    {offsetof(X, bSEG7), "SEG7", {
        {"HEX0_DP", 0, DIR_OUT, {"AF12"}},
        {"HEX1_DP", 0, DIR_OUT, {}},
        {"HEX2_DP", 0, DIR_OUT, {}},
        {"HEX3_DP", 0, DIR_OUT, {}},
        {"HEX4_DP", 0, DIR_OUT, {}},
        {"HEX5_DP", 0, DIR_OUT, {}},
        {"HEX6_DP", 0, DIR_OUT, {}},
        {"HEX7_DP", 0, DIR_OUT, {}},
        {"HEX0_D[%d]", 7, DIR_OUT, {"AE8"}},
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
        {"LCD_ON",   0, DIR_OUT, {}},
    }},
    {offsetof(X, bRS232), "RS232", {
        {"UART_TXD", 0, DIR_OUT, {}},
        {"UART_RXD", 0, DIR_IN, {}},
        {"UART_CTS", 0, DIR_OUT, {}},
        {"UART_RTS", 0, DIR_IN, {}},
    }},
    {offsetof(X, bPS2), "PS2", {
        {"PS2_KBCLK", 0, DIR_INOUT, {}},
        {"PS2_KBDAT", 0, DIR_INOUT, {}},
        {"PS2_MSCLK", 0, DIR_INOUT, {}},
        {"PS2_MSDAT", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bSDCARD), "SDCARD", {
        {"SD_CMD",  0, DIR_INOUT, {}},
        {"SD_CLK",  0, DIR_OUT, {}},
        {"SD_DAT",  0, DIR_INOUT, {}},
        {"SD_DAT3", 0, DIR_INOUT, {}},
    }},
    {offsetof(X, bVGA), "VGA", {
        {"VGA_HS",      0, DIR_OUT, {}},
        {"VGA_VS",      0, DIR_OUT, {}},
        {"VGA_SYNC",    0, DIR_OUT, {}},
        {"VGA_CLK",     0, DIR_OUT, {}},
        {"VGA_BLANK_N", 0, DIR_OUT, {}},
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
        {"I2C_SCLK", 0, DIR_OUT, {"J18"}},
        {"I2C_SDAT", 0, DIR_INOUT, {"H18"}},
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
    {offsetof(X, bTVDECODER1), "TV Decoder 1", {
        {"TD_HS",      0, DIR_IN, {}},
        {"TD_VS",      0, DIR_IN, {}},
        {"TD_CLK27",   0, DIR_IN, {}},
        {"TD_RESET_N", 0, DIR_OUT, {}},
        {"TD_DATA[%d]", 8, DIR_IN, {}},
    }},
    {offsetof(X, bTVDECODER2), "TV Decoder 2", {
        {"TD2_HS",      0, DIR_IN, {}},
        {"TD2_VS",      0, DIR_IN, {}},
        {"TD2_CLK27",   0, DIR_IN, {}},
        {"TD2_RESET_N", 0, DIR_OUT, {}},
        {"TD2_DATA[%d]", 8, DIR_INOUT, {}},
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
        {"IRDA_TXD", 0, DIR_OUT, {}},
        {"IRDA_RXD", 0, DIR_IN, {}},
    }},
    {offsetof(X, bSDRAM0), "SDRAM0", {
        {"DRAM0_BA[%d]",    2, DIR_OUT, {}},
        {"DRAM0_LDQM",      0, DIR_OUT, {}},
        {"DRAM0_UDQM",      0, DIR_OUT, {}},
        {"DRAM0_RAS_N",     0, DIR_OUT, {}},
        {"DRAM0_CAS_N",     0, DIR_OUT, {}},
        {"DRAM0_CKE",       0, DIR_OUT, {}},
        {"DRAM0_CLK",       0, DIR_OUT, {"AD6"}},
        {"DRAM0_WE_N",      0, DIR_OUT, {}},
        {"DRAM0_CS_N",      0, DIR_OUT, {}},
        {"DRAM0_DQ[%d]",   16, DIR_INOUT, {}},
        {"DRAM0_ADDR[%d]", 13, DIR_OUT, {}},
    }},
    {offsetof(X, bSDRAM1), "SDRAM1", {
        {"DRAM1_BA[%d]",    2, DIR_OUT, {}},
        {"DRAM1_LDQM",      0, DIR_OUT, {}},
        {"DRAM1_UDQM",      0, DIR_OUT, {}},
        {"DRAM1_RAS_N",     0, DIR_OUT, {}},
        {"DRAM1_CAS_N",     0, DIR_OUT, {}},
        {"DRAM1_CKE",       0, DIR_OUT, {}},
        {"DRAM1_CLK",       0, DIR_OUT, {"G5"}},
        {"DRAM1_WE_N",      0, DIR_OUT, {}},
        {"DRAM1_CS_N",      0, DIR_OUT, {}},
        {"DRAM1_DQ[%d]",   16, DIR_INOUT, {}},
        {"DRAM1_ADDR[%d]", 13, DIR_OUT, {}},
    }},
    {offsetof(X, bSSRAM), "SSRAM", {
        {"SRAM_ADDR[%d]", 19, DIR_OUT, {}},
        {"SRAM_DQ[%d]",   32, DIR_INOUT, {}},
        {"SRAM_ADSC_N",    0, DIR_OUT, {}},
        {"SRAM_ADSP_N",    0, DIR_OUT, {}},
        {"SRAM_ADV_N",     0, DIR_OUT, {}},
        {"SRAM_BE_N[%d]",  4, DIR_OUT, {}},
        {"SRAM_CE1_N",     0, DIR_OUT, {}},
        {"SRAM_CE2",       0, DIR_OUT, {}},
        {"SRAM_CE3_N",     0, DIR_OUT, {}},
        {"SRAM_CLK",       0, DIR_OUT, {"AD7"}},
        {"SRAM_DPA[%d]",   4, DIR_INOUT, {}},
        {"SRAM_GW_N",      0, DIR_OUT, {}},
        {"SRAM_OE_N",      0, DIR_OUT, {}},
        {"SRAM_WE_N",      0, DIR_OUT, {}},
    }},
    {offsetof(X, bFLASH), "Flash", {
        {"FLASH_ADDR[%d]", 22, DIR_OUT, {}},
        {"FLASH_DQ[%d]",   15, DIR_INOUT, {}},
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

const std::vector<const char*> kGpio0 = GpioHeaderLocations({
    {1, "T25"}, {2, "C30"}, {3, "T24"}, {4, "C29"}, {10, "G25"}, {13, "E30"}, {28, "K24"}, {31, "J24"}, {40, "N24"}});
const std::vector<const char*> kGpio1 = GpioHeaderLocations({
    {1, "AH14"}, {2, "G27"}, {3, "AG15"}, {10, "L28"}, {13, "K28"}, {19, "AF27"}, {28, "R26"}, {31, "M30"}, {40, "P30"}});
// clang-format on

const TGpioPairBoard kJarrowby = {
    .Device = {.Family = "Cyclone II", .PinCount = 896, .Package = "FBGA", .SpeedGradeText = "", .SpeedGrade = 6,
               .Part = "EP2C70F896C6"},
    .Groups = kGroups,
    .Gpio0 = kGpio0,
    .Gpio1 = kGpio1,
};

}  // namespace

void CONFIG_JARROWBY(TMainBoard* board, const void* record)
{
    const JARROWBY_CONFIG& Config = *static_cast<const JARROWBY_CONFIG*>(record);
    board->m_BoardId = MAINBOARD_JARROWBY;
    CHECK_RECORD_HEAD(Config, MAINBOARD_JARROWBY, JARROWBY_CONFIG);
    DefineGpioPairBoard(board, Config, kJarrowby);
}
