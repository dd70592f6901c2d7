// The form of the Dorvalin board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/DorvalinConfig.h"

class TFormDorvalin : public TSocBoardFormOf<DORVALIN_CONFIG> {
public:
    explicit TFormDorvalin(TForm* owner);

    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;
    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TCheckBox* CheckBoxArduino = nullptr;
    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;

    void SetDefaults(DORVALIN_CONFIG& config) override;
    void ConfigToForm(const DORVALIN_CONFIG& config) override;
    bool FormToConfig(DORVALIN_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    void CoupleGpioHeaders(TObject* sender);
    bool Generate(const std::string& qpfPath) override;

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);

    // The seven groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "DORVALIN"; }
    void FillCardCombos() override;
    bool ValidateCards(std::string& message) override;
    void AfterGenerateSuccess() override;

private:
    std::array<TGpioHeaderControls, 2> m_Headers{};
};
