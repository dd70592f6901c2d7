#include "boards/soc/UI_Dorvalin.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_DORVALIN.h"
#include "boards/soc/DorvalinParts.h"

namespace {

TFormSpec DorvalinLayout()
{
    using namespace soclayout;
    TFormSpec spec{.Name = "TFORMDORVALIN", .Caption = "Dorvalin V1.0.1", .ClientWidth = 789, .ClientHeight = 520,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Dorvalin FPGA Board", .Photo = "DORVALIN_PHOTO_BITMAP",
                      .PhotoWidth = DORVALIN_PHOTO_WIDTH, .PhotoHeight = DORVALIN_PHOTO_HEIGHT,
                      .Parts = kDorvalinParts, .PartCount = std::size(kDorvalinParts), .PanelHeight = 344});
    c.push_back(Button("ButtonSave", 8, 412, 206, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonLoad", 218, 412, 206, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonGen", 8, 454, 206, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonExit", 218, 454, 206, "Exit", "ButtonExitClick"));

    AddConfigGroup(c, 432, 1, 353, 504);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxButton", 12, 88, "Button x 2"));
    c.push_back(CheckBox("CheckBoxADC", 12, 114, "ADC 2x5 Header"));
    c.push_back(CheckBox("CheckBoxHPS", 12, 140, "HPS"));
    c.push_back(CheckBox("CheckBoxLED", 184, 62, "LED x 8"));
    c.push_back(CheckBox("CheckBoxSwitch", 184, 88, "Switch x 4"));
    c.push_back(CheckBox("CheckBoxArduino", 184, 114, "Arduino Header"));
    AddGpioHeader(c, 190,
                  {.Title = "GPIO-0 Header", .TitleLabel = "Label1", .Combo = "ComboBoxGpio0",
                   .PrefixLabel = "Label4", .Prefix = "EditPrefixGpio0", .Picture = "ImageGpio0"},
                  nullptr, "ComboBoxGpioChange");
    AddGpioHeader(c, 320,
                  {.Title = "GPIO-1 Header", .TitleLabel = "Label2", .Combo = "ComboBoxGpio1",
                   .PrefixLabel = "Label5", .Prefix = "EditPrefixGpio1", .Picture = "ImageGpio1"},
                  nullptr, "ComboBoxGpioChange");
    return spec;
}

}  // namespace

TFormDorvalin::TFormDorvalin(TForm* owner) : TSocBoardFormOf<DORVALIN_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormDorvalin::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormDorvalin::ComboBoxGpioChange));
    LoadLayout(DorvalinLayout(), handlers);

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
    ComboBoxGpio0 = Find<TComboBox>("ComboBoxGpio0");
    ComboBoxGpio1 = Find<TComboBox>("ComboBoxGpio1");
    EditPrefixGpio0 = Find<TEdit>("EditPrefixGpio0");
    EditPrefixGpio1 = Find<TEdit>("EditPrefixGpio1");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ImageGpio1 = Find<TImage>("ImageGpio1");
    ShapeGpio0 = Find<TShape>("ShapeGpio0");
    ShapeGpio1 = Find<TShape>("ShapeGpio1");
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
    m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                  {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
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

void TFormDorvalin::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio0, m_Config.m_CardCount, m_Config.m_CardIds);
    FillCardCombo(ComboBoxGpio1, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormDorvalin::ConfigToForm(const DORVALIN_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    ShowGpioHeaders(m_Headers, config);
    CoupleGpioHeaders(ComboBoxGpio0);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormDorvalin::FormToConfig(DORVALIN_CONFIG& config)
{
    config.BoardId = MAINBOARD_DORVALIN;
    config.Size = sizeof(DORVALIN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    StoreGpioHeaders(m_Headers, config);
    return true;
}

void TFormDorvalin::UpdateCardPictures() { UpdateGpioPictures(m_Headers, m_Config.m_CardIds); }

void TFormDorvalin::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    UpdateGpioShapes(m_Headers);
}

void TFormDorvalin::CoupleGpioHeaders(TObject* sender)
{
    TSocBoardForm::CoupleGpioHeaders(m_Headers, sender, m_Config.m_CardIds);
}

bool TFormDorvalin::ValidateCards(std::string& message)
{
    return CheckGpioHeaderPrefixes(m_Headers, m_Config.m_CardIds, message);
}

bool TFormDorvalin::Generate(const std::string& qpfPath)
{
    return GenerateFromControls(qpfPath, CONFIG_DORVALIN, m_Headers);
}

void TFormDorvalin::AfterGenerateSuccess()
{
    if (CheckBoxHPS->Checked()) ShowHpsWarning();
}

void TFormDorvalin::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormDorvalin::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
    UpdateShapes();
}
