// The form of the Zennorby board: project name, top-level file type and FPGA
// part, the on-board groups with the four QSFP28 cages, the reference clocks
// of the two Si5340A clock generators, and the four memory sockets (DDR4
// SODIMM, QDR-II+ or QDR-IV module) with their prefixes and three presets.
#pragma once

#include <cstdint>
#include <string>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/stratix10_agilex/ConfigZennorby.h"

// One row of the FPGA parts the board is built with; the name is the combo
// item and what the record stores.
struct TZennorbyFpgaPart {
    int Id;
    const char* szName;
    bool bMemRefClk166M667;  // the DDR4 defaults use 166.667 MHz, else 300 MHz
    bool bHasHps;
};
extern const TZennorbyFpgaPart ZennorbyFpgaPartTable[7];

class TFormZennorby : public TConfigObjectBoardForm<TConfigZennorby> {
public:
    using ZENNORBY_CONFIG = TConfigZennorby::ZENNORBY_CONFIG;

    explicit TFormZennorby(TForm* owner);

    TComboBox* ComboBoxFPGA = nullptr;
    TComboBox* ComboBoxFileType = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxQSFP28[4] = {};     // CheckBoxQSFP28_A .. D
    TComboBox* ComboBox_QSFP28[4] = {};    // ComboBox_QSFP28A .. D
    TComboBox* ComboBox_DDR4[4] = {};      // ComboBox_DDR4A .. D
    TComboBox* ComboBoxDDR4Socket[4] = {}; // ComboBoxDDR4Socket_A .. D
    TEdit* EditPrefixDDR4Socket[4] = {};
    TImage* ImageDDR4Socket[4] = {};
    TShape* ShapeHPS = nullptr;
    TShape* ShapeDDR4Socket[4] = {};
    TButton* Button_DDR4_Config = nullptr;
    TButton* Button_QDR2_Config = nullptr;
    TButton* Button_QDR4_Config = nullptr;
    TButton* Button1 = nullptr;  // "HSMC", hidden: writes the HSMC cards' pin lists

    void SetDefaults(ZENNORBY_CONFIG& config) override;
    void ConfigToForm(const ZENNORBY_CONFIG& config) override;
    bool FormToConfig(ZENNORBY_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void UpdatePartDependentControls();
    void FillSocketCombos();
    // 0 DDR4 (79, 80), 1 QDR-II+ (81, 83), 2 QDR-IV (84), 3 anything else.
    static int GetMemoryClass(uint8_t card);
    // The pin list of every HSMC card into ./hsmc/<short name>.txt.
    void WriteHsmcPinLists();

    void ComboBoxFPGAChange(TObject* Sender);
    void ComboBoxDDR4Socket_AChange(TObject* Sender);
    void Button_DDR4_ConfigClick(TObject* Sender);
    void Button_QDR2_ConfigClick(TObject* Sender);
    void Button_QDR4_ConfigClick(TObject* Sender);
    void Button1Click(TObject* Sender);

    const TZennorbyFpgaPart& SelectedPart() const;
    uint8_t SocketModule(int socket) const;
    int LastFpgaIndex() const { return m_HandledFpga.Item(); }

protected:
    void FillCardCombos() override;
    void AfterShow() override { UpdatePartDependentControls(); }
    void AfterRecordReplaced() override { m_HandledFpga.Shown(ComboBoxFPGA); }
    bool ValidateBoard(bool generating, std::string& message) override;
    void DefineBoard(TMainBoard* board, TConfigZennorby& object) override;
    void AttachCards(TMainBoard* board, const ZENNORBY_CONFIG& config) override;
    bool GeneratesVhdl(const ZENNORBY_CONFIG& config) override { return config.bVhdl != 0; }
    std::string IpNotices() override;
    void AfterSuccess() override;

private:
    // The three presets: every socket holds the module, with the prefix
    // <base><letter>_; memChoice < 0 keeps the part's DDR4 default.
    void ApplyPreset(uint8_t module, const char* prefixBase, int32_t memChoice);

    TFlagBoxes m_Flags;         // record bytes bClock .. bGpio2x5
    TFlagBoxes m_Qsfp28Flags;   // bQsfp28[4]
    TChoiceCombo m_Qsfp28RefClk[4];
    TChoiceCombo m_MemRefClk[4];
    THandledItem m_HandledFpga;  // the part row ComboBoxFPGAChange handled last
};
