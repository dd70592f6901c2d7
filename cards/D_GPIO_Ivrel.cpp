// Ivrel 5-megapixel camera (card 12).
// No signal at 3, 11, 12, 17, 18, 21 and 28-40.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kIvrelPins[] = {
    {"1", "IVREL_PIXCLK", nullptr, In},
    {"2, 4-10, 13-16", "IVREL_D", "11-0", In},
    {"19", "IVREL_XCLKIN", nullptr, Out},
    {"20", "IVREL_RESET_N", nullptr, Out},
    {"22", "IVREL_TRIGGER", nullptr, Out},
    {"23", "IVREL_STROBE", nullptr, In},
    {"24", "IVREL_LVAL", nullptr, In},
    {"25", "IVREL_FVAL", nullptr, In},
    {"26", "IVREL_SDATA", nullptr, Inout},
    {"27", "IVREL_SCLK", nullptr, Out},
};

}  // namespace

void AddCamera5MGpioCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, 40, kIvrelPins, ioStandard);
}
