// The parts of the Garvelow board picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h): the layout
// of its sister board Fallowmere with a second PCIe interface and the 2x5
// timing header where Fallowmere has its RS422 port.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int GARVELOW_PHOTO_WIDTH = 400;
constexpr int GARVELOW_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kGarvelowParts[] = {
    {nullptr,           "Arria 10 GX",  TPartKind::Chip,     140, 100, 110,  96},
    {"ShapeQsfp_A",     "QSFP+ A",      TPartKind::Cage,       6,  14,  56,  30},
    {"ShapeQsfp_B",     "QSFP+ B",      TPartKind::Cage,       6,  48,  56,  30},
    {"ShapeQsfp_C",     "QSFP+ C",      TPartKind::Cage,       6,  82,  56,  30},
    {"ShapeQsfp_D",     "QSFP+ D",      TPartKind::Cage,       6, 116,  56,  30},
    {"ShapeSi5340A",    "Si5340A",      TPartKind::Clock,     70,  64,  56,  22},
    {"ShapeOSC",        "50 MHz",       TPartKind::Clock,     70,  96,  56,  22},
    {"ShapeFan",        "FAN",          TPartKind::Fan,       76, 128,  44,  44},
    {"ShapeQDRII_A",    "QDRII+ A",     TPartKind::Memory,   134,  12,  40,  34},
    {"ShapeQDRII_B",    "QDRII+ B",     TPartKind::Memory,   178,  12,  40,  34},
    {"ShapeQDRII_C",    "QDRII+ C",     TPartKind::Memory,   222,  12,  40,  34},
    {"ShapeQDRII_D",    "QDRII+ D",     TPartKind::Memory,   266,  12,  40,  34},
    {"ShapeQDRII_E",    "QDRII+ E",     TPartKind::Memory,   310,  12,  40,  34},
    {"ShapeQDRII_F",    "QDRII+ F",     TPartKind::Memory,   354,  12,  40,  34},
    {"ShapeSi5340B",    "Si5340B",      TPartKind::Clock,    264,  60,  60,  22},
    {"ShapeFlash",      "FLASH",        TPartKind::Chip,     264,  92,  60,  30},
    {"ShapeGPIO",       "2x4 GPIO",     TPartKind::Slot,     334,  60,  60,  22},
    {"ShapeBracketLED", "LED BKT",      TPartKind::Leds,       6, 186,  56,  14},
    {"ShapeRs422",      "TIMING",       TPartKind::Slot,       6, 208,  56,  30},
    {"ShapeTemp",       "TEMP",         TPartKind::Chip,     140, 204,  50,  22},
    {"ShapePower",      "POWER",        TPartKind::Chip,     196, 204,  54,  22},
    {"ShapeLED",        "LED3..0",      TPartKind::Leds,     264, 196,  70,  14},
    {"ShapeButton",     "KEY3..0",      TPartKind::Buttons,  264, 216,  70,  24},
    {"ShapeSwitch",     "SW1..0",       TPartKind::Switches, 340, 216,  54,  24},
    {"ShapePCIe",       "PCIe x8",      TPartKind::Slot,      70, 252, 150,  24},
    {"ShapePCIe2",      "PCIe2 x8",     TPartKind::Slot,     230, 252, 150,  24},
};
// clang-format on
