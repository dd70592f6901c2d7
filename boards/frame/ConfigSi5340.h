// What the configuration objects of the boards with two Si5340 clock
// generators share: the choice tables of the Si5340A (the four QSFP+
// reference clocks), the .qsf blocks (termination settings and the list of
// controller files), the define lines and select lines of the controller
// instances, and the export of the controller files into the sub-folder
// "si5340_controller" of the project.
//
// A choice is the item index of its combo box. A value outside the list of
// its combo (only a hand-made settings file holds one) counts as "Not Use"
// everywhere: in the in-use tests, the frequencies and the define names, so
// no table is read outside its bounds and no define name is empty.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The value itself when it lies in 0..count-1, else 0 ("Not Use").
int32_t ChoiceInList(int32_t value, int32_t count);

// Si5340A output choices 0 ("Not Use") to 7.
constexpr int32_t kSi5340AChoiceCount = 8;
// MHz of a choice: 0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125; 0
// outside the list.
double Si5340AChoiceMHz(int32_t choice);
// "SI5340A_POWER_DOWN" for 0 and any value outside the list, else the
// define of the choice's frequency ("SI5340A_644M53125" for 7).
const char* Si5340ADefineName(int32_t choice);
// The eight define lines of the Si5340A codes, each "`define NAME CODE\r\n"
// with the name in a field of 20 characters and the 3-bit code in hex
// ("3'h7") or, with radix 'd', in decimal ("3'd7").
std::string Si5340ADefineLines(char radix = 'h');
// The four select lines of the Si5340A instance, outputs 0 to 3 for QSFP+ A
// to D: "    .iPLL_OUT0_FREQ_SEL(`SI5340A_100M),//QSFP-A\r\n".
std::string Si5340ASelectLines(const int32_t choices[4]);

// The controller blocks of the boards whose Si5340B also serves two memory
// sockets (Tarrowind: DDR3, Ulverrow: DDR4): both run from CLK_50_B2J.
// The Si5340A block, its done output left open.
std::string Si5340ASocketBoardBlock(const int32_t choices[4], char radix);
// The Si5340B block with its define lines and the define the instance selects.
std::string Si5340BSocketBoardBlock(const std::string& defineLines, const std::string& select);
// The QDR-II+ choices of these boards: 0 "Not Use", 225, 233.333, 250, 275.
constexpr int32_t kSocketBoardQdrChoiceCount = 5;
double SocketBoardQdrRefClkMHz(int32_t choice);
// The rank of a QDR-II+ choice in the Si5340B codes: 275 MHz 0 (also "Not
// Use" and any value outside the list), 250 MHz 1, 225 MHz 2, 233.333 MHz 3.
int Si5340BQdrRank(int32_t choice);
// The define name of a memory rank and a QDR-II+ rank: the memory part
// ("DDR266_"), then "QDR275_" .. "QDR233_", then "PCIE100".
std::string Si5340BDefineName(const char* memoryPart, int qdrRank);
// One define line per memory rank (fastest) and QDR-II+ rank, in code order
// (code = ranks * qdrRank + memoryRank): "`define NAME" in a field of 24
// characters, then the code by codeFormat ("4'h%X", "5'd%d").
std::string Si5340BDefineLines(const char* const* memoryParts, int ranks, const char* codeFormat);

// The termination block of these boards: the sockets' and the QDR-II+
// reference clocks, PCIe, the on-board PCIe clock and the QSFP+ cages.
struct TSi5340SocketView {
    const char* Memory;  // "DDR3" or "DDR4": DDR3A_REFCLK_p
    const uint8_t* Sockets;  // [2]
    const uint8_t* QdrII;    // [4]
    const uint8_t* Qsfp;     // [4]
    uint8_t Pcie;
    uint8_t PcieOnBoardClock;
};
std::string Si5340SocketTermination(const TSi5340SocketView& view);

// The combo texts of a frequency list: "Not Use" where the frequency is not
// above 0, else the frequency with five decimals.
std::vector<std::string> FrequencyChoiceTexts(double (*mhz)(int32_t), int32_t count);

// The .qsf lines of the termination block.
std::string DifferentialInputTermination(const char* pin);  // QDR-II+ and DDR3 reference clocks
std::string PcieTermination(const char* prefix);           // "PCIE" or "PCIE2": REFCLK, TX, RX
std::string QsfpTermination(char cage);                     // 'A'..'D': REFCLK, RX, TX
// A .qsf block: an empty line, the rule, "# <title>", the rule, the lines, an
// empty line; empty when there are no lines.
std::string QsfBlock(const char* title, const std::string& lines);
std::string TerminationBlock(const std::string& lines);

// The controller files: the four common files when either generator is in
// use, then the four of each generator in use.
struct TSi5340Files {
    bool Si5340A;
    bool Si5340B;
};
std::vector<std::string> Si5340FileNames(const TSi5340Files& used);
// "# Includes SI5340 Controller Files" with one VERILOG_FILE line per file.
std::string Si5340IncludeBlock(const TSi5340Files& used);
// Writes the files into <projectFolder>si5340_controller/ (created, one
// level, when missing), the resource of each named by resourceName(file
// name); stops at the first file that cannot be written and returns false.
// Nothing is written, and the result is true, when no generator is in use.
bool ExportSi5340Files(const std::string& projectFolder, const TSi5340Files& used,
                       std::string (*resourceName)(const std::string& fileName));
// "clock_divider.v" -> "clock_divider_verilog".
std::string VerilogResourceName(const std::string& fileName);
