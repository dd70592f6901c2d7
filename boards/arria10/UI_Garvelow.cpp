#include "boards/arria10/UI_Garvelow.h"

#include <iterator>

#include "boards/arria10/ConfigFallowmere.h"
#include "boards/arria10/CONFIG_GARVELOW.h"
#include "boards/arria10/GarvelowParts.h"

namespace {

const TSi5340Board& Board()
{
    static const TSi5340Board board = {
        .Layout = {.Name = "TFORMGARVELOW",
                   .Caption = "Garvelow",
                   .Title = "Garvelow",
                   .Picture = "GARVELOW_PHOTO_BITMAP",
                   .PictureWidth = GARVELOW_PHOTO_WIDTH,
                   .PictureHeight = GARVELOW_PHOTO_HEIGHT,
                   .Parts = kGarvelowParts,
                   .PartCount = std::size(kGarvelowParts),
                   .Rows = {{"CheckBoxOSC", "CLOCK ", "CheckBoxQdrA", "QDRII+ SRAM A"},
                            {"CheckBoxLED", "LED x  8", "CheckBoxQdrB", "QDRII+ SRAM B"},
                            {"CheckBoxButton", "Button x 4", "CheckBoxQdrC", "QDRII+ SRAM C"},
                            {"CheckBoxSwitch", "DIP Switch x 2", "CheckBoxQdrD", "QDRII+ SRAM D"},
                            {"CheckBoxTemp", "Temperature Sensor", "CheckBoxQdrE", "QDRII+ SRAM E"},
                            {"CheckBoxPower", "Power Monitor", "CheckBoxQdrF", "QDRII+ SRAM F"},
                            {"CheckBoxFan", "Fan Control", "CheckBoxQsfpA", "QSFP+ A"},
                            {"CheckBoxFlash", "Flash (256MB)", "CheckBoxQsfpB", "QSFP+ B"},
                            {"CheckBoxRs422", "2x5 Timing Header", "CheckBoxQsfpC", "QSFP+ C"},
                            {"CheckBoxGPIO", "2x4 GPIO", "CheckBoxQsfpD", "QSFP+ D"},
                            {"CheckBoxPCIe", "PCIe", "CheckBoxPCIe2", "PCIe2"}},
                   .Si5340ACombos = {"ComboBoxSi5340A_A", "ComboBoxSi5340A_B", "ComboBoxSi5340A_C",
                                     "ComboBoxSi5340A_D"}},
        .BoardId = MAINBOARD_GARVELOW,
        .DefaultName = "Garvelow",
        .FolderWord = "Garvelow",
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
                  {"CheckBoxPCIe2", {"ShapePCIe2"}},
                  {"CheckBoxFan", {"ShapeFan"}},
                  {"CheckBoxFlash", {"ShapeFlash"}},
                  {"CheckBoxRs422", {"ShapeRs422"}},  // the timing header
                  {nullptr, {}},                      // bLtm4677: kept from a loaded file
                  {"CheckBoxGPIO", {"ShapeGPIO"}}},
        // CLOCK, LED, KEY, SW, temperature, power monitor, fan and flash.
        .Defaults = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0},
        .Si5340B = {{"ComboBoxSi5340B_QDRII", "QDRIIx_REFCLK_p/n:",
                     {Si5340PairQdrRefClkMHz, kQdrRefClkChoiceCount}, 3, 3}},  // 275 MHz
        .Si5340BNote = "x: A/B/C/D/E/F",
    };
    return board;
}

TFormSpec GarvelowLayout()
{
    TFormSpec spec = TSi5340FormBase::Layout(Board());
    // Dotted outlines over the clock, the temperature sensor and the power monitor.
    SetOutlinePens(spec.Controls, 0, {"ShapeOSC", "ShapeTemp", "ShapePower"});
    return spec;
}

}  // namespace

TFormGarvelow::TFormGarvelow(TForm* owner) : TSi5340Form(owner, Board(), GarvelowLayout()) { InitialiseSettings(); }

void TFormGarvelow::DefineBoard(TMainBoard* board, TConfigGarvelow& object) { CONFIG_GARVELOW(board, object); }
