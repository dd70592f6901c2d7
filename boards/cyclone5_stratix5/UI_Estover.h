// The form of the Estover board: project name, the on-board groups, the
// card and prefix of HSMC-A, and the output frequencies of the Si570 and
// CDCM61004 clock chips.
#pragma once

#include <string>

#include "boards/cyclone5_stratix5/EstoverConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormEstover : public TFrameBoardFormOf<ESTOVER_CONFIG> {
public:
    explicit TFormEstover(TForm* owner);

    TCheckBox* CheckBoxSata[2] = {};
    TCheckBox* CheckBoxSfp[4] = {};
    TCheckBox* CheckBoxPCIe = nullptr;
    TComboBox* ComboBoxSi570 = nullptr;
    TComboBox* ComboBoxCdcm61004 = nullptr;
    TComboBox* ComboBoxHSMC_A = nullptr;
    TEdit* EditHSMC_A = nullptr;
    TImage* ImageHSMC_A = nullptr;
    TShape* ShapeSi570 = nullptr;
    TShape* ShapeCdcm61004 = nullptr;
    TShape* ShapeHSMC = nullptr;
    // The 17 group boxes in the order of the record's flags (bClock .. bRs422).
    TFlagBoxes m_Groups;
    TChoiceCombo m_Si570, m_Cdcm61004;

    void SetDefaults(ESTOVER_CONFIG& config) override;
    void ConfigToForm(const ESTOVER_CONFIG& config) override;
    bool FormToConfig(ESTOVER_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    bool IsSfpTicked() const;
    bool IsSataTicked() const;
    bool IsHsmcTransceiverCard() const;
    static bool IsHsmcDefaultCard(DaughterId card);
    void UpdateOscillatorCombos();
    bool ConfirmOscillators();

    void ComboBoxSi570Change(TObject* Sender);
    void ComboBoxCdcm61004Change(TObject* Sender);
    void ComboBoxHSMC_AChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void DefineBoard(TMainBoard* board, const ESTOVER_CONFIG& config) override;
    void ApplyDefaultPrefixes(ESTOVER_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const ESTOVER_CONFIG& config) override;
    bool ConfirmGenerate() override { return ConfirmOscillators(); }
    std::string IpNotices() override;
    void AfterCheckBoxClick() override { UpdateOscillatorCombos(); }
};
