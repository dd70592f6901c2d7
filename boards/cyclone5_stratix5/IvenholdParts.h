// The parts of the Ivenhold board picture, with the outline shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int IVENHOLD_PHOTO_WIDTH = 440;
constexpr int IVENHOLD_PHOTO_HEIGHT = 330;

// clang-format off
// The four digits, over which the form lays the picture of four or two.
constexpr TBoardPart kIvenholdSeg7 = {"ShapeSeg7", "HEX3..HEX0", 20, 222, 148, 40, TPartLook::Seg7, 4};
constexpr TBoardPart kIvenholdParts[] = {
    {nullptr,            "Cyclone V GX",  170, 104, 100, 100, TPartLook::Fpga,        0},
    {"ShapeHDMI_TX",     "HDMI TX",        12,  12,  92,  40, TPartLook::Jack,        0},
    {"ShapeAudio",       "Audio",         112,  12,  72,  36, TPartLook::Jack,        0},
    {"ShapeUart2USB",    "UART",          192,  12,  72,  36, TPartLook::Jack,        0},
    {"ShapeSDCARD",      "SD",            274,  10,  50,  42, TPartLook::Socket,      0},
    {"ShapeXcvrSma",     "SMA",           332,  12,  56,  26, TPartLook::Jack,        0},
    {"ShapeXcvrSma2",    "SMA",           332,  44,  56,  26, TPartLook::Jack,        0},
    {"ShapeOSC",         "50M/125M",      100,  80,  70,  16, TPartLook::Oscillator,  0},
    {"ShapeSi5338_I2C",  "Si5338",         60, 112,  60,  26, TPartLook::Chip,        0},
    {"ShapeADC",         "ADC",            60, 150,  50,  26, TPartLook::Chip,        0},
    {"ShapeArduino_0",   "Arduino",        18,  70,  16, 110, TPartLook::Header,     10},
    {"ShapeArduino_1",   "",               40, 190,  16,  40, TPartLook::Header,      3},
    {"ShapeLPDDR2",      "LPDDR2",        286, 100,  70,  40, TPartLook::Chip,        0},
    {"ShapeSRAM",        "SRAM",          286, 152,  70,  32, TPartLook::Chip,        0},
    {"ShapeGpio",        "GPIO",          408,  60,  18, 168, TPartLook::Header,     20},
    {"ShapeHSMC",        "HSMC",          364,  84,  34, 150, TPartLook::Socket,      0},
    {nullptr,            "S1/S2",         230, 216,  56,  30, TPartLook::SwitchRow,   2},
    kIvenholdSeg7,
    {"ShapeLED",         "LEDR9..0 LEDG7..0", 20, 276, 200, 12, TPartLook::LedRow,   18},
    {"ShapeSwitch",      "SW9..0",         20, 292, 180,  32, TPartLook::SwitchRow,  10},
    {"ShapeButton",      "KEY3..0",       230, 292, 100,  32, TPartLook::ButtonRow,   4},
};
// The two digits HEX1 and HEX0 (the right half of the display), marked while
// the GPIO header takes the pins of HEX2 and HEX3.
constexpr TBoardPart kIvenholdHexPairOutline[] = {
    {"ShapeSeg7_x2",     "HEX1..HEX0",     94, 222,  74,  40, TPartLook::Seg7,        2},
};
// The S1/S2 dip switch, marked in red at all times.
constexpr int IVENHOLD_DIP_LEFT = 230, IVENHOLD_DIP_TOP = 216, IVENHOLD_DIP_WIDTH = 56, IVENHOLD_DIP_HEIGHT = 30;
// clang-format on
