// The parts of the Colvenna board picture.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int COLVENNA_PHOTO_WIDTH = 440;
constexpr int COLVENNA_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kColvennaParts[] = {
    {nullptr,           "Stratix V",   TPartKind::Chip,     170,  96, 100, 100},
    {"ShapeFmc_A",      "FMC-A HPC",   TPartKind::Slot,      10,  10,  96,  22},
    {"ShapeFmc_B",      "FMC-B LPC",   TPartKind::Slot,     116,  10,  96,  22},
    {"ShapeFmc_C",      "FMC-C LPC",   TPartKind::Slot,     222,  10,  96,  22},
    {"ShapeFmc_D",      "FMC-D HPC",   TPartKind::Slot,     328,  10,  96,  22},
    {"ShapeGpio",       "GPIO",        TPartKind::Slot,      10,  44, 120,  20},
    {"ShapeOSC",        "50 MHz",      TPartKind::Clock,    140,  70,  54,  20},
    {"ShapeCDCM6208",   "CDCM6208",    TPartKind::Clock,    286,  70,  66,  20},
    {"ShapeLMK04906",   "LMK04906",    TPartKind::Clock,    360,  70,  70,  20},
    {"ShapeSSRAM",      "SSRAM",       TPartKind::Memory,    10,  74,  60,  34},
    {"ShapeFlash",      "FLASH",       TPartKind::Chip,      76,  74,  56,  34},
    {"ShapeDDR3",       "DDR3 SODIMM", TPartKind::Slot,      10, 118, 140,  26},
    {"ShapeSdcard",     "microSD",     TPartKind::Jack,      10, 154,  60,  26},
    {"ShapeUart2Usb",   "UART USB",    TPartKind::Jack,      76, 154,  60,  26},
    {"ShapeTemp",       "TEMP",        TPartKind::Chip,     286, 100,  44,  24},
    {"ShapePower",      "POWER",       TPartKind::Chip,     336, 100,  48,  24},
    {"ShapeFan",        "FAN",         TPartKind::Fan,      390, 100,  40,  40},
    {"ShapeSma",        "SMA",         TPartKind::Jack,     286, 130,  44,  24},
    {"ShapeSataHost",   "SATA HOST",   TPartKind::Jack,     286, 160,  66,  24},
    {"ShapeSataDevice", "SATA DEV",    TPartKind::Jack,     360, 160,  70,  24},
    {"ShapeLED",        "LED3..0",     TPartKind::Leds,     286, 196,  96,  16},
    {"ShapeSwitch",     "SW3..0",      TPartKind::Switches, 286, 218,  96,  28},
    {"ShapeButton",     "BUTTON3..0",  TPartKind::Buttons,  286, 252,  96,  34},
    {"ShapePCIe",       "PCIe x4",     TPartKind::Slot,      60, 266, 200,  24},
};
// clang-format on
