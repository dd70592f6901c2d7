// The parts of the Ulverrow board picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h).
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int ULVERROW_PHOTO_WIDTH = 400;
constexpr int ULVERROW_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kUlverrowParts[] = {
    {nullptr,           "Arria 10 GX",  TPartKind::Chip,     130,  96, 110, 100},
    {"ShapeQsfp_A",     "QSFP+ A",      TPartKind::Cage,       6,  14,  56,  30},
    {"ShapeQsfp_B",     "QSFP+ B",      TPartKind::Cage,       6,  48,  56,  30},
    {"ShapeQsfp_C",     "QSFP+ C",      TPartKind::Cage,       6,  82,  56,  30},
    {"ShapeQsfp_D",     "QSFP+ D",      TPartKind::Cage,       6, 116,  56,  30},
    {"ShapeSi5340A",    "Si5340A",      TPartKind::Clock,     70,  64,  52,  22},
    {"ShapeOSC",        "50 MHz",       TPartKind::Clock,     70,  96,  52,  22},
    {"ShapeFan",        "FAN",          TPartKind::Fan,       74, 128,  44,  44},
    {"ShapeQDRII_A",    "QDRII+ A",     TPartKind::Memory,   124,  12,  44,  34},
    {"ShapeQDRII_B",    "QDRII+ B",     TPartKind::Memory,   172,  12,  44,  34},
    {"ShapeQDRII_C",    "QDRII+ C",     TPartKind::Memory,   220,  12,  44,  34},
    {"ShapeQDRII_D",    "QDRII+ D",     TPartKind::Memory,   268,  12,  44,  34},
    {"ShapeSi5340B",    "Si5340B",      TPartKind::Clock,    250,  60,  60,  22},
    {"ShapeFlash",      "FLASH",        TPartKind::Chip,     250,  92,  60,  30},
    {nullptr,           "TPS40428",     TPartKind::Chip,     250, 130,  60,  22},
    {"ShapeDDR4_0",     "DDR4 A",       TPartKind::Memory,   322,  12,  32, 170},
    {"ShapeDDR4_1",     "DDR4 B",       TPartKind::Memory,   360,  12,  32, 170},
    {"ShapeSma",        "SMA",          TPartKind::Jack,       6, 154,  56,  24},
    {"ShapeBracketLED", "LED BKT",      TPartKind::Leds,       6, 186,  56,  14},
    {"ShapeRs422",      "RS422",        TPartKind::Jack,       6, 208,  56,  30},
    {"ShapeTemp",       "TEMP",         TPartKind::Chip,     130, 204,  50,  22},
    {"ShapePower",      "POWER",        TPartKind::Chip,     186, 204,  54,  22},
    {"ShapeSeg7",       "HEX1 HEX0",    TPartKind::Seg7,     250, 194,  64,  34},
    {"ShapeLED",        "LED3..0",      TPartKind::Leds,     322, 192,  70,  14},
    {"ShapeButton",     "KEY3..0",      TPartKind::Buttons,  322, 212,  70,  24},
    {"ShapeSwitch",     "SW1..0",       TPartKind::Switches, 250, 231,  64,  18},
    {"ShapePCIe",       "PCIe x8",      TPartKind::Slot,     100, 252, 200,  24},
};
// clang-format on
