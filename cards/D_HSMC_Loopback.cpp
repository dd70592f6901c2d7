// HSMC loopback card (cards 19 and 37, the latter with transceivers): every
// signal of one side ("L_") wired to its partner on the other ("R_"). Of
// each transceiver lane only the positive leg is named, at the map's
// transceiver standard; every other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard T = card_io::Arg;

const CardPinRow kLoopbackPins[] = {
    {hsmc::kLaneTxP, "L_P", "7-0", Out, T},
    {hsmc::kLaneRxP, "R_P", "7-0", In, T},
    {"39", "L_CLK0", nullptr, Inout, 6},
    {"40", "R_CLK0", nullptr, Inout, 6},
    {"41, 43", "L_D", "0-1", Inout, 6},
    {"42, 44", "R_D", "0-1", Inout, 6},
    {hsmc::kLvdsTxP, "L_D_P", "0-16", Inout, 6},
    {hsmc::kLvdsRxP, "R_D_P", "0-16", Inout, 6},
    {hsmc::kLvdsTxN, "L_D_N", "0-16", Inout, 6},
    {hsmc::kLvdsRxN, "R_D_N", "0-16", Inout, 6},
    {"95", "L_CLK_P1", nullptr, Inout, 6},
    {"96", "R_CLK_P1", nullptr, Inout, 6},
    {"97", "L_CLK_N1", nullptr, Inout, 6},
    {"98", "R_CLK_N1", nullptr, Inout, 6},
    {"155", "L_CLK_P2", nullptr, Inout, 6},
    {"156", "R_CLK_P2", nullptr, Inout, 6},
    {"157", "L_CLK_N2", nullptr, Inout, 6},
    {"158", "R_CLK_N2", nullptr, Inout, 6},
    {"160", "PSNTn", nullptr, In, 6},
};

}  // namespace

void AddHsmcLoopbackPins(TConnector* connector, uint8_t withTransceivers, IoStandard transceiverStandard)
{
    CardPinTable table(hsmc::kPositions, {transceiverStandard});
    table.Add(kLoopbackPins);
    if (!withTransceivers) table.Clear("1-30");
    table.AppendTo(connector);
}
