// The Wendlebury board: its configuration object and its board definition
// (device data, the groups with every pin, the bank standard that follows the
// HSMC voltage, the GPIO and HSMC master connectors).
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_WENDLEBURY.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_wendlebury_test {

using namespace defcheck;

namespace {

// The groups of the board with no HSMC card (bank standard 2.5 V), in order.
const std::vector<Row> kRows = {
    {"CLOCK", "CLOCK_50 CLOCK2_50", "AF14 AA16", 8, "in"},
    {"CLOCK", "CLOCK3_50 CLOCK4_50", "Y26 K14", 6, "in"},
    {"KEY", "KEY[0..3]", "AJ4 AK4 AA14 AA15", 8, "in"},
    {"SW", "SW[0..9]", "AB30 Y27 AB28 AC30 W25 V25 AC28 AD30 AC29 AA30", 6, "in"},
    {"LED", "LEDR[0..9]", "AA24 AB23 AC23 AD24 AG25 AF25 AE24 AF24 AB22 AC22", 8, "out"},
    {"Seg7", "HEX0[0..6]", "W17 V18 AG17 AG16 AH17 AG18 AH18", 8, "out"},
    {"Seg7", "HEX1[0..6]", "AF16 V16 AE16 AD17 AE18 AE17 V17", 8, "out"},
    {"Seg7", "HEX2[0..6]", "AA21 AB17 AA18 Y17 Y18 AF18 W16", 8, "out"},
    {"Seg7", "HEX3[0..6]", "Y19 W19 AD19 AA20 AC20 AA19 AD20", 8, "out"},
    {"Seg7", "HEX4[0..6]", "AD21 AG22 AE22 AE23 AG23 AF23 AH22", 8, "out"},
    {"Seg7", "HEX5[0..6]", "AF21 AG21 AF20 AG20 AE19 AF19 AB21", 8, "out"},
    {"SDRAM", "DRAM_CLK DRAM_CKE", "AH12 AK13", 8, "out"},
    {"SDRAM", "DRAM_ADDR[0..12]", "AK14 AH14 AG15 AE14 AB15 AC14 AD14 AF15 AH15 AG13 AG12 AH13 AJ14", 8, "out"},
    {"SDRAM", "DRAM_BA[0] DRAM_BA[1]", "AF13 AJ12", 8, "out"},
    {"SDRAM", "DRAM_DQ[0..15]", "AK6 AJ7 AK7 AK8 AK9 AG10 AK11 AJ11 AH10 AJ10 AJ9 AH9 AH8 AH7 AJ6 AJ5", 8, "io"},
    {"SDRAM", "DRAM_LDQM DRAM_UDQM DRAM_CS_N DRAM_WE_N DRAM_CAS_N DRAM_RAS_N", "AB13 AK12 AG11 AA13 AF11 AE13", 8,
     "out"},
    {"Video-In", "TD_CLK27 TD_HS TD_VS TD_DATA[0..7]", "AC18 AH28 AG28 AG27 AF28 AE28 AE27 AE26 AD27 AD26 AD25", 8,
     "in"},
    {"Video-In", "TD_RESET_N", "AC27", 8, "out"},
    {"VGA", "VGA_CLK VGA_HS VGA_VS", "AK21 AK19 AK18", 8, "out"},
    {"VGA", "VGA_R[0..7]", "AK29 AK28 AK27 AJ27 AH27 AF26 AG26 AJ26", 8, "out"},
    {"VGA", "VGA_G[0..7]", "AK26 AJ25 AH25 AK24 AJ24 AH24 AK23 AH23", 8, "out"},
    {"VGA", "VGA_B[0..7]", "AJ21 AJ20 AH20 AJ19 AH19 AJ17 AJ16 AK16", 8, "out"},
    {"VGA", "VGA_BLANK_N VGA_SYNC_N", "AK22 AJ22", 8, "out"},
    {"Audio", "AUD_BCLK", "AF30", 8, "io"},
    {"Audio", "AUD_XCK", "AH30", 8, "out"},
    {"Audio", "AUD_ADCLRCK", "AH29", 8, "io"},
    {"Audio", "AUD_ADCDAT", "AJ29", 8, "in"},
    {"Audio", "AUD_DACLRCK", "AG30", 8, "io"},
    {"Audio", "AUD_DACDAT", "AF29", 8, "out"},
    {"PS2", "PS2_CLK PS2_CLK2 PS2_DAT PS2_DAT2", "AB25 AC25 AA25 AB26", 8, "io"},
    {"ADC", "ADC_SCLK", "W24", 8, "out"},
    {"ADC", "ADC_DOUT", "V23", 8, "in"},
    {"ADC", "ADC_DIN ADC_CONVST", "W22 Y21", 8, "out"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SCLK", "Y24", 8, "out"},
    {"I2C for Audio and Video-In", "FPGA_I2C_SDAT", "Y23", 8, "io"},
    {"HPS", "HPS_CONV_USB_N", "", 8, "io"},
    {"HPS", "HPS_DDR3_ADDR[0..14] HPS_DDR3_BA[0..2] HPS_DDR3_CAS_N HPS_DDR3_CKE", "", 29, "out"},
    {"HPS", "HPS_DDR3_CK_N HPS_DDR3_CK_P", "", 12, "out"},
    {"HPS", "HPS_DDR3_CS_N HPS_DDR3_DM[0..3]", "", 29, "out"},
    {"HPS", "HPS_DDR3_DQ[0..31]", "", 29, "io"},
    {"HPS", "HPS_DDR3_DQS_N[0..3] HPS_DDR3_DQS_P[0..3]", "", 12, "io"},
    {"HPS", "HPS_DDR3_ODT HPS_DDR3_RAS_N HPS_DDR3_RESET_N", "", 29, "out"},
    {"HPS", "HPS_DDR3_RZQ", "", 29, "in"},
    {"HPS", "HPS_DDR3_WE_N", "", 29, "out"},
    {"HPS", "HPS_ENET_GTX_CLK", "", 8, "out"},
    {"HPS", "HPS_ENET_INT_N", "", 8, "io"},
    {"HPS", "HPS_ENET_MDC", "", 8, "out"},
    {"HPS", "HPS_ENET_MDIO", "", 8, "io"},
    {"HPS", "HPS_ENET_RX_CLK HPS_ENET_RX_DATA[0..3] HPS_ENET_RX_DV", "", 8, "in"},
    {"HPS", "HPS_ENET_TX_DATA[0..3] HPS_ENET_TX_EN", "", 8, "out"},
    {"HPS", "HPS_FLASH_DATA[0..3]", "", 8, "io"},
    {"HPS", "HPS_FLASH_DCLK HPS_FLASH_NCSO", "", 8, "out"},
    {"HPS",
     "HPS_GSENSOR_INT HPS_I2C1_SCLK HPS_I2C1_SDAT HPS_I2C2_SCLK HPS_I2C2_SDAT HPS_I2C_CONTROL HPS_KEY HPS_LCM_BK "
     "HPS_LCM_D_C HPS_LCM_RST_N",
     "", 8, "io"},
    {"HPS", "HPS_LCM_SPIM_CLK", "", 8, "out"},
    {"HPS", "HPS_LCM_SPIM_MISO", "", 8, "in"},
    {"HPS", "HPS_LCM_SPIM_MOSI HPS_LCM_SPIM_SS", "", 8, "out"},
    {"HPS", "HPS_LED HPS_LTC_GPIO", "", 8, "io"},
    {"HPS", "HPS_SD_CLK", "", 8, "out"},
    {"HPS", "HPS_SD_CMD HPS_SD_DATA[0..3]", "", 8, "io"},
    {"HPS", "HPS_SPIM_CLK", "", 8, "out"},
    {"HPS", "HPS_SPIM_MISO", "", 8, "in"},
    {"HPS", "HPS_SPIM_MOSI HPS_SPIM_SS", "", 8, "out"},
    {"HPS", "HPS_UART_RX", "", 8, "in"},
    {"HPS", "HPS_UART_TX", "", 8, "out"},
    {"HPS", "HPS_USB_CLKOUT", "", 8, "in"},
    {"HPS", "HPS_USB_DATA[0..7]", "", 8, "io"},
    {"HPS", "HPS_USB_DIR HPS_USB_NXT", "", 8, "in"},
    {"HPS", "HPS_USB_STP", "", 8, "out"},
    {"IR", "IRDA_TXD", "W21", 8, "out"},
    {"IR", "IRDA_RXD", "W20", 8, "in"},
};

const char kGpioPositions[] =
    "W15 AK2 Y16 AK3 AJ1 AJ2 AH2 AH3 AH4 AH5 - - AG1 AG2 AG3 AG5 AG6 AG7 AG8 AF4 AF5 AF6 AF8 AF9 AF10 AE7 AE9 AE11 - "
    "- AE12 AD7 AD9 AD10 AD11 AD12 AC9 AC12 AB12 AA12";

// HSMC positions 1 to 160, twenty a row.
const char kHsmcPositions[] =
    "- - - - - - - - - - - - - - - - - - - - "
    "- - - - - - - - - - - - AE29 AA28 - - - - AD29 J14 "
    "C10 H13 C9 H12 - - A9 G12 A8 G11 - - E8 K12 D7 J12 - - G7 G10 "
    "F6 F10 - - D6 J10 C5 J9 - - D5 K7 C4 K8 - - E3 J7 E2 H7 "
    "- - E4 H8 D4 G8 - - C3 F9 B3 F8 - - E7 AA26 E6 AB27 - - "
    "E1 F11 D1 E11 - - D2 B6 C2 B5 - - B2 E9 B1 D9 - - A4 E12 "
    "A3 D12 - - A6 D11 A5 D10 - - C7 C13 B7 B12 - - C8 F13 B8 E13 "
    "- - C12 H14 B11 G13 - - B13 F15 A13 F14 - - A11 H15 A10 G15 - -";

class ConfigWendleburyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& r = config.m_Config;
        r.BoardId = MAINBOARD_WENDLEBURY;
        r.Size = 416;
        std::strcpy(r.szProjectName, "Wendlebury");
        r.nHsmcVoltage = 1;
    }
    void AllGroups()
    {
        auto& r = config.m_Config;
        r.bClock = r.bLed = r.bKey = r.bSw = r.bVga = r.bSdram = r.bAudio = r.bVideoIn = 1;
        r.bAdc = r.bSeg7 = r.bIr = r.bPs2 = r.bHps = 1;
    }

    SeamRecorder seam;
    TConfigWendlebury config;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigWendleburyTest, EveryGroupWithEveryPinInOrder)
{
    AllGroups();
    config.m_Config.nHsmcVoltage = 0;  // no HSMC card: the banks stay at 2.5 V
    CONFIG_WENDLEBURY(&board, &config);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_WENDLEBURY);
    EXPECT_EQ(board.m_pConfig, &config);
    EXPECT_EQ(board.GetFamily(), "Cyclone V");
    EXPECT_EQ(board.GetDevice(), "5CSXFC6D6F31C6");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");

    const std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    EXPECT_EQ(PinCount(groups), 302);
    EXPECT_EQ(Select(groups, {"HPS"})[0].pins.size(), 134u);
    EXPECT_EQ(board.GetConnectorCount(), static_cast<int>(groups.size()));
    ExpectGroups(board, groups);
    ExpectClocks(board, {{"CLOCK_50", "50.000000 MHz"},
                         {"CLOCK2_50", "50.000000 MHz"},
                         {"CLOCK3_50", "50.000000 MHz"},
                         {"CLOCK4_50", "50.000000 MHz"}});
    // The timing constraints read the group choices from the main board's copy.
    EXPECT_EQ(std::memcmp(board.m_WendleburyConfig.bytes, &config.m_Config, 416), 0);
}

TEST_F(ConfigWendleburyTest, TheBankStandardFollowsTheHsmcVoltageOnlyWithACard)
{
    struct Case {
        uint8_t card;
        int32_t voltage;
        IoStandard bank;
    } cases[] = {
        {0, 0, 6}, {0, 3, 6}, {17, 0, 8}, {17, 1, 6}, {17, 2, 3}, {17, 3, 0}, {17, 9, 6}, {17, -1, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card) + " at " + std::to_string(c.voltage));
        TConfigWendlebury one;
        one.m_Config = config.m_Config;
        one.m_Config.bClock = one.m_Config.bSw = one.m_Config.bKey = 1;
        one.m_Config.nHsmcDaughterId = c.card;
        one.m_Config.nHsmcVoltage = c.voltage;
        TMainBoard local;
        CONFIG_WENDLEBURY(&local, &one);
        const TConnector* clock = FindConnector(local, "CLOCK");
        const TConnector* sw = FindConnector(local, "SW");
        EXPECT_EQ(clock->GetPin(0)->GetIoStandard(), 8);
        EXPECT_EQ(clock->GetPin(1)->GetIoStandard(), 8);
        EXPECT_EQ(clock->GetPin(2)->GetIoStandard(), c.bank);
        EXPECT_EQ(clock->GetPin(3)->GetIoStandard(), c.bank);
        for (int i = 0; i < 10; ++i) EXPECT_EQ(sw->GetPin(i)->GetIoStandard(), c.bank);
        EXPECT_EQ(FindConnector(local, "KEY")->GetPin(0)->GetIoStandard(), 8);
    }
}

TEST_F(ConfigWendleburyTest, TheSharedI2cGroupFollowsAudioOrVideoIn)
{
    struct Case {
        uint8_t audio, videoIn;
        std::vector<std::string> names;
    } cases[] = {
        {1, 0, {"Audio", "I2C for Audio and Video-In"}},
        {0, 1, {"Video-In", "I2C for Audio and Video-In"}},
        {0, 0, {}},
    };
    for (const Case& c : cases) {
        TConfigWendlebury one;
        one.m_Config = config.m_Config;
        one.m_Config.bAudio = c.audio;
        one.m_Config.bVideoIn = c.videoIn;
        TMainBoard local;
        CONFIG_WENDLEBURY(&local, &one);
        EXPECT_EQ(ConnectorNames(local), c.names);
    }
}

TEST_F(ConfigWendleburyTest, TheMastersOfBothConnectorsComeLast)
{
    AllGroups();
    config.m_Config.nGpioDaughterId = 12;
    config.m_Config.nHsmcDaughterId = 17;
    CONFIG_WENDLEBURY(&board, &config);
    const int count = board.GetConnectorCount();
    ASSERT_EQ(count, 16);

    const TConnector* gpio = board.GetConnector(count - 2);
    EXPECT_EQ(gpio->GetName(), "GPIO");
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to Ivrel - 5M Pixel Camera");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(board.FindMasterConnector(16), gpio);
    EXPECT_EQ(EmptyPositions(gpio), (std::vector<int>{11, 12, 29, 30}));
    ExpectMasterPositions(gpio, kGpioPositions, IO_STD_BY_CARD);

    const TConnector* hsmc = board.GetConnector(count - 1);
    EXPECT_EQ(hsmc->GetName(), "HSMC");
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to Fyrn - HSMC to PIO Adaptor");
    EXPECT_EQ(hsmc->GetType(), CONNECTOR_HSMC);
    EXPECT_EQ(hsmc->GetCardId(), -1);
    EXPECT_TRUE(hsmc->GetIsMaster());
    EXPECT_EQ(board.FindMasterConnector(8), hsmc);
    EXPECT_EQ(hsmc->GetActivePinCount(), 84);
    const std::vector<int> empty = EmptyPositions(hsmc);
    EXPECT_EQ(empty.size(), 76u);
    EXPECT_EQ(std::vector<int>(empty.begin(), empty.begin() + 32),
              (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}));
    ExpectMasterPositions(hsmc, kHsmcPositions, IO_STD_BY_CARD);
}

TEST_F(ConfigWendleburyTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    config.m_Config.BoardId = MAINBOARD_VANTREMERE;
    EXPECT_THROW(CONFIG_WENDLEBURY(&board, &config), InvariantFailure);
    config.m_Config.BoardId = MAINBOARD_WENDLEBURY;
    config.m_Config.Size = 412;
    EXPECT_THROW(CONFIG_WENDLEBURY(&board, &config), InvariantFailure);
}

TEST_F(ConfigWendleburyTest, TheObjectHoldsLoadsSavesAndListsOnly)
{
    config.m_Config.nHsmcDaughterId = 17;
    std::strcpy(config.m_Config.szHSMCPrefixName, "H_");
    const std::string saved = ExpectRecordOnlyObject(config, 416);
    EXPECT_EQ(saved.substr(284, 3), "\x11H_");

    // The card lists of the form: GPIO, and HSMC at each voltage class.
    auto list = [](ConnectorType type, VoltageClass voltage) {
        TConfigWendlebury lister;
        lister.BuildCardList(type, false, voltage);
        return std::vector<int>(lister.m_CardIds, lister.m_CardIds + lister.m_CardCount);
    };
    EXPECT_EQ(list(CONNECTOR_GPIO40, 3), (std::vector<int>{0, 1, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87}));
    EXPECT_EQ(list(CONNECTOR_HSMC, 5), (std::vector<int>{0, 17, 57, 58, 59}));
    EXPECT_EQ(list(CONNECTOR_HSMC, 3),
              (std::vector<int>{0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}));
    EXPECT_EQ(list(CONNECTOR_HSMC, 2), (std::vector<int>{0, 17}));
    EXPECT_EQ(list(CONNECTOR_HSMC, 1), (std::vector<int>{0, 17}));
}

}  // namespace config_wendlebury_test
