// The parts of the Quillomar module picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h).
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int QUILLOMAR_PHOTO_WIDTH = 400;
constexpr int QUILLOMAR_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kQuillomarParts[] = {
    {nullptr,           "Stratix 10 SX", TPartKind::Chip,     140,  84, 120, 104},
    {"ShapeHPS",        "HPS",           TPartKind::Chip,     212, 150,  40,  30},
    {"ShapeDDR4A",      "DDR4A",         TPartKind::Memory,    12,  14, 116,  40},
    {"ShapeDDR4B",      "DDR4B",         TPartKind::Memory,   272,  14, 116,  40},
    {"ShapeSI5341",     "Si5341A",       TPartKind::Clock,    150,  24,  64,  22},
    {"ShapeOSC",        "50 MHz",        TPartKind::Clock,    150,  52,  64,  22},
    {"ShapeSystemInfo", "INFO",          TPartKind::Chip,     300,  84,  60,  26},
    {"ShapeLED",        "LED1..0",       TPartKind::Leds,      12,  84,  40,  14},
    {"ShapeButton",     "BUTTON1..0",    TPartKind::Buttons,   12, 112,  70,  24},
    {"ShapeSwitch",     "SW1..0",        TPartKind::Switches,  12, 146,  48,  24},
    {"ShapeFMC",        "FMC",           TPartKind::Slot,      12, 214, 180,  40},
    {"ShapeFMCP",       "FMC+",          TPartKind::Slot,     208, 214, 180,  40},
};
// clang-format on
