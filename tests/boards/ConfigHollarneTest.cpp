// The Hollarne board definition: device data, peripheral groups with every
// pin, the GPIO master connectors and the invariants on the record.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "boards/soc/CONFIG_HOLLARNE.h"
#include "boards/soc/HollarneConfig.h"
#include "model/MainBoard.h"
#include "tests/support/SeamRecorder.h"

namespace config_hollarne_test {

namespace {

constexpr DaughterId CARD_GPIO_DEFAULT = 1;  // 40 pins, "GPIO Default"
constexpr DaughterId CARD_CULM_GPIO = 11;    // 80 pins, "Culm - High Speed ADC/DAC"
constexpr DaughterId CARD_IVREL = 12;        // 40 pins, "Ivrel - 5M Pixel Camera"

HOLLARNE_CONFIG MakeRecord(bool allGroups)
{
    HOLLARNE_CONFIG record{};
    record.BoardId = MAINBOARD_HOLLARNE;
    record.Size = 412;
    std::strcpy(record.szProjectName, "HOLLARNE");
    const uint8_t flag = allGroups ? 1 : 0;
    record.bClock = record.bLed = record.bKey = record.bSw = record.bVga = record.bSdram = flag;
    record.bAudio = record.bVideoIn = record.bAdc = record.bSeg7 = record.bIr = record.bPs2 = flag;
    record.bHps = record.bUart = record.bQspiFlash = record.bRiscvJtag = flag;
    return record;
}

std::vector<std::string> ConnectorNames(const TMainBoard& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.GetConnectorCount(); ++i) names.push_back(board.GetConnector(i)->GetName());
    return names;
}

const TConnector* FindConnector(const TMainBoard& board, const std::string& name)
{
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        if (board.GetConnector(i)->GetName() == name) return board.GetConnector(i);
    return nullptr;
}

std::vector<std::string> Words(std::string text)
{
    for (char& c : text)
        if (c == ',') c = ' ';
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The pin groups of the board as the board's documentation lists them: a row
// names one or more pins (NAME[a..b] for a run of bus pins) with their
// locations in the same order.
struct GroupRow {
    const char* group;
    const char* names;
    IoStandard io;
    const char* direction;
    const char* locations;
};

const GroupRow kGroupRows[] = {
    {"ADC", "ADC_CONVST, ADC_DIN", 8, "output", "AJ4, AK4"},
    {"ADC", "ADC_DOUT", 8, "input", "AK3"},
    {"ADC", "ADC_SCLK", 8, "output", "AK2"},
    {"Audio", "AUD_ADCDAT", 8, "input", "K7"},
    {"Audio", "AUD_ADCLRCK, AUD_BCLK", 8, "inout", "K8, H7"},
    {"Audio", "AUD_DACDAT", 8, "output", "J7"},
    {"Audio", "AUD_DACLRCK", 8, "inout", "H8"},
    {"Audio", "AUD_XCK", 8, "output", "G7"},
    {"CLOCK", "CLOCK_50, CLOCK2_50, CLOCK3_50, CLOCK4_50", 8, "input", "AF14, AA16, Y26, K14"},
    {"SDRAM", "DRAM_ADDR[0..12]", 8, "output", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14"},
    {"SDRAM", "DRAM_BA[0..1]", 8, "output", "AF13 AJ12"},
    {"SDRAM", "DRAM_CAS_N, DRAM_CKE, DRAM_CS_N, DRAM_CLK", 8, "output", "AF11, AK13, AG11, AH12"},
    {"SDRAM", "DRAM_DQ[0..15]", 8, "inout", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5"},
    {"SDRAM", "DRAM_LDQM, DRAM_RAS_N, DRAM_UDQM, DRAM_WE_N", 8, "output", "AB13, AE13, AK12, AA13"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SCLK", 8, "output", "J12"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SDAT", 8, "inout", "K12"},
    {"SEG7", "HEX0[0..6]", 8, "output", "AE26 AE27 AE28 AG27 AF28 AG28 AH28"},
    {"SEG7", "HEX1[0..6]", 8, "output", "AJ29 AH29 AH30 AG30 AF29 AF30 AD27"},
    {"SEG7", "HEX2[0..6]", 8, "output", "AB23 AE29 AD29 AC28 AD30 AC29 AC30"},
    {"SEG7", "HEX3[0..6]", 8, "output", "AD26 AC27 AD25 AC25 AB28 AB25 AB22"},
    {"SEG7", "HEX4[0..6]", 8, "output", "AA24 Y23 Y24 W22 W24 V23 W25"},
    {"SEG7", "HEX5[0..6]", 8, "output", "V25 AA28 Y27 AB27 AB26 AA26 AA25"},
    {"IR", "IRDA_RXD", 8, "input", "AA30"},
    {"IR", "IRDA_TXD", 8, "output", "AB30"},
    {"KEY", "KEY[0..3]", 8, "input", "AA14 AA15 W15 Y16"},
    {"LED", "LEDR[0..9]", 8, "output", "V16 W16 V17 V18 W17 W19 Y19 W20 W21 Y21"},
    {"PS2", "PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", 8, "inout", "AD7, AD9, AE7, AE9"},
    {"SW", "SW[0..9]", 8, "input", "AB12 AC12 AF9 AF10 AD11 AD12 AE11 AC9 AD10 AE12"},
    {"Video-In", "TD_CLK27", 8, "input", "H15"},
    {"Video-In", "TD_DATA[0..7]", 8, "input", "D2 B1 E2 B2 D1 E1 C2 B3"},
    {"Video-In", "TD_HS", 8, "input", "A5"},
    {"Video-In", "TD_RESET_N", 8, "output", "F6"},
    {"Video-In", "TD_VS", 8, "input", "A3"},
    {"VGA", "VGA_B[0..7]", 8, "output", "B13 G13 H13 F14 H14 F15 G15 J14"},
    {"VGA", "VGA_BLANK_N, VGA_CLK", 8, "output", "F10, A11"},
    {"VGA", "VGA_G[0..7]", 8, "output", "J9 J10 H12 G10 G11 G12 F11 E11"},
    {"VGA", "VGA_HS", 8, "output", "B11"},
    {"VGA", "VGA_R[0..7]", 8, "output", "A13 C13 E13 B12 C12 D12 E12 F13"},
    {"VGA", "VGA_SYNC_N, VGA_VS", 8, "output", "C10, D11"},
    {"UART (revH or later only)", "UART_TX", 8, "output", "D9"},
    {"UART (revH or later only)", "UART_RX", 8, "input", "E9"},
    {"UART (revH or later only)", "UART_RTS", 8, "output", "B8"},
    {"UART (revH or later only)", "UART_CTS", 8, "input", "C8"},
    {"QSPI Flash (revH or later only)", "QSPI_FLASH_DATA[0..3]", 8, "inout", "D10 A9 A8 C7"},
    {"QSPI Flash (revH or later only)", "QSPI_FLASH_SCLK, QSPI_FLASH_CE_n", 8, "output", "B7, C9"},
    {"RISC-V JTAG (revH or later only)", "RISCV_JTAG_TCK, RISCV_JTAG_TDI", 8, "input", "E7, F9"},
    {"RISC-V JTAG (revH or later only)", "RISCV_JTAG_TDO", 8, "output", "F8"},
    {"RISC-V JTAG (revH or later only)", "RISCV_JTAG_TMS", 8, "input", "E6"},
    // The hard processor's pins carry no location.
    {"HPS", "HPS_DDR3_ADDR[0..14], HPS_DDR3_BA[0..2], HPS_DDR3_DM[0..3]", 29, "output", ""},
    {"HPS", "HPS_DDR3_DQ[0..31]", 29, "inout", ""},
    {"HPS",
     "HPS_DDR3_CAS_N, HPS_DDR3_CKE, HPS_DDR3_CS_N, HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_WE_N, HPS_DDR3_RESET_N", 29,
     "output", ""},
    {"HPS", "HPS_DDR3_RZQ", 29, "input", ""},
    {"HPS",
     "HPS_DDR3_DQS_P[0], HPS_DDR3_DQS_N[0], HPS_DDR3_DQS_P[1], HPS_DDR3_DQS_N[1], HPS_DDR3_DQS_P[2], "
     "HPS_DDR3_DQS_N[2], HPS_DDR3_DQS_P[3], HPS_DDR3_DQS_N[3]",
     12, "inout", ""},
    {"HPS", "HPS_DDR3_CK_P, HPS_DDR3_CK_N", 12, "output", ""},
    {"HPS", "HPS_ENET_GTX_CLK", 8, "output", ""},
    {"HPS", "HPS_ENET_INT_N", 8, "inout", ""},
    {"HPS", "HPS_ENET_MDC", 8, "output", ""},
    {"HPS", "HPS_ENET_MDIO", 8, "inout", ""},
    {"HPS", "HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", 8, "input", ""},
    {"HPS", "HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", 8, "output", ""},
    {"HPS", "HPS_FLASH_DATA[0..3]", 8, "inout", ""},
    {"HPS", "HPS_FLASH_DCLK, HPS_FLASH_NCSO", 8, "output", ""},
    {"HPS",
     "HPS_LTC_GPIO, HPS_GSENSOR_INT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_I2C2_SCLK, HPS_I2C2_SDAT, HPS_I2C_CONTROL, "
     "HPS_KEY, HPS_LED",
     8, "inout", ""},
    {"HPS", "HPS_SD_CLK", 8, "output", ""},
    {"HPS", "HPS_SD_CMD, HPS_SD_DATA[0..3]", 8, "inout", ""},
    {"HPS", "HPS_SPIM_CLK", 8, "output", ""},
    {"HPS", "HPS_SPIM_MISO", 8, "input", ""},
    {"HPS", "HPS_SPIM_MOSI", 8, "output", ""},
    {"HPS", "HPS_SPIM_SS", 8, "inout", ""},
    {"HPS", "HPS_UART_RX", 8, "input", ""},
    {"HPS", "HPS_UART_TX", 8, "output", ""},
    {"HPS", "HPS_USB_CLKOUT", 8, "input", ""},
    {"HPS", "HPS_USB_DATA[0..7]", 8, "inout", ""},
    {"HPS", "HPS_USB_DIR, HPS_USB_NXT", 8, "input", ""},
    {"HPS", "HPS_USB_STP", 8, "output", ""},
    {"HPS", "HPS_CONV_USB_N", 8, "inout", ""},
};

struct ExpectedPin {
    std::string name;
    std::string location;
    PinDirection direction;
    IoStandard io;
};

PinDirection DirectionCode(const std::string& word)
{
    if (word == "inout") return PIN_DIR_INOUT;
    if (word == "input") return PIN_DIR_INPUT;
    if (word == "output") return PIN_DIR_OUTPUT;
    ADD_FAILURE() << "direction " << word;
    return PIN_DIR_NONE;
}

// Expands the rows into one expected pin per position, by group.
std::map<std::string, std::vector<ExpectedPin>> ExpandRows()
{
    std::map<std::string, std::vector<ExpectedPin>> groups;
    for (const GroupRow& row : kGroupRows) {
        std::vector<std::string> names;
        for (const std::string& token : Words(row.names)) {
            const size_t range = token.find("..");
            if (range == std::string::npos) {
                names.push_back(token);
                continue;
            }
            const size_t open = token.find('[');
            const std::string base = token.substr(0, open);
            const int first = std::stoi(token.substr(open + 1, range - open - 1));
            const int last = std::stoi(token.substr(range + 2));
            for (int i = first; i <= last; ++i) names.push_back(base + "[" + std::to_string(i) + "]");
        }
        std::vector<std::string> locations = Words(row.locations);
        if (locations.empty()) locations.resize(names.size());
        EXPECT_EQ(names.size(), locations.size()) << row.names;
        for (size_t i = 0; i < names.size() && i < locations.size(); ++i)
            groups[row.group].push_back({names[i], locations[i], DirectionCode(row.direction), row.io});
    }
    return groups;
}

class ConfigHollarneTest : public ::testing::Test {
protected:
    SeamRecorder recorder;  // a failed invariant becomes an InvariantFailure
    TMainBoard board;
};

// ---- Full board ---------------------------------------------------------------

TEST_F(ConfigHollarneTest, DeviceDataAndRecordCopy)
{
    HOLLARNE_CONFIG record = MakeRecord(false);
    // Distinct bytes in every field show that the whole record is copied.
    std::strcpy(record.szProjectName, "MyProject");
    record.bVga = 1;
    record.bAudio = 1;
    std::strcpy(record.szGpioPrefixName[GPIO_1], "P1_");
    record.ReservedTail[1] = 0x5A;
    CONFIG_HOLLARNE(&board, &record);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_HOLLARNE);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSEMA5F31C6");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");
    EXPECT_EQ(board.GetSpeedGrade(), 0);

    EXPECT_EQ(std::memcmp(board.m_HollarneConfig.bytes, &record, 412), 0);
    EXPECT_EQ(board.m_HollarneConfig.Byte(140), 1);  // VGA
    EXPECT_EQ(board.m_HollarneConfig.Byte(141), 0);  // SDRAM
    EXPECT_EQ(board.m_HollarneConfig.Byte(142), 1);  // Audio
    EXPECT_EQ(board.m_HollarneConfig.Int32(4), 412);
    EXPECT_EQ(board.m_HollarneConfig.Text(282, 128), "P1_");
}

TEST_F(ConfigHollarneTest, AllGroupsGiveTheConnectorsInOrderWithTheirPinCounts)
{
    const HOLLARNE_CONFIG record = MakeRecord(true);
    CONFIG_HOLLARNE(&board, &record);

    const std::vector<std::pair<std::string, int>> expected = {
        {"ADC", 4},
        {"Audio", 6},
        {"CLOCK", 4},
        {"SDRAM", 39},
        {"I2C for Audio and Video-In", 2},
        {"SEG7", 42},
        {"IR", 2},
        {"KEY", 4},
        {"LED", 10},
        {"PS2", 4},
        {"SW", 10},
        {"Video-In", 12},
        {"VGA", 29},
        {"UART (revH or later only)", 4},
        {"QSPI Flash (revH or later only)", 6},
        {"RISC-V JTAG (revH or later only)", 4},
        {"HPS", 127},
    };
    ASSERT_EQ(board.GetConnectorCount(), static_cast<int>(expected.size()));
    int total = 0, located = 0, unlocated = 0;
    for (size_t c = 0; c < expected.size(); ++c) {
        const TConnector* connector = board.GetConnector(static_cast<int>(c));
        SCOPED_TRACE(expected[c].first);
        EXPECT_EQ(connector->GetName(), expected[c].first);
        EXPECT_EQ(connector->GetPinCount(), expected[c].second);
        EXPECT_EQ(connector->GetDescription(), "");
        EXPECT_EQ(connector->GetType(), CONNECTOR_NONE);
        EXPECT_EQ(connector->GetCardId(), -1);
        EXPECT_FALSE(connector->GetIsMaster());
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            ASSERT_NE(pin, nullptr);
            ++total;
            if (pin->GetLocation().empty())
                ++unlocated;
            else
                ++located;
        }
    }
    EXPECT_EQ(total, 309);
    EXPECT_EQ(located, 182);
    EXPECT_EQ(unlocated, 127);
    EXPECT_EQ(FindConnector(board, "HPS")->GetActivePinCount(), 127);
}

TEST_F(ConfigHollarneTest, EveryPinHasItsNameLocationDirectionAndStandard)
{
    const HOLLARNE_CONFIG record = MakeRecord(true);
    CONFIG_HOLLARNE(&board, &record);

    const std::map<std::string, std::vector<ExpectedPin>> groups = ExpandRows();
    int expanded = 0;
    for (const auto& group : groups) expanded += static_cast<int>(group.second.size());
    ASSERT_EQ(expanded, 309);  // the rows themselves describe the whole board

    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        const auto found = groups.find(connector->GetName());
        ASSERT_NE(found, groups.end()) << connector->GetName();
        const std::vector<ExpectedPin>& pins = found->second;
        ASSERT_EQ(connector->GetPinCount(), static_cast<int>(pins.size())) << connector->GetName();
        for (size_t i = 0; i < pins.size(); ++i) {
            const TPin* pin = connector->GetPin(static_cast<int>(i));
            SCOPED_TRACE(connector->GetName() + " position " + std::to_string(i) + " " + pins[i].name);
            EXPECT_EQ(pin->GetName(), pins[i].name);
            EXPECT_EQ(pin->GetLocation(), pins[i].location);
            EXPECT_EQ(pin->GetDirection(), pins[i].direction);
            EXPECT_EQ(pin->GetIoStandard(), pins[i].io);
            EXPECT_EQ(pin->GetIsClock(), connector->GetName() == "CLOCK");
        }
    }
}

TEST_F(ConfigHollarneTest, SamplePinsAtTheirPositions)
{
    const HOLLARNE_CONFIG record = MakeRecord(true);
    CONFIG_HOLLARNE(&board, &record);

    struct Sample {
        const char* connector;
        int index;  // 0-based position
        const char* name;
        const char* location;
        PinDirection direction;
        IoStandard io;
    };
    const Sample samples[] = {
        {"ADC", 0, "ADC_CONVST", "AJ4", 3, 8},
        {"ADC", 1, "ADC_DIN", "AK4", 3, 8},
        {"ADC", 2, "ADC_DOUT", "AK3", 2, 8},
        {"ADC", 3, "ADC_SCLK", "AK2", 3, 8},
        {"Audio", 0, "AUD_ADCDAT", "K7", 2, 8},
        {"Audio", 1, "AUD_ADCLRCK", "K8", 1, 8},
        {"Audio", 2, "AUD_BCLK", "H7", 1, 8},
        {"Audio", 3, "AUD_DACDAT", "J7", 3, 8},
        {"Audio", 4, "AUD_DACLRCK", "H8", 1, 8},
        {"Audio", 5, "AUD_XCK", "G7", 3, 8},
        {"SDRAM", 0, "DRAM_ADDR[0]", "AK14", 3, 8},
        {"SDRAM", 6, "DRAM_ADDR[6]", "AD14", 3, 8},
        {"SDRAM", 12, "DRAM_ADDR[12]", "AJ14", 3, 8},
        {"SDRAM", 13, "DRAM_BA[0]", "AF13", 3, 8},
        {"SDRAM", 14, "DRAM_BA[1]", "AJ12", 3, 8},
        {"SDRAM", 15, "DRAM_CAS_N", "AF11", 3, 8},
        {"SDRAM", 18, "DRAM_CLK", "AH12", 3, 8},
        {"SDRAM", 19, "DRAM_DQ[0]", "AK6", 1, 8},
        {"SDRAM", 27, "DRAM_DQ[8]", "AH10", 1, 8},
        {"SDRAM", 34, "DRAM_DQ[15]", "AJ5", 1, 8},
        {"SDRAM", 35, "DRAM_LDQM", "AB13", 3, 8},
        {"SDRAM", 38, "DRAM_WE_N", "AA13", 3, 8},
        {"I2C for Audio and Video-In", 0, "FPGA_I2C_SCLK", "J12", 3, 8},
        {"I2C for Audio and Video-In", 1, "FPGA_I2C_SDAT", "K12", 1, 8},
        {"SEG7", 0, "HEX0[0]", "AE26", 3, 8},
        {"SEG7", 6, "HEX0[6]", "AH28", 3, 8},
        {"SEG7", 7, "HEX1[0]", "AJ29", 3, 8},
        {"SEG7", 20, "HEX2[6]", "AC30", 3, 8},
        {"SEG7", 21, "HEX3[0]", "AD26", 3, 8},
        {"SEG7", 33, "HEX4[5]", "V23", 3, 8},
        {"SEG7", 35, "HEX5[0]", "V25", 3, 8},
        {"SEG7", 41, "HEX5[6]", "AA25", 3, 8},
        {"IR", 0, "IRDA_RXD", "AA30", 2, 8},
        {"IR", 1, "IRDA_TXD", "AB30", 3, 8},
        {"KEY", 0, "KEY[0]", "AA14", 2, 8},
        {"KEY", 1, "KEY[1]", "AA15", 2, 8},
        {"KEY", 2, "KEY[2]", "W15", 2, 8},
        {"KEY", 3, "KEY[3]", "Y16", 2, 8},
        {"LED", 0, "LEDR[0]", "V16", 3, 8},
        {"LED", 4, "LEDR[4]", "W17", 3, 8},
        {"LED", 9, "LEDR[9]", "Y21", 3, 8},
        {"PS2", 0, "PS2_CLK", "AD7", 1, 8},
        {"PS2", 1, "PS2_CLK2", "AD9", 1, 8},
        {"PS2", 2, "PS2_DAT", "AE7", 1, 8},
        {"PS2", 3, "PS2_DAT2", "AE9", 1, 8},
        {"SW", 0, "SW[0]", "AB12", 2, 8},
        {"SW", 7, "SW[7]", "AC9", 2, 8},
        {"SW", 9, "SW[9]", "AE12", 2, 8},
        {"Video-In", 0, "TD_CLK27", "H15", 2, 8},
        {"Video-In", 1, "TD_DATA[0]", "D2", 2, 8},
        {"Video-In", 8, "TD_DATA[7]", "B3", 2, 8},
        {"Video-In", 9, "TD_HS", "A5", 2, 8},
        {"Video-In", 10, "TD_RESET_N", "F6", 3, 8},
        {"Video-In", 11, "TD_VS", "A3", 2, 8},
        {"VGA", 0, "VGA_B[0]", "B13", 3, 8},
        {"VGA", 7, "VGA_B[7]", "J14", 3, 8},
        {"VGA", 8, "VGA_BLANK_N", "F10", 3, 8},
        {"VGA", 9, "VGA_CLK", "A11", 3, 8},
        {"VGA", 10, "VGA_G[0]", "J9", 3, 8},
        {"VGA", 17, "VGA_G[7]", "E11", 3, 8},
        {"VGA", 18, "VGA_HS", "B11", 3, 8},
        {"VGA", 19, "VGA_R[0]", "A13", 3, 8},
        {"VGA", 22, "VGA_R[3]", "B12", 3, 8},
        {"VGA", 26, "VGA_R[7]", "F13", 3, 8},
        {"VGA", 27, "VGA_SYNC_N", "C10", 3, 8},
        {"VGA", 28, "VGA_VS", "D11", 3, 8},
        {"UART (revH or later only)", 0, "UART_TX", "D9", 3, 8},
        {"UART (revH or later only)", 1, "UART_RX", "E9", 2, 8},
        {"UART (revH or later only)", 2, "UART_RTS", "B8", 3, 8},
        {"UART (revH or later only)", 3, "UART_CTS", "C8", 2, 8},
        {"QSPI Flash (revH or later only)", 0, "QSPI_FLASH_DATA[0]", "D10", 1, 8},
        {"QSPI Flash (revH or later only)", 1, "QSPI_FLASH_DATA[1]", "A9", 1, 8},
        {"QSPI Flash (revH or later only)", 2, "QSPI_FLASH_DATA[2]", "A8", 1, 8},
        {"QSPI Flash (revH or later only)", 3, "QSPI_FLASH_DATA[3]", "C7", 1, 8},
        {"QSPI Flash (revH or later only)", 4, "QSPI_FLASH_SCLK", "B7", 3, 8},
        {"QSPI Flash (revH or later only)", 5, "QSPI_FLASH_CE_n", "C9", 3, 8},
        {"RISC-V JTAG (revH or later only)", 0, "RISCV_JTAG_TCK", "E7", 2, 8},
        {"RISC-V JTAG (revH or later only)", 1, "RISCV_JTAG_TDI", "F9", 2, 8},
        {"RISC-V JTAG (revH or later only)", 2, "RISCV_JTAG_TDO", "F8", 3, 8},
        {"RISC-V JTAG (revH or later only)", 3, "RISCV_JTAG_TMS", "E6", 2, 8},
        {"HPS", 0, "HPS_DDR3_ADDR[0]", "", 3, 29},
        {"HPS", 14, "HPS_DDR3_ADDR[14]", "", 3, 29},
        {"HPS", 15, "HPS_DDR3_BA[0]", "", 3, 29},
        {"HPS", 18, "HPS_DDR3_DM[0]", "", 3, 29},
        {"HPS", 21, "HPS_DDR3_DM[3]", "", 3, 29},
        {"HPS", 22, "HPS_DDR3_DQ[0]", "", 1, 29},
        {"HPS", 53, "HPS_DDR3_DQ[31]", "", 1, 29},
        {"HPS", 54, "HPS_DDR3_CAS_N", "", 3, 29},
        {"HPS", 60, "HPS_DDR3_RESET_N", "", 3, 29},
        {"HPS", 61, "HPS_DDR3_RZQ", "", 2, 29},
        {"HPS", 62, "HPS_DDR3_DQS_P[0]", "", 1, 12},
        {"HPS", 63, "HPS_DDR3_DQS_N[0]", "", 1, 12},
        {"HPS", 69, "HPS_DDR3_DQS_N[3]", "", 1, 12},
        {"HPS", 70, "HPS_DDR3_CK_P", "", 3, 12},
        {"HPS", 71, "HPS_DDR3_CK_N", "", 3, 12},
        {"HPS", 72, "HPS_ENET_GTX_CLK", "", 3, 8},
        {"HPS", 73, "HPS_ENET_INT_N", "", 1, 8},
        {"HPS", 114, "HPS_USB_CLKOUT", "", 2, 8},
        {"HPS", 122, "HPS_USB_DATA[7]", "", 1, 8},
        {"HPS", 125, "HPS_USB_STP", "", 3, 8},
        {"HPS", 126, "HPS_CONV_USB_N", "", 1, 8},
    };
    for (const Sample& sample : samples) {
        SCOPED_TRACE(std::string(sample.connector) + " " + sample.name);
        const TConnector* connector = FindConnector(board, sample.connector);
        ASSERT_NE(connector, nullptr);
        const TPin* pin = connector->GetPin(sample.index);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), sample.name);
        EXPECT_EQ(pin->GetLocation(), sample.location);
        EXPECT_EQ(pin->GetDirection(), sample.direction);
        EXPECT_EQ(pin->GetIoStandard(), sample.io);
    }
}

TEST_F(ConfigHollarneTest, ClocksAre50MHzInputsWithTheirBanks)
{
    HOLLARNE_CONFIG record = MakeRecord(false);
    record.bClock = 1;
    CONFIG_HOLLARNE(&board, &record);

    ASSERT_EQ(ConnectorNames(board), std::vector<std::string>{"CLOCK"});
    const TConnector* clock = board.GetConnector(0);
    struct Clock {
        const char* name;
        const char* location;
        const char* bank;
    };
    const Clock clocks[] = {
        {"CLOCK_50", "AF14", "BANK 3B"},
        {"CLOCK2_50", "AA16", "BANK 4A"},
        {"CLOCK3_50", "Y26", "BANK 5B"},
        {"CLOCK4_50", "K14", "BANK 8A"},
    };
    ASSERT_EQ(clock->GetPinCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const TPin* pin = clock->GetPin(i);
        SCOPED_TRACE(clocks[i].name);
        EXPECT_EQ(pin->GetName(), clocks[i].name);
        EXPECT_EQ(pin->GetLocation(), clocks[i].location);
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_INPUT);
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_3V3_LVTTL);
        EXPECT_TRUE(pin->GetIsClock());
        EXPECT_EQ(pin->GetClockPeriodNs(), 20);
        EXPECT_EQ(pin->GetClockFrequencyText(), "");
        EXPECT_EQ(pin->GetIoBank(), clocks[i].bank);
    }
}

// ---- Group selection --------------------------------------------------------

TEST_F(ConfigHollarneTest, NoGroupAndNoCardGiveNoConnector)
{
    const HOLLARNE_CONFIG record = MakeRecord(false);
    CONFIG_HOLLARNE(&board, &record);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "5CSEMA5F31C6");
}

TEST_F(ConfigHollarneTest, SharedI2cFollowsEitherAudioOrVideoInAfterSdram)
{
    struct Case {
        const char* label;
        uint8_t audio, videoIn, sdram, seg7;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"audio alone", 1, 0, 0, 0, {"Audio", "I2C for Audio and Video-In"}},
        {"video-in alone", 0, 1, 0, 0, {"I2C for Audio and Video-In", "Video-In"}},
        {"both", 1, 1, 0, 0, {"Audio", "I2C for Audio and Video-In", "Video-In"}},
        {"between SDRAM and SEG7", 0, 1, 1, 1, {"SDRAM", "I2C for Audio and Video-In", "SEG7", "Video-In"}},
        {"neither", 0, 0, 1, 1, {"SDRAM", "SEG7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        HOLLARNE_CONFIG record = MakeRecord(false);
        record.bAudio = c.audio;
        record.bVideoIn = c.videoIn;
        record.bSdram = c.sdram;
        record.bSeg7 = c.seg7;
        TMainBoard local;
        CONFIG_HOLLARNE(&local, &record);
        EXPECT_EQ(ConnectorNames(local), c.names);
    }
}

TEST_F(ConfigHollarneTest, EachFlagAddsOnlyItsOwnGroup)
{
    struct Case {
        uint8_t HOLLARNE_CONFIG::*flag;
        const char* connector;
    };
    const Case cases[] = {
        {&HOLLARNE_CONFIG::bClock, "CLOCK"},
        {&HOLLARNE_CONFIG::bLed, "LED"},
        {&HOLLARNE_CONFIG::bKey, "KEY"},
        {&HOLLARNE_CONFIG::bSw, "SW"},
        {&HOLLARNE_CONFIG::bVga, "VGA"},
        {&HOLLARNE_CONFIG::bSdram, "SDRAM"},
        {&HOLLARNE_CONFIG::bAdc, "ADC"},
        {&HOLLARNE_CONFIG::bSeg7, "SEG7"},
        {&HOLLARNE_CONFIG::bIr, "IR"},
        {&HOLLARNE_CONFIG::bPs2, "PS2"},
        {&HOLLARNE_CONFIG::bHps, "HPS"},
        {&HOLLARNE_CONFIG::bUart, "UART (revH or later only)"},
        {&HOLLARNE_CONFIG::bQspiFlash, "QSPI Flash (revH or later only)"},
        {&HOLLARNE_CONFIG::bRiscvJtag, "RISC-V JTAG (revH or later only)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.connector);
        HOLLARNE_CONFIG record = MakeRecord(false);
        record.*c.flag = 1;
        TMainBoard local;
        CONFIG_HOLLARNE(&local, &record);
        EXPECT_EQ(ConnectorNames(local), std::vector<std::string>{c.connector});
    }
}

TEST_F(ConfigHollarneTest, ARunReplacesTheConnectorsOfTheLastRun)
{
    HOLLARNE_CONFIG record = MakeRecord(true);
    record.nGpioDaughterId[GPIO_0] = CARD_GPIO_DEFAULT;
    CONFIG_HOLLARNE(&board, &record);
    record = MakeRecord(false);
    record.bLed = 1;
    CONFIG_HOLLARNE(&board, &record);
    EXPECT_EQ(ConnectorNames(board), std::vector<std::string>{"LED"});
}

// ---- GPIO master connectors ---------------------------------------------------

// Header positions 1 to 40, "-" where the header has no FPGA pin.
const char kGpio0Positions[] =
    "AC18 Y17 AD17 Y18 AK16 AK18 AK19 AJ19 AJ17 AJ16 - - AH18 AH17 AG16 AE16 AF16 AG17 AA18 AA19 AE17 AC20 AH19 AJ20 "
    "AH20 AK21 AD19 AD20 - - AE18 AE19 AF20 AF21 AF19 AG21 AF18 AG20 AG18 AJ21";
const char kGpio1Positions[] =
    "AB17 AA21 AB21 AC23 AD24 AE23 AE24 AF25 AF26 AG25 - - AG26 AH24 AH27 AJ27 AK29 AK28 AK27 AJ26 AK26 AH25 AJ25 AJ24 "
    "AK24 AG23 AK23 AH23 - - AK22 AJ22 AH22 AG22 AF24 AF23 AE22 AD21 AA20 AC22";

// Checks the placeholders of a master against the header positions, the
// first position of the headers at connector index offset.
void ExpectHeaderPositions(const TConnector* connector, int offset, const char* positions)
{
    const std::vector<std::string> words = Words(positions);
    ASSERT_EQ(words.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE("position " + std::to_string(offset + i + 1));
        const TPin* pin = connector->GetPin(offset + i);
        if (words[static_cast<size_t>(i)] == "-") {
            EXPECT_EQ(pin, nullptr);
            continue;
        }
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), "");
        EXPECT_EQ(pin->GetLocation(), words[static_cast<size_t>(i)]);
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
        EXPECT_FALSE(pin->GetIsClock());
        EXPECT_EQ(pin->GetClockFrequencyText(), "");
    }
}

std::vector<int> EmptyPositions(const TConnector* connector)
{
    std::vector<int> empty;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (!connector->GetPin(i)) empty.push_back(i + 1);
    return empty;
}

TEST_F(ConfigHollarneTest, FortyPinMastersFollowTheGroupsInHeaderOrder)
{
    HOLLARNE_CONFIG record = MakeRecord(true);
    record.nGpioDaughterId[GPIO_0] = CARD_GPIO_DEFAULT;
    record.nGpioDaughterId[GPIO_1] = CARD_IVREL;
    CONFIG_HOLLARNE(&board, &record);

    ASSERT_EQ(board.GetConnectorCount(), 19);
    EXPECT_EQ(board.GetConnector(16)->GetName(), "HPS");
    const TConnector* gpio0 = board.GetConnector(17);
    const TConnector* gpio1 = board.GetConnector(18);

    EXPECT_EQ(gpio0->GetName(), "GPIO_0");
    EXPECT_EQ(gpio0->GetDescription(), "GPIO_0 connect to GPIO Default");
    EXPECT_EQ(gpio0->GetMasterId(), 16);
    EXPECT_EQ(gpio1->GetName(), "GPIO_1");
    EXPECT_EQ(gpio1->GetDescription(), "GPIO_1 connect to Ivrel - 5M Pixel Camera");
    EXPECT_EQ(gpio1->GetMasterId(), 17);
    for (const TConnector* master : {gpio0, gpio1}) {
        SCOPED_TRACE(master->GetName());
        EXPECT_TRUE(master->GetIsMaster());
        EXPECT_EQ(master->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(master->GetCardId(), -1);
        EXPECT_EQ(master->GetPinCount(), 40);
        EXPECT_EQ(master->GetActivePinCount(), 36);
        EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30}));
    }
    EXPECT_EQ(board.FindMasterConnector(16), gpio0);
    EXPECT_EQ(board.FindMasterConnector(17), gpio1);
    EXPECT_EQ(board.FindMasterConnector(18), nullptr);

    {
        SCOPED_TRACE("GPIO_0");
        ExpectHeaderPositions(gpio0, 0, kGpio0Positions);
    }
    {
        SCOPED_TRACE("GPIO_1");
        ExpectHeaderPositions(gpio1, 0, kGpio1Positions);
    }

    // A few positions spelled out (1-based position -> location).
    const std::pair<int, const char*> gpio0Samples[] = {{1, "AC18"},  {2, "Y17"},   {10, "AJ16"}, {13, "AH18"},
                                                        {20, "AA19"}, {28, "AD20"}, {31, "AE18"}, {40, "AJ21"}};
    for (const auto& [position, location] : gpio0Samples)
        EXPECT_EQ(gpio0->GetPin(position - 1)->GetLocation(), location) << "GPIO_0 position " << position;
    const std::pair<int, const char*> gpio1Samples[] = {{1, "AB17"},  {2, "AA21"},  {10, "AG25"}, {13, "AG26"},
                                                        {20, "AJ26"}, {28, "AH23"}, {31, "AK22"}, {40, "AC22"}};
    for (const auto& [position, location] : gpio1Samples)
        EXPECT_EQ(gpio1->GetPin(position - 1)->GetLocation(), location) << "GPIO_1 position " << position;
}

TEST_F(ConfigHollarneTest, WhichHeadersGetAMaster)
{
    struct Case {
        const char* label;
        uint8_t card0, card1;
        std::vector<std::string> names;
        std::vector<int32_t> masterIds;
    };
    const Case cases[] = {
        {"only GPIO_1", 0, CARD_GPIO_DEFAULT, {"GPIO_1"}, {17}},
        {"only GPIO_0", CARD_IVREL, 0, {"GPIO_0"}, {16}},
        {"both", CARD_GPIO_DEFAULT, CARD_GPIO_DEFAULT, {"GPIO_0", "GPIO_1"}, {16, 17}},
        // The 80-pin rule looks at the GPIO_0 card alone.
        {"80-pin card on GPIO_1 only", CARD_GPIO_DEFAULT, CARD_CULM_GPIO, {"GPIO_0", "GPIO_1"}, {16, 17}},
        {"80-pin card on both", CARD_CULM_GPIO, CARD_CULM_GPIO, {"GPIO_0_1"}, {18}},
        // Card ids are compared as signed bytes: 200 counts as no card.
        {"id above 127", 0, 200, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        HOLLARNE_CONFIG record = MakeRecord(false);
        record.nGpioDaughterId[GPIO_0] = c.card0;
        record.nGpioDaughterId[GPIO_1] = c.card1;
        TMainBoard local;
        CONFIG_HOLLARNE(&local, &record);
        EXPECT_EQ(ConnectorNames(local), c.names);
        std::vector<int32_t> masterIds;
        for (int i = 0; i < local.GetConnectorCount(); ++i) {
            EXPECT_TRUE(local.GetConnector(i)->GetIsMaster());
            masterIds.push_back(local.GetConnector(i)->GetMasterId());
        }
        EXPECT_EQ(masterIds, c.masterIds);
    }
}

TEST_F(ConfigHollarneTest, EightyPinCardGetsOneMasterOverBothHeaders)
{
    HOLLARNE_CONFIG record = MakeRecord(false);
    record.nGpioDaughterId[GPIO_0] = CARD_CULM_GPIO;
    record.nGpioDaughterId[GPIO_1] = CARD_CULM_GPIO;
    CONFIG_HOLLARNE(&board, &record);

    ASSERT_EQ(board.GetConnectorCount(), 1);
    const TConnector* master = board.GetConnector(0);
    EXPECT_EQ(master->GetName(), "GPIO_0_1");
    EXPECT_EQ(master->GetDescription(), "GPIO_0_1 connect to Culm - High Speed ADC/DAC");
    EXPECT_EQ(master->GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(master->GetCardId(), -1);
    EXPECT_TRUE(master->GetIsMaster());
    EXPECT_EQ(master->GetMasterId(), 18);
    EXPECT_EQ(board.FindMasterConnector(18), master);
    EXPECT_EQ(master->GetPinCount(), 80);
    EXPECT_EQ(master->GetActivePinCount(), 72);
    EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
    {
        SCOPED_TRACE("GPIO_0 half");
        ExpectHeaderPositions(master, 0, kGpio0Positions);
    }
    {
        SCOPED_TRACE("GPIO_1 half");
        ExpectHeaderPositions(master, 40, kGpio1Positions);
    }
    EXPECT_EQ(master->GetPin(39)->GetLocation(), "AJ21");
    EXPECT_EQ(master->GetPin(40)->GetLocation(), "AB17");
    EXPECT_EQ(master->GetPin(79)->GetLocation(), "AC22");
}

// ---- Invariants -------------------------------------------------------------

TEST_F(ConfigHollarneTest, RecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    HOLLARNE_CONFIG wrongBoard = MakeRecord(true);
    wrongBoard.BoardId = MAINBOARD_MIRRENDALE;
    EXPECT_THROW(CONFIG_HOLLARNE(&board, &wrongBoard), InvariantFailure);

    HOLLARNE_CONFIG wrongSize = MakeRecord(true);
    wrongSize.Size = 408;
    EXPECT_THROW(CONFIG_HOLLARNE(&board, &wrongSize), InvariantFailure);
}

TEST_F(ConfigHollarneTest, EightyPinCardWithoutTheSecondHeaderIsAProgrammingError)
{
    HOLLARNE_CONFIG record = MakeRecord(false);
    record.nGpioDaughterId[GPIO_0] = CARD_CULM_GPIO;
    record.nGpioDaughterId[GPIO_1] = 0;
    try {
        CONFIG_HOLLARNE(&board, &record);
        FAIL() << "no invariant failure";
    } catch (const InvariantFailure& failure) {
        EXPECT_NE(failure.condition.find("nGpioDaughterId[GPIO_1]"), std::string::npos) << failure.condition;
    }
}

}  // namespace

}  // namespace config_hollarne_test
