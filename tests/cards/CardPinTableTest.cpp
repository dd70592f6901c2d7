// The table form the pin maps are written in.
#include <gtest/gtest.h>

#include "cards/CardPinTable.h"
#include "model/DaughterBoard.h"
#include "tests/cards/CardMapCheck.h"
#include "tests/support/SeamRecorder.h"

namespace card_pin_table_test {

TEST(CardPinTable, ExpandsListsAndRangesInBothDirections)
{
    EXPECT_EQ(card_table::ExpandNumberList("7"), (std::vector<int>{7}));
    EXPECT_EQ(card_table::ExpandNumberList("2, 4-7, 11-9"), (std::vector<int>{2, 4, 5, 6, 7, 11, 10, 9}));
    EXPECT_EQ(card_table::ExpandNumberList("13, 12, 11, 9"), (std::vector<int>{13, 12, 11, 9}));
}

TEST(CardPinTable, FillsEveryPositionInOrder)
{
    const CardPinRow rows[] = {
        {"5", "CLK", nullptr, PIN_DIR_OUTPUT},
        {"1, 3-4", "D", "2, 0, 1", PIN_DIR_INPUT},
    };
    TDaughterBoard c;
    AddCardPinTable(&c, 6, rows, 3);
    ASSERT_EQ(c.GetPinCount(), 6);
    EXPECT_EQ(c.GetPin(0)->GetName(), "D[2]");
    EXPECT_EQ(c.GetPin(1), nullptr);
    EXPECT_EQ(c.GetPin(2)->GetName(), "D[0]");
    EXPECT_EQ(c.GetPin(3)->GetName(), "D[1]");
    EXPECT_EQ(c.GetPin(4)->GetName(), "CLK");
    EXPECT_EQ(c.GetPin(4)->GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(c.GetPin(4)->GetPinIndex(), 5);
    EXPECT_EQ(c.GetPin(4)->GetIoStandard(), 3);
    EXPECT_EQ(c.GetPin(5), nullptr);
}

TEST(CardPinTable, MistakesInATableAreCaught)
{
    SeamRecorder seam;
    const CardPinRow tooFewElements[] = {{"1-4", "D", "0-2", PIN_DIR_INOUT}};
    const CardPinRow twice[] = {{"1-4", "D", "0-3", PIN_DIR_INOUT}, {"4", "E", nullptr, PIN_DIR_INOUT}};
    const CardPinRow outside[] = {{"9", "E", nullptr, PIN_DIR_INOUT}};
    const CardPinRow runWithoutElements[] = {{"1-2", "E", nullptr, PIN_DIR_INOUT}};
    const CardPinRow notANumber[] = {{"1, x", "E", "0-1", PIN_DIR_INOUT}};
    TDaughterBoard c;
    EXPECT_THROW(AddCardPinTable(&c, 8, tooFewElements, 8), InvariantFailure);
    EXPECT_THROW(AddCardPinTable(&c, 8, twice, 8), InvariantFailure);
    EXPECT_THROW(AddCardPinTable(&c, 8, outside, 8), InvariantFailure);
    EXPECT_THROW(AddCardPinTable(&c, 8, runWithoutElements, 8), InvariantFailure);
    EXPECT_THROW(AddCardPinTable(&c, 8, notANumber, 8), InvariantFailure);
    EXPECT_EQ(c.GetPinCount(), 0);
}

TEST(CardPinTable, RowsMayCarryAStandardOfTheirOwn)
{
    const CardPinRow rows[] = {
        {"1", "CLK", nullptr, PIN_DIR_OUTPUT, 16},
        {"2-3", "D", "0-1", PIN_DIR_INOUT},
    };
    TDaughterBoard c;
    AddCardPinTable(&c, 3, rows, 31);
    EXPECT_EQ(c.GetPin(0)->GetIoStandard(), 16);
    EXPECT_EQ(c.GetPin(1)->GetIoStandard(), 31);
    EXPECT_EQ(c.GetPin(2)->GetIoStandard(), 31);

    // A table placed without an I/O-standard argument needs a code on every row.
    SeamRecorder seam;
    EXPECT_THROW(CardPinTable(3).Add(rows), InvariantFailure);
}

// A map with three I/O-standard arguments, rows replaced and renamed, a
// position cleared, single signals placed by name, names rewritten.
TEST(CardPinTable, BuildsAMapStepByStep)
{
    using namespace card_dir;
    const CardPinRow rows[] = {
        {"1, 2", "RX_p%d", "0, 1", In, card_io::Arg2},
        {"3, 4", "TX", "1-0", Out},
        {"5", "SCL", nullptr, Out, card_io::Arg3},
        {"6", "SDA", nullptr, Inout, 16},
    };
    const CardPinRow replacement[] = {{"4", "TX_N%d_p", "7", Inout, card_io::Arg3}};
    const CardPinName names[] = {{5, "I2C_SCL"}};
    TDaughterBoard c;
    CardPinTable(8, {3, 21, 6})
        .Add(rows)
        .Replace(replacement)
        .Rename(names)
        .Clear("1")
        .Add(8, "clk", Out, 40)
        .Add(7, "Rst", In, card_io::Arg)
        .RenameAll([](const std::string& name) { return name == "Rst" ? std::string("RST_n") : name; })
        .AppendTo(&c);
    ExpectPins(c, {{2, "RX_p1", kIn, 21},
                   {3, "TX[1]", kOut, 3},
                   {4, "TX_N7_p", kInout, 6},
                   {5, "I2C_SCL", kOut, 6},
                   {6, "SDA", kInout, 16},
                   {7, "RST_n", kIn, 3},
                   {8, "clk", kOut, 40}});
    EXPECT_EQ(c.GetPinCount(), 8);
    EXPECT_EQ(c.GetPin(0), nullptr);
}

TEST(CardPinTable, MistakesInBuildingAreCaught)
{
    SeamRecorder seam;
    const CardPinRow rows[] = {{"1-2", "D", "0-1", PIN_DIR_INOUT}};
    const CardPinRow atEmpty[] = {{"3", "E", nullptr, PIN_DIR_INOUT}};
    const CardPinRow thirdArgument[] = {{"3", "E", nullptr, PIN_DIR_INOUT, card_io::Arg3}};
    const CardPinRow notACode[] = {{"3", "E", nullptr, PIN_DIR_INOUT, IO_STD_COUNT}};
    const CardPinName renameEmpty[] = {{3, "E"}};
    EXPECT_THROW(CardPinTable(3, {8}).Add(rows).Replace(atEmpty), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8, 6}).Add(thirdArgument), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8}).Add(notACode), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8}).Add(rows).Rename(renameEmpty), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8}).Add(rows).Add(2, "E", PIN_DIR_INOUT, 8), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8}).Add(4, "E", PIN_DIR_INOUT, 8), InvariantFailure);
    EXPECT_THROW(CardPinTable(3, {8}).Clear("0"), InvariantFailure);
}

}  // namespace card_pin_table_test
