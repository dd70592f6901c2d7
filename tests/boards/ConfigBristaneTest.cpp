// The Bristane definition: groups in order, the combined I2C group, the
// 2x13 header and the GPIO masters with their two fixed inputs.
#include <gtest/gtest.h>

#include "boards/cyclone4_stratix4/CONFIG_BRISTANE.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/generate/GenerateSupport.h"

namespace config_bristane_test {

namespace {

BRISTANE_CONFIG Record(bool everyGroup)
{
    BRISTANE_CONFIG r{};
    r.BoardId = MAINBOARD_BRISTANE;
    r.Size = sizeof r;
    if (everyGroup)
        for (uint8_t* f = &r.bClock; f <= &r.bHeader; ++f) *f = 1;
    return r;
}

}  // namespace

TEST(ConfigBristane, EveryGroupGivesNineGroupsInOrder)
{
    TMainBoard board;
    const BRISTANE_CONFIG r = Record(true);
    CONFIG_BRISTANE(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_BRISTANE);
    EXPECT_EQ(board.GetFamily(), "Cyclone IV E");
    EXPECT_EQ(board.GetDevice(), "EP4CE22F17C6");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 256);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 6);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 1},
                                       {"LED", 8},
                                       {"KEY", 2},
                                       {"SW", 4},
                                       {"SDRAM", 39},
                                       {"EPCS", 4},
                                       {"Accelerometer and EEPROM", 4},
                                       {"ADC", 4},
                                       {"2x13 GPIO Header", 16}}));
    ExpectPins(board, {{"CLOCK_50", "R8", DIR_IN, IO_3V3_LVTTL},
                       {"LED[0]", "A15", DIR_OUT, IO_3V3_LVTTL},
                       {"LED[7]", "L3", DIR_OUT, IO_3V3_LVTTL},
                       {"KEY[0]", "J15", DIR_IN, IO_3V3_LVTTL},
                       {"KEY[1]", "E1", DIR_IN, IO_3V3_LVTTL},
                       {"SW[0]", "M1", DIR_IN, IO_3V3_LVTTL},
                       {"SW[3]", "M15", DIR_IN, IO_3V3_LVTTL},
                       {"DRAM_DQ[0]", "G2", DIR_INOUT, IO_3V3_LVTTL},
                       {"DRAM_DQ[15]", "K1", DIR_INOUT, IO_3V3_LVTTL},
                       {"DRAM_ADDR[0]", "P2", DIR_OUT, IO_3V3_LVTTL},
                       {"DRAM_ADDR[12]", "L4", DIR_OUT, IO_3V3_LVTTL},
                       {"DRAM_DQM[1]", "", DIR_OUT, IO_3V3_LVTTL},
                       {"EPCS_DATA0", "", DIR_IN, IO_3V3_LVTTL},
                       {"EPCS_ASDO", "C1", DIR_OUT, IO_3V3_LVTTL},
                       {"I2C_SCLK", "", DIR_OUT, IO_3V3_LVTTL},
                       {"I2C_SDAT", "", DIR_INOUT, IO_3V3_LVTTL},
                       {"G_SENSOR_CS_N", "", DIR_OUT, IO_3V3_LVTTL},
                       {"G_SENSOR_INT", "", DIR_IN, IO_3V3_LVTTL},
                       {"ADC_SDAT", "", DIR_IN, IO_3V3_LVTTL},
                       {"GPIO_2[0]", "A14", DIR_INOUT, IO_3V3_LVTTL},
                       {"GPIO_2[9]", "F16", DIR_INOUT, IO_3V3_LVTTL},
                       {"GPIO_2[12]", "G15", DIR_INOUT, IO_3V3_LVTTL},
                       {"GPIO_2_IN[0]", "E15", DIR_IN, IO_3V3_LVTTL},
                       {"GPIO_2_IN[2]", "M16", DIR_IN, IO_3V3_LVTTL}});
    EXPECT_TRUE(PinsOf(board).at("CLOCK_50")->GetIsClock());
    EXPECT_EQ(PinsOf(board).at("CLOCK_50")->GetClockPeriodNs(), 20);
    const std::vector<std::string> sdram = NamesOf(ConnectorNamed(board, "SDRAM"));
    EXPECT_EQ((std::vector<std::string>{sdram.begin(), sdram.begin() + 11}),
              (std::vector<std::string>{"DRAM_BA[0]", "DRAM_BA[1]", "DRAM_DQM[0]", "DRAM_DQM[1]", "DRAM_RAS_N",
                                        "DRAM_CAS_N", "DRAM_CKE", "DRAM_CLK", "DRAM_WE_N", "DRAM_CS_N",
                                        "DRAM_DQ[0]"}));
    EXPECT_TRUE(RepeatedBalls(board).empty());
}

TEST(ConfigBristane, TheI2cGroupIsNamedAfterItsDevices)
{
    struct Case {
        uint8_t accelerometer, eeprom;
        Groups groups;
    };
    const Case cases[] = {
        {1, 0, {{"Accelerometer", 4}}},
        {0, 1, {{"EEPROM", 2}}},
        {1, 1, {{"Accelerometer and EEPROM", 4}}},
        {0, 0, {}},
    };
    for (const Case& c : cases) {
        BRISTANE_CONFIG r = Record(false);
        r.bAccelerometer = c.accelerometer;
        r.bEeprom = c.eeprom;
        TMainBoard board;
        CONFIG_BRISTANE(&board, &r);
        EXPECT_EQ(GroupsOf(board), c.groups);
    }
}

TEST(ConfigBristane, GpioMastersHoldTwoInputs)
{
    BRISTANE_CONFIG r = Record(false);
    r.nGpioDaughterId[1] = 12;
    TMainBoard board;
    CONFIG_BRISTANE(&board, &r);
    ASSERT_EQ(GroupsOf(board), (Groups{{"GPIO_1", 40}}));
    TConnector* gpio1 = board.FindMasterConnector(17);
    ASSERT_NE(gpio1, nullptr);
    EXPECT_EQ(gpio1->GetDescription(), "GPIO_1 connect to " + GetCardDisplayName(12));
    EXPECT_EQ(gpio1->GetType(), CONNECTOR_GPIO40);
    const MasterShape shape = ShapeOf(*gpio1);
    EXPECT_EQ(shape.Placeholders, 36);
    EXPECT_EQ(shape.Empty, (std::vector<int>{11, 12, 29, 30}));
    EXPECT_EQ(shape.Balls.size(), 3u);
    EXPECT_EQ(gpio1->GetPin(0)->GetLocation(), "T9");
    EXPECT_EQ(gpio1->GetPin(2)->GetLocation(), "R9");
    EXPECT_EQ(gpio1->GetPin(39)->GetLocation(), "J14");

    r.nGpioDaughterId[0] = 1;
    CONFIG_BRISTANE(&board, &r);
    ASSERT_EQ(GroupsOf(board), (Groups{{"GPIO_0", 40}, {"GPIO_1", 40}}));
    TConnector* gpio0 = board.FindMasterConnector(16);
    EXPECT_EQ(gpio0->GetPin(0)->GetLocation(), "A8");
    EXPECT_EQ(gpio0->GetPin(2)->GetLocation(), "B8");
    EXPECT_EQ(gpio0->GetPin(39)->GetLocation(), "B12");
    // Positions 1 and 3 are inputs whatever the card says; the card gives
    // their standard.
    AttachOutputsCard(gpio0, {1, 2, 3});
    EXPECT_EQ(gpio0->GetPin(0)->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(gpio0->GetPin(1)->GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(gpio0->GetPin(2)->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(gpio0->GetPin(2)->GetIoStandard(), kLvttl);
}

}  // namespace config_bristane_test
