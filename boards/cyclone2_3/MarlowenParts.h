// The parts of the Marlowen board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int MARLOWEN_PHOTO_WIDTH = 440;
constexpr int MARLOWEN_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kMarlowenParts[] = {
    {nullptr,       "Cyclone III",      TPartKind::Chip,     160,  80, 110, 110},
    {"ShapeHSMC",   "HSMC",             TPartKind::Slot,      20, 262, 400,  28},
    {"ShapeOSC",    "50 MHz",           TPartKind::Clock,     20,  20,  60,  22},
    {"ShapeLED",    "LED3..0",          TPartKind::Leds,     310,  20,  48,  16},
    {"ShapeButton", "KEY3..0 RESET",    TPartKind::Buttons,  310,  50, 100,  34},
    {"ShapeFlash",  "FLASH",            TPartKind::Chip,      20,  90,  70,  40},
    {"ShapeSSRAM",  "SSRAM",            TPartKind::Memory,    20, 150,  70,  40},
    {"ShapeDDR",    "DDR SDRAM",        TPartKind::Memory,   310, 120, 100,  50},
};
// clang-format on
