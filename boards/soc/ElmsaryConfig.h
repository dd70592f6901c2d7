// The settings record of the Elmsary board: also, byte for byte, the content
// of its .cfg files. Little-endian, 404 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct ELMSARY_CONFIG {
    uint8_t BoardId;  // MAINBOARD_ELMSARY
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(ELMSARY_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bAdc;
    uint8_t bHps;
    uint8_t bArduino;
    uint8_t bHdmi;
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefix of GPIO_0, GPIO_1
    uint8_t ReservedTail[2];
};

static_assert(sizeof(ELMSARY_CONFIG) == 404, "ELMSARY_CONFIG size");
static_assert(offsetof(ELMSARY_CONFIG, Size) == 4);
static_assert(offsetof(ELMSARY_CONFIG, szProjectName) == 8);
static_assert(offsetof(ELMSARY_CONFIG, bClock) == 136);
static_assert(offsetof(ELMSARY_CONFIG, bLed) == 137);
static_assert(offsetof(ELMSARY_CONFIG, bKey) == 138);
static_assert(offsetof(ELMSARY_CONFIG, bSw) == 139);
static_assert(offsetof(ELMSARY_CONFIG, bAdc) == 140);
static_assert(offsetof(ELMSARY_CONFIG, bHps) == 141);
static_assert(offsetof(ELMSARY_CONFIG, bArduino) == 142);
static_assert(offsetof(ELMSARY_CONFIG, bHdmi) == 143);
static_assert(offsetof(ELMSARY_CONFIG, nGpioDaughterId) == 144);
static_assert(offsetof(ELMSARY_CONFIG, szGpioPrefixName) == 146);
static_assert(offsetof(ELMSARY_CONFIG, szGpioPrefixName) + 128 == 274);
static_assert(offsetof(ELMSARY_CONFIG, ReservedTail) == 402);
