// The parts of the Hethermoor board picture, with the outline shapes of the
// form that mark them.
#pragma once

#include "boards/frame/BoardParts.h"

constexpr int HETHERMOOR_PHOTO_WIDTH = 440;
constexpr int HETHERMOOR_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TBoardPart kHethermoorParts[] = {
    {nullptr,            "Cyclone V SoC", 170, 112, 100, 100, TPartLook::Fpga,        0},
    {"ShapeVGA",         "VGA",            12,  12,  90,  44, TPartLook::Jack,        0},
    {"ShapeAudio",       "Audio",         112,  12,  76,  36, TPartLook::Jack,        0},
    {"ShapeIR",          "IR",            200,  16,  36,  26, TPartLook::Chip,        0},
    {"ShapeOSC",         "50M",           126,  88,  34,  16, TPartLook::Oscillator,  0},
    {"ShapeEPCQ",        "EPCQ",           60, 120,  54,  30, TPartLook::Chip,        0},
    {"ShapeEEPROM",      "EEPROM",         60, 162,  54,  26, TPartLook::Chip,        0},
    {"ShapeDDR3",        "DDR3",          286,  96,  70,  44, TPartLook::Chip,        0},
    {"ShapeSi5338",      "Si5338",        286, 152,  60,  28, TPartLook::Chip,        0},
    {"ShapeTemperature", "TEMP",          286, 192,  50,  26, TPartLook::Chip,        0},
    {"ShapeHSMC",        "HSMC",          384,  40,  44, 196, TPartLook::Socket,      0},
    {"ShapeHsmc3V3",     "3.3V",          246,  20,  30,  30, TPartLook::Jumper,      0},
    {"ShapeHsmc2V5",     "2.5V",          280,  20,  30,  30, TPartLook::Jumper,      0},
    {"ShapeHsmc1V8",     "1.8V",          314,  20,  30,  30, TPartLook::Jumper,      0},
    {"ShapeHsmc1V5",     "1.5V",          348,  20,  30,  30, TPartLook::Jumper,      0},
    {"ShapeLED",         "LED3..0",        30, 252,  80,  14, TPartLook::LedRow,      4},
    {"ShapeSwitch",      "SW3..0",        130, 280,  96,  36, TPartLook::SwitchRow,   4},
    {"ShapeButton",      "KEY3..0, RESET", 246, 280, 130,  36, TPartLook::ButtonRow,  5},
};
// clang-format on
