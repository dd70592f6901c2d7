// The frame of the board forms whose settings live in a configuration object
// (a TConfigBoard subclass): the Stratix V board Colvenna, the Arria 10
// boards Tarrowind, Fallowmere, Garvelow, Ulverrow and Yarrowgate, and the
// Stratix 10 and Agilex boards Zennorby, Ashcombre and Quillomar. It is TFrameBoardForm (the shared
// buttons, Validate, the Generate road with its boxes, default.cfg whenever
// the form goes away) with the held record kept in the form's configuration
// object.
//
// A board's form derives from TConfigObjectBoardForm<TConfigBoardX>, where
// TConfigBoardX holds its record in a member m_Config:
//
//   class TFormFallowmere : public TConfigObjectBoardForm<TConfigFallowmere> { ... };
//   TFormFallowmere::TFormFallowmere(TForm* owner)
//       : TConfigObjectBoardForm(owner, ConfigObjectRow("Fallowmere", true))
//   {
//       LoadLayout(layout, handlers);  // handlers: AddFrameHandlers(handlers) and the form's own
//       ... Find the controls, set up control tables and remembered choices ...
//       InitialiseSettings();  // or ({prefix edits})
//   }
//
// The layout is built from the frame's pieces (FrameFormSpec or
// AddBoardPanel, AddSettingsGroup, AddFrameButtons, AddChoiceGroup; the Si5340
// boards' Si5340FormLayout). InitialiseSettings runs the construction steps
// after the layout: the frame's controls by their names, form colour, the
// 127-byte limit of the name (and prefix) edits, FillCardCombos (every combo
// of the form: choice lists and card lists), the settings folder (the
// executable's folder), default.cfg at exactly the record's size or
// SetDefaults, then ConfigToForm followed by AfterShow.
//
// What the form supplies (pure virtual):
//   SetDefaults(record)        the board's defaults, BoardId, Size and name included.
//   ConfigToForm(record)       shows a record; a choice outside its list shows the
//                              default item (TChoiceCombo), so the next
//                              FormToConfig writes it back.
//   FormToConfig(record)       writes BoardId, Size and every field the form edits.
//   FillCardCombos()           fills every combo (the constructor's step 6).
//   UpdateShapes()             the outlines on the board picture.
//   DefineBoard(board, object) the board definition CONFIG_<BOARD>(board, object).
//
// Hooks (defaults in brackets):
//   AfterShow()                display update after every record shown (construction,
//                              Load, Default Setting) [nothing].
//   AfterCheckBoxClick()       after UpdateShapes on every check-box click, also when
//                              code changes a tick [nothing].
//   ValidateBoard(gen, msg)    rules after the project name: prefix clashes, prefixes
//                              that fit their cards (CheckCardPrefix) [none].
//   ConfirmGenerate()          questions before the project dialog, e.g. the Si5340
//                              oscillator check through AskOscillatorQuestion [true].
//   AdjustRecord(record)       record changes of a Generate after FormToConfig, e.g.
//                              default prefixes [nothing].
//   AttachCards(board, rec)    memory modules and cards onto the masters [nothing].
//   GeneratesVhdl(record)      the top-level file type [Verilog].
//   IpNotices()                the warning text shown in one information box before the
//                              success box (MemoryIpNotice, TransceiverIpNotice,
//                              JoinWords) [none].
//   AfterSuccess()             boxes after the success box (a warning shown after it,
//                              a jumper or switch reminder) [nothing].
//
// The row (ConfigObjectRow) gives the board word of CodeGenerated/<word>/<name>/
// and whether a rejected or cancelled Load shows "Failed to load setting".
// Every form generates from its held record, shows the success box and posts
// the board change. Further configuration objects that serve only as card
// lists are members of the board's own form class, so the frame's m_Config is
// constructed before them and destroyed after them.
#pragma once

#include <memory>
#include <string>
#include <type_traits>

#include "boards/frame/BoardFormFrame.h"
#include "generate/Pinloom.h"
#include "model/Configboard.h"
#include "model/MainBoard.h"

// The row of a configuration-object form.
inline TBoardFormRow ConfigObjectRow(const char* folderWord, bool loadFailureBox)
{
    return {.FolderWord = folderWord,
            .LoadFailureBox = loadFailureBox,
            .SuccessBox = true,
            .PostsBoardChange = true,
            .GeneratesFromHeld = true};
}

class TConfigObjectFormBase : public TFrameBoardForm {
public:
    // The Yes/No question of the Si5340 boards before the project dialog:
    // list A names the interfaces of the first clock generator that are ticked
    // while it is at "Not Use", list B those of the second. Empty lists ask
    // nothing and give true; otherwise true only for Yes.
    static bool AskOscillatorQuestion(const std::string& listA, const std::string& listB);

protected:
    using TFrameBoardForm::TFrameBoardForm;

    virtual void AfterShow() {}
};

template <class X_OBJECT>
class TConfigObjectBoardForm : public TConfigObjectFormBase {
public:
    using X_CONFIG = std::remove_cvref_t<decltype(std::declval<X_OBJECT>().m_Config)>;

    // The form's configuration object; its record is the form's one copy of
    // its settings.
    X_OBJECT m_Config;

    virtual void SetDefaults(X_CONFIG& config) = 0;
    virtual void ConfigToForm(const X_CONFIG& config) = 0;
    virtual bool FormToConfig(X_CONFIG& config) = 0;

    X_CONFIG& Record() { return m_Config.m_Config; }

    bool Generate(const std::string& qpfPath) override
    {
        X_CONFIG& config = Record();
        if (!FormToConfig(config)) return false;
        AdjustRecord(config);
        auto board = std::make_unique<TMainBoard>();
        DefineBoard(board.get(), m_Config);
        AttachCards(board.get(), config);
        auto pinloom = std::make_unique<TPinloom>();
        const bool result = pinloom->Generate(board.get(), qpfPath, GeneratesVhdl(config));
        pinloom.reset();
        board.reset();
        return result;
    }

protected:
    using TConfigObjectFormBase::TConfigObjectFormBase;

    virtual void DefineBoard(TMainBoard* board, X_OBJECT& object) = 0;
    virtual void AdjustRecord(X_CONFIG&) {}
    virtual void AttachCards(TMainBoard*, const X_CONFIG&) {}
    virtual bool GeneratesVhdl(const X_CONFIG&) { return false; }

    void ResetHeldToDefaults() override { SetDefaults(Record()); }
    void ShowHeld() override
    {
        ConfigToForm(Record());
        AfterShow();
    }
    bool StoreHeld() override { return FormToConfig(Record()); }
    bool LoadHeld(const std::string& path) override { return m_Config.LoadFromFile(path); }
    bool SaveHeld(const std::string& path) override { return m_Config.SaveToFile(path); }
    std::string& SettingsFolder() override { return m_Config.m_Folder; }
};
