// The settings record of the Norvelle board: also, byte for byte, the
// content of its .cfg files. Little-endian, 404 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// The check boxes, from bCLOCK to bPCIBUS.
constexpr int NORVELLE_FLAG_COUNT = 6;

struct NORVELLE_CONFIG {
    uint8_t BoardId;  // MAINBOARD_NORVELLE
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(NORVELLE_CONFIG)
    char szProjectName[128];
    // On-board groups and sockets, 0 or 1 each.
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bBUTTON;
    uint8_t bGPIO;
    uint8_t bDDR2;
    uint8_t bPCIBUS;  // shown and kept; the project has no pins for it
    uint8_t nTavrel23DaughterId;
    char szTavrel23PrefixName[128];
    uint8_t Padding2;
    int32_t nTavrel1DaughterId;  // a card id held in 32 bits
    char szTavrel1PrefixName[128];
};

static_assert(sizeof(NORVELLE_CONFIG) == 404, "NORVELLE_CONFIG size");
static_assert(offsetof(NORVELLE_CONFIG, Size) == 4);
static_assert(offsetof(NORVELLE_CONFIG, szProjectName) == 8);
static_assert(offsetof(NORVELLE_CONFIG, bCLOCK) == 136);
static_assert(offsetof(NORVELLE_CONFIG, bPCIBUS) == 141);
static_assert(offsetof(NORVELLE_CONFIG, bPCIBUS) - offsetof(NORVELLE_CONFIG, bCLOCK) == NORVELLE_FLAG_COUNT - 1);
static_assert(offsetof(NORVELLE_CONFIG, nTavrel23DaughterId) == 142);
static_assert(offsetof(NORVELLE_CONFIG, szTavrel23PrefixName) == 143);
static_assert(offsetof(NORVELLE_CONFIG, nTavrel1DaughterId) == 272);
static_assert(offsetof(NORVELLE_CONFIG, szTavrel1PrefixName) == 276);
