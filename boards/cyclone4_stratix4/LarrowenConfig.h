// The settings record of the Larrowen board: also, byte for byte, the content
// of its .cfg files. Little-endian, 424 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/MainBoard.h"

struct LARROWEN_CONFIG {
    uint8_t BoardId;  // MAINBOARD_LARROWEN
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(LARROWEN_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bSEG7;
    uint8_t bBUTTON;
    uint8_t bSW;
    uint8_t bEEPROM;
    uint8_t bSDCARD;
    uint8_t bVGA;
    uint8_t bLCD;
    uint8_t bSDRAM;
    uint8_t bFLASH;  // also the bus shared with the SSRAM
    uint8_t bRS232;
    uint8_t bACCELEROMETER;
    uint8_t bSSRAM;  // also the bus shared with the flash
    uint8_t bSMA;
    uint8_t bIR;
    uint8_t bETHERNET;
    uint8_t bTVDECODER;
    uint8_t bPCIEHARDIP;  // the PCIe group with its two lanes
    uint8_t bPCIESOFTIP;  // the PCIe group without lanes
    uint8_t nGpioDaughterId;  // 0 = none
    char szGpioPrefixName[128];
    uint8_t Padding2[3];
    int32_t nReserved;  // kept as loaded; nothing reads it
    uint8_t nHsmcDaughterId;  // 0 = none
    char szHSMCPrefixName[128];
    uint8_t PaddingTail[3];
};

// The number of flags from bCLOCK to bPCIESOFTIP, side by side in the record.
constexpr int LARROWEN_FLAG_COUNT = 20;

static_assert(sizeof(LARROWEN_CONFIG) == 424, "LARROWEN_CONFIG size");
static_assert(sizeof(LARROWEN_CONFIG) == LARROWEN_CONFIG_SIZE, "board copy of LARROWEN_CONFIG");
static_assert(offsetof(LARROWEN_CONFIG, Size) == 4);
static_assert(offsetof(LARROWEN_CONFIG, szProjectName) == 8);
static_assert(offsetof(LARROWEN_CONFIG, bCLOCK) == 136);
static_assert(offsetof(LARROWEN_CONFIG, bLCD) == 144);
static_assert(offsetof(LARROWEN_CONFIG, bFLASH) == 146);
static_assert(offsetof(LARROWEN_CONFIG, bACCELEROMETER) == 148);
static_assert(offsetof(LARROWEN_CONFIG, bTVDECODER) == 153);
static_assert(offsetof(LARROWEN_CONFIG, bPCIEHARDIP) == 154);
static_assert(offsetof(LARROWEN_CONFIG, bPCIESOFTIP) == 155);
static_assert(offsetof(LARROWEN_CONFIG, nGpioDaughterId) == 156);
static_assert(offsetof(LARROWEN_CONFIG, szGpioPrefixName) == 157);
static_assert(offsetof(LARROWEN_CONFIG, nReserved) == 288);
static_assert(offsetof(LARROWEN_CONFIG, nHsmcDaughterId) == 292);
static_assert(offsetof(LARROWEN_CONFIG, szHSMCPrefixName) == 293);
static_assert(offsetof(LARROWEN_CONFIG, PaddingTail) == 421);
