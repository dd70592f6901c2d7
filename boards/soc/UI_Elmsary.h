// The form of the Elmsary board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers.
#pragma once

#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/ElmsaryConfig.h"

class TFormElmsary : public TSocGpioBoardForm<ELMSARY_CONFIG, 2> {
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
    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;

    void SetDefaults(ELMSARY_CONFIG& config) override;

protected:
    const char* BoardFolderWord() const override { return "ELMSARY"; }
};
