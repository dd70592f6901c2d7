// Every memory-module map, with every value a board passes to it (and the
// other flag values), gives names a project can carry: no two active pins
// share a name, not even in another letter case; no name is both a plain
// port and a bus; every name, with the prefixes the boards put before it, is
// a legal Verilog and VHDL name; every pin has a direction and a valid I/O
// standard; and the port list builds.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/PinParsing.h"
#include "tests/support/SeamRecorder.h"

namespace {

std::string Lower(std::string text)
{
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

const std::set<std::string> kVerilogKeywords = {
    "always", "and", "assign", "automatic", "begin", "buf", "bufif0", "bufif1", "case", "casex", "casez", "cell",
    "cmos", "config", "deassign", "default", "defparam", "design", "disable", "edge", "else", "end", "endcase",
    "endconfig", "endfunction", "endgenerate", "endmodule", "endprimitive", "endspecify", "endtable", "endtask",
    "event", "for", "force", "forever", "fork", "function", "generate", "genvar", "highz0", "highz1", "if",
    "ifnone", "incdir", "include", "initial", "inout", "input", "instance", "integer", "join", "large",
    "liblist", "library", "localparam", "macromodule", "medium", "module", "nand", "negedge", "nmos", "nor",
    "noshowcancelled", "not", "notif0", "notif1", "or", "output", "parameter", "pmos", "posedge", "primitive",
    "pull0", "pull1", "pulldown", "pullup", "pulsestyle_onevent", "pulsestyle_ondetect", "rcmos", "real",
    "realtime", "reg", "release", "repeat", "rnmos", "rpmos", "rtran", "rtranif0", "rtranif1", "scalared",
    "showcancelled", "signed", "small", "specify", "specparam", "strong0", "strong1", "supply0", "supply1",
    "table", "task", "time", "tran", "tranif0", "tranif1", "tri", "tri0", "tri1", "triand", "trior", "trireg",
    "unsigned", "use", "uwire", "vectored", "wait", "wand", "weak0", "weak1", "while", "wire", "wor", "xnor",
    "xor"};

const std::set<std::string> kVhdlReserved = {
    "abs", "access", "after", "alias", "all", "and", "architecture", "array", "assert", "assume", "attribute",
    "begin", "block", "body", "buffer", "bus", "case", "component", "configuration", "constant", "context",
    "cover", "default", "disconnect", "downto", "else", "elsif", "end", "entity", "exit", "fairness", "file",
    "for", "force", "function", "generate", "generic", "group", "guarded", "if", "impure", "in", "inertial",
    "inout", "is", "label", "library", "linkage", "literal", "loop", "map", "mod", "nand", "new", "next", "nor",
    "not", "null", "of", "on", "open", "or", "others", "out", "package", "parameter", "port", "postponed",
    "procedure", "process", "property", "protected", "pure", "range", "record", "register", "reject", "release",
    "rem", "report", "restrict", "return", "rol", "ror", "select", "sequence", "severity", "shared", "signal",
    "sla", "sll", "sra", "srl", "strong", "subtype", "then", "to", "transport", "type", "unaffected", "units",
    "until", "use", "variable", "vmode", "vprop", "vunit", "wait", "when", "while", "with", "xnor", "xor"};

// A port name that both languages accept as a plain identifier.
bool IsLegalPortName(const std::string& name, bool vhdl)
{
    if (name.empty()) return false;
    const unsigned char first = static_cast<unsigned char>(name[0]);
    if (!(std::isalpha(first) || (!vhdl && first == '_'))) return false;
    for (unsigned char ch : name)
        if (!(std::isalnum(ch) || ch == '_' || (!vhdl && ch == '$'))) return false;
    if (vhdl) return name.find("__") == std::string::npos && name.back() != '_' && !kVhdlReserved.count(Lower(name));
    return !kVerilogKeywords.count(name);
}

// "BASE[12]" -> "BASE", true; a plain name -> itself, false. The index must
// be a decimal number.
bool SplitName(const std::string& name, std::string& base)
{
    const auto open = name.find('[');
    if (open == std::string::npos) {
        base = name;
        return false;
    }
    base = name.substr(0, open);
    const std::string index = name.substr(open + 1);
    EXPECT_TRUE(index.size() >= 2 && index.back() == ']' &&
                index.substr(0, index.size() - 1).find_first_not_of("0123456789") == std::string::npos)
        << name;
    return true;
}

void ExpectProjectReadyNames(const TDaughterBoard& d, const std::string& prefix)
{
    std::set<std::string> names;
    std::map<std::string, bool> portIsBus;
    std::map<std::string, PinDirection> busDirection;
    int pins = 0;
    for (int i = 0; i < d.GetPinCount(); ++i) {
        const TPin* pin = d.GetPin(i);
        if (!pin) continue;
        ++pins;
        const std::string name = prefix + pin->GetName();
        SCOPED_TRACE("position " + std::to_string(i + 1) + " " + name);
        EXPECT_GE(pin->GetDirection(), PIN_DIR_INOUT);
        EXPECT_LE(pin->GetDirection(), PIN_DIR_OUTPUT);
        EXPECT_LT(pin->GetIoStandard(), IO_STD_COUNT);
        EXPECT_FALSE(GetIoStandardName(pin->GetIoStandard()).empty());
        EXPECT_TRUE(names.insert(Lower(name)).second) << "name used twice";
        std::string base;
        const bool bus = SplitName(name, base);
        EXPECT_TRUE(IsLegalPortName(base, false)) << "Verilog";
        EXPECT_TRUE(IsLegalPortName(base, true)) << "VHDL";
        const auto [port, added] = portIsBus.insert({Lower(base), bus});
        EXPECT_TRUE(added || (port->second && bus)) << "plain port and bus of one name";
        if (bus) {
            const auto [member, first] = busDirection.insert({Lower(base), pin->GetDirection()});
            EXPECT_TRUE(first || member->second == pin->GetDirection()) << "bus members of two directions";
        }
    }
    EXPECT_GT(pins, 0);
    TPinParsing parsing;
    EXPECT_TRUE(parsing.Build(&d));
}

struct Load {
    std::string label;
    std::function<void(TDaughterBoard&)> load;
};

std::vector<Load> EveryMemoryModuleLoad()
{
    std::vector<Load> loads;
    for (bool differential : {true, false})
        for (IoStandard standard : {0, 3, 8}) {
            const DdrSodimmOptions o{
                .differential = differential, .busStandard = standard, .addressStandard = standard};
            const std::string values = " differential " + std::to_string(differential) + " standard " +
                                       std::to_string(standard);
            loads.push_back({"DDR2" + values, [o](TDaughterBoard& d) { d.LoadDdr2Sodimm(o); }});
            loads.push_back({"DDR3" + values, [o](TDaughterBoard& d) { d.LoadDdr3Sodimm(o); }});
            loads.push_back({"DDR3 upper" + values, [o](TDaughterBoard& d) { d.LoadDdr3SodimmUpper(o); }});
            loads.push_back({"DDR3 alt" + values, [o](TDaughterBoard& d) { d.LoadDdr3SodimmAlt(o); }});
        }
    for (bool ecc : {false, true}) {
        const Ddr4SodimmOptions o{.ecc = ecc, .spdStandard = 40, .addressStandard = 40};
        loads.push_back({"DDR4 card 39 ecc " + std::to_string(ecc), [o](TDaughterBoard& d) { d.LoadDdr4Sodimm(o); }});
        for (Ddr4Naming naming : {Ddr4Naming::DualRank, Ddr4Naming::SingleRank})
            for (uint8_t board : {0, 36, 37, 40}) {
                const Ddr4ModuleOptions m{
                    .naming = naming, .boardId = board, .ecc = ecc, .spdStandard = 3, .addressStandard = 40};
                loads.push_back({"DDR4 naming " + std::to_string(static_cast<int>(naming)) + " board " +
                                     std::to_string(board) + " ecc " + std::to_string(ecc),
                                 [m](TDaughterBoard& d) { d.LoadDdr4SodimmEcc(m); }});
            }
    }
    loads.push_back({"QDR-II+ A10", [](TDaughterBoard& d) { d.LoadQdr2ModuleA10(); }});
    loads.push_back({"QDR-II+ S10", [](TDaughterBoard& d) { d.LoadQdr2ModuleS10(); }});
    loads.push_back({"QDR-IV A10", [](TDaughterBoard& d) { d.LoadQdr4ModuleA10(); }});
    loads.push_back({"QDR-IV S10", [](TDaughterBoard& d) { d.LoadQdr4ModuleS10(); }});
    return loads;
}

}  // namespace

TEST(MemoryModuleNames, EveryMapCarriesNamesAProjectCanUse)
{
    SeamRecorder seam;
    // No prefix, and the prefixes the boards give their sockets.
    const char* prefixes[] = {"", "mem_", "M1_DDR2_", "DDR3A_", "DDR4A_", "QDRII_"};
    for (const Load& l : EveryMemoryModuleLoad()) {
        SCOPED_TRACE(l.label);
        TDaughterBoard d;
        l.load(d);
        for (const char* prefix : prefixes) {
            SCOPED_TRACE(std::string("prefix ") + prefix);
            ExpectProjectReadyNames(d, prefix);
        }
    }
    EXPECT_TRUE(seam.boxes.empty());
}
