// The Kestleford definition: the groups in order, the balls the board's
// data gives, the bank rule for the GPIO and HSMC voltages, the Ethernet
// ports and the two masters.
#include <gtest/gtest.h>

#include "boards/cyclone4_stratix4/CONFIG_KESTLEFORD.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/generate/GenerateSupport.h"

namespace config_kestleford_test {

namespace {

KESTLEFORD_CONFIG EveryGroup()
{
    KESTLEFORD_CONFIG r{};
    r.BoardId = MAINBOARD_KESTLEFORD;
    r.Size = sizeof r;
    for (uint8_t* f = &r.bClock; f <= &r.bExIo; ++f) *f = 1;
    r.nGpioVoltage = KESTLEFORD_3V3;
    r.nHsmcVoltage = KESTLEFORD_2V5;
    return r;
}

// The standards of the pins on each bank, and of the pins beside them.
struct BankPins {
    IoStandard gpio;  // CLOCK3_50, SMA_CLKOUT, HEX3[2..6], HEX4..HEX6, HEX7[0..5]
    IoStandard hsmc;  // KEY, SW, HEX0[3..6], HEX1, HEX2, HEX3[0..1]
};

void ExpectBanks(const TMainBoard& board, const BankPins& banks)
{
    const auto pins = PinsOf(board);
    auto standard = [&pins](const std::string& name) { return pins.at(name)->GetIoStandard(); };
    for (const char* name : {"CLOCK3_50", "SMA_CLKOUT", "HEX3[2]", "HEX3[6]", "HEX4[0]", "HEX5[3]", "HEX6[6]",
                             "HEX7[0]", "HEX7[5]"})
        EXPECT_EQ(standard(name), banks.gpio) << name;
    for (const char* name : {"KEY[0]", "KEY[3]", "SW[0]", "SW[17]", "HEX0[3]", "HEX0[6]", "HEX1[0]", "HEX2[6]",
                             "HEX3[0]", "HEX3[1]"})
        EXPECT_EQ(standard(name), banks.hsmc) << name;
    for (const char* name : {"HEX0[0]", "HEX0[2]", "LEDR[0]", "LEDG[8]"}) EXPECT_EQ(standard(name), IO_2V5) << name;
    for (const char* name : {"HEX7[6]", "CLOCK_50", "CLOCK2_50", "SMA_CLKIN", "EX_IO[0]", "LCD_ON", "VGA_B[7]"})
        EXPECT_EQ(standard(name), IO_3V3_LVTTL) << name;
}

}  // namespace

TEST(ConfigKestleford, EveryGroupGivesTwentyThreeGroupsInOrder)
{
    TMainBoard board;
    const KESTLEFORD_CONFIG r = EveryGroup();
    CONFIG_KESTLEFORD(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_KESTLEFORD);
    EXPECT_EQ(board.GetFamily(), "Cyclone IV E");
    EXPECT_EQ(board.GetDevice(), "EP4CE115F29C7");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 780);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 7);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 3},
                                       {"Sma", 2},
                                       {"LED", 27},
                                       {"KEY", 4},
                                       {"EX_IO", 7},
                                       {"SW", 18},
                                       {"SEG7", 56},
                                       {"LCD", 13},
                                       {"RS232", 4},
                                       {"PS2 for Keyboard and Mouse", 4},
                                       {"SDCARD", 7},
                                       {"VGA", 29},
                                       {"Audio", 6},
                                       {"I2C for EEPROM", 2},
                                       {"I2C for Audio Tv-Decoder ", 2},
                                       {"Ethernet 0", 23},
                                       {"Ethernet 1", 22},
                                       {"TV Decoder", 12},
                                       {"USB 2.0 OTG (Cypress CY7C67200)", 23},
                                       {"IR Receiver", 1},
                                       {"SDRAM", 57},
                                       {"SRAM", 41},
                                       {"Flash", 37}}));
    ExpectPins(board, {{"CLOCK_50", "Y2", DIR_IN, IO_3V3_LVTTL},
                       {"CLOCK2_50", "AG14", DIR_IN, IO_3V3_LVTTL},
                       {"CLOCK3_50", "AG15", DIR_IN, IO_3V3_LVTTL},
                       {"SMA_CLKIN", "AH14", DIR_IN, IO_3V3_LVTTL},
                       {"SMA_CLKOUT", "AE23", DIR_OUT, IO_3V3_LVTTL},
                       {"LEDR[0]", "G19", DIR_OUT, IO_2V5},
                       {"LEDR[17]", "H15", DIR_OUT, IO_2V5},
                       {"LEDG[0]", "E21", DIR_OUT, IO_2V5},
                       {"LEDG[8]", "F17", DIR_OUT, IO_2V5},
                       {"KEY[0]", "M23", DIR_IN, IO_3V3_LVTTL},
                       {"KEY[3]", "R24", DIR_IN, IO_3V3_LVTTL},
                       {"EX_IO[0]", "J10", DIR_INOUT, IO_3V3_LVTTL},
                       {"EX_IO[6]", "D9", DIR_INOUT, IO_3V3_LVTTL},
                       {"SW[0]", "AB28", DIR_IN, IO_3V3_LVTTL},
                       {"SW[17]", "Y23", DIR_IN, IO_3V3_LVTTL},
                       {"HEX0[0]", "G18", DIR_OUT, IO_2V5},
                       {"HEX7[6]", "AA14", DIR_OUT, IO_3V3_LVTTL},
                       {"VGA_R[0]", "E12", DIR_OUT, IO_3V3_LVTTL},
                       {"VGA_B[7]", "D12", DIR_OUT, IO_3V3_LVTTL},
                       {"I2C_SCLK", "B7", DIR_OUT, IO_3V3_LVTTL},
                       {"I2C_SDAT", "A8", DIR_INOUT, IO_3V3_LVTTL},
                       {"ENETCLK_25", "A14", DIR_IN, IO_3V3_LVTTL},
                       {"ENET0_TX_DATA[0]", "C18", DIR_OUT, IO_2V5},
                       {"ENET1_RX_DATA[3]", "D21", DIR_IN, IO_2V5},
                       {"ENET0_GTX_CLK", "", DIR_OUT, IO_2V5},
                       {"ENET0_INT_N", "", DIR_IN, IO_2V5},
                       {"ENET1_MDIO", "", DIR_INOUT, IO_2V5},
                       {"ENET1_LINK100", "", DIR_IN, IO_3V3_LVTTL},
                       {"TD_DATA[0]", "E8", DIR_IN, IO_3V3_LVTTL},
                       {"TD_DATA[7]", "F7", DIR_IN, IO_3V3_LVTTL},
                       {"TD_RESET_N", "", DIR_OUT, IO_3V3_LVTTL},
                       {"OTG_DATA[0]", "J6", DIR_INOUT, IO_3V3_LVTTL},
                       {"OTG_DATA[15]", "G4", DIR_INOUT, IO_3V3_LVTTL},
                       {"OTG_INT", "", DIR_IN, IO_3V3_LVTTL},
                       {"IRDA_RXD", "Y15", DIR_IN, IO_3V3_LVTTL},
                       {"DRAM_DQ[0]", "W3", DIR_INOUT, IO_3V3_LVTTL},
                       {"DRAM_DQ[31]", "U1", DIR_INOUT, IO_3V3_LVTTL},
                       {"DRAM_ADDR[0]", "R6", DIR_OUT, IO_3V3_LVTTL},
                       {"DRAM_ADDR[12]", "Y7", DIR_OUT, IO_3V3_LVTTL},
                       {"SRAM_ADDR[0]", "AB7", DIR_OUT, IO_3V3_LVTTL},
                       {"SRAM_ADDR[19]", "T8", DIR_OUT, IO_3V3_LVTTL},
                       {"SRAM_DQ[0]", "AH3", DIR_INOUT, IO_3V3_LVTTL},
                       {"SRAM_DQ[15]", "AG3", DIR_INOUT, IO_3V3_LVTTL},
                       {"FL_ADDR[0]", "AG12", DIR_OUT, IO_3V3_LVTTL},
                       {"FL_ADDR[22]", "AD11", DIR_OUT, IO_3V3_LVTTL},
                       {"FL_DQ[0]", "AH8", DIR_INOUT, IO_3V3_LVTTL},
                       {"FL_DQ[7]", "AF12", DIR_INOUT, IO_3V3_LVTTL},
                       {"FL_RY", "", DIR_IN, IO_3V3_LVTTL}});
    ExpectBanks(board, {IO_3V3_LVTTL, IO_3V3_LVTTL});
    EXPECT_TRUE(RepeatedBalls(board).empty());
    const auto pins = PinsOf(board);
    for (const char* clock : {"CLOCK_50", "CLOCK2_50", "CLOCK3_50"}) {
        EXPECT_TRUE(pins.at(clock)->GetIsClock()) << clock;
        EXPECT_EQ(pins.at(clock)->GetClockPeriodNs(), 20) << clock;
    }
    EXPECT_FALSE(pins.at("TD_CLK27")->GetIsClock());
    const std::vector<std::string> ethernet = NamesOf(ConnectorNamed(board, "Ethernet 0"));
    EXPECT_EQ((std::vector<std::string>{ethernet.begin(), ethernet.begin() + 4}),
              (std::vector<std::string>{"ENETCLK_25", "ENET0_TX_DATA[0]", "ENET0_RX_DATA[0]", "ENET0_TX_DATA[1]"}));
    EXPECT_EQ(ethernet.back(), "ENET0_LINK100");
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "Ethernet 1")).front(), "ENET1_TX_DATA[0]");
    const std::vector<std::string> led = NamesOf(ConnectorNamed(board, "LED"));
    EXPECT_EQ(led[17], "LEDR[17]");
    EXPECT_EQ(led[18], "LEDG[0]");
}

TEST(ConfigKestleford, TheBanksFollowTheConnectorVoltages)
{
    struct Case {
        const char* what;
        int32_t gpioVoltage, hsmcVoltage;
        DaughterId gpioCard, hsmcCard;
        BankPins banks;
    };
    const Case cases[] = {
        {"HSMC card at 2.5 V", KESTLEFORD_3V3, KESTLEFORD_2V5, 0, 2, {IO_3V3_LVTTL, IO_2V5}},
        {"GPIO at 1.5 V", KESTLEFORD_1V5, KESTLEFORD_2V5, 0, 0, {IO_1V5, IO_3V3_LVTTL}},
        {"GPIO at 1.8 V, HSMC at 1.5 V", KESTLEFORD_1V8, KESTLEFORD_1V5, 0, 0, {IO_1V8, IO_1V5}},
        {"GPIO card at 3.3 V", KESTLEFORD_3V3, KESTLEFORD_2V5, 12, 0, {IO_3V3_LVTTL, IO_3V3_LVTTL}},
        {"HSMC at 3.3 V without a card", KESTLEFORD_3V3, KESTLEFORD_3V3, 0, 0, {IO_3V3_LVTTL, IO_3V3_LVTTL}},
        {"GPIO at 2.5 V with card 85", KESTLEFORD_2V5, KESTLEFORD_1V8, 85, 17, {IO_2V5, IO_1V8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KESTLEFORD_CONFIG r = EveryGroup();
        r.nGpioVoltage = c.gpioVoltage;
        r.nHsmcVoltage = c.hsmcVoltage;
        r.nGpioDaughterId = c.gpioCard;
        r.nHsmcDaughterId = c.hsmcCard;
        TMainBoard board;
        CONFIG_KESTLEFORD(&board, &r);
        ExpectBanks(board, c.banks);
        EXPECT_EQ(board.FindMasterConnector(16) != nullptr, c.gpioCard != 0);
        EXPECT_EQ(board.FindMasterConnector(8) != nullptr, c.hsmcCard != 0);
        EXPECT_EQ(ConnectorNamed(board, "I2C for Audio Tv-Decoder HSMC ") != nullptr, c.hsmcCard != 0);
    }
}

TEST(ConfigKestleford, GpioAndHsmcMasters)
{
    KESTLEFORD_CONFIG r{};
    r.BoardId = MAINBOARD_KESTLEFORD;
    r.Size = sizeof r;
    r.nHsmcVoltage = KESTLEFORD_2V5;
    r.nGpioDaughterId = 1;
    r.nHsmcDaughterId = 2;
    TMainBoard board;
    CONFIG_KESTLEFORD(&board, &r);
    EXPECT_EQ(GroupsOf(board), (Groups{{"I2C for HSMC ", 2}, {"GPIO", 40}, {"HSMC", 160}}));
    const TConnector* gpio = board.FindMasterConnector(16);
    ASSERT_NE(gpio, nullptr);
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    MasterShape shape = ShapeOf(*gpio);
    EXPECT_EQ(shape.Placeholders, 36);
    EXPECT_EQ(shape.Empty, (std::vector<int>{11, 12, 29, 30}));
    EXPECT_EQ(gpio->GetPin(0)->GetLocation(), "AB22");
    EXPECT_EQ(gpio->GetPin(39)->GetLocation(), "AG26");

    TConnector* hsmc = board.FindMasterConnector(8);
    ASSERT_NE(hsmc, nullptr);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to HSMC Default");
    shape = ShapeOf(*hsmc);
    EXPECT_EQ(shape.Placeholders, 82);
    EXPECT_EQ(shape.Empty, HsmcEmpty(Positions(1, 38)));
    for (const auto& [position, ball] : {std::pair<int, const char*>{39, "AD28"}, {40, "AH15"}, {109, "P28"},
                                         {158, "Y28"}})
        EXPECT_EQ(hsmc->GetPin(position - 1)->GetLocation(), ball);
    // Position 40 is an input on the HSMC bank's standard whatever the card says.
    AttachOutputsCard(hsmc, {39, 40});
    EXPECT_EQ(hsmc->GetPin(38)->GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(hsmc->GetPin(38)->GetIoStandard(), kLvttl);
    EXPECT_EQ(hsmc->GetPin(39)->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(hsmc->GetPin(39)->GetIoStandard(), IO_2V5);
}

TEST(ConfigKestleford, EthernetAndTheSharedI2cGroup)
{
    KESTLEFORD_CONFIG r{};
    r.BoardId = MAINBOARD_KESTLEFORD;
    r.Size = sizeof r;
    r.nHsmcVoltage = KESTLEFORD_2V5;
    r.bEthernet[1] = 1;
    TMainBoard board;
    CONFIG_KESTLEFORD(&board, &r);
    ASSERT_EQ(GroupsOf(board), (Groups{{"Ethernet 1", 23}}));
    EXPECT_EQ(NamesOf(board.GetConnector(0)).front(), "ENETCLK_25");

    r.bEthernet[1] = 0;
    r.bTvDecoder = 1;
    CONFIG_KESTLEFORD(&board, &r);
    EXPECT_EQ(GroupsOf(board), (Groups{{"I2C for Tv-Decoder ", 2}, {"TV Decoder", 12}}));

    SeamRecorder seam;
    r.nHsmcVoltage = 4;
    EXPECT_THROW(CONFIG_KESTLEFORD(&board, &r), InvariantFailure);
}

}  // namespace config_kestleford_test
