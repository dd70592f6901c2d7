// What the end-to-end tests of the family's board forms share: the real main
// form hosts the board's form, the test answers the dialogs, and reads what
// the generation wrote on disk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/UnitMain.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace socform {

inline const char* const kSuccess =
    "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
inline const char* const kHpsWarning =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease "
    "add the Altera HPS IP to your design.\r\n";

inline int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

inline bool HasLine(const std::string& text, const std::string& line)
{
    const auto lines = SplitCrLf(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every location of a .qsf is given to one signal only.
inline void ExpectEachBallOnce(const std::string& qsf)
{
    std::map<std::string, std::string> owner;
    const std::string head = "set_location_assignment PIN_";
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.rfind(head, 0) != 0) continue;
        const size_t to = line.find(" -to ");
        const std::string ball = line.substr(head.size(), to - head.size());
        const auto [it, fresh] = owner.emplace(ball, line.substr(to + 5));
        EXPECT_TRUE(fresh) << ball << " is given to " << it->second << " and " << line.substr(to + 5);
    }
}

}  // namespace socform

// The form of board Id, opened in the main form, whose projects go under
// CodeGenerated/<Word>/.
template <class TFormX, uint8_t Id>
class SocFormTest : public ::testing::Test {
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

    // Opens the form with default.cfg holding the given bytes (none: no file).
    // The start-up board goes first, leaving its own default.cfg behind.
    TFormX* Open(const std::string& defaultCfg = "")
    {
        main = std::make_unique<TFormMain>(nullptr);
        main->CloseBoardForms();
        const std::string path = folder.Path() + "default.cfg";
        std::remove(path.c_str());
        if (!defaultCfg.empty()) WriteFile(path, defaultCfg);
        main->OpenBoardForm(Id);
        auto* form = dynamic_cast<TFormX*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // The folder that the project dialog proposes for a project name.
    std::string ProjectFolder(const std::string& word, const std::string& name) const
    {
        return folder.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }
    // Presses Generate, answering the project dialog with <name>.qpf in the
    // proposed folder of the form's current project name; returns that path.
    std::string Generate(TFormX* form, const std::string& word, const std::string& name)
    {
        seam.boxes.clear();
        seam.dialogs.clear();
        const std::string path = ProjectFolder(word, form->EditProjectName->Text()) + name + ".qpf";
        seam.AnswerNextDialog(path);
        UserClick(form->ButtonGen);
        return path;
    }
    // Verilog top levels (of distinct module names, each named after its
    // file) compile together with Icarus Verilog, with implicit nets turned
    // off, and lint clean with Verilator.
    void ExpectVerilogCompiles(const std::vector<std::string>& qpfPaths)
    {
        TempFolder work;
        WriteFile(work.Path() + "nettype.v", "`default_nettype none\n");
        std::string iverilog = "iverilog -g2005 -Wall -o '" + work.Path() + "a.out' '" + work.Path() + "nettype.v'";
        std::string verilator = "verilator --lint-only -Wall -Wno-UNDRIVEN -Wno-UNUSED -Wno-DECLFILENAME -Wno-MULTITOP";
        for (const std::string& path : qpfPaths) {
            const std::string file = ChangeFileExt(path, ".v");
            iverilog += " -s '" + ChangeFileExt(ExtractFileName(path), "") + "' '" + file + "'";
            verilator += " '" + file + "'";
        }
        std::string log;
        EXPECT_EQ(RunCommand(iverilog, log), 0) << log;
        EXPECT_EQ(RunCommand(verilator, log), 0) << log;
    }
    void ExpectVerilogCompiles(const std::string& qpfPath) { ExpectVerilogCompiles(std::vector<std::string>{qpfPath}); }
    // VHDL top levels (of distinct entity names) analyse together with GHDL.
    void ExpectVhdlAnalyses(const std::vector<std::string>& qpfPaths)
    {
        TempFolder work;
        std::string ghdl = "ghdl -a --std=08 --workdir='" + work.Path() + "'";
        for (const std::string& path : qpfPaths) ghdl += " '" + ChangeFileExt(path, ".vhd") + "'";
        std::string log;
        EXPECT_EQ(RunCommand(ghdl, log), 0) << log;
    }
    // Saves the settings into a file of the folder; returns its bytes.
    std::string Save(TFormX* form, const std::string& name)
    {
        seam.AnswerNextDialog(folder.Path() + name);
        UserClick(form->ButtonSave);
        return ReadFile(folder.Path() + name);
    }
    void Load(TFormX* form, const std::string& name)
    {
        seam.AnswerNextDialog(folder.Path() + name);
        UserClick(form->ButtonLoad);
    }

    SeamRecorder seam;
    TempFolder folder;
    std::unique_ptr<TFormMain> main;
};
