// The forms of Nethercoy, Norvelle, Osterlin and Marlowen end to end: the
// real main form hosts them, the test answers the dialogs, and checks the
// records and the files on disk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/UnitMain.h"
#include "boards/frame/BoardFormFrame.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace tavrelhsmc {

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

// The signal a ball is given to in a .qsf ("" when none).
inline std::string SignalAt(const std::string& qsf, const std::string& ball)
{
    const std::string head = "set_location_assignment PIN_" + ball + " -to ";
    for (const std::string& line : SplitCrLf(qsf))
        if (line.rfind(head, 0) == 0) return line.substr(head.size());
    return "";
}

// The I/O standard of a signal in a .qsf ("" when it has none).
inline std::string StandardOf(const std::string& qsf, const std::string& signal)
{
    const std::string head = "set_instance_assignment -name IO_STANDARD \"";
    const std::string tail = "\" -to " + signal;
    for (const std::string& line : SplitCrLf(qsf))
        if (line.rfind(head, 0) == 0 && line.size() > tail.size() &&
            line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
            return line.substr(head.size(), line.size() - head.size() - tail.size());
    return "";
}

// The board block: what stands between the output folder line and the
// first pin block.
inline std::string BoardBlock(const std::string& qsf)
{
    const std::string after = "set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n";
    const size_t from = qsf.find(after);
    if (from == std::string::npos) return "<no output folder line>";
    const size_t start = from + after.size();
    const size_t end = qsf.find("\r\n#=====", start);
    return qsf.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// No ball is given to two signals, and every signal with a location has its
// I/O standard.
inline void ExpectOneSignalPerBall(const std::string& qsf)
{
    std::map<std::string, std::string> owners;
    for (const std::string& line : SplitCrLf(qsf)) {
        const std::string head = "set_location_assignment PIN_";
        if (line.rfind(head, 0) != 0) continue;
        const size_t to = line.find(" -to ");
        const std::string ball = line.substr(head.size(), to - head.size());
        const std::string signal = line.substr(to + 5);
        EXPECT_TRUE(owners.emplace(ball, signal).second) << ball << " " << owners[ball] << " " << signal;
        EXPECT_NE(StandardOf(qsf, signal), "") << signal;
    }
}

class FormFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
        SetScreenSizeForTesting(1280, 1024);
        main = std::make_unique<TFormMain>(nullptr);
    }
    void TearDown() override
    {
        main.reset();
        SetExecutablePathForTesting("");
        SetScreenSizeForTesting(0, 0);
    }

    std::string DefaultCfg() const { return folder.Path() + "default.cfg"; }

    // Opens the board's form; the default.cfg that the form that went away
    // wrote is removed.
    template <class F>
    F* Open(uint8_t id)
    {
        main->OpenBoardForm(id);
        std::filesystem::remove(DefaultCfg());
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // Opens the board's form with default.cfg holding these bytes (from the
    // Osterlin form, which leaves default.cfg alone).
    template <class F>
    F* OpenWithDefault(uint8_t id, const std::string& bytes)
    {
        main->OpenBoardForm(MAINBOARD_OSTERLIN);
        WriteFile(DefaultCfg(), bytes);
        main->OpenBoardForm(id);
        auto* form = dynamic_cast<F*>(main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    std::string ProjectFolder(const std::string& word, const std::string& name) const
    {
        return folder.Path() + "CodeGenerated/" + word + "/" + name + "/";
    }
    // Presses Generate with this project name, answering the project dialog
    // with <name>.qpf in the proposed folder; returns the project folder.
    std::string Generate(TFrameBoardForm* form, const std::string& name)
    {
        seam.boxes.clear();
        seam.dialogs.clear();
        seam.dialogAnswers.clear();
        const std::string project = ProjectFolder(form->Row().FolderWord, name);
        seam.AnswerNextDialog(project + name + ".qpf");
        UserType(form->EditProjectName, name);
        UserClick(form->ButtonGen);
        return project;
    }
    // Saves the form's settings to a file of this name; returns its bytes.
    std::string Save(TFrameBoardForm* form, const std::string& file)
    {
        seam.dialogAnswers.clear();
        seam.AnswerNextDialog(folder.Path() + file);
        UserClick(form->ButtonSave);
        return ReadFile(folder.Path() + file);
    }
    // Loads a settings file with these bytes.
    void Load(TFrameBoardForm* form, const std::string& bytes)
    {
        WriteFile(folder.Path() + "load.cfg", bytes);
        seam.dialogAnswers.clear();
        seam.AnswerNextDialog(folder.Path() + "load.cfg");
        UserClick(form->ButtonLoad);
    }
    // The top levels compile in Icarus Verilog with no implicit net allowed.
    void ExpectCompiles(const std::vector<std::pair<std::string, std::string>>& projects)
    {
        const std::string nettype = folder.Path() + "nettype.v";
        WriteFile(nettype, "`default_nettype none\n");
        for (const auto& [project, name] : projects) {
            std::string log;
            EXPECT_TRUE(CompileVerilog({nettype, project + name + ".v"}, name, log)) << name << "\n" << log;
        }
    }

    SeamRecorder seam;
    TempFolder folder;
    std::unique_ptr<TFormMain> main;
};

template <class X_CONFIG>
X_CONFIG RecordOf(const std::string& bytes)
{
    X_CONFIG record{};
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
}

template <class X_CONFIG>
std::string BytesOf(const X_CONFIG& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

}  // namespace tavrelhsmc
