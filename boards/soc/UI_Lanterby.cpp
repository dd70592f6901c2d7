#include "boards/soc/UI_Lanterby.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "boards/frame/BoardFormLayout.h"
#include "boards/soc/BoardFormSocLayout.h"
#include "boards/soc/CONFIG_LANTERBY.h"
#include "boards/soc/LanterbyParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const formlayout::TGroupCheckBox kGroupBoxes[] = {
    {"CheckBoxOSC", "CLOCK", offsetof(LANTERBY_CONFIG, bClock), "ShapeOSC"},
    {"CheckBoxLED", "LED x 10", offsetof(LANTERBY_CONFIG, bLed), "ShapeLED"},
    {"CheckBoxButton", "Button x 5", offsetof(LANTERBY_CONFIG, bKey), "ShapeButton"},
    {"CheckBoxSwitch", "Switch x 10", offsetof(LANTERBY_CONFIG, bSw), "ShapeSwitch"},
    {"CheckBoxHex", "7-Segment x2", offsetof(LANTERBY_CONFIG, bSeg7), "ShapeHex"},
    {"CheckBoxPowerMonitor", "Power Monitor", offsetof(LANTERBY_CONFIG, bPowerMonitor), "ShapePowerMonitor"},
    {"CheckBoxGSensor", "G-sensor", offsetof(LANTERBY_CONFIG, bGSensor), "ShapeGsensor"},
    {"CheckBoxHumiditySensor", "Humidity Sensor", offsetof(LANTERBY_CONFIG, bHumiditySensor),
     "ShapeHumiditySensor"},
    {"CheckBoxLightSensor", "Light Sensor", offsetof(LANTERBY_CONFIG, bLightSensor), "ShapeLightSensor"},
    {"CheckBoxAudio", "Audio Codec", offsetof(LANTERBY_CONFIG, bAudio), "ShapeAudio"},
    {"CheckBoxHdmiRx", "HDMI RX", offsetof(LANTERBY_CONFIG, bHdmiRx), "ShapeHdmiRx"},
    {"CheckBoxSdCard", "microSD Card", offsetof(LANTERBY_CONFIG, bSdCard), "ShapeSdCard"},
    {"CheckBoxQspiFlash", "QSPI Flash", offsetof(LANTERBY_CONFIG, bQspiFlash), "ShapeQspiFlash"},
    {"CheckBoxPS2", "PS2", offsetof(LANTERBY_CONFIG, bPs2), "ShapePS2"},
    {"CheckBoxDDR3", "DDR3 SDRAM", offsetof(LANTERBY_CONFIG, bDdr3), "ShapeDDR3"},
    {"CheckBoxUart2Usb", "UART to USB", offsetof(LANTERBY_CONFIG, bUart), "ShapeUart2Usb"},
    {"CheckBoxEthernet", "Ethernet", offsetof(LANTERBY_CONFIG, bEthernet), "ShapeEthernet"},
    {"CheckBoxDAC", "DAC", offsetof(LANTERBY_CONFIG, bDac), "ShapeDAC"},
    {"CheckBoxMIPI", "MIPI CS2 Camera", offsetof(LANTERBY_CONFIG, bMipi), "ShapeMIPI"},
    {"CheckBoxTamsil", "LCD Touch Panel", offsetof(LANTERBY_CONFIG, bTamsil), "ShapeTamsil"},
};

TFormSpec LanterbyLayout()
{
    using namespace formlayout;
    TFormSpec spec{.Name = "TFORMLANTERBY", .Caption = "Lanterby", .ClientWidth = 793, .ClientHeight = 559,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    // Down the left column: the logos, "Change Main Board", the board panel,
    // the buttons.
    soclayout::AddLogos(c, "ImageFpgaLogo", "FPGA_LOGO_BITMAP");
    c.push_back(MainBoardSelectButton(8, 56, 206));
    soclayout::AddBoardPanel(c, {.Top = 94, .Height = 344, .Title = "MAX 10 Lanterby FPGA Board",
                                 .Photo = "LANTERBY_PHOTO_BITMAP", .PhotoWidth = LANTERBY_PHOTO_WIDTH,
                                 .PhotoHeight = LANTERBY_PHOTO_HEIGHT, .Parts = kLanterbyParts,
                                 .PartCount = std::size(kLanterbyParts)});
    soclayout::AddButtonRow(c, 446,
                            {{"ButtonDefault", "Default Setting", "ButtonDefaultClick"}, soclayout::kSave,
                             soclayout::kLoad});
    soclayout::AddButtonRow(c, 484, {soclayout::kGenerate, soclayout::kExit});

    AddConfigGroup(c, 436, 8, 349, 543);
    AddGroupCheckBoxes(c, kGroupBoxes, std::size(kGroupBoxes), 10, 62, 24);
    c.push_back(Label("LabelYarvel", 12, 310, 220, "Yarvel 2x6 GPIO Header", true));
    c.push_back(ComboBox("ComboBoxYarvel", 12, 334, 236, "ComboBoxGpioChange"));
    c.push_back(Label("LabelPrefixYarvel", 12, 370, 84, "Prefix Name:"));
    c.push_back(Edit("EditPrefixYarvel", 100, 366, 148, TSocBoardForm::kMaxNameLength));
    c.push_back(CardImage("ImageGpio0", 262, 316));
    return spec;
}

}  // namespace

TFormLanterby::TFormLanterby(TForm* owner) : TSocBoardFormOf<LANTERBY_CONFIG>(owner)
{
    std::vector<THandlerEntry> handlers;
    AddSharedHandlers(handlers);
    handlers.emplace_back("ButtonDefaultClick", Bind(&TFormLanterby::ButtonDefaultClick));
    handlers.emplace_back("CheckBoxClick", Bind(&TFormLanterby::CheckBoxClick));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormLanterby::ComboBoxGpioChange));
    LoadLayout(LanterbyLayout(), handlers);

    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    PanelBoard = Find<TPanel>("PanelBoard");
    LabelBoardName = Find<TLabel>("LabelBoardName");
    ImageBoard = Find<TImage>("ImageBoard");
    ButtonDefault = Find<TButton>("ButtonDefault");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    EditProjectName = Find<TEdit>("EditProjectName");
    ComboBoxYarvel = Find<TComboBox>("ComboBoxYarvel");
    EditPrefixYarvel = Find<TEdit>("EditPrefixYarvel");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    ShapeYarvel = Find<TShape>("ShapeYarvel");
    m_Groups = BindGroups(kGroupBoxes, std::size(kGroupBoxes));
    InitialiseSettings(EditProjectName);
}

void TFormLanterby::SetDefaults(LANTERBY_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_LANTERBY;
    config.Size = sizeof(LANTERBY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "MAX10");
    auto* bytes = reinterpret_cast<uint8_t*>(&config);
    for (std::size_t offset = offsetof(LANTERBY_CONFIG, bClock); offset <= offsetof(LANTERBY_CONFIG, bPs2); ++offset)
        bytes[offset] = 1;
    config.bUart = 1;
    config.Reserved153 = 1;
    config.bDac = 1;
}

void TFormLanterby::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_YARVEL_2x6, false, 3);
    FillCardCombo(ComboBoxYarvel, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormLanterby::ConfigToForm(const LANTERBY_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ShowGroupFlags(m_Groups, &config);
    // The card id is a 32-bit value: one outside the ids of the list keeps
    // the combo where it is.
    const int32_t card = config.nYarvelDaughterId;
    if (card >= 0 && card <= 255)
        SelectCard(ComboBoxYarvel, m_Config.m_CardCount, m_Config.m_CardIds, static_cast<DaughterId>(card));
    EditPrefixYarvel->SetText(ComboBoxYarvel->ItemIndex() != 0
                                  ? ReadFixedText(config.szYarvelPrefixName, sizeof config.szYarvelPrefixName)
                                  : std::string());
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormLanterby::FormToConfig(LANTERBY_CONFIG& config)
{
    config.BoardId = MAINBOARD_LANTERBY;
    config.Size = sizeof(LANTERBY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    StoreGroupFlags(m_Groups, &config);
    config.nYarvelDaughterId = SelectedCard(ComboBoxYarvel, m_Config.m_CardIds);
    WriteFixedText(config.szYarvelPrefixName, sizeof config.szYarvelPrefixName, EditPrefixYarvel->Text());
    return true;
}

void TFormLanterby::UpdateCardPictures()
{
    ShowCardPicture(ImageGpio0, SelectedCard(ComboBoxYarvel, m_Config.m_CardIds));
}

void TFormLanterby::UpdateShapes()
{
    UpdateGroupShapes(m_Groups);
    ShapeYarvel->SetVisible(ComboBoxYarvel->ItemIndex() != 0);
}

bool TFormLanterby::ValidateCards(bool generating, std::string& message)
{
    // One connector: no prefix can clash; the prefix must only make legal names.
    return CheckCardPrefixes(MAINBOARD_LANTERBY,
                             {{SelectedCard(ComboBoxYarvel, m_Config.m_CardIds), EditPrefixYarvel->Text(), "Yarvel"}},
                             generating, message);
}

bool TFormLanterby::Generate(const std::string& qpfPath)
{
    LANTERBY_CONFIG config = m_Config.m_Config;
    FormToConfig(config);
    auto board = std::make_unique<TMainBoard>();
    CONFIG_LANTERBY(board.get(), &config);
    if (config.nYarvelDaughterId > 0) {
        // The card on the 2x6 header, copied onto its master with the prefix.
        const DaughterId card = static_cast<DaughterId>(config.nYarvelDaughterId);
        const ConnectorType Type = GetCardConnectorType(card);
        PL_ASSERT(Type == CONNECTOR_YARVEL_2x6);
        TConnector* pMasterConn = board->FindMasterConnector(LANTERBY_YARVEL_MASTER_ID);
        PL_ASSERT(pMasterConn);
        auto pDaughter = std::make_unique<TDaughterBoard>();
        pDaughter->LoadCard(card, static_cast<uint8_t>(board->GetBoardId()), "", IO_STD_3V3_LVTTL, 0);
        const std::string prefix = ReadFixedText(config.szYarvelPrefixName, sizeof config.szYarvelPrefixName);
        const char* pPrefixName = prefix.c_str();
        PL_ASSERT(pDaughter->UpdateMasterConnector(pMasterConn, pPrefixName));
    }
    return RunGeneration(board.get(), qpfPath, false);
}

void TFormLanterby::ButtonDefaultClick(TObject*)
{
    SetDefaults(m_Config.m_Config);
    ConfigToForm(m_Config.m_Config);
}

const TBatchRule* TFormLanterby::BatchRule() const
{
    static const TBatchRule kRule{.NamePattern = "", .Beep = true};
    return &kRule;
}

void TFormLanterby::CheckBoxClick(TObject*) { UpdateShapes(); }

void TFormLanterby::ComboBoxGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
