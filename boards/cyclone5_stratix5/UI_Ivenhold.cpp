#include "boards/cyclone5_stratix5/UI_Ivenhold.h"

#include <cstring>

#include "boards/cyclone5_stratix5/CONFIG_IVENHOLD.h"
#include "boards/cyclone5_stratix5/IvenholdParts.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "IVENHOLD",
                            .LoadFailureBox = false,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

// The batch passes, in order.
enum { HSMC_PASS = 0, GPIO_PASS = 1 };

uint8_t* Flags(IVENHOLD_CONFIG& config) { return &config.bClock; }
const uint8_t* Flags(const IVENHOLD_CONFIG& config) { return &config.bClock; }

// One card connector's group: a bold title, the card combo, "Prefix Name:"
// with the prefix edit, and the card's picture.
struct TCardGroup {
    const char *Group, *Caption, *TitleLabel, *Title, *Combo, *OnChange, *PrefixLabel, *Prefix, *Image;
};
constexpr TCardGroup kGpioGroup = {"GroupBoxGpio",   "GPIO Expansion", "LabelGpio",   "GPIO Header",
                                   "ComboBoxGpio",   "ComboBoxGpioChange", "LabelPrefixGpio", "EditPrefixGpio",
                                   "ImageGpio"};
constexpr TCardGroup kHsmcGroup = {"GroupBoxHsmc",   "HSMC Expansion", "LabelHsmc",   "HSMC",
                                   "ComboBoxHSMC",   "ComboBoxHSMCChange", "LabelPrefixHsmc", "EditPrefixHSMC",
                                   "ImageHSMC"};

void AddCardGroup(std::vector<TControlSpec>& c, const TCardGroup& g, int top)
{
    const char* group = g.Group;
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = group,
                 .Left = 480,
                 .Top = top,
                 .Width = 352,
                 .Height = 124,
                 .Caption = g.Caption});
    c.push_back(FrameLabel(g.TitleLabel, group, 12, 22, 220, g.Title, true));
    c.push_back(FrameComboBox(g.Combo, group, 12, 44, 236, g.OnChange));
    c.push_back(FrameLabel(g.PrefixLabel, group, 12, 82, 84, "Prefix Name:"));
    c.push_back(FrameEdit(g.Prefix, group, 100, 78, 148));
    c.push_back({.Kind = TControlKind::Image,
                 .Name = g.Image,
                 .Parent = group,
                 .Left = 262,
                 .Top = 30,
                 .Width = 80,
                 .Height = 80,
                 .Visible = false});
}

TFormSpec IvenholdLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMIVENHOLD",
                                    .Caption = "Ivenhold",
                                    .Title = "Ivenhold Kit",
                                    .Picture = "IVENHOLD_PHOTO_BITMAP",
                                    .PictureWidth = IVENHOLD_PHOTO_WIDTH,
                                    .PictureHeight = IVENHOLD_PHOTO_HEIGHT,
                                    .Parts = nullptr,
                                    .PartCount = 0,
                                    .Captions = TButtonCaptions::GeneratePlain,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;
    const TBoardPart& hex = kIvenholdSeg7;
    c.push_back({.Kind = TControlKind::Image,
                 .Name = "ImageHex",
                 .Parent = "PanelBoard",
                 .Left = kFramePictureLeft + hex.Left,
                 .Top = kFramePictureTop + hex.Top,
                 .Width = hex.Width,
                 .Height = hex.Height});
    // The board's S1/S2 dip switch, marked in red.
    c.push_back({.Kind = TControlKind::Shape,
                 .Name = "ShapeDipSwitch",
                 .Parent = "PanelBoard",
                 .Left = kFramePictureLeft + IVENHOLD_DIP_LEFT - 3,
                 .Top = kFramePictureTop + IVENHOLD_DIP_TOP - 3,
                 .Width = IVENHOLD_DIP_WIDTH + 6,
                 .Height = IVENHOLD_DIP_HEIGHT + 6,
                 .PenColor = clRed,
                 .PenWidth = 2,
                 .BrushStyle = bsClear});
    TControlSpec s1s2 = FrameLabel("LabelDipSwitch", "PanelBoard", kFramePictureLeft + IVENHOLD_DIP_LEFT + 62,
                                   kFramePictureTop + IVENHOLD_DIP_TOP - 2, 70, "S1/S2", true);
    s1s2.FontColor = clRed;
    c.push_back(s1s2);
    TControlSpec dip = FrameLabel("LabelDipSwitchNote", "PanelBoard", kFramePictureLeft + IVENHOLD_DIP_LEFT + 62,
                                  kFramePictureTop + IVENHOLD_DIP_TOP + 14, 70, "dip switch");
    dip.FontColor = clRed;
    c.push_back(dip);
    AddPictureOutlines(c, kIvenholdParts);
    AddPictureOutlines(c, kIvenholdHexPairOutline);

    AddSettingsGroup(c, 480, 8, 352, 232,
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 18"},
                         {"CheckBoxButton", "Button x 4", "CheckBoxSwitch", "Switch x 10"},
                         {"CheckBoxSeg7", "7-Segment x 4", "CheckBoxHDMI_TX", "HDMI TX"},
                         {"CheckBoxLPDDR2", "LPDDR2, 512MB", "CheckBoxSRAM", "SRAM, 512KB"},
                         {"CheckBoxAudio", "Audio", "CheckBoxUart2USB", "UART to USB"},
                         {"CheckBoxSDCARD", "SD CARD", "CheckBoxXcvrSma", "SMA XCVR (DNI)"},
                         {"CheckBoxSi5338_I2C", "SI5338 I2C", "CheckBoxADC", "ADC"},
                     });
    AddCardGroup(c, kGpioGroup, 246);
    AddCardGroup(c, kHsmcGroup, 378);
    return spec;
}

}  // namespace

TFormIvenhold::TFormIvenhold(TForm* owner) : TFrameBoardFormOf<IVENHOLD_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormIvenhold::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormIvenhold::ComboBoxHSMCChange));
    LoadLayout(IvenholdLayout(), handlers);

    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditPrefixGpio = Find<TEdit>("EditPrefixGpio");
    ImageGpio = Find<TImage>("ImageGpio");
    ComboBoxHSMC = Find<TComboBox>("ComboBoxHSMC");
    EditPrefixHSMC = Find<TEdit>("EditPrefixHSMC");
    ImageHSMC = Find<TImage>("ImageHSMC");
    ImageHex = Find<TImage>("ImageHex");
    ShapeGpio = Find<TShape>("ShapeGpio");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    ShapeSeg7 = Find<TShape>("ShapeSeg7");
    ShapeSeg7_x2 = Find<TShape>("ShapeSeg7_x2");
    ShapeArduino[0] = Find<TShape>("ShapeArduino_0");
    ShapeArduino[1] = Find<TShape>("ShapeArduino_1");
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxSeg7", {}},
                          {"CheckBoxHDMI_TX", {"ShapeHDMI_TX"}},
                          {"CheckBoxLPDDR2", {"ShapeLPDDR2"}},
                          {"CheckBoxSRAM", {"ShapeSRAM"}},
                          {"CheckBoxAudio", {"ShapeAudio"}},
                          {"CheckBoxUart2USB", {"ShapeUart2USB"}},
                          {"CheckBoxSDCARD", {"ShapeSDCARD"}},
                          {"CheckBoxXcvrSma", {"ShapeXcvrSma", "ShapeXcvrSma2"}},
                          {"CheckBoxSi5338_I2C", {"ShapeSi5338_I2C"}},
                          {"CheckBoxADC", {"ShapeADC"}}});
    CheckBoxSeg7 = m_Groups.Box(4);
    InitialiseSettings({EditPrefixGpio, EditPrefixHSMC});
}

void TFormIvenhold::SetDefaults(IVENHOLD_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_IVENHOLD;
    config.Size = sizeof(IVENHOLD_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "IVENHOLD");
    std::memset(Flags(config), 1, m_Groups.Entries().size());
    config.bXcvrSma = 0;
    config.bSi5338 = 0;
}

void TFormIvenhold::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_HSMC, true, 3);
    FillCardCombo(ComboBoxHSMC, m_Config.m_CardCount, m_Config.m_CardIds);
    m_GpioList.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio, m_GpioList.m_CardCount, m_GpioList.m_CardIds);
}

DaughterId TFormIvenhold::SelectedGpioCard() const
{
    return SelectedCard(ComboBoxGpio, m_GpioList.m_CardIds);
}

DaughterId TFormIvenhold::SelectedHsmcCard() const
{
    return SelectedCard(ComboBoxHSMC, m_Config.m_CardIds);
}

void TFormIvenhold::ConfigToForm(const IVENHOLD_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    // A card its list does not offer leaves the combo at the card it showed;
    // the prefix edit shows the record's prefix unless the combo is at "None".
    ShowCardAndPrefix(ComboBoxGpio, EditPrefixGpio, m_GpioList.m_CardCount, m_GpioList.m_CardIds,
                      config.nGpioDaughterId, config.szGpioPrefixName, sizeof config.szGpioPrefixName);
    ShowCardAndPrefix(ComboBoxHSMC, EditPrefixHSMC, m_Config.m_CardCount, m_Config.m_CardIds,
                      config.nHsmcDaughterId, config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    UpdateSeg7Caption();
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormIvenhold::FormToConfig(IVENHOLD_CONFIG& config)
{
    config.BoardId = MAINBOARD_IVENHOLD;
    config.Size = sizeof(IVENHOLD_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    config.nGpioDaughterId = SelectedGpioCard();
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditPrefixGpio->Text());
    config.nHsmcDaughterId = SelectedHsmcCard();
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHSMC->Text());
    return true;
}

bool TFormIvenhold::IsGpioHeaderFree() const
{
    return ComboBoxGpio->ItemIndex() == 0;
}

void TFormIvenhold::UpdateSeg7Caption()
{
    CheckBoxSeg7->SetCaption(Format("7-Segment x %d", IsGpioHeaderFree() ? 4 : 2));
}

void TFormIvenhold::UpdateCardPictures()
{
    ShowCardPicture(ImageHSMC, SelectedHsmcCard());
    ShowCardPicture(ImageGpio, SelectedGpioCard());
    ImageHex->LoadFromResourceName(IsGpioHeaderFree() ? "IVENHOLD_HEX_x4_BITMAP" : "IVENHOLD_HEX_x2_BITMAP");
}

void TFormIvenhold::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeGpio->SetVisible(!IsGpioHeaderFree());
    ShapeHSMC->SetVisible(ComboBoxHSMC->ItemIndex() != 0);
    for (TShape* shape : ShapeArduino) shape->SetVisible(false);
    const bool seg7 = CheckBoxSeg7->Checked();
    ShapeSeg7->SetVisible(IsGpioHeaderFree() && seg7);
    ShapeSeg7_x2->SetVisible(!IsGpioHeaderFree() && seg7);
}

void TFormIvenhold::ShowGpioHexNotice()
{
    IVENHOLD_CONFIG scratch{};
    FormToConfig(scratch);
    if (scratch.nGpioDaughterId == 0) return;
    seam::ShowInformation(std::string("Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n") +
                          "Before you use the GPIO header, be sure to follow the procedures listed\r\n" +
                          "below to avoid any hardware damage.\r\n" + "1. Erase the default code.\r\n" +
                          "2. Switch the S1/S2 dip switch to the OFF position.\r\n");
}

bool TFormIvenhold::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId gpio = SelectedGpioCard();
    const DaughterId hsmc = SelectedHsmcCard();
    return CheckCardPrefix(gpio, MAINBOARD_IVENHOLD, EditPrefixGpio->Text(), "GPIO", generating, message) &&
           CheckCardPrefix(hsmc, MAINBOARD_IVENHOLD, HsmcCardPrefix(hsmc, EditPrefixHSMC->Text()), "HSMC", generating,
                           message);
}

bool TFormIvenhold::RunsBatch()
{
    if (!IsBatchKeyHeld()) return false;
    GenerateBatch();
    return true;
}

void TFormIvenhold::GenerateBatch()
{
    const TBatchPass passes[] = {
        {.NamePattern = "IVENHOLD_HSMC_%s",
         .Cards = {m_Config.m_CardIds, static_cast<size_t>(m_Config.m_CardCount)},
         .FirstItem = 0},
        {.NamePattern = "IVENHOLD_GPIO_%s",
         .Cards = {m_GpioList.m_CardIds, static_cast<size_t>(m_GpioList.m_CardCount)},
         .FirstItem = 1},
    };
    RunBatchPasses(*this, true, passes);
}

std::string TFormIvenhold::AskBatchProjectFile()
{
    return AskProjectFilePath("", Row().FolderWord, EditProjectName->Text());
}

void TFormIvenhold::SaveBatchControls()
{
    m_BatchProjectName = EditProjectName->Text();
    m_BatchHsmcItem = ComboBoxHSMC->ItemIndex();
    m_BatchGpioItem = ComboBoxGpio->ItemIndex();
}

void TFormIvenhold::RestoreBatchControls()
{
    EditProjectName->SetText(m_BatchProjectName);
    ComboBoxHSMC->SetItemIndex(m_BatchHsmcItem);
    ComboBoxGpio->SetItemIndex(m_BatchGpioItem);
}

void TFormIvenhold::BeginBatchPass(int pass)
{
    m_BatchPass = pass;
    // The GPIO pass runs without an HSMC card.
    if (pass == GPIO_PASS) ComboBoxHSMC->SetItemIndex(0);
}

void TFormIvenhold::ShowBatchItem(int item, const std::string& projectName)
{
    (m_BatchPass == HSMC_PASS ? ComboBoxHSMC : ComboBoxGpio)->SetItemIndex(item);
    EditProjectName->SetText(projectName);
}

void TFormIvenhold::DefineBoard(TMainBoard* board, const IVENHOLD_CONFIG& config)
{
    CONFIG_IVENHOLD(board, &config);
}

void TFormIvenhold::ApplyDefaultPrefixes(IVENHOLD_CONFIG& config)
{
    const std::string typed = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName,
                   HsmcCardPrefix(config.nHsmcDaughterId, typed));
}

void TFormIvenhold::AttachCards(TMainBoard* board, const IVENHOLD_CONFIG& config)
{
    if (config.nGpioDaughterId != 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        board->AttachGpioCard(IVENHOLD_GPIO_MASTER_ID, config.nGpioDaughterId, IO_3V3_LVTTL, nullptr,
                              prefix.c_str());
    }
    if (config.nHsmcDaughterId != 0) {
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
        board->AttachHsmcCardEx(IVENHOLD_HSMC_MASTER_ID, config.nHsmcDaughterId, IO_2V5, 0, prefix.c_str());
    }
}

void TFormIvenhold::ComboBoxGpioChange(TObject*)
{
    UpdateSeg7Caption();
    UpdateShapes();
    UpdateCardPictures();
}

void TFormIvenhold::ComboBoxHSMCChange(TObject*)
{
    UpdateShapes();
    UpdateCardPictures();
}
