// The settings record of the Lanterby board: also, byte for byte, the content
// of its .cfg files. Little-endian, 292 bytes, no gaps but the reserved ones.
#pragma once

#include <cstddef>
#include <cstdint>

struct LANTERBY_CONFIG {
    uint8_t BoardId;  // MAINBOARD_LANTERBY
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(LANTERBY_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bSeg7;
    uint8_t bPowerMonitor;
    uint8_t bGSensor;
    uint8_t bHumiditySensor;
    uint8_t bLightSensor;
    uint8_t bAudio;
    uint8_t bHdmiRx;
    uint8_t bSdCard;
    uint8_t bQspiFlash;
    uint8_t bPs2;
    uint8_t bDdr3;
    uint8_t bUart;
    uint8_t bEthernet;
    uint8_t Reserved153;  // 1 in the defaults; no control, no group reads it
    uint8_t bDac;
    uint8_t bMipi;
    uint8_t bTamsil;
    uint8_t Reserved157[3];
    int32_t nYarvelDaughterId;  // card on the 2x6 header; 0 = none
    char szYarvelPrefixName[128];
};

static_assert(sizeof(LANTERBY_CONFIG) == 292, "LANTERBY_CONFIG size");
static_assert(offsetof(LANTERBY_CONFIG, Size) == 4);
static_assert(offsetof(LANTERBY_CONFIG, szProjectName) == 8);
static_assert(offsetof(LANTERBY_CONFIG, bClock) == 136);
static_assert(offsetof(LANTERBY_CONFIG, bSeg7) == 140);
static_assert(offsetof(LANTERBY_CONFIG, bAudio) == 145);
static_assert(offsetof(LANTERBY_CONFIG, bDdr3) == 150);
static_assert(offsetof(LANTERBY_CONFIG, bEthernet) == 152);
static_assert(offsetof(LANTERBY_CONFIG, Reserved153) == 153);
static_assert(offsetof(LANTERBY_CONFIG, bDac) == 154);
static_assert(offsetof(LANTERBY_CONFIG, bTamsil) == 156);
static_assert(offsetof(LANTERBY_CONFIG, nYarvelDaughterId) == 160);
static_assert(offsetof(LANTERBY_CONFIG, szYarvelPrefixName) == 164);
