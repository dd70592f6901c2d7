#include "boards/soc/UI_Vantremere.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_VANTREMERE.h"
#include "boards/soc/VantremereParts.h"
#include "generate/Pinloom.h"
#include "model/Text.h"

namespace {

using BOARD_CONFIG = TConfigVantremere::BOARD_CONFIG;

TFormSpec VantremereLayout()
{
    using namespace soclayout;
    TFormSpec spec{.Name = "TFORMVANTREMERE", .Caption = "Vantremere V1.0.1", .ClientWidth = 793,
                   .ClientHeight = 497, .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Vantremere FPGA Board", .Photo = "VANTREMERE_PHOTO_BITMAP",
                      .PhotoWidth = VANTREMERE_PHOTO_WIDTH, .PhotoHeight = VANTREMERE_PHOTO_HEIGHT,
                      .Parts = kVantremereParts, .PartCount = std::size(kVantremereParts), .PanelHeight = 344});
    // A dotted guide line under the photograph.
    c.push_back({.Kind = TControlKind::Shape, .Name = "ShapeLine", .Parent = "PanelBoard", .Left = 8, .Top = 338,
                 .Width = 400, .Height = 1, .PenColor = clGray, .PenWidth = 1, .PenStyle = psDot,
                 .BrushStyle = bsClear});
    c.push_back(Button("ButtonSave", 8, 412, 206, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonLoad", 218, 412, 206, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonGen", 8, 454, 206, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonExit", 218, 454, 206, "Exit", "ButtonExitClick"));

    AddConfigGroup(c, 436, 8, 349, 481);
    c.push_back(CheckBox("CheckBoxOSC", 12, 62, "CLOCK"));
    c.push_back(CheckBox("CheckBoxLED", 12, 88, "LED x 10"));
    c.push_back(CheckBox("CheckBoxButton", 12, 114, "Button x 2"));
    c.push_back(CheckBox("CheckBoxSwitch", 12, 140, "Switch x 10"));
    c.push_back(CheckBox("CheckBoxAccelerometer", 12, 166, "Accelerometer"));
    c.push_back(CheckBox("CheckBoxSDRAM", 184, 62, "SDRAM, 64MB"));
    c.push_back(CheckBox("CheckBoxVGA", 184, 88, "VGA"));
    c.push_back(CheckBox("CheckBoxSeg7", 184, 114, "7-Segment x 6"));
    c.push_back(CheckBox("CheckBoxArduino", 184, 140, "Arduino Header"));
    c.push_back(Label("LabelGpio", 12, 206, 220, "2x20 GPIO Header", true));
    c.push_back(ComboBox("ComboBoxGpio", 12, 230, 236, "ComboBoxGpioChange"));
    c.push_back(Label("LabelPrefixGpio", 12, 266, 84, "Prefix Name:"));
    c.push_back(Edit("EditPrefixGpio", 100, 262, 148, TSocBoardForm::kMaxNameLength));
    c.push_back(CardImage("ImageGpio", 262, 212));
    return spec;
}

}  // namespace

TFormVantremere::TFormVantremere(TForm* owner) : TSocBoardFormHolding(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormVantremere::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormVantremere::ComboBoxGpioChange));
    LoadLayout(VantremereLayout(), handlers);

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
    CheckBoxAccelerometer = Find<TCheckBox>("CheckBoxAccelerometer");
    CheckBoxSDRAM = Find<TCheckBox>("CheckBoxSDRAM");
    CheckBoxVGA = Find<TCheckBox>("CheckBoxVGA");
    CheckBoxSeg7 = Find<TCheckBox>("CheckBoxSeg7");
    CheckBoxArduino = Find<TCheckBox>("CheckBoxArduino");
    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditPrefixGpio = Find<TEdit>("EditPrefixGpio");
    ImageGpio = Find<TImage>("ImageGpio");
    ShapeGpio = Find<TShape>("ShapeGpio");
    m_Groups = {
        {CheckBoxOSC, offsetof(BOARD_CONFIG, bClock), {Find<TShape>("ShapeOSC")}},
        {CheckBoxLED, offsetof(BOARD_CONFIG, bLed), {Find<TShape>("ShapeLED")}},
        {CheckBoxButton, offsetof(BOARD_CONFIG, bKey), {Find<TShape>("ShapeButton")}},
        {CheckBoxSwitch, offsetof(BOARD_CONFIG, bSw), {Find<TShape>("ShapeSwitch")}},
        {CheckBoxAccelerometer, offsetof(BOARD_CONFIG, bAccelerometer), {Find<TShape>("ShapeAccelerometer")}},
        {CheckBoxSDRAM, offsetof(BOARD_CONFIG, bSdram), {Find<TShape>("ShapeSDRAM")}},
        {CheckBoxVGA, offsetof(BOARD_CONFIG, bVga), {Find<TShape>("ShapeVGA")}},
        {CheckBoxSeg7, offsetof(BOARD_CONFIG, bSeg7), {Find<TShape>("ShapeSeg7")}},
        {CheckBoxArduino, offsetof(BOARD_CONFIG, bArduino),
         {Find<TShape>("ShapeArduino_0"), Find<TShape>("ShapeArduino_1")}},
    };
    InitialiseSettings(EditProjectName);
}

void TFormVantremere::SetDefaults(BOARD_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.Size = sizeof(BOARD_CONFIG);
    config.BoardId = MAINBOARD_VANTREMERE;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "VANTREMERE");
    config.bClock = config.bLed = config.bKey = config.bSw = 1;
    config.bAccelerometer = config.bSdram = config.bVga = config.bSeg7 = config.bArduino = 1;
}

void TFormVantremere::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormVantremere::ConfigToForm(const BOARD_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    SelectCard(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds, config.nGpioDaughterId);
    EditPrefixGpio->SetText(ComboBoxGpio->ItemIndex() != 0
                                ? ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName)
                                : std::string());
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormVantremere::FormToConfig(BOARD_CONFIG& config)
{
    config.BoardId = MAINBOARD_VANTREMERE;
    config.Size = sizeof(BOARD_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    config.nGpioDaughterId = SelectedCard(ComboBoxGpio, m_Config.m_CardIds);
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditPrefixGpio->Text());
    return true;
}

void TFormVantremere::UpdateCardPictures()
{
    ShowCardPicture(ImageGpio, SelectedCard(ComboBoxGpio, m_Config.m_CardIds));
}

void TFormVantremere::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    ShapeGpio->SetVisible(ComboBoxGpio->ItemIndex() != 0);
}

bool TFormVantremere::ValidateCards(std::string& message)
{
    const DaughterId cards[1] = {SelectedCard(ComboBoxGpio, m_Config.m_CardIds)};
    const std::string prefixes[1] = {EditPrefixGpio->Text()};
    return CheckGpioPrefixNames(1, cards, prefixes, message);
}

bool TFormVantremere::Generate(const std::string& qpfPath)
{
    BOARD_CONFIG& config = m_Config.m_Config;
    FormToConfig(config);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_VANTREMERE(board.get(), &m_Config);
    if (config.nGpioDaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        // The card is loaded at 2.5 V; the master's placeholders keep 3.3-V LVTTL.
        board->AttachGpioCard(16, config.nGpioDaughterId, 6, nullptr, prefix.c_str());
    }
    auto pinloom = std::make_unique<TPinloom>();
    const bool result = pinloom->Generate(board.get(), qpfPath, false);
    pinloom.reset();
    board.reset();
    return result;
}

void TFormVantremere::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormVantremere::ComboBoxGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
