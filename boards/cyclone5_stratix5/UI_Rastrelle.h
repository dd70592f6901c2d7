// The form of the Rastrelle board: project name, the on-board groups (the
// two DDR3 SODIMM sockets among them) and the output frequencies of the
// Si570, CDCM61001 and CDCM61004 clock chips.
#pragma once

#include <string>

#include "boards/cyclone5_stratix5/RastrelleConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormRastrelle : public TFrameBoardFormOf<RASTRELLE_CONFIG> {
public:
    explicit TFormRastrelle(TForm* owner);

    TCheckBox* CheckBoxSata[4] = {};
    TCheckBox* CheckBoxDDR3[2] = {};
    TCheckBox* CheckBoxQdr[4] = {};
    TCheckBox* CheckBoxSfp[4] = {};
    TCheckBox* CheckBoxPCIe = nullptr;
    TComboBox* ComboBoxSi570 = nullptr;
    TComboBox* ComboBoxCdcm61001 = nullptr;
    TComboBox* ComboBoxCdcm61004 = nullptr;
    TShape* ShapeSi570 = nullptr;
    TShape* ShapeCdcm61001 = nullptr;
    TShape* ShapeCdcm61004 = nullptr;
    // The 25 group boxes in the order of the record's flags (bClock .. bRs422).
    TFlagBoxes m_Groups;
    // The oscillator combos with the user's remembered choices.
    TChoiceCombo m_Si570, m_Cdcm61001, m_Cdcm61004;

    void SetDefaults(RASTRELLE_CONFIG& config) override;
    void ConfigToForm(const RASTRELLE_CONFIG& config) override;
    bool FormToConfig(RASTRELLE_CONFIG& config) override;
    void UpdateShapes() override;
    bool IsSfpTicked() const;
    bool IsSataTicked() const;
    void UpdateOscillatorCombos();
    bool ConfirmOscillators();

    void ComboBoxSi570Change(TObject* Sender);
    void ComboBoxCdcm61001Change(TObject* Sender);
    void ComboBoxCdcm61004Change(TObject* Sender);

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, const RASTRELLE_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const RASTRELLE_CONFIG& config) override;
    bool ConfirmGenerate() override { return ConfirmOscillators(); }
    std::string IpNotices() override;
    void AfterCheckBoxClick() override { UpdateOscillatorCombos(); }
};
