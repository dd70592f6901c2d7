// SATA/SAS card (card 23): eight transceiver lanes 7 to 0 with both legs of
// every pair at the transceiver standard, the two-wire pair at the HSMC
// standard, the LEDs, switches and sideband lines at 2.5 V and an LVDS
// reference clock.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard T = card_io::Arg;
constexpr IoStandard H = card_io::Arg2;

const CardPinRow kSataPins[] = {
    {hsmc::kLaneTxP, "SATA_HSM_TX_P", "7-0", Out, T},
    {hsmc::kLaneRxP, "SATA_HSM_RX_P", "7-0", In, T},
    {hsmc::kLaneTxN, "SATA_HSM_TX_N", "7-0", Out, T},
    {hsmc::kLaneRxN, "SATA_HSM_RX_N", "7-0", In, T},
    {"33", "SATA_HSM_SDA", nullptr, Inout, H},
    {"34", "SATA_HSM_SCL", nullptr, Out, H},
    {"41, 47, 53, 59, 65, 71, 77, 83", "SATA_RX_LED_R", "7-0", Out, 6},
    {"42, 44, 48, 50, 54, 56, 60, 62", "SATA_USER_DIPSW", "7-0", In, 6},
    {"43, 49, 55, 61, 67, 73, 79, 85", "SATA_RX_LED_G", "7-0", Out, 6},
    {"84, 86, 90, 92, 96, 98", "SAS_SIDEBAND", "0-5", In, 6},
    {"89, 95, 101, 107, 113, 119, 125, 131", "SATA_TX_LED_R", "7-0", Out, 6},
    {"91, 97, 103, 109, 115, 121, 127, 133", "SATA_TX_LED_G", "7-0", Out, 6},
    {"137", "SATA_CLK_OE", nullptr, Out, 6},
    {"139", "SATA_CLK_FS", nullptr, Out, 6},
    {"156", "SATA_CLK_P", nullptr, In, 21},
    {"158", "SATA_CLK_N", nullptr, In, 21},
    {"160", "SATA_HSM_PSNTn", nullptr, In, 6},
};

}  // namespace

void AddSataSasCardPins(TConnector* connector, IoStandard transceiverStandard, IoStandard hsmcStandard)
{
    CardPinTable(hsmc::kPositions, {transceiverStandard, hsmcStandard}).Add(kSataPins).AppendTo(connector);
}
