// The Kilverne board definition: turns one settings record into the device
// data and the on-board peripheral connectors of a freshly created main
// board, the BBB header among them as one more on-board group. The board has
// no slot for a daughter card.
#pragma once

#include "boards/soc/KilverneConfig.h"
#include "model/MainBoard.h"

void CONFIG_KILVERNE(TMainBoard* board, const KILVERNE_CONFIG* Config);
