// The form of the Hollarne board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers.
#pragma once

#include <array>
#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/HollarneConfig.h"

class TFormHollarne : public TSocBoardFormOf<HOLLARNE_CONFIG> {
public:
    explicit TFormHollarne(TForm* owner);

    TImage* ImageLogo = nullptr;
    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonSelAll = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonDefault = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;
    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxVGA = nullptr;
    TCheckBox* CheckBoxSDRAM = nullptr;
    TCheckBox* CheckBoxAudio = nullptr;
    TCheckBox* CheckBoxVideoIn = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxIR = nullptr;
    TCheckBox* CheckBoxPS2 = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TCheckBox* CheckBoxUart = nullptr;
    TCheckBox* CheckBoxQspiFlash = nullptr;
    TCheckBox* CheckBoxRiscJtag = nullptr;
    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;

    void SetDefaults(HOLLARNE_CONFIG& config) override;
    void ConfigToForm(const HOLLARNE_CONFIG& config) override;
    bool FormToConfig(HOLLARNE_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    void CoupleGpioHeaders(TObject* sender);
    bool IsDefaultGpioPair();
    bool Generate(const std::string& qpfPath) override;

    void ButtonDefaultClick(TObject* Sender);
    void ButtonSelAllClick(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);

    // The 16 peripheral-group check boxes with their overlay shapes, in the
    // order of the flags of the record (bClock .. bRiscvJtag).
    struct TGroupControls {
        TCheckBox* Box;
        TShape* Shape;
    };
    std::array<TGroupControls, 16> m_Groups{};

protected:
    const char* BoardFolderWord() const override { return "HOLLARNE"; }
    void FillCardCombos() override;
    bool ValidateCards(bool generating, std::string& message) override;
    void AfterGenerateSuccess() override;

private:
    std::array<TGpioHeaderControls, 2> m_Headers{};
};
