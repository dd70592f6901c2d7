// The form of the Yarrowgate board: project name and top-level file type,
// the on-board groups, the module of the DDR4 SODIMM socket and the card of
// the FMC connector (each with a pin-name prefix), the FMC I/O voltage, and
// the frequencies of the five transceiver reference clocks of the two TXC
// clock generators.
#pragma once

#include <string>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/arria10/ConfigYarrowgate.h"

class TFormYarrowgate : public TConfigObjectBoardForm<TConfigYarrowgate> {
public:
    using YARROWGATE_CONFIG = TConfigYarrowgate::YARROWGATE_CONFIG;

    explicit TFormYarrowgate(TForm* owner);

    // Card lists of the FMC connector at 1.8 V, 1.5 V and 1.2 V; m_Config
    // holds the list of the socket.
    TConfigYarrowgate m_FmcList1V8;
    TConfigYarrowgate m_FmcList1V5;
    TConfigYarrowgate m_FmcList1V2;

    TComboBox* ComboBoxFileType = nullptr;
    TComboBox* ComboBoxDDR4Socket = nullptr;
    TEdit* EditPrefixDDR4Socket = nullptr;
    TImage* ImageDDR4Socket = nullptr;
    TComboBox* ComboBoxFmcVol = nullptr;
    TComboBox* ComboBoxFmc = nullptr;
    TEdit* EditPrefixFmc = nullptr;
    TImage* ImageFMC = nullptr;
    TImage* ImageVol = nullptr;
    TCheckBox* CheckBoxXcvrClk = nullptr;
    TShape* ShapeDDR4Socket = nullptr;
    TShape* ShapeFMC = nullptr;
    TShape* ShapeFmcVol[3] = {};  // 1.8 V, 1.5 V, 1.2 V
    TButton* ButtonSelectAll = nullptr;
    // HDMI, SFP, FMC, DP, USB.
    TComboBox* m_RefClkCombos[TXC_REFCLK_COUNT] = {};
    // The 23 group boxes of record bytes 137 (bClock) to 159 (bHps).
    TFlagBoxes m_Flags;

    void SetDefaults(YARROWGATE_CONFIG& config) override;
    void ConfigToForm(const YARROWGATE_CONFIG& config) override;
    bool FormToConfig(YARROWGATE_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    static void ResetTxcRefClocks(YARROWGATE_CONFIG& config);
    // The voltage code of the voltage combo's item (2, 3 or 4) and the FMC
    // card list of a code.
    int32_t GetFmcVoltageCode() const;
    TConfigYarrowgate& GetFmcCardList(int32_t code);
    void FillFmcCardCombo(int32_t code);

    void ComboBoxDDR4SocketChange(TObject* Sender);
    void ComboBoxFmcChange(TObject* Sender);
    void ComboBoxFmcVolChange(TObject* Sender);
    void ButtonSelectAllClick(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void AfterCheckBoxClick() override;
    void AdjustRecord(YARROWGATE_CONFIG& config) override;
    void DefineBoard(TMainBoard* board, TConfigYarrowgate& object) override;
    void AttachCards(TMainBoard* board, const YARROWGATE_CONFIG& config) override;
    bool GeneratesVhdl(const YARROWGATE_CONFIG& config) override { return config.bVhdl != 0; }
    void AfterSuccess() override;

private:
    void WarnFmcVoltageJumper();
    std::string WarningText() const;
    DaughterId SocketCard() const;
    DaughterId FmcCard();
    bool Ticked(const char* box) const;

    // True while a record is shown: the boxes change without the user.
    bool m_Showing = false;
    // The reconfiguration box as last seen, to tell the user's unticking.
    bool m_XcvrTicked = false;
};
