// The Osterlin board definition: one settings record into the device data,
// the on-board groups and the masters of the DDR2 SODIMM socket and the two
// HSMC ports of a fresh main board.
#pragma once

#include "boards/cyclone2_3/OsterlinConfig.h"
#include "model/MainBoard.h"

// The master ids the form attaches its cards to.
enum : uint8_t { OSTERLIN_DDR2_MASTER = 1, OSTERLIN_HSMC_A_MASTER = 8, OSTERLIN_HSMC_B_MASTER = 9 };

void CONFIG_OSTERLIN(TMainBoard* board, const OSTERLIN_CONFIG* Config);
