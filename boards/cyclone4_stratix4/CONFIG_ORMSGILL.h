// The board definition of Ormsgill: a Stratix IV GX board with two HSMC
// connectors, two 40-pin GPIO headers, two DDR2 SODIMM sockets and a
// programmable external PLL.
#pragma once

#include <cstdint>

#include "boards/cyclone4_stratix4/OrmsgillConfig.h"

// Master ids of the expansion slots.
constexpr int32_t ORMSGILL_DDR2_MASTER_ID = 2;  // socket 0; socket 1 is 3
constexpr int32_t ORMSGILL_HSMC_MASTER_ID = 8;  // HSMC-A; HSMC-B is 9
constexpr int32_t ORMSGILL_GPIO_MASTER_ID = 16; // GPIO_0; GPIO_1 is 17
constexpr int32_t ORMSGILL_GPIO80_MASTER_ID = 18;

void CONFIG_ORMSGILL(TMainBoard* board, const ORMSGILL_CONFIG* pConfig);
