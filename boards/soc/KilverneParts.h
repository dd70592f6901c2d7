// The parts of the Kilverne board photograph, with the overlay shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int KILVERNE_PHOTO_WIDTH = 400;
constexpr int KILVERNE_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kKilverneParts[] = {
    {nullptr,                 "MAX 10",        150,  98, 100, 96, TPartLook::Fpga,        0},
    {"ShapeBBB_P8",           "BBB P8",         18,   6, 364, 22, TPartLook::Header,     23},
    {"ShapeBBB_P9",           "BBB P9",         18, 254, 364, 22, TPartLook::Header,     23},
    {"ShapeHdmiTx",           "HDMI",           10,  46,  76, 36, TPartLook::Jack,        0},
    {"ShapeEthernet",         "ETH",            92,  46,  70, 36, TPartLook::Jack,        0},
    {"ShapeUsb",              "USB",           168,  46,  60, 36, TPartLook::Jack,        0},
    {"ShapeSdCard",           "microSD",       234,  46,  70, 36, TPartLook::Socket,      0},
    {"ShapeAudio",            "AUDIO",         310,  46,  80, 36, TPartLook::Jack,        0},
    {"ShapeMIPI",             "MIPI",           10,  94,  56, 44, TPartLook::Socket,      0},
    {"ShapeGsensor",          "G-SENS",         74,  94,  66, 24, TPartLook::Chip,        0},
    {"ShapeTempSensor",       "TEMP",           74, 124,  66, 24, TPartLook::Chip,        0},
    {"ShapeLightSensor",      "LIGHT",          10, 146,  56, 24, TPartLook::Chip,        0},
    {"ShapePowerMonitor",     "PMON",           74, 154,  66, 24, TPartLook::Chip,        0},
    {"ShapeHumiditySensor",   "RH/TEMP",        10, 176,  56, 24, TPartLook::Chip,        0},
    {"ShapeOSC",              "50 MHz",        262,  94,  54, 24, TPartLook::Oscillator,  0},
    {"ShapeSMA_ADC",          "SMA",           330,  94,  60, 30, TPartLook::Jack,        0},
    {"ShapeDDR3",             "DDR3",          262, 130,  70, 40, TPartLook::Chip,        0},
    {"ShapeFlash",            "QSPI",          262, 178,  70, 24, TPartLook::Chip,        0},
    {"ShapeCapButton",        "CAP1..0",       340, 138,  50, 34, TPartLook::ButtonRow,   2},
    {"ShapeLED",              "LED7..0",        10, 222, 130, 14, TPartLook::LedRow,      8},
    {"ShapeButton",           "KEY1..0",       150, 206,  70, 34, TPartLook::ButtonRow,   2},
    {"ShapeSwitch",           "SW1..0",        230, 206,  60, 34, TPartLook::SwitchRow,   2},
};
// clang-format on
