// The settings record of the Brackwell board: also, byte for byte, the
// content of its .cfg files. Little-endian, 1188 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct BRACKWELL_CONFIG {
    uint8_t BoardId;     // MAINBOARD_BRACKWELL
    uint8_t nBoardType;  // 0 EP4SGX230KF40C2, 1 EP4SGX530KH40C2
    uint8_t Padding[2];
    int32_t Size;  // sizeof(BRACKWELL_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bSMA;
    uint8_t bTemperature;
    uint8_t bDDR3;
    uint8_t bPCIE0;
    uint8_t bPCIE1;
    uint8_t bFAN;
    uint8_t bSSRAM;
    uint8_t bFLASH;
    uint8_t bExtPLL;     // the programmable PLL and its controller block
    uint8_t bHsmcCGpio;  // HSMC-C carries the pair of 40-pin GPIO headers
    uint8_t nPllFreq[3];             // HSMA_REFCLK, HSME_REFCLK, PGM_GXBCLK: 0..12
    uint8_t nGpioDaughterId[2];      // cards on GPIO_0, GPIO_1 (GPIO mode)
    char szGpioPrefixName[2][128];
    uint8_t nHsmcDaughterId[6];      // cards on HSMC-A .. HSMC-F; 0 = none
    char szHSMCPrefixName[6][128];
    uint8_t PaddingTail[3];
};

// The number of flags from bCLOCK to bExtPLL, side by side in the record.
constexpr int BRACKWELL_FLAG_COUNT = 13;
// The entries of the PLL frequency table.
constexpr int BRACKWELL_PLL_CHOICES = 13;

static_assert(sizeof(BRACKWELL_CONFIG) == 1188, "BRACKWELL_CONFIG size");
static_assert(sizeof(BRACKWELL_CONFIG) == BRACKWELL_CONFIG_SIZE, "board copy of BRACKWELL_CONFIG");
static_assert(offsetof(BRACKWELL_CONFIG, nBoardType) == 1);
static_assert(offsetof(BRACKWELL_CONFIG, Size) == 4);
static_assert(offsetof(BRACKWELL_CONFIG, szProjectName) == 8);
static_assert(offsetof(BRACKWELL_CONFIG, bCLOCK) == 136);
static_assert(offsetof(BRACKWELL_CONFIG, bTemperature) == 141);
static_assert(offsetof(BRACKWELL_CONFIG, bDDR3) == 142);
static_assert(offsetof(BRACKWELL_CONFIG, bFAN) == 145);
static_assert(offsetof(BRACKWELL_CONFIG, bExtPLL) == 148);
static_assert(offsetof(BRACKWELL_CONFIG, bHsmcCGpio) == 149);
static_assert(offsetof(BRACKWELL_CONFIG, nPllFreq) == 150);
static_assert(offsetof(BRACKWELL_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(BRACKWELL_CONFIG, szGpioPrefixName) == 155);
static_assert(offsetof(BRACKWELL_CONFIG, szGpioPrefixName) + 128 == 283);
static_assert(offsetof(BRACKWELL_CONFIG, nHsmcDaughterId) == 411);
static_assert(offsetof(BRACKWELL_CONFIG, szHSMCPrefixName) == 417);
static_assert(offsetof(BRACKWELL_CONFIG, PaddingTail) == 1185);
