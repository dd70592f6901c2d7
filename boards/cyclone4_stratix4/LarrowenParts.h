// The parts of the Larrowen board picture that the form marks with an
// outline when the part is in use; the picture is drawn from the same table.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int LARROWEN_PHOTO_WIDTH = 380;
constexpr int LARROWEN_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kLarrowenParts[] = {
    {"ShapeEthernet",      "ETH",      TPartKind::Jack,      10,   6,  40, 34},
    {"ShapeVGA",           "VGA",      TPartKind::Jack,      56,   6,  44, 26},
    {"ShapeTvDecode",      "TV IN",    TPartKind::Jack,     106,   6,  44, 26},
    {"ShapeRS232",         "RS-232",   TPartKind::Jack,     156,   6,  44, 26},
    {"ShapeSDCARD",        "SD",       TPartKind::Slot,     206,   6,  40, 26},
    {"ShapeSma",           "SMA",      TPartKind::Jack,     252,   6,  36, 22},
    {"ShapeIR",            "IR",       TPartKind::Chip,     294,   6,  30, 22},
    {"ShapeHSMC",          "HSMC",     TPartKind::Slot,     352,  40,  24, 150},
    {"ShapeGpio",          "GPIO",     TPartKind::Slot,     352, 196,  24, 90},
    {"ShapeOSC",           "50 MHz",   TPartKind::Clock,     10,  50,  40, 20},
    {"ShapeEEPROM",        "EEPROM",   TPartKind::Chip,      56,  50,  44, 20},
    {"ShapeAccelerometer", "G-SENSOR", TPartKind::Chip,     106,  50,  44, 20},
    {"ShapeLCD",           "LCD",      TPartKind::Chip,      10,  80,  90, 40},
    {nullptr,              "Cyclone IV GX", TPartKind::Chip, 160, 70, 90, 90},
    {"ShapeSDRAM",         "SDRAM",    TPartKind::Memory,   260,  50,  60, 30},
    {"ShapeSSRAM",         "SSRAM",    TPartKind::Memory,   260,  86,  60, 30},
    {"ShapeFlash",         "FLASH",    TPartKind::Memory,   260, 122,  60, 30},
    {"ShapeSeg7",          "HEX7..0",  TPartKind::Seg7,      10, 176, 240, 44},
    {"ShapeLED",           "LEDs",     TPartKind::Leds,      10, 226, 330, 12},
    {"ShapeSwitch",        "SW17..0",  TPartKind::Switches,  10, 244, 230, 32},
    {"ShapeButton",        "KEY3..0",  TPartKind::Buttons,  250, 244,  90, 32},
    // One edge connector, marked for either kind of PCIe IP.
    {"ShapePCIeSoftIP",    nullptr,    TPartKind::Slot,     100, 282, 140, 16},
    {"ShapePCIeHardIP",    "PCIe",     TPartKind::Slot,     100, 282, 140, 16},
};
// clang-format on
