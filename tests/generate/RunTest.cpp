// One generation run: file names, order of the steps, and how the run ends
// on each kind of failure.
#include <algorithm>
#include <cctype>
#include <clocale>
#include <filesystem>
#include <locale>
#include <map>
#include <sys/stat.h>

#include "generate/Pinloom.h"
#include "model/FileReplace.h"
#include "tests/generate/FileLimit.h"
#include "tests/generate/GenerateSupport.h"

namespace run_test {

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

TEST(GenerationRun, BaseNamesThatCannotNameAModuleWriteNothing)
{
    const std::string rule =
        "Project Name must start with a letter and hold only letters, digits and '_' (no '__', no trailing '_'), "
        "and cannot be a Verilog or VHDL keyword.";
    const struct {
        const char* file;
        std::string box;
    } cases[] = {
        {"1st demo.qpf", rule}, {"my proj.qpf", rule}, {"module.qpf", rule},
        {"clock_divider.qpf", rule}, {"Entity", rule}, {".qpf", "Project Name cannot be empty."},
    };
    for (const auto& c : cases) {
        for (bool vhdl : {false, true}) {
            SCOPED_TRACE(c.file);
            SeamRecorder seam;
            TempFolder folder;
            TMainBoard board;
            BuildDemoBoard(board);
            TPinloom pinloom;
            EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + c.file, vhdl));
            EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{c.box});
            EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
        }
    }
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

TEST(GenerationRun, AFolderInThePlaceOfAFileStopsTheRunBeforeAnyFileIsReplaced)
{
    SeamRecorder seam;
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() + "demo.qsf");
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + folder.Path() + "demo.qsf\". Not a regular file",
                                        "Failed to create file demo.qsf"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path() + "demo.qsf"));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"demo.qsf"});
}

TEST(GenerationRun, AShortWriteShowsItsCause)
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
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + folder.Path() + "demo.qpf\". File too large",
                                        "Failed to create file demo.qpf"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

// Regenerating over a project whose files the user edited, on a disk that
// fills up at any one of the project's files (the IP files among them), or
// with a replacement that fails at the end: the run fails with the cause,
// and the earlier project stays whole, every file the same file with the
// same bytes; a folder without an earlier project stays empty.
TEST(GenerationRun, AFailureAnywhereLeavesTheEarlierProjectWhole)
{
    const std::vector<std::string> ipFiles = {"si570_controller.v",   "clock_divider.v",      "edge_detector.v",
                                              "i2c_bus_controller.v", "i2c_controller.v",     "i2c_reg_controller.v",
                                              "initial_config.v",     "CDCM6100x_Config.v"};
    std::vector<std::string> files = {"demo.qpf", "demo.qsf", "demo.v"};
    files.insert(files.end(), ipFiles.begin(), ipFiles.end());
    files.push_back("demo.sdc");
    files.push_back("demo.htm");
    auto inode = [](const std::string& path) {
        struct stat info;
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    };
    for (bool earlierProject : {true, false}) {
        for (const std::string& failing : files) {
            for (bool atReplace : {false, true}) {
                SCOPED_TRACE(failing + (atReplace ? " at the replacement" : " part-way") +
                             (earlierProject ? "" : ", no earlier project"));
                SeamRecorder seam;
                for (const std::string& file : ipFiles) {
                    std::string resource = ChangeFileExt(file, "_VERILOG");
                    for (char& c : resource) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                    seam.AddResource(resource, "// " + file + "\r\n" + std::string(100, 'v'));
                }
                TempFolder folder;
                std::map<std::string, ino_t> inodes;
                if (earlierProject) {
                    for (const std::string& file : files) {
                        WriteFile(folder.Path() + file, "edited " + file + "\r\n");
                        inodes[file] = inode(folder.Path() + file);
                    }
                }
                TMainBoard board;
                BuildDemoBoard(board, MAINBOARD_ESTOVER);
                SetEstover(board, 2, 3);  // every Si570 file and the CDCM file
                TPinloom pinloom;
                if (atReplace)
                    SetReplaceFailureForTesting(failing);
                else
                    SetWriteFailureForTesting(failing, 20);
                const bool generated = pinloom.Generate(&board, folder.Path() + "demo.qpf", false);
                SetWriteFailureForTesting("", 0);
                SetReplaceFailureForTesting("");
                EXPECT_FALSE(generated);

                if (earlierProject) {
                    for (const std::string& file : files) {
                        EXPECT_EQ(ReadFile(folder.Path() + file), "edited " + file + "\r\n") << file;
                        EXPECT_EQ(inode(folder.Path() + file), inodes[file]) << file;
                    }
                    std::vector<std::string> sorted = files;
                    std::sort(sorted.begin(), sorted.end());
                    EXPECT_EQ(FilesIn(folder.Path()), sorted);  // no temporary file left
                } else {
                    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
                }

                const std::string path = folder.Path() + failing;
                std::vector<std::string> boxes;
                if (atReplace)
                    boxes = {"Cannot create file \"" + path + "\". Input/output error", "Failed to create file " + failing};
                else if (failing == "demo.htm")
                    boxes = {"Cannot write file \"" + path + "\". No space left on device"};
                else if (failing.rfind("demo.", 0) != 0)
                    boxes = {"Cannot write file \"" + path + "\". No space left on device", "Failed to export verilog IP"};
                else
                    boxes = {"Cannot write file \"" + path + "\". No space left on device",
                             "Failed to create file " + failing};
                EXPECT_EQ(seam.ErrorTexts(), boxes);
            }
        }
    }
}

// A file of the user's that happens to carry the name of a temporary file
// is left alone.
TEST(GenerationRun, AFileNamedLikeATemporaryFileStays)
{
    SeamRecorder seam;
    TempFolder folder;
    WriteFile(folder.Path() + "demo.sdc.tmp", "the user's notes\r\n");
    TMainBoard board;
    BuildDemoBoard(board);
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_EQ(ReadFile(folder.Path() + "demo.sdc.tmp"), "the user's notes\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"demo.htm", "demo.qpf", "demo.qsf", "demo.sdc",
                                                                "demo.sdc.tmp", "demo.v"}));
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(GenerationRun, SignalNamesTheTopLevelCannotDeclareWriteNoFile)
{
    const std::string longest(128, 'L');
    const struct {
        std::string name;
        PinDirection direction;
        bool verilog;  // accepted in a Verilog project
        bool vhdl;     // accepted in a VHDL project
    } cases[] = {
        {"A[1", PIN_DIR_INPUT, false, false},
        {"B]", PIN_DIR_INPUT, false, false},
        {"[", PIN_DIR_INPUT, false, false},
        {"Y[[2", PIN_DIR_INPUT, false, false},
        {"A]B[1", PIN_DIR_INPUT, false, false},
        {"C[2]_N", PIN_DIR_INPUT, false, false},
        {"A[x]", PIN_DIR_INPUT, false, false},
        {"a b-GPIO[0]", PIN_DIR_INOUT, false, false},
        {"P\r\nset_global_assignment -name DEVICE EVIL\r\n#IVREL_PIXCLK", PIN_DIR_INPUT, false, false},
        {longest + "n", PIN_DIR_OUTPUT, false, false},
        {"wire", PIN_DIR_INPUT, false, true},
        {"GPIO__0", PIN_DIR_INPUT, true, false},
        {"TX_", PIN_DIR_OUTPUT, true, false},
        {"OUT[1]", PIN_DIR_OUTPUT, true, false},
        {longest, PIN_DIR_OUTPUT, true, true},
        {"A[x]", PIN_DIR_NONE, true, true},  // not used: it reaches no file
    };
    for (const auto& c : cases) {
        for (bool vhdl : {false, true}) {
            SCOPED_TRACE(c.name + (vhdl ? " (VHDL)" : " (Verilog)"));
            SeamRecorder seam;
            TempFolder folder;
            TMainBoard board;
            BuildDemoBoard(board);
            board.AddConnector(MakeConnector("ODD", "", {{"Z", "A1", PIN_DIR_INPUT}}));
            board.GetConnector(board.GetConnectorCount() - 1)->AddPin(new TPin(c.name, "A2", c.direction, kLvttl, 0));
            TPinloom pinloom;
            const bool accepted = vhdl ? c.vhdl : c.verilog;
            EXPECT_EQ(pinloom.CheckPinNames(&board, vhdl), accepted);
            if (accepted) {
                EXPECT_TRUE(seam.boxes.empty());
                continue;
            }
            EXPECT_EQ(seam.ErrorTexts(),
                      std::vector<std::string>{"Signal name " + c.name + " cannot be used in a Verilog or VHDL design."});
            seam.boxes.clear();
            EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", vhdl));
            EXPECT_EQ(seam.ErrorTexts().size(), 1u);
            EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
            // No pin was sorted.
            EXPECT_EQ(board.GetConnector(1)->GetPin(0)->GetName(), "KEY[3]");
        }
    }
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

TEST(GenerationRun, PortsThatCannotBeBuiltStopTheRunAtTheTopLevel)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board);
    board.AddConnector(MakeConnector("MIXED", "", {{"M", "A1", PIN_DIR_INPUT}, {"M[0]", "A2", PIN_DIR_INPUT}}));
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));  // the files written before it are not kept
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

}  // namespace run_test
