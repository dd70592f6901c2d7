// The Nethercoy board definition: one settings record into the device data,
// the on-board groups and the masters of the DDR2 SODIMM socket, the two GPIO
// headers and the four Tavrel connectors of a fresh main board.
#pragma once

#include "boards/cyclone2_3/NethercoyConfig.h"
#include "model/MainBoard.h"

// The master ids the form attaches its cards to.
enum : uint8_t {
    NETHERCOY_DDR2_MASTER = 1,
    NETHERCOY_GPIO_0_MASTER = 16,
    NETHERCOY_GPIO_1_MASTER = 17,
    NETHERCOY_TAVREL_A_MASTER = 12,  // B, C and D follow
};

void CONFIG_NETHERCOY(TMainBoard* board, const NETHERCOY_CONFIG* Config);
