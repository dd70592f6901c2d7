// The board definition of the Fennick board.
#pragma once

#include "model/MainBoard.h"

// Fills the board from a FENNICK_CONFIG record.
void CONFIG_FENNICK(TMainBoard* board, const void* record);
