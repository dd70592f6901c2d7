// The Vantremere board definition: turns the settings of the board's
// configuration object into the device data, the on-board peripheral
// connectors and the GPIO master connector of a freshly created main board.
#pragma once

#include "boards/soc/ConfigVantremere.h"
#include "model/MainBoard.h"

// The main board keeps a reference to Config (not owned).
void CONFIG_VANTREMERE(TMainBoard* board, TConfigVantremere* Config);
