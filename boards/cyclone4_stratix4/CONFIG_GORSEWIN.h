// The board definition of Gorsewin: a GORSEWIN_CONFIG record turned into the
// TMainBoard of one generation run.
#pragma once

#include "boards/cyclone4_stratix4/GorsewinConfig.h"
#include "model/MainBoard.h"

void CONFIG_GORSEWIN(TMainBoard* board, const GORSEWIN_CONFIG* Config);

// The master ids of the expansion connectors.
enum : int32_t { GORSEWIN_MASTER_HSMC = 8, GORSEWIN_MASTER_GPIO = 16 };
