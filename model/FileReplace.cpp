#include "model/FileReplace.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Text.h"

namespace fs = std::filesystem;

namespace {

struct TWriteFailureForTesting {
    std::string fileName;
    std::size_t bytes = 0;
};
TWriteFailureForTesting g_WriteFailure;

// One write of all bytes; under the test seam the write of the named file
// stops part-way with ENOSPC.
ssize_t WriteBytes(int fd, const std::string& target, const void* data, std::size_t size)
{
    if (g_WriteFailure.fileName.empty() || ExtractFileName(target) != g_WriteFailure.fileName)
        return ::write(fd, data, size);
    if (g_WriteFailure.bytes > 0) ::write(fd, data, std::min(size, g_WriteFailure.bytes));
    errno = ENOSPC;
    return -1;
}

TFileWriteResult Failure(TFileWriteStep step, const char* verb, const std::string& path, int error)
{
    TFileWriteResult result;
    result.failedStep = step;
    if (error != 0) result.error = Format("Cannot %s file \"%s\". %s", verb, path.c_str(), std::strerror(error));
    return result;
}

}  // namespace

TFileWriteResult WriteFileReplacing(const std::string& path, const void* data, std::size_t size)
{
    // Replace the file a link names, not the link.
    std::string target = path;
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path real = fs::canonical(path, ec);
        if (!ec) target = real.string();
    }
    const std::string temporary = target + ".tmp";
    ::unlink(temporary.c_str());  // a leftover of an earlier failure
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return Failure(TFileWriteStep::Create, "create", temporary, errno);

    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 07777);

    TFileWriteResult result;
    if (size > 0) {
        const ssize_t written = WriteBytes(fd, target, data, size);
        if (written < 0)
            result = Failure(TFileWriteStep::Write, "write", temporary, errno);
        else if (static_cast<std::size_t>(written) != size)
            result = Failure(TFileWriteStep::Write, "write", temporary, 0);
    }
    if (result.Ok() && ::fsync(fd) != 0) result = Failure(TFileWriteStep::Write, "write", temporary, errno);
    if (::close(fd) != 0 && result.Ok()) result = Failure(TFileWriteStep::Write, "write", temporary, errno);
    if (result.Ok() && ::rename(temporary.c_str(), target.c_str()) != 0)
        result = Failure(TFileWriteStep::Replace, "create", target, errno);
    if (!result.Ok()) ::unlink(temporary.c_str());
    return result;
}

void SetWriteFailureForTesting(const std::string& fileName, std::size_t bytes)
{
    g_WriteFailure.fileName = fileName;
    g_WriteFailure.bytes = bytes;
}
