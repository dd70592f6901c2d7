// The definitions of the Hethermoor, Ivenhold and Jessamont boards: device,
// every group in order with its pins (the balls the board's data gives, the
// others without location), the master connectors with their positions, and
// the groups and pins that follow the cards and options.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "boards/cyclone5_stratix5/CONFIG_HETHERMOOR.h"
#include "boards/cyclone5_stratix5/CONFIG_IVENHOLD.h"
#include "boards/cyclone5_stratix5/CONFIG_JESSAMONT.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_hethermoor_ivenhold_jessamont_test {

using defcheck::Row;

namespace {

HETHERMOOR_CONFIG Hethermoor(uint8_t flags)
{
    HETHERMOOR_CONFIG r{};
    r.BoardId = MAINBOARD_HETHERMOOR;
    r.Size = sizeof r;
    std::memset(&r.bClock, flags, 10);
    r.nHsmcVoltage = 1;
    return r;
}

IVENHOLD_CONFIG Ivenhold(uint8_t flags)
{
    IVENHOLD_CONFIG r{};
    r.BoardId = MAINBOARD_IVENHOLD;
    r.Size = sizeof r;
    std::memset(&r.bClock, flags, 14);
    return r;
}

JESSAMONT_CONFIG Jessamont(uint8_t flags)
{
    JESSAMONT_CONFIG r{};
    r.BoardId = MAINBOARD_JESSAMONT;
    r.Size = sizeof r;
    std::memset(&r.bClock, flags, 12);
    r.nGpioVoltage = 5;
    return r;
}

// A master connector: its name, description, type and id, its shape (the
// empty positions, the given balls, every other position a placeholder
// without location), and every placeholder without name and, unless `fixed`
// gives its own, with the card's direction and standard.
struct TFixed {
    PinDirection Direction;
    IoStandard Standard;
};
void ExpectMaster(const TConnector* master, const std::string& name, const std::string& description,
                  ConnectorType type, int32_t masterId, int positions, const std::vector<int>& empty,
                  const std::map<int, std::string>& balls, const std::map<int, TFixed>& fixed = {})
{
    ASSERT_NE(master, nullptr) << name;
    EXPECT_EQ(master->GetName(), name);
    EXPECT_EQ(master->GetDescription(), description);
    EXPECT_EQ(master->GetType(), type);
    EXPECT_EQ(master->GetCardId(), -1);
    EXPECT_TRUE(master->GetIsMaster());
    EXPECT_EQ(master->GetMasterId(), masterId);
    const MasterShape shape = ShapeOf(*master);
    EXPECT_EQ(shape.Positions, positions);
    EXPECT_EQ(shape.Empty, empty);
    EXPECT_EQ(shape.Balls, balls);
    EXPECT_EQ(shape.Placeholders, positions - static_cast<int>(empty.size()));
    for (int p = 1; p <= master->GetPinCount(); ++p) {
        const TPin* pin = master->GetPin(p - 1);
        if (!pin) continue;
        SCOPED_TRACE(name + " position " + std::to_string(p));
        EXPECT_EQ(pin->GetName(), "");
        const auto own = fixed.find(p);
        const TFixed expected = own == fixed.end() ? TFixed{PIN_DIR_BY_CARD, IO_STD_BY_CARD} : own->second;
        EXPECT_EQ(pin->GetDirection(), expected.Direction);
        EXPECT_EQ(pin->GetIoStandard(), expected.Standard);
    }
}

// The empty positions of 40-pin headers (power and ground), one header
// after another.
std::vector<int> HeaderEmptyPositions(int headers)
{
    std::vector<int> empty;
    for (int h = 0; h < headers; ++h)
        for (int p : {11, 12, 29, 30}) empty.push_back(40 * h + p);
    return empty;
}

void ExpectDevice(const TMainBoard& board, MainBoardId id, const char* part, int32_t pins, const char* speedGrade)
{
    EXPECT_EQ(board.GetBoardId(), id);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), part);
    EXPECT_EQ(board.GetDevicePinCount(), pins);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), speedGrade);
    EXPECT_EQ(board.GetSpeedGrade(), 0);
}

int PinTotal(const TMainBoard& board)
{
    int n = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c) n += board.GetConnector(c)->GetPinCount();
    return n;
}

const TPin* FindPin(const TMainBoard& board, const std::string& name)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        for (int i = 0; i < board.GetConnector(c)->GetPinCount(); ++i)
            if (const TPin* pin = board.GetConnector(c)->GetPin(i); pin && pin->GetName() == name) return pin;
    return nullptr;
}

// ---- Hethermoor ------------------------------------------------------------------

const std::vector<Row> kHethermoorRows = {
    {"CLOCK", "OSC_50_B3B OSC_50_B4A", "AF14 AA16", 0, "in"},
    {"CLOCK", "OSC_50_B5B OSC_50_B8A", "Y26 K14", 6, "in"},
    {"CLOCK", "HSMC_REF_CLK_p", "P9", 37, "in"},
    {"LED", "LED[0..3]", "AF10 ? ? AD7", 8, "out"},
    {"KEY", "KEY[0..3]", "AE9 ? ? AD11", 8, "in"},
    {"KEY", "RESET_n", "AD27", 8, "in"},
    {"SW", "SW[0..3]", "W25 ? ? AC29", 6, "in"},
    {"Si5338", "SI5338_SCL", "AE26", 8, "out"},
    {"Si5338", "SI5338_SDA", "AJ29", 8, "io"},
    {"Temperature", "TEMP_CS_n TEMP_DIN", "AF8 AG7", 8, "out"},
    {"Temperature", "TEMP_DOUT", "AG1", 8, "in"},
    {"Temperature", "TEMP_SCLK", "AF9", 8, "out"},
    {"VGA", "VGA_HS VGA_VS VGA_SYNC_n VGA_CLK VGA_BLANK_n", "AD12 AC12 AG2 W20 AH3", 8, "out"},
    {"VGA", "VGA_R[0..7]", "AG5 ? ? ? ? ? ? AJ1", 8, "out"},
    {"VGA", "VGA_G[0..7]", "Y21 ? ? ? ? ? ? AE27", 8, "out"},
    {"VGA", "VGA_B[0..7]", "AE28 ? ? ? ? ? ? AF29", 8, "out"},
    {"Audio", "AUD_ADCLRCK", "AG30", 8, "io"},
    {"Audio", "AUD_ADCDAT", "AC27", 8, "in"},
    {"Audio", "AUD_DACLRCK", "AH4", 8, "io"},
    {"Audio", "AUD_DACDAT AUD_XCK", "AG3 AC9", 8, "out"},
    {"Audio", "AUD_BCLK", "AE7", 8, "io"},
    {"Audio", "AUD_MUTE", "AD26", 8, "out"},
    {"I2C for Audio ", "AUD_I2C_SCLK", "AH30", 8, "out"},
    {"I2C for Audio ", "AUD_I2C_SDAT", "AF30", 8, "io"},
    {"IR Receiver", "IRDA_RXD", "AH2", 8, "in"},
    {"SDRAM", "DDR3_CK_p DDR3_CK_n", "AA14 AA15", 12, "out"},
    {"SDRAM",
     "DDR3_DQS_p[0] DDR3_DQS_n[0] DDR3_DQS_p[1] DDR3_DQS_n[1] DDR3_DQS_p[2] DDR3_DQS_n[2] DDR3_DQS_p[3] DDR3_DQS_n[3]",
     "V16 W16 V17 W17 Y17 AA18 AC20 AD19", 12, "io"},
    {"SDRAM",
     "DDR3_CKE DDR3_CS_n DDR3_RESET_n DDR3_WE_n DDR3_RAS_n DDR3_CAS_n DDR3_BA[0..2] DDR3_DM[0..3] DDR3_ODT",
     "AJ21 AB15 AK21 AJ6 AH8 AH7 AH10 AJ11 AK11 AH17 AG23 AK23 AJ27 AE16", 29, "out"},
    {"SDRAM", "DDR3_RZQ", "AG17", 0, "in"},
    {"SDRAM", "DDR3_DQ[0..31]",
     "AF18 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AK27", 29, "io"},
    {"SDRAM", "DDR3_A[0..14]", "AJ14 ? ? ? ? ? ? ? ? ? ? ? ? ? AG12", 29, "out"},
};

TEST(ConfigHethermoor, EveryGroupAndTheHsmcMaster)
{
    HETHERMOOR_CONFIG r = Hethermoor(1);
    r.nHsmcDaughterId = 3;  // HSMC Default with transceivers
    r.nHsmcVoltage = 0;
    r.BoardId = 99;  // the definition sets the board's own id first
    TMainBoard board;
    SeamRecorder seam;
    EXPECT_THROW(CONFIG_HETHERMOOR(&board, &r), InvariantFailure);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_HETHERMOOR);
    r.BoardId = MAINBOARD_HETHERMOOR;
    CONFIG_HETHERMOOR(&board, &r);

    ExpectDevice(board, MAINBOARD_HETHERMOOR, "5CSXFC6D6F31C8ES", 896, "8_H6");
    const auto groups = defcheck::ExpandRows(kHethermoorRows);
    EXPECT_EQ(defcheck::PinCount(groups), 135);
    defcheck::ExpectGroups(board, groups);
    ASSERT_EQ(board.GetConnectorCount(), static_cast<int>(groups.size()) + 1);
    for (const char* name : {"OSC_50_B3B", "OSC_50_B4A", "OSC_50_B5B", "OSC_50_B8A"})
        EXPECT_EQ(FindPin(board, name)->GetClockPeriodNs(), 20) << name;
    EXPECT_EQ(FindPin(board, "HSMC_REF_CLK_p")->GetClockPeriodNs(), 10);
    EXPECT_TRUE(FindPin(board, "HSMC_REF_CLK_p")->GetIsClock());
    EXPECT_EQ(FindPin(board, "HSMC_REF_CLK_p")->GetClockFrequencyText(), "");

    // Position 40 is an input of the HSMC bank's standard; the rest as the
    // frame makes them.
    ExpectMaster(board.GetConnector(board.GetConnectorCount() - 1), "HSMC",
                 "HSMC connect to HSMC Default With Transceiver", CONNECTOR_HSMC, 8, 160,
                 HsmcEmptyPositions(true, true),
                 {{1, "H4"}, {2, "J2"}, {33, "AE29"}, {34, "AA28"}, {39, "AD29"}, {40, "J14"}, {41, "C10"},
                  {158, "G15"}},
                 {{40, {PIN_DIR_INPUT, IO_3V3_LVTTL}}});
    EXPECT_EQ(HsmcEmptyPositions(true, true).size(), 44u);
}

TEST(ConfigHethermoor, GroupsFollowFlagsAndCard)
{
    // Nothing ticked and no card: the device and no connector.
    HETHERMOOR_CONFIG r = Hethermoor(0);
    TMainBoard board;
    CONFIG_HETHERMOOR(&board, &r);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "5CSXFC6D6F31C8ES");

    // The reference clock needs CLOCK and a transceiver card.
    struct Case {
        uint8_t clock;
        DaughterId card;
        int clockPins;
    };
    for (const Case c : {Case{1, 0, 4}, Case{1, 2, 4}, Case{1, 3, 5}, Case{0, 3, 0}}) {
        r = Hethermoor(0);
        r.bClock = c.clock;
        r.nHsmcDaughterId = c.card;
        CONFIG_HETHERMOOR(&board, &r);
        const TConnector* clock = defcheck::FindConnector(board, "CLOCK");
        EXPECT_EQ(clock ? clock->GetPinCount() : 0, c.clockPins) << int(c.card);
        EXPECT_EQ(FindPin(board, "HSMC_REF_CLK_p") != nullptr, c.clockPins == 5);
    }

    // Audio brings its I2C group after it.
    r = Hethermoor(0);
    r.bAudio = 1;
    CONFIG_HETHERMOOR(&board, &r);
    EXPECT_EQ(defcheck::ConnectorNames(board), (std::vector<std::string>{"Audio", "I2C for Audio "}));
    EXPECT_EQ(PinTotal(board), 9);
}

TEST(ConfigHethermoor, PositionFortyFollowsTheHsmcVoltage)
{
    // Index -> standard; outside the list the 2.5 V bank.
    const std::pair<int32_t, IoStandard> cases[] = {{0, IO_3V3_LVTTL}, {1, IO_2V5}, {2, IO_1V8},
                                                     {3, IO_1V5},       {4, IO_2V5}, {-1, IO_2V5}};
    for (const auto& [voltage, standard] : cases) {
        HETHERMOOR_CONFIG r = Hethermoor(0);
        r.nHsmcVoltage = voltage;
        r.nHsmcDaughterId = 17;
        TMainBoard board;
        CONFIG_HETHERMOOR(&board, &r);
        ASSERT_EQ(board.GetConnectorCount(), 1);
        EXPECT_EQ(board.GetConnector(0)->GetPin(39)->GetIoStandard(), standard) << voltage;
    }
}

// ---- Ivenhold --------------------------------------------------------------------

const std::vector<Row> kIvenholdRows = {
    {"CLOCK", "CLOCK_125_p", "U12", 21, "in"},
    {"CLOCK", "CLOCK_50_B5B CLOCK_50_B6A", "R20 N20", 8, "in"},
    {"CLOCK", "CLOCK_50_B7A CLOCK_50_B8A", "H12 M10", 6, "in"},
    {"LED", "LEDG[0..7]", "L7 ? ? ? ? ? ? H9", 6, "out"},
    {"LED", "LEDR[0..9]", "F7 ? ? ? ? ? ? ? ? J10", 6, "out"},
    {"KEY", "KEY[0..3]", "P11 ? ? Y16", 40, "in"},
    {"KEY", "CPU_RESET_n", "AB24", 8, "in"},
    {"SW", "SW[0..9]", "AC9 ? ? ? ? ? ? ? ? AE19", 40, "in"},
    {"SEG7", "HEX0[0..6]", "V19 ? ? ? ? ? Y18", 40, "out"},
    {"SEG7", "HEX1[0..6]", "AA18 ? ? ? ? ? AF24", 40, "out"},
    {"SEG7", "HEX2[0..6]", "AD7 ? ? ? ? ? W20", 8, "out"},
    {"SEG7", "HEX3[0..6]", "Y24 ? ? ? ? ? AC22", 8, "out"},
    {"HDMI-TX", "HDMI_TX_HS HDMI_TX_VS HDMI_TX_CLK HDMI_TX_DE", "U26 U25 Y25 Y26", 8, "out"},
    {"HDMI-TX", "HDMI_TX_INT", "T12", 40, "in"},
    {"HDMI-TX", "HDMI_TX_D[0..23]", "V23 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AD25", 8, "out"},
    {"ADC SPI", "ADC_CONVST ADC_SCK ADC_SDI", "AB22 AA21 Y10", 40, "out"},
    {"ADC SPI", "ADC_SDO", "W10", 40, "in"},
    {"Audio", "AUD_ADCLRCK", "C7", 6, "io"},
    {"Audio", "AUD_ADCDAT", "D7", 6, "in"},
    {"Audio", "AUD_DACLRCK", "G10", 6, "io"},
    {"Audio", "AUD_DACDAT AUD_XCK", "H10 D6", 6, "out"},
    {"Audio", "AUD_BCLK", "E6", 6, "io"},
    {"I2C for Audio/HDMI-TX/Si5338/HSMC", "I2C_SCL", "B7", 6, "out"},
    {"I2C for Audio/HDMI-TX/Si5338/HSMC", "I2C_SDA", "G11", 6, "io"},
    {"SMA Transceiver x1", "REFCLK_p0 REFCLK_p1 SMA_GXB_RX_p", "V6 N7 M2", 36, "in"},
    {"SMA Transceiver x1", "SMA_GXB_TX_p", "K2", 36, "out"},
    {"SDCARD", "SD_CMD", "W8", 8, "io"},
    {"SDCARD", "SD_CLK", "AB6", 8, "out"},
    {"SDCARD", "SD_DAT[0..3]", "U7 T7 V8 T8", 8, "io"},
    {"Uart to USB", "UART_TX", "L9", 6, "out"},
    {"Uart to USB", "UART_RX", "M9", 6, "in"},
    {"SRAM", "SRAM_A[0..17]", "B25 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? M24", 8, "out"},
    {"SRAM", "SRAM_D[0..15]", "E24 ? ? ? ? ? ? ? ? ? ? ? ? ? ? K21", 8, "io"},
    {"SRAM", "SRAM_UB_n SRAM_LB_n SRAM_CE_n SRAM_OE_n SRAM_WE_n", "M25 H25 N23 M22 G25", 8, "out"},
    {"LPDDR2", "DDR2LP_CK_p DDR2LP_CK_n", "N10 P10", 46, "out"},
    {"LPDDR2",
     "DDR2LP_DQS_p[0] DDR2LP_DQS_n[0] DDR2LP_DQS_p[1] DDR2LP_DQS_n[1] DDR2LP_DQS_p[2] DDR2LP_DQS_n[2] "
     "DDR2LP_DQS_p[3] DDR2LP_DQS_n[3]",
     "V13 W13 U14 V14 V15 W15 W16 W17", 46, "io"},
    {"LPDDR2", "DDR2LP_CKE[0..1] DDR2LP_CS_n[0..1] DDR2LP_DM[0..3]", "AF14 AE13 R11 T11 AF11 AE18 AE20 AE24", 43,
     "out"},
    {"LPDDR2", "DDR2LP_OCT_RZQ", "AE11", 40, "in"},
    {"LPDDR2", "DDR2LP_DQ[0..31]", "AA14 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AF23", 43, "io"},
    {"LPDDR2", "DDR2LP_CA[0..9]", "AE6 ? ? ? ? ? ? ? ? AB11", 43, "out"},
};

TEST(ConfigIvenhold, EveryGroupWithoutCards)
{
    IVENHOLD_CONFIG r = Ivenhold(1);
    TMainBoard board;
    CONFIG_IVENHOLD(&board, &r);
    ExpectDevice(board, MAINBOARD_IVENHOLD, "5CGXFC5C6F27C7", 672, "8_H6");
    const auto groups = defcheck::ExpandRows(kIvenholdRows);
    EXPECT_EQ(groups[4].pins.size(), 28u);   // SEG7
    EXPECT_EQ(groups[13].pins.size(), 61u);  // LPDDR2
    defcheck::ExpectGroups(board, groups);
    EXPECT_EQ(board.GetConnectorCount(), static_cast<int>(groups.size()));
    EXPECT_EQ(FindPin(board, "CLOCK_125_p")->GetClockPeriodNs(), 8);
    for (const char* name : {"CLOCK_50_B5B", "CLOCK_50_B6A", "CLOCK_50_B7A", "CLOCK_50_B8A"})
        EXPECT_EQ(FindPin(board, name)->GetClockPeriodNs(), 20) << name;
    // The SMA reference clocks are plain inputs.
    EXPECT_FALSE(FindPin(board, "REFCLK_p0")->GetIsClock());
    EXPECT_FALSE(FindPin(board, "REFCLK_p1")->GetIsClock());
    for (IoStandard code : {IO_LVDS, IO_1V2, IO_1V2_HSUL, IO_DIFF_1V2_HSUL}) EXPECT_NE(GetIoStandardName(code), "");
    EXPECT_EQ(GetIoStandardName(IO_LVDS), "LVDS");
    EXPECT_EQ(GetIoStandardName(IO_1V2), "1.2 V");
    EXPECT_EQ(GetIoStandardName(IO_1V2_HSUL), "1.2-V HSUL");
    EXPECT_EQ(GetIoStandardName(IO_DIFF_1V2_HSUL), "Differential 1.2-V HSUL");
}

TEST(ConfigIvenhold, GpioCardTakesHex2AndHex3)
{
    IVENHOLD_CONFIG r = Ivenhold(0);
    r.bSeg7 = 1;
    r.nGpioDaughterId = 12;
    TMainBoard board;
    CONFIG_IVENHOLD(&board, &r);
    defcheck::ExpectGroups(board, defcheck::ExpandRows({kIvenholdRows[8], kIvenholdRows[9]}));
    ASSERT_EQ(board.GetConnectorCount(), 2);
    ExpectMaster(board.GetConnector(1), "GPIO", "GPIO connect to Ivrel - 5M Pixel Camera", CONNECTOR_GPIO40, 16, 40,
                 HeaderEmptyPositions(1), {{1, "T21"}, {2, "D26"}, {10, "T19"}, {13, "U19"}, {25, "AD7"}, {40, "AC22"}});
}

TEST(ConfigIvenhold, HsmcMasterAndTheSharedI2c)
{
    IVENHOLD_CONFIG r = Ivenhold(0);
    r.nHsmcDaughterId = 2;
    TMainBoard board;
    CONFIG_IVENHOLD(&board, &r);
    EXPECT_EQ(defcheck::ConnectorNames(board),
              (std::vector<std::string>{"I2C for Audio/HDMI-TX/Si5338/HSMC", "HSMC"}));
    // Positions 1 to 16 and 33 to 38 have no FPGA pin on this board.
    std::vector<int> empty = Positions(1, 16);
    for (int p : HsmcEmptyPositions(true, false)) empty.push_back(p);
    EXPECT_EQ(empty.size(), 62u);
    // The board's table repeats V2 and AC4; the definition keeps its data.
    ExpectMaster(board.GetConnector(1), "HSMC", "HSMC connect to HSMC Default", CONNECTOR_HSMC, 8, 160, empty,
                 {{17, "W4"},
                  {18, "V2"},
                  {19, "W3"},
                  {20, "V2"},
                  {25, "AC4"},
                  {27, "AC4"},
                  {39, "A7"},
                  {40, "N9"},
                  {41, "D11"},
                  {158, "K9"}});

    // Each user of the I2C bus calls it up alone; none, no group.
    auto i2cWith = [&](uint8_t IVENHOLD_CONFIG::*flag, DaughterId hsmc) {
        IVENHOLD_CONFIG c = Ivenhold(0);
        if (flag) c.*flag = 1;
        c.nHsmcDaughterId = hsmc;
        TMainBoard b;
        CONFIG_IVENHOLD(&b, &c);
        return defcheck::FindConnector(b, "I2C for Audio/HDMI-TX/Si5338/HSMC") != nullptr;
    };
    EXPECT_TRUE(i2cWith(&IVENHOLD_CONFIG::bAudio, 0));
    EXPECT_TRUE(i2cWith(&IVENHOLD_CONFIG::bHdmiTx, 0));
    EXPECT_TRUE(i2cWith(&IVENHOLD_CONFIG::bSi5338, 0));
    EXPECT_FALSE(i2cWith(nullptr, 0));
    EXPECT_FALSE(i2cWith(&IVENHOLD_CONFIG::bSram, 0));
    IVENHOLD_CONFIG si = Ivenhold(0);
    si.bSi5338 = 1;
    CONFIG_IVENHOLD(&board, &si);
    EXPECT_EQ(defcheck::ConnectorNames(board), (std::vector<std::string>{"I2C for Audio/HDMI-TX/Si5338/HSMC"}));
}

TEST(ConfigIvenhold, RepeatedHsmcBallStaysWithTheFirstActivePin)
{
    IVENHOLD_CONFIG r = Ivenhold(0);
    r.nHsmcDaughterId = 2;
    TMainBoard board;
    CONFIG_IVENHOLD(&board, &r);
    TConnector* hsmc = board.GetConnector(1);
    // Cards active at 18 and 20 (and 25 and 27).
    for (int p : {18, 20, 25, 27}) {
        hsmc->GetPin(p - 1)->SetName("P" + std::to_string(p));
        hsmc->GetPin(p - 1)->SetDirection(PIN_DIR_INOUT);
    }
    board.ReleaseRepeatedLocations();
    EXPECT_EQ(hsmc->GetPin(17)->GetLocation(), "V2");
    EXPECT_EQ(hsmc->GetPin(19)->GetLocation(), "");
    EXPECT_EQ(hsmc->GetPin(24)->GetLocation(), "AC4");
    EXPECT_EQ(hsmc->GetPin(26)->GetLocation(), "");
}

// ---- Jessamont -------------------------------------------------------------------

const std::vector<Row> kJessamontRows = {
    {"CLOCK", "CLOCK_50_B3B CLOCK_50_B4A", "T13 U12", 0, "in"},
    {"CLOCK", "CLOCK_50_B5B CLOCK_50_B6A CLOCK_50_B7A CLOCK_50_B8A", "R20 N20 H12 N9", 8, "in"},
    {"Buttons", "CPU_RESET_n KEY[0..3]", "AB24 M21 ? ? G26", 8, "in"},
    {"Swtiches", "SW[0..3]", "G20 ? ? H19", 8, "in"},
    {"LED", "LED[0..3]", "U20 ? ? Y23", 8, "out"},
    {"HEX0", "HEX0_DP HEX0[0..6]", "AA6 T8 ? ? ? ? ? U26", 8, "out"},
    {"HEX1", "HEX1_DP HEX1[0..6]", "V25 T7 ? ? ? ? ? N25", 8, "out"},
    {"FAN", "FAN_CTRL", "AD7", 8, "out"},
    {"SDRAM", "DRAM_CLK DRAM_CKE DRAM_ADDR[0..12] DRAM_BA[0..1]", "F26 ? D26 ? ? ? ? ? ? ? ? ? ? ? M25 ? ?", 8, "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "L24 ? ? ? ? ? ? ? ? ? ? ? ? ? ? M22", 8, "io"},
    {"SDRAM", "DRAM_LDQM DRAM_UDQM DRAM_CS_n DRAM_WE_n DRAM_CAS_n DRAM_RAS_n", "", 8, "out"},
    {"DDR3", "DDR3_ADDR[0..14] DDR3_BA[0..2]", "AE6 ? ? ? ? ? ? ? ? ? ? ? ? ? W11 ? ? ?", 29, "out"},
    {"DDR3", "DDR3_CK_p DDR3_CK_n", "N10 P10", 12, "out"},
    {"DDR3", "DDR3_CKE", "", 29, "out"},
    {"DDR3", "DDR3_DQS_p[0..3] DDR3_DQS_n[0..3]", "", 12, "io"},
    {"DDR3", "DDR3_DQ[0..31]", "AA14 ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? ? AF23", 29, "io"},
    {"DDR3", "DDR3_DM[0..3] DDR3_CS_n DDR3_WE_n DDR3_CAS_n DDR3_RAS_n DDR3_RESET_n DDR3_ODT", "", 29, "out"},
    {"DDR3", "DDR3_RZQ", "AE11", 0, "in"},
    {"Uart to Usb", "UART_TX", "P21", 8, "out"},
    {"Uart to Usb", "UART_RX UART_CTS", "P22 ?", 8, "in"},
    {"Uart to Usb", "UART_RTS", "", 8, "out"},
    {"Arduino Interface", "ADC_SCK", "", 8, "out"},
    {"Arduino Interface", "ADC_SDO", "", 8, "in"},
    {"Arduino Interface", "ADC_SDI ADC_CONVST", "", 8, "out"},
    {"Arduino Interface", "ARD_IO[0..15]", "Y26 ? ? ? ? ? ? ? ? ? ? ? ? ? ? AA24", 8, "io"},
    {"PCIE", "PCIE_SMBCLK PCIE_SMBDAT", "", 8, "io"},
    {"PCIE", "PCIE_REFCLK_p", "V6", 37, "in"},
    {"PCIE", "PCIE_TX_p[0..3]", "AE4 ? ? ?", 36, "out"},
    {"PCIE", "PCIE_RX_p[0..3]", "AD2 ? ? ?", 36, "in"},
    {"PCIE", "PCIE_PERST_n PCIE_WAKE_n", "", 8, "io"},
    {"SMA", "SMA_CLKIN", "T21", 8, "in"},
    {"SMA", "SMA_CLKOUT", "Y25", 8, "out"},
};

TEST(ConfigJessamont, ThirteenGroupsOf186Pins)
{
    JESSAMONT_CONFIG r = Jessamont(1);
    TMainBoard board;
    CONFIG_JESSAMONT(&board, &r);
    ExpectDevice(board, MAINBOARD_JESSAMONT, "5CGTFD9D5F27C7", 672, "C7");
    const auto groups = defcheck::ExpandRows(kJessamontRows);
    ASSERT_EQ(groups.size(), 13u);
    EXPECT_EQ(defcheck::PinCount(groups), 186);
    defcheck::ExpectGroups(board, groups);
    EXPECT_EQ(board.GetConnectorCount(), 13);
    defcheck::ExpectClocks(board, {{"CLOCK_50_B3B", "50.000000 MHz"},
                                   {"CLOCK_50_B4A", "50.000000 MHz"},
                                   {"CLOCK_50_B5B", "50.000000 MHz"},
                                   {"CLOCK_50_B6A", "50.000000 MHz"},
                                   {"CLOCK_50_B7A", "50.000000 MHz"},
                                   {"CLOCK_50_B8A", "50.000000 MHz"},
                                   {"PCIE_REFCLK_p", "100.000000 MHz"}});

    // Nothing ticked and no card: no connector.
    r = Jessamont(0);
    CONFIG_JESSAMONT(&board, &r);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "5CGTFD9D5F27C7");
}

TEST(ConfigJessamont, GpioMastersByTheCards)
{
    const std::map<int, std::string> gpio0 = {{1, "G15"}, {40, "B17"}};
    const std::map<int, std::string> gpio1 = {{1, "L8"}, {40, "J7"}};
    const std::vector<int> headerEmpty = HeaderEmptyPositions(1);

    // The 80-pin card on both headers: one master over both.
    JESSAMONT_CONFIG r = Jessamont(0);
    r.nGpioDaughterId[0] = r.nGpioDaughterId[1] = 11;
    TMainBoard board;
    CONFIG_JESSAMONT(&board, &r);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    ExpectMaster(board.GetConnector(0), "GPIO_0_1", "GPIO_0_1 connect to Culm - High Speed ADC/DAC", CONNECTOR_GPIO80,
                 18, 80, HeaderEmptyPositions(2), {{1, "G15"}, {40, "B17"}, {41, "L8"}, {80, "J7"}});

    // A card on GPIO_1 only.
    r = Jessamont(0);
    r.nGpioDaughterId[1] = 12;
    CONFIG_JESSAMONT(&board, &r);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    ExpectMaster(board.GetConnector(0), "GPIO_1", "GPIO_1 connect to Ivrel - 5M Pixel Camera", CONNECTOR_GPIO40, 17,
                 40, headerEmpty, gpio1);

    // Two 40-pin cards, GPIO_0 first, after the groups.
    r = Jessamont(0);
    r.bFan = 1;
    r.nGpioDaughterId[0] = 1;
    r.nGpioDaughterId[1] = 69;
    CONFIG_JESSAMONT(&board, &r);
    ASSERT_EQ(board.GetConnectorCount(), 3);
    EXPECT_EQ(board.GetConnector(0)->GetName(), "FAN");
    ExpectMaster(board.GetConnector(1), "GPIO_0", "GPIO_0 connect to GPIO Default", CONNECTOR_GPIO40, 16, 40,
                 headerEmpty, gpio0);
    ExpectMaster(board.GetConnector(2), "GPIO_1", "GPIO_1 connect to RISC-V", CONNECTOR_GPIO40, 17, 40, headerEmpty,
                 gpio1);

    // The 80-pin card on GPIO_0 alone breaks the record's rule (the form
    // never passes such a record).
    SeamRecorder seam;
    r = Jessamont(0);
    r.nGpioDaughterId[0] = 11;
    try {
        CONFIG_JESSAMONT(&board, &r);
        ADD_FAILURE() << "no invariant";
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.nGpioDaughterId[GPIO_1]");
    }
}

}  // namespace

}  // namespace config_hethermoor_ivenhold_jessamont_test
