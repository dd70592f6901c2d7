// The HSMC card maps: converter, video, interface, LCD and camera,
// communication, loopback and debug cards.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace hsmc_cards_test {

namespace {

// A map argument apart from every fixed code of the cards: "1.8 V".
constexpr IoStandard kArg = 3;
constexpr IoStandard kT = 52;  // a transceiver standard

struct ShapeCase {
    const char* card;
    std::function<void(TConnector*)> fill;
    int pins;
    const char* empty;
    IoStandard usual;
    std::vector<std::pair<const char*, IoStandard>> others;
};

}  // namespace

// Positions, pins, the empty positions and which pins take which standard.
TEST(HsmcCardMaps, ShapeAndIoStandards)
{
    const ShapeCase cases[] = {
        {"8 Brask", [](TConnector* c) { AddAdcDacHsmcFastCardPins(c, kArg); }, 84,
         "1-32, 35-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160",
         6, {{"33, 34", kArg}}},
        {"10 Culm", [](TConnector* c) { AddAdcDacHsmcCardPins(c, kArg); }, 71,
         "1-32, 35-46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 92-94, 99-107, 109, 111, 112, 117, "
         "118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160",
         6, {{"33, 34", kArg}}},
        {"6 DVI", [](TConnector* c) { AddDviCardPins(c, kArg); }, 77,
         "1-32, 35-40, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 91, 93, 94, 97-100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 156, 158-160",
         6, {{"33, 34", kArg}}},
        {"14 Eskel", [](TConnector* c) { AddMultimediaCardPins(c, kArg); }, 84,
         "1-32, 35-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160",
         6, {{"33, 34", kArg}}},
        {"22 SDI", [](TConnector* c) { AddSdiCardPins(c, kT); }, 52,
         "1-24, 33-40, 42, 44-46, 48, 50-52, 54, 56-58, 60, 62-70, 72, 74-76, 78, 80-82, 84, 86-88, 90, 92-95, "
         "97-100, 105, 106, 108, 110-112, 114, 116-118, 120, 122-126, 128-130, 132, 134-136, 138, 140-142, 147, "
         "148, 153, 154, 157, 159",
         6, {{"25-32", kT}, {"156, 158", 21}}},
        {"31 HDMI TX", [](TConnector* c) { AddHdmiTxCardPins(c, kArg); }, 64,
         "1-32, 35-41, 43, 45-47, 49, 51, 52, 57, 58, 63, 64, 68-70, 72, 74-76, 81, 82, 84, 87-89, 91, 93-100, 105, "
         "106, 111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 139, 141-143, 147, 148, 153, 154, 156, 158-160",
         6, {{"33, 34", kArg}}},
        {"32 HDMI RX", [](TConnector* c) { AddHdmiRxCardPins(c, kArg); }, 67,
         "1-32, 35-54, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93-95, 97, 99, 100, 105, 106, 111, 112, 117, "
         "118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153-155, 157-160",
         6, {{"33, 34", kArg}}},
        {"33 Camera Link", [](TConnector* c) { AddCameraLinkReceiverPins(c); }, 82,
         "1-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, 111, 112, "
         "117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160",
         6, {}},
        {"35 Umbrel", [](TConnector* c) { AddImageSensorAdaptorPins(c); }, 30,
         "1-41, 44-47, 49-53, 55-59, 62-65, 68-71, 74-77, 80-83, 86-89, 92-95, 97-101, 104-107, 110-113, 116-119, "
         "121-125, 127-131, 133-137, 139-143, 145-149, 151-155, 157-160",
         6, {{"132, 138, 144, 150, 156", 21}}},
        {"27 Dovra", [](TConnector* c) { AddIndustrialCommCardPins(c, kArg); }, 83,
         "1-32, 39, 40, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153-155, 157-160",
         6, {{"33, 34", kArg}}},
        {"28 Quorril", [](TConnector* c) { AddSantaCruzAdaptorPins(c, kArg); }, 83,
         "1-32, 35-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 158-160",
         6, {{"33, 34", kArg}}},
        {"29 Wistow", [](TConnector* c) { AddLcd8TouchCameraCardPins(c); }, 48,
         "1-59, 61, 63-65, 69, 70, 75-77, 81-83, 87, 88, 93, 94, 97-106, 109, 111-113, 117-119, 123, 124, 126, "
         "128-130, 134-136, 141, 142, 147, 148, 153-156, 158-160",
         6, {}},
        {"36 Mavrel", [](TConnector* c) { AddLcd8TouchCamera2CardPins(c); }, 54,
         "1-40, 42, 44-48, 50-52, 54, 56, 58, 59, 61, 63-65, 69, 70, 75-77, 81-83, 87, 88, 93, 94, 97-106, 109, "
         "111-113, 117-119, 123, 124, 126, 128-130, 134-136, 141, 142, 147, 148, 153-156, 158-160",
         6, {}},
        {"60 Vandry", [](TConnector* c) { AddMultiTouchLcdCameraCardPins(c); }, 69,
         "1-40, 42, 44-46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 79, 81, 82, 87, 88, 92-94, 97-100, 105, 106, 111, "
         "112, 117, 118, 123, 124, 129, 130, 135, 136, 140-142, 144, 147, 148, 153-156, 158-160",
         6, {}},
        {"61 Wesket", [](TConnector* c) { AddMultiTouchLcdCamera2CardPins(c, kArg); }, 74,
         "1-40, 45, 46, 51-53, 55, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 98-100, 105, 106, 111, "
         "112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153-156, 158-160",
         6, {}},
        {"56 LVDS crossover", [](TConnector* c) { AddLvdsCrossoverPins(c, kArg); }, 84,
         "1-32, 35-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, "
         "111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160",
         21, {{"33, 34", kArg}, {"39-44", 6}}},
        {"21 SFP", [](TConnector* c) { AddSfpCardPins(c, kT); }, 83,
         "1-12, 15, 16, 19, 20, 23, 24, 27, 28, 31-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, "
         "91-94, 98-100, 105, 106, 111, 112, 115-118, 123, 124, 127-130, 135, 136, 141, 142, 145-148, 153, 154, 158, "
         "159",
         6, {{"13, 14, 17, 18, 21, 22, 25, 26, 29, 30", kT}, {"89, 90, 113, 114, 125, 126, 143, 144, 96, 156", 21}}},
        {"7 NET", [](TConnector* c) { AddDualEthernetCardPins(c, kArg); }, 74,
         "1-32, 35-41, 43, 45, 46, 51, 52, 54, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, "
         "106, 111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141-145, 147, 148, 150, 152-154, 159, 160",
         6, {{"33, 34", kArg}}},
        {"23 SATA", [](TConnector* c) { AddSataSasCardPins(c, kT, kArg); }, 85,
         "35-40, 45, 46, 51, 52, 57, 58, 63, 64, 66, 68-70, 72, 74-76, 78, 80-82, 87, 88, 93, 94, 99, 100, 102, "
         "104-106, 108, 110-112, 114, 116-118, 120, 122-124, 126, 128-130, 132, 134-136, 138, 140-155, 157, 159",
         6, {{"1-32", kT}, {"33, 34", kArg}, {"156, 158", 21}}},
        {"26 Pavlin", [](TConnector* c) { AddTransceiverToSmaCardPins(c, kT); }, 15,
         "1-16, 19, 20, 23, 24, 27, 28, 31-38, 41-94, 97-154, 157-159", 6,
         {{"17, 18, 21, 22, 25, 26, 29, 30", kT}, {"95, 96, 155, 156", 21}}},
        {"37 loopback with transceivers", [](TConnector* c) { AddHsmcLoopbackPins(c, 1, kT); }, 99,
         "3, 4, 7, 8, 11, 12, 15, 16, 19, 20, 23, 24, 27, 28, 31-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, "
         "81, 82, 87, 88, 93, 94, 99, 100, 105, 106, 111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, "
         "148, 153, 154, 159",
         6, {{"1, 2, 5, 6, 9, 10, 13, 14, 17, 18, 21, 22, 25, 26, 29, 30", kT}}},
        {"19 loopback", [](TConnector* c) { AddHsmcLoopbackPins(c, 0, kT); }, 83,
         "1-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, 105, 106, 111, 112, "
         "117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159",
         6, {}},
        {"18 debug", [](TConnector* c) { AddHsmcDebugCardPins(c, MAINBOARD_HOLLARNE); }, 81,
         "1-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 97-100, 105, 106, 111, 112, "
         "117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159",
         6, {}},
        {"18 debug on Quenwick", [](TConnector* c) { AddHsmcDebugCardPins(c, MAINBOARD_QUENWICK); }, 81,
         "1-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 97-100, 105, 106, 111, 112, "
         "117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159",
         6, {}},
    };
    for (const ShapeCase& k : cases) {
        SCOPED_TRACE(std::string("card ") + k.card);
        TDaughterBoard c;
        k.fill(&c);
        ExpectCardShape(c, 160, k.pins, k.empty);
        ExpectIoStandards(c, k.usual, k.others);
    }
}

TEST(HsmcConverterCards, Rows)
{
    TDaughterBoard brask;
    AddAdcDacHsmcFastCardPins(&brask, kArg);
    ExpectPins(brask,
               {
                   {33, "SDA", kInout, kArg},  {34, "SCL", kOut, kArg},        {39, "CLKOUT0", kOut},
                   {40, "CLKIN1", kIn},        {41, "ADA_D[13]", kIn},         {79, "ADA_D[0]", kIn},
                   {42, "ADB_D[13]", kIn},     {80, "ADB_D[0]", kIn},          {91, "AD_SDIO", kInout},
                   {92, "AD_SCLK", kInout},    {95, "FPGA_CLK_A_P", kInout},   {97, "FPGA_CLK_A_N", kInout},
                   {101, "DA[13]", kOut},      {139, "DA[0]", kOut},           {140, "DB[0]", kOut},
                   {145, "AIC_LRCIN", kInout}, {146, "AIC_LRCOUT", kInout},    {149, "AIC_BCLK", kInout},
                   {152, "J1_152", kInout},    {155, "FPGA_CLK_B_P", kInout},  {157, "FPGA_CLK_B_N", kInout},
                   {158, "ADB_DCO", kIn},
               },
               6);

    TDaughterBoard culm;
    AddAdcDacHsmcCardPins(&culm, kArg);
    ExpectPins(culm,
               {
                   {33, "CULM_SDA", kInout, kArg}, {34, "CULM_SCL", kOut, kArg}, {47, "DAC_DA[0]", kOut},
                   {85, "DAC_DA[13]", kOut},       {86, "DAC_DB[13]", kOut},     {91, "DAC_MODE", kOut},
                   {96, "OSC_SMA_ADC4", kIn},      {108, "ADC_OEB_A", kOut},     {113, "ADC_DB[13]", kIn},
                   {151, "ADC_DB[0]", kIn},        {114, "ADC_DA[13]", kIn},     {152, "ADC_DA[0]", kIn},
                   {158, "ADC_OTR_A", kIn},
               },
               6);
}

TEST(HsmcVideoCards, Rows)
{
    TDaughterBoard dvi;
    AddDviCardPins(&dvi, kArg);
    ExpectPins(dvi,
               {
                   {33, "DVI_HSMC_SDA", kInout, kArg}, {34, "DVI_HSMC_SCL", kOut, kArg}, {41, "DVI_RX_D[0]", kIn},
                   {42, "DVI_RX_D[14]", kIn},          {48, "DVI_RX_D[13]", kIn},        {65, "DVI_RX_CTL[1]", kIn},
                   {66, "DVI_RX_D[23]", kIn},          {77, "DVI_RX_CTL[3]", kIn},       {92, "DVI_TX_D[17]", kOut},
                   {95, "DVI_TX_D[16]", kOut},         {96, "DVI_RX_CLK", kIn},          {101, "DVI_TX_D[12]", kOut},
                   {116, "DVI_TX_D[23]", kOut},        {145, "DVI_TX_D[0]", kOut},       {128, "DVI_TX_CTL[3]", kOut},
                   {134, "DVI_TX_CTL[1]", kOut},       {150, "DVI_TX_SDA", kInout},      {157, "DVI_TX_DDCSCL", kInout},
               },
               6);
    ExpectBusElements(dvi, "DVI_RX_D", "0-23");
    ExpectBusElements(dvi, "DVI_TX_D", "0-23");
    ExpectBusElements(dvi, "DVI_RX_CTL", "1-3");

    TDaughterBoard eskel;
    AddMultimediaCardPins(&eskel, kArg);
    ExpectPins(eskel,
               {
                   {33, "HC_I2C_SDAT", kInout, kArg}, {39, "HC_AUD_XCK", kOut},   {56, "HC_TD_D[0]", kIn},
                   {78, "HC_TD_D[7]", kIn},           {91, "HC_VGA_DATA[9]", kOut}, {126, "HC_LCD_DATA[3]", kOut},
                   {152, "HC_LCD_DATA[7]", kOut},     {145, "HC_LCD_DATA[0]", kOut}, {143, "HC_ADC_CS_n", kOut},
                   {158, "HC_TX_CLK", kIn},
               },
               6);
    ExpectBusElements(eskel, "HC_LCD_DATA", "0-7");

    // Both legs of both SDI lanes; nothing on the two-wire positions.
    TDaughterBoard sdi;
    AddSdiCardPins(&sdi, kT);
    ExpectPins(sdi,
               {
                   {25, "SDI_TX_P[2]", kOut, kT},    {26, "SDI_EQOUT_P[2]", kIn, kT},  {27, "SDI_TX_N[2]", kOut, kT},
                   {28, "SDI_EQOUT_N[2]", kIn, kT},  {29, "SDI_TX_P[1]", kOut, kT},    {32, "SDI_EQOUT_N[1]", kIn, kT},
                   {41, "SDI_LED_TX_R[1]", kOut},    {59, "SDI_LED_RX_R[1]", kOut},    {96, "AES_CLK", kIn},
                   {156, "SDI_HSMC_CLK_P", kIn, 21}, {158, "SDI_HSMC_CLK_N", kIn, 21}, {160, "SDI_PSNTn", kOut},
               },
               6);

    TDaughterBoard tx;
    AddHdmiTxCardPins(&tx, kArg);
    ExpectPins(tx,
               {
                   {33, "HDMI_TX_SDA", kInout, kArg}, {53, "TX_RD[11]", kOut}, {85, "TX_RD[0]", kOut},
                   {108, "TX_BD[10]", kOut},          {138, "TX_BD[0]", kOut}, {137, "TX_BD[11]", kOut},
                   {149, "TX_I2S[3]", kOut},          {151, "TX_I2S[2]", kOut}, {157, "TX_DCLK", kOut},
               },
               6);
    ExpectBusElements(tx, "TX_I2S", "0-3");

    TDaughterBoard rx;
    AddHdmiRxCardPins(&rx, kArg);
    ExpectPins(rx,
               {
                   {33, "HDMI_RX_SDA", kInout, kArg}, {55, "RX_RST_N", kOut},    {65, "RX_RD[11]", kIn},
                   {103, "RX_RD[0]", kIn},            {74, "RX_I2S[0]", kIn},    {80, "RX_I2S[3]", kIn},
                   {86, "RX_I2S[1]", kIn},            {144, "RX_BD[11]", kIn},   {152, "RX_BD[8]", kIn},
                   {151, "RX1_DDC_SDA", kInout},      {156, "RX_PCLK", kIn},
               },
               6);

    TDaughterBoard cameraLink;
    AddCameraLinkReceiverPins(&cameraLink);
    ExpectPins(cameraLink,
               {
                   {39, "RX_BASE[0]", kIn},     {53, "RX_BASE[6]", kIn},    {55, "RX_BASE[11]", kIn},
                   {85, "RX_BASE[22]", kIn},    {83, "RX_BASE[24]", kIn},   {68, "RXCC[4]", kOut},
                   {91, "RX_MEDIUM[1]", kIn},   {151, "RX_MEDIUM[20]", kIn}, {126, "RX_MEDIUM[0]", kIn},
                   {157, "RX_MEDIUM[24]", kIn}, {155, "RX_MEDIUM[22]", kIn}, {158, "RX_FULL27_HSMC", kIn},
               },
               6);
    ExpectBusElements(cameraLink, "RX_BASE", "0-22, 24-27");
    ExpectBusElements(cameraLink, "RX_MEDIUM", "0-22, 24-27");

    TDaughterBoard umbrel;
    AddImageSensorAdaptorPins(&umbrel);
    ExpectPins(umbrel,
               {
                   {42, "IMG_IN_FV", kIn},           {54, "IMG_DIN[3]", kIn},          {126, "IMG_DIN[0]", kIn},
                   {66, "IMG_DIN[11]", kIn},         {114, "IMG_DIN[4]", kIn},         {73, "DEMO2_I2C_SCL", kOut},
                   {79, "DEMO2_I2C_SDA", kInout},    {132, "LVDS_DATA_p[0]", kIn, 21}, {150, "LVDS_DATA_p[1]", kIn, 21},
                   {138, "LVDS_DATA_p[2]", kIn, 21}, {156, "CK_LVDS_CLK0_p", kIn, 21},
               },
               6);
}

TEST(HsmcInterfaceCards, Rows)
{
    TDaughterBoard dovra;
    AddIndustrialCommCardPins(&dovra, kArg);
    ExpectPins(dovra,
               {
                   {33, "DOVRA_SDA", kInout, kArg}, {35, "HSMC_TCK", kInout},      {36, "HSMC_TMS", kOut},
                   {37, "HSMC_TDO", kInout},        {38, "HSMC_TDI", kOut},        {41, "GPIO_DATA[34]", kInout},
                   {42, "GPIO_DATA[33]", kInout},   {43, "GPIO_DATA[35]", kInout}, {44, "GPIO_DATA[32]", kInout},
                   {48, "GPIO_DATA[0]", kInout},    {92, "GPIO_DATA[27]", kInout}, {101, "PIO1_DATA[0]", kInout},
                   {122, "PIO2_DATA[3]", kInout},   {156, "RS232_RXD", kIn},
               },
               6);
    ExpectBusElements(dovra, "GPIO_DATA", "0-35");

    TDaughterBoard quorril;
    AddSantaCruzAdaptorPins(&quorril, kArg);
    ExpectPins(quorril,
               {
                   {33, "QUORRIL_SDA", kInout, kArg},  {39, "QUORRIL_SD_DAT[1]", kInout}, {40, "QUORRIL_SD_WPn", kIn},
                   {49, "HSPROTO_IO[40]", kInout},     {83, "HSPROTO_IO[38]", kInout},    {50, "HSPROTO_IO[0]", kInout},
                   {155, "HSPROTO_IO[22]", kInout},    {152, "HSPROTO_IO[28]", kInout},   {101, "MICTOR_D[0]", kInout},
                   {132, "MICTOR_D[24]", kInout},      {139, "MICTOR_D[7]", kInout},      {157, "TR_CLK", kOut},
               },
               6);
    ExpectBusElements(quorril, "HSPROTO_IO", "0-40");
    ExpectBusElements(quorril, "MICTOR_D", "0-24");
}

TEST(HsmcLcdCameraCards, Rows)
{
    TDaughterBoard wistow;
    AddLcd8TouchCameraCardPins(&wistow);
    ExpectPins(wistow,
               {
                   {60, "CAMERA_D[0]", kIn},  {92, "CAMERA_D[11]", kIn}, {79, "CAMERA_RESET_N", kOut},
                   {85, "CAMERA_SCLK", kOut}, {115, "LCD_B[5]", kOut},   {125, "LCD_B[3]", kOut},
                   {145, "LCD_B[0]", kOut},   {143, "LCD_R[5]", kOut},   {157, "LCD_NCLK", kOut},
               },
               6);

    // Mavrel is Wistow plus six G-sensor inputs.
    TDaughterBoard mavrel;
    AddLcd8TouchCamera2CardPins(&mavrel);
    ExpectPins(mavrel,
               {
                   {41, "GSENSOR_INT1", kIn},
                   {43, "GSENSOR_INT2", kIn},
                   {49, "GSENSOR_CS_n", kIn},
                   {53, "GSENSOR_ALT_ADDR", kIn},
                   {55, "GSENSOR_SDA_SDI_SDIO", kIn},
                   {57, "GSENSOR_SCL_SCLK", kIn},
               },
               6);
    for (int p = 1; p <= 160; ++p) {
        if (p == 41 || p == 43 || p == 49 || p == 53 || p == 55 || p == 57) continue;
        const TPin* a = wistow.GetPin(p - 1);
        const TPin* b = mavrel.GetPin(p - 1);
        ASSERT_EQ(a == nullptr, b == nullptr) << p;
        if (a) {
            EXPECT_EQ(a->GetName(), b->GetName()) << p;
            EXPECT_EQ(a->GetDirection(), b->GetDirection()) << p;
        }
    }

    TDaughterBoard vandry;
    AddMultiTouchLcdCameraCardPins(&vandry);
    ExpectPins(vandry,
               {
                   {41, "CAMERA_SCLK", kIn},        {59, "CAMERA_RESET_n", kOut},     {61, "GSENSOR_CS_n", kOut},
                   {71, "GSENSOR_ALT_ADDR", kOut},  {73, "GSENSOR_SDA_SDI_SDIO", kInout}, {77, "GSENSOR_SCL_SCLK", kOut},
                   {90, "LCD_POWER_CTL", kOut},     {101, "LCD_B[3]", kOut},          {110, "LCD_B[4]", kOut},
                   {114, "LCD_G[7]", kOut},         {134, "LCD_G[0]", kOut},          {115, "LSENSOR_SCL", kOut},
                   {145, "LCD_R[0]", kOut},         {152, "TOUCH_I2C_SCL", kOut},     {157, "LCD_DCLK", kOut},
               },
               6);

    // Wesket keeps Vandry's LCD side, with two serial clocks made inout.
    TDaughterBoard wesket;
    AddMultiTouchLcdCamera2CardPins(&wesket, kArg);
    ExpectPins(wesket,
               {
                   {41, "MIPI_I2C_SCL", kInout},   {42, "MIPI_PIXEL_D[13]", kIn}, {44, "MIPI_PIXEL_D[12]", kIn},
                   {48, "MIPI_PIXEL_D[0]", kIn},   {74, "MIPI_PIXEL_D[9]", kIn},  {92, "MIPI_PIXEL_D[10]", kIn},
                   {79, "LCD_POWER_CTL", kOut},    {97, "MIPI_MCLK", kOut},       {115, "LSENSOR_SCL", kInout},
                   {152, "TOUCH_I2C_SCL", kInout}, {140, "CAMERA_I2C_SCL", kInout}, {144, "CAMERA_PWDN_n", kOut},
                   {83, "LCD_UPDN", kOut},         {157, "LCD_DCLK", kOut},
               },
               6);
    ExpectPins(wesket, {{90, "MIPI_PIXEL_D[11]", kIn}}, 6);
    ExpectBusElements(wesket, "MIPI_PIXEL_D", "0-13");
    TDaughterBoard wesket6;
    AddMultiTouchLcdCamera2CardPins(&wesket6, 6);
    ExpectSameEntries(wesket, wesket6);

    TDaughterBoard crossover;
    AddLvdsCrossoverPins(&crossover, kArg);
    ExpectPins(crossover,
               {
                   {33, "SDA", kInout, kArg},    {34, "SCL", kInout, kArg},      {39, "CLKIN0", kIn, 6},
                   {40, "CLKOUT0", kOut, 6},     {43, "DATA_RX[1]", kIn, 6},     {44, "DATA_TX[1]", kOut, 6},
                   {47, "LVDS_RX_p0", kIn},      {48, "LVDS_TX_p0", kOut},       {49, "LVDS_RX_n0", kIn},
                   {50, "LVDS_TX_n0", kOut},     {89, "LVDS_RX_p7", kIn},        {101, "LVDS_RX_p8", kIn},
                   {152, "LVDS_TX_n16", kOut},   {95, "CLK_IN_p1", kIn},         {156, "CLK_OUT_p2", kOut},
                   {158, "CLK_OUT_n2", kOut},
               },
               21);
}

TEST(HsmcCommunicationCards, Rows)
{
    TDaughterBoard sfp;
    AddSfpCardPins(&sfp, kT);
    ExpectPins(sfp,
               {
                   {13, "XCVR_TX4p", kOut, kT},           {14, "XCVR_RX4p", kIn, kT},          {17, "SFP_TD_XCVRp[3]", kOut, kT},
                   {30, "SFP_RD_XCVRp[0]", kIn, kT},      {39, "CLK_IN", kOut},                {40, "CLK1", kIn},
                   {47, "SFP_TXFAULT[3]", kIn},           {78, "SFP_TXFAULT[0]", kIn},         {95, "SFP_TXFAULT[4]", kIn},
                   {140, "SFP_TXFAULT[7]", kIn},          {89, "SFP_TD_LVDSp[4]", kOut, 21},   {144, "SFP_RD_LVDSp[7]", kIn, 21},
                   {96, "SFP_CLKp[1]", kIn, 21},          {156, "SFP_CLKp[2]", kIn, 21},       {157, "SFP_LOS[7]", kIn},
                   {160, "SFP_PSNTn", kIn},
               },
               6);

    TDaughterBoard net;
    AddDualEthernetCardPins(&net, kArg);
    ExpectPins(net,
               {
                   {33, "NET_HSMC_SDA", kInout, kArg}, {34, "NET_HSMC_SCL", kOut, kArg}, {42, "NET1_S_RX_P", kIn},
                   {44, "NET1_S_RX_N", kIn},           {49, "NET1_RX_D[7]", kIn},        {53, "NET1_RX_D[1]", kIn},
                   {62, "NET1_RX_D[4]", kIn},          {71, "NET1_TX_D[1]", kOut},       {92, "NET1_TX_D[3]", kOut},
                   {96, "NET0_S_CLKP", kIn},           {98, "NET0_S_CLKN", kIn},         {101, "NET0_RX_D[2]", kIn},
                   {126, "NET0_RX_D[1]", kIn},         {109, "NET0_TX_D[5]", kOut},      {140, "NET0_TX_D[3]", kOut},
                   {133, "NET0_MDIO", kInout},         {156, "NET1_S_CLKP", kIn},        {158, "NET1_S_CLKN", kIn},
               },
               6);
    ExpectBusElements(net, "NET0_RX_D", "0-7");
    ExpectBusElements(net, "NET1_TX_D", "0-7");

    TDaughterBoard sata;
    AddSataSasCardPins(&sata, kT, kArg);
    ExpectPins(sata,
               {
                   {1, "SATA_HSM_TX_P[7]", kOut, kT},  {2, "SATA_HSM_RX_P[7]", kIn, kT},  {3, "SATA_HSM_TX_N[7]", kOut, kT},
                   {32, "SATA_HSM_RX_N[0]", kIn, kT},  {33, "SATA_HSM_SDA", kInout, kArg}, {34, "SATA_HSM_SCL", kOut, kArg},
                   {41, "SATA_RX_LED_R[7]", kOut},     {62, "SATA_USER_DIPSW[0]", kIn},   {98, "SAS_SIDEBAND[5]", kIn},
                   {131, "SATA_TX_LED_R[0]", kOut},    {156, "SATA_CLK_P", kIn, 21},      {158, "SATA_CLK_N", kIn, 21},
                   {160, "SATA_HSM_PSNTn", kIn},
               },
               6);

    TDaughterBoard pavlin;
    AddTransceiverToSmaCardPins(&pavlin, kT);
    ExpectPins(pavlin,
               {
                   {17, "TX_P[3]", kOut, kT},
                   {30, "RX_P[0]", kIn, kT},
                   {39, "CLKOUT0", kOut},
                   {40, "CLKIN0", kIn},
                   {95, "CLKOUT_P[1]", kOut, 21},
                   {156, "CLKIN_P[2]", kIn, 21},
                   {160, "SFP_PSNTn", kIn},
               },
               6);
}

TEST(HsmcLoopbackAndDebugCards, Rows)
{
    TDaughterBoard loopback;
    AddHsmcLoopbackPins(&loopback, 1, 35);
    ExpectPins(loopback,
               {
                   {1, "L_P[7]", kOut, 35},  {2, "R_P[7]", kIn, 35},   {29, "L_P[0]", kOut, 35}, {30, "R_P[0]", kIn, 35},
                   {39, "L_CLK0", kInout},   {44, "R_D[1]", kInout},   {47, "L_D_P[0]", kInout}, {152, "R_D_N[16]", kInout},
                   {98, "R_CLK_N1", kInout}, {155, "L_CLK_P2", kInout}, {160, "PSNTn", kIn},
               },
               6);

    // Without transceivers the standard passed changes nothing.
    TDaughterBoard a;
    TDaughterBoard b;
    AddHsmcLoopbackPins(&a, 0, 35);
    AddHsmcLoopbackPins(&b, 0, 52);
    ExpectSameEntries(a, b);

    TDaughterBoard hollarne;
    AddHsmcDebugCardPins(&hollarne, MAINBOARD_HOLLARNE);
    ExpectPins(hollarne,
               {
                   {39, "HSM_CLKCOUT0", kInout},   {40, "HSM_CLKIN0", kInout},     {41, "HSM_D[0]", kInout},
                   {95, "HSM_D[36]", kInout},      {96, "HSM_D[37]", kInout},      {101, "HSM_D_LED[40]", kInout},
                   {104, "HSM_D_LED[43]", kInout}, {157, "HSM_D_LED[78]", kInout}, {158, "HSM_D_LED[79]", kInout},
                   {160, "HSM_PSNTn", kIn},
               },
               6);
    ExpectBusElements(hollarne, "HSM_D", "0-37");
    ExpectBusElements(hollarne, "HSM_D_LED", "40-79");

    for (int board : {int{MAINBOARD_ORMSGILL}, int{MAINBOARD_QUENWICK}}) {
        TDaughterBoard c;
        AddHsmcDebugCardPins(&c, board);
        ExpectPins(c, {{95, "HSM_D[36]", kInout}, {96, "HSM_D_IN[37]", kIn}, {104, "HSM_D_LED[43]", kInout}}, 6);
        ExpectBusElements(c, "HSM_D", "0-36");
    }
}

}  // namespace hsmc_cards_test
