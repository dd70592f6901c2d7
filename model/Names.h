// The names that end up in a generated project: the project name (module or
// entity, file names, folder), the signal-name prefixes of the daughter cards
// and the port names built from them. One set of rules for every board form
// and for the generation run, with the texts of the boxes that refuse a name.
// Letters, digits and keywords are compared as ASCII; keywords without regard
// to letter case.
#pragma once

#include <cstddef>
#include <string>

class TConnector;

// Box texts.
extern const char* const kProjectNameEmptyMessage;  // "Project Name cannot be empty."
extern const char* const kProjectNameRuleMessage;
extern const char* const kPrefixNameRuleMessage;
extern const char* const kPrefixTooLongFormat;  // %s: the connector's label, e.g. "GPIO-0"
extern const char* const kSignalNameFormat;     // %s: the signal name

// The longest signal name a generated project holds.
constexpr std::size_t kMaxSignalNameLength = 128;

// A project name: an ASCII letter, then ASCII letters, digits and "_", with no
// "__" and no trailing "_"; no Verilog (1364-2005, 1800-2017) or VHDL-2008
// keyword and no module name of the Verilog IP that projects receive.
bool IsLegalProjectName(const std::string& name);
// False with the box text ("Project Name cannot be empty." or the rule).
bool CheckProjectName(const std::string& name, std::string& message);
// What a settings file asks of a project name: false with "Project Name
// cannot be empty." for an empty one. A name that breaks the rule above is
// kept in a settings file; only a generation refuses it.
bool CheckProjectNameGiven(const std::string& name, std::string& message);

// A prefix: empty, or an ASCII letter followed by ASCII letters, digits and
// "_" ("__" and a trailing "_" allowed: "HSMC_", "DDR4A_").
bool IsLegalPrefixName(const std::string& prefix);
bool CheckPrefixName(const std::string& prefix, std::string& message);

// A port or pin name of a generated project: at most 128 characters, a base
// that is an ASCII letter followed by letters, digits and "_" and is no
// Verilog-2005 keyword, then optionally a bus index "[digits]" (a 32-bit
// value) and nothing after it. For a VHDL project the base also has no "__",
// no trailing "_" and is no VHDL-2008 keyword.
bool IsLegalSignalName(const std::string& name, bool vhdl);

// False, with kPrefixTooLongFormat filled with the label, when the prefix
// before some pin name of a loaded card would pass kMaxSignalNameLength.
bool CheckPrefixFitsConnector(const TConnector& card, const std::string& prefix, const std::string& connectorLabel,
                              std::string& message);

// Keyword and module-name lookups (ignoring letter case).
bool IsVerilogKeyword(const std::string& word);        // IEEE 1364-2005
bool IsSystemVerilogKeyword(const std::string& word);  // IEEE 1800-2017 (includes 1364-2005)
bool IsVhdlKeyword(const std::string& word);           // VHDL-2008 reserved words
bool IsExportedIpModuleName(const std::string& word);
