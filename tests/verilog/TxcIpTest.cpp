// The controllers of Yarrowgate's two TXC clock generators: every resource
// the board exports is the stored file, written byte for byte through the
// program's resource lookup; each generator's register writes, the order of
// its outputs and the retry after a refused byte are checked in an Icarus
// Verilog bench (tb_txc_controller.v; the macro TXCB picks generator B);
// every file lints with Verilator; and the VHDL stand-ins of the two top
// modules fit the components a VHDL top level declares for them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Configboard.h"
#include "tests/verilog/VerilogIpSupport.h"

namespace txc_ip_test {

namespace {

struct TxcFile {
    const char* resource;  // as the export builds it: "yarrowgate_", the file name, "_verilog"
    const char* file;      // name in the project's sub-folder txc_controller, below resources/verilog/yarrowgate/
};

// The export order: generator A's files, then generator B's.
const TxcFile kTxcA[] = {
    {"yarrowgate_I2C_TXCA_verilog", "I2C_TXCA.v"},
    {"yarrowgate_I2C_TXCA_Config_verilog", "I2C_TXCA_Config.v"},
    {"yarrowgate_I2C_TXCA_Controller_verilog", "I2C_TXCA_Controller.v"},
};
const TxcFile kTxcB[] = {
    {"yarrowgate_I2C_TXCB_verilog", "I2C_TXCB.v"},
    {"yarrowgate_I2C_TXCB_Config_verilog", "I2C_TXCB_Config.v"},
    {"yarrowgate_I2C_TXCB_Controller_verilog", "I2C_TXCB_Controller.v"},
};

std::string Stored(const TxcFile& txc) { return std::string("yarrowgate/") + txc.file; }

std::vector<std::string> Names(const TxcFile (&set)[3])
{
    std::vector<std::string> names;
    for (const TxcFile& txc : set) names.push_back(Stored(txc));
    return names;
}

// One generator's files with the slave model and the bench.
std::vector<std::string> BenchFiles(const TxcFile (&set)[3])
{
    std::vector<std::string> files;
    for (const TxcFile& txc : set) files.push_back(IpFile(Stored(txc)));
    files.push_back(BenchFile("i2c_slave_model.v"));
    files.push_back(BenchFile("tb_txc_controller.v"));
    return files;
}

}  // namespace

TEST(TxcIp, EveryResourceIsWrittenAsStored)
{
    ProgramResources seam;
    TempFolder folder;
    for (const auto* set : {&kTxcA, &kTxcB}) {
        for (const TxcFile& txc : *set) {
            const std::string target = folder.Path() + "txc_controller/" + txc.file;
            ASSERT_TRUE(ExportRawResource(target, txc.resource)) << txc.resource;
            const std::string stored = ReadFile(IpFile(Stored(txc)));
            EXPECT_EQ(ReadFile(target), stored) << txc.resource;
            ExpectCrLfLines(stored, txc.file);
        }
    }
    EXPECT_TRUE(seam.boxes.empty());
}

// Every code at both outputs, HDMI before SFP; a refused data byte and an
// absent device; the generated instance at full speed.
TEST(TxcIp, GeneratorAWritesEveryCodeInOrderAndRetries)
{
    ExpectBenchPasses(BenchFiles(kTxcA), "tb_txc_controller");
}

// Every code at the three outputs, FMC, then DP, then USB.
TEST(TxcIp, GeneratorBWritesEveryCodeInOrderAndRetries)
{
    ExpectBenchPasses(BenchFiles(kTxcB), "tb_txc_controller", "-DTXCB");
}

TEST(TxcIp, EveryFileLintsClean)
{
    ExpectLintClean(Names(kTxcA), "I2C_TXCA");
    ExpectLintClean(Names(kTxcB), "I2C_TXCB");
}

// The stand-ins that let GHDL elaborate a VHDL top level instantiating the
// Verilog controllers: a top level declaring and instantiating both as the
// generated architecture does elaborates, port widths included.
TEST(TxcIp, VhdlStandInsFitTheGeneratedComponents)
{
    std::string log;
    EXPECT_TRUE(ElaborateVhdl({BenchFile("txc_controller_stubs.vhd"), BenchFile("txc_generated_top.vhd")},
                              "txc_generated_top", log))
        << log;
}

}  // namespace txc_ip_test
