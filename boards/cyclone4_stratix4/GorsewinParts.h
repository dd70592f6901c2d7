// The parts of the Gorsewin board picture that the form marks with an
// outline when the part is in use; the picture is drawn from the same table.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int GORSEWIN_PHOTO_WIDTH = 380;
constexpr int GORSEWIN_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kGorsewinParts[] = {
    {"ShapeGpio",     "GPIO",        TPartKind::Slot,      20,   6, 150, 22},
    {"ShapeHSMC",     "HSMC",        TPartKind::Slot,     200,   6, 160, 22},
    {"ShapeEthernet", "ETH",         TPartKind::Jack,       4,  40,  40, 36},
    {"ShapeVGA",      "VGA",         TPartKind::Jack,       4,  84,  40, 30},
    {"ShapeAudio",    "AUDIO",       TPartKind::Jack,       4, 120,  40, 40},
    {"ShapePS2",      "PS/2",        TPartKind::Jack,       4, 168,  40, 26},
    {"ShapeRS232",    "RS-232",      TPartKind::Jack,       4, 200,  40, 30},
    {"ShapeOSC",      "50 MHz",      TPartKind::Clock,     60,  40,  40, 20},
    {"ShapeEEPROM",   "EEPROM",      TPartKind::Chip,     108,  40,  44, 20},
    {"ShapeSDCARD",   "SD",          TPartKind::Slot,     330,  40,  44, 30},
    {"ShapeSma",      "SMA",         TPartKind::Jack,     336,  80,  38, 22},
    {"ShapeLCD",      "LCD",         TPartKind::Chip,      60,  80,  90, 36},
    {nullptr,         "Cyclone IV E", TPartKind::Chip,    160,  80,  80, 80},
    {"ShapeSDRAM",    "SDRAM",       TPartKind::Memory,   250,  80,  60, 30},
    {"ShapeSRAM",     "SRAM",        TPartKind::Memory,   250, 116,  60, 30},
    {"ShapeFlash",    "FLASH",       TPartKind::Memory,   250, 152,  60, 30},
    {"ShapeSeg7",     "HEX3..0",     TPartKind::Seg7,      60, 196, 160, 44},
    {"ShapeLED",      "LEDs",        TPartKind::Leds,      60, 246, 300, 12},
    {"ShapeButton",   "KEY3..0",     TPartKind::Buttons,   60, 262, 110, 32},
    {"ShapeSwitch",   "SW9..0",      TPartKind::Switches, 180, 262, 180, 32},
};
// clang-format on
