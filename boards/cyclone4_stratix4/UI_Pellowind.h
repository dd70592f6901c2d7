// The placeholder form of the Pellowind board: a complete board-form layout
// whose controls do nothing. It has no settings, no definition and no
// generation, and reads or writes no file.
#pragma once

#include "boards/BoardForm.h"

class TFormPellowind : public TBoardForm {
public:
    explicit TFormPellowind(TForm* owner);
};
