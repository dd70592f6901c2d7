// The board definition of the Quillomar module board (id 39).
#pragma once

#include <cstdint>

#include "boards/stratix10_agilex/ConfigRennacre.h"
#include "model/MainBoard.h"

// Master ids of the FMC and FMC+ connectors.
constexpr uint8_t RENNACRE_FMC_MASTER = 20;
constexpr uint8_t RENNACRE_FMCP_MASTER = 21;

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_RENNACRE(TMainBoard* board, TConfig_Rennacre& Config);
