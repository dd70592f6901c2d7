// Generic text helpers of the platform layer, open to every layer above it.
// Plain C++: no Qt type in here.
#pragma once

#include <string>

// ASCII case-insensitive equality.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);
// ASCII letters only; every other byte stays.
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);

// Path helpers ("/" separated).
std::string ExtractFilePath(const std::string& path);  // folder with its trailing "/"
std::string ExtractFileName(const std::string& path);  // name and extension
std::string ChangeFileExt(const std::string& path, const std::string& ext);
