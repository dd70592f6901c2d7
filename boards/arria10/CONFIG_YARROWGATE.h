// The board definition of Yarrowgate (id 36).
#pragma once

#include "boards/arria10/ConfigYarrowgate.h"
#include "model/MainBoard.h"

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_YARROWGATE(TMainBoard* board, TConfigYarrowgate& object);

// Master ids of the DDR4 SODIMM socket and the FMC connector.
constexpr uint8_t YARROWGATE_SOCKET_MASTER = 36;
constexpr uint8_t YARROWGATE_FMC_MASTER = 20;
