// The base of the board forms that the main form hosts, and the table of the
// board-form classes by board id.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Forms.h"

// A board form: created by the main form with the main form as owner, hosted
// in its client area at the size of the form's own Width and Height.
//
// FormLeave runs once, the first time the form goes away, whichever way that
// is: closed (its Exit button calls Close, then closes FormMain), or destroyed
// by the main form (a board change, or the main window closed by its frame).
// A board form saves its settings there.
class TBoardForm : public TForm {
public:
    explicit TBoardForm(TForm* owner) : TForm(owner) {}

    // Runs FormLeave unless it has run already. An exception that escapes
    // FormLeave is shown in the error box.
    void Leave();
    bool HasLeft() const { return m_Left; }

protected:
    virtual void FormLeave() {}
    void DoClose(TCloseAction& action) override;

private:
    bool m_Left = false;
};

using TBoardFormFactory = std::function<TBoardForm*(TForm* owner)>;

template <class F>
TBoardForm* NewBoardForm(TForm* owner)
{
    return new F(owner);
}

// One row of the board-form table: a board id, the class of its form, and
// how to create one (empty while the form is not part of the build).
struct TBoardFormSlot {
    uint8_t Id;
    const char* ClassName;
    TBoardFormFactory Create;
};

// The 42 rows, in board-id order.
const std::vector<TBoardFormSlot>& BoardFormSlots();
// The row of a board id; nullptr for an id outside the table.
const TBoardFormSlot* FindBoardFormSlot(uint8_t id);
// Puts another factory into a board's slot and returns the one it replaces
// (tests put their own forms in; an id outside the table is a programming
// error).
TBoardFormFactory SetBoardFormFactory(uint8_t id, TBoardFormFactory factory);
