// Brevik 2.4" LCD with touch controller (card 62). The data bus is split:
// D[3]..D[0] at 6-9, D[4]..D[15] at 16-27.
// No signal at 10, 11, 12 and 29-37.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kBrevikPins[] = {
    {"1", "BREVIK_ADC_PENIRQ_N", nullptr, In},
    {"2", "BREVIK_ADC_DOUT", nullptr, In},
    {"3", "BREVIK_ADC_BUSY", nullptr, In},
    {"4", "BREVIK_ADC_DIN", nullptr, Out},
    {"5", "BREVIK_ADC_DCLK", nullptr, Out},
    {"6-9", "BREVIK_D", "3-0", Out},
    {"13", "BREVIK_RD_N", nullptr, Out},
    {"14", "BREVIK_WR_N", nullptr, Out},
    {"15", "BREVIK_RS", nullptr, Out},
    {"16-27", "BREVIK_D", "4-15", Out},
    {"28", "BREVIK_CS_N", nullptr, Out},
    {"38", "BREVIK_RESET_N", nullptr, Out},
    {"39", "BREVIK_ADC_CS_N", nullptr, Out},
    {"40", "BREVIK_LCD_ON", nullptr, Out},
};

}  // namespace

void AddLcd24TouchCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kBrevikPins, ioStandard);
}
