// The form of the Gorsewin board: project name, seventeen on-board groups, a
// card and a prefix for the GPIO header and for the HSMC connector.
#pragma once

#include "boards/cyclone4_stratix4/BoardFormGpioHsmc.h"
#include "boards/cyclone4_stratix4/GorsewinConfig.h"

class TFormGorsewin : public TGpioHsmcBoardFormOf<GORSEWIN_CONFIG> {
public:
    explicit TFormGorsewin(TForm* owner);

    void SetDefaults(GORSEWIN_CONFIG& config) override;

protected:
    void DefineBoard(TMainBoard* board, const GORSEWIN_CONFIG& config) override;
};
