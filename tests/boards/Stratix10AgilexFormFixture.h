// What the end-to-end tests of the Stratix 10 and Agilex board forms share:
// the family's form fixture with the controller IP of the boards' projects at
// hand (the program's own resources), projects generated under a name, the Verilog top level compiled with
// its exported IP (Icarus Verilog, implicit nets off), the VHDL top level
// analysed and elaborated with GHDL beside stub entities of the Verilog
// controllers, and settings records read from and written to files.
#pragma once

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/NamedResources.h"
#include "tests/support/RecordBytes.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/boards/SocFormFixture.h"

namespace s10form {

using socform::ItemTexts;
using socform::kSuccess;

}  // namespace s10form

// The form of board Id, whose projects go under CodeGenerated/<word>/ and
// whose controller files lie in the project's sub-folder.
template <class F, uint8_t Id>
class Stratix10AgilexFormTest : public SocFormTest<F, Id> {
protected:
    Stratix10AgilexFormTest(const char* word, const char* subFolder) : m_Word(word), m_SubFolder(subFolder) {}

    // The controller files as the program carries them, by resource name.
    void AddIpResources(const std::vector<std::string>& resources)
    {
        for (const std::string& resource : resources) {
            std::string bytes;
            ASSERT_TRUE(LoadNamedResource(resource, bytes)) << resource;
            this->seam.AddResource(resource, bytes);
        }
    }

    // Names the project, generates it and returns the path of its .qpf.
    std::string GenerateNamed(F* form, const std::string& name)
    {
        if (form->EditProjectName->Text() != name) UserType(form->EditProjectName, name);
        return this->Generate(form, m_Word, name);
    }
    std::string SubFolder(const std::string& qpf) const { return ExtractFilePath(qpf) + m_SubFolder + "/"; }
    std::vector<std::string> ControllerFiles(const std::string& qpf) const { return FilesIn(SubFolder(qpf)); }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : this->seam.boxes) texts.push_back(box.text);
        return texts;
    }
    std::vector<seam::BoxKind> BoxKinds() const
    {
        std::vector<seam::BoxKind> kinds;
        for (const auto& box : this->seam.boxes) kinds.push_back(box.kind);
        return kinds;
    }

    // The Verilog top level of the project compiles with every file of its
    // controller sub-folder, with `default_nettype none in force.
    void ExpectVerilogCompilesWithIp(const std::string& qpf)
    {
        TempFolder work;
        std::vector<std::string> files = {work.Path() + "nettype.v", ChangeFileExt(qpf, ".v")};
        WriteFile(files[0], "`default_nettype none\n");
        for (const std::string& file : ControllerFiles(qpf)) files.push_back(SubFolder(qpf) + file);
        std::string log;
        EXPECT_TRUE(CompileVerilog(files, ChangeFileExt(ExtractFileName(qpf), ""), log)) << log;
    }
    // The VHDL top level analyses as VHDL-1993 and as VHDL-2008, and
    // elaborates, beside stub entities of the Verilog controllers it
    // instantiates.
    void ExpectVhdlElaborates(const std::string& qpf, const std::string& stubs)
    {
        TempFolder work;
        std::string files = "'" + ChangeFileExt(qpf, ".vhd") + "'";
        if (!stubs.empty()) {
            WriteFile(work.Path() + "stubs.vhd", stubs);
            files = "stubs.vhd " + files;
        }
        const std::string ghdl = "cd '" + work.Path() + "' && ghdl -a --std=93 " + files + " && ghdl -a --std=08 " +
                                 files + " && ghdl -e --std=08 " + ChangeFileExt(ExtractFileName(qpf), "");
        std::string log;
        EXPECT_EQ(RunCommand(ghdl, log), 0) << log;
    }

    // Saves through "Save Setting" into a file of the folder; its bytes.
    std::string SaveBytes(F* form) { return this->Save(form, "saved.cfg"); }
    // Loads these bytes through "Load Setting".
    void LoadBytes(F* form, const std::string& bytes)
    {
        WriteFile(this->folder.Path() + "load.cfg", bytes);
        this->Load(form, "load.cfg");
    }

private:
    const char* m_Word;
    const char* m_SubFolder;
};
