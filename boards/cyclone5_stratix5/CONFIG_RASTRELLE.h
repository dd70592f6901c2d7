// The Rastrelle board definition: one settings record into the device data,
// the on-board groups and the DDR3 SODIMM masters of a fresh main board.
#pragma once

#include "boards/cyclone5_stratix5/RastrelleConfig.h"
#include "model/MainBoard.h"

void CONFIG_RASTRELLE(TMainBoard* board, const RASTRELLE_CONFIG* Config);
