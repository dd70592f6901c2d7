// The forms of the Si5340 boards (Tarrowind, Ulverrow, Fallowmere,
// Garvelow), written once. They lay out alike, from the frame's pieces: the
// board panel, the "System Configuration" group, the frame's buttons with
// "Select All", and the group boxes "Si5340A" (the four QSFP+ clocks) and
// "Si5340B" of clock-choice combos. Their records share their head, the
// group flags from byte 136 and the clock choices from byte 160 (four
// Si5340A outputs, then one or three Si5340B outputs), which TSi5340FormBase
// reads and writes. Two kinds of board differ in what the boxes enable:
// - the sister boards Fallowmere and Garvelow (TSi5340PairForm, 180-byte
//   records): an Si5340B for the QDR-II+ SRAMs;
// - the boards with two memory sockets, Tarrowind (DDR3) and Ulverrow (DDR4)
//   (TSi5340SocketForm, 188-byte records): an Si5340B with a memory, a
//   QDR-II+ and an on-board PCIe output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boards/frame/BoardFormConfigObject.h"
#include "platform/Seam.h"

// The layout of a Si5340 board's form (831 x 588): "Change Main Board", the
// board panel and below it the group boxes "Si5340A" (the four QSFP+ clock
// combos of the given names) and "Si5340B" (empty, for the board's own
// combos, AddClockCombo from top 16 every 40 pixels); the frame's buttons and
// "Select All" in the bottom row; "System Configuration" on the right with
// the rows of check boxes (the board may add a row of its own below them).
struct TSi5340Layout {
    const char* Name;
    const char* Caption;
    const char* Title;  // over the board picture
    const char* Picture;
    int PictureWidth, PictureHeight;
    const TPicturePart* Parts;
    std::size_t PartCount;
    std::vector<TCheckBoxRow> Rows;
    const char* Si5340ACombos[4];
};
TFormSpec Si5340FormLayout(const TSi5340Layout& layout);
// A label above a combo followed by "MHz", in a group box.
void AddClockCombo(std::vector<TControlSpec>& controls, const char* parent, int top, const char* labelName,
                   const char* mhzName, const char* label, const char* comboName, const char* onChange);

// The frequency list of one Si5340B combo.
struct TClockChoices {
    double (*MHz)(int32_t choice);
    int32_t Count;
    int DropDownRows = 0;  // the rows its list shows; 0: as many as it has items
};
struct TSi5340BCombo {
    const char* Combo;
    const char* Label;
    TClockChoices Choices;
    int32_t Remembered;  // the choice shown when first enabled
    int32_t SelectAll;   // the choice of "Select All"
};

// A board of these forms.
struct TSi5340Board {
    TSi5340Layout Layout;
    uint8_t BoardId;
    const char* DefaultName;  // project name of the defaults
    const char* FolderWord;   // CodeGenerated/<word>/
    int RecordSize;
    // From record byte 136 on: each byte's check box and outlines (nullptr:
    // a byte without control) and its default.
    std::vector<TFlagBoxes::TEntryNames> Flags;
    std::vector<uint8_t> Defaults;
    std::vector<TSi5340BCombo> Si5340B;
    const char* Si5340BNote = nullptr;  // a line under the Si5340B combos
    // The boards with memory sockets: the word of the oscillator question
    // ("DDR3"), that of the memory notice ("DDR3-SDRAM") and the two boxes.
    const char* Memory = nullptr;
    const char* MemoryNotice = nullptr;
    const char* SocketBoxes[2] = {};
};

// The check boxes of the boards with two memory sockets, the sockets' boxes
// and captions (or outlines) given: the rows of "System Configuration", and
// the flag entries of record bytes 136 to 158, with a byte without control
// before RS422 where the board has one (Ulverrow's TPS40428).
std::vector<TCheckBoxRow> SocketBoardRows(const char* const (&socketBoxes)[2], const char* const (&captions)[2]);
std::vector<TFlagBoxes::TEntryNames> SocketBoardFlags(const char* const (&socketBoxes)[2],
                                                      const char* const (&shapes)[2], bool byteBeforeRs422);

// What the forms do alike over the record's bytes; the enabling rules,
// the oscillator question and the notices are the kind's own.
class TSi5340FormBase {
public:
    TCheckBox* CheckBoxQsfp[4] = {};  // CheckBoxQsfpA .. D
    TCheckBox* CheckBoxPCIe = nullptr;
    TComboBox* m_Si5340AComboBoxes[4] = {};
    TComboBox* m_Si5340BComboBoxes[3] = {};
    TShape* ShapeSi5340A = nullptr;
    TShape* ShapeSi5340B = nullptr;
    TButton* ButtonButtonDefaultAllSetting = nullptr;
    // The group boxes from record byte 136 on.
    TFlagBoxes m_Flags;
    // The clock combos, Si5340A outputs A..D then the Si5340B outputs; their
    // remembered choices are m_nSi5340Sel.
    TChoiceCombo m_Clock[7];

    static TFormSpec Layout(const TSi5340Board& board);
    int32_t ClockItemIndex(int i) const { return m_Clock[i].Remembered; }
    int ClockCount() const { return 4 + static_cast<int>(m_Board.Si5340B.size()); }

protected:
    explicit TSi5340FormBase(const TSi5340Board& board) : m_Board(board) {}
    virtual ~TSi5340FormBase() = default;
    void FindControls(TForm& form);
    void FillClockCombos();
    void SetDefaults(uint8_t* record) const;
    void SelectAll(uint8_t* record) const;
    void ConfigToForm(const uint8_t* record, TEdit* projectName);
    void FormToConfig(uint8_t* record, const TEdit* projectName) const;
    void UpdateShapes();
    void PickedSi5340A();
    void PickedSi5340B();
    bool AnyQsfp() const;
    // The questions of the oscillator check: the QSFP+ cages ticked while
    // their clock is at "Not Use" ("QSFPA/QSFPC").
    std::string QsfpWithoutClock() const;

    // The kind's own.
    virtual void FindKindControls(TForm& form) = 0;
    virtual bool AnyMemory() const = 0;  // the interfaces that ShapeSi5340B follows
    virtual void UpdateClockCombos() = 0;
    virtual bool CheckOscillators() const = 0;
    virtual std::string Notices() const = 0;

    const TSi5340Board& m_Board;
};

// Fallowmere and Garvelow.
class TSi5340PairFormBase : public TSi5340FormBase {
public:
    TCheckBox* CheckBoxQdr[6] = {};
    TCheckBox* CheckBoxPCIe2 = nullptr;  // Garvelow only

protected:
    using TSi5340FormBase::TSi5340FormBase;
    void FindKindControls(TForm& form) override;
    bool AnyMemory() const override;
    void UpdateClockCombos() override;
    bool CheckOscillators() const override;
    std::string Notices() const override;
};

// Tarrowind and Ulverrow.
class TSi5340SocketFormBase : public TSi5340FormBase {
public:
    TCheckBox* CheckBoxSocket[2] = {};
    TCheckBox* CheckBoxQdr[4] = {};
    TCheckBox* CheckBoxPceiClk = nullptr;

protected:
    using TSi5340FormBase::TSi5340FormBase;
    void FindKindControls(TForm& form) override;
    bool AnyMemory() const override;
    void UpdateClockCombos() override;
    bool CheckOscillators() const override;
    std::string Notices() const override;

private:
    bool AnySocket() const;
};

// The form over the board's configuration object. The board's constructor
// finds its own controls, if any, then runs InitialiseSettings.
template <class X_OBJECT, class TKind>
class TSi5340Form : public TConfigObjectBoardForm<X_OBJECT>, public TKind {
    using Frame = TConfigObjectBoardForm<X_OBJECT>;

public:
    using X_CONFIG = typename Frame::X_CONFIG;

    void SetDefaults(X_CONFIG& config) override { TKind::SetDefaults(Bytes(config)); }
    void ConfigToForm(const X_CONFIG& config) override
    {
        TKind::ConfigToForm(reinterpret_cast<const uint8_t*>(&config), this->EditProjectName);
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        TKind::FormToConfig(Bytes(config), this->EditProjectName);
        return true;
    }
    void UpdateShapes() override { TKind::UpdateShapes(); }

    void ComboBoxSi5340A_OnChange(TObject*) { this->PickedSi5340A(); }
    void ComboBoxSi5340B_OnChange(TObject*) { this->PickedSi5340B(); }
    void ButtonButtonDefaultAllSettingClick(TObject*)
    {
        this->SelectAll(Bytes(this->Record()));
        ConfigToForm(this->Record());
    }

protected:
    // The layout is TSi5340FormBase::Layout(board) with the board's own controls.
    TSi5340Form(TForm* owner, const TSi5340Board& board, const TFormSpec& layout)
        : Frame(owner, ConfigObjectRow(board.FolderWord, true)), TKind(board)
    {
        PL_ASSERT(board.RecordSize == static_cast<int>(sizeof(X_CONFIG)));
        std::vector<THandlerEntry> handlers;
        this->AddFrameHandlers(handlers);
        handlers.emplace_back("ComboBoxSi5340A_OnChange", this->Bind(&TSi5340Form::ComboBoxSi5340A_OnChange));
        handlers.emplace_back("ComboBoxSi5340B_OnChange", this->Bind(&TSi5340Form::ComboBoxSi5340B_OnChange));
        handlers.emplace_back("ButtonButtonDefaultAllSettingClick",
                              this->Bind(&TSi5340Form::ButtonButtonDefaultAllSettingClick));
        this->LoadLayout(layout, handlers);
        this->FindControls(*this);
    }
    TSi5340Form(TForm* owner, const TSi5340Board& board) : TSi5340Form(owner, board, TKind::Layout(board)) {}

    void FillCardCombos() override { this->FillClockCombos(); }
    void AfterShow() override { TKind::UpdateClockCombos(); }
    void AfterCheckBoxClick() override { TKind::UpdateClockCombos(); }
    bool ConfirmGenerate() override { return TKind::CheckOscillators(); }
    std::string IpNotices() override { return TKind::Notices(); }

    static uint8_t* Bytes(X_CONFIG& config) { return reinterpret_cast<uint8_t*>(&config); }
};

template <class X_OBJECT>
using TSi5340PairForm = TSi5340Form<X_OBJECT, TSi5340PairFormBase>;
template <class X_OBJECT>
using TSi5340SocketForm = TSi5340Form<X_OBJECT, TSi5340SocketFormBase>;
