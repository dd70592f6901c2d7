#include "boards/cyclone4_stratix4/UI_Brackwell.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/BrackwellParts.h"
#include "boards/cyclone4_stratix4/CONFIG_BRACKWELL.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Brackwell",
                            .LoadFailureBox = true,
                            .SuccessBox = true,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = true};

// The prefix of a default HSMC card left without one.
const char* const kDefaultHsmcPrefix = "HSM_";

// The entries of the PLL frequency table; 2 to 12 are frequencies in MHz.
const char* const kPllItems[BRACKWELL_PLL_CHOICES] = {"Unchange", "Disable", "62.5",  "75",  "100",   "125", "150",
                                                      "156.25",   "187.5",   "200",   "250", "312.5", "625"};
constexpr int32_t kDefaultPllItem = 4;  // "100"

const char* const kBoardTypes[] = {"Brackwell_230", "Brackwell_530"};

uint8_t* Flags(BRACKWELL_CONFIG& config) { return &config.bCLOCK; }
const uint8_t* Flags(const BRACKWELL_CONFIG& config) { return &config.bCLOCK; }

TFormSpec BrackwellLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMBRACKWELL",
                                    .Caption = "Brackwell",
                                    .Title = "Brackwell FPGA Board",
                                    .Picture = "BRACKWELL_PHOTO_BITMAP",
                                    .PictureWidth = BRACKWELL_PHOTO_WIDTH,
                                    .PictureHeight = BRACKWELL_PHOTO_HEIGHT,
                                    .Parts = kBrackwellParts,
                                    .PartCount = std::size(kBrackwellParts),
                                    .Captions = TButtonCaptions::Dots,
                                    .DefaultSetting = true,
                                    .ClientWidth = 833,
                                    .ClientHeight = 750});
    auto& c = spec.Controls;
    // The VCCIO indicator beside the picture, tied to it by the hint lines.
    c.push_back({.Kind = TControlKind::PaintBox, .Name = "PaintBoxHint", .Left = 324, .Top = 100, .Width = 24,
                 .Height = 111, .OnPaint = "PaintBoxHintPaint"});
    c.push_back({.Kind = TControlKind::Label, .Name = "LabelVol", .Left = 348, .Top = 80, .Width = 120, .Height = 18,
                 .Caption = "HSMC VCCIO", .Bold = true});
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageVol", .Left = 348, .Top = 100,
                 .Width = BRACKWELL_VOL_WIDTH, .Height = BRACKWELL_VOL_HEIGHT});

    const char* box = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = box, .Left = 476, .Top = 8, .Width = 349, .Height = 414,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", box, 12, 26, 96, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", box, 110, 22, 226));
    c.push_back(FrameLabel("LabelBoard", box, 12, 56, 96, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", box, 110, 52, 226, "ComboBoxBoardChange"));
    const char* const boxes[12][2] = {
        {"CheckBoxOSC", "CLOCK "},       {"CheckBoxLED", "LED x  4"},     {"CheckBoxButton", "Button x 4"},
        {"CheckBoxSwitch", "Switch x 4"}, {"CheckBoxSma", "SMA"},          {"CheckBoxTemp", "Temperature"},
        {"CheckBoxDDR3", "DDR3 SODIMM"}, {"CheckBoxPCIe0", "PCIe 0"},     {"CheckBoxPCIe1", "PCIe 1"},
        {"CheckBoxFan", "Fan Control"},  {"CheckBoxSSRAM", "SSRAM (2MB)"}, {"CheckBoxFlash", "Flash (64MB)"}};
    for (int i = 0; i < 12; ++i) {
        TControlSpec check = FrameCheckBox(boxes[i][0], box, 12 + 168 * (i % 2), 86 + 26 * (i / 2), 160, boxes[i][1]);
        // What the socket takes is said on hover.
        if (std::strcmp(boxes[i][0], "CheckBoxDDR3") == 0) check.Hint = "Up to 4GB, 1066 data rate";
        c.push_back(check);
    }
    c.push_back(FrameCheckBox("CheckBoxExtPLL", box, 12, 250, 200, "Programmable PLL"));
    const char* const pll[3][3] = {{"LabelPLL_HSMA", "HSMA_REFCLK:", "ComboBoxPLL_HSMA"},
                                   {"LabelPLL_HSME", "HSME_REFCLK:", "ComboBoxPLL_HSME"},
                                   {"LabelPLL_GXB", "PGM_GXBCLK:", "ComboBoxPLL_GXB"}};
    const char* const units[3] = {"LabelMHz_HSMA", "LabelMHz_HSME", "LabelMHz_GXB"};
    for (int k = 0; k < 3; ++k) {
        const int top = 278 + 30 * k;
        c.push_back(FrameLabel(pll[k][0], box, 32, top + 4, 100, pll[k][1]));
        TControlSpec combo = FrameComboBox(pll[k][2], box, 136, top, 120, nullptr);
        combo.DropDownCount = BRACKWELL_PLL_CHOICES;
        c.push_back(combo);
        c.push_back(FrameLabel(units[k], box, 262, top + 4, 40, "MHZ"));
    }
    c.push_back(FrameLabel("LabelHsmcGpio", box, 12, 378, 96, "HSMC-C/GPIO"));
    c.push_back(FrameComboBox("ComboBoxHsmcGpio", box, 110, 374, 120, "ComboBoxHsmcGpioChange"));

    // The six HSMC connectors, three to a row.
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxHsmc", .Left = 8, .Top = 430, .Width = 817,
                 .Height = 272, .Caption = "HSMC Expansion"});
    const char* const hsmc[6][6] = {
        {"LabelHSMC_A", "HSMC-A", "ComboBoxHSMC_A", "LabelPrefixHSMC_A", "EditHSMC_A", "ImageHSMC_A"},
        {"LabelHSMC_B", "HSMC-B", "ComboBoxHSMC_B", "LabelPrefixHSMC_B", "EditHSMC_B", "ImageHSMC_B"},
        {"LabelHSMC_C", "HSMC-C", "ComboBoxHSMC_C", "LabelPrefixHSMC_C", "EditHSMC_C", "ImageHSMC_C"},
        {"LabelHSMC_D", "HSMC-D", "ComboBoxHSMC_D", "LabelPrefixHSMC_D", "EditHSMC_D", "ImageHSMC_D"},
        {"LabelHSMC_E", "HSMC-E", "ComboBoxHSMC_E", "LabelPrefixHSMC_E", "EditHSMC_E", "ImageHSMC_E"},
        {"LabelHSMC_F", "HSMC-F", "ComboBoxHSMC_F", "LabelPrefixHSMC_F", "EditHSMC_F", "ImageHSMC_F"}};
    const char* group = "GroupBoxHsmc";
    for (int i = 0; i < 6; ++i) {
        const int left = 8 + 270 * (i % 3);
        const int top = 20 + 124 * (i / 3);
        c.push_back(FrameLabel(hsmc[i][0], group, left, top, 160, hsmc[i][1], true));
        c.push_back(FrameComboBox(hsmc[i][2], group, left, top + 20, 170, "ComboBoxHSMCChange"));
        c.push_back(FrameLabel(hsmc[i][3], group, left, top + 58, 84, "Prefix Name:"));
        c.push_back(FrameEdit(hsmc[i][4], group, left, top + 78, 170));
        c.push_back({.Kind = TControlKind::Image, .Name = hsmc[i][5], .Parent = group, .Left = left + 178,
                     .Top = top + 18, .Width = 80, .Height = 80, .Visible = false});
    }
    // HSMC-C in GPIO mode: the chosen header cards in place of its combo, and
    // the button of the dialog in place of its prefix.
    c.push_back({.Kind = TControlKind::Label, .Name = "LabelGPIO", .Parent = "GroupBoxHsmc", .Visible = false});
    c.push_back({.Kind = TControlKind::Button, .Name = "ButtonGpio", .Parent = "GroupBoxHsmc", .Left = 548,
                 .Top = 94, .Width = 104, .Height = 28, .Caption = "GPIO Edit", .OnClick = "ButtonGpioClick",
                 .Visible = false, .HandCursor = true});
    return spec;
}

}  // namespace

TFormBrackwell::TFormBrackwell(TForm* owner) : TFrameBoardFormOf<BRACKWELL_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ButtonGpioClick", Bind(&TFormBrackwell::ButtonGpioClick));
    handlers.emplace_back("ComboBoxHSMCChange", Bind(&TFormBrackwell::ComboBoxHSMCChange));
    handlers.emplace_back("ComboBoxHsmcGpioChange", Bind(&TFormBrackwell::ComboBoxHsmcGpioChange));
    handlers.emplace_back("ComboBoxBoardChange", Bind(&TFormBrackwell::ComboBoxBoardChange));
    handlers.emplace_back("PaintBoxHintPaint", Bind(&TFormBrackwell::PaintBoxHintPaint));
    LoadLayout(BrackwellLayout(), handlers);

    ButtonGpio = Find<TButton>("ButtonGpio");
    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    CheckBoxOSC = Find<TCheckBox>("CheckBoxOSC");
    CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
    CheckBoxButton = Find<TCheckBox>("CheckBoxButton");
    CheckBoxSwitch = Find<TCheckBox>("CheckBoxSwitch");
    CheckBoxSma = Find<TCheckBox>("CheckBoxSma");
    CheckBoxTemp = Find<TCheckBox>("CheckBoxTemp");
    CheckBoxDDR3 = Find<TCheckBox>("CheckBoxDDR3");
    CheckBoxPCIe0 = Find<TCheckBox>("CheckBoxPCIe0");
    CheckBoxPCIe1 = Find<TCheckBox>("CheckBoxPCIe1");
    CheckBoxFan = Find<TCheckBox>("CheckBoxFan");
    CheckBoxSSRAM = Find<TCheckBox>("CheckBoxSSRAM");
    CheckBoxFlash = Find<TCheckBox>("CheckBoxFlash");
    CheckBoxExtPLL = Find<TCheckBox>("CheckBoxExtPLL");
    ComboBoxPLL_HSMA = Find<TComboBox>("ComboBoxPLL_HSMA");
    ComboBoxPLL_HSME = Find<TComboBox>("ComboBoxPLL_HSME");
    ComboBoxPLL_GXB = Find<TComboBox>("ComboBoxPLL_GXB");
    ComboBoxHsmcGpio = Find<TComboBox>("ComboBoxHsmcGpio");
    LabelGPIO = Find<TLabel>("LabelGPIO");
    LabelPrefixHSMC_C = Find<TLabel>("LabelPrefixHSMC_C");
    ImageVol = Find<TImage>("ImageVol");
    PaintBoxHint = Find<TPaintBox>("PaintBoxHint");
    ShapeGpio0 = Find<TShape>("ShapeGpio0");
    ShapeGpio1 = Find<TShape>("ShapeGpio1");
    for (int i = 0; i < 6; ++i) {
        const char letter = static_cast<char>('A' + i);
        m_HsmcCombos[i] = Find<TComboBox>(std::string("ComboBoxHSMC_") + letter);
        m_HsmcPrefixEdits[i] = Find<TEdit>(std::string("EditHSMC_") + letter);
        m_HsmcImages[i] = Find<TImage>(std::string("ImageHSMC_") + letter);
        m_HsmcShapes[i] = Find<TShape>(std::string("ShapeHSMC_") + letter);
    }
    m_Flags.Bind(*this, {{"CheckBoxOSC", {"ShapeOSC"}},
                         {"CheckBoxLED", {"ShapeLED"}},
                         {"CheckBoxButton", {"ShapeButton"}},
                         {"CheckBoxSwitch", {"ShapeSwitch"}},
                         {"CheckBoxSma", {"ShapeSma"}},
                         {"CheckBoxTemp", {"ShapeTemp"}},
                         {"CheckBoxDDR3", {"ShapeDDR3"}},
                         {"CheckBoxPCIe0", {"ShapePCIe_0"}},
                         {"CheckBoxPCIe1", {"ShapePCIe_1"}},
                         {"CheckBoxFan", {"ShapeFan"}},
                         {"CheckBoxSSRAM", {"ShapeSSRAM"}},
                         {"CheckBoxFlash", {"ShapeFlash"}},
                         {"CheckBoxExtPLL", {"ShapeExtPll_0", "ShapeExtPll_1", "ShapeExtPll_2"}}});
    m_PllCombos[0].Combo = ComboBoxPLL_HSMA;
    m_PllCombos[1].Combo = ComboBoxPLL_HSME;
    m_PllCombos[2].Combo = ComboBoxPLL_GXB;
    for (TChoiceCombo& pll : m_PllCombos) pll.DefaultItem = kDefaultPllItem;

    InitialiseSettings({m_HsmcPrefixEdits[0], m_HsmcPrefixEdits[1], m_HsmcPrefixEdits[2],
                        m_HsmcPrefixEdits[3], m_HsmcPrefixEdits[4], m_HsmcPrefixEdits[5]});
    UpdateHsmcCMode();
}

// ---- Lists and the record -----------------------------------------------------

bool TFormBrackwell::UsesXcvrCardList(int hsmc) { return hsmc == 0 || hsmc == 4; }

bool TFormBrackwell::IsHsmcDefaultCard(DaughterId card)
{
    return card == 2 || card == 3 || (card >= 90 && card <= 96) || card == 98;
}

const TConfigBase<BRACKWELL_CONFIG>& TFormBrackwell::HsmcList(int hsmc) const
{
    return UsesXcvrCardList(hsmc) ? m_HsmcXcvrCardList : m_Config;
}

DaughterId TFormBrackwell::HsmcCard(int hsmc) const
{
    return SelectedCard(m_HsmcCombos[hsmc], HsmcList(hsmc).m_CardIds);
}

DaughterId TFormBrackwell::GpioCard(int header) const
{
    const int32_t index = header == 0 ? m_pGpioDialog->GetGpio0Index() : m_pGpioDialog->GetGpio1Index();
    return index >= 0 && index < m_GpioCardList.m_CardCount ? m_GpioCardList.m_CardIds[index] : 0;
}

bool TFormBrackwell::IsHsmcCGpioMode() const { return ComboBoxHsmcGpio->ItemIndex() == 1; }

void TFormBrackwell::FillCardCombos()
{
    ComboBoxBoard->Clear();
    for (const char* type : kBoardTypes) ComboBoxBoard->AddItem(type);
    ComboBoxBoard->SetItemIndex(0);

    auto append = [](TConfigBase<BRACKWELL_CONFIG>& list, std::initializer_list<DaughterId> cards) {
        for (DaughterId card : cards) list.m_CardIds[list.m_CardCount++] = card;
    };
    m_Config.BuildCardList(CONNECTOR_HSMC, false, 3);
    append(m_Config, {92, 91, 98});
    m_HsmcXcvrCardList.BuildCardList(CONNECTOR_HSMC, true, 3);
    append(m_HsmcXcvrCardList, {96, 95, 94, 92, 91, 98});
    for (int i = 0; i < 6; ++i)
        FillCardCombo(m_HsmcCombos[i], HsmcList(i).m_CardCount, HsmcList(i).m_CardIds);

    ComboBoxHsmcGpio->Clear();
    ComboBoxHsmcGpio->AddItem("HSMC");
    ComboBoxHsmcGpio->AddItem("GPIO");
    ComboBoxHsmcGpio->SetItemIndex(0);

    std::vector<std::string> items(std::begin(kPllItems), std::end(kPllItems));
    for (TChoiceCombo& pll : m_PllCombos) pll.Fill(items);

    m_GpioCardList.BuildCardList(CONNECTOR_GPIO80, false, 3);
    m_pGpioDialog = new TFormGPIO(this);
    m_pGpioDialog->SetCardListHolder(&m_GpioCardList);

    // The header cards of GPIO mode stand where the HSMC-C combo stands.
    TComboBox* hsmcC = m_HsmcCombos[2];
    LabelGPIO->SetBounds(hsmcC->Left(), hsmcC->Top(), hsmcC->Width(), hsmcC->Height() * 2);

    FillCardCombo(m_pGpioDialog->ComboBoxGpio0, m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds);
    FillCardCombo(m_pGpioDialog->ComboBoxGpio1, m_GpioCardList.m_CardCount, m_GpioCardList.m_CardIds);
}

void TFormBrackwell::SetDefaults(BRACKWELL_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_BRACKWELL;
    config.nBoardType = 0;
    config.Size = sizeof(BRACKWELL_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Brackwell");
    config.bCLOCK = config.bLED = config.bBUTTON = config.bSW = 1;
    config.bTemperature = config.bFAN = config.bSSRAM = config.bFLASH = 1;
    for (uint8_t& choice : config.nPllFreq) choice = kDefaultPllItem;
}

void TFormBrackwell::ConfigToForm(const BRACKWELL_CONFIG& config)
{
    // A value outside its list is shown as the default item.
    ComboBoxBoard->SetItemIndex(config.nBoardType < std::size(kBoardTypes) ? config.nBoardType : 0);
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Flags.Show(Flags(config));
    ComboBoxHsmcGpio->SetItemIndex(config.bHsmcCGpio ? 1 : 0);

    // A card the list does not hold leaves the combo and its prefix edit as
    // they were.
    for (int i = 0; i < 6; ++i) {
        const TConfigBase<BRACKWELL_CONFIG>& list = HsmcList(i);
        ShowCardAndPrefix(m_HsmcCombos[i], m_HsmcPrefixEdits[i], list.m_CardCount, list.m_CardIds,
                          config.nHsmcDaughterId[i], config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i],
                          TUnlistedCard::KeepsPrefix);
    }
    for (int j = 0; j < 2; ++j) {
        // A listed card brings its prefix, "None" included (a prefix typed
        // beside "None" is kept in the record); an unlisted one leaves the
        // dialog's card and prefix as they were.
        const uint8_t* ids = m_GpioCardList.m_CardIds;
        const uint8_t* found = std::find(ids, ids + m_GpioCardList.m_CardCount, config.nGpioDaughterId[j]);
        if (found == ids + m_GpioCardList.m_CardCount) continue;
        const auto item = static_cast<int32_t>(found - ids);
        const std::string prefix = ReadFixedText(config.szGpioPrefixName[j], sizeof config.szGpioPrefixName[j]);
        if (j == 0) {
            m_pGpioDialog->SetGpio0Index(item);
            m_pGpioDialog->SetGpio0Prefix(prefix);
        } else {
            m_pGpioDialog->SetGpio1Index(item);
            m_pGpioDialog->SetGpio1Prefix(prefix);
        }
    }
    UpdateCardPictures();
    UpdateShapes();
    m_PllShown = false;
    UpdatePllCombos();
    PaintVccioIndicator();
    UpdateHsmcCMode();
}

bool TFormBrackwell::FormToConfig(BRACKWELL_CONFIG& config)
{
    config.BoardId = MAINBOARD_BRACKWELL;
    config.Size = sizeof(BRACKWELL_CONFIG);
    config.nBoardType = static_cast<uint8_t>(ComboBoxBoard->ItemIndex() > 0 ? ComboBoxBoard->ItemIndex() : 0);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Flags.Store(Flags(config));
    config.bHsmcCGpio = IsHsmcCGpioMode() ? 1 : 0;
    for (int i = 0; i < 6; ++i) {
        config.nHsmcDaughterId[i] = HsmcCard(i);
        WriteFixedText(config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i], m_HsmcPrefixEdits[i]->Text());
    }
    for (int j = 0; j < 2; ++j) {
        config.nGpioDaughterId[j] = GpioCard(j);
        WriteFixedText(config.szGpioPrefixName[j], sizeof config.szGpioPrefixName[j],
                       j == 0 ? m_pGpioDialog->GetGpio0Prefix() : m_pGpioDialog->GetGpio1Prefix());
    }
    // The combos show the choices only while the PLL is ticked; unticked, the
    // stored choices stay (a value outside the table becomes the default).
    for (int k = 0; k < 3; ++k)
        config.nPllFreq[k] = static_cast<uint8_t>(CheckBoxExtPLL->Checked() ? m_PllCombos[k].Item()
                                                                             : m_PllCombos[k].Remembered);
    return true;
}

// ---- What the controls show --------------------------------------------------

void TFormBrackwell::UpdateCardPictures()
{
    for (int i = 0; i < 6; ++i) {
        if (i == 2 && IsHsmcCGpioMode())
            m_HsmcImages[i]->Hide();
        else
            ShowCardPicture(m_HsmcImages[i], HsmcCard(i));
    }
}

void TFormBrackwell::UpdateShapes()
{
    m_Flags.UpdateShapes();
    const bool gpioMode = IsHsmcCGpioMode();
    for (int i = 0; i < 6; ++i)
        m_HsmcShapes[i]->SetVisible(m_HsmcCombos[i]->ItemIndex() != 0 && !(i == 2 && gpioMode));
    ShapeGpio0->SetVisible(gpioMode && m_pGpioDialog->GetGpio0Index() != 0);
    ShapeGpio1->SetVisible(gpioMode && m_pGpioDialog->GetGpio1Index() != 0);
}

void TFormBrackwell::UpdatePllCombos()
{
    const bool ticked = CheckBoxExtPLL->Checked();
    // Ticking shows the choices stored in the record again; while the box
    // stays ticked the combos keep what the user chose.
    if (ticked && m_PllShown) return;
    for (int k = 0; k < 3; ++k) {
        m_PllCombos[k].Show(m_Config.m_Config.nPllFreq[k]);
        m_PllCombos[k].Update(ticked, 0);
    }
    m_PllShown = ticked;
}

void TFormBrackwell::UpdateHsmcCMode()
{
    const bool gpioMode = IsHsmcCGpioMode();
    m_HsmcImages[2]->SetVisible(!gpioMode && m_HsmcImages[2]->HasPicture() && m_HsmcCombos[2]->ItemIndex() != 0);
    m_HsmcCombos[2]->SetVisible(!gpioMode);
    m_HsmcPrefixEdits[2]->SetVisible(!gpioMode);
    LabelPrefixHSMC_C->SetVisible(!gpioMode);
    LabelGPIO->SetVisible(gpioMode);
    ButtonGpio->SetVisible(gpioMode);
    if (gpioMode)
        LabelGPIO->SetCaption(Format("GPIO 0:%s\r\nGPIO 1:%s", GetCardDisplayName(GpioCard(0)).c_str(),
                                     GetCardDisplayName(GpioCard(1)).c_str()));
}

int TFormBrackwell::VccioState(int hsmc) const
{
    if (hsmc == 2 && IsHsmcCGpioMode())
        return m_pGpioDialog->GetGpio0Index() != 0 || m_pGpioDialog->GetGpio1Index() != 0 ? 3 : 2;
    if (m_HsmcCombos[hsmc]->ItemIndex() <= 0) return 2;
    switch (GetCardIoStandard(HsmcCard(hsmc))) {
    case IO_1V5: return 0;
    case IO_1V8: return 1;
    case IO_3V3_LVTTL: return 4;
    case IO_3V0_PCIX: return 3;
    }
    return 2;
}

void TFormBrackwell::PaintVccioIndicator()
{
    ImageVol->LoadFromResourceName("BRACKWELL_VOL");
    for (int i = 0; i < 6; ++i) {
        const int state = VccioState(i);
        ImageVol->DrawResource("BRACKWELL_VOL_JUMPER", kBrackwellJumperOrigin[i][0],
                               kBrackwellJumperOrigin[i][1] + BRACKWELL_JUMPER_STEP * state);
        if (state == 1 || state == 3)
            ImageVol->DrawResource("BRACKWELL_VOL_LED_ON", BrackwellLedLeft(i, 0), BRACKWELL_LED_TOP);
        if (state == 2 || state == 3)
            ImageVol->DrawResource("BRACKWELL_VOL_LED_ON", BrackwellLedLeft(i, 1), BRACKWELL_LED_TOP);
    }
}

// ---- Handlers -------------------------------------------------------------------

void TFormBrackwell::AfterCheckBoxClick()
{
    UpdateCardPictures();
    UpdatePllCombos();
}

void TFormBrackwell::ComboBoxHSMCChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
    PaintVccioIndicator();
}

void TFormBrackwell::ComboBoxHsmcGpioChange(TObject*)
{
    UpdateCardPictures();
    UpdateShapes();
    UpdateHsmcCMode();
    PaintVccioIndicator();
}

void TFormBrackwell::ButtonGpioClick(TObject*)
{
    if (m_pGpioDialog->Execute() != mrOk) return;
    UpdateCardPictures();
    UpdateShapes();
    UpdateHsmcCMode();
    PaintVccioIndicator();
}

void TFormBrackwell::ComboBoxBoardChange(TObject*)
{
    FormToConfig(m_Config.m_Config);
    ConfigToForm(m_Config.m_Config);
}

void TFormBrackwell::PaintBoxHintPaint(TObject*)
{
    TCanvas* canvas = PaintBoxHint->Canvas();
    if (!canvas) return;
    canvas->SetPen(clBlack, 1);
    canvas->MoveTo(0, 0);
    canvas->LineTo(PaintBoxHint->Width(), 0);
    canvas->MoveTo(0, 50);
    canvas->LineTo(PaintBoxHint->Width(), PaintBoxHint->Height());
}

// ---- Checks and generation ---------------------------------------------------

bool TFormBrackwell::ValidateBoard(bool generating, std::string& message)
{
    const bool gpioMode = IsHsmcCGpioMode();
    const std::string gpioPrefixes[2] = {m_pGpioDialog->GetGpio0Prefix(), m_pGpioDialog->GetGpio1Prefix()};
    if (gpioMode) {
        const DaughterId cards[2] = {GpioCard(0), GpioCard(1)};
        if (!CheckGpioPrefixNames(2, cards, gpioPrefixes, message)) return false;
    }
    // The prefixes that generation will use, and the default cards of every
    // voltage as one kind of card: they name their pins alike.
    DaughterId kinds[6];
    std::string prefixes[6];
    for (int i = 0; i < 6; ++i) {
        const bool inUse = !(i == 2 && gpioMode);
        const DaughterId card = inUse ? HsmcCard(i) : 0;
        prefixes[i] = inUse ? m_HsmcPrefixEdits[i]->Text() : std::string();
        kinds[i] = IsHsmcDefaultCard(card) ? 2 : card;
        if (IsHsmcDefaultCard(card) && prefixes[i].empty()) prefixes[i] = kDefaultHsmcPrefix;
    }
    if (!CheckHsmcPrefixNames(6, kinds, prefixes, message)) return false;

    for (int i = 0; i < 6; ++i) {
        if (i == 2 && gpioMode) continue;
        if (!CheckCardPrefix(HsmcCard(i), MAINBOARD_BRACKWELL, prefixes[i],
                             Format("HSMC-%c", static_cast<char>('A' + i)), generating, message))
            return false;
    }
    if (gpioMode) {
        for (int j = 0; j < 2; ++j)
            if (!CheckCardPrefix(GpioCard(j), MAINBOARD_BRACKWELL, gpioPrefixes[j], Format("GPIO-%d", j), generating,
                                 message))
                return false;
    }
    return true;
}

std::string TFormBrackwell::IpNotices()
{
    std::string text;
    if (CheckBoxDDR3->Checked()) text += MemoryIpNotice("DDR3");
    if (CheckBoxPCIe0->Checked() || CheckBoxPCIe1->Checked()) {
        std::string ports = CheckBoxPCIe0->Checked() ? "PCIe0" : "";
        if (CheckBoxPCIe1->Checked()) ports += ports.empty() ? "PCIe1" : "//PCIe1";
        text += Format("===== %s  PCI Express Pinloom warning =====\r\n", ports.c_str());
        text += "To prevent any errors while compiling your Quartus project, either comment out the\r\n";
        text += "transceiver signals in the top level entity if they are not in use or add the Altera \r\n";
        text += "PCI Express IP to your design.\r\n";
        text += "\r\n";
    }
    if (IsTransceiverCard(HsmcCard(0)) || IsTransceiverCard(HsmcCard(4)))
        text += TransceiverIpNotice("HSMC") + "\r\n";
    return text;
}

void TFormBrackwell::DefineBoard(TMainBoard* board, const BRACKWELL_CONFIG& config)
{
    CONFIG_BRACKWELL(board, &config);
}

void TFormBrackwell::ApplyDefaultPrefixes(BRACKWELL_CONFIG& config)
{
    for (int i = 0; i < 6; ++i)
        if (config.szHSMCPrefixName[i][0] == 0 && IsHsmcDefaultCard(config.nHsmcDaughterId[i]))
            WriteFixedText(config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i], kDefaultHsmcPrefix);
}

void TFormBrackwell::AttachCards(TMainBoard* board, const BRACKWELL_CONFIG& config)
{
    const bool gpioMode = config.bHsmcCGpio != 0;
    int n = 0;
    for (int i = 0; i < 6; ++i) {
        const DaughterId card = config.nHsmcDaughterId[i];
        if ((i == 2 && gpioMode) || card == 0) continue;
        const std::string prefix = ReadFixedText(config.szHSMCPrefixName[i], sizeof config.szHSMCPrefixName[i]);
        board->AttachHsmcCardEx(static_cast<uint8_t>(BRACKWELL_MASTER_HSMC_A + i), card, IO_2V5, 0, prefix.c_str());
        if (IsHsmcDefaultCard(card)) {
            RenameHsmcClockPin(board, n, DIR_INOUT, "OUT0", prefix, 39);
            if (i != 5) {
                RenameHsmcClockPin(board, n, DIR_INOUT, "OUT_p2", prefix, 155);
                RenameHsmcClockPin(board, n, DIR_INOUT, "OUT_n2", prefix, 157);
            }
            if (i == 1) {
                RenameHsmcClockPin(board, n, DIR_INOUT, "OUT_p1", prefix, 95);
                RenameHsmcClockPin(board, n, DIR_INOUT, "OUT_n1", prefix, 97);
            }
        }
        ++n;
    }
    if (gpioMode) {
        const DaughterId g0 = config.nGpioDaughterId[0];
        const DaughterId g1 = config.nGpioDaughterId[1];
        const std::string prefix0 = ReadFixedText(config.szGpioPrefixName[0], sizeof config.szGpioPrefixName[0]);
        const std::string prefix1 = ReadFixedText(config.szGpioPrefixName[1], sizeof config.szGpioPrefixName[1]);
        if (g0 > 0 && g1 > 0 && g0 == g1 && GetCardConnectorType(g0) == CONNECTOR_GPIO80) {
            board->AttachGpioCard(BRACKWELL_MASTER_GPIO_0_1, g0, IO_3V3_LVTTL, nullptr, prefix0.c_str());
        } else {
            if (g0 > 0) board->AttachGpioCard(BRACKWELL_MASTER_GPIO_0, g0, IO_3V3_LVTTL, nullptr, prefix0.c_str());
            if (g1 > 0) board->AttachGpioCard(BRACKWELL_MASTER_GPIO_1, g1, IO_3V3_LVTTL, nullptr, prefix1.c_str());
        }
    }
    if (config.bDDR3) {
        TConnector* pMasterConn = board->FindMasterConnector(BRACKWELL_MASTER_DDR3);
        PL_ASSERT(pMasterConn);
        TDaughterBoard daughter;
        daughter.LoadDdr3Sodimm({.differential = true, .busStandard = 0, .addressStandard = 0});
        PL_ASSERT(daughter.UpdateMasterConnector(pMasterConn, "mem_"));
    }
}

void TFormBrackwell::RenameHsmcClockPin(TMainBoard* board, int n, PinDirection direction, const char* suffix,
                                        const std::string& prefix, int pinNumber)
{
    TPin* p = board->GetHsmcPinName(n, pinNumber);
    PL_ASSERT(p);
    p->SetName(prefix + suffix);
    p->SetDirection(direction);
}
