// The clock-chip Verilog IP: written into the project byte for byte from the
// program's named resources, checked in Icarus Verilog testbenches against
// what the controllers must send, linted with Verilator, and run together
// with the clock-chip blocks of generated top levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "generate/Pinloom.h"
#include "model/Names.h"
#include "tests/generate/GenerateSupport.h"
#include "tests/verilog/VerilogIpSupport.h"

namespace verilog_ip_test {

namespace {

const std::vector<std::string> kSi570Group = {"si570_controller.v", "clock_divider.v",      "edge_detector.v",
                                              "i2c_bus_controller.v", "i2c_controller.v", "i2c_reg_controller.v",
                                              "initial_config.v"};

}  // namespace

TEST(VerilogIp, ExportWritesEveryFileAsStoredWithCrLfLineEnds)
{
    ProgramResources seam;
    TempFolder folder;
    TMainBoard rastrelle;  // every chip of the board in use
    SetRastrelle(rastrelle, 3, 0, 11);
    TMainBoard estover;
    SetEstover(estover, 7, 11);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.ExportIp(&rastrelle, folder.Path()));
    ASSERT_TRUE(pinloom.ExportIp(&estover, folder.Path()));
    EXPECT_TRUE(seam.boxes.empty());

    std::vector<std::string> files = kSi570Group;
    files.push_back("EXT_PLL_CTRL.v");
    files.push_back("CDCM6100x_Config.v");
    for (const std::string& file : files) {
        const std::string stored = ReadFile(IpFile(file));
        EXPECT_EQ(ReadFile(folder.Path() + file), stored) << file;
        ExpectCrLfLines(stored, file);
    }
}

// A project named like one of these modules would hold two modules of one
// name. Every IP file the program stores declares one module.
TEST(VerilogIp, EveryModuleOfTheIpIsRefusedAsProjectName)
{
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(IpFile("")))
        if (entry.is_regular_file() && entry.path().extension() == ".v") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    EXPECT_GE(files.size(), 25u);  // the Si570 group, two more chips, the Si5340 sets
    for (const std::string& file : files) {
        int modules = 0;
        for (const std::string& line : SplitCrLf(ReadFile(file))) {
            if (line.rfind("module ", 0) != 0) continue;
            const std::string name = line.substr(7, line.find_first_of(" (#;", 7) - 7);
            EXPECT_TRUE(IsExportedIpModuleName(name)) << name << " in " << file;
            EXPECT_FALSE(IsLegalProjectName(name)) << name;
            ++modules;
        }
        EXPECT_EQ(modules, 1) << file;
    }
}

TEST(VerilogIp, ExternalPllControllerSendsAndReadsTheSerialWord)
{
    ExpectBenchPasses({IpFile("EXT_PLL_CTRL.v"), BenchFile("tb_ext_pll_ctrl.v")}, "tb_ext_pll_ctrl");
    ExpectLintClean({"EXT_PLL_CTRL.v"}, "ext_pll_ctrl");
}

TEST(VerilogIp, Si570ControllerWritesEveryFrequencyMode)
{
    std::vector<std::string> files;
    for (const std::string& file : kSi570Group) files.push_back(IpFile(file));
    files.push_back(BenchFile("i2c_slave_model.v"));
    files.push_back(BenchFile("tb_si570_controller.v"));
    ExpectBenchPasses(files, "tb_si570_controller");
    std::vector<std::string> controller = kSi570Group;
    controller.erase(controller.begin() + 4);  // the shell, linted on its own
    ExpectLintClean(controller, "si570_controller");
    ExpectLintClean({"i2c_controller.v", "clock_divider.v"}, "i2c_controller");
}

TEST(VerilogIp, CdcmConfigDrivesThePinsAndTheReset)
{
    ExpectBenchPasses({IpFile("CDCM6100x_Config.v"), BenchFile("tb_cdcm6100x_config.v")}, "tb_cdcm6100x_config");
    ExpectLintClean({"CDCM6100x_Config.v"}, "CDCM6100x_Config");
}

// The clock-chip blocks of the generated top levels, each wrapped into a
// module with the ports the board definitions provide, run against the IP
// files the export wrote, with implicit nets forbidden.
TEST(VerilogIp, GeneratedBlocksDriveTheChipsThroughTheExportedIp)
{
    ProgramResources seam;
    TempFolder folder;
    TPinloom pinloom;
    // Each board's settings with its ports as the board definition provides them.
    struct Block {
        const char* module;
        std::function<void(TMainBoard&)> set;
        const char* ports;
    };
    const Block blocks[] = {
        {"rastrelle_blocks",  // CDCM61001 312.5 MHz, CDCM61004 unchanged, Si570 156.25 MHz
         [](TMainBoard& board) { SetRastrelle(board, 3, 0, 11); },
         "input wire OSC_50_B3B, input wire CPU_RESET_n, output wire PLL_SCL, inout wire PLL_SDA,"
         " output wire CLOCK_SCL, inout wire CLOCK_SDA"},
        {"estover_blocks",  // CDCM61004 625 MHz, Si570 644.53125 MHz
         [](TMainBoard& board) { SetEstover(board, 7, 11); },
         "input wire OSC_50_B3B, input wire CPU_RESET_n, output wire CLOCK_SCL, inout wire CLOCK_SDA,"
         " output wire CLK_CE, output wire [2:0] CLK_OD, output wire [1:0] CLK_OS, output wire [1:0] CLK_PR,"
         " output wire CLK_RST_n"},
        {"ormsgill_blocks",  // programmable PLL on: 100 MHz, disabled, unchanged
         [](TMainBoard& board) { SetOrmsgill(board, 1, 4, 1, 0); },
         "input wire OSC_50_BANK2, input wire CPU_RESET_n, output wire MAX_I2C_SCLK, inout wire MAX_I2C_SDAT"},
        {"brackwell_blocks",  // programmable PLL on: 62.5, 75 and 625 MHz
         [](TMainBoard& board) { SetBrackwell(board, 1, 2, 3, 12); },
         "input wire OSC_50_BANK1, output wire MAX2_I2C_SCL, inout wire MAX2_I2C_SDA"},
    };
    std::string wrappers = "`default_nettype none\r\n";
    for (const Block& block : blocks) {
        TMainBoard board;
        block.set(board);
        ASSERT_TRUE(pinloom.ExportIp(&board, folder.Path())) << block.module;
        const std::string body = board.GetVerilogBoardExtras();
        ASSERT_FALSE(body.empty()) << block.module;
        wrappers += std::string("module ") + block.module + " (" + block.ports + ");\r\n" + body + "endmodule\r\n\r\n";
    }
    WriteFile(folder.Path() + "blocks.v", wrappers);

    std::vector<std::string> files = {folder.Path() + "blocks.v", folder.Path() + "EXT_PLL_CTRL.v",
                                      folder.Path() + "CDCM6100x_Config.v"};
    for (const std::string& file : kSi570Group) files.push_back(folder.Path() + file);
    files.push_back(BenchFile("i2c_slave_model.v"));
    files.push_back(BenchFile("tb_generated_blocks.v"));
    ExpectBenchPasses(files, "tb_generated_blocks");
    EXPECT_TRUE(seam.boxes.empty());
}

}  // namespace verilog_ip_test
