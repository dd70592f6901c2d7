// The pieces the board definitions are built from.
#include <gtest/gtest.h>

#include "boards/frame/ConfigFrame.h"
#include "tests/support/SeamRecorder.h"

namespace config_frame_test {

namespace {

struct TINY_CONFIG {
    uint8_t BoardId;
    uint8_t Reserved[3];
    int32_t Size;
};

void CheckHead(const TINY_CONFIG& Config) { CHECK_RECORD_HEAD(Config, MAINBOARD_ESTOVER, TINY_CONFIG); }

}  // namespace

TEST(ConfigFrame, HsmcMasterHas116PlaceholdersAnd44EmptyPositions)
{
    TMainBoard board;
    const auto locations = MasterLocations(160, HsmcPositionsWithoutPin(), {{1, "R36"}, {158, "P32"}});
    TConnector* master = AddMaster(&board, "HSMC-A", "HSMC-A connect to X", CONNECTOR_HSMC, 8, locations);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    EXPECT_EQ(board.FindMasterConnector(8), master);
    ASSERT_EQ(master->GetPinCount(), 160);
    std::vector<int> empty;
    int placeholders = 0, known = 0;
    for (int p = 1; p <= 160; ++p) {
        const TPin* pin = master->GetPin(p - 1);
        if (!pin) {
            empty.push_back(p);
            continue;
        }
        ++placeholders;
        EXPECT_EQ(pin->GetName(), "");
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
        EXPECT_FALSE(pin->GetIsClock());
        if (!pin->GetLocation().empty()) ++known;
    }
    EXPECT_EQ(placeholders, 116);
    EXPECT_EQ(known, 2);
    EXPECT_EQ(master->GetPin(0)->GetLocation(), "R36");
    EXPECT_EQ(master->GetPin(157)->GetLocation(), "P32");
    // 35 to 38, then the pairs 45-46, 51-52, ... 159-160.
    std::vector<int> expected = {35, 36, 37, 38};
    for (int p = 45; p <= 159; p += 6) {
        expected.push_back(p);
        expected.push_back(p + 1);
    }
    EXPECT_EQ(empty, expected);
    EXPECT_EQ(expected.size(), 44u);
}

TEST(ConfigFrame, AGivenBallOnAPositionWithoutPinIsABrokenInvariant)
{
    SeamRecorder seam;
    EXPECT_THROW(MasterLocations(160, HsmcPositionsWithoutPin(), {{35, "A1"}}), InvariantFailure);
    EXPECT_THROW(MasterLocations(10, {{9, 11}}, {}), InvariantFailure);
}

TEST(ConfigFrame, GroupsOfPinsBusesAndClocks)
{
    TMainBoard board;
    TPinGroup group("QDRII+ SRAM B");
    group.Bus({"QDRII%c_A[%d]", 4, "AR24", "AN22", DIR_OUT, IO_1V8_HSTL_I}, 'B');
    const char* const balls[] = {"C1", kNoPin, kUnknownBall};
    group.Bus("SW[%d]", balls, 3, DIR_IN, IO_2V5);
    group.Clock("OSC_50_B3B", "AW35", IO_2V5, 20);
    group.ReferenceClock("SATA_REFCLK_p", "V6", IO_HCSL, 312.5, 2);
    group.ReferenceClock("SFP1G_REFCLK_p", "AB6", IO_HCSL, 0, 2);
    group.AddTo(&board);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    const TConnector* c = board.GetConnector(0);
    EXPECT_EQ(c->GetName(), "QDRII+ SRAM B");
    EXPECT_EQ(c->GetDescription(), "");
    EXPECT_EQ(c->GetType(), CONNECTOR_NONE);
    EXPECT_EQ(c->GetCardId(), -1);
    EXPECT_FALSE(c->GetIsMaster());
    struct Row {
        const char* name;
        const char* ball;
        PinDirection direction;
        IoStandard standard;
    };
    const Row rows[] = {{"QDRIIB_A[0]", "AR24", DIR_OUT, 4}, {"QDRIIB_A[1]", "", DIR_OUT, 4},
                        {"QDRIIB_A[2]", "", DIR_OUT, 4},     {"QDRIIB_A[3]", "AN22", DIR_OUT, 4},
                        {"SW[0]", "C1", DIR_IN, 6},          {"SW[2]", "", DIR_IN, 6},
                        {"OSC_50_B3B", "AW35", DIR_IN, 6},   {"SATA_REFCLK_p", "V6", DIR_IN, 37},
                        {"SFP1G_REFCLK_p", "AB6", DIR_IN, 37}};
    ASSERT_EQ(c->GetPinCount(), 9);
    for (int i = 0; i < 9; ++i) {
        const TPin* pin = c->GetPin(i);
        EXPECT_EQ(pin->GetName(), rows[i].name);
        EXPECT_EQ(pin->GetLocation(), rows[i].ball) << rows[i].name;
        EXPECT_EQ(pin->GetDirection(), rows[i].direction) << rows[i].name;
        EXPECT_EQ(pin->GetIoStandard(), rows[i].standard) << rows[i].name;
    }
    EXPECT_TRUE(c->GetPin(6)->GetIsClock());
    EXPECT_EQ(c->GetPin(6)->GetClockPeriodNs(), 20);
    EXPECT_EQ(c->GetPin(6)->GetClockFrequencyText(), "");
    EXPECT_EQ(c->GetPin(7)->GetClockFrequencyText(), "312.50 MHz");
    EXPECT_FALSE(c->GetPin(8)->GetIsClock());
    EXPECT_EQ(c->GetPin(8)->GetClockFrequencyText(), "");
}

TEST(ConfigFrame, RecordHeadChecksNameTheirCondition)
{
    SeamRecorder seam;
    TINY_CONFIG record{MAINBOARD_ESTOVER, {}, sizeof(TINY_CONFIG)};
    EXPECT_NO_THROW(CheckHead(record));
    record.BoardId = MAINBOARD_DRENNOCK;
    try {
        CheckHead(record);
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_ESTOVER");
    }
    record.BoardId = MAINBOARD_ESTOVER;
    record.Size = 9;
    try {
        CheckHead(record);
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TINY_CONFIG)");
    }
}

TEST(ConfigFrame, DeviceFields)
{
    TMainBoard board;
    SetDevice(&board, {"Stratix V", 1517, "FBGA", "3_H2", 0, "5SGXEA3K2F40C3"});
    EXPECT_EQ(board.GetFamily(), "Stratix V");
    EXPECT_EQ(board.GetDevicePinCount(), 1517);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "3_H2");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetDevice(), "5SGXEA3K2F40C3");
}

}  // namespace config_frame_test
