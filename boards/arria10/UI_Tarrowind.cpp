#include "boards/arria10/UI_Tarrowind.h"

#include <iterator>

#include "boards/arria10/CONFIG_TARROWIND.h"
#include "boards/frame/ConfigSi5340.h"
#include "boards/arria10/TarrowindParts.h"

namespace {

using TARROWIND_CONFIG = TConfigTarrowind::TARROWIND_CONFIG;

const char* const kDeviceItems[TConfigTarrowind::kDeviceCount] = {
    "I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG", "E1 1150K: 10AX115N2F45E1SG",
    "I2  900K: 10AX090N3F45I2SG"};

const char* const kSocketBoxes[2] = {"CheckBoxDDR3_0", "CheckBoxDDR3_1"};

const TSi5340Board& Board()
{
    static const TSi5340Board board = {
        .Layout = {.Name = "TFORMTARROWIND",
                   .Caption = "Tarrowind V1.0.1",
                   .Title = "Tarrowind",
                   .Picture = "TARROWIND_PHOTO_BITMAP",
                   .PictureWidth = TARROWIND_PHOTO_WIDTH,
                   .PictureHeight = TARROWIND_PHOTO_HEIGHT,
                   .Parts = kTarrowindParts,
                   .PartCount = std::size(kTarrowindParts),
                   .Rows = SocketBoardRows(kSocketBoxes, {"DDR3 SODIMM_A", "DDR3 SODIMM_B"}),
                   .Si5340ACombos = {"ComboBoxDi5340A_A", "ComboBoxDi5340A_B", "ComboBoxDi5340A_C",
                                     "ComboBoxDi5340A_D"}},
        .BoardId = MAINBOARD_TARROWIND,
        .DefaultName = "TARROWIND",
        .FolderWord = "Tarrowind",
        .RecordSize = 188,
        .Flags = SocketBoardFlags(kSocketBoxes, {"ShapeDDR3_0", "ShapeDDR3_1"}, false),
        // CLOCK, LED, SEG7, KEY, SW, Temperature, POWER Monitor, FAN, FLASH and RS422.
        .Defaults = {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1},
        .Si5340B = {{"ComboBoxDi5340B_DDR3", "DDR3_REFCLK_p/n:",
                     {TarrowindDdr3RefClkMHz, TConfigTarrowind::kDdr3ChoiceCount}, 3, 3},  // 266.667 MHz
                    {"ComboBoxDi5340B_QDRII", "QDRII_REFCLK_p/n:",
                     {TarrowindQdrRefClkMHz, TConfigTarrowind::kQdrChoiceCount}, 3, 3},    // 250 MHz
                    {"ComboBoxDi5340B_PCIE", "OB_PCIE_REFCLK_p/n:",
                     {TarrowindPcieRefClkMHz, TConfigTarrowind::kPcieChoiceCount}, 1, 1}},  // 100 MHz
        .Memory = "DDR3",
        .MemoryNotice = "DDR3-SDRAM",
        .SocketBoxes = {kSocketBoxes[0], kSocketBoxes[1]},
    };
    return board;
}

TFormSpec TarrowindLayout()
{
    TFormSpec spec = TSi5340FormBase::Layout(Board());
    auto& c = spec.Controls;
    // The two DDR3 boxes tell the modules' size and rate on hover.
    for (const char* box : kSocketBoxes) LayoutControl(c, box).Hint = "Up to 4GB, 800 data rate";
    // The maker's logo beside "Change Main Board", above the board panel.
    c.push_back({.Kind = TControlKind::Image, .Name = "ImageKalvora", .Left = 224, .Top = 2, .Width = 200,
                 .Height = 40, .Picture = "KALVORA_LOGO_BITMAP"});
    c.push_back(FrameLabel("LabelBoard", "GroupBoxConfig", 12, 56 + 24 * 12 + 12, 96, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", "GroupBoxConfig", 110, 56 + 24 * 12 + 8, 265, nullptr));
    return spec;
}

}  // namespace

TFormTarrowind::TFormTarrowind(TForm* owner) : TSi5340Form(owner, Board(), TarrowindLayout())
{
    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    m_Device.Combo = ComboBoxBoard;
    InitialiseSettings();
}

void TFormTarrowind::FillCardCombos()
{
    m_Device.Fill(std::vector<std::string>(std::begin(kDeviceItems), std::end(kDeviceItems)));
    TSi5340Form::FillCardCombos();
}

void TFormTarrowind::ConfigToForm(const TARROWIND_CONFIG& config)
{
    m_Device.Show(config.nDevice);
    TSi5340Form::ConfigToForm(config);
}

bool TFormTarrowind::FormToConfig(TARROWIND_CONFIG& config)
{
    TSi5340Form::FormToConfig(config);
    config.nDevice = static_cast<uint8_t>(m_Device.Item() < 0 ? 0 : m_Device.Item());
    return true;
}

void TFormTarrowind::DefineBoard(TMainBoard* board, TConfigTarrowind& object) { CONFIG_TARROWIND(board, object); }

void TFormTarrowind::AttachCards(TMainBoard* board, const TARROWIND_CONFIG& config)
{
    if (config.bDDR3A) AttachTarrowindDdr3Sodimm(board, false);
    if (config.bDDR3B) AttachTarrowindDdr3Sodimm(board, true);
}
