// What the forms of the Si5340 boards (Tarrowind, Ulverrow, Fallowmere,
// Garvelow) lay out alike, from the frame's pieces: the board panel, the
// "System Configuration" group, the frame's buttons with "Select All", and
// the group boxes "Si5340A" and "Si5340B" of clock-choice combos. And two
// forms written once each:
// - the sister boards Fallowmere and Garvelow (TSi5340PairForm): the two
//   differ only in the boxes of record bytes 152 to 158, their defaults,
//   their picture and their definition;
// - the boards with two memory sockets, Tarrowind (DDR3) and Ulverrow
//   (DDR4) (TSi5340SocketForm): 188-byte records of the same layout up to
//   byte 157, an Si5340B with a memory, a QDR-II+ and an on-board PCIe
//   output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boards/arria10/BoardFormConfigObject.h"
#include "boards/arria10/ConfigFallowmere.h"

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

// A board of the pair.
struct TSi5340PairBoard {
    TSi5340Layout Layout;
    uint8_t BoardId;
    const char* DefaultName;  // project name of the defaults
    const char* FolderWord;   // CodeGenerated/<word>/
    // From record byte 136 on: each byte's check box and outlines (nullptr:
    // a byte without control) and its default.
    std::vector<TFlagBoxes::TEntryNames> Flags;
    std::vector<uint8_t> Defaults;
};

// The behaviour of the pair's forms over their 180-byte record.
class TSi5340PairFormBase {
public:
    TCheckBox* CheckBoxQdr[6] = {};
    TCheckBox* CheckBoxQsfp[4] = {};
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxPCIe2 = nullptr;  // Garvelow only
    TComboBox* ComboBoxSi5340A[4] = {};  // ComboBoxSi5340A_A .. _D
    TComboBox* ComboBoxSi5340B_QDRII = nullptr;
    TShape* ShapeSi5340A = nullptr;
    TShape* ShapeSi5340B = nullptr;
    TButton* ButtonButtonDefaultAllSetting = nullptr;
    // The group boxes from record byte 136 on.
    TFlagBoxes m_Flags;
    // The five clock combos; their remembered choices are m_nSi5340Sel.
    TChoiceCombo m_Clock[5];

    static TFormSpec Layout(const TSi5340PairBoard& board);
    int32_t Si5340Sel(int i) const { return m_Clock[i].Remembered; }

protected:
    explicit TSi5340PairFormBase(const TSi5340PairBoard& board) : m_Board(board) {}
    void FindControls(TForm& form);
    void FillClockCombos();
    void SetDefaults(uint8_t* record) const;
    void SelectAll(uint8_t* record) const;
    void ConfigToForm(const uint8_t* record, TEdit* projectName);
    void FormToConfig(uint8_t* record, const TEdit* projectName) const;
    void UpdateShapes();
    void UpdateClockCombos();
    bool CheckOscillators() const;
    std::string Notices() const;
    bool AnyQdr() const;
    bool AnyQsfp() const;

    const TSi5340PairBoard& m_Board;
};

template <class X_OBJECT>
class TSi5340PairForm : public TConfigObjectBoardForm<X_OBJECT>, public TSi5340PairFormBase {
    using Frame = TConfigObjectBoardForm<X_OBJECT>;

public:
    using X_CONFIG = typename Frame::X_CONFIG;
    static_assert(sizeof(X_CONFIG) == 180, "the pair's record");

    void SetDefaults(X_CONFIG& config) override { TSi5340PairFormBase::SetDefaults(Bytes(config)); }
    void ConfigToForm(const X_CONFIG& config) override
    {
        TSi5340PairFormBase::ConfigToForm(reinterpret_cast<const uint8_t*>(&config), this->EditProjectName);
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        TSi5340PairFormBase::FormToConfig(Bytes(config), this->EditProjectName);
        return true;
    }
    void UpdateShapes() override { TSi5340PairFormBase::UpdateShapes(); }

    void ComboBoxSi5340A_OnChange(TObject*)
    {
        for (int i = 0; i < 4; ++i) m_Clock[i].Picked();
    }
    void ComboBoxSi5340B_QDRIIChange(TObject*) { m_Clock[4].Picked(); }
    void ButtonButtonDefaultAllSettingClick(TObject*)
    {
        SelectAll(Bytes(this->Record()));
        ConfigToForm(this->Record());
    }

protected:
    TSi5340PairForm(TForm* owner, const TSi5340PairBoard& board)
        : Frame(owner, ConfigObjectRow(board.FolderWord, true)), TSi5340PairFormBase(board)
    {
        std::vector<THandlerEntry> handlers;
        this->AddFrameHandlers(handlers);
        handlers.emplace_back("ComboBoxSi5340A_OnChange", this->Bind(&TSi5340PairForm::ComboBoxSi5340A_OnChange));
        handlers.emplace_back("ComboBoxSi5340B_QDRIIChange",
                              this->Bind(&TSi5340PairForm::ComboBoxSi5340B_QDRIIChange));
        handlers.emplace_back("ButtonButtonDefaultAllSettingClick",
                              this->Bind(&TSi5340PairForm::ButtonButtonDefaultAllSettingClick));
        this->LoadLayout(Layout(board), handlers);
        FindControls(*this);
        this->InitialiseSettings();
    }

    void FillCardCombos() override { FillClockCombos(); }
    void AfterShow() override { UpdateClockCombos(); }
    void AfterCheckBoxClick() override { UpdateClockCombos(); }
    bool ConfirmGenerate() override { return CheckOscillators(); }
    std::string IpNotices() override { return Notices(); }

private:
    static uint8_t* Bytes(X_CONFIG& config) { return reinterpret_cast<uint8_t*>(&config); }
};

// ---- The boards with two memory sockets ---------------------------------------

// A frequency list of one clock combo, and the rows its drop-down list
// shows (0: as many as it has items).
struct TClockChoices {
    double (*MHz)(int32_t choice);
    int32_t Count;
    int DropDownRows = 0;
};

struct TSi5340SocketBoard {
    TSi5340Layout Layout;
    uint8_t BoardId;
    const char* DefaultName;  // project name of the defaults
    const char* FolderWord;   // CodeGenerated/<word>/
    const char* Memory;       // "DDR3": the word of the oscillator question
    const char* MemoryNotice;  // "DDR3-SDRAM": the word of the memory notice
    const char* SocketBoxes[2];
    const char* Si5340BCombos[3];  // memory, QDR-II+, on-board PCIe
    const char* Si5340BLabels[3];
    TClockChoices Si5340BChoices[3];
    // From record byte 136 on: each byte's check box and outlines (nullptr:
    // a byte without control) and its default.
    std::vector<TFlagBoxes::TEntryNames> Flags;
    std::vector<uint8_t> Defaults;
    int32_t Remembered[7];  // Si5340A outputs A..D, then the Si5340B outputs
    int32_t SelectAllSi5340B[3];
};

// The behaviour of these forms over their 188-byte record.
class TSi5340SocketFormBase {
public:
    TCheckBox* CheckBoxSocket[2] = {};
    TCheckBox* CheckBoxQdr[4] = {};   // CheckBoxQdrA .. D
    TCheckBox* CheckBoxQsfp[4] = {};  // CheckBoxQsfpA .. D
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxPceiClk = nullptr;
    TComboBox* m_Si5340AComboBoxes[4] = {};
    TComboBox* m_Si5340BComboBoxes[3] = {};
    TShape* ShapeSi5340A = nullptr;
    TShape* ShapeSi5340B = nullptr;
    TButton* ButtonButtonDefaultAllSetting = nullptr;
    // The group boxes from record byte 136 on.
    TFlagBoxes m_Flags;
    // The seven clock combos; their remembered choices are m_nSi5340Sel.
    TChoiceCombo m_Clock[7];

    static TFormSpec Layout(const TSi5340SocketBoard& board);
    int32_t ClockItemIndex(int i) const { return m_Clock[i].Remembered; }

protected:
    explicit TSi5340SocketFormBase(const TSi5340SocketBoard& board) : m_Board(board) {}
    void FindControls(TForm& form);
    void FillClockCombos();
    void SetDefaults(uint8_t* record) const;
    void SelectAll(uint8_t* record) const;
    void ConfigToForm(const uint8_t* record, TEdit* projectName);
    void FormToConfig(uint8_t* record, const TEdit* projectName) const;
    void UpdateShapes();
    void UpdateClockCombos();
    bool CheckOscillators() const;
    std::string Notices() const;

    const TSi5340SocketBoard& m_Board;

private:
    bool AnySocket() const;
};

template <class X_OBJECT>
class TSi5340SocketForm : public TConfigObjectBoardForm<X_OBJECT>, public TSi5340SocketFormBase {
    using Frame = TConfigObjectBoardForm<X_OBJECT>;

public:
    using X_CONFIG = typename Frame::X_CONFIG;
    static_assert(sizeof(X_CONFIG) == 188, "the record of a board with two memory sockets");

    void SetDefaults(X_CONFIG& config) override { TSi5340SocketFormBase::SetDefaults(Bytes(config)); }
    void ConfigToForm(const X_CONFIG& config) override
    {
        TSi5340SocketFormBase::ConfigToForm(reinterpret_cast<const uint8_t*>(&config), this->EditProjectName);
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        TSi5340SocketFormBase::FormToConfig(Bytes(config), this->EditProjectName);
        return true;
    }
    void UpdateShapes() override { TSi5340SocketFormBase::UpdateShapes(); }
    void UpdateClockCombos() { TSi5340SocketFormBase::UpdateClockCombos(); }

    void ComboBoxSi5340A_OnChange(TObject*)
    {
        for (int i = 0; i < 4; ++i) m_Clock[i].Picked();
    }
    void ComboBoxSi5340B_OnChange(TObject*)
    {
        for (int i = 4; i < 7; ++i) m_Clock[i].Picked();
    }
    void ButtonButtonDefaultAllSettingClick(TObject*)
    {
        SelectAll(Bytes(this->Record()));
        ConfigToForm(this->Record());
    }

protected:
    // The board's own controls are added to Layout(board) by the caller.
    TSi5340SocketForm(TForm* owner, const TSi5340SocketBoard& board, const TFormSpec& layout)
        : Frame(owner, ConfigObjectRow(board.FolderWord, true)), TSi5340SocketFormBase(board)
    {
        std::vector<THandlerEntry> handlers;
        this->AddFrameHandlers(handlers);
        handlers.emplace_back("ComboBoxSi5340A_OnChange", this->Bind(&TSi5340SocketForm::ComboBoxSi5340A_OnChange));
        handlers.emplace_back("ComboBoxSi5340B_OnChange", this->Bind(&TSi5340SocketForm::ComboBoxSi5340B_OnChange));
        handlers.emplace_back("ButtonButtonDefaultAllSettingClick",
                              this->Bind(&TSi5340SocketForm::ButtonButtonDefaultAllSettingClick));
        this->LoadLayout(layout, handlers);
        FindControls(*this);
    }

    void FillCardCombos() override { FillClockCombos(); }
    void AfterShow() override { TSi5340SocketFormBase::UpdateClockCombos(); }
    void AfterCheckBoxClick() override { TSi5340SocketFormBase::UpdateClockCombos(); }
    bool ConfirmGenerate() override { return CheckOscillators(); }
    std::string IpNotices() override { return Notices(); }

    static uint8_t* Bytes(X_CONFIG& config) { return reinterpret_cast<uint8_t*>(&config); }
};
