// The Hethermoor board definition: one settings record into the device data,
// the on-board groups and the HSMC master of a fresh main board.
#pragma once

#include "boards/cyclone5_stratix5/HethermoorConfig.h"
#include "model/MainBoard.h"

void CONFIG_HETHERMOOR(TMainBoard* board, const HETHERMOOR_CONFIG* Config);
