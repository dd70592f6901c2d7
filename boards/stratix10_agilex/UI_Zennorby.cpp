#include "boards/stratix10_agilex/UI_Zennorby.h"

#include <cstring>
#include <iterator>
#include <stdexcept>

#include "boards/frame/BoardFormSi5340.h"
#include "boards/stratix10_agilex/BoardFormStratix10Agilex.h"
#include "boards/stratix10_agilex/CONFIG_ZENNORBY.h"
#include "boards/stratix10_agilex/ZennorbyParts.h"
#include "model/Names.h"
#include "model/Text.h"
#include "platform/Seam.h"

const TZennorbyFpgaPart ZennorbyFpgaPartTable[7] = {
    {0, "revE SX, 1SX280HU2F50E1VG", true, true},   {1, "revD GX, 1SG280HU1F50E1VG", true, false},
    {2, "revD SX, 1SX280HU2F50E1VG", true, true},   {3, "revC GX, 1SG280HU2F50E2VG", false, false},
    {4, "revC GX, 1SG165HU2F50E2VG", false, false}, {5, "revC SX, 1SX280LU2F50E1VG", true, true},
    {6, "revB GX, 1SG280LU2F50E1VG", true, false},
};

namespace {

using ZENNORBY_CONFIG = TConfigZennorby::ZENNORBY_CONFIG;

constexpr uint8_t kDdr4Module = 80;  // DDR4 SODIMM with ECC: the default of every socket
// The part whose socket A runs its memory at 266.667 MHz, whatever is chosen.
constexpr int kFixedSocketAPart = 2;
constexpr int32_t kFixedSocketAChoice = 2;
// The memory choices of the DDR4 defaults.
constexpr int32_t kMem166M667 = 4;
constexpr int32_t kMem300M = 0;

int32_t DdrDefaultChoice(const TZennorbyFpgaPart& part) { return part.bMemRefClk166M667 ? kMem166M667 : kMem300M; }

TFormSpec ZennorbyLayout()
{
    TFormSpec spec{.Name = "TFORMZENNORBY", .Caption = "Zennorby", .ClientWidth = 1080, .ClientHeight = 680,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    c.push_back(FrameButton("ButtonMainBoardSelect", 8, 8, 160, "Change Main Board", "ButtonMainBoardSelectClick"));
    AddBoardPanel(c, 8, 44, "Zennorby FPGA Board", "ZENNORBY_PHOTO_BITMAP", ZENNORBY_PHOTO_WIDTH,
                  ZENNORBY_PHOTO_HEIGHT, kZennorbyParts, std::size(kZennorbyParts));

    // The two clock generators below the picture.
    const int groupsTop = 44 + ZENNORBY_PHOTO_HEIGHT + 50;
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340A0", .Left = 8, .Top = groupsTop,
                 .Width = 206, .Height = 180, .Caption = "Si5340A0"});
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340A1", .Left = 220, .Top = groupsTop,
                 .Width = 204, .Height = 180, .Caption = "Si5340A1"});
    struct TClockRow {
        const char* Group;
        const char* Label;
        const char* Combo;
    };
    static const TClockRow kClocks[8] = {
        {"GroupBoxSi5340A0", "QSFP28A_REFCLK_p/n:", "ComboBox_QSFP28A"},
        {"GroupBoxSi5340A0", "QSFP28D_REFCLK_p/n:", "ComboBox_QSFP28D"},
        {"GroupBoxSi5340A0", "DDR4A_REFCLK_p/n:", "ComboBox_DDR4A"},
        {"GroupBoxSi5340A0", "DDR4B_REFCLK_p/n:", "ComboBox_DDR4B"},
        {"GroupBoxSi5340A1", "QSFP28B_REFCLK_p/n:", "ComboBox_QSFP28B"},
        {"GroupBoxSi5340A1", "QSFP28C_REFCLK_p/n:", "ComboBox_QSFP28C"},
        {"GroupBoxSi5340A1", "DDR4C_REFCLK_p/n:", "ComboBox_DDR4C"},
        {"GroupBoxSi5340A1", "DDR4D_REFCLK_p/n:", "ComboBox_DDR4D"},
    };
    static const char* const kLabelNames[8][2] = {
        {"LabelClock0", "LabelMhz0"}, {"LabelClock1", "LabelMhz1"}, {"LabelClock2", "LabelMhz2"},
        {"LabelClock3", "LabelMhz3"}, {"LabelClock4", "LabelMhz4"}, {"LabelClock5", "LabelMhz5"},
        {"LabelClock6", "LabelMhz6"}, {"LabelClock7", "LabelMhz7"}};
    for (int i = 0; i < 8; ++i)
        AddClockCombo(c, kClocks[i].Group, 18 + 40 * (i % 4), kLabelNames[i][0], kLabelNames[i][1], kClocks[i].Label,
                      kClocks[i].Combo, nullptr);

    AddSystemConfiguration(c, 436, 8, 636, 262,
                           {{"CheckBoxOSC", "CLOCK"},
                            {"CheckBoxLED", "LED x 4"},
                            {"CheckBoxButton", "Button x 2"},
                            {"CheckBoxSwitch", "Switch x 2"},
                            {"CheckBoxPower", "Power Monitor"},
                            {"CheckBoxFan", "Fan Control"},
                            {"CheckBoxTemperature", "Temperatrure "},
                            {"CheckBoxGPIO2x5", "2x5 GPIO Header"},
                            {"CheckBoxFlash", "CFI Parallel Flash"},
                            {"CheckBoxUFL", "UFL Connector"},
                            {"CheckBoxPCIe", "PCI Express"},
                            {"CheckBoxHPS", "HPS"},
                            {"CheckBoxQSFP28_A", "QSFP28 A"},
                            {"CheckBoxQSFP28_B", "QSFP28 B"},
                            {"CheckBoxQSFP28_C", "QSFP28 C"},
                            {"CheckBoxQSFP28_D", "QSFP28 D"}},
                           6);

    // The four memory sockets, two to a row.
    const char* sockets = "GroupBoxSockets";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = sockets, .Left = 436, .Top = 278, .Width = 636,
                 .Height = 354, .Caption = "DDR4 SODIMM Socket"});
    struct TSocketControls {
        const char* Caption;
        const char* Label;
        const char* Combo;
        const char* Image;
        const char* PrefixLabel;
        const char* Prefix;
    };
    static const TSocketControls kSockets[4] = {
        {"DDR4 Socket - A", "LabelDDR4Socket_A", "ComboBoxDDR4Socket_A", "ImageDDR4Socket_A",
         "LabelPrefixDDR4Socket_A", "EditPrefixDDR4Socket_A"},
        {"DDR4 Socket - B", "LabelDDR4Socket_B", "ComboBoxDDR4Socket_B", "ImageDDR4Socket_B",
         "LabelPrefixDDR4Socket_B", "EditPrefixDDR4Socket_B"},
        {"DDR4 Socket- C", "LabelDDR4Socket_C", "ComboBoxDDR4Socket_C", "ImageDDR4Socket_C",
         "LabelPrefixDDR4Socket_C", "EditPrefixDDR4Socket_C"},
        {"DDR4 Socket - D", "LabelDDR4Socket_D", "ComboBoxDDR4Socket_D", "ImageDDR4Socket_D",
         "LabelPrefixDDR4Socket_D", "EditPrefixDDR4Socket_D"},
    };
    for (int i = 0; i < 4; ++i) {
        const TSocketControls& socket = kSockets[i];
        const int x = 10 + 314 * (i % 2);
        const int y = 20 + 150 * (i / 2);
        c.push_back(FrameLabel(socket.Label, sockets, x, y, 200, socket.Caption, true));
        c.push_back(FrameComboBox(socket.Combo, sockets, x, y + 22, 210, "ComboBoxDDR4Socket_AChange"));
        c.push_back({.Kind = TControlKind::Image, .Name = socket.Image, .Parent = sockets, .Left = x + 218,
                     .Top = y + 6, .Width = 80, .Height = 80, .Visible = false});
        c.push_back(FrameLabel(socket.PrefixLabel, sockets, x, y + 62, 90, "Prefix Name:"));
        c.push_back(FrameEdit(socket.Prefix, sockets, x + 92, y + 58, 118));
    }
    for (TControlSpec preset :
         {FrameButton("Button_DDR4_Config", 10, 314, 130, "DDR4 Setting", "Button_DDR4_ConfigClick"),
          FrameButton("Button_QDR2_Config", 146, 314, 130, "QDR-II+ Setting", "Button_QDR2_ConfigClick"),
          FrameButton("Button_QDR4_Config", 282, 314, 130, "QDR-IV Setting", "Button_QDR4_ConfigClick")}) {
        preset.Parent = sockets;
        c.push_back(preset);
    }

    AddFrameButtons(c, 8, 640, TButtonCaptions::AllPlain, false);
    TControlSpec hsmc = FrameButton("Button1", 448, 640, 80, "HSMC", "Button1Click");
    hsmc.Visible = false;
    c.push_back(hsmc);
    return spec;
}

}  // namespace

TFormZennorby::TFormZennorby(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("Zennorby", false))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxFPGAChange", Bind(&TFormZennorby::ComboBoxFPGAChange));
    handlers.emplace_back("ComboBoxDDR4Socket_AChange", Bind(&TFormZennorby::ComboBoxDDR4Socket_AChange));
    handlers.emplace_back("Button_DDR4_ConfigClick", Bind(&TFormZennorby::Button_DDR4_ConfigClick));
    handlers.emplace_back("Button_QDR2_ConfigClick", Bind(&TFormZennorby::Button_QDR2_ConfigClick));
    handlers.emplace_back("Button_QDR4_ConfigClick", Bind(&TFormZennorby::Button_QDR4_ConfigClick));
    handlers.emplace_back("Button1Click", Bind(&TFormZennorby::Button1Click));
    LoadLayout(ZennorbyLayout(), handlers);

    ComboBoxFPGA = Find<TComboBox>("ComboBoxFPGA");
    ComboBoxFileType = Find<TComboBox>("ComboBoxFileType");
    CheckBoxHPS = Find<TCheckBox>("CheckBoxHPS");
    CheckBoxPCIe = Find<TCheckBox>("CheckBoxPCIe");
    ShapeHPS = Find<TShape>("ShapeHPS");
    for (int i = 0; i < 4; ++i) {
        const char letter = static_cast<char>('A' + i);
        CheckBoxQSFP28[i] = Find<TCheckBox>(Format("CheckBoxQSFP28_%c", letter));
        ComboBox_QSFP28[i] = Find<TComboBox>(Format("ComboBox_QSFP28%c", letter));
        ComboBox_DDR4[i] = Find<TComboBox>(Format("ComboBox_DDR4%c", letter));
        ComboBoxDDR4Socket[i] = Find<TComboBox>(Format("ComboBoxDDR4Socket_%c", letter));
        EditPrefixDDR4Socket[i] = Find<TEdit>(Format("EditPrefixDDR4Socket_%c", letter));
        ImageDDR4Socket[i] = Find<TImage>(Format("ImageDDR4Socket_%c", letter));
        ShapeDDR4Socket[i] = Find<TShape>(Format("ShapeDDR4Socket_%c", letter));
        m_Qsfp28RefClk[i].Combo = ComboBox_QSFP28[i];
        m_MemRefClk[i].Combo = ComboBox_DDR4[i];
    }
    Button_DDR4_Config = Find<TButton>("Button_DDR4_Config");
    Button_QDR2_Config = Find<TButton>("Button_QDR2_Config");
    Button_QDR4_Config = Find<TButton>("Button_QDR4_Config");
    Button1 = Find<TButton>("Button1");
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxFan", {"ShapeFan"}},
                         {"CheckBoxTemperature", {"ShapeTemperature"}},
                         {"CheckBoxPower", {"ShapePower12V", "ShapePowerCore"}},
                         {"CheckBoxFlash", {"ShapeFlash"}},
                         {"CheckBoxUFL", {"ShapeUFL"}},
                         {"CheckBoxPCIe", {"ShapePCIe"}},
                         {"CheckBoxGPIO2x5", {"ShapeGPIO2x5"}}});
    m_Qsfp28Flags.Bind(*this, {{"CheckBoxQSFP28_A", {"ShapeQSFP28_A"}},
                               {"CheckBoxQSFP28_B", {"ShapeQSFP28_B"}},
                               {"CheckBoxQSFP28_C", {"ShapeQSFP28_C"}},
                               {"CheckBoxQSFP28_D", {"ShapeQSFP28_D"}}});
    InitialiseSettings({EditPrefixDDR4Socket[0], EditPrefixDDR4Socket[1], EditPrefixDDR4Socket[2],
                        EditPrefixDDR4Socket[3]});
}

const TZennorbyFpgaPart& TFormZennorby::SelectedPart() const
{
    const int row = ComboBoxFPGA->ItemIndex();
    return ZennorbyFpgaPartTable[row >= 0 && row < static_cast<int>(std::size(ZennorbyFpgaPartTable)) ? row : 0];
}

uint8_t TFormZennorby::SocketModule(int socket) const
{
    return SelectedCard(ComboBoxDDR4Socket[socket], m_Config.m_CardIds);
}

void TFormZennorby::FillCardCombos()
{
    std::vector<std::string> parts;
    for (const TZennorbyFpgaPart& part : ZennorbyFpgaPartTable) parts.push_back(part.szName);
    FillPartCombo(ComboBoxFPGA, parts);
    FillFileTypeCombo(ComboBoxFileType);
    std::vector<std::string> qsfp, mem;
    for (int32_t choice = 0; choice < TConfigZennorby::GetRefClkChoiceCount(); ++choice) {
        qsfp.push_back(TConfigZennorby::Qsfp28ChoiceLabel(choice));
        mem.push_back(TConfigZennorby::MemChoiceLabel(choice));
    }
    for (TChoiceCombo& combo : m_Qsfp28RefClk) combo.Fill(qsfp);
    FillSocketCombos();
    for (TChoiceCombo& combo : m_MemRefClk) combo.Fill(mem);
    UpdatePartDependentControls();
}

void TFormZennorby::FillSocketCombos()
{
    m_Config.BuildCardList(CONNECTOR_DDR4_IF_ECC_S10, false, 3);
    for (TComboBox* combo : ComboBoxDDR4Socket) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormZennorby::SetDefaults(ZENNORBY_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_ZENNORBY;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Zennorby");
    const TZennorbyFpgaPart& part = SelectedPart();
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, part.szName);
    std::memset(&config.bClock, 1, &config.bHps - &config.bClock + 1);
    for (int i = 0; i < 4; ++i) {
        config.bQsfp28[i] = 1;
        config.nMemoryModuleId[i] = kDdr4Module;
        WriteFixedText(config.szMemoryPrefixName[i], sizeof config.szMemoryPrefixName[i], Format("DDR4%c_", 'A' + i));
        config.nMemRefClk[i] = DdrDefaultChoice(part);
    }
}

void TFormZennorby::ConfigToForm(const ZENNORBY_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    ComboBoxFileType->SetItemIndex(config.bVhdl ? 1 : 0);
    ComboBoxFPGA->SetItemIndex(PartRow(ComboBoxFPGA, ReadFixedText(config.szFpgaPart, sizeof config.szFpgaPart)));
    m_Flags.Show(&config.bClock);
    CheckBoxHPS->SetChecked(config.bHps != 0);
    m_Qsfp28Flags.Show(config.bQsfp28);
    // A choice outside its list shows the item of the defaults.
    const int32_t memDefault = DdrDefaultChoice(SelectedPart());
    for (int i = 0; i < 4; ++i) {
        m_Qsfp28RefClk[i].Show(config.nQsfp28RefClk[i]);
        m_MemRefClk[i].DefaultItem = memDefault;
        m_MemRefClk[i].Show(config.nMemRefClk[i]);
    }
    // A module the socket list lacks leaves the socket's combo as it was; the
    // prefix edit shows the record's prefix while the combo shows a module.
    for (int i = 0; i < 4; ++i)
        ShowCardAndPrefix(ComboBoxDDR4Socket[i], EditPrefixDDR4Socket[i], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nMemoryModuleId[i], config.szMemoryPrefixName[i],
                          sizeof config.szMemoryPrefixName[i]);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormZennorby::FormToConfig(ZENNORBY_CONFIG& config)
{
    config.BoardId = MAINBOARD_ZENNORBY;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    const TZennorbyFpgaPart& part = SelectedPart();
    WriteFixedText(config.szFpgaPart, sizeof config.szFpgaPart, part.szName);
    config.bVhdl = ComboBoxFileType->ItemIndex() == 1 ? 1 : 0;
    m_Flags.Store(&config.bClock);
    m_Qsfp28Flags.Store(config.bQsfp28);
    for (int i = 0; i < 4; ++i) {
        config.nQsfp28RefClk[i] = m_Qsfp28RefClk[i].Item();
        config.nMemRefClk[i] = m_MemRefClk[i].Item();
    }
    config.bHps = part.bHasHps && CheckBoxHPS->Checked() ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        config.nMemoryModuleId[i] = SocketModule(i);
        WriteFixedText(config.szMemoryPrefixName[i], sizeof config.szMemoryPrefixName[i],
                       EditPrefixDDR4Socket[i]->Text());
    }
    return true;
}

void TFormZennorby::UpdateCardPictures()
{
    for (int i = 0; i < 4; ++i) ShowCardPicture(ImageDDR4Socket[i], SocketModule(i));
}

void TFormZennorby::UpdateShapes()
{
    m_Flags.UpdateShapes();
    m_Qsfp28Flags.UpdateShapes();
    ShapeHPS->SetVisible(CheckBoxHPS->Checked());
    for (int i = 0; i < 4; ++i) ShapeDDR4Socket[i]->SetVisible(SocketModule(i) != 0);
}

void TFormZennorby::UpdatePartDependentControls()
{
    const TZennorbyFpgaPart& part = SelectedPart();
    CheckBoxHPS->SetVisible(part.bHasHps);
    TChoiceCombo& socketA = m_MemRefClk[0];
    if (part.Id == kFixedSocketAPart) {
        Record().nMemRefClk[0] = kFixedSocketAChoice;
        socketA.Remembered = kFixedSocketAChoice;
        socketA.Update(false, kFixedSocketAChoice);
    } else {
        socketA.Combo->SetEnabled(true);
    }
}

void TFormZennorby::ComboBoxFPGAChange(TObject*)
{
    if (!m_HandledFpga.TakeNew(ComboBoxFPGA)) return;
    FillSocketCombos();
    for (TEdit* edit : EditPrefixDDR4Socket) edit->SetText("");
    UpdateCardPictures();
    UpdatePartDependentControls();
    // The emptied sockets lose their outlines too.
    UpdateShapes();
}

void TFormZennorby::ComboBoxDDR4Socket_AChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormZennorby::ApplyPreset(uint8_t module, const char* prefixBase, int32_t memChoice)
{
    ZENNORBY_CONFIG& config = Record();
    SetDefaults(config);
    for (int i = 0; i < 4; ++i) {
        config.nMemoryModuleId[i] = module;
        WriteFixedText(config.szMemoryPrefixName[i], sizeof config.szMemoryPrefixName[i],
                       Format("%s%c_", prefixBase, 'A' + i));
        if (memChoice >= 0) config.nMemRefClk[i] = memChoice;
    }
    ConfigToForm(config);
    UpdatePartDependentControls();
}

void TFormZennorby::Button_DDR4_ConfigClick(TObject*) { ApplyPreset(kDdr4Module, "DDR4", -1); }
void TFormZennorby::Button_QDR2_ConfigClick(TObject*) { ApplyPreset(83, "QDR2", 1); }
void TFormZennorby::Button_QDR4_ConfigClick(TObject*) { ApplyPreset(84, "QDR4", 2); }
void TFormZennorby::Button1Click(TObject*) { WriteHsmcPinLists(); }

int TFormZennorby::GetMemoryClass(uint8_t card)
{
    switch (card) {
    case 79:
    case 80: return 0;
    case 81:
    case 83: return 1;
    case 84: return 2;
    default: return 3;
    }
}

bool TFormZennorby::ValidateBoard(bool generating, std::string& message)
{
    bool pairsMatch = true;
    for (int pair = 0; pair < 2; ++pair) {
        const uint8_t first = SocketModule(2 * pair);
        const uint8_t second = SocketModule(2 * pair + 1);
        if (first == 0 || second == 0 || GetMemoryClass(first) == GetMemoryClass(second)) continue;
        // When both pairs differ, the second pair's message is the one shown.
        message = Format("Memory modules on the DDR4-SODIMM Socket-%c and Socket-%c shoud be the same memory type.",
                         'A' + 2 * pair, 'B' + 2 * pair);
        pairsMatch = false;
    }
    if (!pairsMatch) return false;
    DaughterId cards[4];
    std::string prefixes[4];
    for (int i = 0; i < 4; ++i) {
        cards[i] = SocketModule(i);
        prefixes[i] = EditPrefixDDR4Socket[i]->Text();
    }
    if (!CheckDdr4SocketPrefixNames(4, cards, prefixes, message)) return false;
    for (int i = 0; i < 4; ++i)
        if (generating && cards[i] != 0 && !CheckPrefixName(prefixes[i], message)) return false;
    return true;
}

void TFormZennorby::DefineBoard(TMainBoard* board, TConfigZennorby& object) { CONFIG_ZENNORBY(board, object); }

void TFormZennorby::AttachCards(TMainBoard* board, const ZENNORBY_CONFIG& config)
{
    if (!m_Config.HasMemoryModule()) return;
    for (int i = 0; i < 4; ++i) {
        const uint8_t module = config.nMemoryModuleId[i];
        if (module == 0) continue;
        const uint8_t master = static_cast<uint8_t>(ZENNORBY_SOCKET_A_MASTER + i);
        const std::string prefix = ReadFixedText(config.szMemoryPrefixName[i], sizeof config.szMemoryPrefixName[i]);
        switch (module) {
        case 79:
        case 80:
            // The presence-detect bus of socket A is in a 1.8 V bank.
            board->AttachDdr4SodimmEcc(master, prefix.c_str(),
                                       {.naming = Ddr4Naming::SingleRank,
                                        .boardId = MAINBOARD_ZENNORBY,
                                        .ecc = module == 80,
                                        .spdStandard = static_cast<IoStandard>(i == 0 ? 3 : 40),
                                        .addressStandard = 40});
            break;
        case 83: board->AttachQdr2ModuleS10(master, prefix.c_str()); break;
        case 84: board->AttachQdr4ModuleS10(master, prefix.c_str()); break;
        default: PL_ASSERT(!"a memory module of the socket list");
        }
    }
}

std::string TFormZennorby::IpNotices()
{
    bool kinds[3] = {};
    bool anyModule = false;
    for (int i = 0; i < 4; ++i) {
        const uint8_t module = SocketModule(i);
        if (module == 0) continue;
        anyModule = true;
        const int kind = GetMemoryClass(module);
        if (kind < 3) kinds[kind] = true;
    }
    std::string text;
    if (anyModule)
        text += MemoryIpNotice(JoinWords({{kinds[0], "DDR4-SDRAM"}, {kinds[1], "QDR-II+ SRAM"}, {kinds[2], "QDR-IV SRAM"}}));
    bool anyQsfp28 = false;
    for (TCheckBox* box : CheckBoxQSFP28) anyQsfp28 = anyQsfp28 || box->Checked();
    const std::string transceivers = JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {anyQsfp28, "QSFP28"}});
    if (!transceivers.empty()) text += TransceiverIpNotice(transceivers);
    return text;
}

void TFormZennorby::AfterSuccess()
{
    if (SelectedPart().Id == 0 && CheckBoxHPS->Checked())
        seam::ShowInformation("HPS is selected.\r\nPlease make sure SW7 DIP Switch is set to ON position");
}

void TFormZennorby::WriteHsmcPinLists()
{
    // The HSMC list of a configuration-object board (the Wendlebury rule).
    int32_t count = 0;
    uint8_t ids[256];
    BuildConfigBoardCardList(CONNECTOR_HSMC, true, 3, count, ids);
    bool written = true;
    for (int32_t k = 0; k < count && written; ++k) {
        const DaughterId card = ids[k];
        if (card == 0) continue;
        TDaughterBoard daughter;
        daughter.LoadCard(card, MAINBOARD_WENDLEBURY, "", 8, 0);  // "3.3-V LVTTL"
        try {
            written = WriteConnectorPinList(&daughter, "./hsmc/" + GetCardShortName(card) + ".txt");
        } catch (const std::runtime_error&) {
            written = false;
        }
    }
    seam::ShowInformation(written ? "success" : "failed");
}
