// The Colvenna board definition: the settings of its configuration object
// into the device data, the on-board groups and the masters of the DDR3
// SODIMM socket, the GPIO header and the four FMC connectors of a fresh main
// board, which keeps a reference to the object for its generated text.
#pragma once

#include "boards/cyclone5_stratix5/ConfigColvenna.h"
#include "model/MainBoard.h"

// The master ids of the expansion slots.
constexpr int32_t COLVENNA_GPIO_MASTER_ID = 16;
constexpr int32_t COLVENNA_FMC_MASTER_ID = 20;  // FMC-A; FMC-B 21, FMC-C 22, FMC-D 23
constexpr int32_t COLVENNA_DDR3_MASTER_ID = 24;

void CONFIG_COLVENNA(TMainBoard* board, TConfigColvenna* pConfig);
