#include "boards/soc/UI_Wyndholt.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_WYNDHOLT.h"
#include "boards/soc/WyndholtParts.h"

namespace {

TFormSpec WyndholtLayout()
{
    using namespace soclayout;
    TFormSpec spec{.Name = "TFORMWYNDHOLT", .Caption = "Wyndholt V1.0.1", .ClientWidth = 793, .ClientHeight = 536,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Wyndholt FPGA Board", .Photo = "WYNDHOLT_PHOTO_BITMAP",
                      .PhotoWidth = WYNDHOLT_PHOTO_WIDTH, .PhotoHeight = WYNDHOLT_PHOTO_HEIGHT,
                      .Parts = kWyndholtParts, .PartCount = std::size(kWyndholtParts), .PanelHeight = 356});
    c.push_back(Button("ButtonSave", 8, 420, 206, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonLoad", 218, 420, 206, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonGen", 8, 462, 206, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonExit", 218, 462, 206, "Exit", "ButtonExitClick"));

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
    AddGpioHeader(c, 210,
                  {.Title = "GPIO-0 Header", .TitleLabel = "Label1", .Combo = "ComboBoxGpio0",
                   .PrefixLabel = "Label4", .Prefix = "EditPrefixGpio0", .Picture = "ImageGpio0"},
                  nullptr, "ComboBoxGpioChange", "EditPrefixGpioChange");
    AddGpioHeader(c, 340,
                  {.Title = "GPIO-1 Header", .TitleLabel = "Label2", .Combo = "ComboBoxGpio1",
                   .PrefixLabel = "Label5", .Prefix = "EditPrefixGpio1", .Picture = "ImageGpio1"},
                  nullptr, "ComboBoxGpioChange", "EditPrefixGpioChange");
    return spec;
}

}  // namespace

TFormWyndholt::TFormWyndholt(TForm* owner) : TSocBoardFormOf<WYNDHOLT_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormWyndholt::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormWyndholt::ComboBoxGpioChange));
    handlers.emplace_back("EditPrefixGpioChange", Bind(&TFormWyndholt::EditPrefixGpioChange));
    LoadLayout(WyndholtLayout(), handlers);

    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    PanelBoard = Find<TPanel>("PanelBoard");
    LabelBoardName = Find<TLabel>("LabelBoardName");
    ImageBoard = Find<TImage>("ImageBoard");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    EditProjectName = Find<TEdit>("EditProjectName");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxVGA = Find<TCheckBox>("CheckBoxVGA");
    CheckBoxSDRAM = Find<TCheckBox>("CheckBoxSDRAM");
    CheckBoxSeg7 = Find<TCheckBox>("CheckBoxSeg7");
    CheckBoxPS2 = Find<TCheckBox>("CheckBoxPS2");
    CheckBoxSdCard = Find<TCheckBox>("CheckBoxSdCard");
    ComboBoxGpio0 = Find<TComboBox>("ComboBoxGpio0");
    ComboBoxGpio1 = Find<TComboBox>("ComboBoxGpio1");
    EditPrefixGpio0 = Find<TEdit>("EditPrefixGpio0");
    EditPrefixGpio1 = Find<TEdit>("EditPrefixGpio1");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ImageGpio1 = Find<TImage>("ImageGpio1");
    ShapeGpio0 = Find<TShape>("ShapeGpio0");
    ShapeGpio1 = Find<TShape>("ShapeGpio1");
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
    m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                  {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
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

void TFormWyndholt::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO80, false, 5);
    FillCardCombo(ComboBoxGpio0, m_Config.m_CardCount, m_Config.m_CardIds);
    FillCardCombo(ComboBoxGpio1, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormWyndholt::ConfigToForm(const WYNDHOLT_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    ShowGpioHeaders(m_Headers, config);
    CoupleGpioHeaders(ComboBoxGpio0);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormWyndholt::FormToConfig(WYNDHOLT_CONFIG& config)
{
    config.BoardId = MAINBOARD_WYNDHOLT;
    config.Size = sizeof(WYNDHOLT_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    StoreGpioHeaders(m_Headers, config);
    return true;
}

void TFormWyndholt::UpdateCardPictures() { UpdateGpioPictures(m_Headers, m_Config.m_CardIds); }

void TFormWyndholt::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    UpdateGpioShapes(m_Headers);
}

void TFormWyndholt::CoupleGpioHeaders(TObject* sender)
{
    TSocBoardForm::CoupleGpioHeaders(m_Headers, sender, m_Config.m_CardIds);
}

bool TFormWyndholt::ValidateCards(std::string& message)
{
    return CheckGpioHeaderPrefixes(m_Headers, m_Config.m_CardIds, message);
}

bool TFormWyndholt::Generate(const std::string& qpfPath)
{
    return GenerateFromControls(qpfPath, CONFIG_WYNDHOLT, m_Headers);
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

void TFormWyndholt::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormWyndholt::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
    UpdateShapes();
}

void TFormWyndholt::EditPrefixGpioChange(TObject* Sender) { MirrorCoupledPrefix(m_Headers, Sender); }
