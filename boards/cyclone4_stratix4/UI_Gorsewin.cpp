#include "boards/cyclone4_stratix4/UI_Gorsewin.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/CONFIG_GORSEWIN.h"
#include "boards/cyclone4_stratix4/GorsewinParts.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Gorsewin",
                            .LoadFailureBox = false,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

const TGpioHsmcLayout kLayout = {.Frame = {.Name = "TFORMGORSEWIN",
                                           .Caption = "Gorsewin",
                                           .Title = "Gorsewin FPGA Board",
                                           .Picture = "GORSEWIN_PHOTO_BITMAP",
                                           .PictureWidth = GORSEWIN_PHOTO_WIDTH,
                                           .PictureHeight = GORSEWIN_PHOTO_HEIGHT,
                                           .Parts = kGorsewinParts,
                                           .PartCount = std::size(kGorsewinParts),
                                           .Captions = TButtonCaptions::GeneratePlain,
                                           .DefaultSetting = true,
                                           .ClientWidth = 789,
                                           .ClientHeight = 569},
                                 .Groups = {{"CheckBoxOSC", "CLOCK"},
                                            {"CheckBoxLED", "LED x 18"},
                                            {"CheckBoxSeg7", "7-Segment x 4"},
                                            {"CheckBoxButton", "Button x 4"},
                                            {"CheckBoxSwitch", "Switch x 10"},
                                            {"CheckBoxEEPROM", "EEPROM"},
                                            {"CheckBoxPS2", "PS2"},
                                            {"CheckBoxSDCARD", "SD CARD"},
                                            {"CheckBoxVGA", "VGA"},
                                            {"CheckBoxSDRAM", "SDRAM, 64MB"},
                                            {"CheckBoxFlash", "FLASH, 8MB"},
                                            {"CheckBoxRS232", "RS-232"},
                                            {"CheckBoxSRAM", "SRAM, 2MB"},
                                            {"CheckBoxSma", "SMA"},
                                            {"CheckBoxAudio", "Audio"},
                                            {"CheckBoxEthernet", "Ethernet"},
                                            {"CheckBoxLCD", "LCD (Option)"}}};

}  // namespace

TFormGorsewin::TFormGorsewin(TForm* owner)
    : TGpioHsmcBoardFormOf<GORSEWIN_CONFIG>(owner, kRow, MAINBOARD_GORSEWIN, kLayout)
{
    InitialiseSettings({EditPrefixGpio, EditPrefixHSMC});
}

void TFormGorsewin::SetDefaults(GORSEWIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_GORSEWIN;
    config.Size = sizeof(GORSEWIN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Gorsewin");
    std::memset(&config.bCLOCK, 1, GORSEWIN_FLAG_COUNT);
    config.bLCD = 0;
}

void TFormGorsewin::DefineBoard(TMainBoard* board, const GORSEWIN_CONFIG& config) { CONFIG_GORSEWIN(board, &config); }
