// The settings record of the Wyndholt board: also, byte for byte, the content
// of its .cfg files. Little-endian, 404 bytes. When the 80-pin card occupies
// both headers, both card ids hold it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct WYNDHOLT_CONFIG {
    uint8_t BoardId;  // MAINBOARD_WYNDHOLT
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(WYNDHOLT_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bVga;
    uint8_t bSdram;
    uint8_t bSeg7;
    uint8_t bPs2;
    uint8_t bSdCard;  // "microSD Card"
    uint8_t nGpioDaughterId[2];     // card of GPIO_0, GPIO_1; 0 = none
    char szGpioPrefixName[2][128];  // signal-name prefix of GPIO_0, GPIO_1
    uint8_t ReservedTail[1];
};

static_assert(sizeof(WYNDHOLT_CONFIG) == 404, "WYNDHOLT_CONFIG size");
static_assert(sizeof(WYNDHOLT_CONFIG) == WYNDHOLT_CONFIG_SIZE, "board copy of WYNDHOLT_CONFIG");
static_assert(offsetof(WYNDHOLT_CONFIG, Size) == 4);
static_assert(offsetof(WYNDHOLT_CONFIG, szProjectName) == 8);
static_assert(offsetof(WYNDHOLT_CONFIG, bClock) == 136);
static_assert(offsetof(WYNDHOLT_CONFIG, bLed) == 137);
static_assert(offsetof(WYNDHOLT_CONFIG, bKey) == 138);
static_assert(offsetof(WYNDHOLT_CONFIG, bSw) == 139);
static_assert(offsetof(WYNDHOLT_CONFIG, bVga) == 140);
static_assert(offsetof(WYNDHOLT_CONFIG, bSdram) == 141);
static_assert(offsetof(WYNDHOLT_CONFIG, bSeg7) == 142);
static_assert(offsetof(WYNDHOLT_CONFIG, bPs2) == 143);
static_assert(offsetof(WYNDHOLT_CONFIG, bSdCard) == 144);
static_assert(offsetof(WYNDHOLT_CONFIG, nGpioDaughterId) == 145);
static_assert(offsetof(WYNDHOLT_CONFIG, szGpioPrefixName) == 147);
static_assert(offsetof(WYNDHOLT_CONFIG, szGpioPrefixName) + 128 == 275);
static_assert(offsetof(WYNDHOLT_CONFIG, ReservedTail) == 403);
