// The form of the Vantremere board: project name, the on-board peripheral
// groups, a card and a prefix for the 40-pin GPIO header. Its settings live
// in a TConfigVantremere.
#pragma once

#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/ConfigVantremere.h"

class TFormVantremere : public TSocBoardFormHolding<TConfigVantremere, TConfigVantremere::BOARD_CONFIG> {
public:
    using BOARD_CONFIG = TConfigVantremere::BOARD_CONFIG;

    explicit TFormVantremere(TForm* owner);

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
    TCheckBox* CheckBoxAccelerometer = nullptr;
    TCheckBox* CheckBoxSDRAM = nullptr;
    TCheckBox* CheckBoxVGA = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxArduino = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio = nullptr;
    TShape* ShapeGpio = nullptr;

    void SetDefaults(BOARD_CONFIG& config) override;
    void ConfigToForm(const BOARD_CONFIG& config) override;
    bool FormToConfig(BOARD_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    bool Generate(const std::string& qpfPath) override;

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);

    // The nine groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "VANTREMERE"; }
    void FillCardCombos() override;
    bool ValidateCards(bool generating, std::string& message) override;
    const TBatchRule* BatchRule() const override;
    void SaveBatchCards() override;
    void RestoreBatchCards() override;
    void ShowBatchCard(int item) override;

private:
    TGpioHeaderControls m_Header;
    int m_BatchItem = 0;
    std::string m_BatchPrefix;
};
