// The board definition of Zennorby (id 37).
#pragma once

#include "boards/stratix10_agilex/ConfigZennorby.h"
#include "model/MainBoard.h"

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_ZENNORBY(TMainBoard* board, TConfigZennorby& object);

// Master id of memory socket A; B to D follow.
constexpr uint8_t ZENNORBY_SOCKET_A_MASTER = 40;
