// The parts of the Marlowen board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int MARLOWEN_PHOTO_WIDTH = 400;
constexpr int MARLOWEN_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kMarlowenParts[] = {
    {nullptr,       "Cyclone III",      TPartKind::Chip,     140,  80, 110, 110},
    {"ShapeHSMC",   "HSMC",             TPartKind::Slot,      18, 262, 364,  28},
    {"ShapeOSC",    "50 MHz",           TPartKind::Clock,     18,  20,  55,  22},
    {"ShapeLED",    "LED3..0",          TPartKind::Leds,     282,  20,  48,  16},
    {"ShapeButton", "KEY3..0 RESET",    TPartKind::Buttons,  282,  50,  91,  34},
    {"ShapeFlash",  "FLASH",            TPartKind::Chip,      18,  90,  64,  40},
    {"ShapeSSRAM",  "SSRAM",            TPartKind::Memory,    18, 150,  64,  40},
    {"ShapeDDR",    "DDR SDRAM",        TPartKind::Memory,   282, 120,  91,  50},
};
// clang-format on
