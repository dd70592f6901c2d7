// The board definition of Larrowen: a LARROWEN_CONFIG record turned into the
// TMainBoard of one generation run.
#pragma once

#include "boards/cyclone4_stratix4/LarrowenConfig.h"
#include "model/MainBoard.h"

void CONFIG_LARROWEN(TMainBoard* board, const LARROWEN_CONFIG* Config);

// The master ids of the expansion connectors.
enum : int32_t { LARROWEN_MASTER_HSMC = 8, LARROWEN_MASTER_GPIO = 16 };
