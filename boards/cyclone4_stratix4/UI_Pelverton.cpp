#include "boards/cyclone4_stratix4/UI_Pelverton.h"

#include <cstring>
#include <iterator>
#include <string>

#include "boards/cyclone4_stratix4/CONFIG_PELVERTON.h"
#include "boards/cyclone4_stratix4/PelvertonParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The form keeps the default button face, not the frame's colour.
const TBoardFormRow kRow = {.FolderWord = "Pelverton", .LoadFailureBox = true, .SuccessBox = false,
                            .PostsBoardChange = true, .GeneratesFromHeld = true, .FrameColor = false};

// The node flags 128 .. 147: the check boxes and their outlines.
const std::vector<TFlagBox> kBoxes = {
    {"CheckBoxOSC", "CLOCK ", {"ShapeOSC"}},         {"CheckBoxLED", "LED x  8", {"ShapeLED"}},
    {"CheckBoxButton", "Button x 8", {"ShapeButton"}}, {"CheckBoxSwitch", "Switch x 8", {"ShapeSwitch"}},
    {"CheckBoxSDCARD", "SDCARD", {"ShapeSDCARD"}},   {"CheckBoxSma", "SMA", {"ShapeSma"}},
    {"CheckBoxUSB", "USB FIFO", {"ShapeUSB"}},       {"CheckBoxTemp", "Temperature", {"ShapeTemp"}},
    {nullptr, nullptr, {}},  // reserved
    {"CheckBoxDDR2", "DDR2 SODIMM", {"ShapeDDR2"}},   {"CheckBoxDDR3", "DDR3 (256MB)", {"ShapeDDR3"}},
    {"CheckBoxPCIe", "PCIe", {"ShapePCIe"}},           {"CheckBoxFPGABridge", "FPGA Bridge (!)", {"ShapeFPGABridge"}},
    {"CheckBoxFan", "Fan Control", {"ShapeFan"}},      {"CheckBoxSSRAM", "SSRAM (2MB)", {"ShapeSSRAM"}},
    {"CheckBoxFlash", "Flash (64MB)", {"ShapeFlash"}},
    {nullptr, nullptr, {}},  // bMax2
    {"CheckBoxLCD", "LCD", {"ShapeLCD"}},
    {"CheckBoxEthernet", "Ethernet x 4", {"ShapeEthernet"}},
    {"CheckBoxEEPROM", "EEPROM (?)", {"ShapeEEPROM"}},
};

TFormSpec PelvertonLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMPELVERTON",
                                    .Caption = "Pelverton",
                                    .Title = "Ormsgill FPGA Board",
                                    .Picture = "PELVERTON_PHOTO_BITMAP",
                                    .PictureWidth = PELVERTON_PHOTO_WIDTH,
                                    .PictureHeight = PELVERTON_PHOTO_HEIGHT,
                                    .Parts = kPelvertonParts,
                                    .PartCount = std::size(kPelvertonParts),
                                    .Captions = TButtonCaptions::AllPlain,
                                    .DefaultSetting = false,
                                    .ClientWidth = 1008,
                                    .ClientHeight = 632});
    auto& c = spec.Controls;

    const char* group = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = group, .Left = 492, .Top = 8, .Width = 508, .Height = 276,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelBoard", group, 12, 24, 130, "Board Type: "));
    c.push_back(FrameComboBox("ComboBoxBoard", group, 150, 20, 160, nullptr));
    c.push_back(FrameLabel("LabelFPGA", group, 12, 54, 130, "Current FPGA Node:"));
    c.push_back(FrameComboBox("ComboBoxFPGA", group, 150, 50, 160, "ComboBoxFPGAChange"));
    c.push_back(FrameLabel("LabelProjectName", group, 12, 84, 130, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", group, 150, 80, 200));
    AddFlagBoxGrid(c, group, 12, 114, 3, kBoxes);
    // The USB chip's kind is said on hover.
    LayoutControl(c, "CheckBoxUSB").Hint = "High-Speed USB FIFO";

    const char* hsmc = "GroupBoxHsmc";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = hsmc, .Left = 492, .Top = 288, .Width = 508, .Height = 296,
                 .Caption = "HSMC Expansion"});
    static const TCardRow kHsmc[4] = {
        {"LabelHsmcA", "HSMC-A", "ComboBoxHSMC_A", "ComboBoxHSMCChange", "LabelPrefixHsmcA", "EditHSMC_A", "ImageHSMC_A"},
        {"LabelHsmcB", "HSMC-B", "ComboBoxHSMC_B", "ComboBoxHSMCChange", "LabelPrefixHsmcB", "EditHSMC_B", "ImageHSMC_B"},
        {"LabelHsmcC", "HSMC-C", "ComboBoxHSMC_C", "ComboBoxHSMCChange", "LabelPrefixHsmcC", "EditHSMC_C", "ImageHSMC_C"},
        {"LabelHsmcD", "HSMC-D", "ComboBoxHSMC_D", "ComboBoxHSMCChange", "LabelPrefixHsmcD", "EditHSMC_D", "ImageHSMC_D"},
    };
    for (int i = 0; i < 4; ++i) AddCardRow(c, hsmc, 20 + 68 * i, 508, kHsmc[i]);
    return spec;
}

}  // namespace

TFormPelverton::TFormPelverton(TForm* owner) : TFrameBoardFormOf<PELVERTON_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxFPGAChange", Bind(&TFormPelverton::ComboBoxFPGAChange));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormPelverton::ComboBoxHSMCChange));
    LoadLayout(PelvertonLayout(), handlers);

    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    ComboBoxFPGA = Find<TComboBox>("ComboBoxFPGA");
    m_Groups.Bind(*this, kBoxes);
    for (int i = 0; i < 4; ++i) {
        const char letter = static_cast<char>('A' + i);
        ComboBoxHSMC[i] = Find<TComboBox>(Format("ComboBoxHSMC_%c", letter));
        EditHSMC[i] = Find<TEdit>(Format("EditHSMC_%c", letter));
        ImageHSMC[i] = Find<TImage>(Format("ImageHSMC_%c", letter));
        ShapeHSMC[i] = Find<TShape>(Format("ShapeHSMC_%c", letter));
    }
    m_BoardType = {ComboBoxBoard, 0, 0};
    m_CurrentNode = 0;
    InitialiseSettings({EditHSMC[0], EditHSMC[1], EditHSMC[2], EditHSMC[3]});
}

void TFormPelverton::SetDefaults(PELVERTON_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_PELVERTON;
    config.Size = sizeof(PELVERTON_CONFIG);
    for (int f = 0; f < 2; ++f) {
        PELVERTON_FPGA_CONFIG& node = config.F[f];
        WriteFixedText(node.szProjectName, sizeof node.szProjectName, Format("F%d_Ormsgill", f + 1));
        node.bClock = node.bLed = node.bButton = node.bSwitch = node.bSdCard = node.bSma = node.bUsb = 1;
        node.bTemp = node.bFan = node.bSsram = node.bFlash = node.bLcd = node.bEthernet = node.bEeprom = 1;
    }
}

void TFormPelverton::FillCardCombos()
{
    m_BoardType.Fill({"Ormsgill 230x2"});
    ComboBoxFPGA->Clear();
    ComboBoxFPGA->AddItem("FPAG 1");
    ComboBoxFPGA->AddItem("FPAG 2");
    ComboBoxFPGA->SetItemIndex(0);
    m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    for (TComboBox* combo : ComboBoxHSMC) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormPelverton::ConfigToForm(const PELVERTON_CONFIG& config)
{
    // A board type outside the list shows the one item (and is written back).
    m_BoardType.Show(config.nBoardType);
    NodeToForm(config.F[m_CurrentNode]);
}

void TFormPelverton::NodeToForm(const PELVERTON_FPGA_CONFIG& node)
{
    EditProjectName->SetText(ReadFixedText(node.szProjectName, sizeof node.szProjectName));
    m_Groups.Show(&node.bClock);
    // A card the list does not hold leaves the combo and its prefix edit as
    // they were.
    for (int i = 0; i < 4; ++i)
        ShowCardAndPrefix(ComboBoxHSMC[i], EditHSMC[i], m_Config.m_CardCount, m_Config.m_CardIds,
                          node.nHsmcDaughterId[i], node.szHSMCPrefixName[i], sizeof node.szHSMCPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormPelverton::FormToConfig(PELVERTON_CONFIG& config)
{
    config.BoardId = MAINBOARD_PELVERTON;
    config.nBoardType = static_cast<uint8_t>(m_BoardType.Item());
    config.Size = sizeof(PELVERTON_CONFIG);
    FormToNode(config.F[m_CurrentNode]);
    // No control sets bMax2: a value a file brought in is not kept.
    config.F[0].bMax2 = config.F[1].bMax2 = 0;
    return true;
}

void TFormPelverton::FormToNode(PELVERTON_FPGA_CONFIG& node)
{
    WriteFixedText(node.szProjectName, sizeof node.szProjectName, EditProjectName->Text());
    m_Groups.Store(&node.bClock);
    for (int i = 0; i < 4; ++i) {
        node.nHsmcDaughterId[i] = HsmcCard(i);
        WriteFixedText(node.szHSMCPrefixName[i], 128, EditHSMC[i]->Text());
    }
}

DaughterId TFormPelverton::HsmcCard(int i) const { return SelectedCard(ComboBoxHSMC[i], m_Config.m_CardIds); }

void TFormPelverton::UpdateShapes()
{
    m_Groups.UpdateShapes();
    for (int i = 0; i < 4; ++i) ShapeHSMC[i]->SetVisible(ComboBoxHSMC[i]->ItemIndex() != 0);
}

void TFormPelverton::UpdateCardPictures()
{
    for (int i = 0; i < 4; ++i) ShowCardPicture(ImageHSMC[i], HsmcCard(i));
}

bool TFormPelverton::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId cards[4] = {HsmcCard(0), HsmcCard(1), HsmcCard(2), HsmcCard(3)};
    const std::string prefixes[4] = {EditHSMC[0]->Text(), EditHSMC[1]->Text(), EditHSMC[2]->Text(),
                                     EditHSMC[3]->Text()};
    if (!CheckHsmcPrefixNames(4, cards, prefixes, message)) return false;
    for (int i = 0; i < 4; ++i)
        if (!CheckCardPrefix(cards[i], MAINBOARD_PELVERTON, prefixes[i], Format("HSMC-%c", 'A' + i), generating,
                             message))
            return false;
    return true;
}

void TFormPelverton::DefineBoard(TMainBoard* board, const PELVERTON_CONFIG& config)
{
    CONFIG_PELVERTON(board, &config, m_CurrentNode);
}

void TFormPelverton::AttachCards(TMainBoard* board, const PELVERTON_CONFIG& config)
{
    const PELVERTON_FPGA_CONFIG& node = config.F[m_CurrentNode];
    for (int i = 0; i < 4; ++i) {
        if (node.nHsmcDaughterId[i] == 0) continue;
        const std::string prefix = ReadFixedText(node.szHSMCPrefixName[i], 128);
        board->AttachHsmcCardEx(static_cast<uint8_t>(PELVERTON_HSMC_MASTER_ID + i), node.nHsmcDaughterId[i], 6, 0,
                                prefix.c_str());
    }
    if (node.bDdr2)
        board->AttachDdr2Sodimm(PELVERTON_DDR2_MASTER_ID, "mem_",
                                {.differential = true, .busStandard = 3, .addressStandard = 3});
}

// A change of the node combo stores the node shown and shows the chosen one.
void TFormPelverton::ComboBoxFPGAChange(TObject*)
{
    const int32_t chosen = ComboBoxFPGA->ItemIndex() == 1 ? 1 : 0;
    if (chosen == m_CurrentNode) return;
    FormToNode(m_Config.m_Config.F[m_CurrentNode]);
    m_CurrentNode = chosen;
    NodeToForm(m_Config.m_Config.F[m_CurrentNode]);
}

void TFormPelverton::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
