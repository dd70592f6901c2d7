// What the end-to-end tests of the Nethercoy, Norvelle, Osterlin and
// Marlowen forms add to the family fixture: reading single assignments and
// the board block out of a .qsf, and records as bytes.
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/RecordBytes.h"
#include "tests/boards/FormTestSupport.h"

namespace tavrelhsmc {

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

}  // namespace tavrelhsmc

// The form of board Id. A generation or save that validation refuses leaves
// no dialog answer behind for the next dialog.
template <class F, uint8_t Id>
class TavrelHsmcFormTest : public RecordFormTest<F, Id> {
protected:
    using Base = RecordFormTest<F, Id>;
    using Base::Base;

    std::string Generate(F* form, const std::string& name)
    {
        this->seam.dialogAnswers.clear();
        return Base::Generate(form, name);
    }
    // Saves a form's settings (this board's or another's) into a file of the
    // folder; returns its bytes.
    std::string Save(TFrameBoardForm* form, const std::string& file)
    {
        this->seam.dialogAnswers.clear();
        this->seam.AnswerNextDialog(this->folder.Path() + file);
        UserClick(form->ButtonSave);
        return ReadFile(this->folder.Path() + file);
    }
    // Loads a file of these bytes into a form.
    void Load(TFrameBoardForm* form, const std::string& bytes)
    {
        WriteFile(this->folder.Path() + "load.cfg", bytes);
        this->seam.dialogAnswers.clear();
        this->seam.AnswerNextDialog(this->folder.Path() + "load.cfg");
        UserClick(form->ButtonLoad);
    }
    // The form of another board, opened in the main form.
    template <class G>
    G* OpenOther(uint8_t id)
    {
        this->main->OpenBoardForm(id);
        auto* form = dynamic_cast<G*>(this->main->BoardForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    // The top levels of these projects compile and lint.
    void ExpectCompiles(const std::vector<std::string>& names)
    {
        std::vector<std::string> paths;
        for (const std::string& name : names) paths.push_back(this->ProjectFolder(name) + name + ".qpf");
        SocFormTest<F, Id>::ExpectVerilogCompiles(paths);
    }
};
