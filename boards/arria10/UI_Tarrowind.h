// The form of the Tarrowind board: project name, FPGA device, the on-board
// groups with the two DDR3 SODIMM sockets, and the frequencies of the two
// Si5340 clock generators (four QSFP+ outputs; DDR3, QDRII+ and on-board
// PCIe outputs).
#pragma once

#include "boards/arria10/BoardFormConfigObject.h"
#include "boards/arria10/BoardFormSi5340.h"
#include "boards/arria10/ConfigTarrowind.h"

class TFormTarrowind : public TConfigObjectBoardForm<TConfigTarrowind> {
public:
    explicit TFormTarrowind(TForm* owner);

    TComboBox* ComboBoxBoard = nullptr;
    TCheckBox* CheckBoxDDR3_0 = nullptr;
    TCheckBox* CheckBoxDDR3_1 = nullptr;
    TCheckBox* CheckBoxQdr[4] = {};   // CheckBoxQdrA .. D
    TCheckBox* CheckBoxQsfp[4] = {};  // CheckBoxQsfpA .. D
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxPceiClk = nullptr;
    // Si5340A outputs A..D, then Si5340B DDR3, QDRII, PCIE.
    TComboBox* m_Si5340AComboBoxes[4] = {};
    TComboBox* m_Si5340BComboBoxes[3] = {};
    TShape* ShapeSi5340A = nullptr;
    TShape* ShapeSi5340B = nullptr;
    TButton* ButtonButtonDefaultAllSetting = nullptr;
    // The 23 group boxes in record order (bCLOCK .. bRS422).
    TFlagBoxes m_Flags;
    // The seven clock combos; their remembered choices are m_ClockItemIndex.
    TChoiceCombo m_Clock[7];
    TChoiceCombo m_Device;

    void SetDefaults(TConfigTarrowind::TARROWIND_CONFIG& config) override;
    void ConfigToForm(const TConfigTarrowind::TARROWIND_CONFIG& config) override;
    bool FormToConfig(TConfigTarrowind::TARROWIND_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateClockCombos();
    bool ValidateClocks();
    int32_t ClockItemIndex(int i) const { return m_Clock[i].Remembered; }

    void ComboBoxSi5340A_OnChange(TObject* Sender);
    void ComboBoxSi5340B_OnChange(TObject* Sender);
    void ButtonButtonDefaultAllSettingClick(TObject* Sender);

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, TConfigTarrowind& object) override;
    void AttachCards(TMainBoard* board, const TConfigTarrowind::TARROWIND_CONFIG& config) override;
    bool ConfirmGenerate() override { return ValidateClocks(); }
    std::string IpNotices() override;
    void AfterShow() override { UpdateClockCombos(); }
    void AfterCheckBoxClick() override { UpdateClockCombos(); }

private:
    bool AnyTicked(TCheckBox* const* boxes, int count) const;
};
