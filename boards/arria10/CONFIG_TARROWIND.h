// The board definition of Tarrowind (id 27).
#pragma once

#include "boards/arria10/ConfigTarrowind.h"
#include "model/MainBoard.h"

// Fills the board from the object's record and leaves the object in
// m_pConfig (the form owns it and outlives the run).
void CONFIG_TARROWIND(TMainBoard* board, TConfigTarrowind& object);

// Master ids of the two DDR3 SODIMM sockets.
constexpr uint8_t TARROWIND_DDR3A_MASTER = 24;
constexpr uint8_t TARROWIND_DDR3B_MASTER = 25;

// Attaches the DDR3 SODIMM module to socket A (false) or B (true) with the
// prefix "DDR3A_" or "DDR3B_". The socket's reference clock follows the
// module's positions on the master and, being the board's own pin, stays an
// input: the .qsf termination and the timing constraint name it.
void AttachTarrowindDdr3Sodimm(TMainBoard* board, bool socketB);
