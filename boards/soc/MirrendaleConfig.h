// The settings record of the Mirrendale board: also, byte for byte, the
// content of its .cfg files. Little-endian, 408 bytes. It keeps the two-header
// layout of its sister boards; the board has one GPIO header and uses only
// the GPIO_0 entries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct MIRRENDALE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_MIRRENDALE
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(MIRRENDALE_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bVga;
    uint8_t bHdmi;
    uint8_t bDdr3;     // the FPGA-side memory
    uint8_t bAudio;    // also the shared I2C group
    uint8_t bVideoIn;  // also the shared I2C group
    uint8_t bAdc;
    uint8_t bSeg7;
    uint8_t bIr;
    uint8_t bPs2;
    uint8_t bHps;
    uint8_t nGpioDaughterId[2];     // card of the header (GPIO_0); GPIO_1 reserved
    char szGpioPrefixName[2][128];  // prefix of the header's card (GPIO_0); GPIO_1 reserved
};

static_assert(sizeof(MIRRENDALE_CONFIG) == 408, "MIRRENDALE_CONFIG size");
static_assert(sizeof(MIRRENDALE_CONFIG) == MIRRENDALE_CONFIG_SIZE, "board copy of MIRRENDALE_CONFIG");
static_assert(offsetof(MIRRENDALE_CONFIG, Size) == 4);
static_assert(offsetof(MIRRENDALE_CONFIG, szProjectName) == 8);
static_assert(offsetof(MIRRENDALE_CONFIG, bClock) == 136);
static_assert(offsetof(MIRRENDALE_CONFIG, bLed) == 137);
static_assert(offsetof(MIRRENDALE_CONFIG, bKey) == 138);
static_assert(offsetof(MIRRENDALE_CONFIG, bSw) == 139);
static_assert(offsetof(MIRRENDALE_CONFIG, bVga) == 140);
static_assert(offsetof(MIRRENDALE_CONFIG, bHdmi) == 141);
static_assert(offsetof(MIRRENDALE_CONFIG, bDdr3) == 142);
static_assert(offsetof(MIRRENDALE_CONFIG, bAudio) == 143);
static_assert(offsetof(MIRRENDALE_CONFIG, bVideoIn) == 144);
static_assert(offsetof(MIRRENDALE_CONFIG, bAdc) == 145);
static_assert(offsetof(MIRRENDALE_CONFIG, bSeg7) == 146);
static_assert(offsetof(MIRRENDALE_CONFIG, bIr) == 147);
static_assert(offsetof(MIRRENDALE_CONFIG, bPs2) == 148);
static_assert(offsetof(MIRRENDALE_CONFIG, bHps) == 149);
static_assert(offsetof(MIRRENDALE_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(MIRRENDALE_CONFIG, szGpioPrefixName) == 152);
static_assert(offsetof(MIRRENDALE_CONFIG, szGpioPrefixName) + 128 == 280);
