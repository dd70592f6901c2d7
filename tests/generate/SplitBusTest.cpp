// A bus whose members lie in several connectors: the top level declares it
// once, from its lowest to its highest index, in the section of the first
// connector that holds a member; the run refuses a bit of it held twice and
// members of different directions before writing anything.
#include <filesystem>

#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"

namespace split_bus_test {

namespace {

// FIRST holds D[3] and the start of a bus E, MID nothing of them, SECOND
// D[0], D[5] and E's other member; D is one input bus [5:0], E one output
// bus [7:6], both declared in FIRST's section.
void BuildSplitBusBoard(TMainBoard& board)
{
    SetDevice(board, MAINBOARD_NETHERCOY);
    board.AddConnector(MakeConnector(
        "FIRST", "", {{"A", "A1", PIN_DIR_INPUT}, {"D[3]", "A2", PIN_DIR_INPUT}, {"E[7]", "A3", PIN_DIR_OUTPUT}}));
    board.AddConnector(MakeConnector("MID", "Middle", {{"Z", "B1", PIN_DIR_OUTPUT}}));
    board.AddConnector(MakeConnector(
        "SECOND", "", {{"d[0]", "C1", PIN_DIR_INPUT}, {"E[6]", "C2", PIN_DIR_OUTPUT}, {"D[5]", "C3", PIN_DIR_INPUT}}));
}

}  // namespace

TEST(SplitBus, DeclaredOnceInTheFirstSectionInVerilogAndVhdl)
{
    SeamRecorder seam;
    TMainBoard board;
    BuildSplitBusBoard(board);
    bool ok = false;
    EXPECT_EQ(board.GetVerilogPortList(ok), CrLfLines({"",
                                                       "\t//////////// FIRST //////////",
                                                       "\tinput \t\t          \t\tA,",
                                                       "\tinput \t\t     [5:0]\t\tD,",
                                                       "\toutput\t\t     [7:6]\t\tE,",
                                                       "",
                                                       "\t//////////// MID, Middle //////////",
                                                       "\toutput\t\t          \t\tZ",
                                                       "",
                                                       "\t//////////// SECOND //////////"}));
    EXPECT_TRUE(ok);
    ok = false;
    EXPECT_EQ(board.GetVhdlPortList(ok), CrLfLines({"",
                                                    "\t------------ FIRST ------------",
                                                    "\tA               \t:in    \tstd_logic;",
                                                    "\tD               \t:in    \tstd_logic_vector(5 downto 0);",
                                                    "\tE               \t:out   \tstd_logic_vector(7 downto 6);",
                                                    "",
                                                    "\t------------ MID, Middle ------------",
                                                    "\tZ               \t:out   \tstd_logic",
                                                    "",
                                                    "\t------------ SECOND ------------"}));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(seam.boxes.empty());

    // The whole run writes it, and the tools take both top levels.
    for (bool vhdl : {false, true}) {
        TempFolder folder;
        TMainBoard run;
        BuildSplitBusBoard(run);
        TPinloom pinloom;
        ASSERT_TRUE(pinloom.Generate(&run, folder.Path() + "split.qpf", vhdl));
        std::string log;
        if (vhdl) {
            EXPECT_TRUE(AnalyseVhdl(folder.Path() + "split.vhd", log)) << log;
        } else {
            WriteFile(folder.Path() + "nettype.v", "`default_nettype none\n");
            EXPECT_TRUE(CompileVerilog({folder.Path() + "nettype.v", folder.Path() + "split.v"}, "split", log)) << log;
        }
        // Every member keeps its own location line.
        const std::string qsf = ReadFile(folder.Path() + "split.qsf");
        for (const char* line : {"set_location_assignment PIN_A2 -to D[3]\r\n", "set_location_assignment PIN_C1 -to d[0]\r\n",
                                 "set_location_assignment PIN_C3 -to D[5]\r\n"})
            EXPECT_NE(qsf.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(seam.boxes.empty());
}

// A bit held twice or a member of another direction in a later connector:
// the box, and no file written.
TEST(SplitBus, BitHeldTwiceOrDirectionsThatDifferAreRefused)
{
    struct Case {
        const char* name;
        PinDirection direction;
        const char* box;
    };
    const Case cases[] = {
        {"D[3]", PIN_DIR_INPUT, "Signal name D[3] is used more than once in this project."},
        {"d[0]", PIN_DIR_INPUT, "Signal name d[0] is used more than once in this project."},
        {"D[9]", PIN_DIR_OUTPUT, "Connector D[9]:1 has an unmathced pin direction"},
        {"D", PIN_DIR_INPUT, "Signal name D is used more than once in this project."},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        TempFolder folder;
        TMainBoard board;
        BuildSplitBusBoard(board);
        board.AddConnector(MakeConnector("THIRD", "", {{"Y", "D1", PIN_DIR_INPUT}, {c.name, "D2", c.direction}}));
        TPinloom pinloom;
        EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "split.qpf", false)) << c.name;
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{c.box});
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << c.name;
    }
}

}  // namespace split_bus_test
