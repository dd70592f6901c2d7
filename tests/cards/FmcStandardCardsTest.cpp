// The standard FMC namings: VITA (cards 40, 41 and 42) and the vendor's
// (cards 43 to 46), through the card loader and through the maps directly.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/FmcMapCheck.h"

namespace fmc_standard_cards_test {

namespace {

constexpr IoStandard k1V5 = 0;
constexpr IoStandard k1V8 = 3;
constexpr IoStandard k2V5 = 6;
constexpr IoStandard kLvttl = 8;
constexpr IoStandard kLvds = 21;
constexpr IoStandard kPciX = 39;
constexpr IoStandard k1V2 = 40;
constexpr IoStandard kPcml14 = 35;
constexpr IoStandard kPcml15 = 36;
constexpr IoStandard kHssi = 52;

}  // namespace

TEST(FmcStandardCards, PinCountsForEveryLoaderArgumentAndBoard)
{
    struct Case {
        DaughterId card;
        uint8_t board;
        IoStandard given;
        int entries;
        int pins;
    };
    const Case cases[] = {
        // The vendor naming takes 2.5 V whatever the loader is given.
        {43, MAINBOARD_HOLLARNE, kLvttl, 400, 138},
        {44, MAINBOARD_HOLLARNE, kLvttl, 400, 204},
        {45, MAINBOARD_HOLLARNE, kLvttl, 400, 76},
        {46, MAINBOARD_HOLLARNE, kLvttl, 400, 81},
        {43, MAINBOARD_YARROWGATE, kLvds, 400, 138},
        {44, MAINBOARD_ORMSGILL, k1V8, 400, 204},
        {45, MAINBOARD_COLVENNA, k1V5, 400, 76},
        {46, MAINBOARD_PELVERTON, k1V2, 400, 81},
        // Card 40 with the VITA names on the one board that uses them (2.5 V
        // whatever it was given, transceivers at 1.5-V PCML).
        {40, MAINBOARD_COLVENNA, k1V8, 400, 194},
        {40, MAINBOARD_COLVENNA, kLvds, 400, 194},
        // Bus notation: both legs of the LA, HA and HB pairs unless b is LVDS
        // or the transceiver standard.
        {40, MAINBOARD_YARROWGATE, k1V8, 400, 192},
        {40, MAINBOARD_RENNACRE, k1V2, 400, 192},
        {40, MAINBOARD_HOLLARNE, kLvds, 400, 112},
        {40, MAINBOARD_YARROWGATE, kHssi, 400, 112},
        {40, MAINBOARD_HOLLARNE, kPcml15, 400, 112},
        {40, MAINBOARD_PELVERTON, kPcml14, 400, 192},  // b is 3.0-V PCI-X there
        {41, MAINBOARD_YARROWGATE, k1V5, 400, 77},
        {41, MAINBOARD_HOLLARNE, kLvds, 400, 43},
        {41, MAINBOARD_RENNACRE, kHssi, 400, 43},
        {42, MAINBOARD_YARROWGATE, k1V8, 560, 232},
        {42, MAINBOARD_HOLLARNE, kLvds, 560, 152},
        {42, MAINBOARD_RENNACRE, kHssi, 560, 152},
        {42, MAINBOARD_BRACKWELL, kLvds, 560, 232},  // b is 3.0-V PCI-X there
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card) + " board " + std::to_string(k.board) + " standard " +
                     std::to_string(k.given));
        TDaughterBoard d;
        d.LoadCard(k.card, k.board, nullptr, k.given, 0);
        ExpectFmcMapShape(d, k.entries, k.pins);
    }
}

TEST(FmcStandardCards, TransceiverAndPairStandardsFollowTheMainBoard)
{
    // Board, the I/O standard given, and the standards that lane 1 (position
    // 2) and the LA pair 6 (positions 90 and 91) of card 40 then carry.
    struct Case {
        uint8_t board;
        IoStandard given;
        IoStandard lane;
        IoStandard pair;
    };
    const Case cases[] = {
        {MAINBOARD_HOLLARNE, k1V8, kPcml15, k1V8},   {MAINBOARD_PELVERTON, k1V8, kPcml14, kPciX},
        {MAINBOARD_ORMSGILL, k1V8, kPcml14, kPciX},  {MAINBOARD_QUENWICK, k1V8, kPcml15, kPciX},
        {MAINBOARD_BRACKWELL, k1V8, kPcml14, kPciX}, {MAINBOARD_YARROWGATE, k1V2, kHssi, k1V2},
        {MAINBOARD_RENNACRE, k1V5, kHssi, k1V5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("board " + std::to_string(k.board));
        TDaughterBoard d;
        d.LoadCard(40, k.board, nullptr, k.given, 0);
        ExpectPins(d, {{2, "DP_M2C_p[1]", kIn}}, k.lane);
        ExpectPins(d, {{90, "LA_p[6]", kInout}, {91, "LA_n[6]", kInout}}, k.pair);
        EXPECT_EQ(d.GetPin(2), nullptr);
    }
}

TEST(FmcVendorNaming, WithTransceiversCard44)
{
    TDaughterBoard d;
    d.LoadCard(44, MAINBOARD_HOLLARNE, nullptr, kLvttl, 0);
    ExpectFmcMapShape(d, 400, 204);
    ExpectPins(d, {{60, "GBTCLK_M2C_p[1]", kIn}, {124, "GBTCLK_M2C_p[0]", kIn}}, kLvds);
    ExpectEmptyPositions(d, {61, 125, 327, 1, 40, 80, 400});
    ExpectPins(d,
               {{2, "DP_M2C_p[1]", kIn},
                {3, "DP_M2C_n[1]", kIn},
                {18, "DP_M2C_p[5]", kIn},
                {44, "DP_M2C_p[9]", kIn},
                {56, "DP_M2C_p[6]", kIn},
                {57, "DP_M2C_n[6]", kIn},
                {82, "DP_C2M_p[0]", kOut},
                {86, "DP_M2C_p[0]", kIn},
                {364, "DP_M2C_p[10]", kIn},
                {365, "DP_M2C_n[10]", kIn},
                {397, "DP_C2M_p[15]", kOut},
                {398, "DP_C2M_n[15]", kOut}},
               kPcml14);
    ExpectPins(d,
               {{41, "CLK_DIR", kInout},
                {90, "LA_RX_p[1]", kIn},
                {91, "LA_RX_n[1]", kIn},
                {110, "SCL", kInout},
                {111, "SDA", kInout},
                {114, "GA[0]", kInout},
                {155, "GA[1]", kInout},
                {128, "LA_TX_CLK_p", kOut},
                {129, "LA_TX_CLK_n", kOut},
                {140, "LA_TX_p[8]", kOut},
                {162, "HA_RX_CLK_p", kIn},
                {193, "HB_RX_p[4]", kIn},
                {196, "HB_RX_CLK_p", kIn},
                {197, "HB_RX_CLK_n", kIn},
                {204, "HA_TX_CLK_p", kOut},
                {237, "HB_TX_CLK_p", kOut},
                {242, "CLK_M2C_p[1]", kIn},
                {284, "CLK_M2C_p[0]", kIn},
                {285, "CLK_M2C_n[0]", kIn},
                {276, "LA_RX_p[14]", kIn},
                {317, "LA_TX_p[16]", kOut},
                {318, "LA_TX_n[16]", kOut},
                {322, "HA_TX_p[5]", kOut},
                {323, "HA_TX_n[5]", kOut},
                {326, "HA_RX_p[5]", kIn},
                {338, "HA_RX_p[7]", kIn},
                {335, "HA_TX_p[7]", kOut},
                {341, "HB_RX_p[5]", kIn},
                {356, "HB_TX_p[7]", kOut}},
               k2V5);
    // Every pair leg but those of the reference clocks has its partner next
    // to it, with the same direction and standard.
    for (int q = 1; q < 400; ++q) {
        const TPin* pin = d.GetPin(q - 1);
        if (q > 323 && q <= 360) continue;  // single-ended HA and HB lines in row J
        if (!pin || pin->GetName().find("_p") == std::string::npos || pin->GetIoStandard() == kLvds) continue;
        const TPin* neg = d.GetPin(q);
        ASSERT_NE(neg, nullptr) << "position " << q + 1;
        std::string name = pin->GetName();
        name[name.find("_p") + 1] = 'n';
        EXPECT_EQ(neg->GetName(), name);
        EXPECT_EQ(neg->GetDirection(), pin->GetDirection());
        EXPECT_EQ(neg->GetIoStandard(), pin->GetIoStandard());
    }
}

TEST(FmcVendorNaming, WithoutTransceiversAndTheLpcRows)
{
    TDaughterBoard hpc, lpc, lpcXcvr;
    hpc.LoadCard(43, MAINBOARD_HOLLARNE, nullptr, kLvttl, 0);
    lpc.LoadCard(45, MAINBOARD_HOLLARNE, nullptr, kLvttl, 0);
    lpcXcvr.LoadCard(46, MAINBOARD_HOLLARNE, nullptr, kLvttl, 0);
    ExpectFmcMapShape(hpc, 400, 138);
    ExpectFmcMapShape(lpc, 400, 76);
    ExpectFmcMapShape(lpcXcvr, 400, 81);
    for (const TDaughterBoard* d : {&hpc, &lpc}) {
        EXPECT_EQ(PositionsOfPinsNamed(*d, "DP_"), std::vector<int>{});
        EXPECT_EQ(PositionsOfPinsNamed(*d, "GBTCLK"), std::vector<int>{});
        EXPECT_EQ(PinsPerStandard(*d), (std::map<IoStandard, int>{{k2V5, d->GetActivePinCount()}}));
    }
    ExpectPins(hpc, {{41, "CLK_DIR", kInout}, {207, "HA_TX_p[0]", kOut}, {208, "HA_TX_n[0]", kOut}}, k2V5);
    ExpectEmptyPositions(hpc, {2, 3, 60, 82, 364, 398});

    ExpectPins(lpc, {{90, "LA_RX_p[1]", kIn}, {91, "LA_RX_n[1]", kIn}, {284, "CLK_M2C_p[0]", kIn}}, k2V5);
    ExpectEmptyPositions(lpc, {41, 162, 326, 80, 321});
    ExpectOnlyLpcRows(lpc);
    ExpectOnlyLpcRows(lpcXcvr);
    // With transceivers the LPC card gains lane 0 on both legs and the P leg
    // of reference clock 0.
    EXPECT_EQ(PositionsOfPinsNamed(lpcXcvr, "DP_"), (std::vector<int>{82, 83, 86, 87}));
    ExpectPins(lpcXcvr, {{82, "DP_C2M_p[0]", kOut}, {83, "DP_C2M_n[0]", kOut}, {87, "DP_M2C_n[0]", kIn}}, kPcml14);
    ExpectPins(lpcXcvr, {{124, "GBTCLK_M2C_p[0]", kIn}}, kLvds);
    EXPECT_EQ(lpcXcvr.GetPin(124), nullptr);
}

TEST(FmcVendorNaming, HighLanesAndTheEnableSwitch)
{
    for (int32_t q : {364, 365, 367, 368, 379, 380, 397, 398}) EXPECT_TRUE(IsFmcHighLanePosition(q)) << q;
    for (int32_t q : {0, 2, 363, 366, 369, 396, 399, 400, 401, -364}) EXPECT_FALSE(IsFmcHighLanePosition(q)) << q;

    TConnector withoutHighLanes("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcGenericHpcPins(&withoutHighLanes, 1, k2V5, 0);
    ExpectFmcMapShape(withoutHighLanes, 400, 180);
    for (int q = 361; q <= 400; ++q) EXPECT_EQ(withoutHighLanes.GetPin(q - 1), nullptr) << q;
    ExpectPins(withoutHighLanes, {{2, "DP_M2C_p[1]", kIn}, {86, "DP_M2C_p[0]", kIn}}, kPcml14);

    // The argument reaches the pairs; LVDS pairs keep only their P legs.
    TConnector lvds("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcGenericHpcPins(&lvds, 0, kLvds, 1);
    ExpectFmcMapShape(lvds, 400, 138 - 61);  // 61 pairs at the argument
    ExpectPins(lvds, {{90, "LA_RX_p[1]", kIn}, {322, "HA_TX_p[5]", kOut}, {246, "LA_RX_CLK_p", kIn}}, kLvds);
    ExpectPins(lvds, {{326, "HA_RX_p[5]", kIn}, {41, "CLK_DIR", kInout}}, k2V5);
    ExpectEmptyPositions(lvds, {91, 323, 247});

    TConnector disabled("", "", CONNECTOR_FMC_LPC, -1);
    AddFmcGenericLpcPins(&disabled, 1, k2V5, 0);
    ExpectFmcMapShape(disabled, 400, 0);
}

TEST(FmcVitaBusNotation, Card40OnABoardWithItsOwnFmcBankVoltage)
{
    TDaughterBoard d;
    d.LoadCard(40, MAINBOARD_YARROWGATE, nullptr, k1V8, 0);
    ExpectFmcMapShape(d, 400, 192);
    ExpectPins(d,
               {{90, "LA_p[6]", kInout},
                {91, "LA_n[6]", kInout},
                {246, "LA_p[0]", kInout},
                {128, "LA_p[1]", kInout},
                {140, "LA_p[17]", kInout},
                {276, "LA_p[33]", kInout},
                {277, "LA_n[33]", kInout},
                {204, "HA_p[0]", kInout},
                {382, "HA_p[23]", kInout},
                {383, "HA_n[23]", kInout},
                {385, "HB_p[0]", kInout},
                {196, "HB_p[21]", kInout},
                {41, "CLK_DIR", kInout},
                {110, "SCL", kInout},
                {111, "SDA", kInout},
                {114, "GA[0]", kInout},
                {155, "GA[1]", kInout}},
               k1V8);
    ExpectPins(d,
               {{2, "DP_M2C_p[1]", kIn},
                {86, "DP_M2C_p[0]", kIn},
                {44, "DP_M2C_p[9]", kIn},
                {82, "DP_C2M_p[0]", kOut},
                {64, "DP_C2M_p[9]", kOut}},
               kHssi);
    ExpectPins(d,
               {{284, "CLK_M2C_p[0]", kIn},
                {242, "CLK_M2C_p[1]", kIn},
                {124, "GBTCLK_M2C_p[0]", kIn},
                {60, "GBTCLK_M2C_p[1]", kIn},
                {322, "CLK3_BIDIR_p", kOut},
                {364, "CLK2_BIDIR_p", kOut}},
               kLvds);
    ExpectPins(d, {{80, "RES[0]", kInout}}, k2V5);
    ExpectEmptyPositions(d, {3, 45, 61, 83, 243, 285, 323, 365, 1, 400});
}

TEST(FmcVitaBusNotation, Card41KeepsTheLpcRowsOnly)
{
    TDaughterBoard d;
    d.LoadCard(41, MAINBOARD_HOLLARNE, nullptr, k2V5, 0);
    ExpectFmcMapShape(d, 400, 77);
    EXPECT_EQ(d.GetPin(79), nullptr) << "RES[0] lies in row B";
    ExpectOnlyLpcRows(d);
    EXPECT_EQ(PinPositions(d).front(), 82);
    EXPECT_EQ(PinPositions(d).back(), 318);
    ExpectPins(d, {{82, "DP_C2M_p[0]", kOut}, {86, "DP_M2C_p[0]", kIn}}, kPcml15);
    ExpectPins(d, {{124, "GBTCLK_M2C_p[0]", kIn}, {242, "CLK_M2C_p[1]", kIn}}, kLvds);
    ExpectPins(d, {{317, "LA_p[32]", kInout}, {318, "LA_n[32]", kInout}, {114, "GA[0]", kInout}}, k2V5);
}

TEST(FmcVitaBusNotation, Card42AddsTheFmcPlusRows)
{
    TDaughterBoard d;
    d.LoadCard(42, MAINBOARD_YARROWGATE, nullptr, k1V8, 0);
    ExpectFmcMapShape(d, 560, 232);
    const TPin* present = d.GetPin(520);
    ASSERT_NE(present, nullptr);
    EXPECT_EQ(present->GetName(), "HSPC_pRSNT_M2C_L");
    ExpectPins(d, {{521, "HSPC_pRSNT_M2C_L", kInout}, {432, "RES[2]", kInout}, {433, "RES[3]", kInout}}, k1V8);
    ExpectPins(d, {{80, "RES[0]", kInout}, {401, "RES[1]", kInout}}, k2V5);
    ExpectPins(d,
               {{540, "GBTCLK_M2C_p[5]", kIn},
                {412, "GBTCLK_M2C_p[2]", kIn},
                {416, "SYNC_C2M_p", kOut},
                {420, "REFCLK_C2M_p", kOut},
                {424, "REFCLK_M2C_p", kIn},
                {428, "SYNC_M2C_p", kIn}},
               kLvds);
    ExpectPins(d,
               {{490, "DP_M2C_p[10]", kIn},
                {442, "DP_M2C_p[23]", kIn},
                {544, "DP_C2M_p[10]", kOut},
                {482, "DP_C2M_p[23]", kOut}},
               kHssi);
    ExpectEmptyPositions(d, {413, 417, 429, 443, 483, 541, 522, 560});
}

TEST(FmcVitaBusNotation, WithoutTransceiversNoLaneAndNoReferenceClock)
{
    struct Case {
        void (*map)(TConnector*, uint8_t, IoStandard, IoStandard);
        int entries;
        int pins;
    };
    const Case cases[] = {{AddFmcVitaHpcPins, 400, 170},
                          {AddFmcVitaPins, 400, 172},
                          {AddFmcVitaLpcPins, 400, 77 - 3},
                          {AddFmcPlusVitaPins, 560, 232 - 54}};
    for (const Case& k : cases) {
        TConnector c("", "", CONNECTOR_FMC_HPC, -1);
        k.map(&c, 0, k2V5, kPcml15);
        ExpectFmcMapShape(c, k.entries, k.pins);
        EXPECT_EQ(PositionsOfPinsNamed(c, "DP"), std::vector<int>{});
        EXPECT_EQ(PositionsOfPinsNamed(c, "GBTCLK"), std::vector<int>{});
    }
}

TEST(FmcVitaNames, Card40OnColvenna)
{
    TDaughterBoard d;
    d.LoadCard(40, MAINBOARD_COLVENNA, nullptr, k1V8, 0);
    ExpectFmcMapShape(d, 400, 194);
    ExpectPins(d,
               {{90, "LA06_P", kInout},
                {91, "LA06_N", kInout},
                {246, "LA00_P_CC", kInout},
                {247, "LA00_N_CC", kInout},
                {128, "LA01_P_CC", kInout},
                {140, "LA17_P_CC", kInout},
                {102, "LA18_P_CC", kInout},
                {302, "LA19_P", kInout},
                {382, "HA23_P", kInout},
                {204, "HA00_P_CC", kInout},
                {376, "HA17_P_CC", kInout},
                {367, "HA02_P", kInout},
                {388, "HB06_P_CC", kInout},
                {389, "HB06_N_CC", kInout},
                {397, "HB17_P_CC", kInout},
                {196, "HB21_P", kInout},
                {41, "CLK_DIR", kInout},
                {114, "GA0", kInout},
                {155, "GA1", kInout},
                {80, "RES0", kInout}},
               k2V5);
    ExpectPins(d, {{2, "DP1_M2C_P", kIn}, {64, "DP9_C2M_P", kOut}, {82, "DP0_C2M_P", kOut}}, kPcml15);
    ExpectPins(d,
               {{322, "CLK3_BIDIR_P", kInout},
                {323, "CLK3_BIDIR_N", kInout},
                {364, "CLK2_BIDIR_P", kInout},
                {365, "CLK2_BIDIR_N", kInout},
                {124, "GBTCLK0_M2C_P", kIn},
                {242, "CLK1_M2C_P", kIn},
                {284, "CLK0_M2C_P", kIn}},
               kLvds);
    ExpectEmptyPositions(d, {3, 65, 125, 243, 285});

    // At b 2.5 V and T 1.5-V PCML both namings put pins at the same
    // positions with the same directions, but for the bidirectional clocks.
    TDaughterBoard bus;
    bus.LoadCard(40, MAINBOARD_HOLLARNE, nullptr, k2V5, 0);
    for (int q = 1; q <= 400; ++q) {
        if (q == 322 || q == 323 || q == 364 || q == 365) continue;
        const TPin* a = d.GetPin(q - 1);
        const TPin* b = bus.GetPin(q - 1);
        ASSERT_EQ(a == nullptr, b == nullptr) << q;
        if (!a) continue;
        EXPECT_EQ(a->GetDirection(), b->GetDirection()) << q;
        EXPECT_EQ(a->GetIoStandard(), b->GetIoStandard()) << q;
    }
}

TEST(FmcStandardCards, LoaderTakesTheCatalogueTexts)
{
    struct Case {
        DaughterId card;
        const char* name;
        ConnectorType type;
    };
    const Case cases[] = {
        {40, "FMC HPC - VITA Standard", CONNECTOR_FMC_HPC},
        {41, "FMC LPC - VITA Standard", CONNECTOR_FMC_LPC},
        {42, "FMC+ (VITA57.4)", CONNECTOR_FMC_PLUS},
        {43, "FMC HPC - Altera Standard", CONNECTOR_FMC_HPC},
        {44, "FMC HPC with XCVR - Altera Standard", CONNECTOR_FMC_HPC},
        {45, "FMC LPC - Altera Standard", CONNECTOR_FMC_LPC},
        {46, "FMC LPC with XCVR - Altera Standard", CONNECTOR_FMC_LPC},
    };
    for (const Case& k : cases) {
        TDaughterBoard d;
        d.LoadCard(k.card, MAINBOARD_HOLLARNE, nullptr, k2V5, 0);
        EXPECT_EQ(d.GetName(), k.name);
        EXPECT_EQ(d.GetDescription(), k.name);
        EXPECT_EQ(d.GetType(), k.type);
        EXPECT_EQ(d.GetCardId(), -1);
    }
}

}  // namespace fmc_standard_cards_test
