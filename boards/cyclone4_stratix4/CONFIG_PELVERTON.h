// The board definition of Pelverton: one project per FPGA node of a board
// that carries two Stratix IV FPGAs with the same pin-out, each with four
// HSMC connectors, a DDR2 SODIMM socket and on-board DDR3.
#pragma once

#include <cstdint>

#include "boards/cyclone4_stratix4/PelvertonConfig.h"

constexpr int32_t PELVERTON_DDR2_MASTER_ID = 1;
constexpr int32_t PELVERTON_HSMC_MASTER_ID = 8;  // HSMC-A; B to D are 9 to 11

// Fills the main board for node f (0 or 1) of the record.
void CONFIG_PELVERTON(TMainBoard* board, const PELVERTON_CONFIG* pConfig, int32_t f);
