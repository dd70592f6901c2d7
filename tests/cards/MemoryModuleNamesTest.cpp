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
#include "model/Names.h"
#include "model/PinParsing.h"
#include "tests/support/SeamRecorder.h"

namespace {

std::string Lower(std::string text)
{
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// "BASE[12]" -> "BASE", true; a plain name -> itself, false.
bool SplitName(const std::string& name, std::string& base)
{
    const auto open = name.find('[');
    base = name.substr(0, open);
    return open != std::string::npos;
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
        EXPECT_TRUE(IsLegalSignalName(name, false)) << "Verilog";
        EXPECT_TRUE(IsLegalSignalName(name, true)) << "VHDL";
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
