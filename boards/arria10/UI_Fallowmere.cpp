#include "boards/arria10/UI_Fallowmere.h"

#include <iterator>

#include "boards/arria10/CONFIG_FALLOWMERE.h"
#include "boards/arria10/FallowmereParts.h"

namespace {

const TSi5340PairBoard& Board()
{
    static const TSi5340PairBoard board = {
        .FormName = "TFORMFALLOWMERE",
        .Caption = "Fallowmere",
        .BoardId = MAINBOARD_FALLOWMERE,
        .DefaultName = "Fallowmere",
        .FolderWord = "Fallowmere",
        .Picture = "FALLOWMERE_PHOTO_BITMAP",
        .Parts = kFallowmereParts,
        .PartCount = std::size(kFallowmereParts),
        .Flags = {{"CheckBoxOSC", "CLOCK ", 136, "ShapeOSC", nullptr, 1},
                  {"CheckBoxLED", "LED x  8", 137, "ShapeLED", "ShapeBracketLED", 1},
                  {"CheckBoxButton", "Button x 4", 138, "ShapeButton", nullptr, 1},
                  {"CheckBoxSwitch", "DIP Switch x 2", 139, "ShapeSwitch", nullptr, 1},
                  {"CheckBoxTemp", "Temperature Sensor", 140, "ShapeTemp", nullptr, 1},
                  {"CheckBoxPower", "Power Monitor", 141, "ShapePower", nullptr, 1},
                  {"CheckBoxQdrA", "QDRII+ SRAM A", 142, "ShapeQDRII_A", nullptr, 0},
                  {"CheckBoxQdrB", "QDRII+ SRAM B", 143, "ShapeQDRII_B", nullptr, 0},
                  {"CheckBoxQdrC", "QDRII+ SRAM C", 144, "ShapeQDRII_C", nullptr, 0},
                  {"CheckBoxQdrD", "QDRII+ SRAM D", 145, "ShapeQDRII_D", nullptr, 0},
                  {"CheckBoxQdrE", "QDRII+ SRAM E", 146, "ShapeQDRII_E", nullptr, 0},
                  {"CheckBoxQdrF", "QDRII+ SRAM F", 147, "ShapeQDRII_F", nullptr, 0},
                  {"CheckBoxQsfpA", "QSFP+ A", 148, "ShapeQsfp_A", nullptr, 0},
                  {"CheckBoxQsfpB", "QSFP+ B", 149, "ShapeQsfp_B", nullptr, 0},
                  {"CheckBoxQsfpC", "QSFP+ C", 150, "ShapeQsfp_C", nullptr, 0},
                  {"CheckBoxQsfpD", "QSFP+ D", 151, "ShapeQsfp_D", nullptr, 0},
                  {"CheckBoxPCIe", "PCIe", 152, "ShapePCIe", nullptr, 0},
                  {"CheckBoxFan", "Fan Control", 153, "ShapeFan", nullptr, 1},
                  {"CheckBoxFlash", "Flash (256MB)", 154, "ShapeFlash", nullptr, 1},
                  {"CheckBoxRs422", "RS422 Expansion ", 155, "ShapeRs422", nullptr, 0},
                  {"CheckBoxGPIO", "2x4 GPIO", 157, "ShapeGPIO", nullptr, 0}},
    };
    return board;
}

}  // namespace

TFormFallowmere::TFormFallowmere(TForm* owner) : TSi5340PairForm(owner, Board()) {}

void TFormFallowmere::DefineBoard(TMainBoard* board, TConfigFallowmere& object) { CONFIG_FALLOWMERE(board, object); }
