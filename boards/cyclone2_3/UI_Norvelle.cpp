#include "boards/cyclone2_3/UI_Norvelle.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone2_3/BoardFormLeftColumn.h"
#include "boards/cyclone2_3/CONFIG_NORVELLE.h"
#include "boards/cyclone2_3/NorvelleParts.h"
#include "boards/cyclone2_3/TavrelCardCheck.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Norvelle",
                            .LoadFailureBox = false,
                            .SuccessBox = false,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

constexpr TFrameLayout kLayout = {.Name = "TFORMNORVELLE",
                                  .Caption = "Norvelle",
                                  .Title = "Norvelle FPGA Board",
                                  .Picture = "NORVELLE_PHOTO_BITMAP",
                                  .PictureWidth = NORVELLE_PHOTO_WIDTH,
                                  .PictureHeight = NORVELLE_PHOTO_HEIGHT,
                                  .Parts = kNorvelleParts,
                                  .PartCount = std::size(kNorvelleParts),
                                  .Captions = TButtonCaptions::AllPlain,
                                  .DefaultSetting = false,
                                  .ClientWidth = 810,
                                  .ClientHeight = 475};
constexpr int kGroupWidth = ColumnGroupWidth(kLayout);
constexpr IoStandard IO_1V8 = 3;  // "1.8 V": the module's serial bus and address straps

TFormSpec NorvelleLayout()
{
    TFormSpec spec = LeftColumnFormSpec(kLayout, TLeftColumn::ButtonPanel);
    auto& c = spec.Controls;
    const char* group = "GroupBoxConfig";
    AddSettingsGroup(c, kColumnGroupLeft, 8, kGroupWidth, ColumnGroupHeight(kLayout),
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 4"},
                         {"CheckBoxButton", "Button x 2", "CheckBoxGpio", "PIO Header"},
                         {"CheckBoxDDR2", "DDR2 SODIMM", "CheckBoxPciBus", "PCI Bridge Local Bus"},
                     });
    AddCardSection(c, group, 140, kGroupWidth,
                   {"LabelTavrel23", "Tavrel 2/3 Connector", "ComboBoxTavrel23", "ComboBoxTavrelChange",
                    "LabelPrefixTavrel23", "EditPrefixTavrel23", "ImageTavrel23"});
    AddCardSection(c, group, 140 + kCardSectionHeight, kGroupWidth,
                   {"LabelTavrel1", "Tavrel 1 Connector", "ComboBoxTavrel1", "ComboBoxTavrelChange",
                    "LabelPrefixTavrel1", "EditPrefixTavrel1", "ImageTavrel1"});
    return spec;
}

}  // namespace

TFormNorvelle::TFormNorvelle(TForm* owner) : TFrameBoardFormOf<NORVELLE_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxTavrelChange", Bind(&TFormNorvelle::ComboBoxTavrelChange));
    LoadLayout(NorvelleLayout(), handlers);

    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxGpio", {"ShapePio"}},
                          {"CheckBoxDDR2", {"ShapeDDR2"}},
                          {"CheckBoxPciBus", {"ShapeBridge"}}});
    ComboBoxTavrel23 = Find<TComboBox>("ComboBoxTavrel23");
    ComboBoxTavrel1 = Find<TComboBox>("ComboBoxTavrel1");
    EditPrefixTavrel23 = Find<TEdit>("EditPrefixTavrel23");
    EditPrefixTavrel1 = Find<TEdit>("EditPrefixTavrel1");
    ImageTavrel23 = Find<TImage>("ImageTavrel23");
    ImageTavrel1 = Find<TImage>("ImageTavrel1");
    ShapeTavrel1 = Find<TShape>("ShapeTavrel1");
    ShapeTavrel2 = Find<TShape>("ShapeTavrel2");
    ShapeTavrel3 = Find<TShape>("ShapeTavrel3");
    ShapeTavrel23 = Find<TShape>("ShapeTavrel23");
    InitialiseSettings({EditPrefixTavrel23, EditPrefixTavrel1});
}

void TFormNorvelle::SetDefaults(NORVELLE_CONFIG& config)
{
    // BoardId and Size stay 0 until the controls are written into the record.
    std::memset(&config, 0, sizeof config);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Norvelle");
    config.bCLOCK = config.bLED = config.bBUTTON = 1;
}

void TFormNorvelle::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_TAVREL, false, 3);
    FillCardCombo(ComboBoxTavrel23, m_Config.m_CardCount, m_Config.m_CardIds);
    FillCardCombo(ComboBoxTavrel1, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormNorvelle::ConfigToForm(const NORVELLE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bCLOCK);
    ShowCardAndPrefix(ComboBoxTavrel1, EditPrefixTavrel1, m_Config.m_CardCount, m_Config.m_CardIds,
                      config.nTavrel1DaughterId, config.szTavrel1PrefixName, sizeof config.szTavrel1PrefixName);
    ShowCardAndPrefix(ComboBoxTavrel23, EditPrefixTavrel23, m_Config.m_CardCount, m_Config.m_CardIds,
                      config.nTavrel23DaughterId, config.szTavrel23PrefixName, sizeof config.szTavrel23PrefixName);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormNorvelle::FormToConfig(NORVELLE_CONFIG& config)
{
    config.BoardId = MAINBOARD_NORVELLE;
    config.Size = sizeof(NORVELLE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bCLOCK);
    config.nTavrel23DaughterId = Tavrel23Card();
    WriteFixedText(config.szTavrel23PrefixName, sizeof config.szTavrel23PrefixName, EditPrefixTavrel23->Text());
    config.nTavrel1DaughterId = Tavrel1Card();
    WriteFixedText(config.szTavrel1PrefixName, sizeof config.szTavrel1PrefixName, EditPrefixTavrel1->Text());
    return true;
}

void TFormNorvelle::UpdateCardPictures()
{
    ShowCardPicture(ImageTavrel23, Tavrel23Card());
    ShowCardPicture(ImageTavrel1, Tavrel1Card());
}

void TFormNorvelle::UpdateShapes()
{
    m_Groups.UpdateShapes();
    const bool tavrel23 = ComboBoxTavrel23->ItemIndex() != 0;
    ShapeTavrel1->SetVisible(ComboBoxTavrel1->ItemIndex() != 0);
    ShapeTavrel2->SetVisible(tavrel23);
    ShapeTavrel3->SetVisible(tavrel23);
    ShapeTavrel23->SetVisible(tavrel23);
}

void TFormNorvelle::ComboBoxTavrelChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormNorvelle::CheckPrefixClash(std::string& message) const
{
    const int item = ComboBoxTavrel23->ItemIndex();
    if (item > 0 && item == ComboBoxTavrel1->ItemIndex() && EditPrefixTavrel23->Text() == EditPrefixTavrel1->Text()) {
        message = "Tavrel23 and Tavrel1 cannot have the same prefix name when both connect to the same type of "
                  "daughter boards.";
        return false;
    }
    return true;
}

bool TFormNorvelle::ValidateAfterNameFailure(std::string& message)
{
    return CheckPrefixClash(message);
}

bool TFormNorvelle::ValidateBoard(bool generating, std::string& message)
{
    if (!CheckPrefixClash(message)) return false;
    const struct {
        DaughterId Card;
        const TEdit* Prefix;
        const char* Label;
    } connectors[] = {{Tavrel23Card(), EditPrefixTavrel23, "Tavrel 2/3"},
                      {Tavrel1Card(), EditPrefixTavrel1, "Tavrel 1"}};
    for (const auto& c : connectors) {
        if (generating && !CheckCardHasPinMap(c.Card, c.Label, message)) return false;
        if (!CheckCardPrefix(c.Card, MAINBOARD_NORVELLE, c.Prefix->Text(), c.Label, generating, message)) return false;
    }
    return true;
}

void TFormNorvelle::DefineBoard(TMainBoard* board, const NORVELLE_CONFIG& config)
{
    CONFIG_NORVELLE(board, &config);
}

void TFormNorvelle::AttachCards(TMainBoard* board, const NORVELLE_CONFIG& config)
{
    // The DDR2 SODIMM module: single-ended strobes.
    if (config.bDDR2)
        board->AttachDdr2Sodimm(NORVELLE_DDR2_MASTER, "mem_",
                                {.differential = false, .busStandard = IO_1V8, .addressStandard = IO_1V8});
    if (config.nTavrel23DaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szTavrel23PrefixName, sizeof config.szTavrel23PrefixName);
        board->AttachTavrelCard(NORVELLE_TAVREL23_MASTER, config.nTavrel23DaughterId, prefix.c_str());
    }
    if (config.nTavrel1DaughterId > 0) {
        const std::string prefix = ReadFixedText(config.szTavrel1PrefixName, sizeof config.szTavrel1PrefixName);
        board->AttachTavrelCard(NORVELLE_TAVREL1_MASTER, static_cast<DaughterId>(config.nTavrel1DaughterId & 0xFF),
                                prefix.c_str());
    }
}
