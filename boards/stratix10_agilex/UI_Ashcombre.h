// The form of the Agilex board Ashcombre: project name, top-level file type
// and FPGA part, the on-board groups with the four DDR4 SODIMM sockets (one
// rank choice for all) and the two QSFPDD cages, and the outputs of the
// Si5397A clock generator.
#pragma once

#include <cstdint>
#include <string>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/stratix10_agilex/ConfigAshcombre.h"

// The two FPGA parts the board is built with.
extern const char* const AshcombreFpgaParts[2];

class TFormAshcombre : public TConfigObjectBoardForm<TConfigAshcombre> {
public:
    using ASHCOMBRE_CONFIG = TConfigAshcombre::ASHCOMBRE_CONFIG;

    explicit TFormAshcombre(TForm* owner);

    TComboBox* ComboBoxFPGA = nullptr;
    TComboBox* ComboBoxFileType = nullptr;
    TCheckBox* CheckBoxDDR4[4] = {};  // CheckBoxDDR4_A .. D
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxQSFPDD[2] = {};  // CheckBoxQSFPDD_A, _B
    TCheckBox* CheckBoxUserQspiFlash = nullptr;  // hidden
    TComboBox* ComboBoxDdr4Rank = nullptr;
    TComboBox* ComboBox_QDFPDD_REFCLK_0 = nullptr;
    TComboBox* ComboBox_QDFPDD_REFCLK_1 = nullptr;
    TComboBox* ComboBox_QDFPDD_REFCLK_2 = nullptr;
    TComboBox* CombComboBox_Si5397A0 = nullptr;
    TComboBox* CombComboBox_Si5397A1 = nullptr;
    TButton* Button_Default_Config = nullptr;
    TButton* Button2 = nullptr;  // "Select All", without action

    void SetDefaults(ASHCOMBRE_CONFIG& config) override;
    void ConfigToForm(const ASHCOMBRE_CONFIG& config) override;
    bool FormToConfig(ASHCOMBRE_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures() {}  // the form shows no card pictures
    void UpdateComboEnables();

    void ComboBoxFPGAChange(TObject* Sender);

    int LastFpgaIndex() const { return m_HandledFpga.Item(); }

protected:
    void FillCardCombos() override;
    void AfterShow() override { UpdateComboEnables(); }
    void AfterRecordReplaced() override { m_HandledFpga.Shown(ComboBoxFPGA); }
    void AfterCheckBoxClick() override { UpdateComboEnables(); }
    void DefineBoard(TMainBoard* board, TConfigAshcombre& object) override;
    void AttachCards(TMainBoard* board, const ASHCOMBRE_CONFIG& config) override;
    bool GeneratesVhdl(const ASHCOMBRE_CONFIG& config) override { return config.bVhdlTopFile != 0; }
    std::string IpNotices() override;

private:
    void FillRankCombo();

    TFlagBoxes m_Flags;        // record bytes bClock .. bDdr4Socket[3]
    TFlagBoxes m_QsfpddFlags;  // bQsfpdd[2]
    TChoiceCombo m_RefClk[2];
    TChoiceCombo m_IoSource[2];
    THandledItem m_HandledFpga;  // the part row ComboBoxFPGAChange handled last
};
