// The FMC daughter cards of the card lists: Pavlin-FMC (47), 12G SDI-FMC
// (48), HDMI-FMC (49), NET-FMC (52), ADC-FMC (54), Jusk-FMC (78) and Ambrel
// (88).
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/FmcMapCheck.h"

namespace fmc_daughter_cards_test {

namespace {

constexpr IoStandard k1V8 = 3;
constexpr IoStandard k2V5 = 6;
constexpr IoStandard kLvttl = 8;
constexpr IoStandard kLvds = 21;
constexpr IoStandard kSstl18I = 31;
constexpr IoStandard kPcml15 = 36;
constexpr IoStandard k1V2 = 40;
constexpr IoStandard kHsDiff = 59;

}  // namespace

TEST(FmcDaughterCards, PinCountsAndCatalogueTexts)
{
    struct Case {
        DaughterId card;
        const char* name;
        ConnectorType type;
        int pins;
    };
    const Case cases[] = {
        {47, "Pavlin-FMC", CONNECTOR_FMC_LPC, 34},  {48, "12G SDI-FMC", CONNECTOR_FMC_HPC, 75},
        {49, "HDMI-FMC", CONNECTOR_FMC_LPC, 127},   {52, "NET-FMC", CONNECTOR_FMC_LPC, 136},
        {54, "ADC-FMC", CONNECTOR_FMC_HPC, 87},     {78, "Jusk-FMC", CONNECTOR_FMC_LPC, 68},
        {88, "Ambrel (FMC to GPIO)", CONNECTOR_FMC_HPC, 160},
    };
    for (const Case& k : cases) {
        for (uint8_t board : {MAINBOARD_YARROWGATE, MAINBOARD_COLVENNA, MAINBOARD_PELVERTON}) {
            SCOPED_TRACE("card " + std::to_string(k.card) + " board " + std::to_string(board));
            TDaughterBoard d;
            d.LoadCard(k.card, board, nullptr, k1V8, 0);
            ExpectFmcMapShape(d, 400, k.pins);
            EXPECT_EQ(d.GetName(), k.name);
            EXPECT_EQ(d.GetDescription(), k.name);
            EXPECT_EQ(d.GetType(), k.type);
        }
    }
}

TEST(FmcDaughterCards, SingleEndedPinsTakeTheLoadersStandard)
{
    // Board, the standard given, and the one the single-ended pins carry.
    struct Case {
        uint8_t board;
        IoStandard given;
        IoStandard carried;
    };
    const Case cases[] = {{MAINBOARD_YARROWGATE, k1V8, k1V8},
                          {MAINBOARD_RENNACRE, k1V2, k1V2},
                          {MAINBOARD_COLVENNA, k1V8, k2V5},
                          {MAINBOARD_BRACKWELL, k1V8, 39}};
    for (const Case& k : cases) {
        SCOPED_TRACE("board " + std::to_string(k.board));
        const std::pair<DaughterId, int> samples[] = {{47, 94}, {48, 90}, {49, 91}, {78, 102}, {88, 90}};
        for (const auto& [card, position] : samples) {
            TDaughterBoard d;
            d.LoadCard(card, k.board, nullptr, k.given, 0);
            ASSERT_NE(d.GetPin(position - 1), nullptr) << "card " << int(card);
            EXPECT_EQ(d.GetPin(position - 1)->GetIoStandard(), k.carried) << "card " << int(card);
        }
        // The cards without an argument keep their own standards.
        TDaughterBoard net, adc;
        net.LoadCard(52, k.board, nullptr, k.given, 0);
        adc.LoadCard(54, k.board, nullptr, k.given, 0);
        EXPECT_EQ(PinsPerStandard(net), (std::map<IoStandard, int>{{k2V5, 124}, {kLvds, 12}}));
        EXPECT_EQ(PinsPerStandard(adc), (std::map<IoStandard, int>{{k1V8, 85}, {kSstl18I, 2}}));
    }
}

TEST(PavlinFmcCard, TransceiversKeepTheirStandards)
{
    TConnector c("", "", CONNECTOR_FMC_LPC, -1);
    AddFmcTransceiverToSmaCardPins(&c, kLvttl);
    ExpectFmcMapShape(c, 400, 34);
    ExpectPins(c,
               {{2, "XCVR_RX_p[1]", kIn},
                {10, "XCVR_RX_p[3]", kIn},
                {22, "XCVR_TX_p[1]", kOut},
                {30, "XCVR_TX_p[3]", kOut},
                {82, "XCVR_TX_p[0]", kOut}},
               kPcml15);
    ExpectPins(c,
               {{86, "XCVR_RX_p[0]", kIn},
                {60, "XCVR_REFCLK1_p", kIn},
                {124, "XCVR_REFCLK0_p", kIn},
                {252, "DP_SINK_AUX_p", kIn},
                {290, "DP_SRC_AUX_p", kOut}},
               kLvds);
    ExpectPins(c,
               {{94, "HDMI_SRC_CEC", kInout},
                {95, "HDMI_SRC_SCL", kOut},
                {110, "SCL", kInout},
                {111, "SDA", kInout},
                {114, "GA0", kInout},
                {131, "DP_SINK_N", kOut},
                {132, "DP_SINK_R", kIn},
                {135, "HDMI_SRC_HPD", kInout},
                {155, "GA1", kInout},
                {249, "DP_SRC_RE_N", kOut},
                {256, "HDMI_SINK_SCL", kIn},
                {268, "DP_SINK_D", kOut},
                {288, "DP_SRC_D", kOut},
                {293, "DP_SINK_HPD", kOut},
                {294, "DP_SRC_HPD", kIn},
                {297, "HDMI_SINK_HPD", kInout}},
               kLvttl);
    // The table names these positions, but the card does not connect them
    // (41) or they are N legs (3, 61).
    ExpectEmptyPositions(c, {3, 41, 61, 23, 87, 125, 253, 291});
}

TEST(SdiFmcCard, TransceiversAndClocksKeepTheirStandards)
{
    for (IoStandard arg : {kLvttl, k1V8}) {
        TConnector c("", "", CONNECTOR_FMC_HPC, -1);
        AddFmcSdiCardPins(&c, arg);
        ExpectFmcMapShape(c, 400, 75);
        ExpectPins(c,
                   {{10, "SDI_3G_RX_p[1]", kIn},
                    {86, "SDI_3G_RX_p[0]", kIn},
                    {26, "SDI_12G_TX_p[0]", kOut},
                    {38, "SDI_12G_TX_p[1]", kOut},
                    {30, "SDI_3G_TX_p[1]", kOut},
                    {82, "SDI_3G_TX_p[0]", kOut},
                    {48, "SDI_12G_RX_p[0]", kIn},
                    {56, "SDI_12G_RX_p[1]", kIn}},
                   kHsDiff);
        ExpectPins(c,
                   {{60, "GBTCLK_M2C_p[1]", kIn},
                    {124, "GBTCLK_M2C_p[0]", kIn},
                    {242, "CLK_M2C_p[1]", kIn},
                    {284, "CLK_M2C_p[0]", kIn},
                    {293, "FPGA_CLK_p", kOut}},
                   kLvds);
        ExpectPins(c,
                   {{90, "VCG_INIT", kOut},
                    {91, "SDI_12G_RC_ALARM_n[0]", kIn},
                    {253, "SDI_12G_RC_ALARM_n[1]", kIn},
                    {99, "SDI_12G_RX_ALARM_n[1]", kIn},
                    {255, "SDI_12G_RX_ALARM_n[0]", kIn},
                    {110, "FMC_I2C_SCL", kOut},
                    {111, "FMC_I2C_SDA", kInout},
                    {155, "FMC_GA[1]", kOut},
                    {137, "SI5344_IN_SEL[1]", kOut},
                    {277, "SI5344_IN_SEL[0]", kOut},
                    {144, "CLKSEL_S2[1]", kOut},
                    {147, "SDI_3G_SPI_MISO", kIn},
                    {265, "SDI_3G_SPI_SS_n[1]", kOut},
                    {268, "SDI_3G_TX_RATE_SEL[1]", kOut},
                    {271, "SI5344_A1_SDO", kInout},
                    {291, "VCG_F", kOut},
                    {300, "SI5344_LOL_XTAL_n", kIn},
                    {306, "CLKSEL_S1[1]", kOut},
                    {312, "SDI_3G_CD_n[1]", kIn},
                    {318, "SI5344_I2C_SCL", kInout}},
                   arg);
        ExpectEmptyPositions(c, {11, 87, 27, 39, 61, 125, 243, 285, 294});
    }
}

TEST(HdmiFmcCard, ScatteredBusesAtTheArgument)
{
    TConnector c("", "", CONNECTOR_FMC_LPC, -1);
    AddFmcHdmiCardPins(&c, k1V8);
    ExpectFmcMapShape(c, 400, 127);
    EXPECT_EQ(PinsPerStandard(c), (std::map<IoStandard, int>{{k1V8, 127}}));
    // Bit 0 and the last bit of every bus, and a middle bit.
    ExpectPins(c,
               {{90, "TX_I2S[0]", kOut},  {312, "TX_I2S[3]", kOut},  {137, "TX_BD[0]", kOut},
                {91, "TX_BD[5]", kOut},   {294, "TX_BD[11]", kOut},  {302, "TX_RD[0]", kOut},
                {140, "TX_RD[6]", kOut},  {315, "TX_RD[11]", kOut},  {293, "TX_GD[0]", kOut},
                {107, "TX_GD[7]", kOut},  {262, "TX_GD[11]", kOut},  {170, "RX_GD[0]", kIn},
                {350, "RX_GD[10]", kIn},  {196, "RX_GD[15]", kIn},   {208, "RX_BD[0]", kIn},
                {335, "RX_BD[10]", kIn},  {332, "RX_BD[15]", kIn},   {182, "RX_AP[0]", kIn},
                {225, "RX_AP[5]", kIn},   {235, "RX_RD[0]", kIn},    {228, "RX_RD[8]", kIn},
                {322, "RX_RD[15]", kIn}},
               k1V8);
    ExpectPins(c,
               {{99, "TX_HS", kOut},
                {114, "FMC_GA[0]", kOut},
                {129, "SII9136_RST_n", kOut},
                {138, "SII9136_INT", kIn},
                {162, "ADV7619_CSDA_FMC", kInout},
                {193, "RX0_DDC_SCL", kOut},
                {204, "ADV7619_CSCL_FMC", kInout},
                {246, "RX_PCLK", kIn},
                {273, "RX1_DDC_SCL", kInout},
                {306, "TX_DSR3R", kOut},
                {309, "SII9136_CSCL_FMC", kInout},
                {311, "TX_SPDIF", kOut}},
               k1V8);
}

TEST(NetFmcCard, FourPortsAndTheNegativeLegRule)
{
    TConnector c("", "", CONNECTOR_FMC_LPC, -1);
    AddFmcEthernetCardPins(&c);
    ExpectFmcMapShape(c, 400, 136);
    ExpectPins(c,
               {{162, "NET2_S_CLKP", kIn},
                {246, "NET0_S_CLKP", kIn},
                {196, "NET3_S_CLKP", kIn},
                {166, "NET0_S_RX_P", kIn},
                {175, "NET3_S_RX_P", kIn},
                {207, "NET0_S_TX_P", kOut},
                {216, "NET3_S_TX_P", kOut}},
               kLvds);
    // The N legs are dropped by their names' last letter; a single-ended
    // name ending in N stays.
    ExpectEmptyPositions(c, {163, 247, 243, 197, 167, 170, 173, 176, 208, 211, 214, 217});
    ExpectPins(c,
               {{94, "NET1_INTN", kIn},
                {284, "NET0_INTN", kIn},
                {267, "NET3_INTN", kIn},
                {309, "NET3_MDC", kOut},
                {300, "NET2_TX_EN", kOut},
                {103, "NET3_RX_CLK", kIn},
                {129, "NET1_GTX_CLK", kOut},
                {144, "NET3_RX_DV", kIn},
                {287, "NET0_RESETN", kOut},
                {265, "NET2_MDIO", kInout},
                {143, "NET3_RX_ER", kIn},
                {191, "NET2_RX_CRS", kIn},
                {323, "NET0_RX_COL", kIn},
                {356, "NET3_TX_ER", kOut},
                {338, "NET2_TX_CLK", kIn},
                {367, "NET0_LINK1000", kIn},
                {371, "NET3_LINK1000", kIn},
                {91, "NET0_RX_D[0]", kIn},
                {204, "NET0_RX_D[7]", kIn},
                {253, "NET0_TX_D[0]", kOut},
                {188, "NET1_RX_D[7]", kIn},
                {350, "NET1_TX_D[7]", kOut},
                {271, "NET2_RX_D[0]", kIn},
                {344, "NET2_TX_D[7]", kOut},
                {107, "NET3_RX_D[0]", kIn},
                {351, "NET3_TX_D[7]", kOut},
                {110, "FMC_I2C_SCL", kInout},
                {111, "FMC_I2C_SDA", kInout},
                {155, "FMC_GA[1]", kOut}},
               k2V5);
}

TEST(AdcFmcCard, FixedStandards)
{
    TConnector c("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcAdcCardPins(&c);
    ExpectFmcMapShape(c, 400, 87);
    ExpectPins(c, {{204, "FPGA_CLK_ADC2_p", kOut}, {302, "FPGA_CLK_ADC1_p", kOut}}, kSstl18I);
    ExpectEmptyPositions(c, {205, 303});
    ExpectPins(c,
               {{143, "ADC_B_D[0]", kIn},
                {264, "ADC_B_D[13]", kIn},
                {308, "ADC_A_D[0]", kIn},
                {277, "ADC_A_D[13]", kIn},
                {210, "ADC_C_D[0]", kIn},
                {329, "ADC_C_D[6]", kIn},
                {220, "ADC_C_D[13]", kIn},
                {182, "ADC_D_D[0]", kIn},
                {341, "ADC_D_D[3]", kIn},
                {344, "ADC_D_D[13]", kIn},
                {90, "SI5340B_I2C_SDA", kInout},
                {135, "ADC1_CK_S[1]", kOut},
                {296, "ADC1_CK_S[0]", kOut},
                {166, "ADC2_CK_S[1]", kOut},
                {322, "ADC2_CK_S[0]", kOut},
                {214, "ADC_C_DCOC", kIn},
                {253, "SI5340B_RST_n", kOut},
                {294, "SI5340B_I2C_SCL", kInout},
                {323, "ADC2_PDWN", kOut},
                {347, "ADC_D_ORD", kIn}},
               k1V8);
}

TEST(JuskFmcCard, CameraHdmiAndHeaderLines)
{
    TConnector c("", "", CONNECTOR_FMC_LPC, -1);
    AddCamera8MFmcCardPins(&c, k1V2);
    ExpectFmcMapShape(c, 400, 68);
    EXPECT_EQ(PinsPerStandard(c), (std::map<IoStandard, int>{{k1V2, 68}}));
    ExpectPins(c,
               {{90, "MIPI_PIXEL_D[9]", kIn},    {91, "MIPI_PIXEL_D[6]", kIn},   {95, "MIPI_PIXEL_D[2]", kIn},
                {249, "MIPI_PIXEL_D[8]", kIn},   {250, "MIPI_PIXEL_D[7]", kIn},  {256, "MIPI_PIXEL_D[0]", kIn},
                {102, "YARVEL_D[0]", kInout},    {155, "YARVEL_D[3]", kInout},   {243, "YARVEL_D[7]", kInout},
                {285, "YARVEL_D[5]", kInout},    {134, "HDMI_TX_D[17]", kOut},   {135, "HDMI_TX_D[16]", kOut},
                {287, "HDMI_TX_D[23]", kOut},    {290, "HDMI_TX_D[21]", kOut},   {294, "HDMI_TX_D[18]", kOut},
                {309, "HDMI_TX_D[0]", kOut},     {140, "HDMI_I2S[1]", kOut},     {276, "HDMI_I2S[2]", kOut},
                {315, "HDMI_I2S[0]", kOut},      {317, "HDMI_I2S[3]", kOut},     {107, "CAMERA_PWDN_n", kOut},
                {259, "HDMI_TX_INT", kIn},       {273, "MIPI_PIXEL_CLK", kIn},   {318, "HDMI_LRCLK", kOut}},
               k1V2);
}

TEST(AmbrelFmcCard, SmaClockNegativeLegOnlyWithoutLvds)
{
    TConnector c("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcToGpioCardPins(&c, k2V5);
    ExpectFmcMapShape(c, 400, 160);
    ExpectPins(c,
               {{242, "SMA_CLK_p", kIn},       {243, "SMA_CLK_n", kIn},        {90, "GPIO_1_D[10]", kInout},
                {95, "GPIO_1_D[13]", kInout},  {255, "GPIO_1_D[0]", kInout},   {318, "GPIO_1_D[35]", kInout},
                {284, "GPIO_0_D[0]", kInout},  {315, "GPIO_0_D[35]", kInout},  {162, "GPIO_2_D[0]", kInout},
                {323, "GPIO_2_D[31]", kInout}, {336, "GPIO_2_D[35]", kInout},  {196, "GPIO_3_D[0]", kInout},
                {235, "GPIO_3_D[29]", kInout}, {357, "GPIO_3_D[35]", kInout},  {370, "YARVEL_D[0]", kInout},
                {380, "YARVEL_D[7]", kInout},  {382, "LED[0]", kOut},          {383, "LED[1]", kOut},
                {394, "KEY[0]", kIn},          {398, "SW[1]", kIn}},
               k2V5);
    for (const char* bus : {"GPIO_0_D[", "GPIO_1_D[", "GPIO_2_D[", "GPIO_3_D["})
        EXPECT_EQ(PositionsOfPinsNamed(c, bus).size(), 36u) << bus;

    TConnector lvds("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcToGpioCardPins(&lvds, kLvds);
    ExpectFmcMapShape(lvds, 400, 159);
    EXPECT_EQ(PinsPerStandard(lvds), (std::map<IoStandard, int>{{kLvds, 159}}));
    ExpectPins(lvds, {{242, "SMA_CLK_p", kIn}, {90, "GPIO_1_D[10]", kInout}}, kLvds);
    ExpectEmptyPositions(lvds, {243});
}

}  // namespace fmc_daughter_cards_test
