// The form of the Avemor board: project name, its twelve on-board groups and a card
// and a prefix for each of its two 40-pin GPIO headers.
#pragma once

#include "boards/cyclone2_3/BoardFormGpioPair.h"
#include "boards/cyclone2_3/GpioPairConfigs.h"

class TFormAvemor : public TGpioPairBoardForm<AVEMOR_CONFIG> {
public:
    explicit TFormAvemor(TForm* owner);
};
