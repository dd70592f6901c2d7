// What the forms of the Si5340 boards (Tarrowind, Fallowmere, Garvelow) lay
// out alike: the board picture with an outline over each part, the seven
// buttons of the frame, and the clock-choice combos with their labels. And
// the form of the sister boards Fallowmere and Garvelow, written once
// (TSi5340PairForm): the two differ only in the boxes of record bytes 152 to
// 158, their defaults, their picture and their definition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boards/arria10/Arria10Parts.h"
#include "boards/arria10/BoardFormConfigObject.h"
#include "boards/arria10/ConfigFallowmere.h"

// The panel "Panel1" at the form's top left with the board picture and an
// outline shape over every marked part.
void AddBoardPicture(std::vector<TControlSpec>& controls, int left, int top, const char* picture,
                     const TBoardPart* parts, std::size_t count);
// The frame of a form's layout: the picture, the buttons, the group box
// "System Configuration" with the project name (check boxes from y 62 on, or
// 88 below one more row), the group box "Si5340A" with the four QSFP+ clock
// combos of the given names, and the empty group box "Si5340B".
TFormSpec Si5340FormLayout(const char* formName, const char* caption, const char* picture, const TBoardPart* parts,
                           std::size_t count, const char* const si5340ACombos[4]);
// "Save Setting...", "Select All", "Load Setting...", "Generate...",
// "Default Setting", "Exit" (the default button) in two columns from top, and
// "Change Main Board" beside the logo.
void AddFrameButtons(std::vector<TControlSpec>& controls, int left, int top);
// A label above a combo followed by "MHz" (in a group box).
void AddClockCombo(std::vector<TControlSpec>& controls, const char* parent, int top, const char* labelName,
                   const char* mhzName, const char* label, const char* comboName, const char* onChange);

// One group check box of a form: its record byte and the outlines it shows.
struct TFlagBoxSpec {
    const char* Name;
    const char* Caption;
    int Offset;  // record byte
    const char* Shape;
    const char* Shape2;  // a second outline, or nullptr
    uint8_t Default;
};
struct TFlagBox {
    TCheckBox* Box = nullptr;
    int Offset = 0;
    TShape* Shape = nullptr;
    TShape* Shape2 = nullptr;
    uint8_t Default = 0;
};
// Check boxes in two columns of the group box "GroupBoxConfig" from top.
void AddFlagBoxes(std::vector<TControlSpec>& controls, const std::vector<TFlagBoxSpec>& specs, int top);
std::vector<TFlagBox> FindFlagBoxes(TForm& form, const std::vector<TFlagBoxSpec>& specs);
// Each outline visible exactly while its box is ticked.
void ShowFlagShapes(const std::vector<TFlagBox>& boxes);

// A board of the pair.
struct TSi5340PairBoard {
    const char* FormName;
    const char* Caption;
    uint8_t BoardId;
    const char* DefaultName;  // project name of the defaults
    const char* FolderWord;   // CodeGenerated/<word>/
    const char* Picture;
    const TBoardPart* Parts;
    std::size_t PartCount;
    std::vector<TFlagBoxSpec> Flags;  // record order
};

// The layout and the behaviour of the pair's forms over a 180-byte record.
class TSi5340PairFormBase {
public:
    TEdit* EditProjectName = nullptr;
    TCheckBox* CheckBoxQdr[6] = {};
    TCheckBox* CheckBoxQsfp[4] = {};
    TCheckBox* CheckBoxPCIe = nullptr;
    TCheckBox* CheckBoxPCIe2 = nullptr;  // Garvelow only
    TComboBox* ComboBoxSi5340A[4] = {};  // ComboBoxSi5340A_A .. _D
    TComboBox* ComboBoxSi5340B_QDRII = nullptr;
    TShape* ShapeSi5340A = nullptr;
    TShape* ShapeSi5340B = nullptr;
    // The flag boxes in record order.
    std::vector<TFlagBox> m_Flags;
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
    void ConfigToForm(const uint8_t* record);
    void FormToConfig(uint8_t* record) const;
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

    TButton* ButtonExit = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonDefaultSetting = nullptr;
    TButton* ButtonButtonDefaultAllSetting = nullptr;
    TButton* ButtonMainBoardSelect = nullptr;

    void SetDefaults(X_CONFIG& config) override { TSi5340PairFormBase::SetDefaults(Bytes(config)); }
    void ConfigToForm(const X_CONFIG& config) override
    {
        TSi5340PairFormBase::ConfigToForm(reinterpret_cast<const uint8_t*>(&config));
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        TSi5340PairFormBase::FormToConfig(Bytes(config));
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
        ButtonExit = this->template Find<TButton>("ButtonExit");
        ButtonGen = this->template Find<TButton>("ButtonGen");
        ButtonSave = this->template Find<TButton>("ButtonSave");
        ButtonLoad = this->template Find<TButton>("ButtonLoad");
        ButtonDefaultSetting = this->template Find<TButton>("ButtonDefaultSetting");
        ButtonButtonDefaultAllSetting = this->template Find<TButton>("ButtonButtonDefaultAllSetting");
        ButtonMainBoardSelect = this->template Find<TButton>("ButtonMainBoardSelect");
        FindControls(*this);
        this->InitialiseSettings(EditProjectName);
    }

    void FillCardCombos() override { FillClockCombos(); }
    void AfterShow() override { UpdateClockCombos(); }
    void AfterCheckBoxClick() override { UpdateClockCombos(); }
    bool ConfirmGenerate() override { return CheckOscillators(); }
    std::string IpNotices() override { return Notices(); }

private:
    static uint8_t* Bytes(X_CONFIG& config) { return reinterpret_cast<uint8_t*>(&config); }
};
