// The Dorvalin board definition: turns one settings record into the device
// data, the on-board peripheral connectors and the GPIO master connectors of
// a freshly created main board.
#pragma once

#include "boards/soc/DorvalinConfig.h"
#include "model/MainBoard.h"

void CONFIG_DORVALIN(TMainBoard* board, const DORVALIN_CONFIG* Config);
