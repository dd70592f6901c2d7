// The settings record of the Rastrelle board: also, byte for byte, the
// content of its .cfg files. Little-endian, 176 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct RASTRELLE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_RASTRELLE
    uint8_t Unused;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(RASTRELLE_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSata[4];  // host 0, host 1, device 0, device 1
    uint8_t bSma;
    uint8_t bTemperature;
    uint8_t bDdr3[2];  // SODIMM sockets A, B
    uint8_t bQdr[4];   // QDRII+ SRAM A..D
    uint8_t bSfp[4];   // SFP+ A..D
    uint8_t bPcie;
    uint8_t bFan;
    uint8_t bFlash;
    uint8_t bRs422;
    uint8_t Padding2[3];
    // Oscillator combo items.
    int32_t nSi570Freq;      // 0 not in use, 1..7
    int32_t nCdcm61004Freq;  // 0 unchanged, 1 not in use, 2..12
    int32_t nCdcm61001Freq;  // as nCdcm61004Freq
};

static_assert(sizeof(RASTRELLE_CONFIG) == 176, "RASTRELLE_CONFIG size");
static_assert(sizeof(RASTRELLE_CONFIG) == RASTRELLE_CONFIG_SIZE, "board copy of RASTRELLE_CONFIG");
static_assert(offsetof(RASTRELLE_CONFIG, Size) == 4);
static_assert(offsetof(RASTRELLE_CONFIG, szProjectName) == 8);
static_assert(offsetof(RASTRELLE_CONFIG, bClock) == 136);
static_assert(offsetof(RASTRELLE_CONFIG, bLed) == 137);
static_assert(offsetof(RASTRELLE_CONFIG, bSeg7) == 138);
static_assert(offsetof(RASTRELLE_CONFIG, bButton) == 139);
static_assert(offsetof(RASTRELLE_CONFIG, bSwitch) == 140);
static_assert(offsetof(RASTRELLE_CONFIG, bSata) == 141);   // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(RASTRELLE_CONFIG, bSma) == 145);
static_assert(offsetof(RASTRELLE_CONFIG, bTemperature) == 146);
static_assert(offsetof(RASTRELLE_CONFIG, bDdr3) == 147);
static_assert(offsetof(RASTRELLE_CONFIG, bQdr) == 149);
static_assert(offsetof(RASTRELLE_CONFIG, bSfp) == 153);    // read by TMainBoard::GetClockChipChoices
static_assert(offsetof(RASTRELLE_CONFIG, bPcie) == 157);
static_assert(offsetof(RASTRELLE_CONFIG, bFan) == 158);
static_assert(offsetof(RASTRELLE_CONFIG, bFlash) == 159);
static_assert(offsetof(RASTRELLE_CONFIG, bRs422) == 160);
static_assert(offsetof(RASTRELLE_CONFIG, nSi570Freq) == 164);
static_assert(offsetof(RASTRELLE_CONFIG, nCdcm61004Freq) == 168);
static_assert(offsetof(RASTRELLE_CONFIG, nCdcm61001Freq) == 172);
