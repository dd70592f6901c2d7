// The form of the Kestleford board: the on-board groups and one GPIO header
// and one HSMC connector whose I/O voltages the user chooses; the HSMC card
// list follows the HSMC voltage, and a GPIO voltage other than 3.3 V puts a
// voltage variant of the GPIO default card on the header.
#pragma once

#include <string>

#include "boards/cyclone4_stratix4/KestlefordConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormKestleford : public TFrameBoardFormOf<KESTLEFORD_CONFIG> {
public:
    explicit TFormKestleford(TForm* owner);

    // Card lists only: GPIO, and HSMC at 3.3 V, 1.8 V and 1.5 V (the held
    // record's holder has the HSMC list at 2.5 V).
    TConfigBase<KESTLEFORD_CONFIG> m_GpioList, m_Hsmc3V3List, m_Hsmc1V8List, m_Hsmc1V5List;
    // The GPIO list position of the last card chosen at 3.3 V.
    int32_t m_RememberedGpio = 0;

    TComboBox* ComboBoxGpioVol = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio = nullptr;
    TShape* ShapeGpio = nullptr;
    TComboBox* ComboBoxHsmcVol = nullptr;
    TComboBox* ComboBoxHSMC = nullptr;
    TEdit* EditPrefixHSMC = nullptr;
    TImage* ImageHSMC = nullptr;
    TShape* ShapeHSMC = nullptr;
    TShape* ShapeGpioVoltage[4] = {};  // 3.3 V, 2.5 V, 1.8 V, 1.5 V
    TShape* ShapeHsmcVoltage[4] = {};
    // The 22 check boxes, flags bClock .. bExIo.
    TFlagBoxes m_Groups;

    void SetDefaults(KESTLEFORD_CONFIG& config) override;
    void ConfigToForm(const KESTLEFORD_CONFIG& config) override;
    bool FormToConfig(KESTLEFORD_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    // The HSMC card list of a voltage item (2.5 V for an item outside 0..3).
    const TConfigBase<KESTLEFORD_CONFIG>& GetHsmcCardList(int32_t voltage) const;
    void FillHsmcCombo(int32_t voltage);
    void ApplyIoVoltages();
    void RememberCardIndexes();
    void WarnIoVoltages();
    DaughterId GpioCard() const;
    DaughterId HsmcCard() const;

    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);
    void ComboBoxVolChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    // ConfigToForm with the remembered GPIO card and the voltages applied.
    void ShowHeld() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void AfterSuccess() override { WarnIoVoltages(); }
    void AfterCheckBoxClick() override { UpdateCardPictures(); }
    void DefineBoard(TMainBoard* board, const KESTLEFORD_CONFIG& config) override;
    // The GPIO card of the chosen voltage and the default HSMC prefix.
    void ApplyDefaultPrefixes(KESTLEFORD_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const KESTLEFORD_CONFIG& config) override;
};
