// The parts of the Brackwell board picture that the form marks with an
// outline when the part is in use, and the VCCIO indicator beside it. The
// pictures are drawn from the same tables, so each outline sits over its part.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int BRACKWELL_PHOTO_WIDTH = 300;
constexpr int BRACKWELL_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kBrackwellParts[] = {
    {"ShapeHSMC_F",   "HSMC-F",   TPartKind::Slot,     20,   6,  80, 22},
    {"ShapeHSMC_E",   "HSMC-E",   TPartKind::Slot,    110,   6,  80, 22},
    {"ShapeHSMC_D",   "HSMC-D",   TPartKind::Slot,    200,   6,  80, 22},
    {"ShapeSma",      "SMA",      TPartKind::Jack,     26,  36,  30, 22},
    {"ShapeOSC",      "50 MHz",   TPartKind::Clock,    62,  36,  38, 22},
    {"ShapeExtPll_0", "PLL",      TPartKind::Clock,   110,  36,  40, 24},
    {"ShapeExtPll_1", "MAX II",   TPartKind::Chip,    158,  36,  42, 24},
    {"ShapePCIe_0",   "PCIe0",    TPartKind::Slot,      4,  70,  16, 60},
    {"ShapePCIe_1",   "PCIe1",    TPartKind::Slot,      4, 150,  16, 60},
    {nullptr,         "Stratix IV GX", TPartKind::Chip, 110, 70, 90, 90},
    {"ShapeSSRAM",    "SSRAM",    TPartKind::Memory,  208,  70,  46, 36},
    {"ShapeFlash",    "FLASH",    TPartKind::Memory,  208, 112,  46, 36},
    {"ShapeSwitch",   "SW3..0",   TPartKind::Switches, 26, 104,  74, 30},
    {"ShapeLED",      "LED3..0",  TPartKind::Leds,     26, 140,  74, 14},
    {"ShapeButton",   "KEY3..0",  TPartKind::Buttons,  26, 160,  74, 30},
    {"ShapeExtPll_2", "GXB CLK",  TPartKind::Clock,   110, 168,  42, 22},
    {"ShapeTemp",     "TEMP",     TPartKind::Chip,    158, 168,  42, 22},
    {"ShapeFan",      "FAN",      TPartKind::Fan,     212, 160,  36, 36},
    {"ShapeDDR3",     "DDR3 SODIMM", TPartKind::Memory, 262, 40, 30, 200},
    {"ShapeGpio0",    "GPIO 0",   TPartKind::Slot,     20, 232,  38, 30},
    {"ShapeGpio1",    "GPIO 1",   TPartKind::Slot,     62, 232,  38, 30},
    {"ShapeHSMC_C",   "HSMC-C",   TPartKind::Slot,     20, 272,  80, 22},
    {"ShapeHSMC_B",   "HSMC-B",   TPartKind::Slot,    110, 272,  80, 22},
    {"ShapeHSMC_A",   "HSMC-A",   TPartKind::Slot,    200, 272,  80, 22},
};
// clang-format on

// The VCCIO indicator: its picture and the two bitmaps drawn over it.
constexpr int BRACKWELL_VOL_WIDTH = 120;
constexpr int BRACKWELL_VOL_HEIGHT = 111;
constexpr int BRACKWELL_VOL_LED_WIDTH = 6;
constexpr int BRACKWELL_VOL_LED_HEIGHT = 13;
constexpr int BRACKWELL_VOL_JUMPER_WIDTH = 18;
constexpr int BRACKWELL_VOL_JUMPER_HEIGHT = 9;
// The jumper of HSMC-A .. HSMC-F in its first place (1.5 V); each place
// further down is 8 pixels lower.
constexpr int kBrackwellJumperOrigin[6][2] = {{91, 72}, {63, 72}, {35, 72}, {91, 30}, {63, 30}, {35, 30}};
constexpr int BRACKWELL_JUMPER_STEP = 8;
// The row of LEDs, two per connector: HSMC-A's pair at the right, each pair
// 2 x 7.61 pixels further left (single precision, cut toward zero), the
// second LED of a pair 7.61 pixels left of the first.
constexpr int BRACKWELL_LED_TOP = 6;
inline int BrackwellLedLeft(int hsmc, int led)
{
    constexpr float kFirst = 87.0f;
    constexpr float kPitch = 7.61f;
    const int first = static_cast<int>(kFirst - static_cast<float>(hsmc) * 2 * kPitch);
    return led == 0 ? first : static_cast<int>(static_cast<float>(first) - kPitch);
}
