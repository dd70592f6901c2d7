// The parts of the Tarrowind board picture (Arria10Parts.h).
#pragma once

#include "boards/arria10/Arria10Parts.h"

// clang-format off
constexpr TBoardPart kTarrowindParts[] = {
    {nullptr,           "Arria 10 GX",  130, 100, 110, 100, false},
    {"ShapeQsfp_A",     "QSFP+ A",        6,  16,  56,  30, false},
    {"ShapeQsfp_B",     "QSFP+ B",        6,  52,  56,  30, false},
    {"ShapeQsfp_C",     "QSFP+ C",        6,  88,  56,  30, false},
    {"ShapeQsfp_D",     "QSFP+ D",        6, 124,  56,  30, false},
    {"ShapeSi5340A",    "Si5340A",       70,  72,  48,  24, false},
    {"ShapeOSC",        "50 MHz",        70, 120,  48,  22, true},
    {"ShapeFan",        "FAN",           70, 156,  48,  40, false},
    {"ShapeQDRII_A",    "QDRII+ A",     124,  14,  44,  34, false},
    {"ShapeQDRII_B",    "QDRII+ B",     172,  14,  44,  34, false},
    {"ShapeQDRII_C",    "QDRII+ C",     220,  14,  44,  34, false},
    {"ShapeQDRII_D",    "QDRII+ D",     268,  14,  44,  34, false},
    {"ShapeSi5340B",    "Si5340B",      250,  64,  60,  24, false},
    {"ShapeFlash",      "FLASH",        250, 100,  60,  30, false},
    {"ShapeDDR3_0",     "DDR3 A",       322,  14,  32, 180, false},
    {"ShapeDDR3_1",     "DDR3 B",       360,  14,  32, 180, false},
    {"ShapeSma",        "SMA",            6, 168,  56,  24, false},
    {"ShapeBracketLED", "LED BKT",        6, 200,  56,  16, false},
    {"ShapeRs422",      "RS422",          6, 226,  56,  34, false},
    {"ShapeTemp",       "TEMP",         130, 210,  50,  22, true},
    {"ShapePower",      "POWER",        186, 210,  54,  22, true},
    {"ShapeSeg7",       "HEX1 HEX0",    250, 204,  64,  34, false},
    {"ShapeLED",        "LED3..0",      322, 206,  70,  14, false},
    {"ShapeButton",     "KEY3..0",      322, 228,  70,  22, false},
    {"ShapeSwitch",     "SW1..0",       250, 246,  64,  18, false},
    {"ShapePCIe",       "PCIe x8",      100, 272, 200,  24, false},
};
// clang-format on
