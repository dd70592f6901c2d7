#include "boards/cyclone4_stratix4/UI_Ormsgill.h"

#include <array>
#include <cstring>
#include <iterator>
#include <string>

#include "boards/cyclone4_stratix4/CONFIG_ORMSGILL.h"
#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Ormsgill", .LoadFailureBox = true, .SuccessBox = false,
                            .PostsBoardChange = true, .GeneratesFromHeld = true};

// The options of the external PLL, index = the value the PLL is sent.
const char* const kExtPllOptionTexts[ORMSGILL_EXT_PLL_OPTIONS] = {
    "Unchange", "Disable", "62.5", "75", "100", "125", "150", "156.25", "187.5", "200", "250", "312.5", "625"};

const char* const kDefaultHsmcPrefix[2] = {"HSMA_", "HSMB_"};
const char* const kDdr2Prefix[2] = {"M1_DDR2_", "M2_DDR2_"};

constexpr DaughterId SFP_CARD = 21;
constexpr DaughterId SATA_CARD = 23;

bool IsHsmcDefaultCard(DaughterId card) { return card == 2 || card == 3; }

// The check boxes in the order of the flags bClock .. bRs232, with the
// outlines they show (bMax2 has none).
struct TBox {
    const char* Name;
    const char* Caption;
    const char* PellowindCaption;  // nullptr: not on the Pellowind layout
    std::vector<const char*> Shapes;
};
const std::vector<TBox> kBoxes = {
    {"CheckBoxOSC", "CLOCK ", "CLOCK ", {"ShapeOSC"}},
    {"CheckBoxLED", "LED x  8", "LED x  8", {"ShapeLED"}},
    {"CheckBoxSeg7", "7-Segment x 2", "SEG7 x  2", {"ShapeSeg7"}},
    {"CheckBoxButton", "Button x 4", "Button x 4", {"ShapeButton"}},
    {"CheckBoxSwitch", "DIP Switch x 8", "DIP Switch x 8", {"ShapeSwitch"}},
    {"CheckBoxSlideSwitch", "Slide Switch x 4", "Slide Switch x 4", {"ShapeSlideSwitch"}},
    {"CheckBoxSata_0", "Sata Host 0", "Sata Host 1", {"ShapeSata_0"}},
    {"CheckBoxSata_1", "Sata Host 1", "Sata Host 2", {"ShapeSata_1"}},
    {"CheckBoxSata_2", "Sata Device 0", "Sata Device 1", {"ShapeSata_2"}},
    {"CheckBoxSata_3", "Sata Device 1", "Sata Device 2", {"ShapeSata_3"}},
    {"CheckBoxEthernet", "Ethernet x 4", "Ethernet x 4", {"ShapeEthernet"}},
    {"CheckBoxSDCARD", "SD CARD", "SDCARD", {"ShapeSDCARD"}},
    {"CheckBoxSma", "SMA", "SMA", {"ShapeSma"}},
    {"CheckBoxUsbOTG", "USB OTG", "USB OTG", {"ShapeUsbOTG"}},
    {"CheckBoxCurrent", "Power Measurement", "Power Measurement", {"ShapeCurrent"}},
    {"CheckBoxTemp", "Temperature", "Temperature", {"ShapeTemp"}},
    {"CheckBoxDDR2_0", "DDR2 SODIMM_1", "DDR2 SODIMM_1", {"ShapeDDR2_0"}},
    {"CheckBoxDDR2_1", "DDR2 SODIMM_2", "DDR2 SODIMM_2", {"ShapeDDR2_1"}},
    {"CheckBoxPCIe", "PCIe", "PCIe", {"ShapePCIe"}},
    {"CheckBoxFan", "Fan Control", "Fan Control", {"ShapeFan"}},
    {"CheckBoxSSRAM", "SSRAM (2MB)", "SSRAM (2MB)", {"ShapeSSRAM"}},
    {"CheckBoxFlash", "Flash (64MB)", "Flash (64MB)", {"ShapeFlash"}},
    {nullptr, nullptr, nullptr, {}},  // bMax2
    {"CheckBoxEEPROM", "EEPROM", "EEPROM", {"ShapeEEPROM"}},
    {"CheckBoxExtPLL", "Programmable PLL", "Programmable PLL", {"ShapeExtPLL0", "ShapeExtPLL1", "ShapeExtPLL2"}},
    {"CheckBoxRs232", "RS-232", nullptr, {"ShapeRs232"}},
};

// The boxes of a table as a layout shows them.
std::vector<TFlagBox> FlagBoxes(const std::vector<TBox>& table, TOrmsgillLayout kind)
{
    std::vector<TFlagBox> boxes;
    for (const TBox& box : table) {
        const char* caption = kind == TOrmsgillLayout::Pellowind ? box.PellowindCaption : box.Caption;
        if (caption || !box.Name) boxes.push_back({box.Name, caption, box.Shapes});
    }
    return boxes;
}

// Where a layout puts its groups. Ormsgill's stand right of the picture,
// the buttons in one row under both. Pellowind's narrower and taller form
// puts "Programmable PLL" under the picture and the buttons in two rows below
// it; the configuration, with the board type under the project name and the
// boxes in two columns, and the two connector groups fill the right column.
struct TGroupPlace {
    int Left, Top, Width, Height;
};
struct TOrmsgillPlaces {
    int ClientWidth, ClientHeight;
    int PictureWidth, PictureHeight;
    TGroupPlace Config;
    bool BoardTypeBelow;  // the board type under the project name, not beside it
    int BoxesTop, BoxColumns;
    TGroupPlace Gpio, Hsmc, Pll;
    bool ButtonsInColumn;  // the buttons in two rows as wide as the picture's panel
};

constexpr TOrmsgillPlaces kOrmsgillPlaces = {
    .ClientWidth = 1008,
    .ClientHeight = 676,
    .PictureWidth = ORMSGILL_PHOTO_WIDTH,
    .PictureHeight = ORMSGILL_PHOTO_HEIGHT,
    .Config = {492, 8, 508, 292},
    .BoardTypeBelow = false,
    .BoxesTop = 54,
    .BoxColumns = 3,
    .Gpio = {492, 304, 508, 160},
    .Hsmc = {492, 468, 508, 160},
    .Pll = {8, 424, 476, 116},
    .ButtonsInColumn = false,
};

constexpr TOrmsgillPlaces kPellowindPlaces = {
    .ClientWidth = 833,
    .ClientHeight = 742,
    .PictureWidth = PELLOWIND_PHOTO_WIDTH,
    .PictureHeight = PELLOWIND_PHOTO_HEIGHT,
    .Config = {432, 8, 393, 394},
    .BoardTypeBelow = true,
    .BoxesTop = 80,
    .BoxColumns = 2,
    .Gpio = {432, 408, 393, 160},
    .Hsmc = {432, 574, 393, 160},
    .Pll = {8, 424, 416, 116},
    .ButtonsInColumn = true,
};

void AddGroupBox(std::vector<TControlSpec>& c, const char* name, const TGroupPlace& place, const char* caption)
{
    c.push_back({.Kind = TControlKind::GroupBox, .Name = name, .Left = place.Left, .Top = place.Top,
                 .Width = place.Width, .Height = place.Height, .Caption = caption});
}

// The frame's row of buttons rearranged into two rows as wide as the board
// panel: "Default Setting", "Load Setting...", "Save Setting..." over
// "Generate..." and "Exit".
void PutButtonsUnderPanel(std::vector<TControlSpec>& c)
{
    const TControlSpec& panel = LayoutControl(c, "PanelBoard");
    const TControlSpec& exit = LayoutControl(c, "ButtonExit");
    const int bottom = exit.Top, top = exit.Top - exit.Height - 6;
    SpreadButtonRow(c, {"ButtonDefaultSetting", "ButtonLoad", "ButtonSave"}, panel.Left, top, panel.Width);
    SpreadButtonRow(c, {"ButtonGen", "ButtonExit"}, panel.Left, bottom, panel.Width);
}

}  // namespace

TFormSpec OrmsgillLayout(TOrmsgillLayout kind)
{
    const bool pellowind = kind == TOrmsgillLayout::Pellowind;
    const TOrmsgillPlaces& at = pellowind ? kPellowindPlaces : kOrmsgillPlaces;
    TFormSpec spec = FrameFormSpec(
        {.Name = pellowind ? "TFORMPELLOWIND" : "TFORMORMSGILL",
         .Caption = pellowind ? "Kalvora Pellowind Pinloom V0.1" : "Kalvora - Ormsgill Pinloom V 1.1.2",
         .Title = pellowind ? "Pellowind" : "Ormsgill",
         .Picture = pellowind ? "PELLOWIND_PHOTO_BITMAP" : "ORMSGILL_PHOTO_BITMAP",
         .PictureWidth = at.PictureWidth,
         .PictureHeight = at.PictureHeight,
         .Parts = pellowind ? kPellowindParts : kOrmsgillParts,
         .PartCount = pellowind ? std::size(kPellowindParts) : std::size(kOrmsgillParts),
         .Captions = TButtonCaptions::Dots,
         .DefaultSetting = true,
         .ClientWidth = at.ClientWidth,
         .ClientHeight = at.ClientHeight,
         .ExitIsDefault = true});
    auto& c = spec.Controls;
    if (at.ButtonsInColumn) PutButtonsUnderPanel(c);

    const char* config = "GroupBoxConfig";
    AddGroupBox(c, config, at.Config, "System Configuration");
    c.push_back(FrameLabel("LabelProjectName", config, 12, 24, 90, "Project Name:"));
    // The board type beside the project name, or under it with its combo
    // under the name's edit.
    const int typeLeft = at.BoardTypeBelow ? 12 : 266;
    const int typeTop = at.BoardTypeBelow ? 48 : 20;
    const int typeComboLeft = at.BoardTypeBelow ? 104 : 346;
    c.push_back(FrameEdit("EditProjectName", config, 104, 20, at.BoardTypeBelow ? at.Config.Width - 116 : 150));
    c.push_back(FrameLabel("LabelBoard", config, typeLeft, typeTop + 4, 80, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", config, typeComboLeft, typeTop, 150, "ComboBoxBoardChange"));
    AddFlagBoxGrid(c, config, 12, at.BoxesTop, at.BoxColumns, FlagBoxes(kBoxes, kind));
    // Hints: the USB chip's kind, shown on hover; on Ormsgill what the DDR2
    // sockets take, kept with the boxes but not shown.
    LayoutControl(c, "CheckBoxUsbOTG").Hint = "High-Speed USB FIFO";
    if (!pellowind) {
        for (const char* box : {"CheckBoxDDR2_0", "CheckBoxDDR2_1"}) {
            LayoutControl(c, box).Hint = "Up to 4GB, 800 data rate";
            LayoutControl(c, box).ShowHint = false;
        }
    }

    const char* gpio = "GroupBoxGpio";
    AddGroupBox(c, gpio, at.Gpio, "GPIO Expansion");
    AddCardRow(c, gpio, 20, at.Gpio.Width,
               {"LabelGpio0", "GPIO-0 Header", "ComboBoxGpio0", "ComboBoxGpioChange", "LabelPrefixGpio0",
                "EditPrefixGpio0", "ImageGpio0"});
    AddCardRow(c, gpio, 88, at.Gpio.Width,
               {"LabelGpio1", "GPIO-1 Header", "ComboBoxGpio1", "ComboBoxGpioChange", "LabelPrefixGpio1",
                "EditPrefixGpio1", "ImageGpio1"});
    const char* hsmc = "GroupBoxHsmc";
    AddGroupBox(c, hsmc, at.Hsmc, "HSMC Expansion");
    AddCardRow(c, hsmc, 20, at.Hsmc.Width,
               {"LabelHsmcA", "HSMC-A (Transceiver x 4)", "ComboBoxHSMC_A", "ComboBoxHSMCChange", "LabelPrefixHsmcA",
                "EditHSMC_A", "ImageHSMC_A"});
    AddCardRow(c, hsmc, 88, at.Hsmc.Width,
               {"LabelHsmcB", "HSMC-B (Transceiver x 8)", "ComboBoxHSMC_B", "ComboBoxHSMCChange", "LabelPrefixHsmcB",
                "EditHSMC_B", "ImageHSMC_B"});

    const char* pll = "GroupBoxPll";
    AddGroupBox(c, pll, at.Pll, "Programmable PLL");
    static const char* const kPll[3][4] = {
        {"LabelPllHsma", "HSMA_REFCLK:", "ComboBoxPLL_HSMA", "LabelPllHsmaMhz"},
        {"LabelPllHsmb", "HSMB_REFCLK:", "ComboBoxPLL_HSMB", "LabelPllHsmbMhz"},
        {"LabelPllSata", "PLL_CLKIN/SATA_REFCLK:", "ComboBoxPLL_SATA", "LabelPllSataMhz"},
    };
    for (int i = 0; i < 3; ++i) {
        const int top = 22 + 30 * i;
        c.push_back(FrameLabel(kPll[i][0], pll, 12, top + 4, 170, kPll[i][1]));
        TControlSpec combo = FrameComboBox(kPll[i][2], pll, 186, top, 110, "ComboBoxPLLChange");
        combo.DropDownCount = ORMSGILL_EXT_PLL_OPTIONS;
        c.push_back(combo);
        c.push_back(FrameLabel(kPll[i][3], pll, 302, top + 4, 40, "MHZ"));
    }
    return spec;
}

TFormOrmsgill::TFormOrmsgill(TForm* owner) : TFrameBoardFormOf<ORMSGILL_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxBoardChange", Bind(&TFormOrmsgill::ComboBoxBoardChange));
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormOrmsgill::ComboBoxGpioChange));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormOrmsgill::ComboBoxHSMCChange));
    handlers.emplace_back("ComboBoxPLLChange", Bind(&TFormOrmsgill::ComboBoxPLLChange));
    LoadLayout(OrmsgillLayout(TOrmsgillLayout::Ormsgill), handlers);

    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    m_Groups.Bind(*this, FlagBoxes(kBoxes, TOrmsgillLayout::Ormsgill));
    for (int i = 0; i < 4; ++i) CheckBoxSata[i] = m_Groups.Box(static_cast<size_t>(6 + i));
    for (int i = 0; i < 2; ++i) CheckBoxDDR2[i] = m_Groups.Box(static_cast<size_t>(16 + i));
    CheckBoxPCIe = m_Groups.Box(18);
    CheckBoxExtPLL = m_Groups.Box(24);
    for (int i = 0; i < 2; ++i) {
        ComboBoxGpio[i] = Find<TComboBox>(Format("ComboBoxGpio%d", i));
        EditPrefixGpio[i] = Find<TEdit>(Format("EditPrefixGpio%d", i));
        ImageGpio[i] = Find<TImage>(Format("ImageGpio%d", i));
        ShapeGpio[i] = Find<TShape>(Format("ShapeGpio%d", i));
        const char letter = static_cast<char>('A' + i);
        ComboBoxHSMC[i] = Find<TComboBox>(Format("ComboBoxHSMC_%c", letter));
        EditHSMC[i] = Find<TEdit>(Format("EditHSMC_%c", letter));
        ImageHSMC[i] = Find<TImage>(Format("ImageHSMC_%c", letter));
        ShapeHSMC[i] = Find<TShape>(Format("ShapeHSMC_%c", letter));
    }
    for (int i = 0; i < 3; ++i) ShapeExtPLL[i] = Find<TShape>(Format("ShapeExtPLL%d", i));
    ComboBoxPLL[0] = Find<TComboBox>("ComboBoxPLL_HSMA");
    ComboBoxPLL[1] = Find<TComboBox>("ComboBoxPLL_HSMB");
    ComboBoxPLL[2] = Find<TComboBox>("ComboBoxPLL_SATA");
    m_BoardType = {ComboBoxBoard, 0, 0};
    for (int i = 0; i < 3; ++i) m_Pll[i] = {ComboBoxPLL[i], ORMSGILL_EXT_PLL_DEFAULT, ORMSGILL_EXT_PLL_DEFAULT};
    InitialiseSettings({EditPrefixGpio[0], EditPrefixGpio[1], EditHSMC[0], EditHSMC[1]});
}

void TFormOrmsgill::SetDefaults(ORMSGILL_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_ORMSGILL;
    config.Size = sizeof(ORMSGILL_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Ormsgill");
    config.bClock = config.bLed = config.bSeg7 = config.bButton = config.bSwitch = config.bSlideSwitch = 1;
    config.bEthernet = config.bSdCard = config.bUsbOtg = config.bCurrent = config.bTemp = 1;
    config.bFan = config.bSsram = config.bFlash = config.bEeprom = config.bExtPll = config.bRs232 = 1;
    for (uint8_t& option : config.nExtPllFreq) option = ORMSGILL_EXT_PLL_DEFAULT;
}

void TFormOrmsgill::FillCardCombos()
{
    m_BoardType.Fill({"Ormsgill_230", "Ormsgill_530"});
    m_Config.BuildCardList(CONNECTOR_HSMC, true, 3);
    for (TComboBox* combo : ComboBoxHSMC) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
    m_GpioList.BuildCardList(CONNECTOR_GPIO80, false, 3);
    for (TComboBox* combo : ComboBoxGpio) FillCardCombo(combo, m_GpioList.m_CardCount, m_GpioList.m_CardIds);
    const std::vector<std::string> options(std::begin(kExtPllOptionTexts), std::end(kExtPllOptionTexts));
    for (TChoiceCombo& pll : m_Pll) pll.Fill(options);
}

void TFormOrmsgill::ConfigToForm(const ORMSGILL_CONFIG& config)
{
    // A board type or PLL option outside its list shows the default item
    // (and so is written back by the next FormToConfig).
    m_BoardType.Show(config.nBoardType);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bClock);
    // A card the list does not hold leaves the combo and its prefix edit as
    // they were.
    for (int i = 0; i < 2; ++i) {
        ShowCardAndPrefix(ComboBoxHSMC[i], EditHSMC[i], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nHsmcDaughterId[i], config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
        ShowCardAndPrefix(ComboBoxGpio[i], EditPrefixGpio[i], m_GpioList.m_CardCount, m_GpioList.m_CardIds,
                          config.nGpioDaughterId[i], config.szGpioPrefixName[i], sizeof config.szGpioPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    }
    for (int i = 0; i < 3; ++i) m_Pll[i].Show(config.nExtPllFreq[i]);
    UpdateCardPictures();
    UpdateShapes();
    UpdatePllCombos();
}

bool TFormOrmsgill::FormToConfig(ORMSGILL_CONFIG& config)
{
    config.BoardId = MAINBOARD_ORMSGILL;
    config.nBoardType = static_cast<uint8_t>(m_BoardType.Item());
    config.Size = sizeof(ORMSGILL_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bClock);
    config.bMax2 = 0;
    for (int i = 0; i < 3; ++i) config.nExtPllFreq[i] = static_cast<uint8_t>(m_Pll[i].Item());
    for (int i = 0; i < 2; ++i) {
        config.nGpioDaughterId[i] = GpioCard(i);
        WriteFixedText(config.szGpioPrefixName[i], 128, EditPrefixGpio[i]->Text());
        config.nHsmcDaughterId[i] = HsmcCard(i);
        WriteFixedText(config.szHSMCPrefixName[i], 128, EditHSMC[i]->Text());
    }
    return true;
}

DaughterId TFormOrmsgill::HsmcCard(int port) const { return SelectedCard(ComboBoxHSMC[port], m_Config.m_CardIds); }
DaughterId TFormOrmsgill::GpioCard(int header) const
{
    return SelectedCard(ComboBoxGpio[header], m_GpioList.m_CardIds);
}

void TFormOrmsgill::UpdateShapes()
{
    m_Groups.UpdateShapes();
    for (int i = 0; i < 2; ++i) {
        ShapeHSMC[i]->SetVisible(ComboBoxHSMC[i]->ItemIndex() != 0);
        ShapeGpio[i]->SetVisible(ComboBoxGpio[i]->ItemIndex() != 0);
    }
}

void TFormOrmsgill::UpdateCardPictures()
{
    for (int i = 0; i < 2; ++i) {
        ShowCardPicture(ImageHSMC[i], HsmcCard(i));
        ShowCardPicture(ImageGpio[i], GpioCard(i));
    }
}

// The PLL outputs are set while the PLL is in use; otherwise they stay
// "Unchange" and cannot be changed. A choice the user made survives.
void TFormOrmsgill::UpdatePllCombos()
{
    for (TChoiceCombo& pll : m_Pll) pll.Update(CheckBoxExtPLL->Checked(), 0);
}

void TFormOrmsgill::CoupleGpioHeaders(TObject* changed)
{
    std::array<TGpioHeaderControls, 2> headers{};
    for (size_t i = 0; i < headers.size(); ++i)
        headers[i] = {ComboBoxGpio[i], EditPrefixGpio[i], ImageGpio[i], ShapeGpio[i]};
    TBoardForm::CoupleGpioHeaders(headers, changed, m_GpioList.m_CardIds);
}

bool TFormOrmsgill::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId gpio[2] = {GpioCard(0), GpioCard(1)};
    const std::string gpioPrefix[2] = {EditPrefixGpio[0]->Text(), EditPrefixGpio[1]->Text()};
    if (!CheckGpioPrefixNames(2, gpio, gpioPrefix, message)) return false;
    const DaughterId hsmc[2] = {HsmcCard(0), HsmcCard(1)};
    const std::string hsmcPrefix[2] = {EditHSMC[0]->Text(), EditHSMC[1]->Text()};
    if (!CheckHsmcPrefixNames(2, hsmc, hsmcPrefix, message)) return false;
    for (int i = 0; i < 2; ++i) {
        std::string prefix = hsmcPrefix[i];
        if (prefix.empty() && IsHsmcDefaultCard(hsmc[i])) prefix = kDefaultHsmcPrefix[i];
        if (!CheckCardPrefix(hsmc[i], MAINBOARD_ORMSGILL, prefix, Format("HSMC-%c", 'A' + i), generating, message))
            return false;
        if (!CheckCardPrefix(gpio[i], MAINBOARD_ORMSGILL, gpioPrefix[i], Format("GPIO-%d", i), generating, message))
            return false;
    }
    if (!generating) return true;
    // Cards that need the transceiver lanes HSMC-A does not have.
    const bool transceiverCardOnB = hsmc[1] == SFP_CARD || hsmc[1] == SATA_CARD;
    std::string warning;
    if (hsmc[0] == SFP_CARD) {
        warning = "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Ormsgill FPGA through HSMC-A Connector.";
        if (!transceiverCardOnB) warning += "\r\nSuggest to plug your SFP board in the HSMC-B Connector.";
    } else if (hsmc[0] == SATA_CARD) {
        warning = transceiverCardOnB
                      ? "4-lane SAS in SATA/SAS board are not connected to Ormsgill FPGA through HSMC-A Connector."
                      : "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Ormsgill FPGA through HSMC-A "
                        "Connector.\r\nSuggest to plug your SATA/SAS board in the HSMC-B Connector.";
    }
    if (!warning.empty()) seam::ShowWarning(warning);
    return true;
}

std::string TFormOrmsgill::IpNotices()
{
    std::string text;
    if (CheckBoxDDR2[0]->Checked() || CheckBoxDDR2[1]->Checked()) text += MemoryIpNotice("DDR2");
    const bool sata = CheckBoxSata[0]->Checked() || CheckBoxSata[1]->Checked() || CheckBoxSata[2]->Checked() ||
                      CheckBoxSata[3]->Checked();
    const bool hsmc = IsTransceiverCard(HsmcCard(0)) || IsTransceiverCard(HsmcCard(1));
    std::string word;
    for (const auto& [used, name] : {std::pair<bool, const char*>{sata, "SATA"}, {CheckBoxPCIe->Checked(), "PCIe"},
                                     {hsmc, "HSMC"}}) {
        if (!used) continue;
        if (!word.empty()) word += "//";
        word += name;
    }
    if (!word.empty()) text += TransceiverIpNotice(word);
    return text;
}

void TFormOrmsgill::AfterCheckBoxClick()
{
    UpdateCardPictures();
    UpdatePllCombos();
}

void TFormOrmsgill::DefineBoard(TMainBoard* board, const ORMSGILL_CONFIG& config) { CONFIG_ORMSGILL(board, &config); }

void TFormOrmsgill::ApplyDefaultPrefixes(ORMSGILL_CONFIG& config)
{
    for (int i = 0; i < 2; ++i)
        if (config.szHSMCPrefixName[i][0] == 0 && IsHsmcDefaultCard(config.nHsmcDaughterId[i]))
            WriteFixedText(config.szHSMCPrefixName[i], 128, kDefaultHsmcPrefix[i]);
}

void TFormOrmsgill::AttachCards(TMainBoard* board, const ORMSGILL_CONFIG& config)
{
    for (int i = 0; i < 2; ++i) {
        if (config.nHsmcDaughterId[i] == 0) continue;
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName[i], 128);
        board->AttachHsmcCardEx(static_cast<uint8_t>(ORMSGILL_HSMC_MASTER_ID + i), config.nHsmcDaughterId[i], 6, 0,
                                prefix.c_str());
    }
    const DaughterId gpio0 = config.nGpioDaughterId[0];
    const DaughterId gpio1 = config.nGpioDaughterId[1];
    if (gpio0 > 0 && gpio0 == gpio1 && GetCardConnectorType(gpio0) == CONNECTOR_GPIO80) {
        const std::string prefix = ReadFixedText(config.szGpioPrefixName[0], 128);
        board->AttachGpioCard(ORMSGILL_GPIO80_MASTER_ID, gpio0, 8, nullptr, prefix.c_str());
    } else {
        for (int h = 0; h < 2; ++h) {
            if (config.nGpioDaughterId[h] == 0) continue;
            const std::string prefix = ReadFixedText(config.szGpioPrefixName[h], 128);
            board->AttachGpioCard(static_cast<uint8_t>(ORMSGILL_GPIO_MASTER_ID + h), config.nGpioDaughterId[h], 8,
                                  nullptr, prefix.c_str());
        }
    }
    for (int socket = 0; socket < 2; ++socket)
        if (config.bDdr2[socket])
            board->AttachDdr2Sodimm(static_cast<uint8_t>(ORMSGILL_DDR2_MASTER_ID + socket), kDdr2Prefix[socket],
                                    {.differential = true, .busStandard = 3, .addressStandard = 3});
}

void TFormOrmsgill::ComboBoxBoardChange(TObject*)
{
    FormToConfig(m_Config.m_Config);
    ConfigToForm(m_Config.m_Config);
}

void TFormOrmsgill::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateShapes();
    UpdateCardPictures();
}

void TFormOrmsgill::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
}

void TFormOrmsgill::ComboBoxPLLChange(TObject* Sender)
{
    for (TChoiceCombo& pll : m_Pll)
        if (Sender == pll.Combo) pll.Picked();
}
