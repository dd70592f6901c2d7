// The parts of the Nethercoy board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int NETHERCOY_PHOTO_WIDTH = 440;
constexpr int NETHERCOY_PHOTO_HEIGHT = 400;

// In GPIO Header mode the contacts of Tavrel-A serve two 40-pin headers: their
// outlines mark the two halves of Tavrel-A, which is drawn over them.
// clang-format off
constexpr TPicturePart kNethercoyParts[] = {
    {nullptr,         "Stratix III",  TPartKind::Chip,     160, 130, 120, 120},
    {"ShapeGPIO_0",   "GPIO-0",       TPartKind::Slot,      20, 364,  95,  26},
    {"ShapeGPIO_1",   "GPIO-1",       TPartKind::Slot,     115, 364,  95,  26},
    {"ShapeTavrel_A", "Tavrel-A",     TPartKind::Slot,      20, 364, 190,  26},
    {"ShapeTavrel_B", "Tavrel-B",     TPartKind::Slot,     230, 364, 190,  26},
    {"ShapeTavrel_C", "Tavrel-C",     TPartKind::Slot,      20,  10, 190,  26},
    {"ShapeTavrel_D", "Tavrel-D",     TPartKind::Slot,     230,  10, 190,  26},
    {"ShapeDDR2",     "DDR2 SODIMM",  TPartKind::Slot,     230, 318, 190,  28},
    {"ShapeOSC",      "50 MHz",       TPartKind::Clock,     90,  60,  54,  22},
    {"ShapeTemp",     "TEMP",         TPartKind::Chip,     300,  60,  44,  24},
    {"ShapeSma",      "SMA",          TPartKind::Jack,      20,  60,  52,  26},
    {"ShapeUSB",      "USB OTG",      TPartKind::Jack,      20, 110,  60,  30},
    {"ShapeSDCARD",   "SD CARD",      TPartKind::Jack,      20, 160,  60,  30},
    {"ShapeLED",      "LED x 24",     TPartKind::Leds,     300, 130, 120,  16},
    {"ShapeSeg7",     "HEX1 HEX0",    TPartKind::Seg7,     300, 156,  70,  40},
    {"ShapeSwitch",   "SW3..0",       TPartKind::Switches, 300, 206, 120,  28},
    {"ShapeButton",   "BUTTON3..0",   TPartKind::Buttons,  300, 244, 120,  34},
    {"ShapeDIP",      "DIP SW",       TPartKind::Switches,  20, 220, 110,  28},
};
// clang-format on
