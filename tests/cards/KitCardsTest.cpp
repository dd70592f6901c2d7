// Kit and sensor cards of the 40-pin GPIO headers and the cards of the 2x6
// Yarvel header.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace kit_cards_test {

TEST(DunvarServoKit, PulseLinesAndPowerMonitor)
{
    TDaughterBoard c;
    AddServoMotorKitPins(&c, 6);
    ExpectCardMap(c, 40, 30, {11, 12, 27, 28, 29, 30, 34, 36, 39, 40}, 6);
    std::vector<ExpectedPin> pulseLines;
    static const char* const kNames[] = {
        "PMW[0]",  "PMW[1]",  "PMW[2]",  "PMW[3]",  "PMW[4]",  "PMW[5]",  "PMW[6]",  "PMW[7]",
        "PMW[8]",  "PMW[9]",  "PMW[10]", "PMW[11]", "PMW[12]", "PMW[13]", "PMW[14]", "PMW[15]",
        "PMW[16]", "PMW[17]", "PMW[18]", "PMW[19]", "PMW[20]", "PMW[21]", "PMW[22]", "PMW[23]",
    };
    const int kPositions[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
    for (int i = 0; i < 24; ++i) pulseLines.push_back({kPositions[i], kNames[i], kInout});
    ExpectPins(c, pulseLines, 6);
    ExpectPins(c,
               {
                   {31, "SOC_PM_I2C_SDA", kInout}, {32, "SOC_PM_I2C_SCL", kInout}, {33, "SYS_PM_ALERT", kIn},
                   {35, "MR_PM_ALERT", kIn},       {37, "SOC_SYS_PDN_n", kOut},    {38, "SOC_WARN_LED", kOut},
               },
               6);
}

TEST(ElvaskRfSensorCard, PinOut)
{
    TDaughterBoard c;
    AddRfSensorCardPins(&c, 6);
    ExpectCardMap(c, 40, 34, {11, 12, 27, 28, 29, 30}, 6);
    ExpectPins(c,
               {
                   {1, "LSENSOR_INT", kIn},       {2, "WIFI_RST_n", kOut},        {3, "MPU_INT", kIn},
                   {4, "RH_TEMP_I2C_SCL", kInout}, {5, "RH_TEMP_DRDY_n", kIn},    {6, "RH_TEMP_I2C_SDA", kInout},
                   {7, "MPU_FSYNC", kOut},        {8, "LSENSOR_SCL", kInout},     {9, "BT_KEY", kInout},
                   {10, "LSENSOR_SDA", kInout},   {13, "WIFI_EN", kOut},          {14, "MPU_SCL_SCLK", kInout},
                   {15, "WIFI_UART1_RX", kIn},    {16, "MPU_SDA_SDI", kInout},    {17, "WIFI_UART0_RX", kIn},
                   {18, "WIFI_UART0_TX", kOut},   {19, "UART2USB_TX", kOut},      {20, "UART2USB_RX", kIn},
                   {21, "BT_UART_RX", kIn},       {22, "BT_UART_TX", kOut},       {23, "WIFI_UART0_CTS", kIn},
                   {24, "WIFI_UART0_RTS", kOut},  {25, "UART2USB_RTS", kOut},     {26, "UART2USB_CTS", kIn},
                   {31, "MPU_CS_n", kOut},        {32, "MPU_AD0_SDO", kOut},      {33, "YARVEL_D[2]", kInout},
                   {34, "YARVEL_D[3]", kInout},   {35, "YARVEL_D[1]", kInout},    {36, "YARVEL_D[0]", kInout},
                   {37, "YARVEL_D[7]", kInout},   {38, "YARVEL_D[6]", kInout},    {39, "YARVEL_D[5]", kInout},
                   {40, "YARVEL_D[4]", kInout},
               },
               6);
}

TEST(FenwryRfSensorCard, PinOutSharesTheSensorPositionsOfElvask)
{
    TDaughterBoard c, elvask;
    AddRfSensor2CardPins(&c, 8);
    AddRfSensorCardPins(&elvask, 8);
    ExpectCardMap(c, 40, 36, {11, 12, 29, 30}, 8);
    ExpectPins(c,
               {
                   {1, "LSENSOR_INT", kIn},       {2, "BT_KEY", kInout},           {3, "MPU_INT", kIn},
                   {4, "RH_TEMP_I2C_SCL", kInout}, {5, "RH_TEMP_DRDY_n", kIn},     {6, "RH_TEMP_I2C_SDA", kInout},
                   {7, "MPU_FSYNC", kOut},        {8, "LSENSOR_SCL", kInout},      {9, "BT_UART_TX", kOut},
                   {10, "LSENSOR_SDA", kInout},   {13, "BT_UART_RX", kIn},         {14, "MPU_SCL_SCLK", kInout},
                   {15, "BT_UART_RTS", kOut},     {16, "MPU_SDA_SDI", kInout},     {17, "BT_UART_CTS", kIn},
                   {18, "ESP32_UART0_TX", kOut},  {19, "UART_TX", kOut},           {20, "ESP32_UART0_RX", kIn},
                   {21, "UART_RX", kIn},          {22, "ESP32_EN", kOut},          {23, "ESP32_UART1_TX", kOut},
                   {24, "ESP32_UART1_RX", kIn},   {25, "UART_RTS", kOut},          {26, "UART_CTS", kIn},
                   {27, "ESP32_UART1_RTS", kOut}, {28, "ESP32_UART1_CTS", kIn},    {31, "MPU_CS_n", kOut},
                   {32, "MPU_AD0_SDO", kOut},     {33, "YARVEL_D[2]", kInout},     {36, "YARVEL_D[0]", kInout},
                   {37, "YARVEL_D[7]", kInout},   {40, "YARVEL_D[4]", kInout},
               },
               8);
    for (int p : {1, 3, 4, 5, 6, 7, 8, 10, 14, 16, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}) {
        SCOPED_TRACE("position " + std::to_string(p));
        ASSERT_NE(elvask.GetPin(p - 1), nullptr);
        EXPECT_EQ(c.GetPin(p - 1)->GetName(), elvask.GetPin(p - 1)->GetName());
        EXPECT_EQ(c.GetPin(p - 1)->GetDirection(), elvask.GetPin(p - 1)->GetDirection());
    }
}

TEST(RiscVCard, PinOutWithItsShuffledBuses)
{
    TDaughterBoard c;
    AddRiscVCardPins(&c, 6);
    ExpectCardMap(c, 40, 36, {11, 12, 29, 30}, 6);
    ExpectPins(c,
               {
                   {1, "EXT_JTAG_TCK", kIn},    {2, "EXT_JTAG_EN_n", kIn},   {3, "EXT_JTAG_TMS", kIn},
                   {4, "EXT_JTAG_TDO", kOut},   {5, "EXT_JTAG_TDI", kIn},    {6, "EXT_JTAG_RST", kIn},
                   {7, "SD_DATA[3]", kInout},   {8, "SD_DATA[2]", kInout},   {9, "SD_CMD", kInout},
                   {10, "SD_CLK", kOut},        {13, "SD_DATA[0]", kInout},  {14, "SD_DATA[1]", kInout},
                   {15, "YARVEL_D[1]", kInout}, {16, "YARVEL_D[0]", kInout}, {17, "YARVEL_D[3]", kInout},
                   {18, "YARVEL_D[2]", kInout}, {19, "YARVEL_D[5]", kInout}, {20, "YARVEL_D[4]", kInout},
                   {21, "YARVEL_D[7]", kInout}, {22, "YARVEL_D[6]", kInout}, {23, "QSPI_DQ[0]", kInout},
                   {24, "QSPI_SCK", kOut},      {25, "QSPI_DQ[3]", kInout},  {26, "QSPI_DQ[2]", kInout},
                   {27, "QSPI_DQ[1]", kInout},  {28, "QSPI_CS_n", kOut},     {31, "RIO_D[4]", kInout},
                   {32, "RIO_D[3]", kInout},    {33, "RIO_D[0]", kInout},    {34, "RIO_D[5]", kInout},
                   {35, "RIO_D[2]", kInout},    {36, "RIO_D[1]", kInout},    {37, "UART_CTS", kIn},
                   {38, "UART_RTS", kOut},      {39, "UART_RX", kIn},        {40, "UART_TX", kOut},
               },
               6);
}

TEST(YarvelCards, EveryPositionCarriesALvttlPin)
{
    TDaughterBoard plain, bluetooth;
    AddYarvelDefaultPins(&plain);
    AddYarvelBluetoothPins(&bluetooth);
    ExpectCardMap(plain, 8, 8, {}, 8);
    ExpectPins(plain,
               {
                   {1, "GPIO[0]", kInout}, {2, "GPIO[1]", kInout}, {3, "GPIO[2]", kInout}, {4, "GPIO[3]", kInout},
                   {5, "GPIO[4]", kInout}, {6, "GPIO[5]", kInout}, {7, "GPIO[6]", kInout}, {8, "GPIO[7]", kInout},
               },
               8);
    ExpectCardMap(bluetooth, 8, 8, {}, 8);
    ExpectPins(bluetooth,
               {
                   {1, "ZORRIN_UART_RX", kOut},   {2, "ZORRIN_UART_TX", kIn},      {3, "ZORRIN_UART_RTS", kIn},
                   {4, "ZORRIN_UART_CTS", kOut},  {5, "ZORRIN_PIO2_STATUS", kIn},  {6, "ZORRIN_RESET_N", kOut},
                   {7, "ZORRIN_GPIO9", kInout},   {8, "ZORRIN_GPIO10", kInout},
               },
               8);
}

TEST(YarvelCards, LoaderStandardDoesNotReachThem)
{
    for (DaughterId card : {74, 75}) {
        SCOPED_TRACE("card " + std::to_string(card));
        TDaughterBoard d;
        d.LoadCard(card, 30, nullptr, 6, 0);
        EXPECT_EQ(d.GetPinCount(), 8);
        EXPECT_EQ(d.GetActivePinCount(), 8);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(d.GetPin(i)->GetIoStandard(), 8) << i;
    }
}

}  // namespace kit_cards_test
