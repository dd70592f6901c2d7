// The parts of the Zennorby board picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h).
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int ZENNORBY_PHOTO_WIDTH = 400;
constexpr int ZENNORBY_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kZennorbyParts[] = {
    {nullptr,              "Stratix 10",   TPartKind::Chip,     150, 100, 100, 90},
    {"ShapeQSFP28_A",      "QSFP28 A",     TPartKind::Cage,       6,  14,  56, 30},
    {"ShapeQSFP28_B",      "QSFP28 B",     TPartKind::Cage,       6,  48,  56, 30},
    {"ShapeQSFP28_C",      "QSFP28 C",     TPartKind::Cage,       6,  82,  56, 30},
    {"ShapeQSFP28_D",      "QSFP28 D",     TPartKind::Cage,       6, 116,  56, 30},
    {nullptr,              "Si5340A0",     TPartKind::Clock,     70,  30,  56, 22},
    {nullptr,              "Si5340A1",     TPartKind::Clock,     70, 116,  56, 22},
    {"ShapeOSC",           "50 MHz",       TPartKind::Clock,     70,  66,  56, 22},
    {"ShapeDDR4Socket_A",  "DDR4 A",       TPartKind::Memory,   150,  12, 100, 18},
    {"ShapeDDR4Socket_B",  "DDR4 B",       TPartKind::Memory,   150,  36, 100, 18},
    {"ShapeDDR4Socket_C",  "DDR4 C",       TPartKind::Memory,   150, 204, 100, 18},
    {"ShapeDDR4Socket_D",  "DDR4 D",       TPartKind::Memory,   150, 228, 100, 18},
    {"ShapeHPS",           "HPS",          TPartKind::Chip,     150,  62,  44, 30},
    {"ShapeFlash",         "FLASH",        TPartKind::Chip,     206,  62,  44, 30},
    {"ShapeFan",           "FAN",          TPartKind::Fan,      268,  96,  44, 44},
    {"ShapeTemperature",   "TEMP",         TPartKind::Chip,     268, 148,  44, 22},
    {"ShapePowerCore",     "POWER",        TPartKind::Chip,     268,  14,  56, 22},
    {"ShapePower12V",      "12V",          TPartKind::Jack,     336,  14,  56, 30},
    {"ShapeUFL",           "UFL",          TPartKind::Jack,     336,  52,  56, 24},
    {"ShapeGPIO2x5",       "2x5 GPIO",     TPartKind::Jack,     336,  84,  56, 24},
    {"ShapeLED",           "LED3..0",      TPartKind::Leds,     322, 180,  70, 14},
    {"ShapeButton",        "BUTTON1..0",   TPartKind::Buttons,  322, 200,  70, 24},
    {"ShapeSwitch",        "SW1..0",       TPartKind::Switches, 322, 230,  70, 18},
    {"ShapePCIe",          "PCIe x16",     TPartKind::Slot,      60, 254, 240, 22},
};
// clang-format on
