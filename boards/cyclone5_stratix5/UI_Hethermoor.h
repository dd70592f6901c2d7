// The form of the Hethermoor board: project name, the on-board groups, the
// I/O voltage of the HSMC connector and its card and prefix. The voltage
// decides the card list, the standard of the card's pins and of HSMC
// position 40; a voltage other than 2.5 V is followed by the JP7 warning.
#pragma once

#include <string>

#include "boards/cyclone5_stratix5/HethermoorConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormHethermoor : public TFrameBoardFormOf<HETHERMOOR_CONFIG> {
public:
    explicit TFormHethermoor(TForm* owner);

    TComboBox* ComboBoxHsmcVol = nullptr;
    TComboBox* ComboBoxHSMC = nullptr;
    TEdit* EditPrefixHSMC = nullptr;
    TImage* ImageHSMC = nullptr;
    TShape* ShapeHSMC = nullptr;
    TShape* ShapeHsmcVoltage[4] = {};  // 3.3 V, 2.5 V, 1.8 V, 1.5 V
    // The ten group boxes in the order of the record's flags (bClock ..
    // bTemperature).
    TFlagBoxes m_Groups;
    // The card lists of the other voltages; their records are not used.
    TConfigBase<HETHERMOOR_CONFIG> m_Config3V3, m_Config1V8, m_Config1V5;

    void SetDefaults(HETHERMOOR_CONFIG& config) override;
    void ConfigToForm(const HETHERMOOR_CONFIG& config) override;
    bool FormToConfig(HETHERMOOR_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    // The holder whose card list serves a voltage index (the 2.5 V list for
    // any index outside the table).
    const TConfigBase<HETHERMOOR_CONFIG>& GetHsmcCardList(int32_t index) const;
    void FillHsmcCombo(int32_t index);
    void ApplyHsmcVoltage();
    void WarnHsmcVoltage();

    void ComboBoxHsmcVolChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void DefineBoard(TMainBoard* board, const HETHERMOOR_CONFIG& config) override;
    void ApplyDefaultPrefixes(HETHERMOOR_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const HETHERMOOR_CONFIG& config) override;
    void AfterSuccess() override { WarnHsmcVoltage(); }

private:
    DaughterId SelectedHsmcCard() const;
};
