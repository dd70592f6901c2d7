// What every board form of the SoC, MAX 10 and small Cyclone V family does
// alike: the order of construction, default.cfg, Save/Load/Default/Exit, the
// road of a Generate click with its boxes, and the coupling of two 40-pin
// GPIO headers by a card that spans both. A board form holds only what is
// its own: its layout, its record, its defaults, and how its record maps onto
// its controls and its board definition.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "boards/BoardForm.h"
#include "model/ConfigBase.h"
#include "model/DaughterBoard.h"

// A connector that may carry a card, as the prefix checks see it: its card
// (0: none), the prefix typed for it and its label in messages ("GPIO-0").
struct TCardPrefix {
    DaughterId Card;
    std::string Prefix;
    std::string Label;
};

// The controls of one 40-pin GPIO header.
struct TGpioHeaderControls {
    TComboBox* Combo = nullptr;
    TEdit* Prefix = nullptr;
    TImage* Picture = nullptr;
};

class TSocBoardForm : public TBoardForm {
public:
    explicit TSocBoardForm(TForm* owner);

    // Handlers shared by the family; a layout binds them by these names.
    void ButtonGenClick(TObject* Sender);
    void ButtonSaveClick(TObject* Sender);
    void ButtonLoadClick(TObject* Sender);
    void ButtonExitClick(TObject* Sender);
    void ButtonMainBoardSelectClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // Checks before generating or saving: the project name (model/Names.h),
    // then the board's own checks (ValidateCards). Shows the first failure's
    // message in an error box.
    bool Validate();
    // One generation run for a project file path.
    virtual bool Generate(const std::string& qpfPath) = 0;

    // The longest text a record's name fields hold.
    static constexpr int kMaxNameLength = 127;

protected:
    // Runs the shared steps of construction once the layout is loaded: form
    // colour, name limits, card combos, settings folder, default.cfg or the
    // defaults, and showing the record.
    void InitialiseSettings(TEdit* projectName);
    // The handlers of the shared buttons, for a layout's handler table.
    void AddSharedHandlers(std::vector<THandlerEntry>& handlers);

    // What each board supplies.
    virtual const char* BoardFolderWord() const = 0;  // "HOLLARNE": default name and output folder
    virtual void FillCardCombos() = 0;
    virtual void ResetHeldToDefaults() = 0;
    virtual void ShowHeld() = 0;   // ConfigToForm with the held record
    virtual bool StoreHeld() = 0;  // FormToConfig into the held record
    virtual bool LoadHeld(const std::string& path) = 0;
    virtual bool SaveHeld(const std::string& path) = 0;
    virtual std::string& SettingsFolder() = 0;
    // The board's own checks after the project name; false with a message.
    virtual bool ValidateCards(std::string& message) = 0;
    // The checks of each connector's prefix, for ValidateCards: for every
    // connector with a card, a legal prefix that leaves every pin name of
    // the card (as loaded for the board) within 128 characters. False with
    // the message of the first failure, in the connectors' order.
    static bool CheckCardPrefixes(uint8_t board, const std::vector<TCardPrefix>& connectors, std::string& message);
    // After the success box of a generation run.
    virtual void AfterGenerateSuccess() {}

    void FormLeave() override;

    // Two GPIO headers: an 80-pin card chosen on one shows on the other too,
    // whose combo and prefix are then disabled and mirror the first.
    void CoupleGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, TObject* sender, const uint8_t* ids);
    // Keeps the disabled prefix of a coupled header equal to the one typed.
    static void MirrorCoupledPrefix(std::array<TGpioHeaderControls, 2>& headers, TObject* sender);

    TEdit* m_ProjectName = nullptr;
};

// The settings holder of a form of this family, held by value.
template <class X_CONFIG>
class TSocBoardFormOf : public TSocBoardForm {
public:
    using TSocBoardForm::TSocBoardForm;
    TConfigBase<X_CONFIG> m_Config;

    virtual void SetDefaults(X_CONFIG& config) = 0;
    virtual void ConfigToForm(const X_CONFIG& config) = 0;
    virtual bool FormToConfig(X_CONFIG& config) = 0;

protected:
    void ResetHeldToDefaults() override { SetDefaults(m_Config.m_Config); }
    void ShowHeld() override { ConfigToForm(m_Config.m_Config); }
    bool StoreHeld() override { return FormToConfig(m_Config.m_Config); }
    bool LoadHeld(const std::string& path) override { return m_Config.LoadFromFile(m_Config.m_Config, path); }
    bool SaveHeld(const std::string& path) override { return m_Config.SaveToFile(m_Config.m_Config, path); }
    std::string& SettingsFolder() override { return m_Config.m_Folder; }
};
