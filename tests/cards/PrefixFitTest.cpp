// A prefix against the pin names of the cards: it must leave every name within
// 128 characters, and the names it gives must suit Verilog and VHDL.
#include <gtest/gtest.h>

#include "cards/PrefixFit.h"
#include "model/Names.h"

namespace prefix_fit_test {

namespace {

// The cards that have pin maps in this build.
const DaughterId kCards[] = {1, 85, 86, 87, 11, 12, 13, 55, 62, 63, 66, 67, 68, 69, 74, 75, 76};

}  // namespace

TEST(PrefixFit, LongestPrefixEachCardTakes)
{
    const struct {
        DaughterId card;
        std::size_t longestPrefix;  // 128 less the card's longest pin name
    } cases[] = {
        {1, 128 - 8},    // GPIO[35]
        {13, 128 - 19},  // KEMBER_ADC_PENIRQ_n
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("card " + std::to_string(c.card));
        std::string message = "untouched";
        EXPECT_TRUE(CheckPrefixFitsCard(c.card, 21, std::string(c.longestPrefix, 'P'), "GPIO-0", message));
        EXPECT_EQ(message, "untouched");
        EXPECT_FALSE(CheckPrefixFitsCard(c.card, 21, std::string(c.longestPrefix + 1, 'P'), "GPIO-1", message));
        EXPECT_EQ(message, "Prefix Name is too long for the card on GPIO-1.");
    }
    std::string message;
    EXPECT_TRUE(CheckPrefixFitsCard(0, 21, std::string(127, 'P'), "GPIO-0", message));  // no card
}

TEST(PrefixFit, EveryMapGivesLegalNamesWithOrWithoutAPrefix)
{
    for (DaughterId card : kCards) {
        for (const char* prefix : {"", "P_", "HSMC_", "a"}) {
            SCOPED_TRACE("card " + std::to_string(card) + " prefix " + prefix);
            TDaughterBoard daughter;
            daughter.LoadCard(card, 21, nullptr, IO_STD_3V3_LVTTL, 0);
            for (int i = 0; i < daughter.GetPinCount(); ++i) {
                const TPin* pin = daughter.GetPin(i);
                if (!pin) continue;
                const std::string name = prefix + pin->GetName();
                EXPECT_TRUE(IsLegalSignalName(name, false)) << name;
                EXPECT_TRUE(IsLegalSignalName(name, true)) << name;
            }
        }
    }
}

}  // namespace prefix_fit_test
