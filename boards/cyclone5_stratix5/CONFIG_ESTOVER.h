// The Estover board definition: one settings record into the device data,
// the on-board groups and the HSMC-A master of a fresh main board.
#pragma once

#include "boards/cyclone5_stratix5/EstoverConfig.h"
#include "model/MainBoard.h"

// The master id of HSMC-A.
constexpr int32_t ESTOVER_HSMC_A_MASTER_ID = 8;

void CONFIG_ESTOVER(TMainBoard* board, const ESTOVER_CONFIG* Config);
