// The parts of the Dorvalin board photograph, with the overlay shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int DORVALIN_PHOTO_WIDTH = 400;
constexpr int DORVALIN_PHOTO_HEIGHT = 256;

// clang-format off
constexpr TBoardPart kDorvalinParts[] = {
    {nullptr,          "Cyclone V SoC", 190,  58,  90,  80, TPartLook::Fpga,        0},
    {"ShapeGpio0",     "GPIO 0",         54,   4, 196,  16, TPartLook::Header,     20},
    {"ShapeArduino_0", "Arduino",        55,  27, 188,  10, TPartLook::Header,     10},
    {"ShapeHPS",       "HPS",           140,  56,  29,  27, TPartLook::Chip,        0},
    {"ShapeOSC",       "50M",           162, 149,  15,  22, TPartLook::Oscillator,  0},
    {"ShapeSwitch",    "SW3..0",        127, 180,  69,  26, TPartLook::SwitchRow,   4},
    {"ShapeArduino_1", "Arduino",        91, 218, 151,  10, TPartLook::Header,      8},
    {"ShapeLED",       "LED7..0",       303, 218,  48,  11, TPartLook::LedRow,      8},
    {"ShapeButton",    "KEY1..0",       268, 231,  28,  19, TPartLook::ButtonRow,   2},
    {"ShapeGpio1",     "GPIO 1",         54, 236, 196,  16, TPartLook::Header,     20},
    {"ShapeADC",       "ADC",           303, 236,  51,  14, TPartLook::Header,      5},
};
// clang-format on
