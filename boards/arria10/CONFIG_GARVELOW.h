// The board definition of Garvelow (id 34).
#pragma once

#include "boards/arria10/ConfigGarvelow.h"
#include "model/MainBoard.h"

void CONFIG_GARVELOW(TMainBoard* board, TConfigGarvelow& object);
