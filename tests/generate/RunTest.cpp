// One generation run: file names, order of the steps, and how the run ends
// on each kind of failure.
#include <clocale>
#include <filesystem>
#include <locale>

#include "generate/Pinloom.h"
#include "tests/generate/FileLimit.h"
#include "tests/generate/GenerateSupport.h"

namespace {

const std::vector<std::string> kVerilogProject = {"demo.qpf", "demo.qsf", "demo.v", "demo.sdc", "demo.htm"};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(GenerationRun, FileNamesComeFromTheProjectPath)
{
    for (const char* name : {"demo.qpf", "demo", "demo.txt"}) {
        SeamRecorder seam;
        TempFolder folder;
        TMainBoard board;
        BuildDemoBoard(board);
        TPinloom pinloom;
        ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + name, false)) << name;
        if (std::string(name) == "demo.txt") std::filesystem::remove(folder.Path() + name);
        EXPECT_EQ(ProjectFiles(folder.Path(), "demo"), kVerilogProject) << name;
        EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.qpf"), "PROJECT_REVISION = \"demo\"\r\n"));
        EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.v"), "\r\nmodule demo(\r\n"));
        EXPECT_TRUE(seam.boxes.empty());
    }
}

TEST(GenerationRun, BaseNameWithSpaceAndLeadingDigitIsUsedUnchanged)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "1st demo.qpf", true));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "1st demo.qpf"), "PROJECT_REVISION = \"1st demo\"\r\n"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "1st demo.qsf"), "TOP_LEVEL_ENTITY \"1st demo\"\r\n"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "1st demo.vhd"), "\r\nentity 1st demo is\r\n"));
    EXPECT_TRUE(FileExists(folder.Path() + "1st demo.sdc"));
    EXPECT_TRUE(FileExists(folder.Path() + "1st demo.htm"));
}

TEST(GenerationRun, TheOtherTopLevelOfAnEarlierRunStays)
{
    SeamRecorder seam;
    TempFolder folder;
    WriteFile(folder.Path() + "demo.v", "earlier verilog");
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", true));
    EXPECT_EQ(ReadFile(folder.Path() + "demo.v"), "earlier verilog");
    EXPECT_TRUE(FileExists(folder.Path() + "demo.vhd"));

    WriteFile(folder.Path() + "demo.vhd", "earlier vhdl");
    WriteFile(folder.Path() + "demo.sdc", "earlier sdc, to be replaced");
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_EQ(ReadFile(folder.Path() + "demo.vhd"), "earlier vhdl");
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.v"), "module demo("));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.sdc"), "# Create Clock"));
}

TEST(GenerationRun, SettingsFileThatCannotBeCreatedStopsTheRun)
{
    SeamRecorder seam;
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() + "demo.qsf");
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot create file \"" + folder.Path() + "demo.qsf\". Is a directory",
                                        "Failed to create file demo.qsf"}));
    EXPECT_TRUE(FileExists(folder.Path() + "demo.qpf"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() + "demo.qsf"));
    for (const char* later : {"demo.v", "demo.vhd", "demo.sdc", "demo.htm"})
        EXPECT_FALSE(FileExists(folder.Path() + later)) << later;
}

TEST(GenerationRun, ShortWriteShowsOnlyTheFileName)
{
    SeamRecorder seam;
    TempFolder folder;
    TPinloom pinloom;
    bool written;
    {
        FileSizeLimit limit(10);
        written = pinloom.WriteQpf(folder.Path() + "demo.qpf");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to create file demo.qpf"});
}

TEST(GenerationRun, UnpairedBracketsRejectTheRunBeforeAnythingIsWritten)
{
    for (const char* name : {"A[1", "B]", "[", "X]]", "Y[[2"}) {
        SeamRecorder seam;
        TempFolder folder;
        TMainBoard board;
        BuildDemoBoard(board);
        // The name is checked even on a pin that is not used.
        board.AddConnector(MakeConnector("ODD", "", {{"Z", "A1", PIN_DIR_INPUT}, {name, "A2", PIN_DIR_NONE}}));
        TPinloom pinloom;
        EXPECT_FALSE(pinloom.CheckPinNames(&board)) << name;
        EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false)) << name;
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << name;
        EXPECT_TRUE(seam.boxes.empty());
        // No pin was sorted.
        EXPECT_EQ(board.GetConnector(1)->GetPin(0)->GetName(), "KEY[3]");
    }
    SeamRecorder seam;
    TMainBoard board;
    BuildDemoBoard(board);
    board.AddConnector(MakeConnector("ODD", "", {{"A]B[1", "A1", PIN_DIR_INPUT}, {"C[2]_N", "A2", PIN_DIR_INPUT}}));
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.CheckPinNames(&board));
}

TEST(GenerationRun, SignalNameUsedTwiceWritesNoFile)
{
    struct Case {
        std::vector<std::pair<const char*, PinDirection>> first, second;
        const char* clash;
    };
    const Case cases[] = {
        {{{"RESET", PIN_DIR_INPUT}}, {{"RESET", PIN_DIR_OUTPUT}}, "RESET"},
        {{{"reset", PIN_DIR_INPUT}}, {{"RESET", PIN_DIR_INPUT}}, "RESET"},
        {{{"A", PIN_DIR_INPUT}, {"A", PIN_DIR_INPUT}}, {}, "A"},
        {{{"LED[0]", PIN_DIR_OUTPUT}}, {{"LED[1]", PIN_DIR_OUTPUT}}, "LED"},
        {{{"X", PIN_DIR_INPUT}}, {{"x[0]", PIN_DIR_INPUT}}, "x"},
        {{{"D[0]", PIN_DIR_INOUT}, {"D[1]", PIN_DIR_INOUT}}, {{"Q", PIN_DIR_INPUT}, {"d[1]", PIN_DIR_INOUT}}, "d[1]"},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        TempFolder folder;
        TMainBoard board;
        SetDevice(board, MAINBOARD_NETHERCOY);
        board.AddConnector(MakeConnector("SPARE", "", {{"SPARE", "Z1", PIN_DIR_NONE}, {"SPARE", "Z2", PIN_DIR_NONE}}));
        for (const auto* pins : {&c.first, &c.second}) {
            auto* connector = new TConnector("G", "", CONNECTOR_NONE, -1);
            for (const auto& [name, direction] : *pins) connector->AddPin(new TPin(name, "A1", direction, kLvttl, 0));
            board.AddConnector(connector);
        }
        TPinloom pinloom;
        EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false)) << c.clash;
        const std::string box = std::string("Signal name ") + c.clash + " is used more than once in this project.";
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{box});
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << c.clash;
    }
}

TEST(GenerationRun, BusIndexThatIsNotANumberLeavesTheRun)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board);
    board.AddConnector(MakeConnector("BAD", "", {{"A[x]", "A1", PIN_DIR_INPUT}}));
    TPinloom pinloom;
    try {
        pinloom.Generate(&board, folder.Path() + "demo.qpf", false);
        ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(GenerationRun, PortsThatCannotBeBuiltStopTheRunAtTheTopLevel)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board);
    board.AddConnector(MakeConnector("MIXED", "", {{"M", "A1", PIN_DIR_INPUT}, {"M[0]", "A2", PIN_DIR_INPUT}}));
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_EQ(ProjectFiles(folder.Path(), "demo"), (std::vector<std::string>{"demo.qpf", "demo.qsf"}));
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"TPinParsing::Build fail\r\n,i=1,name=M[0]"});
}

TEST(GenerationRun, RunningTwiceOverwritesAndKeepsTheProcessLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const std::string globalBefore = std::locale().name();
    SeamRecorder seam;
    TempFolder folder;
    TPinloom pinloom;
    {
        TMainBoard board;
        BuildDemoBoard(board);
        ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    }
    seam.SetNow(2027, 12, 1, 0, 0, 1);
    TMainBoard board;
    BuildDemoBoard(board);
    board.AddConnector(MakeConnector("EXTRA", "", {{"EXTRA_PIN", "Z9", PIN_DIR_OUTPUT}}));
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.qpf"), "DATE = \"00:00:01 December 01, 2027\"\r\n"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.qsf"), "\"00:00:01 DECEMBER 01,2027\""));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.v"), "EXTRA_PIN"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.htm"), "EXTRA_PIN"));
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
    EXPECT_EQ(std::locale().name(), globalBefore);
}

TEST(GenerationRun, FmcConnectorKeepsItsOrderOtherConnectorsAreSorted)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    const std::string qsf = ReadFile(folder.Path() + "demo.qsf");
    EXPECT_LT(qsf.find("-to ZETA\r\n"), qsf.find("-to ALPHA\r\n"));
    EXPECT_LT(qsf.find("-to ALPHA\r\n"), qsf.find("-to MID\r\n"));
    EXPECT_LT(qsf.find("-to KEY[0]\r\n"), qsf.find("-to KEY[3]\r\n"));
    const std::string htm = ReadFile(folder.Path() + "demo.htm");
    EXPECT_LT(htm.find(">ZETA<"), htm.find(">ALPHA<"));
    EXPECT_LT(htm.find(">T_BTN<"), htm.find(">T_SDA<"));
}

// A ball the board data gives to two pins is assigned once, to the pin built
// first (before the sort puts ZETA after ALPHA); the other pin keeps its
// port and I/O standard and appears in the pin table without a location.
TEST(GenerationRun, OneBallPerProject)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    SetDevice(board, MAINBOARD_ESTOVER);
    board.AddConnector(MakeConnector("FIRST", "", {{"ZETA", "AB6", PIN_DIR_INPUT}, {"BETA", "C1", PIN_DIR_INPUT}}));
    board.AddConnector(MakeConnector("SECOND", "", {{"ALPHA", "AB6", PIN_DIR_INPUT}}));
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    const std::string qsf = ReadFile(folder.Path() + "demo.qsf");
    EXPECT_TRUE(Contains(qsf, "set_location_assignment PIN_AB6 -to ZETA\r\n"));
    EXPECT_FALSE(Contains(qsf, "-to ALPHA\r\nset_location"));
    EXPECT_FALSE(Contains(qsf, "set_location_assignment PIN_AB6 -to ALPHA"));
    EXPECT_TRUE(Contains(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to ALPHA\r\n"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.v"), "\tinput \t\t          \t\tALPHA"));
    EXPECT_TRUE(Contains(ReadFile(folder.Path() + "demo.htm"), "ALPHA"));
}
