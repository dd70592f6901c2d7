// The board definition of the Isselmont board.
#pragma once

#include "model/MainBoard.h"

// Fills the board from a ISSELMONT_CONFIG record.
void CONFIG_ISSELMONT(TMainBoard* board, const void* record);
