#include "boards/arria10/UI_Ulverrow.h"

#include <iterator>

#include "boards/arria10/CONFIG_ULVERROW.h"
#include "boards/arria10/UlverrowParts.h"

namespace {

const char* const kSocketBoxes[2] = {"CheckBoxDDR4_0", "CheckBoxDDR4_1"};

const TSi5340Board& Board()
{
    static const TSi5340Board board = {
        .Layout = {.Name = "TFORMULVERROW",
                   .Caption = "Ulverrow",
                   .Title = "Ulverrow",
                   .Picture = "ULVERROW_PHOTO_BITMAP",
                   .PictureWidth = ULVERROW_PHOTO_WIDTH,
                   .PictureHeight = ULVERROW_PHOTO_HEIGHT,
                   .Parts = kUlverrowParts,
                   .PartCount = std::size(kUlverrowParts),
                   .Rows = SocketBoardRows(kSocketBoxes, {"DDR4 SODIMM_A", "DDR4 SODIMM_B"}),
                   .Si5340ACombos = {"ComboBoxDi5340A_A", "ComboBoxDi5340A_B", "ComboBoxDi5340A_C",
                                     "ComboBoxDi5340A_D"}},
        .BoardId = MAINBOARD_ULVERROW,
        .DefaultName = "TARROWIND",
        .FolderWord = "Tarrowind",
        .RecordSize = 188,
        .Flags = SocketBoardFlags(kSocketBoxes, {"ShapeDDR4_0", "ShapeDDR4_1"}, true),
        // CLOCK, LED, SEG7, KEY, SW, Temperature, POWER Monitor, FAN, FLASH and TPS40428.
        .Defaults = {1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0},
        .Si5340B = {{"ComboBoxDi5340B_DDR4", "DDR4_REFCLK_p/n:",
                     {TConfigUlverrow::Ddr4RefClkFreqMHz, TConfigUlverrow::kDdr4ChoiceCount, 4}, 4, 5},  // 300 MHz
                    {"ComboBoxDi5340B_QDRII", "QDRII_REFCLK_p/n:",
                     {TConfigUlverrow::QdrRefClkFreqMHz, TConfigUlverrow::kQdrChoiceCount, 4}, 3, 4},    // 275 MHz
                    {"ComboBoxDi5340B_PCIE", "OB_PCIE_REFCLK_p/n:",
                     {TConfigUlverrow::PcieRefClkFreqMHz, TConfigUlverrow::kPcieChoiceCount, 1}, 1, 1}},  // 100 MHz
        .Memory = "DDR4",
        .MemoryNotice = "DDR4-SDRAM",
        .SocketBoxes = {kSocketBoxes[0], kSocketBoxes[1]},
    };
    return board;
}

TFormSpec UlverrowLayout()
{
    TFormSpec spec = TSi5340FormBase::Layout(Board());
    // Dotted outlines over the clock, the temperature sensor, the power monitor and the Si5340B.
    SetOutlinePens(spec.Controls, 0, {"ShapeOSC", "ShapeTemp", "ShapePower", "ShapeSi5340B"});
    return spec;
}

}  // namespace

TFormUlverrow::TFormUlverrow(TForm* owner) : TSi5340Form(owner, Board(), UlverrowLayout())
{
    InitialiseSettings();
}

void TFormUlverrow::DefineBoard(TMainBoard* board, TConfigUlverrow& object) { CONFIG_ULVERROW(board, object); }

void TFormUlverrow::AttachCards(TMainBoard* board, const TConfigUlverrow::ULVERROW_CONFIG& config)
{
    if (config.bDdr4[0]) AttachUlverrowDdr4Sodimm(board, false);
    if (config.bDdr4[1]) AttachUlverrowDdr4Sodimm(board, true);
}
