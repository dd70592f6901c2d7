// Small text helpers shared by the plain C++ layers.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "platform/Text.h"  // case and path helpers

// printf-style formatting that always uses the C locale (a full stop as the
// decimal point), whatever locale the process runs under.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Raised when a text that must be a decimal integer is not one. The message
// is the one the user sees in the error box.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& text);
};

// Strict decimal conversion: an optional sign followed by digits, nothing
// else; throws EConvertError otherwise (also on overflow of 32 bits).
int StrToInt(const std::string& text);

// Fixed-width, zero-terminated text fields of the settings records.
// ReadFixedText stops at the first zero or at the field's width, whichever
// comes first, so a field without a zero is read as cut at its width.
std::string ReadFixedText(const char* field, std::size_t width);
// Writes at most width - 1 bytes and a terminating zero, cut before a UTF-8
// sequence that would not fit whole; bytes after the zero are left as they were.
void WriteFixedText(char* field, std::size_t width, const std::string& text);
