// The parts of the Pelverton board picture: two FPGAs of one kind, each
// with the same peripherals; the outlines show those of the node shown.
#pragma once

#include "boards/frame/PictureParts.h"

constexpr int PELVERTON_PHOTO_WIDTH = 460;
constexpr int PELVERTON_PHOTO_HEIGHT = 330;

// clang-format off
constexpr TPicturePart kPelvertonParts[] = {
    {nullptr,            "FPGA 1",      TPartKind::Chip,     110, 120,  90,  90},
    {nullptr,            "FPGA 2",      TPartKind::Chip,     260, 120,  90,  90},
    {"ShapeFPGABridge",  "BRIDGE",      TPartKind::Chip,     206, 150,  48,  30},
    {"ShapeHSMC_A",      "HSMC-A",      TPartKind::Slot,      20,  10, 100,  22},
    {"ShapeHSMC_B",      "HSMC-B",      TPartKind::Slot,     130,  10, 100,  22},
    {"ShapeHSMC_C",      "HSMC-C",      TPartKind::Slot,     240,  10, 100,  22},
    {"ShapeHSMC_D",      "HSMC-D",      TPartKind::Slot,     350,  10, 100,  22},
    {"ShapeEthernet",    "ETH x4",      TPartKind::Jack,       8,  44,  60,  56},
    {"ShapeSma",         "SMA",         TPartKind::Jack,       8, 108,  60,  24},
    {"ShapeUSB",         "USB FIFO",    TPartKind::Jack,       8, 140,  60,  26},
    {"ShapeSDCARD",      "SD",          TPartKind::Slot,       8, 174,  60,  30},
    {"ShapeLCD",         "LCD 16x2",    TPartKind::Chip,       8, 212,  90,  34},
    {"ShapeDDR3",        "DDR3",        TPartKind::Memory,   110, 220,  90,  30},
    {"ShapeFlash",       "FLASH",       TPartKind::Chip,     260, 220,  44,  30},
    {"ShapeSSRAM",       "SSRAM",       TPartKind::Chip,     308, 220,  50,  30},
    {"ShapeLED",         "LED7..0",     TPartKind::Leds,     370,  44,  82,  16},
    {"ShapeButton",      "BUTTON7..0",  TPartKind::Buttons,  370,  66,  82,  34},
    {"ShapeSwitch",      "SW7..0",      TPartKind::Switches, 370, 106,  82,  26},
    {"ShapeTemp",        "TEMP",        TPartKind::Chip,     370, 140,  40,  24},
    {"ShapeEEPROM",      "EEPROM",      TPartKind::Chip,     414, 140,  40,  24},
    {"ShapeFan",         "FAN",         TPartKind::Fan,      370, 172,  40,  40},
    {"ShapeOSC",         "50 MHz",      TPartKind::Clock,    414, 172,  40,  22},
    {"ShapeDDR2",        "DDR2 SODIMM", TPartKind::Slot,      20, 290, 200,  24},
    {"ShapePCIe",        "PCIe x8",     TPartKind::Slot,     240, 296, 200,  24},
};
// clang-format on
