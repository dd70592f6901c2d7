// The configuration object of the Wendlebury board: its settings record,
// which is also, byte for byte, the content of its .cfg files. It only holds,
// loads, saves and lists settings: the generated project takes nothing from
// its generation hooks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/ConfigRecordObject.h"

// 416 bytes, little-endian.
struct WENDLEBURY_BOARD_CONFIG {
    uint8_t BoardId;  // MAINBOARD_WENDLEBURY
    uint8_t Reserved1;  // carried unchanged; nothing reads it
    uint8_t Reserved2[2];
    int32_t Size;  // sizeof(WENDLEBURY_BOARD_CONFIG)
    char szProjectName[128];
    uint8_t nFileType;  // top level: 0 Verilog, 1 VHDL
    // Peripheral groups, 0 or 1 each.
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bKey;
    uint8_t bSw;
    uint8_t bVga;
    uint8_t bSdram;
    uint8_t bAudio;    // also the shared I2C group
    uint8_t bVideoIn;  // also the shared I2C group
    uint8_t bAdc;
    uint8_t bSeg7;
    uint8_t bIr;
    uint8_t bPs2;
    uint8_t bHps;
    uint8_t nGpioDaughterId;  // card on the GPIO header; 0 = none
    char szGpioPrefixName[128];
    uint8_t Reserved279;
    int32_t nHsmcVoltage;     // 0 = 3.3 V, 1 = 2.5 V, 2 = 1.8 V, 3 = 1.5 V
    uint8_t nHsmcDaughterId;  // card on the HSMC connector; 0 = none
    char szHSMCPrefixName[128];
    uint8_t ReservedTail[3];
};

class TConfigWendlebury : public TConfigRecordObject<WENDLEBURY_BOARD_CONFIG> {
public:
    using WENDLEBURY_CONFIG = WENDLEBURY_BOARD_CONFIG;
};

static_assert(sizeof(TConfigWendlebury::WENDLEBURY_CONFIG) == 416, "WENDLEBURY_CONFIG size");
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, Size) == 4);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, szProjectName) == 8);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, nFileType) == 136);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bClock) == 137);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bVga) == 141);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bSdram) == 142);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bAudio) == 143);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bVideoIn) == 144);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, bHps) == 149);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, nGpioDaughterId) == 150);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, szGpioPrefixName) == 151);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, nHsmcVoltage) == 280);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, nHsmcDaughterId) == 284);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, szHSMCPrefixName) == 285);
static_assert(offsetof(TConfigWendlebury::WENDLEBURY_CONFIG, ReservedTail) == 413);
