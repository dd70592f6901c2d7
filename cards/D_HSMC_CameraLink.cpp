// Camera Link receiver card (card 33): the base, medium and full
// configurations of the Camera Link interface. Every pin is 2.5 V. Neither
// "RX_BASE" nor "RX_MEDIUM" has an element 23.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;

const CardPinRow kCameraLinkPins[] = {
    {"39-41, 43, 47, 49, 53", "RX_BASE", "0-6", In},
    {"42, 44, 48, 50, 55", "RX_BASE", "7-11", In},
    {"54, 56, 60, 62", "RX_BASE", "12-15", In},
    {"59, 66", "RX_BASE", "16-17", In},
    {"61, 65, 67, 71, 85", "RX_BASE", "18-22", In},
    {"68, 72, 74, 78", "RXCC", "4-1", Out},
    {"73, 77, 79, 83", "RX_BASE", "27-24", In},
    {"80", "RXCC_EN", nullptr, Out},
    {"84", "RXSERTFG_EN", nullptr, Out},
    {"86", "RXSERTFG", nullptr, In},
    {"89", "RX_FULL14_HSMC", nullptr, In},
    {"90", "RXSERTC", nullptr, Out},
    {"91, 95, 97, 101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145, 151",
     "RX_MEDIUM", "1-20", In},
    {"92", "RXSERTC_EN", nullptr, Out},
    {"96", "RXCLK_BASE", nullptr, In},
    {"98", "RXCLK_FULL", nullptr, In},
    {"102", "RX2SERTC_EN", nullptr, Out},
    {"104", "RX2SERTFG", nullptr, In},
    {"108", "RX2SERTFG_EN", nullptr, Out},
    {"110, 114, 116, 120", "RX2CC", "1-4", Out},
    {"122", "RX2CC_EN", nullptr, Out},
    {"126", "RX_MEDIUM[0]", nullptr, In},
    {"128, 132, 134, 157", "RX_MEDIUM", "27-24", In},
    {"138", "RX2SERTC", nullptr, Out},
    {"140", "RX_FULL9_HSMC", nullptr, In},
    {"144", "RX_FULL10_HSMC", nullptr, In},
    {"146", "RX_FULL11_HSMC", nullptr, In},
    {"149, 155", "RX_MEDIUM", "21-22", In},
    {"150", "RX_FULL12_HSMC", nullptr, In},
    {"152", "RX_FULL13_HSMC", nullptr, In},
    {"156", "RXCLK_MEDIUM", nullptr, In},
    {"158", "RX_FULL27_HSMC", nullptr, In},
};

}  // namespace

void AddCameraLinkReceiverPins(TConnector* connector)
{
    AddCardPinTable(connector, hsmc::kPositions, kCameraLinkPins, 6);
}
