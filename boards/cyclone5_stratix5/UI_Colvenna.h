// The form of the Colvenna board: project name, FPGA part, the on-board
// groups, the output frequencies of the CDCM6208 and LMK04906 clock chips,
// and a card and prefix for the GPIO header and each of the four FMC
// connectors (A and D HPC, B and C LPC). Its configuration object
// TConfigColvenna holds the record in place of the frame's holder and gives
// the generated project the clock chips' text and files.
#pragma once

#include <string>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/cyclone5_stratix5/ConfigColvenna.h"

class TFormColvenna : public TConfigObjectBoardForm<TConfigColvenna> {
public:
    explicit TFormColvenna(TForm* owner);

    // The frame's m_Config holds the settings, the folder and the GPIO card
    // list; m_HpcCards and m_LpcCards only the card lists of the FMC HPC and
    // LPC connectors.
    TConfigColvenna m_HpcCards;
    TConfigColvenna m_LpcCards;

    TComboBox* ComboBoxBoard = nullptr;
    TButton* ButtonDefault = nullptr;
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxSataHost = nullptr;
    TCheckBox* CheckBoxSataDevice = nullptr;
    TCheckBox* CheckBoxExtCdcmPLL = nullptr;
    TCheckBox* CheckBoxExtLmkPLL = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditGpio = nullptr;
    TImage* ImageGpio = nullptr;
    TShape* ShapeGpio = nullptr;
    // FMC-A .. FMC-D.
    TComboBox* ComboBoxFmc[FMC_COUNT] = {};
    TEdit* EditFmc[FMC_COUNT] = {};
    TImage* ImageFmc[FMC_COUNT] = {};
    TShape* ShapeFmc[FMC_COUNT] = {};
    // The 18 group boxes in the order of the record's flags (bClock ..
    // bLmk04906).
    TFlagBoxes m_Groups;
    // The clock chips' combos in the order of the record's choices.
    TChoiceCombo m_Cdcm6208[CDCM6208_OUTPUTS];
    TChoiceCombo m_Lmk04906[LMK04906_OUTPUTS];

    void SetDefaults(COLVENNA_CONFIG& config) override;
    void ConfigToForm(const COLVENNA_CONFIG& config) override;
    bool FormToConfig(COLVENNA_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void UpdatePllCombos();
    static bool IsHpcSlot(int fmc) { return fmc == FMC_A || fmc == FMC_D; }
    DaughterId SelectedFmcCard(int fmc) const;

    void ButtonDefaultClick(TObject* Sender);
    void ComboBoxFmcChange(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxPllChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, TConfigColvenna& object) override;
    void AttachCards(TMainBoard* board, const COLVENNA_CONFIG& config) override;
    bool ValidateBoard(bool generating, std::string& message) override;
    std::string IpNotices() override;
    void AfterCheckBoxClick() override;

private:
    const TConfigColvenna& FmcList(int fmc) const { return IsHpcSlot(fmc) ? m_HpcCards : m_LpcCards; }
};
