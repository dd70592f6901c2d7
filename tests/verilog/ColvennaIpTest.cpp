// The Colvenna clock-chip controllers: the files the configuration object
// exports are the stored texts, byte for byte; the CDCM6208 controller's
// register writes (every frequency set, disabled outputs, a refused write
// sent again, the done output) and the LMK04906 controller's words (every
// output's select bit and the select-dependent word) are checked in Icarus
// Verilog benches, also as the generated top level instantiates them; each
// file lints with Verilator.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "boards/cyclone5_stratix5/ConfigColvenna.h"
#include "model/Text.h"
#include "platform/Seam.h"
#include "tests/verilog/VerilogIpSupport.h"

namespace colvenna_ip_test {

namespace {

struct IpResource {
    const char* resource;  // as stored
    const char* written;   // below the project folder
    const char* stored;    // below resources/verilog/
};
const IpResource kColvennaIp[] = {
    {"COLVENNA_CDCM6208_CONFIG_VERILOG", "cdcm6208/I2C_CDCM6208_Config.v", "colvenna/I2C_CDCM6208_Config.v"},
    {"COLVENNA_CDCM6208_CONTROLLER_VERILOG", "cdcm6208/I2C_CDCM6208_Controller.v",
     "colvenna/I2C_CDCM6208_Controller.v"},
    {"COLVENNA_LMK04906_CONFIG_VERILOG", "lmk04906/SPI_LMK04906_Config.v", "colvenna/SPI_LMK04906_Config.v"},
};

}  // namespace

// Both chips in use: every file lands in its chip's sub-folder as stored,
// CR LF kept, found through the program's own resource lookup.
TEST(ColvennaIp, ExportWritesTheStoredTexts)
{
    ProgramResources seam;
    TempFolder folder;
    TConfigColvenna config;
    config.m_Config.bCdcm6208 = config.m_Config.bLmk04906 = 1;
    ASSERT_TRUE(config.ExportIpFiles(folder.Path()));
    for (const IpResource& ip : kColvennaIp) {
        const std::string stored = ReadFile(IpFile(ip.stored));
        EXPECT_EQ(ReadFile(folder.Path() + ip.written), stored) << ip.written;
        ExpectCrLfLines(stored, ip.stored);
        std::string bytes;
        EXPECT_TRUE(seam::LoadRawResource(ip.resource, bytes)) << ip.resource;
        EXPECT_EQ(bytes, stored) << ip.resource;
    }
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(ColvennaIp, Cdcm6208ControllerWritesEveryRegisterOfTheTable)
{
    ExpectBenchPasses({IpFile("colvenna/I2C_CDCM6208_Config.v"), IpFile("colvenna/I2C_CDCM6208_Controller.v"),
                       BenchFile("i2c_slave_model.v"), BenchFile("cdcm6208_monitor.v"),
                       BenchFile("tb_cdcm6208_config.v")},
                      "tb_cdcm6208_config");
    ExpectLintClean({"colvenna/I2C_CDCM6208_Config.v", "colvenna/I2C_CDCM6208_Controller.v"}, "I2C_CDCM6208_Config",
                    "colvenna_lint_waivers.vlt");
    ExpectLintClean({"colvenna/I2C_CDCM6208_Controller.v"}, "I2C_CDCM6208_Controller", "colvenna_lint_waivers.vlt");
}

TEST(ColvennaIp, Lmk04906ControllerSendsEveryWordOfTheTable)
{
    ExpectBenchPasses({IpFile("colvenna/SPI_LMK04906_Config.v"), BenchFile("spi_word_monitor.v"),
                       BenchFile("tb_spi_lmk04906_config.v")},
                      "tb_spi_lmk04906_config");
    ExpectLintClean({"colvenna/SPI_LMK04906_Config.v"}, "SPI_LMK04906_Config", "colvenna_lint_waivers.vlt");
}

// The blocks of the generated top level, wrapped into a module with the
// ports the board definition provides, drive the exported controllers: the
// chips receive the frequencies the settings chose.
TEST(ColvennaIp, GeneratedBlocksProgramTheChosenFrequencies)
{
    ProgramResources seam;
    TempFolder folder;
    TConfigColvenna config;
    COLVENNA_CONFIG& c = config.m_Config;
    c.bCdcm6208 = c.bLmk04906 = 1;
    const uint8_t cdcm[6] = {3, 3, 1, 1, 0, 1};
    const uint8_t lmk[4] = {1, 2, 0, 2};
    std::copy(std::begin(cdcm), std::end(cdcm), c.nCdcm6208Freq);
    std::copy(std::begin(lmk), std::end(lmk), c.nLmk04906Freq);
    ASSERT_TRUE(config.ExportIpFiles(folder.Path()));
    WriteFile(folder.Path() + "blocks.v",
              "`default_nettype none\r\n"
              "module colvenna_blocks (input wire OSC_50_B3B, input wire OSC_50_B4A, input wire CPU_RESET_n,\r\n"
              "  output wire CLOCK_SCL, inout wire CLOCK_SDA, output wire LMK04906_CLK, output wire LMK04906_DATAIN,\r\n"
              "  output wire LMK04906_LE);\r\n" +
                  config.GetVerilogText() + "endmodule\r\n");
    ExpectBenchPasses({folder.Path() + "blocks.v", folder.Path() + "cdcm6208/I2C_CDCM6208_Config.v",
                       folder.Path() + "cdcm6208/I2C_CDCM6208_Controller.v",
                       folder.Path() + "lmk04906/SPI_LMK04906_Config.v", BenchFile("i2c_slave_model.v"),
                       BenchFile("cdcm6208_monitor.v"), BenchFile("spi_word_monitor.v"),
                       BenchFile("tb_colvenna_blocks.v")},
                      "tb_colvenna_blocks");
    EXPECT_TRUE(seam.boxes.empty());
}

}  // namespace colvenna_ip_test
