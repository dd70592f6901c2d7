// The parts of the Larrowen board picture that the form marks with an
// outline when the part is in use; the picture is drawn from the same table.
#pragma once

#include "boards/cyclone4_stratix4/BoardParts.h"

constexpr int LARROWEN_PHOTO_WIDTH = 380;
constexpr int LARROWEN_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kLarrowenParts[] = {
    {"ShapeEthernet",      "ETH",      TBoardPartKind::Jack,      10,   6,  40, 34},
    {"ShapeVGA",           "VGA",      TBoardPartKind::Jack,      56,   6,  44, 26},
    {"ShapeTvDecode",      "TV IN",    TBoardPartKind::Jack,     106,   6,  44, 26},
    {"ShapeRS232",         "RS-232",   TBoardPartKind::Jack,     156,   6,  44, 26},
    {"ShapeSDCARD",        "SD",       TBoardPartKind::Slot,     206,   6,  40, 26},
    {"ShapeSma",           "SMA",      TBoardPartKind::Jack,     252,   6,  36, 22},
    {"ShapeIR",            "IR",       TBoardPartKind::Chip,     294,   6,  30, 22},
    {"ShapeHSMC",          "HSMC",     TBoardPartKind::Slot,     352,  40,  24, 150},
    {"ShapeGpio",          "GPIO",     TBoardPartKind::Slot,     352, 196,  24, 90},
    {"ShapeOSC",           "50 MHz",   TBoardPartKind::Clock,     10,  50,  40, 20},
    {"ShapeEEPROM",        "EEPROM",   TBoardPartKind::Chip,      56,  50,  44, 20},
    {"ShapeAccelerometer", "G-SENSOR", TBoardPartKind::Chip,     106,  50,  44, 20},
    {"ShapeLCD",           "LCD",      TBoardPartKind::Chip,      10,  80,  90, 40},
    {nullptr,              "Cyclone IV GX", TBoardPartKind::Chip, 160, 70, 90, 90},
    {"ShapeSDRAM",         "SDRAM",    TBoardPartKind::Memory,   260,  50,  60, 30},
    {"ShapeSSRAM",         "SSRAM",    TBoardPartKind::Memory,   260,  86,  60, 30},
    {"ShapeFlash",         "FLASH",    TBoardPartKind::Memory,   260, 122,  60, 30},
    {"ShapeSeg7",          "HEX7..0",  TBoardPartKind::Seg7,      10, 176, 240, 44},
    {"ShapeLED",           "LEDs",     TBoardPartKind::Leds,      10, 226, 330, 12},
    {"ShapeSwitch",        "SW17..0",  TBoardPartKind::Switches,  10, 244, 230, 32},
    {"ShapeButton",        "KEY3..0",  TBoardPartKind::Buttons,  250, 244,  90, 32},
    // One edge connector, marked for either kind of PCIe IP.
    {"ShapePCIeSoftIP",    nullptr,    TBoardPartKind::Slot,     100, 282, 140, 16},
    {"ShapePCIeHardIP",    "PCIe",     TBoardPartKind::Slot,     100, 282, 140, 16},
};
// clang-format on
