// The form of the Jarrowby board: project name, its twenty-one on-board groups and a card
// and a prefix for each of its two 40-pin GPIO headers.
#pragma once

#include "boards/cyclone2_3/BoardFormGpioPair.h"
#include "boards/cyclone2_3/GpioPairConfigs.h"

class TFormJarrowby : public TGpioPairBoardForm<JARROWBY_CONFIG> {
public:
    explicit TFormJarrowby(TForm* owner);
};
