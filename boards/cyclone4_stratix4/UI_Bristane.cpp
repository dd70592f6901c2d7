#include "boards/cyclone4_stratix4/UI_Bristane.h"

#include <array>
#include <cstring>
#include <iterator>

#include "boards/cyclone4_stratix4/BristaneParts.h"
#include "boards/cyclone4_stratix4/CONFIG_BRISTANE.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Bristane", .LoadFailureBox = false, .SuccessBox = false,
                            .PostsBoardChange = true, .GeneratesFromHeld = false};

// The GPIO default card and its voltage variants name their pins by index
// only ("[0]", "_IN[0]"): without a prefix of the user's they take "GPIO".
const char* const kDefaultGpioPrefix = "GPIO";
bool IsGpioDefaultCard(DaughterId card) { return card == 1 || (card >= 85 && card <= 87); }

const std::vector<TFlagBox> kBoxes = {
    {"CheckBoxOSC", "CLOCK", {"ShapeOSC"}},
    {"CheckBoxLED", "LED x 8", {"ShapeLED"}},
    {"CheckBoxButton", "Button x 2", {"ShapeButton"}},
    {"CheckBoxSwitch", "Dip Switch x 4", {"ShapeSwitch"}},
    {"CheckBoxSDRAM", "SDRAM, 32MB", {"ShapeSDRAM"}},
    {"CheckBoxADC", "ADC", {"ShapeADC"}},
    {"CheckBoxAccelerometer", "Accelerometer", {"ShapeAccelerometer"}},
    {"CheckBoxEEPROM", "EEPROM, 2Kb", {"ShapeEEPROM"}},
    {"CheckBoxEPCS", "EPCS", {"ShapeEPCS"}},
    {"CheckBoxHeader", "2x13 Pin Header", {"ShapeHeader"}},
};

TFormSpec BristaneLayout()
{
    TFormSpec spec = FrameFormSpec({.Name = "TFORMBRISTANE",
                                    .Caption = "Bristane",
                                    .Title = "Bristane FPGA Board",
                                    .Picture = "BRISTANE_PHOTO_BITMAP",
                                    .PictureWidth = BRISTANE_PHOTO_WIDTH,
                                    .PictureHeight = BRISTANE_PHOTO_HEIGHT,
                                    .Parts = kBristaneParts,
                                    .PartCount = std::size(kBristaneParts),
                                    .Captions = TButtonCaptions::AllPlain,
                                    .DefaultSetting = false,
                                    .ClientWidth = 1008,
                                    .ClientHeight = 420});
    auto& c = spec.Controls;

    const char* group = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = group, .Left = 492, .Top = 8, .Width = 508, .Height = 160,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", group, 12, 24, 90, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", group, 104, 20, 200));
    AddFlagBoxGrid(c, group, 12, 52, 3, kBoxes);

    const char* gpio = "GroupBoxGpio";
    c.push_back({.Kind = TControlKind::GroupBox, .Name = gpio, .Left = 492, .Top = 172, .Width = 508, .Height = 160,
                 .Caption = "GPIO Expansion"});
    AddCardRow(c, gpio, 20, 508,
               {"LabelGpio0", "GPIO-0 Header", "ComboBoxGpio0", "ComboBoxGpioChange", "LabelPrefixGpio0",
                "EditPrefixGpio0", "ImageGpio0"});
    AddCardRow(c, gpio, 88, 508,
               {"LabelGpio1", "GPIO-1 Header", "ComboBoxGpio1", "ComboBoxGpioChange", "LabelPrefixGpio1",
                "EditPrefixGpio1", "ImageGpio1"});
    return spec;
}

}  // namespace

TFormBristane::TFormBristane(TForm* owner) : TFrameBoardFormOf<BRISTANE_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxGpioChange", Bind(&TFormBristane::ComboBoxGpioChange));
    LoadLayout(BristaneLayout(), handlers);

    m_Groups.Bind(*this, kBoxes);
    for (int i = 0; i < 2; ++i) {
        ComboBoxGpio[i] = Find<TComboBox>(Format("ComboBoxGpio%d", i));
        EditPrefixGpio[i] = Find<TEdit>(Format("EditPrefixGpio%d", i));
        ImageGpio[i] = Find<TImage>(Format("ImageGpio%d", i));
        ShapeGpio[i] = Find<TShape>(Format("ShapeGpio%d", i));
    }
    InitialiseSettings({EditPrefixGpio[0], EditPrefixGpio[1]});
}

void TFormBristane::SetDefaults(BRISTANE_CONFIG& config)
{
    std::memset(&config, 0, sizeof config);
    config.BoardId = MAINBOARD_BRISTANE;
    config.Size = sizeof(BRISTANE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Bristane");
    for (uint8_t* flag = &config.bClock; flag <= &config.bHeader; ++flag) *flag = 1;
}

void TFormBristane::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_GPIO40, false, 3);
    for (TComboBox* combo : ComboBoxGpio) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
    CoupleGpioHeaders(ComboBoxGpio[0]);
}

void TFormBristane::ConfigToForm(const BRISTANE_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bClock);
    // A card the list does not hold leaves the combo at the card it showed;
    // the prefix edit shows the record's prefix beside any card but "None".
    for (int i = 0; i < 2; ++i)
        ShowCardAndPrefix(ComboBoxGpio[i], EditPrefixGpio[i], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nGpioDaughterId[i], config.szGpioPrefixName[i], sizeof config.szGpioPrefixName[i]);
    std::array<TGpioHeaderControls, 2> headers = Headers();
    CoupleShownGpioHeaders(headers, m_Config.m_CardIds);
    UpdateCardPictures();
    UpdateShapes();
}

bool TFormBristane::FormToConfig(BRISTANE_CONFIG& config)
{
    config.BoardId = MAINBOARD_BRISTANE;
    config.Size = sizeof(BRISTANE_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bClock);
    for (int i = 0; i < 2; ++i) {
        config.nGpioDaughterId[i] = GpioCard(i);
        WriteFixedText(config.szGpioPrefixName[i], 128, EditPrefixGpio[i]->Text());
    }
    return true;
}

DaughterId TFormBristane::GpioCard(int header) const
{
    return SelectedCard(ComboBoxGpio[header], m_Config.m_CardIds);
}

void TFormBristane::UpdateShapes()
{
    m_Groups.UpdateShapes();
    for (int i = 0; i < 2; ++i) ShapeGpio[i]->SetVisible(ComboBoxGpio[i]->ItemIndex() != 0);
}

void TFormBristane::UpdateCardPictures()
{
    for (int i = 0; i < 2; ++i) ShowCardPicture(ImageGpio[i], GpioCard(i));
}

std::array<TGpioHeaderControls, 2> TFormBristane::Headers() const
{
    std::array<TGpioHeaderControls, 2> headers{};
    for (size_t i = 0; i < headers.size(); ++i)
        headers[i] = {ComboBoxGpio[i], EditPrefixGpio[i], ImageGpio[i], ShapeGpio[i]};
    return headers;
}

void TFormBristane::CoupleGpioHeaders(TObject* changed)
{
    std::array<TGpioHeaderControls, 2> headers = Headers();
    TBoardForm::CoupleGpioHeaders(headers, changed, m_Config.m_CardIds);
}

bool TFormBristane::ValidateBoard(bool generating, std::string& message)
{
    const DaughterId cards[2] = {GpioCard(0), GpioCard(1)};
    const std::string prefixes[2] = {EditPrefixGpio[0]->Text(), EditPrefixGpio[1]->Text()};
    if (!CheckGpioPrefixNames(2, cards, prefixes, message)) return false;
    for (int i = 0; i < 2; ++i) {
        std::string prefix = prefixes[i];
        if (prefix.empty() && IsGpioDefaultCard(cards[i])) prefix = kDefaultGpioPrefix;
        if (!CheckCardPrefix(cards[i], MAINBOARD_BRISTANE, prefix, Format("GPIO-%d", i), generating, message))
            return false;
    }
    return true;
}

void TFormBristane::DefineBoard(TMainBoard* board, const BRISTANE_CONFIG& config) { CONFIG_BRISTANE(board, &config); }

void TFormBristane::ApplyDefaultPrefixes(BRISTANE_CONFIG& config)
{
    for (int i = 0; i < 2; ++i)
        if (config.szGpioPrefixName[i][0] == 0 && IsGpioDefaultCard(config.nGpioDaughterId[i]))
            WriteFixedText(config.szGpioPrefixName[i], 128, kDefaultGpioPrefix);
}

void TFormBristane::AttachCards(TMainBoard* board, const BRISTANE_CONFIG& config)
{
    for (int i = 0; i < 2; ++i) {
        if (config.nGpioDaughterId[i] == 0) continue;
        const std::string prefix = ReadFixedText(config.szGpioPrefixName[i], 128);
        board->AttachGpioCard(static_cast<uint8_t>(BRISTANE_GPIO_MASTER_ID + i), config.nGpioDaughterId[i], 8,
                              nullptr, prefix.c_str());
    }
}

void TFormBristane::ComboBoxGpioChange(TObject* Sender)
{
    CoupleGpioHeaders(Sender);
    UpdateCardPictures();
    UpdateShapes();
}
