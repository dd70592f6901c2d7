// The settings record of the Ivenhold board: also, byte for byte, the
// content of its .cfg files. Little-endian, 408 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct IVENHOLD_CONFIG {
    uint8_t BoardId;  // MAINBOARD_IVENHOLD
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(IVENHOLD_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSeg7;
    uint8_t bHdmiTx;
    uint8_t bLpddr2;
    uint8_t bSram;
    uint8_t bAudio;
    uint8_t bUart2Usb;
    uint8_t bSdCard;
    uint8_t bXcvrSma;
    uint8_t bSi5338;  // only calls up the shared I2C group
    uint8_t bAdc;
    uint8_t nGpioDaughterId;
    char szGpioPrefixName[128];
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
};

static_assert(sizeof(IVENHOLD_CONFIG) == 408, "IVENHOLD_CONFIG size");
static_assert(offsetof(IVENHOLD_CONFIG, Size) == 4);
static_assert(offsetof(IVENHOLD_CONFIG, szProjectName) == 8);
static_assert(offsetof(IVENHOLD_CONFIG, bClock) == 136);
static_assert(offsetof(IVENHOLD_CONFIG, bAdc) == 149);
static_assert(offsetof(IVENHOLD_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(IVENHOLD_CONFIG, szGpioPrefixName) == 151);
static_assert(offsetof(IVENHOLD_CONFIG, nHsmcDaughterId) == 279);
static_assert(offsetof(IVENHOLD_CONFIG, szHSMCPrefixName) == 280);

// The masters of the GPIO header and of the HSMC connector.
constexpr int32_t IVENHOLD_GPIO_MASTER_ID = 16;
constexpr int32_t IVENHOLD_HSMC_MASTER_ID = 8;
