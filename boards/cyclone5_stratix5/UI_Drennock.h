// The form of the Drennock board: project name, the on-board groups and the
// output frequencies of the Si570 and CDCM61004 clock chips of the SFP+ cages.
#pragma once

#include <string>

#include "boards/cyclone5_stratix5/DrennockConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormDrennock : public TFrameBoardFormOf<DRENNOCK_CONFIG> {
public:
    explicit TFormDrennock(TForm* owner);

    TCheckBox* CheckBoxDDR3[2] = {};
    TCheckBox* CheckBoxQdr[4] = {};
    TCheckBox* CheckBoxSfp[2] = {};
    TCheckBox* CheckBoxSata = nullptr;
    TCheckBox* CheckBoxPCIe = nullptr;
    TComboBox* ComboBoxSi570 = nullptr;
    TComboBox* ComboBoxCdcm61004 = nullptr;
    TShape* ShapeSi570 = nullptr;
    TShape* ShapeCdcm61004 = nullptr;
    // The 18 group boxes in the order of the record's flags (bClock .. bRs422).
    TFlagBoxes m_Groups;
    TChoiceCombo m_Si570, m_Cdcm61004;

    void SetDefaults(DRENNOCK_CONFIG& config) override;
    void ConfigToForm(const DRENNOCK_CONFIG& config) override;
    bool FormToConfig(DRENNOCK_CONFIG& config) override;
    void UpdateShapes() override;
    bool IsSfpTicked() const;
    void UpdateOscillatorCombos();
    bool ConfirmOscillators();

    void ComboBoxSi570Change(TObject* Sender);
    void ComboBoxCdcm61004Change(TObject* Sender);

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, const DRENNOCK_CONFIG& config) override;
    bool ConfirmGenerate() override { return ConfirmOscillators(); }
    std::string IpNotices() override;
    void AfterCheckBoxClick() override { UpdateOscillatorCombos(); }
};
