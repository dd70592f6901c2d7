// The parts of the Isselmont board picture, with the outline shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int ISSELMONT_PHOTO_WIDTH = 400;
constexpr int ISSELMONT_PHOTO_HEIGHT = 328;

// clang-format off
constexpr TBoardPart kIsselmontParts[] = {
    {nullptr,         "Cyclone II",         150, 120,  90,  90, TPartLook::Fpga,        0},
    {"ShapeGpio0",    "GPIO 0",              20,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeGpio1",    "GPIO 1",             210,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeVGA",      "VGA",                  8,  40,  60,  40, TPartLook::Jack,        0},
    {"ShapeAudio",    "AUDIO",               80,  40,  60,  36, TPartLook::Jack,        0},
    {"ShapeTvDecode", "TV",                 150,  40,  40,  36, TPartLook::Jack,        0},
    {"ShapeEthernet", "ETH",                200,  40,  46,  40, TPartLook::Jack,        0},
    {"ShapeSma",      "SMA",                256,  44,  26,  26, TPartLook::Jack,        0},
    {"ShapeSDCARD",   "SD",                 330,  40,  56,  44, TPartLook::Socket,      0},
    {"ShapePS2",      "PS/2",                 8,  90,  50,  36, TPartLook::Jack,        0},
    {"ShapeIR",       "IR",                  80,  90,  30,  16, TPartLook::Chip,        0},
    {"ShapeOSC",      "50M",                250, 122,  26,  16, TPartLook::Oscillator,  0},
    {"ShapeRS232",    "RS232",                8, 136,  60,  40, TPartLook::Jack,        0},
    {"ShapeSDRAM",    "SDRAM",              260, 160,  60,  30, TPartLook::Chip,        0},
    {"ShapeSRAM",     "SRAM",               330, 160,  56,  30, TPartLook::Chip,        0},
    {"ShapeUSB",      "USB",                  8, 186,  50,  30, TPartLook::Jack,        0},
    {"ShapeFlash",    "FLASH",              260, 200,  60,  30, TPartLook::Chip,        0},
    {"ShapeLEDG8",    "G8",                 330, 210,  10,  10, TPartLook::LedRow,      1},
    {"ShapeLCD",      "LCD",                 60, 216, 120,  32, TPartLook::Chip,        0},
    {"ShapeSeg7",     "HEX7..0",             60, 254, 180,  28, TPartLook::Seg7,        8},
    {"ShapeLED",      "LEDR17..0 LEDG7..0", 248, 266, 142,   8, TPartLook::LedRow,     26},
    {"ShapeSwitch",   "SW17..0",             20, 294, 220,  26, TPartLook::SwitchRow,  18},
    {"ShapeButton",   "KEY3..0",            250, 294, 140,  26, TPartLook::ButtonRow,   4},
};
// clang-format on
