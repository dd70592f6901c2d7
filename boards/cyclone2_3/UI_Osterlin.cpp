#include "boards/cyclone2_3/UI_Osterlin.h"

#include <cstring>
#include <iterator>

#include "boards/cyclone2_3/BoardFormLeftColumn.h"
#include "boards/cyclone2_3/CONFIG_OSTERLIN.h"
#include "boards/cyclone2_3/OsterlinParts.h"
#include "model/Text.h"

namespace {

const TBoardFormRow kRow = {.FolderWord = "Osterlin",
                            .LoadFailureBox = true,
                            .SuccessBox = false,
                            .PostsBoardChange = true,
                            .GeneratesFromHeld = false,
                            .UsesDefaultFile = false};

constexpr TFrameLayout kLayout = {.Name = "TFORMOSTERLIN",
                                  .Caption = "Osterlin",
                                  .Title = "Osterlin FPGA Board",
                                  .Picture = "OSTERLIN_PHOTO_BITMAP",
                                  .PictureWidth = OSTERLIN_PHOTO_WIDTH,
                                  .PictureHeight = OSTERLIN_PHOTO_HEIGHT,
                                  .Parts = kOsterlinParts,
                                  .PartCount = std::size(kOsterlinParts),
                                  .Captions = TButtonCaptions::AllPlain,
                                  .DefaultSetting = false,
                                  .ClientWidth = 806,
                                  .ClientHeight = 474};
constexpr int kGroupWidth = ColumnGroupWidth(kLayout);
constexpr IoStandard IO_1V8 = 3;  // "1.8 V": the module's serial bus and address straps
constexpr IoStandard IO_2V5 = 6;  // "2.5 V": the cards that take the board's standard
// Three check boxes that stand for nothing on this board; they are shown
// disabled.
const char* const kInertBoxes[] = {"CheckBox2", "CheckBoxProgSoc", "CheckBox6"};

TFormSpec OsterlinLayout()
{
    TFormSpec spec = LeftColumnFormSpec(kLayout, TLeftColumn::PanelWithButton);
    auto& c = spec.Controls;
    const char* group = "GroupBoxConfig";
    AddSettingsGroup(c, kColumnGroupLeft, 8, kGroupWidth, ColumnGroupHeight(kLayout),
                     {
                         {"CheckBoxOSC", "CLOCK", "CheckBoxLED", "LED x 4"},
                         {"CheckBoxButton", "Button x 2", "CheckBoxDIP", "DIP x 4"},
                         {"CheckBoxLCD", "LCD(?)", "CheckBoxEthernet", "Ethernet(?)"},
                         {"CheckBoxDDR2", "DDR2 SODIMM(!)", "CheckBoxDDR3", "DDR3(!)"},
                         {"CheckBoxPciBus", "PCIe(!)", "CheckBox2", "LED x 4"},
                         {"CheckBoxProgSoc", "Prog. OSC(/)", "CheckBox6", "PCIe(!)"},
                     });
    for (TControlSpec& control : c)
        for (const char* inert : kInertBoxes)
            if (std::strcmp(control.Name, inert) == 0) {
                control.Enabled = false;
                control.OnClick = nullptr;
            }
    AddCardSection(c, group, 208, kGroupWidth,
                   {"LabelPortA", "HSMC - Port A", "ComboBoxPortA", "ComboBoxPortChange", "LabelPrefixPortA",
                    "EditPrefixPortA", "ImagePortA"});
    AddCardSection(c, group, 208 + kCardSectionHeight, kGroupWidth,
                   {"LabelPortB", "HSMC - Port B", "ComboBoxPortB", "ComboBoxPortChange", "LabelPrefixPortB",
                    "EditPrefixPortB", "ImagePortB"});
    return spec;
}

}  // namespace

TFormOsterlin::TFormOsterlin(TForm* owner) : TFrameBoardFormOf<OSTERLIN_CONFIG>(owner, kRow)
{
    std::vector<THandlerEntry> handlers;
    AddFrameHandlers(handlers);
    handlers.emplace_back("ComboBoxPortChange", Bind(&TFormOsterlin::ComboBoxPortChange));
    LoadLayout(OsterlinLayout(), handlers);

    m_Groups.Bind(*this, {{"CheckBoxLCD", {}},
                          {"CheckBoxOSC", {}},
                          {"CheckBoxLED", {}},
                          {"CheckBoxButton", {}},
                          {"CheckBoxDIP", {}},
                          {"CheckBoxDDR2", {}},
                          {"CheckBoxDDR3", {}},
                          {"CheckBoxEthernet", {}},
                          {"CheckBoxPciBus", {}}});
    for (int port = 0; port < 2; ++port) {
        const char letter = static_cast<char>('A' + port);
        ComboBoxPort[port] = Find<TComboBox>(Format("ComboBoxPort%c", letter));
        EditPrefixPort[port] = Find<TEdit>(Format("EditPrefixPort%c", letter));
        ImagePort[port] = Find<TImage>(Format("ImagePort%c", letter));
    }
    InitialiseSettings({EditPrefixPort[0], EditPrefixPort[1]});
}

void TFormOsterlin::SetDefaults(OSTERLIN_CONFIG& config)
{
    // BoardId and Size stay 0 until the controls are written into the record.
    std::memset(&config, 0, sizeof config);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Osterlin");
    config.bLCD = config.bCLOCK = config.bLED = config.bBUTTON = config.bDIP = config.bETHERNET = 1;
}

void TFormOsterlin::FillCardCombos()
{
    m_Config.BuildCardList(CONNECTOR_HSMC, true, 3);
    for (TComboBox* combo : ComboBoxPort) FillCardCombo(combo, m_Config.m_CardCount, m_Config.m_CardIds);
}

void TFormOsterlin::ConfigToForm(const OSTERLIN_CONFIG& config)
{
    EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
    m_Groups.Show(&config.bLCD);
    for (int port = 0; port < 2; ++port)
        ShowCardAndPrefix(ComboBoxPort[port], EditPrefixPort[port], m_Config.m_CardCount, m_Config.m_CardIds,
                          config.nHsmcDaughterId[port], config.szHSMCPrefixName[port],
                          sizeof config.szHSMCPrefixName[port]);
    UpdateCardPictures();
}

bool TFormOsterlin::FormToConfig(OSTERLIN_CONFIG& config)
{
    config.BoardId = MAINBOARD_OSTERLIN;
    config.Size = sizeof(OSTERLIN_CONFIG);
    WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
    m_Groups.Store(&config.bLCD);
    for (int port = 0; port < 2; ++port) {
        config.nHsmcDaughterId[port] = PortCard(port);
        WriteFixedText(config.szHSMCPrefixName[port], sizeof config.szHSMCPrefixName[port],
                       EditPrefixPort[port]->Text());
    }
    return true;
}

void TFormOsterlin::UpdateCardPictures()
{
    for (int port = 0; port < 2; ++port) ShowCardPicture(ImagePort[port], PortCard(port));
}

void TFormOsterlin::ComboBoxPortChange(TObject*)
{
    UpdateCardPictures();
}

bool TFormOsterlin::CheckPrefixClash(std::string& message) const
{
    const DaughterId cards[2] = {PortCard(0), PortCard(1)};
    const std::string prefixes[2] = {EditPrefixPort[0]->Text(), EditPrefixPort[1]->Text()};
    return CheckHsmcPrefixNames(2, cards, prefixes, message);
}

bool TFormOsterlin::ValidateAfterNameFailure(std::string& message)
{
    return CheckPrefixClash(message);
}

bool TFormOsterlin::ValidateBoard(bool generating, std::string& message)
{
    if (!CheckPrefixClash(message)) return false;
    for (int port = 0; port < 2; ++port)
        if (!CheckCardPrefix(PortCard(port), MAINBOARD_OSTERLIN, EditPrefixPort[port]->Text(),
                             Format("HSMC-%c", 'A' + port), generating, message))
            return false;
    return true;
}

void TFormOsterlin::DefineBoard(TMainBoard* board, const OSTERLIN_CONFIG& config)
{
    CONFIG_OSTERLIN(board, &config);
}

void TFormOsterlin::AttachCards(TMainBoard* board, const OSTERLIN_CONFIG& config)
{
    // The DDR2 SODIMM module: differential strobes.
    if (config.bDDR2)
        board->AttachDdr2Sodimm(OSTERLIN_DDR2_MASTER, "mem_",
                                {.differential = true, .busStandard = IO_1V8, .addressStandard = IO_1V8});
    for (int port = 0; port < 2; ++port) {
        if (config.nHsmcDaughterId[port] == 0) continue;
        const std::string prefix =
            ReadFixedText(config.szHSMCPrefixName[port], sizeof config.szHSMCPrefixName[port]);
        board->AttachHsmcCardEx(static_cast<uint8_t>(OSTERLIN_HSMC_A_MASTER + port), config.nHsmcDaughterId[port],
                                IO_2V5, 0, prefix.c_str());
    }
}
