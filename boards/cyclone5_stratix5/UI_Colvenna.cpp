#include "boards/cyclone5_stratix5/UI_Colvenna.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "boards/cyclone5_stratix5/CONFIG_COLVENNA.h"
#include "boards/cyclone5_stratix5/ColvennaParts.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The FPGA parts of "Board Type:", by the record's nBoardType.
const char* const kBoardTypes[] = {"COLVENNA_A7(5SGXEA7N2F45C2N)", "COLVENNA_AB(5SGXEABN2F45C2N)",
                                   "COLVENNA_AB(5SGXEABN3F45I3NYY)"};

// The clock-chip combos: name, label, items, the record's default choice.
struct TPllCombo {
    const char* Combo;
    const char* LabelName;
    const char* Label;
    const char* UnitName;
    std::vector<std::string> Items;
    int32_t Default;
};
const std::vector<std::string> kFmcItems = {"Disable", "100.0", "125.0", "150.0"};
const std::vector<std::string> kSataItems = {"Disable", "150.0"};
const std::vector<std::string> kPcieItems = {"Disable", "100.0"};
const std::vector<std::string> kDdr3Items = {"Disable", "133.333"};
// clang-format off
const TPllCombo kCdcm6208Combos[CDCM6208_OUTPUTS] = {
    {"ComboBoxPLL_FMCA", "LabelPLL_FMCA", "FMCA_REFCLK_0:", "LabelPLL_FMCAMHz", kFmcItems, 2},
    {"ComboBoxPLL_FMCD", "LabelPLL_FMCD", "FMCD_REFCLK_0:", "LabelPLL_FMCDMHz", kFmcItems, 2},
    {"ComboBoxPLL_SATA_HOST", "LabelPLL_SATA_HOST", "SATA_HOST_REFCLK:", "LabelPLL_SATA_HOSTMHz", kSataItems, 1},
    {"ComboBoxPLL_SATA_DEVICE", "LabelPLL_SATA_DEVICE", "SATA_DEVICE_REFCLK:", "LabelPLL_SATA_DEVICEMHz", kSataItems, 1},
    {"ComboBoxPLL_PCIE", "LabelPLL_PCIE", "PCIE_OB_REFCLK:", "LabelPLL_PCIEMHz", kPcieItems, 0},
    {"ComboBoxPLL_DDR3", "LabelPLL_DDR3", "DDR3_REFCLK:", "LabelPLL_DDR3MHz", kDdr3Items, 1},
};
// clang-format on
const std::vector<std::string> kLmk04906Items = {"Disable", "322.265625", "644.53125"};
const TPllCombo kLmk04906Combos[LMK04906_OUTPUTS] = {
    {"ComboBoxPLL_FMCA_PLUS", "LabelPLL_FMCA_PLUS", "FMCA_REFCLK_1:", "LabelPLL_FMCA_PLUSMHz", kLmk04906Items, 2},
    {"ComboBoxPLL_FMCB_PLUS", "LabelPLL_FMCB_PLUS", "FMCB_REFCLK_0:", "LabelPLL_FMCB_PLUSMHz", kLmk04906Items, 2},
    {"ComboBoxPLL_FMCC_PLUS", "LabelPLL_FMCC_PLUS", "FMCC_REFCLK_0:", "LabelPLL_FMCC_PLUSMHz", kLmk04906Items, 2},
    {"ComboBoxPLL_FMCD_PLUS", "LabelPLL_FMCD_PLUS", "FMCD_REFCLK_1:", "LabelPLL_FMCD_PLUSMHz", kLmk04906Items, 2},
};

// The FMC connectors in the order A, B, C, D.
const char* const kFmcTitles[FMC_COUNT] = {"FMC-A HPC", "FMC-B LPC", "FMC-C LPC", "FMC-D HPC"};
const char* const kFmcLabels[FMC_COUNT] = {"FMC-A", "FMC-B", "FMC-C", "FMC-D"};

// The DDR3 SODIMM module: its prefix; address-select, reset, event and
// serial-bus pins at "1.5 V", differential strobes.
const char* const kDdr3Prefix = "DDR3_";
constexpr IoStandard kCardIoStandard = 3;  // "1.8 V"; the card loader gives 2.5 V on this board
constexpr IoStandard kGpioIoStandard = 6;  // "2.5 V"
constexpr VoltageClass kVoltage = 3;       // 2.5 V

const char* const kDdr3Question =
    "DDR3 is enabled but the associated referece clock is not configured.\r\nPlease check the CDCM PLL and enable "
    "DDR3 reference clcok before you proceed to the next step.\r\nDo you want to continue?";
const char* const kFmcClockWarning =
    "Due to the limitation of CDCM6208,\r\nthe clock frequency of FMCA_REFCLK_0 and FMCD_REFCLK_0 must be the "
    "same..\r\n";

uint8_t* Flags(COLVENNA_CONFIG& config) { return &config.bClock; }
const uint8_t* Flags(const COLVENNA_CONFIG& config) { return &config.bClock; }

// A group box of clock-chip combos, one to a row: label, combo, unit.
void AddPllGroup(std::vector<TControlSpec>& c, const char* name, const char* caption, int left, int top, int width,
                 const TPllCombo* combos, int count)
{
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = name,
                 .Left = left,
                 .Top = top,
                 .Width = width,
                 .Height = 26 + 28 * count,
                 .Caption = caption});
    for (int i = 0; i < count; ++i) {
        const int y = 22 + 28 * i;
        c.push_back(FrameLabel(combos[i].LabelName, name, 12, y + 4, 160, combos[i].Label));
        TControlSpec combo = FrameComboBox(combos[i].Combo, name, 176, y, 130, "ComboBoxPllChange");
        combo.DropDownCount = static_cast<int>(combos[i].Items.size());
        c.push_back(combo);
        c.push_back(FrameLabel(combos[i].UnitName, name, 314, y + 4, 40, "MHZ"));
    }
}

// A card slot in a group box: the card combo at top, "Prefix Name:" and the
// prefix edit under it, the card's picture (hidden until a card is chosen)
// to the right.
struct TCardSlot {
    const char* Combo;
    const char* PrefixLabel;
    const char* Edit;
    const char* Image;
    const char* OnChange;
};
void AddCardSlot(std::vector<TControlSpec>& c, const char* parent, int top, int imageLeft, int imageSize,
                 const TCardSlot& slot)
{
    c.push_back(FrameComboBox(slot.Combo, parent, 12, top, 260, slot.OnChange));
    c.push_back(FrameLabel(slot.PrefixLabel, parent, 12, top + 32, 84, "Prefix Name:"));
    c.push_back(FrameEdit(slot.Edit, parent, 100, top + 28, 172));
    c.push_back({.Kind = TControlKind::Image,
                 .Name = slot.Image,
                 .Parent = parent,
                 .Left = imageLeft,
                 .Top = top - 4,
                 .Width = imageSize,
                 .Height = imageSize,
                 .Visible = false,
                 .Stretch = true});
}

TFormSpec ColvennaLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMCOLVENNA",
                                    .Caption = "Kalvora Colvenna V1.1.1",
                                    .Title = "Colvenna",
                                    .Picture = "COLVENNA_PHOTO_BITMAP",
                                    .PictureWidth = COLVENNA_PHOTO_WIDTH,
                                    .PictureHeight = COLVENNA_PHOTO_HEIGHT,
                                    .Parts = kColvennaParts,
                                    .PartCount = std::size(kColvennaParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ExitIsDefault = true});
    spec.ClientWidth = 1270;
    auto& c = spec.Controls;
    // This board names its "Default Setting" button ButtonDefault.
    for (TControlSpec& control : c) {
        if (std::strcmp(control.Name, "ButtonDefaultSetting") != 0) continue;
        control.Name = "ButtonDefault";
        control.OnClick = "ButtonDefaultClick";
    }

    // The GPIO header under the board picture.
    const char* gpio = "GroupBoxGpio";
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = gpio,
                 .Left = 8,
                 .Top = 394,
                 .Width = 464,
                 .Height = 118,
                 .Caption = "2x20 GPIO Expansion"});
    AddCardSlot(c, gpio, 24, 360, 80,
                {"ComboBoxGpio", "LabelPrefixGpio", "EditGpio", "ImageGpio", "ComboBoxGpioChange"});

    AddSettingsGroup(c, 480, 8, 380, 320,
                     {
                         {"CheckBoxOSC", "CLOCK ", "CheckBoxLED", "LED x  4"},
                         {"CheckBoxButton", "Button x 4", "CheckBoxSwitch", "Switch x 4"},
                         {"CheckBoxSma", "SMA", "CheckBoxTemp", "Temperature Sensor"},
                         {"CheckBoxPower", "Power Monitor", "CheckBoxDDR3", "DDR3 SODIMM"},
                         {"CheckBoxPCIe", "PCI Express", "CheckBoxSataHost", "Sata Host"},
                         {"CheckBoxSataDevice", "Sata Device", "CheckBoxUart2Usb", "UART to USB"},
                         {"CheckBoxSdcard", "MicroSD Socket", "CheckBoxFan", "Fan Control"},
                         {"CheckBoxSSRAM", "SSRAM (2MB)", "CheckBoxFlash", "Flash (128MB)"},
                         {"CheckBoxExtCdcmPLL", "CDCM6208 PLL", "CheckBoxExtLmkPLL", "LMK04096B PLL"},
                     });
    c.push_back(FrameLabel("LabelBoard", "GroupBoxConfig", 12, 56 + 24 * 9 + 8, 96, "Board Type:"));
    TControlSpec board = FrameComboBox("ComboBoxBoard", "GroupBoxConfig", 110, 56 + 24 * 9 + 4, 258, nullptr);
    board.DropDownCount = static_cast<int>(std::size(kBoardTypes));
    c.push_back(board);
    LayoutControl(c, "CheckBoxDDR3").Hint = "Up to 4GB, 1066 data rate";

    AddPllGroup(c, "GroupBoxLmk04906", "LMK04096B PLL", 480, 348, 380, kLmk04906Combos, LMK04906_OUTPUTS);
    AddPllGroup(c, "GroupBoxCdcm6208", "CDCM6208 Programmable PLL", 868, 8, 394, kCdcm6208Combos,
                CDCM6208_OUTPUTS);

    // The FMC connectors, one above the other.
    const char* fmc = "GroupBoxFmc";
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = fmc,
                 .Left = 868,
                 .Top = 208,
                 .Width = 394,
                 .Height = 304,
                 .Caption = "FMC Expansion"});
    static const TCardSlot kSlots[FMC_COUNT] = {
        {"ComboBoxFmc_A", "LabelPrefixFmc_A", "EditFmc_A", "ImageFmc_A", "ComboBoxFmcChange"},
        {"ComboBoxFmc_B", "LabelPrefixFmc_B", "EditFmc_B", "ImageFmc_B", "ComboBoxFmcChange"},
        {"ComboBoxFmc_C", "LabelPrefixFmc_C", "EditFmc_C", "ImageFmc_C", "ComboBoxFmcChange"},
        {"ComboBoxFmc_D", "LabelPrefixFmc_D", "EditFmc_D", "ImageFmc_D", "ComboBoxFmcChange"},
    };
    static const char* const kTitleLabels[FMC_COUNT] = {"LabelFmc_A", "LabelFmc_B", "LabelFmc_C", "LabelFmc_D"};
    for (int i = 0; i < FMC_COUNT; ++i) {
        const int y = 22 + 70 * i;
        c.push_back(FrameLabel(kTitleLabels[i], fmc, 12, y, 200, kFmcTitles[i], true));
        AddCardSlot(c, fmc, y + 18, 306, 60, kSlots[i]);
    }
    return spec;
}

}  // namespace

TFormColvenna::TFormColvenna(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("Colvenna", true))
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ButtonDefaultClick", Bind(&TFormColvenna::ButtonDefaultClick));
    handlers.emplace_back("ComboBoxFmcChange", Bind(&TFormColvenna::ComboBoxFmcChange));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormColvenna::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxPllChange", Bind(&TFormColvenna::ComboBoxPllChange));
    LoadLayout(ColvennaLayout(), handlers);

    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    ButtonDefault = Find<TButton>("ButtonDefault");
    ComboBoxGpio = Find<TComboBox>("ComboBoxGpio");
    EditGpio = Find<TEdit>("EditGpio");
    ImageGpio = Find<TImage>("ImageGpio");
    ShapeGpio = Find<TShape>("ShapeGpio");
    for (int i = 0; i < FMC_COUNT; ++i) {
        const char letter = static_cast<char>('A' + i);
        ComboBoxFmc[i] = Find<TComboBox>(Format("ComboBoxFmc_%c", letter));
        EditFmc[i] = Find<TEdit>(Format("EditFmc_%c", letter));
        ImageFmc[i] = Find<TImage>(Format("ImageFmc_%c", letter));
        ShapeFmc[i] = Find<TShape>(Format("ShapeFmc_%c", letter));
    }
    m_Groups.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                          {"CheckBoxLED", {"ShapeLED"}},
                          {"CheckBoxButton", {"ShapeButton"}},
                          {"CheckBoxSwitch", {"ShapeSwitch"}},
                          {"CheckBoxSma", {"ShapeSma"}},
                          {"CheckBoxTemp", {"ShapeTemp"}},
                          {"CheckBoxPower", {"ShapePower"}},
                          {"CheckBoxDDR3", {"ShapeDDR3"}},
                          {"CheckBoxPCIe", {"ShapePCIe"}},
                          {"CheckBoxSataHost", {"ShapeSataHost"}},
                          {"CheckBoxSataDevice", {"ShapeSataDevice"}},
                          {"CheckBoxUart2Usb", {"ShapeUart2Usb"}},
                          {"CheckBoxSdcard", {"ShapeSdcard"}},
                          {"CheckBoxFan", {"ShapeFan"}},
                          {"CheckBoxSSRAM", {"ShapeSSRAM"}},
                          {"CheckBoxFlash", {"ShapeFlash"}},
                          {"CheckBoxExtCdcmPLL", {"ShapeCDCM6208"}},
                          {"CheckBoxExtLmkPLL", {"ShapeLMK04906"}}});
    CheckBoxDDR3 = Find<TCheckBox>("CheckBoxDDR3");
    CheckBoxPCIe = Find<TCheckBox>("CheckBoxPCIe");
    CheckBoxSataHost = Find<TCheckBox>("CheckBoxSataHost");
    CheckBoxSataDevice = Find<TCheckBox>("CheckBoxSataDevice");
    CheckBoxExtCdcmPLL = Find<TCheckBox>("CheckBoxExtCdcmPLL");
    CheckBoxExtLmkPLL = Find<TCheckBox>("CheckBoxExtLmkPLL");
    for (int k = 0; k < CDCM6208_OUTPUTS; ++k)
        m_Cdcm6208[k] = {Find<TComboBox>(kCdcm6208Combos[k].Combo), kCdcm6208Combos[k].Default, 0};
    for (int k = 0; k < LMK04906_OUTPUTS; ++k)
        m_Lmk04906[k] = {Find<TComboBox>(kLmk04906Combos[k].Combo), kLmk04906Combos[k].Default, 0};
    InitialiseSettings({EditGpio, EditFmc[FMC_A], EditFmc[FMC_B], EditFmc[FMC_C], EditFmc[FMC_D]});
}

void TFormColvenna::SetDefaults(COLVENNA_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_COLVENNA;
    config.Size = sizeof(COLVENNA_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Colvenna");
    config.bClock = config.bLed = config.bButton = config.bSwitch = config.bSma = config.bTemperature = 1;
    config.bPowerMonitor = config.bUart2Usb = config.bSdCard = config.bFan = config.bSsram = config.bFlash = 1;
    for (int k = 0; k < CDCM6208_OUTPUTS; ++k)
        config.nCdcm6208Freq[k] = static_cast<uint8_t>(kCdcm6208Combos[k].Default);
    for (int k = 0; k < LMK04906_OUTPUTS; ++k)
        config.nLmk04906Freq[k] = static_cast<uint8_t>(kLmk04906Combos[k].Default);
}

void TFormColvenna::FillCardCombos()
{
    ComboBoxBoard->Clear();
    for (const char* type : kBoardTypes) ComboBoxBoard->AddItem(type);
    ComboBoxBoard->SetItemIndex(0);
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, kVoltage);
    FillCardCombo(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds);
    m_LpcCards.BuildCardList(CONNECTOR_FMC_LPC, true, kVoltage);
    m_HpcCards.BuildCardList(CONNECTOR_FMC_HPC, true, kVoltage);
    for (int i = 0; i < FMC_COUNT; ++i)
        FillCardCombo(ComboBoxFmc[i], FmcList(i).m_CardCount, FmcList(i).m_CardIds);
    for (int k = 0; k < LMK04906_OUTPUTS; ++k) m_Lmk04906[k].Fill(kLmk04906Combos[k].Items);
    for (int k = 0; k < CDCM6208_OUTPUTS; ++k) m_Cdcm6208[k].Fill(kCdcm6208Combos[k].Items);
}

void TFormColvenna::ConfigToForm(const COLVENNA_CONFIG& config)
{
    // A part outside the list is shown as the first (and so written back).
    ComboBoxBoard->SetItemIndex(config.nBoardType < std::size(kBoardTypes) ? config.nBoardType : 0);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(Flags(config));
    // An FMC card the slot's list does not offer leaves the combo and the
    // prefix as they are; a GPIO card the list does not offer is shown as
    // "None" (and so written back), with no prefix.
    for (int i = 0; i < FMC_COUNT; ++i)
        ShowCardAndPrefix(ComboBoxFmc[i], EditFmc[i], FmcList(i).m_CardCount, FmcList(i).m_CardIds,
                          config.nFmcDaughterId[i], config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    ComboBoxGpio->SetItemIndex(0);
    SelectCard(ComboBoxGpio, m_Config.m_CardCount, m_Config.m_CardIds, config.nGpioDaughterId);
    EditGpio->SetText(ComboBoxGpio->ItemIndex() != 0
                          ? ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName)
                          : std::string());
    // The chips' choices; one outside its list shows the record's default.
    for (int k = 0; k < CDCM6208_OUTPUTS; ++k) m_Cdcm6208[k].Show(config.nCdcm6208Freq[k]);
    for (int k = 0; k < LMK04906_OUTPUTS; ++k) m_Lmk04906[k].Show(config.nLmk04906Freq[k]);
    UpdateCardPictures();
    UpdateShapes();
    UpdatePllCombos();
}

bool TFormColvenna::FormToConfig(COLVENNA_CONFIG& config)
{
    config.BoardId = MAINBOARD_COLVENNA;
    config.Size = sizeof(COLVENNA_CONFIG);
    config.nBoardType = static_cast<uint8_t>(ComboBoxBoard->ItemIndex());
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(Flags(config));
    for (int i = 0; i < FMC_COUNT; ++i) {
        config.nFmcDaughterId[i] = SelectedFmcCard(i);
        WriteFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i], EditFmc[i]->Text());
    }
    WriteFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName, EditGpio->Text());
    config.nGpioDaughterId = SelectedCard(ComboBoxGpio, m_Config.m_CardIds);
    // A chip not in use keeps no choice.
    const bool cdcm = CheckBoxExtCdcmPLL->Checked();
    const bool lmk = CheckBoxExtLmkPLL->Checked();
    for (int k = 0; k < CDCM6208_OUTPUTS; ++k)
        config.nCdcm6208Freq[k] = static_cast<uint8_t>(cdcm ? m_Cdcm6208[k].Item() : 0);
    for (int k = 0; k < LMK04906_OUTPUTS; ++k)
        config.nLmk04906Freq[k] = static_cast<uint8_t>(lmk ? m_Lmk04906[k].Item() : 0);
    return true;
}

DaughterId TFormColvenna::SelectedFmcCard(int fmc) const
{
    return SelectedCard(ComboBoxFmc[fmc], FmcList(fmc).m_CardIds);
}

void TFormColvenna::UpdateShapes()
{
    m_Groups.UpdateShapes();
    ShapeGpio->SetVisible(ComboBoxGpio->ItemIndex() != 0);
    for (int i = 0; i < FMC_COUNT; ++i) ShapeFmc[i]->SetVisible(ComboBoxFmc[i]->ItemIndex() != 0);
}

void TFormColvenna::UpdateCardPictures()
{
    ShowCardPicture(ImageGpio, SelectedCard(ComboBoxGpio, m_Config.m_CardIds));
    for (int i = 0; i < FMC_COUNT; ++i) ShowCardPicture(ImageFmc[i], SelectedFmcCard(i));
}

void TFormColvenna::UpdatePllCombos()
{
    const bool cdcm = CheckBoxExtCdcmPLL->Checked();
    const bool lmk = CheckBoxExtLmkPLL->Checked();
    for (TChoiceCombo& combo : m_Cdcm6208) combo.Update(cdcm, 0);
    for (TChoiceCombo& combo : m_Lmk04906) combo.Update(lmk, 0);
}

void TFormColvenna::AfterCheckBoxClick()
{
    UpdateCardPictures();
    UpdatePllCombos();
}

bool TFormColvenna::ValidateBoard(bool generating, std::string& message)
{
    DaughterId cards[FMC_COUNT];
    std::string prefixes[FMC_COUNT];
    for (int i = 0; i < FMC_COUNT; ++i) {
        cards[i] = SelectedFmcCard(i);
        prefixes[i] = EditFmc[i]->Text();
    }
    if (!CheckFmcPrefixNames(FMC_COUNT, cards, prefixes, message)) return false;
    for (int i = 0; i < FMC_COUNT; ++i)
        if (!CheckCardPrefix(cards[i], MAINBOARD_COLVENNA, prefixes[i], kFmcLabels[i], generating, message))
            return false;
    if (!CheckCardPrefix(SelectedCard(ComboBoxGpio, m_Config.m_CardIds), MAINBOARD_COLVENNA, EditGpio->Text(),
                         "GPIO", generating, message))
        return false;
    // The clock chips: questions without an error text of their own.
    message.clear();
    if (CheckBoxDDR3->Checked() &&
        (!CheckBoxExtCdcmPLL->Checked() || m_Cdcm6208[CDCM6208_DDR3].Item() == 0) &&
        !seam::AskWarningYesNo(kDdr3Question))
        return false;
    const int fmca = m_Cdcm6208[CDCM6208_FMCA].Item();
    const int fmcd = m_Cdcm6208[CDCM6208_FMCD].Item();
    if (fmca != 0 && fmca != fmcd) {
        seam::ShowWarning(kFmcClockWarning);
        return false;
    }
    return true;
}

void TFormColvenna::DefineBoard(TMainBoard* board, TConfigColvenna& object) { CONFIG_COLVENNA(board, &object); }

void TFormColvenna::AttachCards(TMainBoard* board, const COLVENNA_CONFIG& config)
{
    for (int i = 0; i < FMC_COUNT; ++i) {
        const DaughterId card = config.nFmcDaughterId[i];
        if (card == 0) continue;
        const std::string prefix = ReadFixedText(config.szFmcPrefixName[i], sizeof config.szFmcPrefixName[i]);
        board->AttachFmcCard(static_cast<uint8_t>(COLVENNA_FMC_MASTER_ID + i), card, kCardIoStandard,
                             prefix.c_str());
    }
    if (config.nGpioDaughterId != 0) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName, sizeof config.szGpioPrefixName);
        board->AttachGpioCard(COLVENNA_GPIO_MASTER_ID, config.nGpioDaughterId, kGpioIoStandard, nullptr,
                              prefix.c_str());
    }
    if (config.bDdr3)
        board->AttachDdr3SodimmUpper(COLVENNA_DDR3_MASTER_ID, kDdr3Prefix,
                                     {.differential = true, .busStandard = 0, .addressStandard = 0});
}

std::string TFormColvenna::IpNotices()
{
    std::string text;
    if (CheckBoxDDR3->Checked()) text += MemoryIpNotice("DDR3");
    const std::string transceivers = JoinWords({{CheckBoxPCIe->Checked(), "PCIe"},
                                                {CheckBoxSataHost->Checked(), "Sata-Host"},
                                                {CheckBoxSataDevice->Checked(), "Sata-Device"}});
    if (!transceivers.empty()) text += TransceiverIpNotice(transceivers) + "\r\n";
    return text;
}

void TFormColvenna::ButtonDefaultClick(TObject* Sender) { ButtonDefaultSettingClick(Sender); }

void TFormColvenna::ComboBoxFmcChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormColvenna::ComboBoxGpioChange(TObject*)
{
    UpdateShapes();
    UpdateCardPictures();
}

void TFormColvenna::ComboBoxPllChange(TObject* Sender)
{
    for (TChoiceCombo& combo : m_Cdcm6208)
        if (combo.Combo == Sender) combo.Picked();
    for (TChoiceCombo& combo : m_Lmk04906)
        if (combo.Combo == Sender) combo.Picked();
}
