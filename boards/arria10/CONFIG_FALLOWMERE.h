// The board definition of Fallowmere (id 33).
#pragma once

#include "boards/arria10/ConfigFallowmere.h"
#include "model/MainBoard.h"

void CONFIG_FALLOWMERE(TMainBoard* board, TConfigFallowmere& object);
