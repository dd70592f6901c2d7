// The Tavrel lists of Nethercoy and Norvelle offer "Tavrel Default", a card
// without a pin map. A record keeps it like any other card; a generation
// refuses it before anything is written, naming the connector and the card.
#pragma once

#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

// False, with the box text, when the connector carries a card that has no
// pin map; true for "None" and every card that has one.
inline bool CheckCardHasPinMap(DaughterId card, const std::string& connector, std::string& message)
{
    if (card == 0 || HasCardPinMap(card)) return true;
    message = Format("The card \"%s\" on %s has no pin map: no project can be generated with it.",
                     GetCardDisplayName(card).c_str(), connector.c_str());
    return false;
}
