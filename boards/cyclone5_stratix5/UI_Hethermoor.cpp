#include "boards/cyclone5_stratix5/UI_Hethermoor.h"

#include <cstring>

#include "boards/cyclone5_stratix5/CONFIG_HETHERMOOR.h"
#include "boards/cyclone5_stratix5/HethermoorParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "HETHERMOOR",
                            .LoadFailureBox = false,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

const char* const kVoltageShapes[4] = {"ShapeHsmc3V3", "ShapeHsmc2V5", "ShapeHsmc1V8", "ShapeHsmc1V5"};

uint8_t* Flags(HETHERMOOR_CONFIG& config) { return &config.bClock; }
const uint8_t* Flags(const HETHERMOOR_CONFIG& config) { return &config.bClock; }

TFormSpec HethermoorLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMHETHERMOOR",
                                    .Caption = "Hethermoor",
                                    .Title = "Cylone V Hethermoor Evaluation Board",
                                    .Picture = "HETHERMOOR_PHOTO_BITMAP",
                                    .PictureWidth = HETHERMOOR_PHOTO_WIDTH,
                                    .PictureHeight = HETHERMOOR_PHOTO_HEIGHT,
                                    .Parts = nullptr,
                                    .PartCount = 0,
                                    .Captions = TButtonCaptions::GeneratePlain,
                                    .DefaultSetting = false,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;
    AddPictureOutlines(c, kHethermoorParts);
    AddSettingsGroup(c, 480, 8, 352, 184,
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 4"},
                         {"CheckBoxButton", "Button x 4, Reset", "CheckBoxSwitch", "Switch x 4"},
                         {"CheckBoxVGA", "VGA", "CheckBoxDDR3", "DDR3"},
                         {"CheckBoxAudio", "Audio", "CheckBoxIR", "IR Receiver"},
                         {"CheckBoxSi5338", "Si5338 I2C", "CheckBoxTemperature", "Temperature"},
                     });

    const char* hsmc = "GroupBoxHsmc";
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = hsmc,
                 .Left = 480,
                 .Top = 200,
                 .Width = 352,
                 .Height = 140,
                 .Caption = "HSMC Expansion"});
    c.push_back(FrameLabel("LabelHsmcVol", hsmc, 12, 26, 84, "IO Voltage:"));
    c.push_back(FrameComboBox("ComboBoxHsmcVol", hsmc, 100, 22, 148, "ComboBoxHsmcVolChange"));
    c.push_back(FrameLabel("LabelHsmc", hsmc, 12, 56, 220, "HSMC", true));
    c.push_back(FrameComboBox("ComboBoxHSMC", hsmc, 12, 76, 236, "ComboBoxHSMCChange"));
    c.push_back(FrameLabel("LabelPrefixHsmc", hsmc, 12, 110, 84, "Prefix Name:"));
    c.push_back(FrameEdit("EditPrefixHSMC", hsmc, 100, 106, 148));
    c.push_back({.Kind = TControlKind::Image,
                 .Name = "ImageHSMC",
                 .Parent = hsmc,
                 .Left = 262,
                 .Top = 50,
                 .Width = 80,
                 .Height = 80,
                 .Visible = false});
    return spec;
}

}  // namespace

TFormHethermoor::TFormHethermoor(TForm* owner) : TFrameBoardFormOf<HETHERMOOR_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxHsmcVolChange", Bind(&TFormHethermoor::ComboBoxHsmcVolChange));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormHethermoor::ComboBoxHSMCChange));
    LoadLayout(HethermoorLayout(), handlers);

    ComboBoxHsmcVol = Find<TComboBox>("ComboBoxHsmcVol");
    ComboBoxHSMC = Find<TComboBox>("ComboBoxHSMC");
    EditPrefixHSMC = Find<TEdit>("EditPrefixHSMC");
    ImageHSMC = Find<TImage>("ImageHSMC");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    for (int i = 0; i < 4; ++i) ShapeHsmcVoltage[i] = Find<TShape>(kVoltageShapes[i]);
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxVGA", {"ShapeVGA"}},
                          {"CheckBoxDDR3", {"ShapeDDR3"}},
                          {"CheckBoxAudio", {"ShapeAudio"}},
                          {"CheckBoxIR", {"ShapeIR"}},
                          {"CheckBoxSi5338", {"ShapeSi5338"}},
                          {"CheckBoxTemperature", {"ShapeTemperature"}}});
    InitialiseSettings({EditPrefixHSMC});
}

void TFormHethermoor::SetDefaults(HETHERMOOR_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_HETHERMOOR;
    config.Size = sizeof(HETHERMOOR_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Hethermoor");
    std::memset(Flags(config), 1, m_Groups.Entries().size());
    config.nHsmcVoltage = HETHERMOOR_DEFAULT_HSMC_VOLTAGE;
}

const TConfigBase<HETHERMOOR_CONFIG>& TFormHethermoor::GetHsmcCardList(int32_t index) const
{
    switch (index) {
    case 0: return m_Config3V3;
    case 2: return m_Config1V8;
    case 3: return m_Config1V5;
    default: return m_Config;
    }
}

void TFormHethermoor::FillHsmcCombo(int32_t index)
{
    const TConfigBase<HETHERMOOR_CONFIG>& list = GetHsmcCardList(index);
    FillCardCombo(ComboBoxHSMC, list.m_CardCount, list.m_CardIds);
}

void TFormHethermoor::FillCardCombos()
{
    ComboBoxHsmcVol->Clear();
    for (const THethermoorHsmcVoltage& voltage : kHethermoorHsmcVoltages) ComboBoxHsmcVol->AddItem(voltage.Item);
    ComboBoxHsmcVol->SetDropDownCount(4);
    ComboBoxHsmcVol->SetItemIndex(HETHERMOOR_DEFAULT_HSMC_VOLTAGE);
    m_Config.BuildCardList(CONNECTOR_HSMC, true, kHethermoorHsmcVoltages[1].Class);
    m_Config3V3.BuildCardList(CONNECTOR_HSMC, true, kHethermoorHsmcVoltages[0].Class);
    m_Config1V8.BuildCardList(CONNECTOR_HSMC, true, kHethermoorHsmcVoltages[2].Class);
    m_Config1V5.BuildCardList(CONNECTOR_HSMC, true, kHethermoorHsmcVoltages[3].Class);
    FillHsmcCombo(HETHERMOOR_DEFAULT_HSMC_VOLTAGE);
}

DaughterId TFormHethermoor::SelectedHsmcCard() const
{
    return SelectedCard(ComboBoxHSMC, GetHsmcCardList(ComboBoxHsmcVol->ItemIndex()).m_CardIds);
}

void TFormHethermoor::ConfigToForm(const HETHERMOOR_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    // A voltage outside the list is shown as the default one (and so written
    // back); a card its list does not offer as "None".
    const int32_t voltage =
        IsHethermoorHsmcVoltage(config.nHsmcVoltage) ? config.nHsmcVoltage : HETHERMOOR_DEFAULT_HSMC_VOLTAGE;
    ComboBoxHsmcVol->SetItemIndex(voltage);
    FillHsmcCombo(voltage);
    const TConfigBase<HETHERMOOR_CONFIG>& list = GetHsmcCardList(voltage);
    SelectCard(ComboBoxHSMC, list.m_CardCount, list.m_CardIds, config.nHsmcDaughterId);
    EditPrefixHSMC->SetText(ComboBoxHSMC->ItemIndex() != 0
                                ? ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName)
                                : std::string());
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormHethermoor::FormToConfig(HETHERMOOR_CONFIG& config)
{
    config.BoardId = MAINBOARD_HETHERMOOR;
    config.Size = sizeof(HETHERMOOR_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    config.nHsmcVoltage = ComboBoxHsmcVol->ItemIndex();
    config.nHsmcDaughterId = SelectedHsmcCard();
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHSMC->Text());
    return true;
}

void TFormHethermoor::UpdateCardPictures()
{
    ShowCardPicture(ImageHSMC, SelectedHsmcCard());
}

void TFormHethermoor::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeHSMC->SetVisible(ComboBoxHSMC->ItemIndex() != 0);
    for (TShape* shape : ShapeHsmcVoltage) shape->SetVisible(false);
    const int32_t voltage = ComboBoxHsmcVol->ItemIndex();
    if (IsHethermoorHsmcVoltage(voltage)) ShapeHsmcVoltage[voltage]->SetVisible(true);
}

void TFormHethermoor::ApplyHsmcVoltage()
{
    FillHsmcCombo(ComboBoxHsmcVol->ItemIndex());
}

void TFormHethermoor::WarnHsmcVoltage()
{
    HETHERMOOR_CONFIG scratch{};
    FormToConfig(scratch);
    if (scratch.nHsmcVoltage == HETHERMOOR_DEFAULT_HSMC_VOLTAGE) return;
    seam::Current().MessageBox(
        seam::BoxKind::Warning,
        std::string("You have changed the default voltage level of HSMC interface. \nPlease remember to change the "
                    "shunt position on JP7 accordingly.") +
            "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.");
}

bool TFormHethermoor::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId card = SelectedHsmcCard();
    return CheckCardPrefix(card, MAINBOARD_HETHERMOOR, HsmcCardPrefix(card, EditPrefixHSMC->Text()), "HSMC",
                           generating, message);
}

void TFormHethermoor::DefineBoard(TMainBoard* board, const HETHERMOOR_CONFIG& config)
{
    CONFIG_HETHERMOOR(board, &config);
}

void TFormHethermoor::ApplyDefaultPrefixes(HETHERMOOR_CONFIG& config)
{
    const std::string typed = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName,
                   HsmcCardPrefix(config.nHsmcDaughterId, typed));
}

void TFormHethermoor::AttachCards(TMainBoard* board, const HETHERMOOR_CONFIG& config)
{
    const DaughterId card = config.nHsmcDaughterId;
    if (card == 0) return;
    const std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    board->AttachHsmcCardEx(HETHERMOOR_HSMC_MASTER_ID, card, HethermoorHsmcVoltage(config.nHsmcVoltage).Standard, 0,
                            prefix.c_str());
}

void TFormHethermoor::ComboBoxHsmcVolChange(TObject*)
{
    ApplyHsmcVoltage();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormHethermoor::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
