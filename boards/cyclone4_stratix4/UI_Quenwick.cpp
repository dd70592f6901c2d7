#include "boards/cyclone4_stratix4/UI_Quenwick.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/CONFIG_QUENWICK.h"
#include "boards/cyclone4_stratix4/QuenwickParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Quenwick", .LoadFailureBox = true, .SuccessBox = false,
                            .PostsBoardChange = true, .GeneratesFromHeld = true};

const char* const kDefaultHsmcPrefix[2] = {"HSMA_", "HSMB_"};

bool IsHsmcDefaultCard(DaughterId card) { return card == 2 || card == 3; }

// The check boxes of the flags bClock .. bFlash and their outlines.
const std::vector<TFlagBox> kBoxes = {
    {"CheckBoxOSC", "CLOCK ", {"ShapeOSC"}},
    {"CheckBoxLED", "LED x  8", {"ShapeLED"}},
    {"CheckBoxSeg7", "7-Segment x 4", {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", {"ShapeButton"}},
    {"CheckBoxSwitch", "Slide Switch x 8", {"ShapeSwitch"}},
    {"CheckBoxSma", "SMA", {"ShapeSma"}},
    {"CheckBoxTemp", "Temperature", {"ShapeTemp"}},
    {"CheckBoxDDR3", "DDR3 SODIMM", {"ShapeDDR3"}},
    {"CheckBoxFan", "Fan Control", {"ShapeFan"}},
    {"CheckBoxSSRAM", "SSRAM (2MB)", {"ShapeSSRAM"}},
    {"CheckBoxFlash", "Flash (64MB)", {"ShapeFlash"}},
};

TFormSpec QuenwickLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMQUENWICK",
                                    .Caption = "Quenwick",
                                    .Title = "Quenwick",
                                    .Picture = "QUENWICK_PHOTO_BITMAP",
                                    .PictureWidth = QUENWICK_PHOTO_WIDTH,
                                    .PictureHeight = QUENWICK_PHOTO_HEIGHT,
                                    .Parts = kQuenwickParts,
                                    .PartCount = std::size(kQuenwickParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ClientWidth = 1008,
                                    .ClientHeight = 668,
                                    .ExitIsDefault = true});
    auto& c = spec.Controls;

    const char* group = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = group, .Left = 492, .Top = 8, .Width = 508, .Height = 160,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", group, 12, 24, 90, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", group, 104, 20, 200));
    AddFlagBoxGrid(c, group, 12, 52, 3, kBoxes);

    const char* hsmc = "GroupBoxHsmc";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = hsmc, .Left = 492, .Top = 172, .Width = 508, .Height = 160,
                 .Caption = "HSMC Expansion"});
    AddCardRow(c, hsmc, 20, 508,
               {"LabelHsmcA", "HSMC-A", "ComboBoxHSMC_A", "ComboBoxHSMCChange", "LabelPrefixHsmcA", "EditHSMC_A",
                "ImageHSMC_A"});
    AddCardRow(c, hsmc, 88, 508,
               {"LabelHsmcB", "HSMC-B", "ComboBoxHSMC_B", "ComboBoxHSMCChange", "LabelPrefixHsmcB", "EditHSMC_B",
                "ImageHSMC_B"});

    // One group box per FMC connector (FMC-A and FMC-B on the right, FMC-C
    // and FMC-D under the picture); FMC-A has a change handler of its own.
    struct TFmcBox {
        const char* Box;
        int Left, Top, Width;
        TCardRow Row;
    };
    static const TFmcBox kFmc[4] = {
        {"GroupBoxFmcA", 492, 336, 508,
         {"LabelFmcA", "FMC-A", "ComboBoxFMC_A", "ComboBoxFMCChange", "LabelPrefixFmcA", "EditFMC_A", "ImageFMC_A"}},
        {"GroupBoxFmcB", 492, 434, 508,
         {"LabelFmcB", "FMC-B", "ComboBoxFMC_B", "ComboBoxHSMCChange", "LabelPrefixFmcB", "EditFMC_B", "ImageFMC_B"}},
        {"GroupBoxFmcC", 8, 424, 476,
         {"LabelFmcC", "FMC-C", "ComboBoxFMC_C", "ComboBoxHSMCChange", "LabelPrefixFmcC", "EditFMC_C", "ImageFMC_C"}},
        {"GroupBoxFmcD", 8, 522, 476,
         {"LabelFmcD", "FMC-D", "ComboBoxFMC_D", "ComboBoxHSMCChange", "LabelPrefixFmcD", "EditFMC_D", "ImageFMC_D"}},
    };
    for (const TFmcBox& fmc : kFmc) {
        c.push_back({.Kind = TControlKind::GroupBox, .Name = fmc.Box, .Left = fmc.Left, .Top = fmc.Top,
                     .Width = fmc.Width, .Height = 94, .Caption = fmc.Row.Title});
        AddCardRow(c, fmc.Box, 18, fmc.Width, fmc.Row);
    }
    return spec;
}

}  // namespace

TFormQuenwick::TFormQuenwick(TForm* owner) : TFrameBoardFormOf<QUENWICK_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormQuenwick::ComboBoxHSMCChange));
    handlers.emplace_back("ComboBoxFMCChange", Bind(&TFormQuenwick::ComboBoxFMCChange));
    LoadLayout(QuenwickLayout(), handlers);

    m_Groups.Bind(*this, kBoxes);
    CheckBoxDDR3 = m_Groups.Entries()[7].Box;
    for (int i = 0; i < 2; ++i) {
        const char letter = static_cast<char>('A' + i);
        ComboBoxHSMC[i] = Find<TComboBox>(Format("ComboBoxHSMC_%c", letter));
        EditHSMC[i] = Find<TEdit>(Format("EditHSMC_%c", letter));
        ImageHSMC[i] = Find<TImage>(Format("ImageHSMC_%c", letter));
        ShapeHSMC[i] = Find<TShape>(Format("ShapeHSMC_%c", letter));
    }
    for (int i = 0; i < 4; ++i) {
        const char letter = static_cast<char>('A' + i);
        ComboBoxFMC[i] = Find<TComboBox>(Format("ComboBoxFMC_%c", letter));
        EditFMC[i] = Find<TEdit>(Format("EditFMC_%c", letter));
        ImageFMC[i] = Find<TImage>(Format("ImageFMC_%c", letter));
        ShapeFMC[i] = Find<TShape>(Format("ShapeFMC_%c", letter));
    }
    InitialiseSettings(
        {EditHSMC[0], EditHSMC[1], EditFMC[0], EditFMC[1], EditFMC[2], EditFMC[3]});
}

void TFormQuenwick::SetDefaults(QUENWICK_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_QUENWICK;
    config.Size = sizeof(QUENWICK_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Quenwick");
    config.bClock = config.bLed = config.bSeg7 = config.bButton = config.bSwitch = config.bSma = config.bTemp = 1;
    config.bFan = config.bSsram = config.bFlash = 1;
}

void TFormQuenwick::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    for (TComboBox* combo : ComboBoxHSMC) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
    m_FmcList.BuildCardList(CONNECTOR_FMC_HPC, false, 3);
    for (TComboBox* combo : ComboBoxFMC) FillCardCombo(combo, m_FmcList.m_CardCount, m_FmcList.m_CardIds);
}

void TFormQuenwick::ConfigToForm(const QUENWICK_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bClock);
    // A card the list does not hold leaves the combo and its prefix edit as
    // they were.
    for (int i = 0; i < 2; ++i)
        ShowCardAndPrefix(ComboBoxHSMC[i], EditHSMC[i], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nHsmcDaughterId[i], config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    for (int i = 0; i < 4; ++i)
        ShowCardAndPrefix(ComboBoxFMC[i], EditFMC[i], m_FmcList.m_CardCount, m_FmcList.m_CardIds,
                          config.nFmcDaughterId[i], config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormQuenwick::FormToConfig(QUENWICK_CONFIG& config)
{
    config.BoardId = MAINBOARD_QUENWICK;
    config.Size = sizeof(QUENWICK_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bClock);
    for (int i = 0; i < 2; ++i) {
        config.nHsmcDaughterId[i] = HsmcCard(i);
        WriteFixedText(config.szHSMCPrefixName[i], 128, EditHSMC[i]->Text());
    }
    for (int i = 0; i < 4; ++i) {
        config.nFmcDaughterId[i] = FmcCard(i);
        WriteFixedText(config.szFmcPrefixName[i], 128, EditFMC[i]->Text());
    }
    return true;
}

DaughterId TFormQuenwick::HsmcCard(int i) const { return SelectedCard(ComboBoxHSMC[i], m_Config.m_CardIds); }
DaughterId TFormQuenwick::FmcCard(int i) const { return SelectedCard(ComboBoxFMC[i], m_FmcList.m_CardIds); }

void TFormQuenwick::UpdateShapes()
{
    m_Groups.UpdateShapes();
    for (int i = 0; i < 2; ++i) ShapeHSMC[i]->SetVisible(ComboBoxHSMC[i]->ItemIndex() != 0);
    for (int i = 0; i < 4; ++i) ShapeFMC[i]->SetVisible(ComboBoxFMC[i]->ItemIndex() != 0);
}

void TFormQuenwick::UpdateCardPictures()
{
    for (int i = 0; i < 2; ++i) ShowCardPicture(ImageHSMC[i], HsmcCard(i));
    for (int i = 0; i < 4; ++i) ShowCardPicture(ImageFMC[i], FmcCard(i));
}

bool TFormQuenwick::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId hsmc[2] = {HsmcCard(0), HsmcCard(1)};
    const std::string hsmcPrefix[2] = {EditHSMC[0]->Text(), EditHSMC[1]->Text()};
    if (!CheckHsmcPrefixNames(2, hsmc, hsmcPrefix, message)) return false;
    const DaughterId fmc[4] = {FmcCard(0), FmcCard(1), FmcCard(2), FmcCard(3)};
    const std::string fmcPrefix[4] = {EditFMC[0]->Text(), EditFMC[1]->Text(), EditFMC[2]->Text(), EditFMC[3]->Text()};
    if (!CheckFmcPrefixNames(4, fmc, fmcPrefix, message)) return false;
    for (int i = 0; i < 2; ++i) {
        std::string prefix = hsmcPrefix[i];
        if (prefix.empty() && IsHsmcDefaultCard(hsmc[i])) prefix = kDefaultHsmcPrefix[i];
        if (!CheckCardPrefix(hsmc[i], MAINBOARD_QUENWICK, prefix, Format("HSMC-%c", 'A' + i), generating, message,
                             i))
            return false;
    }
    for (int i = 0; i < 4; ++i)
        if (!CheckCardPrefix(fmc[i], MAINBOARD_QUENWICK, fmcPrefix[i], Format("FMC-%c", 'A' + i), generating,
                             message))
            return false;
    return true;
}

std::string TFormQuenwick::IpNotices() { return CheckBoxDDR3->Checked() ? MemoryIpNotice("DDR3") : std::string(); }

void TFormQuenwick::DefineBoard(TMainBoard* board, const QUENWICK_CONFIG& config) { CONFIG_QUENWICK(board, &config); }

void TFormQuenwick::ApplyDefaultPrefixes(QUENWICK_CONFIG& config)
{
    for (int i = 0; i < 2; ++i)
        if (config.szHSMCPrefixName[i][0] == 0 && IsHsmcDefaultCard(config.nHsmcDaughterId[i]))
            WriteFixedText(config.szHSMCPrefixName[i], 128, kDefaultHsmcPrefix[i]);
}

void TFormQuenwick::AttachCards(TMainBoard* board, const QUENWICK_CONFIG& config)
{
    for (int i = 0; i < 2; ++i) {
        if (config.nHsmcDaughterId[i] == 0) continue;
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName[i], 128);
        board->AttachHsmcCardEx(static_cast<uint8_t>(QUENWICK_HSMC_MASTER_ID + i), config.nHsmcDaughterId[i], 6, i,
                                prefix.c_str());
    }
    // The FMC list offers LPC cards too; an HPC connector takes them.
    for (int i = 0; i < 4; ++i) {
        if (config.nFmcDaughterId[i] == 0) continue;
        const std::string prefix = ReadFixedText(config.szFmcPrefixName[i], 128);
        board->AttachFmcCard(static_cast<uint8_t>(QUENWICK_FMC_MASTER_ID + i), config.nFmcDaughterId[i], 8,
                             prefix.c_str());
    }
    if (config.bDdr3)
        board->AttachDdr3Sodimm(QUENWICK_DDR3_MASTER_ID, "mem_",
                                {.differential = true, .busStandard = 0, .addressStandard = 0});
}

void TFormQuenwick::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormQuenwick::ComboBoxFMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}
