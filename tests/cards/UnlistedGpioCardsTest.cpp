// The GPIO cards that no card list offers: the loader still maps them, every
// pin at 3.3-V LVTTL.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace unlisted_gpio_cards_test {

TEST(UnlistedGpioCards, LoaderMapsEveryOneAt33V)
{
    struct Case {
        DaughterId card;
        const char* name;
        const char* description;
        int pins;
        const char* empty;
    };
    const Case cases[] = {
        {24, "Ostrel - High Speed USB FIFO", "PIO High-Speed USB (Sync FIFO)", 19,
         "2, 4, 6, 8, 10-12, 14, 16, 18, 20, 22, 24, 26, 28-30, 35, 37, 39, 40"},
        {25, "Ostrel - High Speed USB - Native", "PIO High-Speed USB (Native)", 35, "11, 12, 29, 30, 40"},
        {30, "Norrow - 8\" LCD/Touch", "GPIO Norrow - 8\" LCD/Touch", 33, "11-14, 16, 29, 30"},
        {34, "Rusket - Interactive Sensor Board", "Rusket - Interactive Sensor Board", 21,
         "1-5, 7-14, 29, 30, 33, 36, 38, 40"},
        {64, "Corsel - Smart Car Daughtercard", "Corsel - Smart Car Daughtercard", 32, "1-4, 11, 12, 29, 30"},
        {65, "Balance Car Daughtercard", "Balance Car Daughtercard", 36, "11, 12, 29, 30"},
        {70, "Arduino Digital", "Arduino Digital", 16, "1-3, 11, 12, 22-40"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card));
        for (IoStandard asked : {IoStandard{8}, IoStandard{6}, IoStandard{0}}) {
            TDaughterBoard c;
            c.LoadCard(k.card, 21, nullptr, asked, 0);
            ExpectCardMap(c, 40, k.pins, Positions(k.empty), 8);
            EXPECT_EQ(c.GetName(), k.name);
            EXPECT_EQ(c.GetDescription(), k.description);
            EXPECT_EQ(c.GetType(), CONNECTOR_GPIO40);
        }
    }
}

TEST(UnlistedGpioCards, UsbCardInBothModes)
{
    TDaughterBoard fifo;
    AddUsbFifoCardPins(&fifo, 6);
    ExpectPins(fifo,
               {
                   {1, "USB_FIFO_D[0]", kInout},     {17, "USB_FIFO_D[7]", kInout},     {19, "USB_FIFO_RXF_n", kIn},
                   {27, "USB_FIFO_SIWU_n", kOut},    {31, "USB_FIFO_CLKOUT", kIn},      {32, "USB_FIFO_PWRSAV_n", kOut},
                   {34, "USB_FIFO_PWREN_n", kIn},    {36, "USB_FIFO_SUSPEND_n", kIn},   {38, "USB_FIFO_RESET_n", kOut},
               },
               6);
    TDaughterBoard native;
    AddUsbNativeCardPins(&native, 6);
    ExpectPins(native,
               {
                   {1, "ADBUS[0]", kInout},  {17, "ADBUS[7]", kInout},  {2, "BDBUS[2]", kInout},  {14, "BDBUS[7]", kInout},
                   {37, "BDBUS[0]", kInout}, {39, "BDBUS[1]", kInout},  {16, "BCBUS[0]", kInout}, {32, "BCBUS[7]", kInout},
                   {19, "ACBUS[0]", kInout}, {35, "ACBUS[7]", kInout},  {34, "PWREN_n", kIn},     {36, "SUSPEND_n", kIn},
                   {38, "RESET_n", kOut},
               },
               6);
    EXPECT_EQ(fifo.GetPin(34), nullptr);  // 35: the native mode's ACBUS[7]
}

TEST(UnlistedGpioCards, Rows)
{
    TDaughterBoard norrow;
    AddLcd8TouchCardPins(&norrow, 8);
    ExpectPins(norrow,
               {
                   {1, "G_SENSOR_INT1", kIn}, {4, "G_SDA_SDI_SDIO", kInout}, {10, "TOUCH_CS_n", kOut},
                   {15, "LCD_R[0]", kOut},    {17, "LCD_R[2]", kOut},        {18, "LCD_R[1]", kOut},
                   {19, "LCD_R[4]", kOut},    {20, "LCD_R[3]", kOut},        {22, "LCD_R[5]", kOut},
                   {25, "LCD_G[0]", kOut},    {27, "LCD_G[2]", kOut},        {34, "LCD_G[5]", kOut},
                   {33, "LCD_B[0]", kOut},    {35, "LCD_B[2]", kOut},        {36, "LCD_B[1]", kOut},
                   {40, "LCD_B[5]", kOut},    {39, "LCD_DEN", kOut},
               },
               8);

    TDaughterBoard rusket;
    AddSensorBoardPins(&rusket);
    ExpectPins(rusket,
               {{6, "BEEP_OUT", kOut}, {15, "SCL_A_OUT", kOut}, {25, "DRDY_M_OUT", kOut}, {39, "TEMP_SDA", kInout}}, 8);

    TDaughterBoard smartCar;
    AddSmartCarCardPins(&smartCar);
    ExpectPins(smartCar,
               {
                   {5, "MTRR_N", kOut},      {10, "MTR_Fault_n", kIn},  {13, "LTC_ADC_CONVST", kOut},
                   {21, "YARVEL0[0]", kInout}, {22, "YARVEL0[4]", kInout}, {23, "YARVEL0[1]", kInout},
                   {28, "YARVEL0[7]", kInout}, {31, "YARVEL1[0]", kInout}, {38, "YARVEL1[7]", kInout},
                   {39, "IR_LED_ON", kOut},  {40, "VCC3P3_PWRON_n", kOut},
               },
               8);

    TDaughterBoard balanceCar;
    AddBalanceCarCardPins(&balanceCar);
    ExpectPins(balanceCar,
               {
                   {1, "MPU_INT", kIn},     {4, "PM_I2C_SCL", kInout}, {5, "MTRR_N", kOut},      {9, "MTR_Sleep_n", kOut},
                   {13, "MTRR_A", kIn},     {23, "TRIG[0]", kOut},     {26, "ECHO[1]", kIn},      {27, "PWM[0]", kOut},
                   {32, "PWM[3]", kOut},    {33, "YARVEL[0]", kInout}, {34, "YARVEL[4]", kInout}, {40, "YARVEL[7]", kInout},
               },
               8);
    for (int p = 5; p <= 10; ++p) EXPECT_EQ(balanceCar.GetPin(p - 1)->GetName(), smartCar.GetPin(p - 1)->GetName());

    TDaughterBoard arduino;
    AddArduinoDigitalCardPins(&arduino);
    ExpectPins(arduino, {{4, "Arduino_IO[0]", kInout}, {10, "Arduino_IO[6]", kInout}, {13, "Arduino_IO[7]", kInout},
                         {21, "Arduino_IO[15]", kInout}},
               8);
}

}  // namespace unlisted_gpio_cards_test
