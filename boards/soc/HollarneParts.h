// The parts of the Hollarne board photograph that the form marks with an
// overlay rectangle when the part is in use. The photograph is drawn from the
// same table, so each rectangle sits over its part.
#pragma once

#include "boards/frame/PartOutline.h"

struct THollarnePart {
    const char* ShapeName;  // the overlay shape of the form
    const char* Label;      // the text printed on the part in the photograph
    int Left, Top, Width, Height;  // in the photograph
};

constexpr int HOLLARNE_PHOTO_WIDTH = 400;
constexpr int HOLLARNE_PHOTO_HEIGHT = 300;

// clang-format off
constexpr THollarnePart kHollarneParts[] = {
    {"ShapeGpio0",     "GPIO 0",       20,   6, 160, 24},
    {"ShapeGpio1",     "GPIO 1",      220,   6, 160, 24},
    {"ShapeUart",      "UART",          6,  44,  44, 30},
    {"ShapeQspiFlash", "QSPI",         58,  44,  46, 26},
    {"ShapeRiscJtag",  "RV JTAG",     112,  44,  56, 26},
    {"ShapeOSC",       "50 MHz",      262,  44,  54, 26},
    {"ShapeADC",       "ADC",         330,  44,  56, 30},
    {"ShapeHPS",       "HPS DDR3",     36,  96,  94, 60},
    {"ShapeSDRAM",     "SDRAM",       270,  86,  66, 40},
    {"ShapeVideoIn",   "TV IN",       346,  86,  48, 44},
    {"ShapeIR",        "IR",          346, 140,  48, 24},
    {"ShapeSeg7",      "HEX5..HEX0",  116, 200, 164, 38},
    {"ShapeLED",       "LEDR9..0",    290, 178, 104, 16},
    {"ShapeSwitch",    "SW9..0",      290, 204, 104, 30},
    {"ShapeAudio",     "AUDIO",        10, 252,  80, 40},
    {"ShapeVGA",       "VGA",         100, 252,  90, 40},
    {"ShapePS2",       "PS/2",        200, 252,  60, 40},
    {"ShapeButton",    "KEY3..0",     290, 252, 104, 40},
};
// clang-format on

// The FPGA itself, drawn but not marked.
constexpr THollarnePart kHollarneFpga = {nullptr, "Cyclone V SoC", 150, 84, 100, 100};
