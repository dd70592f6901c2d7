// Hand-built main boards and small helpers shared by the generation tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/Configboard.h"
#include "model/Connector.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Pin.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

// I/O-standard codes used by the hand-built boards.
constexpr IoStandard kLvttl = 8;       // "3.3-V LVTTL"
constexpr IoStandard kSstl15I = 29;    // "SSTL-15 Class I"
constexpr IoStandard kTwoFiveV = 6;    // "2.5 V"

// One position of a hand-built connector; a null name makes an empty position.
struct PinRow {
    const char* name;
    const char* location;
    PinDirection direction;
    IoStandard ioStandard = kLvttl;
};

inline TConnector* MakeConnector(const std::string& name, const std::string& description,
                                 std::initializer_list<PinRow> pins, ConnectorType type = CONNECTOR_NONE,
                                 int32_t cardId = -1)
{
    auto* connector = new TConnector(name, description, type, cardId);
    for (const PinRow& row : pins)
        connector->AddPin(row.name ? new TPin(row.name, row.location, row.direction, row.ioStandard, 0)
                                    : nullptr);
    return connector;
}

// A master connector of placeholder pins (direction and standard as the card
// says) at the given locations; a null location makes an empty position.
// The board definitions that build a master for one card give it the card's
// id; the others give -1.
inline TConnector* MakeMaster(const std::string& name, const std::string& description, ConnectorType type,
                              int32_t masterId, const std::vector<const char*>& locations, int32_t cardId = -1)
{
    auto* connector = new TConnector(name, description, type, cardId);
    for (const char* location : locations)
        connector->AddPin(location ? new TPin("", location, PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0) : nullptr);
    connector->SetIsMaster(true);
    connector->SetMasterId(masterId);
    return connector;
}

// A master connector with a placeholder at every one of its positions, each
// located at the tag and its position number ("L1", "L2", ...).
inline TConnector* MakeNumberedMaster(const std::string& name, const std::string& description, ConnectorType type,
                                      int32_t masterId, int positions, const std::string& tag = "L",
                                      int32_t cardId = -1)
{
    std::vector<std::string> locations;
    for (int p = 1; p <= positions; ++p) locations.push_back(tag + std::to_string(p));
    std::vector<const char*> texts;
    for (const std::string& location : locations) texts.push_back(location.c_str());
    return MakeMaster(name, description, type, masterId, texts, cardId);
}

// One pin of a hand-made card: name, direction, standard and position on the card.
struct CardPinRow {
    const char* name;
    PinDirection direction;
    int32_t pinIndex;
    IoStandard ioStandard = kLvttl;
};

// Loads a tiny card by hand and copies it onto the master with the prefix.
inline void AttachHandCard(TConnector* master, ConnectorType cardType, const std::string& cardName,
                           std::initializer_list<CardPinRow> pins, const char* prefix)
{
    TDaughterBoard card;
    card.SetName(cardName);
    card.SetType(cardType);
    for (const CardPinRow& row : pins)
        card.AddPin(row.name ? new TPin(row.name, row.direction, row.ioStandard, row.pinIndex, 0) : nullptr);
    ASSERT_TRUE(card.UpdateMasterConnector(master, prefix));
}

// The attach sequence that the boards with a settings record run themselves:
// find the master, fill a daughter board with the loader, copy it with the prefix.
inline void AttachWithLoader(TMainBoard& board, uint8_t masterId, const char* prefix,
                             const std::function<void(TDaughterBoard&)>& load)
{
    TConnector* master = board.FindMasterConnector(masterId);
    ASSERT_NE(master, nullptr);
    TDaughterBoard module;
    load(module);
    ASSERT_TRUE(module.UpdateMasterConnector(master, prefix));
}

inline void SetDevice(TMainBoard& board, MainBoardId id)
{
    board.m_BoardId = id;
    board.m_Family = "Cyclone V";
    board.m_Device = "5CSEMA5F31C6";
    board.m_Package = "FBGA";
    board.m_DevicePinCount = 896;
    board.m_SpeedGradeText = "6";
}

// Settings copies of the boards with clock chips, as their definitions
// store them. The Stratix V setters tick the interfaces each chip serves
// (SATA host 0, SFP+ A), so that every choice counts.
inline void SetInt32(uint8_t* bytes, int32_t value)
{
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

inline void SetOrmsgill(TMainBoard& board, uint8_t pll, uint8_t i1, uint8_t i2, uint8_t i3)
{
    SetDevice(board, MAINBOARD_ORMSGILL);
    board.m_OrmsgillConfig.bytes[160] = pll;
    board.m_OrmsgillConfig.bytes[162] = i1;
    board.m_OrmsgillConfig.bytes[163] = i2;
    board.m_OrmsgillConfig.bytes[164] = i3;
}

inline void SetBrackwell(TMainBoard& board, uint8_t pll, uint8_t i1, uint8_t i2, uint8_t i3)
{
    SetDevice(board, MAINBOARD_BRACKWELL);
    board.m_BrackwellConfig.bytes[148] = pll;
    board.m_BrackwellConfig.bytes[150] = i1;
    board.m_BrackwellConfig.bytes[151] = i2;
    board.m_BrackwellConfig.bytes[152] = i3;
}

inline void SetRastrelle(TMainBoard& board, int32_t si570, int32_t cdcm61004, int32_t cdcm61001)
{
    SetDevice(board, MAINBOARD_RASTRELLE);
    board.m_RastrelleConfig.bytes[141] = 1;
    board.m_RastrelleConfig.bytes[153] = 1;
    SetInt32(board.m_RastrelleConfig.bytes + 164, si570);
    SetInt32(board.m_RastrelleConfig.bytes + 168, cdcm61004);
    SetInt32(board.m_RastrelleConfig.bytes + 172, cdcm61001);
}

inline void SetDrennock(TMainBoard& board, int32_t si570, int32_t cdcm)
{
    SetDevice(board, MAINBOARD_DRENNOCK);
    board.m_DrennockConfig.bytes[147] = 1;  // SFP+ A
    SetInt32(board.m_DrennockConfig.bytes + 156, si570);
    SetInt32(board.m_DrennockConfig.bytes + 160, cdcm);
}

inline void SetEstover(TMainBoard& board, int32_t si570, int32_t cdcm)
{
    SetDevice(board, MAINBOARD_ESTOVER);
    board.m_EstoverConfig.bytes[144] = 1;  // SFP+ A
    SetInt32(board.m_EstoverConfig.bytes + 156, si570);
    SetInt32(board.m_EstoverConfig.bytes + 160, cdcm);
}

// The board most tests generate: on-board groups with a bus with holes, a
// clock with frequency text and one with a period, pins without location, a
// group without active pins, a GPIO header carrying a hand-made card with the
// prefix "T_" and an FMC connector whose pins keep their order.
inline void BuildDemoBoard(TMainBoard& board, MainBoardId id = MAINBOARD_NETHERCOY)
{
    SetDevice(board, id);
    TConnector* clock =
        MakeConnector("CLOCK", "", {{"CLOCK_50", "AF14", PIN_DIR_INPUT}, {"CLOCK2_50", "AA16", PIN_DIR_INPUT}});
    clock->GetPin(0)->SetIsClock(true);
    clock->GetPin(0)->SetClockFrequencyText("50.0 MHz");
    clock->GetPin(1)->SetIsClock(true);
    clock->GetPin(1)->SetClockPeriodNs(20);
    board.AddConnector(clock);
    board.AddConnector(MakeConnector("KEY", "",
                                     {{"KEY[3]", "AA15", PIN_DIR_INPUT},
                                      {"KEY[0]", "AJ4", PIN_DIR_INPUT},
                                      {"KEY[1]", "AK4", PIN_DIR_INPUT}}));
    board.AddConnector(MakeConnector("LED", "Red LEDs",
                                     {{"LEDR[7]", "AC22", PIN_DIR_OUTPUT},
                                      {"LEDR[9]", "AB22", PIN_DIR_NONE},
                                      {"LEDR[0]", "AA24", PIN_DIR_OUTPUT},
                                      {"LEDR[3]", "AD24", PIN_DIR_OUTPUT}}));
    board.AddConnector(MakeConnector(
        "HPS", "", {{"HPS_LED", "", PIN_DIR_INOUT}, {"HPS_DDR3_DQ[0]", "", PIN_DIR_INOUT, kSstl15I}}));
    board.AddConnector(MakeConnector("UNUSED", "", {{"SPARE", "AB1", PIN_DIR_NONE}}));

    TConnector* gpio = MakeMaster("GPIO", "GPIO connect to Tiny Card", CONNECTOR_GPIO40, 16,
                                  {"W15", "AK2", nullptr, "Y16", "AK3", "AJ1"});
    board.AddConnector(gpio);
    AttachHandCard(gpio, CONNECTOR_GPIO40, "Tiny Card",
                   {{"LED[1]", PIN_DIR_OUTPUT, 1},
                    {"LED[0]", PIN_DIR_OUTPUT, 2},
                    {nullptr, 0, 0},
                    {"BTN", PIN_DIR_INPUT, 4},
                    {"SDA", PIN_DIR_INOUT, 5}},
                   "T_");

    TConnector* fmc = MakeMaster("FMC", "FMC connect to Tiny FMC", CONNECTOR_FMC_HPC, 20, {"H1", "H2", "H3"});
    board.AddConnector(fmc);
    AttachHandCard(fmc, CONNECTOR_FMC_HPC, "Tiny FMC",
                   {{"ZETA", PIN_DIR_OUTPUT, 1}, {"ALPHA", PIN_DIR_INPUT, 2}, {"MID", PIN_DIR_OUTPUT, 41, kTwoFiveV}},
                   "");
}

// Joins lines, each ending in CR LF.
inline std::string CrLfLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A header row and a data row of the pin table page.
inline std::string HeaderRow(std::initializer_list<std::string> titles)
{
    std::string row = "<tr>\r\n";
    for (const std::string& title : titles) row += "   <th align=\"left\" bgcolor=\"Khaki\">" + title + "</th>\r\n";
    return row + "</tr>\r\n";
}

inline std::string TableRow(std::initializer_list<std::string> cells)
{
    std::string row = "<tr>\r\n";
    for (const std::string& cell : cells) row += "   <td align=\"left\">" + cell + "</td>\r\n";
    return row + "</tr>\r\n";
}

// A configuration object for the boards that generate through one.
class TTestConfig : public TConfigBoard {
public:
    std::string qsfText = "# qsf from the configuration object\r\n";
    std::string verilogText = "// verilog from the configuration object\r\n";
    std::string vhdlEntity;
    bool exportResult = true;
    std::vector<std::string> exportFolders;

    bool LoadFromFile(const std::string&) override { return false; }
    bool SaveToFile(const std::string&) override { return false; }
    std::string GetQsfText() override { return qsfText; }
    std::string GetVerilogText() override { return verilogText; }
    std::string GetVhdlText(const std::string& entityName) override
    {
        vhdlEntity = entityName;
        return "architecture own of " + entityName + " is\r\nbegin\r\nend own;\r\n";
    }
    bool ExportIpFiles(const std::string& projectFolder) override
    {
        exportFolders.push_back(projectFolder);
        return exportResult;
    }
};

// Files of one project in a folder.
inline std::vector<std::string> ProjectFiles(const std::string& folder, const std::string& base)
{
    std::vector<std::string> present;
    for (const char* ext : {".qpf", ".qsf", ".v", ".vhd", ".sdc", ".htm"})
        if (FileExists(folder + base + ext)) present.push_back(base + ext);
    return present;
}
