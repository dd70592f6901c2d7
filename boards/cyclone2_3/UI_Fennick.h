// The form of the Fennick board: project name, its fourteen on-board groups and a card
// and a prefix for each of its two 40-pin GPIO headers.
#pragma once

#include "boards/cyclone2_3/BoardFormGpioPair.h"
#include "boards/cyclone2_3/GpioPairConfigs.h"

class TFormFennick : public TGpioPairBoardForm<FENNICK_CONFIG> {
public:
    explicit TFormFennick(TForm* owner);
};
