// The form of the Elmsary board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers.
#pragma once

#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/ElmsaryConfig.h"

class TFormElmsary : public TSocTwoHeaderForm<ELMSARY_CONFIG> {
public:
    explicit TFormElmsary(TForm* owner);

    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TCheckBox* CheckBoxArduino = nullptr;
    TCheckBox* CheckBoxHdmiTx = nullptr;

    void SetDefaults(ELMSARY_CONFIG& config) override;

protected:
    const char* BoardFolderWord() const override { return "ELMSARY"; }
};
