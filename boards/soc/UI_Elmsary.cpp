#include "boards/soc/UI_Elmsary.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_ELMSARY.h"
#include "boards/soc/ElmsaryParts.h"

namespace {

TFormSpec ElmsaryLayout()
{
    using namespace soclayout;
    TFormSpec spec{.Name = "TFORMELMSARY", .Caption = "Elmsary V1.0.1", .ClientWidth = 789, .ClientHeight = 520,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Elmsary FPGA Board", .Photo = "ELMSARY_PHOTO_BITMAP",
                      .PhotoWidth = ELMSARY_PHOTO_WIDTH, .PhotoHeight = ELMSARY_PHOTO_HEIGHT,
                      .Parts = kElmsaryParts, .PartCount = std::size(kElmsaryParts), .PanelHeight = 344});
    c.push_back(Button("ButtonSave", 8, 412, 206, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonLoad", 218, 412, 206, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonGen", 8, 454, 206, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonExit", 218, 454, 206, "Exit", "ButtonExitClick"));

    AddConfigGroup(c, 432, 1, 353, 504);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxButton", 12, 88, "Button x 2"));
    c.push_back(CheckBox("CheckBoxADC", 12, 114, "ADC 2x5 Header"));
    c.push_back(CheckBox("CheckBoxHdmiTx", 12, 140, "HDMI TX"));
    c.push_back(CheckBox("CheckBoxLED", 184, 62, "LED x 8"));
    c.push_back(CheckBox("CheckBoxSwitch", 184, 88, "Switch x 4"));
    c.push_back(CheckBox("CheckBoxArduino", 184, 114, "Arduino Header"));
    c.push_back(CheckBox("CheckBoxHPS", 184, 140, "HPS"));
    AddGpioHeader(c, 190,
                  {.Title = "GPIO-0 Header", .TitleLabel = "Label1", .Combo = "ComboBoxGpio0",
                   .PrefixLabel = "Label4", .Prefix = "EditPrefixGpio0", .Picture = "ImageGpio0"},
                  "ComboBoxGpioChange");
    AddGpioHeader(c, 320,
                  {.Title = "GPIO-1 Header", .TitleLabel = "Label2", .Combo = "ComboBoxGpio1",
                   .PrefixLabel = "Label5", .Prefix = "EditPrefixGpio1", .Picture = "ImageGpio1"},
                  "ComboBoxGpioChange");
    return spec;
}

}  // namespace

TFormElmsary::TFormElmsary(TForm* owner) : TSocBoardFormOf<ELMSARY_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormElmsary::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormElmsary::ComboBoxGpioChange));
    LoadLayout(ElmsaryLayout(), handlers);

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
    CheckBoxADC = Find<TCheckBox>("CheckBoxADC");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    CheckBoxArduino = Find<TCheckBox>("CheckBoxArduino");
    CheckBoxHdmiTx = Find<TCheckBox>("CheckBoxHdmiTx");
    ComboBoxGpio0 = Find<TComboBox>("ComboBoxGpio0");
    ComboBoxGpio1 = Find<TComboBox>("ComboBoxGpio1");
    EditPrefixGpio0 = Find<TEdit>("EditPrefixGpio0");
    EditPrefixGpio1 = Find<TEdit>("EditPrefixGpio1");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ImageGpio1 = Find<TImage>("ImageGpio1");
    ShapeGpio0 = Find<TShape>("ShapeGpio0");
    ShapeGpio1 = Find<TShape>("ShapeGpio1");
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
    m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                  {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
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

void TFormElmsary::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio0, m_Config.m_CardCount, m_Config.m_CardIds);
    FillCardCombo(ComboBoxGpio1, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormElmsary::ConfigToForm(const ELMSARY_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    ShowGpioHeaders(m_Headers, config);
    CoupleGpioHeaders(ComboBoxGpio0);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormElmsary::FormToConfig(ELMSARY_CONFIG& config)
{
    config.BoardId = MAINBOARD_ELMSARY;
    config.Size = sizeof(ELMSARY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    StoreGpioHeaders(m_Headers, config);
    return true;
}

void TFormElmsary::UpdateCardPictures() { UpdateGpioPictures(m_Headers, m_Config.m_CardIds); }

void TFormElmsary::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    UpdateGpioShapes(m_Headers);
}

void TFormElmsary::CoupleGpioHeaders(TObject* sender)
{
    TSocBoardForm::CoupleGpioHeaders(m_Headers, sender, m_Config.m_CardIds);
}

bool TFormElmsary::ValidateCards(std::string& message)
{
    return CheckGpioHeaderPrefixes(m_Headers, m_Config.m_CardIds, message);
}

bool TFormElmsary::Generate(const std::string& qpfPath)
{
    return GenerateFromControls(qpfPath, CONFIG_ELMSARY, m_Headers);
}

void TFormElmsary::AfterGenerateSuccess()
{
    if (CheckBoxHPS->Checked()) ShowHpsWarning();
}

void TFormElmsary::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormElmsary::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
    UpdateShapes();
}
