// Kember 4.3" LCD with touch controller (card 13). The blue bus is split:
// B[3]..B[0] at 6-9, B[4]..B[7] at 16-19.
// No signal at 11, 12, 29 and 30.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kKemberPins[] = {
    {"1", "KEMBER_ADC_PENIRQ_n", nullptr, In},
    {"2", "KEMBER_ADC_DOUT", nullptr, In},
    {"3", "KEMBER_ADC_BUSY", nullptr, In},
    {"4", "KEMBER_ADC_DIN", nullptr, Out},
    {"5", "KEMBER_ADC_DCLK", nullptr, Out},
    {"6-9", "KEMBER_B", "3-0", Out},
    {"10", "KEMBER_NCLK", nullptr, Out},
    {"13", "KEMBER_DEN", nullptr, Out},
    {"14", "KEMBER_HD", nullptr, Out},
    {"15", "KEMBER_VD", nullptr, Out},
    {"16-19", "KEMBER_B", "4-7", Out},
    {"20-27", "KEMBER_G", "0-7", Out},
    {"28, 31-37", "KEMBER_R", "0-7", Out},
    {"38", "KEMBER_GREST", nullptr, Out},
    {"39", "KEMBER_SCEN", nullptr, Out},
    {"40", "KEMBER_SDA", nullptr, Inout},
};

}  // namespace

void AddLcd43TouchCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kKemberPins, ioStandard);
}
