#include "boards/cyclone2_3/UI_Avemor.h"

#include <iterator>

#include "boards/cyclone2_3/CONFIG_AVEMOR.h"
#include "boards/cyclone2_3/AvemorParts.h"

namespace {

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
        {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
        {"CheckBoxLED", "LED x 8", {"ShapeLED"}},
        {"CheckBoxSeg7", "7-Segment x 4", {"ShapeSeg7"}},
        {"CheckBoxButton", "Button x 3", {"ShapeButton"}},
        {"CheckBoxSwitch", "Switch x 8", {"ShapeSwitch"}},
        {"CheckBoxPS2", "PS2", {"ShapePS2"}},
        {"CheckBoxSDCARD", "SDCARD", {"ShapeSDCARD"}},
        {"CheckBoxVGA", "VGA", {"ShapeVGA"}},
        {"CheckBoxLCD", "LCD (Option)", {"ShapeLCD"}},
        {"CheckBoxSDRAM", "SDRAM, 8MB", {"ShapeSDRAM"}},
        {"CheckBoxFlash", "FLASH, 4MB", {"ShapeFlash"}},
        {"CheckBoxRS232", "RS232", {"ShapeRS232"}},
    },
    .DottedShape = "ShapeLCD",
};

}  // namespace

TFormAvemor::TFormAvemor(TForm* owner) : TGpioPairBoardForm<AVEMOR_CONFIG>(owner, kAvemor) {}
