// The Colvenna clock-chip controllers: the files the configuration object
// exports are the stored texts, byte for byte; the CDCM6208 controller's
// register writes (every frequency set, disabled outputs, a refused write
// sent again, the done output) and the LMK04906 controller's words (every
// output's select bit and the select-dependent word) are checked in Icarus
// Verilog benches; each file lints with Verilator.
#include <gtest/gtest.h>

#include <string>

#include "boards/cyclone5_stratix5/ConfigColvenna.h"
#include "platform/Seam.h"
#include "tests/verilog/VerilogIpSupport.h"

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
