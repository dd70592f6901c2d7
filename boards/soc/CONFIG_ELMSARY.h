// The Elmsary board definition: turns one settings record into the device
// data, the on-board peripheral connectors and the GPIO master connectors of
// a freshly created main board.
#pragma once

#include "boards/soc/ElmsaryConfig.h"
#include "model/MainBoard.h"

void CONFIG_ELMSARY(TMainBoard* board, const ELMSARY_CONFIG* Config);
