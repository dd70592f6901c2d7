// Arduino digital card (card 70): sixteen plain lines. Every pin is 3.3-V
// LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;

const CardPinRow kArduinoPins[] = {
    {"4-10, 13-21", "Arduino_IO", "0-15", Inout},
};

}  // namespace

void AddArduinoDigitalCardPins(TConnector* connector)
{
    AddCardPinTable(connector, 40, kArduinoPins, IO_STD_3V3_LVTTL);
}
