#include "boards/soc/UI_Dorvalin.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_DORVALIN.h"
#include "boards/soc/DorvalinParts.h"

namespace {

// The form draws its text 16 pixels high; its captions beside edits need
// this much room.
constexpr int kLabelWidth = 104;

TFormSpec DorvalinLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMDORVALIN", .Caption = "Dorvalin V1.0.1", .ClientWidth = 789, .ClientHeight = 520,
                   .BorderStyle = bsNone, .FontHeight = 16, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    soclayout::AddLogos(c, "ImageFpgaLogo", "FPGA_LOGO_BITMAP");
    soclayout::AddBoardPanel(c, {.Name = "Panel1", .Top = 64, .Width = 417, .Height = 345, .Title = "Dorvalin FPGA Board",
                                 .Photo = "DORVALIN_PHOTO_BITMAP", .PhotoTop = 48, .PhotoWidth = DORVALIN_PHOTO_WIDTH,
                                 .PhotoHeight = DORVALIN_PHOTO_HEIGHT, .Parts = kDorvalinParts,
                                 .PartCount = std::size(kDorvalinParts)});
    soclayout::AddButtonRow(c, 417, {soclayout::kSave, soclayout::kLoad, soclayout::kGenerate});
    soclayout::AddButtonRow(c, 455, {soclayout::kMainBoardSelect, soclayout::kExit});

    soclayout::AddConfigGroup(c, 432, 1, 353, 504, kLabelWidth);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxButton", 12, 88, "Button x 2"));
    c.push_back(CheckBox("CheckBoxADC", 12, 114, "ADC 2x5 Header"));
    c.push_back(CheckBox("CheckBoxHPS", 12, 140, "HPS"));
    c.push_back(CheckBox("CheckBoxLED", 184, 62, "LED x 8"));
    c.push_back(CheckBox("CheckBoxSwitch", 184, 88, "Switch x 4"));
    c.push_back(CheckBox("CheckBoxArduino", 184, 114, "Arduino Header"));
    soclayout::AddGpioHeader(c, 190, kGpioHeader0, nullptr, "ComboBoxGpioChange", kLabelWidth);
    soclayout::AddGpioHeader(c, 320, kGpioHeader1, nullptr, "ComboBoxGpioChange", kLabelWidth);
    return spec;
}

}  // namespace

TFormDorvalin::TFormDorvalin(TForm* owner)
    : TSocTwoHeaderForm(owner, {MAINBOARD_DORVALIN, CONFIG_DORVALIN, CONNECTOR_GPIO40, 3})
{
    std::vector<THandlerEntry> handlers;
    AddGpioFormHandlers(handlers);
    LoadLayout(DorvalinLayout(), handlers);

    FindFrameControls("Panel1");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxADC = Find<TCheckBox>("CheckBoxADC");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    CheckBoxArduino = Find<TCheckBox>("CheckBoxArduino");
    FindGpioHeaders();
    m_Groups = {
        {CheckBoxOSC, offsetof(DORVALIN_CONFIG, bClock), {Find<TShape>("ShapeOSC")}},
        {CheckBoxLED, offsetof(DORVALIN_CONFIG, bLed), {Find<TShape>("ShapeLED")}},
        {CheckBoxButton, offsetof(DORVALIN_CONFIG, bKey), {Find<TShape>("ShapeButton")}},
        {CheckBoxSwitch, offsetof(DORVALIN_CONFIG, bSw), {Find<TShape>("ShapeSwitch")}},
        {CheckBoxADC, offsetof(DORVALIN_CONFIG, bAdc), {Find<TShape>("ShapeADC")}},
        {CheckBoxHPS, offsetof(DORVALIN_CONFIG, bHps), {Find<TShape>("ShapeHPS")}},
        {CheckBoxArduino, offsetof(DORVALIN_CONFIG, bArduino),
         {Find<TShape>("ShapeArduino_0"), Find<TShape>("ShapeArduino_1")}},
    };
    m_HpsBox = CheckBoxHPS;
    InitialiseSettings(EditProjectName);
    CoupleGpioHeaders(ComboBoxGpio0);
}

void TFormDorvalin::SetDefaults(DORVALIN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_DORVALIN;
    config.Size = sizeof(DORVALIN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "DORVALIN");
    config.bClock = config.bLed = config.bKey = config.bSw = config.bAdc = config.bArduino = 1;
    config.bHps = 0;
}

