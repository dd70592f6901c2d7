#include "boards/arria10/UI_Tarrowind.h"

#include <iterator>

#include "boards/arria10/CONFIG_TARROWIND.h"
#include "boards/arria10/ConfigSi5340.h"
#include "boards/arria10/TarrowindParts.h"

namespace {

using TARROWIND_CONFIG = TConfigTarrowind::TARROWIND_CONFIG;

const char* const kDeviceItems[TConfigTarrowind::kDeviceCount] = {
    "I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG", "E1 1150K: 10AX115N2F45E1SG",
    "I2  900K: 10AX090N3F45I2SG"};

const TSi5340SocketBoard& Board()
{
    static const TSi5340SocketBoard board = {
        .Layout = {.Name = "TFORMTARROWIND",
                   .Caption = "Tarrowind V1.0.1",
                   .Title = "Tarrowind",
                   .Picture = "TARROWIND_PHOTO_BITMAP",
                   .PictureWidth = TARROWIND_PHOTO_WIDTH,
                   .PictureHeight = TARROWIND_PHOTO_HEIGHT,
                   .Parts = kTarrowindParts,
                   .PartCount = std::size(kTarrowindParts),
                   .Rows = {{"CheckBoxOSC", "CLOCK ", "CheckBoxDDR3_0", "DDR3 SODIMM_A"},
                            {"CheckBoxLED", "LED x  8", "CheckBoxDDR3_1", "DDR3 SODIMM_B"},
                            {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxQdrA", "QDRII+ SRAM A"},
                            {"CheckBoxButton", "Button x 4", "CheckBoxQdrB", "QDRII+ SRAM B"},
                            {"CheckBoxSwitch", "Switch x 2", "CheckBoxQdrC", "QDRII+ SRAM C"},
                            {"CheckBoxSma", "SMA", "CheckBoxQdrD", "QDRII+ SRAM D"},
                            {"CheckBoxTemp", "Temperature Sensor", "CheckBoxQsfpA", "QSFP+ A"},
                            {"CheckBoxPower", "Power Monitor", "CheckBoxQsfpB", "QSFP+ B"},
                            {"CheckBoxFan", "Fan Control", "CheckBoxQsfpC", "QSFP+ C"},
                            {"CheckBoxFlash", "Flash (256MB)", "CheckBoxQsfpD", "QSFP+ D"},
                            {"CheckBoxRs422", "RS422 Expansion ", "CheckBoxPCIe", "PCIe"},
                            {"CheckBoxPceiClk", "PCIe On-Board Clock", nullptr, nullptr}},
                   .Si5340ACombos = {"ComboBoxDi5340A_A", "ComboBoxDi5340A_B", "ComboBoxDi5340A_C",
                                     "ComboBoxDi5340A_D"}},
        .BoardId = MAINBOARD_TARROWIND,
        .DefaultName = "TARROWIND",
        .FolderWord = "Tarrowind",
        .Memory = "DDR3",
        .MemoryNotice = "DDR3-SDRAM",
        .SocketBoxes = {"CheckBoxDDR3_0", "CheckBoxDDR3_1"},
        .Si5340BCombos = {"ComboBoxDi5340B_DDR3", "ComboBoxDi5340B_QDRII", "ComboBoxDi5340B_PCIE"},
        .Si5340BLabels = {"DDR3_REFCLK_p/n:", "QDRII_REFCLK_p/n:", "OB_PCIE_REFCLK_p/n:"},
        .Si5340BChoices = {{TarrowindDdr3RefClkMHz, TConfigTarrowind::kDdr3ChoiceCount},
                           {TarrowindQdrRefClkMHz, TConfigTarrowind::kQdrChoiceCount},
                           {TarrowindPcieRefClkMHz, TConfigTarrowind::kPcieChoiceCount}},
        // Record bytes 136 (bCLOCK) to 158 (bRS422).
        .Flags = {{"CheckBoxOSC", {"ShapeOSC"}},
                  {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED"}},
                  {"CheckBoxSeg7", {"ShapeSeg7"}},
                  {"CheckBoxButton", {"ShapeButton"}},
                  {"CheckBoxSwitch", {"ShapeSwitch"}},
                  {"CheckBoxSma", {"ShapeSma"}},
                  {"CheckBoxTemp", {"ShapeTemp"}},
                  {"CheckBoxPower", {"ShapePower"}},
                  {"CheckBoxDDR3_0", {"ShapeDDR3_0"}},
                  {"CheckBoxDDR3_1", {"ShapeDDR3_1"}},
                  {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                  {"CheckBoxQdrB", {"ShapeQDRII_B"}},
                  {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                  {"CheckBoxQdrD", {"ShapeQDRII_D"}},
                  {"CheckBoxQsfpA", {"ShapeQsfp_A"}},
                  {"CheckBoxQsfpB", {"ShapeQsfp_B"}},
                  {"CheckBoxQsfpC", {"ShapeQsfp_C"}},
                  {"CheckBoxQsfpD", {"ShapeQsfp_D"}},
                  {"CheckBoxPCIe", {"ShapePCIe"}},
                  {"CheckBoxFan", {"ShapeFan"}},
                  {"CheckBoxFlash", {"ShapeFlash"}},
                  {"CheckBoxPceiClk", {}},
                  {"CheckBoxRs422", {"ShapeRs422"}}},
        // CLOCK, LED, SEG7, KEY, SW, Temperature, POWER Monitor, FAN, FLASH and RS422.
        .Defaults = {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1},
        .Remembered = {7, 7, 7, 7, 3, 3, 1},
        .SelectAllSi5340B = {3, 3, 1},  // 266.667, 250 and 100 MHz
    };
    return board;
}

TFormSpec TarrowindLayout()
{
    TFormSpec spec = TSi5340SocketFormBase::Layout(Board());
    auto& c = spec.Controls;
    c.push_back(FrameLabel("LabelDdr3Hint", "GroupBoxConfig", 12, 56 + 24 * 12, 360, "DDR3: Up to 4GB, 800 data rate"));
    c.push_back(FrameLabel("LabelBoard", "GroupBoxConfig", 12, 56 + 24 * 13 + 12, 96, "Board Type:"));
    c.push_back(FrameComboBox("ComboBoxBoard", "GroupBoxConfig", 110, 56 + 24 * 13 + 8, 265, nullptr));
    return spec;
}

}  // namespace

TFormTarrowind::TFormTarrowind(TForm* owner) : TSi5340SocketForm(owner, Board(), TarrowindLayout())
{
    ComboBoxBoard = Find<TComboBox>("ComboBoxBoard");
    m_Device.Combo = ComboBoxBoard;
    InitialiseSettings();
}

void TFormTarrowind::FillCardCombos()
{
    m_Device.Fill(std::vector<std::string>(std::begin(kDeviceItems), std::end(kDeviceItems)));
    TSi5340SocketForm::FillCardCombos();
}

void TFormTarrowind::ConfigToForm(const TARROWIND_CONFIG& config)
{
    m_Device.Show(config.nDevice);
    TSi5340SocketForm::ConfigToForm(config);
}

bool TFormTarrowind::FormToConfig(TARROWIND_CONFIG& config)
{
    TSi5340SocketForm::FormToConfig(config);
    config.nDevice = static_cast<uint8_t>(m_Device.Item() < 0 ? 0 : m_Device.Item());
    return true;
}

void TFormTarrowind::DefineBoard(TMainBoard* board, TConfigTarrowind& object) { CONFIG_TARROWIND(board, object); }

void TFormTarrowind::AttachCards(TMainBoard* board, const TARROWIND_CONFIG& config)
{
    if (config.bDDR3A) AttachTarrowindDdr3Sodimm(board, false);
    if (config.bDDR3B) AttachTarrowindDdr3Sodimm(board, true);
}
