// What the end-to-end tests of the configuration-object forms share: the
// real main form hosts a board form, the test answers the dialogs and the
// questions, and reads what the generation wrote on disk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/UI_Selector.h"
#include "app/UnitMain.h"
#include "boards/frame/BoardFormFrame.h"
#include "platform/FormsTesting.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

// A name (or prefix) that Generate refuses with its box, before any dialog;
// "Save Setting" refuses it only when the project name is empty, and
// otherwise goes on to its settings dialog (left unanswered here).
inline void ExpectRefusedByGenerateOnly(SeamRecorder& seam, TButton* generate, TButton* save, bool emptyName,
                                        const std::string& message)
{
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(generate);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{message});
    EXPECT_TRUE(seam.dialogs.empty());
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(save);
    EXPECT_EQ(seam.ErrorTexts(), emptyName ? std::vector<std::string>{message} : std::vector<std::string>{});
    EXPECT_EQ(seam.dialogs.size(), emptyName ? 0u : 1u);
}

// Clicks a form's "Change Main Board" and delivers what it posts; true when
// the board selector came up. The selector is cancelled, so the form stays.
inline bool BoardChangeShowsTheSelector(TButton* change)
{
    bool shown = false, failed = false;
    WhenModalShows(
        [&shown](TForm& form) {
            auto* selector = dynamic_cast<TFormBoardSelector*>(&form);
            shown = selector != nullptr;
            if (selector) UserClick(selector->ButtonCancel);
        },
        &failed);
    UserClick(change);
    DeliverPostedMessages();
    EXPECT_FALSE(failed);
    return shown;
}

// The executable lies in a temporary folder (where default.cfg and the
// generated projects go) on a 1280 x 1024 screen; a fixture that derives
// makes the main form when its forms need it.
class HostedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
        SetScreenSizeForTesting(1280, 1024);
    }
    void TearDown() override
    {
        main.reset();
        SetExecutablePathForTesting("");
        SetScreenSizeForTesting(0, 0);
    }
    // The folder that the project dialog proposes for a project name of the
    // board whose projects go under CodeGenerated/<word>/.
    std::string ProjectFolder(const std::string& word, const std::string& name) const
    {
        return folder.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }

    SeamRecorder seam;
    TempFolder folder;
    std::unique_ptr<TFormMain> main;
};

// The same with the main form made at set-up.
class HostedFormTest : public HostedFolderTest {
protected:
    void SetUp() override
    {
        HostedFolderTest::SetUp();
        main = std::make_unique<TFormMain>(nullptr);
    }

    template <class F>
    F* Open(uint8_t id)
    {
        main->OpenBoardForm(id);
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // Presses Generate, answering the project dialog with <name>.qpf in the
    // proposed folder and the questions as given; returns the folder.
    std::string Generate(TFrameBoardForm* form, const std::string& word, const std::string& name,
                         std::initializer_list<bool> answers = {})
    {
        seam.boxes.clear();
        seam.dialogs.clear();
        for (bool yes : answers) seam.yesNoAnswers.push_back(yes);
        seam.AnswerNextDialog(ProjectFolder(word, name) + name + ".qpf");
        UserClick(form->Find<TButton>("ButtonGen"));
        seam.dialogAnswers.clear();
        return ProjectFolder(word, name);
    }
    // The same under the form's project name.
    std::string GenerateProject(TFrameBoardForm* form, const std::string& word,
                                std::initializer_list<bool> answers = {})
    {
        return Generate(form, word, form->EditProjectName->Text(), answers);
    }
    // default.cfg as the next form finds it (the form shown now writes its
    // own when it goes away, so it goes first).
    void WriteDefault(const std::string& bytes)
    {
        main->CloseBoardForms();
        WriteFile(folder.Path() + "default.cfg", bytes);
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : seam.boxes) texts.push_back(box.text);
        return texts;
    }
    // Compiles <projectFolder><name>.v with every file of the IP sub-folder,
    // `default_nettype none` first.
    void ExpectCompiles(const std::string& projectFolder, const std::string& name, const std::string& ipFolder)
    {
        std::vector<std::string> files = {folder.Path() + "nettype.v", projectFolder + name + ".v"};
        WriteFile(files[0], "`default_nettype none\n");
        for (const std::string& file : FilesIn(projectFolder + ipFolder)) files.push_back(projectFolder + ipFolder + "/" + file);
        std::string log;
        EXPECT_TRUE(CompileVerilog(files, "", log)) << log;
    }
};
