// The form of the Garvelow board: the Fallowmere form with a second PCIe
// interface (offered while the first is ticked) and the 2x5 timing header.
#pragma once

#include "boards/frame/BoardFormSi5340.h"
#include "boards/arria10/ConfigGarvelow.h"

class TFormGarvelow : public TSi5340PairForm<TConfigGarvelow> {
public:
    explicit TFormGarvelow(TForm* owner);

protected:
    void DefineBoard(TMainBoard* board, TConfigGarvelow& object) override;
};
