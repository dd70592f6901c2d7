#include "boards/cyclone2_3/UI_Isselmont.h"

#include <iterator>

#include "boards/cyclone2_3/CONFIG_ISSELMONT.h"
#include "boards/cyclone2_3/IsselmontParts.h"

namespace {

const TGpioPairMember kIsselmont = {
    .Word = "Isselmont",
    .BoardId = MAINBOARD_ISSELMONT,
    .Definition = CONFIG_ISSELMONT,
    .Voltage = 5,
    .FormName = "TFORMISSELMONT",
    .Title = "Isselmont FPGA Board",
    .ClientWidth = 793,
    .ClientHeight = 554,
    .Photo = "ISSELMONT_PHOTO_BITMAP",
    .PhotoWidth = ISSELMONT_PHOTO_WIDTH,
    .PhotoHeight = ISSELMONT_PHOTO_HEIGHT,
    .Parts = kIsselmontParts,
    .PartCount = std::size(kIsselmontParts),
    .Boxes = {
        {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
        {"CheckBoxLED", "LED x 27", {"ShapeLED", "ShapeLEDG8"}},
        {"CheckBoxSeg7", "7-Segment x 8", {"ShapeSeg7"}},
        {"CheckBoxButton", "Button x 4", {"ShapeButton"}},
        {"CheckBoxSwitch", "Switch x 18", {"ShapeSwitch"}},
        {"CheckBoxPS2", "PS2", {"ShapePS2"}},
        {"CheckBoxSDCARD", "SDCARD", {"ShapeSDCARD"}},
        {"CheckBoxVGA", "VGA", {"ShapeVGA"}},
        {"CheckBoxLCD", "LCD", {"ShapeLCD"}},
        {"CheckBoxSDRAM", "SDRAM, 8MB", {"ShapeSDRAM"}},
        {"CheckBoxFlash", "FLASH, 4MB", {"ShapeFlash"}},
        {"CheckBoxRS232", "RS232", {"ShapeRS232"}},
        {"CheckBoxSRAM", "SRAM, 512K", {"ShapeSRAM"}},
        {"CheckBoxSma", "SMA", {"ShapeSma"}},
        {"CheckBoxAudio", "Audio", {"ShapeAudio"}},
        {"CheckBoxEthernet", "Ethernet", {"ShapeEthernet"}},
        {"CheckBoxIR", "IR", {"ShapeIR"}},
        {"CheckBoxTvDecode", "TV Decoder", {"ShapeTvDecode"}},
        {"CheckBoxUSB", "USB", {"ShapeUSB"}},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormIsselmont::TFormIsselmont(TForm* owner) : TGpioPairBoardForm<ISSELMONT_CONFIG>(owner, kIsselmont) {}
