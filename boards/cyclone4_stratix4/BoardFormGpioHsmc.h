// The form of a board with one 40-pin GPIO header and one HSMC connector
// (Gorsewin, Larrowen): project name, the on-board groups, a card and a
// prefix for each connector. Generation fills a zeroed record of its own from
// the controls; the form's record changes only by saving, loading, the
// defaults and closing.
#pragma once

#include <string>
#include <vector>

#include "boards/frame/BoardFormFrame.h"

// What a board puts on the form: the frame's layout, and the check boxes in
// the order of the record's flags, each a control name ("CheckBoxOSC", its
// outline is "ShapeOSC") and a caption.
struct TGpioHsmcLayout {
    TFrameLayout Frame;
    std::vector<std::pair<const char*, const char*>> Groups;
};

template <class X_CONFIG>
class TGpioHsmcBoardFormOf : public TFrameBoardFormOf<X_CONFIG> {
public:
    TEdit* EditPrefixGpio = nullptr;
    TEdit* EditPrefixHSMC = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TComboBox* ComboBoxHSMC = nullptr;
    TImage* ImageGpio = nullptr;
    TImage* ImageHSMC = nullptr;
    TShape* ShapeGpio = nullptr;
    TShape* ShapeHSMC = nullptr;
    // The check boxes of the record's flags, in their order, with their outlines.
    TFlagBoxes m_Flags;

    // The list of the GPIO combo; the HSMC list is m_Config's.
    TConfigBase<X_CONFIG> m_GpioCardList;

    void ConfigToForm(const X_CONFIG& config) override;
    bool FormToConfig(X_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();

    virtual void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);

protected:
    TGpioHsmcBoardFormOf(TForm* owner, const TBoardFormRow& row, uint8_t boardId, const TGpioHsmcLayout& layout);

    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void ApplyDefaultPrefixes(X_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const X_CONFIG& config) override;

    DaughterId GpioCard() const { return this->SelectedCard(ComboBoxGpio, m_GpioCardList.m_CardIds); }
    DaughterId HsmcCard() const { return this->SelectedCard(ComboBoxHSMC, this->m_Config.m_CardIds); }

private:
    uint8_t m_BoardId;
};
