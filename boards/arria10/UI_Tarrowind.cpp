#include "boards/arria10/UI_Tarrowind.h"

#include <cstring>
#include <iterator>

#include "boards/arria10/CONFIG_TARROWIND.h"
#include "boards/arria10/ConfigSi5340.h"
#include "boards/arria10/TarrowindParts.h"
#include "model/Text.h"

namespace {

using TARROWIND_CONFIG = TConfigTarrowind::TARROWIND_CONFIG;

// Record bytes 136 (bCLOCK) to 158 (bRS422): CLOCK, LED, SEG7, KEY, SW,
// Temperature, POWER Monitor, FAN, FLASH and RS422 by default.
const uint8_t kDefaultFlags[23] = {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1};
constexpr std::size_t kFlagsAt = 136;

const char* const kDeviceItems[TConfigTarrowind::kDeviceCount] = {
    "I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG", "E1 1150K: 10AX115N2F45E1SG",
    "I2  900K: 10AX090N3F45I2SG"};

const char* const kSi5340ACombos[4] = {"ComboBoxDi5340A_A", "ComboBoxDi5340A_B", "ComboBoxDi5340A_C",
                                       "ComboBoxDi5340A_D"};
const char* const kSi5340BCombos[3] = {"ComboBoxDi5340B_DDR3", "ComboBoxDi5340B_QDRII", "ComboBoxDi5340B_PCIE"};

TFormSpec TarrowindLayout()
{
    TFormSpec spec = Si5340FormLayout(
        {.Name = "TFORMTARROWIND",
         .Caption = "Tarrowind V1.0.1",
         .Title = "Tarrowind",
         .Picture = "TARROWIND_PHOTO_BITMAP",
         .PictureWidth = TARROWIND_PHOTO_WIDTH,
         .PictureHeight = TARROWIND_PHOTO_HEIGHT,
         .Parts = kTarrowindParts,
         .PartCount = std::size(kTarrowindParts),
         .Rows = {{"CheckBoxOSC", "CLOCK ", "CheckBoxDDR3_0", "DDR3 SODIMM_A"},
                  {"CheckBoxLED", "LED x  8", "CheckBoxDDR3_1", "DDR3 SODIMM_B"},
                  {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxQdrA", "QDRII+ SRAM A"},
                  {"CheckBoxButton", "Button x 4", "CheckBoxQdrB", "QDRII+ SRAM B"},
                  {"CheckBoxSwitch", "Switch x 2", "CheckBoxQdrC", "QDRII+ SRAM C"},
                  {"CheckBoxSma", "SMA", "CheckBoxQdrD", "QDRII+ SRAM D"},
                  {"CheckBoxTemp", "Temperature Sensor", "CheckBoxQsfpA", "QSFP+ A"},
                  {"CheckBoxPower", "Power Monitor", "CheckBoxQsfpB", "QSFP+ B"},
                  {"CheckBoxFan", "Fan Control", "CheckBoxQsfpC", "QSFP+ C"},
                  {"CheckBoxFlash", "Flash (256MB)", "CheckBoxQsfpD", "QSFP+ D"},
                  {"CheckBoxRs422", "RS422 Expansion ", "CheckBoxPCIe", "PCIe"},
                  {"CheckBoxPceiClk", "PCIe On-Board Clock", nullptr, nullptr}},
         .Si5340ACombos = {kSi5340ACombos[0], kSi5340ACombos[1], kSi5340ACombos[2], kSi5340ACombos[3]}});
    auto& c = spec.Controls;
    c.push_back(FrameLabel("LabelDdr3Hint", "GroupBoxConfig", 12, 56 + 24 * 12, 360, "DDR3: Up to 4GB, 800 data rate"));
    c.push_back(FrameLabel("LabelBoard", "GroupBoxConfig", 12, 56 + 24 * 13 + 12, 96, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", "GroupBoxConfig", 110, 56 + 24 * 13 + 8, 265, nullptr));
    static const char* const kBLabels[3][3] = {{"LabelDdr3", "LabelMhzDdr3", "DDR3_REFCLK_p/n:"},
                                               {"LabelQdr", "LabelMhzQdr", "QDRII_REFCLK_p/n:"},
                                               {"LabelPcie", "LabelMhzPcie", "OB_PCIE_REFCLK_p/n:"}};
    for (int i = 0; i < 3; ++i)
        AddClockCombo(c, "GroupBoxSi5340B", 16 + 40 * i, kBLabels[i][0], kBLabels[i][1], kBLabels[i][2],
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
    ButtonButtonDefaultAllSetting = Find<TButton>("ButtonButtonDefaultAllSetting");
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED"}},
                         {"CheckBoxSeg7", {"ShapeSeg7"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxSma", {"ShapeSma"}},
                         {"CheckBoxTemp", {"ShapeTemp"}},
                         {"CheckBoxPower", {"ShapePower"}},
                         {"CheckBoxDDR3_0", {"ShapeDDR3_0"}},
                         {"CheckBoxDDR3_1", {"ShapeDDR3_1"}},
                         {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                         {"CheckBoxQdrB", {"ShapeQDRII_B"}},
                         {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                         {"CheckBoxQdrD", {"ShapeQDRII_D"}},
                         {"CheckBoxQsfpA", {"ShapeQsfp_A"}},
                         {"CheckBoxQsfpB", {"ShapeQsfp_B"}},
                         {"CheckBoxQsfpC", {"ShapeQsfp_C"}},
                         {"CheckBoxQsfpD", {"ShapeQsfp_D"}},
                         {"CheckBoxPCIe", {"ShapePCIe"}},
                         {"CheckBoxFan", {"ShapeFan"}},
                         {"CheckBoxFlash", {"ShapeFlash"}},
                         {"CheckBoxPceiClk", {}},
                         {"CheckBoxRs422", {"ShapeRs422"}}});

    const int32_t remembered[7] = {7, 7, 7, 7, 3, 3, 1};
    for (int i = 0; i < 4; ++i) m_Clock[i].Combo = m_Si5340AComboBoxes[i];
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Combo = m_Si5340BComboBoxes[i];
    for (int i = 0; i < 7; ++i) m_Clock[i].Remembered = remembered[i];
    m_Device.Combo = ComboBoxBoard;
    InitialiseSettings();
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
    std::memcpy(reinterpret_cast<uint8_t*>(&config) + kFlagsAt, kDefaultFlags, sizeof kDefaultFlags);
}

void TFormTarrowind::ConfigToForm(const TARROWIND_CONFIG& config)
{
    m_Device.Show(config.nDevice);
    for (int i = 0; i < 4; ++i) m_Clock[i].Show(config.nSi5340AFreq[i]);
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Show(config.nSi5340BFreq[i]);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Flags.Show(reinterpret_cast<const uint8_t*>(&config) + kFlagsAt);
    UpdateShapes();
    UpdateClockCombos();
}

bool TFormTarrowind::FormToConfig(TARROWIND_CONFIG& config)
{
    config.BoardId = MAINBOARD_TARROWIND;
    config.Size = sizeof config;
    config.nDevice = static_cast<uint8_t>(m_Device.Item() < 0 ? 0 : m_Device.Item());
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Flags.Store(reinterpret_cast<uint8_t*>(&config) + kFlagsAt);
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
    m_Flags.UpdateShapes();
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
    std::memset(reinterpret_cast<uint8_t*>(&config) + kFlagsAt, 1, sizeof kDefaultFlags);
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
