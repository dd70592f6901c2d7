#include "boards/cyclone5_stratix5/UI_Rastrelle.h"

#include <cstddef>
#include <cstring>
#include <iterator>

#include "boards/cyclone5_stratix5/ClockChipItems.h"
#include "boards/cyclone5_stratix5/CONFIG_RASTRELLE.h"
#include "boards/cyclone5_stratix5/RastrelleParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "S5",
                            .LoadFailureBox = true,
                            .SuccessBox = true,
                            .PostsBoardChange = false,
                            .GeneratesFromHeld = true};

// The DDR3 SODIMM modules: masters 24 and 25.
constexpr uint8_t DDR3_MASTER_ID[2] = {24, 25};
const char* const kDdr3Prefix[2] = {"DDR3A_", "DDR3B_"};

// The rows the CDCM61001 and CDCM61004 combos show dropped down.
constexpr int kCdcmDropDownRows = 12;

uint8_t* Flags(RASTRELLE_CONFIG& config)
{
    return &config.bClock;
}
const uint8_t* Flags(const RASTRELLE_CONFIG& config)
{
    return &config.bClock;
}

TFormSpec RastrelleLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMRASTRELLE",
                                    .Caption = "Rastrelle",
                                    .Title = "Rastrelle",
                                    .Picture = "RASTRELLE_PHOTO_BITMAP",
                                    .PictureWidth = RASTRELLE_PHOTO_WIDTH,
                                    .PictureHeight = RASTRELLE_PHOTO_HEIGHT,
                                    .Parts = kRastrelleParts,
                                    .PartCount = std::size(kRastrelleParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    AddSettingsGroup(c, 480, 8, 352, 380,
                     {
                         {"CheckBoxOSC", "CLOCK ", "CheckBoxSwitch", "Switch x 4"},
                         {"CheckBoxLED", "LED x  10", "CheckBoxSeg7", "7-Segment x 2"},
                         {"CheckBoxButton", "Button x 4", "CheckBoxTemp", "Temperature"},
                         {"CheckBoxFan", "Fan Control", "CheckBoxRs422", "RS-422"},
                         {"CheckBoxSma", "SMA", "CheckBoxFlash", "Flash (256MB)"},
                         {"CheckBoxQdrA", "QDRII+ SRAM A", "CheckBoxQdrB", "QDRII+ SRAM B"},
                         {"CheckBoxQdrC", "QDRII+ SRAM C", "CheckBoxQdrD", "QDRII+ SRAM D"},
                         {"CheckBoxDDR3_0", "DDR3 SODIMM_A", "CheckBoxDDR3_1", "DDR3 SODIMM_B"},
                         {"CheckBoxSfpA", "SFP+ A", "CheckBoxSfpB", "SFP+ B"},
                         {"CheckBoxSfpC", "SFP+ C", "CheckBoxSfpD", "SFP+ D"},
                         {"CheckBoxSata_0", "Sata Host 0", "CheckBoxSata_1", "Sata Host 1"},
                         {"CheckBoxSata_2", "Sata Device 0", "CheckBoxSata_3", "Sata Device 1"},
                         {"CheckBoxPCIe", "PCIe", nullptr, nullptr},
                     });
    for (const char* ddr3 : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"}) LayoutControl(c, ddr3).Hint = "Up to 4GB, 800 data rate";

    AddChoiceGroup(
        c, "GroupBoxOscillator", "Programmable Oscillator", 8, 418, 464,
        {{"Si570",
          "LabelSi570",
          "ComboBoxSi570",
          "ComboBoxSi570Change",
          {{"LabelSi570Clock", "SFP_REFCLK_p/n:"}},
          "LabelSi570MHz",
          8},
         {"CDCM61001",
          "LabelCdcm61001",
          "ComboBoxCdcm61001",
          "ComboBoxCdcm61001Change",
          {{"LabelCdcm61001Clock", "SFP1G_REFCLK_p/n:"}},
          "LabelCdcm61001MHz",
          kCdcmDropDownRows},
         {"CDCM61004",
          "LabelCdcm61004",
          "ComboBoxCdcm61004",
          "ComboBoxCdcm61004Change",
          {{"LabelCdcm61004Host", "SATA_HOST_REFCLK_p/n:"}, {"LabelCdcm61004Device", "SATA_DEVICE_REFCLK_p/n:"}},
          "LabelCdcm61004MHz",
          kCdcmDropDownRows}});
    return spec;
}

}  // namespace

TFormRastrelle::TFormRastrelle(TForm* owner) : TFrameBoardFormOf<RASTRELLE_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxSi570Change", Bind(&TFormRastrelle::ComboBoxSi570Change));
    handlers.emplace_back("ComboBoxCdcm61001Change", Bind(&TFormRastrelle::ComboBoxCdcm61001Change));
    handlers.emplace_back("ComboBoxCdcm61004Change", Bind(&TFormRastrelle::ComboBoxCdcm61004Change));
    LoadLayout(RastrelleLayout(), handlers);

    ComboBoxSi570 = Find<TComboBox>("ComboBoxSi570");
    ComboBoxCdcm61001 = Find<TComboBox>("ComboBoxCdcm61001");
    ComboBoxCdcm61004 = Find<TComboBox>("ComboBoxCdcm61004");
    ShapeSi570 = Find<TShape>("ShapeSi570");
    ShapeCdcm61001 = Find<TShape>("ShapeCdcm61001");
    ShapeCdcm61004 = Find<TShape>("ShapeCdcm61004");
    m_Groups.Bind(
        *this, {{"CheckBoxOSC", {"ShapeOSC"}},       {"CheckBoxLED", {"ShapeLED", "ShapeRJ45LED", "ShapeBracketLED"}},
                {"CheckBoxSeg7", {"ShapeSeg7"}},     {"CheckBoxButton", {"ShapeButton"}},
                {"CheckBoxSwitch", {"ShapeSwitch"}}, {"CheckBoxSata_0", {"ShapeSata_0"}},
                {"CheckBoxSata_1", {"ShapeSata_1"}}, {"CheckBoxSata_2", {"ShapeSata_2"}},
                {"CheckBoxSata_3", {"ShapeSata_3"}}, {"CheckBoxSma", {"ShapeSma"}},
                {"CheckBoxTemp", {"ShapeTemp"}},     {"CheckBoxDDR3_0", {"ShapeDDR3_0"}},
                {"CheckBoxDDR3_1", {"ShapeDDR3_1"}}, {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                {"CheckBoxQdrB", {"ShapeQDRII_B"}},  {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                {"CheckBoxQdrD", {"ShapeQDRII_D"}},  {"CheckBoxSfpA", {"ShapeSfp_A"}},
                {"CheckBoxSfpB", {"ShapeSfp_B"}},    {"CheckBoxSfpC", {"ShapeSfp_C"}},
                {"CheckBoxSfpD", {"ShapeSfp_D"}},    {"CheckBoxPCIe", {"ShapePCIe"}},
                {"CheckBoxFan", {"ShapeFan"}},       {"CheckBoxFlash", {"ShapeFlash"}},
                {"CheckBoxRs422", {"ShapeRs422"}}});
    const auto& boxes = m_Groups.Entries();
    for (int i = 0; i < 4; ++i) CheckBoxSata[i] = boxes[static_cast<size_t>(5 + i)].Box;
    for (int i = 0; i < 2; ++i) CheckBoxDDR3[i] = boxes[static_cast<size_t>(11 + i)].Box;
    for (int i = 0; i < 4; ++i) CheckBoxQdr[i] = boxes[static_cast<size_t>(13 + i)].Box;
    for (int i = 0; i < 4; ++i) CheckBoxSfp[i] = boxes[static_cast<size_t>(17 + i)].Box;
    CheckBoxPCIe = boxes[21].Box;
    m_Si570 = {ComboBoxSi570, 0, 0};
    m_Cdcm61001 = {ComboBoxCdcm61001, 1, 1};
    m_Cdcm61004 = {ComboBoxCdcm61004, 1, 1};
    InitialiseSettings();
}

void TFormRastrelle::SetDefaults(RASTRELLE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_RASTRELLE;
    config.Size = sizeof(RASTRELLE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "S5");
    config.bClock = config.bLed = config.bSeg7 = config.bButton = config.bSwitch = 1;
    config.bTemperature = config.bFan = config.bFlash = config.bRs422 = 1;
    config.nSi570Freq = 0;
    config.nCdcm61004Freq = 1;
    config.nCdcm61001Freq = 1;
}

void TFormRastrelle::FillCardCombos()
{
    m_Si570.Fill(Si570Items("Not Use"));
    m_Cdcm61001.Fill(CdcmItems({"Unchanged", "Not Use"}));
    m_Cdcm61004.Fill(CdcmItems({"Unchanged", "Not Use"}));
    // Thirteen items, twelve rows dropped down.
    for (TComboBox* cdcm : {ComboBoxCdcm61001, ComboBoxCdcm61004}) cdcm->SetDropDownCount(kCdcmDropDownRows);
}

void TFormRastrelle::ConfigToForm(const RASTRELLE_CONFIG& config)
{
    m_Si570.Show(config.nSi570Freq);
    m_Cdcm61001.Show(config.nCdcm61001Freq);
    m_Cdcm61004.Show(config.nCdcm61004Freq);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormRastrelle::FormToConfig(RASTRELLE_CONFIG& config)
{
    config.BoardId = MAINBOARD_RASTRELLE;
    config.Size = sizeof(RASTRELLE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    config.nSi570Freq = m_Si570.Item();
    config.nCdcm61004Freq = m_Cdcm61004.Item();
    config.nCdcm61001Freq = m_Cdcm61001.Item();
    return true;
}

void TFormRastrelle::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeSi570->SetVisible(ComboBoxSi570->ItemIndex() != 0);
    ShapeCdcm61001->SetVisible(ComboBoxCdcm61001->ItemIndex() != 0);
    ShapeCdcm61004->SetVisible(ComboBoxCdcm61004->ItemIndex() != 0);
}

bool TFormRastrelle::IsSfpTicked() const
{
    for (TCheckBox* box : CheckBoxSfp)
        if (box->Checked()) return true;
    return false;
}

bool TFormRastrelle::IsSataTicked() const
{
    for (TCheckBox* box : CheckBoxSata)
        if (box->Checked()) return true;
    return false;
}

void TFormRastrelle::UpdateOscillatorCombos()
{
    m_Si570.Update(IsSfpTicked(), 0);
    m_Cdcm61001.Update(IsSfpTicked(), 1);
    m_Cdcm61004.Update(IsSataTicked(), 1);
}

bool TFormRastrelle::ConfirmOscillators()
{
    if (IsSfpTicked() && ComboBoxSi570->ItemIndex() == 0 && ComboBoxCdcm61001->ItemIndex() == 0 &&
        !seam::AskWarningYesNo("QSP interface is enabled, but the associated programmable oscillator SI570 or "
                               "CDCM61001 is not enalbed.\r\nDo you want to continued?"))
        return false;
    if (IsSataTicked() && ComboBoxCdcm61004->ItemIndex() == 0 &&
        !seam::AskWarningYesNo("SATA interface is enabled, but the associated programmable oscillator CDCM61004 is "
                               "not enabled.\r\nDo you want to continued?"))
        return false;
    return true;
}

std::string TFormRastrelle::IpNotices()
{
    const bool ddr3 = CheckBoxDDR3[0]->Checked() || CheckBoxDDR3[1]->Checked();
    bool qdr = false;
    for (TCheckBox* box : CheckBoxQdr) qdr = qdr || box->Checked();
    const std::string memory = JoinWords({{ddr3, "DDR3-SDRAM"}, {qdr, "QDRII+ SRAM"}});
    const std::string transceivers =
        JoinWords({{IsSataTicked(), "SATA"}, {CheckBoxPCIe->Checked(), "PCIe"}, {IsSfpTicked(), "SFP+"}});
    return (memory.empty() ? "" : MemoryIpNotice(memory)) +
           (transceivers.empty() ? "" : TransceiverIpNotice(transceivers));
}

void TFormRastrelle::DefineBoard(TMainBoard* board, const RASTRELLE_CONFIG& config)
{
    CONFIG_RASTRELLE(board, &config);
}

void TFormRastrelle::AttachCards(TMainBoard* board, const RASTRELLE_CONFIG& config)
{
    // DDR3 SODIMM modules, upper-case names, differential strobes, 1.5 V for
    // the reset, event, serial-bus and address-select pins.
    for (int socket = 0; socket < 2; ++socket)
        if (config.bDdr3[socket])
            board->AttachDdr3SodimmUpper(DDR3_MASTER_ID[socket], kDdr3Prefix[socket],
                                         {.differential = true, .busStandard = 0, .addressStandard = 0});
}

void TFormRastrelle::ComboBoxSi570Change(TObject*)
{
    m_Si570.Picked();
}
void TFormRastrelle::ComboBoxCdcm61001Change(TObject*)
{
    m_Cdcm61001.Picked();
}
void TFormRastrelle::ComboBoxCdcm61004Change(TObject*)
{
    m_Cdcm61004.Picked();
}
