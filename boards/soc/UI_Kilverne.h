// The form of the Kilverne board: project name, the on-board peripheral
// groups and the mode of the BBB header, which names the header's pins (the
// header takes no daughter card).
#pragma once

#include <string>
#include <vector>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/KilverneConfig.h"

class TFormKilverne : public TSocBoardFormOf<KILVERNE_CONFIG> {
public:
    explicit TFormKilverne(TForm* owner);

    TImage* ImageAltera = nullptr;
    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TLabel* LabelRevision = nullptr;
    TComboBox* ComboBoxBoardRev = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;
    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxCapButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxHdmiTx = nullptr;
    TCheckBox* CheckBoxTempSensor = nullptr;
    TCheckBox* CheckBoxGSensor = nullptr;
    TCheckBox* CheckBoxUsb = nullptr;
    TCheckBox* CheckBoxMIPI = nullptr;
    TCheckBox* CheckBoxEthernet = nullptr;
    TCheckBox* CheckBoxSdCard = nullptr;
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxFlash = nullptr;
    TCheckBox* CheckBoxAudio = nullptr;
    TCheckBox* CheckBoxSmaADC = nullptr;
    TCheckBox* CheckBoxLightSensor = nullptr;
    TCheckBox* CheckBoxHumiditySensor = nullptr;
    TCheckBox* CheckBoxPowerMonitor = nullptr;
    TComboBox* ComboBoxBBB = nullptr;
    TEdit* EditPrefixBBB = nullptr;
    TImage* ImageBBB = nullptr;
    TShape* ShapeBBB_P8 = nullptr;
    TShape* ShapeBBB_P9 = nullptr;

    void SetDefaults(KILVERNE_CONFIG& config) override;
    void ConfigToForm(const KILVERNE_CONFIG& config) override;
    bool FormToConfig(KILVERNE_CONFIG& config) override;
    void UpdateCardPictures();
    void UpdateShapes();
    bool Generate(const std::string& qpfPath) override;

    void CheckBoxClick(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxBBBChange(TObject* Sender);

    // The nineteen groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

protected:
    const char* BoardFolderWord() const override { return "Kilverne"; }
    void FillCardCombos() override;
    // Left Ctrl on Generate: the board has no card list to walk, so the batch
    // beeps, asks the project path (which creates the proposed folder) and
    // writes nothing.
    const TBatchRule* BatchRule() const override;
    std::span<const uint8_t> BatchCards() const override { return {}; }
    bool ValidateCards(bool, std::string&) override { return true; }
};
