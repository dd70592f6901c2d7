// The form of the Quillomar module board: FPGA part, top-level file type,
// the on-board groups, the cards on the FMC and FMC+ connectors (each with
// its I/O voltage and prefix) and the seven reference-clock frequencies of
// the Si5341A.
#pragma once

#include <cstdint>
#include <string>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/stratix10_agilex/ConfigRennacre.h"

// The part rows of the board type combo.
struct TQuillomarFpgaPart {
    const char* szName;
    const char* szPart;
    uint8_t bHasHps;
};
extern const TQuillomarFpgaPart QuillomarFpgaPartTable[1];

// The I/O voltage of a connector: its combo item, the voltage class of its
// card list and the I/O standard given to the attached card.
struct TQuillomarFmcVoltage {
    const char* Item;
    VoltageClass Class;
    IoStandard Standard;
};
extern const TQuillomarFmcVoltage FmcVoltageTable[3];

class TFormQuillomar : public TConfigObjectBoardForm<TConfig_Rennacre> {
public:
    using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;
    // The connectors: 0 FMC, 1 FMC+.
    static constexpr int kConnectors = 2;
    static constexpr int kClockCombos = 7;

    explicit TFormQuillomar(TForm* owner);

    TComboBox* ComboBoxFPGA = nullptr;
    TComboBox* ComboBoxFileType = nullptr;
    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxDDR4A = nullptr;
    TCheckBox* CheckBoxDDR4B = nullptr;
    TCheckBox* CheckBoxSi5341A = nullptr;
    TCheckBox* CheckBoxSystemInfo = nullptr;
    TCheckBox* CheckBoxHPS = nullptr;
    TComboBox* ComboBoxFmcVol = nullptr;
    TComboBox* ComboBoxFMC = nullptr;
    TEdit* EditFMC = nullptr;
    TComboBox* ComboBoxFmcpVol = nullptr;
    TComboBox* ComboBoxFMCP = nullptr;
    TEdit* EditFMCP = nullptr;
    TImage* ImageFMC = nullptr;
    TImage* ImageFMCP = nullptr;
    TShape* ShapeHPS = nullptr;
    TShape* ShapeFMC = nullptr;
    TShape* ShapeFMCP = nullptr;
    // The clock combos in record order: ComboBox_DDR4B, ComboBox_FMC0,
    // ComboBox_FMC1, ComboBox_FMCP0 .. ComboBox_FMCP2, ComboBox_LVDS.
    TComboBox* m_ClockCombos[kClockCombos] = {};

    // The control tables of the two connectors.
    TComboBox* m_VoltageCombos[kConnectors] = {};
    TComboBox* m_CardCombos[kConnectors] = {};
    TEdit* m_PrefixEdits[kConnectors] = {};
    TImage* m_CardImages[kConnectors] = {};
    // The card lists of the two connectors (their records are never used).
    TConfig_Rennacre m_CardLists[kConnectors];

    void SetDefaults(RENNACRE_CONFIG& config) override;
    void ConfigToForm(const RENNACRE_CONFIG& config) override;
    bool FormToConfig(RENNACRE_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void UpdateControlStates();
    void FillFmcCardCombo(int connector, int32_t voltage);
    void ApplyFmcVoltage(int connector);
    bool HasHps() const;
    // The card chosen on a connector.
    DaughterId SelectedFmcCard(int connector) const;
    // The standard FMC pin namings, whose empty prefix becomes "FMC_" or
    // "FMCP_" in a generation.
    static bool IsFmcStandardCard(DaughterId card) { return card >= 40 && card <= 46; }

    void ComboBoxFMCChange(TObject* Sender);
    void ComboBoxFmcVolChange(TObject* Sender);
    void ComboBoxFmcpVolChange(TObject* Sender);
    void ComboBoxFPGAChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    void DefineBoard(TMainBoard* board, TConfig_Rennacre& object) override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void AdjustRecord(RENNACRE_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const RENNACRE_CONFIG& config) override;
    bool GeneratesVhdl(const RENNACRE_CONFIG& config) override { return config.bVhdl != 0; }
    std::string IpNotices() override;
    void AfterShow() override { UpdateControlStates(); }
    void AfterCheckBoxClick() override
    {
        UpdateCardPictures();
        UpdateControlStates();
    }

private:
    // The group boxes of record bytes 265 (bClock) to 272 (bSystemInfo).
    TFlagBoxes m_Flags;
    TChoiceCombo m_Clock[kClockCombos];
    TChoiceCombo m_Voltage[kConnectors];
    TChoiceCombo m_FileType;
    int32_t SelectedPartRow() const;
};
