// Properties of every card map the loader fills, on every main board it
// serves: names that make a sound top level, valid directions and codes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Names.h"
#include "tests/cards/CardMapCheck.h"

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

std::string Lower(std::string text)
{
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}

bool StartsWithLetter(const std::string& name)
{
    return !name.empty() && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= 'A' && name[0] <= 'Z'));
}

// The checks on one loaded card.
void CheckLoadedCard(const TDaughterBoard& c, const std::string& where)
{
    SCOPED_TRACE(where);
    std::map<std::string, int> names;    // active pin names, lower case
    std::map<std::string, bool> ports;   // port base names, lower case: true for a bus
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* pin = c.GetPin(i);
        if (!pin) continue;
        const std::string& name = pin->GetName();
        EXPECT_EQ(pin->GetPinIndex(), i + 1) << name;
        EXPECT_LE(pin->GetDirection(), PIN_DIR_OUTPUT) << name;
        EXPECT_LT(pin->GetIoStandard(), IO_STD_COUNT) << name;
        EXPECT_FALSE(GetIoStandardName(pin->GetIoStandard()).empty()) << name;
        if (!pin->IsActive()) continue;
        EXPECT_EQ(++names[Lower(name)], 1) << "two active pins named " << name;

        std::string base;
        int index = 0;
        const bool bus = SplitBusName(name, base, index);
        const std::string port = Lower(bus ? base : name);
        const auto [at, inserted] = ports.emplace(port, bus);
        EXPECT_TRUE(inserted || (at->second && bus)) << name << " is both a bus and a single signal";

        // Every name, with a prefix before it, and every name that can stand
        // on its own, makes a legal Verilog and VHDL port.
        for (bool vhdl : {false, true}) {
            EXPECT_TRUE(IsLegalSignalName("P" + name, vhdl)) << "P" << name << (vhdl ? " (VHDL)" : "");
            if (StartsWithLetter(name)) {
                EXPECT_TRUE(IsLegalSignalName(name, vhdl)) << name << (vhdl ? " (VHDL)" : "");
            }
        }
    }
}

}  // namespace

TEST(CatalogueMaps, EveryLoadedCardMakesSoundPorts)
{
    for (int id = 0; id <= 255; ++id) {
        const DaughterId card = static_cast<DaughterId>(id);
        if (!HasCardPinMap(card)) continue;
        for (uint8_t board : LoaderBoards())
            for (int32_t option : {0, 1})
                for (const char* nameBase : {static_cast<const char*>(nullptr), "GPIO_1"}) {
                    TDaughterBoard c;
                    c.LoadCard(card, board, nameBase, IO_STD_3V3_LVTTL, option);
                    CheckLoadedCard(c, "card " + std::to_string(id) + " on board " + std::to_string(board) +
                                           ", option " + std::to_string(option) + (nameBase ? ", name base" : ""));
                    if (HasFailure()) return;
                }
    }
}

TEST(CatalogueMaps, EveryGpioHsmcAndTavrelCardHasAMap)
{
    EXPECT_FALSE(HasCardPinMap(0));
    for (int id = 1; id <= 255; ++id) {
        const DaughterId card = static_cast<DaughterId>(id);
        if (!HasCardEntry(card)) {
            EXPECT_FALSE(HasCardPinMap(card)) << id;
            continue;
        }
        switch (GetCardConnectorType(card)) {
        case CONNECTOR_GPIO40:
        case CONNECTOR_GPIO80:
        case CONNECTOR_YARVEL_2x6:
        case CONNECTOR_HSMC:
        case CONNECTOR_TAVREL:
            // The Tavrel default naming has no map and no card list offers it.
            EXPECT_EQ(HasCardPinMap(card), id != 5) << id;
            break;
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
        default: break;
        }
    }
}
