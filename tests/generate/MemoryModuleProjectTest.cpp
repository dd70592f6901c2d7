// Memory modules end to end: a board with one memory socket of each kind
// carries each module that fits it through the generation run; every pin of
// the module gets its location and I/O-standard lines, the Verilog top
// levels compile with Icarus Verilog and the VHDL ones analyse with GHDL.
#include <algorithm>
#include <functional>

#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"

namespace memory_module_project_test {

namespace {

struct ModuleCase {
    const char* project;
    ConnectorType socket;
    int positions;
    std::function<void(TMainBoard&)> attach;  // onto master 30 with the prefix "M_"
    int pins;
    std::vector<std::string> lines;  // lines the .qsf must hold
};

// A module whose loader the board runs itself, onto master 30 with "M_".
std::function<void(TMainBoard&)> Loaded(const std::function<void(TDaughterBoard&)>& load)
{
    return [load](TMainBoard& board) { AttachWithLoader(board, 30, "M_", load); };
}

std::vector<ModuleCase> EveryModuleOnItsSockets()
{
    const DdrSodimmOptions ddr2{.differential = true, .busStandard = 3, .addressStandard = 8};
    const DdrSodimmOptions ddr3{.differential = true, .busStandard = 0, .addressStandard = 0};
    const DdrSodimmOptions singleEnded{.differential = false, .busStandard = 0, .addressStandard = 0};
    auto ddr4 = [](Ddr4Naming naming, uint8_t boardId, bool ecc) {
        return [=](TMainBoard& b) {
            b.AttachDdr4SodimmEcc(
                30, "M_", {.naming = naming, .boardId = boardId, .ecc = ecc, .spdStandard = 3, .addressStandard = 40});
        };
    };
    using enum Ddr4Naming;
    return {
        {"ddr2", CONNECTOR_DDR2_SODIMM, 200, Loaded([=](TDaughterBoard& d) { d.LoadDdr2Sodimm(ddr2); }),
         124,
         {"set_instance_assignment -name IO_STANDARD \"1.8 V\" -to M_SDA",
          "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to M_SA[1]",
          "set_instance_assignment -name IO_STANDARD \"Differential 1.8-V SSTL Class I\" -to M_dqs_n[0]",
          "set_location_assignment PIN_L11 -to M_dqs_n[0]", "set_location_assignment PIN_L195 -to M_SDA"}},
        {"ddr2_se", CONNECTOR_DDR2_SODIMM, 200,
         Loaded([](TDaughterBoard& d) {
             d.LoadDdr2Sodimm({.differential = false, .busStandard = 3, .addressStandard = 3});
         }),
         116, {"set_instance_assignment -name IO_STANDARD \"SSTL-18 Class I\" -to M_ck[0]"}},
        {"ddr3", CONNECTOR_DDR3_SODIMM, 204, Loaded([=](TDaughterBoard& d) { d.LoadDdr3Sodimm(ddr3); }),
         126, {"set_location_assignment PIN_L30 -to M_reset_n", "set_location_assignment PIN_L198 -to M_EVENT_n"}},
        {"ddr3_se", CONNECTOR_DDR3_SODIMM, 204,
         Loaded([=](TDaughterBoard& d) { d.LoadDdr3Sodimm(singleEnded); }), 118, {}},
        {"ddr3_upper", CONNECTOR_DDR3_SODIMM, 204,
         Loaded([=](TDaughterBoard& d) { d.LoadDdr3SodimmUpper(ddr3); }), 126,
         {"set_instance_assignment -name IO_STANDARD \"1.5 V\" -to M_RESET_n"}},
        {"ddr3_alt", CONNECTOR_DDR3_SODIMM, 204, [=](TMainBoard& b) { b.AttachDdr3SodimmAlt(30, "M_", ddr3); }, 126,
         {"set_instance_assignment -name IO_STANDARD \"SSTL-15\" -to M_DQ[4]",
          "set_location_assignment PIN_L4 -to M_DQ[4]"}},
        {"ddr4_39", CONNECTOR_DDR4_SODIMM, 260,
         [](TMainBoard& b) { b.AttachDdr4Sodimm(30, "M_", {.ecc = false, .spdStandard = 40, .addressStandard = 40}); },
         133, {"set_location_assignment PIN_L166 -to M_AC_R[2]", "set_location_assignment PIN_L138 -to M_CK1"}},
        {"ddr4_39_ecc", CONNECTOR_DDR4_SODIMM, 260,
         [](TMainBoard& b) { b.AttachDdr4Sodimm(30, "M_", {.ecc = true, .spdStandard = 40, .addressStandard = 40}); },
         141, {"set_location_assignment PIN_L92 -to M_DQ[64]"}},
        {"ddr4_79", CONNECTOR_DDR4_IF, 260, ddr4(SingleRank, 36, false), 133, {}},
        {"ddr4_79_dual", CONNECTOR_DDR4_IF, 260, ddr4(DualRank, 40, false), 131, {}},
        {"ddr4_79_on_ecc", CONNECTOR_DDR4_IF_ECC, 260, ddr4(SingleRank, 37, false), 127, {}},
        {"ddr4_80", CONNECTOR_DDR4_IF_ECC, 260, ddr4(SingleRank, 36, true), 141,
         {"set_instance_assignment -name IO_STANDARD \"1.8 V\" -to M_SCL",
          "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to M_SA[1]",
          "set_instance_assignment -name IO_STANDARD \"SSTL-12\" -to M_AC_R[1]"}},
        {"ddr4_80_zennorby", CONNECTOR_DDR4_IF_ECC, 260, ddr4(SingleRank, 37, true), 135, {}},
        {"ddr4_80_dual", CONNECTOR_DDR4_IF_ECC, 260, ddr4(DualRank, 40, true), 139,
         {"set_instance_assignment -name IO_STANDARD \"1.2 V\" -to M_SA[0]"}},
        {"qdr2_a10", CONNECTOR_DDR4_IF_ECC, 260, [](TMainBoard& b) { b.AttachQdr2ModuleA10(30, "M_"); }, 114,
         {"set_instance_assignment -name IO_STANDARD \"Differential 1.8-V HSTL Class I\" -to M_K_p[0]"}},
        {"qdr2_s10", CONNECTOR_DDR4_IF_ECC, 260, [](TMainBoard& b) { b.AttachQdr2ModuleS10(30, "M_"); }, 114,
         {"set_location_assignment PIN_L115 -to M_RESERVED"}},
        {"qdr4_a10", CONNECTOR_DDR4_IF_ECC, 260, [](TMainBoard& b) { b.AttachQdr4ModuleA10(30, "M_"); }, 121,
         {"set_instance_assignment -name IO_STANDARD \"Differential 1.2-V HSTL Class I\" -to M_CK_p"}},
        {"qdr4_s10", CONNECTOR_DDR4_IF_ECC, 260, [](TMainBoard& b) { b.AttachQdr4ModuleS10(30, "M_"); }, 121,
         {"set_location_assignment PIN_L166 -to M_AINV"}},
    };
}

int CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& head)
{
    int n = 0;
    for (const std::string& line : lines)
        if (line.compare(0, head.size(), head) == 0) ++n;
    return n;
}

}  // namespace

TEST(MemoryModuleProjects, EveryModuleOnItsSocketGeneratesAProjectThatCompiles)
{
    SeamRecorder seam;
    TempFolder verilog, vhdl;
    std::vector<std::string> verilogFiles = {verilog.Path() + "nettype.v"}, vhdlFiles;
    WriteFile(verilogFiles[0], "`default_nettype none\n");
    for (const ModuleCase& c : EveryModuleOnItsSockets()) {
        SCOPED_TRACE(c.project);
        for (bool useVhdl : {false, true}) {
            TMainBoard board;
            SetDevice(board, MAINBOARD_NETHERCOY);
            board.AddConnector(MakeNumberedMaster("Memory", "memory socket", c.socket, 30, c.positions));
            c.attach(board);
            const std::string folder = useVhdl ? vhdl.Path() : verilog.Path();
            TPinloom pinloom;
            ASSERT_TRUE(pinloom.Generate(&board, folder + c.project + ".qpf", useVhdl));
            (useVhdl ? vhdlFiles : verilogFiles).push_back(folder + c.project + (useVhdl ? ".vhd" : ".v"));

            const std::vector<std::string> qsf = SplitCrLf(ReadFile(folder + c.project + ".qsf"));
            EXPECT_EQ(CountLinesStartingWith(qsf, "set_location_assignment PIN_L"), c.pins);
            EXPECT_EQ(CountLinesStartingWith(qsf, "set_instance_assignment -name IO_STANDARD"), c.pins);
            for (const std::string& line : c.lines)
                EXPECT_NE(std::find(qsf.begin(), qsf.end(), line), qsf.end()) << line;
        }
    }
    EXPECT_TRUE(seam.ErrorTexts().empty());

    // All top levels in one run of each tool.
    std::string log;
    EXPECT_TRUE(CompileVerilog(verilogFiles, "", log)) << log;
    EXPECT_TRUE(AnalyseVhdl(vhdlFiles, log)) << log;
}

}  // namespace memory_module_project_test
