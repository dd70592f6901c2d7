// The parts of the Quenwick board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int QUENWICK_PHOTO_WIDTH = 460;
constexpr int QUENWICK_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kQuenwickParts[] = {
    {nullptr,       "Stratix IV E", TPartKind::Chip,     180, 120, 100, 100},
    {"ShapeFMC_A",  "FMC-A",        TPartKind::Slot,      10,  10, 100,  24},
    {"ShapeFMC_B",  "FMC-B",        TPartKind::Slot,     120,  10, 100,  24},
    {"ShapeFMC_C",  "FMC-C",        TPartKind::Slot,     230,  10, 100,  24},
    {"ShapeFMC_D",  "FMC-D",        TPartKind::Slot,     340,  10, 110,  24},
    {"ShapeDDR3",   "DDR3 SODIMM",  TPartKind::Slot,      70,  46, 200,  22},
    {"ShapeOSC",    "50 MHz",       TPartKind::Clock,      8,  80,  50,  22},
    {"ShapeFlash",  "FLASH",        TPartKind::Chip,       8, 112,  50,  34},
    {"ShapeSSRAM",  "SSRAM",        TPartKind::Chip,       8, 154,  50,  34},
    {"ShapeTemp",   "TEMP",         TPartKind::Chip,       8, 196,  44,  24},
    {"ShapeFan",    "FAN",          TPartKind::Fan,        8, 228,  44,  44},
    {"ShapeSma",    "SMA",          TPartKind::Jack,      70, 240,  50,  24},
    {"ShapeSeg7",   "HEX3..HEX0",   TPartKind::Seg7,     360,  80,  90,  40},
    {"ShapeLED",    "LED7..0",      TPartKind::Leds,     360, 130,  90,  16},
    {"ShapeSwitch", "SW7..0",       TPartKind::Switches, 360, 154,  90,  26},
    {"ShapeButton", "BUTTON3..0",   TPartKind::Buttons,  360, 190,  90,  34},
    {"ShapeHSMC_A", "HSMC-A",       TPartKind::Slot,      60, 296, 160,  24},
    {"ShapeHSMC_B", "HSMC-B",       TPartKind::Slot,     240, 296, 160,  24},
};
// clang-format on
