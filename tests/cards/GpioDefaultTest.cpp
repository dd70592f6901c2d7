// The GPIO Default card: the three naming maps and the choice between them
// that the card loader makes for cards 1, 85, 86 and 87.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace gpio_default_test {

namespace {

const std::vector<int> kPowerPositions = {11, 12, 29, 30};

// The counted names: "<base>[k]" with k running from 0 over the signal
// positions in ascending order.
void ExpectCountedNames(const TConnector& c, const std::string& base, IoStandard ioStandard)
{
    ExpectCardMap(c, 40, 36, kPowerPositions, ioStandard);
    int k = 0;
    for (int p = 1; p <= 40; ++p) {
        if (p == 11 || p == 12 || p == 29 || p == 30) continue;
        const TPin* pin = c.GetPin(p - 1);
        ASSERT_NE(pin, nullptr) << p;
        EXPECT_EQ(pin->GetName(), base + "[" + std::to_string(k) + "]") << "position " << p;
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_INOUT) << "position " << p;
        ++k;
    }
    EXPECT_EQ(k, 36);
}

const std::vector<ExpectedPin> kOlderNameSamples = {
    {1, "GPIO_CLKIN[0]", kIn},   {2, "GPIO_D[0]", kInout},   {3, "GPIO_CLKIN[1]", kIn},    {4, "GPIO_D[1]", kInout},
    {10, "GPIO_D[7]", kInout},   {13, "GPIO_D[8]", kInout},  {18, "GPIO_D[13]", kInout},   {19, "GPIO_CLKOUT[0]", kOut},
    {20, "GPIO_D[14]", kInout},  {21, "GPIO_CLKOUT[1]", kOut}, {22, "GPIO_D[15]", kInout}, {28, "GPIO_D[21]", kInout},
    {31, "GPIO_D[22]", kInout},  {40, "GPIO_D[31]", kInout},
};

const std::vector<ExpectedPin> kWithInputsSamples = {
    {1, "_IN[0]", kIn}, {2, "[0]", kInout},  {3, "_IN[1]", kIn},    {4, "[1]", kInout},   {10, "[7]", kInout},
    {13, "[8]", kInout}, {28, "[23]", kInout}, {31, "[24]", kInout}, {40, "[33]", kInout},
};

}  // namespace

TEST(GpioDefaultMaps, CountedNamesRunOverTheSignalPositions)
{
    TDaughterBoard c;
    AddGpioDefaultPins(&c, 1, 6);
    ExpectCountedNames(c, "GPIO", 6);
    ExpectPins(c, {{1, "GPIO[0]", kInout}, {10, "GPIO[9]", kInout}, {13, "GPIO[10]", kInout}, {28, "GPIO[25]", kInout},
                   {31, "GPIO[26]", kInout}, {40, "GPIO[35]", kInout}},
               6);
}

TEST(GpioDefaultMaps, OlderNamesOfTheFirstBoards)
{
    TDaughterBoard c;
    AddGpioDefaultPins(&c, 0, 6);
    ExpectCardMap(c, 40, 36, kPowerPositions, 6);
    ExpectPins(c, kOlderNameSamples, 6);
}

TEST(GpioDefaultMaps, PrefixedNamesUseTheNameBase)
{
    TDaughterBoard c;
    AddGpioDefaultPrefixedPins(&c, "GPIO_0", 3);
    ExpectCountedNames(c, "GPIO_0", 3);
    ExpectPins(c, {{1, "GPIO_0[0]", kInout}, {10, "GPIO_0[9]", kInout}, {13, "GPIO_0[10]", kInout},
                   {31, "GPIO_0[26]", kInout}, {40, "GPIO_0[35]", kInout}},
               3);
}

TEST(GpioDefaultMaps, BareNamesWithTwoInputsAreAlwaysLvttl)
{
    TDaughterBoard c;
    AddGpioDefaultPinsWithInputs(&c);
    ExpectCardMap(c, 40, 36, kPowerPositions, 8);
    ExpectPins(c, kWithInputsSamples, 8);
}

// ---- Through the card loader ---------------------------------------------

TEST(GpioDefaultLoad, CountedNamesOnTheOfferedBoard)
{
    TDaughterBoard d;
    d.LoadCard(1, 21, nullptr, 8, 0);
    EXPECT_EQ(d.GetPinCount(), 40);
    EXPECT_EQ(d.GetActivePinCount(), 36);
    ExpectCountedNames(d, "GPIO", 8);
}

TEST(GpioDefaultLoad, NameBaseGivesBaseAndIndex)
{
    TDaughterBoard d;
    d.LoadCard(1, 21, "GPIO_0", 8, 0);
    ExpectCountedNames(d, "GPIO_0", 8);
}

TEST(GpioDefaultLoad, NameBaseWinsOverTheBoardRules)
{
    for (uint8_t board : {1, 2, 4, 6, 10}) {
        SCOPED_TRACE("board " + std::to_string(board));
        TDaughterBoard d;
        d.LoadCard(1, board, "GPIO_1", 8, 0);
        ExpectCountedNames(d, "GPIO_1", 8);
    }
}

TEST(GpioDefaultLoad, OlderNamesOnTheFirstBoards)
{
    for (uint8_t board : {1, 2, 4, 6}) {
        SCOPED_TRACE("board " + std::to_string(board));
        TDaughterBoard d;
        d.LoadCard(1, board, nullptr, 8, 0);
        ExpectCardMap(d, 40, 36, kPowerPositions, 8);
        ExpectPins(d, kOlderNameSamples, 8);
    }
}

TEST(GpioDefaultLoad, EmptyNameBaseCountsAsNone)
{
    TDaughterBoard counted, older, inputs;
    counted.LoadCard(1, 21, "", 8, 0);
    ExpectCountedNames(counted, "GPIO", 8);
    older.LoadCard(1, 6, "", 8, 0);
    ExpectPins(older, kOlderNameSamples, 8);
    inputs.LoadCard(1, 10, "", 8, 0);
    ExpectPins(inputs, kWithInputsSamples, 8);
}

TEST(GpioDefaultLoad, BoardTenIgnoresTheIoStandardItIsGiven)
{
    TDaughterBoard d;
    d.LoadCard(1, 10, nullptr, 6, 0);
    ExpectCardMap(d, 40, 36, kPowerPositions, 8);
    ExpectPins(d, kWithInputsSamples, 8);
}

TEST(GpioDefaultLoad, IoStandardReplacedOnSomeBoards)
{
    struct Case {
        uint8_t board;
        IoStandard expected;
    };
    for (const Case& k : {Case{21, 8}, Case{9, 39}, Case{31, 6}}) {
        SCOPED_TRACE("board " + std::to_string(k.board));
        TDaughterBoard d;
        d.LoadCard(1, k.board, nullptr, 8, 0);
        ExpectCountedNames(d, "GPIO", k.expected);
    }
}

TEST(GpioDefaultLoad, VoltageVariantsGiveTheEntriesOfCardOne)
{
    struct Case {
        uint8_t board;
        const char* nameBase;
        IoStandard ioStandard;
    };
    const Case cases[] = {{21, nullptr, 8}, {21, "GPIO_1", 6}, {6, nullptr, 3}, {10, nullptr, 0}, {9, nullptr, 8}};
    for (DaughterId variant : {85, 86, 87}) {
        for (const Case& k : cases) {
            SCOPED_TRACE("card " + std::to_string(variant) + " board " + std::to_string(k.board));
            TDaughterBoard one, other;
            one.LoadCard(1, k.board, k.nameBase, k.ioStandard, 0);
            other.LoadCard(variant, k.board, k.nameBase, k.ioStandard, 0);
            ExpectSameEntries(one, other);
        }
    }
}

}  // namespace gpio_default_test
