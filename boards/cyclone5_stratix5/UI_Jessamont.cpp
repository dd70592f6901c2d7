#include "boards/cyclone5_stratix5/UI_Jessamont.h"

#include <cstring>

#include "boards/cyclone5_stratix5/CONFIG_JESSAMONT.h"
#include "boards/cyclone5_stratix5/JessamontParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Board",
                            .LoadFailureBox = false,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

// The items of the voltage combo with the voltage class each stands for, the
// marker it shows on the board picture and the setting of jumper JP1.
struct TGpioVoltage {
    const char* Item;
    VoltageClass Class;
    const char* Shape;
    const char* Jumper;
};
constexpr TGpioVoltage kGpioVoltages[4] = {
    {"3.3 V(Default)", 5, "ShapeGpio3V3", "3.3V(7-8)"},
    {"2.5 V", 3, "ShapeGpio2V5", "2.5V(5-6)"},
    {"1.8 V", 2, "ShapeGpio1V8", "1.8V(3-4)"},
    {"1.5 V", 1, "ShapeGpio1V5", "1.5V(1-2)"},
};
constexpr int DEFAULT_VOLTAGE_ITEM = 0;

// The "GPIO Default" cards, one per voltage.
constexpr std::initializer_list<DaughterId> kGpioDefaultCards = {1, 85, 86, 87};

uint8_t* Flags(JESSAMONT_CONFIG& config) { return &config.bClock; }
const uint8_t* Flags(const JESSAMONT_CONFIG& config) { return &config.bClock; }

VoltageClass LowByte(int32_t voltage) { return static_cast<VoltageClass>(voltage & 0xff); }

// The item of a voltage class; -1 for a class the combo does not offer.
int VoltageItem(VoltageClass voltage)
{
    for (int item = 0; item < 4; ++item)
        if (kGpioVoltages[item].Class == voltage) return item;
    return -1;
}

// The controls of one header's panel, by header.
struct THeaderNames {
    const char *Panel, *Title, *TitleLabel, *Combo, *PrefixLabel, *Prefix, *Image;
};
constexpr THeaderNames kHeaderNames[2] = {
    {"PanelGpio_0", "GPIO-0 Header", "LabelGpio_0", "ComboBoxGpio_0", "LabelPrefixGpio_0", "EditPrefixGpio_0",
     "ImageGpio_0"},
    {"PanelGpio_1", "GPIO-1 Header", "LabelGpio_1", "ComboBoxGpio_1", "LabelPrefixGpio_1", "EditPrefixGpio_1",
     "ImageGpio_1"},
};

void AddHeaderPanel(std::vector<TControlSpec>& c, const THeaderNames& names, int left)
{
    c.push_back({.Kind = TControlKind::Panel,
                 .Name = names.Panel,
                 .Parent = "GroupBoxGpio",
                 .Left = left,
                 .Top = 20,
                 .Width = 166,
                 .Height = 208,
                 .Bevel = bvLowered});
    c.push_back(FrameLabel(names.TitleLabel, names.Panel, 8, 6, 150, names.Title, true));
    c.push_back(FrameComboBox(names.Combo, names.Panel, 8, 28, 150, "ComboBoxGpioChange"));
    c.push_back(FrameLabel(names.PrefixLabel, names.Panel, 8, 60, 150, "Prefix Name:"));
    c.push_back(FrameEdit(names.Prefix, names.Panel, 8, 80, 150));
    c.push_back({.Kind = TControlKind::Image,
                 .Name = names.Image,
                 .Parent = names.Panel,
                 .Left = 43,
                 .Top = 116,
                 .Width = 80,
                 .Height = 80,
                 .Visible = false});
}

TFormSpec JessamontLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMJESSAMONT",
                                    .Caption = "Jessamont",
                                    .Title = "Jessamont     Toolkit",
                                    .Picture = "JESSAMONT_PHOTO_BITMAP",
                                    .PictureWidth = JESSAMONT_PHOTO_WIDTH,
                                    .PictureHeight = JESSAMONT_PHOTO_HEIGHT,
                                    .Parts = nullptr,
                                    .PartCount = 0,
                                    .Captions = TButtonCaptions::GeneratePlain,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;
    AddPictureOutlines(c, kJessamontParts);
    AddSettingsGroup(c, 480, 8, 352, 234,
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 4"},
                         {"CheckBoxButton", "Button x 4", "CheckBoxSwitch", "Switch x 4"},
                         {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxSDRAM", "SDRAM, 64MB"},
                         {"CheckBoxDDR3", "DDR3, 1GB", "CheckBoxUart2USB", "UART to USB"},
                         {"CheckBoxSmaClock", "SMA Clock", "CheckBoxArduino", "Arduino"},
                         {"CheckBoxFan", "Fan Control", "CheckBoxPCIe", "PCI Express"},
                     });
    c.push_back(FrameLabel("LabelGpioVol", "GroupBoxConfig", 12, 56 + 24 * 6 + 6, 120, "GPIO IO Voltage:"));
    c.push_back(FrameComboBox("ComboBoxGpioVol", "GroupBoxConfig", 136, 56 + 24 * 6 + 2, 148, "ComboBoxGpioVolChange"));
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = "GroupBoxGpio",
                 .Left = 480,
                 .Top = 250,
                 .Width = 352,
                 .Height = 238,
                 .Caption = "GPIO Header"});
    AddHeaderPanel(c, kHeaderNames[0], 8);
    AddHeaderPanel(c, kHeaderNames[1], 178);
    return spec;
}

}  // namespace

TFormJessamont::TFormJessamont(TForm* owner) : TFrameBoardFormOf<JESSAMONT_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormJessamont::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxGpioVolChange", Bind(&TFormJessamont::ComboBoxGpioVolChange));
    LoadLayout(JessamontLayout(), handlers);

    ComboBoxGpioVol = Find<TComboBox>("ComboBoxGpioVol");
    for (int h = 0; h < 2; ++h) {
        ComboBoxGpio[h] = Find<TComboBox>(kHeaderNames[h].Combo);
        EditPrefixGpio[h] = Find<TEdit>(kHeaderNames[h].Prefix);
        ImageGpio[h] = Find<TImage>(kHeaderNames[h].Image);
        m_Headers[static_cast<size_t>(h)] = {ComboBoxGpio[h], EditPrefixGpio[h], ImageGpio[h],
                                             Find<TShape>(Format("ShapeGpio_%d", h))};
    }
    for (int i = 0; i < 4; ++i) ShapeGpioVoltage[i] = Find<TShape>(kGpioVoltages[i].Shape);
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxSeg7", {"ShapeSeg7_x2"}},
                          {"CheckBoxSDRAM", {"ShapeSDRAM"}},
                          {"CheckBoxDDR3", {"ShapeDDR3"}},
                          {"CheckBoxUart2USB", {"ShapeUart2USB"}},
                          {"CheckBoxSmaClock", {"ShapeSmaClock"}},
                          {"CheckBoxArduino", {"ShapeArduino_0", "ShapeArduino_1", "ShapeArduinoADC"}},
                          {"CheckBoxFan", {"ShapeFan"}},
                          {"CheckBoxPCIe", {"ShapePCIe"}}});
    CheckBoxDDR3 = m_Groups.Box(6);
    CheckBoxPCIe = m_Groups.Box(11);
    // The prefixes hold what the record's fields hold, as the name does.
    InitialiseSettings({EditPrefixGpio[0], EditPrefixGpio[1]});
}

void TFormJessamont::SetDefaults(JESSAMONT_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_JESSAMONT;
    config.Size = sizeof(JESSAMONT_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Jessamont");
    std::memset(Flags(config), 1, m_Groups.Entries().size());
    config.nGpioVoltage = kGpioVoltages[DEFAULT_VOLTAGE_ITEM].Class;
}

void TFormJessamont::FillCardCombos()
{
    const JESSAMONT_CONFIG& held = m_Config.m_Config;
    m_Config.BuildCardList(CONNECTOR_GPIO80, false, LowByte(held.nGpioVoltage));
    for (int h = 0; h < 2; ++h) {
        FillCardCombo(ComboBoxGpio[h], m_Config.m_CardCount, m_Config.m_CardIds);
        SelectCard(ComboBoxGpio[h], m_Config.m_CardCount, m_Config.m_CardIds, held.nGpioDaughterId[h]);
    }
}

void TFormJessamont::FillGpioVoltageCombo()
{
    ComboBoxGpioVol->Clear();
    for (const TGpioVoltage& voltage : kGpioVoltages) ComboBoxGpioVol->AddItem(voltage.Item);
    ComboBoxGpioVol->SetDropDownCount(4);
    // A voltage the combo does not offer is shown as the default one, and
    // the held record takes the voltage shown.
    JESSAMONT_CONFIG& held = m_Config.m_Config;
    const VoltageClass stored = LowByte(held.nGpioVoltage);
    SetGpioVoltageClass(VoltageItem(stored) >= 0 ? stored : kGpioVoltages[DEFAULT_VOLTAGE_ITEM].Class);
    held.nGpioVoltage = GetGpioVoltageClass();
    FillCardCombos();
}

VoltageClass TFormJessamont::GetGpioVoltageClass() const
{
    const int item = ComboBoxGpioVol->ItemIndex();
    return item >= 0 && item < 4 ? kGpioVoltages[item].Class : 0;
}

void TFormJessamont::SetGpioVoltageClass(VoltageClass voltage)
{
    ComboBoxGpioVol->SetItemIndex(VoltageItem(voltage));
}

void TFormJessamont::ShowHeld()
{
    // The record's cards decide the coupling afresh, whatever the headers
    // showed before.
    OpenGpioHeaders(m_Headers);
    FillGpioVoltageCombo();
    ConfigToForm(m_Config.m_Config);
    CoupleShownGpioHeaders();
}

void TFormJessamont::ConfigToForm(const JESSAMONT_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    for (int h = 0; h < 2; ++h) {
        EditPrefixGpio[h]->SetText("");
        for (int32_t k = 0; k < m_Config.m_CardCount; ++k) {
            if (m_Config.m_CardIds[k] != config.nGpioDaughterId[h]) continue;
            ComboBoxGpio[h]->SetItemIndex(k);
            EditPrefixGpio[h]->SetText(ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h]));
            break;
        }
    }
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormJessamont::FormToConfig(JESSAMONT_CONFIG& config)
{
    config.BoardId = MAINBOARD_JESSAMONT;
    config.Size = sizeof(JESSAMONT_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    for (int h = 0; h < 2; ++h) {
        config.nGpioDaughterId[h] = SelectedCard(ComboBoxGpio[h], m_Config.m_CardIds);
        WriteFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h], EditPrefixGpio[h]->Text());
    }
    return true;
}

void TFormJessamont::UpdateCardPictures()
{
    UpdateGpioPictures(m_Headers, m_Config.m_CardIds);
}

void TFormJessamont::UpdateShapes()
{
    m_Groups.UpdateShapes();
    UpdateGpioShapes(m_Headers);
    for (TShape* shape : ShapeGpioVoltage) shape->SetVisible(false);
    const int item = ComboBoxGpioVol->ItemIndex();
    if (item >= 0 && item < 4) ShapeGpioVoltage[item]->SetVisible(true);
}

bool TFormJessamont::IsGpioDefaultPair() const
{
    return IsDefaultGpioPair(m_Headers, m_Config.m_CardIds, kGpioDefaultCards);
}

void TFormJessamont::CoupleShownGpioHeaders()
{
    const DaughterId card0 = SelectedCard(ComboBoxGpio[GPIO_0], m_Config.m_CardIds);
    const DaughterId card1 = SelectedCard(ComboBoxGpio[GPIO_1], m_Config.m_CardIds);
    const bool fromSecond = card0 == 0 && GetCardConnectorType(card1) == CONNECTOR_GPIO80;
    TBoardForm::CoupleShownGpioHeaders(m_Headers, m_Config.m_CardIds, fromSecond ? GPIO_1 : GPIO_0);
    UpdateCardPictures();
    UpdateShapes();
}

void TFormJessamont::ShowGpioVoltageNotice()
{
    JESSAMONT_CONFIG scratch{};
    FormToConfig(scratch);
    if (scratch.nGpioDaughterId[GPIO_0] == 0 && scratch.nGpioDaughterId[GPIO_1] == 0) return;
    const int item = VoltageItem(GetGpioVoltageClass());
    seam::ShowInformation(
        std::string("GPIO Daugher cards are selected.\r\n") +
        Format("Please make sure GPIO VCCIO %s is setup correctly on the JP1 of the Jessamont board.\r\n",
               kGpioVoltages[item < 0 ? DEFAULT_VOLTAGE_ITEM : item].Jumper));
}

void TFormJessamont::ShowInterfaceWarnings()
{
    std::string text;
    if (CheckBoxDDR3->Checked()) {
        const char* m = "DDR3";
        text += Format("===== %s Pinloom warning =====\r\n", m) +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
                Format("%s signals in the top level entity if they are not in use or add the \r\n", m) +
                Format("%s IP to your design.\r\n", m) + "\r\n";
    }
    if (CheckBoxPCIe->Checked()) {
        text += Format("===== %s  Transceiver Pinloom warning =====\r\n", "PCIe") +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
                "transceiver signals in the top level entity if they are not in use or add the \r\n" +
                "Transceiver IP to your design.\r\n" + "\r\n";
    }
    if (!text.empty()) seam::ShowInformation(text);
}

void TFormJessamont::AfterSuccess()
{
    ShowGpioVoltageNotice();
    ShowInterfaceWarnings();
}

bool TFormJessamont::ValidateBoard(bool generating, std::string& message)
{
    return CheckGpioHeaderPrefixes(MAINBOARD_JESSAMONT, m_Headers, m_Config.m_CardIds, message, generating,
                                   kGpioDefaultCards);
}

void TFormJessamont::DefineBoard(TMainBoard* board, const JESSAMONT_CONFIG& config)
{
    CONFIG_JESSAMONT(board, &config);
}

void TFormJessamont::AttachCards(TMainBoard* board, const JESSAMONT_CONFIG& config)
{
    std::vector<std::string> prefixes;
    for (int h = 0; h < 2; ++h)
        prefixes.push_back(ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h]));
    AttachGpioHeaderCards(board, config.nGpioDaughterId, prefixes, IsGpioDefaultPair());
}

void TFormJessamont::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(m_Headers, Sender, m_Config.m_CardIds);
    UpdateShapes();
    UpdateCardPictures();
}

void TFormJessamont::ComboBoxGpioVolChange(TObject*)
{
    JESSAMONT_CONFIG& held = m_Config.m_Config;
    const VoltageClass voltage = GetGpioVoltageClass();
    if (voltage == held.nGpioVoltage) return;
    held.nGpioVoltage = voltage;
    held.nGpioDaughterId[GPIO_0] = held.nGpioDaughterId[GPIO_1] = 0;
    FillCardCombos();
    // Both headers now show "None"; the prefixes keep their text and the
    // headers their enabled state: a header that a card spanning both had
    // locked stays so until a card is chosen on the other.
    UpdateShapes();
    UpdateCardPictures();
}

