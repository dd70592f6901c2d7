#include "boards/cyclone5_stratix5/UI_Estover.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone5_stratix5/ClockChipItems.h"
#include "boards/cyclone5_stratix5/CONFIG_ESTOVER.h"
#include "boards/cyclone5_stratix5/EstoverParts.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "ESTOVER",
                            .LoadFailureBox = true,
                            .SuccessBox = true,
                            .PostsBoardChange = false,
                            .GeneratesFromHeld = true};

// The prefix of an HSMC default naming left without one.
const char* const kDefaultHsmcPrefix = "HSMC_";

uint8_t* Flags(ESTOVER_CONFIG& config)
{
    return &config.bClock;
}
const uint8_t* Flags(const ESTOVER_CONFIG& config)
{
    return &config.bClock;
}

TFormSpec EstoverLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMESTOVER",
                                    .Caption = "Kalvora - Estover V1.0.2",
                                    .Title = "Estover",
                                    .Picture = "ESTOVER_PHOTO_BITMAP",
                                    .PictureWidth = ESTOVER_PHOTO_WIDTH,
                                    .PictureHeight = ESTOVER_PHOTO_HEIGHT,
                                    .Parts = kEstoverParts,
                                    .PartCount = std::size(kEstoverParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    AddSettingsGroup(c, 480, 8, 352, 284,
                     {
                         {"CheckBoxOSC", "CLOCK ", "CheckBoxSwitch", "Switch x 4"},
                         {"CheckBoxLED", "LED x  10", "CheckBoxButton", "Button x 4"},
                         {"CheckBoxFan", "Fan Control", "CheckBoxTemp", "Temperature"},
                         {"CheckBoxFlash", "Flash (256MB)", "CheckBoxSSRAM", "SSRAM"},
                         {"CheckBoxRs422", "RS-422", "CheckBoxSma", "SMA"},
                         {"CheckBoxSfpA", "SFP+ A", "CheckBoxSfpB", "SFP+ B"},
                         {"CheckBoxSfpC", "SFP+ C", "CheckBoxSfpD", "SFP+ D"},
                         {"CheckBoxSata_0", "Sata Host", "CheckBoxSata_1", "Sata Device"},
                         {"CheckBoxPCIe", "PCIe", nullptr, nullptr},
                     });
    AddChoiceGroup(c, "GroupBoxOscillator", "Programmable Oscillator", 8, 418, 464,
                   {{"Si570",
                     "LabelSi570",
                     "ComboBoxSi570",
                     "ComboBoxSi570Change",
                     {{"LabelSi570Clock", "SFP_REFCLK_p/n:"}},
                     "LabelSi570MHz",
                     8},
                    {"CDCM61004",
                     "LabelCdcm61004",
                     "ComboBoxCdcm61004",
                     "ComboBoxCdcm61004Change",
                     {{"LabelCdcm61004Sata", "SATA_REFCLK_p/n:"},
                      {"LabelCdcm61004Sfp", "SFP1G_REFCLK_p/n:"},
                      {"LabelCdcm61004Hsmc", "HSMC_REFCLK_p/n:"}},
                     "LabelCdcm61004MHz",
                     12}});

    const char* hsmc = "GroupBoxHsmc";
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = hsmc,
                 .Left = 480,
                 .Top = 300,
                 .Width = 352,
                 .Height = 100,
                 .Caption = "HSMC Expansion"});
    c.push_back(FrameLabel("LabelHsmc", hsmc, 12, 20, 220, "HSMC (Transceiver x 8)", true));
    c.push_back(FrameComboBox("ComboBoxHSMC_A", hsmc, 12, 40, 236, "ComboBoxHSMC_AChange"));
    c.push_back(FrameLabel("LabelPrefixHsmc", hsmc, 12, 74, 84, "Prefix Name:"));
    c.push_back(FrameEdit("EditHSMC_A", hsmc, 100, 70, 148));
    c.push_back({.Kind = TControlKind::Image,
                 .Name = "ImageHSMC_A",
                 .Parent = hsmc,
                 .Left = 262,
                 .Top = 16,
                 .Width = 80,
                 .Height = 80,
                 .Visible = false});
    return spec;
}

}  // namespace

TFormEstover::TFormEstover(TForm* owner) : TFrameBoardFormOf<ESTOVER_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxSi570Change", Bind(&TFormEstover::ComboBoxSi570Change));
    handlers.emplace_back("ComboBoxCdcm61004Change", Bind(&TFormEstover::ComboBoxCdcm61004Change));
    handlers.emplace_back("ComboBoxHSMC_AChange", Bind(&TFormEstover::ComboBoxHSMC_AChange));
    LoadLayout(EstoverLayout(), handlers);

    ComboBoxSi570 = Find<TComboBox>("ComboBoxSi570");
    ComboBoxCdcm61004 = Find<TComboBox>("ComboBoxCdcm61004");
    ComboBoxHSMC_A = Find<TComboBox>("ComboBoxHSMC_A");
    EditHSMC_A = Find<TEdit>("EditHSMC_A");
    ImageHSMC_A = Find<TImage>("ImageHSMC_A");
    ShapeSi570 = Find<TShape>("ShapeSi570");
    ShapeCdcm61004 = Find<TShape>("ShapeCdcm61004");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED", "ShapeRJ45LED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxSata_0", {"ShapeSata_0"}},
                          {"CheckBoxSata_1", {"ShapeSata_1"}},
                          {"CheckBoxSma", {"ShapeSma"}},
                          {"CheckBoxTemp", {"ShapeTemp"}},
                          {"CheckBoxSfpA", {"ShapeSfp_A"}},
                          {"CheckBoxSfpB", {"ShapeSfp_B"}},
                          {"CheckBoxSfpC", {"ShapeSfp_C"}},
                          {"CheckBoxSfpD", {"ShapeSfp_D"}},
                          {"CheckBoxPCIe", {"ShapePCIe"}},
                          {"CheckBoxFan", {"ShapeFan"}},
                          {"CheckBoxFlash", {"ShapeFlash"}},
                          {"CheckBoxSSRAM", {"ShapeSSRAM"}},
                          {"CheckBoxRs422", {"ShapeRs422"}}});
    const auto& boxes = m_Groups.Entries();
    for (int i = 0; i < 2; ++i) CheckBoxSata[i] = boxes[static_cast<size_t>(4 + i)].Box;
    for (int i = 0; i < 4; ++i) CheckBoxSfp[i] = boxes[static_cast<size_t>(8 + i)].Box;
    CheckBoxPCIe = boxes[12].Box;
    m_Si570 = {ComboBoxSi570, 0, 0};
    m_Cdcm61004 = {ComboBoxCdcm61004, 0, 0};
    InitialiseSettings({EditHSMC_A});
}

void TFormEstover::SetDefaults(ESTOVER_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_ESTOVER;
    config.Size = sizeof(ESTOVER_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "ESTOVER");
    config.bClock = config.bLed = config.bButton = config.bSwitch = config.bTemperature = 1;
    config.bFan = config.bFlash = config.bSsram = config.bRs422 = 1;
}

void TFormEstover::FillCardCombos()
{
    m_Si570.Fill(Si570Items("Disable"));
    m_Cdcm61004.Fill(CdcmItems({"Disable"}));
    m_Config.BuildCardList(CONNECTOR_HSMC, true, 3);
    FillCardCombo(ComboBoxHSMC_A, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormEstover::ConfigToForm(const ESTOVER_CONFIG& config)
{
    m_Si570.Show(config.nSi570Freq);
    m_Cdcm61004.Show(config.nCdcm61004Freq);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    // A card the list does not offer leaves the combo and the prefix as they
    // are (the next FormToConfig stores the card shown).
    ShowCardAndPrefix(ComboBoxHSMC_A, EditHSMC_A, m_Config.m_CardCount, m_Config.m_CardIds,
                      config.nHsmcDaughterId[HSMC_A], config.szHSMCPrefixName[HSMC_A],
                      sizeof config.szHSMCPrefixName[HSMC_A], TUnlistedCard::KeepsPrefix);
    UpdateShapes();
    UpdateOscillatorCombos();
    UpdateCardPictures();
}

bool TFormEstover::FormToConfig(ESTOVER_CONFIG& config)
{
    config.BoardId = MAINBOARD_ESTOVER;
    config.Size = sizeof(ESTOVER_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    config.nSi570Freq = m_Si570.Item();
    config.nCdcm61004Freq = m_Cdcm61004.Item();
    config.nHsmcDaughterId[HSMC_A] = SelectedCard(ComboBoxHSMC_A, m_Config.m_CardIds);
    WriteFixedText(config.szHSMCPrefixName[HSMC_A], sizeof config.szHSMCPrefixName[HSMC_A], EditHSMC_A->Text());
    return true;
}

void TFormEstover::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeSi570->SetVisible(ComboBoxSi570->ItemIndex() != 0);
    ShapeCdcm61004->SetVisible(ComboBoxCdcm61004->ItemIndex() != 0);
    ShapeHSMC->SetVisible(ComboBoxHSMC_A->ItemIndex() != 0);
}

void TFormEstover::UpdateCardPictures()
{
    ShowCardPicture(ImageHSMC_A, SelectedCard(ComboBoxHSMC_A, m_Config.m_CardIds));
}

bool TFormEstover::IsSfpTicked() const
{
    for (TCheckBox* box : CheckBoxSfp)
        if (box->Checked()) return true;
    return false;
}

bool TFormEstover::IsSataTicked() const
{
    return CheckBoxSata[0]->Checked() || CheckBoxSata[1]->Checked();
}

bool TFormEstover::IsHsmcTransceiverCard() const
{
    return IsTransceiverCard(SelectedCard(ComboBoxHSMC_A, m_Config.m_CardIds));
}

bool TFormEstover::IsHsmcDefaultCard(DaughterId card)
{
    return card == 2 || card == 3 || (card >= 90 && card <= 96) || card == 98;
}

void TFormEstover::UpdateOscillatorCombos()
{
    m_Si570.Update(IsSfpTicked(), 0);
    m_Cdcm61004.Update(IsSataTicked() || IsSfpTicked() || IsHsmcTransceiverCard(), 0);
}

bool TFormEstover::ConfirmOscillators()
{
    if (IsSfpTicked() && ComboBoxSi570->ItemIndex() == 0 && ComboBoxCdcm61004->ItemIndex() == 0 &&
        !seam::AskWarningYesNo("QSP interface is enabled, but the associated programmable oscillator SI570 or "
                               "CDCM61004 is not enalbed.\r\nDo you want to continued?"))
        return false;
    if (IsSataTicked() && ComboBoxCdcm61004->ItemIndex() == 0 &&
        !seam::AskWarningYesNo("SATA interface is enabled, but the associated programmable oscillator CDCM61004 is "
                               "not enabled.\r\nDo you want to continued?"))
        return false;
    return true;
}

std::string TFormEstover::IpNotices()
{
    const std::string transceivers = JoinWords({{IsSataTicked(), "SATA"},
                                                {CheckBoxPCIe->Checked(), "PCIe"},
                                                {IsSfpTicked(), "SFP+"},
                                                {IsHsmcTransceiverCard(), "HSMC-Transceiver"}});
    return transceivers.empty() ? "" : TransceiverIpNotice(transceivers);
}

bool TFormEstover::ValidateBoard(bool generating, std::string& message)
{
    // The prefix the card's pins will carry: the user's, or the default one.
    const DaughterId card = SelectedCard(ComboBoxHSMC_A, m_Config.m_CardIds);
    std::string prefix = EditHSMC_A->Text();
    if (prefix.empty() && IsHsmcDefaultCard(card)) prefix = kDefaultHsmcPrefix;
    return CheckCardPrefix(card, MAINBOARD_ESTOVER, prefix, "HSMC-A", generating, message);
}

void TFormEstover::DefineBoard(TMainBoard* board, const ESTOVER_CONFIG& config)
{
    CONFIG_ESTOVER(board, &config);
}

void TFormEstover::ApplyDefaultPrefixes(ESTOVER_CONFIG& config)
{
    if (config.szHSMCPrefixName[HSMC_A][0] == 0 && IsHsmcDefaultCard(config.nHsmcDaughterId[HSMC_A]))
        WriteFixedText(config.szHSMCPrefixName[HSMC_A], sizeof config.szHSMCPrefixName[HSMC_A], kDefaultHsmcPrefix);
}

void TFormEstover::AttachCards(TMainBoard* board, const ESTOVER_CONFIG& config)
{
    const DaughterId card = config.nHsmcDaughterId[HSMC_A];
    if (card == 0) return;
    const std::string prefix = ReadFixedText(config.szHSMCPrefixName[HSMC_A], sizeof config.szHSMCPrefixName[HSMC_A]);
    board->AttachHsmcCardEx(ESTOVER_HSMC_A_MASTER_ID, card, IO_2V5, 0, prefix.c_str());
}

void TFormEstover::ComboBoxSi570Change(TObject*)
{
    m_Si570.Picked();
}
void TFormEstover::ComboBoxCdcm61004Change(TObject*)
{
    m_Cdcm61004.Picked();
}

void TFormEstover::ComboBoxHSMC_AChange(TObject*)
{
    UpdateOscillatorCombos();
    UpdateCardPictures();
    UpdateShapes();
}
