// Replacing a file through a temporary file beside it: what is left on disk
// after a success and after each kind of failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "model/FileReplace.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

TEST(FileReplace, ReplacesTheFileKeepingItsPermissionsAndTheLinkToIt)
{
    TempFolder folder;
    const std::string path = folder.Path() + "demo.qsf";
    WriteFile(path, "earlier, longer text");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(path, std::string("new")).Ok());
    EXPECT_EQ(ReadFile(path), "new");
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A link keeps pointing at the file, which gets the new text.
    fs::create_symlink(path, folder.Path() + "link.qsf");
    ASSERT_TRUE(WriteFileReplacing(folder.Path() + "link.qsf", std::string("through the link")).Ok());
    EXPECT_TRUE(fs::is_symlink(folder.Path() + "link.qsf"));
    EXPECT_EQ(ReadFile(path), "through the link");

    ASSERT_TRUE(WriteFileReplacing(folder.Path() + "empty.htm", std::string()).Ok());
    EXPECT_EQ(ReadFile(folder.Path() + "empty.htm"), "");
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST(FileReplace, EveryFailureLeavesTheEarlierFileByteEqual)
{
    TempFolder folder;
    const std::string earlier = "edited by the user\r\n";
    const std::string path = folder.Path() + "demo.v";

    // The write stops part-way, as on a full disk.
    WriteFile(path, earlier);
    SetWriteFailureForTesting("demo.v", 5);
    TFileWriteResult result = WriteFileReplacing(path, std::string(100, 'x'));
    SetWriteFailureForTesting("", 0);
    EXPECT_EQ(result.failedStep, TFileWriteStep::Write);
    EXPECT_EQ(result.error, "Cannot write file \"" + path + ".tmp\". No space left on device");
    EXPECT_EQ(ReadFile(path), earlier);
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    // A directory stands where the temporary file would go.
    fs::create_directory(path + ".tmp");
    result = WriteFileReplacing(path, std::string("new"));
    EXPECT_EQ(result.failedStep, TFileWriteStep::Create);
    EXPECT_EQ(result.error, "Cannot create file \"" + path + ".tmp\". File exists");
    EXPECT_EQ(ReadFile(path), earlier);
    fs::remove(path + ".tmp");

    // A directory stands where the file would go.
    const std::string directory = folder.Path() + "demo.sdc";
    fs::create_directory(directory);
    result = WriteFileReplacing(directory, std::string("new"));
    EXPECT_EQ(result.failedStep, TFileWriteStep::Replace);
    EXPECT_EQ(result.error, "Cannot create file \"" + directory + "\". Is a directory");
    EXPECT_TRUE(fs::is_empty(directory));
    EXPECT_FALSE(fs::exists(directory + ".tmp"));

    // No folder is created.
    result = WriteFileReplacing(folder.Path() + "missing/demo.v", std::string("new"));
    EXPECT_EQ(result.failedStep, TFileWriteStep::Create);
    EXPECT_FALSE(fs::exists(folder.Path() + "missing"));
}
