// The Jessamont board definition: one settings record into the device data,
// the on-board groups and the masters of the two GPIO headers (one master
// over both for a card that spans them) of a fresh main board.
#pragma once

#include "boards/cyclone5_stratix5/JessamontConfig.h"
#include "model/MainBoard.h"

// The masters of GPIO_0, GPIO_1 and of a card spanning both.
constexpr int32_t JESSAMONT_GPIO0_MASTER_ID = 16;
constexpr int32_t JESSAMONT_GPIO1_MASTER_ID = 17;
constexpr int32_t JESSAMONT_GPIO01_MASTER_ID = 18;

void CONFIG_JESSAMONT(TMainBoard* board, const JESSAMONT_CONFIG* Config);
