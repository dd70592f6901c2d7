// The Si5340 controller IP: every resource the board exports is the stored
// file, written byte for byte through the program's resource lookup; the
// controllers' register writes are checked in Icarus Verilog benches for
// each set (the set of Fallowmere and Garvelow, and those of Tarrowind and
// Ulverrow, chosen in the benches by the macros TARROWIND and ULVERROW), and
// every file lints with Verilator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Configboard.h"
#include "platform/Seam.h"
#include "tests/verilog/VerilogIpSupport.h"

namespace si5340_ip_test {

namespace {

struct IpResource {
    const char* resource;  // as the export names it, in the letter case it builds
    const char* file;      // name in the project's sub-folder si5340_controller
    const char* stored;    // below resources/verilog/
};

// The export order of each board: common files, then the Si5340A and the
// Si5340B files.
const IpResource kFallowmereSet[] = {
    {"fallowmere_clock_divider_verilog", "clock_divider.v", "si5340/clock_divider.v"},
    {"fallowmere_edge_detector_verilog", "edge_detector.v", "si5340/edge_detector.v"},
    {"fallowmere_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5340/i2c_bus_controller.v"},
    {"fallowmere_initial_config_verilog", "initial_config.v", "si5340/initial_config.v"},
    {"fallowmere_si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen.v", "si5340/si5340a_clk_frq_sel_gen.v"},
    {"fallowmere_si5340a_controller_verilog", "si5340a_controller.v", "si5340/si5340a_controller.v"},
    {"fallowmere_si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector.v",
     "si5340/si5340a_freq_prameter_selector.v"},
    {"fallowmere_si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller.v",
     "si5340/si5340a_i2c_reg_controller.v"},
    {"fallowmere_si5340b_clk_frq_sel_gen_verilog", "si5340b_clk_frq_sel_gen.v", "si5340/si5340b_clk_frq_sel_gen.v"},
    {"fallowmere_si5340b_controller_verilog", "si5340b_controller.v", "si5340/si5340b_controller.v"},
    {"fallowmere_si5340b_freq_prameter_selector_verilog", "si5340b_freq_prameter_selector.v",
     "si5340/si5340b_freq_prameter_selector.v"},
    {"fallowmere_si5340b_i2c_reg_controller_verilog", "si5340b_i2c_reg_controller.v",
     "si5340/si5340b_i2c_reg_controller.v"},
};

const IpResource kTarrowindSet[] = {
    {"tarrowind_clock_divider_verilog", "clock_divider.v", "si5340/tarrowind/clock_divider.v"},
    {"tarrowind_edge_detector_verilog", "edge_detector.v", "si5340/edge_detector.v"},
    {"tarrowind_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5340/i2c_bus_controller.v"},
    {"tarrowind_initial_config_verilog", "initial_config.v", "si5340/tarrowind/initial_config.v"},
    {"si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen.v", "si5340/si5340a_clk_frq_sel_gen.v"},
    {"si5340a_controller_verilog", "si5340a_controller.v", "si5340/si5340a_controller.v"},
    {"si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector.v",
     "si5340/si5340a_freq_prameter_selector.v"},
    {"si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller.v", "si5340/si5340a_i2c_reg_controller.v"},
    {"si5340b_clk_frq_sel_gen_verilog", "si5340b_clk_frq_sel_gen.v", "si5340/si5340b_clk_frq_sel_gen.v"},
    {"si5340b_controller_verilog", "si5340b_controller.v", "si5340/si5340b_controller.v"},
    {"si5340b_freq_prameter_selector_verilog", "si5340b_freq_prameter_selector.v",
     "si5340/tarrowind/si5340b_freq_prameter_selector.v"},
    {"si5340b_i2c_reg_controller_verilog", "si5340b_i2c_reg_controller.v",
     "si5340/tarrowind/si5340b_i2c_reg_controller.v"},
};

// Ulverrow shares Tarrowind's common files and the Si5340A files of the
// other boards, so its Si5340A controller is the set of files that the
// Tarrowind Si5340A bench runs; its Si5340B takes a 5-bit select code.
const IpResource kUlverrowSet[] = {
    {"ddr4_tarrowind_clock_divider_verilog", "clock_divider.v", "si5340/tarrowind/clock_divider.v"},
    {"ddr4_tarrowind_edge_detector_verilog", "edge_detector.v", "si5340/edge_detector.v"},
    {"ddr4_tarrowind_i2c_bus_controller_verilog", "i2c_bus_controller.v", "si5340/i2c_bus_controller.v"},
    {"ddr4_tarrowind_initial_config_verilog", "initial_config.v", "si5340/tarrowind/initial_config.v"},
    {"ddr4_si5340a_clk_frq_sel_gen_verilog", "si5340a_clk_frq_sel_gen.v", "si5340/si5340a_clk_frq_sel_gen.v"},
    {"ddr4_si5340a_controller_verilog", "si5340a_controller.v", "si5340/si5340a_controller.v"},
    {"ddr4_si5340a_freq_prameter_selector_verilog", "si5340a_freq_prameter_selector.v",
     "si5340/si5340a_freq_prameter_selector.v"},
    {"ddr4_si5340a_i2c_reg_controller_verilog", "si5340a_i2c_reg_controller.v",
     "si5340/si5340a_i2c_reg_controller.v"},
    {"ddr4_si5340b_clk_frq_sel_gen_verilog", "si5340b_clk_frq_sel_gen.v", "si5340/si5340b_clk_frq_sel_gen.v"},
    {"ddr4_si5340b_controller_verilog", "si5340b_controller.v", "si5340/ulverrow/si5340b_controller.v"},
    {"ddr4_si5340b_freq_prameter_selector_verilog", "si5340b_freq_prameter_selector.v",
     "si5340/ulverrow/si5340b_freq_prameter_selector.v"},
    {"ddr4_si5340b_i2c_reg_controller_verilog", "si5340b_i2c_reg_controller.v",
     "si5340/ulverrow/si5340b_i2c_reg_controller.v"},
};

// The paths of the stored files of a set, picked by export position.
std::vector<std::string> Files(const IpResource (&set)[12], std::initializer_list<int> positions)
{
    std::vector<std::string> paths;
    for (int i : positions) paths.push_back(IpFile(set[i].stored));
    return paths;
}

std::vector<std::string> Names(const IpResource (&set)[12], std::initializer_list<int> positions)
{
    std::vector<std::string> names;
    for (int i : positions) names.push_back(set[i].stored);
    return names;
}

// Export positions: common files 0-3, Si5340A files 4-7, Si5340B files 8-11.
const std::initializer_list<int> kSi5340aController = {0, 1, 2, 3, 5, 6, 7};
const std::initializer_list<int> kSi5340bController = {0, 1, 2, 3, 9, 10, 11};

void ExpectSetLintsClean(const IpResource (&set)[12])
{
    ExpectLintClean(Names(set, kSi5340aController), "si5340a_controller", "si5340_lint_waivers.vlt");
    ExpectLintClean(Names(set, kSi5340bController), "si5340b_controller", "si5340_lint_waivers.vlt");
    ExpectLintClean(Names(set, {1, 4}), "si5340a_clk_frq_sel_gen", "si5340_lint_waivers.vlt");
    ExpectLintClean(Names(set, {1, 8}), "si5340b_clk_frq_sel_gen", "si5340_lint_waivers.vlt");
}

std::vector<std::string> WithBench(std::vector<std::string> files, const std::string& bench)
{
    files.push_back(BenchFile("i2c_slave_model.v"));
    files.push_back(BenchFile(bench));
    return files;
}

}  // namespace

// What the configuration objects write: each resource, looked up by the name
// the export builds, lands in the sub-folder as the stored bytes, CR LF kept.
TEST(Si5340Ip, EveryResourceIsWrittenAsStored)
{
    ProgramResources seam;
    for (const auto* set : {&kFallowmereSet, &kTarrowindSet, &kUlverrowSet}) {
        TempFolder folder;
        for (const IpResource& ip : *set) {
            const std::string target = folder.Path() + "si5340_controller/" + ip.file;
            ASSERT_TRUE(ExportRawResource(target, ip.resource)) << ip.resource;
            const std::string stored = ReadFile(IpFile(ip.stored));
            EXPECT_EQ(ReadFile(target), stored) << ip.resource;
            ExpectCrLfLines(stored, ip.stored);
        }
    }
    // The lookup ignores letter case; the names are stored in upper case.
    std::string upper, lower;
    EXPECT_TRUE(seam::LoadRawResource("SI5340B_FREQ_PRAMETER_SELECTOR_VERILOG", upper));
    EXPECT_TRUE(seam::LoadRawResource("si5340b_freq_prameter_selector_verilog", lower));
    EXPECT_EQ(upper, lower);
    EXPECT_TRUE(seam.boxes.empty());
}

// The two sets differ where the boards do: the common files' port lists,
// and the Si5340B selector and dividers; the rest is one text.
TEST(Si5340Ip, TheTarrowindSetDiffersOnlyWhereItsBoardDoes)
{
    for (int i = 0; i < 12; ++i) {
        const bool own = i == 0 || i == 3 || i == 10 || i == 11;
        EXPECT_EQ(ReadFile(IpFile(kFallowmereSet[i].stored)) != ReadFile(IpFile(kTarrowindSet[i].stored)), own)
            << kTarrowindSet[i].file;
    }
    // clock_divider and initial_config: a comma after the last port, or none.
    EXPECT_NE(ReadFile(IpFile("si5340/clock_divider.v")).find("    oCLK_OUT,\r\n);"), std::string::npos);
    EXPECT_NE(ReadFile(IpFile("si5340/initial_config.v")).find("    iINITIAL_ENABLE,\r\n);"), std::string::npos);
    EXPECT_NE(ReadFile(IpFile("si5340/tarrowind/clock_divider.v")).find("    oCLK_OUT\r\n);"), std::string::npos);
    EXPECT_NE(ReadFile(IpFile("si5340/tarrowind/initial_config.v")).find("    iINITIAL_ENABLE\r\n);"),
              std::string::npos);
}

TEST(Si5340Ip, FallowmereSi5340aControllerWritesEverySelectCode)
{
    ExpectBenchPasses(WithBench(Files(kFallowmereSet, {0, 1, 2, 3, 4, 5, 6, 7}), "tb_si5340a_controller.v"),
                      "tb_si5340a_controller");
}

TEST(Si5340Ip, FallowmereSi5340bControllerWritesEverySelectCode)
{
    ExpectBenchPasses(WithBench(Files(kFallowmereSet, {0, 1, 2, 3, 8, 9, 10, 11}), "tb_si5340b_controller.v"),
                      "tb_si5340b_controller");
}

TEST(Si5340Ip, TarrowindSi5340aControllerWritesEverySelectCode)
{
    ExpectBenchPasses(WithBench(Files(kTarrowindSet, {0, 1, 2, 3, 4, 5, 6, 7}), "tb_si5340a_controller.v"),
                      "tb_si5340a_controller", "-DTARROWIND");
}

TEST(Si5340Ip, TarrowindSi5340bControllerWritesEverySelectCode)
{
    ExpectBenchPasses(WithBench(Files(kTarrowindSet, {0, 1, 2, 3, 8, 9, 10, 11}), "tb_si5340b_controller.v"),
                      "tb_si5340b_controller", "-DTARROWIND");
}

TEST(Si5340Ip, UlverrowSi5340bControllerWritesEverySelectCode)
{
    ExpectBenchPasses(WithBench(Files(kUlverrowSet, {0, 1, 2, 3, 8, 9, 10, 11}), "tb_si5340b_controller.v"),
                      "tb_si5340b_controller", "-DULVERROW");
}

TEST(Si5340Ip, EveryFileLintsClean)
{
    ExpectSetLintsClean(kFallowmereSet);
    ExpectSetLintsClean(kTarrowindSet);
    ExpectSetLintsClean(kUlverrowSet);
}

}  // namespace si5340_ip_test
