// The configuration object of the Vantremere board: its settings record,
// which is also, byte for byte, the content of its .cfg files. It only holds,
// loads, saves and lists settings: the generated project takes nothing from
// its generation hooks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/ConfigRecordObject.h"

// 272 bytes, little-endian. Unlike the other records it begins with the size,
// and the project name follows the board id directly.
struct VANTREMERE_BOARD_CONFIG {
    int32_t Size;     // sizeof(VANTREMERE_BOARD_CONFIG)
    uint8_t BoardId;  // MAINBOARD_VANTREMERE
    char szProjectName[128];
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t Reserved137;  // carried unchanged; nothing reads it
    uint8_t bAccelerometer;
    uint8_t bSdram;
    uint8_t bVga;
    uint8_t bSeg7;
    uint8_t bArduino;
    uint8_t nGpioDaughterId;  // card on the GPIO header; 0 = none
    char szGpioPrefixName[128];
};

class TConfigVantremere : public TConfigRecordObject<VANTREMERE_BOARD_CONFIG> {
public:
    using BOARD_CONFIG = VANTREMERE_BOARD_CONFIG;
};

static_assert(sizeof(TConfigVantremere::BOARD_CONFIG) == 272, "BOARD_CONFIG size");
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, Size) == 0);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, BoardId) == 4);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, szProjectName) == 5);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bClock) == 133);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bLed) == 134);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bKey) == 135);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bSw) == 136);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, Reserved137) == 137);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bAccelerometer) == 138);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bSdram) == 139);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bVga) == 140);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bSeg7) == 141);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, bArduino) == 142);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, nGpioDaughterId) == 143);
static_assert(offsetof(TConfigVantremere::BOARD_CONFIG, szGpioPrefixName) == 144);
