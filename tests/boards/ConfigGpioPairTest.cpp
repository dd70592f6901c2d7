// The definitions of the four boards with a pair of 40-pin GPIO headers:
// device data, every group with every pin in order (the balls the board's
// data gives, every other pin without location), the clocks, the computed I2C
// group names, the header masters, the .qsf board blocks and the invariants.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "boards/cyclone2_3/CONFIG_AVEMOR.h"
#include "boards/cyclone2_3/CONFIG_FENNICK.h"
#include "boards/cyclone2_3/CONFIG_ISSELMONT.h"
#include "boards/cyclone2_3/CONFIG_JARROWBY.h"
#include "boards/cyclone2_3/GpioPairConfigs.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_gpio_pair_test {

using namespace defcheck;

namespace {

constexpr IoStandard LVTTL = 8;

// A record of the board with every flag set to flag and no card.
template <class X_CONFIG>
X_CONFIG MakeRecord(uint8_t boardId, uint8_t flag)
{
    X_CONFIG record{};
    record.BoardId = boardId;
    record.Size = sizeof(X_CONFIG);
    std::strcpy(record.szProjectName, "P");
    const size_t flags = offsetof(X_CONFIG, nGpioDaughterId) - offsetof(X_CONFIG, bCLOCK);
    std::memset(&record.bCLOCK, flag, flags);
    return record;
}

// The clock pins of the board in order, with their periods; none has a
// frequency text.
std::vector<std::pair<std::string, int>> Clocks(const TMainBoard& board)
{
    std::vector<std::pair<std::string, int>> clocks;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || !pin->GetIsClock()) continue;
            clocks.emplace_back(pin->GetName(), pin->GetClockPeriodNs());
            EXPECT_EQ(pin->GetClockFrequencyText(), "") << pin->GetName();
        }
    }
    return clocks;
}

const char* const kNceoLine =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

// ---- Avemor ---------------------------------------------------------------------

const std::vector<Row> kAvemorRows = {
    {"CLOCK", "CLOCK_50 CLOCK_50_2", "G21 B12", LVTTL, "in"},
    {"LED", "LED[0..9]", "J1 J2 J3 H1 F2 E1 C1 C2 B2 B1", LVTTL, "out"},
    {"BUTTON", "BUTTON[0..2]", "", LVTTL, "in"},
    {"SW", "SW[0..9]", "", LVTTL, "in"},
    {"SEG7", "HEX0_DP", "D13", LVTTL, "out"},
    {"SEG7", "HEX1_DP HEX2_DP HEX3_DP HEX0_D[0..6] HEX1_D[0..6] HEX2_D[0..6] HEX3_D[0..6]", "", LVTTL, "out"},
    {"RS232", "UART_TXD", "", LVTTL, "out"},
    {"RS232", "UART_RXD", "", LVTTL, "in"},
    {"RS232", "UART_CTS", "", LVTTL, "out"},
    {"RS232", "UART_RTS", "", LVTTL, "in"},
    {"PS2", "PS2_KBDAT PS2_KBCLK PS2_MSDAT PS2_MSCLK", "", LVTTL, "io"},
    {"SDCARD", "SD_CMD", "", LVTTL, "io"},
    {"SDCARD", "SD_CLK", "", LVTTL, "out"},
    {"SDCARD", "SD_WPn", "", LVTTL, "in"},
    {"SDCARD", "SD_DAT SD_DAT3", "", LVTTL, "io"},
    {"LCD", "LCD_DATA[0..7]", "", LVTTL, "io"},
    {"LCD", "LCD_BLON LCD_RW LCD_EN LCD_RS", "", LVTTL, "out"},
    {"VGA", "VGA_HS VGA_VS VGA_R[0..3] VGA_G[0..3]", "", LVTTL, "out"},
    {"VGA", "VGA_B[0]", "K22", LVTTL, "out"},
    {"VGA", "VGA_B[1..3]", "", LVTTL, "out"},
    {"SDRAM", "DRAM_BA[0] DRAM_BA[1] DRAM_LDQM DRAM_UDQM DRAM_RAS_N DRAM_CAS_N DRAM_CKE DRAM_CLK DRAM_WE_N DRAM_CS_N",
     "", LVTTL, "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "", LVTTL, "io"},
    {"SDRAM", "DRAM_ADDR[0..12]", "", LVTTL, "out"},
    {"Flash", "FLASH_ADDR[0..21]", "", LVTTL, "out"},
    {"Flash", "FLASH_DQ[0..3]", "", LVTTL, "io"},
    {"Flash", "FLASH_DQ[4]", "v2", LVTTL, "io"},
    {"Flash", "FLASH_DQ[5..14]", "", LVTTL, "io"},
    {"Flash", "FLASH_DQ15_AM1 FLASH_BYTE_N FLASH_CE_N FLASH_OE_N FLASH_RESET_N FLASH_RY FLASH_WE_N FLASH_WP_N", "",
     LVTTL, "out"},
};
const char kAvemorGpio0[] = "AB12 AB16 AA12 AA16 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?";
const char kAvemorGpio1[] = "AB11 AA20 AA11 AB20 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?";

// ---- Fennick --------------------------------------------------------------------

const std::vector<Row> kFennickRows = {
    {"CLOCK", "CLOCK_50 CLOCK_27[0] CLOCK_27[1] CLOCK_24[0] CLOCK_24[1]", "L1 D12 E12 B12 A12", LVTTL, "in"},
    {"Sma", "EXT_CLOCK", "M21", LVTTL, "in"},
    {"LED", "LEDR[0]", "R20", LVTTL, "out"},
    {"LED", "LEDR[1..9]", "", LVTTL, "out"},
    {"LED", "LEDG[0]", "U22", LVTTL, "out"},
    {"LED", "LEDG[1..7]", "", LVTTL, "out"},
    {"KEY", "KEY[0]", "R22", LVTTL, "in"},
    {"KEY", "KEY[1..3]", "", LVTTL, "in"},
    {"SW", "SW[0]", "L22", LVTTL, "in"},
    {"SW", "SW[1..9]", "", LVTTL, "in"},
    {"SEG7", "HEX0[0]", "J2", LVTTL, "out"},
    {"SEG7", "HEX0[1..6] HEX1[0..6] HEX2[0..6] HEX3[0..6]", "", LVTTL, "out"},
    {"RS232", "UART_TXD", "G12", LVTTL, "out"},
    {"RS232", "UART_RXD", "F14", LVTTL, "in"},
    {"PS2", "PS2_CLK PS2_DAT", "", LVTTL, "io"},
    {"VGA", "VGA_HS VGA_VS VGA_R[0..3] VGA_G[0..3] VGA_B[0..3]", "", LVTTL, "out"},
    {"Audio", "AUD_ADCLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_ADCDAT", "", LVTTL, "in"},
    {"Audio", "AUD_DACLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_DACDAT AUD_XCK", "", LVTTL, "out"},
    {"Audio", "AUD_BCLK", "", LVTTL, "io"},
    {"Audio", "I2C_SCLK", "", LVTTL, "out"},
    {"Audio", "I2C_SDAT", "", LVTTL, "io"},
    {"SDCARD", "SD_CMD", "", LVTTL, "io"},
    {"SDCARD", "SD_CLK", "", LVTTL, "out"},
    {"SDCARD", "SD_DAT", "W20", LVTTL, "io"},
    {"SDCARD", "SD_DAT3", "", LVTTL, "io"},
    {"SDRAM", "DRAM_ADDR[0]", "W4", LVTTL, "out"},
    {"SDRAM", "DRAM_ADDR[1..11]", "", LVTTL, "out"},
    {"SDRAM", "DRAM_DQ[0]", "U1", LVTTL, "io"},
    {"SDRAM", "DRAM_DQ[1..15]", "", LVTTL, "io"},
    {"SDRAM", "DRAM_BA[0..1] DRAM_LDQM DRAM_UDQM DRAM_RAS_N DRAM_CAS_N DRAM_CKE", "", LVTTL, "out"},
    {"SDRAM", "DRAM_CLK", "U4", LVTTL, "out"},
    {"SDRAM", "DRAM_WE_N DRAM_CS_N", "", LVTTL, "out"},
    {"SRAM", "SRAM_ADDR[0]", "AA3", LVTTL, "out"},
    {"SRAM", "SRAM_ADDR[1..17]", "", LVTTL, "out"},
    {"SRAM", "SRAM_DQ[0..15]", "", LVTTL, "io"},
    {"SRAM", "SRAM_WE_N SRAM_OE_N SRAM_UB_N SRAM_LB_N SRAM_CE_N", "", LVTTL, "out"},
    {"Flash", "FL_ADDR[0]", "AB20", LVTTL, "out"},
    {"Flash", "FL_ADDR[1..21]", "", LVTTL, "out"},
    {"Flash", "FL_DQ[0..7]", "", LVTTL, "io"},
    {"Flash", "FL_OE_N FL_RST_N FL_WE_N FL_CE_N", "", LVTTL, "out"},
};
const char kFennickGpio0[] = "A13 B13 ? ? ? ? ? ? ? B17 - - A18 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? L18";
const char kFennickGpio1[] = "H12 H13 ? ? ? ? ? ? ? F13 - - C14 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? P18";

// ---- Isselmont ------------------------------------------------------------------

const std::vector<Row> kIsselmontRows = {
    {"CLOCK", "CLOCK_50 CLOCK_27", "N2 D13", LVTTL, "in"},
    {"Sma", "EXT_CLOCK", "P26", LVTTL, "in"},
    {"LED", "LEDR[0..3]", "AE23 AF23 AB21 AC22", LVTTL, "out"},
    {"LED", "LEDR[4..17] LEDG[0..8]", "", LVTTL, "out"},
    {"KEY", "KEY[0..3]", "", LVTTL, "in"},
    {"SW", "SW[0..17]", "", LVTTL, "in"},
    {"SEG7", "HEX0_D[0..6] HEX1_D[0..6] HEX2_D[0..6] HEX3_D[0..6] HEX4_D[0..6] HEX5_D[0..6] HEX6_D[0..6] HEX7_D[0..6]",
     "", LVTTL, "out"},
    {"LCD", "LCD_DATA[0..7]", "", LVTTL, "io"},
    {"LCD", "LCD_BLON LCD_RW LCD_EN LCD_RS", "", LVTTL, "out"},
    {"LCD", "LCD_ON", "l4", LVTTL, "out"},
    {"RS232", "UART_TXD", "B25", LVTTL, "out"},
    {"RS232", "UART_RXD", "C25", LVTTL, "in"},
    {"PS2", "PS2_CLK PS2_DAT", "", LVTTL, "io"},
    {"SDCARD", "SD_CMD", "", LVTTL, "io"},
    {"SDCARD", "SD_CLK", "", LVTTL, "out"},
    {"SDCARD", "SD_DAT SD_DAT3", "", LVTTL, "io"},
    {"VGA", "VGA_HS VGA_VS VGA_SYNC VGA_CLK VGA_BLANK VGA_R[0..9] VGA_G[0..9] VGA_B[0..9]", "", LVTTL, "out"},
    {"Audio", "AUD_ADCLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_ADCDAT", "", LVTTL, "in"},
    {"Audio", "AUD_DACLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_DACDAT AUD_XCK", "", LVTTL, "out"},
    {"Audio", "AUD_BCLK", "", LVTTL, "io"},
    {"I2C for Audioand Tv-Decode", "I2C_SCLK", "", LVTTL, "out"},
    {"I2C for Audioand Tv-Decode", "I2C_SDAT", "", LVTTL, "io"},
    {"Ethernet", "ENET_CLK ENET_CMD ENET_CS_N", "", LVTTL, "out"},
    {"Ethernet", "ENET_INT", "", LVTTL, "in"},
    {"Ethernet", "ENET_RD_N ENET_WR_N ENET_RST_N", "", LVTTL, "out"},
    {"Ethernet", "ENET_DATA[0..15]", "", LVTTL, "io"},
    {"TV Decoder", "TD_HS TD_VS TD_CLK27", "", LVTTL, "in"},
    {"TV Decoder", "TD_RESET", "", LVTTL, "out"},
    {"TV Decoder", "TD_DATA[0..7]", "", LVTTL, "in"},
    {"USB OTG", "OTG_ADDR[0] OTG_ADDR[1] OTG_CS_N OTG_RD_N OTG_WR_N OTG_RST_N", "", LVTTL, "out"},
    {"USB OTG", "OTG_INT[0] OTG_INT[1]", "", LVTTL, "in"},
    {"USB OTG", "OTG_DACK_N[0] OTG_DACK_N[1]", "", LVTTL, "out"},
    {"USB OTG", "OTG_DREQ[0] OTG_DREQ[1]", "", LVTTL, "in"},
    {"USB OTG", "OTG_FSPEED OTG_LSPEED OTG_DATA[0..15]", "", LVTTL, "io"},
    {"IR", "IRDA_TXD", "AE24", LVTTL, "out"},
    {"IR", "IRDA_RXD", "", LVTTL, "in"},
    {"SDRAM", "DRAM_BA[0] DRAM_BA[1] DRAM_LDQM DRAM_UDQM DRAM_RAS_N DRAM_CAS_N DRAM_CKE DRAM_CLK DRAM_WE_N DRAM_CS_N",
     "", LVTTL, "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "", LVTTL, "io"},
    {"SDRAM", "DRAM_ADDR[0..11]", "", LVTTL, "out"},
    {"SRAM", "SRAM_ADDR[0..17]", "", LVTTL, "out"},
    {"SRAM", "SRAM_DQ[0..15]", "", LVTTL, "io"},
    {"SRAM", "SRAM_WE_N SRAM_OE_N SRAM_UB_N SRAM_LB_N SRAM_CE_N", "", LVTTL, "out"},
    {"Flash", "FL_ADDR[0..21]", "", LVTTL, "out"},
    {"Flash", "FL_DQ[0..7]", "", LVTTL, "io"},
    {"Flash", "FL_CE_N FL_OE_N FL_RST_N FL_WE_N", "", LVTTL, "out"},
};
const char kIsselmontGpio0[] = "D25 J22 E26 E25 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?";
const char kIsselmontGpio1[] = "K25 K26 M22 M23 ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? - - ? ? ? ? ? ? ? ? ? ?";

// ---- Jarrowby -------------------------------------------------------------------

const std::vector<Row> kJarrowbyRows = {
    {"CLOCK", "CLOCK_50 CLOCK_50_2 CLOCK_50_3 CLOCK_50_4 CLOCK_28", "AD15 D16 R28 R3 E16", LVTTL, "in"},
    {"Sma", "EXT_CLOCK", "R29", LVTTL, "in"},
    {"LED", "LEDR[0]", "AJ6", LVTTL, "out"},
    {"LED", "LEDR[1..17]", "", LVTTL, "out"},
    {"LED", "LEDG[0]", "W27", LVTTL, "out"},
    {"LED", "LEDG[1..8]", "", LVTTL, "out"},
    {"BUTTON", "BUTTON[0]", "T29", LVTTL, "in"},
    {"BUTTON", "BUTTON[1..3]", "", LVTTL, "in"},
    {"SW", "SW[0]", "AA23", LVTTL, "in"},
    {"SW", "SW[1..6]", "", LVTTL, "in"},
    {"SW", "SW[7]", "AD25", LVTTL, "in"},
    {"SW", "SW[8..17]", "", LVTTL, "in"},
    {"SEG7", "HEX0_DP", "AF12", LVTTL, "out"},
    {"SEG7", "HEX1_DP HEX2_DP HEX3_DP HEX4_DP HEX5_DP HEX6_DP HEX7_DP", "", LVTTL, "out"},
    {"SEG7", "HEX0_D[0]", "AE8", LVTTL, "out"},
    {"SEG7", "HEX0_D[1..6] HEX1_D[0..6] HEX2_D[0..6] HEX3_D[0..6] HEX4_D[0..6] HEX5_D[0..6] HEX6_D[0..6] HEX7_D[0..6]",
     "", LVTTL, "out"},
    {"LCD", "LCD_DATA[0..7]", "", LVTTL, "io"},
    {"LCD", "LCD_BLON LCD_RW LCD_EN LCD_RS LCD_ON", "", LVTTL, "out"},
    {"RS232", "UART_TXD", "", LVTTL, "out"},
    {"RS232", "UART_RXD", "", LVTTL, "in"},
    {"RS232", "UART_CTS", "", LVTTL, "out"},
    {"RS232", "UART_RTS", "", LVTTL, "in"},
    {"PS2", "PS2_KBCLK PS2_KBDAT PS2_MSCLK PS2_MSDAT", "", LVTTL, "io"},
    {"SDCARD", "SD_CMD", "", LVTTL, "io"},
    {"SDCARD", "SD_CLK", "", LVTTL, "out"},
    {"SDCARD", "SD_DAT SD_DAT3", "", LVTTL, "io"},
    {"VGA", "VGA_HS VGA_VS VGA_SYNC VGA_CLK VGA_BLANK_N VGA_R[0..9] VGA_G[0..9] VGA_B[0..9]", "", LVTTL, "out"},
    {"Audio", "AUD_ADCLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_ADCDAT", "", LVTTL, "in"},
    {"Audio", "AUD_DACLRCK", "", LVTTL, "io"},
    {"Audio", "AUD_DACDAT AUD_XCK", "", LVTTL, "out"},
    {"Audio", "AUD_BCLK", "", LVTTL, "io"},
    {"I2C for Audioand Tv-Decode 1 and 2", "I2C_SCLK", "J18", LVTTL, "out"},
    {"I2C for Audioand Tv-Decode 1 and 2", "I2C_SDAT", "H18", LVTTL, "io"},
    {"Ethernet", "ENET_CLK ENET_CMD ENET_CS_N", "", LVTTL, "out"},
    {"Ethernet", "ENET_INT", "", LVTTL, "in"},
    {"Ethernet", "ENET_RD_N ENET_WR_N ENET_RST_N", "", LVTTL, "out"},
    {"Ethernet", "ENET_DATA[0..15]", "", LVTTL, "io"},
    {"TV Decoder 1", "TD_HS TD_VS TD_CLK27", "", LVTTL, "in"},
    {"TV Decoder 1", "TD_RESET_N", "", LVTTL, "out"},
    {"TV Decoder 1", "TD_DATA[0..7]", "", LVTTL, "in"},
    {"TV Decoder 2", "TD2_HS TD2_VS TD2_CLK27", "", LVTTL, "in"},
    {"TV Decoder 2", "TD2_RESET_N", "", LVTTL, "out"},
    {"TV Decoder 2", "TD2_DATA[0..7]", "", LVTTL, "io"},
    {"USB OTG", "OTG_ADDR[0..1] OTG_CS_N OTG_RD_N OTG_WR_N OTG_RST_N", "", LVTTL, "out"},
    {"USB OTG", "OTG_INT[0..1]", "", LVTTL, "in"},
    {"USB OTG", "OTG_DACK_N[0..1]", "", LVTTL, "out"},
    {"USB OTG", "OTG_DREQ[0..1]", "", LVTTL, "in"},
    {"USB OTG", "OTG_FSPEED OTG_LSPEED OTG_DATA[0..15]", "", LVTTL, "io"},
    {"IR", "IRDA_TXD", "", LVTTL, "out"},
    {"IR", "IRDA_RXD", "", LVTTL, "in"},
    {"SDRAM0", "DRAM0_BA[0..1] DRAM0_LDQM DRAM0_UDQM DRAM0_RAS_N DRAM0_CAS_N DRAM0_CKE", "", LVTTL, "out"},
    {"SDRAM0", "DRAM0_CLK", "AD6", LVTTL, "out"},
    {"SDRAM0", "DRAM0_WE_N DRAM0_CS_N", "", LVTTL, "out"},
    {"SDRAM0", "DRAM0_DQ[0..15]", "", LVTTL, "io"},
    {"SDRAM0", "DRAM0_ADDR[0..12]", "", LVTTL, "out"},
    {"SDRAM1", "DRAM1_BA[0..1] DRAM1_LDQM DRAM1_UDQM DRAM1_RAS_N DRAM1_CAS_N DRAM1_CKE", "", LVTTL, "out"},
    {"SDRAM1", "DRAM1_CLK", "G5", LVTTL, "out"},
    {"SDRAM1", "DRAM1_WE_N DRAM1_CS_N", "", LVTTL, "out"},
    {"SDRAM1", "DRAM1_DQ[0..15]", "", LVTTL, "io"},
    {"SDRAM1", "DRAM1_ADDR[0..12]", "", LVTTL, "out"},
    {"SSRAM", "SRAM_ADDR[0..18]", "", LVTTL, "out"},
    {"SSRAM", "SRAM_DQ[0..31]", "", LVTTL, "io"},
    {"SSRAM", "SRAM_ADSC_N SRAM_ADSP_N SRAM_ADV_N SRAM_BE_N[0..3] SRAM_CE1_N SRAM_CE2 SRAM_CE3_N", "", LVTTL, "out"},
    {"SSRAM", "SRAM_CLK", "AD7", LVTTL, "out"},
    {"SSRAM", "SRAM_DPA[0..3]", "", LVTTL, "io"},
    {"SSRAM", "SRAM_GW_N SRAM_OE_N SRAM_WE_N", "", LVTTL, "out"},
    {"Flash", "FLASH_ADDR[0..21]", "", LVTTL, "out"},
    {"Flash", "FLASH_DQ[0..14]", "", LVTTL, "io"},
    {"Flash", "FLASH_DQ15_AM1 FLASH_BYTE_N FLASH_CE_N FLASH_OE_N FLASH_RESET_N FLASH_RY FLASH_WE_N FLASH_WP_N", "",
     LVTTL, "out"},
};
const char kJarrowbyGpio0[] =
    "T25 C30 T24 C29 ? ? ? ? ? G25 - - E30 ? ? ? ? ? ? ? ? ? ? ? ? ? ? K24 - - J24 ? ? ? ? ? ? ? ? N24";
const char kJarrowbyGpio1[] =
    "AH14 G27 AG15 ? ? ? ? ? ? L28 - - K28 ? ? ? ? ? AF27 ? ? ? ? ? ? ? ? R26 - - M30 ? ? ? ? ? ? ? ? P30";

// One board of the family as the tests drive it.
struct Board {
    const char* label;
    uint8_t id;
    void (*define)(TMainBoard*, const void*);
    std::function<std::vector<uint8_t>(uint8_t flag)> record;  // every flag set to flag
    size_t cardsAt;                                            // offset of nGpioDaughterId
    const char* family;
    const char* device;
    int pins;
    int speedGrade;
    const std::vector<Row>* rows;
    std::vector<std::string> groups;
    int pinCount;
    std::vector<std::pair<std::string, int>> clocks;
    const char* gpio0;
    const char* gpio1;
};

template <class X_CONFIG>
std::function<std::vector<uint8_t>(uint8_t)> RecordOf(uint8_t id)
{
    return [id](uint8_t flag) {
        const X_CONFIG record = MakeRecord<X_CONFIG>(id, flag);
        const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
        return std::vector<uint8_t>(bytes, bytes + sizeof record);
    };
}

const std::vector<Board>& Boards()
{
    static const std::vector<Board> boards = {
        {"Avemor", MAINBOARD_AVEMOR, CONFIG_AVEMOR, RecordOf<AVEMOR_CONFIG>(MAINBOARD_AVEMOR), 148, "Cyclone III",
         "EP3C16F484C6", 484, 6, &kAvemorRows,
         {"CLOCK", "LED", "BUTTON", "SW", "SEG7", "RS232", "PS2", "SDCARD", "LCD", "VGA", "SDRAM", "Flash"}, 180,
         {{"CLOCK_50", 20}, {"CLOCK_50_2", 20}}, kAvemorGpio0, kAvemorGpio1},
        {"Fennick", MAINBOARD_FENNICK, CONFIG_FENNICK, RecordOf<FENNICK_CONFIG>(MAINBOARD_FENNICK), 150, "Cyclone II",
         "EP2C20F484C7", 484, 7, &kFennickRows,
         {"CLOCK", "Sma", "LED", "KEY", "SW", "SEG7", "RS232", "PS2", "VGA", "Audio", "SDCARD", "SDRAM", "SRAM",
          "Flash"},
         207,
         {{"CLOCK_50", 20}, {"CLOCK_27[0]", 37}, {"CLOCK_27[1]", 37}, {"CLOCK_24[0]", 41}, {"CLOCK_24[1]", 41}},
         kFennickGpio0, kFennickGpio1},
        {"Isselmont", MAINBOARD_ISSELMONT, CONFIG_ISSELMONT, RecordOf<ISSELMONT_CONFIG>(MAINBOARD_ISSELMONT), 155,
         "Cyclone II", "EP2C35F672C6", 672, 6, &kIsselmontRows,
         {"CLOCK", "Sma", "LED", "KEY", "SW", "SEG7", "LCD", "RS232", "PS2", "SDCARD", "VGA", "Audio",
          "I2C for Audioand Tv-Decode", "Ethernet", "TV Decoder", "USB OTG", "IR", "SDRAM", "SRAM", "Flash"},
         350, {{"CLOCK_50", 20}, {"CLOCK_27", 37}}, kIsselmontGpio0, kIsselmontGpio1},
        {"Jarrowby", MAINBOARD_JARROWBY, CONFIG_JARROWBY, RecordOf<JARROWBY_CONFIG>(MAINBOARD_JARROWBY), 157,
         "Cyclone II", "EP2C70F896C6", 896, 6, &kJarrowbyRows,
         {"CLOCK", "Sma", "LED", "BUTTON", "SW", "SEG7", "LCD", "RS232", "PS2", "SDCARD", "VGA", "Audio",
          "I2C for Audioand Tv-Decode 1 and 2", "Ethernet", "TV Decoder 1", "TV Decoder 2", "USB OTG", "IR", "SDRAM0",
          "SDRAM1", "SSRAM", "Flash"},
         458,
         {{"CLOCK_50", 20}, {"CLOCK_50_2", 20}, {"CLOCK_50_3", 20}, {"CLOCK_50_4", 20}, {"CLOCK_28", 35}},
         kJarrowbyGpio0, kJarrowbyGpio1},
    };
    return boards;
}

class ConfigGpioPairTest : public ::testing::Test {
protected:
    SeamRecorder seam;
};

// The record of a board with every flag at flag and the two card ids.
std::vector<uint8_t> Record(const Board& b, uint8_t flag, uint8_t card0 = 0, uint8_t card1 = 0)
{
    std::vector<uint8_t> record = b.record(flag);
    record[b.cardsAt] = card0;
    record[b.cardsAt + 1] = card1;
    return record;
}

}  // namespace

TEST_F(ConfigGpioPairTest, EveryGroupWithEveryPinInOrder)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        const std::vector<uint8_t> record = Record(b, 1);
        b.define(&board, record.data());
        EXPECT_EQ(board.GetBoardId(), b.id);
        EXPECT_EQ(board.GetFamily(), b.family);
        EXPECT_EQ(board.GetDevice(), b.device);
        EXPECT_EQ(board.GetDevicePinCount(), b.pins);
        EXPECT_EQ(board.GetPackage(), "FBGA");
        EXPECT_EQ(board.GetSpeedGrade(), b.speedGrade);
        EXPECT_EQ(board.GetSpeedGradeText(), "");

        const std::vector<ExpectedGroup> groups = ExpandRows(*b.rows);
        EXPECT_EQ(PinCount(groups), b.pinCount);
        EXPECT_EQ(ConnectorNames(board), b.groups);
        ExpectGroups(board, groups);
        EXPECT_EQ(Clocks(board), b.clocks);
    }
}

TEST_F(ConfigGpioPairTest, NoFlagAndNoCardGivesTheDeviceAlone)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        const std::vector<uint8_t> record = Record(b, 0);
        b.define(&board, record.data());
        EXPECT_EQ(board.GetConnectorCount(), 0);
        EXPECT_EQ(board.GetBoardId(), b.id);
        EXPECT_EQ(board.GetDevice(), b.device);
    }
}

// Each flag alone: the groups it switches, in table order.
TEST_F(ConfigGpioPairTest, EachFlagSwitchesItsGroups)
{
    const struct {
        const char* board;
        size_t flag;
        std::vector<std::string> groups;
    } cases[] = {
        {"Avemor", offsetof(AVEMOR_CONFIG, bRS232), {"RS232"}},
        {"Avemor", offsetof(AVEMOR_CONFIG, bBUTTON), {"BUTTON"}},
        {"Fennick", offsetof(FENNICK_CONFIG, bSMA), {"Sma"}},
        {"Fennick", offsetof(FENNICK_CONFIG, bAUDIO), {"Audio"}},
        {"Fennick", offsetof(FENNICK_CONFIG, bBUTTON), {"KEY"}},
        {"Isselmont", offsetof(ISSELMONT_CONFIG, bAUDIO), {"Audio", "I2C for Audio"}},
        {"Isselmont", offsetof(ISSELMONT_CONFIG, bTVDECODER), {"I2C for Tv-Decode", "TV Decoder"}},
        {"Isselmont", offsetof(ISSELMONT_CONFIG, bUSB), {"USB OTG"}},
        {"Jarrowby", offsetof(JARROWBY_CONFIG, bTVDECODER2), {"I2C for Tv-Decode 2", "TV Decoder 2"}},
        {"Jarrowby", offsetof(JARROWBY_CONFIG, bSDRAM1), {"SDRAM1"}},
        {"Jarrowby", offsetof(JARROWBY_CONFIG, bSSRAM), {"SSRAM"}},
    };
    for (const auto& c : cases) {
        for (const Board& b : Boards()) {
            if (std::string(b.label) != c.board) continue;
            SCOPED_TRACE(std::string(c.board) + " " + c.groups.front());
            std::vector<uint8_t> record = Record(b, 0);
            record[c.flag] = 1;
            TMainBoard board;
            b.define(&board, record.data());
            EXPECT_EQ(ConnectorNames(board), c.groups);
        }
    }
}

TEST_F(ConfigGpioPairTest, TheJarrowbyI2cGroupIsNamedAfterWhatItServes)
{
    const struct {
        uint8_t audio, tv1, tv2;
        const char* name;
    } cases[] = {
        {1, 0, 0, "I2C for Audio"},
        {0, 1, 0, "I2C for Tv-Decode 1"},
        {0, 0, 1, "I2C for Tv-Decode 2"},
        {0, 1, 1, "I2C for Tv-Decode 1 and 2"},
        {1, 1, 0, "I2C for Audioand Tv-Decode 1"},
        {1, 0, 1, "I2C for Audioand Tv-Decode 2"},
        {1, 1, 1, "I2C for Audioand Tv-Decode 1 and 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JARROWBY_CONFIG record = MakeRecord<JARROWBY_CONFIG>(MAINBOARD_JARROWBY, 0);
        record.bAUDIO = c.audio;
        record.bTVDECODER1 = c.tv1;
        record.bTVDECODER2 = c.tv2;
        record.bETHERNET = 1;
        TMainBoard board;
        CONFIG_JARROWBY(&board, &record);
        const std::vector<std::string> names = ConnectorNames(board);
        // Between "Audio" and "Ethernet", before the decoders.
        const size_t at = c.audio ? 1 : 0;
        ASSERT_GT(names.size(), at + 1);
        EXPECT_EQ(names[at], c.name);
        EXPECT_EQ(names[at + 1], "Ethernet");
        EXPECT_EQ(FindConnector(board, c.name)->GetPinCount(), 2);
    }
    JARROWBY_CONFIG none = MakeRecord<JARROWBY_CONFIG>(MAINBOARD_JARROWBY, 0);
    none.bETHERNET = 1;
    TMainBoard board;
    CONFIG_JARROWBY(&board, &none);
    EXPECT_EQ(ConnectorNames(board), std::vector<std::string>{"Ethernet"});
}

TEST_F(ConfigGpioPairTest, FortyPinCardsGetOneMasterPerHeader)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        const std::vector<uint8_t> record = Record(b, 0, 1, 12);
        b.define(&board, record.data());
        ASSERT_EQ(ConnectorNames(board), (std::vector<std::string>{"GPIO_0", "GPIO_1"}));
        const TConnector* gpio0 = board.GetConnector(0);
        const TConnector* gpio1 = board.GetConnector(1);
        EXPECT_EQ(gpio0->GetDescription(), "GPIO_0 connect to GPIO Default");
        EXPECT_EQ(gpio1->GetDescription(), "GPIO_1 connect to Ivrel - 5M Pixel Camera");
        EXPECT_EQ(board.FindMasterConnector(16), gpio0);
        EXPECT_EQ(board.FindMasterConnector(17), gpio1);
        for (const TConnector* master : {gpio0, gpio1}) {
            EXPECT_EQ(master->GetType(), CONNECTOR_GPIO40);
            EXPECT_EQ(master->GetCardId(), -1);
            EXPECT_EQ(master->GetActivePinCount(), 36);
            EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30}));
        }
        ExpectMasterPositions(gpio0, b.gpio0, IO_STD_BY_CARD);
        ExpectMasterPositions(gpio1, b.gpio1, IO_STD_BY_CARD);
    }
}

TEST_F(ConfigGpioPairTest, TheEightyPinCardGetsOneMasterOverBothHeaders)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        const std::vector<uint8_t> record = Record(b, 1, 11, 11);
        b.define(&board, record.data());
        ASSERT_EQ(board.GetConnectorCount(), static_cast<int>(b.groups.size()) + 1);
        const TConnector* master = board.GetConnector(board.GetConnectorCount() - 1);
        EXPECT_EQ(master->GetName(), "GPIO_0_1");
        EXPECT_EQ(master->GetDescription(), "GPIO_0_1 connect to Culm - High Speed ADC/DAC");
        EXPECT_EQ(master->GetType(), CONNECTOR_GPIO80);
        EXPECT_EQ(board.FindMasterConnector(18), master);
        EXPECT_EQ(board.FindMasterConnector(16), nullptr);
        EXPECT_EQ(board.FindMasterConnector(17), nullptr);
        EXPECT_EQ(master->GetActivePinCount(), 72);
        EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
        ExpectMasterPositions(master, std::string(b.gpio0) + " " + b.gpio1, IO_STD_BY_CARD);
    }
}

TEST_F(ConfigGpioPairTest, WhichHeadersGetAMaster)
{
    const struct {
        const char* label;
        uint8_t card0, card1;
        std::vector<std::string> names;
    } cases[] = {
        {"GPIO_1 only", 0, 12, {"GPIO_1"}},
        {"GPIO_0 only", 85, 0, {"GPIO_0"}},
        {"one card on both", 13, 13, {"GPIO_0", "GPIO_1"}},
        // Only the card of GPIO_0 decides on the 80-pin master.
        {"80-pin id on GPIO_1 alone", 0, 11, {"GPIO_1"}},
        // Card ids are compared as signed bytes: 200 counts as no card.
        {"id above 127", 0, 200, {}},
    };
    for (const Board& b : Boards()) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(b.label) + ", " + c.label);
            TMainBoard board;
            const std::vector<uint8_t> record = Record(b, 0, c.card0, c.card1);
            b.define(&board, record.data());
            EXPECT_EQ(ConnectorNames(board), c.names);
        }
        TMainBoard board;
        const std::vector<uint8_t> record = Record(b, 0, 0, 12);
        b.define(&board, record.data());
        EXPECT_EQ(board.GetConnector(0)->GetDescription(), "GPIO_1 connect to Ivrel - 5M Pixel Camera");
        EXPECT_EQ(board.GetConnector(0)->GetMasterId(), 17);
    }
}

TEST_F(ConfigGpioPairTest, ASecondRunOnTheSameBoardStartsAfresh)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        const std::vector<uint8_t> full = Record(b, 1, 1, 1);
        b.define(&board, full.data());
        b.define(&board, full.data());
        std::vector<std::string> names = b.groups;
        names.insert(names.end(), {"GPIO_0", "GPIO_1"});
        EXPECT_EQ(ConnectorNames(board), names);
        const std::vector<uint8_t> one = Record(b, 0, 0, 1);
        b.define(&board, one.data());
        EXPECT_EQ(ConnectorNames(board), std::vector<std::string>{"GPIO_1"});
    }
}

// The .qsf board block: the configuration-pin line while the pin on that
// ball is in use, nothing otherwise.
TEST_F(ConfigGpioPairTest, TheQsfBlockFollowsTheConfigurationPin)
{
    const struct {
        const char* board;
        size_t flag;  // the group holding the configuration pin
    } cases[] = {
        {"Avemor", offsetof(AVEMOR_CONFIG, bVGA)},           // K22, VGA_B[0]
        {"Fennick", offsetof(FENNICK_CONFIG, bSDCARD)},      // W20, SD_DAT
        {"Isselmont", offsetof(ISSELMONT_CONFIG, bIR)},      // AE24, IRDA_TXD
        {"Jarrowby", offsetof(JARROWBY_CONFIG, bSW)},        // AD25, SW[7]
    };
    for (const auto& c : cases) {
        for (const Board& b : Boards()) {
            if (std::string(b.label) != c.board) continue;
            SCOPED_TRACE(c.board);
            std::vector<uint8_t> record = Record(b, 1, 1, 1);
            TMainBoard on;
            b.define(&on, record.data());
            EXPECT_EQ(on.GetQsfBoardAssignments(), kNceoLine);
            record[c.flag] = 0;
            TMainBoard off;
            b.define(&off, record.data());
            EXPECT_EQ(off.GetQsfBoardAssignments(), "");
            EXPECT_EQ(off.GetBoardDisplayName(), std::string(c.board) + " FPGA Board");
        }
    }
}

TEST_F(ConfigGpioPairTest, ProgrammingErrors)
{
    for (const Board& b : Boards()) {
        SCOPED_TRACE(b.label);
        TMainBoard board;
        std::vector<uint8_t> record = Record(b, 1);
        record[0] = static_cast<uint8_t>(b.id + 1);
        EXPECT_THROW(b.define(&board, record.data()), InvariantFailure);
        // The id is set from the board's constant before the record is looked at.
        EXPECT_EQ(board.GetBoardId(), b.id);
        record = Record(b, 1);
        record[4] = static_cast<uint8_t>(record[4] + 4);
        EXPECT_THROW(b.define(&board, record.data()), InvariantFailure);

        record = Record(b, 0, 11, 0);  // the 80-pin card without the second header
        try {
            b.define(&board, record.data());
            ADD_FAILURE() << "no invariant failure";
        } catch (const InvariantFailure& failure) {
            EXPECT_NE(failure.condition.find("nGpioDaughterId[GPIO_1]"), std::string::npos) << failure.condition;
        }
    }
}

}  // namespace config_gpio_pair_test
