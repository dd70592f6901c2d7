// The settings record of the Hethermoor board: also, byte for byte, the
// content of its .cfg files. Little-endian, 284 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"

struct HETHERMOOR_CONFIG {
    uint8_t BoardId;  // MAINBOARD_HETHERMOOR
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(HETHERMOOR_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bVga;
    uint8_t bDdr3;
    uint8_t bAudio;  // the audio codec and its I2C
    uint8_t bIr;
    uint8_t bSi5338;
    uint8_t bTemperature;
    uint8_t Reserved2[2];
    int32_t nHsmcVoltage;  // HSMC I/O voltage, an index of kHethermoorHsmcVoltages
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Reserved3[3];
};

static_assert(sizeof(HETHERMOOR_CONFIG) == 284, "HETHERMOOR_CONFIG size");
static_assert(offsetof(HETHERMOOR_CONFIG, Size) == 4);
static_assert(offsetof(HETHERMOOR_CONFIG, szProjectName) == 8);
static_assert(offsetof(HETHERMOOR_CONFIG, bClock) == 136);
static_assert(offsetof(HETHERMOOR_CONFIG, bTemperature) == 145);
static_assert(offsetof(HETHERMOOR_CONFIG, nHsmcVoltage) == 148);
static_assert(offsetof(HETHERMOOR_CONFIG, nHsmcDaughterId) == 152);
static_assert(offsetof(HETHERMOOR_CONFIG, szHSMCPrefixName) == 153);

// The HSMC I/O voltages the board's jumper JP7 selects, in the order of the
// voltage combo: the card list's class, the I/O standard of the card's pins
// and of HSMC position 40.
struct THethermoorHsmcVoltage {
    const char* Item;
    VoltageClass Class;
    IoStandard Standard;
};
inline constexpr THethermoorHsmcVoltage kHethermoorHsmcVoltages[4] = {
    {"3.3 V", 5, 8},            // "3.3-V LVTTL"
    {"2.5 V (Default)", 3, 6},  // "2.5 V"
    {"1.8 V", 2, 3},            // "1.8 V"
    {"1.5 V", 1, 0},            // "1.5 V"
};
// The board's own voltage, and the one a value outside the list stands for.
constexpr int32_t HETHERMOOR_DEFAULT_HSMC_VOLTAGE = 1;

inline bool IsHethermoorHsmcVoltage(int32_t index) { return index >= 0 && index < 4; }
inline const THethermoorHsmcVoltage& HethermoorHsmcVoltage(int32_t index)
{
    return kHethermoorHsmcVoltages[IsHethermoorHsmcVoltage(index) ? index : HETHERMOOR_DEFAULT_HSMC_VOLTAGE];
}

// The HSMC connector's master.
constexpr int32_t HETHERMOOR_HSMC_MASTER_ID = 8;
