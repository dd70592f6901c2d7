// The parts of the Rastrelle board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int RASTRELLE_PHOTO_WIDTH = 440;
constexpr int RASTRELLE_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kRastrelleParts[] = {
    {nullptr,          "Stratix V",   TPartKind::Chip,     170, 110, 100, 100},
    {"ShapeSata_0",    "SATA H0",     TPartKind::Jack,       8,  14,  52,  26},
    {"ShapeSata_1",    "SATA H1",     TPartKind::Jack,       8,  46,  52,  26},
    {"ShapeSata_2",    "SATA D0",     TPartKind::Jack,       8,  78,  52,  26},
    {"ShapeSata_3",    "SATA D1",     TPartKind::Jack,       8, 110,  52,  26},
    {"ShapeSma",       "SMA",         TPartKind::Jack,       8, 150,  52,  26},
    {"ShapeRs422",     "RS-422",      TPartKind::Jack,       8, 184,  52,  30},
    {"ShapeQDRII_A",   "QDRII+ A",    TPartKind::Memory,    76,  14,  60,  34},
    {"ShapeQDRII_B",   "QDRII+ B",    TPartKind::Memory,   144,  14,  60,  34},
    {"ShapeQDRII_C",   "QDRII+ C",    TPartKind::Memory,   212,  14,  60,  34},
    {"ShapeQDRII_D",   "QDRII+ D",    TPartKind::Memory,   280,  14,  60,  34},
    {"ShapeSi570",     "Si570",       TPartKind::Clock,    290,  62,  50,  22},
    {"ShapeCdcm61001", "CDCM61001",   TPartKind::Clock,    290,  92,  60,  22},
    {"ShapeCdcm61004", "CDCM61004",   TPartKind::Clock,     76,  62,  60,  22},
    {"ShapeOSC",       "50 MHz",      TPartKind::Clock,     76,  96,  54,  22},
    {"ShapeFlash",     "FLASH",       TPartKind::Chip,      76, 130,  54,  34},
    {"ShapeTemp",      "TEMP",        TPartKind::Chip,     290, 126,  44,  24},
    {"ShapeFan",       "FAN",         TPartKind::Fan,      290, 160,  44,  44},
    {"ShapeSfp_A",     "SFP+ A",      TPartKind::Cage,     372,  14,  60,  34},
    {"ShapeSfp_B",     "SFP+ B",      TPartKind::Cage,     372,  54,  60,  34},
    {"ShapeSfp_C",     "SFP+ C",      TPartKind::Cage,     372,  94,  60,  34},
    {"ShapeSfp_D",     "SFP+ D",      TPartKind::Cage,     372, 134,  60,  34},
    {"ShapeRJ45LED",   "RJ45 LED",    TPartKind::Leds,     372, 176,  60,  16},
    {"ShapeBracketLED","BRACKET LED", TPartKind::Leds,     372, 200,  60,  16},
    {"ShapeDDR3_0",    "DDR3 SODIMM A", TPartKind::Slot,    76, 226, 170,  22},
    {"ShapeDDR3_1",    "DDR3 SODIMM B", TPartKind::Slot,    76, 256, 170,  22},
    {"ShapeSeg7",      "HEX1 HEX0",   TPartKind::Seg7,     256, 222,  70,  40},
    {"ShapeLED",       "LED3..0",     TPartKind::Leds,     336, 226,  96,  16},
    {"ShapeSwitch",    "SW3..0",      TPartKind::Switches, 336, 250,  96,  28},
    {"ShapeButton",    "BUTTON3..0",  TPartKind::Buttons,  336, 286,  96,  34},
    {"ShapePCIe",      "PCIe x8",     TPartKind::Slot,      76, 296, 200,  26},
};
// clang-format on
