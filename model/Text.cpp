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
