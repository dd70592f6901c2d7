#include "boards/arria10/UI_Fallowmere.h"

#include <iterator>

#include "boards/arria10/ConfigFallowmere.h"
#include "boards/arria10/CONFIG_FALLOWMERE.h"
#include "boards/arria10/FallowmereParts.h"

namespace {

const TSi5340Board& Board()
{
    static const TSi5340Board board = {
        .Layout = {.Name = "TFORMFALLOWMERE",
                   .Caption = "Fallowmere",
                   .Title = "Fallowmere",
                   .Picture = "FALLOWMERE_PHOTO_BITMAP",
                   .PictureWidth = FALLOWMERE_PHOTO_WIDTH,
                   .PictureHeight = FALLOWMERE_PHOTO_HEIGHT,
                   .Parts = kFallowmereParts,
                   .PartCount = std::size(kFallowmereParts),
                   .Rows = {{"CheckBoxOSC", "CLOCK ", "CheckBoxQdrA", "QDRII+ SRAM A"},
                            {"CheckBoxLED", "LED x  8", "CheckBoxQdrB", "QDRII+ SRAM B"},
                            {"CheckBoxButton", "Button x 4", "CheckBoxQdrC", "QDRII+ SRAM C"},
                            {"CheckBoxSwitch", "DIP Switch x 2", "CheckBoxQdrD", "QDRII+ SRAM D"},
                            {"CheckBoxTemp", "Temperature Sensor", "CheckBoxQdrE", "QDRII+ SRAM E"},
                            {"CheckBoxPower", "Power Monitor", "CheckBoxQdrF", "QDRII+ SRAM F"},
                            {"CheckBoxFan", "Fan Control", "CheckBoxQsfpA", "QSFP+ A"},
                            {"CheckBoxFlash", "Flash (256MB)", "CheckBoxQsfpB", "QSFP+ B"},
                            {"CheckBoxRs422", "RS422 Expansion ", "CheckBoxQsfpC", "QSFP+ C"},
                            {"CheckBoxGPIO", "2x4 GPIO", "CheckBoxQsfpD", "QSFP+ D"},
                            {"CheckBoxPCIe", "PCIe", nullptr, nullptr}},
                   .Si5340ACombos = {"ComboBoxSi5340A_A", "ComboBoxSi5340A_B", "ComboBoxSi5340A_C",
                                     "ComboBoxSi5340A_D"}},
        .BoardId = MAINBOARD_FALLOWMERE,
        .DefaultName = "Fallowmere",
        .FolderWord = "Fallowmere",
        .RecordSize = 180,
        .Flags = {{"CheckBoxOSC", {"ShapeOSC"}},
                  {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED"}},
                  {"CheckBoxButton", {"ShapeButton"}},
                  {"CheckBoxSwitch", {"ShapeSwitch"}},
                  {"CheckBoxTemp", {"ShapeTemp"}},
                  {"CheckBoxPower", {"ShapePower"}},
                  {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                  {"CheckBoxQdrB", {"ShapeQDRII_B"}},
                  {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                  {"CheckBoxQdrD", {"ShapeQDRII_D"}},
                  {"CheckBoxQdrE", {"ShapeQDRII_E"}},
                  {"CheckBoxQdrF", {"ShapeQDRII_F"}},
                  {"CheckBoxQsfpA", {"ShapeQsfp_A"}},
                  {"CheckBoxQsfpB", {"ShapeQsfp_B"}},
                  {"CheckBoxQsfpC", {"ShapeQsfp_C"}},
                  {"CheckBoxQsfpD", {"ShapeQsfp_D"}},
                  {"CheckBoxPCIe", {"ShapePCIe"}},
                  {"CheckBoxFan", {"ShapeFan"}},
                  {"CheckBoxFlash", {"ShapeFlash"}},
                  {"CheckBoxRs422", {"ShapeRs422"}},
                  {nullptr, {}},  // bLtm4677: kept from a loaded file
                  {"CheckBoxGPIO", {"ShapeGPIO"}}},
        // CLOCK, LED, KEY, SW, temperature, power monitor, fan and flash.
        .Defaults = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0},
        .Si5340B = {{"ComboBoxSi5340B_QDRII", "QDRIIx_REFCLK_p/n:",
                     {Si5340PairQdrRefClkMHz, kQdrRefClkChoiceCount}, 3, 3}},  // 275 MHz
        .Si5340BNote = "x: A/B/C/D/E/F",
    };
    return board;
}

TFormSpec FallowmereLayout()
{
    TFormSpec spec = TSi5340FormBase::Layout(Board());
    // Outlines of width 2, dotted over the clock, the temperature sensor and the power monitor.
    SetOutlinePens(spec.Controls, 2, {"ShapeOSC", "ShapeTemp", "ShapePower"});
    return spec;
}

}  // namespace

TFormFallowmere::TFormFallowmere(TForm* owner) : TSi5340Form(owner, Board(), FallowmereLayout()) { InitialiseSettings(); }

void TFormFallowmere::DefineBoard(TMainBoard* board, TConfigFallowmere& object) { CONFIG_FALLOWMERE(board, object); }
