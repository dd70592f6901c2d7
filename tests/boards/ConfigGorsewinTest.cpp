// The Gorsewin definition: device, groups in order with their counts, the
// balls the board's data gives (and no other), clocks, masters, checks.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/CONFIG_GORSEWIN.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_gorsewin_test {

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection INOUT = PIN_DIR_INOUT;
constexpr IoStandard V25 = 6;    // "2.5 V"
constexpr IoStandard LVTTL = 8;  // "3.3-V LVTTL"

GORSEWIN_CONFIG Record(bool lcd = false)
{
    GORSEWIN_CONFIG r{};
    r.BoardId = MAINBOARD_GORSEWIN;
    r.Size = sizeof r;
    std::memset(&r.bCLOCK, 1, GORSEWIN_FLAG_COUNT);
    r.bLCD = lcd ? 1 : 0;
    return r;
}

}  // namespace

TEST(ConfigGorsewin, DefaultsGive268PinsInTheBoardOrder)
{
    const GORSEWIN_CONFIG r = Record();
    TMainBoard board;
    CONFIG_GORSEWIN(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_GORSEWIN);
    EXPECT_EQ(board.GetFamily(), "Cyclone IV E");
    EXPECT_EQ(board.GetDevice(), "EP4CE40F29C7");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGrade(), 7);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetDevicePinCount(), 0);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 3},
                                       {"SMA", 1},
                                       {"LED", 18},
                                       {"KEY", 4},
                                       {"SW", 10},
                                       {"SEG7", 32},
                                       {"RS232", 4},
                                       {"PS2 for Keyboard and Mouse", 4},
                                       {"SDCARD", 7},
                                       {"VGA", 35},
                                       {"Audio", 6},
                                       {"I2C for EEPROM", 2},
                                       {"I2C for Audio", 2},
                                       {"Gigabit Ethernet", 23},
                                       {"SDRAM", 39},
                                       {"SRAM", 41},
                                       {"Flash", 37}}));
    EXPECT_EQ(GroupPinCount(board), 268);

    const GORSEWIN_CONFIG all = Record(true);
    TMainBoard full;
    CONFIG_GORSEWIN(&full, &all);
    EXPECT_EQ(GroupPinCount(full), 281);
    EXPECT_EQ(GroupsOf(full).back(), (std::pair<std::string, int>{"LCD", 13}));
}

TEST(ConfigGorsewin, OnlyTheGivenBallsAreLocated)
{
    const GORSEWIN_CONFIG r = Record(true);
    TMainBoard board;
    CONFIG_GORSEWIN(&board, &r);
    const auto pins = PinsOf(board);
    ExpectPins(pins, {{"CLOCK_50", "Y2", IN, LVTTL},
                      {"CLOCK2_50", "AG14", IN, LVTTL},
                      {"CLOCK_27", "AG15", IN, LVTTL},
                      {"SMA_CLKIN", "AH14", IN, LVTTL},
                      {"LEDR[0]", "G19", OUT, V25},
                      {"LEDG[0]", "E21", OUT, V25},
                      {"KEY[0]", "M23", IN, V25},
                      {"SW[0]", "AB28", IN, V25},
                      {"HEX0_DP", "AF12", OUT, V25},
                      {"HEX0[0]", "G18", OUT, V25},
                      {"UART_TXD", "G9", OUT, LVTTL},
                      {"NET_CLK_25", "A14", IN, V25},
                      {"DRAM_CLK", "AE5", OUT, LVTTL},
                      {"FL_RY", "Y1", IN, LVTTL},
                      {"LCD_ON", "L5", OUT, LVTTL},
                      // Pins whose ball the board's data leaves out.
                      {"LEDR[9]", "", OUT, V25},
                      {"HEX3[6]", "", OUT, V25},
                      {"UART_RXD", "", IN, LVTTL},
                      {"UART_CTS", "", OUT, LVTTL},
                      {"UART_RTS", "", IN, LVTTL},
                      {"PS2_MSCLK", "", INOUT, LVTTL},
                      {"SD_WP_N", "", IN, LVTTL},
                      {"VGA_R[0]", "", OUT, LVTTL},
                      {"VGA_B[1]", "", OUT, LVTTL},
                      {"AUD_BCLK", "", INOUT, LVTTL},
                      {"EEP_I2C_SDA", "", INOUT, LVTTL},
                      {"I2C_SCLK", "", OUT, LVTTL},
                      {"NET_MDIO", "", INOUT, V25},
                      {"NET_LINK100", "", IN, V25},
                      {"DRAM_DQ[15]", "", INOUT, LVTTL},
                      {"SRAM_ADDR[19]", "", OUT, LVTTL},
                      {"FL_ADDR[22]", "", OUT, LVTTL},
                      {"LCD_BLON", "", OUT, LVTTL}});
    int located = 0;
    for (const auto& [name, pin] : pins) located += pin->GetLocation().empty() ? 0 : 1;
    EXPECT_EQ(located, 15);

    // The clocks: a period of 1000 / MHz in whole nanoseconds, no frequency text.
    const std::pair<const char*, int> clocks[] = {{"CLOCK_50", 20}, {"CLOCK2_50", 20}, {"CLOCK_27", 37}};
    for (const auto& [name, period] : clocks) {
        EXPECT_TRUE(pins.at(name)->GetIsClock()) << name;
        EXPECT_EQ(pins.at(name)->GetClockPeriodNs(), period) << name;
        EXPECT_EQ(pins.at(name)->GetClockFrequencyText(), "") << name;
        EXPECT_EQ(pins.at(name)->GetIoBank(), "") << name;
    }
}

TEST(ConfigGorsewin, PinOrderWithinGroups)
{
    const GORSEWIN_CONFIG r = Record(true);
    TMainBoard board;
    CONFIG_GORSEWIN(&board, &r);
    auto names = [&](const std::string& group, int first, int count) {
        std::vector<std::string> list;
        for (int c = 0; c < board.GetConnectorCount(); ++c)
            if (board.GetConnector(c)->GetName() == group)
                for (int i = first; i < first + count; ++i) list.push_back(board.GetConnector(c)->GetPin(i)->GetName());
        return list;
    };
    EXPECT_EQ(names("SEG7", 0, 6),
              (std::vector<std::string>{"HEX0_DP", "HEX1_DP", "HEX2_DP", "HEX3_DP", "HEX0[0]", "HEX0[1]"}));
    EXPECT_EQ(names("Gigabit Ethernet", 0, 4),
              (std::vector<std::string>{"NET_CLK_25", "NET_TX_DATA[0]", "NET_RX_DATA[0]", "NET_TX_DATA[1]"}));
    EXPECT_EQ(names("Gigabit Ethernet", 9, 3), (std::vector<std::string>{"NET_GTX_CLK", "NET_TX_EN", "NET_TX_ER"}));
    EXPECT_EQ(names("SDRAM", 0, 11),
              (std::vector<std::string>{"DRAM_BA[0]", "DRAM_BA[1]", "DRAM_DQM[0]", "DRAM_DQM[1]", "DRAM_RAS_N",
                                        "DRAM_CAS_N", "DRAM_CKE", "DRAM_CLK", "DRAM_WE_N", "DRAM_CS_N",
                                        "DRAM_DQ[0]"}));
    EXPECT_EQ(names("VGA", 4, 2), (std::vector<std::string>{"VGA_BLANK_N", "VGA_R[0]"}));
    EXPECT_EQ(names("Flash", 30, 6), (std::vector<std::string>{"FL_DQ[7]", "FL_CE_N", "FL_OE_N", "FL_RESET_N",
                                                                "FL_RY", "FL_WE_N"}));
}

TEST(ConfigGorsewin, GroupSelections)
{
    GORSEWIN_CONFIG r{};
    r.BoardId = MAINBOARD_GORSEWIN;
    r.Size = sizeof r;
    {
        TMainBoard board;
        CONFIG_GORSEWIN(&board, &r);
        EXPECT_EQ(board.GetConnectorCount(), 0);
        EXPECT_EQ(board.GetDevice(), "EP4CE40F29C7");
    }
    r.bAUDIO = 1;
    {
        TMainBoard board;
        CONFIG_GORSEWIN(&board, &r);
        EXPECT_EQ(GroupsOf(board), (Groups{{"Audio", 6}, {"I2C for Audio", 2}}));
    }
    r.bEEPROM = 1;
    {
        TMainBoard board;
        CONFIG_GORSEWIN(&board, &r);
        EXPECT_EQ(GroupsOf(board), (Groups{{"Audio", 6}, {"I2C for EEPROM", 2}, {"I2C for Audio", 2}}));
    }
}

TEST(ConfigGorsewin, Masters)
{
    GORSEWIN_CONFIG r = Record();
    r.nGpioDaughterId = 12;
    {
        TMainBoard board;
        CONFIG_GORSEWIN(&board, &r);
        EXPECT_EQ(GroupsOf(board).back(), (std::pair<std::string, int>{"GPIO", 40}));
        EXPECT_EQ(board.FindMasterConnector(8), nullptr);
        const TConnector* gpio = board.FindMasterConnector(16);
        ASSERT_NE(gpio, nullptr);
        EXPECT_EQ(gpio->GetDescription(), "GPIO connect to Ivrel - 5M Pixel Camera");
        EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
        EXPECT_EQ(gpio->GetCardId(), -1);
        const MasterShape shape = ShapeOf(*gpio);
        EXPECT_EQ(shape.Placeholders, 36);
        EXPECT_EQ(shape.Empty, (std::vector<int>{11, 12, 29, 30}));
        EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{1, "AB22"}, {40, "AG26"}}));
    }
    r.nHsmcDaughterId = 2;
    TMainBoard board;
    CONFIG_GORSEWIN(&board, &r);
    const Groups groups = GroupsOf(board);
    EXPECT_EQ(Groups(groups.end() - 2, groups.end()), (Groups{{"GPIO", 40}, {"HSMC", 160}}));
    const TConnector* hsmc = board.FindMasterConnector(8);
    ASSERT_NE(hsmc, nullptr);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to HSMC Default");
    EXPECT_EQ(hsmc->GetType(), CONNECTOR_HSMC);
    const MasterShape shape = ShapeOf(*hsmc);
    EXPECT_EQ(shape.Positions, 160);
    EXPECT_EQ(shape.Placeholders, 84);
    EXPECT_EQ(shape.Empty, HsmcEmptyPositions(false, true));
    // 33 and 34 carry signals whose balls the board's data does not name.
    EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{39, "AD28"}, {40, "AH15"}, {158, "Y28"}}));
    for (int p : {33, 34}) {
        ASSERT_NE(hsmc->GetPin(p - 1), nullptr) << p;
        EXPECT_EQ(hsmc->GetPin(p - 1)->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(hsmc->GetPin(p - 1)->GetIoStandard(), IO_STD_BY_CARD);
    }
}

TEST(ConfigGorsewin, RecordsOfAnotherBoardOrSizeAreBrokenInvariants)
{
    SeamRecorder seam;
    for (int spoil = 0; spoil < 2; ++spoil) {
        GORSEWIN_CONFIG r = Record();
        if (spoil == 0) r.BoardId = MAINBOARD_HOLLARNE;
        if (spoil == 1) r.Size = 411;
        TMainBoard board;
        try {
            CONFIG_GORSEWIN(&board, &r);
            ADD_FAILURE() << spoil;
        } catch (const InvariantFailure& failure) {
            EXPECT_EQ(failure.condition, spoil == 0 ? "Config.BoardId == MAINBOARD_GORSEWIN"
                                                    : "Config.Size == sizeof(GORSEWIN_CONFIG)");
        }
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_GORSEWIN);
    }
}

}  // namespace config_gorsewin_test
