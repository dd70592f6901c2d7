#include "boards/soc/UI_Elmsary.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_ELMSARY.h"
#include "boards/soc/ElmsaryParts.h"

namespace {

TFormSpec ElmsaryLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMELMSARY", .Caption = "Elmsary V1.0.1", .ClientWidth = 789, .ClientHeight = 520,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    soclayout::AddLogos(c);
    c.push_back(MainBoardSelectButton(258, 12, 166));
    soclayout::AddBoardPanel(c, {.Height = 344, .Title = "Elmsary FPGA Board", .Photo = "ELMSARY_PHOTO_BITMAP",
                                 .PhotoTop = 48, .PhotoWidth = ELMSARY_PHOTO_WIDTH,
                                 .PhotoHeight = ELMSARY_PHOTO_HEIGHT, .Parts = kElmsaryParts,
                                 .PartCount = std::size(kElmsaryParts)});
    AddFormButtons(c, 412);

    AddConfigGroup(c, 432, 1, 353, 504);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxButton", 12, 88, "Button x 2"));
    c.push_back(CheckBox("CheckBoxADC", 12, 114, "ADC 2x5 Header"));
    c.push_back(CheckBox("CheckBoxHdmiTx", 12, 140, "HDMI TX"));
    c.push_back(CheckBox("CheckBoxLED", 184, 62, "LED x 8"));
    c.push_back(CheckBox("CheckBoxSwitch", 184, 88, "Switch x 4"));
    c.push_back(CheckBox("CheckBoxArduino", 184, 114, "Arduino Header"));
    c.push_back(CheckBox("CheckBoxHPS", 184, 140, "HPS"));
    AddGpioHeader(c, 190, kGpioHeader0, "ComboBoxGpioChange");
    AddGpioHeader(c, 320, kGpioHeader1, "ComboBoxGpioChange");
    return spec;
}

}  // namespace

TFormElmsary::TFormElmsary(TForm* owner)
    : TSocTwoHeaderForm(owner, {MAINBOARD_ELMSARY, CONFIG_ELMSARY, CONNECTOR_GPIO40, 3})
{
    std::vector<THandlerEntry> handlers;
    AddGpioFormHandlers(handlers);
    LoadLayout(ElmsaryLayout(), handlers);

    FindFrameControls();
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxADC = Find<TCheckBox>("CheckBoxADC");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    CheckBoxArduino = Find<TCheckBox>("CheckBoxArduino");
    CheckBoxHdmiTx = Find<TCheckBox>("CheckBoxHdmiTx");
    FindGpioHeaders();
    m_Groups = {
        {CheckBoxOSC, offsetof(ELMSARY_CONFIG, bClock), {Find<TShape>("ShapeOSC")}},
        {CheckBoxLED, offsetof(ELMSARY_CONFIG, bLed), {Find<TShape>("ShapeLED")}},
        {CheckBoxButton, offsetof(ELMSARY_CONFIG, bKey), {Find<TShape>("ShapeButton")}},
        {CheckBoxSwitch, offsetof(ELMSARY_CONFIG, bSw), {Find<TShape>("ShapeSwitch")}},
        {CheckBoxADC, offsetof(ELMSARY_CONFIG, bAdc), {Find<TShape>("ShapeADC")}},
        {CheckBoxHPS, offsetof(ELMSARY_CONFIG, bHps), {Find<TShape>("ShapeHPS")}},
        {CheckBoxArduino, offsetof(ELMSARY_CONFIG, bArduino),
         {Find<TShape>("ShapeArduino_0"), Find<TShape>("ShapeArduino_1"), Find<TShape>("ShapeArduino_2")}},
        {CheckBoxHdmiTx, offsetof(ELMSARY_CONFIG, bHdmi), {Find<TShape>("ShapeHDMI")}},
    };
    m_HpsBox = CheckBoxHPS;
    InitialiseSettings(EditProjectName);
    CoupleGpioHeaders(ComboBoxGpio0);
}

void TFormElmsary::SetDefaults(ELMSARY_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_ELMSARY;
    config.Size = sizeof(ELMSARY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "ELMSARY");
    config.bClock = config.bLed = config.bKey = config.bSw = config.bAdc = config.bArduino = config.bHdmi = 1;
    config.bHps = 0;
}

