// The "GPIO Expansion" dialog of the Brackwell form: the card and the prefix
// of each of the two 40-pin GPIO headers that HSMC-C carries in GPIO mode.
// The dialog keeps the confirmed choices between showings; "Cancel" leaves
// them as they were.
#pragma once

#include <string>

#include "boards/cyclone4_stratix4/BrackwellConfig.h"
#include "model/ConfigBase.h"
#include "platform/Forms.h"

class TFormGPIO : public TForm {
public:
    explicit TFormGPIO(TForm* owner);
    ~TFormGPIO() override;

    TGroupBox* GroupBoxGpio = nullptr;
    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TButton* ButtonOk = nullptr;
    TButton* ButtonCancel = nullptr;

    // The holder whose card list both combos show (not owned).
    void SetCardListHolder(const TConfigBase<BRACKWELL_CONFIG>* holder) { m_pCardListHolder = holder; }

    void SetGpio0Index(int32_t index);
    void SetGpio1Index(int32_t index);
    int32_t GetGpio0Index() const { return m_Gpio0Index; }
    int32_t GetGpio1Index() const { return m_Gpio1Index; }
    void SetGpio0Prefix(const std::string& prefix);
    void SetGpio1Prefix(const std::string& prefix);
    const std::string& GetGpio0Prefix() const { return m_Gpio0Prefix; }
    const std::string& GetGpio1Prefix() const { return m_Gpio1Prefix; }

    // Shows the dialog modally with the confirmed choices (FormShow first);
    // mrOk when they were replaced by the shown ones, mrCancel otherwise.
    int Execute();

    void FormShow(TObject* Sender);
    void ComboBoxGpioChange(TObject* Sender);
    void ButtonOkClick(TObject* Sender);
    void ButtonCancelClick(TObject* Sender);
    void UpdateCardPictures();
    // A card that spans both headers, chosen on one, shows on the other too,
    // whose controls are then disabled; a 40-pin card re-enables them and
    // takes a spanning card off the other header.
    void CoupleGpioHeaders(TObject* Sender);

private:
    DaughterId CardOf(const TComboBox* combo) const;

    int32_t m_Gpio0Index = 0;
    int32_t m_Gpio1Index = 0;
    std::string m_Gpio0Prefix;
    std::string m_Gpio1Prefix;
    const TConfigBase<BRACKWELL_CONFIG>* m_pCardListHolder = nullptr;
};
