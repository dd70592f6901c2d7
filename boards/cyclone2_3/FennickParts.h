// The parts of the Fennick board picture, with the outline shapes of the form
// that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int FENNICK_PHOTO_WIDTH = 400;
constexpr int FENNICK_PHOTO_HEIGHT = 290;

// clang-format off
constexpr TBoardPart kFennickParts[] = {
    {nullptr,       "Cyclone II",        150, 110,  90,  90, TPartLook::Fpga,        0},
    {"ShapeGpio0",  "GPIO 0",             20,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeGpio1",  "GPIO 1",            210,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeVGA",    "VGA",                 8,  40,  60,  40, TPartLook::Jack,        0},
    {"ShapeAudio",  "AUDIO",              80,  40,  60,  36, TPartLook::Jack,        0},
    {"ShapeSma",    "SMA",               150,  44,  26,  26, TPartLook::Jack,        0},
    {"ShapeSDCARD", "SD",                330,  40,  56,  44, TPartLook::Socket,      0},
    {"ShapePS2",    "PS/2",                8,  90,  50,  36, TPartLook::Jack,        0},
    {"ShapeOSC",    "50M",               250, 114,  26,  16, TPartLook::Oscillator,  0},
    {"ShapeRS232",  "RS232",               8, 136,  60,  40, TPartLook::Jack,        0},
    {"ShapeSDRAM",  "SDRAM",             260, 150,  60,  30, TPartLook::Chip,        0},
    {"ShapeSRAM",   "SRAM",              330, 150,  56,  30, TPartLook::Chip,        0},
    {"ShapeFlash",  "FLASH",             260, 190,  60,  30, TPartLook::Chip,        0},
    {"ShapeSeg7",   "HEX3..0",            80, 220, 110,  32, TPartLook::Seg7,        4},
    {"ShapeLED",    "LEDR9..0 LEDG7..0", 200, 240, 190,   8, TPartLook::LedRow,     18},
    {"ShapeSwitch", "SW9..0",            200, 258, 140,  22, TPartLook::SwitchRow,  10},
    {"ShapeButton", "KEY3..0",            80, 262, 110,  24, TPartLook::ButtonRow,   4},
};
// clang-format on
