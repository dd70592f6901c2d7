#include "model/Text.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

}  // namespace

std::string Format(const char* format, ...)
{
    locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string result;
    if (needed < 0) {
        result.clear();
    } else if (static_cast<size_t>(needed) < sizeof small) {
        result.assign(small, static_cast<size_t>(needed));
    } else {
        std::vector<char> big(static_cast<size_t>(needed) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        result.assign(big.data(), static_cast<size_t>(needed));
    }
    va_end(copy);
    uselocale(previous);
    return result;
}

EConvertError::EConvertError(const std::string& text)
    : std::runtime_error(Format("'%s' is not a valid integer value", text.c_str()))
{
}

int StrToInt(const std::string& text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) throw EConvertError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < '0' || c > '9') throw EConvertError(text);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) throw EConvertError(text);
    }
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) throw EConvertError(text);
    return static_cast<int>(value);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

std::string ReadFixedText(const char* field, std::size_t width)
{
    const void* zero = std::memchr(field, 0, width);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - field) : width;
    return std::string(field, length);
}

void WriteFixedText(char* field, std::size_t width, const std::string& text)
{
    if (width == 0) return;
    size_t length = text.size() < width - 1 ? text.size() : width - 1;
    // Never end inside a UTF-8 sequence (the forms' texts are UTF-8).
    if (length < text.size())
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    std::memcpy(field, text.data(), length);
    field[length] = 0;
}

std::string ExtractFilePath(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ext;
    return path.substr(0, dot) + ext;
}
