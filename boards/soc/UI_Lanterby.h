// The form of the Lanterby board: project name, the on-board peripheral
// groups, a card and a prefix for the 2x6 header.
#pragma once

#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/LanterbyConfig.h"

class TFormLanterby : public TSocBoardFormOf<LANTERBY_CONFIG> {
public:
    explicit TFormLanterby(TForm* owner);

    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TButton* ButtonDefault = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;
    TComboBox* ComboBoxYarvel = nullptr;
    TEdit* EditPrefixYarvel = nullptr;
    TImage* ImageGpio0 = nullptr;
    TShape* ShapeYarvel = nullptr;

    void SetDefaults(LANTERBY_CONFIG& config) override;
    void ConfigToForm(const LANTERBY_CONFIG& config) override;
    bool FormToConfig(LANTERBY_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    bool Generate(const std::string& qpfPath) override;

    void ButtonDefaultClick(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);

    // The twenty groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "MAX10"; }
    void FillCardCombos() override;
    // Left Ctrl on Generate: the board has no card list to walk, so the batch
    // beeps, asks the project path (which creates the proposed folder) and
    // writes nothing.
    const TBatchRule* BatchRule() const override;
    std::span<const uint8_t> BatchCards() const override { return {}; }
    bool ValidateCards(bool generating, std::string& message) override;
};
