// The Lanterby board definition: turns one settings record into the device
// data, the on-board peripheral connectors and the master connector of the
// 2x6 header of a freshly created main board.
#pragma once

#include "boards/soc/LanterbyConfig.h"
#include "model/MainBoard.h"

// The master id of the 2x6 header.
constexpr int32_t LANTERBY_YARVEL_MASTER_ID = 31;

void CONFIG_LANTERBY(TMainBoard* board, const LANTERBY_CONFIG* Config);
