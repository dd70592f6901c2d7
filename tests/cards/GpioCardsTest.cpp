// Converter, camera and display cards of the 40-pin GPIO headers.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace gpio_cards_test {

TEST(CulmAdcDacCard, SpansBothHeadersWithItsBusesInBoardOrder)
{
    TDaughterBoard c;
    AddAdcDacGpioCardPins(&c, 6);
    ExpectCardMap(c, 80, 70, {11, 12, 29, 30, 39, 51, 52, 63, 69, 70}, 6);
    ExpectPins(c,
               {
                   {1, "ADC_OTR_A", kIn},      {2, "ADC_DB[0]", kIn},     {3, "ADC_OTR_B", kIn},
                   {4, "ADC_DB[1]", kIn},      {5, "ADC_DB[2]", kIn},     {6, "ADC_DB[4]", kIn},
                   {7, "ADC_DB[3]", kIn},      {8, "ADC_DB[5]", kIn},     {9, "ADC_DB[6]", kIn},
                   {10, "ADC_DB[8]", kIn},     {13, "ADC_DB[7]", kIn},    {14, "ADC_DB[9]", kIn},
                   {15, "ADC_DB[10]", kIn},    {16, "ADC_DB[12]", kIn},   {17, "ADC_DB[11]", kIn},
                   {18, "ADC_DB[13]", kIn},    {19, "ADC_CLK_A", kOut},   {20, "ADC_DA[0]", kIn},
                   {21, "ADC_CLK_B", kOut},    {22, "ADC_DA[1]", kIn},    {23, "ADC_DA[2]", kIn},
                   {24, "ADC_DA[4]", kIn},     {25, "ADC_DA[3]", kIn},    {26, "ADC_DA[5]", kIn},
                   {27, "ADC_DA[6]", kIn},     {28, "ADC_DA[8]", kIn},    {31, "ADC_DA[7]", kIn},
                   {32, "ADC_DA[9]", kIn},     {33, "ADC_DA[10]", kIn},   {34, "ADC_DA[12]", kIn},
                   {35, "ADC_DA[11]", kIn},    {36, "ADC_DA[13]", kIn},   {37, "POWER_ON", kOut},
                   {38, "ADC_OEB_B", kOut},    {40, "ADC_OEB_A", kOut},   {41, "SMA_DAC4", kIn},
                   {42, "DAC_DA[13]", kOut},   {43, "OSC_SMA_ADC4", kIn}, {44, "DAC_DA[12]", kOut},
                   {45, "DAC_DA[11]", kOut},   {46, "DAC_DA[9]", kOut},   {47, "DAC_DA[10]", kOut},
                   {48, "DAC_DA[8]", kOut},    {49, "DAC_DA[7]", kOut},   {50, "DAC_DA[5]", kOut},
                   {53, "DAC_DA[6]", kOut},    {54, "DAC_DA[4]", kOut},   {55, "DAC_DA[3]", kOut},
                   {56, "DAC_DA[1]", kOut},    {57, "DAC_DA[2]", kOut},   {58, "DAC_DA[0]", kOut},
                   {59, "DAC_CLK_A", kOut},    {60, "DAC_WRT_A", kOut},   {61, "DAC_CLK_B", kOut},
                   {62, "DAC_DB[13]", kOut},   {64, "DAC_DB[12]", kOut},  {65, "DAC_DB[11]", kOut},
                   {66, "DAC_DB[9]", kOut},    {67, "DAC_DB[10]", kOut},  {68, "DAC_DB[8]", kOut},
                   {71, "DAC_DB[5]", kOut},    {72, "DAC_DB[7]", kOut},   {73, "DAC_DB[4]", kOut},
                   {74, "DAC_DB[6]", kOut},    {75, "DAC_DB[1]", kOut},   {76, "DAC_DB[3]", kOut},
                   {77, "DAC_DB[0]", kOut},    {78, "DAC_DB[2]", kOut},   {79, "DAC_WRT_B", kOut},
                   {80, "DAC_MODE", kOut},
               },
               6);
}

TEST(IvrelCameraCard, DataBusRunsDownwardsAndNothingPast27)
{
    TDaughterBoard c;
    AddCamera5MGpioCardPins(&c, 8);
    ExpectCardMap(c, 40, 21,
                  {3, 11, 12, 17, 18, 21, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40}, 8);
    ExpectPins(c,
               {
                   {1, "IVREL_PIXCLK", kIn},   {2, "IVREL_D[11]", kIn},    {4, "IVREL_D[10]", kIn},
                   {5, "IVREL_D[9]", kIn},     {6, "IVREL_D[8]", kIn},     {7, "IVREL_D[7]", kIn},
                   {8, "IVREL_D[6]", kIn},     {9, "IVREL_D[5]", kIn},     {10, "IVREL_D[4]", kIn},
                   {13, "IVREL_D[3]", kIn},    {14, "IVREL_D[2]", kIn},    {15, "IVREL_D[1]", kIn},
                   {16, "IVREL_D[0]", kIn},    {19, "IVREL_XCLKIN", kOut}, {20, "IVREL_RESET_N", kOut},
                   {22, "IVREL_TRIGGER", kOut}, {23, "IVREL_STROBE", kIn}, {24, "IVREL_LVAL", kIn},
                   {25, "IVREL_FVAL", kIn},    {26, "IVREL_SDATA", kInout}, {27, "IVREL_SCLK", kOut},
               },
               8);
}

TEST(KemberLcdCard, BlueBusIsSplit)
{
    TDaughterBoard c;
    AddLcd43TouchCardPins(&c, 6);
    ExpectCardMap(c, 40, 36, {11, 12, 29, 30}, 6);
    ExpectPins(c,
               {
                   {1, "KEMBER_ADC_PENIRQ_n", kIn}, {2, "KEMBER_ADC_DOUT", kIn},   {3, "KEMBER_ADC_BUSY", kIn},
                   {4, "KEMBER_ADC_DIN", kOut},     {5, "KEMBER_ADC_DCLK", kOut},  {6, "KEMBER_B[3]", kOut},
                   {7, "KEMBER_B[2]", kOut},        {9, "KEMBER_B[0]", kOut},      {10, "KEMBER_NCLK", kOut},
                   {13, "KEMBER_DEN", kOut},        {14, "KEMBER_HD", kOut},       {15, "KEMBER_VD", kOut},
                   {16, "KEMBER_B[4]", kOut},       {19, "KEMBER_B[7]", kOut},     {20, "KEMBER_G[0]", kOut},
                   {27, "KEMBER_G[7]", kOut},       {28, "KEMBER_R[0]", kOut},     {31, "KEMBER_R[1]", kOut},
                   {37, "KEMBER_R[7]", kOut},       {38, "KEMBER_GREST", kOut},    {39, "KEMBER_SCEN", kOut},
                   {40, "KEMBER_SDA", kInout},
               },
               6);
}

TEST(SarnelLcdCards, BothPanelsShareOnePinOut)
{
    const std::vector<int> empty = {1, 3, 11, 12, 19, 20, 29, 30, 34, 40};
    const std::vector<ExpectedPin> samples = {
        {2, "SARNEL_DCLK", kOut},  {4, "SARNEL_R[0]", kOut},  {10, "SARNEL_R[6]", kOut},
        {13, "SARNEL_R[7]", kOut}, {14, "SARNEL_G[0]", kOut}, {18, "SARNEL_G[4]", kOut},
        {21, "SARNEL_G[5]", kOut}, {22, "SARNEL_G[6]", kOut}, {23, "SARNEL_B[0]", kOut},
        {24, "SARNEL_G[7]", kOut}, {25, "SARNEL_B[1]", kOut}, {28, "SARNEL_B[4]", kOut},
        {31, "SARNEL_B[5]", kOut}, {33, "SARNEL_B[7]", kOut}, {35, "SARNEL_HSD", kOut},
        {36, "SARNEL_VSD", kOut},  {37, "SARNEL_TOUCH_I2C_SCL", kOut}, {38, "SARNEL_TOUCH_I2C_SDA", kInout},
        {39, "SARNEL_TOUCH_INT_n", kIn},
    };
    TDaughterBoard sarnel, tamsil;
    AddMultiTouchLcdCardPins(&sarnel, 6);
    AddMultiTouchLcd2CardPins(&tamsil, 6);
    ExpectCardMap(sarnel, 40, 30, empty, 6);
    ExpectPins(sarnel, samples, 6);
    ExpectSameEntries(sarnel, tamsil);
}

TEST(BrevikLcdCard, LeavesTenAndTheUpperMiddleEmpty)
{
    TDaughterBoard c;
    AddLcd24TouchCardPins(&c, 6);
    ExpectCardMap(c, 40, 28, {10, 11, 12, 29, 30, 31, 32, 33, 34, 35, 36, 37}, 6);
    ExpectPins(c,
               {
                   {1, "BREVIK_ADC_PENIRQ_N", kIn}, {2, "BREVIK_ADC_DOUT", kIn},  {3, "BREVIK_ADC_BUSY", kIn},
                   {4, "BREVIK_ADC_DIN", kOut},     {5, "BREVIK_ADC_DCLK", kOut}, {6, "BREVIK_D[3]", kOut},
                   {9, "BREVIK_D[0]", kOut},        {13, "BREVIK_RD_N", kOut},    {14, "BREVIK_WR_N", kOut},
                   {15, "BREVIK_RS", kOut},         {16, "BREVIK_D[4]", kOut},    {21, "BREVIK_D[9]", kOut},
                   {27, "BREVIK_D[15]", kOut},      {28, "BREVIK_CS_N", kOut},    {38, "BREVIK_RESET_N", kOut},
                   {39, "BREVIK_ADC_CS_N", kOut},   {40, "BREVIK_LCD_ON", kOut},
               },
               6);
}

TEST(JuskCameraCard, PinOut)
{
    TDaughterBoard c;
    AddCamera8MGpioCardPins(&c, 6);
    ExpectCardMap(c, 40, 22, {1, 3, 11, 12, 16, 17, 18, 19, 20, 22, 24, 29, 30, 34, 37, 38, 39, 40}, 6);
    ExpectPins(c,
               {
                   {2, "MIPI_PIXEL_CLK", kIn},     {4, "MIPI_PIXEL_D[0]", kIn},    {5, "MIPI_PIXEL_D[1]", kIn},
                   {6, "MIPI_PIXEL_D[2]", kIn},    {7, "MIPI_PIXEL_D[3]", kIn},    {8, "MIPI_PIXEL_D[4]", kIn},
                   {9, "MIPI_PIXEL_D[5]", kIn},    {10, "MIPI_PIXEL_D[6]", kIn},   {13, "MIPI_PIXEL_D[7]", kIn},
                   {14, "MIPI_PIXEL_D[8]", kIn},   {15, "MIPI_PIXEL_D[9]", kIn},   {21, "MIPI_REFCLK", kOut},
                   {23, "MIPI_PIXEL_VS", kIn},     {25, "MIPI_PIXEL_HS", kIn},     {26, "MIPI_CS_n", kOut},
                   {27, "MIPI_RESET_n", kOut},     {28, "CAMERA_PWDN_n", kOut},    {31, "CAMERA_I2C_SCL", kInout},
                   {32, "CAMERA_I2C_SDA", kInout}, {33, "MIPI_MCLK", kOut},        {35, "MIPI_I2C_SCL", kInout},
                   {36, "MIPI_I2C_SDA", kInout},
               },
               6);
}

}  // namespace gpio_cards_test
