#include "generate/FileGenerator.h"

#include <cstdarg>
#include <cstdio>
#include <locale.h>

#include "model/FileReplace.h"
#include "model/Text.h"

namespace {

constexpr std::size_t kFragmentBuffer = 1024;

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

}  // namespace

FileGenerator::FileGenerator() = default;

FileGenerator::~FileGenerator() { m_Fragments.clear(); }

void FileGenerator::Printf(const char* format, ...)
{
    char buffer[kFragmentBuffer];
    locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    int needed = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    uselocale(previous);
    if (needed < 0) needed = 0;
    std::size_t length = static_cast<std::size_t>(needed);
    if (length > kFragmentBuffer - 1) length = kFragmentBuffer - 1;
    m_Fragments.emplace_back(buffer, length);
}

bool FileGenerator::SaveToFile(const std::string& path, std::string* cause) const
{
    const std::string folder = ExtractFilePath(path);
    std::string error;
    if (!folder.empty() && !CreateFolderForWriting(folder, true, error)) {
        if (cause) *cause = error;
        return false;
    }
    std::string text;
    for (const std::string& fragment : m_Fragments) text += fragment;
    const TFileWriteResult result = WriteFileReplacing(path, text);
    if (!result.Ok() && cause) *cause = result.error;
    return result.Ok();
}
