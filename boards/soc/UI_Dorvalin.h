// The form of the Dorvalin board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers.
#pragma once

#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/DorvalinConfig.h"

class TFormDorvalin : public TSocTwoHeaderForm<DORVALIN_CONFIG> {
public:
    explicit TFormDorvalin(TForm* owner);

    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TCheckBox* CheckBoxArduino = nullptr;

    void SetDefaults(DORVALIN_CONFIG& config) override;

protected:
    const char* BoardFolderWord() const override { return "DORVALIN"; }
};
