// The settings record of the Estover board: also, byte for byte, the
// content of its .cfg files. Little-endian, 296 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

// The one HSMC connector of the board.
enum { HSMC_A = 0 };

struct ESTOVER_CONFIG {
    uint8_t BoardId;  // MAINBOARD_ESTOVER
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(ESTOVER_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSata[2];  // host port, device port
    uint8_t bSma;
    uint8_t bTemperature;
    uint8_t bSfp[4];  // SFP+ A..D
    uint8_t bPcie;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bSsram;
    uint8_t bRs422;
    uint8_t Reserved2[3];
    // Oscillator combo items.
    int32_t nSi570Freq;      // 0 not in use, 1..7
    int32_t nCdcm61004Freq;  // 0 not in use, 1..11
    uint8_t nHsmcDaughterId[1];        // card of HSMC-A; 0 = none
    char szHSMCPrefixName[1][128];     // signal-name prefix of HSMC-A; empty = none
    uint8_t Reserved3[3];
};

static_assert(sizeof(ESTOVER_CONFIG) == 296, "ESTOVER_CONFIG size");
static_assert(sizeof(ESTOVER_CONFIG) == ESTOVER_CONFIG_SIZE, "board copy of ESTOVER_CONFIG");
static_assert(offsetof(ESTOVER_CONFIG, Size) == 4);
static_assert(offsetof(ESTOVER_CONFIG, szProjectName) == 8);
static_assert(offsetof(ESTOVER_CONFIG, bClock) == 136);
static_assert(offsetof(ESTOVER_CONFIG, bLed) == 137);
static_assert(offsetof(ESTOVER_CONFIG, bButton) == 138);
static_assert(offsetof(ESTOVER_CONFIG, bSwitch) == 139);
static_assert(offsetof(ESTOVER_CONFIG, bSata) == 140);  // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(ESTOVER_CONFIG, bSma) == 142);
static_assert(offsetof(ESTOVER_CONFIG, bTemperature) == 143);
static_assert(offsetof(ESTOVER_CONFIG, bSfp) == 144);   // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(ESTOVER_CONFIG, bPcie) == 148);
static_assert(offsetof(ESTOVER_CONFIG, bFan) == 149);
static_assert(offsetof(ESTOVER_CONFIG, bFlash) == 150);
static_assert(offsetof(ESTOVER_CONFIG, bSsram) == 151);
static_assert(offsetof(ESTOVER_CONFIG, bRs422) == 152);
static_assert(offsetof(ESTOVER_CONFIG, nSi570Freq) == 156);
static_assert(offsetof(ESTOVER_CONFIG, nCdcm61004Freq) == 160);
static_assert(offsetof(ESTOVER_CONFIG, nHsmcDaughterId) == 164);  // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(ESTOVER_CONFIG, szHSMCPrefixName) == 165);
static_assert(offsetof(ESTOVER_CONFIG, Reserved3) == 293);
