// The form of the Marlowen board: project name, the five on-board groups,
// and a card with its prefix on the HSMC connector.
#pragma once

#include <string>

#include "boards/cyclone2_3/MarlowenConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormMarlowen : public TFrameBoardFormOf<MARLOWEN_CONFIG> {
public:
    explicit TFormMarlowen(TForm* owner);

    TComboBox* ComboBoxHSMC = nullptr;
    TEdit* EditPrefixHSMC = nullptr;
    TImage* ImageHSMC = nullptr;
    TShape* ShapeHSMC = nullptr;
    // The five check boxes in the order of the record's flags.
    TFlagBoxes m_Groups;

    void SetDefaults(MARLOWEN_CONFIG& config) override;
    void ConfigToForm(const MARLOWEN_CONFIG& config) override;
    bool FormToConfig(MARLOWEN_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    DaughterId HsmcCard() const { return SelectedCard(ComboBoxHSMC, m_Config.m_CardIds); }

    void ComboBoxHSMCChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void DefineBoard(TMainBoard* board, const MARLOWEN_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const MARLOWEN_CONFIG& config) override;
};
