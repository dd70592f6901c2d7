// The form of the Pelverton board: two FPGA nodes, each with its own
// project name, on-board groups and four HSMC cards. The form shows one node
// at a time and generates the project of the node shown.
#pragma once

#include <string>

#include "boards/cyclone4_stratix4/PelvertonConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormPelverton : public TFrameBoardFormOf<PELVERTON_CONFIG> {
public:
    explicit TFormPelverton(TForm* owner);

    TComboBox* ComboBoxBoard = nullptr;
    TComboBox* ComboBoxFPGA = nullptr;
    TComboBox* ComboBoxHSMC[4] = {};
    TEdit* EditHSMC[4] = {};
    TImage* ImageHSMC[4] = {};
    TShape* ShapeHSMC[4] = {};
    // The check boxes of the node flags 128 .. 147 (136, reserved, and 144,
    // bMax2, have no control).
    TFlagBoxes m_Groups;
    TChoiceCombo m_BoardType;
    int32_t m_CurrentNode = 0;

    void SetDefaults(PELVERTON_CONFIG& config) override;
    // Shows the node of the record that is current.
    void ConfigToForm(const PELVERTON_CONFIG& config) override;
    // The head and the current node.
    bool FormToConfig(PELVERTON_CONFIG& config) override;
    void FormToNode(PELVERTON_FPGA_CONFIG& node);
    void NodeToForm(const PELVERTON_FPGA_CONFIG& node);
    void UpdateShapes() override;
    void UpdateCardPictures();
    DaughterId HsmcCard(int i) const;

    void ComboBoxFPGAChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void AfterCheckBoxClick() override { UpdateCardPictures(); }
    void DefineBoard(TMainBoard* board, const PELVERTON_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const PELVERTON_CONFIG& config) override;
};
