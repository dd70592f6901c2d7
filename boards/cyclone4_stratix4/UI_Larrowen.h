// The form of the Larrowen board: project name, twenty on-board groups (with
// PCI Express as hard or soft IP), a card and a prefix for the GPIO header
// and for the HSMC connector. It has no "Default Setting" button.
#pragma once

#include "boards/cyclone4_stratix4/BoardFormGpioHsmc.h"
#include "boards/cyclone4_stratix4/LarrowenConfig.h"

class TFormLarrowen : public TGpioHsmcBoardFormOf<LARROWEN_CONFIG> {
public:
    explicit TFormLarrowen(TForm* owner);

    TCheckBox* CheckBoxPCIeHardIP = nullptr;
    TCheckBox* CheckBoxPCIeSoftIP = nullptr;

    // The combo items shown when a record was last shown (HSMC) or last
    // chosen (GPIO).
    int32_t m_GpioItemIndex = 0;
    int32_t m_HsmcItemIndex = 0;

    void SetDefaults(LARROWEN_CONFIG& config) override;
    void RememberCardIndexes();
    void RestoreCardIndexes();
    void ComboBoxGpioChange(TObject* Sender) override;

protected:
    void FillCardCombos() override;
    void ShowHeld() override;
    std::string IpNotices() override;
    void DefineBoard(TMainBoard* board, const LARROWEN_CONFIG& config) override;
};
