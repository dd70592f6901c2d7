// What the end-to-end tests of the family's board forms share: the real main
// form hosts the board's form, the test answers the dialogs, and reads what
// the generation wrote on disk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/UnitMain.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/support/ProjectText.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace socform {

inline const char* const kSuccess =
    "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
inline const char* const kHpsWarning =
    "===== HPS System warning =====\r\nTo prevent any errors while compiling your Quartus project, \r\nplease "
    "add the Altera HPS IP to your design.\r\n";

// The display names of the card lists of the forms, item 0 first: the
// 40-pin list (every offered 40-pin card, no voltage rule) and the list of
// two coupled headers at 3.3 V (the 80-pin card of that class among them).
inline const std::vector<std::string> kGpio40Cards = {
    "None",
    "GPIO Default",
    "Ivrel - 5M Pixel Camera",
    "Kember - 4.3\" LCD and Touch",
    "Sarnel - Multi-Touch LCD Panel",
    "Brevik - 2.4\" LCD and Touch",
    "Tamsil - Multi-Touch LCD Panel",
    "Dunvar - Servo Motor Kit",
    "Elvask - RF and Sensor",
    "Fenwry - RF and Sensor",
    "RISC-V",
    "Jusk-GPIO",
    "GPIO Default - 2.5V",
    "GPIO Default - 1.8V",
    "GPIO Default - 1.5V"};
inline const std::vector<std::string> kGpio80Cards3V3 = {
    "None",
    "GPIO Default",
    "Culm - High Speed ADC/DAC",
    "Ivrel - 5M Pixel Camera",
    "Kember - 4.3\" LCD and Touch",
    "Sarnel - Multi-Touch LCD Panel",
    "Brevik - 2.4\" LCD and Touch",
    "Tamsil - Multi-Touch LCD Panel",
    "Dunvar - Servo Motor Kit",
    "Elvask - RF and Sensor",
    "Fenwry - RF and Sensor",
    "RISC-V",
    "Jusk-GPIO"};

inline std::vector<std::string> ItemTexts(const TComboBox* combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo->ItemCount(); ++i) texts.push_back(combo->ItemText(i));
    return texts;
}

// The names of the folders in root, sorted (none when root is missing).
inline std::vector<std::string> Folders(const std::string& root)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(root, ec)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace socform

// The form of board Id, opened in the main form, whose projects go under
// CodeGenerated/<Word>/.
template <class TFormX, uint8_t Id>
class SocFormTest : public HostedFolderTest {
protected:
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
    // off, and lint clean with Verilator; with them the given files (the
    // Verilog IP the projects instantiate).
    void ExpectVerilogCompiles(const std::vector<std::string>& qpfPaths, const std::vector<std::string>& with = {})
    {
        TempFolder work;
        WriteFile(work.Path() + "nettype.v", "`default_nettype none\n");
        std::string iverilog = "iverilog -g2005 -Wall -o '" + work.Path() + "a.out' '" + work.Path() + "nettype.v'";
        // An instance output left open (the fixed clock-chip blocks leave the
        // read-back ports of their controllers so) is no fault.
        std::string verilator =
            "verilator --lint-only -Wall -Wno-UNDRIVEN -Wno-UNUSED -Wno-DECLFILENAME -Wno-MULTITOP -Wno-PINCONNECTEMPTY";
        for (const std::string& path : qpfPaths) {
            const std::string file = ChangeFileExt(path, ".v");
            iverilog += " -s '" + ChangeFileExt(ExtractFileName(path), "") + "' '" + file + "'";
            verilator += " '" + file + "'";
        }
        for (const std::string& file : with) {
            iverilog += " '" + file + "'";
            verilator += " '" + file + "'";
        }
        std::string log;
        EXPECT_EQ(RunCommand(iverilog, log), 0) << log;
        EXPECT_EQ(RunCommand(verilator, log), 0) << log;
    }
    void ExpectVerilogCompiles(const std::string& qpfPath) { ExpectVerilogCompiles(std::vector<std::string>{qpfPath}); }
    // VHDL top levels (of distinct entity names) analyse together with GHDL,
    // as VHDL-1993 and as VHDL-2008.
    void ExpectVhdlAnalyses(const std::vector<std::string>& qpfPaths)
    {
        std::vector<std::string> files;
        for (const std::string& path : qpfPaths) files.push_back(ChangeFileExt(path, ".vhd"));
        std::string log;
        EXPECT_TRUE(AnalyseVhdl(files, log)) << log;
    }
    // The .qsf of a project file.
    static std::string Qsf(const std::string& qpfPath) { return ReadFile(ChangeFileExt(qpfPath, ".qsf")); }
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
    // Presses Generate with the left Ctrl key held, answering the project
    // dialog with a file in root (empty: cancel).
    void GenerateBatch(TFormX* form, const std::string& root)
    {
        seam.boxes.clear();
        seam.dialogs.clear();
        seam.beeps = 0;
        if (!root.empty()) seam.AnswerNextDialog(root + "chosen.qpf");
        seam.ctrlDown = true;
        UserClick(form->ButtonGen);
        seam.ctrlDown = false;
    }

    // Left Ctrl on Generate of a form whose batch has no card list to walk:
    // a beep, the project dialog (its folder made) and nothing more, whether
    // the dialog is answered or cancelled; the controls stay as they are.
    // Without the key, Generate then makes the single project.
    void ExpectBatchWritesNothing(TFormX* form, const std::string& word)
    {
        const std::string name = form->EditProjectName->Text();
        const std::string root = ProjectFolder(word, name);
        for (const std::string& answer : {root, std::string()}) {
            GenerateBatch(form, answer);
            EXPECT_EQ(seam.beeps, 1);
            ASSERT_EQ(seam.dialogs.size(), 1u);
            EXPECT_EQ(seam.dialogs[0].request.initialFolder, root);
            EXPECT_TRUE(seam.boxes.empty());
            EXPECT_TRUE(std::filesystem::is_directory(root));
            EXPECT_TRUE(socform::Folders(root).empty());
            EXPECT_EQ(form->EditProjectName->Text(), name);
        }
        Generate(form, word, name);
        EXPECT_EQ(seam.beeps, 1);
        EXPECT_TRUE(FileExists(root + name + ".qpf"));
    }
};
