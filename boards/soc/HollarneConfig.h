// The settings record of the Hollarne board: also, byte for byte, the content
// of its .cfg files. Little-endian, 412 bytes, no gaps but the reserved ones.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct HOLLARNE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_HOLLARNE
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(HOLLARNE_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bVga;
    uint8_t bSdram;
    uint8_t bAudio;    // also the shared I2C group
    uint8_t bVideoIn;  // also the shared I2C group
    uint8_t bAdc;
    uint8_t bSeg7;
    uint8_t bIr;
    uint8_t bPs2;
    uint8_t bHps;
    uint8_t bUart;       // revision H or later
    uint8_t bQspiFlash;  // revision H or later
    uint8_t bRiscvJtag;  // revision H or later
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefix of GPIO_0, GPIO_1
    uint8_t ReservedTail[2];
};

static_assert(sizeof(HOLLARNE_CONFIG) == 412, "HOLLARNE_CONFIG size");
static_assert(sizeof(HOLLARNE_CONFIG) == HOLLARNE_CONFIG_SIZE, "board copy of HOLLARNE_CONFIG");
static_assert(offsetof(HOLLARNE_CONFIG, BoardId) == 0);
static_assert(offsetof(HOLLARNE_CONFIG, Reserved) == 1);
static_assert(offsetof(HOLLARNE_CONFIG, Size) == 4);
static_assert(offsetof(HOLLARNE_CONFIG, szProjectName) == 8);
static_assert(offsetof(HOLLARNE_CONFIG, bClock) == 136);
static_assert(offsetof(HOLLARNE_CONFIG, bLed) == 137);
static_assert(offsetof(HOLLARNE_CONFIG, bKey) == 138);
static_assert(offsetof(HOLLARNE_CONFIG, bSw) == 139);
static_assert(offsetof(HOLLARNE_CONFIG, bVga) == 140);
static_assert(offsetof(HOLLARNE_CONFIG, bSdram) == 141);
static_assert(offsetof(HOLLARNE_CONFIG, bAudio) == 142);
static_assert(offsetof(HOLLARNE_CONFIG, bVideoIn) == 143);
static_assert(offsetof(HOLLARNE_CONFIG, bAdc) == 144);
static_assert(offsetof(HOLLARNE_CONFIG, bSeg7) == 145);
static_assert(offsetof(HOLLARNE_CONFIG, bIr) == 146);
static_assert(offsetof(HOLLARNE_CONFIG, bPs2) == 147);
static_assert(offsetof(HOLLARNE_CONFIG, bHps) == 148);
static_assert(offsetof(HOLLARNE_CONFIG, bUart) == 149);
static_assert(offsetof(HOLLARNE_CONFIG, bQspiFlash) == 150);
static_assert(offsetof(HOLLARNE_CONFIG, bRiscvJtag) == 151);
static_assert(offsetof(HOLLARNE_CONFIG, nGpioDaughterId) == 152);
static_assert(offsetof(HOLLARNE_CONFIG, szGpioPrefixName) == 154);
static_assert(offsetof(HOLLARNE_CONFIG, szGpioPrefixName) + 128 == 282);
static_assert(offsetof(HOLLARNE_CONFIG, ReservedTail) == 410);
