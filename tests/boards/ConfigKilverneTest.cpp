// The Kilverne board definition: device data, the groups with every pin, the
// pins that depend on the board revision, the BBB header in each mode and the
// pin-out tables behind it.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/BBB_PinOut.h"
#include "boards/soc/CONFIG_KILVERNE.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_kilverne_test {

using namespace defcheck;

namespace {

// The groups of the board (revision C), in definition order.
const std::vector<Row> kRows = {
    {"CLOCK", "ADC_CLK_10 MAX10_CLK1_50", "M9 M8", 6, "in"},
    {"CLOCK", "MAX10_CLK2_50", "P11", 8, "in"},
    {"KEY", "KEY[0] KEY[1]", "H21 H22", 47, "in"},
    {"LED", "LED[0..7]", "C7 C8 A6 B7 C4 A5 B4 C5", 40, "out"},
    {"CapSense Button", "CAP_SENSE_I2C_SCL CAP_SENSE_I2C_SDA", "AB2 AB3", 8, "io"},
    {"Audio", "AUDIO_BCLK", "R14", 0, "io"},
    {"Audio", "AUDIO_DIN_MFP1", "P15", 0, "out"},
    {"Audio", "AUDIO_DOUT_MFP2", "P18", 0, "in"},
    {"Audio", "AUDIO_GPIO_MFP5", "M22", 0, "io"},
    {"Audio", "AUDIO_MCLK", "P14", 0, "out"},
    {"Audio", "AUDIO_MISO_MFP4", "N21", 0, "in"},
    {"Audio", "AUDIO_RESET_n", "M21", 0, "io"},
    {"Audio", "AUDIO_SCLK_MFP3 AUDIO_SCL_SS_n", "P19 P20", 0, "out"},
    {"Audio", "AUDIO_SDA_MOSI", "P21", 0, "io"},
    {"Audio", "AUDIO_SPI_SELECT", "N22", 0, "out"},
    {"Audio", "AUDIO_WCLK", "R15", 0, "io"},
    {"SDRAM", "DDR3_A[0..14]", "E21 V20 V21 C20 Y21 J14 V18 U20 Y20 W22 C22 Y22 N18 V22 W20", 29, "out"},
    {"SDRAM", "DDR3_BA[0] DDR3_BA[1] DDR3_BA[2] DDR3_CAS_n DDR3_CKE", "D19 W19 F19 E20 B22", 29, "out"},
    {"SDRAM", "DDR3_CK_n DDR3_CK_p", "E18 D18", 12, "io"},
    {"SDRAM", "DDR3_CLK_50", "N15", 0, "in"},
    {"SDRAM", "DDR3_CS_n DDR3_DM[0] DDR3_DM[1]", "F22 N19 J15", 29, "out"},
    {"SDRAM", "DDR3_DQ[0..15]", "L20 L19 L18 M15 M18 M14 M20 N20 K19 K18 J18 K20 H18 J20 H20 H19", 29, "io"},
    {"SDRAM", "DDR3_DQS_n[0] DDR3_DQS_n[1]", "", 12, "io"},
    {"SDRAM", "DDR3_DQS_p[0] DDR3_DQS_p[1]", "L14 K14", 12, "io"},
    {"SDRAM", "DDR3_ODT DDR3_RAS_n DDR3_RESET_n DDR3_WE_n", "G22 D22 U19 E22", 29, "out"},
    {"Flash", "FLASH_DATA[0..3]", "P12 V4 V5 P10", 8, "io"},
    {"Flash", "FLASH_DCLK FLASH_NCSO FLASH_RESET_n", "R12 R10 W10", 8, "out"},
    {"G-Sensor", "G_SENSOR_CS_n", "E9", 40, "out"},
    {"G-Sensor", "G_SENSOR_SCLK", "B5", 40, "io"},
    {"G-Sensor", "G_SENSOR_INT1", "E8", 40, "in"},
    {"G-Sensor", "G_SENSOR_SDO", "D5", 40, "io"},
    {"G-Sensor", "G_SENSOR_INT2", "D7", 40, "in"},
    {"G-Sensor", "G_SENSOR_SDI", "C6", 40, "io"},
    {"HDMI-TX", "HDMI_I2C_SCL HDMI_I2C_SDA HDMI_I2S[0..3] HDMI_LRCLK HDMI_MCLK HDMI_SCLK",
     "C10 B15 A9 A11 A8 B8 A10 A7 D12", 3, "io"},
    {"HDMI-TX", "HDMI_TX_CLK", "A20", 3, "out"},
    {"HDMI-TX", "HDMI_TX_D[0..23]",
     "C18 D17 C17 C19 D14 B19 D13 A19 C14 A17 B16 C15 A14 A15 A12 A16 A13 C16 C12 B17 B12 B14 A18 C13", 3, "out"},
    {"HDMI-TX", "HDMI_TX_DE HDMI_TX_HS", "C9 B11", 3, "out"},
    {"HDMI-TX", "HDMI_TX_INT", "B10", 3, "in"},
    {"HDMI-TX", "HDMI_TX_VS", "C11", 3, "out"},
    {"Light Sensor", "LIGHT_I2C_SCL", "Y8", 8, "out"},
    {"Light Sensor", "LIGHT_I2C_SDA LIGHT_INT", "AA8 AA9", 8, "io"},
    {"MIPI", "MIPI_CORE_EN MIPI_I2C_SCL", "V3 M1", 6, "out"},
    {"MIPI", "MIPI_I2C_SDA", "M2", 6, "io"},
    {"MIPI", "MIPI_LP_MC_n MIPI_LP_MC_p MIPI_LP_MD_n[0..3] MIPI_LP_MD_p[0..3]", "E10 E11 A3 C2 B2 A2 A4 C3 B1 B3",
     40, "in"},
    {"MIPI", "MIPI_MCLK", "U3", 6, "out"},
    {"MIPI", "MIPI_MC_p MIPI_MD_p[0..3]", "N5 R2 N1 T2 N2", 21, "in"},
    {"MIPI", "MIPI_RESET_n MIPI_WP", "T3 U1", 6, "out"},
    {"Ethernet", "NET_COL NET_CRS", "R4 P5", 6, "in"},
    {"Ethernet", "NET_MDC", "R5", 6, "out"},
    {"Ethernet", "NET_MDIO", "N8", 6, "io"},
    {"Ethernet", "NET_PCF_EN", "V9", 8, "out"},
    {"Ethernet", "NET_RESET_n", "R3", 6, "out"},
    {"Ethernet", "NET_RXD[0..3] NET_RX_CLK NET_RX_DV NET_RX_ER", "U5 U4 R7 P8 T6 P4 V1", 6, "in"},
    {"Ethernet", "NET_TXD[0..3]", "U2 W1 N9 W2", 6, "out"},
    {"Ethernet", "NET_TX_CLK", "T5", 6, "in"},
    {"Ethernet", "NET_TX_EN", "P3", 6, "out"},
    {"Power Monitor", "PMONITOR_ALERT", "Y4", 8, "in"},
    {"Power Monitor", "PMONITOR_I2C_SCL", "Y3", 8, "out"},
    {"Power Monitor", "PMONITOR_I2C_SDA", "Y1", 8, "io"},
    {"Humidity and Temperature Sensor", "RH_TEMP_DRDY_n", "AB9", 8, "in"},
    {"Humidity and Temperature Sensor", "RH_TEMP_I2C_SCL", "Y10", 8, "out"},
    {"Humidity and Temperature Sensor", "RH_TEMP_I2C_SDA", "AA10", 8, "io"},
    {"MicroSD Card", "SD_CLK", "T20", 0, "out"},
    {"MicroSD Card", "SD_CMD", "T21", 0, "io"},
    {"MicroSD Card", "SD_CMD_DIR SD_D0_DIR", "U22 T22", 0, "out"},
    {"MicroSD Card", "SD_D123_DIR SD_DAT[0..3]", "U21 R18 T18 T19 R20", 0, "io"},
    {"MicroSD Card", "SD_FB_CLK", "R22", 0, "in"},
    {"MicroSD Card", "SD_SEL", "P13", 8, "out"},
    {"SW", "SW[0] SW[1]", "J21 J22", 47, "in"},
    {"Board Temperature Sensor", "TEMP_CS_n TEMP_SC", "AB4 AA1", 8, "out"},
    {"Board Temperature Sensor", "TEMP_SIO", "Y2", 8, "io"},
    {"USB", "USB_CLKIN", "H11", 40, "in"},
    {"USB", "USB_CS", "J11", 3, "out"},
    {"USB", "USB_DATA[0..7]", "E12 E13 H13 E14 H14 D15 E15 F15", 3, "io"},
    {"USB", "USB_DIR", "J13", 3, "in"},
    {"USB", "USB_FAULT_n", "D8", 40, "in"},
    {"USB", "USB_NXT", "H12", 3, "in"},
    {"USB", "USB_RESET_n USB_STP", "E16 J12", 3, "out"},
};

// The located positions of the header: P8 3 to 46, P9 11 to 31, 41 and 42.
const char kP8Locations[] =
    "W18 Y18 Y19 AA17 AA20 AA19 AB21 AB20 AB19 Y16 V16 AB18 V15 W17 AB17 AA16 AB16 W16 AB15 W15 Y14 AA15 AB14 AA14 "
    "AB13 AA13 AB12 AA12 AB11 AA11 AB10 Y13 Y11 W13 W12 W11 V12 V11 V13 V14 Y17 W14 U15 R13";
const char kP9Locations[] = "Y5 Y6 W6 W7 W8 V8 AB8 V7 R11 AB7 AB6 AA7 AA6 Y7 V10 U7 W9 W5 R9 W4 P9 V17 W3";

const char kMode7P8Names[] =
    "gpio1[6] gpio1[7] gpio1[2] gpio1[3] gpio2[2] gpio2[3] gpio2[5] gpio2[4] gpio1[13] gpio1[12] gpio0[23] gpio0[26] "
    "gpio1[15] gpio1[14] gpio0[27] gpio2[1] gpio0[22] gpio1[31] gpio1[30] gpio1[5] gpio1[4] gpio1[1] gpio1[0] "
    "gpio1[29] gpio2[22] gpio2[24] gpio2[23] gpio2[25] gpio0[10] gpio0[11] gpio0[9] gpio2[17] gpio0[8] gpio2[16] "
    "gpio2[14] gpio2[15] gpio2[12] gpio2[13] gpio2[10] gpio2[11] gpio2[8] gpio2[9] gpio2[6] gpio2[7]";
const char kMode7P9Names[] =
    "gpio0[30] gpio1[28] gpio0[31] gpio1[18] gpio1[16] gpio1[19] gpio0[5] gpio0[4] gpio0[13] gpio0[12] gpio0[3] "
    "gpio0[2] gpio1[17] gpio0[15] gpio3[21] gpio0[14] gpio3[19] gpio3[17] gpio3[15] gpio3[16] gpio3[14] gpio0[20] "
    "gpio0[7]";

// The WIFI-BLE header: header, position, name, direction.
struct WifiPin {
    int header;
    int position;
    const char* name;
    const char* direction;
};
const WifiPin kWifiBle[] = {
    {0, 11, "BLE_DIO6", "in"},        {0, 12, "BLE_DIO7", "in"},       {0, 14, "BLE_DIO8", "in"},
    {0, 15, "WIFI_HIB_N", "out"},     {0, 16, "WIFI_IRQ", "in"},       {0, 17, "WIFI_ANT", "out"},
    {0, 18, "BLE_ANT", "out"},        {0, 26, "BLE_DIO9", "in"},       {0, 33, "WIFI_UART_CTS", "in"},
    {0, 35, "WIFI_UART_RTS", "out"},  {1, 11, "WIFI_UART_RXD", "in"},  {1, 12, "BLE_DIO10", "in"},
    {1, 13, "WIFI_UART_TXD", "out"},  {1, 15, "BLE_DIO11", "in"},      {1, 17, "WIFI_SPI_CS_N", "out"},
    {1, 18, "WIFI_SPI_MISO", "in"},   {1, 19, "EEPROM_I2C_SCL", "out"}, {1, 20, "EEPROM_I2C_SDA", "io"},
    {1, 21, "WIFI_SPI_MOSI", "out"},  {1, 22, "WIFI_SPI_SCLK", "out"}, {1, 23, "BLE_DIO12", "in"},
    {1, 24, "BLE_I2C_SCL", "io"},     {1, 25, "BLE_DIO13", "in"},      {1, 26, "BLE_I2C_SDA", "io"},
    {1, 27, "BLE_DIO14", "in"},       {1, 28, "BLE_SPI_CS_N", "in"},   {1, 29, "BLE_SPI_MOSI", "in"},
    {1, 30, "BLE_SPI_MISO", "out"},   {1, 31, "BLE_SPI_SCLK", "in"},   {1, 42, "BLE_DIO15", "in"},
};

// The location of a header position (1-based), or "" where it has none.
std::string BbbLocation(int header, int position)
{
    if (header == 0) return position >= 3 ? Words(kP8Locations)[static_cast<size_t>(position - 3)] : "";
    const std::vector<std::string> p9 = Words(kP9Locations);
    if (position >= 11 && position <= 31) return p9[static_cast<size_t>(position - 11)];
    if (position == 41) return p9[21];
    if (position == 42) return p9[22];
    return "";
}

// The header connector expected for a list of names at the located positions
// (P8 first), followed by the two buttons.
ExpectedGroup HeaderWithNames(const std::string& p8Names, const std::string& p9Names)
{
    ExpectedGroup group{"BBB Conector", {}};
    const std::vector<std::string> names8 = Words(p8Names), names9 = Words(p9Names);
    const std::vector<std::string> loc8 = Words(kP8Locations), loc9 = Words(kP9Locations);
    EXPECT_EQ(names8.size(), loc8.size());
    EXPECT_EQ(names9.size(), loc9.size());
    for (size_t i = 0; i < names8.size() && i < loc8.size(); ++i)
        group.pins.push_back({names8[i], loc8[i], PIN_DIR_INOUT, 8});
    for (size_t i = 0; i < names9.size() && i < loc9.size(); ++i)
        group.pins.push_back({names9[i], loc9[i], PIN_DIR_INOUT, 8});
    group.pins.push_back({"BBB_PWR_BUT", "U6", PIN_DIR_INPUT, 8});
    group.pins.push_back({"BBB_SYS_RESET_n", "AA2", PIN_DIR_INPUT, 8});
    return group;
}

std::string DefaultNames(const char* base, int count)
{
    std::string names;
    for (int k = 0; k < count; ++k) names += std::string(base) + "[" + std::to_string(k) + "] ";
    return names;
}

KILVERNE_CONFIG MakeRecord(bool allGroups, uint8_t mode = 0, int32_t revision = 2)
{
    KILVERNE_CONFIG record{};
    record.BoardId = MAINBOARD_KILVERNE;
    record.Size = 292;
    std::strcpy(record.szProjectName, "Kilverne");
    uint8_t* flags = &record.bClock;
    for (int i = 0; i < 19; ++i) flags[i] = allGroups ? 1 : 0;
    record.nBoardRevision = revision;
    record.nBbbMode = mode;
    return record;
}

class ConfigKilverneTest : public ::testing::Test {
protected:
    SeamRecorder seam;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigKilverneTest, TheDefaultRecord)
{
    KILVERNE_CONFIG record = MakeRecord(true);
    record.bMipi = record.bDdr3 = record.bSmaAdc = 0;
    CONFIG_KILVERNE(&board, &record);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_KILVERNE);
    EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C6GES");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");
    EXPECT_EQ(board.m_pConfig, nullptr);

    std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    std::erase_if(groups, [](const ExpectedGroup& g) { return g.name == "SDRAM" || g.name == "MIPI"; });
    ASSERT_EQ(groups.size(), 16u);
    EXPECT_EQ(PinCount(groups), 137);
    EXPECT_EQ(board.GetConnectorCount(), 16);
    ExpectGroups(board, groups);
    EXPECT_EQ(board.GetConnector(15)->GetName(), "USB");
    ExpectClocks(board, {{"ADC_CLK_10", "10.0 MHz"},
                         {"MAX10_CLK1_50", "50.0 MHz"},
                         {"MAX10_CLK2_50", "50.0 MHz"},
                         {"NET_RX_CLK", "25.0 MHz"},
                         {"NET_TX_CLK", "25.0 MHz"},
                         {"USB_CLKIN", "60.0 MHz"}});
}

TEST_F(ConfigKilverneTest, EveryGroupAndTheDefaultHeaderMode)
{
    const KILVERNE_CONFIG record = MakeRecord(true, 1);
    CONFIG_KILVERNE(&board, &record);

    std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    EXPECT_EQ(Select(groups, {"SDRAM"})[0].pins.size(), 50u);
    EXPECT_EQ(Select(groups, {"MIPI"})[0].pins.size(), 21u);
    groups.push_back(HeaderWithNames(DefaultNames("GPIO0_D", 44), DefaultNames("GPIO1_D", 23)));
    EXPECT_EQ(groups.back().pins.size(), 69u);
    EXPECT_EQ(board.GetConnectorCount(), 19);
    ExpectGroups(board, groups);
    for (int c = 0; c < board.GetConnectorCount(); ++c) EXPECT_FALSE(board.GetConnector(c)->GetIsMaster());

    // The first and last of each header, spelled out.
    const TConnector* header = board.GetConnector(18);
    EXPECT_EQ(header->GetPin(0)->GetName(), "GPIO0_D[0]");
    EXPECT_EQ(header->GetPin(0)->GetLocation(), "W18");
    EXPECT_EQ(header->GetPin(43)->GetLocation(), "R13");
    EXPECT_EQ(header->GetPin(44)->GetName(), "GPIO1_D[0]");
    EXPECT_EQ(header->GetPin(44)->GetLocation(), "Y5");
    EXPECT_EQ(header->GetPin(64)->GetName(), "GPIO1_D[20]");
    EXPECT_EQ(header->GetPin(64)->GetLocation(), "P9");
    EXPECT_EQ(header->GetPin(66)->GetName(), "GPIO1_D[22]");
    EXPECT_EQ(header->GetPin(66)->GetLocation(), "W3");
}

TEST_F(ConfigKilverneTest, TheWifiBleHeaderMode)
{
    const KILVERNE_CONFIG record = MakeRecord(false, 2);
    CONFIG_KILVERNE(&board, &record);

    ExpectedGroup header{"BBB Conector", {}};
    for (const WifiPin& pin : kWifiBle)
        header.pins.push_back({pin.name, BbbLocation(pin.header, pin.position), DirectionCode(pin.direction), 8});
    header.pins.push_back({"BBB_PWR_BUT", "U6", PIN_DIR_INPUT, 8});
    header.pins.push_back({"BBB_SYS_RESET_n", "AA2", PIN_DIR_INPUT, 8});
    ASSERT_EQ(header.pins.size(), 32u);
    EXPECT_EQ(header.pins.front().location, "AB19");
    EXPECT_EQ(header.pins[29].location, "W3");
    EXPECT_EQ(board.GetConnectorCount(), 1);
    ExpectGroups(board, {header});
}

TEST_F(ConfigKilverneTest, ModeSevenAndAnyOtherModeValue)
{
    for (uint8_t mode : {3, 4, 255}) {
        SCOPED_TRACE(int(mode));
        const KILVERNE_CONFIG record = MakeRecord(false, mode);
        TMainBoard local;
        CONFIG_KILVERNE(&local, &record);
        ExpectGroups(local, {HeaderWithNames(kMode7P8Names, kMode7P9Names)});
        EXPECT_EQ(local.GetConnector(0)->GetPinCount(), 69);
        EXPECT_EQ(local.GetConnector(0)->GetPin(10)->GetName(), "gpio0[23]");
        EXPECT_EQ(local.GetConnector(0)->GetPin(10)->GetLocation(), "V16");
    }
}

TEST_F(ConfigKilverneTest, PinsThatDependOnTheRevision)
{
    struct Case {
        int32_t revision;
        const char* ddr3A3;
        const char* ddr3Ba0;
        const char* ddr3CsN;
        const char* ddr3Odt;
        const char* hdmiTxClk;
        IoStandard hdmiTxClkIo;
        const char* gSensorNames;
    } cases[] = {
        {0, "F18", "E19", "F20", "F21", "D6", 40, "GSENSOR_PD GSENSOR_ST"},
        {1, "F18", "E19", "F20", "F21", "A20", 3, "GSENSOR_PD GSENSOR_ST"},
        {2, "C20", "D19", "F22", "G22", "A20", 3,
         "G_SENSOR_CS_n G_SENSOR_SCLK G_SENSOR_INT1 G_SENSOR_SDO G_SENSOR_INT2 G_SENSOR_SDI"},
        {-1, "C20", "D19", "F22", "G22", "A20", 3,
         "G_SENSOR_CS_n G_SENSOR_SCLK G_SENSOR_INT1 G_SENSOR_SDO G_SENSOR_INT2 G_SENSOR_SDI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.revision);
        const KILVERNE_CONFIG record = MakeRecord(true, 0, c.revision);
        TMainBoard local;
        CONFIG_KILVERNE(&local, &record);
        const TConnector* ddr3 = FindConnector(local, "SDRAM");
        EXPECT_EQ(ddr3->GetPin(3)->GetName(), "DDR3_A[3]");
        EXPECT_EQ(ddr3->GetPin(3)->GetLocation(), c.ddr3A3);
        EXPECT_EQ(ddr3->GetPin(15)->GetLocation(), c.ddr3Ba0);
        EXPECT_EQ(ddr3->GetPin(23)->GetLocation(), c.ddr3CsN);
        EXPECT_EQ(ddr3->GetPin(46)->GetLocation(), c.ddr3Odt);
        const TPin* clk = FindConnector(local, "HDMI-TX")->GetPin(9);
        EXPECT_EQ(clk->GetName(), "HDMI_TX_CLK");
        EXPECT_EQ(clk->GetLocation(), c.hdmiTxClk);
        EXPECT_EQ(clk->GetIoStandard(), c.hdmiTxClkIo);
        const TConnector* gSensor = FindConnector(local, "G-Sensor");
        std::string names;
        for (int i = 0; i < gSensor->GetPinCount(); ++i) names += (i ? " " : "") + gSensor->GetPin(i)->GetName();
        EXPECT_EQ(names, c.gSensorNames);
    }
    // The revision A and B G-sensor pins.
    const KILVERNE_CONFIG record = MakeRecord(false, 0, 0);
    KILVERNE_CONFIG gOnly = record;
    gOnly.bGSensor = 1;
    CONFIG_KILVERNE(&board, &gOnly);
    ExpectGroups(board, {{"G-Sensor", {{"GSENSOR_PD", "AB5", PIN_DIR_OUTPUT, 8}, {"GSENSOR_ST", "AA5", PIN_DIR_OUTPUT, 8}}}});
}

TEST_F(ConfigKilverneTest, TheSmaAdcFlagAndTheHeaderPrefixAreNotRead)
{
    KILVERNE_CONFIG plain = MakeRecord(false, 1);
    KILVERNE_CONFIG marked = plain;
    marked.bSmaAdc = 1;
    std::strcpy(marked.szBbbPrefixName, "P_");
    TMainBoard other;
    CONFIG_KILVERNE(&board, &plain);
    CONFIG_KILVERNE(&other, &marked);
    ASSERT_EQ(ConnectorNames(board), ConnectorNames(other));
    ASSERT_EQ(ConnectorNames(board), std::vector<std::string>{"BBB Conector"});
    for (int i = 0; i < 69; ++i)
        EXPECT_EQ(board.GetConnector(0)->GetPin(i)->GetName(), other.GetConnector(0)->GetPin(i)->GetName());
}

TEST_F(ConfigKilverneTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    KILVERNE_CONFIG record = MakeRecord(true);
    record.BoardId = MAINBOARD_LANTERBY;
    EXPECT_THROW(CONFIG_KILVERNE(&board, &record), InvariantFailure);
    record = MakeRecord(true);
    record.Size = 272;
    EXPECT_THROW(CONFIG_KILVERNE(&board, &record), InvariantFailure);
}

TEST(BbbPinOut, TheTablesAndWhatTheyRefuse)
{
    SeamRecorder seam;
    std::string name = "unchanged";
    int32_t direction = -5, io = -5;
    // Codes without tables answer false and leave the outputs alone.
    for (uint8_t code : {0, 3, 9, 11}) {
        EXPECT_FALSE(GetBbbPinOut(code, 0, 11, name, direction, io)) << int(code);
        EXPECT_EQ(name, "unchanged");
        EXPECT_EQ(direction, -5);
    }
    // A row without a signal: empty name, inout, 3.3-V LVTTL.
    EXPECT_TRUE(GetBbbPinOut(2, 0, 1, name, direction, io));
    EXPECT_EQ(name, "");
    EXPECT_EQ(direction, PIN_DIR_INOUT);
    EXPECT_EQ(io, 8);
    EXPECT_TRUE(GetBbbPinOut(2, 1, 20, name, direction, io));
    EXPECT_EQ(name, "EEPROM_I2C_SDA");
    EXPECT_EQ(direction, PIN_DIR_INOUT);
    EXPECT_TRUE(GetBbbPinOut(10, 1, 42, name, direction, io));
    EXPECT_EQ(name, "gpio0[7]");
    EXPECT_TRUE(GetBbbPinOut(10, 0, 46, name, direction, io));
    EXPECT_EQ(name, "gpio2[7]");

    // Each WIFI-BLE table names exactly the positions listed.
    int named = 0;
    for (uint8_t header : {0, 1})
        for (int position = 1; position <= 46; ++position) {
            ASSERT_TRUE(GetBbbPinOut(2, header, position, name, direction, io));
            named += name.empty() ? 0 : 1;
            EXPECT_EQ(io, 8);
        }
    EXPECT_EQ(named, 30);

    EXPECT_THROW(GetBbbPinOut(2, 0, 0, name, direction, io), InvariantFailure);
    EXPECT_THROW(GetBbbPinOut(1, 0, 5, name, direction, io), InvariantFailure);
    EXPECT_THROW(GetBbbPinOut(10, 2, 5, name, direction, io), InvariantFailure);
}

}  // namespace config_kilverne_test
