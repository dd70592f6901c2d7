// SFP card (card 21): eight SFP channels, channels 0 to 3 and a spare lane
// ("XCVR_..4p") on transceiver lanes at the map's I/O standard, channels 4
// to 7 on LVDS pairs, and seven 2.5 V control pins per channel. Of every
// pair only the positive leg is a pin; its negative leg, two positions
// above, stays empty.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard T = card_io::Arg;

const CardPinRow kSfpPins[] = {
    {"13", "XCVR_TX4p", nullptr, Out, T},
    {"14", "XCVR_RX4p", nullptr, In, T},
    {"17, 21, 25, 29", "SFP_TD_XCVRp", "3-0", Out, T},
    {"18, 22, 26, 30", "SFP_RD_XCVRp", "3-0", In, T},
    {"39", "CLK_IN", nullptr, Out, 6},
    {"40", "CLK1", nullptr, In, 6},
    {"41-44", "SEL", "0-3", Inout, 6},
    {"47, 56, 67, 78", "SFP_TXFAULT", "3-0", In, 6},
    {"48, 59, 68, 79", "SFP_TXDISABLE", "3-0", Out, 6},
    {"49, 60, 71, 80", "SFP_MOD2_SDA", "3-0", Inout, 6},
    {"50, 61, 72, 83", "SFP_MOD1_SCL", "3-0", Out, 6},
    {"53, 62, 73, 84", "SFP_MOD0_PRSNT_N", "3-0", In, 6},
    {"54, 65, 74, 85", "SFP_RATESEL", "3-0", Out, 6},
    {"55, 66, 77, 86", "SFP_LOS", "3-0", In, 6},
    {"89, 113, 125, 143", "SFP_TD_LVDSp", "4-7", Out, 21},
    {"90, 114, 126, 144", "SFP_RD_LVDSp", "4-7", In, 21},
    {"95, 108, 131, 140", "SFP_TXFAULT", "4-7", In, 6},
    {"96, 156", "SFP_CLKp", "1-2", In, 21},
    {"97, 109, 132, 149", "SFP_TXDISABLE", "4-7", Out, 6},
    {"101, 110, 133, 150", "SFP_MOD2_SDA", "4-7", Inout, 6},
    {"102, 119, 134, 151", "SFP_MOD1_SCL", "4-7", Out, 6},
    {"103, 120, 137, 152", "SFP_MOD0_PRSNT_N", "4-7", In, 6},
    {"104, 121, 138, 155", "SFP_RATESEL", "4-7", Out, 6},
    {"107, 122, 139, 157", "SFP_LOS", "4-7", In, 6},
    {"160", "SFP_PSNTn", nullptr, In, 6},
};

}  // namespace

void AddSfpCardPins(TConnector* connector, IoStandard transceiverStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kSfpPins, transceiverStandard);
}
