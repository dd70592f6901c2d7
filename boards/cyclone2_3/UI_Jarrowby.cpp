#include "boards/cyclone2_3/UI_Jarrowby.h"

#include <iterator>

#include "boards/cyclone2_3/CONFIG_JARROWBY.h"
#include "boards/cyclone2_3/JarrowbyParts.h"

namespace {

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
        {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
        {"CheckBoxLED", "LED x 27", {"ShapeLED", "ShapeLEDG8"}},
        {"CheckBoxSeg7", "7-Segment x 8", {"ShapeSeg7"}},
        {"CheckBoxButton", "Button x 4", {"ShapeButton"}},
        {"CheckBoxSwitch", "Switch x 18", {"ShapeSwitch"}},
        {"CheckBoxPS2", "PS2", {"ShapePS2"}},
        {"CheckBoxSDCARD", "SDCARD", {"ShapeSDCARD"}},
        {"CheckBoxVGA", "VGA", {"ShapeVGA"}},
        {"CheckBoxLCD", "LCD", {"ShapeLCD"}},
        {"CheckBoxSDRAM1", "SDRAM_1, 32MB", {"ShapeSDRAM1"}},
        {"CheckBoxSDRAM2", "SDRAM_2, 32MB", {"ShapeSDRAM2"}},
        {"CheckBoxFlash", "FLASH, 8MB", {"ShapeFlash"}},
        {"CheckBoxRS232", "RS232", {"ShapeRS232"}},
        {"CheckBoxSSRAM", "SSRAM, 2MB", {"ShapeSSRAM"}},
        {"CheckBoxSma", "SMA", {"ShapeSma"}},
        {"CheckBoxAudio", "Audio", {"ShapeAudio"}},
        {"CheckBoxEthernet", "Ethernet", {"ShapeEthernet"}},
        {"CheckBoxIR", "IR", {"ShapeIR"}},
        {"CheckBoxTvDecode1", "TV Decoder 1", {"ShapeTvDecode1"}},
        {"CheckBoxTvDecode2", "TV Decoder 2", {"ShapeTvDecode2"}},
        {"CheckBoxUSB", "USB", {"ShapeUSB"}},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormJarrowby::TFormJarrowby(TForm* owner) : TGpioPairBoardForm<JARROWBY_CONFIG>(owner, kJarrowby) {}
