// The default HSMC card: the bare HSMC connector with every signal position
// named after its role (cards 2, 3, 90 to 96 and 98), in the naming scheme
// of the main board; and the LVDS default card (card 4), which names only
// the positive leg of every pair.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"
#include "model/MainBoard.h"

namespace {

using namespace card_dir;
constexpr IoStandard T = card_io::Arg2;  // the transceiver standard
constexpr IoStandard L = card_io::Arg3;  // the LVDS standard (LVDS default card)

// ---- Default scheme ---------------------------------------------------------

const CardPinRow kDefaultLanes[] = {
    {hsmc::kLaneTxP, "TX_p", "7-0", Out, T},
    {hsmc::kLaneRxP, "RX_p", "7-0", In, T},
    {hsmc::kLaneTxN, "TX_n", "7-0", Out, T},
    {hsmc::kLaneRxN, "RX_n", "7-0", In, T},
};

const CardPinRow kDefaultSignals[] = {
    {"33", "SDA", nullptr, Inout},
    {"34", "SCL", nullptr, Out},
    {"39", "CLKOUT0", nullptr, Out},
    {"40", "CLKIN0", nullptr, In},
    {"41-44", "D", "0-3", Inout},
    {hsmc::kLvdsTxP, "TX_D_p", "0-16", Inout},
    {hsmc::kLvdsRxP, "RX_D_p", "0-16", Inout},
    {hsmc::kLvdsTxN, "TX_D_n", "0-16", Inout},
    {hsmc::kLvdsRxN, "RX_D_n", "0-16", Inout},
    {"95", "CLKOUT_p1", nullptr, Out},
    {"96", "CLKIN_p1", nullptr, In},
    {"97", "CLKOUT_n1", nullptr, Out},
    {"98", "CLKIN_n1", nullptr, In},
    {"155", "CLKOUT_p2", nullptr, Out},
    {"156", "CLKIN_p2", nullptr, In},
    {"157", "CLKOUT_n2", nullptr, Out},
    {"158", "CLKIN_n2", nullptr, In},
    {"160", "PRSNT_n", nullptr, In},
};

// Board exceptions of the default scheme.
const CardPinName kLarrowenNames[] = {{33, "I2C_SDAT"}, {34, "I2C_SCLK"}};
const CardPinName kQuenwickNames[] = {{39, "OUT0"}, {95, "OUT_p1"}, {97, "OUT_n1"}};
const CardPinName kQuenwickOption1Names[] = {{155, "OUT_p2"}, {157, "OUT_n2"}};

// ---- Brackwell scheme: the default scheme with these differences -------------

// Only the positive legs of the lanes; 3, 4, 7, 8, ... 31, 32 stay empty.
const CardPinRow kGxbLanes[] = {
    {hsmc::kLaneTxP, "GXB_TX_p", "7-0", Out, T},
    {hsmc::kLaneRxP, "GXB_RX_p", "7-0", In, T},
};

const CardPinRow kBrackwellLvds[] = {
    {hsmc::kLvdsTxP, "TX_p", "0-16", Inout},
    {hsmc::kLvdsRxP, "RX_p", "0-16", Inout},
    {hsmc::kLvdsTxN, "TX_n", "0-16", Inout},
    {hsmc::kLvdsRxN, "RX_n", "0-16", Inout},
};

// ---- Hethermoor scheme: the Brackwell scheme with these names ----------------

// On Ivenhold and Wendlebury 39 and 40 keep "CLKOUT0" and "CLKIN0".
const CardPinName kHethermoorClock0Names[] = {{39, "CLK_OUT0"}, {40, "CLK_IN0"}};
const CardPinName kHethermoorClockPairNames[] = {
    {95, "CLKOUT_p[1]"},  {96, "CLKIN_p[1]"},  {97, "CLKOUT_n[1]"},  {98, "CLKIN_n[1]"},
    {155, "CLKOUT_p[2]"}, {156, "CLKIN_p[2]"}, {157, "CLKOUT_n[2]"}, {158, "CLKIN_n[2]"},
};

// ---- LVDS default card -------------------------------------------------------

const CardPinRow kLvdsDefaultPins[] = {
    {hsmc::kLaneTxP, "TX_p", "7-0", Out, T},
    {hsmc::kLaneRxP, "RX_p", "7-0", In, T},
    {"33", "SDA", nullptr, Inout},
    {"34", "SCL", nullptr, Out},
    {"39", "CLKOUT0", nullptr, Out},
    {"40", "CLKIN0", nullptr, In},
    {"41-44", "D", "0-3", Inout},
    {hsmc::kLvdsTxP, "TX_D_p", "0-16", Out, L},
    {hsmc::kLvdsRxP, "RX_D_p", "0-16", In, L},
    {"95", "CLKOUT_p1", nullptr, Out, L},
    {"96", "CLKIN_p1", nullptr, In, L},
    {"155", "CLKOUT_p2", nullptr, Out, L},
    {"156", "CLKIN_p2", nullptr, In, L},
};

void AddDefaultScheme(CardPinTable& table, int32_t board, int32_t option)
{
    table.Add(kDefaultLanes).Add(kDefaultSignals);
    if (board == MAINBOARD_LARROWEN) table.Rename(kLarrowenNames);
    if (board == MAINBOARD_QUENWICK) {
        table.Rename(kQuenwickNames);
        if (option == 1) table.Rename(kQuenwickOption1Names);
    }
}

void AddBrackwellScheme(CardPinTable& table)
{
    table.Add(kGxbLanes).Add(kDefaultSignals).Replace(kBrackwellLvds);
}

void AddHethermoorScheme(CardPinTable& table, int32_t board)
{
    AddBrackwellScheme(table);
    if (board == MAINBOARD_HETHERMOOR) table.Rename(kHethermoorClock0Names);
    table.Rename(kHethermoorClockPairNames);
}

// The Ormsgill scheme names its positions by rule: lane k's positive legs
// "GXB_TX_p[k]" and "GXB_RX_p[k]" (only with transceivers), the LVDS legs
// "TX_p[k]", "RX_p[k]", "TX_n[k]", "RX_n[k]", the clock outputs at 39, 95
// and 97 "OUT0", "OUT_p1" and "OUT_n1", and no presence signal. That is the
// Brackwell scheme with those three names and without position 160.
void AddOrmsgillScheme(CardPinTable& table, bool withTransceivers)
{
    if (withTransceivers) table.Add(kGxbLanes);
    table.Add(kDefaultSignals).Replace(kBrackwellLvds).Rename(kQuenwickNames).Clear("160");
}

}  // namespace

void AddHsmcDefaultPins(TConnector* connector, int32_t board, int32_t option, uint8_t upperCase,
                        uint8_t withTransceivers, IoStandard ioStandard, IoStandard transceiverStandard)
{
    CardPinTable table(hsmc::kPositions, {ioStandard, transceiverStandard});
    switch (board) {
    case MAINBOARD_ORMSGILL: AddOrmsgillScheme(table, withTransceivers != 0); break;
    case MAINBOARD_BRACKWELL:
    case MAINBOARD_ESTOVER: AddBrackwellScheme(table); break;
    case MAINBOARD_HETHERMOOR:
    case MAINBOARD_IVENHOLD:
    case MAINBOARD_WENDLEBURY: AddHethermoorScheme(table, board); break;
    default: AddDefaultScheme(table, board, option); break;
    }
    const int first = connector->GetPinCount();
    table.AppendTo(connector);
    if (!upperCase) return;
    for (int i = first; i < connector->GetPinCount(); ++i) {
        TPin* pin = connector->GetPin(i);
        if (!pin) continue;
        std::string name = pin->GetName();
        for (char& ch : name)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        pin->SetName(name);
    }
}

void AddHsmcLvdsDefaultPins(TConnector* connector, uint8_t ormsgillNaming, IoStandard transceiverStandard,
                            IoStandard ioStandard, IoStandard lvdsStandard)
{
    CardPinTable table(hsmc::kPositions, {ioStandard, transceiverStandard, lvdsStandard});
    if (ormsgillNaming)
        AddOrmsgillScheme(table, true);
    else
        table.Add(kLvdsDefaultPins);
    table.AppendTo(connector);
}
