#include "boards/arria10/UI_Tarrowind.h"

#include <cstring>
#include <iterator>

#include "boards/arria10/CONFIG_TARROWIND.h"
#include "boards/arria10/ConfigSi5340.h"
#include "boards/arria10/TarrowindParts.h"
#include "model/Text.h"

namespace {

using TARROWIND_CONFIG = TConfigTarrowind::TARROWIND_CONFIG;

// The group boxes, one per record flag from bCLOCK (136) to bRS422 (158).
const std::vector<TFlagBoxSpec>& FlagSpecs()
{
    static const std::vector<TFlagBoxSpec> specs = {
        {"CheckBoxOSC", "CLOCK ", 136, "ShapeOSC", nullptr, 1},
        {"CheckBoxLED", "LED x  8", 137, "ShapeLED", "ShapeBracketLED", 1},
        {"CheckBoxSeg7", "7-Segment x 2", 138, "ShapeSeg7", nullptr, 1},
        {"CheckBoxButton", "Button x 4", 139, "ShapeButton", nullptr, 1},
        {"CheckBoxSwitch", "Switch x 2", 140, "ShapeSwitch", nullptr, 1},
        {"CheckBoxSma", "SMA", 141, "ShapeSma", nullptr, 0},
        {"CheckBoxTemp", "Temperature Sensor", 142, "ShapeTemp", nullptr, 1},
        {"CheckBoxPower", "Power Monitor", 143, "ShapePower", nullptr, 1},
        {"CheckBoxDDR3_0", "DDR3 SODIMM_A", 144, "ShapeDDR3_0", nullptr, 0},
        {"CheckBoxDDR3_1", "DDR3 SODIMM_B", 145, "ShapeDDR3_1", nullptr, 0},
        {"CheckBoxQdrA", "QDRII+ SRAM A", 146, "ShapeQDRII_A", nullptr, 0},
        {"CheckBoxQdrB", "QDRII+ SRAM B", 147, "ShapeQDRII_B", nullptr, 0},
        {"CheckBoxQdrC", "QDRII+ SRAM C", 148, "ShapeQDRII_C", nullptr, 0},
        {"CheckBoxQdrD", "QDRII+ SRAM D", 149, "ShapeQDRII_D", nullptr, 0},
        {"CheckBoxQsfpA", "QSFP+ A", 150, "ShapeQsfp_A", nullptr, 0},
        {"CheckBoxQsfpB", "QSFP+ B", 151, "ShapeQsfp_B", nullptr, 0},
        {"CheckBoxQsfpC", "QSFP+ C", 152, "ShapeQsfp_C", nullptr, 0},
        {"CheckBoxQsfpD", "QSFP+ D", 153, "ShapeQsfp_D", nullptr, 0},
        {"CheckBoxPCIe", "PCIe", 154, "ShapePCIe", nullptr, 0},
        {"CheckBoxFan", "Fan Control", 155, "ShapeFan", nullptr, 1},
        {"CheckBoxFlash", "Flash (256MB)", 156, "ShapeFlash", nullptr, 1},
        {"CheckBoxPceiClk", "PCIe On-Board Clock", 157, nullptr, nullptr, 0},
        {"CheckBoxRs422", "RS422 Expansion ", 158, "ShapeRs422", nullptr, 1},
    };
    return specs;
}

const char* const kDeviceItems[TConfigTarrowind::kDeviceCount] = {
    "I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG", "E1 1150K: 10AX115N2F45E1SG",
    "I2  900K: 10AX090N3F45I2SG"};

const char* const kSi5340ACombos[4] = {"ComboBoxDi5340A_A", "ComboBoxDi5340A_B", "ComboBoxDi5340A_C",
                                       "ComboBoxDi5340A_D"};
const char* const kSi5340BCombos[3] = {"ComboBoxDi5340B_DDR3", "ComboBoxDi5340B_QDRII", "ComboBoxDi5340B_PCIE"};

TFormSpec TarrowindLayout()
{
    TFormSpec spec = Si5340FormLayout("TFORMTARROWIND", "Tarrowind V1.0.1", "TARROWIND_PHOTO_BITMAP", kTarrowindParts,
                                      std::size(kTarrowindParts), kSi5340ACombos);
    auto& c = spec.Controls;
    c.push_back(FrameLabel("LabelBoard", "GroupBoxConfig", 12, 56, 96, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", "GroupBoxConfig", 110, 52, 265, nullptr));
    AddFlagBoxes(c, FlagSpecs(), 88);
    static const char* const kBLabels[3][3] = {{"LabelDdr3", "LabelMhzDdr3", "DDR3_REFCLK_p/n:"},
                                               {"LabelQdr", "LabelMhzQdr", "QDRII_REFCLK_p/n:"},
                                               {"LabelPcie", "LabelMhzPcie", "OB_PCIE_REFCLK_p/n:"}};
    for (int i = 0; i < 3; ++i)
        AddClockCombo(c, "GroupBoxSi5340B", 22 + 45 * i, kBLabels[i][0], kBLabels[i][1], kBLabels[i][2],
                      kSi5340BCombos[i], "ComboBoxSi5340B_OnChange");
    return spec;
}

}  // namespace

TFormTarrowind::TFormTarrowind(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("Tarrowind", true))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxSi5340A_OnChange", Bind(&TFormTarrowind::ComboBoxSi5340A_OnChange));
    handlers.emplace_back("ComboBoxSi5340B_OnChange", Bind(&TFormTarrowind::ComboBoxSi5340B_OnChange));
    handlers.emplace_back("ButtonButtonDefaultAllSettingClick",
                          Bind(&TFormTarrowind::ButtonButtonDefaultAllSettingClick));
    LoadLayout(TarrowindLayout(), handlers);

    EditProjectName = Find<TEdit>("EditProjectName");
    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    CheckBoxDDR3_0 = Find<TCheckBox>("CheckBoxDDR3_0");
    CheckBoxDDR3_1 = Find<TCheckBox>("CheckBoxDDR3_1");
    for (int i = 0; i < 4; ++i) {
        CheckBoxQdr[i] = Find<TCheckBox>(Format("CheckBoxQdr%c", 'A' + i));
        CheckBoxQsfp[i] = Find<TCheckBox>(Format("CheckBoxQsfp%c", 'A' + i));
        m_Si5340AComboBoxes[i] = Find<TComboBox>(kSi5340ACombos[i]);
    }
    for (int i = 0; i < 3; ++i) m_Si5340BComboBoxes[i] = Find<TComboBox>(kSi5340BCombos[i]);
    CheckBoxPCIe = Find<TCheckBox>("CheckBoxPCIe");
    CheckBoxPceiClk = Find<TCheckBox>("CheckBoxPceiClk");
    ShapeSi5340A = Find<TShape>("ShapeSi5340A");
    ShapeSi5340B = Find<TShape>("ShapeSi5340B");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    ButtonDefaultSetting = Find<TButton>("ButtonDefaultSetting");
    ButtonButtonDefaultAllSetting = Find<TButton>("ButtonButtonDefaultAllSetting");
    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    m_Flags = FindFlagBoxes(*this, FlagSpecs());

    const int32_t remembered[7] = {7, 7, 7, 7, 3, 3, 1};
    for (int i = 0; i < 4; ++i) m_Clock[i].Combo = m_Si5340AComboBoxes[i];
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Combo = m_Si5340BComboBoxes[i];
    for (int i = 0; i < 7; ++i) m_Clock[i].Remembered = remembered[i];
    m_Device.Combo = ComboBoxBoard;
    InitialiseSettings(EditProjectName);
}

void TFormTarrowind::FillCardCombos()
{
    m_Device.Fill(std::vector<std::string>(std::begin(kDeviceItems), std::end(kDeviceItems)));
    const auto a = FrequencyChoiceTexts(TarrowindSi5340AFreqMHz, kSi5340AChoiceCount);
    for (int i = 0; i < 4; ++i) m_Clock[i].Fill(a);
    m_Clock[4].Fill(FrequencyChoiceTexts(TarrowindDdr3RefClkMHz, TConfigTarrowind::kDdr3ChoiceCount));
    m_Clock[5].Fill(FrequencyChoiceTexts(TarrowindQdrRefClkMHz, TConfigTarrowind::kQdrChoiceCount));
    m_Clock[6].Fill(FrequencyChoiceTexts(TarrowindPcieRefClkMHz, TConfigTarrowind::kPcieChoiceCount));
}

void TFormTarrowind::SetDefaults(TARROWIND_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_TARROWIND;
    config.nDevice = 0;
    config.Size = sizeof config;
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "TARROWIND");
    auto* bytes = reinterpret_cast<uint8_t*>(&config);
    for (const TFlagBox& flag : m_Flags) bytes[flag.Offset] = flag.Default;
}

void TFormTarrowind::ConfigToForm(const TARROWIND_CONFIG& config)
{
    m_Device.Show(config.nDevice);
    for (int i = 0; i < 4; ++i) m_Clock[i].Show(config.nSi5340AFreq[i]);
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Show(config.nSi5340BFreq[i]);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    const auto* bytes = reinterpret_cast<const uint8_t*>(&config);
    for (const TFlagBox& flag : m_Flags) flag.Box->SetChecked(bytes[flag.Offset] != 0);
    UpdateShapes();
    UpdateClockCombos();
}

bool TFormTarrowind::FormToConfig(TARROWIND_CONFIG& config)
{
    config.BoardId = MAINBOARD_TARROWIND;
    config.Size = sizeof config;
    config.nDevice = static_cast<uint8_t>(m_Device.Item() < 0 ? 0 : m_Device.Item());
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    auto* bytes = reinterpret_cast<uint8_t*>(&config);
    for (const TFlagBox& flag : m_Flags) bytes[flag.Offset] = flag.Box->Checked() ? 1 : 0;
    for (int i = 0; i < 4; ++i) config.nSi5340AFreq[i] = m_Clock[i].Item();
    for (int i = 0; i < 3; ++i) config.nSi5340BFreq[i] = m_Clock[4 + i].Item();
    return true;
}

bool TFormTarrowind::AnyTicked(TCheckBox* const* boxes, int count) const
{
    for (int i = 0; i < count; ++i)
        if (boxes[i]->Checked()) return true;
    return false;
}

void TFormTarrowind::UpdateShapes()
{
    ShowFlagShapes(m_Flags);
    ShapeSi5340A->SetVisible(AnyTicked(CheckBoxQsfp, 4));
    ShapeSi5340B->SetVisible(CheckBoxDDR3_0->Checked() || CheckBoxDDR3_1->Checked() || AnyTicked(CheckBoxQdr, 4) ||
                             CheckBoxPceiClk->Checked());
}

void TFormTarrowind::UpdateClockCombos()
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Update(CheckBoxQsfp[i]->Checked(), 0);
    m_Clock[4].Update(CheckBoxDDR3_0->Checked() || CheckBoxDDR3_1->Checked(), 0);
    m_Clock[5].Update(AnyTicked(CheckBoxQdr, 4), 0);
    m_Clock[6].Update(CheckBoxPceiClk->Checked(), 0);
}

void TFormTarrowind::ComboBoxSi5340A_OnChange(TObject*)
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Picked();
}

void TFormTarrowind::ComboBoxSi5340B_OnChange(TObject*)
{
    for (int i = 4; i < 7; ++i) m_Clock[i].Picked();
}

void TFormTarrowind::ButtonButtonDefaultAllSettingClick(TObject*)
{
    TARROWIND_CONFIG& config = Record();
    SetDefaults(config);
    auto* bytes = reinterpret_cast<uint8_t*>(&config);
    for (const TFlagBox& flag : m_Flags) bytes[flag.Offset] = 1;
    for (int32_t& choice : config.nSi5340AFreq) choice = 7;  // 644.53125 MHz
    config.nSi5340BFreq[0] = 3;                               // 266.667 MHz
    config.nSi5340BFreq[1] = 3;                               // 250 MHz
    config.nSi5340BFreq[2] = 1;                               // 100 MHz
    ConfigToForm(config);
}

bool TFormTarrowind::ValidateClocks()
{
    std::string listA;
    for (int i = 0; i < 4; ++i) {
        if (!CheckBoxQsfp[i]->Checked() || m_Clock[i].Item() != 0) continue;
        if (!listA.empty()) listA += '/';
        listA += Format("QSFP%c", 'A' + i);
    }
    const std::string listB = JoinWords(
        {{(CheckBoxDDR3_0->Checked() || CheckBoxDDR3_1->Checked()) && m_Clock[4].Item() == 0, "DDR3"},
         {AnyTicked(CheckBoxQdr, 4) && m_Clock[5].Item() == 0, "QDRII"},
         {CheckBoxPceiClk->Checked() && m_Clock[6].Item() == 0, "On-Board PCIe ref clock"}});
    return AskOscillatorQuestion(listA, listB);
}

std::string TFormTarrowind::IpNotices()
{
    std::string text;
    const std::string memories = JoinWords({{CheckBoxDDR3_0->Checked() || CheckBoxDDR3_1->Checked(), "DDR3-SDRAM"},
                                            {AnyTicked(CheckBoxQdr, 4), "QDRII+ SRAM"}});
    if (!memories.empty()) text += MemoryIpNotice(memories);
    const std::string transceivers =
        JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {AnyTicked(CheckBoxQsfp, 4), "QSFP+"}});
    if (!transceivers.empty()) text += TransceiverIpNotice(transceivers);
    return text;
}

void TFormTarrowind::DefineBoard(TMainBoard* board, TConfigTarrowind& object) { CONFIG_TARROWIND(board, object); }

void TFormTarrowind::AttachCards(TMainBoard* board, const TARROWIND_CONFIG& config)
{
    if (config.bDDR3A) AttachTarrowindDdr3Sodimm(board, false);
    if (config.bDDR3B) AttachTarrowindDdr3Sodimm(board, true);
}
