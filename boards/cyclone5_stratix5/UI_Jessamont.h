// The form of the Jessamont board: project name, the on-board groups, the
// I/O voltage of the two GPIO headers (jumper JP1) and the card and prefix of
// each header. The voltage decides the card lists; an 80-pin card spans both
// headers. After a generation the form names the JP1 setting and warns about
// the DDR3 and PCIe interfaces.
#pragma once

#include <array>
#include <string>

#include "boards/cyclone5_stratix5/JessamontConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormJessamont : public TFrameBoardFormOf<JESSAMONT_CONFIG> {
public:
    explicit TFormJessamont(TForm* owner);

    TComboBox* ComboBoxGpioVol = nullptr;
    TComboBox* ComboBoxGpio[2] = {};
    TEdit* EditPrefixGpio[2] = {};
    TImage* ImageGpio[2] = {};
    TShape* ShapeGpioVoltage[4] = {};  // 3.3 V, 2.5 V, 1.8 V, 1.5 V
    TCheckBox* CheckBoxDDR3 = nullptr;
    TCheckBox* CheckBoxPCIe = nullptr;
    // The twelve group boxes in the order of the record's flags (bClock ..
    // bPcie).
    TFlagBoxes m_Groups;

    void SetDefaults(JESSAMONT_CONFIG& config) override;
    void ConfigToForm(const JESSAMONT_CONFIG& config) override;
    bool FormToConfig(JESSAMONT_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void FillGpioVoltageCombo();
    VoltageClass GetGpioVoltageClass() const;
    void SetGpioVoltageClass(VoltageClass voltage);
    bool IsGpioDefaultPair() const;
    // The headers coupled as the cards they show ask (both enabled first):
    // from GPIO_0, or from GPIO_1 when only GPIO_1 carries a card.
    void CoupleShownGpioHeaders();
    void ShowGpioVoltageNotice();
    void ShowInterfaceWarnings();

    void ComboBoxGpioChange(TObject* Sender);
    void ComboBoxGpioVolChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    void ShowHeld() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void DefineBoard(TMainBoard* board, const JESSAMONT_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const JESSAMONT_CONFIG& config) override;
    void AfterSuccess() override;

private:
    std::array<TGpioHeaderControls, 2> m_Headers{};
};
