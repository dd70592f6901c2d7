// Crafted settings files through every board form's own "Load Setting", each
// then generated: random bytes, every field at its extremes, texts without a
// terminating zero, records of other boards and files of the wrong size. No
// fault may show (a failed invariant, an escaped exception, a crash), every
// combo box must show one of its items, and a load that fails must leave the
// form's settings as they were.
#include <gtest/gtest.h>

#include <map>

#include "tests/sweep/CraftedRecords.h"
#include "tests/sweep/SweepDriver.h"

namespace crafted_settings_test {

namespace {

using sweep::TSweepSession;

class CraftedSettings : public ::testing::TestWithParam<TBoardFormSlot> {
protected:
    // A file that cannot be a record of the form leaves its settings, shown
    // and held, as they were.
    void ExpectRefused(const std::string& what, const std::string& bytes)
    {
        const std::string shown = sweep::DescribeSettings(*session.Form());
        const std::string held = session.Save();
        session.seam.boxes.clear();
        session.Load(bytes);
        EXPECT_EQ(sweep::DescribeSettings(*session.Form()), shown) << what;
        EXPECT_EQ(session.Save(), held) << what;
        EXPECT_EQ(sweep::FaultTexts(session.seam), std::vector<std::string>{}) << what;
    }

    TSweepSession session;
};

TEST_P(CraftedSettings, LoadAndGenerateWithoutAFault)
{
    const TBoardFormSlot& slot = GetParam();
    if (!slot.Create) {
        GTEST_SKIP() << slot.ClassName << " (board " << int(slot.Id) << "): its form is not in this build";
    }
    if (sweep::IsPlaceholder(slot.Id)) {
        GTEST_SKIP() << slot.ClassName << " has no settings";
    }
    ASSERT_NE(session.ChangeBoard(slot.Id), nullptr);
    const std::string defaults = session.Save();
    ASSERT_FALSE(defaults.empty()) << "the defaults of " << slot.ClassName << " could not be saved";

    const std::vector<sweep::TCraftedRecord> records = sweep::CraftedRecords(defaults, slot.Id);
    EXPECT_GE(records.size(), 200u);
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(session.LoadAndGenerate(records[i].bytes), std::vector<std::string>{}) << records[i].what;
        // Every so often, a file of the wrong size on top of what is shown.
        if (i % 8 == 0) {
            const std::vector<std::string> wrong = sweep::WrongSizes(records[i].bytes);
            ExpectRefused(records[i].what + ", then a file of the wrong size", wrong[(i / 8) % wrong.size()]);
        }
        if (HasFailure()) break;
    }
    // Most records get past the form's checks, so that the generation itself
    // sees them.
    RecordProperty("projects", session.generated);
    EXPECT_GT(static_cast<size_t>(session.generated), records.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, CraftedSettings, ::testing::ValuesIn(BoardFormSlots()),
                         [](const ::testing::TestParamInfo<TBoardFormSlot>& info) {
                             return sweep::BoardName(info.param);
                         });

// The records of other boards whose size equals a board's own, through the
// board's form: each form's defaults, saved, loaded into every other form
// with a record of that size.
TEST(CraftedSettingsAcrossBoards, RecordsOfOtherBoardsOfTheSameSize)
{
    TSweepSession session;
    std::map<uint8_t, std::string> defaults;
    for (const TBoardFormSlot& slot : BoardFormSlots()) {
        if (!slot.Create || sweep::IsPlaceholder(slot.Id)) continue;
        ASSERT_NE(session.ChangeBoard(slot.Id), nullptr) << slot.ClassName;
        defaults[slot.Id] = session.Save();
    }
    int pairs = 0;
    for (const auto& [board, own] : defaults) {
        std::vector<std::pair<uint8_t, const std::string*>> foreign;
        for (const auto& [other, record] : defaults)
            if (other != board && record.size() == own.size()) foreign.emplace_back(other, &record);
        if (foreign.empty()) continue;
        ASSERT_NE(session.ChangeBoard(board), nullptr);
        for (const auto& [other, record] : foreign) {
            const std::string what = "board " + std::to_string(board) + " with the record of board " +
                                     std::to_string(other);
            EXPECT_EQ(session.LoadAndGenerate(*record), std::vector<std::string>{}) << what;
            ++pairs;
        }
    }
    RecordProperty("pairs", pairs);
}

}  // namespace

}  // namespace crafted_settings_test
