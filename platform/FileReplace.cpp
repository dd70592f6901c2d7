#include "platform/FileReplace.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TWriteFailureForTesting {
    std::string fileName;
    std::size_t bytes = 0;
};
TWriteFailureForTesting g_WriteFailure;
std::string g_ReplaceFailure;

// The batch that takes the writes now; null when each write replaces its
// target at once.
TFileWriteBatch* g_Batch = nullptr;

// A link may name a link; more than this many hops is a loop.
constexpr int kMaxLinkHops = 40;
// Attempts at a fresh temporary name before giving up.
constexpr int kMaxNameAttempts = 100;

std::string Cause(const char* verb, const std::string& path, const std::string& reason)
{
    return std::string("Cannot ") + verb + " file \"" + path + "\". " + reason;
}

std::string FolderCause(const std::string& folder, int error)
{
    return "Cannot create folder \"" + folder + "\". " + std::strerror(error);
}

TFileWriteResult Failure(TFileWriteStep step, const char* verb, const std::string& path, int error)
{
    TFileWriteResult result;
    result.failedStep = step;
    result.error = Cause(verb, path, std::strerror(error));
    result.path = path;
    return result;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that writing path in place would write: every link followed, also
// a link to a file that does not exist yet. False with errno set on a loop or
// an unreadable link.
bool ResolveLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info;
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) return false;
        link.resize(static_cast<size_t>(length));
        target = (!link.empty() && link[0] == '/') ? link : FolderOf(target) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

// Six letters and digits, different in every process (a forked child
// reseeds) and from call to call.
std::string RandomSuffix()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 generator;
    static pid_t seededFor = 0;
    if (seededFor != ::getpid()) {
        seededFor = ::getpid();
        std::random_device device;
        const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        generator.seed((static_cast<uint64_t>(device()) << 32) ^ device() ^ now ^
                       (static_cast<uint64_t>(seededFor) << 16));
    }
    std::string suffix(6, 'x');
    for (char& c : suffix) c = kLetters[generator() % (sizeof kLetters - 1)];
    return suffix;
}

// A new file of our own in folder, named after name; its descriptor, or -1
// with errno set.
int CreateOwnFile(const std::string& folder, const std::string& name, std::string& created)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        created = folder + "/." + name + "." + RandomSuffix();
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// A second name of our own for the existing file target, so that it can be
// put back should a batch fail part-way; empty when the file system has no
// second names.
std::string KeepAside(const std::string& target)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const std::string aside = FolderOf(target) + "/." + NameOf(target) + "." + RandomSuffix();
        if (::link(target.c_str(), aside.c_str()) == 0) return aside;
        if (errno != EEXIST) break;
    }
    return {};
}

// Writes every byte, looping on short writes; under the test seam the write
// of the named file stops after its byte budget with ENOSPC.
bool WriteAll(int fd, const std::string& target, const char* data, std::size_t size)
{
    const bool seam = !g_WriteFailure.fileName.empty() && NameOf(target) == g_WriteFailure.fileName;
    std::size_t done = 0;
    while (done < size) {
        std::size_t chunk = size - done;
        if (seam) {
            if (done >= g_WriteFailure.bytes) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, g_WriteFailure.bytes - done);
        }
        const ssize_t written = ::write(fd, data + done, chunk);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

int Rename(const std::string& from, const std::string& to)
{
    if (!g_ReplaceFailure.empty() && NameOf(to) == g_ReplaceFailure) {
        errno = EIO;
        return -1;
    }
    return ::rename(from.c_str(), to.c_str());
}

// Makes the renames in folder durable. A folder that cannot be flushed
// changes nothing about the result: the file is in place.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Whether target may be replaced: absent, or a regular file the user may
// write. The cause names path.
TFileWriteResult CheckTarget(const std::string& path, const std::string& target, struct stat& existing, bool& exists)
{
    exists = false;
    if (::stat(target.c_str(), &existing) != 0) {
        if (errno == ENOENT) return {};
        return Failure(TFileWriteStep::Create, "write", path, errno);
    }
    exists = true;
    if (!S_ISREG(existing.st_mode)) {
        TFileWriteResult result;
        result.failedStep = TFileWriteStep::Create;
        result.error = Cause("write", path, "Not a regular file");
        result.path = path;
        return result;
    }
    if (::access(target.c_str(), W_OK) != 0) return Failure(TFileWriteStep::Create, "write", path, errno);
    return {};
}

}  // namespace

TFileWriteResult WriteFileReplacing(const std::string& path, const void* data, std::size_t size)
{
    std::string target;
    if (!ResolveLinks(path, target)) return Failure(TFileWriteStep::Create, "write", path, errno);
    struct stat existing;
    bool exists = false;
    TFileWriteResult result = CheckTarget(path, target, existing, exists);
    if (!result.Ok()) return result;

    std::string temporary;
    const int fd = CreateOwnFile(FolderOf(target), NameOf(target), temporary);
    if (fd < 0) return Failure(TFileWriteStep::Create, "create", path, errno);
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
        if (::geteuid() == 0) (void)!::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (!WriteAll(fd, target, static_cast<const char*>(data), size) || ::fsync(fd) != 0)
        result = Failure(TFileWriteStep::Write, "write", path, errno);
    if (::close(fd) != 0 && result.Ok()) result = Failure(TFileWriteStep::Write, "write", path, errno);
    if (!result.Ok()) {
        ::unlink(temporary.c_str());
        return result;
    }

    if (g_Batch) {
        g_Batch->m_Pending.push_back({path, target, temporary});
        return result;
    }
    if (Rename(temporary, target) != 0) {
        result = Failure(TFileWriteStep::Replace, "create", path, errno);
        ::unlink(temporary.c_str());
        return result;
    }
    SyncFolder(FolderOf(target));
    return result;
}

bool CreateFolderForWriting(const std::string& folder, bool withParents, std::string& error)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path.empty()) return true;
    // The missing levels, the outermost first.
    std::vector<std::string> missing;
    for (std::string level = path;;) {
        struct stat info;
        if (::stat(level.c_str(), &info) == 0) break;
        missing.insert(missing.begin(), level);
        if (!withParents) break;
        const std::string parent = FolderOf(level);
        if (parent == level || parent == ".") break;
        level = parent;
    }
    for (const std::string& level : missing) {
        if (::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) {
            error = FolderCause(level, errno);
            return false;
        }
        if (g_Batch) g_Batch->m_CreatedFolders.push_back(level);
    }
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = FolderCause(path, ENOTDIR);
        return false;
    }
    return true;
}

TFileWriteBatch::TFileWriteBatch() : m_Outer(g_Batch) { g_Batch = this; }

TFileWriteBatch::~TFileWriteBatch()
{
    if (!m_Committed) Discard();
    g_Batch = m_Outer;
}

void TFileWriteBatch::Discard()
{
    for (const TPending& pending : m_Pending) ::unlink(pending.temporary.c_str());
    m_Pending.clear();
    // Only folders left empty go; the innermost first.
    for (auto level = m_CreatedFolders.rbegin(); level != m_CreatedFolders.rend(); ++level) ::rmdir(level->c_str());
    m_CreatedFolders.clear();
}

TFileWriteResult TFileWriteBatch::Commit()
{
    // A target written twice takes its last version.
    std::vector<TPending> pending;
    for (size_t i = 0; i < m_Pending.size(); ++i) {
        const bool rewritten = std::any_of(m_Pending.begin() + static_cast<long>(i) + 1, m_Pending.end(),
                                           [&](const TPending& later) { return later.target == m_Pending[i].target; });
        if (rewritten)
            ::unlink(m_Pending[i].temporary.c_str());
        else
            pending.push_back(m_Pending[i]);
    }
    m_Pending = pending;

    // Every target must still be one we may replace.
    for (const TPending& file : m_Pending) {
        struct stat existing;
        bool exists = false;
        const TFileWriteResult check = CheckTarget(file.path, file.target, existing, exists);
        if (!check.Ok()) {
            Discard();
            return check;
        }
    }

    // The earlier files under a second name, to put back should a rename fail.
    std::vector<std::string> aside(m_Pending.size());
    std::vector<bool> existed(m_Pending.size(), false);
    for (size_t i = 0; i < m_Pending.size(); ++i) {
        struct stat existing;
        existed[i] = ::lstat(m_Pending[i].target.c_str(), &existing) == 0;
        if (existed[i]) aside[i] = KeepAside(m_Pending[i].target);
    }
    auto dropAside = [&]() {
        for (const std::string& name : aside)
            if (!name.empty()) ::unlink(name.c_str());
    };

    for (size_t i = 0; i < m_Pending.size(); ++i) {
        if (Rename(m_Pending[i].temporary, m_Pending[i].target) == 0) continue;
        const TFileWriteResult result = Failure(TFileWriteStep::Replace, "create", m_Pending[i].path, errno);
        // Put back what was there: the earlier file, or no file. An earlier
        // file we could not keep aside stays replaced.
        for (size_t j = 0; j < i; ++j) {
            if (!existed[j])
                ::unlink(m_Pending[j].target.c_str());
            else if (!aside[j].empty() && ::rename(aside[j].c_str(), m_Pending[j].target.c_str()) == 0)
                aside[j].clear();
        }
        dropAside();
        m_Pending.erase(m_Pending.begin(), m_Pending.begin() + static_cast<long>(i));
        Discard();
        return result;
    }
    dropAside();

    std::set<std::string> folders;
    for (const TPending& file : m_Pending) folders.insert(FolderOf(file.target));
    for (const std::string& folder : folders) SyncFolder(folder);
    m_Pending.clear();
    m_CreatedFolders.clear();
    m_Committed = true;
    return {};
}

void SetWriteFailureForTesting(const std::string& fileName, std::size_t bytes)
{
    g_WriteFailure.fileName = fileName;
    g_WriteFailure.bytes = bytes;
}

void SetReplaceFailureForTesting(const std::string& fileName) { g_ReplaceFailure = fileName; }
