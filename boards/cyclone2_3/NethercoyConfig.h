// The settings record of the Nethercoy board: also, byte for byte, the
// content of its .cfg files. Little-endian, 924 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// The two 40-pin GPIO headers that Tavrel-A becomes in GPIO Header mode.
enum { NETHERCOY_GPIO_0 = 0, NETHERCOY_GPIO_1 = 1 };
// The Tavrel connectors A to D.
enum { NETHERCOY_TAVREL_A = 0, NETHERCOY_TAVREL_B = 1, NETHERCOY_TAVREL_C = 2, NETHERCOY_TAVREL_D = 3 };
// The items of the "Board Type: " combo.
constexpr int NETHERCOY_BOARD_TYPES = 5;
// The check boxes of the on-board groups and of the two modes, from bCLOCK.
constexpr int NETHERCOY_FLAG_COUNT = 12;

struct NETHERCOY_CONFIG {
    uint8_t BoardId;     // MAINBOARD_NETHERCOY
    uint8_t nBoardType;  // item of the "Board Type: " combo, 0 to 4
    uint8_t Padding[2];
    int32_t Size;  // sizeof(NETHERCOY_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bDIP;
    uint8_t bSDCARD;
    uint8_t bSMA;  // its pins belong to the CLOCK group
    uint8_t bUSB;
    uint8_t bTemperature;
    // Modes: Tavrel-A as two GPIO headers; the DDR2 SODIMM socket on Tavrel-B's pins.
    uint8_t bGpioHeader;
    uint8_t bDDR2;
    uint8_t nGpioDaughterId[2];  // GPIO_0, GPIO_1; 0 outside GPIO Header mode
    char szGpioPrefixName[2][128];
    uint8_t nTavrelDaughterId[4];  // Tavrel-A .. Tavrel-D
    char szTavrelPrefixName[4][128];
    uint8_t Padding2[2];
};

static_assert(sizeof(NETHERCOY_CONFIG) == 924, "NETHERCOY_CONFIG size");
static_assert(offsetof(NETHERCOY_CONFIG, nBoardType) == 1);
static_assert(offsetof(NETHERCOY_CONFIG, Size) == 4);
static_assert(offsetof(NETHERCOY_CONFIG, szProjectName) == 8);
static_assert(offsetof(NETHERCOY_CONFIG, bCLOCK) == 136);
static_assert(offsetof(NETHERCOY_CONFIG, bSMA) == 143);
static_assert(offsetof(NETHERCOY_CONFIG, bTemperature) == 145);
static_assert(offsetof(NETHERCOY_CONFIG, bGpioHeader) == 146);
static_assert(offsetof(NETHERCOY_CONFIG, bDDR2) == 147);
static_assert(offsetof(NETHERCOY_CONFIG, bDDR2) - offsetof(NETHERCOY_CONFIG, bCLOCK) == NETHERCOY_FLAG_COUNT - 1);
static_assert(offsetof(NETHERCOY_CONFIG, nGpioDaughterId) == 148);
static_assert(offsetof(NETHERCOY_CONFIG, szGpioPrefixName) == 150);
static_assert(offsetof(NETHERCOY_CONFIG, szGpioPrefixName[1]) == 278);
static_assert(offsetof(NETHERCOY_CONFIG, nTavrelDaughterId) == 406);
static_assert(offsetof(NETHERCOY_CONFIG, szTavrelPrefixName) == 410);
static_assert(offsetof(NETHERCOY_CONFIG, szTavrelPrefixName[3]) == 794);
static_assert(offsetof(NETHERCOY_CONFIG, Padding2) == 922);
