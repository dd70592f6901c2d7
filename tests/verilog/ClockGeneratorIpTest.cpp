// The clock-generator controller IP of the Stratix 10 and Agilex boards:
// Zennorby's Si5340A set, the Stratix 10 module's Si5341A set and
// Ashcombre's Si5397A set. Every resource a board exports is the stored
// file, written byte for byte through the program's resource lookup; each
// controller's register writes are checked in an Icarus Verilog bench, and
// every file lints with Verilator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Configboard.h"
#include "platform/Seam.h"
#include "tests/verilog/VerilogIpSupport.h"

namespace clock_generator_ip_test {

namespace {

struct IpResource {
    const char* resource;  // as the export names it
    const char* file;      // name in the project's controller sub-folder
    const char* stored;    // below resources/verilog/
};

// Each board's files in its export order.
const std::vector<IpResource> kZennorbySet = {
    {"zennorby_ZENNORBY_SI5340A_CONFIG_verilog", "ZENNORBY_SI5340A_CONFIG.v",
     "si5340/zennorby/ZENNORBY_SI5340A_CONFIG.v"},
    {"zennorby_si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen.v", "si5340/si5340a_clk_frq_sel_gen.v"},
    {"zennorby_si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector.v",
     "si5340/zennorby/si5340a_freq_prameter_selector.v"},
    {"zennorby_si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller.v",
     "si5340/zennorby/si5340a_i2c_reg_controller.v"},
    {"zennorby_clock_divider_verilog", "clock_divider.v", "si5340/tarrowind/clock_divider.v"},
    {"zennorby_edge_detector_verilog", "edge_detector.v", "si5340/edge_detector.v"},
    {"zennorby_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5340/i2c_bus_controller.v"},
    {"zennorby_initial_config_verilog", "initial_config.v", "si5340/tarrowind/initial_config.v"},
};

const std::vector<IpResource> kSi5341Set = {
    {"S10_S10_SI5341A_CONFIG_verilog", "S10_SI5341A_CONFIG.v", "si5341/S10_SI5341A_CONFIG.v"},
    {"S10_si5341a_clk_frq_sel_gen_verilog", "si5341a_clk_frq_sel_gen.v", "si5341/si5341a_clk_frq_sel_gen.v"},
    {"S10_si5341a_freq_prameter_selector_verilog", "si5341a_freq_prameter_selector.v",
     "si5341/si5341a_freq_prameter_selector.v"},
    {"S10_si5341a_i2c_reg_controller_verilog", "si5341a_i2c_reg_controller.v", "si5341/si5341a_i2c_reg_controller.v"},
    {"S10_clock_divider_verilog", "clock_divider.v", "si5340/tarrowind/clock_divider.v"},
    {"S10_edge_detector_41_verilog", "edge_detector_41.v", "si5341/edge_detector_41.v"},
    {"S10_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5340/i2c_bus_controller.v"},
    {"S10_initial_config_verilog", "initial_config.v", "si5340/tarrowind/initial_config.v"},
    {"S10_fmc_sel_verilog", "fmc_sel.v", "si5341/fmc_sel.v"},
};

const std::vector<IpResource> kAshcombreSet = {
    {"ashcombre_ASHCOMBRE_SI5397A_CONFIG_verilog", "ASHCOMBRE_SI5397A_CONFIG.v", "si5397/ASHCOMBRE_SI5397A_CONFIG.v"},
    {"ashcombre_clock_divider_verilog", "clock_divider.v", "si5397/clock_divider.v"},
    {"ashcombre_edge_detector_verilog", "edge_detector.v", "si5397/edge_detector.v"},
    {"ashcombre_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5397/i2c_bus_controller.v"},
    {"ashcombre_initial_config_verilog", "initial_config.v", "si5340/tarrowind/initial_config.v"},
    {"ashcombre_si5397a_freq_prameter_selector_verilog", "si5397a_freq_prameter_selector.v",
     "si5397/si5397a_freq_prameter_selector.v"},
    {"ashcombre_si5397a_i2c_reg_controller_verilog", "si5397a_i2c_reg_controller.v",
     "si5397/si5397a_i2c_reg_controller.v"},
    {"ashcombre_power_on_reset_verilog", "power_on_reset.v", "si5397/power_on_reset.v"},
};

std::vector<std::string> StoredNames(const std::vector<IpResource>& set)
{
    std::vector<std::string> names;
    for (const IpResource& ip : set) names.push_back(ip.stored);
    return names;
}

std::vector<std::string> BenchFiles(const std::vector<IpResource>& set, const std::string& bench)
{
    std::vector<std::string> files;
    for (const IpResource& ip : set) files.push_back(IpFile(ip.stored));
    files.push_back(BenchFile("i2c_slave_model.v"));
    files.push_back(BenchFile(bench));
    return files;
}

}  // namespace

// What the configuration objects write: each resource, looked up by the name
// the export builds (whatever its letter case), lands in the sub-folder as
// the stored bytes, CR LF kept.
TEST(ClockGeneratorIp, EveryResourceIsWrittenAsStored)
{
    ProgramResources seam;
    for (const auto* set : {&kZennorbySet, &kSi5341Set, &kAshcombreSet}) {
        TempFolder folder;
        for (const IpResource& ip : *set) {
            const std::string target = folder.Path() + "controller/" + ip.file;
            ASSERT_TRUE(ExportRawResource(target, ip.resource)) << ip.resource;
            const std::string stored = ReadFile(IpFile(ip.stored));
            EXPECT_EQ(ReadFile(target), stored) << ip.resource;
            ExpectCrLfLines(stored, ip.stored);
        }
    }
    std::string upper, lower;
    EXPECT_TRUE(seam::LoadRawResource("S10_FMC_SEL_VERILOG", upper));
    EXPECT_TRUE(seam::LoadRawResource("s10_fmc_sel_verilog", lower));
    EXPECT_EQ(upper, lower);
    EXPECT_TRUE(seam.boxes.empty());
}

// Both port lists of the Si5341A set's clock_divider and initial_config end
// without a comma.
TEST(ClockGeneratorIp, TheSi5341SetsPortListsEndWithoutComma)
{
    EXPECT_NE(ReadFile(IpFile(kSi5341Set[4].stored)).find("    oCLK_OUT\r\n);"), std::string::npos);
    EXPECT_NE(ReadFile(IpFile(kSi5341Set[7].stored)).find("    iINITIAL_ENABLE\r\n);"), std::string::npos);
}

TEST(ClockGeneratorIp, ZennorbySi5340aControllerWritesEveryChoiceCode)
{
    ExpectBenchPasses(BenchFiles(kZennorbySet, "tb_zennorby_si5340a.v"), "tb_zennorby_si5340a");
}

TEST(ClockGeneratorIp, Si5341aControllerWritesEveryChoiceCode)
{
    ExpectBenchPasses(BenchFiles(kSi5341Set, "tb_s10_si5341a.v"), "tb_s10_si5341a");
}

TEST(ClockGeneratorIp, Si5397aControllerWritesItsSequenceWithTheHold)
{
    ExpectBenchPasses(BenchFiles(kAshcombreSet, "tb_ashcombre_si5397a.v"), "tb_ashcombre_si5397a");
}

TEST(ClockGeneratorIp, EveryFileLintsClean)
{
    const std::string waivers = "stratix10_lint_waivers.vlt";
    // The Si5340 sets' frequency-select generator lints with their files.
    std::vector<std::string> zennorby = StoredNames(kZennorbySet);
    zennorby.erase(zennorby.begin() + 1);
    ExpectLintClean(zennorby, "ZENNORBY_SI5340A_CONFIG", waivers);
    ExpectLintClean(StoredNames(kSi5341Set), "S10_SI5341A_CONFIG", waivers);
    ExpectLintClean({"si5341/si5341a_clk_frq_sel_gen.v", "si5341/edge_detector_41.v"}, "si5341a_clk_frq_sel_gen",
                    waivers);
    ExpectLintClean({"si5341/si5341a_freq_prameter_selector.v"}, "si5341a_freq_prameter_selector", waivers);
    ExpectLintClean(StoredNames(kAshcombreSet), "ASHCOMBRE_SI5397A_CONFIG", waivers);
    ExpectLintClean({"si5397/power_on_reset.v"}, "power_on_reset", waivers);
}

}  // namespace clock_generator_ip_test
