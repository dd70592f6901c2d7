#include "boards/cyclone2_3/UI_Fennick.h"

#include <cstddef>
#include <iterator>

#include "boards/cyclone2_3/CONFIG_FENNICK.h"
#include "boards/cyclone2_3/FennickParts.h"

namespace {

using X = FENNICK_CONFIG;

const TGpioPairMember kFennick = {
    .Word = "Fennick",
    .BoardId = MAINBOARD_FENNICK,
    .Definition = CONFIG_FENNICK,
    .Voltage = 5,
    .FormName = "TFORMFENNICK",
    .Title = "Fennick FPGA Board",
    .ClientWidth = 793,
    .ClientHeight = 517,
    .Photo = "FENNICK_PHOTO_BITMAP",
    .PhotoWidth = FENNICK_PHOTO_WIDTH,
    .PhotoHeight = FENNICK_PHOTO_HEIGHT,
    .Parts = kFennickParts,
    .PartCount = std::size(kFennickParts),
    .Boxes = {
        {"CheckBoxOSC", "CLOCK", offsetof(X, bCLOCK), "ShapeOSC"},
        {"CheckBoxLED", "LED x 18", offsetof(X, bLED), "ShapeLED"},
        {"CheckBoxSeg7", "7-Segment x 4", offsetof(X, bSEG7), "ShapeSeg7"},
        {"CheckBoxButton", "Button x 4", offsetof(X, bBUTTON), "ShapeButton"},
        {"CheckBoxSwitch", "Switch x 10", offsetof(X, bSW), "ShapeSwitch"},
        {"CheckBoxPS2", "PS2", offsetof(X, bPS2), "ShapePS2"},
        {"CheckBoxSDCARD", "SDCARD", offsetof(X, bSDCARD), "ShapeSDCARD"},
        {"CheckBoxVGA", "VGA", offsetof(X, bVGA), "ShapeVGA"},
        {"CheckBoxSDRAM", "SDRAM, 8MB", offsetof(X, bSDRAM), "ShapeSDRAM"},
        {"CheckBoxFlash", "FLASH, 4MB", offsetof(X, bFLASH), "ShapeFlash"},
        {"CheckBoxRS232", "RS232", offsetof(X, bRS232), "ShapeRS232"},
        {"CheckBoxSRAM", "SRAM, 512KB", offsetof(X, bSRAM), "ShapeSRAM"},
        {"CheckBoxSma", "SMA", offsetof(X, bSMA), "ShapeSma"},
        {"CheckBoxAudio", "Audio", offsetof(X, bAUDIO), "ShapeAudio"},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormFennick::TFormFennick(TForm* owner) : TGpioPairBoardForm<FENNICK_CONFIG>(owner, kFennick) {}
