#include "boards/cyclone2_3/UI_Nethercoy.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone2_3/BoardFormLeftColumn.h"
#include "boards/cyclone2_3/CONFIG_NETHERCOY.h"
#include "boards/cyclone2_3/NethercoyParts.h"
#include "boards/cyclone2_3/TavrelCardCheck.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Nethercoy",
                            .LoadFailureBox = false,
                            .SuccessBox = false,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false};

const char* const kBoardTypes[NETHERCOY_BOARD_TYPES] = {"Nethercoy 150", "Nethercoy 260", "Nethercoy 340C2",
                                                        "Nethercoy 340C3", "Nethercoy 150ES"};
// The picture Tavrel-B shows in DDR2 SODIMM mode: the memory module.
const char* const kDdr2ModulePicture = "DDR2_SODIMM_80_BITMAP";

constexpr TFrameLayout kLayout = {.Name = "TFORMNETHERCOY",
                                  .Caption = "Nethercoy",
                                  .Title = "Nethercoy FPGA Board",
                                  .Picture = "NETHERCOY_PHOTO_BITMAP",
                                  .PictureWidth = NETHERCOY_PHOTO_WIDTH,
                                  .PictureHeight = NETHERCOY_PHOTO_HEIGHT,
                                  .Parts = kNethercoyParts,
                                  .PartCount = std::size(kNethercoyParts),
                                  .Captions = TButtonCaptions::AllPlain,
                                  .DefaultSetting = false,
                                  .ClientWidth = 791,
                                  .ClientHeight = 727};
constexpr int kGroupWidth = ColumnGroupWidth(kLayout);
constexpr int kSectionsTop = 240;

TFormSpec NethercoyLayout()
{
    TFormSpec spec = LeftColumnFormSpec(kLayout, TLeftColumn::LogosButtonPanel);
    auto& c = spec.Controls;
    const char* group = "GroupBoxConfig";
    AddSettingsGroup(c, kColumnGroupLeft, 8, kGroupWidth, ColumnGroupHeight(kLayout),
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 24"},
                         {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxButton", "Button x 4"},
                         {"CheckBoxSwitch", "Switch x 18", "CheckBoxDIP", "DIP Switch x 8"},
                         {"CheckBoxSDCARD", "SDCARD", "CheckBoxSma", "SMA"},
                         {"CheckBoxUSB", "USB", "CheckBoxTemp", "Temperature"},
                         {"CheckBoxGpioHeader", "GPIO Header", "CheckBoxDDR2", "DDR2 SODIMM"},
                     });
    for (TControlSpec& control : c)
        if (std::strcmp(control.Name, "CheckBoxGpioHeader") == 0 || std::strcmp(control.Name, "CheckBoxDDR2") == 0)
            control.OnClick = "CheckBoxModeClick";
    c.push_back(FrameLabel("LabelBoard", group, 12, 208, 96, "Board Type: "));
    c.push_back(FrameComboBox("ComboBoxBoard", group, 110, 204, 160, nullptr));

    int top = kSectionsTop;
    AddCardSection(c, group, top, kGroupWidth,
                   {"LabelGPIO", "GPIO-0", "ComboBoxGPIO_0", "ComboBoxChange", "LabelGpioPrefix", "EditGPIO_0",
                    "ImageGPIO"});
    top += kCardSectionHeight;
    AddCardSection(c, group, top, kGroupWidth,
                   {"LabelTavrel_A", "Tavrel-A", "ComboBoxTavrel_A", "ComboBoxChange", "LabelPrefixTavrel_A",
                    "EditTavrel_A", "ImageTavrel_A"});
    // GPIO_1 takes the place of Tavrel-A's combo and edit in GPIO Header mode.
    TControlSpec combo = FrameComboBox("ComboBoxGPIO_1", group, 12, top + 20, kGroupWidth - 116, "ComboBoxChange");
    TControlSpec edit = FrameEdit("EditGPIO_1", group, 100, top + 52, kGroupWidth - 204);
    combo.Visible = edit.Visible = false;
    c.push_back(combo);
    c.push_back(edit);
    const char* const letters[3][6] = {
        {"LabelTavrel_B", "Tavrel-B", "ComboBoxTavrel_B", "LabelPrefixTavrel_B", "EditTavrel_B", "ImageTavrel_B"},
        {"LabelTavrel_C", "Tavrel-C", "ComboBoxTavrel_C", "LabelPrefixTavrel_C", "EditTavrel_C", "ImageTavrel_C"},
        {"LabelTavrel_D", "Tavrel-D", "ComboBoxTavrel_D", "LabelPrefixTavrel_D", "EditTavrel_D", "ImageTavrel_D"}};
    for (const auto& names : letters) {
        top += kCardSectionHeight;
        AddCardSection(c, group, top, kGroupWidth,
                       {names[0], names[1], names[2], "ComboBoxChange", names[3], names[4], names[5]});
    }
    return spec;
}

}  // namespace

TFormNethercoy::TFormNethercoy(TForm* owner) : TFrameBoardFormOf<NETHERCOY_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxChange", Bind(&TFormNethercoy::ComboBoxChange));
    handlers.emplace_back("CheckBoxModeClick", Bind(&TFormNethercoy::CheckBoxModeClick));
    LoadLayout(NethercoyLayout(), handlers);

    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxSeg7", {"ShapeSeg7"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxDIP", {"ShapeDIP"}},
                          {"CheckBoxSDCARD", {"ShapeSDCARD"}},
                          {"CheckBoxSma", {"ShapeSma"}},
                          {"CheckBoxUSB", {"ShapeUSB"}},
                          {"CheckBoxTemp", {"ShapeTemp"}},
                          {"CheckBoxGpioHeader", {}},
                          {"CheckBoxDDR2", {"ShapeDDR2"}}});
    CheckBoxGpioHeader = m_Groups.Box(10);
    CheckBoxDDR2 = m_Groups.Box(11);
    for (int h = 0; h < 2; ++h) {
        ComboBoxGPIO[h] = Find<TComboBox>(Format("ComboBoxGPIO_%d", h));
        EditGPIO[h] = Find<TEdit>(Format("EditGPIO_%d", h));
        ShapeGPIO[h] = Find<TShape>(Format("ShapeGPIO_%d", h));
    }
    for (int t = 0; t < 4; ++t) {
        const char letter = static_cast<char>('A' + t);
        ComboBoxTavrel[t] = Find<TComboBox>(Format("ComboBoxTavrel_%c", letter));
        EditTavrel[t] = Find<TEdit>(Format("EditTavrel_%c", letter));
        ImageTavrel[t] = Find<TImage>(Format("ImageTavrel_%c", letter));
        ShapeTavrel[t] = Find<TShape>(Format("ShapeTavrel_%c", letter));
    }
    LabelGPIO = Find<TLabel>("LabelGPIO");
    LabelGpioPrefix = Find<TLabel>("LabelGpioPrefix");
    LabelTavrel_A = Find<TLabel>("LabelTavrel_A");
    ImageGPIO = Find<TImage>("ImageGPIO");
    m_BoardType = {ComboBoxBoard, 0, 0};
    InitialiseSettings({EditGPIO[0], EditGPIO[1], EditTavrel[0], EditTavrel[1], EditTavrel[2], EditTavrel[3]});
}

void TFormNethercoy::SetDefaults(NETHERCOY_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_NETHERCOY;
    config.Size = sizeof(NETHERCOY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Nethercoy");
    // Every on-board group; both modes off.
    std::memset(&config.bCLOCK, 1, &config.bTemperature - &config.bCLOCK + 1);
}

void TFormNethercoy::FillCardCombos()
{
    m_BoardType.Fill({std::begin(kBoardTypes), std::end(kBoardTypes)});
    m_Config.BuildCardList(CONNECTOR_TAVREL, false, 3);
    for (TComboBox* combo : ComboBoxTavrel) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
    m_GpioCardList.BuildCardList(CONNECTOR_GPIO80, false, 3);
    for (TComboBox* combo : ComboBoxGPIO) FillCardCombo(combo, m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds);
}

bool TFormNethercoy::IsTakenOver(int tavrel) const
{
    return (tavrel == NETHERCOY_TAVREL_A && IsGpioMode()) || (tavrel == NETHERCOY_TAVREL_B && IsDdr2Mode());
}

DaughterId TFormNethercoy::GpioCard(int header) const
{
    return SelectedCard(ComboBoxGPIO[header], m_GpioCardList.m_CardIds);
}

DaughterId TFormNethercoy::TavrelCard(int tavrel) const
{
    return SelectedCard(ComboBoxTavrel[tavrel], m_Config.m_CardIds);
}

void TFormNethercoy::ShowGpioMode(bool gpio)
{
    for (TControl* control : std::initializer_list<TControl*>{LabelGPIO, ComboBoxGPIO[0], ComboBoxGPIO[1],
                                                              LabelGpioPrefix, EditGPIO[0], EditGPIO[1]})
        control->SetVisible(gpio);
    ComboBoxTavrel[NETHERCOY_TAVREL_A]->SetVisible(!gpio);
    EditTavrel[NETHERCOY_TAVREL_A]->SetVisible(!gpio);
}

void TFormNethercoy::ConfigToForm(const NETHERCOY_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_BoardType.Show(config.nBoardType);
    m_Groups.Show(&config.bCLOCK);
    const bool gpio = config.bGpioHeader != 0;
    const bool ddr2 = config.bDDR2 != 0;
    ShowGpioMode(gpio);
    LabelTavrel_A->SetCaption(gpio ? "GPIO-1 Header" : "Tavrel-A");
    if (gpio) {
        for (int h = 0; h < 2; ++h)
            ShowCardAndPrefix(ComboBoxGPIO[h], EditGPIO[h], m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds,
                              config.nGpioDaughterId[h], config.szGpioPrefixName[h],
                              sizeof config.szGpioPrefixName[h]);
    }
    for (int t = 0; t < 4; ++t) {
        if ((t == NETHERCOY_TAVREL_A && gpio) || (t == NETHERCOY_TAVREL_B && ddr2)) continue;
        ShowCardAndPrefix(ComboBoxTavrel[t], EditTavrel[t], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nTavrelDaughterId[t], config.szTavrelPrefixName[t],
                          sizeof config.szTavrelPrefixName[t], TUnlistedCard::KeepsPrefix);
    }
    if (ddr2) {
        ComboBoxTavrel[NETHERCOY_TAVREL_B]->SetItemIndex(0);
        EditTavrel[NETHERCOY_TAVREL_B]->SetText("");
    }
    ComboBoxTavrel[NETHERCOY_TAVREL_B]->SetEnabled(!ddr2);
    // Both headers open before they are coupled, so that none stays locked
    // from an earlier choice.
    for (int h = 0; h < 2; ++h) {
        ComboBoxGPIO[h]->SetEnabled(true);
        EditGPIO[h]->SetEnabled(true);
    }
    CoupleGpioHeaders(ComboBoxGPIO[NETHERCOY_GPIO_0]);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormNethercoy::FormToConfig(NETHERCOY_CONFIG& config)
{
    config.BoardId = MAINBOARD_NETHERCOY;
    config.Size = sizeof(NETHERCOY_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    config.nBoardType = static_cast<uint8_t>(m_BoardType.Item());
    m_Groups.Store(&config.bCLOCK);
    const bool gpio = IsGpioMode();
    for (int h = 0; h < 2; ++h) {
        config.nGpioDaughterId[h] = gpio ? GpioCard(h) : 0;
        WriteFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h],
                       gpio ? EditGPIO[h]->Text() : std::string());
    }
    for (int t = 0; t < 4; ++t) {
        const bool inUse = !IsTakenOver(t);
        config.nTavrelDaughterId[t] = inUse ? TavrelCard(t) : 0;
        WriteFixedText(config.szTavrelPrefixName[t], sizeof config.szTavrelPrefixName[t],
                       inUse ? EditTavrel[t]->Text() : std::string());
    }
    return true;
}

void TFormNethercoy::UpdateCardPictures()
{
    const bool gpio = IsGpioMode();
    // Outside GPIO Header mode the GPIO-0 picture stays as it was.
    if (gpio) ShowCardPicture(ImageGPIO, GpioCard(NETHERCOY_GPIO_0));
    ShowCardPicture(ImageTavrel[NETHERCOY_TAVREL_A],
                    gpio ? GpioCard(NETHERCOY_GPIO_1) : TavrelCard(NETHERCOY_TAVREL_A));
    if (IsDdr2Mode()) {
        ImageTavrel[NETHERCOY_TAVREL_B]->SetVisible(true);
        ImageTavrel[NETHERCOY_TAVREL_B]->LoadFromResourceName(kDdr2ModulePicture);
    } else {
        ShowCardPicture(ImageTavrel[NETHERCOY_TAVREL_B], TavrelCard(NETHERCOY_TAVREL_B));
    }
    ShowCardPicture(ImageTavrel[NETHERCOY_TAVREL_C], TavrelCard(NETHERCOY_TAVREL_C));
    ShowCardPicture(ImageTavrel[NETHERCOY_TAVREL_D], TavrelCard(NETHERCOY_TAVREL_D));
}

void TFormNethercoy::UpdateShapes()
{
    m_Groups.UpdateShapes();
    const bool gpio = IsGpioMode();
    for (int h = 0; h < 2; ++h) ShapeGPIO[h]->SetVisible(gpio && ComboBoxGPIO[h]->ItemIndex() != 0);
    for (int t = 0; t < 4; ++t) ShapeTavrel[t]->SetVisible(!IsTakenOver(t) && ComboBoxTavrel[t]->ItemIndex() != 0);
}

void TFormNethercoy::CoupleGpioHeaders(TComboBox* changed)
{
    if (!IsGpioMode()) return;
    const int leader = changed == ComboBoxGPIO[NETHERCOY_GPIO_0] ? NETHERCOY_GPIO_0 : NETHERCOY_GPIO_1;
    const int follower = 1 - leader;
    const bool spans = GetCardConnectorType(GpioCard(leader)) == CONNECTOR_GPIO80;
    if (spans) {
        ComboBoxGPIO[follower]->SetItemIndex(ComboBoxGPIO[leader]->ItemIndex());
        EditGPIO[follower]->SetText(EditGPIO[leader]->Text());
    } else if (GetCardConnectorType(GpioCard(follower)) == CONNECTOR_GPIO80) {
        ComboBoxGPIO[follower]->SetItemIndex(0);
        EditGPIO[follower]->SetText("");
    }
    ComboBoxGPIO[follower]->SetEnabled(!spans);
    EditGPIO[follower]->SetEnabled(!spans);
}

void TFormNethercoy::ComboBoxChange(TObject* Sender)
{
    for (TComboBox* combo : ComboBoxGPIO)
        if (Sender == combo) CoupleGpioHeaders(combo);
    UpdateCardPictures();
    UpdateShapes();
}

void TFormNethercoy::CheckBoxModeClick(TObject* Sender)
{
    if (Sender == CheckBoxGpioHeader) {
        const bool gpio = IsGpioMode();
        LabelTavrel_A->SetCaption(gpio ? "GPIO-1" : "Tavrel-A");
        ShowGpioMode(gpio);
    } else if (Sender == CheckBoxDDR2) {
        const bool ddr2 = IsDdr2Mode();
        if (ddr2) {
            ComboBoxTavrel[NETHERCOY_TAVREL_B]->SetItemIndex(0);
            EditTavrel[NETHERCOY_TAVREL_B]->SetText("");
        }
        ComboBoxTavrel[NETHERCOY_TAVREL_B]->SetEnabled(!ddr2);
    }
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormNethercoy::CheckGpioPrefixes(std::string& message) const
{
    if (!IsGpioMode()) return true;
    const DaughterId cards[2] = {GpioCard(0), GpioCard(1)};
    const std::string prefixes[2] = {EditGPIO[0]->Text(), EditGPIO[1]->Text()};
    return CheckGpioPrefixNames(2, cards, prefixes, message);
}

bool TFormNethercoy::ValidateAfterNameFailure(std::string& message)
{
    return CheckGpioPrefixes(message);
}

bool TFormNethercoy::ValidateBoard(bool generating, std::string& message)
{
    if (!CheckGpioPrefixes(message)) return false;
    DaughterId cards[4];
    std::string prefixes[4];
    for (int t = 0; t < 4; ++t) {
        cards[t] = IsTakenOver(t) ? 0 : TavrelCard(t);
        prefixes[t] = IsTakenOver(t) ? std::string() : EditTavrel[t]->Text();
    }
    if (!CheckTavrelPrefixNames(4, cards, prefixes, message)) return false;
    if (IsGpioMode())
        for (int h = 0; h < 2; ++h)
            if (!CheckCardPrefix(GpioCard(h), MAINBOARD_NETHERCOY, EditGPIO[h]->Text(), Format("GPIO-%d", h),
                                 generating, message))
                return false;
    for (int t = 0; t < 4; ++t) {
        const std::string label = Format("Tavrel-%c", 'A' + t);
        if (generating && !CheckCardHasPinMap(cards[t], label, message)) return false;
        if (!CheckCardPrefix(cards[t], MAINBOARD_NETHERCOY, prefixes[t], label, generating, message)) return false;
    }
    return true;
}

void TFormNethercoy::DefineBoard(TMainBoard* board, const NETHERCOY_CONFIG& config)
{
    CONFIG_NETHERCOY(board, &config);
}

void TFormNethercoy::AttachCards(TMainBoard* board, const NETHERCOY_CONFIG& config)
{
    if (config.bGpioHeader) {
        for (int h = 0; h < 2; ++h) {
            if (config.nGpioDaughterId[h] == 0) continue;
            const std::string prefix = ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h]);
            board->AttachGpioCard(h == 0 ? NETHERCOY_GPIO_0_MASTER : NETHERCOY_GPIO_1_MASTER,
                                  config.nGpioDaughterId[h], IO_STD_3V3_LVTTL, nullptr, prefix.c_str());
        }
    }
    for (int t = 0; t < 4; ++t) {
        if ((t == NETHERCOY_TAVREL_A && config.bGpioHeader) || (t == NETHERCOY_TAVREL_B && config.bDDR2)) continue;
        if (config.nTavrelDaughterId[t] == 0) continue;
        const std::string prefix = ReadFixedText(config.szTavrelPrefixName[t], sizeof config.szTavrelPrefixName[t]);
        board->AttachTavrelCard(static_cast<uint8_t>(NETHERCOY_TAVREL_A_MASTER + t), config.nTavrelDaughterId[t],
                                prefix.c_str());
    }
    // The DDR2 SODIMM module: differential strobes, its serial bus and
    // address straps at 3.3-V LVTTL.
    if (config.bDDR2)
        board->AttachDdr2Sodimm(NETHERCOY_DDR2_MASTER, "mem_",
                                {.differential = true, .busStandard = IO_STD_3V3_LVTTL,
                                 .addressStandard = IO_STD_3V3_LVTTL});
}
