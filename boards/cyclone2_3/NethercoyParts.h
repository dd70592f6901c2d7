// The parts of the Nethercoy board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int NETHERCOY_PHOTO_WIDTH = 400;
constexpr int NETHERCOY_PHOTO_HEIGHT = 540;

// In GPIO Header mode the contacts of Tavrel-A serve two 40-pin headers: their
// outlines mark the two halves of Tavrel-A, which is drawn over them.
// clang-format off
constexpr TPicturePart kNethercoyParts[] = {
    {nullptr,         "Stratix III",  TPartKind::Chip,     140, 196, 120, 120},
    {"ShapeGPIO_0",   "GPIO-0",       TPartKind::Slot,      18, 504,  87,  26},
    {"ShapeGPIO_1",   "GPIO-1",       TPartKind::Slot,     105, 504,  86,  26},
    {"ShapeTavrel_A", "Tavrel-A",     TPartKind::Slot,      18, 504, 173,  26},
    {"ShapeTavrel_B", "Tavrel-B",     TPartKind::Slot,     209, 504, 173,  26},
    {"ShapeTavrel_C", "Tavrel-C",     TPartKind::Slot,      18,  10, 173,  26},
    {"ShapeTavrel_D", "Tavrel-D",     TPartKind::Slot,     209,  10, 173,  26},
    {"ShapeDDR2",     "DDR2 SODIMM",  TPartKind::Slot,     209, 434, 173,  28},
    {"ShapeOSC",      "50 MHz",       TPartKind::Clock,     82,  85,  49,  22},
    {"ShapeTemp",     "TEMP",         TPartKind::Chip,     273,  85,  40,  24},
    {"ShapeSma",      "SMA",          TPartKind::Jack,      18,  86,  47,  26},
    {"ShapeUSB",      "USB OTG",      TPartKind::Jack,      18, 154,  55,  30},
    {"ShapeSDCARD",   "SD CARD",      TPartKind::Jack,      18, 221,  55,  30},
    {"ShapeLED",      "LED x 24",     TPartKind::Leds,     273, 178, 109,  16},
    {"ShapeSeg7",     "HEX1 HEX0",    TPartKind::Seg7,     273, 218,  63,  40},
    {"ShapeSwitch",   "SW3..0",       TPartKind::Switches, 273, 283, 109,  28},
    {"ShapeButton",   "BUTTON3..0",   TPartKind::Buttons,  273, 335, 109,  34},
    {"ShapeDIP",      "DIP SW",       TPartKind::Switches,  18, 302, 100,  28},
};
// clang-format on
