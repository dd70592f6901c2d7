#include "boards/soc/UI_Hollarne.h"

#include <cstddef>
#include <cstring>

#include "boards/soc/CONFIG_HOLLARNE.h"
#include "boards/soc/HollarneParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// Where the photograph lies in the board panel.
constexpr int kPhotoLeft = 8;
constexpr int kPhotoTop = 36;

// The 16 group flags, bClock .. bRiscvJtag, lie side by side in the record.
uint8_t* GroupFlags(HOLLARNE_CONFIG& config)
{
    return reinterpret_cast<uint8_t*>(&config) + offsetof(HOLLARNE_CONFIG, bClock);
}
const uint8_t* GroupFlags(const HOLLARNE_CONFIG& config)
{
    return reinterpret_cast<const uint8_t*>(&config) + offsetof(HOLLARNE_CONFIG, bClock);
}

TControlSpec Button(const char* name, int left, int top, const char* caption, const char* onClick)
{
    return {.Kind = TControlKind::Button, .Name = name, .Left = left, .Top = top, .Width = 206, .Height = 30,
            .Caption = caption, .OnClick = onClick, .HandCursor = true};
}

TControlSpec CheckBox(const char* name, int left, int top, const char* caption)
{
    return {.Kind = TControlKind::CheckBox, .Name = name, .Parent = "GroupBoxConfig", .Left = left, .Top = top,
            .Width = 160, .Height = 22, .Caption = caption, .OnClick = "CheckBoxClick", .HandCursor = true};
}

TControlSpec Label(const char* name, int left, int top, int width, const char* caption, bool bold = false)
{
    return {.Kind = TControlKind::Label, .Name = name, .Parent = "GroupBoxConfig", .Left = left, .Top = top,
            .Width = width, .Height = 20, .Caption = caption, .Bold = bold};
}

// The controls of one GPIO header in the configuration group box.
void AddHeaderControls(std::vector<TControlSpec>& controls, int h, int top)
{
    static const char* const kTitles[] = {"GPIO-0 Header", "GPIO-1 Header"};
    static const char* const kTitleNames[] = {"LabelGpio0", "LabelGpio1"};
    static const char* const kPrefixLabels[] = {"LabelPrefixGpio0", "LabelPrefixGpio1"};
    static const char* const kCombos[] = {"ComboBoxGpio0", "ComboBoxGpio1"};
    static const char* const kEdits[] = {"EditPrefixGpio0", "EditPrefixGpio1"};
    static const char* const kImages[] = {"ImageGpio0", "ImageGpio1"};
    controls.push_back(Label(kTitleNames[h], 12, top, 220, kTitles[h], true));
    controls.push_back({.Kind = TControlKind::ComboBox, .Name = kCombos[h], .Parent = "GroupBoxConfig", .Left = 12,
                        .Top = top + 24, .Width = 236, .Height = 24, .OnClick = "ComboBoxGpioChange",
                        .HandCursor = true});
    controls.push_back(Label(kPrefixLabels[h], 12, top + 60, 84, "Prefix Name:"));
    controls.push_back({.Kind = TControlKind::Edit, .Name = kEdits[h], .Parent = "GroupBoxConfig", .Left = 100,
                        .Top = top + 56, .Width = 148, .Height = 24, .MaxLength = TSocBoardForm::kMaxNameLength});
    controls.push_back({.Kind = TControlKind::Image, .Name = kImages[h], .Parent = "GroupBoxConfig", .Left = 262,
                        .Top = top + 6, .Width = 80, .Height = 80, .Visible = false});
}

TFormSpec HollarneLayout()
{
    TFormSpec spec{.Name = "TFORMHOLLARNE", .Caption = "Hollarne V1.2.1", .ClientWidth = 798, .ClientHeight = 538,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageLogo", .Left = 8, .Top = 8, .Width = 200, .Height = 40,
                 .Picture = "KALVORA_LOGO_BITMAP"});
    c.push_back({.Kind = TControlKind::Button, .Name = "ButtonMainBoardSelect", .Left = 258, .Top = 12, .Width = 166,
                 .Height = 30, .Caption = "Change Main Board", .OnClick = "ButtonMainBoardSelectClick",
                 .HandCursor = true});
    c.push_back({.Kind = TControlKind::Panel, .Name = "PanelBoard", .Left = 8, .Top = 56, .Width = 416,
                 .Height = 344, .Color = clWhite, .Bevel = bvLowered});
    c.push_back({.Kind = TControlKind::Label, .Name = "LabelBoardName", .Parent = "PanelBoard", .Left = 8, .Top = 8,
                 .Width = 400, .Height = 22, .Caption = "Hollarne FPGA Board", .FontHeight = 16, .Bold = true});
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = "PanelBoard", .Left = kPhotoLeft,
                 .Top = kPhotoTop, .Width = HOLLARNE_PHOTO_WIDTH, .Height = HOLLARNE_PHOTO_HEIGHT,
                 .Picture = "HOLLARNE_PHOTO_BITMAP"});
    for (const THollarnePart& part : kHollarneParts) {
        c.push_back({.Kind = TControlKind::Shape, .Name = part.ShapeName, .Parent = "PanelBoard",
                     .Left = kPhotoLeft + part.Left - kOutlineMargin, .Top = kPhotoTop + part.Top - kOutlineMargin,
                     .Width = part.Width + 2 * kOutlineMargin, .Height = part.Height + 2 * kOutlineMargin,
                     .Visible = false, .PenColor = clYellow, .PenWidth = 3, .BrushStyle = bsClear});
    }
    // A dotted guide line under the photograph.
    c.push_back({.Kind = TControlKind::Shape, .Name = "ShapeLine", .Parent = "PanelBoard", .Left = 8, .Top = 338,
                 .Width = 400, .Height = 1, .PenColor = clGray, .PenWidth = 1, .PenStyle = psDot,
                 .BrushStyle = bsClear});

    c.push_back(Button("ButtonSave", 8, 412, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonSelAll", 218, 412, "Select All", "ButtonSelAllClick"));
    c.push_back(Button("ButtonLoad", 8, 454, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonGen", 218, 454, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonDefault", 8, 496, "Default Setting", "ButtonDefaultClick"));
    c.push_back(Button("ButtonExit", 218, 496, "Exit", "ButtonExitClick"));

    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxConfig", .Left = 436, .Top = 8, .Width = 354,
                 .Height = 522, .Caption = "System Configuration"});
    c.push_back(Label("LabelProjectName", 12, 28, 96, "Project Name:"));
    c.push_back({.Kind = TControlKind::Edit, .Name = "EditProjectName", .Parent = "GroupBoxConfig", .Left = 110,
                 .Top = 24, .Width = 232, .Height = 24});
    static const struct {
        const char* name;
        const char* caption;
    } kLeft[] = {{"CheckBoxOSC", "CLOCK"},         {"CheckBoxLED", "LED x 10"},  {"CheckBoxButton", "Button x 4"},
                 {"CheckBoxSwitch", "Switch x 10"}, {"CheckBoxVGA", "VGA"},       {"CheckBoxSDRAM", "SDRAM, 32MB"},
                 {"CheckBoxAudio", "Audio"},        {"CheckBoxVideoIn", "Video-In"}},
      kRight[] = {{"CheckBoxADC", "ADC"},          {"CheckBoxSeg7", "7-Segment x 6"},
                  {"CheckBoxIR", "IR TX/RX"},      {"CheckBoxPS2", "PS2"},
                  {"CheckBoxHPS", "HPS"},          {"CheckBoxUart", "UART"},
                  {"CheckBoxQspiFlash", "QSPI Flash"}, {"CheckBoxRiscJtag", "RISC-V JTAG"}};
    for (int row = 0; row < 8; ++row) {
        c.push_back(CheckBox(kLeft[row].name, 12, 62 + 26 * row, kLeft[row].caption));
        c.push_back(CheckBox(kRight[row].name, 184, 62 + 26 * row, kRight[row].caption));
    }
    AddHeaderControls(c, 0, 284);
    AddHeaderControls(c, 1, 400);
    return spec;
}

}  // namespace

TFormHollarne::TFormHollarne(TForm* owner) : TSocBoardFormOf<HOLLARNE_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("ButtonDefaultClick", Bind(&TFormHollarne::ButtonDefaultClick));
    handlers.emplace_back("ButtonSelAllClick", Bind(&TFormHollarne::ButtonSelAllClick));
    handlers.emplace_back("CheckBoxClick", Bind(&TFormHollarne::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormHollarne::ComboBoxGpioChange));
    LoadLayout(HollarneLayout(), handlers);

    ImageLogo = Find<TImage>("ImageLogo");
    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    PanelBoard = Find<TPanel>("PanelBoard");
    LabelBoardName = Find<TLabel>("LabelBoardName");
    ImageBoard = Find<TImage>("ImageBoard");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonSelAll = Find<TButton>("ButtonSelAll");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonDefault = Find<TButton>("ButtonDefault");
    ButtonExit = Find<TButton>("ButtonExit");
    EditProjectName = Find<TEdit>("EditProjectName");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxVGA = Find<TCheckBox>("CheckBoxVGA");
    CheckBoxSDRAM = Find<TCheckBox>("CheckBoxSDRAM");
    CheckBoxAudio = Find<TCheckBox>("CheckBoxAudio");
    CheckBoxVideoIn = Find<TCheckBox>("CheckBoxVideoIn");
    CheckBoxADC = Find<TCheckBox>("CheckBoxADC");
    CheckBoxSeg7 = Find<TCheckBox>("CheckBoxSeg7");
    CheckBoxIR = Find<TCheckBox>("CheckBoxIR");
    CheckBoxPS2 = Find<TCheckBox>("CheckBoxPS2");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    CheckBoxUart = Find<TCheckBox>("CheckBoxUart");
    CheckBoxQspiFlash = Find<TCheckBox>("CheckBoxQspiFlash");
    CheckBoxRiscJtag = Find<TCheckBox>("CheckBoxRiscJtag");
    ComboBoxGpio0 = Find<TComboBox>("ComboBoxGpio0");
    ComboBoxGpio1 = Find<TComboBox>("ComboBoxGpio1");
    EditPrefixGpio0 = Find<TEdit>("EditPrefixGpio0");
    EditPrefixGpio1 = Find<TEdit>("EditPrefixGpio1");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ImageGpio1 = Find<TImage>("ImageGpio1");
    ShapeGpio0 = Find<TShape>("ShapeGpio0");
    ShapeGpio1 = Find<TShape>("ShapeGpio1");
    m_Groups = {{{CheckBoxOSC, Find<TShape>("ShapeOSC")},
                 {CheckBoxLED, Find<TShape>("ShapeLED")},
                 {CheckBoxButton, Find<TShape>("ShapeButton")},
                 {CheckBoxSwitch, Find<TShape>("ShapeSwitch")},
                 {CheckBoxVGA, Find<TShape>("ShapeVGA")},
                 {CheckBoxSDRAM, Find<TShape>("ShapeSDRAM")},
                 {CheckBoxAudio, Find<TShape>("ShapeAudio")},
                 {CheckBoxVideoIn, Find<TShape>("ShapeVideoIn")},
                 {CheckBoxADC, Find<TShape>("ShapeADC")},
                 {CheckBoxSeg7, Find<TShape>("ShapeSeg7")},
                 {CheckBoxIR, Find<TShape>("ShapeIR")},
                 {CheckBoxPS2, Find<TShape>("ShapePS2")},
                 {CheckBoxHPS, Find<TShape>("ShapeHPS")},
                 {CheckBoxUart, Find<TShape>("ShapeUart")},
                 {CheckBoxQspiFlash, Find<TShape>("ShapeQspiFlash")},
                 {CheckBoxRiscJtag, Find<TShape>("ShapeRiscJtag")}}};

    // This build's edition: the board cannot be changed (unless the build
    // offers every board), and the main window carries the form's caption.
    if (!kOffersEveryBoard) ButtonMainBoardSelect->Hide();
    if (Owner()) Owner()->SetCaption(Caption());
    m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                  {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
    InitialiseSettings(EditProjectName);
    CoupleGpioHeaders(ComboBoxGpio0);
}

void TFormHollarne::SetDefaults(HOLLARNE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_HOLLARNE;
    config.Size = sizeof(HOLLARNE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "HOLLARNE");
    uint8_t* flags = GroupFlags(config);
    for (int i = 0; i < 12; ++i) flags[i] = 1;  // CLOCK .. PS2
    for (int i = 12; i < 16; ++i) flags[i] = 0;  // HPS, UART, QSPI Flash, RISC-V JTAG
}

void TFormHollarne::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO80, false, 5);
    FillCardCombo(ComboBoxGpio0, m_Config.m_CardCount, m_Config.m_CardIds);
    FillCardCombo(ComboBoxGpio1, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormHollarne::ConfigToForm(const HOLLARNE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    const uint8_t* flags = GroupFlags(config);
    for (size_t i = 0; i < m_Groups.size(); ++i) m_Groups[i].Box->SetChecked(flags[i] != 0);
    ShowGpioHeaders(m_Headers, config);
    CoupleShownGpioHeaders(m_Headers, m_Config.m_CardIds);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormHollarne::FormToConfig(HOLLARNE_CONFIG& config)
{
    config.BoardId = MAINBOARD_HOLLARNE;
    config.Size = sizeof(HOLLARNE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    uint8_t* flags = GroupFlags(config);
    for (size_t i = 0; i < m_Groups.size(); ++i) flags[i] = m_Groups[i].Box->Checked() ? 1 : 0;
    StoreGpioHeaders(m_Headers, config);
    return true;
}

void TFormHollarne::UpdateCardPictures() { UpdateGpioPictures(m_Headers, m_Config.m_CardIds); }

void TFormHollarne::UpdateShapes()
{
    for (const TGroupControls& group : m_Groups) group.Shape->SetVisible(group.Box->Checked());
    UpdateGpioShapes(m_Headers);
}

void TFormHollarne::CoupleGpioHeaders(TObject* sender)
{
    TBoardForm::CoupleGpioHeaders(m_Headers, sender, m_Config.m_CardIds);
}

bool TFormHollarne::IsDefaultGpioPair() { return TSocBoardForm::IsDefaultGpioPair(m_Headers, m_Config.m_CardIds); }

bool TFormHollarne::ValidateCards(bool generating, std::string& message)
{
    return CheckGpioHeaderPrefixes(MAINBOARD_HOLLARNE, m_Headers, m_Config.m_CardIds, message, generating);
}

bool TFormHollarne::Generate(const std::string& qpfPath)
{
    return GenerateFromControls(qpfPath, CONFIG_HOLLARNE, m_Headers);
}

void TFormHollarne::AfterGenerateSuccess()
{
    if (CheckBoxHPS->Checked()) ShowHpsWarning();
}

void TFormHollarne::ButtonDefaultClick(TObject*)
{
    SetDefaults(m_Config.m_Config);
    ConfigToForm(m_Config.m_Config);
}

void TFormHollarne::ButtonSelAllClick(TObject*)
{
    SetDefaults(m_Config.m_Config);
    uint8_t* flags = GroupFlags(m_Config.m_Config);
    for (int i = 12; i < 16; ++i) flags[i] = 1;
    ConfigToForm(m_Config.m_Config);
}

void TFormHollarne::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormHollarne::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
    UpdateShapes();
}

