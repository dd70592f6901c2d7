// The parts of the Mirrendale board photograph, with the overlay shapes of
// the form that mark them. The hard processor's parts are marked in aqua.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int MIRRENDALE_PHOTO_WIDTH = 400;
constexpr int MIRRENDALE_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kMirrendaleParts[] = {
    {nullptr,             "Cyclone V SoC", 110,  95, 100,  90, TPartLook::Fpga,        0},
    {"ShapePS2",          "PS/2",           24,  16,  24,  20, TPartLook::Jack,        0},
    {"ShapeAudio",        "AUDIO",          56,  13,  54,  36, TPartLook::Jack,        0},
    {"ShapeVideoIn",      "TV",            117,  14,  20,  35, TPartLook::Jack,        0},
    {"ShapeHdmi",         "HDMI",          148,  18,  33,  19, TPartLook::Jack,        0},
    {"ShapeVGA",          "VGA",           190,   8,  57,  43, TPartLook::Jack,        0},
    {"ShapeHpsEthernet",  "ETH",           258,  12,  27,  41, TPartLook::Jack,        0},
    {"ShapeHpsUsb",       "USB",           299,  16,  51,  27, TPartLook::Jack,        0},
    {"ShapeHpsUart",      "UART",          364,  18,  12,  18, TPartLook::Jack,        0},
    {"ShapeHpsSdcard",    "SD",            355,  59,  30,  25, TPartLook::Socket,      0},
    {"ShapeOSC",          "50M",           260,  91,  11,  11, TPartLook::Oscillator,  0},
    {"ShapeHPS",          "HPS",           240, 115,  24,  24, TPartLook::Chip,        0},
    {"ShapeHpsDDR3",      "DDR3",          284, 111,  27,  46, TPartLook::Chip,        0},
    {"ShapeGpio",         "GPIO",          379, 107,  14, 105, TPartLook::Header,     20},
    {"ShapeADC",          "ADC",             8, 145,  13,  31, TPartLook::Chip,        0},
    {"ShapeHpsLCD",       "LCD",            15, 185,  64,  52, TPartLook::Chip,        0},
    {"ShapeDDR3",         "DDR3",          215, 191,  46,  24, TPartLook::Chip,        0},
    {"ShapeSeg7",         "HEX5..0",        90, 220,  90,  20, TPartLook::Seg7,        6},
    {"ShapeHpsLTC",       "LTC",           382, 227,   9,  38, TPartLook::Header,      7},
    {"ShapeLED",          "LEDR9..0",       69, 254, 144,   6, TPartLook::LedRow,     10},
    {"ShapeSwitch",       "SW9..0",         68, 273, 140,  19, TPartLook::SwitchRow,  10},
    {"ShapeButton",       "KEY3..0",       216, 274,  95,  20, TPartLook::ButtonRow,   4},
    {"ShapeHpsLedButton", "HPS",           340, 273,   8,  22, TPartLook::ButtonRow,   2},
    {"ShapeIR",           "IR",            353, 289,  23,   8, TPartLook::Chip,        0},
};
// clang-format on
