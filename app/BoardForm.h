// The table of the board-form classes by board id.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "boards/BoardForm.h"

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
