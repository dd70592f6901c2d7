// The settings record of the Dorvalin board: also, byte for byte, the content
// of its .cfg files. Little-endian, 404 bytes; the prefixes start at an odd
// offset, right after the two card ids.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct DORVALIN_CONFIG {
    uint8_t BoardId;  // MAINBOARD_DORVALIN
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(DORVALIN_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bAdc;
    uint8_t bHps;
    uint8_t bArduino;
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefix of GPIO_0, GPIO_1
    uint8_t ReservedTail[3];
};

static_assert(sizeof(DORVALIN_CONFIG) == 404, "DORVALIN_CONFIG size");
static_assert(offsetof(DORVALIN_CONFIG, Size) == 4);
static_assert(offsetof(DORVALIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(DORVALIN_CONFIG, bClock) == 136);
static_assert(offsetof(DORVALIN_CONFIG, bLed) == 137);
static_assert(offsetof(DORVALIN_CONFIG, bKey) == 138);
static_assert(offsetof(DORVALIN_CONFIG, bSw) == 139);
static_assert(offsetof(DORVALIN_CONFIG, bAdc) == 140);
static_assert(offsetof(DORVALIN_CONFIG, bHps) == 141);
static_assert(offsetof(DORVALIN_CONFIG, bArduino) == 142);
static_assert(offsetof(DORVALIN_CONFIG, nGpioDaughterId) == 143);
static_assert(offsetof(DORVALIN_CONFIG, szGpioPrefixName) == 145);
static_assert(offsetof(DORVALIN_CONFIG, szGpioPrefixName) + 128 == 273);
static_assert(offsetof(DORVALIN_CONFIG, ReservedTail) == 401);
