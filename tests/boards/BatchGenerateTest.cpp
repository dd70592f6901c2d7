// Batch generation apart from any form: the project names it makes, and the
// order in which it drives a form, with a scripted form standing in.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "boards/BatchGenerate.h"
#include "model/Names.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace batch_generate_test {

namespace {

// The 40-pin list of the one-header boards, item 0 "None" first.
const std::vector<uint8_t> kGpio40List = {0, 1, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87};

// A form that records what the batch asks of it.
class ScriptedForm : public TBatchTarget {
public:
    std::string answer;     // the project dialog's answer
    int failAt = 0;         // the item whose project fails (0: none)
    int throwAt = 0;        // the item whose project throws (0: none)
    std::vector<std::string> calls;
    std::string shownName = "START";

    std::string AskBatchProjectFile() override
    {
        calls.push_back("ask");
        return answer;
    }
    void SaveBatchControls() override { calls.push_back("save"); }
    void RestoreBatchControls() override
    {
        calls.push_back("restore");
        shownName = "START";
    }
    void ShowBatchItem(int item, const std::string& projectName) override
    {
        calls.push_back("show " + std::to_string(item) + " " + projectName);
        shownName = projectName;
        m_Item = item;
    }
    bool GenerateBatchProject(const std::string& qpfPath) override
    {
        calls.push_back("generate " + qpfPath);
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(qpfPath).parent_path())) << qpfPath;
        if (m_Item == throwAt) throw std::runtime_error("broken run");
        return m_Item != failAt;
    }

private:
    int m_Item = 0;
};

}  // namespace

TEST(BatchProjectNames, FollowTheProjectNameRule)
{
    // The cards of the 40-pin list with the names their short names give.
    const TBatchRule rule{.NamePattern = "MIRRENDALE_GPIO_%s", .Beep = true};
    const std::vector<std::pair<uint8_t, std::string>> expected = {
        {1, "MIRRENDALE_GPIO_GPIO_Default"},
        {12, "MIRRENDALE_GPIO_Ivrel"},
        {13, "MIRRENDALE_GPIO_Kember"},
        {55, "MIRRENDALE_GPIO_Sarnel"},
        {62, "MIRRENDALE_GPIO_Brevik"},
        {63, "MIRRENDALE_GPIO_Tamsil"},
        {66, "MIRRENDALE_GPIO_Servo_Motor_Kit"},
        {67, "MIRRENDALE_GPIO_RF_and_Sensor"},
        {68, "MIRRENDALE_GPIO_RF_and_Sensor_68"},  // the same short name as card 67
        {69, "MIRRENDALE_GPIO_RISC_V"},
        {76, "MIRRENDALE_GPIO_Jusk_GPIO"},
        {85, "MIRRENDALE_GPIO_GPIO_Default_2_5V"},
        {86, "MIRRENDALE_GPIO_GPIO_Default_1_8V"},
        {87, "MIRRENDALE_GPIO_GPIO_Default_1_5V"},
    };
    std::vector<std::string> made;
    for (const auto& [card, name] : expected) EXPECT_EQ(MakeBatchProjectName(rule, card, made), name) << int(card);
    EXPECT_EQ(made.size(), expected.size());
    // Every name a batch makes, for every GPIO card a list can offer, is a legal project name.
    for (const char* pattern : {"MIRRENDALE_GPIO_%s", "WYNDHOLT_GPIO_%s", "VANTREMERE_GPIO_%s"}) {
        std::vector<std::string> all;
        for (int card = 1; card <= 88; ++card) {
            const DaughterId id = static_cast<DaughterId>(card);
            const ConnectorType type = GetCardConnectorType(id);
            if (!IsCardOffered(id) || (type != CONNECTOR_GPIO40 && type != CONNECTOR_GPIO80)) continue;
            const std::string name = MakeBatchProjectName({.NamePattern = pattern}, id, all);
            EXPECT_TRUE(IsLegalProjectName(name)) << name;
        }
    }
}

TEST(BatchProjectNames, RunsOfOddCharactersTrailingUnderscoresAndCaseClashes)
{
    std::vector<std::string> made;
    // Card 11's short name is "Culm": the pattern's own characters follow the rule too.
    EXPECT_EQ(MakeBatchProjectName({.NamePattern = "A -._%s.. "}, 11, made), "A_Culm");
    EXPECT_EQ(MakeBatchProjectName({.NamePattern = "a_%s"}, 11, made), "a_Culm_11");
    EXPECT_EQ(MakeBatchProjectName({.NamePattern = "A_%s__"}, 11, made), "A_Culm_11_11");
}

class BatchRun : public ::testing::Test {
protected:
    SeamRecorder seam;
    TempFolder folder;
    ScriptedForm form;
    const TBatchRule rule{.NamePattern = "WYNDHOLT_GPIO_%s", .Beep = true};
};

TEST_F(BatchRun, WritesOneProjectPerCardAfterNoneAndPutsTheControlsBack)
{
    form.answer = folder.Path() + "chosen/PROJECT.qpf";
    const std::vector<uint8_t> cards = {0, 1, 11, 67, 68};
    EXPECT_TRUE(RunBatchGeneration(form, rule, cards));
    const std::string root = folder.Path() + "chosen/";
    const std::vector<std::string> expected = {
        "save",
        "ask",
        "show 1 WYNDHOLT_GPIO_GPIO_Default",
        "generate " + root + "WYNDHOLT_GPIO_GPIO_Default/WYNDHOLT_GPIO_GPIO_Default.qpf",
        "show 2 WYNDHOLT_GPIO_Culm",
        "generate " + root + "WYNDHOLT_GPIO_Culm/WYNDHOLT_GPIO_Culm.qpf",
        "show 3 WYNDHOLT_GPIO_RF_and_Sensor",
        "generate " + root + "WYNDHOLT_GPIO_RF_and_Sensor/WYNDHOLT_GPIO_RF_and_Sensor.qpf",
        "show 4 WYNDHOLT_GPIO_RF_and_Sensor_68",
        "generate " + root + "WYNDHOLT_GPIO_RF_and_Sensor_68/WYNDHOLT_GPIO_RF_and_Sensor_68.qpf",
        "restore",
    };
    EXPECT_EQ(form.calls, expected);
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form.shownName, "START");
}

TEST_F(BatchRun, ACancelledDialogEndsTheBatchSilently)
{
    form.answer = "";
    EXPECT_FALSE(RunBatchGeneration(form, rule, kGpio40List));
    EXPECT_EQ(form.calls, (std::vector<std::string>{"save", "ask"}));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form.shownName, "START");
}

TEST_F(BatchRun, AFailedProjectStopsTheBatchWithoutABoxOfItsOwn)
{
    form.answer = folder.Path() + "root/x.qpf";
    form.failAt = 3;
    EXPECT_FALSE(RunBatchGeneration(form, {.NamePattern = "MIRRENDALE_GPIO_%s"}, kGpio40List));
    int generated = 0;
    for (const std::string& call : form.calls) generated += call.rfind("generate ", 0) == 0;
    EXPECT_EQ(generated, 3);
    EXPECT_EQ(form.calls.back(), "restore");
    EXPECT_TRUE(seam.boxes.empty());  // the generation run here shows none
    EXPECT_EQ(seam.beeps, 0);  // this rule has no beep
    // The folders of the projects not reached are not made.
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() + "root/MIRRENDALE_GPIO_Kember"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "root/MIRRENDALE_GPIO_Sarnel"));
}

TEST_F(BatchRun, AnExceptionInARunStillPutsTheControlsBack)
{
    form.answer = folder.Path() + "x.qpf";
    form.throwAt = 2;
    EXPECT_THROW(RunBatchGeneration(form, rule, kGpio40List), std::runtime_error);
    EXPECT_EQ(form.calls.back(), "restore");
    EXPECT_EQ(form.shownName, "START");
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(BatchRun, AListWithNothingToWalkOnlyBeepsAndAsks)
{
    for (const std::vector<uint8_t>& cards : {std::vector<uint8_t>{}, std::vector<uint8_t>{0}}) {
        form.calls.clear();
        form.answer = folder.Path() + "x.qpf";
        EXPECT_TRUE(RunBatchGeneration(form, rule, cards));
        EXPECT_EQ(form.calls, (std::vector<std::string>{"save", "ask", "restore"}));
    }
    EXPECT_EQ(seam.beeps, 2);
    EXPECT_TRUE(seam.boxes.empty());
}

// A batch over two lists, the first from "None": one beep and one dialog,
// then each list in turn after its pass is announced; a failure in the first
// list ends the batch before the second.
TEST_F(BatchRun, PassesWalkTheirListsInTurn)
{
    class PassForm : public ScriptedForm {
    public:
        void BeginBatchPass(int pass) override { calls.push_back("pass " + std::to_string(pass)); }
    } passes;
    const std::vector<uint8_t> hsmc = {0, 2};
    const std::vector<uint8_t> gpio = {0, 1, 12};
    const TBatchPass list[] = {{.NamePattern = "IVENHOLD_HSMC_%s", .Cards = hsmc, .FirstItem = 0},
                               {.NamePattern = "IVENHOLD_GPIO_%s", .Cards = gpio, .FirstItem = 1}};
    passes.answer = folder.Path() + "b/x.qpf";
    passes.failAt = passes.throwAt = -1;  // item 0 is walked here
    EXPECT_TRUE(RunBatchPasses(passes, true, list));
    const std::string root = folder.Path() + "b/";
    EXPECT_EQ(passes.calls, (std::vector<std::string>{
                                "save",
                                "ask",
                                "pass 0",
                                "show 0 IVENHOLD_HSMC_None",
                                "generate " + root + "IVENHOLD_HSMC_None/IVENHOLD_HSMC_None.qpf",
                                "show 1 IVENHOLD_HSMC_HSMC_Default",
                                "generate " + root + "IVENHOLD_HSMC_HSMC_Default/IVENHOLD_HSMC_HSMC_Default.qpf",
                                "pass 1",
                                "show 1 IVENHOLD_GPIO_GPIO_Default",
                                "generate " + root + "IVENHOLD_GPIO_GPIO_Default/IVENHOLD_GPIO_GPIO_Default.qpf",
                                "show 2 IVENHOLD_GPIO_Ivrel",
                                "generate " + root + "IVENHOLD_GPIO_Ivrel/IVENHOLD_GPIO_Ivrel.qpf",
                                "restore",
                            }));
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());

    passes.calls.clear();
    passes.failAt = 1;  // the HSMC Default project
    EXPECT_FALSE(RunBatchPasses(passes, false, list));
    EXPECT_EQ(passes.calls.size(), 8u);
    EXPECT_EQ(passes.calls[6], "generate " + root + "IVENHOLD_HSMC_HSMC_Default/IVENHOLD_HSMC_HSMC_Default.qpf");
    EXPECT_EQ(passes.calls.back(), "restore");
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(BatchKey, IsTheLeftCtrlKey)
{
    SeamRecorder seam;
    EXPECT_FALSE(IsBatchKeyHeld());
    seam.ctrlDown = true;
    EXPECT_TRUE(IsBatchKeyHeld());
}

}  // namespace batch_generate_test
