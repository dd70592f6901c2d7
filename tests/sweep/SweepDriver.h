// Driving any board form as a user does, without knowing which board it is:
// the main form changes to the board through the selector, the form's own
// buttons load, save and generate, every group box is ticked, and what the
// form shows is read back from its controls. Shared by the sweep tests, the
// settings fuzz target and the generation benchmark.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/BoardForm.h"
#include "app/UnitMain.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace sweep {

// The two board ids whose forms are placeholders: no settings, no
// definition, no Generate.
bool IsPlaceholder(uint8_t boardId);
// The slot's form class without its "TForm", for test names ("Hollarne").
std::string BoardName(const TBoardFormSlot& slot);

// Every control of a form of one kind, in layout order.
template <class T>
std::vector<T*> ControlsOf(const TForm& form)
{
    std::vector<T*> found;
    for (TControl* control : form.Controls())
        if (auto* typed = dynamic_cast<T*>(control)) found.push_back(typed);
    return found;
}

// What the user sees of a form's settings, one line per edit, check box and
// combo box (name, enabled, and its text, tick or selected item).
std::string DescribeSettings(const TForm& form);
// The combo boxes whose selection is not one of their items ("name: index
// of count"); a combo without items may select nothing.
std::vector<std::string> ChoicesOutsideTheirList(const TForm& form);
// The error boxes that only a fault shows: a failed invariant, or an
// exception of the library or of an unknown kind escaping a handler.
std::vector<std::string> FaultTexts(const SeamRecorder& seam);

// A folder in memory where the system has one (/dev/shm), for the many
// small files the sweeps write; else "" (the temporary folder).
std::string MemoryFolder();

// The program's main form in a folder of its own, with the program's IP
// resources served through the seam, hosting one board form at a time.
class TSweepSession {
public:
    TSweepSession();
    ~TSweepSession();
    TSweepSession(const TSweepSession&) = delete;
    TSweepSession& operator=(const TSweepSession&) = delete;

    // Changes to the board as the user does: the board-change message, the
    // selector listing every board, OK on the board's row. The new form
    // starts from its own defaults (default.cfg is removed just before it
    // is made). nullptr when no form of that board came up.
    TBoardForm* ChangeBoard(uint8_t boardId);
    TBoardForm* Form() const { return main ? main->BoardForm() : nullptr; }

    // "Load Setting" with a file of these bytes.
    void Load(const std::string& bytes);
    // "Save Setting" into a file; its bytes, empty when nothing was written.
    std::string Save();
    // Names the project (when given), presses Generate, answers the project
    // dialog with <folder>/<project>/<project>.qpf and every question with
    // Yes. Returns the project file's path.
    std::string Generate(const std::string& projectName);
    // Loads a file of these bytes and generates the project the form then
    // holds (again under a legal project name when that is refused): the
    // faults shown and the choices outside their list, after each step.
    std::vector<std::string> LoadAndGenerate(const std::string& bytes);
    // The form's generation run for a project file, as its Generate button
    // runs it once the checks and the project dialog are past (no box, no
    // dialog of its own); false when it failed or the form has none.
    bool RunGeneration(const std::string& qpfPath);
    // Ticks every visible, enabled group box that is not ticked, until none
    // is left (a box may enable others).
    void TickEveryGroup();
    // Puts every programmable clock chip to use: each enabled combo whose
    // first item leaves its chip unused ("Not Use", "Disable", "Unchanged")
    // picks its last item.
    void UseEveryClockChip();
    // The "Top File Type" combo: false when the board has none; otherwise
    // picks the item (0 Verilog, 1 VHDL).
    bool PickTopFileType(int item);
    // The project's folder for a name.
    std::string ProjectFolder(const std::string& projectName) const;

    // The generation runs that wrote their project file.
    int generated = 0;

    SeamRecorder seam;
    TempFolder folder{MemoryFolder()};
    std::unique_ptr<TFormMain> main;

private:
    TButton* Button(const char* name) const;
};

}  // namespace sweep

// A slot in test messages: its form class and board id.
inline void PrintTo(const TBoardFormSlot& slot, std::ostream* os)
{
    *os << slot.ClassName << " (board " << int(slot.Id) << ")";
}
