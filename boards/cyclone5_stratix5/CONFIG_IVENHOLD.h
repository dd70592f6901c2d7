// The Ivenhold board definition: one settings record into the device data,
// the on-board groups and the GPIO and HSMC masters of a fresh main board.
#pragma once

#include "boards/cyclone5_stratix5/IvenholdConfig.h"
#include "model/MainBoard.h"

void CONFIG_IVENHOLD(TMainBoard* board, const IVENHOLD_CONFIG* Config);
