#include "boards/cyclone2_3/UI_Fennick.h"

#include <iterator>

#include "boards/cyclone2_3/CONFIG_FENNICK.h"
#include "boards/cyclone2_3/FennickParts.h"

namespace {

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
        {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
        {"CheckBoxLED", "LED x 18", {"ShapeLED"}},
        {"CheckBoxSeg7", "7-Segment x 4", {"ShapeSeg7"}},
        {"CheckBoxButton", "Button x 4", {"ShapeButton"}},
        {"CheckBoxSwitch", "Switch x 10", {"ShapeSwitch"}},
        {"CheckBoxPS2", "PS2", {"ShapePS2"}},
        {"CheckBoxSDCARD", "SDCARD", {"ShapeSDCARD"}},
        {"CheckBoxVGA", "VGA", {"ShapeVGA"}},
        {"CheckBoxSDRAM", "SDRAM, 8MB", {"ShapeSDRAM"}},
        {"CheckBoxFlash", "FLASH, 4MB", {"ShapeFlash"}},
        {"CheckBoxRS232", "RS232", {"ShapeRS232"}},
        {"CheckBoxSRAM", "SRAM, 512KB", {"ShapeSRAM"}},
        {"CheckBoxSma", "SMA", {"ShapeSma"}},
        {"CheckBoxAudio", "Audio", {"ShapeAudio"}},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormFennick::TFormFennick(TForm* owner) : TGpioPairBoardForm<FENNICK_CONFIG>(owner, kFennick) {}
