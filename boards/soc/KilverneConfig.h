// The settings record of the Kilverne board: also, byte for byte, the content
// of its .cfg files. Little-endian, 292 bytes, no gaps but the reserved ones.
#pragma once

#include <cstddef>
#include <cstdint>

struct KILVERNE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_KILVERNE
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(KILVERNE_CONFIG)
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bCapSense;
    uint8_t bSw;
    uint8_t bHdmi;
    uint8_t bTempSensor;
    uint8_t bGSensor;
    uint8_t bUsb;
    uint8_t bMipi;
    uint8_t bEthernet;
    uint8_t bSdCard;
    uint8_t bDdr3;
    uint8_t bQspiFlash;
    uint8_t bAudio;
    uint8_t bSmaAdc;  // kept in the record; no group of the board reads it
    uint8_t bLightSensor;
    uint8_t bHumiditySensor;
    uint8_t bPowerMonitor;
    uint8_t Reserved155;
    int32_t nBoardRevision;  // 0 = revision A, 1 = B, 2 = C (other values are taken as C)
    uint8_t nBbbMode;        // BBB header mode: 0 none, 1 "Default", 2 "WIFI-BLE", 3 "BBB Mode 7"
    char szBbbPrefixName[128];  // kept in the record; no generated name carries it
    uint8_t ReservedTail[3];
};

static_assert(sizeof(KILVERNE_CONFIG) == 292, "KILVERNE_CONFIG size");
static_assert(offsetof(KILVERNE_CONFIG, Size) == 4);
static_assert(offsetof(KILVERNE_CONFIG, szProjectName) == 8);
static_assert(offsetof(KILVERNE_CONFIG, bClock) == 136);
static_assert(offsetof(KILVERNE_CONFIG, bCapSense) == 139);
static_assert(offsetof(KILVERNE_CONFIG, bUsb) == 144);
static_assert(offsetof(KILVERNE_CONFIG, bMipi) == 145);
static_assert(offsetof(KILVERNE_CONFIG, bDdr3) == 148);
static_assert(offsetof(KILVERNE_CONFIG, bAudio) == 150);
static_assert(offsetof(KILVERNE_CONFIG, bSmaAdc) == 151);
static_assert(offsetof(KILVERNE_CONFIG, bPowerMonitor) == 154);
static_assert(offsetof(KILVERNE_CONFIG, nBoardRevision) == 156);
static_assert(offsetof(KILVERNE_CONFIG, nBbbMode) == 160);
static_assert(offsetof(KILVERNE_CONFIG, szBbbPrefixName) == 161);
static_assert(offsetof(KILVERNE_CONFIG, ReservedTail) == 289);
