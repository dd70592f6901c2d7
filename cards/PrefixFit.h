// Whether a user's prefix leaves every pin name of a card within the length
// a generated project allows. Lives beside the pin maps because it loads the
// card's map; the rule itself is the model's (model/Names.h).
#pragma once

#include <cstdint>
#include <string>

#include "model/DaughterBoard.h"

// Loads the card as the board would (LoadCard with no name base and the given
// option) and checks the prefix against its longest pin name. False, with
// "Prefix Name is too long for the card on %s." filled with the connector's
// label (for example "GPIO-0"), when a prefixed name would pass 128
// characters. Card 0 (no card) always fits.
bool CheckPrefixFitsCard(DaughterId card, uint8_t board, const std::string& prefix, const std::string& connectorLabel,
                         std::string& message, int32_t option = 0);
