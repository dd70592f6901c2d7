// The parts of the Norvelle board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int NORVELLE_PHOTO_WIDTH = 440;
constexpr int NORVELLE_PHOTO_HEIGHT = 310;

// The card on Tavrel 2/3 spans the physical connectors 2 and 3: its outline
// marks both, which are drawn over it.
// clang-format off
constexpr TPicturePart kNorvelleParts[] = {
    {nullptr,         "Cyclone III",  TPartKind::Chip,     160,  90, 110, 110},
    {"ShapeTavrel23", "Tavrel 2/3",   TPartKind::Slot,      20, 272, 400,  28},
    {"ShapeTavrel2",  "Tavrel 2",     TPartKind::Slot,      20, 272, 200,  28},
    {"ShapeTavrel3",  "Tavrel 3",     TPartKind::Slot,     220, 272, 200,  28},
    {"ShapeTavrel1",  "Tavrel 1",     TPartKind::Slot,      20,  10, 200,  28},
    {"ShapeBridge",   "PCI Bridge",   TPartKind::Chip,     290,  10, 100,  44},
    {"ShapeDDR2",     "DDR2 SODIMM",  TPartKind::Slot,      20, 226, 260,  28},
    {"ShapePio",      "PIO",          TPartKind::Slot,      20,  80,  90,  24},
    {"ShapeOSC",      "100 MHz",      TPartKind::Clock,     20, 130,  60,  22},
    {"ShapeLED",      "LED3..0",      TPartKind::Leds,     310, 110,  48,  16},
    {"ShapeButton",   "BUTTON1..0",   TPartKind::Buttons,  310, 150,  80,  34},
};
// clang-format on
