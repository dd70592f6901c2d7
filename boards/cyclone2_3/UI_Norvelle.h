// The form of the Norvelle board: project name, the on-board groups, the
// DDR2 SODIMM socket, and a card with its prefix on each of the Tavrel
// connectors: Tavrel 2/3 (spanning the physical connectors 2 and 3) and
// Tavrel 1.
#pragma once

#include <string>

#include "boards/cyclone2_3/NorvelleConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormNorvelle : public TFrameBoardFormOf<NORVELLE_CONFIG> {
public:
    explicit TFormNorvelle(TForm* owner);

    TComboBox* ComboBoxTavrel23 = nullptr;
    TComboBox* ComboBoxTavrel1 = nullptr;
    TEdit* EditPrefixTavrel23 = nullptr;
    TEdit* EditPrefixTavrel1 = nullptr;
    TImage* ImageTavrel23 = nullptr;
    TImage* ImageTavrel1 = nullptr;
    TShape* ShapeTavrel1 = nullptr;
    TShape* ShapeTavrel2 = nullptr;
    TShape* ShapeTavrel3 = nullptr;
    TShape* ShapeTavrel23 = nullptr;
    // The six check boxes in the order of the record's flags.
    TFlagBoxes m_Groups;

    void SetDefaults(NORVELLE_CONFIG& config) override;
    void ConfigToForm(const NORVELLE_CONFIG& config) override;
    bool FormToConfig(NORVELLE_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    DaughterId Tavrel23Card() const { return SelectedCard(ComboBoxTavrel23, m_Config.m_CardIds); }
    DaughterId Tavrel1Card() const { return SelectedCard(ComboBoxTavrel1, m_Config.m_CardIds); }

    void ComboBoxTavrelChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    bool ValidateAfterNameFailure(std::string& message) override;
    void DefineBoard(TMainBoard* board, const NORVELLE_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const NORVELLE_CONFIG& config) override;

private:
    bool CheckPrefixClash(std::string& message) const;
};
