// The Mirrendale board definition: device data, the groups with every pin,
// the record copy for the timing constraints, the GPIO master connector and
// the invariants on the record.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_MIRRENDALE.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_mirrendale_test {

using namespace defcheck;

namespace {

constexpr IoStandard V15 = 0;
constexpr IoStandard LVTTL = 8;
constexpr IoStandard DIFF = 12;
constexpr IoStandard SSTL = 29;

// The groups of the board, in definition order, as the board's pin list gives them.
const std::vector<Row> kRows = {
    {"CLOCK", "CLOCK_50, CLOCK2_50", "AF14, AA16", V15, "in"},
    {"CLOCK", "CLOCK3_50, CLOCK4_50", "Y26, K14", LVTTL, "in"},
    {"ADC", "ADC_CONVST, ADC_DIN", "AH2, AJ2", LVTTL, "out"},
    {"ADC", "ADC_DOUT", "AG1", LVTTL, "in"},
    {"ADC", "ADC_SCLK", "AJ1", LVTTL, "out"},
    {"Audio", "AUD_ADCDAT", "K7", LVTTL, "in"},
    {"Audio", "AUD_ADCLRCK, AUD_BCLK", "K8, H7", LVTTL, "io"},
    {"Audio", "AUD_DACDAT", "J7", LVTTL, "out"},
    {"Audio", "AUD_DACLRCK", "H8", LVTTL, "io"},
    {"Audio", "AUD_XCK", "G7", LVTTL, "out"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SCLK", "J12", LVTTL, "out"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SDAT", "K12", LVTTL, "io"},
    {"HDMI", "HDMI_I2S0, HDMI_LRCLK, HDMI_MCLK, HDMI_SCLK, HDMI_TX_CLK", "W22, W21, G8, W20, A10", LVTTL, "out"},
    {"HDMI", "HDMI_TX_D[0..23]", "C7 B7 E9 B8 A8 C9 A9 D9 D10 F9 D7 E8 F8 E7 E6 E4 E3 D5 D4 D6 C3 C4 C5 B5", LVTTL,
     "out"},
    {"HDMI", "HDMI_TX_DE, HDMI_TX_HS", "A6, B6", LVTTL, "out"},
    {"HDMI", "HDMI_TX_INT", "A4", LVTTL, "in"},
    {"HDMI", "HDMI_TX_VS", "C8", LVTTL, "out"},
    {"SEG7", "HEX0[0]", "AK28", V15, "out"},
    {"SEG7", "HEX0[1..6]", "AH28 AG28 AJ29 AH29 AH30 AG30", LVTTL, "out"},
    {"SEG7", "HEX1[0..6]", "AD21 AC22 AC23 AE24 AD24 AF25 AH27", V15, "out"},
    {"SEG7", "HEX2[0..6]", "AB17 AD17 AC18 Y19 AJ19 AA20 AD20", V15, "out"},
    {"SEG7", "HEX3[0..6]", "AE13 AF15 AE14 AD14 AC14 AG13 AF13", V15, "out"},
    {"SEG7", "HEX4[0..6]", "AG8 AF8 AE7 AD7 AF9 AF10 AE9", LVTTL, "out"},
    {"SEG7", "HEX5[0..6]", "AF4 AH5 AF5 AG5 AF6 AG6 AG7", LVTTL, "out"},
    {"DDR3", "FPGA_DDR3_ADDR[0..14]", "AJ14 AK14 AH12 AJ12 AG15 AH15 AK12 AK13 AH13 AH14 AJ9 AK9 AK7 AK8 AG12", SSTL,
     "out"},
    {"DDR3", "FPGA_DDR3_BA[0..2]", "AH10 AJ11 AK11", SSTL, "out"},
    {"DDR3", "FPGA_DDR3_CAS_N, FPGA_DDR3_CKE", "AH7, AJ21", SSTL, "out"},
    {"DDR3", "FPGA_DDR3_CK_N, FPGA_DDR3_CK_P", "AA15, AA14", DIFF, "out"},
    {"DDR3", "FPGA_DDR3_CS_N", "AB15", SSTL, "out"},
    {"DDR3", "FPGA_DDR3_DM[0..3]", "AH17 AG23 AK23 AJ27", SSTL, "out"},
    {"DDR3", "FPGA_DDR3_DQ[0..31]",
     "AF18 AE17 AG16 AF16 AH20 AG21 AJ16 AH18 AK18 AJ17 AG18 AK19 AG20 AF19 AJ20 AH24 AE19 AE18 AG22 AK22 AF21 AF20 "
     "AH23 AK24 AF24 AF23 AJ24 AK26 AE23 AE22 AG25 AK27",
     SSTL, "io"},
    {"DDR3", "FPGA_DDR3_DQS_N[0..3]", "W16 W17 AA18 AD19", DIFF, "io"},
    {"DDR3", "FPGA_DDR3_DQS_P[0..3]", "V16 V17 Y17 AC20", DIFF, "io"},
    {"DDR3", "FPGA_DDR3_ODT, FPGA_DDR3_RAS_N, FPGA_DDR3_RESET_N", "AE16, AH8, AK21", SSTL, "out"},
    {"DDR3", "FPGA_DDR3_RZQ", "AG17", SSTL, "in"},
    {"DDR3", "FPGA_DDR3_WE_N", "AJ6", SSTL, "out"},
    // The hard processor's pins carry no location.
    {"HPS", "HPS_CONV_USB_N", "", LVTTL, "io"},
    {"HPS", "HPS_DDR3_ADDR[0..14], HPS_DDR3_BA[0..2], HPS_DDR3_CAS_N, HPS_DDR3_CKE", "", SSTL, "out"},
    {"HPS", "HPS_DDR3_CK_N, HPS_DDR3_CK_P", "", DIFF, "out"},
    {"HPS", "HPS_DDR3_CS_N, HPS_DDR3_DM[0..3]", "", SSTL, "out"},
    {"HPS", "HPS_DDR3_DQ[0..31]", "", SSTL, "io"},
    {"HPS", "HPS_DDR3_DQS_N[0..3], HPS_DDR3_DQS_P[0..3]", "", DIFF, "io"},
    {"HPS", "HPS_DDR3_ODT, HPS_DDR3_RAS_N, HPS_DDR3_RESET_N", "", SSTL, "out"},
    {"HPS", "HPS_DDR3_RZQ", "", SSTL, "in"},
    {"HPS", "HPS_DDR3_WE_N", "", SSTL, "out"},
    {"HPS", "HPS_ENET_GTX_CLK", "", LVTTL, "out"},
    {"HPS", "HPS_ENET_INT_N", "", LVTTL, "io"},
    {"HPS", "HPS_ENET_MDC", "", LVTTL, "out"},
    {"HPS", "HPS_ENET_MDIO", "", LVTTL, "io"},
    {"HPS", "HPS_ENET_RX_CLK, HPS_ENET_RX_DATA[0..3], HPS_ENET_RX_DV", "", LVTTL, "in"},
    {"HPS", "HPS_ENET_TX_DATA[0..3], HPS_ENET_TX_EN", "", LVTTL, "out"},
    {"HPS", "HPS_FLASH_DATA[0..3]", "", LVTTL, "io"},
    {"HPS", "HPS_FLASH_DCLK, HPS_FLASH_NCSO", "", LVTTL, "out"},
    {"HPS",
     "HPS_GSENSOR_INT, HPS_I2C1_SCLK, HPS_I2C1_SDAT, HPS_I2C2_SCLK, HPS_I2C2_SDAT, HPS_I2C_CONTROL, HPS_KEY, "
     "HPS_LCM_BK, HPS_LCM_D_C, HPS_LCM_RST_N",
     "", LVTTL, "io"},
    {"HPS", "HPS_LCM_SPIM_CLK, HPS_LCM_SPIM_MOSI, HPS_LCM_SPIM_SS", "", LVTTL, "out"},
    {"HPS", "HPS_SPIM0_MISO", "", LVTTL, "in"},
    {"HPS", "HPS_LED, HPS_LTC_GPIO", "", LVTTL, "io"},
    {"HPS", "HPS_SD_CLK", "", LVTTL, "out"},
    {"HPS", "HPS_SD_CMD, HPS_SD_DATA[0..3]", "", LVTTL, "io"},
    {"HPS", "HPS_SPIM_CLK", "", LVTTL, "out"},
    {"HPS", "HPS_SPIM_MISO", "", LVTTL, "in"},
    {"HPS", "HPS_SPIM_MOSI", "", LVTTL, "out"},
    {"HPS", "HPS_SPIM_SS", "", LVTTL, "io"},
    {"HPS", "HPS_UART_RX", "", LVTTL, "in"},
    {"HPS", "HPS_UART_TX", "", LVTTL, "out"},
    {"HPS", "HPS_USB_CLKOUT", "", LVTTL, "in"},
    {"HPS", "HPS_USB_DATA[0..7]", "", LVTTL, "io"},
    {"HPS", "HPS_USB_DIR, HPS_USB_NXT", "", LVTTL, "in"},
    {"HPS", "HPS_USB_STP", "", LVTTL, "out"},
    {"IR", "IRDA_RXD", "AA30", LVTTL, "in"},
    {"IR", "IRDA_TXD", "AB30", LVTTL, "out"},
    {"KEY", "KEY[0..3]", "AA13 AB13 W15 Y16", V15, "in"},
    {"LED", "LEDR[0..9]", "AA12 AB12 AC12 AD12 AE12 AD11 AE11 AD10 AC9 AD9", LVTTL, "out"},
    {"PS2", "PS2_CLK, PS2_CLK2, PS2_DAT, PS2_DAT2", "AG2, AG3, AH3, AH4", LVTTL, "io"},
    {"SW", "SW[0..9]", "AG11 AG10 AF11 AH9 AK6 AJ5 AJ4 AK4 AK3 AK2", V15, "in"},
    {"Video-In", "TD_CLK27", "H15", LVTTL, "in"},
    {"Video-In", "TD_DATA[0..7]", "D2 B1 E2 B2 D1 E1 C2 B3", LVTTL, "in"},
    {"Video-In", "TD_HS", "A5", LVTTL, "in"},
    {"Video-In", "TD_RESET_N", "F6", LVTTL, "out"},
    {"Video-In", "TD_VS", "A3", LVTTL, "in"},
    {"VGA", "VGA_B[0..7]", "B13 G13 H13 F14 H14 F15 G15 J14", LVTTL, "out"},
    {"VGA", "VGA_BLANK_N, VGA_CLK", "F10, A11", LVTTL, "out"},
    {"VGA", "VGA_G[0..7]", "J9 J10 H12 G10 G11 G12 F11 E11", LVTTL, "out"},
    {"VGA", "VGA_HS", "B11", LVTTL, "out"},
    {"VGA", "VGA_R[0..7]", "A13 C13 E13 B12 C12 D12 E12 F13", LVTTL, "out"},
    {"VGA", "VGA_SYNC_N, VGA_VS", "C10, D11", LVTTL, "out"},
};

const char kGpioPositions[] =
    "AA26 V23 AB27 W24 V25 W25 Y21 Y23 Y27 Y24 - - AA24 AA28 AB22 AB23 AA25 AB26 AB28 AB25 AC27 AC28 AC29 AC30 AC25 "
    "AD26 AD27 AD29 - - AD30 AD25 AE26 AE27 AE29 AE28 AF29 AF30 AG27 AF28";

MIRRENDALE_CONFIG MakeRecord(uint8_t flag)
{
    MIRRENDALE_CONFIG record{};
    record.BoardId = MAINBOARD_MIRRENDALE;
    record.Size = 408;
    std::strcpy(record.szProjectName, "MIRRENDALE");
    std::memset(&record.bClock, flag, 14);  // bClock .. bHps
    return record;
}

class ConfigMirrendaleTest : public ::testing::Test {
protected:
    SeamRecorder seam;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigMirrendaleTest, EveryGroupWithEveryPinInOrder)
{
    const MIRRENDALE_CONFIG record = MakeRecord(1);
    CONFIG_MIRRENDALE(&board, &record);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_MIRRENDALE);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSEMA6F31C6");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");
    EXPECT_EQ(board.GetSpeedGrade(), 0);

    const std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    EXPECT_EQ(PinCount(groups), 368);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "ADC", "Audio", "I2C for Audio and Video-In", "HDMI", "SEG7",
                                        "DDR3", "HPS", "IR", "KEY", "LED", "PS2", "SW", "Video-In", "VGA"}));
    ExpectGroups(board, groups);
    EXPECT_EQ(FindConnector(board, "HDMI")->GetPinCount(), 33);
    EXPECT_EQ(FindConnector(board, "DDR3")->GetPinCount(), 72);
    EXPECT_EQ(FindConnector(board, "HPS")->GetPinCount(), 134);
}

TEST_F(ConfigMirrendaleTest, ClocksHaveAPeriodAndABankButNoFrequencyText)
{
    MIRRENDALE_CONFIG record = MakeRecord(0);
    record.bClock = 1;
    CONFIG_MIRRENDALE(&board, &record);
    ASSERT_EQ(ConnectorNames(board), std::vector<std::string>{"CLOCK"});
    const char* const banks[] = {"BANK 3B", "BANK 4A", "BANK 5B", "BANK 8A"};
    const TConnector* clock = board.GetConnector(0);
    for (int i = 0; i < 4; ++i) {
        const TPin* pin = clock->GetPin(i);
        SCOPED_TRACE(pin->GetName());
        EXPECT_TRUE(pin->GetIsClock());
        EXPECT_EQ(pin->GetClockPeriodNs(), 20);
        EXPECT_EQ(pin->GetClockFrequencyText(), "");
        EXPECT_EQ(pin->GetIoBank(), banks[i]);
    }
}

TEST_F(ConfigMirrendaleTest, EachFlagAddsItsGroupAndTheSharedI2cComesOnce)
{
    const struct {
        uint8_t MIRRENDALE_CONFIG::*flag;
        std::vector<std::string> names;
    } cases[] = {
        {&MIRRENDALE_CONFIG::bClock, {"CLOCK"}},
        {&MIRRENDALE_CONFIG::bLed, {"LED"}},
        {&MIRRENDALE_CONFIG::bKey, {"KEY"}},
        {&MIRRENDALE_CONFIG::bSw, {"SW"}},
        {&MIRRENDALE_CONFIG::bVga, {"VGA"}},
        {&MIRRENDALE_CONFIG::bHdmi, {"HDMI"}},
        {&MIRRENDALE_CONFIG::bDdr3, {"DDR3"}},
        {&MIRRENDALE_CONFIG::bAudio, {"Audio", "I2C for Audio and Video-In"}},
        {&MIRRENDALE_CONFIG::bVideoIn, {"I2C for Audio and Video-In", "Video-In"}},
        {&MIRRENDALE_CONFIG::bAdc, {"ADC"}},
        {&MIRRENDALE_CONFIG::bSeg7, {"SEG7"}},
        {&MIRRENDALE_CONFIG::bIr, {"IR"}},
        {&MIRRENDALE_CONFIG::bPs2, {"PS2"}},
        {&MIRRENDALE_CONFIG::bHps, {"HPS"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.front());
        MIRRENDALE_CONFIG record = MakeRecord(0);
        record.*c.flag = 1;
        TMainBoard local;
        CONFIG_MIRRENDALE(&local, &record);
        EXPECT_EQ(ConnectorNames(local), c.names);
    }
    MIRRENDALE_CONFIG both = MakeRecord(0);
    both.bAudio = both.bVideoIn = 1;
    CONFIG_MIRRENDALE(&board, &both);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"Audio", "I2C for Audio and Video-In", "Video-In"}));
}

TEST_F(ConfigMirrendaleTest, TheWholeRecordIsCopiedForTheTimingConstraints)
{
    MIRRENDALE_CONFIG record = MakeRecord(0);
    record.bVga = 1;
    record.bVideoIn = 1;
    record.nGpioDaughterId[GPIO_1] = 0x5A;  // reserved bytes travel too
    std::strcpy(record.szGpioPrefixName[GPIO_1], "KEPT");
    CONFIG_MIRRENDALE(&board, &record);
    EXPECT_EQ(std::memcmp(board.m_MirrendaleConfig.bytes, &record, 408), 0);
    EXPECT_EQ(board.m_MirrendaleConfig.Byte(140), 1);
    EXPECT_EQ(board.m_MirrendaleConfig.Byte(143), 0);
    EXPECT_EQ(board.m_MirrendaleConfig.Byte(144), 1);
}

TEST_F(ConfigMirrendaleTest, ACardGetsTheGpioMasterAfterEveryGroup)
{
    MIRRENDALE_CONFIG record = MakeRecord(1);
    record.nGpioDaughterId[GPIO_0] = 67;
    record.nGpioDaughterId[GPIO_1] = 12;  // reserved: never read
    CONFIG_MIRRENDALE(&board, &record);

    ASSERT_EQ(board.GetConnectorCount(), 16);
    const TConnector* gpio = board.GetConnector(15);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to Elvask - RF and Sensor");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetCardId(), -1);
    EXPECT_TRUE(gpio->GetIsMaster());
    EXPECT_EQ(board.FindMasterConnector(16), gpio);
    EXPECT_EQ(board.FindMasterConnector(17), nullptr);
    EXPECT_EQ(gpio->GetActivePinCount(), 36);
    EXPECT_EQ(EmptyPositions(gpio), (std::vector<int>{11, 12, 29, 30}));
    ExpectMasterPositions(gpio, kGpioPositions, IO_STD_BY_CARD);

    // No card on the header: no master, whatever the reserved byte holds.
    record = MakeRecord(0);
    record.nGpioDaughterId[GPIO_1] = 12;
    TMainBoard none;
    CONFIG_MIRRENDALE(&none, &record);
    EXPECT_EQ(none.GetConnectorCount(), 0);
    EXPECT_EQ(none.GetDevice(), "5CSEMA6F31C6");
}

TEST_F(ConfigMirrendaleTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    MIRRENDALE_CONFIG record = MakeRecord(1);
    record.BoardId = MAINBOARD_HOLLARNE;
    EXPECT_THROW(CONFIG_MIRRENDALE(&board, &record), InvariantFailure);
    record.BoardId = MAINBOARD_MIRRENDALE;
    record.Size = 404;
    EXPECT_THROW(CONFIG_MIRRENDALE(&board, &record), InvariantFailure);
}

}  // namespace config_mirrendale_test
