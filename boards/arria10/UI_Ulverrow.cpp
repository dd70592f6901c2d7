#include "boards/arria10/UI_Ulverrow.h"

#include <iterator>

#include "boards/arria10/CONFIG_ULVERROW.h"
#include "boards/arria10/UlverrowParts.h"

namespace {

const TSi5340SocketBoard& Board()
{
    static const TSi5340SocketBoard board = {
        .Layout = {.Name = "TFORMULVERROW",
                   .Caption = "Ulverrow",
                   .Title = "Ulverrow",
                   .Picture = "ULVERROW_PHOTO_BITMAP",
                   .PictureWidth = ULVERROW_PHOTO_WIDTH,
                   .PictureHeight = ULVERROW_PHOTO_HEIGHT,
                   .Parts = kUlverrowParts,
                   .PartCount = std::size(kUlverrowParts),
                   .Rows = {{"CheckBoxOSC", "CLOCK ", "CheckBoxDDR4_0", "DDR4 SODIMM_A"},
                            {"CheckBoxLED", "LED x  8", "CheckBoxDDR4_1", "DDR4 SODIMM_B"},
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
        .BoardId = MAINBOARD_ULVERROW,
        .DefaultName = "TARROWIND",
        .FolderWord = "Tarrowind",
        .Memory = "DDR4",
        .MemoryNotice = "DDR4-SDRAM",
        .SocketBoxes = {"CheckBoxDDR4_0", "CheckBoxDDR4_1"},
        .Si5340BCombos = {"ComboBoxDi5340B_DDR4", "ComboBoxDi5340B_QDRII", "ComboBoxDi5340B_PCIE"},
        .Si5340BLabels = {"DDR4_REFCLK_p/n:", "QDRII_REFCLK_p/n:", "OB_PCIE_REFCLK_p/n:"},
        .Si5340BChoices = {{TConfigUlverrow::Ddr4RefClkFreqMHz, TConfigUlverrow::kDdr4ChoiceCount, 4},
                           {TConfigUlverrow::QdrRefClkFreqMHz, TConfigUlverrow::kQdrChoiceCount, 4},
                           {TConfigUlverrow::PcieRefClkFreqMHz, TConfigUlverrow::kPcieChoiceCount, 1}},
        // Record bytes 136 (bClock) to 159 (bRs422).
        .Flags = {{"CheckBoxOSC", {"ShapeOSC"}},
                  {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED"}},
                  {"CheckBoxSeg7", {"ShapeSeg7"}},
                  {"CheckBoxButton", {"ShapeButton"}},
                  {"CheckBoxSwitch", {"ShapeSwitch"}},
                  {"CheckBoxSma", {"ShapeSma"}},
                  {"CheckBoxTemp", {"ShapeTemp"}},
                  {"CheckBoxPower", {"ShapePower"}},
                  {"CheckBoxDDR4_0", {"ShapeDDR4_0"}},
                  {"CheckBoxDDR4_1", {"ShapeDDR4_1"}},
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
                  {nullptr, {}},  // bTps40428: kept from a loaded file
                  {"CheckBoxRs422", {"ShapeRs422"}}},
        // CLOCK, LED, SEG7, KEY, SW, Temperature, POWER Monitor, FAN, FLASH and TPS40428.
        .Defaults = {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0},
        .Remembered = {7, 7, 7, 7, 4, 3, 1},
        .SelectAllSi5340B = {5, 4, 1},  // 300, 275 and 100 MHz
    };
    return board;
}

}  // namespace

TFormUlverrow::TFormUlverrow(TForm* owner) : TSi5340SocketForm(owner, Board(), TSi5340SocketFormBase::Layout(Board()))
{
    InitialiseSettings();
}

void TFormUlverrow::DefineBoard(TMainBoard* board, TConfigUlverrow& object) { CONFIG_ULVERROW(board, object); }

void TFormUlverrow::AttachCards(TMainBoard* board, const TConfigUlverrow::ULVERROW_CONFIG& config)
{
    if (config.bDdr4[0]) AttachUlverrowDdr4Sodimm(board, false);
    if (config.bDdr4[1]) AttachUlverrowDdr4Sodimm(board, true);
}
