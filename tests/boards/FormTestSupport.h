// The end-to-end fixture of the forms that write settings records of their
// own (Brackwell, Gorsewin, Larrowen): the family fixture with the Verilog IP
// of the board's projects at hand, records as default.cfg and settings
// files, and generation under a project name.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "tests/boards/SocFormFixture.h"

using socform::kSuccess;

template <class F, uint8_t Id>
class RecordFormTest : public SocFormTest<F, Id> {
protected:
    using Base = SocFormTest<F, Id>;
    explicit RecordFormTest(const std::string& folderWord) : m_FolderWord(folderWord) {}

    void SetUp() override
    {
        Base::SetUp();
        this->seam.AddResource("EXT_PLL_CTRL_VERILOG",
                               ReadFile(SourceFolder() + "resources/verilog/EXT_PLL_CTRL.v"));
    }

    std::string DefaultCfg() const { return this->folder.Path() + "default.cfg"; }

    // Opens the board's form with a record as default.cfg.
    template <class X_CONFIG>
    F* OpenWith(const X_CONFIG& record)
    {
        return this->Open(std::string(reinterpret_cast<const char*>(&record), sizeof record));
    }
    // Opens the board's form again, with default.cfg as the last form left it.
    F* Reopen()
    {
        this->main->OpenBoardForm(Id);
        return dynamic_cast<F*>(this->main->BoardForm());
    }

    std::string ProjectFolder(const std::string& name) const { return Base::ProjectFolder(m_FolderWord, name); }
    // Names the project, presses Generate and answers the project dialog with
    // <name>.qpf in the proposed folder; returns the folder.
    std::string Generate(F* form, const std::string& name)
    {
        if (form->EditProjectName->Text() != name) UserType(form->EditProjectName, name);
        return ExtractFilePath(Base::Generate(form, m_FolderWord, name));
    }
    std::string ProjectFile(const std::string& name, const char* extension) const
    {
        return ReadFile(ProjectFolder(name) + name + extension);
    }
    // The top level compiles with the project's Verilog IP files.
    void ExpectVerilogCompiles(const std::string& name, const std::vector<std::string>& ipFiles = {})
    {
        std::vector<std::string> with;
        for (const std::string& ip : ipFiles) with.push_back(ProjectFolder(name) + ip);
        Base::ExpectVerilogCompiles({ProjectFolder(name) + name + ".qpf"}, with);
    }
    // Saves the form's settings through "Save Setting..." and reads them back.
    template <class X_CONFIG>
    X_CONFIG Saved(F* form)
    {
        X_CONFIG record{};
        const std::string bytes = this->Save(form, "saved.cfg");
        EXPECT_EQ(bytes.size(), sizeof record);
        if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }
    // Loads a file of these bytes through "Load Setting...".
    void Load(F* form, const std::string& bytes)
    {
        WriteFile(this->folder.Path() + "load.cfg", bytes);
        Base::Load(form, "load.cfg");
    }

private:
    std::string m_FolderWord;
};
