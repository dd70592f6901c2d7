// The board forms end to end: the real main form hosts a board form, the
// test answers the dialogs, and checks the boxes and the files on disk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/UnitMain.h"
#include "boards/frame/BoardFormFrame.h"
#include "platform/FormsTesting.h"
#include "platform/qt/NamedResources.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/support/ProgramResources.h"
#include "tests/support/ProjectText.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace form_test {

// Compiles every .v file of a project folder with `default_nettype none`
// before them, so that a port a block uses but nobody declared is an error.
inline void ExpectProjectCompiles(const std::string& folder, const std::string& top)
{
    TempFolder work;
    std::vector<std::string> files = {work.Path() + "nettype.v"};
    WriteFile(files[0], "`default_nettype none\n");
    for (const std::string& name : VerilogFilesIn(folder)) files.push_back(folder + name);
    std::string log;
    EXPECT_TRUE(CompileVerilog(files, top, log)) << log;
}

// The main form of the program with one board form hosted in it.
class BoardFormTest : public HostedFormTest {
protected:
    void SetUp() override
    {
        ServeProgramResources(seam, {"EXT_PLL_CTRL_VERILOG"});
        HostedFormTest::SetUp();
    }

    // Hosts the board's form (the form it replaces writes its own
    // default.cfg, of another size, which is then removed).
    template <class F>
    F* Open(uint8_t id)
    {
        main->OpenBoardForm(id);
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        std::filesystem::remove(folder.Path() + "default.cfg");
        seam.boxes.clear();
        seam.dialogs.clear();
        return form;
    }
    // Names the project, presses Generate and answers the project dialog
    // with <name>.qpf in the proposed folder; returns the folder.
    std::string Generate(TFrameBoardForm* form, const std::string& name)
    {
        if (form->EditProjectName->Text() != name) UserType(form->EditProjectName, name);
        seam.boxes.clear();
        seam.dialogs.clear();
        seam.AnswerNextDialog(ProjectFolder(form->Row().FolderWord, name) + name + ".qpf");
        UserClick(form->ButtonGen);
        return ProjectFolder(form->Row().FolderWord, name);
    }
    std::string DefaultConfig() const { return folder.Path() + "default.cfg"; }
};

}  // namespace form_test
