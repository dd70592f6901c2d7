// The settings record of the Marlowen board: also, byte for byte, the
// content of its .cfg files. Little-endian, 272 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// The check boxes, from bCLOCK to bFLASHSSRAM.
constexpr int MARLOWEN_FLAG_COUNT = 5;

struct MARLOWEN_CONFIG {
    uint8_t BoardId;  // MAINBOARD_MARLOWEN
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(MARLOWEN_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bBUTTON;
    uint8_t bSDRAM;
    uint8_t bFLASHSSRAM;
    uint8_t nHsmcDaughterId;
    char szHSMCPrefixName[128];
    uint8_t Padding2[2];
};

static_assert(sizeof(MARLOWEN_CONFIG) == 272, "MARLOWEN_CONFIG size");
static_assert(offsetof(MARLOWEN_CONFIG, Size) == 4);
static_assert(offsetof(MARLOWEN_CONFIG, szProjectName) == 8);
static_assert(offsetof(MARLOWEN_CONFIG, bCLOCK) == 136);
static_assert(offsetof(MARLOWEN_CONFIG, bFLASHSSRAM) == 140);
static_assert(offsetof(MARLOWEN_CONFIG, bFLASHSSRAM) - offsetof(MARLOWEN_CONFIG, bCLOCK) == MARLOWEN_FLAG_COUNT - 1);
static_assert(offsetof(MARLOWEN_CONFIG, nHsmcDaughterId) == 141);
static_assert(offsetof(MARLOWEN_CONFIG, szHSMCPrefixName) == 142);
