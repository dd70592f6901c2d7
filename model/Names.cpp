#include "model/Names.h"

#include <climits>
#include <initializer_list>
#include <unordered_set>

#include "model/Connector.h"
#include "model/Text.h"

// The modules declared by the Verilog IP files that generation writes into
// projects (one row per module). A project named like one of them would hold
// two modules of one name. Add the modules of every IP file the program gains.
static const char* const kExportedIpModules[] = {
    "ext_pll_ctrl",        // EXT_PLL_CTRL.v
    "si570_controller",    // si570_controller.v
    "clock_divider",       // clock_divider.v
    "edge_detector",       // edge_detector.v
    "i2c_bus_controller",  // i2c_bus_controller.v
    "i2c_controller",      // i2c_controller.v
    "i2c_reg_controller",  // i2c_reg_controller.v
    "initial_config",      // initial_config.v
    "cdcm6100x_config",    // CDCM6100x_Config.v
    // The Si5340 controllers (si5340/ and its board variants tarrowind/ and
    // ulverrow/); their common files declare clock_divider, edge_detector,
    // i2c_bus_controller and initial_config, listed above.
    "si5340a_clk_frq_sel_gen",         // si5340a_clk_frq_sel_gen.v
    "si5340a_controller",              // si5340a_controller.v
    "si5340a_freq_prameter_selector",  // si5340a_freq_prameter_selector.v
    "si5340a_i2c_reg_controller",      // si5340a_i2c_reg_controller.v
    "si5340b_clk_frq_sel_gen",         // si5340b_clk_frq_sel_gen.v
    "si5340b_controller",              // si5340b_controller.v
    "si5340b_freq_prameter_selector",  // si5340b_freq_prameter_selector.v
    "si5340b_i2c_reg_controller",      // si5340b_i2c_reg_controller.v
    // The Colvenna clock-chip controllers (colvenna/).
    "i2c_cdcm6208_config",      // I2C_CDCM6208_Config.v
    "i2c_cdcm6208_controller",  // I2C_CDCM6208_Controller.v
    "spi_lmk04906_config",      // SPI_LMK04906_Config.v
    // The TXC clock-generator controllers (yarrowgate/).
    "i2c_txca",             // I2C_TXCA.v
    "i2c_txca_config",      // I2C_TXCA_Config.v
    "i2c_txca_controller",  // I2C_TXCA_Controller.v
    "i2c_txcb",             // I2C_TXCB.v
    "i2c_txcb_config",      // I2C_TXCB_Config.v
    "i2c_txcb_controller",  // I2C_TXCB_Controller.v
    // The clock-generator controllers of the Stratix 10 and Agilex boards
    // (si5340/zennorby/, si5341/, si5397/); the modules they share with the
    // sets above are listed there.
    "ZENNORBY_SI5340A_CONFIG",         // ZENNORBY_SI5340A_CONFIG.v
    "S10_SI5341A_CONFIG",              // S10_SI5341A_CONFIG.v
    "si5341a_clk_frq_sel_gen",         // si5341a_clk_frq_sel_gen.v
    "si5341a_freq_prameter_selector",  // si5341a_freq_prameter_selector.v
    "si5341a_i2c_reg_controller",      // si5341a_i2c_reg_controller.v
    "edge_detector_41",                // edge_detector_41.v
    "fmc_sel",                         // fmc_sel.v
    "ASHCOMBRE_SI5397A_CONFIG",        // ASHCOMBRE_SI5397A_CONFIG.v
    "si5397a_freq_prameter_selector",  // si5397a_freq_prameter_selector.v
    "si5397a_i2c_reg_controller",      // si5397a_i2c_reg_controller.v
    "power_on_reset",                  // power_on_reset.v
};

const char* const kProjectNameEmptyMessage = "Project Name cannot be empty.";
const char* const kProjectNameRuleMessage =
    "Project Name must start with a letter and hold only letters, digits and '_' (no '__', no trailing '_'), and "
    "cannot be a Verilog or VHDL keyword.";
const char* const kPrefixNameRuleMessage = "Prefix Name must start with a letter and hold only letters, digits and '_'.";
const char* const kPrefixTooLongFormat = "Prefix Name is too long for the card on %s.";
const char* const kSignalNameFormat = "Signal name %s cannot be used in a Verilog or VHDL design.";

namespace {

// IEEE 1364-2005, Annex B.
const char* const kVerilog2005[] = {
    "always",       "and",          "assign",        "automatic",     "begin",        "buf",
    "bufif0",       "bufif1",       "case",          "casex",         "casez",        "cell",
    "cmos",         "config",       "deassign",      "default",       "defparam",     "design",
    "disable",      "edge",         "else",          "end",           "endcase",      "endconfig",
    "endfunction",  "endgenerate",  "endmodule",     "endprimitive",  "endspecify",   "endtable",
    "endtask",      "event",        "for",           "force",         "forever",      "fork",
    "function",     "generate",     "genvar",        "highz0",        "highz1",       "if",
    "ifnone",       "incdir",       "include",       "initial",       "inout",        "input",
    "instance",     "integer",      "join",          "large",         "liblist",      "library",
    "localparam",   "macromodule",  "medium",        "module",        "nand",         "negedge",
    "nmos",         "nor",          "noshowcancelled", "not",         "notif0",       "notif1",
    "or",           "output",       "parameter",     "pmos",          "posedge",      "primitive",
    "pull0",        "pull1",        "pulldown",      "pullup",        "pulsestyle_ondetect",
    "pulsestyle_onevent",           "rcmos",         "real",          "realtime",     "reg",
    "release",      "repeat",       "rnmos",         "rpmos",         "rtran",        "rtranif0",
    "rtranif1",     "scalared",     "showcancelled", "signed",        "small",        "specify",
    "specparam",    "strong0",      "strong1",       "supply0",       "supply1",      "table",
    "task",         "time",         "tran",          "tranif0",       "tranif1",      "tri",
    "tri0",         "tri1",         "triand",        "trior",         "trireg",       "unsigned",
    "use",          "uwire",        "vectored",      "wait",          "wand",         "weak0",
    "weak1",        "while",        "wire",          "wor",           "xnor",         "xor",
};

// IEEE 1800-2017, Annex B: the keywords it adds to those of 1364-2005.
const char* const kSystemVerilogAdded[] = {
    "accept_on",    "alias",        "always_comb",   "always_ff",     "always_latch", "assert",
    "assume",       "before",       "bind",          "bins",          "binsof",       "bit",
    "break",        "byte",         "chandle",       "checker",       "class",        "clocking",
    "const",        "constraint",   "context",       "continue",      "cover",        "covergroup",
    "coverpoint",   "cross",        "dist",          "do",            "endchecker",   "endclass",
    "endclocking",  "endgroup",     "endinterface",  "endpackage",    "endprogram",   "endproperty",
    "endsequence",  "enum",         "eventually",    "expect",        "export",       "extends",
    "extern",       "final",        "first_match",   "foreach",       "forkjoin",     "global",
    "iff",          "ignore_bins",  "illegal_bins",  "implements",    "implies",      "import",
    "inside",       "int",          "interconnect",  "interface",     "intersect",    "join_any",
    "join_none",    "let",          "local",         "logic",         "longint",      "matches",
    "modport",      "nettype",      "new",           "nexttime",      "null",         "package",
    "packed",       "priority",     "program",       "property",      "protected",    "pure",
    "rand",         "randc",        "randcase",      "randsequence",  "ref",          "reject_on",
    "restrict",     "return",       "s_always",      "s_eventually",  "s_nexttime",   "s_until",
    "s_until_with", "sequence",     "shortint",      "shortreal",     "soft",         "solve",
    "static",       "string",       "strong",        "struct",        "super",        "sync_accept_on",
    "sync_reject_on", "tagged",     "this",          "throughout",    "timeprecision", "timeunit",
    "type",         "typedef",      "union",         "unique",        "unique0",      "until",
    "until_with",   "untyped",      "var",           "virtual",       "void",         "wait_order",
    "weak",         "wildcard",     "with",          "within",
};

// IEEE 1076-2008, 15.10.
const char* const kVhdl2008[] = {
    "abs",       "access",     "after",        "alias",      "all",        "and",
    "architecture", "array",   "assert",       "assume",     "assume_guarantee", "attribute",
    "begin",     "block",      "body",         "buffer",     "bus",        "case",
    "component", "configuration", "constant",  "context",    "cover",      "default",
    "disconnect", "downto",    "else",         "elsif",      "end",        "entity",
    "exit",      "fairness",   "file",         "for",        "force",      "function",
    "generate",  "generic",    "group",        "guarded",    "if",         "impure",
    "in",        "inertial",   "inout",        "is",         "label",      "library",
    "linkage",   "literal",    "loop",         "map",        "mod",        "nand",
    "new",       "next",       "nor",          "not",        "null",       "of",
    "on",        "open",       "or",           "others",     "out",        "package",
    "parameter", "port",       "postponed",    "procedure",  "process",    "property",
    "protected", "pure",       "range",        "record",     "register",   "reject",
    "release",   "rem",        "report",       "restrict",   "restrict_guarantee", "return",
    "rol",       "ror",        "select",       "sequence",   "severity",   "shared",
    "signal",    "sla",        "sll",          "sra",        "srl",        "strong",
    "subtype",   "then",       "to",           "transport",  "type",       "unaffected",
    "units",     "until",      "use",          "variable",   "vmode",      "vprop",
    "vunit",     "wait",       "when",         "while",      "with",       "xnor",
    "xor",
};

using WordSet = std::unordered_set<std::string>;

template <std::size_t N>
void AddWords(WordSet& set, const char* const (&words)[N])
{
    for (const char* word : words) set.insert(word);
}

const WordSet& Verilog2005Words()
{
    static const WordSet words = [] {
        WordSet set;
        AddWords(set, kVerilog2005);
        return set;
    }();
    return words;
}

const WordSet& SystemVerilogWords()
{
    static const WordSet words = [] {
        WordSet set;
        AddWords(set, kVerilog2005);
        AddWords(set, kSystemVerilogAdded);
        return set;
    }();
    return words;
}

const WordSet& VhdlWords()
{
    static const WordSet words = [] {
        WordSet set;
        AddWords(set, kVhdl2008);
        return set;
    }();
    return words;
}

const WordSet& IpModuleWords()
{
    static const WordSet words = [] {
        WordSet set;
        for (const char* module : kExportedIpModules) set.insert(LowerCase(module));
        return set;
    }();
    return words;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// An ASCII letter, then ASCII letters, digits and "_".
bool IsPlainIdentifier(const std::string& text)
{
    if (text.empty() || !IsAsciiLetter(text[0])) return false;
    for (char c : text)
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_') return false;
    return true;
}

// What VHDL adds to a plain identifier: no "__" and no trailing "_".
bool HasVhdlUnderscores(const std::string& text)
{
    return text.find("__") == std::string::npos && (text.empty() || text.back() != '_');
}

// "digits" of a bus index: at least one, and a value that fits 32 bits.
bool IsBusIndex(const std::string& digits)
{
    if (digits.empty()) return false;
    long long value = 0;
    for (char c : digits) {
        if (!IsAsciiDigit(c)) return false;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return false;
    }
    return true;
}

}  // namespace

bool IsVerilogKeyword(const std::string& word) { return Verilog2005Words().count(LowerCase(word)) != 0; }
bool IsSystemVerilogKeyword(const std::string& word) { return SystemVerilogWords().count(LowerCase(word)) != 0; }
bool IsVhdlKeyword(const std::string& word) { return VhdlWords().count(LowerCase(word)) != 0; }
bool IsExportedIpModuleName(const std::string& word) { return IpModuleWords().count(LowerCase(word)) != 0; }

bool IsLegalProjectName(const std::string& name)
{
    return IsPlainIdentifier(name) && HasVhdlUnderscores(name) && !IsSystemVerilogKeyword(name) &&
           !IsVhdlKeyword(name) && !IsExportedIpModuleName(name);
}

bool CheckProjectName(const std::string& name, std::string& message)
{
    if (name.empty()) {
        message = kProjectNameEmptyMessage;
        return false;
    }
    if (!IsLegalProjectName(name)) {
        message = kProjectNameRuleMessage;
        return false;
    }
    return true;
}

bool CheckProjectNameGiven(const std::string& name, std::string& message)
{
    if (!name.empty()) return true;
    message = kProjectNameEmptyMessage;
    return false;
}

bool IsLegalPrefixName(const std::string& prefix) { return prefix.empty() || IsPlainIdentifier(prefix); }

bool CheckPrefixName(const std::string& prefix, std::string& message)
{
    if (IsLegalPrefixName(prefix)) return true;
    message = kPrefixNameRuleMessage;
    return false;
}

bool IsLegalSignalName(const std::string& name, bool vhdl)
{
    if (name.size() > kMaxSignalNameLength) return false;
    std::string base = name;
    if (!name.empty() && name.back() == ']') {
        const std::size_t open = name.rfind('[');
        if (open == std::string::npos || !IsBusIndex(name.substr(open + 1, name.size() - open - 2))) return false;
        base = name.substr(0, open);
    }
    if (!IsPlainIdentifier(base)) return false;
    if (vhdl) return HasVhdlUnderscores(base) && !IsVhdlKeyword(base);
    return !IsVerilogKeyword(base);
}

bool CheckPrefixFitsConnector(const TConnector& card, const std::string& prefix, const std::string& connectorLabel,
                              std::string& message)
{
    std::size_t longest = 0;
    for (int i = 0; i < card.GetPinCount(); ++i) {
        const TPin* pin = card.GetPin(i);
        if (pin && pin->GetName().size() > longest) longest = pin->GetName().size();
    }
    if (prefix.size() + longest <= kMaxSignalNameLength) return true;
    message = Format(kPrefixTooLongFormat, connectorLabel.c_str());
    return false;
}
