// The board definition of the Avemor board.
#pragma once

#include "model/MainBoard.h"

// Fills the board from a AVEMOR_CONFIG record.
void CONFIG_AVEMOR(TMainBoard* board, const void* record);
