// The Hollarne board definition: turns one settings record into the device
// data, the on-board peripheral connectors and the GPIO master connectors of
// a freshly created main board.
#pragma once

#include "boards/soc/HollarneConfig.h"
#include "model/MainBoard.h"

void CONFIG_HOLLARNE(TMainBoard* board, const HOLLARNE_CONFIG* Config);
