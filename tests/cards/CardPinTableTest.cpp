// The table form the pin maps are written in.
#include <gtest/gtest.h>

#include "cards/CardPinTable.h"
#include "model/DaughterBoard.h"
#include "tests/support/SeamRecorder.h"

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

    // A sheet placed without a table standard needs one on every row.
    SeamRecorder seam;
    card_table::PinSheet sheet(3);
    EXPECT_THROW(sheet.PlaceRows(rows), InvariantFailure);
}
