// The form of the Ormsgill board: project name and board type, the
// on-board groups, the cards and prefixes of two GPIO headers and two HSMC
// connectors, the DDR2 sockets and the three outputs of the programmable PLL.
#pragma once

#include <string>

#include "boards/cyclone4_stratix4/OrmsgillConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormOrmsgill : public TFrameBoardFormOf<ORMSGILL_CONFIG> {
public:
    explicit TFormOrmsgill(TForm* owner);

    // The second holder serves only the card list of the GPIO combos.
    TConfigBase<ORMSGILL_CONFIG> m_GpioList;

    TComboBox* ComboBoxBoard = nullptr;
    TCheckBox* CheckBoxExtPLL = nullptr;
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxSata[4] = {};
    TCheckBox* CheckBoxDDR2[2] = {};
    TComboBox* ComboBoxGpio[2] = {};
    TEdit* EditPrefixGpio[2] = {};
    TImage* ImageGpio[2] = {};
    TShape* ShapeGpio[2] = {};
    TComboBox* ComboBoxHSMC[2] = {};
    TEdit* EditHSMC[2] = {};
    TImage* ImageHSMC[2] = {};
    TShape* ShapeHSMC[2] = {};
    TShape* ShapeExtPLL[3] = {};
    TComboBox* ComboBoxPLL[3] = {};  // HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK
    // The check boxes of the flags bClock .. bRs232 (bMax2 has no control).
    TFlagBoxes m_Groups;
    TChoiceCombo m_BoardType;
    TChoiceCombo m_Pll[3];

    void SetDefaults(ORMSGILL_CONFIG& config) override;
    void ConfigToForm(const ORMSGILL_CONFIG& config) override;
    bool FormToConfig(ORMSGILL_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void UpdatePllCombos();
    void CoupleGpioHeaders(TObject* changed);
    DaughterId HsmcCard(int port) const;
    DaughterId GpioCard(int header) const;

    void ComboBoxBoardChange(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxHSMCChange(TObject* Sender);
    void ComboBoxPLLChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    std::string IpNotices() override;
    void AfterCheckBoxClick() override;
    void DefineBoard(TMainBoard* board, const ORMSGILL_CONFIG& config) override;
    void ApplyDefaultPrefixes(ORMSGILL_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const ORMSGILL_CONFIG& config) override;
};

// The layout of the Ormsgill form; the Pellowind placeholder shows a close
// copy of it (its own captions and picture, no handlers).
enum class TOrmsgillLayout { Ormsgill, Pellowind };
TFormSpec OrmsgillLayout(TOrmsgillLayout kind);
