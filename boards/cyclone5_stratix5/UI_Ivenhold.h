// The form of the Ivenhold board: project name, the on-board groups, the
// card and prefix of the GPIO header and of the HSMC connector. The GPIO
// header shares its pins with the digits HEX2 and HEX3: while it carries a
// card the form shows two digits, the project has HEX0 and HEX1 only, and a
// notice after the generation tells how to free those pins. Left Ctrl held
// on Generate writes one project per HSMC card (None included), then one per
// GPIO card.
#pragma once

#include <string>

#include "boards/BatchGenerate.h"
#include "boards/cyclone5_stratix5/IvenholdConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormIvenhold : public TFrameBoardFormOf<IVENHOLD_CONFIG>, protected TBatchTarget {
public:
    explicit TFormIvenhold(TForm* owner);

    TCheckBox* CheckBoxSeg7 = nullptr;
    TComboBox* ComboBoxGpio = nullptr;
    TEdit* EditPrefixGpio = nullptr;
    TImage* ImageGpio = nullptr;
    TComboBox* ComboBoxHSMC = nullptr;
    TEdit* EditPrefixHSMC = nullptr;
    TImage* ImageHSMC = nullptr;
    TImage* ImageHex = nullptr;
    TShape* ShapeGpio = nullptr;
    TShape* ShapeHSMC = nullptr;
    TShape* ShapeSeg7 = nullptr;
    TShape* ShapeSeg7_x2 = nullptr;
    TShape* ShapeArduino[2] = {};
    // The 14 group boxes in the order of the record's flags (bClock .. bAdc);
    // the SEG7 outline is the form's own (four or two digits).
    TFlagBoxes m_Groups;
    // The GPIO card list (the held holder's list is the HSMC list).
    TConfigBase<IVENHOLD_CONFIG> m_GpioList;

    void SetDefaults(IVENHOLD_CONFIG& config) override;
    void ConfigToForm(const IVENHOLD_CONFIG& config) override;
    bool FormToConfig(IVENHOLD_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    bool IsGpioHeaderFree() const;
    void UpdateSeg7Caption();
    void ShowGpioHexNotice();
    void GenerateBatch();

    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    bool RunsBatch() override;
    void AfterSuccess() override { ShowGpioHexNotice(); }
    void DefineBoard(TMainBoard* board, const IVENHOLD_CONFIG& config) override;
    void ApplyDefaultPrefixes(IVENHOLD_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const IVENHOLD_CONFIG& config) override;

    // The batch: the HSMC list from "None", then the GPIO list without it.
    std::string AskBatchProjectFile() override;
    void SaveBatchControls() override;
    void RestoreBatchControls() override;
    void BeginBatchPass(int pass) override;
    void ShowBatchItem(int item, const std::string& projectName) override;
    bool GenerateBatchProject(const std::string& qpfPath) override { return Generate(qpfPath); }

private:
    DaughterId SelectedGpioCard() const;
    DaughterId SelectedHsmcCard() const;

    int m_BatchPass = 0;
    std::string m_BatchProjectName;
    int m_BatchHsmcItem = 0;
    int m_BatchGpioItem = 0;
};
