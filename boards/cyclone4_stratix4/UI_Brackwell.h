// The form of the Brackwell board: project name and board type, the on-board
// groups, the programmable PLL with its three reference clocks, a card and a
// prefix for each of the six HSMC connectors, HSMC-C in HSMC or GPIO mode
// (the GPIO headers are chosen in the "GPIO Expansion" dialog), and the VCCIO
// indicator that shows the jumper and LEDs each HSMC card needs.
#pragma once

#include <array>
#include <string>

#include "boards/cyclone4_stratix4/BrackwellConfig.h"
#include "boards/cyclone4_stratix4/UI_GpioExpansion.h"
#include "boards/frame/BoardFormFrame.h"

class TFormBrackwell : public TFrameBoardFormOf<BRACKWELL_CONFIG> {
public:
    explicit TFormBrackwell(TForm* owner);

    TButton* ButtonGpio = nullptr;
    TComboBox* ComboBoxBoard = nullptr;
    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxSma = nullptr;
    TCheckBox* CheckBoxTemp = nullptr;
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxPCIe0 = nullptr;
    TCheckBox* CheckBoxPCIe1 = nullptr;
    TCheckBox* CheckBoxFan = nullptr;
    TCheckBox* CheckBoxSSRAM = nullptr;
    TCheckBox* CheckBoxFlash = nullptr;
    TCheckBox* CheckBoxExtPLL = nullptr;
    TComboBox* ComboBoxPLL_HSMA = nullptr;
    TComboBox* ComboBoxPLL_HSME = nullptr;
    TComboBox* ComboBoxPLL_GXB = nullptr;
    TComboBox* ComboBoxHsmcGpio = nullptr;
    TLabel* LabelGPIO = nullptr;
    TLabel* LabelPrefixHSMC_C = nullptr;
    TImage* ImageVol = nullptr;
    TPaintBox* PaintBoxHint = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;
    std::array<TComboBox*, 6> m_HsmcCombos{};
    std::array<TEdit*, 6> m_HsmcPrefixEdits{};
    std::array<TImage*, 6> m_HsmcImages{};
    std::array<TShape*, 6> m_HsmcShapes{};

    // Card lists beside the HSMC list of m_Config: HSMC cards with
    // transceivers (HSMC-A and HSMC-E), and the cards of the GPIO header pair.
    TConfigBase<BRACKWELL_CONFIG> m_HsmcXcvrCardList;
    TConfigBase<BRACKWELL_CONFIG> m_GpioCardList;
    TFormGPIO* m_pGpioDialog = nullptr;  // owned by this form

    void SetDefaults(BRACKWELL_CONFIG& config) override;
    void ConfigToForm(const BRACKWELL_CONFIG& config) override;
    bool FormToConfig(BRACKWELL_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void UpdatePllCombos();
    void UpdateHsmcCMode();
    void PaintVccioIndicator();
    bool IsHsmcCGpioMode() const;
    static bool UsesXcvrCardList(int hsmc);
    static bool IsHsmcDefaultCard(DaughterId card);
    // The card shown on HSMC connector i (0..5), from the list its combo uses.
    DaughterId HsmcCard(int hsmc) const;
    // The card chosen in the dialog for GPIO header j.
    DaughterId GpioCard(int header) const;
    // The state of HSMC connector i on the VCCIO indicator: 0 1.5 V, 1 1.8 V,
    // 2 2.5 V (also no card), 3 3.0 V, 4 3.3 V; HSMC-C in GPIO mode 3 with a
    // card on either header, else 2.
    int VccioState(int hsmc) const;

    void ButtonGpioClick(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);
    void ComboBoxHsmcGpioChange(TObject* Sender);
    void ComboBoxBoardChange(TObject* Sender);
    void PaintBoxHintPaint(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    std::string IpNotices() override;
    void AfterCheckBoxClick() override;
    void DefineBoard(TMainBoard* board, const BRACKWELL_CONFIG& config) override;
    void ApplyDefaultPrefixes(BRACKWELL_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const BRACKWELL_CONFIG& config) override;

private:
    void RenameHsmcClockPin(TMainBoard* board, int n, PinDirection direction, const char* suffix,
                            const std::string& prefix, int pinNumber);
    const TConfigBase<BRACKWELL_CONFIG>& HsmcList(int hsmc) const;

    TFlagBoxes m_Flags;  // bCLOCK .. bExtPLL
    std::array<TChoiceCombo, 3> m_PllCombos;
    bool m_PllShown = false;  // the combos show the record's choices, enabled
};
