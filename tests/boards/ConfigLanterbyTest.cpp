// The Lanterby board definition: device data, the groups with every pin and
// the master connector of the 2x6 header.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/soc/CONFIG_LANTERBY.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_lanterby_test {

using namespace defcheck;

namespace {

// The groups of the board, in definition order.
const std::vector<Row> kRows = {
    {"CLOCK", "ADC_CLK_10 MAX10_CLK1_50 MAX10_CLK2_50", "M9 N5 V9", 8, "in"},
    {"CLOCK", "MAX10_CLK3_50", "N14", 0, "in"},
    {"KEY", "KEY[0..4]", "T22 U22 AA22 AA21 R22", 47, "in"},
    {"KEY", "FPGA_RESET_n", "D9", 8, "in"},
    {"SW", "SW[0..9]", "N22 M22 N21 L22 J22 H22 J21 C21 G19 H21", 0, "in"},
    {"LEDR", "LEDR[0..9]", "C2 B3 A3 C3 A4 B4 C4 B5 C5 D5", 8, "out"},
    {"HEX", "HEX0[0..6] HEX1[0..6]", "D6 A5 C6 A6 F7 D7 B7 C7 C8 D8 D10 E10 H11 E6", 8, "out"},
    {"Audio", "AUDIO_BCLK", "J12", 6, "io"},
    {"Audio", "AUDIO_DIN_MFP1", "J13", 6, "out"},
    {"Audio", "AUDIO_DOUT_MFP2", "H13", 6, "in"},
    {"Audio", "AUDIO_GPIO_MFP5", "D14", 6, "io"},
    {"Audio", "AUDIO_MCLK", "J11", 6, "out"},
    {"Audio", "AUDIO_MISO_MFP4", "E13", 6, "in"},
    {"Audio", "AUDIO_RESET_n", "D13", 6, "io"},
    {"Audio", "AUDIO_SCLK_MFP3 AUDIO_SCL_SS_n", "H14 F15", 6, "out"},
    {"Audio", "AUDIO_SDA_MOSI", "F16", 6, "io"},
    {"Audio", "AUDIO_SPI_SELECT", "E14", 6, "out"},
    {"Audio", "AUDIO_WCLK", "H12", 6, "io"},
    {"DAC", "DAC_DATA", "A2", 8, "io"},
    {"DAC", "DAC_SCLK DAC_SYNC_n", "B1 B2", 8, "out"},
    {"DDR3 SDRAM", "DDR3_A[0..14]", "U20 F19 V20 G20 F22 E20 E21 Y20 C22 D22 J14 E22 G22 D19 C20", 29, "out"},
    {"DDR3 SDRAM", "DDR3_BA[0..2] DDR3_CAS_n DDR3_CKE", "W22 Y21 Y22 U19 V18", 29, "out"},
    {"DDR3 SDRAM", "DDR3_CK_n DDR3_CK_p", "E18 D18", 12, "io"},
    {"DDR3 SDRAM", "DDR3_CS_n DDR3_DM[0..2]", "W20 J15 N19 T18", 29, "out"},
    {"DDR3 SDRAM", "DDR3_DQ[0..23]",
     "J18 H19 K20 H18 K18 H20 K19 J20 L18 M18 M14 N20 L20 M20 M15 L19 T19 R20 R15 P15 P19 P14 R14 P20", 29, "io"},
    {"DDR3 SDRAM", "DDR3_DQS_n[0..2]", "", 12, "io"},
    {"DDR3 SDRAM", "DDR3_DQS_p[0..2]", "K14 L14 R18", 12, "io"},
    {"DDR3 SDRAM", "DDR3_ODT DDR3_RAS_n DDR3_RESET_n DDR3_WE_n", "V22 N18 B22 W19", 29, "out"},
    {"QSPI Flash", "FLASH_DATA[0..3]", "AB18 AA19 AB19 AA20", 8, "io"},
    {"QSPI Flash", "FLASH_DCLK FLASH_NCSO FLASH_RESET_n", "AB17 AB21 AB20", 8, "out"},
    {"G-Sensor", "GSENSOR_CS_n", "C16", 6, "out"},
    {"G-Sensor", "GSENSOR_INT[1] GSENSOR_INT[2]", "B15 D17", 6, "in"},
    {"G-Sensor", "GSENSOR_SCLK GSENSOR_SDI GSENSOR_SDO", "A15 C15 B16", 6, "io"},
    {"HDMI-RX", "HDMI_AP", "W9", 8, "in"},
    {"HDMI-RX", "HDMI_I2C_SCL HDMI_I2C_SDA HDMI_LRCLK HDMI_MCLK", "R13 P13 V11 R12", 8, "io"},
    {"HDMI-RX", "HDMI_RX_CLK HDMI_RX_D[0..23] HDMI_RX_DE",
     "P11 AA9 AB9 Y10 AA10 AB10 Y11 AA11 AB11 Y14 AB15 AA15 W14 V14 V15 U15 AB14 AA14 AB13 Y13 AB12 AA12 W13 W12 "
     "V13 W10",
     8, "in"},
    {"HDMI-RX", "HDMI_RX_HS", "V12", 8, "io"},
    {"HDMI-RX", "HDMI_RX_INT1", "P12", 8, "in"},
    {"HDMI-RX", "HDMI_RX_RESET_n", "AA13", 8, "io"},
    {"HDMI-RX", "HDMI_RX_VS", "W11", 8, "in"},
    {"HDMI-RX", "HDMI_SCLK", "W8", 8, "io"},
    {"Light Sensor", "LSENSOR_INT", "M2", 8, "io"},
    {"Light Sensor", "LSENSOR_SCL", "M1", 8, "out"},
    {"Light Sensor", "LSENSOR_SDA", "T3", 8, "io"},
    {"MIPI CS2 Camera", "MIPI_CS_n MIPI_I2C_SCL", "U7 Y1", 8, "out"},
    {"MIPI CS2 Camera", "MIPI_I2C_SDA", "Y2", 8, "io"},
    {"MIPI CS2 Camera", "MIPI_PIXEL_CLK MIPI_PIXEL_D[0..23] MIPI_PIXEL_HS MIPI_PIXEL_VS",
     "V10 U6 W5 V7 V5 W4 V4 W3 W6 W7 Y3 Y4 Y5 AB3 AB4 AA5 AB5 AB7 Y8 AA8 AA7 Y7 AB6 AA6 Y6 AA2 AA1", 8, "in"},
    {"MIPI CS2 Camera", "MIPI_RESET_n MIPI_REFCLK", "AA3 W17", 8, "out"},
    {"MIPI CS2 Camera", "CAMERA_I2C_SCL", "A20", 6, "out"},
    {"MIPI CS2 Camera", "CAMERA_I2C_SDA", "B19", 6, "io"},
    {"MIPI CS2 Camera", "CAMERA_PWDN_n", "R11", 8, "io"},
    {"Tamsil", "Tamsil_B[0..7]", "P4 P5 N3 P8 N4 N8 N9 M8", 8, "out"},
    {"Tamsil", "Tamsil_BL_ON_n", "R9", 8, "io"},
    {"Tamsil", "Tamsil_DCLK Tamsil_G[0..7] Tamsil_HSD Tamsil_I2C_SCL", "W1 T5 T6 R1 R2 R4 P1 R5 R7 N1 P9", 8, "out"},
    {"Tamsil", "Tamsil_I2C_SDA", "P10", 8, "io"},
    {"Tamsil", "Tamsil_INT", "R10", 8, "in"},
    {"Tamsil", "Tamsil_R[0..7] Tamsil_VSD", "U5 U4 U3 W2 U2 V1 T2 T1 N2", 8, "out"},
    {"Ethernet", "NET_GTX_CLK", "C11", 6, "out"},
    {"Ethernet", "NET_INT_n NET_LINK100", "C13 A7", 6, "in"},
    {"Ethernet", "NET_MDC", "D12", 6, "out"},
    {"Ethernet", "NET_MDIO", "E12", 6, "io"},
    {"Ethernet", "NET_RST_N", "C14", 6, "out"},
    {"Ethernet", "NET_RX_CLK", "J10", 8, "in"},
    {"Ethernet", "NET_RX_COL NET_RX_CRS NET_RX_D[0..3] NET_RX_DV NET_RX_ER", "C9 A9 A10 B10 A11 B11 A8 B8", 6, "in"},
    {"Ethernet", "NET_TX_CLK", "E11", 8, "in"},
    {"Ethernet", "NET_TX_D[0..3] NET_TX_EN NET_TX_ER", "A12 B12 A13 A14 C10 C12", 6, "out"},
    {"Power Monitor", "PM_I2C_SCL", "E8", 8, "out"},
    {"Power Monitor", "PM_I2C_SDA", "E9", 8, "io"},
    {"PS2", "PS2_CLK PS2_CLK2 PS2_DAT PS2_DAT2", "V3 U1 P3 R3", 8, "io"},
    {"Humidity and Temperature Sensor", "RH_TEMP_DRDY_n", "Y19", 8, "in"},
    {"Humidity and Temperature Sensor", "RH_TEMP_I2C_SCL", "Y18", 8, "out"},
    {"Humidity and Temperature Sensor", "RH_TEMP_I2C_SDA", "W18", 8, "io"},
    {"MicroSD Card", "SD_CLK", "A16", 6, "out"},
    {"MicroSD Card", "SD_CMD SD_DATA[0..3]", "C18 A17 A18 B17 C17", 6, "io"},
    {"Uart to USB", "UART_RESET_n", "D15", 6, "out"},
    {"Uart to USB", "UART_RX", "E16", 6, "in"},
    {"Uart to USB", "UART_TX", "E15", 6, "out"},
};

LANTERBY_CONFIG MakeRecord(bool allGroups, int32_t card = 0)
{
    LANTERBY_CONFIG record{};
    record.BoardId = MAINBOARD_LANTERBY;
    record.Size = 292;
    std::strcpy(record.szProjectName, "MAX10");
    uint8_t* flags = &record.bClock;
    for (int i = 0; i <= 20; ++i) flags[i] = allGroups ? 1 : 0;
    record.nYarvelDaughterId = card;
    return record;
}

class ConfigLanterbyTest : public ::testing::Test {
protected:
    SeamRecorder seam;
    TMainBoard board;
};

}  // namespace

TEST_F(ConfigLanterbyTest, EveryGroupWithEveryPinInOrder)
{
    const LANTERBY_CONFIG record = MakeRecord(true);
    CONFIG_LANTERBY(&board, &record);

    EXPECT_EQ(board.GetBoardId(), MAINBOARD_LANTERBY);
    EXPECT_EQ(board.GetFamily(), "MAX 10 FPGA");
    EXPECT_EQ(board.GetDevice(), "10M50DAF484C6GES");
    EXPECT_EQ(board.GetDevicePinCount(), 484);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "6");

    const std::vector<ExpectedGroup> groups = ExpandRows(kRows);
    ASSERT_EQ(groups.size(), 20u);
    EXPECT_EQ(PinCount(groups), 277);
    EXPECT_EQ(Select(groups, {"DDR3 SDRAM"})[0].pins.size(), 60u);
    EXPECT_EQ(board.GetConnectorCount(), 20);
    ExpectGroups(board, groups);
    ExpectClocks(board, {{"ADC_CLK_10", "10.0 MHz"},
                         {"MAX10_CLK1_50", "50.0 MHz"},
                         {"MAX10_CLK2_50", "50.0 MHz"},
                         {"MAX10_CLK3_50", "50.0 MHz"},
                         {"NET_RX_CLK", "125.0 MHz"},
                         {"NET_TX_CLK", "125.0 MHz"}});
}

TEST_F(ConfigLanterbyTest, TheDefaultRecordAndTheReservedByte)
{
    LANTERBY_CONFIG record = MakeRecord(true);
    record.bDdr3 = record.bEthernet = record.bMipi = record.bTamsil = 0;
    for (uint8_t reserved : {0, 1}) {
        SCOPED_TRACE(int(reserved));
        record.Reserved153 = reserved;
        TMainBoard local;
        CONFIG_LANTERBY(&local, &record);
        std::vector<ExpectedGroup> groups = ExpandRows(kRows);
        std::erase_if(groups, [](const ExpectedGroup& g) {
            return g.name == "DDR3 SDRAM" || g.name == "Ethernet" || g.name == "MIPI CS2 Camera" ||
                   g.name == "Tamsil";
        });
        EXPECT_EQ(PinCount(groups), 129);
        EXPECT_EQ(local.GetConnectorCount(), 16);
        ExpectGroups(local, groups);
        EXPECT_EQ(local.GetConnector(0)->GetName(), "CLOCK");
        EXPECT_EQ(local.GetConnector(15)->GetName(), "Uart to USB");
        EXPECT_EQ(local.FindMasterConnector(LANTERBY_YARVEL_MASTER_ID), nullptr);
    }
}

TEST_F(ConfigLanterbyTest, ACardGetsTheHeaderMasterLast)
{
    const LANTERBY_CONFIG record = MakeRecord(false, 74);
    CONFIG_LANTERBY(&board, &record);
    ASSERT_EQ(board.GetConnectorCount(), 1);
    const TConnector* header = board.GetConnector(0);
    EXPECT_EQ(header->GetName(), "Yarvel 2x6 GPIO Header");
    EXPECT_EQ(header->GetDescription(), "Yarvel connect to Yarvel Default");
    EXPECT_EQ(header->GetType(), CONNECTOR_YARVEL_2x6);
    EXPECT_EQ(header->GetCardId(), -1);
    EXPECT_TRUE(header->GetIsMaster());
    EXPECT_EQ(board.FindMasterConnector(31), header);
    const std::vector<std::string> locations = Words("Y17 AA17 V16 W15 AB16 AA16 Y16 W16");
    ASSERT_EQ(header->GetPinCount(), 8);
    for (int i = 0; i < 8; ++i) {
        const TPin* pin = header->GetPin(i);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetName(), "GPIO[" + std::to_string(i) + "]");
        EXPECT_EQ(pin->GetLocation(), locations[static_cast<size_t>(i)]);
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(pin->GetIoStandard(), 8);
    }

    // After every group, and named after the other card.
    const LANTERBY_CONFIG all = MakeRecord(true, 75);
    TMainBoard local;
    CONFIG_LANTERBY(&local, &all);
    ASSERT_EQ(local.GetConnectorCount(), 21);
    EXPECT_EQ(local.GetConnector(20)->GetDescription(), "Yarvel connect to Yarvel Bluetooth SPP");
}

TEST_F(ConfigLanterbyTest, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    LANTERBY_CONFIG record = MakeRecord(true);
    record.BoardId = MAINBOARD_KILVERNE;
    EXPECT_THROW(CONFIG_LANTERBY(&board, &record), InvariantFailure);
    record = MakeRecord(true);
    record.Size = 291;
    EXPECT_THROW(CONFIG_LANTERBY(&board, &record), InvariantFailure);
}

}  // namespace config_lanterby_test
