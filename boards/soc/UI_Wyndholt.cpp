#include "boards/soc/UI_Wyndholt.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/CONFIG_WYNDHOLT.h"
#include "boards/soc/WyndholtParts.h"

namespace {

TFormSpec WyndholtLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMWYNDHOLT", .Caption = "Wyndholt V1.0.1", .ClientWidth = 793, .ClientHeight = 536,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Wyndholt FPGA Board", .Photo = "WYNDHOLT_PHOTO_BITMAP",
                      .PhotoWidth = WYNDHOLT_PHOTO_WIDTH, .PhotoHeight = WYNDHOLT_PHOTO_HEIGHT,
                      .Parts = kWyndholtParts, .PartCount = std::size(kWyndholtParts), .PanelHeight = 356});
    AddFormButtons(c, 420);

    AddConfigGroup(c, 432, 8, 353, 520);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxVGA", 12, 88, "VGA"));
    c.push_back(CheckBox("CheckBoxLED", 12, 114, "LED x 10"));
    c.push_back(CheckBox("CheckBoxSeg7", 12, 140, "7-Segment x 6"));
    c.push_back(CheckBox("CheckBoxButton", 12, 166, "Button x 4"));
    c.push_back(CheckBox("CheckBoxSwitch", 184, 62, "Switch x 10"));
    c.push_back(CheckBox("CheckBoxPS2", 184, 88, "PS2"));
    c.push_back(CheckBox("CheckBoxSDRAM", 184, 114, "SDRAM, 64MB"));
    c.push_back(CheckBox("CheckBoxSdCard", 184, 140, "microSD Card"));
    AddGpioHeader(c, 210, kGpioHeader0, nullptr, "ComboBoxGpioChange");
    AddGpioHeader(c, 340, kGpioHeader1, nullptr, "ComboBoxGpioChange");
    return spec;
}

}  // namespace

TFormWyndholt::TFormWyndholt(TForm* owner)
    : TSocTwoHeaderForm(owner, {MAINBOARD_WYNDHOLT, CONFIG_WYNDHOLT, CONNECTOR_GPIO80, 5})
{
    std::vector<THandlerEntry> handlers;
    AddGpioFormHandlers(handlers);
    LoadLayout(WyndholtLayout(), handlers);

    FindFrameControls();
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxVGA = Find<TCheckBox>("CheckBoxVGA");
    CheckBoxSDRAM = Find<TCheckBox>("CheckBoxSDRAM");
    CheckBoxSeg7 = Find<TCheckBox>("CheckBoxSeg7");
    CheckBoxPS2 = Find<TCheckBox>("CheckBoxPS2");
    CheckBoxSdCard = Find<TCheckBox>("CheckBoxSdCard");
    FindGpioHeaders();
    m_Groups = {
        {CheckBoxOSC, offsetof(WYNDHOLT_CONFIG, bClock), {Find<TShape>("ShapeOSC")}},
        {CheckBoxLED, offsetof(WYNDHOLT_CONFIG, bLed), {Find<TShape>("ShapeLED")}},
        {CheckBoxButton, offsetof(WYNDHOLT_CONFIG, bKey), {Find<TShape>("ShapeButton")}},
        {CheckBoxSwitch, offsetof(WYNDHOLT_CONFIG, bSw), {Find<TShape>("ShapeSwitch")}},
        {CheckBoxVGA, offsetof(WYNDHOLT_CONFIG, bVga), {Find<TShape>("ShapeVGA")}},
        {CheckBoxSDRAM, offsetof(WYNDHOLT_CONFIG, bSdram), {Find<TShape>("ShapeSDRAM")}},
        {CheckBoxSeg7, offsetof(WYNDHOLT_CONFIG, bSeg7), {Find<TShape>("ShapeSeg7")}},
        {CheckBoxPS2, offsetof(WYNDHOLT_CONFIG, bPs2), {Find<TShape>("ShapePS2")}},
        {CheckBoxSdCard, offsetof(WYNDHOLT_CONFIG, bSdCard), {Find<TShape>("ShapeSdCard")}},
    };
    InitialiseSettings(EditProjectName);
    CoupleGpioHeaders(ComboBoxGpio0);
}

void TFormWyndholt::SetDefaults(WYNDHOLT_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_WYNDHOLT;
    config.Size = sizeof(WYNDHOLT_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "WYNDHOLT");
    config.bClock = config.bLed = config.bKey = config.bSw = config.bVga = 1;
    config.bSdram = config.bSeg7 = config.bPs2 = config.bSdCard = 1;
}

const TBatchRule* TFormWyndholt::BatchRule() const
{
    static const TBatchRule kRule{.NamePattern = "WYNDHOLT_GPIO_%s", .Beep = true};
    return &kRule;
}

void TFormWyndholt::SaveBatchCards()
{
    for (size_t h = 0; h < 2; ++h) {
        m_BatchItems[h] = m_Headers[h].Combo->ItemIndex();
        m_BatchPrefixes[h] = m_Headers[h].Prefix->Text();
    }
}

void TFormWyndholt::RestoreBatchCards()
{
    for (size_t h = 0; h < 2; ++h) {
        m_Headers[h].Combo->SetItemIndex(m_BatchItems[h]);
        m_Headers[h].Prefix->SetText(m_BatchPrefixes[h]);
    }
}

// Both headers carry the card: the 80-pin card once over both without
// prefixes, any other card on each header with the header's prefix.
void TFormWyndholt::ShowBatchCard(int item)
{
    const bool spans = GetCardConnectorType(m_Config.m_CardIds[item]) == CONNECTOR_GPIO80;
    ComboBoxGpio0->SetItemIndex(item);
    ComboBoxGpio1->SetItemIndex(item);
    EditPrefixGpio0->SetText(spans ? "" : "GPIO_0_");
    EditPrefixGpio1->SetText(spans ? "" : "GPIO_1_");
}

