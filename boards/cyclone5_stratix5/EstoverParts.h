// The parts of the Estover board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int ESTOVER_PHOTO_WIDTH = 440;
constexpr int ESTOVER_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kEstoverParts[] = {
    {nullptr,          "Stratix V",   TPartKind::Chip,     170, 110, 100, 100},
    {"ShapeHSMC",      "HSMC-A",      TPartKind::Slot,      76,  14, 200,  26},
    {"ShapeSata_0",    "SATA HOST",   TPartKind::Jack,       8,  14,  58,  26},
    {"ShapeSata_1",    "SATA DEV",    TPartKind::Jack,       8,  46,  58,  26},
    {"ShapeSma",       "SMA",         TPartKind::Jack,       8,  82,  58,  26},
    {"ShapeRs422",     "RS-422",      TPartKind::Jack,       8, 118,  58,  30},
    {"ShapeSi570",     "Si570",       TPartKind::Clock,    290,  62,  50,  22},
    {"ShapeCdcm61004", "CDCM61004",   TPartKind::Clock,    290,  92,  60,  22},
    {"ShapeOSC",       "50 MHz",      TPartKind::Clock,     76,  62,  54,  22},
    {"ShapeFlash",     "FLASH",       TPartKind::Chip,      76,  96,  54,  34},
    {"ShapeSSRAM",     "SSRAM",       TPartKind::Memory,    76, 140,  54,  34},
    {"ShapeTemp",      "TEMP",        TPartKind::Chip,     290, 126,  44,  24},
    {"ShapeFan",       "FAN",         TPartKind::Fan,      290, 160,  44,  44},
    {"ShapeSfp_A",     "SFP+ A",      TPartKind::Cage,     372,  14,  60,  34},
    {"ShapeSfp_B",     "SFP+ B",      TPartKind::Cage,     372,  54,  60,  34},
    {"ShapeSfp_C",     "SFP+ C",      TPartKind::Cage,     372,  94,  60,  34},
    {"ShapeSfp_D",     "SFP+ D",      TPartKind::Cage,     372, 134,  60,  34},
    {"ShapeRJ45LED",   "RJ45 LED",    TPartKind::Leds,     372, 176,  60,  16},
    {"ShapeBracketLED","BRACKET LED", TPartKind::Leds,     372, 200,  60,  16},
    {"ShapeLED",       "LED3..0",     TPartKind::Leds,     336, 226,  96,  16},
    {"ShapeSwitch",    "SW3..0",      TPartKind::Switches, 336, 250,  96,  28},
    {"ShapeButton",    "BUTTON3..0",  TPartKind::Buttons,  336, 286,  96,  34},
    {"ShapePCIe",      "PCIe x8",     TPartKind::Slot,      76, 296, 200,  26},
};
// clang-format on
