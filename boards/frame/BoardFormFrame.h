// The frame of the board forms of the Cyclone V, Stratix V, Cyclone IV and
// Stratix IV boards (and of the later families built the same way): what
// every such form does alike, written once. A board's own form holds only its
// layout, its record, its defaults, how the record maps onto its controls,
// its definition and its card attach, and the hooks below where it departs.
//
// Construction (the board's constructor): LoadLayout of a layout begun by
// FrameFormSpec (and AddSettingsGroup, AddChoiceGroup, the board's own
// controls) with the handlers of AddFrameHandlers and its own, Find its own
// controls, then InitialiseSettings({prefix edits}): the frame's controls by
// their names, form colour, the 127-byte limits of the name edits,
// FillCardCombos, the settings folder, default.cfg (at exactly the record's
// size) or SetDefaults, then ShowHeld (ConfigToForm).
//
// Validate: the project name (to generate, by CheckProjectName of
// model/Names.h; to save, only that it is given), then the board's own checks
// (ValidateBoard; CheckCardPrefix for each card's prefix, which a save skips).
//
// Shared handlers, bound by these names in a layout:
//   ButtonGenClick             Validate(true); RunsBatch(); ConfirmGenerate();
//                              the project dialog in CodeGenerated/<FolderWord>/<name>/;
//                              Generate(path); then IpNotices() in one information
//                              box, the success box (when the row has one),
//                              AfterSuccess(); or the failure box.
//   ButtonSaveClick            Validate(false), StoreHeld, the settings dialog, SaveHeld.
//   ButtonLoadClick            the settings dialog, LoadHeld, ShowHeld, AfterRecordReplaced;
//                              a rejected or cancelled load shows "Failed to load
//                              setting" on the boards whose row says so.
//   ButtonDefaultSettingClick  ResetHeldToDefaults, ShowHeld, AfterRecordReplaced;
//                              nothing is written.
//   ButtonExitClick            closes the form, then the main form.
//   ButtonMainBoardSelectClick posts WM_MAINBOARD_SELECT on the boards whose row
//                              says so; on the others the button does nothing.
//   CheckBoxClick              UpdateShapes, then AfterCheckBoxClick().
//   FormClose                  leaves the form: StoreHeld and default.cfg. The shell
//                              leaves every board form before it destroys it, so the
//                              settings are saved however the form goes away.
//
// Hooks a board may override (defaults: nothing, or true):
//   ValidateBoard(generating, message)
//                               the board's own checks after the project name (prefix
//                               clashes, CheckCardPrefix for each card's prefix); a
//                               failure with an empty message shows no error box (a
//                               question the user answered, or a warning shown).
//   ValidateAfterNameFailure(message)
//                               on boards whose box shows the last failed check: the
//                               checks that still run when the project name failed;
//                               their message replaces the name's.
//   ConfirmGenerate()           questions before the project dialog (seam::AskWarningYesNo);
//                               false ends the click.
//   RunsBatch()                 true when the click was a batch the board ran itself.
//   IpNotices()                 text of the memory and transceiver notices
//                               (MemoryIpNotice, TransceiverIpNotice, JoinWords).
//   AfterSuccess()              after the success box.
//   AfterCheckBoxClick()        after UpdateShapes on every check-box click.
//   AfterRecordReplaced()       after Load or Default Setting showed the held record:
//                               the handlers' memories (THandledItem) take what it shows.
//
// TFrameBoardFormOf<X_CONFIG> holds the record in a TConfigBase and runs the
// common Generate: the held record (or, on boards whose row says local, a
// record of its own that starts zeroed), FormToConfig, ApplyDefaultPrefixes,
// a TMainBoard, DefineBoard, AttachCards, TPinloom::Generate with Verilog, and
// both objects deleted. A board with a configuration object in place of the
// holder derives from TFrameBoardForm and implements the held-record hooks
// with it (TConfigObjectBoardForm, boards/frame/BoardFormConfigObject.h); a form of two nodes (one record, one node shown) implements
// ShowHeld and StoreHeld on the node shown.
//
// Helpers for a board's controls: TFlagBoxes (check boxes of contiguous flag
// bytes with their picture outlines), TChoiceCombo (a combo forced while its
// interface is off, remembering the user's choice; a stored value outside
// its list shows the default item), HsmcCardPrefix (the "HSMC_" default of
// the HSMC default namings), and the card-combo, card-prefix and GPIO-header
// helpers of TBoardForm. A board picture drawn from a TBoardPart table
// (resources/BoardPhoto) gets its outlines from AddPictureOutlines.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "boards/BoardForm.h"
#include "boards/frame/PictureParts.h"
#include "boards/frame/BoardParts.h"
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
    bool UsesDefaultFile = true;  // default.cfg read at creation and written when the form goes away
    bool FrameColor = true;       // the frame's form colour, else the default button face
};

class TFrameBoardForm : public TBoardForm {
public:
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

    // The frame's controls, found by InitialiseSettings ("Default Setting"
    // and "Change Main Board" are nullptr on a layout without them).
    TEdit* EditProjectName = nullptr;
    TButton* ButtonMainBoardSelect = nullptr;
    TButton* ButtonDefaultSetting = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;

    // The notices shown after a successful generation, for a memory word
    // ("DDR3-SDRAM/QDRII+ SRAM") and a transceiver word ("SATA/PCIe"); the
    // transceiver notice names the maker of the transceiver IP.
    static std::string MemoryIpNotice(const std::string& word);
    static std::string TransceiverIpNotice(const std::string& word, const char* ipMaker = "Altera");
    // The prefix the pins of an HSMC card carry: the one typed or, for the
    // default HSMC namings (cards 2 and 3) left without one, "HSMC_".
    static std::string HsmcCardPrefix(DaughterId card, const std::string& typed);
    // A card connector shown from a record: the combo selects the card, the
    // edit shows the record's prefix unless the combo shows "None". When the
    // list lacks the card the combo keeps its item, and the edit either shows
    // the record's prefix as above (ShowsPrefix) or keeps its text too
    // (KeepsPrefix), so that the card shown keeps the prefix typed for it.
    enum class TUnlistedCard { ShowsPrefix, KeepsPrefix };
    static void ShowCardAndPrefix(TComboBox* combo, TEdit* edit, int32_t count, const uint8_t* ids, int32_t card,
                                  const char* prefixField, std::size_t width,
                                  TUnlistedCard unlisted = TUnlistedCard::ShowsPrefix);
    // The words whose flag is set, in order, joined by a slash.
    static std::string JoinWords(std::initializer_list<std::pair<bool, const char*>> words);

protected:
    TFrameBoardForm(TForm* owner, const TBoardFormRow& row);

    void AddFrameHandlers(std::vector<THandlerEntry>& handlers);
    void InitialiseSettings(std::initializer_list<TEdit*> prefixEdits = {});
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
    virtual bool ValidateAfterNameFailure(std::string&) { return true; }
    virtual bool ConfirmGenerate() { return true; }
    virtual bool RunsBatch() { return false; }
    virtual std::string IpNotices() { return {}; }
    virtual void AfterSuccess() {}
    virtual void AfterCheckBoxClick() {}
    // After Load or Default Setting showed the held record anew: the handlers
    // that remember what they handled last (THandledItem) take what the
    // controls show now.
    virtual void AfterRecordReplaced() {}

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

// The item of a combo that its change handler handled last (none at first),
// for a handler that does nothing when that item is picked again. The item a
// loaded or defaulted record shows counts as handled (Shown), so that the
// handler's rules hold for what the form shows whatever was picked before.
class THandledItem {
public:
    // In the change handler: false when the combo shows the item handled
    // last; else true, and that item is now the one handled last.
    bool TakeNew(const TComboBox* combo);
    // A record was shown: the combo's item counts as handled.
    void Shown(const TComboBox* combo) { m_Item = combo->ItemIndex(); }
    int32_t Item() const { return m_Item; }

private:
    int32_t m_Item = -1;
};

// One check box of an on-board group: its control name, its caption and
// the outlines it shows on the board picture.
struct TFlagBox {
    const char* Name;
    const char* Caption;
    std::vector<const char*> Shapes;
};

// The check boxes of a record's on-board groups, in the order of their flag
// bytes, each with the outlines it shows on the board picture.
class TFlagBoxes {
public:
    struct TEntry {
        TCheckBox* Box;
        std::vector<TShape*> Shapes;
    };
    using TEntryNames = std::pair<const char*, std::vector<const char*>>;
    // One entry per flag byte: the check box and its shapes, by name. A byte
    // without a control (box name nullptr) is neither shown nor stored.
    void Bind(const TForm& form, std::initializer_list<TEntryNames> entries);
    void Bind(const TForm& form, const std::vector<TEntryNames>& entries);
    void Bind(const TForm& form, const std::vector<TFlagBox>& boxes);
    TCheckBox* Box(std::size_t flag) const { return m_Entries.at(flag).Box; }
    void Show(const uint8_t* flags) const;  // any value but 0 ticks
    void Store(uint8_t* flags) const;       // 1 ticked, 0 not
    void UpdateShapes() const;
    const std::vector<TEntry>& Entries() const { return m_Entries; }

private:
    std::vector<TEntry> m_Entries;
};

// Layout pieces of the frame's forms.

// The control of a layout by name; a name the layout lacks is a programming
// error.
TControlSpec& LayoutControl(std::vector<TControlSpec>& controls, const char* name);
// Puts the named buttons of a layout side by side in one row at (left, top),
// sharing `width` equally with 6 pixels between them.
void SpreadButtonRow(std::vector<TControlSpec>& controls, std::initializer_list<const char*> names, int left,
                     int top, int width);
// The pens of a layout's outlines (shapes): one width for all of them (0:
// each keeps its own), and the named ones dotted.
void SetOutlinePens(std::vector<TControlSpec>& controls, int width, std::initializer_list<const char*> dotted = {});
TControlSpec FrameButton(const char* name, int left, int top, int width, const char* caption, const char* onClick);
TControlSpec FrameCheckBox(const char* name, const char* parent, int left, int top, int width, const char* caption);
TControlSpec FrameLabel(const char* name, const char* parent, int left, int top, int width, const char* caption,
                        bool bold = false);
TControlSpec FrameComboBox(const char* name, const char* parent, int left, int top, int width, const char* onChange);
TControlSpec FrameEdit(const char* name, const char* parent, int left, int top, int width);
// The yellow outline shown over a part of the board picture while it is in use.
TControlSpec FrameShape(const char* name, const char* parent, int left, int top, int width, int height);

// A panel with the board's title, its picture and, hidden, one outline per
// marked part of the picture.
void AddBoardPanel(std::vector<TControlSpec>& controls, int left, int top, const char* title, const char* picture,
                   int pictureWidth, int pictureHeight, const TPicturePart* parts, std::size_t partCount);
// Where AddBoardPanel puts the picture in "PanelBoard".
constexpr int kFramePictureLeft = 8;
constexpr int kFramePictureTop = 34;
// The hidden outlines over the marked parts of a board picture drawn from a
// TBoardPart table (resources/BoardPhoto), for a panel made by AddBoardPanel
// with no TPicturePart table.
void AddPictureOutlines(std::vector<TControlSpec>& controls, const TBoardPart* parts, std::size_t count);
template <std::size_t N>
void AddPictureOutlines(std::vector<TControlSpec>& controls, const TBoardPart (&parts)[N])
{
    AddPictureOutlines(controls, parts, N);
}
// "Default Setting" (when the board has it), Load, Save, Generate and Exit
// in one row; Exit is the form's default button (Enter presses it) only on
// the boards that ask for it.
void AddFrameButtons(std::vector<TControlSpec>& controls, int left, int top, TButtonCaptions captions,
                     bool defaultSetting, bool exitIsDefault = false);

// One expansion connector in a group box, from top: the bold title, the card
// combo, "Prefix Name:" with the prefix edit, and on the right the hidden
// 80 x 80 card picture (none when Picture is nullptr).
struct TCardSection {
    const char* TitleLabel;  // control names
    const char* Title;
    const char* Combo;
    const char* OnChange;
    const char* PrefixLabel;
    const char* Prefix;
    const char* Picture;
};
constexpr int kCardSectionHeight = 88;
void AddCardSection(std::vector<TControlSpec>& controls, const char* parent, int top, int width,
                    const TCardSection& section);

// A group box of choice combos side by side (e.g. "Programmable
// Oscillator"): per column a bold title (the chip), the labels of what it
// drives, the combo and a unit after it.
struct TChoiceColumn {
    const char* Title;
    const char* TitleLabel;  // control names of the labels and the combo
    const char* Combo;
    const char* OnChange;
    std::vector<std::pair<const char*, const char*>> Labels;  // control name, text
    const char* UnitLabel;
    int DropDownRows;
};
void AddChoiceGroup(std::vector<TControlSpec>& controls, const char* name, const char* caption, int left, int top,
                    int width, const std::vector<TChoiceColumn>& columns, const char* unit = "MHz");

// The "System Configuration" group: "Project Name:" with EditProjectName,
// then the check boxes of the rows, two to a row (a row's right box may be
// missing).
struct TCheckBoxRow {
    const char* LeftName;
    const char* LeftCaption;
    const char* RightName;
    const char* RightCaption;
};
void AddSettingsGroup(std::vector<TControlSpec>& controls, int left, int top, int width, int height,
                      const std::vector<TCheckBoxRow>& rows);

// Check boxes in a grid of the given number of columns, row by row (a flag
// byte without a control takes no place).
void AddFlagBoxGrid(std::vector<TControlSpec>& controls, const char* parent, int left, int top, int columns,
                    const std::vector<TFlagBox>& boxes);

// The controls of one expansion connector: a bold title over the card combo,
// "Prefix Name:" with the prefix edit under it, and the card's picture
// (hidden until a card is chosen) beside them; 68 high in a parent `width`
// wide.
struct TCardRow {
    const char* TitleLabel;  // control names and the title's text
    const char* Title;
    const char* Combo;
    const char* OnChange;
    const char* PrefixLabel;
    const char* Edit;
    const char* Image;
};
void AddCardRow(std::vector<TControlSpec>& controls, const char* parent, int top, int width, const TCardRow& row);

// A board form's layout as the frame draws it: borderless, 840 x 560 unless
// the board needs more room, with "Change Main Board" above the board panel
// (AddBoardPanel) and the row of buttons (AddFrameButtons) at the bottom; the
// board adds its groups on the right.
struct TFrameLayout {
    const char* Name;     // "TFORMRASTRELLE"
    const char* Caption;
    const char* Title;    // over the board picture
    const char* Picture;  // the picture's resource name
    int PictureWidth, PictureHeight;
    const TPicturePart* Parts;
    std::size_t PartCount;
    TButtonCaptions Captions;
    bool DefaultSetting;
    int ClientWidth = 840;  // the row of buttons stands 40 pixels above the bottom
    int ClientHeight = 560;
    bool ExitIsDefault = false;  // Enter presses "Exit" (the boards that ask for it)
};
TFormSpec FrameFormSpec(const TFrameLayout& layout);
