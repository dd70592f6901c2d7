#include "boards/cyclone2_3/UI_Isselmont.h"

#include <cstddef>
#include <iterator>

#include "boards/cyclone2_3/CONFIG_ISSELMONT.h"
#include "boards/cyclone2_3/IsselmontParts.h"

namespace {

using X = ISSELMONT_CONFIG;

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
        {"CheckBoxOSC", "CLOCK", offsetof(X, bCLOCK), "ShapeOSC"},
        {"CheckBoxLED", "LED x 27", offsetof(X, bLED), "ShapeLED", "ShapeLEDG8"},
        {"CheckBoxSeg7", "7-Segment x 8", offsetof(X, bSEG7), "ShapeSeg7"},
        {"CheckBoxButton", "Button x 4", offsetof(X, bBUTTON), "ShapeButton"},
        {"CheckBoxSwitch", "Switch x 18", offsetof(X, bSW), "ShapeSwitch"},
        {"CheckBoxPS2", "PS2", offsetof(X, bPS2), "ShapePS2"},
        {"CheckBoxSDCARD", "SDCARD", offsetof(X, bSDCARD), "ShapeSDCARD"},
        {"CheckBoxVGA", "VGA", offsetof(X, bVGA), "ShapeVGA"},
        {"CheckBoxLCD", "LCD", offsetof(X, bLCD), "ShapeLCD"},
        {"CheckBoxSDRAM", "SDRAM, 8MB", offsetof(X, bSDRAM), "ShapeSDRAM"},
        {"CheckBoxFlash", "FLASH, 4MB", offsetof(X, bFLASH), "ShapeFlash"},
        {"CheckBoxRS232", "RS232", offsetof(X, bRS232), "ShapeRS232"},
        {"CheckBoxSRAM", "SRAM, 512K", offsetof(X, bSRAM), "ShapeSRAM"},
        {"CheckBoxSma", "SMA", offsetof(X, bSMA), "ShapeSma"},
        {"CheckBoxAudio", "Audio", offsetof(X, bAUDIO), "ShapeAudio"},
        {"CheckBoxEthernet", "Ethernet", offsetof(X, bETHERNET), "ShapeEthernet"},
        {"CheckBoxIR", "IR", offsetof(X, bIR), "ShapeIR"},
        {"CheckBoxTvDecode", "TV Decoder", offsetof(X, bTVDECODER), "ShapeTvDecode"},
        {"CheckBoxUSB", "USB", offsetof(X, bUSB), "ShapeUSB"},
    },
    .DottedShape = nullptr,
};

}  // namespace

TFormIsselmont::TFormIsselmont(TForm* owner) : TGpioPairBoardForm<ISSELMONT_CONFIG>(owner, kIsselmont) {}
