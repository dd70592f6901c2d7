#include "boards/cyclone5_stratix5/UI_Drennock.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone5_stratix5/ClockChipItems.h"
#include "boards/cyclone5_stratix5/CONFIG_DRENNOCK.h"
#include "boards/cyclone5_stratix5/DrennockParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "DRENNOCK",
                            .LoadFailureBox = true,
                            .SuccessBox = true,
                            .PostsBoardChange = false,
                            .GeneratesFromHeld = true};

uint8_t* Flags(DRENNOCK_CONFIG& config)
{
    return &config.bClock;
}
const uint8_t* Flags(const DRENNOCK_CONFIG& config)
{
    return &config.bClock;
}

TFormSpec DrennockLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMDRENNOCK",
                                    .Caption = "Kalvora - Drennock V1.1.0",
                                    .Title = "Drennock",
                                    .Picture = "DRENNOCK_PHOTO_BITMAP",
                                    .PictureWidth = DRENNOCK_PHOTO_WIDTH,
                                    .PictureHeight = DRENNOCK_PHOTO_HEIGHT,
                                    .Parts = kDrennockParts,
                                    .PartCount = std::size(kDrennockParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    AddSettingsGroup(c, 480, 8, 352, 296,
                     {
                         {"CheckBoxOSC", "CLOCK ", "CheckBoxSwitch", "DIP Switch x 4"},
                         {"CheckBoxLED", "LED x  4", "CheckBoxButton", "Button x 2"},
                         {"CheckBoxFan", "Fan Control", "CheckBoxTemp", "Temperature"},
                         {"CheckBoxFlash", "Flash (256MB)", "CheckBoxRs422", "1394 to RS-422"},
                         {"CheckBoxQdrA", "QDRII+ A (72Mb)", "CheckBoxQdrB", "QDRII+ B (72Mb)"},
                         {"CheckBoxQdrC", "QDRII+ C (72Mb)", "CheckBoxQdrD", "QDRII+ C (72Mb)"},
                         {"CheckBoxDDR3_0", "DDR3 A (1GB)", "CheckBoxDDR3_1", "DDR3 B (1GB)"},
                         {"CheckBoxSfpA", "SFP+ A", "CheckBoxSfpB", "SFP+ B"},
                         {"CheckBoxSata", "SATA Host", "CheckBoxPCIe", "PCIe x 8 "},
                     });
    for (const char* ddr3 : {"CheckBoxDDR3_0", "CheckBoxDDR3_1"}) LayoutControl(c, ddr3).Hint = "Up to 4GB, 800 data rate";
    AddChoiceGroup(c, "GroupBoxOscillator", "Programmable Oscillator", 8, 418, 464,
                   {{"Si570",
                     "LabelSi570",
                     "ComboBoxSi570",
                     "ComboBoxSi570Change",
                     {{"LabelSi570Clock", "SFP_REFCLK_p/n:"}},
                     "LabelSi570MHz",
                     8},
                    {"CDCM61004",
                     "LabelCdcm61004",
                     "ComboBoxCdcm61004",
                     "ComboBoxCdcm61004Change",
                     {{"LabelCdcm61004Clock", "SFP1G_REFCLK_p/n:"}},
                     "LabelCdcm61004MHz",
                     12}});
    return spec;
}

}  // namespace

TFormDrennock::TFormDrennock(TForm* owner) : TFrameBoardFormOf<DRENNOCK_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxSi570Change", Bind(&TFormDrennock::ComboBoxSi570Change));
    handlers.emplace_back("ComboBoxCdcm61004Change", Bind(&TFormDrennock::ComboBoxCdcm61004Change));
    LoadLayout(DrennockLayout(), handlers);

    ComboBoxSi570 = Find<TComboBox>("ComboBoxSi570");
    ComboBoxCdcm61004 = Find<TComboBox>("ComboBoxCdcm61004");
    ShapeSi570 = Find<TShape>("ShapeSi570");
    ShapeCdcm61004 = Find<TShape>("ShapeCdcm61004");
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxTemp", {"ShapeTemp"}},
                          {"CheckBoxDDR3_0", {"ShapeDDR3_0"}},
                          {"CheckBoxDDR3_1", {"ShapeDDR3_1"}},
                          {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                          {"CheckBoxQdrB", {"ShapeQDRII_B"}},
                          {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                          {"CheckBoxQdrD", {"ShapeQDRII_D"}},
                          {"CheckBoxSfpA", {"ShapeSfp_A"}},
                          {"CheckBoxSfpB", {"ShapeSfp_B"}},
                          {"CheckBoxSata", {"ShapeSata"}},
                          {"CheckBoxPCIe", {"ShapePCIe"}},
                          {"CheckBoxFan", {"ShapeFan"}},
                          {"CheckBoxFlash", {"ShapeFlash"}},
                          {"CheckBoxRs422", {"ShapeRs422"}}});
    const auto& boxes = m_Groups.Entries();
    for (int i = 0; i < 2; ++i) CheckBoxDDR3[i] = boxes[static_cast<size_t>(5 + i)].Box;
    for (int i = 0; i < 4; ++i) CheckBoxQdr[i] = boxes[static_cast<size_t>(7 + i)].Box;
    for (int i = 0; i < 2; ++i) CheckBoxSfp[i] = boxes[static_cast<size_t>(11 + i)].Box;
    CheckBoxSata = boxes[13].Box;
    CheckBoxPCIe = boxes[14].Box;
    m_Si570 = {ComboBoxSi570, 0, 0};
    m_Cdcm61004 = {ComboBoxCdcm61004, 0, 0};
    InitialiseSettings();
}

void TFormDrennock::SetDefaults(DRENNOCK_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_DRENNOCK;
    config.Size = sizeof(DRENNOCK_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "DRENNOCK");
    config.bClock = config.bLed = config.bButton = config.bSwitch = config.bTemperature = 1;
    config.bFan = config.bFlash = config.bRs422 = 1;
}

void TFormDrennock::FillCardCombos()
{
    m_Si570.Fill(Si570Items("Disable"));
    m_Cdcm61004.Fill(CdcmItems({"Disable"}));
}

void TFormDrennock::ConfigToForm(const DRENNOCK_CONFIG& config)
{
    m_Si570.Show(config.nSi570Freq);
    m_Cdcm61004.Show(config.nCdcm61004Freq);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    UpdateShapes();
    UpdateOscillatorCombos();
}

bool TFormDrennock::FormToConfig(DRENNOCK_CONFIG& config)
{
    config.BoardId = MAINBOARD_DRENNOCK;
    config.Size = sizeof(DRENNOCK_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    config.nSi570Freq = m_Si570.Item();
    config.nCdcm61004Freq = m_Cdcm61004.Item();
    return true;
}

void TFormDrennock::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeSi570->SetVisible(ComboBoxSi570->ItemIndex() != 0);
    ShapeCdcm61004->SetVisible(ComboBoxCdcm61004->ItemIndex() != 0);
}

bool TFormDrennock::IsSfpTicked() const
{
    return CheckBoxSfp[0]->Checked() || CheckBoxSfp[1]->Checked();
}

void TFormDrennock::UpdateOscillatorCombos()
{
    m_Si570.Update(IsSfpTicked(), 0);
    m_Cdcm61004.Update(IsSfpTicked(), 0);
}

bool TFormDrennock::ConfirmOscillators()
{
    return !(IsSfpTicked() && ComboBoxSi570->ItemIndex() == 0 && ComboBoxCdcm61004->ItemIndex() == 0) ||
           seam::AskWarningYesNo(
               "QSP interface is enabled, but the associated programmable oscillator SI570 or "
               "CDCM61004 is not enalbed.\r\nDo you want to continued?");
}

std::string TFormDrennock::IpNotices()
{
    const bool ddr3 = CheckBoxDDR3[0]->Checked() || CheckBoxDDR3[1]->Checked();
    bool qdr = false;
    for (TCheckBox* box : CheckBoxQdr) qdr = qdr || box->Checked();
    const std::string memory = JoinWords({{ddr3, "DDR3-SDRAM"}, {qdr, "QDRII+ SRAM"}});
    const std::string transceivers =
        JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {IsSfpTicked(), "SFP+"}, {CheckBoxSata->Checked(), "SATA"}});
    return (memory.empty() ? "" : MemoryIpNotice(memory)) +
           (transceivers.empty() ? "" : TransceiverIpNotice(transceivers));
}

void TFormDrennock::DefineBoard(TMainBoard* board, const DRENNOCK_CONFIG& config)
{
    CONFIG_DRENNOCK(board, &config);
}

void TFormDrennock::ComboBoxSi570Change(TObject*)
{
    m_Si570.Picked();
    UpdateShapes();
}

void TFormDrennock::ComboBoxCdcm61004Change(TObject*)
{
    m_Cdcm61004.Picked();
    UpdateShapes();
}
