// The profile (.INI) file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "platform/IniFile.h"
#include "tests/support/TestFiles.h"

namespace ini_file_test {

namespace {

TEST(IniFileTest, MissingFileReadsTheDefaultAndWritingCreatesIt)
{
    TempFolder folder;
    TIniFile ini(folder.Path() + "pinloom.INI");
    EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 0), 0);
    EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 7), 7);
    EXPECT_TRUE(ini.WriteInteger("Pinloom", "MainBoard", 21));
    EXPECT_EQ(ReadFile(folder.Path() + "pinloom.INI"), "[Pinloom]\r\nMainBoard=21\r\n");
    EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 0), 21);
}

TEST(IniFileTest, ValuesThatAreNotIntegersReadAsTheDefault)
{
    TempFolder folder;
    const std::string path = folder.Path() + "x.INI";
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {"21", 21}, {"  -5 ", -5}, {"+12", 12}, {"abc", 0}, {"21x", 0}, {"", 0}, {"99999999999", 0}, {"0x15", 0},
    };
    for (const auto& c : cases) {
        WriteFile(path, std::string("[Pinloom]\r\nMainBoard=") + c.value + "\r\n");
        EXPECT_EQ(TIniFile(path).ReadInteger("Pinloom", "MainBoard", 0), c.expected) << c.value;
    }
}

TEST(IniFileTest, NamesMatchWithoutRegardToCaseAndOtherLinesAreKept)
{
    TempFolder folder;
    const std::string path = folder.Path() + "x.INI";
    WriteFile(path, "; settings\n[Other]\nMainBoard=3\n\n[PINLOOM]\n  mainboard = 5\nColour=red\n\n[Last]\nA=1\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 0), 5);
    EXPECT_EQ(ini.ReadInteger("Other", "MainBoard", 0), 3);
    EXPECT_EQ(ini.ReadString("pinloom", "COLOUR", ""), "red");

    EXPECT_TRUE(ini.WriteInteger("Pinloom", "MainBoard", 21));
    EXPECT_EQ(ReadFile(path),
              "; settings\r\n[Other]\r\nMainBoard=3\r\n\r\n[PINLOOM]\r\nMainBoard=21\r\nColour=red\r\n\r\n[Last]\r\nA=1\r\n");

    // A new key goes after the section's last line, before the blank line.
    EXPECT_TRUE(ini.WriteInteger("Other", "Count", -2));
    EXPECT_EQ(ReadFile(path), "; settings\r\n[Other]\r\nMainBoard=3\r\nCount=-2\r\n\r\n[PINLOOM]\r\nMainBoard=21\r\n"
                              "Colour=red\r\n\r\n[Last]\r\nA=1\r\n");
    EXPECT_EQ(ini.ReadInteger("Other", "Count", 0), -2);
}

TEST(IniFileTest, AFileThatCannotBeWrittenReportsFalse)
{
    TempFolder folder;
    TIniFile ini(folder.Path() + "no/such/folder/x.INI");
    EXPECT_FALSE(ini.WriteInteger("Pinloom", "MainBoard", 21));
    EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 4), 4);
}

}  // namespace

TEST(IniFileTest, OnlyARegularFileIsReadOrWritten)
{
    TempFolder folder;
    const std::string fifo = folder.Path() + "fifo.INI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string directory = folder.Path() + "folder.INI";
    std::filesystem::create_directory(directory);
    HangGuard guard("Reading or writing a FIFO as the .INI file");
    const std::string link = folder.Path() + "link.INI";
    std::filesystem::create_symlink(fifo, link);
    for (const std::string& path : {fifo, directory, link}) {
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadInteger("Pinloom", "MainBoard", 7), 7) << path;
        EXPECT_FALSE(ini.WriteInteger("Pinloom", "MainBoard", 21)) << path;
    }
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_empty(directory));

    // A link to a regular file: the file is replaced, the link stays, and no
    // temporary file is left beside it.
    const std::string real = folder.Path() + "real.INI";
    WriteFile(real, "[Pinloom]\r\nMainBoard=3\r\n");
    std::filesystem::remove(link);
    std::filesystem::create_symlink(real, link);
    EXPECT_TRUE(TIniFile(link).WriteInteger("Pinloom", "MainBoard", 21));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "[Pinloom]\r\nMainBoard=21\r\n");
    EXPECT_EQ(FilesIn(folder.Path()),
              (std::vector<std::string>{"fifo.INI", "folder.INI", "link.INI", "real.INI"}));
}

}  // namespace ini_file_test
