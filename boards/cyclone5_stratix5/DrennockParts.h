// The parts of the Drennock board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int DRENNOCK_PHOTO_WIDTH = 440;
constexpr int DRENNOCK_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kDrennockParts[] = {
    {nullptr,          "Stratix V",   TPartKind::Chip,     170, 110, 100, 100},
    {"ShapeSata",      "SATA",        TPartKind::Jack,       8,  14,  52,  26},
    {"ShapeRs422",     "1394/RS-422", TPartKind::Jack,       8,  48,  52,  34},
    {"ShapeQDRII_A",   "QDRII+ A",    TPartKind::Memory,    76,  14,  60,  34},
    {"ShapeQDRII_B",   "QDRII+ B",    TPartKind::Memory,   144,  14,  60,  34},
    {"ShapeQDRII_C",   "QDRII+ C",    TPartKind::Memory,   212,  14,  60,  34},
    {"ShapeQDRII_D",   "QDRII+ D",    TPartKind::Memory,   280,  14,  60,  34},
    {"ShapeDDR3_0",    "DDR3 A",      TPartKind::Memory,    76, 226,  70,  34},
    {"ShapeDDR3_1",    "DDR3 B",      TPartKind::Memory,   156, 226,  70,  34},
    {"ShapeSi570",     "Si570",       TPartKind::Clock,    290,  62,  50,  22},
    {"ShapeCdcm61004", "CDCM61004",   TPartKind::Clock,    290,  92,  60,  22},
    {"ShapeOSC",       "50 MHz",      TPartKind::Clock,     76,  96,  54,  22},
    {"ShapeFlash",     "FLASH",       TPartKind::Chip,      76, 130,  54,  34},
    {"ShapeTemp",      "TEMP",        TPartKind::Chip,     290, 126,  44,  24},
    {"ShapeFan",       "FAN",         TPartKind::Fan,      290, 160,  44,  44},
    {"ShapeSfp_A",     "SFP+ A",      TPartKind::Cage,     372,  14,  60,  34},
    {"ShapeSfp_B",     "SFP+ B",      TPartKind::Cage,     372,  54,  60,  34},
    {"ShapeLED",       "LED x 8",     TPartKind::Leds,     336, 226,  96,  16},
    {"ShapeSwitch",    "SW1..0",      TPartKind::Switches, 336, 250,  60,  28},
    {"ShapeButton",    "BUTTON1..0",  TPartKind::Buttons,  336, 286,  96,  34},
    {"ShapePCIe",      "PCIe x8",     TPartKind::Slot,      76, 296, 200,  26},
};
// clang-format on
