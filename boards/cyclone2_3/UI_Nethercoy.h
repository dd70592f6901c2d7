// The form of the Nethercoy board: project name, board type, the on-board
// groups, and a card with its prefix on each Tavrel connector. Two check
// boxes are modes: "GPIO Header" turns Tavrel-A into the two 40-pin headers
// GPIO_0 and GPIO_1, "DDR2 SODIMM" gives Tavrel-B's pins to the memory
// socket.
#pragma once

#include <string>

#include "boards/cyclone2_3/NethercoyConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormNethercoy : public TFrameBoardFormOf<NETHERCOY_CONFIG> {
public:
    explicit TFormNethercoy(TForm* owner);

    TComboBox* ComboBoxBoard = nullptr;
    TCheckBox* CheckBoxGpioHeader = nullptr;
    TCheckBox* CheckBoxDDR2 = nullptr;
    TComboBox* ComboBoxGPIO[2] = {};
    TEdit* EditGPIO[2] = {};
    TComboBox* ComboBoxTavrel[4] = {};
    TEdit* EditTavrel[4] = {};
    TLabel* LabelGPIO = nullptr;
    TLabel* LabelGpioPrefix = nullptr;
    TLabel* LabelTavrel_A = nullptr;
    TImage* ImageGPIO = nullptr;
    TImage* ImageTavrel[4] = {};
    TShape* ShapeGPIO[2] = {};
    TShape* ShapeTavrel[4] = {};
    // The twelve check boxes in the order of the record's flags, the two
    // modes last.
    TFlagBoxes m_Groups;
    TChoiceCombo m_BoardType;
    // Only its card list is used: the list of the two GPIO combos.
    TConfigBase<NETHERCOY_CONFIG> m_GpioCardList;

    void SetDefaults(NETHERCOY_CONFIG& config) override;
    void ConfigToForm(const NETHERCOY_CONFIG& config) override;
    bool FormToConfig(NETHERCOY_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void CoupleGpioHeaders(TComboBox* changed);

    bool IsGpioMode() const { return CheckBoxGpioHeader->Checked(); }
    bool IsDdr2Mode() const { return CheckBoxDDR2->Checked(); }
    // Tavrel-A in GPIO Header mode, Tavrel-B in DDR2 SODIMM mode.
    bool IsTakenOver(int tavrel) const;
    DaughterId GpioCard(int header) const;
    DaughterId TavrelCard(int tavrel) const;

    void ComboBoxChange(TObject* Sender);
    void CheckBoxModeClick(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    bool ValidateAfterNameFailure(std::string& message) override;
    void DefineBoard(TMainBoard* board, const NETHERCOY_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const NETHERCOY_CONFIG& config) override;
    void AfterCheckBoxClick() override { UpdateCardPictures(); }

private:
    void ShowGpioMode(bool gpio);
    bool CheckGpioPrefixes(std::string& message) const;
};
