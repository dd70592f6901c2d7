// The parts of the Osterlin board picture. The form marks none of them.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int OSTERLIN_PHOTO_WIDTH = 400;
constexpr int OSTERLIN_PHOTO_HEIGHT = 310;

// clang-format off
constexpr TPicturePart kOsterlinParts[] = {
    {nullptr, "Arria II GX",   TPartKind::Chip,     140,  90, 120, 120},
    {nullptr, "HSMC Port A",   TPartKind::Slot,      18,  10, 173,  28},
    {nullptr, "HSMC Port B",   TPartKind::Slot,     209,  10, 173,  28},
    {nullptr, "DDR2 SODIMM",   TPartKind::Slot,      18, 226, 237,  28},
    {nullptr, "PCIe x8",       TPartKind::Slot,      18, 272, 237,  26},
    {nullptr, "LCD",           TPartKind::Memory,   273, 226, 109,  40},
    {nullptr, "155 MHz",       TPartKind::Clock,     18,  70,  55,  22},
    {nullptr, "LED3..0",       TPartKind::Leds,     282,  90,  48,  16},
    {nullptr, "PB1..0 RESET",  TPartKind::Buttons,  282, 120,  82,  34},
    {nullptr, "DIP3..0",       TPartKind::Switches, 282, 170,  96,  28},
    {nullptr, "Ethernet",      TPartKind::Jack,      18, 120,  55,  30},
};
// clang-format on
