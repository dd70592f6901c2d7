#include "boards/soc/UI_Wendlebury.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_WENDLEBURY.h"
#include "boards/soc/WendleburyParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

using WENDLEBURY_CONFIG = TConfigWendlebury::WENDLEBURY_CONFIG;

// The voltage index of the default jumper position, 2.5 V.
constexpr int32_t kDefaultVoltage = 1;
// The voltage classes of the HSMC card lists, by voltage index.
constexpr VoltageClass kHsmcVoltageClasses[4] = {5, 3, 2, 1};

const char* const kVoltageItems[] = {"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"};

bool IsVoltageIndex(int32_t index) { return index >= 0 && index <= 3; }

const formlayout::TGroupCheckBox kGroupBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(WENDLEBURY_CONFIG, bClock), "ShapeOSC"},
    {"CheckBoxLED", "LED x 10", offsetof(WENDLEBURY_CONFIG, bLed), "ShapeLED"},
    {"CheckBoxButton", "Button x 4", offsetof(WENDLEBURY_CONFIG, bKey), "ShapeButton"},
    {"CheckBoxSwitch", "Switch x 10", offsetof(WENDLEBURY_CONFIG, bSw), "ShapeSwitch"},
    {"CheckBoxVGA", "VGA", offsetof(WENDLEBURY_CONFIG, bVga), "ShapeVGA"},
    {"CheckBoxSDRAM", "SDRAM, 32MB", offsetof(WENDLEBURY_CONFIG, bSdram), "ShapeSDRAM"},
    {"CheckBoxAudio", "Audio", offsetof(WENDLEBURY_CONFIG, bAudio), "ShapeAudio"},
    {"CheckBoxVideoIn", "Video-In", offsetof(WENDLEBURY_CONFIG, bVideoIn), "ShapeVideoIn"},
    {"CheckBoxADC", "ADC", offsetof(WENDLEBURY_CONFIG, bAdc), "ShapeADC"},
    {"CheckBoxSeg7", "7-Segment x 6", offsetof(WENDLEBURY_CONFIG, bSeg7), "ShapeSeg7"},
    {"CheckBoxIR", "IR TX/RX", offsetof(WENDLEBURY_CONFIG, bIr), "ShapeIR"},
    {"CheckBoxPS2", "PS2", offsetof(WENDLEBURY_CONFIG, bPs2), "ShapePS2"},
    {"CheckBoxHPS", "HPS", offsetof(WENDLEBURY_CONFIG, bHps), "ShapeHPS"},
};

constexpr int kJumperLeft = 8;
constexpr int kJumperTop = 408;

TFormSpec WendleburyLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMWENDLEBURY", .Caption = "Wendlebury V1.0.2", .ClientWidth = 789,
                   .ClientHeight = 536, .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = "Wendlebury FPGA Board", .Photo = "WENDLEBURY_PHOTO_BITMAP",
                      .PhotoWidth = WENDLEBURY_PHOTO_WIDTH, .PhotoHeight = WENDLEBURY_PHOTO_HEIGHT,
                      .Parts = kWendleburyParts, .PartCount = std::size(kWendleburyParts), .PanelHeight = 344});
    // A dotted outline over the configuration flash, always shown.
    const TBoardPart& flash = *std::find_if(std::begin(kWendleburyParts), std::end(kWendleburyParts),
                                            [](const TBoardPart& part) { return std::string_view(part.Label) == "EPCQ"; });
    c.push_back({.Kind = TControlKind::Shape, .Name = "ShapeEPCQ", .Parent = "PanelBoard",
                 .Left = kPhotoLeft + flash.Left - kOutlineMargin, .Top = kPhotoTop + flash.Top - kOutlineMargin,
                 .Width = flash.Width + 2 * kOutlineMargin, .Height = flash.Height + 2 * kOutlineMargin,
                 .PenColor = clYellow, .PenWidth = 1, .PenStyle = psDot, .BrushStyle = bsClear});
    // The HSMC voltage jumper, with one lime overlay per position.
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageVol", .Left = kJumperLeft, .Top = kJumperTop,
                 .Width = WENDLEBURY_JUMPER_WIDTH, .Height = WENDLEBURY_JUMPER_HEIGHT,
                 .Picture = "WENDLEBURY_JP3_BITMAP"});
    AddOverlays(c, nullptr, kJumperLeft, kJumperTop, kWendleburyJumperParts, std::size(kWendleburyJumperParts),
                clLime);
    // The buttons in one row at the bottom.
    soclayout::AddButtonRow(c, 498, {soclayout::kSave, soclayout::kLoad, soclayout::kGenerate, soclayout::kExit});

    AddConfigGroup(c, 436, 8, 345, 520);
    c.push_back(Label("LabelFileType", 12, 58, 96, "Top File Type:"));
    c.push_back(ComboBox("ComboBoxFileType", 110, 54, 120, "ComboBoxGpioChange"));
    AddGroupCheckBoxes(c, kGroupBoxes, std::size(kGroupBoxes), 7, 88, 24);
    c.push_back(Label("LabelGpio", 12, 262, 220, "GPIO Header (3.3V)", true));
    c.push_back(ComboBox("ComboBoxGpio", 12, 286, 236, "ComboBoxGpioChange"));
    c.push_back(Label("LabelPrefixGpio", 12, 322, 84, "Prefix Name:"));
    c.push_back(Edit("EditPrefixGpio", 100, 318, 148, TSocBoardForm::kMaxNameLength));
    c.push_back(CardImage("ImageGpio", 258, 268));
    c.push_back(Label("LabelHsmc", 12, 360, 220, "HSMC Header", true));
    c.push_back(ComboBox("ComboBoxHsmc", 12, 384, 236, "ComboBoxHsmcChange"));
    c.push_back(Label("LabelHsmcVol", 12, 420, 84, "IO Voltage:"));
    c.push_back(ComboBox("ComboBoxHsmcVol", 100, 416, 148, "ComboBoxHsmcVolChange"));
    c.push_back(Label("LabelPrefixHsmc", 12, 452, 84, "Prefix Name:"));
    c.push_back(Edit("EditPrefixHsmc", 100, 448, 148, TSocBoardForm::kMaxNameLength));
    c.push_back(CardImage("ImageHSMC", 258, 366));
    return spec;
}

}  // namespace

TFormWendlebury::TFormWendlebury(TForm* owner) : TSocBoardFormHolding(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormWendlebury::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormWendlebury::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxHsmcChange", Bind(&TFormWendlebury::ComboBoxHsmcChange));
    handlers.emplace_back("ComboBoxHsmcVolChange", Bind(&TFormWendlebury::ComboBoxHsmcVolChange));
    LoadLayout(WendleburyLayout(), handlers);

    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    PanelBoard = Find<TPanel>("PanelBoard");
    LabelBoardName = Find<TLabel>("LabelBoardName");
    ImageBoard = Find<TImage>("ImageBoard");
    ImageVol = Find<TImage>("ImageVol");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    EditProjectName = Find<TEdit>("EditProjectName");
    ComboBoxFileType = Find<TComboBox>("ComboBoxFileType");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditPrefixGpio = Find<TEdit>("EditPrefixGpio");
    ImageGpio = Find<TImage>("ImageGpio");
    ShapeGpio = Find<TShape>("ShapeGpio");
    ComboBoxHsmc = Find<TComboBox>("ComboBoxHsmc");
    ComboBoxHsmcVol = Find<TComboBox>("ComboBoxHsmcVol");
    EditPrefixHsmc = Find<TEdit>("EditPrefixHsmc");
    ImageHSMC = Find<TImage>("ImageHSMC");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    for (size_t i = 0; i < m_JumperShapes.size(); ++i)
        m_JumperShapes[i] = Find<TShape>(kWendleburyJumperParts[i].ShapeName);
    m_Groups = BindGroups(kGroupBoxes, std::size(kGroupBoxes));
    m_GpioHeader = {ComboBoxGpio, EditPrefixGpio, ImageGpio, ShapeGpio};
    InitialiseSettings(EditProjectName);
}

TConfigWendlebury& TFormWendlebury::HsmcListForVoltage(int32_t index)
{
    return m_HsmcLists[static_cast<size_t>(IsVoltageIndex(index) ? index : kDefaultVoltage)];
}

void TFormWendlebury::FillHsmcCombo(int32_t index)
{
    const TConfigWendlebury& list = HsmcListForVoltage(index);
    FillCardCombo(ComboBoxHsmc, list.m_CardCount, list.m_CardIds);
}

void TFormWendlebury::SetDefaults(WENDLEBURY_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_WENDLEBURY;
    config.Size = sizeof(WENDLEBURY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Wendlebury");
    config.bClock = config.bLed = config.bKey = config.bSw = config.bVga = config.bSdram = 1;
    config.bAudio = config.bVideoIn = config.bAdc = config.bSeg7 = config.bIr = config.bPs2 = 1;
    config.nHsmcVoltage = kDefaultVoltage;
}

void TFormWendlebury::FillCardCombos()
{
    ComboBoxFileType->Clear();
    ComboBoxFileType->AddItem("Verilog");
    ComboBoxFileType->AddItem("VHDL");
    ComboBoxFileType->SetItemIndex(0);
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    FillCardCombo(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds);
    ComboBoxHsmcVol->Clear();
    for (const char* item : kVoltageItems) ComboBoxHsmcVol->AddItem(item);
    ComboBoxHsmcVol->SetItemIndex(kDefaultVoltage);
    for (int32_t index = 0; index < 4; ++index)
        m_HsmcLists[static_cast<size_t>(index)].BuildCardList(CONNECTOR_HSMC, false, kHsmcVoltageClasses[index]);
    FillHsmcCombo(kDefaultVoltage);
}

void TFormWendlebury::ConfigToForm(const WENDLEBURY_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ComboBoxFileType->SetItemIndex(config.nFileType != 0 ? 1 : 0);
    ShowGroupFlags(m_Groups, &config);
    SelectCard(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds, config.nGpioDaughterId);
    EditPrefixGpio->SetText(ComboBoxGpio->ItemIndex() != 0
                                ? ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName)
                                : std::string());
    // A voltage outside the list (only a damaged or foreign file holds one)
    // is taken as 2.5 V, and so written back by the next FormToConfig.
    const int32_t voltage = IsVoltageIndex(config.nHsmcVoltage) ? config.nHsmcVoltage : kDefaultVoltage;
    ComboBoxHsmcVol->SetItemIndex(voltage);
    FillHsmcCombo(voltage);
    // A card that the list of the voltage does not hold is dropped.
    const TConfigWendlebury& list = HsmcListForVoltage(voltage);
    SelectCard(ComboBoxHsmc, list.m_CardCount, list.m_CardIds, config.nHsmcDaughterId);
    EditPrefixHsmc->SetText(ComboBoxHsmc->ItemIndex() != 0
                                ? ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName)
                                : std::string());
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormWendlebury::FormToConfig(WENDLEBURY_CONFIG& config)
{
    config.BoardId = MAINBOARD_WENDLEBURY;
    config.Size = sizeof(WENDLEBURY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    config.nFileType = ComboBoxFileType->ItemIndex() == 1 ? 1 : 0;
    StoreGroupFlags(m_Groups, &config);
    config.nGpioDaughterId = SelectedCard(ComboBoxGpio, m_Config.m_CardIds);
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditPrefixGpio->Text());
    config.nHsmcVoltage = ComboBoxHsmcVol->ItemIndex();
    config.nHsmcDaughterId = SelectedCard(ComboBoxHsmc, HsmcListForVoltage(config.nHsmcVoltage).m_CardIds);
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHsmc->Text());
    return true;
}

DaughterId TFormWendlebury::SelectedHsmcCard()
{
    return SelectedCard(ComboBoxHsmc, HsmcListForVoltage(ComboBoxHsmcVol->ItemIndex()).m_CardIds);
}

void TFormWendlebury::UpdateCardPictures()
{
    UpdateGpioPictures({&m_GpioHeader, 1}, m_Config.m_CardIds);
    ShowCardPicture(ImageHSMC, SelectedHsmcCard());
}

void TFormWendlebury::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    UpdateGpioShapes({&m_GpioHeader, 1});
    ShapeHSMC->SetVisible(ComboBoxHsmc->ItemIndex() != 0);
    for (size_t i = 0; i < m_JumperShapes.size(); ++i)
        m_JumperShapes[i]->SetVisible(static_cast<int>(i) == ComboBoxHsmcVol->ItemIndex());
}

void TFormWendlebury::SetHsmcVoltage(int32_t index)
{
    WENDLEBURY_CONFIG& config = m_Config.m_Config;
    if (config.nHsmcVoltage == index) return;
    FillHsmcCombo(index);
    config.nHsmcVoltage = index;
    const TConfigWendlebury& list = HsmcListForVoltage(index);
    for (int32_t k = 0; k < list.m_CardCount; ++k) {
        if (list.m_CardIds[k] == config.nHsmcDaughterId) {
            ComboBoxHsmc->SetItemIndex(k);
            return;
        }
    }
    // The card is not offered at this voltage: no card, no prefix.
    ComboBoxHsmc->SetItemIndex(0);
    config.nHsmcDaughterId = 0;
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, "");
    EditPrefixHsmc->SetText("");
}

bool TFormWendlebury::ValidateCards(bool generating, std::string& message)
{
    if (!CheckGpioHeaderPrefixes(MAINBOARD_WENDLEBURY, {&m_GpioHeader, 1}, m_Config.m_CardIds, message,
                                 generating))
        return false;
    // The HSMC prefix must make legal names; it is not compared with the GPIO prefix.
    return CheckCardPrefixes(MAINBOARD_WENDLEBURY, {{SelectedHsmcCard(), EditPrefixHsmc->Text(), "HSMC"}}, generating,
                             message);
}

bool TFormWendlebury::Generate(const std::string& qpfPath)
{
    WENDLEBURY_CONFIG& config = m_Config.m_Config;
    FormToConfig(config);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_WENDLEBURY(board.get(), &m_Config);
    if (config.nGpioDaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        board->AttachGpioCard(WENDLEBURY_GPIO_MASTER_ID, config.nGpioDaughterId, IO_STD_3V3_LVTTL, nullptr,
                              prefix.c_str());
    }
    if (config.nHsmcDaughterId > 0) {
        std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
        // The two default HSMC namings get a prefix of their own when none is given.
        if (prefix.empty() && (config.nHsmcDaughterId == 2 || config.nHsmcDaughterId == 3)) prefix = "HSMC_";
        board->AttachHsmcCardEx(WENDLEBURY_HSMC_MASTER_ID, config.nHsmcDaughterId,
                                WendleburyHsmcIoStandard(config.nHsmcVoltage), 0, prefix.c_str());
    }
    return RunGeneration(board.get(), qpfPath, config.nFileType != 0);
}

void TFormWendlebury::WarnHsmcJumper()
{
    WENDLEBURY_CONFIG scratch = m_Config.m_Config;
    FormToConfig(scratch);
    if (scratch.nHsmcVoltage == kDefaultVoltage) return;
    seam::ShowWarning(std::string("You have changed the default voltage level of HSMC interface. \n"
                                  "Please remember to change the jumper position on JP3 accordingly.") +
                      "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage "
                      "level.");
}

void TFormWendlebury::AfterGenerateSuccess()
{
    WarnHsmcJumper();
    if (CheckBoxHPS->Checked()) ShowHpsWarning();
}

void TFormWendlebury::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormWendlebury::ComboBoxGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormWendlebury::ComboBoxHsmcChange(TObject*)
{
    m_Config.m_Config.nHsmcDaughterId = SelectedHsmcCard();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormWendlebury::ComboBoxHsmcVolChange(TObject*)
{
    SetHsmcVoltage(ComboBoxHsmcVol->ItemIndex());
    UpdateShapes();
    UpdateCardPictures();
}
