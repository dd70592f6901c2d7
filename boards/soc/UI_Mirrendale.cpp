#include "boards/soc/UI_Mirrendale.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_MIRRENDALE.h"
#include "boards/soc/MirrendaleParts.h"

namespace {

// The hard processor's parts of the photograph are marked in aqua.
bool IsHpsShape(const std::string& name) { return name == "ShapeHPS" || name.rfind("ShapeHps", 0) == 0; }

// The form draws its text 16 pixels high; its captions beside edits need
// this much room.
constexpr int kLabelWidth = 104;

TFormSpec MirrendaleLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMMIRRENDALE", .Caption = "Mirrendale V1.0.0", .ClientWidth = 794,
                   .ClientHeight = 515, .BorderStyle = bsNone, .FontHeight = 16, .OnClose = "FormClose",
                   .Controls = {}};
    auto& c = spec.Controls;
    soclayout::AddLogos(c, "ImageFpgaLogo", "FPGA_LOGO_BITMAP");
    soclayout::AddBoardPanel(c, {.Name = "Panel1", .Top = 64, .Width = 417, .Height = 345, .Title = "Mirrendale FPGA Board",
                                 .TitleFontHeight = 24, .Photo = "MIRRENDALE_PHOTO_BITMAP", .PhotoTop = 40,
                                 .PhotoWidth = MIRRENDALE_PHOTO_WIDTH, .PhotoHeight = MIRRENDALE_PHOTO_HEIGHT,
                                 .Parts = kMirrendaleParts, .PartCount = std::size(kMirrendaleParts)});
    for (TControlSpec& control : c)
        if (control.Kind == TControlKind::Shape && IsHpsShape(control.Name)) control.PenColor = clAqua;
    soclayout::AddButtonRow(c, 417, {soclayout::kSave, soclayout::kLoad, soclayout::kGenerate});
    soclayout::AddButtonRow(c, 455, {soclayout::kMainBoardSelect, soclayout::kExit});

    soclayout::AddConfigGroup(c, 432, 9, 353, 496, kLabelWidth);
    static const char* const kLeft[][2] = {{"CheckBoxOSC", "CLOCK"},   {"CheckBoxLED", "LED x 10"},
                                           {"CheckBoxButton", "Button x 4"}, {"CheckBoxVGA", "VGA"},
                                           {"CheckBoxHdmi", "HDMI TX"}, {"CheckBoxAudio", "Audio"},
                                           {"CheckBoxDDR3", "DDR3, 1GB"}};
    static const char* const kRight[][2] = {{"CheckBoxSeg7", "7-Segment x 6"}, {"CheckBoxSwitch", "Switch x 10"},
                                            {"CheckBoxIR", "IR TX/RX"},        {"CheckBoxVideoIn", "Video-In"},
                                            {"CheckBoxADC", "ADC"},            {"CheckBoxPS2", "PS2"},
                                            {"CheckBoxHPS", "HPS"}};
    for (int row = 0; row < 7; ++row) {
        c.push_back(CheckBox(kLeft[row][0], 12, 62 + 26 * row, kLeft[row][1]));
        c.push_back(CheckBox(kRight[row][0], 184, 62 + 26 * row, kRight[row][1]));
    }
    soclayout::AddGpioHeader(c, 262,
                             {.Title = "GPIO Header", .TitleLabel = "Label1", .Combo = "ComboBoxGpio",
                              .PrefixLabel = "Label4", .Prefix = "EditPrefixGpio", .Picture = "ImageGpio0"},
                             "ComboBoxGpioChange", nullptr, kLabelWidth);
    return spec;
}

}  // namespace

TFormMirrendale::TFormMirrendale(TForm* owner)
    : TSocGpioBoardForm(owner, {MAINBOARD_MIRRENDALE, CONFIG_MIRRENDALE, CONNECTOR_GPIO40, 3})
{
    std::vector<THandlerEntry> handlers;
    AddGpioFormHandlers(handlers);
    LoadLayout(MirrendaleLayout(), handlers);

    FindFrameControls("Panel1");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxVGA = Find<TCheckBox>("CheckBoxVGA");
    CheckBoxHdmi = Find<TCheckBox>("CheckBoxHdmi");
    CheckBoxDDR3 = Find<TCheckBox>("CheckBoxDDR3");
    CheckBoxAudio = Find<TCheckBox>("CheckBoxAudio");
    CheckBoxVideoIn = Find<TCheckBox>("CheckBoxVideoIn");
    CheckBoxADC = Find<TCheckBox>("CheckBoxADC");
    CheckBoxSeg7 = Find<TCheckBox>("CheckBoxSeg7");
    CheckBoxIR = Find<TCheckBox>("CheckBoxIR");
    CheckBoxPS2 = Find<TCheckBox>("CheckBoxPS2");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditPrefixGpio = Find<TEdit>("EditPrefixGpio");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ShapeGpio = Find<TShape>("ShapeGpio");
    const auto shape = [this](const char* name) { return Find<TShape>(name); };
    m_Groups = {
        {CheckBoxOSC, offsetof(MIRRENDALE_CONFIG, bClock), {shape("ShapeOSC")}},
        {CheckBoxLED, offsetof(MIRRENDALE_CONFIG, bLed), {shape("ShapeLED")}},
        {CheckBoxButton, offsetof(MIRRENDALE_CONFIG, bKey), {shape("ShapeButton")}},
        {CheckBoxSwitch, offsetof(MIRRENDALE_CONFIG, bSw), {shape("ShapeSwitch")}},
        {CheckBoxVGA, offsetof(MIRRENDALE_CONFIG, bVga), {shape("ShapeVGA")}},
        {CheckBoxHdmi, offsetof(MIRRENDALE_CONFIG, bHdmi), {shape("ShapeHdmi")}},
        {CheckBoxDDR3, offsetof(MIRRENDALE_CONFIG, bDdr3), {shape("ShapeDDR3")}},
        {CheckBoxAudio, offsetof(MIRRENDALE_CONFIG, bAudio), {shape("ShapeAudio")}},
        {CheckBoxVideoIn, offsetof(MIRRENDALE_CONFIG, bVideoIn), {shape("ShapeVideoIn")}},
        {CheckBoxADC, offsetof(MIRRENDALE_CONFIG, bAdc), {shape("ShapeADC")}},
        {CheckBoxSeg7, offsetof(MIRRENDALE_CONFIG, bSeg7), {shape("ShapeSeg7")}},
        {CheckBoxIR, offsetof(MIRRENDALE_CONFIG, bIr), {shape("ShapeIR")}},
        {CheckBoxPS2, offsetof(MIRRENDALE_CONFIG, bPs2), {shape("ShapePS2")}},
        {CheckBoxHPS, offsetof(MIRRENDALE_CONFIG, bHps),
         {shape("ShapeHPS"), shape("ShapeHpsDDR3"), shape("ShapeHpsLTC"), shape("ShapeHpsUsb"),
          shape("ShapeHpsSdcard"), shape("ShapeHpsEthernet"), shape("ShapeHpsLCD"), shape("ShapeHpsLedButton"),
          shape("ShapeHpsUart")}},
    };
    m_Headers = {{{ComboBoxGpio, EditPrefixGpio, ImageGpio0, ShapeGpio}}};
    m_HpsBox = CheckBoxHPS;
    InitialiseSettings(EditProjectName);
}

void TFormMirrendale::SetDefaults(MIRRENDALE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_MIRRENDALE;
    config.Size = sizeof(MIRRENDALE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "MIRRENDALE");
    config.bClock = config.bLed = config.bKey = config.bSw = config.bVga = config.bHdmi = config.bDdr3 = 1;
    config.bAudio = config.bVideoIn = config.bAdc = config.bSeg7 = config.bIr = config.bPs2 = 1;
    config.bHps = 0;
}

const TBatchRule* TFormMirrendale::BatchRule() const
{
    static const TBatchRule kRule{.NamePattern = "MIRRENDALE_GPIO_%s", .Beep = true};
    return &kRule;
}

// The batch walks the header's combo; the prefix edit stays as the user left it.
void TFormMirrendale::SaveBatchCards() { m_BatchItem = ComboBoxGpio->ItemIndex(); }
void TFormMirrendale::RestoreBatchCards() { ComboBoxGpio->SetItemIndex(m_BatchItem); }
void TFormMirrendale::ShowBatchCard(int item) { ComboBoxGpio->SetItemIndex(item); }

