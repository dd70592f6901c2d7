#include "boards/soc/UI_Kilverne.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_KILVERNE.h"
#include "boards/soc/KilverneParts.h"
#include "model/Text.h"

namespace {

// The header modes: combo text and the picture beside the combo (0: none).
struct TBbbMode {
    const char* Text;
    DaughterId Picture;
};
const TBbbMode kBbbModes[] = {{"None", 0}, {"Default", 71}, {"WIFI-BLE", 72}, {"BBB Mode 7", 73}};
constexpr int kBbbModeCount = static_cast<int>(std::size(kBbbModes));

const char* const kRevisions[] = {"revision A", "revision B", "revision C"};
constexpr int32_t kRevisionC = 2;

using K = KILVERNE_CONFIG;
const formlayout::TGroupCheckBox kGroupBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(K, bClock), "ShapeOSC"},
    {"CheckBoxLED", "LED x 8", offsetof(K, bLed), "ShapeLED"},
    {"CheckBoxButton", "Button x 2", offsetof(K, bKey), "ShapeButton"},
    {"CheckBoxCapButton", "Cap. Button x 2", offsetof(K, bCapSense), "ShapeCapButton"},
    {"CheckBoxSwitch", "Switch x 2", offsetof(K, bSw), "ShapeSwitch"},
    {"CheckBoxHdmiTx", "HDMI TX", offsetof(K, bHdmi), "ShapeHdmiTx"},
    {"CheckBoxTempSensor", "Temp. Sensor", offsetof(K, bTempSensor), "ShapeTempSensor"},
    {"CheckBoxGSensor", "G-sensor", offsetof(K, bGSensor), "ShapeGsensor"},
    {"CheckBoxUsb", "USB", offsetof(K, bUsb), "ShapeUsb"},
    {"CheckBoxMIPI", "MIPI", offsetof(K, bMipi), "ShapeMIPI"},
    {"CheckBoxEthernet", "Ethernet", offsetof(K, bEthernet), "ShapeEthernet"},
    {"CheckBoxSdCard", "microSD Card", offsetof(K, bSdCard), "ShapeSdCard"},
    {"CheckBoxDDR3", "DDR3 SDRAM", offsetof(K, bDdr3), "ShapeDDR3"},
    {"CheckBoxFlash", "QSPI Flash", offsetof(K, bQspiFlash), "ShapeFlash"},
    {"CheckBoxAudio", "Audio Codec", offsetof(K, bAudio), "ShapeAudio"},
    // Kept in the record, never shown.
    {"CheckBoxSmaADC", "??? SMA ADC", offsetof(K, bSmaAdc), "ShapeSMA_ADC", nullptr, false},
    {"CheckBoxLightSensor", "Light Sensor", offsetof(K, bLightSensor), "ShapeLightSensor"},
    {"CheckBoxHumiditySensor", "Humidity Sensor", offsetof(K, bHumiditySensor), "ShapeHumiditySensor"},
    {"CheckBoxPowerMonitor", "Power Monitor", offsetof(K, bPowerMonitor), "ShapePowerMonitor"},
};

constexpr int kMainBoardSelectTop = 56;
// The board panel as laid out, before the hidden revision row is given to it.
constexpr int kPanelTop = 94;
constexpr int kPanelHeight = 309;
constexpr int kRevisionRowHeight = 35;

TFormSpec KilverneLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMKILVERNE", .Caption = "Kilverne", .ClientWidth = 794, .ClientHeight = 517,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    // Down the left column: the logos (the FPGA maker's kept as JPEG data),
    // "Change Main Board", the board panel, the revision row, the buttons.
    soclayout::AddLogos(c, "ImageAltera", "FPGA_LOGO_JPEG");
    c.push_back(MainBoardSelectButton(8, kMainBoardSelectTop, 206));
    soclayout::AddBoardPanel(c, {.Top = kPanelTop, .Height = kPanelHeight, .Title = "MAX 10 Kilverne FPGA Board",
                                 .Photo = "KILVERNE_PHOTO_BITMAP", .PhotoWidth = KILVERNE_PHOTO_WIDTH,
                                 .PhotoHeight = KILVERNE_PHOTO_HEIGHT, .Parts = kKilverneParts,
                                 .PartCount = std::size(kKilverneParts)});
    constexpr int kRevisionTop = kPanelTop + kPanelHeight + 5;
    c.push_back({.Kind = TControlKind::Label, .Name = "LabelRevision", .Left = 8, .Top = kRevisionTop + 4,
                 .Width = 120, .Height = 20, .Caption = "Board Revision:", .Bold = true, .FontColor = clBlue});
    c.push_back({.Kind = TControlKind::ComboBox, .Name = "ComboBoxBoardRev", .Left = 132, .Top = kRevisionTop,
                 .Width = 160, .Height = 24});
    soclayout::AddButtonRow(c, kPanelTop + kPanelHeight + kRevisionRowHeight + 8,
                            {soclayout::kSave, soclayout::kLoad, soclayout::kGenerate, soclayout::kExit});

    AddConfigGroup(c, 436, 8, 350, 501);
    AddGroupCheckBoxes(c, kGroupBoxes, std::size(kGroupBoxes), 10, 62, 24);
    c.push_back(Label("LabelBBB", 12, 320, 220, "BBB Header", true));
    c.push_back(ComboBox("ComboBoxBBB", 12, 344, 236, "ComboBoxBBBChange", "ComboBoxGpioChange"));
    c.push_back(Label("LabelPrefixBBB", 12, 380, 84, "Prefix Name:"));
    c.push_back(Edit("EditPrefixBBB", 100, 376, 148, TSocBoardForm::kMaxNameLength));
    c.push_back(CardImage("ImageBBB", 262, 326));
    return spec;
}

}  // namespace

TFormKilverne::TFormKilverne(TForm* owner) : TSocBoardFormOf<KILVERNE_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("CheckBoxClick", Bind(&TFormKilverne::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormKilverne::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxBBBChange", Bind(&TFormKilverne::ComboBoxBBBChange));
    LoadLayout(KilverneLayout(), handlers);

    ImageAltera = Find<TImage>("ImageAltera");
    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    PanelBoard = Find<TPanel>("PanelBoard");
    LabelBoardName = Find<TLabel>("LabelBoardName");
    ImageBoard = Find<TImage>("ImageBoard");
    LabelRevision = Find<TLabel>("LabelRevision");
    ComboBoxBoardRev = Find<TComboBox>("ComboBoxBoardRev");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    EditProjectName = Find<TEdit>("EditProjectName");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxCapButton = Find<TCheckBox>("CheckBoxCapButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxHdmiTx = Find<TCheckBox>("CheckBoxHdmiTx");
    CheckBoxTempSensor = Find<TCheckBox>("CheckBoxTempSensor");
    CheckBoxGSensor = Find<TCheckBox>("CheckBoxGSensor");
    CheckBoxUsb = Find<TCheckBox>("CheckBoxUsb");
    CheckBoxMIPI = Find<TCheckBox>("CheckBoxMIPI");
    CheckBoxEthernet = Find<TCheckBox>("CheckBoxEthernet");
    CheckBoxSdCard = Find<TCheckBox>("CheckBoxSdCard");
    CheckBoxDDR3 = Find<TCheckBox>("CheckBoxDDR3");
    CheckBoxFlash = Find<TCheckBox>("CheckBoxFlash");
    CheckBoxAudio = Find<TCheckBox>("CheckBoxAudio");
    CheckBoxSmaADC = Find<TCheckBox>("CheckBoxSmaADC");
    CheckBoxLightSensor = Find<TCheckBox>("CheckBoxLightSensor");
    CheckBoxHumiditySensor = Find<TCheckBox>("CheckBoxHumiditySensor");
    CheckBoxPowerMonitor = Find<TCheckBox>("CheckBoxPowerMonitor");
    ComboBoxBBB = Find<TComboBox>("ComboBoxBBB");
    EditPrefixBBB = Find<TEdit>("EditPrefixBBB");
    ImageBBB = Find<TImage>("ImageBBB");
    ShapeBBB_P8 = Find<TShape>("ShapeBBB_P8");
    ShapeBBB_P9 = Find<TShape>("ShapeBBB_P9");
    m_Groups = BindGroups(kGroupBoxes, std::size(kGroupBoxes));

    InitialiseSettings(EditProjectName);
    // Every new form works on revision C without the SMA ADC, whatever
    // default.cfg held; the revision row is hidden and its room goes to the
    // board panel. A loaded settings file brings its own values.
    m_Config.m_Config.nBoardRevision = kRevisionC;
    ComboBoxBoardRev->Hide();
    LabelRevision->Hide();
    PanelBoard->SetHeight(PanelBoard->Height() + kRevisionRowHeight);
    m_Config.m_Config.bSmaAdc = 0;
    ConfigToForm(m_Config.m_Config);
}

void TFormKilverne::SetDefaults(KILVERNE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_KILVERNE;
    config.Size = sizeof(KILVERNE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Kilverne");
    config.bClock = config.bLed = config.bKey = config.bCapSense = config.bSw = 1;
    config.bHdmi = config.bTempSensor = config.bGSensor = config.bUsb = 1;
    config.bEthernet = config.bSdCard = config.bQspiFlash = config.bAudio = 1;
    config.bLightSensor = config.bHumiditySensor = config.bPowerMonitor = 1;
    config.nBoardRevision = kRevisionC;
}

void TFormKilverne::FillCardCombos()
{
    // The card list holds the pictures of the header modes.
    m_Config.m_CardCount = kBbbModeCount;
    for (int k = 0; k < kBbbModeCount; ++k) m_Config.m_CardIds[k] = kBbbModes[k].Picture;
    ComboBoxBBB->Clear();
    for (const TBbbMode& mode : kBbbModes) ComboBoxBBB->AddItem(mode.Text);
    ComboBoxBBB->SetItemIndex(0);
    ComboBoxBBB->SetDropDownCount(kBbbModeCount);
    ComboBoxBoardRev->Clear();
    for (const char* revision : kRevisions) ComboBoxBoardRev->AddItem(revision);
    ComboBoxBoardRev->SetItemIndex(0);
}

void TFormKilverne::ConfigToForm(const KILVERNE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    // A mode outside the list (only a file of another board can hold one)
    // shows as "None", and so is written back as 0.
    ComboBoxBBB->SetItemIndex(config.nBbbMode < kBbbModeCount ? config.nBbbMode : 0);
    EditPrefixBBB->SetText(ComboBoxBBB->ItemIndex() != 0
                               ? ReadFixedText(config.szBbbPrefixName, sizeof config.szBbbPrefixName)
                               : std::string());
    // A revision outside the list is taken as revision C, as the board
    // definition takes it.
    const int32_t revision = config.nBoardRevision;
    ComboBoxBoardRev->SetItemIndex(revision >= 0 && revision <= kRevisionC ? revision : kRevisionC);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormKilverne::FormToConfig(KILVERNE_CONFIG& config)
{
    config.BoardId = MAINBOARD_KILVERNE;
    config.Size = sizeof(KILVERNE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    config.nBbbMode = static_cast<uint8_t>(ComboBoxBBB->ItemIndex());
    WriteFixedText(config.szBbbPrefixName, sizeof config.szBbbPrefixName, EditPrefixBBB->Text());
    config.nBoardRevision = ComboBoxBoardRev->ItemIndex();
    return true;
}

void TFormKilverne::UpdateCardPictures()
{
    ShowCardPicture(ImageBBB, SelectedCard(ComboBoxBBB, m_Config.m_CardIds));
}

void TFormKilverne::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    const bool header = ComboBoxBBB->ItemIndex() != 0;
    ShapeBBB_P8->SetVisible(header);
    ShapeBBB_P9->SetVisible(header);
}

bool TFormKilverne::Generate(const std::string& qpfPath)
{
    KILVERNE_CONFIG config = m_Config.m_Config;
    FormToConfig(config);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_KILVERNE(board.get(), &config);
    // No card: the header is one of the board's own groups.
    return RunGeneration(board.get(), qpfPath, false);
}

const TBatchRule* TFormKilverne::BatchRule() const
{
    static const TBatchRule kRule{.NamePattern = "", .Beep = true};
    return &kRule;
}

void TFormKilverne::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormKilverne::ComboBoxGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormKilverne::ComboBoxBBBChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
