// The parts of the Ormsgill board picture. The Pellowind placeholder shows
// the same kind of board with its own parts, in a narrower picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int ORMSGILL_PHOTO_WIDTH = 460;
constexpr int ORMSGILL_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kOrmsgillParts[] = {
    {nullptr,            "Stratix IV GX", TPartKind::Chip,     180, 110, 100, 100},
    {"ShapeSata_0",      "SATA H0",       TPartKind::Jack,       8,  10,  50,  24},
    {"ShapeSata_1",      "SATA H1",       TPartKind::Jack,       8,  38,  50,  24},
    {"ShapeSata_2",      "SATA D0",       TPartKind::Jack,       8,  66,  50,  24},
    {"ShapeSata_3",      "SATA D1",       TPartKind::Jack,       8,  94,  50,  24},
    {"ShapeEthernet",    "ETH x4",        TPartKind::Jack,       8, 126,  50,  60},
    {"ShapeRs232",       "RS-232",        TPartKind::Jack,       8, 194,  50,  30},
    {"ShapeSma",         "SMA",           TPartKind::Jack,       8, 232,  50,  24},
    {"ShapeUsbOTG",      "USB OTG",       TPartKind::Jack,       8, 264,  50,  26},
    {"ShapeDDR2_0",      "DDR2 SODIMM 1", TPartKind::Slot,      70,  10, 180,  22},
    {"ShapeDDR2_1",      "DDR2 SODIMM 2", TPartKind::Slot,      70,  38, 180,  22},
    {"ShapeGpio0",       "GPIO 0",        TPartKind::Slot,     262,  10,  90,  22},
    {"ShapeGpio1",       "GPIO 1",        TPartKind::Slot,     262,  38,  90,  22},
    {"ShapeExtPLL0",     "PLL A",         TPartKind::Clock,     70,  72,  50,  20},
    {"ShapeExtPLL1",     "PLL B",         TPartKind::Clock,     70,  98,  50,  20},
    {"ShapeExtPLL2",     "PLL S",         TPartKind::Clock,     70, 124,  50,  20},
    {"ShapeOSC",         "50 MHz",        TPartKind::Clock,     70, 152,  50,  22},
    {"ShapeFlash",       "FLASH",         TPartKind::Chip,      70, 182,  50,  34},
    {"ShapeSSRAM",       "SSRAM",         TPartKind::Chip,      70, 224,  50,  34},
    {"ShapeTemp",        "TEMP",          TPartKind::Chip,     300,  72,  44,  24},
    {"ShapeCurrent",     "POWER",         TPartKind::Chip,     300, 102,  44,  24},
    {"ShapeEEPROM",      "EEPROM",        TPartKind::Chip,     300, 132,  44,  24},
    {"ShapeFan",         "FAN",           TPartKind::Fan,      300, 162,  44,  44},
    {"ShapeSDCARD",      "SD",            TPartKind::Slot,     300, 222,  44,  30},
    {"ShapeSeg7",        "SEG1 SEG0",     TPartKind::Seg7,     362,  72,  90,  40},
    {"ShapeLED",         "LED7..0",       TPartKind::Leds,     362, 122,  90,  16},
    {"ShapeSwitch",      "DIP SW",        TPartKind::Switches, 362, 146,  90,  26},
    {"ShapeSlideSwitch", "SLIDE SW",      TPartKind::Switches, 362, 180,  90,  26},
    {"ShapeButton",      "BUTTON3..0",    TPartKind::Buttons,  362, 214,  90,  34},
    {"ShapeHSMC_A",      "HSMC-A",        TPartKind::Slot,     130, 266, 150,  24},
    {"ShapeHSMC_B",      "HSMC-B",        TPartKind::Slot,     296, 266, 150,  24},
    {"ShapePCIe",        "PCIe x8",       TPartKind::Slot,     130, 298, 200,  24},
};

constexpr int PELLOWIND_PHOTO_WIDTH = 400;
constexpr int PELLOWIND_PHOTO_HEIGHT = 330;

constexpr TPicturePart kPellowindParts[] = {
    {nullptr,            "Stratix IV GX", TPartKind::Chip,      157, 110,  86, 100},
    {"ShapeSata_0",      "SATA H1",       TPartKind::Jack,        7,  10,  43,  24},
    {"ShapeSata_1",      "SATA H2",       TPartKind::Jack,        7,  38,  43,  24},
    {"ShapeSata_2",      "SATA D1",       TPartKind::Jack,        7,  66,  43,  24},
    {"ShapeSata_3",      "SATA D2",       TPartKind::Jack,        7,  94,  43,  24},
    {"ShapeEthernet",    "ETH x4",        TPartKind::Jack,        7, 126,  43,  60},
    {"ShapeSma",         "SMA",           TPartKind::Jack,        7, 232,  43,  24},
    {"ShapeUsbOTG",      "USB OTG",       TPartKind::Jack,        7, 264,  43,  26},
    {"ShapeDDR2_0",      "DDR2 SODIMM 1",TPartKind::Slot,      61,  10, 156,  22},
    {"ShapeDDR2_1",      "DDR2 SODIMM 2",TPartKind::Slot,      61,  38, 156,  22},
    {"ShapeGpio0",       "GPIO 0",        TPartKind::Slot,      228,  10,  78,  22},
    {"ShapeGpio1",       "GPIO 1",        TPartKind::Slot,      228,  38,  78,  22},
    {"ShapeTavrel23",    "TAVREL",        TPartKind::Slot,      315,  10,  78,  50},
    {"ShapeExtPLL",      "PLL",           TPartKind::Clock,      61,  72,  43,  70},
    {"ShapeOSC",         "50 MHz",        TPartKind::Clock,      61, 152,  43,  22},
    {"ShapeFlash",       "FLASH",         TPartKind::Chip,       61, 182,  43,  34},
    {"ShapeSSRAM",       "SSRAM",         TPartKind::Chip,       61, 224,  43,  34},
    {"ShapeTemp",        "TEMP",          TPartKind::Chip,      261,  72,  38,  24},
    {"ShapeCurrent",     "POWER",         TPartKind::Chip,      261, 102,  38,  24},
    {"ShapeEEPROM",      "EEPROM",        TPartKind::Chip,      261, 132,  38,  24},
    {"ShapeFan",         "FAN",           TPartKind::Fan,       261, 162,  38,  44},
    {"ShapeSDCARD",      "SD",            TPartKind::Slot,      261, 222,  38,  30},
    {"ShapeSeg7",        "SEG1 SEG0",     TPartKind::Seg7,      315,  72,  78,  40},
    {"ShapeLED",         "LED7..0",       TPartKind::Leds,      315, 122,  78,  16},
    {"ShapeSwitch",      "DIP SW",        TPartKind::Switches,  315, 146,  78,  26},
    {"ShapeSlideSwitch", "SLIDE SW",      TPartKind::Switches,  315, 180,  78,  26},
    {"ShapeButton",      "BUTTON3..0",    TPartKind::Buttons,   315, 214,  78,  34},
    {"ShapeHSMC_A",      "HSMC-A",        TPartKind::Slot,      113, 266, 130,  24},
    {"ShapeHSMC_B",      "HSMC-B",        TPartKind::Slot,      257, 266, 130,  24},
    {"ShapePCIe",        "PCIe x8",       TPartKind::Slot,      113, 298, 174,  24},
};
// clang-format on
