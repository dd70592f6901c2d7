// Replacing a file through a temporary file of our own: what is left on disk
// after a success and after each kind of failure, with other processes,
// links, special files and write protection about.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "model/FileReplace.h"
#include "tests/support/TestFiles.h"

namespace file_replace_test {

namespace fs = std::filesystem;

namespace {

ino_t InodeOf(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Runs body in a forked child and returns what it reported: an empty text
// when all went as expected, else what went wrong.
std::string InChild(const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const std::string report = body();
        (void)!::write(channel[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) report += " (the child did not end normally)";
    return report;
}

}  // namespace

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

    // A link keeps pointing at the file, which gets the new text; so does a
    // link to a link, and a link to a file not yet there creates that file.
    fs::create_symlink(path, folder.Path() + "link.qsf");
    fs::create_symlink("link.qsf", folder.Path() + "link2.qsf");
    ASSERT_TRUE(WriteFileReplacing(folder.Path() + "link2.qsf", std::string("through the links")).Ok());
    EXPECT_TRUE(fs::is_symlink(folder.Path() + "link.qsf"));
    EXPECT_TRUE(fs::is_symlink(folder.Path() + "link2.qsf"));
    EXPECT_EQ(ReadFile(path), "through the links");
    fs::create_symlink("later.sdc", folder.Path() + "dangling.sdc");
    ASSERT_TRUE(WriteFileReplacing(folder.Path() + "dangling.sdc", std::string("made")).Ok());
    EXPECT_TRUE(fs::is_symlink(folder.Path() + "dangling.sdc"));
    EXPECT_EQ(ReadFile(folder.Path() + "later.sdc"), "made");

    ASSERT_TRUE(WriteFileReplacing(folder.Path() + "empty.htm", std::string()).Ok());
    EXPECT_EQ(ReadFile(folder.Path() + "empty.htm"), "");
    // No temporary file is left behind.
    EXPECT_EQ(FilesIn(folder.Path()),
              (std::vector<std::string>{"dangling.sdc", "demo.qsf", "empty.htm", "later.sdc", "link.qsf",
                                        "link2.qsf"}));
}

TEST(FileReplace, EveryFailureLeavesTheEarlierFileByteEqualAndNamesItsCause)
{
    TempFolder folder;
    const std::string earlier = "edited by the user\r\n";
    const std::string path = folder.Path() + "demo.v";
    WriteFile(path, earlier);
    const ino_t inode = InodeOf(path);

    // The write stops part-way, as on a full disk.
    SetWriteFailureForTesting("demo.v", 5);
    TFileWriteResult result = WriteFileReplacing(path, std::string(100, 'x'));
    SetWriteFailureForTesting("", 0);
    EXPECT_EQ(result.failedStep, TFileWriteStep::Write);
    EXPECT_EQ(result.error, "Cannot write file \"" + path + "\". No space left on device");
    EXPECT_EQ(ReadFile(path), earlier);
    EXPECT_EQ(InodeOf(path), inode);
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"demo.v"});

    // A file of the user's named like a temporary file stays as it is.
    WriteFile(path + ".tmp", "the user's own");
    ASSERT_TRUE(WriteFileReplacing(path, std::string("new")).Ok());
    EXPECT_EQ(ReadFile(path + ".tmp"), "the user's own");
    EXPECT_EQ(ReadFile(path), "new");

    // A folder stands where the file would go.
    const std::string directory = folder.Path() + "demo.sdc";
    fs::create_directory(directory);
    result = WriteFileReplacing(directory, std::string("new"));
    EXPECT_EQ(result.failedStep, TFileWriteStep::Create);
    EXPECT_EQ(result.error, "Cannot write file \"" + directory + "\". Not a regular file");
    EXPECT_TRUE(fs::is_empty(directory));

    // No folder is created.
    result = WriteFileReplacing(folder.Path() + "missing/demo.v", std::string("new"));
    EXPECT_EQ(result.failedStep, TFileWriteStep::Create);
    EXPECT_EQ(result.error, "Cannot create file \"" + folder.Path() + "missing/demo.v\". No such file or directory");
    EXPECT_FALSE(fs::exists(folder.Path() + "missing"));
    EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"demo.sdc", "demo.v", "demo.v.tmp"}));
}

// A FIFO, a socket or a device, named directly or through a link, is never
// replaced by a regular file: the write is refused, naming the path given.
TEST(FileReplace, SpecialFilesAndLinksToThemAreNotReplaced)
{
    TempFolder folder;
    const std::string fifo = folder.Path() + "fifo.cfg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    const std::string socket = folder.Path() + "socket.cfg";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::vector<std::string> specials = {fifo, socket};
    // Only root may make a device node: the null device's numbers, in our
    // own folder.
    const std::string device = folder.Path() + "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) specials.push_back(device);

    HangGuard guard("replacing special files");
    for (const std::string& special : specials) {
        struct stat before;
        ASSERT_EQ(::lstat(special.c_str(), &before), 0);
        const std::string link = special + ".link";
        fs::create_symlink(special, link);
        for (const std::string& path : {special, link}) {
            SCOPED_TRACE(path);
            const TFileWriteResult result = WriteFileReplacing(path, std::string(412, 'x'));
            EXPECT_EQ(result.failedStep, TFileWriteStep::Create);
            EXPECT_EQ(result.error, "Cannot write file \"" + path + "\". Not a regular file");
            struct stat after;
            ASSERT_EQ(::lstat(special.c_str(), &after), 0);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_TRUE(fs::is_symlink(link));
        }
    }
    ::close(fd);
    EXPECT_EQ(FilesIn(folder.Path()).size(), 2 * specials.size());  // nothing else was made
}

// A file the user made read-only is not replaced, though the folder would
// let a rename through. The tests run as root, whom permission bits do not
// stop: the write is made by an unprivileged user (nobody) in a forked child,
// in a folder that user owns.
TEST(FileReplace, AWriteProtectedFileIsNotReplaced)
{
    TempFolder outer;
    const std::string folder = outer.Path() + "own/";
    fs::create_directory(folder);
    const std::string path = folder + "default.cfg";
    WriteFile(path, "kept");
    ::chmod(path.c_str(), 0444);
    const uid_t nobody = 65534;
    if (::geteuid() == 0) {
        ::chmod(outer.Path().c_str(), 0755);
        ASSERT_EQ(::chown(folder.c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chown(path.c_str(), nobody, nobody), 0);
    }
    const std::string report = InChild([&]() -> std::string {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            return "cannot become nobody";
        const TFileWriteResult result = WriteFileReplacing(path, std::string("new"));
        if (result.failedStep != TFileWriteStep::Create) return "not refused: " + result.error;
        if (result.error != "Cannot write file \"" + path + "\". Permission denied") return result.error;
        // The user may still write a file of its own beside it.
        if (!WriteFileReplacing(folder + "other.cfg", std::string("own")).Ok()) return "cannot write beside it";
        return {};
    });
    EXPECT_EQ(report, "");
    EXPECT_EQ(ReadFile(path), "kept");
    EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"default.cfg", "other.cfg"}));
}

// Two processes replace one file at once, again and again (two windows of
// the program saving default.cfg together): every save succeeds, and the
// file, read after every save, is always one complete version.
TEST(FileReplace, TwoProcessesReplacingOneFileNeverTearIt)
{
    TempFolder folder;
    const std::string path = folder.Path() + "default.cfg";
    constexpr int kSaves = 300;
    constexpr size_t kSize = 8192;
    // Version n of writer w: a head naming both, then a body made of them.
    auto version = [](char writer, int n) {
        std::string bytes = writer + std::to_string(1000000 + n).substr(1);
        for (size_t i = bytes.size(); i < kSize; ++i) bytes += static_cast<char>('a' + (n + writer + i) % 26);
        return bytes;
    };
    WriteFile(path, version('A', 0));
    auto writer = [&](char self) {
        return [&, self]() -> std::string {
            for (int n = 1; n <= kSaves; ++n) {
                const TFileWriteResult result = WriteFileReplacing(path, version(self, n));
                if (!result.Ok()) return "save failed: " + result.error;
                const std::string seen = ReadFile(path);
                if (seen.size() != kSize) return "torn file of " + std::to_string(seen.size()) + " bytes";
                const char who = seen[0];
                const int which = std::stoi(seen.substr(1, 6));
                if ((who != 'A' && who != 'B') || seen != version(who, which)) return "mixed file";
            }
            return {};
        };
    };
    std::string reportA, reportB;
    std::thread a([&]() { reportA = InChild(writer('A')); });
    std::thread b([&]() { reportB = InChild(writer('B')); });
    a.join();
    b.join();
    EXPECT_EQ(reportA, "");
    EXPECT_EQ(reportB, "");
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"default.cfg"});
}

// Several files replaced all together: a failure at any point leaves every
// earlier file in place (the same file, not a copy) and no file of ours.
TEST(FileReplace, ABatchReplacesAllItsFilesOrNone)
{
    TempFolder folder;
    const std::vector<std::string> names = {"demo.qpf", "demo.qsf", "demo.v"};
    std::vector<ino_t> inodes;
    for (const std::string& name : names) {
        WriteFile(folder.Path() + name, "earlier " + name);
        inodes.push_back(InodeOf(folder.Path() + name));
    }
    auto unchanged = [&](bool nothingElse = true) {
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(ReadFile(folder.Path() + names[i]), "earlier " + names[i]) << names[i];
            EXPECT_EQ(InodeOf(folder.Path() + names[i]), inodes[i]) << names[i];
        }
        if (nothingElse) {
            EXPECT_EQ(FilesIn(folder.Path()), names);
        }
    };

    {  // no Commit: the files written so far, and a new folder, go again
        TFileWriteBatch batch;
        std::string error;
        ASSERT_TRUE(CreateFolderForWriting(folder.Path() + "ip/sub/", true, error));
        ASSERT_TRUE(WriteFileReplacing(folder.Path() + "ip/sub/a.v", std::string("ip")).Ok());
        for (const std::string& name : names) ASSERT_TRUE(WriteFileReplacing(folder.Path() + name, "new").Ok());
        unchanged(false);  // nothing replaced before the Commit
    }
    unchanged();

    // The last rename fails: the files already replaced get theirs back.
    for (const std::string& failing : names) {
        SCOPED_TRACE(failing);
        TFileWriteBatch batch;
        for (const std::string& name : names) ASSERT_TRUE(WriteFileReplacing(folder.Path() + name, "new").Ok());
        SetReplaceFailureForTesting(failing);
        const TFileWriteResult result = batch.Commit();
        SetReplaceFailureForTesting("");
        EXPECT_EQ(result.failedStep, TFileWriteStep::Replace);
        EXPECT_EQ(result.error, "Cannot create file \"" + folder.Path() + failing + "\". Input/output error");
        EXPECT_EQ(result.path, folder.Path() + failing);
        unchanged();
    }

    {  // a file written twice takes its last version
        TFileWriteBatch batch;
        for (const std::string& name : names) ASSERT_TRUE(WriteFileReplacing(folder.Path() + name, "new").Ok());
        ASSERT_TRUE(WriteFileReplacing(folder.Path() + "demo.v", std::string("newer")).Ok());
        ASSERT_TRUE(batch.Commit().Ok());
    }
    EXPECT_EQ(ReadFile(folder.Path() + "demo.qsf"), "new");
    EXPECT_EQ(ReadFile(folder.Path() + "demo.v"), "newer");
    EXPECT_EQ(FilesIn(folder.Path()), names);
}

}  // namespace file_replace_test
