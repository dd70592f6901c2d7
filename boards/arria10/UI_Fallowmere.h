// The form of the Fallowmere board: project name, the on-board groups and
// the Si5340 frequencies of the QSFP+ and QDR-II+ reference clocks.
#pragma once

#include "boards/frame/BoardFormSi5340.h"
#include "boards/arria10/ConfigFallowmere.h"

class TFormFallowmere : public TSi5340PairForm<TConfigFallowmere> {
public:
    explicit TFormFallowmere(TForm* owner);

protected:
    void DefineBoard(TMainBoard* board, TConfigFallowmere& object) override;
};
