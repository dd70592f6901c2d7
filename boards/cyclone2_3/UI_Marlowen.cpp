#include "boards/cyclone2_3/UI_Marlowen.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone2_3/BoardFormLeftColumn.h"
#include "boards/cyclone2_3/CONFIG_MARLOWEN.h"
#include "boards/cyclone2_3/MarlowenParts.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Marlowen",
                            .LoadFailureBox = false,
                            .SuccessBox = false,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

constexpr TFrameLayout kLayout = {.Name = "TFORMMARLOWEN",
                                  .Caption = "Marlowen",
                                  .Title = "Marlowen FPGA Board",
                                  .Picture = "MARLOWEN_PHOTO_BITMAP",
                                  .PictureWidth = MARLOWEN_PHOTO_WIDTH,
                                  .PictureHeight = MARLOWEN_PHOTO_HEIGHT,
                                  .Parts = kMarlowenParts,
                                  .PartCount = std::size(kMarlowenParts),
                                  .Captions = TButtonCaptions::AllPlain,
                                  .DefaultSetting = false,
                                  .ClientWidth = 803,
                                  .ClientHeight = 468};
constexpr int kGroupWidth = ColumnGroupWidth(kLayout);
constexpr int kOutlineWidth = 4;

TFormSpec MarlowenLayout()
{
    TFormSpec spec = LeftColumnFormSpec(kLayout, TLeftColumn::PanelWithAll);
    auto& c = spec.Controls;
    // The outlines over the board picture: yellow, 4 pixels wide, no fill.
    SetOutlinePens(c, kOutlineWidth);
    AddSettingsGroup(c, kColumnGroupLeft, 8, kGroupWidth, ColumnGroupHeight(kLayout),
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 4"},
                         {"CheckBoxButton", "Button x 4 + CPU_RESET_N", "CheckBoxFlashSSRAM", "Flash and SSRAM"},
                         {"CheckBoxSDRAM", "DDR SDRAM", nullptr, nullptr},
                     });
    AddCardSection(c, "GroupBoxConfig", 140, kGroupWidth,
                   {"LabelHSMC", "HSMC Connector", "ComboBoxHSMC", "ComboBoxHSMCChange", "LabelPrefixHSMC",
                    "EditPrefixHSMC", "ImageHSMC"});
    return spec;
}

}  // namespace

TFormMarlowen::TFormMarlowen(TForm* owner) : TFrameBoardFormOf<MARLOWEN_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormMarlowen::ComboBoxHSMCChange));
    LoadLayout(MarlowenLayout(), handlers);

    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSDRAM", {"ShapeDDR"}},
                          {"CheckBoxFlashSSRAM", {"ShapeFlash", "ShapeSSRAM"}}});
    ComboBoxHSMC = Find<TComboBox>("ComboBoxHSMC");
    EditPrefixHSMC = Find<TEdit>("EditPrefixHSMC");
    ImageHSMC = Find<TImage>("ImageHSMC");
    ShapeHSMC = Find<TShape>("ShapeHSMC");
    InitialiseSettings({EditPrefixHSMC});
}

void TFormMarlowen::SetDefaults(MARLOWEN_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_MARLOWEN;
    config.Size = sizeof(MARLOWEN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Marlowen");
    std::memset(&config.bCLOCK, 1, MARLOWEN_FLAG_COUNT);
}

void TFormMarlowen::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    FillCardCombo(ComboBoxHSMC, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormMarlowen::ConfigToForm(const MARLOWEN_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bCLOCK);
    ShowCardAndPrefix(ComboBoxHSMC, EditPrefixHSMC, m_Config.m_CardCount, m_Config.m_CardIds, config.nHsmcDaughterId,
                      config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormMarlowen::FormToConfig(MARLOWEN_CONFIG& config)
{
    config.BoardId = MAINBOARD_MARLOWEN;
    config.Size = sizeof(MARLOWEN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bCLOCK);
    config.nHsmcDaughterId = HsmcCard();
    WriteFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName, EditPrefixHSMC->Text());
    return true;
}

void TFormMarlowen::UpdateCardPictures()
{
    ShowCardPicture(ImageHSMC, HsmcCard());
}

void TFormMarlowen::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeHSMC->SetVisible(ComboBoxHSMC->ItemIndex() != 0);
}

void TFormMarlowen::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormMarlowen::ValidateBoard(bool generating, std::string& message)
{
    return CheckCardPrefix(HsmcCard(), MAINBOARD_MARLOWEN, EditPrefixHSMC->Text(), "HSMC", generating, message);
}

void TFormMarlowen::DefineBoard(TMainBoard* board, const MARLOWEN_CONFIG& config)
{
    CONFIG_MARLOWEN(board, &config);
}

void TFormMarlowen::AttachCards(TMainBoard* board, const MARLOWEN_CONFIG& config)
{
    if (config.nHsmcDaughterId == 0) return;
    const std::string prefix = ReadFixedText(config.szHSMCPrefixName, sizeof config.szHSMCPrefixName);
    board->AttachHsmcCard(MARLOWEN_HSMC_MASTER, config.nHsmcDaughterId, prefix.c_str());
}
