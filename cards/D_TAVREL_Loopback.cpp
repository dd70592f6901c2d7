// Tavrel loopback card (card 20): the pins of the DVI card at 2.5 V, on the
// 160 HSMC positions; the copy onto a Tavrel connector switches off the
// positions past 160.
#include "cards/CardMaps.h"

void AddTavrelLoopbackPins(TConnector* connector)
{
    AddDviCardPins(connector, 6);
}
