// The parts of the Yarrowgate board picture that its form marks with an
// outline while the part is in use (boards/frame/PictureParts.h). The three
// positions of the FMC voltage jumper JP2 carry the voltage outlines.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int YARROWGATE_PHOTO_WIDTH = 480;
constexpr int YARROWGATE_PHOTO_HEIGHT = 300;

// clang-format off
constexpr TPicturePart kYarrowgateParts[] = {
    {nullptr,              "Arria 10 SX",  TPartKind::Chip,     170, 100, 110, 100},
    {"ShapeFMC",           "FMC HPC",      TPartKind::Slot,     100,  10, 280,  26},
    {"ShapeFmc1V8",        "1.8V",         TPartKind::Jack,     392,   8,  26,  14},
    {"ShapeFmc1V5",        "1.5V",         TPartKind::Jack,     392,  24,  26,  14},
    {"ShapeFmc1V2",        "1.2V",         TPartKind::Jack,     392,  40,  26,  14},
    {nullptr,              "JP2",          TPartKind::Chip,     422,   8,  24,  46},
    {"ShapeHDMI_TX",       "HDMI TX",      TPartKind::Jack,       6,  10,  56,  28},
    {"ShapeHDMI_RX",       "HDMI RX",      TPartKind::Jack,       6,  44,  56,  28},
    {"ShapeUSBC",          "USB-C",        TPartKind::Jack,       6,  78,  56,  24},
    {"ShapeUSBC_DP",       "USB-C DP",     TPartKind::Jack,       6, 108,  56,  24},
    {"ShapeSFP",           "SFP+ x4",      TPartKind::Cage,       6, 140,  56,  56},
    {"ShapeEthernet",      "GbE",          TPartKind::Jack,       6, 204,  56,  28},
    {"ShapeSMA",           "SMA",          TPartKind::Jack,       6, 240,  56,  22},
    {"ShapeSATA",          "SATA",         TPartKind::Jack,      72, 240,  56,  22},
    {"ShapeOSC",           "50 MHz",       TPartKind::Clock,     72,  50,  56,  22},
    {"ShapeFan",           "FAN",          TPartKind::Fan,       78,  84,  44,  44},
    {"ShapeMPU9250",       "MPU9250",      TPartKind::Chip,      72, 150,  56,  22},
    {"ShapeTemperature",   "TEMP",         TPartKind::Chip,      72, 178,  56,  22},
    {"ShapePowerMonitor",  "POWER",        TPartKind::Chip,      72, 206,  56,  22},
    {"ShapeDDR4B",         "DDR4B",        TPartKind::Memory,   140,  50, 110,  40},
    {"ShapeDDR4H",         "DDR4H",        TPartKind::Memory,   290, 100,  60,  60},
    {"ShapeHPS",           "HPS",          TPartKind::Chip,     290, 166,  60,  34},
    {"ShapeDDR4Socket",    "DDR4 SODIMM",  TPartKind::Memory,   362,  64,  34, 180},
    {"ShapeSeg7",          "HEX1 HEX0",    TPartKind::Seg7,     170, 210,  64,  34},
    {"ShapeLED",           "LED1..0",      TPartKind::Leds,     240, 210,  40,  14},
    {"ShapeButton",        "KEY1..0",      TPartKind::Buttons,  240, 228,  40,  24},
    {"ShapeSwitch",        "SW1..0",       TPartKind::Switches, 290, 228,  50,  24},
    {"ShapePCIe",          "PCIe x4",      TPartKind::Slot,     140, 268, 200,  24},
};
// clang-format on
