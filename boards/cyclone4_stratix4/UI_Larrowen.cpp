#include "boards/cyclone4_stratix4/UI_Larrowen.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/CONFIG_LARROWEN.h"
#include "boards/cyclone4_stratix4/LarrowenParts.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Larrowen",
                            .LoadFailureBox = false,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

const TGpioHsmcLayout kLayout = {.Frame = {.Name = "TFORMLARROWEN",
                                           .Caption = "Larrowen",
                                           .Title = "Larrowen Board",
                                           .Picture = "LARROWEN_PHOTO_BITMAP",
                                           .PictureWidth = LARROWEN_PHOTO_WIDTH,
                                           .PictureHeight = LARROWEN_PHOTO_HEIGHT,
                                           .Parts = kLarrowenParts,
                                           .PartCount = std::size(kLarrowenParts),
                                           .Captions = TButtonCaptions::GeneratePlain,
                                           .DefaultSetting = false,
                                           .ClientWidth = 792,
                                           .ClientHeight = 564},
                                 .Groups = {{"CheckBoxOSC", "CLOCK"},
                                            {"CheckBoxLED", "LED x 27"},
                                            {"CheckBoxSeg7", "7-Segment x 8"},
                                            {"CheckBoxButton", "KEY x 4"},
                                            {"CheckBoxSwitch", "Switch x 18"},
                                            {"CheckBoxEEPROM", "EEPROM, 32Kb"},
                                            {"CheckBoxSDCARD", "SD CARD"},
                                            {"CheckBoxVGA", "VGA"},
                                            {"CheckBoxLCD", "LCD"},
                                            {"CheckBoxSDRAM", "SDRAM, 128MB"},
                                            {"CheckBoxFlash", "FLASH, 64MB"},
                                            {"CheckBoxRS232", "RS-232"},
                                            {"CheckBoxAccelerometer", "Accelerometer"},
                                            {"CheckBoxSSRAM", "SSRAM"},
                                            {"CheckBoxSma", "SMA"},
                                            {"CheckBoxIR", "IR Receiver"},
                                            {"CheckBoxEthernet", "Ethernet"},
                                            {"CheckBoxTvDecode", "TV Decoder"},
                                            {"CheckBoxPCIeHardIP", "PCIe Hard IP"},
                                            {"CheckBoxPCIeSoftIP", "PCIe Soft IP"}}};

// The item of a card in a card list; keep when the list does not hold it.
void FindItem(const TConfigBase<LARROWEN_CONFIG>& list, DaughterId card, int32_t& item)
{
    for (int32_t k = 0; k < list.m_CardCount; ++k) {
        if (list.m_CardIds[k] == card) {
            item = k;
            return;
        }
    }
}

}  // namespace

TFormLarrowen::TFormLarrowen(TForm* owner)
    : TGpioHsmcBoardFormOf<LARROWEN_CONFIG>(owner, kRow, MAINBOARD_LARROWEN, kLayout)
{
    CheckBoxPCIeHardIP = m_Flags.Box(18);
    CheckBoxPCIeSoftIP = m_Flags.Box(19);
    InitialiseSettings({EditPrefixGpio, EditPrefixHSMC});
}

void TFormLarrowen::SetDefaults(LARROWEN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_LARROWEN;
    config.Size = sizeof(LARROWEN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Larrowen");
    std::memset(&config.bCLOCK, 1, LARROWEN_FLAG_COUNT);
    config.bPCIEHARDIP = config.bPCIESOFTIP = 0;
}

void TFormLarrowen::FillCardCombos()
{
    TGpioHsmcBoardFormOf<LARROWEN_CONFIG>::FillCardCombos();
    RestoreCardIndexes();
}

void TFormLarrowen::ShowHeld()
{
    ConfigToForm(m_Config.m_Config);
    RememberCardIndexes();
    RestoreCardIndexes();
}

void TFormLarrowen::RememberCardIndexes()
{
    // A card the list does not hold leaves its index as it was.
    FindItem(m_GpioCardList, m_Config.m_Config.nGpioDaughterId, m_GpioItemIndex);
    FindItem(m_Config, m_Config.m_Config.nHsmcDaughterId, m_HsmcItemIndex);
}

void TFormLarrowen::RestoreCardIndexes()
{
    ComboBoxGpio->SetEnabled(true);
    ComboBoxHSMC->SetEnabled(true);
    ComboBoxGpio->SetItemIndex(m_GpioItemIndex);
    ComboBoxHSMC->SetItemIndex(m_HsmcItemIndex);
}

void TFormLarrowen::ComboBoxGpioChange(TObject* Sender)
{
    m_GpioItemIndex = ComboBoxGpio->ItemIndex();
    TGpioHsmcBoardFormOf<LARROWEN_CONFIG>::ComboBoxGpioChange(Sender);
}

std::string TFormLarrowen::IpNotices()
{
    if (!CheckBoxPCIeHardIP->Checked() && !CheckBoxPCIeSoftIP->Checked()) return {};
    return TransceiverIpNotice("PCIe");
}

void TFormLarrowen::DefineBoard(TMainBoard* board, const LARROWEN_CONFIG& config) { CONFIG_LARROWEN(board, &config); }
