// The parts of the Elmsary board photograph, with the overlay shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int ELMSARY_PHOTO_WIDTH = 400;
constexpr int ELMSARY_PHOTO_HEIGHT = 240;

// clang-format off
constexpr TBoardPart kElmsaryParts[] = {
    {nullptr,          "Cyclone V SoC", 280,  48,  90,  80, TPartLook::Fpga,        0},
    {"ShapeGpio0",     "GPIO 0",         86,   4, 180,  16, TPartLook::Header,     20},
    {"ShapeArduino_0", "Arduino",        89,  27, 171,  10, TPartLook::Header,     10},
    {"ShapeHPS",       "HPS",           167,  58,  29,  27, TPartLook::Chip,        0},
    {"ShapeHDMI",      "HDMI",            8,  79,  29,  46, TPartLook::Jack,        0},
    {"ShapeArduino_2", "ICSP",          253, 104,  14,  26, TPartLook::Header,      3},
    {"ShapeOSC",       "50M",           187, 141,  15,  21, TPartLook::Oscillator,  0},
    {"ShapeSwitch",    "SW3..0",        157, 169,  62,  25, TPartLook::SwitchRow,   4},
    {"ShapeArduino_1", "Arduino",       122, 203, 136,  10, TPartLook::Header,      8},
    {"ShapeLED",       "LED7..0",       312, 203,  47,  11, TPartLook::LedRow,      8},
    {"ShapeButton",    "KEY1..0",       282, 221,  26,  12, TPartLook::ButtonRow,   2},
    {"ShapeADC",       "ADC",           317, 223,  43,  14, TPartLook::Header,      5},
    {"ShapeGpio1",     "GPIO 1",         85, 224, 180,  16, TPartLook::Header,     20},
};
// clang-format on
