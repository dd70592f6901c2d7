#include "boards/stratix10_agilex/UI_Quillomar.h"

#include <cstring>
#include <iterator>

#include "boards/stratix10_agilex/CONFIG_RENNACRE.h"
#include "boards/stratix10_agilex/QuillomarParts.h"
#include "model/Text.h"

const TQuillomarFpgaPart QuillomarFpgaPartTable[1] = {{"S10", "1SX280HU2F50E1VG", 1}};

const TQuillomarFmcVoltage FmcVoltageTable[3] = {
    {"1.8 V (Default)", 2, 3},  // "1.8 V"
    {"1.5 V", 1, 0},            // "1.5 V"
    {"1.2 V", 0, 40},           // "1.2 V"
};

namespace {

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

// Record bytes 265 (bClock) to 272 (bSystemInfo).
constexpr std::size_t kFlagsAt = 265;
constexpr std::size_t kFlagCount = 8;

const char* const kClockComboNames[TFormQuillomar::kClockCombos] = {
    "ComboBox_DDR4B", "ComboBox_FMC0", "ComboBox_FMC1", "ComboBox_FMCP0",
    "ComboBox_FMCP1", "ComboBox_FMCP2", "ComboBox_LVDS"};
// Layout names are kept by pointer: literals only.
const char* const kClockLabelNames[TFormQuillomar::kClockCombos] = {
    "LabelClock0", "LabelClock1", "LabelClock2", "LabelClock3", "LabelClock4", "LabelClock5", "LabelClock6"};
const char* const kClockMhzNames[TFormQuillomar::kClockCombos] = {
    "LabelClockMhz0", "LabelClockMhz1", "LabelClockMhz2", "LabelClockMhz3",
    "LabelClockMhz4", "LabelClockMhz5", "LabelClockMhz6"};
const char* const kClockLabels[TFormQuillomar::kClockCombos] = {
    "DDR4B_REFCLK_p/n:", "FMC_REFCLK0_p/n:", "FMC_REFCLK1_p/n:", "FMCP_REFCLK0_p/n:",
    "FMCP_REFCLK1_p/n:", "FMCP_REFCLK2_p/n:", "LVDS_REFCLK_p/n"};

// The connectors: the frame's caption, the names of its controls, its master
// and its default prefix.
struct TConnectorControls {
    const char* Frame;
    const char* Caption;
    const char* VoltageCombo;
    const char* OnVoltageChange;
    const char* CardCombo;
    const char* PrefixEdit;
    const char* Image;
    const char* VoltageLabel;
    const char* PrefixLabel;
    const char* Label;
    uint8_t MasterId;
    const char* DefaultPrefix;
};
const TConnectorControls kConnectorControls[TFormQuillomar::kConnectors] = {
    {"GroupBoxFmc", "FMC", "ComboBoxFmcVol", "ComboBoxFmcVolChange", "ComboBoxFMC", "EditFMC", "ImageFMC",
     "LabelVoltage0", "LabelPrefix0", "FMC", RENNACRE_FMC_MASTER, "FMC_"},
    {"GroupBoxFmcp", "FMC+", "ComboBoxFmcpVol", "ComboBoxFmcpVolChange", "ComboBoxFMCP", "EditFMCP", "ImageFMCP",
     "LabelVoltage1", "LabelPrefix1", "FMC+", RENNACRE_FMCP_MASTER, "FMCP_"},
};

// The form (900 x 640): the board picture with the group box "Si5341A" of
// the seven clock combos below it; "System Configuration" and "FMC
// Expansion" on the right.
TFormSpec QuillomarLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMQUILLOMAR",
                                    .Caption = "Quillomar",
                                    .Title = "Quillomar",
                                    .Picture = "QUILLOMAR_PHOTO_BITMAP",
                                    .PictureWidth = QUILLOMAR_PHOTO_WIDTH,
                                    .PictureHeight = QUILLOMAR_PHOTO_HEIGHT,
                                    .Parts = kQuillomarParts,
                                    .PartCount = std::size(kQuillomarParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ClientWidth = 900,
                                    .ClientHeight = 640,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = "GroupBoxSI5340A",
                 .Left = 8,
                 .Top = 374,
                 .Width = 416,
                 .Height = 206,
                 .Caption = "Si5341A"});
    for (int i = 0; i < TFormQuillomar::kClockCombos; ++i) {
        // DDR4B, FMC0, FMC1 and LVDS on the left; the FMC+ clocks on the right.
        const bool right = i >= 3 && i <= 5;
        const int row = right ? i - 3 : i == 6 ? 3 : i;
        const int x = right ? 212 : 10;
        const int y = 20 + 46 * row;
        c.push_back(FrameLabel(kClockLabelNames[i], "GroupBoxSI5340A", x, y, 190, kClockLabels[i]));
        TControlSpec combo = FrameComboBox(kClockComboNames[i], "GroupBoxSI5340A", x, y + 18, 140, nullptr);
        c.push_back(combo);
        c.push_back(FrameLabel(kClockMhzNames[i], "GroupBoxSI5340A", x + 146, y + 22, 40, "MHz"));
    }

    AddSettingsGroup(c, 432, 8, 460, 250,
                     {{"CheckBoxOSC", "CLOCK", "CheckBoxButton", "Button x 2"},
                      {"CheckBoxLED", "LED x 2", "CheckBoxSwitch", "Switch x 2"},
                      {"CheckBoxDDR4A", "DDR4A(FPGA/HPS)", "CheckBoxDDR4B", "DDR4B(FPGA)"},
                      {"CheckBoxSi5341A", "Si5341A", "CheckBoxSystemInfo", "System Info"},
                      {"CheckBoxHPS", "HPS", nullptr, nullptr}});
    c.push_back(FrameLabel("LabelFPGA", "GroupBoxConfig", 12, 188, 96, "Board Type"));
    c.push_back(FrameComboBox("ComboBoxFPGA", "GroupBoxConfig", 110, 184, 338, "ComboBoxFPGAChange"));
    c.push_back(FrameLabel("LabelFileType", "GroupBoxConfig", 12, 218, 96, "Top File Type:"));
    c.push_back(FrameComboBox("ComboBoxFileType", "GroupBoxConfig", 110, 214, 140, nullptr));

    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = "GroupBoxFMC",
                 .Left = 432,
                 .Top = 266,
                 .Width = 460,
                 .Height = 314,
                 .Caption = "FMC Expansion"});
    for (int i = 0; i < TFormQuillomar::kConnectors; ++i) {
        const TConnectorControls& k = kConnectorControls[i];
        c.push_back({.Kind = TControlKind::GroupBox,
                     .Name = k.Frame,
                     .Parent = "GroupBoxFMC",
                     .Left = 8 + 226 * i,
                     .Top = 20,
                     .Width = 218,
                     .Height = 284,
                     .Caption = k.Caption});
        c.push_back(FrameLabel(k.VoltageLabel, k.Frame, 8, 22, 200, "IO Voltage:"));
        c.push_back(FrameComboBox(k.VoltageCombo, k.Frame, 8, 40, 200, k.OnVoltageChange));
        c.push_back(FrameComboBox(k.CardCombo, k.Frame, 8, 74, 200, "ComboBoxFMCChange"));
        c.push_back(FrameLabel(k.PrefixLabel, k.Frame, 8, 106, 200, "Prefix Name:"));
        c.push_back(FrameEdit(k.PrefixEdit, k.Frame, 8, 124, 200));
        c.push_back({.Kind = TControlKind::Image,
                     .Name = k.Image,
                     .Parent = k.Frame,
                     .Left = 8,
                     .Top = 160,
                     .Width = 80,
                     .Height = 80,
                     .Visible = false});
    }
    return spec;
}

}  // namespace

TFormQuillomar::TFormQuillomar(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("S10", false))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxFMCChange", Bind(&TFormQuillomar::ComboBoxFMCChange));
    handlers.emplace_back("ComboBoxFmcVolChange", Bind(&TFormQuillomar::ComboBoxFmcVolChange));
    handlers.emplace_back("ComboBoxFmcpVolChange", Bind(&TFormQuillomar::ComboBoxFmcpVolChange));
    handlers.emplace_back("ComboBoxFPGAChange", Bind(&TFormQuillomar::ComboBoxFPGAChange));
    LoadLayout(QuillomarLayout(), handlers);

    ComboBoxFPGA = Find<TComboBox>("ComboBoxFPGA");
    ComboBoxFileType = Find<TComboBox>("ComboBoxFileType");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxDDR4A = Find<TCheckBox>("CheckBoxDDR4A");
    CheckBoxDDR4B = Find<TCheckBox>("CheckBoxDDR4B");
    CheckBoxSi5341A = Find<TCheckBox>("CheckBoxSi5341A");
    CheckBoxSystemInfo = Find<TCheckBox>("CheckBoxSystemInfo");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    ShapeHPS = Find<TShape>("ShapeHPS");
    ShapeFMC = Find<TShape>("ShapeFMC");
    ShapeFMCP = Find<TShape>("ShapeFMCP");
    for (int i = 0; i < kClockCombos; ++i) {
        m_ClockCombos[i] = Find<TComboBox>(kClockComboNames[i]);
        m_Clock[i].Combo = m_ClockCombos[i];
    }
    m_Clock[0].DefaultItem = TConfig_Rennacre::kDefaultMemChoice;
    for (int i = 0; i < kConnectors; ++i) {
        m_VoltageCombos[i] = Find<TComboBox>(kConnectorControls[i].VoltageCombo);
        m_CardCombos[i] = Find<TComboBox>(kConnectorControls[i].CardCombo);
        m_PrefixEdits[i] = Find<TEdit>(kConnectorControls[i].PrefixEdit);
        m_CardImages[i] = Find<TImage>(kConnectorControls[i].Image);
        m_Voltage[i].Combo = m_VoltageCombos[i];
    }
    ComboBoxFmcVol = m_VoltageCombos[0];
    ComboBoxFMC = m_CardCombos[0];
    EditFMC = m_PrefixEdits[0];
    ImageFMC = m_CardImages[0];
    ComboBoxFmcpVol = m_VoltageCombos[1];
    ComboBoxFMCP = m_CardCombos[1];
    EditFMCP = m_PrefixEdits[1];
    ImageFMCP = m_CardImages[1];
    m_FileType.Combo = ComboBoxFileType;
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxDDR4A", {"ShapeDDR4A"}},
                         {"CheckBoxDDR4B", {"ShapeDDR4B"}},
                         {"CheckBoxSi5341A", {"ShapeSI5341"}},
                         {"CheckBoxSystemInfo", {"ShapeSystemInfo"}}});
    InitialiseSettings({EditFMC, EditFMCP});
}

void TFormQuillomar::FillCardCombos()
{
    ComboBoxFPGA->Clear();
    for (const TQuillomarFpgaPart& row : QuillomarFpgaPartTable)
        ComboBoxFPGA->AddItem(Format("%s(%s)", row.szName, row.szPart));
    ComboBoxFPGA->SetItemIndex(0);
    m_FileType.Fill({"Verilog", "VHDL"});
    m_Clock[0].Fill(TConfig_Rennacre::MemChoiceLabels());
    for (int i = 1; i <= 5; ++i) m_Clock[i].Fill(TConfig_Rennacre::XcvrChoiceLabels());
    m_Clock[6].Fill(TConfig_Rennacre::LvdsChoiceLabels());
    std::vector<std::string> voltages;
    for (const TQuillomarFmcVoltage& voltage : FmcVoltageTable) voltages.push_back(voltage.Item);
    for (int i = 0; i < kConnectors; ++i) {
        m_Voltage[i].Fill(voltages);
        FillFmcCardCombo(i, 0);
    }
    UpdateControlStates();
}

void TFormQuillomar::FillFmcCardCombo(int connector, int32_t voltage)
{
    const TQuillomarFmcVoltage& row = FmcVoltageTable[voltage >= 0 && voltage < 3 ? voltage : 0];
    TConfig_Rennacre& list = m_CardLists[connector];
    list.BuildCardList(connector == 0 ? CONNECTOR_FMC_HPC : CONNECTOR_FMC_PLUS, true, row.Class);
    FillCardCombo(m_CardCombos[connector], list.m_CardCount, list.m_CardIds);
}

int32_t TFormQuillomar::SelectedPartRow() const
{
    const int item = ComboBoxFPGA->ItemIndex();
    return item >= 0 && item < static_cast<int>(std::size(QuillomarFpgaPartTable)) ? item : 0;
}

bool TFormQuillomar::HasHps() const { return QuillomarFpgaPartTable[SelectedPartRow()].bHasHps != 0; }

DaughterId TFormQuillomar::SelectedFmcCard(int connector) const
{
    return SelectedCard(m_CardCombos[connector], m_CardLists[connector].m_CardIds);
}

void TFormQuillomar::SetDefaults(RENNACRE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_RENNACRE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "S10");
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, QuillomarFpgaPartTable[SelectedPartRow()].szPart);
    config.bVhdl = 0;
    std::memset(reinterpret_cast<uint8_t*>(&config) + kFlagsAt, 1, kFlagCount);
    config.bHps = 1;
    config.nDdr4BRefClkSel = TConfig_Rennacre::kDefaultMemChoice;
}

void TFormQuillomar::ConfigToForm(const RENNACRE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ComboBoxFileType->SetItemIndex(config.bVhdl != 0 ? 1 : 0);
    const std::string part = ReadFixedText(config.szFpgaPart, sizeof config.szFpgaPart);
    int row = 0;
    for (int r = static_cast<int>(std::size(QuillomarFpgaPartTable)) - 1; r >= 0; --r)
        if (part == QuillomarFpgaPartTable[r].szPart) row = r;
    ComboBoxFPGA->SetItemIndex(row);
    m_Flags.Show(reinterpret_cast<const uint8_t*>(&config) + kFlagsAt);
    m_Clock[0].Show(config.nDdr4BRefClkSel);
    for (int i = 0; i < 2; ++i) m_Clock[1 + i].Show(config.nFmcRefClkSel[i]);
    for (int i = 0; i < 3; ++i) m_Clock[3 + i].Show(config.nFmcpRefClkSel[i]);
    m_Clock[6].Show(config.nLvdsRefClkSel);
    CheckBoxHPS->SetChecked(config.bHps != 0);
    for (int i = 0; i < kConnectors; ++i) {
        m_Voltage[i].Show(config.nFmcVoltageSel[i]);
        FillFmcCardCombo(i, m_Voltage[i].Item());
        const TConfig_Rennacre& list = m_CardLists[i];
        SelectCard(m_CardCombos[i], list.m_CardCount, list.m_CardIds, config.nFmcDaughterId[i]);
        m_PrefixEdits[i]->SetText(ReadFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i]));
    }
    UpdateCardPictures();
    UpdateShapes();
    UpdateControlStates();
}

bool TFormQuillomar::FormToConfig(RENNACRE_CONFIG& config)
{
    config.BoardId = MAINBOARD_RENNACRE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, QuillomarFpgaPartTable[SelectedPartRow()].szPart);
    config.bVhdl = ComboBoxFileType->ItemIndex() == 1 ? 1 : 0;
    m_Flags.Store(reinterpret_cast<uint8_t*>(&config) + kFlagsAt);
    config.nDdr4BRefClkSel = m_Clock[0].Item();
    for (int i = 0; i < 2; ++i) config.nFmcRefClkSel[i] = m_Clock[1 + i].Item();
    for (int i = 0; i < 3; ++i) config.nFmcpRefClkSel[i] = m_Clock[3 + i].Item();
    config.nLvdsRefClkSel = m_Clock[6].Item();
    config.bHps = HasHps() && CheckBoxHPS->Checked() ? 1 : 0;
    for (int i = 0; i < kConnectors; ++i) {
        config.nFmcVoltageSel[i] = m_Voltage[i].Item();
        config.nFmcDaughterId[i] = SelectedFmcCard(i);
        WriteFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i], m_PrefixEdits[i]->Text());
    }
    return true;
}

void TFormQuillomar::UpdateCardPictures()
{
    for (int i = 0; i < kConnectors; ++i) ShowCardPicture(m_CardImages[i], SelectedFmcCard(i));
}

void TFormQuillomar::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeHPS->SetVisible(HasHps() && CheckBoxHPS->Checked());
    ShapeFMC->SetVisible(ComboBoxFMC->ItemIndex() > 0);
    ShapeFMCP->SetVisible(ComboBoxFMCP->ItemIndex() > 0);
}

void TFormQuillomar::UpdateControlStates()
{
    const bool si5341a = CheckBoxSi5341A->Checked();
    const bool fmc = si5341a && ComboBoxFMC->ItemIndex() > 0;
    const bool fmcp = si5341a && ComboBoxFMCP->ItemIndex() > 0;
    m_ClockCombos[0]->SetEnabled(si5341a && CheckBoxDDR4B->Checked());
    for (int i = 1; i <= 2; ++i) m_ClockCombos[i]->SetEnabled(fmc);
    for (int i = 3; i <= 5; ++i) m_ClockCombos[i]->SetEnabled(fmcp);
    m_ClockCombos[6]->SetEnabled(si5341a && CheckBoxOSC->Checked());
    CheckBoxHPS->SetVisible(HasHps());
}

void TFormQuillomar::ApplyFmcVoltage(int connector)
{
    FillFmcCardCombo(connector, m_Voltage[connector].Item());
    UpdateControlStates();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormQuillomar::ComboBoxFMCChange(TObject*)
{
    UpdateControlStates();
    UpdateCardPictures();
    UpdateShapes();
}

void TFormQuillomar::ComboBoxFmcVolChange(TObject*) { ApplyFmcVoltage(0); }
void TFormQuillomar::ComboBoxFmcpVolChange(TObject*) { ApplyFmcVoltage(1); }

void TFormQuillomar::ComboBoxFPGAChange(TObject*)
{
    UpdateControlStates();
    UpdateShapes();
}

bool TFormQuillomar::ValidateBoard(bool generating, std::string& message)
{
    for (int i = 0; i < kConnectors; ++i) {
        const DaughterId card = SelectedFmcCard(i);
        std::string prefix = m_PrefixEdits[i]->Text();
        // A generation names the standard pin namings with the default prefix.
        if (prefix.empty() && IsFmcStandardCard(card)) prefix = kConnectorControls[i].DefaultPrefix;
        if (!CheckCardPrefix(card, MAINBOARD_RENNACRE, prefix, kConnectorControls[i].Label, generating, message))
            return false;
    }
    return true;
}

void TFormQuillomar::AdjustRecord(RENNACRE_CONFIG& config)
{
    for (int i = 0; i < kConnectors; ++i)
        if (config.szFmcPrefixName[i][0] == 0 && IsFmcStandardCard(config.nFmcDaughterId[i]))
            WriteFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i], kConnectorControls[i].DefaultPrefix);
}

void TFormQuillomar::DefineBoard(TMainBoard* board, TConfig_Rennacre& object) { CONFIG_RENNACRE(board, object); }

void TFormQuillomar::AttachCards(TMainBoard* board, const RENNACRE_CONFIG& config)
{
    for (int i = 0; i < kConnectors; ++i) {
        if (!TConfig_Rennacre::CarriesCard(config.nFmcDaughterId[i])) continue;
        const int32_t voltage = config.nFmcVoltageSel[i];
        const IoStandard standard = FmcVoltageTable[voltage >= 0 && voltage < 3 ? voltage : 0].Standard;
        board->AttachFmcCard(kConnectorControls[i].MasterId, config.nFmcDaughterId[i], standard,
                             ReadFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i]).c_str());
    }
}

std::string TFormQuillomar::IpNotices()
{
    return CheckBoxDDR4A->Checked() || CheckBoxDDR4B->Checked() ? MemoryIpNotice("DDR4") : std::string();
}
