#include "boards/arria10/UI_Yarrowgate.h"

#include <cstring>
#include <iterator>

#include "boards/arria10/CONFIG_YARROWGATE.h"
#include "boards/arria10/YarrowgateParts.h"
#include "model/Names.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

using YARROWGATE_CONFIG = TConfigYarrowgate::YARROWGATE_CONFIG;

constexpr std::size_t kFlagsAt = 137;  // bClock .. bHps
constexpr uint8_t kQdr2Module = 81;

// The FMC voltage items: text, voltage code, I/O standard given to the card.
struct TFmcVoltage {
    const char* Text;
    int32_t Code;
    IoStandard Standard;
};
const TFmcVoltage kFmcVoltages[3] = {{"1.8 V (Default)", 2, 3}, {"1.5 V", 3, 0}, {"1.2 V", 4, 40}};

const char* const kRefClkCombos[TXC_REFCLK_COUNT] = {"ComboBoxHDMI_REFCLK", "ComboBoxSFP_REFCLK",
                                                     "ComboBoxFMC_REFCLK", "ComboBoxDP_REFCLK",
                                                     "ComboBoxUSB_FEFCLK"};
const char* const kRefClkLabels[TXC_REFCLK_COUNT] = {"HDMI_REFCLK_p/n:", "SFP_REFCLK_p/n:", "FMC_REFCLK_p/n:",
                                                     "DP_REFCLK_p/n:", "USB_REFCLK_p/n:"};

// The form's controls beside the frame's: the board panel, the socket and
// FMC groups below it, "System Configuration" and the transceiver
// reference clocks on the right, the buttons at the bottom.
TFormSpec YarrowgateLayout()
{
    TFormSpec spec{.Name = "TFORMYARROWGATE", .Caption = "Yarrowgate", .ClientWidth = 904, .ClientHeight = 646,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    c.push_back(FrameButton("ButtonMainBoardSelect", 8, 8, 160, "Change Main Board", "ButtonMainBoardSelectClick"));
    AddBoardPanel(c, 8, 44, "Yarrowgate", "YARROWGATE_PHOTO_BITMAP", YARROWGATE_PHOTO_WIDTH, YARROWGATE_PHOTO_HEIGHT,
                  kYarrowgateParts, std::size(kYarrowgateParts));
    // The voltage outlines are lime.
    for (TControlSpec& control : c)
        if (std::strncmp(control.Name, "ShapeFmc1V", 10) == 0) control.PenColor = clLime;

    const int groupsTop = 44 + YARROWGATE_PHOTO_HEIGHT + 50;
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxDDR4Socket", .Left = 8, .Top = groupsTop,
                 .Width = 246, .Height = 196, .Caption = "DDR4 Socket"});
    c.push_back(FrameLabel("LabelDDR4Socket", "GroupBoxDDR4Socket", 10, 20, 140, "DDR4 Socket", true));
    c.push_back(FrameComboBox("ComboBoxDDR4Socket", "GroupBoxDDR4Socket", 10, 38, 226, "ComboBoxDDR4SocketChange"));
    c.push_back(FrameLabel("LabelPrefixDDR4Socket", "GroupBoxDDR4Socket", 10, 70, 100, "Prefix Name:"));
    c.push_back(FrameEdit("EditPrefixDDR4Socket", "GroupBoxDDR4Socket", 10, 88, 226));
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageDDR4Socket", .Parent = "GroupBoxDDR4Socket", .Left = 10,
                 .Top = 114, .Width = 80, .Height = 80, .Visible = false, .Stretch = true});

    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxFMC", .Left = 262, .Top = groupsTop, .Width = 246,
                 .Height = 196, .Caption = "FMC Header"});
    c.push_back(FrameLabel("LabelFmcVol", "GroupBoxFMC", 10, 20, 80, "IO Voltage:"));
    c.push_back(FrameComboBox("ComboBoxFmcVol", "GroupBoxFMC", 90, 16, 146, "ComboBoxFmcVolChange"));
    c.push_back(FrameLabel("LabelFMC", "GroupBoxFMC", 10, 46, 140, "FMC Header", true));
    c.push_back(FrameComboBox("ComboBoxFmc", "GroupBoxFMC", 10, 64, 226, "ComboBoxFmcChange"));
    c.push_back(FrameLabel("LabelPrefixFmc", "GroupBoxFMC", 10, 94, 100, "Prefix Name:"));
    c.push_back(FrameEdit("EditPrefixFmc", "GroupBoxFMC", 10, 112, 226));
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageFMC", .Parent = "GroupBoxFMC", .Left = 10, .Top = 138,
                 .Width = 56, .Height = 56, .Visible = false, .Stretch = true});
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageVol", .Parent = "GroupBoxFMC", .Left = 116, .Top = 138,
                 .Width = 120, .Height = 52, .Picture = "YARROWGATE_JP2_JPEG", .Stretch = true});

    AddSettingsGroup(c, 516, 8, 380, 428,
                     {{"CheckBoxOSC", "CLOCK", "CheckBoxDDR4B", "On Board DDR4B"},
                      {"CheckBoxLED", "LED x 2", "CheckBoxDDR4H", "On Board DDR4H"},
                      {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxEthernet", "Giga Ethernet"},
                      {"CheckBoxButton", "Button x 2", "CheckBoxSMA", "SMA"},
                      {"CheckBoxSwitch", "Switch x 2", "CheckBoxSATA", "SATA"},
                      {"CheckBoxFan", "Fan Control", "CheckBoxPCIe", "PCI Express"},
                      {"CheckBoxTemperature", "Temperatrure ", "CheckBoxUSBC", "USB Type C"},
                      {"CheckBoxPowerMonitor", "Power Monitor", "CheckBoxUSBC_DP", "USB Type C - DP"},
                      {"CheckBoxMPU9250", "MPU9250", "CheckBoxHDMI_TX", "HDMI TX"},
                      {"CheckBoxHPS", "HPS", "CheckBoxHDMI_RX", "HDMI RX"},
                      {"CheckBoxSFP", "SFP+", nullptr, nullptr},
                      {"CheckBoxOB_PCIE_REFCLK", "PCIe On-Board Reference Clock", nullptr, nullptr},
                      {"CheckBoxXcvrClk", "Reconfig Transceiver Reference Clock", nullptr, nullptr}});
    for (TControlSpec& control : c)
        if (std::strcmp(control.Name, "CheckBoxOB_PCIE_REFCLK") == 0 || std::strcmp(control.Name, "CheckBoxXcvrClk") == 0)
            control.Width = 340;
    c.push_back(FrameLabel("LabelFileType", "GroupBoxConfig", 12, 56 + 24 * 13 + 14, 96, "Top File Type:"));
    c.push_back(FrameComboBox("ComboBoxFileType", "GroupBoxConfig", 110, 56 + 24 * 13 + 10, 120, nullptr));

    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxXcvrClk", .Left = 516, .Top = 442, .Width = 380,
                 .Height = 160, .Caption = "Transceiver Reference Clock"});
    for (int i = 0; i < TXC_REFCLK_COUNT; ++i) {
        const int y = 20 + 27 * i;
        static const char* const kLabelNames[TXC_REFCLK_COUNT] = {"LabelRefClk0", "LabelRefClk1", "LabelRefClk2",
                                                                  "LabelRefClk3", "LabelRefClk4"};
        static const char* const kMhzNames[TXC_REFCLK_COUNT] = {"LabelRefClkMhz0", "LabelRefClkMhz1",
                                                                "LabelRefClkMhz2", "LabelRefClkMhz3",
                                                                "LabelRefClkMhz4"};
        c.push_back(FrameLabel(kLabelNames[i], "GroupBoxXcvrClk", 10, y + 4, 130, kRefClkLabels[i]));
        TControlSpec combo = FrameComboBox(kRefClkCombos[i], "GroupBoxXcvrClk", 146, y, 150, nullptr);
        combo.DropDownCount = 15;
        c.push_back(combo);
        c.push_back(FrameLabel(kMhzNames[i], "GroupBoxXcvrClk", 302, y + 4, 40, "MHz"));
    }

    AddFrameButtons(c, 8, 608, TButtonCaptions::AllPlain, true);
    c.push_back(FrameButton("ButtonSelectAll", 558, 608, 104, "Select All", "ButtonSelectAllClick"));
    return spec;
}

}  // namespace

TFormYarrowgate::TFormYarrowgate(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("Yarrowgate", false))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxDDR4SocketChange", Bind(&TFormYarrowgate::ComboBoxDDR4SocketChange));
    handlers.emplace_back("ComboBoxFmcChange", Bind(&TFormYarrowgate::ComboBoxFmcChange));
    handlers.emplace_back("ComboBoxFmcVolChange", Bind(&TFormYarrowgate::ComboBoxFmcVolChange));
    handlers.emplace_back("ButtonSelectAllClick", Bind(&TFormYarrowgate::ButtonSelectAllClick));
    LoadLayout(YarrowgateLayout(), handlers);

    ComboBoxFileType = Find<TComboBox>("ComboBoxFileType");
    ComboBoxDDR4Socket = Find<TComboBox>("ComboBoxDDR4Socket");
    EditPrefixDDR4Socket = Find<TEdit>("EditPrefixDDR4Socket");
    ImageDDR4Socket = Find<TImage>("ImageDDR4Socket");
    ComboBoxFmcVol = Find<TComboBox>("ComboBoxFmcVol");
    ComboBoxFmc = Find<TComboBox>("ComboBoxFmc");
    EditPrefixFmc = Find<TEdit>("EditPrefixFmc");
    ImageFMC = Find<TImage>("ImageFMC");
    ImageVol = Find<TImage>("ImageVol");
    CheckBoxXcvrClk = Find<TCheckBox>("CheckBoxXcvrClk");
    ShapeDDR4Socket = Find<TShape>("ShapeDDR4Socket");
    ShapeFMC = Find<TShape>("ShapeFMC");
    ShapeFmcVol[0] = Find<TShape>("ShapeFmc1V8");
    ShapeFmcVol[1] = Find<TShape>("ShapeFmc1V5");
    ShapeFmcVol[2] = Find<TShape>("ShapeFmc1V2");
    ButtonSelectAll = Find<TButton>("ButtonSelectAll");
    for (int i = 0; i < TXC_REFCLK_COUNT; ++i) m_RefClkCombos[i] = Find<TComboBox>(kRefClkCombos[i]);
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED"}},
                         {"CheckBoxSeg7", {"ShapeSeg7"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxFan", {"ShapeFan"}},
                         {"CheckBoxTemperature", {"ShapeTemperature"}},
                         {"CheckBoxPowerMonitor", {"ShapePowerMonitor"}},
                         {"CheckBoxMPU9250", {"ShapeMPU9250"}},
                         {"CheckBoxDDR4B", {"ShapeDDR4B"}},
                         {"CheckBoxDDR4H", {"ShapeDDR4H"}},
                         {"CheckBoxEthernet", {"ShapeEthernet"}},
                         {"CheckBoxSMA", {"ShapeSMA"}},
                         {"CheckBoxSATA", {"ShapeSATA"}},
                         {"CheckBoxPCIe", {"ShapePCIe"}},
                         {"CheckBoxUSBC", {"ShapeUSBC"}},
                         {"CheckBoxUSBC_DP", {"ShapeUSBC_DP"}},
                         {"CheckBoxHDMI_TX", {"ShapeHDMI_TX"}},
                         {"CheckBoxHDMI_RX", {"ShapeHDMI_RX"}},
                         {"CheckBoxSFP", {"ShapeSFP"}},
                         {"CheckBoxOB_PCIE_REFCLK", {}},
                         {"CheckBoxXcvrClk", {}},
                         {"CheckBoxHPS", {"ShapeHPS"}}});
    InitialiseSettings({EditPrefixDDR4Socket, EditPrefixFmc});
}

// ---- The record -------------------------------------------------------------

void TFormYarrowgate::ResetTxcRefClocks(YARROWGATE_CONFIG& config)
{
    std::memcpy(config.fTxcRefClkMHz, TxcDefaultMHz, sizeof config.fTxcRefClkMHz);
}

void TFormYarrowgate::SetDefaults(YARROWGATE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_YARROWGATE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Yarrowgate");
    config.bVhdl = 0;
    // CLOCK, LED, 7-segment, buttons, switches, fan, temperature, power
    // monitor and MPU9250 (bytes 137 to 145).
    std::memset(reinterpret_cast<uint8_t*>(&config) + kFlagsAt, 1, 9);
    config.nFmcVoltage = 2;
    ResetTxcRefClocks(config);
}

void TFormYarrowgate::FillCardCombos()
{
    ComboBoxFileType->Clear();
    ComboBoxFileType->AddItem("Verilog");
    ComboBoxFileType->AddItem("VHDL");
    ComboBoxFileType->SetItemIndex(0);
    for (int i = 0; i < TXC_REFCLK_COUNT; ++i) {
        TComboBox* combo = m_RefClkCombos[i];
        combo->Clear();
        const int defaultCode = TConfigYarrowgate::GetTxcChoiceIndex(TxcDefaultMHz[i]);
        for (int code = 0; code < kTxcChoiceCount; ++code)
            combo->AddItem(code == defaultCode ? Format("%s (*)", TxcFreqChoices[code].Label)
                                               : std::string(TxcFreqChoices[code].Label));
        combo->SetItemIndex(defaultCode);
    }
    m_Config.BuildCardList(CONNECTOR_DDR4_IF_ECC_A10, false, 3);
    FillCardCombo(ComboBoxDDR4Socket, m_Config.m_CardCount, m_Config.m_CardIds);
    ComboBoxFmcVol->Clear();
    for (const TFmcVoltage& voltage : kFmcVoltages) ComboBoxFmcVol->AddItem(voltage.Text);
    ComboBoxFmcVol->SetItemIndex(0);
    m_FmcList1V8.BuildCardList(CONNECTOR_FMC_HPC, true, 2);
    m_FmcList1V5.BuildCardList(CONNECTOR_FMC_HPC, true, 1);
    m_FmcList1V2.BuildCardList(CONNECTOR_FMC_HPC, true, 0);
    FillFmcCardCombo(2);
}

int32_t TFormYarrowgate::GetFmcVoltageCode() const
{
    const int item = ComboBoxFmcVol->ItemIndex();
    return kFmcVoltages[item >= 0 && item < 3 ? item : 0].Code;
}

TConfigYarrowgate& TFormYarrowgate::GetFmcCardList(int32_t code)
{
    return code == 3 ? m_FmcList1V5 : code == 4 ? m_FmcList1V2 : m_FmcList1V8;
}

void TFormYarrowgate::FillFmcCardCombo(int32_t code)
{
    const TConfigYarrowgate& list = GetFmcCardList(code);
    FillCardCombo(ComboBoxFmc, list.m_CardCount, list.m_CardIds);
}

void TFormYarrowgate::ConfigToForm(const YARROWGATE_CONFIG& config)
{
    m_Showing = true;
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    // Any file type but 0 shows VHDL, and the next FormToConfig writes 1.
    ComboBoxFileType->SetItemIndex(config.bVhdl != 0 ? 1 : 0);
    m_Flags.Show(reinterpret_cast<const uint8_t*>(&config) + kFlagsAt);
    m_XcvrTicked = CheckBoxXcvrClk->Checked();
    // A frequency that is none of the choices shows code 0 ("100"), the code
    // the generated text gives it too.
    for (int i = 0; i < TXC_REFCLK_COUNT; ++i)
        m_RefClkCombos[i]->SetItemIndex(TConfigYarrowgate::GetTxcChoiceIndex(config.fTxcRefClkMHz[i]));
    // A module the socket's list lacks leaves the combo at its item; the
    // prefix edit shows the record's prefix unless the combo shows "None".
    ShowCardAndPrefix(ComboBoxDDR4Socket, EditPrefixDDR4Socket, m_Config.m_CardCount, m_Config.m_CardIds,
                      config.nDdr4SocketDaughterId[0], config.szDdr4SocketPrefixName[0],
                      sizeof config.szDdr4SocketPrefixName[0]);
    int voltageItem = 0;
    for (int item = 0; item < 3; ++item)
        if (kFmcVoltages[item].Code == config.nFmcVoltage) voltageItem = item;
    ComboBoxFmcVol->SetItemIndex(voltageItem);
    FillFmcCardCombo(GetFmcVoltageCode());
    // An FMC card the list of its voltage lacks shows "None".
    const TConfigYarrowgate& fmcList = GetFmcCardList(GetFmcVoltageCode());
    SelectCard(ComboBoxFmc, fmcList.m_CardCount, fmcList.m_CardIds, config.nFmcDaughterId[0]);
    EditPrefixFmc->SetText(ComboBoxFmc->ItemIndex() != 0 ? ReadFixedText(config.szFmcPrefixName[0], 128)
                                                         : std::string());
    UpdateCardPictures();
    UpdateShapes();
    m_Showing = false;
}

bool TFormYarrowgate::FormToConfig(YARROWGATE_CONFIG& config)
{
    config.BoardId = MAINBOARD_YARROWGATE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    config.bVhdl = ComboBoxFileType->ItemIndex() == 1 ? 1 : 0;
    m_Flags.Store(reinterpret_cast<uint8_t*>(&config) + kFlagsAt);
    for (int i = 0; i < TXC_REFCLK_COUNT; ++i) {
        const int code = m_RefClkCombos[i]->ItemIndex();
        config.fTxcRefClkMHz[i] = TxcFreqChoices[code >= 0 && code < kTxcChoiceCount ? code : 0].MHz;
    }
    config.nDdr4SocketDaughterId[0] = SocketCard();
    WriteFixedText(config.szDdr4SocketPrefixName[0], 128, EditPrefixDDR4Socket->Text());
    config.nFmcVoltage = GetFmcVoltageCode();
    config.nFmcDaughterId[0] = FmcCard();
    WriteFixedText(config.szFmcPrefixName[0], 128, EditPrefixFmc->Text());
    return true;
}

DaughterId TFormYarrowgate::SocketCard() const { return SelectedCard(ComboBoxDDR4Socket, m_Config.m_CardIds); }

DaughterId TFormYarrowgate::FmcCard() { return SelectedCard(ComboBoxFmc, GetFmcCardList(GetFmcVoltageCode()).m_CardIds); }

// ---- Display ----------------------------------------------------------------

void TFormYarrowgate::UpdateCardPictures()
{
    ShowCardPicture(ImageDDR4Socket, SocketCard());
    ShowCardPicture(ImageFMC, FmcCard());
}

void TFormYarrowgate::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeDDR4Socket->SetVisible(ComboBoxDDR4Socket->ItemIndex() > 0);
    ShapeFMC->SetVisible(ComboBoxFmc->ItemIndex() > 0);
    const int voltageItem = ComboBoxFmcVol->ItemIndex();
    for (int item = 0; item < 3; ++item) ShapeFmcVol[item]->SetVisible(item == (voltageItem >= 0 ? voltageItem : 0));
    for (TComboBox* combo : m_RefClkCombos) combo->SetEnabled(CheckBoxXcvrClk->Checked());
}

void TFormYarrowgate::AfterCheckBoxClick()
{
    // The user has just unticked the reconfiguration box: the five clocks go
    // back to their defaults. Showing a record changes the box without this.
    if (!m_Showing && m_XcvrTicked && !CheckBoxXcvrClk->Checked()) {
        YARROWGATE_CONFIG& config = Record();
        FormToConfig(config);
        ResetTxcRefClocks(config);
        ConfigToForm(config);
    }
    m_XcvrTicked = CheckBoxXcvrClk->Checked();
}

void TFormYarrowgate::ComboBoxDDR4SocketChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormYarrowgate::ComboBoxFmcChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormYarrowgate::ComboBoxFmcVolChange(TObject*)
{
    FillFmcCardCombo(GetFmcVoltageCode());
    UpdateShapes();
    UpdateCardPictures();
}

void TFormYarrowgate::ButtonSelectAllClick(TObject*)
{
    YARROWGATE_CONFIG& config = Record();
    SetDefaults(config);
    config.bVhdl = 0;
    std::memset(reinterpret_cast<uint8_t*>(&config) + kFlagsAt, 1, 20);  // bClock .. bSfp
    config.bHps = config.bPcieRefClk = config.bXcvrRefClk = 1;
    config.nFmcVoltage = 2;
    config.nDdr4SocketDaughterId[0] = 80;  // "DDR4 SODIMM with ECC"
    config.szDdr4SocketPrefixName[0][0] = 0;
    config.nFmcDaughterId[0] = 0;
    config.szFmcPrefixName[0][0] = 0;
    ConfigToForm(config);
}

// ---- Generate ---------------------------------------------------------------

bool TFormYarrowgate::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId socket = SocketCard();
    if (socket != 0) {
        const std::string prefix = EditPrefixDDR4Socket->Text();
        if (generating) {
            if (!CheckPrefixName(prefix, message)) return false;
            // The module's names with the prefix the run will give them.
            TDaughterBoard module;
            if (socket == kQdr2Module)
                module.LoadQdr2ModuleA10();
            else
                module.LoadDdr4SodimmEcc({.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE,
                                          .ecc = socket == 80, .spdStandard = 40, .addressStandard = 40});
            if (!CheckPrefixFitsConnector(module, prefix, "DDR4 Socket", message)) return false;
        }
    }
    return CheckCardPrefix(FmcCard(), MAINBOARD_YARROWGATE, EditPrefixFmc->Text(), "FMC", generating, message);
}

void TFormYarrowgate::AdjustRecord(YARROWGATE_CONFIG& config)
{
    const uint8_t fmc = config.nFmcDaughterId[0];
    if ((fmc == 40 || fmc == 41) && config.szFmcPrefixName[0][0] == 0)
        WriteFixedText(config.szFmcPrefixName[0], 128, "FMC_");
}

void TFormYarrowgate::DefineBoard(TMainBoard* board, TConfigYarrowgate& object) { CONFIG_YARROWGATE(board, object); }

void TFormYarrowgate::AttachCards(TMainBoard* board, const YARROWGATE_CONFIG& config)
{
    const uint8_t socket = config.nDdr4SocketDaughterId[0];
    if (static_cast<int8_t>(socket) > 0) {
        // The default prefix serves this run only; the record keeps the empty text.
        std::string prefix = ReadFixedText(config.szDdr4SocketPrefixName[0], 128);
        if (prefix.empty()) prefix = socket == kQdr2Module ? "QDRII_" : "DDR4A_";
        if (socket == 79 || socket == 80)
            board->AttachDdr4SodimmEcc(YARROWGATE_SOCKET_MASTER, prefix.c_str(),
                                       {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE,
                                        .ecc = socket == 80, .spdStandard = 40, .addressStandard = 40});
        else if (socket == kQdr2Module)
            board->AttachQdr2ModuleA10(YARROWGATE_SOCKET_MASTER, prefix.c_str());
        else
            PL_ASSERT(!"a card of the socket's list");
    }
    const uint8_t fmc = config.nFmcDaughterId[0];
    if (static_cast<int8_t>(fmc) > 0) {
        const int32_t code = config.nFmcVoltage;
        const IoStandard standard = code == 3 ? kFmcVoltages[1].Standard
                                    : code == 4 ? kFmcVoltages[2].Standard
                                                : kFmcVoltages[0].Standard;
        board->AttachFmcCard(YARROWGATE_FMC_MASTER, fmc, standard,
                             ReadFixedText(config.szFmcPrefixName[0], 128).c_str());
    }
}

bool TFormYarrowgate::Ticked(const char* box) const { return Find<TCheckBox>(box)->Checked(); }

std::string TFormYarrowgate::WarningText() const
{
    std::string text;
    const int socketItem = ComboBoxDDR4Socket->ItemIndex();
    const bool ddr4H = Ticked("CheckBoxDDR4H") && !Ticked("CheckBoxHPS");
    if (Ticked("CheckBoxDDR4B") || ddr4H || socketItem > 0) {
        std::string list;
        if (Ticked("CheckBoxDDR4B") || ddr4H || socketItem == 1 || socketItem == 2) list = "DDR4";
        if (socketItem == 3) list += list.empty() ? "QDRII+" : "/QDRII+";
        text += Format("===== %s Pinloom warning =====\r\n", list.c_str()) +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
                Format("%s signals in the top level entity if they are not in use or add the \r\n", list.c_str()) +
                Format("%s IP to your design.\r\n", list.c_str()) + "\r\n";
    }
    const std::string transceivers = JoinWords({{Ticked("CheckBoxSATA"), "SATA"},
                                                {Ticked("CheckBoxSFP"), "SFP"},
                                                {Ticked("CheckBoxHDMI_TX"), "HDMI_TX"},
                                                {Ticked("CheckBoxHDMI_RX"), "HDMI_RX"},
                                                {Ticked("CheckBoxPCIe"), "PCIe"},
                                                {Ticked("CheckBoxUSBC_DP"), "Displayport"}});
    if (!transceivers.empty())
        text += Format("===== %s  Transceiver Pinloom warning =====\r\n", transceivers.c_str()) +
                "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
                "transceiver signals in the top level entity if they are not in use or add the \r\n" +
                "Transceiver IP to your design.\r\n" + "\r\n";
    if (Ticked("CheckBoxHPS"))
        text += std::string("===== HPS System warning =====\r\n") +
                "To prevent any errors while compiling your Quartus project, \r\n" +
                "please add the HPS IP to your design.\r\n" + "\r\n";
    return text;
}

void TFormYarrowgate::WarnFmcVoltageJumper()
{
    YARROWGATE_CONFIG scratch{};
    FormToConfig(scratch);
    if (scratch.nFmcVoltage != 2)
        seam::Current().MessageBox(seam::BoxKind::Warning,
                                   "You have changed the default voltage level of FMC interface. \nPlease remember to "
                                   "change the jumper position on JP2 accordingly.\n\nWanring:\nThe hardware could be "
                                   "damaged permanently without proper setting of voltage level.");
}

void TFormYarrowgate::AfterSuccess()
{
    // After the success box: the jumper reminder, then the warning text.
    WarnFmcVoltageJumper();
    const std::string text = WarningText();
    if (!text.empty()) seam::ShowInformation(text);
}
