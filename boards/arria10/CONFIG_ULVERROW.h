// The board definition of Ulverrow (id 28).
#pragma once

#include "boards/arria10/ConfigUlverrow.h"
#include "model/MainBoard.h"

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_ULVERROW(TMainBoard* board, TConfigUlverrow& object);

// Master ids of the two DDR4 SODIMM sockets.
constexpr uint8_t ULVERROW_DDR4A_MASTER = 27;
constexpr uint8_t ULVERROW_DDR4B_MASTER = 28;

// Attaches the DDR4 SODIMM module to socket A (false) or B (true) with the
// prefix "DDR4A_" or "DDR4B_". The socket's reference clock after the
// module's 260 positions is the board's own pin and stays in the project.
void AttachUlverrowDdr4Sodimm(TMainBoard* board, bool socketB);
