// The Marlowen board definition: one settings record into the device data,
// the on-board groups and the master of the HSMC connector of a fresh main
// board.
#pragma once

#include "boards/cyclone2_3/MarlowenConfig.h"
#include "model/MainBoard.h"

// The master id the form attaches its HSMC card to.
constexpr uint8_t MARLOWEN_HSMC_MASTER = 8;

void CONFIG_MARLOWEN(TMainBoard* board, const MARLOWEN_CONFIG* Config);
