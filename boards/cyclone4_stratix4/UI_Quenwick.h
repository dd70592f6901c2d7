// The form of the Quenwick board: the on-board groups, the DDR3 SODIMM
// socket, and the cards and prefixes of two HSMC and four FMC connectors.
#pragma once

#include <string>

#include "boards/cyclone4_stratix4/QuenwickConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormQuenwick : public TFrameBoardFormOf<QUENWICK_CONFIG> {
public:
    explicit TFormQuenwick(TForm* owner);

    // The second holder serves only the card list of the FMC combos.
    TConfigBase<QUENWICK_CONFIG> m_FmcList;

    TCheckBox* CheckBoxDDR3 = nullptr;
    TComboBox* ComboBoxHSMC[2] = {};
    TEdit* EditHSMC[2] = {};
    TImage* ImageHSMC[2] = {};
    TShape* ShapeHSMC[2] = {};
    TComboBox* ComboBoxFMC[4] = {};
    TEdit* EditFMC[4] = {};
    TImage* ImageFMC[4] = {};
    TShape* ShapeFMC[4] = {};
    // The eleven check boxes, flags bClock .. bFlash.
    TFlagBoxes m_Groups;

    void SetDefaults(QUENWICK_CONFIG& config) override;
    void ConfigToForm(const QUENWICK_CONFIG& config) override;
    bool FormToConfig(QUENWICK_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    DaughterId HsmcCard(int i) const;
    DaughterId FmcCard(int i) const;

    void ComboBoxHSMCChange(TObject* Sender);
    void ComboBoxFMCChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    std::string IpNotices() override;
    void AfterCheckBoxClick() override { UpdateCardPictures(); }
    void DefineBoard(TMainBoard* board, const QUENWICK_CONFIG& config) override;
    void ApplyDefaultPrefixes(QUENWICK_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const QUENWICK_CONFIG& config) override;
};
