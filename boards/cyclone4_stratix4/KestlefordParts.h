// The parts of the Kestleford board picture, and of the picture of its two
// voltage jumpers (JP6 for the GPIO header, JP7 for the HSMC connector).
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int KESTLEFORD_PHOTO_WIDTH = 460;
constexpr int KESTLEFORD_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kKestlefordParts[] = {
    {nullptr,          "Cyclone IV E", TPartKind::Chip,     190, 110,  90,  90},
    {"ShapeHSMC",      "HSMC",         TPartKind::Slot,      10,  10, 200,  24},
    {"ShapeGpio",      "GPIO",         TPartKind::Slot,     230,  10, 150,  24},
    {"ShapeEJTAG",     "EX_IO",        TPartKind::Slot,     390,  10,  60,  24},
    {"ShapeVGA",       "VGA",          TPartKind::Jack,       8,  44,  56,  30},
    {"ShapeEthernet0", "ETH 1",        TPartKind::Jack,       8,  80,  56,  30},
    {"ShapeEthernet1", "ETH 2",        TPartKind::Jack,       8, 116,  56,  30},
    {"ShapeUSB",       "USB",          TPartKind::Jack,       8, 152,  56,  26},
    {"ShapePS2",       "PS/2",         TPartKind::Jack,       8, 184,  56,  26},
    {"ShapeRS232",     "RS-232",       TPartKind::Jack,       8, 216,  56,  26},
    {"ShapeAudio",     "AUDIO",        TPartKind::Jack,       8, 248,  56,  26},
    {"ShapeTvDecode",  "TV IN",        TPartKind::Jack,       8, 280,  56,  26},
    {"ShapeSDRAM",     "SDRAM",        TPartKind::Memory,    74,  44, 100,  26},
    {"ShapeSRAM",      "SRAM",         TPartKind::Memory,    74,  76, 100,  26},
    {"ShapeFlash",     "FLASH",        TPartKind::Chip,      74, 108,  60,  30},
    {"ShapeEEPROM",    "EEPROM",       TPartKind::Chip,      74, 144,  60,  24},
    {"ShapeOSC",       "50 MHz",       TPartKind::Clock,     74, 174,  60,  22},
    {"ShapeSma",       "SMA",          TPartKind::Jack,      74, 202,  60,  24},
    {"ShapeIR",        "IR",           TPartKind::Chip,      74, 232,  40,  24},
    {"ShapeSDCARD",    "SD",           TPartKind::Slot,     120, 232,  54,  30},
    {"ShapeLCD",       "LCD 16x2",     TPartKind::Chip,     300,  44, 150,  40},
    {"ShapeSeg7",      "HEX7..HEX0",   TPartKind::Seg7,     300,  92, 150,  40},
    {"ShapeLEDG8",     "LEDG8..0",     TPartKind::Leds,     300, 140, 150,  16},
    {"ShapeLED",       "LEDR17..0",    TPartKind::Leds,     190, 216, 260,  16},
    {"ShapeSwitch",    "SW17..0",      TPartKind::Switches, 190, 240, 260,  26},
    {"ShapeButton",    "KEY3..0",      TPartKind::Buttons,  300, 274, 150,  34},
};

constexpr int KESTLEFORD_JUMPER_WIDTH = 200;
constexpr int KESTLEFORD_JUMPER_HEIGHT = 96;

// Per jumper the four voltages 3.3 V, 2.5 V, 1.8 V and 1.5 V, in the order
// of the voltage combos' items.
constexpr TPicturePart kKestlefordJumperParts[] = {
    {nullptr,        "JP6 GPIO", TPartKind::Chip,  6,  8, 60, 36},
    {"ShapeGpio3V3", "3.3V",     TPartKind::Jack, 72, 14, 28, 24},
    {"ShapeGpio2V5", "2.5V",     TPartKind::Jack, 104, 14, 28, 24},
    {"ShapeGpio1V8", "1.8V",     TPartKind::Jack, 136, 14, 28, 24},
    {"ShapeGpio1V5", "1.5V",     TPartKind::Jack, 168, 14, 28, 24},
    {nullptr,        "JP7 HSMC", TPartKind::Chip,  6, 52, 60, 36},
    {"ShapeHsmc3V3", "3.3V",     TPartKind::Jack, 72, 58, 28, 24},
    {"ShapeHsmc2V5", "2.5V",     TPartKind::Jack, 104, 58, 28, 24},
    {"ShapeHsmc1V8", "1.8V",     TPartKind::Jack, 136, 58, 28, 24},
    {"ShapeHsmc1V5", "1.5V",     TPartKind::Jack, 168, 58, 28, 24},
};
// clang-format on
