#include "boards/stratix10_agilex/UI_Ashcombre.h"

#include <cstring>
#include <iterator>

#include "boards/frame/BoardFormSi5340.h"
#include "boards/stratix10_agilex/AshcombreParts.h"
#include "boards/stratix10_agilex/BoardFormStratix10Agilex.h"
#include "boards/stratix10_agilex/CONFIG_ASHCOMBRE.h"
#include "model/Text.h"

const char* const AshcombreFpgaParts[2] = {"AGFB014R24B2E2V", "AGFB014R24B1E1V"};

namespace {

using ASHCOMBRE_CONFIG = TConfigAshcombre::ASHCOMBRE_CONFIG;

TFormSpec AshcombreLayout()
{
    TFormSpec spec{.Name = "TFORMASHCOMBRE", .Caption = "Ashcombre", .ClientWidth = 1000, .ClientHeight = 600,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    c.push_back(FrameButton("ButtonMainBoardSelect", 8, 8, 160, "Change Main Board", "ButtonMainBoardSelectClick"));
    AddBoardPanel(c, 8, 44, "Ashcombre FPGA Board", "ASHCOMBRE_PHOTO_BITMAP", ASHCOMBRE_PHOTO_WIDTH,
                  ASHCOMBRE_PHOTO_HEIGHT, kAshcombreParts, std::size(kAshcombreParts));

    AddSystemConfiguration(c, 436, 8, 556, 310,
                           {{"CheckBoxOSC", "CLOCK"},
                            {"CheckBoxButton", "Button x 2"},
                            {"CheckBoxLED", "LED x 8"},
                            {"CheckBoxSwitch", "Switch x 2"},
                            {"CheckBoxSystemInfo", "System Information"},
                            {"CheckBoxUART", "UART"},
                            {"CheckBoxGPIO2x5", "2x5 GPIO Header"},
                            {"CheckBoxUFL", "UFL Connector"},
                            {"CheckBoxPCIe", "PCI Express"},
                            {"CheckBoxQSFPDD_A", "QSFPDD A"},
                            {"CheckBoxQSFPDD_B", "QSFPDD B"},
                            {"CheckBoxUserQspiFlash", "User QSPI Flash"},
                            {"CheckBoxDDR4_A", "DDR4 A"},
                            {"CheckBoxDDR4_B", "DDR4 B"},
                            {"CheckBoxDDR4_C", "DDR4 C"},
                            {"CheckBoxDDR4_D", "DDR4 D"}},
                           8);

    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxDdr4", .Left = 436, .Top = 326, .Width = 180,
                 .Height = 96, .Caption = "DDR4 SODIMM"});
    c.push_back(FrameLabel("LabelRank", "GroupBoxDdr4", 10, 22, 150, "SODIMM RANK"));
    c.push_back(FrameComboBox("ComboBoxDdr4Rank", "GroupBoxDdr4", 10, 42, 150, nullptr));

    const char* si5397a = "GroupBoxSi5397A";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = si5397a, .Left = 624, .Top = 326, .Width = 368,
                 .Height = 150, .Caption = "Si5397A"});
    AddClockCombo(c, si5397a, 18, "LabelRefClk0", "LabelMhz0", "QSFPDDA_REFCLK_p", "ComboBox_QDFPDD_REFCLK_0", nullptr);
    AddClockCombo(c, si5397a, 62, "LabelRefClk1", "LabelMhz1", "QSFPDDB_REFCLK_p", "ComboBox_QDFPDD_REFCLK_1", nullptr);
    AddClockCombo(c, si5397a, 106, "LabelRefClk2", "LabelMhz2", "QSFPDDRSV_REFCLK_p", "ComboBox_QDFPDD_REFCLK_2",
                  nullptr);
    c.push_back(FrameLabel("LabelSource0", si5397a, 190, 18, 170, "CLK_from_Si55397A[0]"));
    c.push_back(FrameComboBox("CombComboBox_Si5397A0", si5397a, 190, 34, 150, nullptr));
    c.push_back(FrameLabel("LabelSource1", si5397a, 190, 62, 170, "CLK_from_Si55397A[1]"));
    c.push_back(FrameComboBox("CombComboBox_Si5397A1", si5397a, 190, 78, 150, nullptr));

    AddFrameButtons(c, 8, 560, TButtonCaptions::AllPlain, true, true);
    // This form names its "Default Setting" button after the record it resets.
    for (TControlSpec& control : c)
        if (std::strcmp(control.Name, "ButtonDefaultSetting") == 0) {
            control.Name = "Button_Default_Config";
            control.OnClick = "Button_Default_ConfigClick";
        }
    c.push_back(FrameButton("Button2", 558, 560, 104, "Select All", nullptr));
    return spec;
}

}  // namespace

TFormAshcombre::TFormAshcombre(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("Ashcombre", false))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("Button_Default_ConfigClick", Bind(&TFrameBoardForm::ButtonDefaultSettingClick));
    handlers.emplace_back("ComboBoxFPGAChange", Bind(&TFormAshcombre::ComboBoxFPGAChange));
    LoadLayout(AshcombreLayout(), handlers);

    ComboBoxFPGA = Find<TComboBox>("ComboBoxFPGA");
    ComboBoxFileType = Find<TComboBox>("ComboBoxFileType");
    for (int i = 0; i < 4; ++i) CheckBoxDDR4[i] = Find<TCheckBox>(Format("CheckBoxDDR4_%c", 'A' + i));
    CheckBoxPCIe = Find<TCheckBox>("CheckBoxPCIe");
    CheckBoxQSFPDD[0] = Find<TCheckBox>("CheckBoxQSFPDD_A");
    CheckBoxQSFPDD[1] = Find<TCheckBox>("CheckBoxQSFPDD_B");
    CheckBoxUserQspiFlash = Find<TCheckBox>("CheckBoxUserQspiFlash");
    ComboBoxDdr4Rank = Find<TComboBox>("ComboBoxDdr4Rank");
    ComboBox_QDFPDD_REFCLK_0 = Find<TComboBox>("ComboBox_QDFPDD_REFCLK_0");
    ComboBox_QDFPDD_REFCLK_1 = Find<TComboBox>("ComboBox_QDFPDD_REFCLK_1");
    ComboBox_QDFPDD_REFCLK_2 = Find<TComboBox>("ComboBox_QDFPDD_REFCLK_2");
    CombComboBox_Si5397A0 = Find<TComboBox>("CombComboBox_Si5397A0");
    CombComboBox_Si5397A1 = Find<TComboBox>("CombComboBox_Si5397A1");
    Button_Default_Config = Find<TButton>("Button_Default_Config");
    Button2 = Find<TButton>("Button2");
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED", "ShapeLedBracket"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxSystemInfo", {"ShapeSystemInfo"}},
                         {"CheckBoxUFL", {"ShapeUFL"}},
                         {"CheckBoxPCIe", {"ShapePCIe"}},
                         {"CheckBoxGPIO2x5", {"ShapeGPIO2x5"}},
                         {"CheckBoxUART", {"ShapeUART"}},
                         {"CheckBoxUserQspiFlash", {"ShapeUserQspiFlash"}},
                         {"CheckBoxDDR4_A", {"ShapeDDR4Socket_A"}},
                         {"CheckBoxDDR4_B", {"ShapeDDR4Socket_B"}},
                         {"CheckBoxDDR4_C", {"ShapeDDR4Socket_C"}},
                         {"CheckBoxDDR4_D", {"ShapeDDR4Socket_D"}}});
    m_QsfpddFlags.Bind(*this, {{"CheckBoxQSFPDD_A", {"ShapeQSFPDD_A"}}, {"CheckBoxQSFPDD_B", {"ShapeQSFPDD_B"}}});
    m_RefClk[0].Combo = ComboBox_QDFPDD_REFCLK_0;
    m_RefClk[1].Combo = ComboBox_QDFPDD_REFCLK_1;
    m_IoSource[0].Combo = CombComboBox_Si5397A0;
    m_IoSource[1].Combo = CombComboBox_Si5397A1;
    for (TChoiceCombo& combo : m_RefClk) combo.DefaultItem = TConfigAshcombre::kDefaultRefClkChoice;
    for (TChoiceCombo& combo : m_IoSource) combo.DefaultItem = TConfigAshcombre::kDefaultIoClockSource;
    CheckBoxUserQspiFlash->SetVisible(false);
    InitialiseSettings();
}

void TFormAshcombre::FillCardCombos()
{
    FillPartCombo(ComboBoxFPGA, std::vector<std::string>(std::begin(AshcombreFpgaParts), std::end(AshcombreFpgaParts)));
    FillFileTypeCombo(ComboBoxFileType);
    std::vector<std::string> refClk, sources;
    for (int32_t choice = 0; choice < TConfigAshcombre::GetRefClkChoiceCount(); ++choice)
        refClk.push_back(TConfigAshcombre::RefClkChoiceLabel(choice));
    for (int32_t source = 0; source < TConfigAshcombre::GetIoClockSourceCount(); ++source)
        sources.push_back(TConfigAshcombre::IoClockSourceLabel(source));
    for (TChoiceCombo& combo : m_RefClk) combo.Fill(refClk);
    ComboBox_QDFPDD_REFCLK_2->Clear();
    ComboBox_QDFPDD_REFCLK_2->AddItem("Disable");
    ComboBox_QDFPDD_REFCLK_2->AddItem("156.25");
    ComboBox_QDFPDD_REFCLK_2->SetItemIndex(0);
    for (TChoiceCombo& combo : m_IoSource) combo.Fill(sources);
    FillRankCombo();
    UpdateComboEnables();
}

void TFormAshcombre::FillRankCombo()
{
    ComboBoxDdr4Rank->Clear();
    ComboBoxDdr4Rank->AddItem("Single Rank");
    ComboBoxDdr4Rank->AddItem("Dual Rank");
    ComboBoxDdr4Rank->SetItemIndex(0);
}

void TFormAshcombre::SetDefaults(ASHCOMBRE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_ASHCOMBRE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Ashcombre");
    const int row = ComboBoxFPGA->ItemIndex();
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, AshcombreFpgaParts[row == 1 ? 1 : 0]);
    config.bClock = config.bLed = config.bButton = config.bSwitch = config.bSystemInfo = config.bUfl = config.bPcie =
        config.bGpio2x5 = config.bUart = 1;
    for (uint8_t& socket : config.bDdr4Socket) socket = 1;
    for (int32_t& choice : config.nQsfpddRefClk) choice = TConfigAshcombre::kDefaultRefClkChoice;
    config.bQsfpdd[0] = config.bQsfpdd[1] = 1;
}

void TFormAshcombre::ConfigToForm(const ASHCOMBRE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ComboBoxFileType->SetItemIndex(config.bVhdlTopFile ? 1 : 0);
    ComboBoxFPGA->SetItemIndex(PartRow(ComboBoxFPGA, ReadFixedText(config.szFpgaPart, sizeof config.szFpgaPart)));
    m_Flags.Show(&config.bClock);
    m_QsfpddFlags.Show(config.bQsfpdd);
    ComboBoxDdr4Rank->SetItemIndex(config.bDdr4DualRank ? 1 : 0);
    for (int i = 0; i < 2; ++i) {
        m_RefClk[i].Show(config.nQsfpddRefClk[i]);
        m_IoSource[i].Show(config.nIoClockSource[i]);
    }
    ComboBox_QDFPDD_REFCLK_2->SetItemIndex(config.bQsfpddRsvRefClk ? 1 : 0);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormAshcombre::FormToConfig(ASHCOMBRE_CONFIG& config)
{
    config.BoardId = MAINBOARD_ASHCOMBRE;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    const int row = ComboBoxFPGA->ItemIndex();
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, AshcombreFpgaParts[row == 1 ? 1 : 0]);
    config.bVhdlTopFile = ComboBoxFileType->ItemIndex() == 1 ? 1 : 0;
    m_Flags.Store(&config.bClock);
    m_QsfpddFlags.Store(config.bQsfpdd);
    for (int i = 0; i < 2; ++i) {
        config.nQsfpddRefClk[i] = m_RefClk[i].Item();
        config.nIoClockSource[i] = m_IoSource[i].Item();
    }
    config.bQsfpddRsvRefClk = ComboBox_QDFPDD_REFCLK_2->ItemIndex() > 0 ? 1 : 0;
    config.bDdr4DualRank = ComboBoxDdr4Rank->ItemIndex() == 1 ? 1 : 0;
    return true;
}

void TFormAshcombre::UpdateShapes()
{
    m_Flags.UpdateShapes();
    m_QsfpddFlags.UpdateShapes();
}

void TFormAshcombre::UpdateComboEnables()
{
    bool anySocket = false;
    for (TCheckBox* box : CheckBoxDDR4) anySocket = anySocket || box->Checked();
    ComboBoxDdr4Rank->SetEnabled(anySocket);
    ComboBox_QDFPDD_REFCLK_0->SetEnabled(CheckBoxQSFPDD[0]->Checked());
    ComboBox_QDFPDD_REFCLK_1->SetEnabled(CheckBoxQSFPDD[1]->Checked());
    ComboBox_QDFPDD_REFCLK_2->SetEnabled(CheckBoxQSFPDD[0]->Checked() || CheckBoxQSFPDD[1]->Checked());
}

void TFormAshcombre::ComboBoxFPGAChange(TObject*)
{
    if (!m_HandledFpga.TakeNew(ComboBoxFPGA)) return;
    UpdateCardPictures();
    UpdateComboEnables();
}

void TFormAshcombre::DefineBoard(TMainBoard* board, TConfigAshcombre& object) { CONFIG_ASHCOMBRE(board, object); }

void TFormAshcombre::AttachCards(TMainBoard* board, const ASHCOMBRE_CONFIG& config)
{
    if (!m_Config.HasDdr4Module()) return;
    for (int i = 0; i < 4; ++i) {
        if (!config.bDdr4Socket[i]) continue;
        board->AttachDdr4SodimmEcc(static_cast<uint8_t>(ASHCOMBRE_SOCKET_A_MASTER + i),
                                   Format("DDR4%c_", 'A' + i).c_str(),
                                   {.naming = config.bDdr4DualRank ? Ddr4Naming::DualRank : Ddr4Naming::SingleRank,
                                    .boardId = MAINBOARD_ASHCOMBRE,
                                    .ecc = true,
                                    .spdStandard = 40,
                                    .addressStandard = 40});
    }
}

std::string TFormAshcombre::IpNotices()
{
    std::string text;
    if (m_Config.HasDdr4Module()) text += MemoryIpNotice("DDR4-SDRAM");
    const bool anyQsfpdd = CheckBoxQSFPDD[0]->Checked() || CheckBoxQSFPDD[1]->Checked();
    const std::string transceivers = JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {anyQsfpdd, "QSFPDD"}});
    if (!transceivers.empty()) text += TransceiverIpNotice(transceivers, "Intel FPGA");
    return text;
}
