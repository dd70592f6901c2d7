// The parts of the Wyndholt board photograph, with the overlay shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int WYNDHOLT_PHOTO_WIDTH = 400;
constexpr int WYNDHOLT_PHOTO_HEIGHT = 313;

// clang-format off
constexpr TBoardPart kWyndholtParts[] = {
    {nullptr,       "Cyclone V",  185, 110,  90,  90, TPartLook::Fpga,        0},
    {"ShapeVGA",    "VGA",        159,   8,  90,  66, TPartLook::Jack,        0},
    {"ShapePS2",    "PS/2",       265,  22,  39,  35, TPartLook::Jack,        0},
    {"ShapeSdCard", "microSD",    322,  40,  40,  42, TPartLook::Socket,      0},
    {"ShapeOSC",    "50M",        156,  86,  21,  13, TPartLook::Oscillator,  0},
    {"ShapeGpio0",  "GPIO 0",     307,  95,  18, 168, TPartLook::Header,     20},
    {"ShapeGpio1",  "GPIO 1",     367,  95,  18, 168, TPartLook::Header,     20},
    {"ShapeSeg7",   "HEX5..HEX0",  42, 221, 148,  37, TPartLook::Seg7,        6},
    {"ShapeSDRAM",  "SDRAM",      198, 232,  67,  27, TPartLook::Chip,        0},
    {"ShapeLED",    "LEDR9..0",    42, 265, 148,  10, TPartLook::LedRow,     10},
    {"ShapeSwitch", "SW9..0",      43, 284, 151,  25, TPartLook::SwitchRow,  10},
    {"ShapeButton", "KEY3..0",    207, 286,  96,  23, TPartLook::ButtonRow,   4},
};
// clang-format on
