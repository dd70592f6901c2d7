#include "boards/frame/BoardFormFrame.h"

#include <algorithm>
#include <cstring>

#include "boards/frame/BoardFormLayout.h"
#include "model/Names.h"
#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The form colour of the frame (red 235, green 233, blue 237).
constexpr TColor kFormColor = 15591915;

}  // namespace

const char* SaveCaption(TButtonCaptions captions)
{
    return captions == TButtonCaptions::AllPlain ? "Save Setting" : "Save Setting...";
}
const char* LoadCaption(TButtonCaptions captions)
{
    return captions == TButtonCaptions::AllPlain ? "Load Setting" : "Load Setting...";
}
const char* GenerateCaption(TButtonCaptions captions)
{
    return captions == TButtonCaptions::Dots ? "Generate..." : "Generate";
}

TFrameBoardForm::TFrameBoardForm(TForm* owner, const TBoardFormRow& row) : TBoardForm(owner), m_Row(row) {}

void TFrameBoardForm::AddFrameHandlers(std::vector<THandlerEntry>& handlers)
{
    handlers.emplace_back("ButtonGenClick", Bind(&TFrameBoardForm::ButtonGenClick));
    handlers.emplace_back("ButtonSaveClick", Bind(&TFrameBoardForm::ButtonSaveClick));
    handlers.emplace_back("ButtonLoadClick", Bind(&TFrameBoardForm::ButtonLoadClick));
    handlers.emplace_back("ButtonDefaultSettingClick", Bind(&TFrameBoardForm::ButtonDefaultSettingClick));
    handlers.emplace_back("ButtonExitClick", Bind(&TFrameBoardForm::ButtonExitClick));
    handlers.emplace_back("ButtonMainBoardSelectClick", Bind(&TFrameBoardForm::ButtonMainBoardSelectClick));
    handlers.emplace_back("CheckBoxClick", Bind(&TFrameBoardForm::CheckBoxClick));
    handlers.emplace_back("FormClose", Bind(&TFrameBoardForm::FormClose));
}

void TFrameBoardForm::InitialiseSettings(std::initializer_list<TEdit*> prefixEdits)
{
    EditProjectName = Find<TEdit>("EditProjectName");
    ButtonMainBoardSelect = dynamic_cast<TButton*>(FindControl("ButtonMainBoardSelect"));
    ButtonDefaultSetting = dynamic_cast<TButton*>(FindControl("ButtonDefaultSetting"));
    ButtonLoad = Find<TButton>("ButtonLoad");
    ButtonSave = Find<TButton>("ButtonSave");
    ButtonGen = Find<TButton>("ButtonGen");
    ButtonExit = Find<TButton>("ButtonExit");
    if (m_Row.FrameColor) SetColor(kFormColor);
    EditProjectName->SetMaxLength(kMaxNameLength);
    for (TEdit* edit : prefixEdits) edit->SetMaxLength(kMaxNameLength);
    FillCardCombos();
    SettingsFolder() = seam::ExecutableFolder();
    if (!m_Row.UsesDefaultFile || !LoadHeld(DefaultConfigPath())) ResetHeldToDefaults();
    ShowHeld();
}

bool TFrameBoardForm::Validate(bool generating)
{
    std::string message;
    bool ok = generating ? CheckProjectName(EditProjectName->Text(), message)
                         : CheckProjectNameGiven(EditProjectName->Text(), message);
    if (ok) {
        ok = ValidateBoard(generating, message);
    } else {
        std::string later;
        if (!ValidateAfterNameFailure(later)) message = later;
    }
    if (!ok && !message.empty()) seam::ShowError(message);
    return ok;
}

bool TFrameBoardForm::ValidateBoard(bool, std::string&)
{
    return true;
}

void TFrameBoardForm::ButtonGenClick(TObject*)
{
    if (!Validate(true)) return;
    if (RunsBatch()) return;
    if (!ConfirmGenerate()) return;
    const std::string path = AskProjectFilePath("", m_Row.FolderWord, EditProjectName->Text());
    if (path.empty()) return;
    if (Generate(path)) {
        const std::string notices = IpNotices();
        if (!notices.empty()) seam::ShowInformation(notices);
        if (m_Row.SuccessBox)
            seam::ShowInformation(
                Format("Generate Quartus Project successfully.\r\nThe project is located in the "
                       "folder:\r\n%s",
                       ExtractFilePath(path).c_str()));
        AfterSuccess();
    } else {
        seam::ShowError(Format("Failed to generate Quartus project: %s.", ExtractFileName(path).c_str()));
    }
}

void TFrameBoardForm::ButtonSaveClick(TObject*)
{
    if (!Validate(false) || !StoreHeld()) return;
    const std::string path = AskSettingsFilePath(true, SettingsFolder());
    if (path.empty()) return;
    SaveHeld(path);
}

void TFrameBoardForm::ButtonLoadClick(TObject*)
{
    const std::string path = AskSettingsFilePath(false, SettingsFolder());
    if (!path.empty() && LoadHeld(path)) {
        ShowHeld();
        AfterRecordReplaced();
        return;
    }
    if (m_Row.LoadFailureBox) seam::ShowError("Failed to load setting");
}

void TFrameBoardForm::ButtonDefaultSettingClick(TObject*)
{
    ResetHeldToDefaults();
    ShowHeld();
    AfterRecordReplaced();
}

void TFrameBoardForm::ButtonExitClick(TObject*)
{
    Close();
    if (Owner()) Owner()->Close();
}

void TFrameBoardForm::ButtonMainBoardSelectClick(TObject*)
{
    if (m_Row.PostsBoardChange) PostMessage(Owner(), WM_MAINBOARD_SELECT, 0, 0);
}

void TFrameBoardForm::CheckBoxClick(TObject*)
{
    UpdateShapes();
    AfterCheckBoxClick();
}

void TFrameBoardForm::FormClose(TObject*, TCloseAction&)
{
    Leave();
}

void TFrameBoardForm::FormLeave()
{
    if (!m_Row.UsesDefaultFile) return;
    StoreHeld();
    SaveHeld(DefaultConfigPath());
}

std::string TFrameBoardForm::MemoryIpNotice(const std::string& word)
{
    const char* m = word.c_str();
    return Format("===== %s Pinloom warning =====\r\n", m) +
           Format("Please add the %s Controller IP to your Quartus project, follow by\r\n", m) +
           "the steps below to prevent any errors from occurring during compilation.\r\n" + "\r\n" +
           Format("1). Create correct pin assignment for %s.\r\n", m) +
           Format("2). Setup correct parameters in %s controller dialog. \r\n", m) +
           Format("3). Execute TCL files, generated by %s IP, under your Quartus project.\r\n", m) + "\r\n";
}

std::string TFrameBoardForm::TransceiverIpNotice(const std::string& word, const char* ipMaker)
{
    return Format("===== %s  Transceiver Pinloom warning =====\r\n", word.c_str()) +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
           Format("transceiver signals in the top level entity if they are not in use or add the %s \r\n", ipMaker) +
           "Transceiver IP to your design.\r\n";
}

std::string TFrameBoardForm::HsmcCardPrefix(DaughterId card, const std::string& typed)
{
    return typed.empty() && (card == 2 || card == 3) ? "HSMC_" : typed;
}

void TFrameBoardForm::ShowCardAndPrefix(TComboBox* combo, TEdit* edit, int32_t count, const uint8_t* ids,
                                        int32_t card, const char* prefixField, std::size_t width,
                                        TUnlistedCard unlisted)
{
    const bool listed = card >= 0 && card <= 255 && std::find(ids, ids + count, card) != ids + count;
    if (listed) SelectCard(combo, count, ids, static_cast<DaughterId>(card));
    if (!listed && unlisted == TUnlistedCard::KeepsPrefix) return;
    edit->SetText(combo->ItemIndex() != 0 ? ReadFixedText(prefixField, width) : std::string());
}

std::string TFrameBoardForm::JoinWords(std::initializer_list<std::pair<bool, const char*>> words)
{
    std::string joined;
    for (const auto& [used, word] : words) {
        if (!used) continue;
        if (!joined.empty()) joined += '/';
        joined += word;
    }
    return joined;
}

bool THandledItem::TakeNew(const TComboBox* combo)
{
    if (combo->ItemIndex() == m_Item) return false;
    m_Item = combo->ItemIndex();
    return true;
}

void TChoiceCombo::Fill(const std::vector<std::string>& items)
{
    Combo->Clear();
    for (const std::string& item : items) Combo->AddItem(item);
    Combo->SetDropDownCount(static_cast<int>(items.size()));
    Combo->SetItemIndex(0);
}

void TChoiceCombo::Show(int32_t value)
{
    Remembered = value >= 0 && value < Combo->ItemCount() ? value : DefaultItem;
    Combo->SetItemIndex(Remembered);
}

void TChoiceCombo::Update(bool enabled, int32_t forcedItem)
{
    Combo->SetItemIndex(enabled ? Remembered : forcedItem);
    Combo->SetEnabled(enabled);
}

TControlSpec& LayoutControl(std::vector<TControlSpec>& controls, const char* name)
{
    auto it = std::find_if(controls.begin(), controls.end(),
                           [name](const TControlSpec& control) { return std::strcmp(control.Name, name) == 0; });
    if (it == controls.end()) seam::FailInvariant((std::string("control ") + name + " in the layout").c_str(), __FILE__, __LINE__);
    return *it;
}

void SpreadButtonRow(std::vector<TControlSpec>& controls, std::initializer_list<const char*> names, int left,
                     int top, int width)
{
    constexpr int kGap = 6;
    const int count = static_cast<int>(names.size());
    const int buttonWidth = (width - (count - 1) * kGap) / count;
    for (const char* name : names) {
        TControlSpec& button = LayoutControl(controls, name);
        button.Left = left;
        button.Top = top;
        button.Width = buttonWidth;
        left += buttonWidth + kGap;
    }
}

void SetOutlinePens(std::vector<TControlSpec>& controls, int width, std::initializer_list<const char*> dotted)
{
    for (TControlSpec& control : controls) {
        if (control.Kind != TControlKind::Shape) continue;
        if (width > 0) control.PenWidth = width;
    }
    for (const char* name : dotted) LayoutControl(controls, name).PenStyle = psDot;
}

TControlSpec FrameButton(const char* name, int left, int top, int width, const char* caption, const char* onClick)
{
    return {.Kind = TControlKind::Button,
            .Name = name,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = 28,
            .Caption = caption,
            .OnClick = onClick,
            .HandCursor = true};
}

TControlSpec FrameCheckBox(const char* name, const char* parent, int left, int top, int width, const char* caption)
{
    return {.Kind = TControlKind::CheckBox,
            .Name = name,
            .Parent = parent,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = 20,
            .Caption = caption,
            .OnClick = "CheckBoxClick",
            .HandCursor = true};
}

TControlSpec FrameLabel(const char* name, const char* parent, int left, int top, int width, const char* caption,
                        bool bold)
{
    return {.Kind = TControlKind::Label,
            .Name = name,
            .Parent = parent,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = 18,
            .Caption = caption,
            .Bold = bold};
}

TControlSpec FrameComboBox(const char* name, const char* parent, int left, int top, int width, const char* onChange)
{
    return {.Kind = TControlKind::ComboBox,
            .Name = name,
            .Parent = parent,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = 24,
            .OnChange = onChange,
            .HandCursor = true};
}

TControlSpec FrameEdit(const char* name, const char* parent, int left, int top, int width)
{
    return {.Kind = TControlKind::Edit,
            .Name = name,
            .Parent = parent,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = 24};
}

TControlSpec FrameShape(const char* name, const char* parent, int left, int top, int width, int height)
{
    return {.Kind = TControlKind::Shape,
            .Name = name,
            .Parent = parent,
            .Left = left,
            .Top = top,
            .Width = width,
            .Height = height,
            .Visible = false,
            .PenColor = clYellow,
            .PenWidth = 3,
            .BrushStyle = bsClear};
}

void TFlagBoxes::Bind(const TForm& form, std::initializer_list<TEntryNames> entries)
{
    Bind(form, std::vector<TEntryNames>(entries));
}

void TFlagBoxes::Bind(const TForm& form, const std::vector<TEntryNames>& entries)
{
    std::vector<TFlagBox> boxes;
    for (const auto& [box, shapes] : entries) boxes.push_back({box, nullptr, shapes});
    Bind(form, boxes);
}

void TFlagBoxes::Bind(const TForm& form, const std::vector<TFlagBox>& boxes)
{
    m_Entries.clear();
    for (const TFlagBox& box : boxes) {
        TEntry entry{box.Name ? form.Find<TCheckBox>(box.Name) : nullptr, {}};
        for (const char* shape : box.Shapes) entry.Shapes.push_back(form.Find<TShape>(shape));
        m_Entries.push_back(std::move(entry));
    }
}

void AddFlagBoxGrid(std::vector<TControlSpec>& controls, const char* parent, int left, int top, int columns,
                    const std::vector<TFlagBox>& boxes)
{
    int n = 0;
    for (const TFlagBox& box : boxes) {
        if (!box.Name) continue;
        controls.push_back(
            FrameCheckBox(box.Name, parent, left + 164 * (n % columns), top + 26 * (n / columns), 160, box.Caption));
        ++n;
    }
}

void AddCardRow(std::vector<TControlSpec>& c, const char* parent, int top, int width, const TCardRow& row)
{
    const int comboWidth = width * 11 / 20;
    c.push_back(FrameLabel(row.TitleLabel, parent, 12, top, comboWidth, row.Title, true));
    c.push_back(FrameComboBox(row.Combo, parent, 12, top + 18, comboWidth, row.OnChange));
    c.push_back(FrameLabel(row.PrefixLabel, parent, 12, top + 48, 80, "Prefix Name:"));
    c.push_back(FrameEdit(row.Edit, parent, 94, top + 44, comboWidth - 82));
    c.push_back({.Kind = TControlKind::Image, .Name = row.Image, .Parent = parent, .Left = comboWidth + 24, .Top = top,
                 .Width = 64, .Height = 64, .Visible = false, .Stretch = true});
}

void TFlagBoxes::Show(const uint8_t* flags) const
{
    for (std::size_t i = 0; i < m_Entries.size(); ++i)
        if (m_Entries[i].Box) m_Entries[i].Box->SetChecked(flags[i] != 0);
}

void TFlagBoxes::Store(uint8_t* flags) const
{
    for (std::size_t i = 0; i < m_Entries.size(); ++i)
        if (m_Entries[i].Box) flags[i] = m_Entries[i].Box->Checked() ? 1 : 0;
}

void TFlagBoxes::UpdateShapes() const
{
    for (const TEntry& entry : m_Entries)
        if (entry.Box)
            for (TShape* shape : entry.Shapes) shape->SetVisible(entry.Box->Checked());
}

void AddBoardPanel(std::vector<TControlSpec>& controls, int left, int top, const char* title, const char* picture,
                   int pictureWidth, int pictureHeight, const TPicturePart* parts, std::size_t partCount)
{
    constexpr int kPictureLeft = kFramePictureLeft;
    constexpr int kPictureTop = kFramePictureTop;
    controls.push_back({.Kind = TControlKind::Panel,
                        .Name = "PanelBoard",
                        .Left = left,
                        .Top = top,
                        .Width = pictureWidth + 2 * kPictureLeft,
                        .Height = pictureHeight + kPictureTop + 8,
                        .Color = clWhite,
                        .Bevel = bvLowered});
    controls.push_back({.Kind = TControlKind::Label,
                        .Name = "LabelBoardName",
                        .Parent = "PanelBoard",
                        .Left = 8,
                        .Top = 8,
                        .Width = pictureWidth,
                        .Height = 20,
                        .Caption = title,
                        .FontHeight = 16,
                        .Bold = true});
    controls.push_back({.Kind = TControlKind::Image,
                        .Name = "ImageBoard",
                        .Parent = "PanelBoard",
                        .Left = kPictureLeft,
                        .Top = kPictureTop,
                        .Width = pictureWidth,
                        .Height = pictureHeight,
                        .Picture = picture});
    for (std::size_t i = 0; i < partCount; ++i) {
        const TPicturePart& part = parts[i];
        if (!part.ShapeName) continue;
        controls.push_back(FrameShape(part.ShapeName, "PanelBoard", kPictureLeft + part.Left - kOutlineMargin,
                                      kPictureTop + part.Top - kOutlineMargin, part.Width + 2 * kOutlineMargin,
                                      part.Height + 2 * kOutlineMargin));
    }
}

void AddPictureOutlines(std::vector<TControlSpec>& controls, const TBoardPart* parts, std::size_t count)
{
    formlayout::AddOverlays(controls, "PanelBoard", kFramePictureLeft, kFramePictureTop, parts, count, clYellow);
}

void AddFrameButtons(std::vector<TControlSpec>& controls, int left, int top, TButtonCaptions captions,
                     bool defaultSetting, bool exitIsDefault)
{
    constexpr int kWidth = 104;
    constexpr int kStep = kWidth + 6;
    int x = left;
    if (defaultSetting) {
        controls.push_back(
            FrameButton("ButtonDefaultSetting", x, top, kWidth, "Default Setting", "ButtonDefaultSettingClick"));
        x += kStep;
    }
    controls.push_back(FrameButton("ButtonLoad", x, top, kWidth, LoadCaption(captions), "ButtonLoadClick"));
    x += kStep;
    controls.push_back(FrameButton("ButtonSave", x, top, kWidth, SaveCaption(captions), "ButtonSaveClick"));
    x += kStep;
    controls.push_back(FrameButton("ButtonGen", x, top, kWidth, GenerateCaption(captions), "ButtonGenClick"));
    x += kStep;
    TControlSpec exit = FrameButton("ButtonExit", x, top, kWidth, "Exit", "ButtonExitClick");
    exit.Default = exitIsDefault;
    controls.push_back(exit);
}

void AddCardSection(std::vector<TControlSpec>& c, const char* parent, int top, int width,
                    const TCardSection& section)
{
    c.push_back(FrameLabel(section.TitleLabel, parent, 12, top, width - 120, section.Title, true));
    c.push_back(FrameComboBox(section.Combo, parent, 12, top + 20, width - 116, section.OnChange));
    c.push_back(FrameLabel(section.PrefixLabel, parent, 12, top + 56, 84, "Prefix Name:"));
    c.push_back(FrameEdit(section.Prefix, parent, 100, top + 52, width - 204));
    if (section.Picture)
        c.push_back({.Kind = TControlKind::Image, .Name = section.Picture, .Parent = parent, .Left = width - 92,
                     .Top = top + 4, .Width = 80, .Height = 80, .Visible = false});
}

void AddChoiceGroup(std::vector<TControlSpec>& c, const char* name, const char* caption, int left, int top, int width,
                    const std::vector<TChoiceColumn>& columns, const char* unit)
{
    constexpr int kColumn = 150;
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = name,
                 .Left = left,
                 .Top = top,
                 .Width = width,
                 .Height = 96,
                 .Caption = caption});
    for (std::size_t col = 0; col < columns.size(); ++col) {
        const TChoiceColumn& column = columns[col];
        const int x = 8 + kColumn * static_cast<int>(col);
        c.push_back(FrameLabel(column.TitleLabel, name, x, 18, kColumn - 4, column.Title, true));
        for (std::size_t l = 0; l < column.Labels.size(); ++l) {
            TControlSpec label = FrameLabel(column.Labels[l].first, name, x, 32 + 11 * static_cast<int>(l), kColumn - 4,
                                            column.Labels[l].second);
            label.FontHeight = 10;  // a size below the form's
            c.push_back(label);
        }
        TControlSpec combo = FrameComboBox(column.Combo, name, x, 68, 96, column.OnChange);
        combo.DropDownCount = column.DropDownRows;
        c.push_back(combo);
        c.push_back(FrameLabel(column.UnitLabel, name, x + 100, 72, 30, unit));
    }
}

void AddSettingsGroup(std::vector<TControlSpec>& c, int left, int top, int width, int height,
                      const std::vector<TCheckBoxRow>& rows)
{
    const char* group = "GroupBoxConfig";
    c.push_back({.Kind = TControlKind::GroupBox,
                 .Name = group,
                 .Left = left,
                 .Top = top,
                 .Width = width,
                 .Height = height,
                 .Caption = "System Configuration"});
    c.push_back(FrameLabel("LabelProjectName", group, 12, 26, 96, "Project Name:"));
    c.push_back(FrameEdit("EditProjectName", group, 110, 22, width - 122));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int y = 56 + 24 * static_cast<int>(row);
        c.push_back(FrameCheckBox(rows[row].LeftName, group, 12, y, 160, rows[row].LeftCaption));
        if (rows[row].RightName)
            c.push_back(FrameCheckBox(rows[row].RightName, group, 184, y, 160, rows[row].RightCaption));
    }
}

TFormSpec FrameFormSpec(const TFrameLayout& layout)
{
    TFormSpec spec{.Name = layout.Name,
                   .Caption = layout.Caption,
                   .ClientWidth = layout.ClientWidth,
                   .ClientHeight = layout.ClientHeight,
                   .BorderStyle = bsNone,
                   .OnClose = "FormClose",
                   .Controls = {}};
    auto& c = spec.Controls;
    c.push_back(FrameButton("ButtonMainBoardSelect", 8, 8, 160, "Change Main Board", "ButtonMainBoardSelectClick"));
    AddBoardPanel(c, 8, 44, layout.Title, layout.Picture, layout.PictureWidth, layout.PictureHeight, layout.Parts,
                  layout.PartCount);
    AddFrameButtons(c, 8, layout.ClientHeight - 40, layout.Captions, layout.DefaultSetting, layout.ExitIsDefault);
    return spec;
}
