// LVDS crossover card (card 56): loops the 17 LVDS pairs and the two clock
// pairs of one HSMC connector back to another, so its receive lines lie
// where the connector's own pairs transmit. Both legs of every pair are
// pins, all "LVDS". The map's I/O standard goes to "SDA" and "SCL" only.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard H = card_io::Arg;

const CardPinRow kCrossoverPins[] = {
    {"33", "SDA", nullptr, Inout, H},
    {"34", "SCL", nullptr, Inout, H},
    {"39", "CLKIN0", nullptr, In, 6},
    {"40", "CLKOUT0", nullptr, Out, 6},
    {"41, 43", "DATA_RX", "0-1", In, 6},
    {"42, 44", "DATA_TX", "0-1", Out, 6},
    {hsmc::kLvdsTxP, "LVDS_RX_p%d", "0-16", In, 21},
    {hsmc::kLvdsRxP, "LVDS_TX_p%d", "0-16", Out, 21},
    {hsmc::kLvdsTxN, "LVDS_RX_n%d", "0-16", In, 21},
    {hsmc::kLvdsRxN, "LVDS_TX_n%d", "0-16", Out, 21},
    {"95, 155", "CLK_IN_p%d", "1-2", In, 21},
    {"96, 156", "CLK_OUT_p%d", "1-2", Out, 21},
    {"97, 157", "CLK_IN_n%d", "1-2", In, 21},
    {"98, 158", "CLK_OUT_n%d", "1-2", Out, 21},
};

}  // namespace

void AddLvdsCrossoverPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kCrossoverPins, ioStandard);
}
