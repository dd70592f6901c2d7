// The settings record of the Osterlin board: also, byte for byte, the
// content of its .cfg files. Little-endian, 404 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// The HSMC ports A and B.
enum { OSTERLIN_PORT_A = 0, OSTERLIN_PORT_B = 1 };
// The check boxes, from bLCD to bPCIE.
constexpr int OSTERLIN_FLAG_COUNT = 9;

struct OSTERLIN_CONFIG {
    uint8_t BoardId;  // MAINBOARD_OSTERLIN
    uint8_t Reserved;
    uint8_t Padding[2];
    int32_t Size;  // sizeof(OSTERLIN_CONFIG)
    char szProjectName[128];
    uint8_t bHSMB;  // the LEDs and reference clock of port B; no control sets it
    // On-board groups and sockets, 0 or 1 each.
    uint8_t bLCD;
    uint8_t bCLOCK;
    uint8_t bLED;
    uint8_t bBUTTON;
    uint8_t bDIP;
    uint8_t bDDR2;
    uint8_t bDDR3;      // shown and kept; the project has no pins for it
    uint8_t bETHERNET;  // shown and kept; the project has no pins for it
    uint8_t bPCIE;
    uint8_t nHsmcDaughterId[2];  // ports A, B
    char szHSMCPrefixName[2][128];
};

static_assert(sizeof(OSTERLIN_CONFIG) == 404, "OSTERLIN_CONFIG size");
static_assert(offsetof(OSTERLIN_CONFIG, Size) == 4);
static_assert(offsetof(OSTERLIN_CONFIG, szProjectName) == 8);
static_assert(offsetof(OSTERLIN_CONFIG, bHSMB) == 136);
static_assert(offsetof(OSTERLIN_CONFIG, bLCD) == 137);
static_assert(offsetof(OSTERLIN_CONFIG, bDDR2) == 142);
static_assert(offsetof(OSTERLIN_CONFIG, bPCIE) == 145);
static_assert(offsetof(OSTERLIN_CONFIG, bPCIE) - offsetof(OSTERLIN_CONFIG, bLCD) == OSTERLIN_FLAG_COUNT - 1);
static_assert(offsetof(OSTERLIN_CONFIG, nHsmcDaughterId) == 146);
static_assert(offsetof(OSTERLIN_CONFIG, szHSMCPrefixName) == 148);
static_assert(offsetof(OSTERLIN_CONFIG, szHSMCPrefixName[1]) == 276);
