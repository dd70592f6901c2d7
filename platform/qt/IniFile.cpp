#include "platform/IniFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/FileReplace.h"
#include "platform/Text.h"

namespace {

std::string Trim(const std::string& text)
{
    const char* spaces = " \t";
    const std::size_t first = text.find_first_not_of(spaces);
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(spaces);
    return text.substr(first, last - first + 1);
}

// Opens the file without waiting (a FIFO or a device never blocks the
// program) and keeps it only when it is a regular file.
int OpenRegularFile(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines)
{
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return false;
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    if (got < 0) return false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

// "[name]" gives true and the trimmed name.
bool IsSectionLine(const std::string& line, std::string& name)
{
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') return false;
    const std::size_t close = trimmed.find(']');
    if (close == std::string::npos) return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

// "key=value" gives true with the trimmed key and value.
bool IsKeyLine(const std::string& line, std::string& key, std::string& value)
{
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return false;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string::npos) return false;
    key = Trim(trimmed.substr(0, equals));
    value = Trim(trimmed.substr(equals + 1));
    return true;
}

bool ParseInteger(const std::string& text, int& value)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    for (std::size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9') return false;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    std::vector<std::string> lines;
    if (!ReadLines(m_Path, lines)) return def;
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string name, k, v;
        if (IsSectionLine(line, name)) {
            inSection = SameTextIgnoringCase(name, section);
        } else if (inSection && IsKeyLine(line, k, v) && SameTextIgnoringCase(k, key)) {
            return v;
        }
    }
    return def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const
{
    int value = def;
    if (!ParseInteger(ReadString(section, key, std::string()), value)) return def;
    return value;
}

bool TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::vector<std::string> lines;
    ReadLines(m_Path, lines);  // a missing file is an empty one
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool written = false;
    std::ptrdiff_t sectionEnd = -1;  // index after the section's last non-blank line
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string name, k, v;
        if (IsSectionLine(lines[i], name)) {
            if (inSection) break;
            inSection = SameTextIgnoringCase(name, section);
            if (inSection) sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
        } else if (inSection) {
            if (IsKeyLine(lines[i], k, v) && SameTextIgnoringCase(k, key)) {
                lines[i] = entry;
                written = true;
            } else if (!Trim(lines[i]).empty()) {
                sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
            }
        }
    }
    if (!written) {
        if (sectionEnd >= 0) {
            lines.insert(lines.begin() + sectionEnd, entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    // Replaced whole (platform/FileReplace.h): only a regular file the user
    // may write, or none; the file a link names; never cut short.
    return WriteFileReplacing(m_Path, text).Ok();
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}
