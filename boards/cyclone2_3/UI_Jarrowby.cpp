#include "boards/cyclone2_3/UI_Jarrowby.h"

#include <cstddef>
#include <iterator>

#include "boards/cyclone2_3/CONFIG_JARROWBY.h"
#include "boards/cyclone2_3/JarrowbyParts.h"

namespace {

using X = JARROWBY_CONFIG;

const TGpioPairMember kJarrowby = {
    .Word = "Jarrowby",
    .BoardId = MAINBOARD_JARROWBY,
    .Definition = CONFIG_JARROWBY,
    .Voltage = 3,
    .FormName = "TFORMJARROWBY",
    .Title = "Jarrowby FPGA Board",
    .ClientWidth = 792,
    .ClientHeight = 553,
    .Photo = "JARROWBY_PHOTO_BITMAP",
    .PhotoWidth = JARROWBY_PHOTO_WIDTH,
    .PhotoHeight = JARROWBY_PHOTO_HEIGHT,
    .Parts = kJarrowbyParts,
    .PartCount = std::size(kJarrowbyParts),
    .Boxes = {
        {"CheckBoxOSC", "CLOCK", offsetof(X, bCLOCK), "ShapeOSC"},
        {"CheckBoxLED", "LED x 27", offsetof(X, bLED), "ShapeLED", "ShapeLEDG8"},
        {"CheckBoxSeg7", "7-Segment x 8", offsetof(X, bSEG7), "ShapeSeg7"},
        {"CheckBoxButton", "Button x 4", offsetof(X, bBUTTON), "ShapeButton"},
        {"CheckBoxSwitch", "Switch x 18", offsetof(X, bSW), "ShapeSwitch"},
        {"CheckBoxPS2", "PS2", offsetof(X, bPS2), "ShapePS2"},
        {"CheckBoxSDCARD", "SDCARD", offsetof(X, bSDCARD), "ShapeSDCARD"},
        {"CheckBoxVGA", "VGA", offsetof(X, bVGA), "ShapeVGA"},
        {"CheckBoxLCD", "LCD", offsetof(X, bLCD), "ShapeLCD"},
        {"CheckBoxSDRAM1", "SDRAM_1, 32MB", offsetof(X, bSDRAM0), "ShapeSDRAM1"},
        {"CheckBoxSDRAM2", "SDRAM_2, 32MB", offsetof(X, bSDRAM1), "ShapeSDRAM2"},
        {"CheckBoxFlash", "FLASH, 8MB", offsetof(X, bFLASH), "ShapeFlash"},
        {"CheckBoxRS232", "RS232", offsetof(X, bRS232), "ShapeRS232"},
        {"CheckBoxSSRAM", "SSRAM, 2MB", offsetof(X, bSSRAM), "ShapeSSRAM"},
        {"CheckBoxSma", "SMA", offsetof(X, bSMA), "ShapeSma"},
        {"CheckBoxAudio", "Audio", offsetof(X, bAUDIO), "ShapeAudio"},
        {"CheckBoxEthernet", "Ethernet", offsetof(X, bETHERNET), "ShapeEthernet"},
        {"CheckBoxIR", "IR", offsetof(X, bIR), "ShapeIR"},
        {"CheckBoxTvDecode1", "TV Decoder 1", offsetof(X, bTVDECODER1), "ShapeTvDecode1"},
        {"CheckBoxTvDecode2", "TV Decoder 2", offsetof(X, bTVDECODER2), "ShapeTvDecode2"},
        {"CheckBoxUSB", "USB", offsetof(X, bUSB), "ShapeUSB"},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormJarrowby::TFormJarrowby(TForm* owner) : TGpioPairBoardForm<JARROWBY_CONFIG>(owner, kJarrowby) {}
