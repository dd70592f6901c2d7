// The parts of the Osterlin board picture. The form marks none of them.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int OSTERLIN_PHOTO_WIDTH = 440;
constexpr int OSTERLIN_PHOTO_HEIGHT = 310;

// clang-format off
constexpr TPicturePart kOsterlinParts[] = {
    {nullptr, "Arria II GX",   TPartKind::Chip,     160,  90, 120, 120},
    {nullptr, "HSMC Port A",   TPartKind::Slot,      20,  10, 190,  28},
    {nullptr, "HSMC Port B",   TPartKind::Slot,     230,  10, 190,  28},
    {nullptr, "DDR2 SODIMM",   TPartKind::Slot,      20, 226, 260,  28},
    {nullptr, "PCIe x8",       TPartKind::Slot,      20, 272, 260,  26},
    {nullptr, "LCD",           TPartKind::Memory,   300, 226, 120,  40},
    {nullptr, "155 MHz",       TPartKind::Clock,     20,  70,  60,  22},
    {nullptr, "LED3..0",       TPartKind::Leds,     310,  90,  48,  16},
    {nullptr, "PB1..0 RESET",  TPartKind::Buttons,  310, 120,  90,  34},
    {nullptr, "DIP3..0",       TPartKind::Switches, 310, 170,  96,  28},
    {nullptr, "Ethernet",      TPartKind::Jack,      20, 120,  60,  30},
};
// clang-format on
