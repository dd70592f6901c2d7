// The parts of the Norvelle board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int NORVELLE_PHOTO_WIDTH = 400;
constexpr int NORVELLE_PHOTO_HEIGHT = 310;

// The card on Tavrel 2/3 spans the physical connectors 2 and 3: its outline
// marks both, which are drawn over it.
// clang-format off
constexpr TPicturePart kNorvelleParts[] = {
    {nullptr,         "Cyclone III",  TPartKind::Chip,     140,  90, 110, 110},
    {"ShapeTavrel23", "Tavrel 2/3",   TPartKind::Slot,      18, 272, 364,  28},
    {"ShapeTavrel2",  "Tavrel 2",     TPartKind::Slot,      18, 272, 182,  28},
    {"ShapeTavrel3",  "Tavrel 3",     TPartKind::Slot,     200, 272, 182,  28},
    {"ShapeTavrel1",  "Tavrel 1",     TPartKind::Slot,      18,  10, 182,  28},
    {"ShapeBridge",   "PCI Bridge",   TPartKind::Chip,     264,  10,  91,  44},
    {"ShapeDDR2",     "DDR2 SODIMM",  TPartKind::Slot,      18, 226, 237,  28},
    {"ShapePio",      "PIO",          TPartKind::Slot,      18,  80,  82,  24},
    {"ShapeOSC",      "100 MHz",      TPartKind::Clock,     18, 130,  55,  22},
    {"ShapeLED",      "LED3..0",      TPartKind::Leds,     282, 110,  48,  16},
    {"ShapeButton",   "BUTTON1..0",   TPartKind::Buttons,  282, 150,  73,  34},
};
// clang-format on
