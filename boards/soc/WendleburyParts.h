// The parts of the Wendlebury board photograph and of the picture of its
// HSMC voltage jumper, with the overlay shapes of the form that mark them.
// The configuration flash (EPCQ) has an outline of its own, which no group
// shows or hides.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int WENDLEBURY_PHOTO_WIDTH = 400;
constexpr int WENDLEBURY_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kWendleburyParts[] = {
    {nullptr,        "Cyclone V SoC", 150,  96, 100,  96, TPartLook::Fpga,        0},
    {"ShapeGpio",    "GPIO",           10,   6, 180,  24, TPartLook::Header,     20},
    {"ShapeHSMC",    "HSMC",          210,   6, 180,  30, TPartLook::Socket,      0},
    {"ShapeVGA",     "VGA",            10,  50,  76,  34, TPartLook::Jack,        0},
    {"ShapeAudio",   "AUDIO",          92,  50,  76,  34, TPartLook::Jack,        0},
    {"ShapeVideoIn", "TV IN",         174,  50,  66,  34, TPartLook::Jack,        0},
    {"ShapePS2",     "PS/2",          246,  50,  60,  34, TPartLook::Jack,        0},
    {"ShapeIR",      "IR",            312,  50,  34,  24, TPartLook::Chip,        0},
    {"ShapeADC",     "ADC",           352,  50,  38,  28, TPartLook::Chip,        0},
    {"ShapeHPS",     "HPS DDR3",       20, 100,  90,  60, TPartLook::Chip,        0},
    {nullptr,        "EPCQ",           34, 168,  62,  24, TPartLook::Chip,        0},
    {"ShapeOSC",     "50 MHz",        262, 100,  54,  24, TPartLook::Oscillator,  0},
    {"ShapeSDRAM",   "SDRAM",         262, 134,  70,  40, TPartLook::Chip,        0},
    {"ShapeSeg7",    "HEX5..HEX0",     16, 200, 170,  40, TPartLook::Seg7,        6},
    {"ShapeLED",     "LEDR9..0",      200, 196, 190,  14, TPartLook::LedRow,     10},
    {"ShapeSwitch",  "SW9..0",        200, 222, 190,  30, TPartLook::SwitchRow,  10},
    {"ShapeButton",  "KEY3..0",        16, 254, 120,  36, TPartLook::ButtonRow,   4},
};

// The jumper that sets the I/O voltage of the HSMC connector: one position
// per voltage index (3.3 V, 2.5 V, 1.8 V, 1.5 V).
constexpr int WENDLEBURY_JUMPER_WIDTH = 136;
constexpr int WENDLEBURY_JUMPER_HEIGHT = 60;
constexpr TBoardPart kWendleburyJumperParts[] = {
    {"ShapeHsmc3V3", "3.3V",  10, 10, 26, 42, TPartLook::Jumper, 0},
    {"ShapeHsmc2V5", "2.5V",  40, 10, 26, 42, TPartLook::Jumper, 0},
    {"ShapeHsmc1V8", "1.8V",  70, 10, 26, 42, TPartLook::Jumper, 0},
    {"ShapeHsmc1V5", "1.5V", 100, 10, 26, 42, TPartLook::Jumper, 0},
};
// clang-format on
