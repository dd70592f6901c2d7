// The parts of the Ashcombre board picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h).
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int ASHCOMBRE_PHOTO_WIDTH = 400;
constexpr int ASHCOMBRE_PHOTO_HEIGHT = 280;

// clang-format off
constexpr TPicturePart kAshcombreParts[] = {
    {nullptr,               "Agilex",        TPartKind::Chip,     150, 100, 100,  90},
    {"ShapeQSFPDD_A",       "QSFPDD A",      TPartKind::Cage,       6,  14,  56,  36},
    {"ShapeQSFPDD_B",       "QSFPDD B",      TPartKind::Cage,       6,  56,  56,  36},
    {nullptr,               "Si5397A",       TPartKind::Clock,     70,  40,  60,  22},
    {"ShapeOSC",            "50 MHz",        TPartKind::Clock,     70,  72,  60,  22},
    {"ShapeLedBracket",     "LED BKT",       TPartKind::Leds,       6, 100,  56,  14},
    {"ShapeUART",           "UART",          TPartKind::Jack,       6, 122,  56,  26},
    {"ShapeUFL",            "UFL",           TPartKind::Jack,       6, 156,  56,  24},
    {"ShapeDDR4Socket_A",   "DDR4 A",        TPartKind::Memory,   150,  12, 100,  18},
    {"ShapeDDR4Socket_B",   "DDR4 B",        TPartKind::Memory,   150,  36, 100,  18},
    {"ShapeDDR4Socket_C",   "DDR4 C",        TPartKind::Memory,   150, 204, 100,  18},
    {"ShapeDDR4Socket_D",   "DDR4 D",        TPartKind::Memory,   150, 228, 100,  18},
    {"ShapeSystemInfo",     "INFO",          TPartKind::Chip,     150,  64,  44,  28},
    {"ShapeUserQspiFlash",  "QSPI",          TPartKind::Chip,     206,  64,  44,  28},
    {"ShapeGPIO2x5",        "2x5 GPIO",      TPartKind::Jack,     336,  14,  56,  24},
    {"ShapeLED",            "LED3..0",       TPartKind::Leds,     322, 180,  70,  14},
    {"ShapeButton",         "BUTTON1..0",    TPartKind::Buttons,  322, 200,  70,  24},
    {"ShapeSwitch",         "SW1..0",        TPartKind::Switches, 322, 230,  70,  18},
    {"ShapePCIe",           "PCIe x16",      TPartKind::Slot,      60, 254, 240,  22},
};
// clang-format on
