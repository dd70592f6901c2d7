// DVI full-HD TX/RX card (card 6). Only the two-wire pair at 33 and 34
// takes the map's I/O standard; every other pin is 2.5 V. The Tavrel
// loopback card carries the same pins.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kDviPins[] = {
    {"33", "DVI_HSMC_SDA", nullptr, Inout, Arg},
    {"34", "DVI_HSMC_SCL", nullptr, Out, Arg},
    {"41, 43, 47, 49, 53, 55, 59, 61", "DVI_RX_D", "0-7", In, 6},
    {"42, 44", "DVI_RX_D", "14-15", In, 6},
    {"48, 50, 54, 56, 60, 62", "DVI_RX_D", "13-8", In, 6},
    {"65", "DVI_RX_CTL[1]", nullptr, In, 6},
    {"66, 68, 72, 74, 78, 80, 84, 86", "DVI_RX_D", "23-16", In, 6},
    {"67", "DVI_RX_HS", nullptr, In, 6},
    {"71", "DVI_RX_VS", nullptr, In, 6},
    {"73", "DVI_RX_DE", nullptr, In, 6},
    {"77, 79", "DVI_RX_CTL", "3-2", In, 6},
    {"83", "DVI_RX_DDCSDA", nullptr, Inout, 6},
    {"85", "DVI_RX_DDCSCL", nullptr, Inout, 6},
    {"89", "DVI_EDID_WP", nullptr, Out, 6},
    {"90", "DVI_RX_SCDT", nullptr, In, 6},
    {"92, 95", "DVI_TX_D", "17-16", Out, 6},
    {"96", "DVI_RX_CLK", nullptr, In, 6},
    {"101, 103, 107, 109", "DVI_TX_D", "12-15", Out, 6},
    {"102, 104, 108, 110, 114, 116", "DVI_TX_D", "18-23", Out, 6},
    {"113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145", "DVI_TX_D", "11-0", Out, 6},
    {"120", "DVI_TX_DKEN", nullptr, Out, 6},
    {"122", "DVI_TX_HS", nullptr, Out, 6},
    {"126", "DVI_TX_VS", nullptr, Out, 6},
    {"128, 132, 134", "DVI_TX_CTL", "3-1", Out, 6},
    {"138", "DVI_TX_HTPLG", nullptr, Out, 6},
    {"140", "DVI_TX_PD_N", nullptr, Out, 6},
    {"144", "DVI_TX_MSEN", nullptr, Out, 6},
    {"146", "DVI_TX_ISEL", nullptr, Out, 6},
    {"149", "DVI_TX_DE", nullptr, Out, 6},
    {"150", "DVI_TX_SDA", nullptr, Inout, 6},
    {"151", "DVI_TX_DDCSDA", nullptr, Inout, 6},
    {"152", "DVI_TX_SCL", nullptr, Out, 6},
    {"155", "DVI_TX_CLK", nullptr, Out, 6},
    {"157", "DVI_TX_DDCSCL", nullptr, Inout, 6},
};

}  // namespace

void AddDviCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kDviPins, ioStandard);
}
