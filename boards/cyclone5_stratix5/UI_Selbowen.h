// The placeholder form of board 17: an empty window, without settings,
// definition or generation.
#pragma once

#include "boards/BoardForm.h"

class TFormSelbowen : public TBoardForm {
public:
    explicit TFormSelbowen(TForm* owner);
};
