// The board definition of Bristane: a small Cyclone IV E board with two
// 40-pin GPIO headers and a 2x13 header.
#pragma once

#include <cstdint>

#include "boards/cyclone4_stratix4/BristaneConfig.h"

constexpr int32_t BRISTANE_GPIO_MASTER_ID = 16;  // GPIO_0; GPIO_1 is 17

void CONFIG_BRISTANE(TMainBoard* board, const BRISTANE_CONFIG* pConfig);
