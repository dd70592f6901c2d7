// The form of the Isselmont board: project name, its nineteen on-board groups and a card
// and a prefix for each of its two 40-pin GPIO headers.
#pragma once

#include "boards/cyclone2_3/BoardFormGpioPair.h"
#include "boards/cyclone2_3/GpioPairConfigs.h"

class TFormIsselmont : public TGpioPairBoardForm<ISSELMONT_CONFIG> {
public:
    explicit TFormIsselmont(TForm* owner);
};
