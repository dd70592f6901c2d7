// Pavlin transceiver-to-SMA card (card 26): four transceiver lanes at the
// map's I/O standard on the positions of the SFP card's channels 3 to 0 and
// four LVDS clocks, all with their positive legs only.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard T = card_io::Arg;

const CardPinRow kPavlinPins[] = {
    {"17, 21, 25, 29", "TX_P", "3-0", Out, T},
    {"18, 22, 26, 30", "RX_P", "3-0", In, T},
    {"39", "CLKOUT0", nullptr, Out, 6},
    {"40", "CLKIN0", nullptr, In, 6},
    {"95, 155", "CLKOUT_P", "1-2", Out, 21},
    {"96, 156", "CLKIN_P", "1-2", In, 21},
    {"160", "SFP_PSNTn", nullptr, In, 6},
};

}  // namespace

void AddTransceiverToSmaCardPins(TConnector* connector, IoStandard transceiverStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kPavlinPins, transceiverStandard);
}
