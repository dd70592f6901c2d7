// The parts of the Avemor board picture, with the outline shapes of the form
// that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int AVEMOR_PHOTO_WIDTH = 400;
constexpr int AVEMOR_PHOTO_HEIGHT = 240;

// clang-format off
constexpr TBoardPart kAvemorParts[] = {
    {nullptr,       "Cyclone III",  150,  84,  84,  80, TPartLook::Fpga,        0},
    {"ShapeGpio0",  "GPIO 0",        20,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeGpio1",  "GPIO 1",       210,   8, 170,  20, TPartLook::Header,     20},
    {"ShapeVGA",    "VGA",            8,  36,  60,  40, TPartLook::Jack,        0},
    {"ShapeLCD",    "LCD (Option)",  80,  36, 120,  40, TPartLook::Chip,        0},
    {"ShapeSDCARD", "SD",           330,  36,  56,  44, TPartLook::Socket,      0},
    {"ShapePS2",    "PS/2",           8,  82,  50,  34, TPartLook::Jack,        0},
    {"ShapeOSC",    "50M",          246,  90,  26,  16, TPartLook::Oscillator,  0},
    {"ShapeRS232",  "RS232",          8, 122,  60,  36, TPartLook::Jack,        0},
    {"ShapeSDRAM",  "SDRAM",        260, 118,  60,  30, TPartLook::Chip,        0},
    {"ShapeFlash",  "FLASH",        330, 118,  56,  30, TPartLook::Chip,        0},
    {"ShapeSeg7",   "HEX3..0",       80, 170, 110,  30, TPartLook::Seg7,        4},
    {"ShapeLED",    "LED9..0",      200, 172, 140,   8, TPartLook::LedRow,     10},
    {"ShapeSwitch", "SW9..0",       200, 188, 140,  22, TPartLook::SwitchRow,  10},
    {"ShapeButton", "BUTTON2..0",    80, 208, 100,  24, TPartLook::ButtonRow,   3},
};
// clang-format on
