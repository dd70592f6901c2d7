// The form of the Wyndholt board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers, which
// an 80-pin card occupies together; with the left Ctrl key held, Generate
// writes one project per card of the list, on both headers at once.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/WyndholtConfig.h"

class TFormWyndholt : public TSocBoardFormOf<WYNDHOLT_CONFIG> {
public:
    explicit TFormWyndholt(TForm* owner);

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
    TCheckBox* CheckBoxSDRAM = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxPS2 = nullptr;
    TCheckBox* CheckBoxSdCard = nullptr;
    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;

    void SetDefaults(WYNDHOLT_CONFIG& config) override;
    void ConfigToForm(const WYNDHOLT_CONFIG& config) override;
    bool FormToConfig(WYNDHOLT_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    void CoupleGpioHeaders(TObject* sender);
    bool Generate(const std::string& qpfPath) override;

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void EditPrefixGpioChange(TObject* Sender);

    // The nine groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "WYNDHOLT"; }
    void FillCardCombos() override;
    bool ValidateCards(std::string& message) override;

    const TBatchRule* BatchRule() const override;
    void SaveBatchCards() override;
    void RestoreBatchCards() override;
    void ShowBatchCard(int item) override;

private:
    std::array<TGpioHeaderControls, 2> m_Headers{};
    // The combos' items and the prefixes a batch puts back.
    std::array<int, 2> m_BatchItems{};
    std::array<std::string, 2> m_BatchPrefixes;
};
