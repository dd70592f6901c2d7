#include "boards/arria10/BoardFormSi5340.h"

#include <cstring>

#include "model/Text.h"

namespace {

// An outline stands this far outside its part.
constexpr int kShapeMargin = 2;
// The record fields at the same place in both boards of the pair.
constexpr int kBoardIdAt = 0;
constexpr int kSizeAt = 4;
constexpr int kNameAt = 8;
constexpr int kNameWidth = 128;
constexpr int kQdrAt = 142;
constexpr int kQsfpAt = 148;
constexpr int kPcieAt = 152;
constexpr int kSi5340AAt = 160;
constexpr int kSi5340BAt = 176;
constexpr int kRecordSize = 180;

int32_t ReadInt32(const uint8_t* record, int at)
{
    int32_t value;
    std::memcpy(&value, record + at, sizeof value);
    return value;
}
void WriteInt32(uint8_t* record, int at, int32_t value) { std::memcpy(record + at, &value, sizeof value); }

}  // namespace

void AddBoardPicture(std::vector<TControlSpec>& controls, int left, int top, const char* picture,
                     const TBoardPart* parts, std::size_t count)
{
    controls.push_back({.Kind = TControlKind::Panel, .Name = "Panel1", .Left = left, .Top = top,
                        .Width = ARRIA10_PHOTO_WIDTH + 16, .Height = ARRIA10_PHOTO_HEIGHT + 16, .Color = clWhite,
                        .Bevel = bvLowered});
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = "Panel1", .Left = 8, .Top = 8,
                        .Width = ARRIA10_PHOTO_WIDTH, .Height = ARRIA10_PHOTO_HEIGHT, .Picture = picture});
    for (std::size_t i = 0; i < count; ++i) {
        const TBoardPart& part = parts[i];
        if (!part.ShapeName) continue;
        TControlSpec shape = FrameShape(part.ShapeName, "Panel1", 8 + part.Left - kShapeMargin,
                                        8 + part.Top - kShapeMargin, part.Width + 2 * kShapeMargin,
                                        part.Height + 2 * kShapeMargin);
        shape.PenWidth = 2;
        if (part.Dotted) shape.PenStyle = psDot;
        controls.push_back(shape);
    }
}

void AddFrameButtons(std::vector<TControlSpec>& controls, int left, int top)
{
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageKalvora", .Left = 8, .Top = 8, .Width = 200,
                        .Height = 40, .Picture = "KALVORA_LOGO_BITMAP"});
    controls.push_back(FrameButton("ButtonMainBoardSelect", 258, 12, 166, "Change Main Board",
                                   "ButtonMainBoardSelectClick"));
    controls.push_back(FrameButton("ButtonSave", left, top, 200, "Save Setting...", "ButtonSaveClick"));
    controls.push_back(FrameButton("ButtonButtonDefaultAllSetting", left + 216, top, 200, "Select All",
                                   "ButtonButtonDefaultAllSettingClick"));
    controls.push_back(FrameButton("ButtonLoad", left, top + 38, 200, "Load Setting...", "ButtonLoadClick"));
    controls.push_back(FrameButton("ButtonGen", left + 216, top + 38, 200, "Generate...", "ButtonGenClick"));
    controls.push_back(
        FrameButton("ButtonDefaultSetting", left, top + 76, 200, "Default Setting", "ButtonDefaultSettingClick"));
    TControlSpec exit = FrameButton("ButtonExit", left + 216, top + 76, 200, "Exit", "ButtonExitClick");
    exit.Default = true;
    controls.push_back(exit);
}

void AddClockCombo(std::vector<TControlSpec>& controls, const char* parent, int top, const char* labelName,
                   const char* mhzName, const char* label, const char* comboName, const char* onChange)
{
    controls.push_back(FrameLabel(labelName, parent, 10, top, 160, label));
    controls.push_back(FrameComboBox(comboName, parent, 10, top + 18, 110, onChange));
    controls.push_back(FrameLabel(mhzName, parent, 126, top + 22, 30, "MHz"));
}

void AddFlagBoxes(std::vector<TControlSpec>& controls, const std::vector<TFlagBoxSpec>& specs, int top)
{
    const int rows = static_cast<int>((specs.size() + 1) / 2);
    for (int i = 0; i < static_cast<int>(specs.size()); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        controls.push_back(FrameCheckBox(specs[static_cast<size_t>(i)].Name, "GroupBoxConfig", 12 + 186 * column,
                                         top + 22 * row, 180, specs[static_cast<size_t>(i)].Caption));
    }
}

std::vector<TFlagBox> FindFlagBoxes(TForm& form, const std::vector<TFlagBoxSpec>& specs)
{
    std::vector<TFlagBox> boxes;
    for (const TFlagBoxSpec& spec : specs)
        boxes.push_back({.Box = form.Find<TCheckBox>(spec.Name),
                         .Offset = spec.Offset,
                         .Shape = spec.Shape ? form.Find<TShape>(spec.Shape) : nullptr,
                         .Shape2 = spec.Shape2 ? form.Find<TShape>(spec.Shape2) : nullptr,
                         .Default = spec.Default});
    return boxes;
}

void ShowFlagShapes(const std::vector<TFlagBox>& boxes)
{
    for (const TFlagBox& flag : boxes) {
        if (flag.Shape) flag.Shape->SetVisible(flag.Box->Checked());
        if (flag.Shape2) flag.Shape2->SetVisible(flag.Box->Checked());
    }
}

TFormSpec Si5340FormLayout(const char* formName, const char* caption, const char* picture, const TBoardPart* parts,
                           std::size_t count, const char* const si5340ACombos[4])
{
    TFormSpec spec{.Name = formName, .Caption = caption, .ClientWidth = 831, .ClientHeight = 588,
                   .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPicture(c, 8, 56, picture, parts, count);
    AddFrameButtons(c, 8, 392);
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxConfig", .Left = 436, .Top = 8, .Width = 387,
                 .Height = 360, .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", "GroupBoxConfig", 12, 26, 96, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", "GroupBoxConfig", 110, 22, 265));
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340A", .Left = 436, .Top = 374, .Width = 190,
                 .Height = 206, .Caption = "Si5340A"});
    static const char* const kLabels[4][3] = {{"LabelQsfpA", "QSFPA_REFCLK_p/n:", "LabelMhzA"},
                                              {"LabelQsfpB", "QSFPB_REFCLK_p/n:", "LabelMhzB"},
                                              {"LabelQsfpC", "QSFPC_REFCLK_p/n:", "LabelMhzC"},
                                              {"LabelQsfpD", "QSFPD_REFCLK_p/n:", "LabelMhzD"}};
    for (int i = 0; i < 4; ++i)
        AddClockCombo(c, "GroupBoxSi5340A", 22 + 45 * i, kLabels[i][0], kLabels[i][2], kLabels[i][1],
                      si5340ACombos[i], "ComboBoxSi5340A_OnChange");
    c.push_back({.Kind = TControlKind::GroupBox, .Name = "GroupBoxSi5340B", .Left = 632, .Top = 374, .Width = 191,
                 .Height = 206, .Caption = "Si5340B"});
    return spec;
}

TFormSpec TSi5340PairFormBase::Layout(const TSi5340PairBoard& board)
{
    static const char* const kCombos[4] = {"ComboBoxSi5340A_A", "ComboBoxSi5340A_B", "ComboBoxSi5340A_C",
                                           "ComboBoxSi5340A_D"};
    TFormSpec spec = Si5340FormLayout(board.FormName, board.Caption, board.Picture, board.Parts, board.PartCount, kCombos);
    auto& c = spec.Controls;
    AddFlagBoxes(c, board.Flags, 62);
    AddClockCombo(c, "GroupBoxSi5340B", 22, "LabelQdr", "LabelMhzQdr", "QDRIIx_REFCLK_p/n:", "ComboBoxSi5340B_QDRII",
                  "ComboBoxSi5340B_QDRIIChange");
    c.push_back(FrameLabel("LabelQdrLetters", "GroupBoxSi5340B", 10, 70, 170, "x: A/B/C/D/E/F"));
    return spec;
}

void TSi5340PairFormBase::FindControls(TForm& form)
{
    EditProjectName = form.Find<TEdit>("EditProjectName");
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
    m_Flags = FindFlagBoxes(form, m_Board.Flags);
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
    for (const TFlagBox& flag : m_Flags) record[flag.Offset] = flag.Default;
}

void TSi5340PairFormBase::SelectAll(uint8_t* record) const
{
    SetDefaults(record);
    for (const TFlagBox& flag : m_Flags) record[flag.Offset] = 1;
    for (int i = 0; i < 4; ++i) WriteInt32(record, kSi5340AAt + 4 * i, 7);  // 644.53125 MHz
    WriteInt32(record, kSi5340BAt, 3);                                       // 275 MHz
}

void TSi5340PairFormBase::ConfigToForm(const uint8_t* record)
{
    for (int i = 0; i < 4; ++i) m_Clock[i].Show(ReadInt32(record, kSi5340AAt + 4 * i));
    m_Clock[4].Show(ReadInt32(record, kSi5340BAt));
    EditProjectName->SetText(ReadFixedText(reinterpret_cast<const char*>(record + kNameAt), kNameWidth));
    for (const TFlagBox& flag : m_Flags) flag.Box->SetChecked(record[flag.Offset] != 0);
    UpdateShapes();
    UpdateClockCombos();
}

void TSi5340PairFormBase::FormToConfig(uint8_t* record) const
{
    record[kBoardIdAt] = m_Board.BoardId;
    WriteInt32(record, kSizeAt, kRecordSize);
    WriteFixedText(reinterpret_cast<char*>(record + kNameAt), kNameWidth, EditProjectName->Text());
    for (const TFlagBox& flag : m_Flags) record[flag.Offset] = flag.Box->Checked() ? 1 : 0;
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
    ShowFlagShapes(m_Flags);
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
