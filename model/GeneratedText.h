// Pieces of text that several generated files share.
#pragma once

#include <string>

inline const char* const kCrLf = "\r\n";
// "#" and 60 "=": the banner lines of the .qsf.
inline const std::string kQsfSeparator = "#" + std::string(60, '=');
// "//" and 55 "=": the banner lines of the Verilog top level.
inline const std::string kVerilogSeparator = "//" + std::string(55, '=');
