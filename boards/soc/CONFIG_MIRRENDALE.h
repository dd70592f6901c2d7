// The Mirrendale board definition: turns one settings record into the device
// data, the on-board peripheral connectors and the GPIO master connector of a
// freshly created main board.
#pragma once

#include "boards/soc/MirrendaleConfig.h"
#include "model/MainBoard.h"

void CONFIG_MIRRENDALE(TMainBoard* board, const MIRRENDALE_CONFIG* Config);
