#include "boards/cyclone2_3/UI_Avemor.h"

#include <cstddef>
#include <iterator>

#include "boards/cyclone2_3/CONFIG_AVEMOR.h"
#include "boards/cyclone2_3/AvemorParts.h"

namespace {

using X = AVEMOR_CONFIG;

const TGpioPairMember kAvemor = {
    .Word = "Avemor",
    .BoardId = MAINBOARD_AVEMOR,
    .Definition = CONFIG_AVEMOR,
    .Voltage = 5,
    .FormName = "TFORMAVEMOR",
    .Title = "Avemor FPGA Board",
    .ClientWidth = 793,
    .ClientHeight = 469,
    .Photo = "AVEMOR_PHOTO_BITMAP",
    .PhotoWidth = AVEMOR_PHOTO_WIDTH,
    .PhotoHeight = AVEMOR_PHOTO_HEIGHT,
    .Parts = kAvemorParts,
    .PartCount = std::size(kAvemorParts),
    .Boxes = {
        {"CheckBoxOSC", "CLOCK", offsetof(X, bCLOCK), "ShapeOSC"},
        {"CheckBoxLED", "LED x 8", offsetof(X, bLED), "ShapeLED"},
        {"CheckBoxSeg7", "7-Segment x 4", offsetof(X, bSEG7), "ShapeSeg7"},
        {"CheckBoxButton", "Button x 3", offsetof(X, bBUTTON), "ShapeButton"},
        {"CheckBoxSwitch", "Switch x 8", offsetof(X, bSW), "ShapeSwitch"},
        {"CheckBoxPS2", "PS2", offsetof(X, bPS2), "ShapePS2"},
        {"CheckBoxSDCARD", "SDCARD", offsetof(X, bSDCARD), "ShapeSDCARD"},
        {"CheckBoxVGA", "VGA", offsetof(X, bVGA), "ShapeVGA"},
        {"CheckBoxLCD", "LCD (Option)", offsetof(X, bLCD), "ShapeLCD"},
        {"CheckBoxSDRAM", "SDRAM, 8MB", offsetof(X, bSDRAM), "ShapeSDRAM"},
        {"CheckBoxFlash", "FLASH, 4MB", offsetof(X, bFLASH), "ShapeFlash"},
        {"CheckBoxRS232", "RS232", offsetof(X, bRS232), "ShapeRS232"},
    },
    .DottedShape = "ShapeLCD",
};

}  // namespace

TFormAvemor::TFormAvemor(TForm* owner) : TGpioPairBoardForm<AVEMOR_CONFIG>(owner, kAvemor) {}
