// Properties of every card map, with every value a board passes to it: the
// maps the card loader fills, on every main board it serves, and the memory
// modules through their own loaders. Names make a sound top level (no two
// active pins share a name, not even in another letter case; no name is both
// a plain port and a bus; every name, with a prefix before it, is a legal
// Verilog and VHDL name; the port list builds), and every pin has a valid
// direction and I/O-standard code.
#include <gtest/gtest.h>

#include <cstdio>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Names.h"
#include "model/PinParsing.h"
#include "model/Text.h"
#include "tests/cards/CardMapCheck.h"
#include "tests/support/SeamRecorder.h"

namespace catalogue_maps_test {

namespace {

// Every main-board id the loader accepts.
std::vector<uint8_t> LoaderBoards()
{
    std::vector<uint8_t> boards;
    for (int id = 1; id <= 40; ++id)
        if (id != 29 && id != MAINBOARD_ZENNORBY) boards.push_back(static_cast<uint8_t>(id));
    boards.push_back(MAINBOARD_MARLOWEN);
    boards.push_back(MAINBOARD_OSTERLIN);
    boards.push_back(MAINBOARD_PELLOWIND);
    return boards;
}

bool StartsWithLetter(const std::string& name)
{
    return !name.empty() && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
}

// The checks on one loaded map. Each name must be legal with every one of
// the prefixes ("" for a map whose names must stand alone), and on its own
// when it begins with a letter.
void CheckLoadedMap(const TDaughterBoard& c, const std::vector<std::string>& prefixes)
{
    std::map<std::string, int> names;   // active pin names, upper case
    std::map<std::string, bool> ports;  // port base names, upper case: true for a bus
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        if (!pin) continue;
        const std::string& name = pin->GetName();
        EXPECT_EQ(pin->GetPinIndex(), i + 1) << name;
        EXPECT_LE(pin->GetDirection(), PIN_DIR_OUTPUT) << name;
        EXPECT_LT(pin->GetIoStandard(), IO_STD_COUNT) << name;
        EXPECT_FALSE(GetIoStandardName(pin->GetIoStandard()).empty()) << name;
        if (!pin->IsActive()) continue;
        EXPECT_EQ(++names[UpperCase(name)], 1) << "two active pins named " << name;

        std::string base;
        int index = 0;
        const bool bus = SplitBusName(name, base, index);
        const auto [at, inserted] = ports.emplace(UpperCase(bus ? base : name), bus);
        EXPECT_TRUE(inserted || (at->second && bus)) << name << " is both a bus and a single signal";

        for (bool vhdl : {false, true}) {
            for (const std::string& prefix : prefixes)
                EXPECT_TRUE(IsLegalSignalName(prefix + name, vhdl)) << prefix << name << (vhdl ? " (VHDL)" : "");
            if (StartsWithLetter(name)) {
                EXPECT_TRUE(IsLegalSignalName(name, vhdl)) << name << (vhdl ? " (VHDL)" : "");
            }
        }
    }
    EXPECT_GT(names.size(), 0u);
    // Members of one bus agree on their direction.
    TPinParsing parsing;
    EXPECT_TRUE(parsing.Build(&c));
}

// A map's entries as one text, to check each distinct map once.
std::string Entries(const TConnector& c)
{
    // Built with few temporaries: this runs for every load of every card.
    std::string text;
    text.reserve(static_cast<size_t>(c.GetPinCount()) * 32);
    char numbers[48];
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        if (!pin) {
            text.append("-\n");
            continue;
        }
        const int length = std::snprintf(numbers, sizeof numbers, "/%d/%d/%d\n", static_cast<int>(pin->GetDirection()),
                                          static_cast<int>(pin->GetIoStandard()), static_cast<int>(pin->GetPinIndex()));
        text.append(pin->GetName()).append(numbers, static_cast<size_t>(length));
    }
    return text;
}

struct MemoryLoad {
    std::string label;
    std::function<void(TDaughterBoard&)> load;
};

// Every memory-module loader with every value the boards pass to it (and
// the other flag values).
std::vector<MemoryLoad> EveryMemoryModuleLoad()
{
    std::vector<MemoryLoad> loads;
    for (bool differential : {true, false})
        for (IoStandard standard : {0, 3, 8}) {
            const DdrSodimmOptions o{.differential = differential, .busStandard = standard, .addressStandard = standard};
            const std::string values =
                " differential " + std::to_string(differential) + " standard " + std::to_string(standard);
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

TEST(CatalogueMaps, EveryLoadedCardMakesSoundPorts)
{
    SeamRecorder seam;
    std::set<std::string> checked;  // maps already checked, as their entries
    // The I/O standards the boards pass, and LVDS, on which some maps leave
    // out the N legs of their pairs.
    const IoStandard ioStandards[] = {0, 3, 6, 8, 21, 40};
    for (int id = 0; id <= 255; ++id) {
        const DaughterId card = static_cast<DaughterId>(id);
        if (!HasCardPinMap(card)) continue;
        for (uint8_t board : LoaderBoards())
            for (IoStandard ioStandard : ioStandards)
                for (int32_t option : {0, 1})
                    for (const char* nameBase : {static_cast<const char*>(nullptr), "GPIO_1"}) {
                        TDaughterBoard c;
                        c.LoadCard(card, board, nameBase, ioStandard, option);
                        if (!checked.insert(Entries(c)).second) continue;
                        SCOPED_TRACE("card " + std::to_string(id) + " on board " + std::to_string(board) +
                                     ", I/O standard " + std::to_string(ioStandard) + ", option " +
                                     std::to_string(option) + (nameBase ? ", name base" : ""));
                        CheckLoadedMap(c, {"P"});
                        if (HasFailure()) return;
                    }
    }
    EXPECT_EQ(seam.boxes.size(), 0u);
}

TEST(CatalogueMaps, EveryMemoryModuleMakesSoundPorts)
{
    SeamRecorder seam;
    for (const MemoryLoad& l : EveryMemoryModuleLoad()) {
        SCOPED_TRACE(l.label);
        TDaughterBoard d;
        l.load(d);
        // No prefix, and the prefixes the boards give their sockets.
        CheckLoadedMap(d, {"", "mem_", "M1_DDR2_", "DDR3A_", "DDR4A_", "QDRII_"});
        // A module leaves no pin of its map unused.
        for (int i = 0; i < d.GetPinCount(); ++i)
            if (const TPin* pin = d.GetPin(i)) {
                EXPECT_TRUE(pin->IsActive()) << pin->GetName();
            }
    }
    EXPECT_EQ(seam.boxes.size(), 0u);
}

TEST(CatalogueMaps, EveryCardButTheMemoryModulesHasAMap)
{
    EXPECT_FALSE(HasCardPinMap(0));
    for (int id = 1; id <= 255; ++id) {
        const DaughterId card = static_cast<DaughterId>(id);
        if (!HasCardEntry(card)) {
            EXPECT_FALSE(HasCardPinMap(card)) << id;
            continue;
        }
        switch (GetCardConnectorType(card)) {
        case CONNECTOR_DDR2_SODIMM:
        case CONNECTOR_DDR3_SODIMM:
        case CONNECTOR_DDR4_SODIMM:
        case CONNECTOR_DDR4_IF:
        case CONNECTOR_DDR4_IF_ECC:
        case CONNECTOR_DDR4_IF_ECC_A10:
        case CONNECTOR_DDR4_IF_ECC_S10:
            // Memory modules have loaders of their own.
            EXPECT_FALSE(HasCardPinMap(card)) << id;
            break;
        default:
            // The Tavrel default naming has no map and no card list offers it.
            EXPECT_EQ(HasCardPinMap(card), id != 5) << id;
            break;
        }
    }
}

}  // namespace catalogue_maps_test
