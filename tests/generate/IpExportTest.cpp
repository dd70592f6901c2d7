// Export of the Verilog IP files that the generated top levels instantiate.
#include <algorithm>
#include <filesystem>

#include "generate/Pinloom.h"
#include "tests/generate/FileLimit.h"
#include "tests/generate/GenerateSupport.h"

namespace ip_export_test {

namespace {

const char* const kSi570Files[7] = {"si570_controller.v",   "clock_divider.v",    "edge_detector.v",
                                    "i2c_bus_controller.v", "i2c_controller.v",   "i2c_reg_controller.v",
                                    "initial_config.v"};
const char* const kSi570Resources[7] = {"SI570_CONTROLLER_VERILOG",   "CLOCK_DIVIDER_VERILOG",
                                        "EDGE_DETECTOR_VERILOG",      "I2C_BUS_CONTROLLER_VERILOG",
                                        "I2C_CONTROLLER_VERILOG",     "I2C_REG_CONTROLLER_VERILOG",
                                        "INITIAL_CONFIG_VERILOG"};

// Resource text that shows whether it was copied byte for byte.
std::string TextOf(const std::string& name) { return "// " + name + "\r\nmodule m;\nendmodule\r\n"; }

void RegisterAll(SeamRecorder& seam)
{
    seam.AddResource("EXT_PLL_CTRL_VERILOG", TextOf("EXT_PLL_CTRL_VERILOG"));
    seam.AddResource("CDCM6100X_CONFIG_VERILOG", TextOf("CDCM6100X_CONFIG_VERILOG"));
    for (const char* name : kSi570Resources) seam.AddResource(name, TextOf(name));
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(IpExport, ExternalPllBoardsAlwaysGetTheController)
{
    for (MainBoardId id : {MAINBOARD_ORMSGILL, MAINBOARD_BRACKWELL}) {
        SeamRecorder seam;
        RegisterAll(seam);
        TempFolder folder;
        TMainBoard board;
        SetDevice(board, id);  // programmable PLL off
        TPinloom pinloom;
        EXPECT_TRUE(pinloom.ExportIp(&board, folder.Path()));
        EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"EXT_PLL_CTRL.v"});
        EXPECT_EQ(ReadFile(folder.Path() + "EXT_PLL_CTRL.v"), TextOf("EXT_PLL_CTRL_VERILOG"));
        EXPECT_TRUE(seam.boxes.empty());
    }
}

TEST(IpExport, RastrelleFollowsItsChoices)
{
    std::vector<std::string> si570(std::begin(kSi570Files), std::end(kSi570Files));
    std::vector<std::string> withPll = si570;
    withPll.push_back("EXT_PLL_CTRL.v");
    struct Case {
        int32_t si570, cdcm61004, cdcm61001;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {0, 1, 1, {}},
        {0, 1, 0, {"EXT_PLL_CTRL.v"}},
        {0, 0, 1, {"EXT_PLL_CTRL.v"}},
        {2, 1, 0, withPll},
        {2, 1, 1, si570},
    };
    for (const Case& c : cases) {
        SeamRecorder seam;
        RegisterAll(seam);
        TempFolder folder;
        TMainBoard board;
        SetRastrelle(board, c.si570, c.cdcm61004, c.cdcm61001);
        TPinloom pinloom;
        EXPECT_TRUE(pinloom.ExportIp(&board, folder.Path()));
        EXPECT_EQ(FilesIn(folder.Path()), Sorted(c.files)) << c.si570 << " " << c.cdcm61004 << " " << c.cdcm61001;
    }
}

TEST(IpExport, Si570GroupIsCopiedVerbatimFromNamesMadeOfTheFiles)
{
    SeamRecorder seam;
    RegisterAll(seam);
    TempFolder folder;
    TMainBoard board;
    SetDrennock(board, 2, 0);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.ExportIp(&board, folder.Path()));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(ReadFile(folder.Path() + kSi570Files[i]), TextOf(kSi570Resources[i]));
}

TEST(IpExport, EstoverWithCdcmOnly)
{
    SeamRecorder seam;
    RegisterAll(seam);
    TempFolder folder;
    TMainBoard board;
    SetEstover(board, 0, 3);
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.ExportIp(&board, folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"CDCM6100x_Config.v"});
    EXPECT_EQ(ReadFile(folder.Path() + "CDCM6100x_Config.v"), TextOf("CDCM6100X_CONFIG_VERILOG"));
}

TEST(IpExport, StopsAtTheFirstFileThatFails)
{
    SeamRecorder seam;
    RegisterAll(seam);
    seam.resources.erase("CLOCK_DIVIDER_VERILOG");
    TempFolder folder;
    TMainBoard board;
    SetEstover(board, 2, 3);
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.ExportIp(&board, folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"si570_controller.v"});
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to export verilog IP"});
}

TEST(IpExport, ReplacesAnEditedFile)
{
    SeamRecorder seam;
    RegisterAll(seam);
    TempFolder folder;
    WriteFile(folder.Path() + "EXT_PLL_CTRL.v", "// edited by hand, and longer than the stored text ...........");
    TMainBoard board;
    SetDevice(board, MAINBOARD_ORMSGILL);
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.ExportIp(&board, folder.Path()));
    EXPECT_EQ(ReadFile(folder.Path() + "EXT_PLL_CTRL.v"), TextOf("EXT_PLL_CTRL_VERILOG"));
}

TEST(IpExport, BoardsWithoutIpExportNothing)
{
    for (MainBoardId id : {MAINBOARD_HOLLARNE, MAINBOARD_NETHERCOY, MAINBOARD_LARROWEN, MAINBOARD_WENDLEBURY}) {
        SeamRecorder seam;
        TempFolder folder;
        TMainBoard board;
        SetDevice(board, id);
        TPinloom pinloom;
        EXPECT_TRUE(pinloom.ExportIp(&board, folder.Path()));
        EXPECT_TRUE(FilesIn(folder.Path()).empty());
        EXPECT_TRUE(seam.boxes.empty());
    }
}

TEST(IpExport, ConfigurationObjectBoardsExportThemselves)
{
    for (bool succeeds : {true, false}) {
        SeamRecorder seam;
        TempFolder folder;
        TTestConfig config;
        config.exportResult = succeeds;
        TMainBoard board;
        SetDevice(board, MAINBOARD_COLVENNA);
        board.m_pConfig = &config;
        TPinloom pinloom;
        EXPECT_EQ(pinloom.ExportIp(&board, folder.Path()), succeeds);
        EXPECT_EQ(config.exportFolders, std::vector<std::string>{folder.Path()});
        EXPECT_EQ(seam.ErrorTexts(), succeeds ? std::vector<std::string>{}
                                              : std::vector<std::string>{"Failed to export verilog IP"});
    }
}

TEST(IpExport, ResourceExportCreatesOnlyTheLastFolder)
{
    SeamRecorder seam;
    seam.AddResource("X_VERILOG", "x\r\n");
    TempFolder folder;
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.ExportResource(folder.Path() + "sub/x.v", "x_verilog"));
    EXPECT_EQ(ReadFile(folder.Path() + "sub/x.v"), "x\r\n");
    // A missing resource leaves an earlier file as it was, silently.
    WriteFile(folder.Path() + "old.v", "old");
    EXPECT_FALSE(pinloom.ExportResource(folder.Path() + "old.v", "MISSING_VERILOG"));
    EXPECT_EQ(ReadFile(folder.Path() + "old.v"), "old");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_FALSE(pinloom.ExportResource(folder.Path() + "a/b/x.v", "X_VERILOG"));
    EXPECT_FALSE(FileExists(folder.Path() + "a"));
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Cannot create folder \"" + folder.Path() +
                                                          "a/b\". No such file or directory"});
}

TEST(IpExport, AWriteThatFailsPartWayKeepsTheEditedFile)
{
    SeamRecorder seam;
    seam.AddResource("EXT_PLL_CTRL_VERILOG", std::string(400, 'v'));
    TempFolder folder;
    WriteFile(folder.Path() + "EXT_PLL_CTRL.v", "// edited by the user\r\n");
    TMainBoard board;
    SetDevice(board, MAINBOARD_ORMSGILL);
    TPinloom pinloom;
    bool exported;
    {
        FileSizeLimit limit(100);
        exported = pinloom.ExportIp(&board, folder.Path());
    }
    EXPECT_FALSE(exported);
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + folder.Path() + "EXT_PLL_CTRL.v\". File too large",
                                        "Failed to export verilog IP"}));
    EXPECT_EQ(ReadFile(folder.Path() + "EXT_PLL_CTRL.v"), "// edited by the user\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"EXT_PLL_CTRL.v"});
}

TEST(IpExport, FailureStopsTheRunAndWritesNoFile)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    BuildDemoBoard(board, MAINBOARD_ORMSGILL);
    TPinloom pinloom;
    EXPECT_FALSE(pinloom.Generate(&board, folder.Path() + "demo.qpf", false));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to export verilog IP"});
}

}  // namespace ip_export_test
