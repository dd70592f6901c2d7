// The form of the Mirrendale board: project name, the on-board peripheral
// groups, a card and a prefix for its one 40-pin GPIO header; with the left
// Ctrl key held, Generate writes one project per card of the header's list.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/MirrendaleConfig.h"

class TFormMirrendale : public TSocBoardFormOf<MIRRENDALE_CONFIG> {
public:
    explicit TFormMirrendale(TForm* owner);

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
    TCheckBox* CheckBoxVGA = nullptr;
    TCheckBox* CheckBoxHdmi = nullptr;
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxAudio = nullptr;
    TCheckBox* CheckBoxVideoIn = nullptr;
    TCheckBox* CheckBoxADC = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxIR = nullptr;
    TCheckBox* CheckBoxPS2 = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio0 = nullptr;
    TShape* ShapeGpio = nullptr;

    void SetDefaults(MIRRENDALE_CONFIG& config) override;
    void ConfigToForm(const MIRRENDALE_CONFIG& config) override;
    bool FormToConfig(MIRRENDALE_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    bool Generate(const std::string& qpfPath) override;

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);

    // The fourteen groups in the order of their flags in the record; "HPS"
    // marks nine parts of the photograph.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "MIRRENDALE"; }
    void FillCardCombos() override;
    bool ValidateCards(std::string& message) override;
    void AfterGenerateSuccess() override;

    const TBatchRule* BatchRule() const override;
    void SaveBatchCards() override;
    void RestoreBatchCards() override;
    void ShowBatchCard(int item) override;

private:
    std::array<TGpioHeaderControls, 1> m_Headers{};
    int m_BatchItem = 0;
};
