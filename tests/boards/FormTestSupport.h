// What the end-to-end tests of the board forms share: the real main form
// hosting one board form, default.cfg set up before the form opens, the
// project dialog answered, and the files on disk read back and compiled.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/UnitMain.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

const char* const kSuccessBox = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";

inline int CountOf(const std::string& text, const std::string& what)
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

// The source folder, from where this file lies in it.
inline std::string SourceFolder()
{
    const std::string file = __FILE__;
    return file.substr(0, file.rfind("tests/boards/"));
}

// The balls of a .qsf given to more than one signal.
inline std::set<std::string> RepeatedQsfBalls(const std::string& qsf)
{
    std::map<std::string, int> uses;
    for (const std::string& line : SplitCrLf(qsf)) {
        const std::string head = "set_location_assignment PIN_";
        if (line.compare(0, head.size(), head) != 0) continue;
        ++uses[UpperCase(line.substr(head.size(), line.find(' ', head.size()) - head.size()))];
    }
    std::set<std::string> repeated;
    for (const auto& [ball, count] : uses)
        if (count > 1) repeated.insert(ball);
    return repeated;
}

// A fixture whose main form hosts the board form of one id, with the
// executable (and so default.cfg) in a fresh folder.
template <class F>
class BoardFormTest : public ::testing::Test {
protected:
    BoardFormTest(uint8_t boardId, const std::string& folderWord) : m_BoardId(boardId), m_FolderWord(folderWord) {}

    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
        SetScreenSizeForTesting(1280, 1024);
        seam.AddResource("EXT_PLL_CTRL_VERILOG", ReadFile(SourceFolder() + "resources/verilog/EXT_PLL_CTRL.v"));
    }
    void TearDown() override
    {
        main.reset();
        SetExecutablePathForTesting("");
        SetScreenSizeForTesting(0, 0);
    }

    std::string DefaultCfg() const { return folder.Path() + "default.cfg"; }

    // Opens the board's form; default.cfg holds the given bytes (none: no file).
    F* Open(const std::string* defaultCfg = nullptr)
    {
        if (!main) {
            main = std::make_unique<TFormMain>(nullptr);
            main->CloseBoardForms();
        }
        std::filesystem::remove(DefaultCfg());
        if (defaultCfg) WriteFile(DefaultCfg(), *defaultCfg);
        main->OpenBoardForm(m_BoardId);
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // Opens the board's form again, with default.cfg as the last form left it.
    F* Reopen()
    {
        main->OpenBoardForm(m_BoardId);
        return dynamic_cast<F*>(main->BoardForm());
    }
    template <class X_CONFIG>
    F* OpenWith(const X_CONFIG& record)
    {
        const std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
        return Open(&bytes);
    }

    std::string ProjectFolder(const std::string& name) const
    {
        return folder.Path() + "CodeGenerated/" + m_FolderWord + "/" + name + "/";
    }
    // Names the project, presses Generate and answers the project dialog
    // with <name>.qpf in the proposed folder; returns the folder.
    std::string Generate(F* form, const std::string& name)
    {
        if (form->EditProjectName->Text() != name) UserType(form->EditProjectName, name);
        seam.boxes.clear();
        seam.dialogs.clear();
        seam.AnswerNextDialog(ProjectFolder(name) + name + ".qpf");
        UserClick(form->ButtonGen);
        return ProjectFolder(name);
    }
    std::string ProjectFile(const std::string& name, const char* extension) const
    {
        return ReadFile(ProjectFolder(name) + name + extension);
    }
    // The top level with the IP files of the project compiles with
    // `default_nettype none, so a port a block uses but nobody declared fails.
    void ExpectVerilogCompiles(const std::string& name, const std::vector<std::string>& ipFiles = {})
    {
        const std::string strict = folder.Path() + "nettype.v";
        WriteFile(strict, "`default_nettype none\n");
        std::vector<std::string> files = {strict, ProjectFolder(name) + name + ".v"};
        for (const std::string& ip : ipFiles) files.push_back(ProjectFolder(name) + ip);
        std::string log;
        EXPECT_TRUE(CompileVerilog(files, name, log)) << log;
    }
    // Saves the form's settings through "Save Setting..." and reads them back.
    template <class X_CONFIG>
    X_CONFIG Saved(F* form)
    {
        const std::string path = folder.Path() + "saved.cfg";
        seam.AnswerNextDialog(path);
        UserClick(form->ButtonSave);
        X_CONFIG record{};
        const std::string bytes = ReadFile(path);
        EXPECT_EQ(bytes.size(), sizeof record);
        if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }
    // Loads a file through "Load Setting...".
    void Load(F* form, const std::string& bytes)
    {
        const std::string path = folder.Path() + "load.cfg";
        WriteFile(path, bytes);
        seam.AnswerNextDialog(path);
        UserClick(form->ButtonLoad);
    }

    SeamRecorder seam;
    TempFolder folder;
    std::unique_ptr<TFormMain> main;

private:
    uint8_t m_BoardId;
    std::string m_FolderWord;
};
