// The Wyndholt board definition: device data, the groups with every pin, the
// record copy for the timing constraints, the GPIO master connectors (one
// per header, or one over both for the 80-pin card) and the invariants.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_WYNDHOLT.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_wyndholt_test {

using namespace defcheck;

namespace {

constexpr IoStandard LVTTL = 8;

const std::vector<Row> kRows = {
    {"CLOCK", "CLOCK_50 CLOCK2_50 CLOCK3_50", "M9 H13 E10", LVTTL, "in"},
    {"CLOCK", "CLOCK4_50", "V15", LVTTL, "io"},
    {"SDRAM", "DRAM_ADDR[0..12]", "W8 T8 U11 Y10 N6 AB10 P12 P7 P8 R5 U8 P6 R7", LVTTL, "out"},
    {"SDRAM", "DRAM_BA[0] DRAM_BA[1] DRAM_CAS_N DRAM_CKE DRAM_CLK DRAM_CS_N", "T7 AB7 V6 R6 AB11 U6", LVTTL, "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "Y9 T10 R9 Y11 R10 R11 R12 AA12 AA9 AB8 AA8 AA7 V10 V9 U10 T9", LVTTL, "io"},
    {"SDRAM", "DRAM_LDQM DRAM_RAS_N DRAM_UDQM DRAM_WE_N", "U12 AB6 N8 AB5", LVTTL, "out"},
    {"SEG7", "HEX0[0..6]", "U21 V21 W22 W21 Y22 Y21 AA22", LVTTL, "out"},
    {"SEG7", "HEX1[0..6]", "AA20 AB20 AA19 AA18 AB18 AA17 U22", LVTTL, "out"},
    {"SEG7", "HEX2[0..6]", "Y19 AB17 AA10 Y14 V14 AB22 AB21", LVTTL, "out"},
    {"SEG7", "HEX3[0..6]", "Y16 W16 Y17 V16 U17 V18 V19", LVTTL, "out"},
    {"SEG7", "HEX4[0..6]", "U20 Y20 V20 U16 U15 Y15 P9", LVTTL, "out"},
    {"SEG7", "HEX5[0..6]", "N9 M8 T14 P14 C1 C2 W19", LVTTL, "out"},
    {"KEY", "KEY[0..3] RESET_N", "U7 W9 M7 M6 P22", LVTTL, "in"},
    {"LED", "LEDR[0..9]", "AA2 AA1 W2 Y3 N2 N1 U2 U1 L2 L1", LVTTL, "out"},
    {"PS2", "PS2_CLK PS2_CLK2 PS2_DAT PS2_DAT2", "D3 E2 G2 G1", LVTTL, "io"},
    {"microSD Card", "SD_CLK", "H11", LVTTL, "out"},
    {"microSD Card", "SD_CMD SD_DATA[0..3]", "B11 K9 D12 E12 C11", LVTTL, "io"},
    {"SW", "SW[0..9]", "U13 V13 T13 T12 AA15 AB15 AA14 AA13 AB13 AB12", LVTTL, "in"},
    {"VGA", "VGA_B[0..3] VGA_G[0..3] VGA_HS VGA_R[0..3] VGA_VS", "B6 B7 A8 A7 L7 K7 J7 J8 H8 A9 B10 C9 A5 G8", LVTTL,
     "out"},
};

const char kGpio0[] =
    "N16 B16 M16 C16 D17 K20 K21 K22 M20 M21 - - N21 R22 R21 T22 N20 N19 M22 P19 L22 P17 P16 M18 L18 L17 L19 K17 - - "
    "K19 P18 R15 R17 R16 T20 T19 T18 T17 T15";
const char kGpio1[] =
    "H16 A12 H15 B12 A13 B13 C13 D13 G18 G17 - - H18 J18 J19 G11 H10 J11 H14 A15 J13 L8 A14 B15 C15 E14 E15 E16 - - "
    "F14 F15 F13 F12 G16 G15 G13 G12 J17 K16";

WYNDHOLT_CONFIG MakeRecord(uint8_t flag)
{
    WYNDHOLT_CONFIG record{};
    record.BoardId = MAINBOARD_WYNDHOLT;
    record.Size = 404;
    std::strcpy(record.szProjectName, "WYNDHOLT");
    std::memset(&record.bClock, flag, 9);  // bClock .. bSdCard
    return record;
}

class ConfigWyndholtTest : public ::testing::Test {
protected:
    SeamRecorder seam;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigWyndholtTest, EveryGroupWithEveryPinInOrder)
{
    const WYNDHOLT_CONFIG record = MakeRecord(1);
    CONFIG_WYNDHOLT(&board, &record);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_WYNDHOLT);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CEBA4F23C7");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "7");

    const std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    EXPECT_EQ(PinCount(groups), 134);
    EXPECT_EQ(ConnectorNames(board), (std::vector<std::string>{"CLOCK", "SDRAM", "SEG7", "KEY", "LED", "PS2",
                                                               "microSD Card", "SW", "VGA"}));
    ExpectGroups(board, groups);
    ExpectClocks(board, {{"CLOCK_50", "50.0 MHz"},
                         {"CLOCK2_50", "50.0 MHz"},
                         {"CLOCK3_50", "50.0 MHz"},
                         {"CLOCK4_50", "50.0 MHz"}});
    EXPECT_EQ(FindConnector(board, "CLOCK")->GetPin(3)->GetIoBank(), "");
}

TEST_F(ConfigWyndholtTest, EachFlagAddsOnlyItsGroupAndTheRecordIsCopied)
{
    const struct {
        uint8_t WYNDHOLT_CONFIG::*flag;
        const char* group;
    } cases[] = {{&WYNDHOLT_CONFIG::bClock, "CLOCK"}, {&WYNDHOLT_CONFIG::bLed, "LED"},
                 {&WYNDHOLT_CONFIG::bKey, "KEY"},     {&WYNDHOLT_CONFIG::bSw, "SW"},
                 {&WYNDHOLT_CONFIG::bVga, "VGA"},     {&WYNDHOLT_CONFIG::bSdram, "SDRAM"},
                 {&WYNDHOLT_CONFIG::bSeg7, "SEG7"},   {&WYNDHOLT_CONFIG::bPs2, "PS2"},
                 {&WYNDHOLT_CONFIG::bSdCard, "microSD Card"}};
    for (const auto& c : cases) {
        WYNDHOLT_CONFIG record = MakeRecord(0);
        record.*c.flag = 1;
        TMainBoard local;
        CONFIG_WYNDHOLT(&local, &record);
        EXPECT_EQ(ConnectorNames(local), std::vector<std::string>{c.group});
        EXPECT_EQ(std::memcmp(local.m_WyndholtConfig.bytes, &record, 404), 0) << c.group;
        EXPECT_EQ(local.m_WyndholtConfig.Byte(140), c.group == std::string("VGA") ? 1 : 0) << c.group;
    }
    const WYNDHOLT_CONFIG none = MakeRecord(0);
    CONFIG_WYNDHOLT(&board, &none);
    EXPECT_EQ(board.GetConnectorCount(), 0);
}

TEST_F(ConfigWyndholtTest, FortyPinCardsGetOneMasterPerHeader)
{
    WYNDHOLT_CONFIG record = MakeRecord(1);
    record.nGpioDaughterId[GPIO_0] = 1;
    record.nGpioDaughterId[GPIO_1] = 12;
    CONFIG_WYNDHOLT(&board, &record);
    ASSERT_EQ(board.GetConnectorCount(), 11);
    const TConnector* gpio0 = board.GetConnector(9);
    const TConnector* gpio1 = board.GetConnector(10);
    EXPECT_EQ(gpio0->GetName(), "GPIO_0");
    EXPECT_EQ(gpio0->GetDescription(), "GPIO_0 connect to GPIO Default");
    EXPECT_EQ(gpio1->GetName(), "GPIO_1");
    EXPECT_EQ(gpio1->GetDescription(), "GPIO_1 connect to Ivrel - 5M Pixel Camera");
    EXPECT_EQ(board.FindMasterConnector(16), gpio0);
    EXPECT_EQ(board.FindMasterConnector(17), gpio1);
    for (const TConnector* master : {gpio0, gpio1}) {
        EXPECT_EQ(master->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(master->GetActivePinCount(), 36);
    }
    {
        SCOPED_TRACE("GPIO_0");
        ExpectMasterPositions(gpio0, kGpio0, IO_STD_BY_CARD);
    }
    {
        SCOPED_TRACE("GPIO_1");
        ExpectMasterPositions(gpio1, kGpio1, IO_STD_BY_CARD);
    }
}

TEST_F(ConfigWyndholtTest, TheEightyPinCardGetsOneMasterOverBothHeaders)
{
    WYNDHOLT_CONFIG record = MakeRecord(0);
    record.nGpioDaughterId[GPIO_0] = 11;
    record.nGpioDaughterId[GPIO_1] = 11;
    CONFIG_WYNDHOLT(&board, &record);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    const TConnector* master = board.GetConnector(0);
    EXPECT_EQ(master->GetName(), "GPIO_0_1");
    EXPECT_EQ(master->GetDescription(), "GPIO_0_1 connect to Culm - High Speed ADC/DAC");
    EXPECT_EQ(master->GetType(), CONNECTOR_GPIO80);
    EXPECT_EQ(master->GetMasterId(), 18);
    EXPECT_EQ(master->GetActivePinCount(), 72);
    EXPECT_EQ(EmptyPositions(master), (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
    ExpectMasterPositions(master, std::string(kGpio0) + " " + kGpio1, IO_STD_BY_CARD);
}

TEST_F(ConfigWyndholtTest, WhichHeadersGetAMaster)
{
    const struct {
        const char* label;
        uint8_t card0, card1;
        std::vector<std::string> names;
    } cases[] = {
        {"GPIO_1 only", 0, 62, {"GPIO_1"}},
        // The card of GPIO_0 decides: an 80-pin id on GPIO_1 gives two 40-pin masters.
        {"80-pin id on GPIO_1", 13, 11, {"GPIO_0", "GPIO_1"}},
        // Ids are compared as signed bytes: 200 counts as no card.
        {"id above 127", 0, 200, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WYNDHOLT_CONFIG record = MakeRecord(0);
        record.nGpioDaughterId[GPIO_0] = c.card0;
        record.nGpioDaughterId[GPIO_1] = c.card1;
        TMainBoard local;
        CONFIG_WYNDHOLT(&local, &record);
        EXPECT_EQ(ConnectorNames(local), c.names);
    }
    WYNDHOLT_CONFIG record = MakeRecord(0);
    record.nGpioDaughterId[GPIO_1] = 62;
    CONFIG_WYNDHOLT(&board, &record);
    EXPECT_EQ(board.GetConnector(0)->GetDescription(), "GPIO_1 connect to Brevik - 2.4\" LCD and Touch");
    EXPECT_EQ(board.GetConnector(0)->GetMasterId(), 17);
}

TEST_F(ConfigWyndholtTest, ProgrammingErrors)
{
    WYNDHOLT_CONFIG record = MakeRecord(1);
    record.BoardId = MAINBOARD_ELMSARY;
    EXPECT_THROW(CONFIG_WYNDHOLT(&board, &record), InvariantFailure);
    record.BoardId = MAINBOARD_WYNDHOLT;
    record.Size = 408;
    EXPECT_THROW(CONFIG_WYNDHOLT(&board, &record), InvariantFailure);

    record = MakeRecord(0);
    record.nGpioDaughterId[GPIO_0] = 11;  // the 80-pin card without the second header
    try {
        CONFIG_WYNDHOLT(&board, &record);
        FAIL() << "no invariant failure";
    } catch (const InvariantFailure& failure) {
        EXPECT_NE(failure.condition.find("nGpioDaughterId[GPIO_1]"), std::string::npos) << failure.condition;
    }
}

}  // namespace config_wyndholt_test
