#include "boards/cyclone4_stratix4/UI_Kestleford.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/CONFIG_KESTLEFORD.h"
#include "boards/cyclone4_stratix4/KestlefordParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Kestleford", .LoadFailureBox = false, .SuccessBox = true,
                            .PostsBoardChange = true, .GeneratesFromHeld = false};

constexpr DaughterId HSMC_DEFAULT_CARD = 2;
const char* const kDefaultHsmcPrefix = "HSMC_";
// The GPIO default card of the header at 2.5 V, 1.8 V and 1.5 V.
constexpr DaughterId kGpioVoltageCard[4] = {0, 85, 86, 87};

bool IsVoltage(int32_t voltage) { return voltage >= KESTLEFORD_3V3 && voltage <= KESTLEFORD_1V5; }

// The check boxes of the flags bClock .. bExIo and their outlines.
const std::vector<TFlagBox> kBoxes = {
    {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
    {"CheckBoxLED", "LED x 27", {"ShapeLED", "ShapeLEDG8"}},
    {"CheckBoxSeg7", "7-Segment x 8", {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", {"ShapeButton"}},
    {"CheckBoxSwitch", "Switch x 18", {"ShapeSwitch"}},
    {"CheckBoxEEPROM", "EEPROM, 32Kb", {"ShapeEEPROM"}},
    {"CheckBoxPS2", "PS2", {"ShapePS2"}},
    {"CheckBoxSDCARD", "SD CARD", {"ShapeSDCARD"}},
    {"CheckBoxVGA", "VGA", {"ShapeVGA"}},
    {"CheckBoxLCD", "LCD", {"ShapeLCD"}},
    {"CheckBoxSDRAM", "SDRAM, 128MB", {"ShapeSDRAM"}},
    {"CheckBoxFlash", "FLASH, 8MB", {"ShapeFlash"}},
    {"CheckBoxRS232", "RS-232", {"ShapeRS232"}},
    {"CheckBoxSRAM", "SRAM, 2MB", {"ShapeSRAM"}},
    {"CheckBoxSma", "SMA", {"ShapeSma"}},
    {"CheckBoxAudio", "Audio", {"ShapeAudio"}},
    {"CheckBoxIR", "IR Receiver", {"ShapeIR"}},
    {"CheckBoxUSB", "USB, Cypress", {"ShapeUSB"}},
    {"CheckBoxEthernet0", "Ethernet 1", {"ShapeEthernet0"}},
    {"CheckBoxEthernet1", "Ethernet 2", {"ShapeEthernet1"}},
    {"CheckBoxTvDecode", "TV Decoder", {"ShapeTvDecode"}},
    {"CheckBoxEJTAG", "EX_IO", {"ShapeEJTAG"}},
};

TFormSpec KestlefordLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMKESTLEFORD",
                                    .Caption = "Kestleford",
                                    .Title = "Kestleford FPGA Board",
                                    .Picture = "KESTLEFORD_PHOTO_BITMAP",
                                    .PictureWidth = KESTLEFORD_PHOTO_WIDTH,
                                    .PictureHeight = KESTLEFORD_PHOTO_HEIGHT,
                                    .Parts = kKestlefordParts,
                                    .PartCount = std::size(kKestlefordParts),
                                    .Captions = TButtonCaptions::GeneratePlain,
                                    .DefaultSetting = false,
                                    .ClientWidth = 1008,
                                    .ClientHeight = 600,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    // The jumper picture, one outline per voltage.
    const char* jumpers = "GroupBoxJumpers";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = jumpers, .Left = 8, .Top = 424, .Width = 476, .Height = 130,
                 .Caption = "IO Voltage Jumpers"});
    c.push_back({.Kind = TControlKind::Image, .Name = "Image1", .Parent = jumpers, .Left = 12, .Top = 24,
                 .Width = KESTLEFORD_JUMPER_WIDTH, .Height = KESTLEFORD_JUMPER_HEIGHT,
                 .Picture = "KESTLEFORD_JUMPER_BITMAP"});
    for (const TPicturePart& part : kKestlefordJumperParts)
        if (part.ShapeName)
            c.push_back(FrameShape(part.ShapeName, jumpers, 12 + part.Left - 2, 24 + part.Top - 2, part.Width + 4,
                                   part.Height + 4));

    const char* group = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = group, .Left = 492, .Top = 8, .Width = 508, .Height = 270,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", group, 12, 24, 90, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", group, 104, 20, 200));
    AddFlagBoxGrid(c, group, 12, 52, 3, kBoxes);

    struct TVoltageRow {
        const char* Box;
        const char* Caption;
        const char* VoltageLabel;
        const char* Voltage;
        TCardRow Row;
    };
    static const TVoltageRow kRows[2] = {
        {"GroupBoxGpio", "GPIO Expansion", "LabelGpioVol", "ComboBoxGpioVol",
         {"LabelGpio", "GPIO Header", "ComboBoxGpio", "ComboBoxGpioChange", "LabelPrefixGpio", "EditPrefixGpio",
          "ImageGpio"}},
        {"GroupBoxHsmc", "HSMC Expansion", "LabelHsmcVol", "ComboBoxHsmcVol",
         {"LabelHsmc", "HSMC", "ComboBoxHSMC", "ComboBoxHSMCChange", "LabelPrefixHsmc", "EditPrefixHSMC",
          "ImageHSMC"}},
    };
    for (int i = 0; i < 2; ++i) {
        const TVoltageRow& r = kRows[i];
        c.push_back({.Kind = TControlKind::GroupBox, .Name = r.Box, .Left = 492, .Top = 284 + 136 * i, .Width = 508,
                     .Height = 130, .Caption = r.Caption});
        c.push_back(FrameLabel(r.VoltageLabel, r.Box, 12, 26, 80, "IO Voltage:"));
        c.push_back(FrameComboBox(r.Voltage, r.Box, 96, 22, 140, "ComboBoxVolChange"));
        AddCardRow(c, r.Box, 54, 508, r.Row);
    }
    // The GPIO combo answers clicks too.
    for (TControlSpec& control : c)
        if (std::strcmp(control.Name, "ComboBoxGpio") == 0) control.OnClick = "ComboBoxGpioChange";
    return spec;
}

}  // namespace

TFormKestleford::TFormKestleford(TForm* owner) : TFrameBoardFormOf<KESTLEFORD_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormKestleford::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormKestleford::ComboBoxHSMCChange));
    handlers.emplace_back("ComboBoxVolChange", Bind(&TFormKestleford::ComboBoxVolChange));
    LoadLayout(KestlefordLayout(), handlers);

    ComboBoxGpioVol = Find<TComboBox>("ComboBoxGpioVol");
    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditPrefixGpio = Find<TEdit>("EditPrefixGpio");
    ImageGpio = Find<TImage>("ImageGpio");
    ShapeGpio = Find<TShape>("ShapeGpio");
    ComboBoxHsmcVol = Find<TComboBox>("ComboBoxHsmcVol");
    ComboBoxHSMC = Find<TComboBox>("ComboBoxHSMC");
    EditPrefixHSMC = Find<TEdit>("EditPrefixHSMC");
    ImageHSMC = Find<TImage>("ImageHSMC");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    static const char* const kVoltageNames[4] = {"3V3", "2V5", "1V8", "1V5"};
    for (int v = 0; v < 4; ++v) {
        ShapeGpioVoltage[v] = Find<TShape>(Format("ShapeGpio%s", kVoltageNames[v]));
        ShapeHsmcVoltage[v] = Find<TShape>(Format("ShapeHsmc%s", kVoltageNames[v]));
    }
    m_Groups.Bind(*this, kBoxes);
    InitialiseSettings({EditPrefixGpio, EditPrefixHSMC});
}

void TFormKestleford::SetDefaults(KESTLEFORD_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_KESTLEFORD;
    config.Size = sizeof(KESTLEFORD_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Kestleford");
    for (uint8_t* flag = &config.bClock; flag <= &config.bExIo; ++flag) *flag = 1;
    config.nGpioVoltage = KESTLEFORD_GPIO_VOLTAGE_DEFAULT;
    config.nHsmcVoltage = KESTLEFORD_HSMC_VOLTAGE_DEFAULT;
}

void TFormKestleford::FillCardCombos()
{
    ComboBoxHsmcVol->Clear();
    for (const char* item : {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}) ComboBoxHsmcVol->AddItem(item);
    ComboBoxHsmcVol->SetItemIndex(KESTLEFORD_HSMC_VOLTAGE_DEFAULT);
    ComboBoxGpioVol->Clear();
    for (const char* item : {"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"}) ComboBoxGpioVol->AddItem(item);
    ComboBoxGpioVol->SetItemIndex(KESTLEFORD_GPIO_VOLTAGE_DEFAULT);
    m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    m_Hsmc3V3List.BuildCardList(CONNECTOR_HSMC, false, 5);
    m_Hsmc1V8List.BuildCardList(CONNECTOR_HSMC, false, 2);
    m_Hsmc1V5List.BuildCardList(CONNECTOR_HSMC, false, 1);
    FillHsmcCombo(KESTLEFORD_2V5);
    m_GpioList.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio, m_GpioList.m_CardCount, m_GpioList.m_CardIds);
    ApplyIoVoltages();
}

const TConfigBase<KESTLEFORD_CONFIG>& TFormKestleford::GetHsmcCardList(int32_t voltage) const
{
    switch (voltage) {
    case KESTLEFORD_3V3: return m_Hsmc3V3List;
    case KESTLEFORD_1V8: return m_Hsmc1V8List;
    case KESTLEFORD_1V5: return m_Hsmc1V5List;
    default: return m_Config;
    }
}

void TFormKestleford::FillHsmcCombo(int32_t voltage)
{
    const TConfigBase<KESTLEFORD_CONFIG>& list = GetHsmcCardList(voltage);
    FillCardCombo(ComboBoxHSMC, list.m_CardCount, list.m_CardIds);
}

void TFormKestleford::ApplyIoVoltages()
{
    const bool gpioAt3V3 = ComboBoxGpioVol->ItemIndex() == KESTLEFORD_3V3;
    ComboBoxGpio->SetEnabled(gpioAt3V3);
    ComboBoxGpio->SetItemIndex(gpioAt3V3 ? m_RememberedGpio : 0);
    FillHsmcCombo(ComboBoxHsmcVol->ItemIndex());
}

void TFormKestleford::RememberCardIndexes()
{
    const KESTLEFORD_CONFIG& config = m_Config.m_Config;
    for (int32_t k = 0; k < m_GpioList.m_CardCount; ++k) {
        if (m_GpioList.m_CardIds[k] == config.nGpioDaughterId) {
            m_RememberedGpio = k;
            return;
        }
    }
}

void TFormKestleford::ShowHeld()
{
    ConfigToForm(m_Config.m_Config);
    RememberCardIndexes();
    ApplyIoVoltages();
    ConfigToForm(m_Config.m_Config);
}

void TFormKestleford::ConfigToForm(const KESTLEFORD_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bClock);
    // A voltage outside the list, from a file, shows the default voltage
    // (and so is written back by the next FormToConfig).
    ComboBoxGpioVol->SetItemIndex(IsVoltage(config.nGpioVoltage) ? config.nGpioVoltage
                                                                 : KESTLEFORD_GPIO_VOLTAGE_DEFAULT);
    // The header carries a card of the list at 3.3 V only. A card the list
    // does not hold leaves the combo at the card it showed; the prefix edit
    // shows the record's prefix beside any card but "None".
    if (ComboBoxGpioVol->ItemIndex() != KESTLEFORD_3V3) ComboBoxGpio->SetItemIndex(0);
    ShowCardAndPrefix(ComboBoxGpio, EditPrefixGpio, m_GpioList.m_CardCount, m_GpioList.m_CardIds,
                      ComboBoxGpioVol->ItemIndex() == KESTLEFORD_3V3 ? config.nGpioDaughterId : 0,
                      config.szGpioPrefixName, sizeof config.szGpioPrefixName);
    const int32_t hsmcVoltage =
        IsVoltage(config.nHsmcVoltage) ? config.nHsmcVoltage : KESTLEFORD_HSMC_VOLTAGE_DEFAULT;
    ComboBoxHsmcVol->SetItemIndex(hsmcVoltage);
    FillHsmcCombo(hsmcVoltage);
    // The list is filled anew: a card it does not hold shows "None".
    const TConfigBase<KESTLEFORD_CONFIG>& list = GetHsmcCardList(hsmcVoltage);
    ShowCardAndPrefix(ComboBoxHSMC, EditPrefixHSMC, list.m_CardCount, list.m_CardIds, config.nHsmcDaughterId,
                      config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormKestleford::FormToConfig(KESTLEFORD_CONFIG& config)
{
    config.BoardId = MAINBOARD_KESTLEFORD;
    config.Size = sizeof(KESTLEFORD_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bClock);
    config.nGpioVoltage = ComboBoxGpioVol->ItemIndex();
    config.nGpioDaughterId = config.nGpioVoltage == KESTLEFORD_3V3 ? GpioCard() : 0;
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditPrefixGpio->Text());
    config.nHsmcVoltage = ComboBoxHsmcVol->ItemIndex();
    config.nHsmcDaughterId = HsmcCard();
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHSMC->Text());
    return true;
}

DaughterId TFormKestleford::GpioCard() const { return SelectedCard(ComboBoxGpio, m_GpioList.m_CardIds); }
DaughterId TFormKestleford::HsmcCard() const
{
    return SelectedCard(ComboBoxHSMC, GetHsmcCardList(ComboBoxHsmcVol->ItemIndex()).m_CardIds);
}

void TFormKestleford::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeGpio->SetVisible(ComboBoxGpio->ItemIndex() != 0);
    ShapeHSMC->SetVisible(ComboBoxHSMC->ItemIndex() != 0);
    for (int v = 0; v < 4; ++v) {
        ShapeGpioVoltage[v]->SetVisible(ComboBoxGpioVol->ItemIndex() == v);
        ShapeHsmcVoltage[v]->SetVisible(ComboBoxHsmcVol->ItemIndex() == v);
    }
}

void TFormKestleford::UpdateCardPictures()
{
    ShowCardPicture(ImageHSMC, HsmcCard());
    ShowCardPicture(ImageGpio, GpioCard());
}

bool TFormKestleford::ValidateBoard(bool generating, std::string& message)
{
    // The cards and prefixes as the generation run attaches them.
    const int32_t gpioVoltage = ComboBoxGpioVol->ItemIndex();
    const DaughterId gpio = gpioVoltage == KESTLEFORD_3V3 ? GpioCard() : kGpioVoltageCard[gpioVoltage];
    if (!CheckCardPrefix(gpio, MAINBOARD_KESTLEFORD, EditPrefixGpio->Text(), "GPIO", generating, message))
        return false;
    const DaughterId hsmc = HsmcCard();
    std::string prefix = EditPrefixHSMC->Text();
    if (prefix.empty() && hsmc == HSMC_DEFAULT_CARD) prefix = kDefaultHsmcPrefix;
    return CheckCardPrefix(hsmc, MAINBOARD_KESTLEFORD, prefix, "HSMC", generating, message);
}

void TFormKestleford::WarnIoVoltages()
{
    KESTLEFORD_CONFIG scratch{};
    FormToConfig(scratch);
    const bool gpio = scratch.nGpioVoltage != KESTLEFORD_GPIO_VOLTAGE_DEFAULT;
    const bool hsmc = scratch.nHsmcVoltage != KESTLEFORD_HSMC_VOLTAGE_DEFAULT;
    if (!gpio && !hsmc) return;
    std::string text;
    if (gpio && hsmc)
        text = "You have changed the default voltage level of GPIO and HSMC interface. \nPlease remember to change "
               "the shunt position on JP6 and JP7 accordingly.";
    else if (gpio)
        text = "You have changed the default voltage level of GPIO expansion header. \nPlease remember to change "
               "the shunt position on JP6 accordingly.";
    else
        text = "You have changed the default voltage level of HSMC interface. \nPlease remember to change the "
               "shunt position on JP7 accordingly.";
    text += "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";
    seam::ShowWarning(text);
}

void TFormKestleford::DefineBoard(TMainBoard* board, const KESTLEFORD_CONFIG& config)
{
    CONFIG_KESTLEFORD(board, &config);
}

void TFormKestleford::ApplyDefaultPrefixes(KESTLEFORD_CONFIG& config)
{
    if (config.nGpioVoltage != KESTLEFORD_3V3) config.nGpioDaughterId = kGpioVoltageCard[config.nGpioVoltage];
    if (config.szHSMCPrefixName[0] == 0 && config.nHsmcDaughterId == HSMC_DEFAULT_CARD)
        WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, kDefaultHsmcPrefix);
}

void TFormKestleford::AttachCards(TMainBoard* board, const KESTLEFORD_CONFIG& config)
{
    // The header's pins take the standard of the header's voltage, like the
    // on-board pins of its bank.
    if (config.nGpioDaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        board->AttachGpioCard(KESTLEFORD_GPIO_MASTER_ID, config.nGpioDaughterId,
                              KestlefordVoltageStandard(config.nGpioVoltage), nullptr, prefix.c_str());
    }
    if (config.nHsmcDaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
        board->AttachHsmcCardEx(KESTLEFORD_HSMC_MASTER_ID, config.nHsmcDaughterId,
                                KestlefordVoltageStandard(config.nHsmcVoltage), 0, prefix.c_str());
    }
}

void TFormKestleford::ComboBoxGpioChange(TObject* Sender)
{
    if (Sender == ComboBoxGpio) m_RememberedGpio = ComboBoxGpio->ItemIndex();
    UpdateShapes();
    UpdateCardPictures();
}

void TFormKestleford::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormKestleford::ComboBoxVolChange(TObject*)
{
    ApplyIoVoltages();
    UpdateShapes();
    UpdateCardPictures();
}
