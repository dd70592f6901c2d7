#include "boards/arria10/BoardFormSi5340.h"

#include <cstring>

#include "model/Text.h"

namespace {

// The record fields at the same place in both boards of the pair.
constexpr int kBoardIdAt = 0;
constexpr int kSizeAt = 4;
constexpr int kNameAt = 8;
constexpr int kNameWidth = 128;
constexpr int kFlagsAt = 136;
constexpr int kSi5340AAt = 160;
constexpr int kSi5340BAt = 176;
constexpr int kRecordSize = 180;
constexpr int kSocketRecordSize = 188;

int32_t ReadInt32(const uint8_t* record, int at)
{
    int32_t value;
    std::memcpy(&value, record + at, sizeof value);
    return value;
}
void WriteInt32(uint8_t* record, int at, int32_t value) { std::memcpy(record + at, &value, sizeof value); }

}  // namespace

TFormSpec Si5340FormLayout(const TSi5340Layout& layout)
{
    TFormSpec spec{.Name = layout.Name, .Caption = layout.Caption, .ClientWidth = 831, .ClientHeight = 588,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    c.push_back(FrameButton("ButtonMainBoardSelect", 8, 8, 160, "Change Main Board", "ButtonMainBoardSelectClick"));
    AddBoardPanel(c, 8, 44, layout.Title, layout.Picture, layout.PictureWidth, layout.PictureHeight, layout.Parts,
                  layout.PartCount);
    // The panel is the picture with 42 pixels of title and margins.
    const int groupsTop = 44 + layout.PictureHeight + 44;
    const int groupsHeight = 546 - groupsTop;
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340A", .Left = 8, .Top = groupsTop, .Width = 206,
                 .Height = groupsHeight, .Caption = "Si5340A"});
    static const char* const kLabels[4][3] = {{"LabelQsfpA", "QSFPA_REFCLK_p/n:", "LabelMhzA"},
                                              {"LabelQsfpB", "QSFPB_REFCLK_p/n:", "LabelMhzB"},
                                              {"LabelQsfpC", "QSFPC_REFCLK_p/n:", "LabelMhzC"},
                                              {"LabelQsfpD", "QSFPD_REFCLK_p/n:", "LabelMhzD"}};
    for (int i = 0; i < 4; ++i)
        AddClockCombo(c, "GroupBoxSi5340A", 16 + 40 * i, kLabels[i][0], kLabels[i][2], kLabels[i][1],
                      layout.Si5340ACombos[i], "ComboBoxSi5340A_OnChange");
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340B", .Left = 220, .Top = groupsTop,
                 .Width = 204, .Height = groupsHeight, .Caption = "Si5340B"});
    AddFrameButtons(c, 8, 552, TButtonCaptions::Dots, true);
    c.push_back(FrameButton("ButtonButtonDefaultAllSetting", 558, 552, 104, "Select All",
                            "ButtonButtonDefaultAllSettingClick"));
    AddSettingsGroup(c, 436, 8, 387, 538, layout.Rows);
    return spec;
}

void AddClockCombo(std::vector<TControlSpec>& controls, const char* parent, int top, const char* labelName,
                   const char* mhzName, const char* label, const char* comboName, const char* onChange)
{
    controls.push_back(FrameLabel(labelName, parent, 10, top, 180, label));
    controls.push_back(FrameComboBox(comboName, parent, 10, top + 16, 110, onChange));
    controls.push_back(FrameLabel(mhzName, parent, 126, top + 20, 30, "MHz"));
}

TFormSpec TSi5340PairFormBase::Layout(const TSi5340PairBoard& board)
{
    TFormSpec spec = Si5340FormLayout(board.Layout);
    auto& c = spec.Controls;
    AddClockCombo(c, "GroupBoxSi5340B", 16, "LabelQdr", "LabelMhzQdr", "QDRIIx_REFCLK_p/n:", "ComboBoxSi5340B_QDRII",
                  "ComboBoxSi5340B_QDRIIChange");
    c.push_back(FrameLabel("LabelQdrLetters", "GroupBoxSi5340B", 10, 60, 180, "x: A/B/C/D/E/F"));
    return spec;
}

void TSi5340PairFormBase::FindControls(TForm& form)
{
    ButtonButtonDefaultAllSetting = form.Find<TButton>("ButtonButtonDefaultAllSetting");
    for (int i = 0; i < 6; ++i) CheckBoxQdr[i] = form.Find<TCheckBox>(Format("CheckBoxQdr%c", 'A' + i));
    for (int i = 0; i < 4; ++i) {
        CheckBoxQsfp[i] = form.Find<TCheckBox>(Format("CheckBoxQsfp%c", 'A' + i));
        ComboBoxSi5340A[i] = form.Find<TComboBox>(Format("ComboBoxSi5340A_%c", 'A' + i));
    }
    CheckBoxPCIe = form.Find<TCheckBox>("CheckBoxPCIe");
    CheckBoxPCIe2 = dynamic_cast<TCheckBox*>(form.FindControl("CheckBoxPCIe2"));
    ComboBoxSi5340B_QDRII = form.Find<TComboBox>("ComboBoxSi5340B_QDRII");
    ShapeSi5340A = form.Find<TShape>("ShapeSi5340A");
    ShapeSi5340B = form.Find<TShape>("ShapeSi5340B");
    m_Flags.Bind(form, m_Board.Flags);
    const int32_t remembered[5] = {7, 7, 7, 7, 3};
    for (int i = 0; i < 5; ++i) {
        m_Clock[i].Combo = i < 4 ? ComboBoxSi5340A[i] : ComboBoxSi5340B_QDRII;
        m_Clock[i].DefaultItem = 0;
        m_Clock[i].Remembered = remembered[i];
    }
}

void TSi5340PairFormBase::FillClockCombos()
{
    const auto a = FrequencyChoiceTexts(Si5340AChoiceMHz, kSi5340AChoiceCount);
    for (int i = 0; i < 4; ++i) {
        m_Clock[i].Fill(a);
        m_Clock[i].Combo->SetItemIndex(7);
    }
    m_Clock[4].Fill(FrequencyChoiceTexts(Si5340PairQdrRefClkMHz, kQdrRefClkChoiceCount));
    m_Clock[4].Combo->SetItemIndex(3);
}

void TSi5340PairFormBase::SetDefaults(uint8_t* record) const
{
    std::memset(record, 0, kRecordSize);
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, kRecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, m_Board.DefaultName);
    std::memcpy(record + kFlagsAt, m_Board.Defaults.data(), m_Board.Defaults.size());
}

void TSi5340PairFormBase::SelectAll(uint8_t* record) const
{
    SetDefaults(record);
    for (std::size_t i = 0; i < m_Flags.Entries().size(); ++i)
        if (m_Flags.Entries()[i].Box) record[kFlagsAt + i] = 1;
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, 7);  // 644.53125 MHz
    WriteInt32(record, kSi5340BAt, 3);                                       // 275 MHz
}

void TSi5340PairFormBase::ConfigToForm(const uint8_t* record, TEdit* projectName)
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Show(ReadInt32(record, kSi5340AAt + 4 * i));
    m_Clock[4].Show(ReadInt32(record, kSi5340BAt));
    projectName->SetText(ReadFixedText(reinterpret_cast<const char*>(record + kNameAt), kNameWidth));
    m_Flags.Show(record + kFlagsAt);
    UpdateShapes();
    UpdateClockCombos();
}

void TSi5340PairFormBase::FormToConfig(uint8_t* record, const TEdit* projectName) const
{
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, kRecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, projectName->Text());
    m_Flags.Store(record + kFlagsAt);
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, m_Clock[i].Item());
    WriteInt32(record, kSi5340BAt, m_Clock[4].Item());
}

bool TSi5340PairFormBase::AnyQdr() const
{
    for (TCheckBox* box : CheckBoxQdr)
        if (box->Checked()) return true;
    return false;
}

bool TSi5340PairFormBase::AnyQsfp() const
{
    for (TCheckBox* box : CheckBoxQsfp)
        if (box->Checked()) return true;
    return false;
}

void TSi5340PairFormBase::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeSi5340A->SetVisible(AnyQsfp());
    ShapeSi5340B->SetVisible(AnyQdr());
}

void TSi5340PairFormBase::UpdateClockCombos()
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Update(CheckBoxQsfp[i]->Checked(), 0);
    m_Clock[4].Update(AnyQdr(), 0);
    if (CheckBoxPCIe2) {
        CheckBoxPCIe2->SetEnabled(CheckBoxPCIe->Checked());
        if (!CheckBoxPCIe->Checked()) CheckBoxPCIe2->SetChecked(false);
    }
}

bool TSi5340PairFormBase::CheckOscillators() const
{
    std::string listA;
    for (int i = 0; i < 4; ++i) {
        if (!CheckBoxQsfp[i]->Checked() || m_Clock[i].Item() != 0) continue;
        if (!listA.empty()) listA += '/';
        listA += Format("QSFP%c", 'A' + i);
    }
    const std::string listB = AnyQdr() && m_Clock[4].Item() == 0 ? "QDRII" : "";
    return TConfigObjectFormBase::AskOscillatorQuestion(listA, listB);
}

std::string TSi5340PairFormBase::Notices() const
{
    std::string text;
    if (AnyQdr()) text += TFrameBoardForm::MemoryIpNotice("QDRII+ SRAM");
    const std::string transceivers =
        TFrameBoardForm::JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {AnyQsfp(), "QSFP+"}});
    if (!transceivers.empty()) text += TFrameBoardForm::TransceiverIpNotice(transceivers);
    return text;
}

// ---- The boards with two memory sockets ---------------------------------------

TFormSpec TSi5340SocketFormBase::Layout(const TSi5340SocketBoard& board)
{
    TFormSpec spec = Si5340FormLayout(board.Layout);
    static const char* const kLabelNames[3][2] = {
        {"LabelMemory", "LabelMhzMemory"}, {"LabelQdr", "LabelMhzQdr"}, {"LabelPcie", "LabelMhzPcie"}};
    for (int i = 0; i < 3; ++i)
        AddClockCombo(spec.Controls, "GroupBoxSi5340B", 16 + 40 * i, kLabelNames[i][0], kLabelNames[i][1],
                      board.Si5340BLabels[i], board.Si5340BCombos[i], "ComboBoxSi5340B_OnChange");
    return spec;
}

void TSi5340SocketFormBase::FindControls(TForm& form)
{
    for (int i = 0; i < 2; ++i) CheckBoxSocket[i] = form.Find<TCheckBox>(m_Board.SocketBoxes[i]);
    for (int i = 0; i < 4; ++i) {
        CheckBoxQdr[i] = form.Find<TCheckBox>(Format("CheckBoxQdr%c", 'A' + i));
        CheckBoxQsfp[i] = form.Find<TCheckBox>(Format("CheckBoxQsfp%c", 'A' + i));
        m_Si5340AComboBoxes[i] = form.Find<TComboBox>(m_Board.Layout.Si5340ACombos[i]);
    }
    for (int i = 0; i < 3; ++i) m_Si5340BComboBoxes[i] = form.Find<TComboBox>(m_Board.Si5340BCombos[i]);
    CheckBoxPCIe = form.Find<TCheckBox>("CheckBoxPCIe");
    CheckBoxPceiClk = form.Find<TCheckBox>("CheckBoxPceiClk");
    ShapeSi5340A = form.Find<TShape>("ShapeSi5340A");
    ShapeSi5340B = form.Find<TShape>("ShapeSi5340B");
    ButtonButtonDefaultAllSetting = form.Find<TButton>("ButtonButtonDefaultAllSetting");
    m_Flags.Bind(form, m_Board.Flags);
    for (int i = 0; i < 4; ++i) m_Clock[i].Combo = m_Si5340AComboBoxes[i];
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Combo = m_Si5340BComboBoxes[i];
    for (int i = 0; i < 7; ++i) {
        m_Clock[i].DefaultItem = 0;
        m_Clock[i].Remembered = m_Board.Remembered[i];
    }
}

void TSi5340SocketFormBase::FillClockCombos()
{
    const auto a = FrequencyChoiceTexts(Si5340AChoiceMHz, kSi5340AChoiceCount);
    for (int i = 0; i < 4; ++i) m_Clock[i].Fill(a);
    for (int i = 0; i < 3; ++i) {
        const TClockChoices& choices = m_Board.Si5340BChoices[i];
        m_Clock[4 + i].Fill(FrequencyChoiceTexts(choices.MHz, choices.Count));
        if (choices.DropDownRows > 0) m_Clock[4 + i].Combo->SetDropDownCount(choices.DropDownRows);
    }
}

void TSi5340SocketFormBase::SetDefaults(uint8_t* record) const
{
    std::memset(record, 0, kSocketRecordSize);
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, kSocketRecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, m_Board.DefaultName);
    std::memcpy(record + kFlagsAt, m_Board.Defaults.data(), m_Board.Defaults.size());
}

void TSi5340SocketFormBase::SelectAll(uint8_t* record) const
{
    SetDefaults(record);
    for (std::size_t i = 0; i < m_Flags.Entries().size(); ++i)
        if (m_Flags.Entries()[i].Box) record[kFlagsAt + i] = 1;
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, 7);  // 644.53125 MHz
    for (int i = 0; i < 3; ++i) WriteInt32(record, kSi5340BAt + 4 * i, m_Board.SelectAllSi5340B[i]);
}

void TSi5340SocketFormBase::ConfigToForm(const uint8_t* record, TEdit* projectName)
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Show(ReadInt32(record, kSi5340AAt + 4 * i));
    for (int i = 0; i < 3; ++i) m_Clock[4 + i].Show(ReadInt32(record, kSi5340BAt + 4 * i));
    projectName->SetText(ReadFixedText(reinterpret_cast<const char*>(record + kNameAt), kNameWidth));
    m_Flags.Show(record + kFlagsAt);
    UpdateShapes();
    UpdateClockCombos();
}

void TSi5340SocketFormBase::FormToConfig(uint8_t* record, const TEdit* projectName) const
{
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, kSocketRecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, projectName->Text());
    m_Flags.Store(record + kFlagsAt);
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, m_Clock[i].Item());
    for (int i = 0; i < 3; ++i) WriteInt32(record, kSi5340BAt + 4 * i, m_Clock[4 + i].Item());
}

bool TSi5340SocketFormBase::AnySocket() const
{
    return CheckBoxSocket[0]->Checked() || CheckBoxSocket[1]->Checked();
}

namespace {

bool AnyTicked(TCheckBox* const* boxes, int count)
{
    for (int i = 0; i < count; ++i)
        if (boxes[i]->Checked()) return true;
    return false;
}

}  // namespace

void TSi5340SocketFormBase::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeSi5340A->SetVisible(AnyTicked(CheckBoxQsfp, 4));
    ShapeSi5340B->SetVisible(AnySocket() || AnyTicked(CheckBoxQdr, 4) || CheckBoxPceiClk->Checked());
}

void TSi5340SocketFormBase::UpdateClockCombos()
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Update(CheckBoxQsfp[i]->Checked(), 0);
    m_Clock[4].Update(AnySocket(), 0);
    m_Clock[5].Update(AnyTicked(CheckBoxQdr, 4), 0);
    m_Clock[6].Update(CheckBoxPceiClk->Checked(), 0);
}

bool TSi5340SocketFormBase::CheckOscillators() const
{
    std::string listA;
    for (int i = 0; i < 4; ++i) {
        if (!CheckBoxQsfp[i]->Checked() || m_Clock[i].Item() != 0) continue;
        if (!listA.empty()) listA += '/';
        listA += Format("QSFP%c", 'A' + i);
    }
    const std::string listB =
        TFrameBoardForm::JoinWords({{AnySocket() && m_Clock[4].Item() == 0, m_Board.Memory},
                                    {AnyTicked(CheckBoxQdr, 4) && m_Clock[5].Item() == 0, "QDRII"},
                                    {CheckBoxPceiClk->Checked() && m_Clock[6].Item() == 0, "On-Board PCIe ref clock"}});
    return TConfigObjectFormBase::AskOscillatorQuestion(listA, listB);
}

std::string TSi5340SocketFormBase::Notices() const
{
    std::string text;
    const std::string memories = TFrameBoardForm::JoinWords(
        {{AnySocket(), m_Board.MemoryNotice}, {AnyTicked(CheckBoxQdr, 4), "QDRII+ SRAM"}});
    if (!memories.empty()) text += TFrameBoardForm::MemoryIpNotice(memories);
    const std::string transceivers =
        TFrameBoardForm::JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {AnyTicked(CheckBoxQsfp, 4), "QSFP+"}});
    if (!transceivers.empty()) text += TFrameBoardForm::TransceiverIpNotice(transceivers);
    return text;
}
