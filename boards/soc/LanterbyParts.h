// The parts of the Lanterby board photograph, with the overlay shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int LANTERBY_PHOTO_WIDTH = 400;
constexpr int LANTERBY_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TBoardPart kLanterbyParts[] = {
    {nullptr,                "MAX 10",       150, 100, 100,  96, TPartLook::Fpga,        0},
    {"ShapeHdmiRx",          "HDMI RX",       10,   8,  80,  36, TPartLook::Jack,        0},
    {"ShapeEthernet",        "ETH",           96,   8,  70,  36, TPartLook::Jack,        0},
    {"ShapeUart2Usb",        "UART",         172,   8,  60,  36, TPartLook::Jack,        0},
    {"ShapeAudio",           "AUDIO",        238,   8,  76,  36, TPartLook::Jack,        0},
    {"ShapePS2",             "PS/2",         320,   8,  70,  36, TPartLook::Jack,        0},
    {"ShapeMIPI",            "MIPI",          10,  56,  60,  40, TPartLook::Socket,      0},
    {"ShapeTamsil",          "LCD",           76,  56,  64,  40, TPartLook::Socket,      0},
    {"ShapeSdCard",          "microSD",      326,  56,  64,  36, TPartLook::Socket,      0},
    {"ShapeGsensor",         "G-SENS",        10, 108,  60,  24, TPartLook::Chip,        0},
    {"ShapeLightSensor",     "LIGHT",         76, 108,  60,  24, TPartLook::Chip,        0},
    {"ShapeHumiditySensor",  "RH/TEMP",       10, 138,  60,  24, TPartLook::Chip,        0},
    {"ShapePowerMonitor",    "PMON",          76, 138,  60,  24, TPartLook::Chip,        0},
    {"ShapeDAC",             "DAC",           10, 168,  60,  24, TPartLook::Chip,        0},
    {"ShapeOSC",             "50 MHz",       262,  62,  54,  24, TPartLook::Oscillator,  0},
    {"ShapeDDR3",            "DDR3",         262, 100,  70,  40, TPartLook::Chip,        0},
    {"ShapeQspiFlash",       "QSPI",         262, 148,  70,  24, TPartLook::Chip,        0},
    {"ShapeYarvel",          "2x6",          340, 110,  50,  34, TPartLook::Header,      6},
    {"ShapeHex",             "HEX1..0",       76, 170,  60,  40, TPartLook::Seg7,        2},
    {"ShapeLED",             "LEDR9..0",     150, 214, 160,  14, TPartLook::LedRow,     10},
    {"ShapeSwitch",          "SW9..0",       150, 238, 160,  30, TPartLook::SwitchRow,  10},
    {"ShapeButton",          "KEY4..0",       10, 236, 130,  34, TPartLook::ButtonRow,   5},
};
// clang-format on
