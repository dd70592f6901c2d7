// The Drennock board definition: one settings record into the device data
// and the on-board groups of a fresh main board (the board has no slot).
#pragma once

#include "boards/cyclone5_stratix5/DrennockConfig.h"
#include "model/MainBoard.h"

void CONFIG_DRENNOCK(TMainBoard* board, const DRENNOCK_CONFIG* Config);
