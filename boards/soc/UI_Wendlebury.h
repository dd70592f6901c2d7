// The form of the Wendlebury board: project name, top-level language, the
// on-board peripheral groups, a card and a prefix for the GPIO header and for
// the HSMC connector, whose cards follow the connector's I/O voltage. Its
// settings live in a TConfigWendlebury.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/ConfigWendlebury.h"

class TFormWendlebury : public TSocBoardFormHolding<TConfigWendlebury, TConfigWendlebury::WENDLEBURY_CONFIG> {
public:
    using WENDLEBURY_CONFIG = TConfigWendlebury::WENDLEBURY_CONFIG;

    explicit TFormWendlebury(TForm* owner);

    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TImage* ImageVol = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;
    TComboBox* ComboBoxFileType = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio = nullptr;
    TShape* ShapeGpio = nullptr;
    TComboBox* ComboBoxHsmc = nullptr;
    TComboBox* ComboBoxHsmcVol = nullptr;
    TEdit* EditPrefixHsmc = nullptr;
    TImage* ImageHSMC = nullptr;
    TShape* ShapeHSMC = nullptr;
    // The jumper overlays, by voltage index (3.3 V, 2.5 V, 1.8 V, 1.5 V).
    std::array<TShape*, 4> m_JumperShapes{};

    void SetDefaults(WENDLEBURY_CONFIG& config) override;
    void ConfigToForm(const WENDLEBURY_CONFIG& config) override;
    bool FormToConfig(WENDLEBURY_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    bool Generate(const std::string& qpfPath) override;

    // The card list of the HSMC connector at a voltage index (any value
    // outside 0 to 3 gives the 2.5 V list).
    TConfigWendlebury& HsmcListForVoltage(int32_t index);
    void FillHsmcCombo(int32_t index);
    void SetHsmcVoltage(int32_t index);
    void WarnHsmcJumper();

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxHsmcChange(TObject* Sender);
    void ComboBoxHsmcVolChange(TObject* Sender);

    // The thirteen groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;
    // The HSMC card lists by voltage index; their records are not used.
    std::array<TConfigWendlebury, 4> m_HsmcLists;

protected:
    const char* BoardFolderWord() const override { return "Wendlebury"; }
    void FillCardCombos() override;
    bool ValidateCards(bool generating, std::string& message) override;
    void AfterGenerateSuccess() override;

private:
    DaughterId SelectedHsmcCard();
    TGpioHeaderControls m_GpioHeader;
};
