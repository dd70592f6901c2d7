// The frame of the board forms of the Cyclone V, Stratix V, Cyclone IV and
// Stratix IV boards (and of the later families built the same way): what
// every such form does alike, written once. A board's own form holds only its
// layout, its record, its defaults, how the record maps onto its controls,
// its definition and its card attach, and the hooks below where it departs.
//
// Construction (the board's constructor): LoadLayout with the handlers of
// AddFrameHandlers (and its own), Find its controls, then
// InitialiseSettings(EditProjectName, {prefix edits}): form colour, the name
// limits of the edits, FillCardCombos, the settings folder, default.cfg (at
// exactly the record's size) or SetDefaults, then ShowHeld (ConfigToForm).
//
// Shared handlers, bound by these names in a layout:
//   ButtonGenClick             Validate(true); RunsBatch(); ConfirmGenerate();
//                              the project dialog in CodeGenerated/<FolderWord>/<name>/;
//                              Generate(path); then IpNotices() in one information
//                              box, the success box (when the row has one),
//                              AfterSuccess(); or the failure box.
//   ButtonSaveClick            Validate(false), StoreHeld, the settings dialog, SaveHeld.
//   ButtonLoadClick            the settings dialog, LoadHeld, ShowHeld; a rejected or
//                              cancelled load shows "Failed to load setting" on the
//                              boards whose row says so.
//   ButtonDefaultSettingClick  ResetHeldToDefaults, ShowHeld; nothing is written.
//   ButtonExitClick            closes the form, then the main form.
//   ButtonMainBoardSelectClick posts WM_MAINBOARD_SELECT, on the boards whose row
//                              says so (others bind no handler: the button does nothing).
//   CheckBoxClick              UpdateShapes, then AfterCheckBoxClick().
//   FormClose                  leaves the form: StoreHeld and default.cfg. The shell
//                              leaves every board form before it destroys it, so the
//                              settings are saved however the form goes away.
//
// Hooks a board may override (defaults: nothing, or true):
//   ValidateBoard(generating, message)  the board's own checks after the project name (prefix
//                               clashes, prefixes that fit their cards).
//   ConfirmGenerate()           questions before the project dialog; false ends the click.
//   RunsBatch()                 true when the click was a batch the board ran itself.
//   IpNotices()                 text of the memory and transceiver notices
//                               (MemoryIpNotice, TransceiverIpNotice, JoinWords).
//   AfterSuccess()              after the success box.
//   AfterCheckBoxClick()        after UpdateShapes on every check-box click.
//
// TFrameBoardFormOf<X_CONFIG> holds the record in a TConfigBase and runs the
// common Generate: the held record (or, on boards whose row says local, a
// record of its own that starts zeroed), FormToConfig, ApplyDefaultPrefixes,
// a TMainBoard, DefineBoard, AttachCards, TPinloom::Generate with Verilog, and
// both objects deleted. A board with a configuration object in place of the
// holder derives from TFrameBoardForm and implements the held-record hooks
// with it.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "boards/BoardForm.h"
#include "generate/Pinloom.h"
#include "model/ConfigBase.h"
#include "model/MainBoard.h"

// The captions of the Save, Load and Generate buttons.
enum class TButtonCaptions {
    Dots,           // "Save Setting...", "Load Setting...", "Generate..."
    GeneratePlain,  // "Save Setting...", "Load Setting...", "Generate"
    AllPlain        // "Save Setting", "Load Setting", "Generate"
};
const char* SaveCaption(TButtonCaptions captions);
const char* LoadCaption(TButtonCaptions captions);
const char* GenerateCaption(TButtonCaptions captions);

// One board's row of the member table: where the frame's behaviour differs
// between boards.
struct TBoardFormRow {
    const char* FolderWord;     // CodeGenerated/<FolderWord>/<project>/
    bool LoadFailureBox;        // "Failed to load setting" on a rejected or cancelled load
    bool SuccessBox;            // the success box after a generation
    bool PostsBoardChange;      // "Change Main Board" posts WM_MAINBOARD_SELECT
    bool GeneratesFromHeld;     // Generate fills the held record, else a zeroed record of its own
};

class TFrameBoardForm : public TBoardForm {
public:
    // The longest text a record's name and prefix fields hold, in bytes.
    static constexpr int kMaxNameLength = 127;

    // Shared handlers (see above).
    void ButtonGenClick(TObject* Sender);
    void ButtonSaveClick(TObject* Sender);
    void ButtonLoadClick(TObject* Sender);
    void ButtonDefaultSettingClick(TObject* Sender);
    void ButtonExitClick(TObject* Sender);
    void ButtonMainBoardSelectClick(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The checks before saving (generating = false) and generating; the
    // first that fails shows its error box and gives false.
    bool Validate(bool generating);
    // One generation run for a project file path.
    virtual bool Generate(const std::string& qpfPath) = 0;
    virtual void UpdateShapes() = 0;

    const TBoardFormRow& Row() const { return m_Row; }

    // The notices shown after a successful generation, for a memory word
    // ("DDR3-SDRAM/QDRII+ SRAM") and a transceiver word ("SATA/PCIe").
    static std::string MemoryIpNotice(const std::string& word);
    static std::string TransceiverIpNotice(const std::string& word);
    // The words whose flag is set, in order, joined by a slash.
    static std::string JoinWords(std::initializer_list<std::pair<bool, const char*>> words);

protected:
    TFrameBoardForm(TForm* owner, const TBoardFormRow& row);

    void AddFrameHandlers(std::vector<THandlerEntry>& handlers);
    void InitialiseSettings(TEdit* projectName, std::initializer_list<TEdit*> prefixEdits = {});
    void FormLeave() override;

    // The held record.
    virtual void FillCardCombos() = 0;
    virtual void ResetHeldToDefaults() = 0;
    virtual void ShowHeld() = 0;   // ConfigToForm of the held record
    virtual bool StoreHeld() = 0;  // FormToConfig into the held record
    virtual bool LoadHeld(const std::string& path) = 0;
    virtual bool SaveHeld(const std::string& path) = 0;
    virtual std::string& SettingsFolder() = 0;

    // Departures from the frame.
    virtual bool ValidateBoard(bool generating, std::string& message);
    virtual bool ConfirmGenerate() { return true; }
    virtual bool RunsBatch() { return false; }
    virtual std::string IpNotices() { return {}; }
    virtual void AfterSuccess() {}
    virtual void AfterCheckBoxClick() {}

    TEdit* m_ProjectName = nullptr;

private:
    TBoardFormRow m_Row;
};

// The frame with the record held in a TConfigBase.
template <class X_CONFIG>
class TFrameBoardFormOf : public TFrameBoardForm {
public:
    TConfigBase<X_CONFIG> m_Config;

    virtual void SetDefaults(X_CONFIG& config) = 0;
    virtual void ConfigToForm(const X_CONFIG& config) = 0;
    virtual bool FormToConfig(X_CONFIG& config) = 0;

    bool Generate(const std::string& qpfPath) override
    {
        X_CONFIG local{};
        X_CONFIG& config = Row().GeneratesFromHeld ? m_Config.m_Config : local;
        if (!FormToConfig(config)) return false;
        ApplyDefaultPrefixes(config);
        auto board = std::make_unique<TMainBoard>();
        DefineBoard(board.get(), config);
        AttachCards(board.get(), config);
        auto pinloom = std::make_unique<TPinloom>();
        const bool result = pinloom->Generate(board.get(), qpfPath, false);
        pinloom.reset();
        board.reset();
        return result;
    }

protected:
    using TFrameBoardForm::TFrameBoardForm;

    // The board's definition, its default prefixes (into empty prefix fields
    // of the generation record only) and its card-attach sequence.
    virtual void DefineBoard(TMainBoard* board, const X_CONFIG& config) = 0;
    virtual void ApplyDefaultPrefixes(X_CONFIG&) {}
    virtual void AttachCards(TMainBoard*, const X_CONFIG&) {}

    void ResetHeldToDefaults() override { SetDefaults(m_Config.m_Config); }
    void ShowHeld() override { ConfigToForm(m_Config.m_Config); }
    bool StoreHeld() override { return FormToConfig(m_Config.m_Config); }
    bool LoadHeld(const std::string& path) override { return m_Config.LoadFromFile(m_Config.m_Config, path); }
    bool SaveHeld(const std::string& path) override { return m_Config.SaveToFile(m_Config.m_Config, path); }
    std::string& SettingsFolder() override { return m_Config.m_Folder; }
};

// A combo of choices that the form enables while the interface it serves is
// in use and otherwise forces to a fixed item, remembering the user's last
// choice to show it again when enabled. A stored value outside the list is
// shown as the default item (and so written back by the next FormToConfig).
class TChoiceCombo {
public:
    TComboBox* Combo = nullptr;
    int32_t DefaultItem = 0;
    int32_t Remembered = 0;

    void Fill(const std::vector<std::string>& items);
    // ConfigToForm: the record's value becomes the remembered choice.
    void Show(int32_t value);
    // Enabled: shows the remembered choice; else shows forcedItem, disabled.
    // Neither counts as a choice of the user.
    void Update(bool enabled, int32_t forcedItem);
    // The user picked an item.
    void Picked() { Remembered = Combo->ItemIndex(); }
    int32_t Item() const { return Combo->ItemIndex(); }
};

// Layout pieces of the frame's forms.
TControlSpec FrameButton(const char* name, int left, int top, int width, const char* caption, const char* onClick);
TControlSpec FrameCheckBox(const char* name, const char* parent, int left, int top, int width, const char* caption);
TControlSpec FrameLabel(const char* name, const char* parent, int left, int top, int width, const char* caption,
                        bool bold = false);
TControlSpec FrameComboBox(const char* name, const char* parent, int left, int top, int width, const char* onChange);
TControlSpec FrameEdit(const char* name, const char* parent, int left, int top, int width);
// The yellow outline shown over a part of the board picture while it is in use.
TControlSpec FrameShape(const char* name, const char* parent, int left, int top, int width, int height);
