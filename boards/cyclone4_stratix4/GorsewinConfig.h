// The settings record of the Gorsewin board: also, byte for byte, the content
// of its .cfg files. Little-endian, 412 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

struct GORSEWIN_CONFIG {
    uint8_t BoardId;  // MAINBOARD_GORSEWIN
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(GORSEWIN_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bEEPROM;
    uint8_t bPS2;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bSDRAM;
    uint8_t bFLASH;
    uint8_t bRS232;
    uint8_t bSRAM;
    uint8_t bSMA;
    uint8_t bAUDIO;  // also the group "I2C for Audio"
    uint8_t bETHERNET;
    uint8_t bLCD;
    uint8_t nGpioDaughterId;  // 0 = none
    char szGpioPrefixName[128];
    uint8_t nHsmcDaughterId;  // 0 = none
    char szHSMCPrefixName[128];
    uint8_t PaddingTail;
};

// The number of flags from bCLOCK to bLCD, side by side in the record.
constexpr int GORSEWIN_FLAG_COUNT = 17;

static_assert(sizeof(GORSEWIN_CONFIG) == 412, "GORSEWIN_CONFIG size");
static_assert(offsetof(GORSEWIN_CONFIG, Size) == 4);
static_assert(offsetof(GORSEWIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(GORSEWIN_CONFIG, bCLOCK) == 136);
static_assert(offsetof(GORSEWIN_CONFIG, bSMA) == 149);
static_assert(offsetof(GORSEWIN_CONFIG, bLCD) == 152);
static_assert(offsetof(GORSEWIN_CONFIG, nGpioDaughterId) == 153);
static_assert(offsetof(GORSEWIN_CONFIG, szGpioPrefixName) == 154);
static_assert(offsetof(GORSEWIN_CONFIG, nHsmcDaughterId) == 282);
static_assert(offsetof(GORSEWIN_CONFIG, szHSMCPrefixName) == 283);
static_assert(offsetof(GORSEWIN_CONFIG, PaddingTail) == 411);
