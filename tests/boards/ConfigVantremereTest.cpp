// The Vantremere board: its configuration object (record, settings files,
// empty generation hooks, card list) and its board definition (device data,
// the groups with every pin, the GPIO master connector).
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_VANTREMERE.h"
#include "boards/soc/ConfigVantremere.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_vantremere_test {

using namespace defcheck;

namespace {

constexpr IoStandard LVTTL = 8;
constexpr IoStandard SCHMITT = 50;

// The groups of the board, in definition order.
const std::vector<Row> kRows = {
    {"CLOCK", "MAX10_CLK1_50, MAX10_CLK2_50, ADC_CLK_10", "P11 N14 N5", LVTTL, "in"},
    {"SDRAM", "DRAM_ADDR[0..12]", "U17 W19 V18 U18 U19 T18 T19 R18 P18 P19 T20 P20 R20", LVTTL, "out"},
    {"SDRAM", "DRAM_BA[0] DRAM_BA[1] DRAM_CAS_N DRAM_CKE DRAM_CLK DRAM_CS_N", "T21 T22 U21 N22 L14 U20", LVTTL,
     "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "Y21 Y20 AA22 AA21 Y22 W22 W20 V21 P21 J22 H21 H22 G22 G20 G19 F22", LVTTL, "io"},
    {"SDRAM", "DRAM_LDQM DRAM_RAS_N DRAM_UDQM DRAM_WE_N", "V22 U22 J21 V20", LVTTL, "out"},
    {"SEG7", "HEX0[0..7]", "C14 E15 C15 C16 E16 D17 C17 D15", LVTTL, "out"},
    {"SEG7", "HEX1[0..7]", "C18 D18 E18 B16 A17 A18 B17 A16", LVTTL, "out"},
    {"SEG7", "HEX2[0..7]", "B20 A20 B19 A21 B21 C22 B22 A19", LVTTL, "out"},
    {"SEG7", "HEX3[0..7]", "F21 E22 E21 C19 C20 D19 E17 D22", LVTTL, "out"},
    {"SEG7", "HEX4[0..7]", "F18 E20 E19 J18 H19 F19 F20 F17", LVTTL, "out"},
    {"SEG7", "HEX5[0..7]", "J20 K20 L18 N18 M20 N19 N20 L19", LVTTL, "out"},
    {"KEY", "KEY[0] KEY[1]", "B8 A7", SCHMITT, "in"},
    {"LED", "LEDR[0..9]", "A8 A9 A10 B10 D13 C13 E14 D14 A11 B11", LVTTL, "out"},
    {"SW", "SW[0..9]", "C10 C11 D12 C12 A12 B12 A13 A14 B14 F15", LVTTL, "in"},
    {"VGA", "VGA_B[0..3] VGA_G[0..3] VGA_HS VGA_R[0..3] VGA_VS", "P1 T1 P4 N2 W1 T2 R2 R1 N3 AA1 V1 Y2 Y1 N1", LVTTL,
     "out"},
    {"Accelerometer", "GSENSOR_SCLK", "AB15", LVTTL, "out"},
    {"Accelerometer", "GSENSOR_SDO GSENSOR_SDI", "V12 V11", LVTTL, "io"},
    {"Accelerometer", "GSENSOR_INT[1] GSENSOR_INT[2]", "Y14 Y13", LVTTL, "in"},
    {"Accelerometer", "GSENSOR_CS_N", "AB16", LVTTL, "out"},
    {"Arduino", "ARDUINO_IO[0..15]", "AB5 AB6 AB7 AB8 AB9 Y10 AA11 AA12 AB17 AA17 AB19 AA19 Y19 AB20 AB21 AA20",
     LVTTL, "io"},
    {"Arduino", "ARDUINO_RESET_N", "F16", SCHMITT, "io"},
};

const char kGpioPositions[] =
    "V10 W10 V9 W9 V8 W8 V7 W7 W6 V5 - - W5 AA15 AA14 W13 W12 AB13 AB12 Y11 AB11 W11 AB10 AA10 AA9 Y8 AA8 Y7 - - "
    "AA7 Y6 AA6 Y5 AA5 Y4 AB3 Y3 AB2 AA2";

class ConfigVantremereTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& r = config.m_Config;
        r.Size = 272;
        r.BoardId = MAINBOARD_VANTREMERE;
        std::strcpy(r.szProjectName, "VANTREMERE");
    }
    void AllGroups()
    {
        auto& r = config.m_Config;
        r.bClock = r.bLed = r.bKey = r.bSw = r.bAccelerometer = r.bSdram = r.bVga = r.bSeg7 = r.bArduino = 1;
    }

    SeamRecorder seam;
    TConfigVantremere config;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigVantremereTest, EveryGroupWithEveryPinInOrder)
{
    AllGroups();
    CONFIG_VANTREMERE(&board, &config);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_VANTREMERE);
    EXPECT_EQ(board.m_pConfig, &config);
    EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C7G");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "7");

    const std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    EXPECT_EQ(PinCount(groups), 149);
    EXPECT_EQ(board.GetConnectorCount(), static_cast<int>(groups.size()));
    ExpectGroups(board, groups);
    ExpectClocks(board, {{"MAX10_CLK1_50", "50.0 MHz"}, {"MAX10_CLK2_50", "50.0 MHz"}, {"ADC_CLK_10", "10.0 MHz"}});
}

TEST_F(ConfigVantremereTest, EachFlagAddsOnlyItsGroup)
{
    using R = TConfigVantremere::BOARD_CONFIG;
    const struct {
        uint8_t R::*flag;
        const char* group;
    } cases[] = {
        {&R::bClock, "CLOCK"}, {&R::bLed, "LED"},   {&R::bKey, "KEY"},   {&R::bSw, "SW"},
        {&R::bAccelerometer, "Accelerometer"}, {&R::bSdram, "SDRAM"}, {&R::bVga, "VGA"},
        {&R::bSeg7, "SEG7"},   {&R::bArduino, "Arduino"}, {&R::Reserved137, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group ? c.group : "reserved byte");
        TConfigVantremere one;
        one.m_Config = config.m_Config;
        one.m_Config.*c.flag = 1;
        TMainBoard local;
        CONFIG_VANTREMERE(&local, &one);
        EXPECT_EQ(ConnectorNames(local), c.group ? std::vector<std::string>{c.group} : std::vector<std::string>{});
    }
}

TEST_F(ConfigVantremereTest, ACardGetsTheGpioMasterLast)
{
    AllGroups();
    config.m_Config.nGpioDaughterId = 12;
    CONFIG_VANTREMERE(&board, &config);

    ASSERT_EQ(board.GetConnectorCount(), 10);
    const TConnector* gpio = board.GetConnector(9);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to Ivrel - 5M Pixel Camera");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetCardId(), -1);
    EXPECT_TRUE(gpio->GetIsMaster());
    EXPECT_EQ(board.FindMasterConnector(16), gpio);
    EXPECT_EQ(gpio->GetActivePinCount(), 36);
    EXPECT_EQ(EmptyPositions(gpio), (std::vector<int>{11, 12, 29, 30}));
    // The placeholders keep 3.3-V LVTTL: the card's own standard never reaches the project.
    ExpectMasterPositions(gpio, kGpioPositions, LVTTL);
}

TEST_F(ConfigVantremereTest, NothingTickedGivesNoConnector)
{
    CONFIG_VANTREMERE(&board, &config);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C7G");
}

TEST_F(ConfigVantremereTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    config.m_Config.BoardId = MAINBOARD_WENDLEBURY;
    EXPECT_THROW(CONFIG_VANTREMERE(&board, &config), InvariantFailure);
    config.m_Config.BoardId = MAINBOARD_VANTREMERE;
    config.m_Config.Size = 292;
    EXPECT_THROW(CONFIG_VANTREMERE(&board, &config), InvariantFailure);
}

TEST_F(ConfigVantremereTest, TheObjectHoldsLoadsSavesAndListsOnly)
{
    config.m_Config.nGpioDaughterId = 63;
    std::strcpy(config.m_Config.szGpioPrefixName, "T_");
    const std::string saved = ExpectRecordOnlyObject(config, 272);
    EXPECT_EQ(saved.substr(0, 5), std::string("\x10\x01\x00\x00\x20", 5));  // the size first, then id 32
    EXPECT_TRUE(seam.boxes.empty());

    config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    const std::vector<int> expected = {0, 1, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87};
    EXPECT_EQ(std::vector<int>(config.m_CardIds, config.m_CardIds + config.m_CardCount), expected);
}

}  // namespace config_vantremere_test
