// Culm high-speed ADC/DAC card (card 11). The card spans both 40-pin
// headers: positions 1-40 are the first header, 41-80 the second.
// No signal at 11, 12, 29, 30, 39, 51, 52, 63, 69 and 70.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kCulmPins[] = {
    {"1", "ADC_OTR_A", nullptr, In},
    {"2, 4-10, 13-18", "ADC_DB", "0, 1, 2, 4, 3, 5, 6, 8, 7, 9, 10, 12, 11, 13", In},
    {"3", "ADC_OTR_B", nullptr, In},
    {"19", "ADC_CLK_A", nullptr, Out},
    {"20, 22-28, 31-36", "ADC_DA", "0, 1, 2, 4, 3, 5, 6, 8, 7, 9, 10, 12, 11, 13", In},
    {"21", "ADC_CLK_B", nullptr, Out},
    {"37", "POWER_ON", nullptr, Out},
    {"38", "ADC_OEB_B", nullptr, Out},
    {"40", "ADC_OEB_A", nullptr, Out},
    {"41", "SMA_DAC4", nullptr, In},
    {"42, 44-50, 53-58", "DAC_DA", "13, 12, 11, 9, 10, 8, 7, 5, 6, 4, 3, 1, 2, 0", Out},
    {"43", "OSC_SMA_ADC4", nullptr, In},
    {"59", "DAC_CLK_A", nullptr, Out},
    {"60", "DAC_WRT_A", nullptr, Out},
    {"61", "DAC_CLK_B", nullptr, Out},
    {"62, 64-68, 71-78", "DAC_DB", "13, 12, 11, 9, 10, 8, 5, 7, 4, 6, 1, 3, 0, 2", Out},
    {"79", "DAC_WRT_B", nullptr, Out},
    {"80", "DAC_MODE", nullptr, Out},
};

}  // namespace

void AddAdcDacGpioCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 80, kCulmPins, ioStandard);
}
