// The parts of the Vantremere board photograph, with the overlay shapes of
// the form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int VANTREMERE_PHOTO_WIDTH = 400;
constexpr int VANTREMERE_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kVantremereParts[] = {
    {nullptr,              "MAX 10",      150,  90, 100, 100, TPartLook::Fpga,        0},
    {"ShapeGpio",          "GPIO",         10,   6, 180,  24, TPartLook::Header,     20},
    {"ShapeArduino_0",     "Arduino",     204,   6, 110,  22, TPartLook::Header,     10},
    {"ShapeArduino_1",     "Arduino",     324,   6,  70,  22, TPartLook::Header,      8},
    {"ShapeVGA",           "VGA",          10,  60,  84,  40, TPartLook::Jack,        0},
    {"ShapeAccelerometer", "ACCEL",        20, 124,  60,  36, TPartLook::Chip,        0},
    {"ShapeOSC",           "50 MHz",      268,  66,  54,  26, TPartLook::Oscillator,  0},
    {"ShapeSDRAM",         "SDRAM",       268, 110,  70,  44, TPartLook::Chip,        0},
    {"ShapeSeg7",          "HEX5..HEX0",   16, 206, 170,  40, TPartLook::Seg7,        6},
    {"ShapeLED",           "LEDR9..0",    210, 196, 180,  16, TPartLook::LedRow,     10},
    {"ShapeSwitch",        "SW9..0",      210, 222, 180,  30, TPartLook::SwitchRow,  10},
    {"ShapeButton",        "KEY1..0",      16, 258,  80,  32, TPartLook::ButtonRow,   2},
};
// clang-format on
