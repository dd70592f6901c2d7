// The board definition of the Jarrowby board.
#pragma once

#include "model/MainBoard.h"

// Fills the board from a JARROWBY_CONFIG record.
void CONFIG_JARROWBY(TMainBoard* board, const void* record);
