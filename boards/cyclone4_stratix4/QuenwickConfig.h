// The settings record of the Quenwick board: also, byte for byte, the
// content of its .cfg files. Little-endian, 924 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct QUENWICK_CONFIG {
    uint8_t BoardId;  // MAINBOARD_QUENWICK
    uint8_t Reserved[3];  // not written by the form, read by nothing
    int32_t Size;  // sizeof(QUENWICK_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;  // slide switches
    uint8_t bSma;
    uint8_t bTemp;
    uint8_t bDdr3;  // the DDR3 SODIMM socket
    uint8_t bFan;
    uint8_t bSsram;
    uint8_t bFlash;
    uint8_t nHsmcDaughterId[2];     // cards of HSMC-A, HSMC-B; 0 = none
    char szHSMCPrefixName[2][128];  // their signal-name prefixes
    uint8_t nFmcDaughterId[4];      // cards of FMC-A .. FMC-D; 0 = none
    char szFmcPrefixName[4][128];   // their signal-name prefixes
    uint8_t ReservedTail[3];
};

static_assert(sizeof(QUENWICK_CONFIG) == 924, "QUENWICK_CONFIG size");
static_assert(offsetof(QUENWICK_CONFIG, Size) == 4);
static_assert(offsetof(QUENWICK_CONFIG, szProjectName) == 8);
static_assert(offsetof(QUENWICK_CONFIG, bClock) == 136);
static_assert(offsetof(QUENWICK_CONFIG, bSma) == 141);
static_assert(offsetof(QUENWICK_CONFIG, bDdr3) == 143);
static_assert(offsetof(QUENWICK_CONFIG, bFlash) == 146);
static_assert(offsetof(QUENWICK_CONFIG, nHsmcDaughterId) == 147);
static_assert(offsetof(QUENWICK_CONFIG, szHSMCPrefixName) == 149);
static_assert(offsetof(QUENWICK_CONFIG, nFmcDaughterId) == 405);
static_assert(offsetof(QUENWICK_CONFIG, szFmcPrefixName) == 409);
static_assert(offsetof(QUENWICK_CONFIG, ReservedTail) == 921);
