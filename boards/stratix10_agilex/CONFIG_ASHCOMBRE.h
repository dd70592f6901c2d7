// The board definition of Ashcombre (id 40).
#pragma once

#include "boards/stratix10_agilex/ConfigAshcombre.h"
#include "model/MainBoard.h"

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_ASHCOMBRE(TMainBoard* board, TConfigAshcombre& object);

// Master id of DDR4 socket A; B to D follow.
constexpr uint8_t ASHCOMBRE_SOCKET_A_MASTER = 36;
