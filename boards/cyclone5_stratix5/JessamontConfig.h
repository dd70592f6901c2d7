// The settings record of the Jessamont board: also, byte for byte, the
// content of its .cfg files. Little-endian, 412 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "boards/frame/GpioHeaders.h"
#include "model/MainBoard.h"

struct JESSAMONT_CONFIG {
    uint8_t BoardId;  // MAINBOARD_JESSAMONT
    uint8_t Reserved[3];
    int32_t Size;  // sizeof(JESSAMONT_CONFIG)
    char szProjectName[128];
    // On-board groups, 0 or 1 each (any other value counts as ticked).
    uint8_t bClock;
    uint8_t bLed;
    uint8_t bButton;
    uint8_t bSwitch;
    uint8_t bSeg7;
    uint8_t bSdram;
    uint8_t bDdr3;
    uint8_t bUart2Usb;
    uint8_t bSmaClock;
    uint8_t bArduino;
    uint8_t bFan;
    uint8_t bPcie;
    // The I/O voltage of both GPIO headers (jumper JP1) as a voltage class in
    // its low byte: 5 (3.3 V), 3 (2.5 V), 2 (1.8 V), 1 (1.5 V).
    int32_t nGpioVoltage;
    // Header GPIO_0, then GPIO_1; a card spanning both stands in both.
    uint8_t nGpioDaughterId[2];
    char szGpioPrefixName[2][128];
    uint8_t Reserved2[2];
};

static_assert(sizeof(JESSAMONT_CONFIG) == 412, "JESSAMONT_CONFIG size");
static_assert(sizeof(JESSAMONT_CONFIG) == JESSAMONT_CONFIG_SIZE);
static_assert(offsetof(JESSAMONT_CONFIG, Size) == 4);
static_assert(offsetof(JESSAMONT_CONFIG, szProjectName) == 8);
static_assert(offsetof(JESSAMONT_CONFIG, bClock) == 136);
static_assert(offsetof(JESSAMONT_CONFIG, bPcie) == 147);
static_assert(offsetof(JESSAMONT_CONFIG, nGpioVoltage) == 148);
static_assert(offsetof(JESSAMONT_CONFIG, nGpioDaughterId) == 152);
static_assert(offsetof(JESSAMONT_CONFIG, szGpioPrefixName) == 154);
static_assert(offsetof(JESSAMONT_CONFIG, Reserved2) == 410);
