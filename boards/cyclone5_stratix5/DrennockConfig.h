// The settings record of the Drennock board: also, byte for byte, the
// content of its .cfg files. Little-endian, 164 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct DRENNOCK_CONFIG {
    uint8_t BoardId;  // MAINBOARD_DRENNOCK
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(DRENNOCK_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bTemperature;
    uint8_t bDdr3[2];  // DDR3 SDRAM A, B
    uint8_t bQdr[4];   // QDRII+ SRAM A..D
    uint8_t bSfp[2];   // SFP+ A, B
    uint8_t bSata;
    uint8_t bPcie;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bRs422;
    uint8_t Reserved2[2];
    // Oscillator combo items.
    int32_t nSi570Freq;      // 0 not in use, 1..7
    int32_t nCdcm61004Freq;  // 0 not in use, 1..11
};

static_assert(sizeof(DRENNOCK_CONFIG) == 164, "DRENNOCK_CONFIG size");
static_assert(sizeof(DRENNOCK_CONFIG) == DRENNOCK_CONFIG_SIZE, "board copy of DRENNOCK_CONFIG");
static_assert(offsetof(DRENNOCK_CONFIG, Size) == 4);
static_assert(offsetof(DRENNOCK_CONFIG, szProjectName) == 8);
static_assert(offsetof(DRENNOCK_CONFIG, bClock) == 136);
static_assert(offsetof(DRENNOCK_CONFIG, bLed) == 137);
static_assert(offsetof(DRENNOCK_CONFIG, bButton) == 138);
static_assert(offsetof(DRENNOCK_CONFIG, bSwitch) == 139);
static_assert(offsetof(DRENNOCK_CONFIG, bTemperature) == 140);
static_assert(offsetof(DRENNOCK_CONFIG, bDdr3) == 141);
static_assert(offsetof(DRENNOCK_CONFIG, bQdr) == 143);
static_assert(offsetof(DRENNOCK_CONFIG, bSfp) == 147);  // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(DRENNOCK_CONFIG, bSata) == 149);
static_assert(offsetof(DRENNOCK_CONFIG, bPcie) == 150);
static_assert(offsetof(DRENNOCK_CONFIG, bFan) == 151);
static_assert(offsetof(DRENNOCK_CONFIG, bFlash) == 152);
static_assert(offsetof(DRENNOCK_CONFIG, bRs422) == 153);
static_assert(offsetof(DRENNOCK_CONFIG, nSi570Freq) == 156);
static_assert(offsetof(DRENNOCK_CONFIG, nCdcm61004Freq) == 160);
