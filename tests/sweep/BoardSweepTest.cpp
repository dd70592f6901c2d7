// Every slot of the board table end to end: its form opened through the
// main form as a board change does, its default project and its project with
// every group ticked (and every programmable clock chip in use) generated (Verilog, and VHDL where the board offers it),
// and each project's files checked: all written, the Verilog top level and
// its IP compiled with Icarus Verilog as Verilog-2001 and -2005 without
// implicit nets, the VHDL top level analysed by GHDL as VHDL-1993 and -2008,
// no ball given to two signals, an I/O standard for every port.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"
#include "tests/sweep/SweepDriver.h"

namespace board_sweep_test {

namespace {

using sweep::TSweepSession;

struct TProject {
    std::string name;
    std::string folder;
    bool vhdl;
};

// The files of a folder and its sub-folders with an extension, sorted.
std::vector<std::string> FilesUnder(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == extension) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs shell commands side by side; the exit code and output of each.
std::vector<std::pair<int, std::string>> RunSideBySide(const std::vector<std::string>& commands)
{
    TempFolder work;
    std::string script;
    for (size_t i = 0; i < commands.size(); ++i) {
        const std::string n = work.Path() + std::to_string(i);
        script += "( " + commands[i] + " ) > " + Quoted(n + ".log") + " 2>&1; echo $? > " + Quoted(n + ".rc") + " &\n";
    }
    script += "wait\n";
    WriteFile(work.Path() + "run.sh", script);
    std::string output;
    RunCommand("bash " + Quoted(work.Path() + "run.sh"), output);
    std::vector<std::pair<int, std::string>> results;
    for (size_t i = 0; i < commands.size(); ++i) {
        const std::string n = work.Path() + std::to_string(i);
        const std::string rc = FileExists(n + ".rc") ? ReadFile(n + ".rc") : "-1";
        results.emplace_back(std::atoi(rc.c_str()), FileExists(n + ".log") ? ReadFile(n + ".log") : "");
    }
    return results;
}

// A port of a top level: its name and, for a bus, its bit range.
struct TPort {
    std::string name;
    bool bus = false;
    int msb = 0;
    int lsb = 0;
};

// The ports of a generated top level (Verilog module or VHDL entity).
std::vector<TPort> TopLevelPorts(const std::string& text, bool vhdl)
{
    static const std::regex verilog(R"(^\s*(input|output|inout)\s*(\[\s*(\d+)\s*:\s*(\d+)\s*\])?\s*([A-Za-z_]\w*))");
    static const std::regex vhdlPort(
        R"(^\s*([A-Za-z]\w*)\s*:\s*(in|out|inout)\s+std_logic(_vector\s*\(\s*(\d+)\s+(downto|to)\s+(\d+)\s*\))?)",
        std::regex::icase);
    std::vector<TPort> ports;
    const size_t end = text.find(vhdl ? "end " : ");");
    for (const std::string& line : SplitCrLf(text.substr(0, end))) {
        std::smatch m;
        if (!vhdl && std::regex_search(line, m, verilog)) {
            TPort port{m[5], m[2].matched};
            if (port.bus) port.msb = std::stoi(m[3]), port.lsb = std::stoi(m[4]);
            ports.push_back(port);
        } else if (vhdl && std::regex_search(line, m, vhdlPort)) {
            TPort port{m[1], m[3].matched};
            if (port.bus) port.msb = std::stoi(m[4]), port.lsb = std::stoi(m[6]);
            ports.push_back(port);
        }
    }
    return ports;
}

// Bits of bus ports that a board's top level declares but that are no pin:
// a bus port runs from its lowest member to its highest, and these boards'
// connectors give no pin to members between. Any other bit without an I/O
// standard is a fault.
const std::map<std::string, std::regex> kBitsWithoutPin = {
    // The single-rank DDR4 module names positions 256 and 166 AC_R[1] and
    // AC_R[2]; these boards' sockets have no pin at either.
    {"Ashcombre", std::regex(R"(DDR4[A-D]_AC_R\[[12]\])")},
    {"Ulverrow", std::regex(R"(DDR4[AB]_AC_R\[[12]\])")},
};

// The ports, or bits of bus ports, without an I/O standard line in the .qsf.
std::vector<std::string> PortsWithoutIoStandard(const std::vector<TPort>& ports, const std::string& qsf)
{
    std::set<std::string> named;
    const std::string head = "set_instance_assignment -name IO_STANDARD ";
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.rfind(head, 0) != 0) continue;
        const size_t to = line.find(" -to ");
        if (to != std::string::npos) named.insert(UpperCase(line.substr(to + 5)));
    }
    std::vector<std::string> missing;
    for (const TPort& port : ports) {
        const std::string name = UpperCase(port.name);
        if (named.count(name) || named.count(name + "[*]")) continue;
        if (!port.bus) {
            missing.push_back(port.name);
            continue;
        }
        for (int bit = std::min(port.msb, port.lsb); bit <= std::max(port.msb, port.lsb); ++bit)
            if (!named.count(name + "[" + std::to_string(bit) + "]"))
                missing.push_back(port.name + "[" + std::to_string(bit) + "]");
    }
    return missing;
}

// The modules the Verilog files define, and the components a VHDL top
// level declares.
std::set<std::string> Names(const std::vector<std::string>& texts, const std::regex& pattern)
{
    std::set<std::string> names;
    for (const std::string& text : texts)
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
            names.insert(UpperCase((*it)[1]));
    return names;
}

class BoardSweep : public ::testing::TestWithParam<TBoardFormSlot> {
protected:
    // Generates the form's project under a name and checks what it wrote
    // that needs no tool; the project joins the list for the tools.
    void GenerateAndCheck(const std::string& name, bool vhdl)
    {
        SCOPED_TRACE(name);
        session.seam.boxes.clear();
        const std::string qpf = session.Generate(name);
        EXPECT_EQ(session.seam.ErrorTexts(), std::vector<std::string>{});
        const std::string folder = session.ProjectFolder(name);
        const std::string top = folder + name + (vhdl ? ".vhd" : ".v");
        for (const std::string& file : {qpf, ChangeFileExt(qpf, ".qsf"), top, ChangeFileExt(qpf, ".sdc"),
                                        ChangeFileExt(qpf, ".htm")})
            EXPECT_TRUE(FileExists(file)) << file;
        if (!FileExists(top) || !FileExists(ChangeFileExt(qpf, ".qsf"))) return;
        const std::string qsf = ReadFile(ChangeFileExt(qpf, ".qsf"));
        ExpectNoBallTwice(qsf);
        const std::vector<TPort> ports = TopLevelPorts(ReadFile(top), vhdl);
        EXPECT_FALSE(ports.empty());
        const auto known = kBitsWithoutPin.find(sweep::BoardName(GetParam()));
        for (const std::string& bit : PortsWithoutIoStandard(ports, qsf)) {
            EXPECT_TRUE(known != kBitsWithoutPin.end() && std::regex_match(bit, known->second))
                << bit << " has no I/O standard line";
        }
        projects.push_back({name, folder, vhdl});
    }

    // Every project through its tools, side by side: Icarus Verilog on each
    // Verilog top level with all the project's Verilog files and no implicit
    // nets, on the IP files of each VHDL project, and GHDL on each VHDL top
    // level, whose components must all be modules of its IP files. Quartus
    // reads .v files as Verilog-2001 and .vhd files as VHDL-1993 unless told
    // otherwise: each file must be read as that and as the later standard.
    void CompileProjects()
    {
        TempFolder work;
        WriteFile(work.Path() + "nettype.v", "`default_nettype none\n");
        std::vector<std::string> commands, what;
        for (size_t p = 0; p < projects.size(); ++p) {
            const TProject& project = projects[p];
            std::vector<std::string> verilog = FilesUnder(project.folder, ".v");
            std::string files, includes;
            std::set<std::string> folders;
            for (const std::string& file : verilog) {
                files += " " + Quoted(file);
                folders.insert(std::filesystem::path(file).parent_path().string());
            }
            for (const std::string& f : folders) includes += " -I" + Quoted(f);
            const std::string top = project.vhdl ? "" : " -s " + project.name;
            if (!verilog.empty()) {
                for (const char* standard : {"2001", "2005"}) {
                    const std::string out = Quoted(work.Path() + std::to_string(p) + "_" + standard + ".out");
                    commands.push_back(std::string("iverilog -g") + standard + " -Wall -o " + out + includes + top +
                                       " " + Quoted(work.Path() + "nettype.v") + files);
                    what.push_back(project.name + ": Icarus Verilog " + standard +
                                   (project.vhdl ? " on its IP files" : ""));
                }
            }
            if (!project.vhdl) continue;
            const std::string vhd = project.folder + project.name + ".vhd";
            std::vector<std::string> ipTexts;
            for (const std::string& file : verilog) ipTexts.push_back(ReadFile(file));
            const std::set<std::string> modules = Names(ipTexts, std::regex(R"(\bmodule\s+(\w+))"));
            for (const std::string& component :
                 Names({ReadFile(vhd)}, std::regex(R"(\bcomponent\s+(\w+))", std::regex::icase)))
                EXPECT_TRUE(modules.count(component)) << project.name << ": component " << component
                                                      << " has no module among the project's files";
            for (const char* standard : {"93", "08"}) {
                const std::string ghdlWork = work.Path() + "ghdl" + std::to_string(p) + "_" + standard;
                std::filesystem::create_directories(ghdlWork);
                commands.push_back(std::string("ghdl -a --std=") + standard + " --workdir=" + Quoted(ghdlWork) + " " +
                                   Quoted(vhd));
                what.push_back(project.name + ": GHDL --std=" + standard);
            }
        }
        const auto results = RunSideBySide(commands);
        for (size_t i = 0; i < results.size(); ++i) EXPECT_EQ(results[i].first, 0) << what[i] << "\n" << results[i].second;
    }

    TSweepSession session;
    std::vector<TProject> projects;
};

TEST_P(BoardSweep, OpensThroughABoardChangeAndGeneratesItsProjects)
{
    const TBoardFormSlot& slot = GetParam();
    if (!slot.Create) {
        GTEST_SKIP() << slot.ClassName << " (board " << int(slot.Id) << "): its form is not in this build";
    }
    TBoardForm* form = session.ChangeBoard(slot.Id);
    ASSERT_NE(form, nullptr) << slot.ClassName;
    EXPECT_EQ(session.main->ClientWidth(), form->Width());
    EXPECT_EQ(session.main->ClientHeight(), form->Height());
    EXPECT_EQ(sweep::FaultTexts(session.seam), std::vector<std::string>{});

    if (sweep::IsPlaceholder(slot.Id)) {
        // Whatever the user clicks, nothing happens: no box, no dialog, no
        // board change, and no file written, also when it goes away.
        session.seam.boxes.clear();
        for (TButton* button : sweep::ControlsOf<TButton>(*form)) UserClick(button);
        for (TCheckBox* box : sweep::ControlsOf<TCheckBox>(*form)) UserClick(box);
        DeliverPostedMessages();
        EXPECT_EQ(session.main->BoardForm(), form);
        session.main->CloseBoardForms();
        EXPECT_TRUE(session.seam.boxes.empty());
        EXPECT_TRUE(session.seam.dialogs.empty());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(session.folder.Path()),
                                std::filesystem::directory_iterator()),
                  0);
        return;
    }
    for (const char* button : {"ButtonGen", "ButtonSave", "ButtonLoad"})
        EXPECT_NE(dynamic_cast<TButton*>(form->FindControl(button)), nullptr) << button;
    ASSERT_NE(dynamic_cast<TEdit*>(form->FindControl("EditProjectName")), nullptr);
    EXPECT_EQ(sweep::ChoicesOutsideTheirList(*form), std::vector<std::string>{});

    const bool offersVhdl = session.PickTopFileType(0);
    GenerateAndCheck("sweep_defaults", false);
    if (offersVhdl) {
        session.PickTopFileType(1);
        GenerateAndCheck("sweep_defaults_vhdl", true);
        session.PickTopFileType(0);
    }
    session.TickEveryGroup();
    session.UseEveryClockChip();
    for (TCheckBox* box : sweep::ControlsOf<TCheckBox>(*form)) {
        if (box->Visible() && box->Enabled()) {
            EXPECT_TRUE(box->Checked()) << box->Name();
        }
    }
    GenerateAndCheck("sweep_every_group", false);
    if (offersVhdl) {
        session.PickTopFileType(1);
        GenerateAndCheck("sweep_every_group_vhdl", true);
    }
    EXPECT_EQ(sweep::FaultTexts(session.seam), std::vector<std::string>{});
    EXPECT_EQ(sweep::ChoicesOutsideTheirList(*form), std::vector<std::string>{});
    CompileProjects();
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, BoardSweep, ::testing::ValuesIn(BoardFormSlots()),
                         [](const ::testing::TestParamInfo<TBoardFormSlot>& info) {
                             return sweep::BoardName(info.param);
                         });

}  // namespace

}  // namespace board_sweep_test
