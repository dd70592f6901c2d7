// The settings record of the Kestleford board: also, byte for byte, the
// content of its .cfg files. Little-endian, 432 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

// The I/O voltages of the GPIO header and of the HSMC connector, as the
// items of their combos.
enum : int32_t { KESTLEFORD_3V3 = 0, KESTLEFORD_2V5 = 1, KESTLEFORD_1V8 = 2, KESTLEFORD_1V5 = 3 };
constexpr int32_t KESTLEFORD_GPIO_VOLTAGE_DEFAULT = KESTLEFORD_3V3;
constexpr int32_t KESTLEFORD_HSMC_VOLTAGE_DEFAULT = KESTLEFORD_2V5;

struct KESTLEFORD_CONFIG {
    uint8_t BoardId;  // MAINBOARD_KESTLEFORD
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(KESTLEFORD_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bSeg7;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bEeprom;
    uint8_t bPs2;
    uint8_t bSdCard;
    uint8_t bVga;
    uint8_t bLcd;
    uint8_t bSdram;
    uint8_t bFlash;
    uint8_t bRs232;
    uint8_t bSram;
    uint8_t bSma;
    uint8_t bAudio;
    uint8_t bIr;
    uint8_t bUsb;
    uint8_t bEthernet[2];
    uint8_t bTvDecoder;
    uint8_t bExIo;
    uint8_t Reserved2[2];
    int32_t nGpioVoltage;     // KESTLEFORD_3V3 .. KESTLEFORD_1V5
    uint8_t nGpioDaughterId;  // 0 = none; 0 whenever nGpioVoltage is not 3.3 V
    char szGpioPrefixName[128];
    uint8_t Reserved3[3];
    int32_t nHsmcVoltage;
    uint8_t nHsmcDaughterId;  // 0 = none
    char szHSMCPrefixName[128];
    uint8_t ReservedTail[3];
};

static_assert(sizeof(KESTLEFORD_CONFIG) == 432, "KESTLEFORD_CONFIG size");
static_assert(offsetof(KESTLEFORD_CONFIG, Size) == 4);
static_assert(offsetof(KESTLEFORD_CONFIG, szProjectName) == 8);
static_assert(offsetof(KESTLEFORD_CONFIG, bClock) == 136);
static_assert(offsetof(KESTLEFORD_CONFIG, bEeprom) == 141);
static_assert(offsetof(KESTLEFORD_CONFIG, bSdram) == 146);
static_assert(offsetof(KESTLEFORD_CONFIG, bSma) == 150);
static_assert(offsetof(KESTLEFORD_CONFIG, bEthernet) == 154);
static_assert(offsetof(KESTLEFORD_CONFIG, bTvDecoder) == 156);
static_assert(offsetof(KESTLEFORD_CONFIG, bExIo) == 157);
static_assert(offsetof(KESTLEFORD_CONFIG, nGpioVoltage) == 160);
static_assert(offsetof(KESTLEFORD_CONFIG, nGpioDaughterId) == 164);
static_assert(offsetof(KESTLEFORD_CONFIG, szGpioPrefixName) == 165);
static_assert(offsetof(KESTLEFORD_CONFIG, nHsmcVoltage) == 296);
static_assert(offsetof(KESTLEFORD_CONFIG, nHsmcDaughterId) == 300);
static_assert(offsetof(KESTLEFORD_CONFIG, szHSMCPrefixName) == 301);
static_assert(offsetof(KESTLEFORD_CONFIG, ReservedTail) == 429);
