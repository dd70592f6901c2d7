// The form of the Mirrendale board: project name, the on-board peripheral
// groups, a card and a prefix for its one 40-pin GPIO header; with the left
// Ctrl key held, Generate writes one project per card of the header's list.
#pragma once

#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/MirrendaleConfig.h"

class TFormMirrendale : public TSocGpioBoardForm<MIRRENDALE_CONFIG, 1> {
public:
    explicit TFormMirrendale(TForm* owner);

    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxVGA = nullptr;
    TCheckBox* CheckBoxHdmi = nullptr;
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxAudio = nullptr;
    TCheckBox* CheckBoxVideoIn = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxIR = nullptr;
    TCheckBox* CheckBoxPS2 = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio0 = nullptr;
    TShape* ShapeGpio = nullptr;

    void SetDefaults(MIRRENDALE_CONFIG& config) override;

protected:
    const char* BoardFolderWord() const override { return "MIRRENDALE"; }

    const TBatchRule* BatchRule() const override;
    void SaveBatchCards() override;
    void RestoreBatchCards() override;
    void ShowBatchCard(int item) override;

private:
    int m_BatchItem = 0;
};
