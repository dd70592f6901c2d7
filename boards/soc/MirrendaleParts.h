// The parts of the Mirrendale board photograph, with the overlay shapes of
// the form that mark them. The hard processor's parts are marked in aqua.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int MIRRENDALE_PHOTO_WIDTH = 400;
constexpr int MIRRENDALE_PHOTO_HEIGHT = 297;

// clang-format off
constexpr TBoardPart kMirrendaleParts[] = {
    {nullptr,             "Cyclone V SoC", 110,  91, 100,  90, TPartLook::Fpga,        0},
    {"ShapePS2",          "PS/2",           24,  12,  24,  20, TPartLook::Jack,        0},
    {"ShapeAudio",        "AUDIO",          56,   9,  54,  36, TPartLook::Jack,        0},
    {"ShapeVideoIn",      "TV",            117,  10,  20,  35, TPartLook::Jack,        0},
    {"ShapeHdmi",         "HDMI",          148,  14,  33,  19, TPartLook::Jack,        0},
    {"ShapeVGA",          "VGA",           190,   4,  57,  43, TPartLook::Jack,        0},
    {"ShapeHpsEthernet",  "ETH",           258,   8,  27,  41, TPartLook::Jack,        0},
    {"ShapeHpsUsb",       "USB",           299,  12,  51,  27, TPartLook::Jack,        0},
    {"ShapeHpsUart",      "UART",          364,  14,  12,  18, TPartLook::Jack,        0},
    {"ShapeHpsSdcard",    "SD",            355,  55,  30,  25, TPartLook::Socket,      0},
    {"ShapeOSC",          "50M",           260,  87,  11,  11, TPartLook::Oscillator,  0},
    {"ShapeHPS",          "HPS",           240, 111,  24,  24, TPartLook::Chip,        0},
    {"ShapeHpsDDR3",      "DDR3",          284, 107,  27,  46, TPartLook::Chip,        0},
    {"ShapeGpio",         "GPIO",          379, 103,  14, 105, TPartLook::Header,     20},
    {"ShapeADC",          "ADC",             8, 141,  13,  31, TPartLook::Chip,        0},
    {"ShapeHpsLCD",       "LCD",            15, 181,  64,  52, TPartLook::Chip,        0},
    {"ShapeDDR3",         "DDR3",          215, 187,  46,  24, TPartLook::Chip,        0},
    {"ShapeSeg7",         "HEX5..0",        90, 216,  90,  20, TPartLook::Seg7,        6},
    {"ShapeHpsLTC",       "LTC",           382, 223,   9,  38, TPartLook::Header,      7},
    {"ShapeLED",          "LEDR9..0",       69, 250, 144,   6, TPartLook::LedRow,     10},
    {"ShapeSwitch",       "SW9..0",         68, 269, 140,  19, TPartLook::SwitchRow,  10},
    {"ShapeButton",       "KEY3..0",       216, 270,  95,  20, TPartLook::ButtonRow,   4},
    {"ShapeHpsLedButton", "HPS",           340, 269,   8,  22, TPartLook::ButtonRow,   2},
    {"ShapeIR",           "IR",            353, 285,  23,   8, TPartLook::Chip,        0},
};
// clang-format on
