// The parts of the Fallowmere board picture (Arria10Parts.h).
#pragma once

#include "boards/arria10/Arria10Parts.h"

// clang-format off
constexpr TBoardPart kFallowmereParts[] = {
    {nullptr,           "Arria 10 GX",  140, 104, 110, 100, false},
    {"ShapeQsfp_A",     "QSFP+ A",        6,  16,  56,  30, false},
    {"ShapeQsfp_B",     "QSFP+ B",        6,  52,  56,  30, false},
    {"ShapeQsfp_C",     "QSFP+ C",        6,  88,  56,  30, false},
    {"ShapeQsfp_D",     "QSFP+ D",        6, 124,  56,  30, false},
    {"ShapeSi5340A",    "Si5340A",       70,  72,  56,  24, false},
    {"ShapeOSC",        "50 MHz",        70, 120,  56,  22, true},
    {"ShapeFan",        "FAN",           70, 156,  56,  40, false},
    {"ShapeQDRII_A",    "QDRII+ A",     134,  14,  40,  34, false},
    {"ShapeQDRII_B",    "QDRII+ B",     178,  14,  40,  34, false},
    {"ShapeQDRII_C",    "QDRII+ C",     222,  14,  40,  34, false},
    {"ShapeQDRII_D",    "QDRII+ D",     266,  14,  40,  34, false},
    {"ShapeQDRII_E",    "QDRII+ E",     310,  14,  40,  34, false},
    {"ShapeQDRII_F",    "QDRII+ F",     354,  14,  40,  34, false},
    {"ShapeSi5340B",    "Si5340B",      264,  64,  60,  24, false},
    {"ShapeFlash",      "FLASH",        264, 100,  60,  30, false},
    {"ShapeGPIO",       "2x4 GPIO",     334,  64,  60,  24, false},
    {"ShapeRs422",      "RS422",          6, 226,  56,  34, false},
    {"ShapeBracketLED", "LED BKT",        6, 200,  56,  16, false},
    {"ShapeTemp",       "TEMP",         140, 214,  50,  22, true},
    {"ShapePower",      "POWER",        196, 214,  54,  22, true},
    {"ShapeLED",        "LED3..0",      264, 206,  70,  14, false},
    {"ShapeButton",     "KEY3..0",      264, 228,  70,  22, false},
    {"ShapeSwitch",     "SW1..0",       340, 228,  54,  22, false},
    {"ShapePCIe",       "PCIe x8",      100, 272, 200,  24, false},
};
// clang-format on
