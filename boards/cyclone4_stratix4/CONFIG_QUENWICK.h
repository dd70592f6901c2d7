// The board definition of Quenwick: a Stratix IV E board with two HSMC
// connectors, four FMC connectors and a DDR3 SODIMM socket.
#pragma once

#include <cstdint>

#include "boards/cyclone4_stratix4/QuenwickConfig.h"

constexpr int32_t QUENWICK_HSMC_MASTER_ID = 8;  // HSMC-A; HSMC-B is 9
constexpr int32_t QUENWICK_DDR3_MASTER_ID = 19;
constexpr int32_t QUENWICK_FMC_MASTER_ID = 20;  // FMC-A; FMC-B to FMC-D are 21 to 23

void CONFIG_QUENWICK(TMainBoard* board, const QUENWICK_CONFIG* pConfig);
