// The parts of the Jessamont board picture, with the outline shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int JESSAMONT_PHOTO_WIDTH = 440;
constexpr int JESSAMONT_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TBoardPart kJessamontParts[] = {
    {nullptr,            "Cyclone V GT",  170, 104, 100, 100, TPartLook::Fpga,        0},
    {"ShapeUart2USB",    "UART",           12,  12,  76,  36, TPartLook::Jack,        0},
    {"ShapeSmaClock",    "SMA",            96,  12,  60,  30, TPartLook::Jack,        0},
    {"ShapeFan",         "FAN",           166,  10,  40,  36, TPartLook::Chip,        0},
    {"ShapeOSC",         "50M",           126,  84,  34,  16, TPartLook::Oscillator,  0},
    {"ShapeArduino_0",   "Arduino",        16,  72,  16, 110, TPartLook::Header,     10},
    {"ShapeArduino_1",   "",               40, 126,  16,  56, TPartLook::Header,      4},
    {"ShapeArduinoADC",  "ADC",            64, 150,  50,  26, TPartLook::Chip,        0},
    {"ShapeSDRAM",       "SDRAM",         286,  96,  60,  34, TPartLook::Chip,        0},
    {"ShapeDDR3",        "DDR3",          286, 142,  60,  40, TPartLook::Chip,        0},
    {"ShapeGpio3V3",     "3.3V",          230,  14,  30,  30, TPartLook::Jumper,      0},
    {"ShapeGpio2V5",     "2.5V",          264,  14,  30,  30, TPartLook::Jumper,      0},
    {"ShapeGpio1V8",     "1.8V",          298,  14,  30,  30, TPartLook::Jumper,      0},
    {"ShapeGpio1V5",     "1.5V",          332,  14,  30,  30, TPartLook::Jumper,      0},
    {"ShapeGpio_0",      "GPIO 0",        370,  66,  18, 168, TPartLook::Header,     20},
    {"ShapeGpio_1",      "GPIO 1",        410,  66,  18, 168, TPartLook::Header,     20},
    {"ShapeSeg7_x2",     "HEX1 HEX0",      20, 212,  80,  40, TPartLook::Seg7,        2},
    {"ShapeLED",         "LED3..0",       120, 222,  70,  12, TPartLook::LedRow,      4},
    {"ShapeSwitch",      "SW3..0",        120, 244,  80,  30, TPartLook::SwitchRow,   4},
    {"ShapeButton",      "KEY3..0",       210, 244,  90,  30, TPartLook::ButtonRow,   4},
    {"ShapePCIe",        "PCIe x4",        60, 292, 220,  30, TPartLook::Socket,      0},
};
// clang-format on
