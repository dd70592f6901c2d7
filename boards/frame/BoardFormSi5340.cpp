#include "boards/frame/BoardFormSi5340.h"

#include <cstring>

#include "boards/frame/ConfigSi5340.h"
#include "model/Text.h"

namespace {

// The record fields at the same place on every board of these forms.
constexpr int kBoardIdAt = 0;
constexpr int kSizeAt = 4;
constexpr int kNameAt = 8;
constexpr int kNameWidth = 128;
constexpr int kFlagsAt = 136;
constexpr int kSi5340AAt = 160;
constexpr int kSi5340BAt = 176;

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
    AddFrameButtons(c, 8, 552, TButtonCaptions::Dots, true, true);
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

namespace {

bool AnyTicked(TCheckBox* const* boxes, int count)
{
    for (int i = 0; i < count; ++i)
        if (boxes[i]->Checked()) return true;
    return false;
}

}  // namespace

// ---- What the forms do alike ---------------------------------------------------

TFormSpec TSi5340FormBase::Layout(const TSi5340Board& board)
{
    TFormSpec spec = Si5340FormLayout(board.Layout);
    static const char* const kLabelNames[3][2] = {
        {"LabelSi5340B0", "LabelMhzSi5340B0"}, {"LabelSi5340B1", "LabelMhzSi5340B1"}, {"LabelSi5340B2", "LabelMhzSi5340B2"}};
    PL_ASSERT(board.Si5340B.size() >= 1 && board.Si5340B.size() <= 3);
    for (std::size_t i = 0; i < board.Si5340B.size(); ++i)
        AddClockCombo(spec.Controls, "GroupBoxSi5340B", 16 + 40 * static_cast<int>(i), kLabelNames[i][0],
                      kLabelNames[i][1], board.Si5340B[i].Label, board.Si5340B[i].Combo, "ComboBoxSi5340B_OnChange");
    if (board.Si5340BNote)
        spec.Controls.push_back(FrameLabel("LabelSi5340BNote", "GroupBoxSi5340B", 10,
                                           20 + 40 * static_cast<int>(board.Si5340B.size()), 180, board.Si5340BNote));
    return spec;
}

void TSi5340FormBase::FindControls(TForm& form)
{
    for (int i = 0; i < 4; ++i) {
        CheckBoxQsfp[i] = form.Find<TCheckBox>(Format("CheckBoxQsfp%c", 'A' + i));
        m_Si5340AComboBoxes[i] = form.Find<TComboBox>(m_Board.Layout.Si5340ACombos[i]);
        m_Clock[i].Combo = m_Si5340AComboBoxes[i];
        m_Clock[i].Remembered = 7;  // 644.53125 MHz
    }
    for (std::size_t i = 0; i < m_Board.Si5340B.size(); ++i) {
        m_Si5340BComboBoxes[i] = form.Find<TComboBox>(m_Board.Si5340B[i].Combo);
        m_Clock[4 + i].Combo = m_Si5340BComboBoxes[i];
        m_Clock[4 + i].Remembered = m_Board.Si5340B[i].Remembered;
    }
    CheckBoxPCIe = form.Find<TCheckBox>("CheckBoxPCIe");
    ShapeSi5340A = form.Find<TShape>("ShapeSi5340A");
    ShapeSi5340B = form.Find<TShape>("ShapeSi5340B");
    ButtonButtonDefaultAllSetting = form.Find<TButton>("ButtonButtonDefaultAllSetting");
    m_Flags.Bind(form, m_Board.Flags);
    FindKindControls(form);
}

void TSi5340FormBase::FillClockCombos()
{
    const auto a = FrequencyChoiceTexts(Si5340AChoiceMHz, kSi5340AChoiceCount);
    for (int i = 0; i < 4; ++i) m_Clock[i].Fill(a);
    for (std::size_t i = 0; i < m_Board.Si5340B.size(); ++i) {
        const TClockChoices& choices = m_Board.Si5340B[i].Choices;
        m_Clock[4 + i].Fill(FrequencyChoiceTexts(choices.MHz, choices.Count));
        if (choices.DropDownRows > 0) m_Clock[4 + i].Combo->SetDropDownCount(choices.DropDownRows);
    }
}

void TSi5340FormBase::SetDefaults(uint8_t* record) const
{
    std::memset(record, 0, static_cast<std::size_t>(m_Board.RecordSize));
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, m_Board.RecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, m_Board.DefaultName);
    std::memcpy(record + kFlagsAt, m_Board.Defaults.data(), m_Board.Defaults.size());
}

void TSi5340FormBase::SelectAll(uint8_t* record) const
{
    SetDefaults(record);
    for (std::size_t i = 0; i < m_Flags.Entries().size(); ++i)
        if (m_Flags.Entries()[i].Box) record[kFlagsAt + i] = 1;
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, 7);  // 644.53125 MHz
    for (std::size_t i = 0; i < m_Board.Si5340B.size(); ++i)
        WriteInt32(record, kSi5340BAt + 4 * static_cast<int>(i), m_Board.Si5340B[i].SelectAll);
}

void TSi5340FormBase::ConfigToForm(const uint8_t* record, TEdit* projectName)
{
    for (int i = 0; i < ClockCount(); ++i) m_Clock[i].Show(ReadInt32(record, kSi5340AAt + 4 * i));
    projectName->SetText(ReadFixedText(reinterpret_cast<const char*>(record + kNameAt), kNameWidth));
    m_Flags.Show(record + kFlagsAt);
    UpdateShapes();
    UpdateClockCombos();
}

void TSi5340FormBase::FormToConfig(uint8_t* record, const TEdit* projectName) const
{
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, m_Board.RecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, projectName->Text());
    m_Flags.Store(record + kFlagsAt);
    for (int i = 0; i < ClockCount(); ++i) WriteInt32(record, kSi5340AAt + 4 * i, m_Clock[i].Item());
}

void TSi5340FormBase::UpdateShapes()
{
    m_Flags.UpdateShapes();
    ShapeSi5340A->SetVisible(AnyQsfp());
    ShapeSi5340B->SetVisible(AnyMemory());
}

void TSi5340FormBase::PickedSi5340A()
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Picked();
}

void TSi5340FormBase::PickedSi5340B()
{
    for (int i = 4; i < ClockCount(); ++i) m_Clock[i].Picked();
}

bool TSi5340FormBase::AnyQsfp() const { return AnyTicked(CheckBoxQsfp, 4); }

std::string TSi5340FormBase::QsfpWithoutClock() const
{
    std::string list;
    for (int i = 0; i < 4; ++i) {
        if (!CheckBoxQsfp[i]->Checked() || m_Clock[i].Item() != 0) continue;
        if (!list.empty()) list += '/';
        list += Format("QSFP%c", 'A' + i);
    }
    return list;
}

// ---- Fallowmere and Garvelow ------------------------------------------------

void TSi5340PairFormBase::FindKindControls(TForm& form)
{
    for (int i = 0; i < 6; ++i) CheckBoxQdr[i] = form.Find<TCheckBox>(Format("CheckBoxQdr%c", 'A' + i));
    CheckBoxPCIe2 = dynamic_cast<TCheckBox*>(form.FindControl("CheckBoxPCIe2"));
}

bool TSi5340PairFormBase::AnyMemory() const { return AnyTicked(CheckBoxQdr, 6); }

void TSi5340PairFormBase::UpdateClockCombos()
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Update(CheckBoxQsfp[i]->Checked(), 0);
    m_Clock[4].Update(AnyMemory(), 0);
    if (CheckBoxPCIe2) {
        CheckBoxPCIe2->SetEnabled(CheckBoxPCIe->Checked());
        if (!CheckBoxPCIe->Checked()) CheckBoxPCIe2->SetChecked(false);
    }
}

bool TSi5340PairFormBase::CheckOscillators() const
{
    const std::string listB = AnyMemory() && m_Clock[4].Item() == 0 ? "QDRII" : "";
    return TConfigObjectFormBase::AskOscillatorQuestion(QsfpWithoutClock(), listB);
}

std::string TSi5340PairFormBase::Notices() const
{
    std::string text;
    if (AnyMemory()) text += TFrameBoardForm::MemoryIpNotice("QDRII+ SRAM");
    const std::string transceivers =
        TFrameBoardForm::JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {AnyQsfp(), "QSFP+"}});
    if (!transceivers.empty()) text += TFrameBoardForm::TransceiverIpNotice(transceivers);
    return text;
}

// ---- Tarrowind and Ulverrow -------------------------------------------------

std::vector<TCheckBoxRow> SocketBoardRows(const char* const (&socketBoxes)[2], const char* const (&captions)[2])
{
    return {{"CheckBoxOSC", "CLOCK ", socketBoxes[0], captions[0]},
            {"CheckBoxLED", "LED x  8", socketBoxes[1], captions[1]},
            {"CheckBoxSeg7", "7-Segment x 2", "CheckBoxQdrA", "QDRII+ SRAM A"},
            {"CheckBoxButton", "Button x 4", "CheckBoxQdrB", "QDRII+ SRAM B"},
            {"CheckBoxSwitch", "Switch x 2", "CheckBoxQdrC", "QDRII+ SRAM C"},
            {"CheckBoxSma", "SMA", "CheckBoxQdrD", "QDRII+ SRAM D"},
            {"CheckBoxTemp", "Temperature Sensor", "CheckBoxQsfpA", "QSFP+ A"},
            {"CheckBoxPower", "Power Monitor", "CheckBoxQsfpB", "QSFP+ B"},
            {"CheckBoxFan", "Fan Control", "CheckBoxQsfpC", "QSFP+ C"},
            {"CheckBoxFlash", "Flash (256MB)", "CheckBoxQsfpD", "QSFP+ D"},
            {"CheckBoxRs422", "RS422 Expansion ", "CheckBoxPCIe", "PCIe"},
            {"CheckBoxPceiClk", "PCIe On-Board Clock", nullptr, nullptr}};
}

std::vector<TFlagBoxes::TEntryNames> SocketBoardFlags(const char* const (&socketBoxes)[2],
                                                      const char* const (&shapes)[2], bool byteBeforeRs422)
{
    std::vector<TFlagBoxes::TEntryNames> flags = {{"CheckBoxOSC", {"ShapeOSC"}},
                                                  {"CheckBoxLED", {"ShapeLED", "ShapeBracketLED"}},
                                                  {"CheckBoxSeg7", {"ShapeSeg7"}},
                                                  {"CheckBoxButton", {"ShapeButton"}},
                                                  {"CheckBoxSwitch", {"ShapeSwitch"}},
                                                  {"CheckBoxSma", {"ShapeSma"}},
                                                  {"CheckBoxTemp", {"ShapeTemp"}},
                                                  {"CheckBoxPower", {"ShapePower"}},
                                                  {socketBoxes[0], {shapes[0]}},
                                                  {socketBoxes[1], {shapes[1]}},
                                                  {"CheckBoxQdrA", {"ShapeQDRII_A"}},
                                                  {"CheckBoxQdrB", {"ShapeQDRII_B"}},
                                                  {"CheckBoxQdrC", {"ShapeQDRII_C"}},
                                                  {"CheckBoxQdrD", {"ShapeQDRII_D"}},
                                                  {"CheckBoxQsfpA", {"ShapeQsfp_A"}},
                                                  {"CheckBoxQsfpB", {"ShapeQsfp_B"}},
                                                  {"CheckBoxQsfpC", {"ShapeQsfp_C"}},
                                                  {"CheckBoxQsfpD", {"ShapeQsfp_D"}},
                                                  {"CheckBoxPCIe", {"ShapePCIe"}},
                                                  {"CheckBoxFan", {"ShapeFan"}},
                                                  {"CheckBoxFlash", {"ShapeFlash"}},
                                                  {"CheckBoxPceiClk", {}}};
    if (byteBeforeRs422) flags.push_back({nullptr, {}});
    flags.push_back({"CheckBoxRs422", {"ShapeRs422"}});
    return flags;
}

void TSi5340SocketFormBase::FindKindControls(TForm& form)
{
    for (int i = 0; i < 2; ++i) CheckBoxSocket[i] = form.Find<TCheckBox>(m_Board.SocketBoxes[i]);
    for (int i = 0; i < 4; ++i) CheckBoxQdr[i] = form.Find<TCheckBox>(Format("CheckBoxQdr%c", 'A' + i));
    CheckBoxPceiClk = form.Find<TCheckBox>("CheckBoxPceiClk");
}

bool TSi5340SocketFormBase::AnySocket() const { return CheckBoxSocket[0]->Checked() || CheckBoxSocket[1]->Checked(); }

bool TSi5340SocketFormBase::AnyMemory() const
{
    return AnySocket() || AnyTicked(CheckBoxQdr, 4) || CheckBoxPceiClk->Checked();
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
    const std::string listB =
        TFrameBoardForm::JoinWords({{AnySocket() && m_Clock[4].Item() == 0, m_Board.Memory},
                                    {AnyTicked(CheckBoxQdr, 4) && m_Clock[5].Item() == 0, "QDRII"},
                                    {CheckBoxPceiClk->Checked() && m_Clock[6].Item() == 0, "On-Board PCIe ref clock"}});
    return TConfigObjectFormBase::AskOscillatorQuestion(QsfpWithoutClock(), listB);
}

std::string TSi5340SocketFormBase::Notices() const
{
    std::string text;
    const std::string memories = TFrameBoardForm::JoinWords(
        {{AnySocket(), m_Board.MemoryNotice}, {AnyTicked(CheckBoxQdr, 4), "QDRII+ SRAM"}});
    if (!memories.empty()) text += TFrameBoardForm::MemoryIpNotice(memories);
    const std::string transceivers =
        TFrameBoardForm::JoinWords({{CheckBoxPCIe->Checked(), "PCIe"}, {AnyQsfp(), "QSFP+"}});
    if (!transceivers.empty()) text += TFrameBoardForm::TransceiverIpNotice(transceivers);
    return text;
}
