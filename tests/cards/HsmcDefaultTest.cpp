// The default HSMC naming in its four schemes, its board exceptions and
// upper-case form, and the LVDS default card.
#include <gtest/gtest.h>

#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace hsmc_default_test {

namespace {

// Positions of the HSMC layout without a signal in any scheme.
const std::string kLayoutGaps =
    "35-38, 45, 46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99, 100, "
    "105, 106, 111, 112, 117, 118, 123, 124, 129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159";
// The negative legs of the transceiver lanes.
const std::string kLaneNegativeLegs = "3, 4, 7, 8, 11, 12, 15, 16, 19, 20, 23, 24, 27, 28, 31, 32";

std::vector<int> Empty(const std::string& list)
{
    return Positions(list.c_str());
}

constexpr IoStandard kIo = 39;    // "3.0-V PCI-X", apart from every fixed code
constexpr IoStandard kXcvr = 52;  // "HSSI Differential I/O"

}  // namespace

TEST(HsmcDefaultNaming, SchemeAndPinCountByMainBoard)
{
    struct Case {
        int board;
        uint8_t withTransceivers;
        int pins;
        std::string empty;
    };
    const std::string brackwellEmpty = kLayoutGaps + ", " + kLaneNegativeLegs;
    const Case cases[] = {
        {0, 0, 117, kLayoutGaps},
        {MAINBOARD_HOLLARNE, 1, 117, kLayoutGaps},
        {MAINBOARD_KESTLEFORD, 0, 117, kLayoutGaps},
        {MAINBOARD_GORSEWIN, 1, 117, kLayoutGaps},
        {MAINBOARD_OSTERLIN, 0, 117, kLayoutGaps},
        {MAINBOARD_QUENWICK, 0, 117, kLayoutGaps},
        {MAINBOARD_LARROWEN, 0, 117, kLayoutGaps},
        {MAINBOARD_ORMSGILL, 1, 100, brackwellEmpty + ", 160"},
        {MAINBOARD_ORMSGILL, 0, 84, kLayoutGaps + ", 1-32, 160"},
        {MAINBOARD_BRACKWELL, 0, 101, brackwellEmpty},
        {MAINBOARD_ESTOVER, 1, 101, brackwellEmpty},
        {MAINBOARD_HETHERMOOR, 0, 101, brackwellEmpty},
        {MAINBOARD_IVENHOLD, 1, 101, brackwellEmpty},
        {MAINBOARD_WENDLEBURY, 0, 101, brackwellEmpty},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("board " + std::to_string(k.board) + ", transceivers " + std::to_string(k.withTransceivers));
        TDaughterBoard c;
        AddHsmcDefaultPins(&c, k.board, 0, 0, k.withTransceivers, kIo, kXcvr);
        ExpectCardShape(c, 160, k.pins, Empty(k.empty));
        ExpectIoStandards(c, kIo, {{"1-32", kXcvr}});
    }
}

TEST(HsmcDefaultNaming, DefaultSchemeRows)
{
    TDaughterBoard c;
    AddHsmcDefaultPins(&c, MAINBOARD_HOLLARNE, 0, 0, 0, kIo, kXcvr);
    ExpectPins(c,
               {
                   {1, "TX_p[7]", kOut, kXcvr},   {2, "RX_p[7]", kIn, kXcvr},     {3, "TX_n[7]", kOut, kXcvr},
                   {4, "RX_n[7]", kIn, kXcvr},    {17, "TX_p[3]", kOut, kXcvr},   {29, "TX_p[0]", kOut, kXcvr},
                   {32, "RX_n[0]", kIn, kXcvr},   {33, "SDA", kInout},            {34, "SCL", kOut},
                   {39, "CLKOUT0", kOut},         {40, "CLKIN0", kIn},            {41, "D[0]", kInout},
                   {44, "D[3]", kInout},          {47, "TX_D_p[0]", kInout},      {48, "RX_D_p[0]", kInout},
                   {49, "TX_D_n[0]", kInout},     {50, "RX_D_n[0]", kInout},      {89, "TX_D_p[7]", kInout},
                   {92, "RX_D_n[7]", kInout},     {95, "CLKOUT_p1", kOut},        {96, "CLKIN_p1", kIn},
                   {97, "CLKOUT_n1", kOut},       {98, "CLKIN_n1", kIn},          {101, "TX_D_p[8]", kInout},
                   {149, "TX_D_p[16]", kInout},   {152, "RX_D_n[16]", kInout},    {155, "CLKOUT_p2", kOut},
                   {156, "CLKIN_p2", kIn},        {157, "CLKOUT_n2", kOut},       {158, "CLKIN_n2", kIn},
                   {160, "PRSNT_n", kIn},
               },
               kIo);
    ExpectBusElements(c, "TX_D_p", "0-16");
    ExpectBusElements(c, "RX_n", "0-7");
}

TEST(HsmcDefaultNaming, BoardExceptionsOfTheDefaultScheme)
{
    TDaughterBoard larrowen;
    AddHsmcDefaultPins(&larrowen, MAINBOARD_LARROWEN, 1, 0, 0, kIo, kXcvr);
    ExpectPins(larrowen, {{33, "I2C_SDAT", kInout}, {34, "I2C_SCLK", kOut}, {39, "CLKOUT0", kOut}}, kIo);

    // On Quenwick the option renames the second clock pair's outputs only
    // when it is exactly 1.
    for (int32_t option : {0, 1, 2, -1}) {
        SCOPED_TRACE("option " + std::to_string(option));
        TDaughterBoard c;
        AddHsmcDefaultPins(&c, MAINBOARD_QUENWICK, option, 0, 0, kIo, kXcvr);
        const bool renamed = option == 1;
        ExpectPins(c,
                   {
                       {33, "SDA", kInout},
                       {39, "OUT0", kOut},
                       {95, "OUT_p1", kOut},
                       {96, "CLKIN_p1", kIn},
                       {97, "OUT_n1", kOut},
                       {155, renamed ? "OUT_p2" : "CLKOUT_p2", kOut},
                       {157, renamed ? "OUT_n2" : "CLKOUT_n2", kOut},
                   },
                   kIo);
    }

    // The option means nothing elsewhere.
    TDaughterBoard other;
    AddHsmcDefaultPins(&other, MAINBOARD_HOLLARNE, 1, 0, 0, kIo, kXcvr);
    ExpectPins(other, {{39, "CLKOUT0", kOut}, {155, "CLKOUT_p2", kOut}}, kIo);
}

TEST(HsmcDefaultNaming, BrackwellAndHethermoorSchemes)
{
    const std::vector<ExpectedPin> brackwellRows = {
        {1, "GXB_TX_p[7]", kOut, kXcvr}, {2, "GXB_RX_p[7]", kIn, kXcvr}, {29, "GXB_TX_p[0]", kOut, kXcvr},
        {30, "GXB_RX_p[0]", kIn, kXcvr}, {33, "SDA", kInout},            {47, "TX_p[0]", kInout},
        {48, "RX_p[0]", kInout},         {49, "TX_n[0]", kInout},        {50, "RX_n[0]", kInout},
        {149, "TX_p[16]", kInout},       {152, "RX_n[16]", kInout},      {160, "PRSNT_n", kIn},
    };
    for (int board : {MAINBOARD_BRACKWELL, MAINBOARD_ESTOVER, MAINBOARD_HETHERMOOR, MAINBOARD_IVENHOLD,
                      MAINBOARD_WENDLEBURY}) {
        SCOPED_TRACE("board " + std::to_string(board));
        TDaughterBoard c;
        AddHsmcDefaultPins(&c, board, 0, 0, 1, kIo, kXcvr);
        ExpectPins(c, brackwellRows, kIo);
    }

    TDaughterBoard brackwell;
    AddHsmcDefaultPins(&brackwell, MAINBOARD_BRACKWELL, 0, 0, 0, kIo, kXcvr);
    ExpectPins(brackwell,
               {{39, "CLKOUT0", kOut}, {40, "CLKIN0", kIn}, {95, "CLKOUT_p1", kOut}, {158, "CLKIN_n2", kIn}}, kIo);

    TDaughterBoard hethermoor;
    AddHsmcDefaultPins(&hethermoor, MAINBOARD_HETHERMOOR, 0, 0, 0, kIo, kXcvr);
    ExpectPins(hethermoor,
               {
                   {39, "CLK_OUT0", kOut},
                   {40, "CLK_IN0", kIn},
                   {95, "CLKOUT_p[1]", kOut},
                   {96, "CLKIN_p[1]", kIn},
                   {97, "CLKOUT_n[1]", kOut},
                   {98, "CLKIN_n[1]", kIn},
                   {155, "CLKOUT_p[2]", kOut},
                   {156, "CLKIN_p[2]", kIn},
                   {157, "CLKOUT_n[2]", kOut},
                   {158, "CLKIN_n[2]", kIn},
               },
               kIo);

    for (int board : {MAINBOARD_IVENHOLD, MAINBOARD_WENDLEBURY}) {
        TDaughterBoard c;
        AddHsmcDefaultPins(&c, board, 0, 0, 0, kIo, kXcvr);
        ExpectPins(c, {{39, "CLKOUT0", kOut}, {40, "CLKIN0", kIn}, {95, "CLKOUT_p[1]", kOut}}, kIo);
    }
}

TEST(HsmcDefaultNaming, OrmsgillScheme)
{
    TDaughterBoard with;
    AddHsmcDefaultPins(&with, MAINBOARD_ORMSGILL, 1, 0, 1, kIo, kXcvr);
    ExpectPins(with,
               {
                   {1, "GXB_TX_p[7]", kOut, kXcvr}, {2, "GXB_RX_p[7]", kIn, kXcvr}, {26, "GXB_RX_p[1]", kIn, kXcvr},
                   {33, "SDA", kInout},             {34, "SCL", kOut},              {39, "OUT0", kOut},
                   {40, "CLKIN0", kIn},             {44, "D[3]", kInout},           {47, "TX_p[0]", kInout},
                   {50, "RX_n[0]", kInout},         {101, "TX_p[8]", kInout},       {149, "TX_p[16]", kInout},
                   {95, "OUT_p1", kOut},            {96, "CLKIN_p1", kIn},          {97, "OUT_n1", kOut},
                   {98, "CLKIN_n1", kIn},           {155, "CLKOUT_p2", kOut},       {156, "CLKIN_p2", kIn},
                   {157, "CLKOUT_n2", kOut},        {158, "CLKIN_n2", kIn},
               },
               kIo);
    EXPECT_EQ(with.GetPin(159), nullptr);
}

TEST(HsmcDefaultNaming, UpperCaseNames)
{
    TDaughterBoard wendlebury;
    wendlebury.LoadCard(2, MAINBOARD_WENDLEBURY, nullptr, 8, 0);
    ExpectPins(wendlebury, {{47, "TX_P[0]", kInout}, {39, "CLKOUT0", kOut}, {95, "CLKOUT_P[1]", kOut}}, 6);
    EXPECT_EQ(wendlebury.GetPin(2), nullptr);
    EXPECT_EQ(wendlebury.GetPin(3), nullptr);

    TDaughterBoard hethermoor;
    hethermoor.LoadCard(2, MAINBOARD_HETHERMOOR, nullptr, 8, 0);
    ExpectPins(hethermoor,
               {
                   {1, "GXB_TX_P[7]", kOut, 36},
                   {39, "CLK_OUT0", kOut},
                   {95, "CLKOUT_P[1]", kOut},
                   {47, "TX_P[0]", kInout},
                   {160, "PRSNT_N", kIn},
               },
               6);
    TDaughterBoard hethermoorXcvr;
    hethermoorXcvr.LoadCard(3, MAINBOARD_HETHERMOOR, nullptr, 8, 0);
    ExpectPins(hethermoorXcvr, {{1, "GXB_TX_p[7]", kOut, 36}, {95, "CLKOUT_p[1]", kOut}}, 6);

    TDaughterBoard larrowen;
    larrowen.LoadCard(2, MAINBOARD_LARROWEN, nullptr, 8, 0);
    ExpectPins(larrowen, {{33, "I2C_SDAT", kInout}, {47, "TX_D_P[0]", kInout}, {1, "TX_P[7]", kOut, 36}}, 6);

    // The map upper-cases every name it makes, on any scheme.
    TDaughterBoard ormsgill;
    AddHsmcDefaultPins(&ormsgill, MAINBOARD_ORMSGILL, 0, 1, 1, kIo, kXcvr);
    ExpectPins(ormsgill, {{1, "GXB_TX_P[7]", kOut, kXcvr}, {95, "OUT_P1", kOut}, {158, "CLKIN_N2", kIn}}, kIo);
}

TEST(HsmcDefaultNaming, TransceiverFlagMattersOnlyOnOrmsgill)
{
    for (int board : {0, int{MAINBOARD_HOLLARNE}, int{MAINBOARD_QUENWICK}, int{MAINBOARD_BRACKWELL}, int{MAINBOARD_HETHERMOOR}}) {
        SCOPED_TRACE("board " + std::to_string(board));
        TDaughterBoard without;
        TDaughterBoard with;
        AddHsmcDefaultPins(&without, board, 0, 0, 0, kIo, kXcvr);
        AddHsmcDefaultPins(&with, board, 0, 0, 1, kIo, kXcvr);
        ExpectSameEntries(without, with);
        ASSERT_NE(with.GetPin(0), nullptr);
    }

    TDaughterBoard card2;
    TDaughterBoard card3;
    card2.LoadCard(2, MAINBOARD_ORMSGILL, nullptr, 8, 0);
    card3.LoadCard(3, MAINBOARD_ORMSGILL, nullptr, 8, 0);
    ExpectCardShape(card2, 160, 84, Empty(kLayoutGaps + ", 1-32, 160"));
    ExpectCardShape(card3, 160, 100, Empty(kLayoutGaps + ", " + kLaneNegativeLegs + ", 160"));
    ExpectIoStandards(card3, 6, {{"1-32", 35}});
}

TEST(HsmcDefaultNaming, VoltageVariantsTakeTheirStandardOutsideTheLanes)
{
    struct Case {
        DaughterId card;
        IoStandard ioStandard;
        bool transceivers;
    };
    const Case cases[] = {
        {2, 6, false},  {3, 6, true},   {90, 8, false},  {91, 3, false}, {92, 0, false},
        {98, 39, false}, {93, 8, true}, {94, 39, true},  {95, 3, true},  {96, 0, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card));
        // Whatever standard the form hands the loader.
        TDaughterBoard c;
        c.LoadCard(k.card, MAINBOARD_HOLLARNE, nullptr, 8, 0);
        ExpectCardShape(c, 160, 117, Empty(kLayoutGaps));
        ExpectIoStandards(c, k.ioStandard, {{"1-32", 36}});
        EXPECT_EQ(c.GetType(), CONNECTOR_HSMC);

        // Only the Ormsgill scheme reads the transceiver flag.
        TDaughterBoard ormsgill;
        ormsgill.LoadCard(k.card, MAINBOARD_ORMSGILL, nullptr, 8, 0);
        EXPECT_EQ(ormsgill.GetActivePinCount(), k.transceivers ? 100 : 84);
        ExpectIoStandards(ormsgill, k.ioStandard, {{"1-32", 35}});
    }
}

TEST(HsmcLvdsDefault, PositiveLegsOnTheLvdsStandard)
{
    TDaughterBoard c;
    AddHsmcLvdsDefaultPins(&c, 0, kXcvr, kIo, 21);
    const std::string empty = kLayoutGaps + ", " + kLaneNegativeLegs +
                              ", 49, 50, 55, 56, 61, 62, 67, 68, 73, 74, 79, 80, 85, 86, 91, 92, 97, 98, "
                              "103, 104, 109, 110, 115, 116, 121, 122, 127, 128, 133, 134, 139, 140, 145, 146, "
                              "151, 152, 157, 158, 160";
    ExpectCardShape(c, 160, 62, Empty(empty));
    ExpectIoStandards(c, 21, {{"1, 2, 5, 6, 9, 10, 13, 14, 17, 18, 21, 22, 25, 26, 29, 30", kXcvr},
                              {"33, 34, 39-44", kIo}});
    ExpectPins(c,
               {
                   {1, "TX_p[7]", kOut, kXcvr}, {30, "RX_p[0]", kIn, kXcvr}, {33, "SDA", kInout, kIo},
                   {34, "SCL", kOut, kIo},      {39, "CLKOUT0", kOut, kIo},  {40, "CLKIN0", kIn, kIo},
                   {41, "D[0]", kInout, kIo},   {47, "TX_D_p[0]", kOut},     {48, "RX_D_p[0]", kIn},
                   {149, "TX_D_p[16]", kOut},   {150, "RX_D_p[16]", kIn},    {95, "CLKOUT_p1", kOut},
                   {96, "CLKIN_p1", kIn},       {155, "CLKOUT_p2", kOut},    {156, "CLKIN_p2", kIn},
               },
               21);
}

TEST(HsmcLvdsDefault, OrmsgillNamingOnOrmsgillAndBrackwell)
{
    // On Ormsgill the LVDS default card is the transceiver default card.
    TDaughterBoard lvds;
    TDaughterBoard card3;
    lvds.LoadCard(4, MAINBOARD_ORMSGILL, nullptr, 8, 0);
    card3.LoadCard(3, MAINBOARD_ORMSGILL, nullptr, 8, 0);
    ExpectSameEntries(lvds, card3);
    EXPECT_EQ(lvds.GetName(), "HSMC LVDS Default");

    // On Brackwell it keeps that naming while the default card does not.
    TDaughterBoard brackwellLvds;
    TDaughterBoard brackwellDefault;
    brackwellLvds.LoadCard(4, MAINBOARD_BRACKWELL, nullptr, 8, 0);
    brackwellDefault.LoadCard(2, MAINBOARD_BRACKWELL, nullptr, 8, 0);
    ExpectPins(brackwellLvds, {{39, "OUT0", kOut}, {47, "TX_p[0]", kInout}, {1, "GXB_TX_p[7]", kOut, 35}}, 6);
    EXPECT_EQ(brackwellLvds.GetPin(159), nullptr);
    EXPECT_EQ(brackwellLvds.GetActivePinCount(), 100);
    ExpectPins(brackwellDefault, {{39, "CLKOUT0", kOut}, {160, "PRSNT_n", kIn}}, 6);

    // Elsewhere the loader asks for the LVDS naming.
    TDaughterBoard hollarne;
    hollarne.LoadCard(4, MAINBOARD_HOLLARNE, nullptr, 8, 0);
    EXPECT_EQ(hollarne.GetActivePinCount(), 62);
    ExpectPins(hollarne, {{1, "TX_p[7]", kOut, 36}, {47, "TX_D_p[0]", kOut, 21}, {33, "SDA", kInout, 6}}, 6);
}

}  // namespace hsmc_default_test
