#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "model/ConfigBase.h"
#include "model/Configboard.h"
#include "model/FileReplace.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace settings_test {

namespace {

// A record of the same shape as the boards' records: head, flags, names.
struct TEST_CONFIG {
    uint8_t BoardId;
    uint8_t reserved[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t flags[276];
};
static_assert(sizeof(TEST_CONFIG) == 412);

std::vector<int> Ids(int32_t count, const uint8_t* ids) { return std::vector<int>(ids, ids + count); }

class TestConfigBoard : public TConfigBoard {
public:
    TEST_CONFIG record{};
    bool LoadFromFile(const std::string& path) override { return LoadRecordFile(&record, sizeof record, path); }
    bool SaveToFile(const std::string& path) override { return SaveRecordFile(&record, sizeof record, path); }
    std::string GetQsfText() override { return {}; }
    std::string GetVerilogText() override { return {}; }
    std::string GetVhdlText(const std::string&) override { return {}; }
    bool ExportIpFiles(const std::string&) override { return true; }
};

}  // namespace

class Settings : public ::testing::Test {
protected:
    SeamRecorder recorder;
    TempFolder folder;
    void SetUp() override { recorder.executableFolder = folder.Path(); }
};

TEST_F(Settings, FilesAreAcceptedByTheirSizeAlone)
{
    TConfigBase<TEST_CONFIG> holder;
    holder.m_Config.BoardId = 21;
    holder.m_Config.Size = 412;
    WriteFixedText(holder.m_Config.szProjectName, 128, "HOLLARNE");
    const TEST_CONFIG before = holder.m_Config;

    WriteFile(folder.Path() + "short.cfg", std::string(411, 'x'));
    WriteFile(folder.Path() + "long.cfg", std::string(413, 'x'));
    EXPECT_FALSE(holder.LoadFromFile(holder.m_Config, folder.Path() + "short.cfg"));
    EXPECT_FALSE(holder.LoadFromFile(holder.m_Config, folder.Path() + "long.cfg"));
    EXPECT_FALSE(holder.LoadFromFile(holder.m_Config, folder.Path() + "missing.cfg"));
    EXPECT_FALSE(holder.LoadFromFile(holder.m_Config, folder.Path()));  // a folder
    EXPECT_EQ(std::memcmp(&before, &holder.m_Config, sizeof before), 0);

    // Another board's record of the same size is taken unchanged.
    std::string other(412, '\0');
    other[0] = 38;
    other[8] = 'J';
    WriteFile(folder.Path() + "other.cfg", other);
    EXPECT_TRUE(holder.LoadFromFile(holder.m_Config, folder.Path() + "other.cfg"));
    EXPECT_EQ(holder.m_Config.BoardId, 38);
    EXPECT_EQ(ReadFixedText(holder.m_Config.szProjectName, 128), "J");
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(Settings, SaveThenLoadIsByteEqual)
{
    TConfigBase<TEST_CONFIG> holder;
    for (size_t i = 0; i < sizeof(TEST_CONFIG); ++i) reinterpret_cast<uint8_t*>(&holder.m_Config)[i] = uint8_t(i * 7);
    const std::string path = folder.Path() + "a.cfg";
    ASSERT_TRUE(holder.SaveToFile(holder.m_Config, path));
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 412u);
    EXPECT_EQ(std::memcmp(bytes.data(), &holder.m_Config, 412), 0);
    TConfigBase<TEST_CONFIG> other;
    ASSERT_TRUE(other.LoadFromFile(other.m_Config, path));
    EXPECT_EQ(std::memcmp(&other.m_Config, &holder.m_Config, 412), 0);
    EXPECT_FALSE(FileExists(path + ".tmp"));
}

TEST_F(Settings, FailedSaveShowsItsMessageAndKeepsTheOldFile)
{
    TConfigBase<TEST_CONFIG> holder;
    // Each failure shows its cause, naming the file, then the fixed text.
    EXPECT_FALSE(holder.SaveToFile(holder.m_Config, folder.Path() + "missing/a.cfg"));
    EXPECT_EQ(recorder.ErrorTexts(),
              (std::vector<std::string>{
                  "Cannot create file \"" + folder.Path() + "missing/a.cfg\". No such file or directory",
                  "Failed to create file."}));

    // A folder where the file would go.
    recorder.boxes.clear();
    const std::string directory = folder.Path() + "folder.cfg";
    std::filesystem::create_directory(directory);
    EXPECT_FALSE(holder.SaveToFile(holder.m_Config, directory));
    EXPECT_EQ(recorder.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + directory + "\". Not a regular file",
                                        "Failed to create file."}));

    // The disk fills up part-way through the record.
    recorder.boxes.clear();
    const std::string path = folder.Path() + "keep.cfg";
    WriteFile(path, "old contents");
    SetWriteFailureForTesting("keep.cfg", 100);
    EXPECT_FALSE(holder.SaveToFile(holder.m_Config, path));
    SetWriteFailureForTesting("", 0);
    EXPECT_EQ(ReadFile(path), "old contents");
    EXPECT_EQ(recorder.ErrorTexts(),
              (std::vector<std::string>{"Cannot write file \"" + path + "\". No space left on device",
                                        "Failed to write file."}));
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"folder.cfg", "keep.cfg"}));
}

TEST_F(Settings, FixedTextFields)
{
    char field[8];
    std::memset(field, 'x', sizeof field);
    EXPECT_EQ(ReadFixedText(field, sizeof field), "xxxxxxxx");  // no zero inside: cut at the width
    WriteFixedText(field, sizeof field, "ABC");
    EXPECT_EQ(ReadFixedText(field, sizeof field), "ABC");
    EXPECT_EQ(field[4], 'x');  // bytes behind the zero are kept
    WriteFixedText(field, sizeof field, "0123456789");
    EXPECT_EQ(ReadFixedText(field, sizeof field), "0123456");
    WriteFixedText(field, sizeof field, "012345\xc3\xa9");  // the two-byte character does not fit
    EXPECT_EQ(ReadFixedText(field, sizeof field), "012345");
    WriteFixedText(field, sizeof field, "01234\xc3\xa9Z");
    EXPECT_EQ(ReadFixedText(field, sizeof field), "01234\xc3\xa9");
}

TEST_F(Settings, ConfigBaseCardLists)
{
    struct Case {
        ConnectorType type;
        bool xcvr;
        VoltageClass voltage;
        std::vector<int> ids;
    } cases[] = {
        {CONNECTOR_GPIO80, false, 5, {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76}},
        {CONNECTOR_GPIO80, false, 3, {0, 85}},
        {CONNECTOR_GPIO40, false, 1, {0, 1, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87}},
        {CONNECTOR_HSMC, false, 3, {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61}},
        {CONNECTOR_HSMC, true, 3, {0, 2, 3, 6, 7, 8, 10, 14, 17, 18, 19, 21, 22, 23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61}},
        {CONNECTOR_HSMC, false, 5, {0, 17, 57, 58, 59}},
        {CONNECTOR_HSMC, false, 2, {0, 17}},
        {CONNECTOR_HSMC, false, 1, {0, 17}},
        {CONNECTOR_TAVREL, false, 0, {0, 5, 6, 7, 8, 15, 20}},
        {CONNECTOR_FMC_HPC, true, 0, {0, 40, 41, 47, 48, 49, 52, 54, 78, 88}},
        {CONNECTOR_FMC_PLUS, true, 0, {0, 40, 41, 42, 47, 48, 49, 52, 54, 78, 88}},
        {CONNECTOR_YARVEL_2x6, false, 0, {0, 74, 75}},
    };
    for (const Case& c : cases) {
        TConfigBase<TEST_CONFIG> holder;
        holder.BuildCardList(c.type, c.xcvr, c.voltage);
        EXPECT_EQ(Ids(holder.m_CardCount, holder.m_CardIds), c.ids) << int(c.type) << " " << int(c.voltage);
    }
}

TEST_F(Settings, ConfigBoardCardLists)
{
    struct Case {
        ConnectorType type;
        bool xcvr;
        VoltageClass voltage;
        std::vector<int> ids;
    } cases[] = {
        {CONNECTOR_GPIO80, false, 0, {0, 1, 11, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87}},
        {CONNECTOR_FMC_HPC, true, 2, {0, 40, 41, 47, 48, 49, 52, 54, 78, 88}},
        {CONNECTOR_FMC_HPC, true, 3, {0, 40, 41, 47, 48, 49, 52, 78, 88}},
        {CONNECTOR_FMC_HPC, true, 1, {0, 40, 41, 47, 48, 49, 52, 88}},
        {CONNECTOR_FMC_HPC, true, 0, {0, 40, 41, 47, 48, 88}},
        {CONNECTOR_FMC_PLUS, true, 2, {0, 40, 41, 42, 47, 48, 49, 52, 54, 78, 88}},
        {CONNECTOR_DDR4_IF, false, 0, {0, 79}},
        {CONNECTOR_DDR4_IF_ECC, false, 0, {0, 79, 80}},
        {CONNECTOR_DDR4_IF_ECC_A10, false, 0, {0, 79, 80, 81}},
        {CONNECTOR_DDR4_IF_ECC_S10, false, 0, {0, 79, 80, 83, 84}},
        {CONNECTOR_FMC_HPC, false, 2, {0, 49, 52, 54, 78, 88}},
        {CONNECTOR_TAVREL, true, 0, {0, 5, 6, 7, 8, 15, 20, 21, 22, 23}},
    };
    for (const Case& c : cases) {
        TestConfigBoard config;
        config.BuildCardList(c.type, c.xcvr, c.voltage);
        EXPECT_EQ(Ids(config.m_CardCount, config.m_CardIds), c.ids) << int(c.type) << " " << int(c.voltage);
    }
}

TEST_F(Settings, AskProjectFileCreatesTheFolderFirst)
{
    std::string path = TConfigBase<TEST_CONFIG>::AskProjectFile("Generate", "B", "P");
    EXPECT_EQ(path, "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() + "CodeGenerated/B/P/"));
    ASSERT_EQ(recorder.dialogs.size(), 1u);
    const auto& request = recorder.dialogs[0].request;
    EXPECT_TRUE(recorder.dialogs[0].save);
    EXPECT_EQ(request.initialFolder, folder.Path() + "CodeGenerated/B/P/");
    EXPECT_EQ(request.fileName, "P.qpf");
    EXPECT_EQ(request.defaultExt, "qpf");
    EXPECT_EQ(request.filter, "Quartus Project File (*.qpf)|*.QPF");

    recorder.AnswerNextDialog(folder.Path() + "CodeGenerated/B/P/P.qpf");
    EXPECT_EQ(TConfigBoard::AskProjectFile("Generate", "B", "P"), folder.Path() + "CodeGenerated/B/P/P.qpf");
}

TEST_F(Settings, ConfigBoardDefaultAndDialogs)
{
    TestConfigBoard config;
    config.m_Folder = folder.Path();
    EXPECT_FALSE(config.LoadDefault());
    config.record.BoardId = 35;
    config.record.Size = 412;
    EXPECT_TRUE(config.SaveDefault());
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg").size(), 412u);

    TestConfigBoard loaded;
    EXPECT_TRUE(loaded.LoadDefault());
    EXPECT_EQ(loaded.record.BoardId, 35);

    // A refused file still moves the next dialog's starting folder.
    std::filesystem::create_directory(folder.Path() + "sub");
    WriteFile(folder.Path() + "sub/wrong.cfg", "too short");
    recorder.AnswerNextDialog(folder.Path() + "sub/wrong.cfg");
    EXPECT_FALSE(config.LoadWithDialog());
    EXPECT_EQ(config.m_Folder, folder.Path() + "sub/");
    EXPECT_EQ(recorder.dialogs.back().request.filter, "Board Configuration Files (*.cfg)|*.CFG");
    EXPECT_FALSE(recorder.dialogs.back().save);

    // Cancel changes nothing.
    EXPECT_FALSE(config.SaveWithDialog());
    EXPECT_EQ(config.m_Folder, folder.Path() + "sub/");
    EXPECT_EQ(recorder.dialogs.back().request.initialFolder, folder.Path() + "sub/");

    recorder.AnswerNextDialog(folder.Path() + "saved.cfg");
    EXPECT_TRUE(config.SaveWithDialog());
    EXPECT_EQ(config.m_Folder, folder.Path());
    EXPECT_EQ(ReadFile(folder.Path() + "saved.cfg").size(), 412u);
}

TEST_F(Settings, ExportResource)
{
    TestConfigBoard config;
    recorder.AddResource("EXT_PLL_CTRL_VERILOG", "module ext_pll_ctrl;\r\nendmodule\r\n");
    EXPECT_TRUE(config.ExportResource(folder.Path() + "ip/EXT_PLL_CTRL.v", "ext_pll_ctrl_verilog"));
    EXPECT_EQ(ReadFile(folder.Path() + "ip/EXT_PLL_CTRL.v"), "module ext_pll_ctrl;\r\nendmodule\r\n");
    WriteFile(folder.Path() + "old.v", "old");
    EXPECT_FALSE(config.ExportResource(folder.Path() + "old.v", "MISSING_VERILOG"));
    EXPECT_EQ(ReadFile(folder.Path() + "old.v"), "old");
    EXPECT_TRUE(recorder.boxes.empty());
    // Only the last folder is created; a missing parent is a failure with
    // its cause.
    EXPECT_FALSE(config.ExportResource(folder.Path() + "a/b/EXT_PLL_CTRL.v", "EXT_PLL_CTRL_VERILOG"));
    EXPECT_EQ(recorder.ErrorTexts(), std::vector<std::string>{"Cannot create folder \"" + folder.Path() +
                                                              "a/b\". No such file or directory"});
}

}  // namespace settings_test
