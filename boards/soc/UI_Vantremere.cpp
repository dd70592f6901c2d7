#include "boards/soc/UI_Vantremere.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_VANTREMERE.h"
#include "boards/soc/VantremereParts.h"
#include "model/Text.h"

namespace {

using BOARD_CONFIG = TConfigVantremere::BOARD_CONFIG;

const formlayout::TGroupCheckBox kGroupBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(BOARD_CONFIG, bClock), "ShapeOSC"},
    {"CheckBoxLED", "LED x 10", offsetof(BOARD_CONFIG, bLed), "ShapeLED"},
    {"CheckBoxButton", "Button x 2", offsetof(BOARD_CONFIG, bKey), "ShapeButton"},
    {"CheckBoxSwitch", "Switch x 10", offsetof(BOARD_CONFIG, bSw), "ShapeSwitch"},
    {"CheckBoxAccelerometer", "Accelerometer", offsetof(BOARD_CONFIG, bAccelerometer), "ShapeAccelerometer"},
    {"CheckBoxSDRAM", "SDRAM, 64MB", offsetof(BOARD_CONFIG, bSdram), "ShapeSDRAM"},
    {"CheckBoxVGA", "VGA", offsetof(BOARD_CONFIG, bVga), "ShapeVGA"},
    {"CheckBoxSeg7", "7-Segment x 6", offsetof(BOARD_CONFIG, bSeg7), "ShapeSeg7"},
    {"CheckBoxArduino", "Arduino Header", offsetof(BOARD_CONFIG, bArduino), "ShapeArduino_0", "ShapeArduino_1"},
};

TFormSpec VantremereLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMVANTREMERE", .Caption = "Vantremere V1.0.1", .ClientWidth = 793,
                   .ClientHeight = 497, .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    // Down the left column: the logos, "Change Main Board", the board panel;
    // the buttons in one row at the bottom.
    soclayout::AddLogos(c, "ImageFpgaLogo", "FPGA_LOGO_BITMAP");
    c.push_back(MainBoardSelectButton(8, 56, 206));
    soclayout::AddBoardPanel(c, {.Top = 94, .Height = 344, .Title = "Vantremere FPGA Board",
                                 .Photo = "VANTREMERE_PHOTO_BITMAP", .PhotoWidth = VANTREMERE_PHOTO_WIDTH,
                                 .PhotoHeight = VANTREMERE_PHOTO_HEIGHT, .Parts = kVantremereParts,
                                 .PartCount = std::size(kVantremereParts)});
    // A dotted guide line under the photograph.
    c.push_back({.Kind = TControlKind::Shape, .Name = "ShapeLine", .Parent = "PanelBoard", .Left = 8, .Top = 338,
                 .Width = 400, .Height = 1, .PenColor = clGray, .PenWidth = 1, .PenStyle = psDot,
                 .BrushStyle = bsClear});
    soclayout::AddButtonRow(c, 459, {soclayout::kSave, soclayout::kLoad, soclayout::kGenerate, soclayout::kExit});

    AddConfigGroup(c, 436, 8, 349, 481);
    AddGroupCheckBoxes(c, kGroupBoxes, std::size(kGroupBoxes), 5, 62, 26);
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
    m_Groups = BindGroups(kGroupBoxes, std::size(kGroupBoxes));
    m_Header = {ComboBoxGpio, EditPrefixGpio, ImageGpio, ShapeGpio};
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

void TFormVantremere::UpdateCardPictures() { UpdateGpioPictures({&m_Header, 1}, m_Config.m_CardIds); }

void TFormVantremere::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    UpdateGpioShapes({&m_Header, 1});
}

bool TFormVantremere::ValidateCards(bool generating, std::string& message)
{
    return CheckGpioHeaderPrefixes(MAINBOARD_VANTREMERE, {&m_Header, 1}, m_Config.m_CardIds, message, generating);
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
    return RunGeneration(board.get(), qpfPath, false);
}

const TBatchRule* TFormVantremere::BatchRule() const
{
    static const TBatchRule kRule{.NamePattern = "VANTREMERE_GPIO_%s", .Beep = false};
    return &kRule;
}

// The batch walks the header's combo with the prefix "GPIO" on every card.
void TFormVantremere::SaveBatchCards()
{
    m_BatchItem = ComboBoxGpio->ItemIndex();
    m_BatchPrefix = EditPrefixGpio->Text();
}

void TFormVantremere::RestoreBatchCards()
{
    ComboBoxGpio->SetItemIndex(m_BatchItem);
    EditPrefixGpio->SetText(m_BatchPrefix);
}

void TFormVantremere::ShowBatchCard(int item)
{
    ComboBoxGpio->SetItemIndex(item);
    EditPrefixGpio->SetText("GPIO");
}

void TFormVantremere::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormVantremere::ComboBoxGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
