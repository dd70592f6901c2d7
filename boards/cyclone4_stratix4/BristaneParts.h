// The parts of the Bristane board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int BRISTANE_PHOTO_WIDTH = 460;
constexpr int BRISTANE_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kBristaneParts[] = {
    {nullptr,                "Cyclone IV E", TPartKind::Chip,     180, 100,  90,  90},
    {"ShapeGpio0",           "GPIO-0",       TPartKind::Slot,      20,  10, 200,  24},
    {"ShapeGpio1",           "GPIO-1",       TPartKind::Slot,      20, 246, 200,  24},
    {"ShapeHeader",          "2x13 HEADER",  TPartKind::Slot,     240, 246, 140,  24},
    {"ShapeSDRAM",           "SDRAM",        TPartKind::Memory,    20,  60, 100,  30},
    {"ShapeEPCS",            "EPCS",         TPartKind::Chip,      20, 100,  60,  30},
    {"ShapeOSC",             "50 MHz",       TPartKind::Clock,     20, 140,  60,  22},
    {"ShapeADC",             "ADC",          TPartKind::Chip,      20, 172,  60,  30},
    {"ShapeAccelerometer",   "G-SENSOR",     TPartKind::Chip,     290,  60,  70,  30},
    {"ShapeEEPROM",          "EEPROM",       TPartKind::Chip,     290, 100,  70,  26},
    {"ShapeLED",             "LED7..0",      TPartKind::Leds,     290, 140, 160,  16},
    {"ShapeSwitch",          "SW3..0",       TPartKind::Switches, 290, 164,  90,  26},
    {"ShapeButton",          "KEY1..0",      TPartKind::Buttons,  390, 164,  60,  34},
};
// clang-format on
