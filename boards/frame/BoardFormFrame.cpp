#include "boards/frame/BoardFormFrame.h"

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

void TFrameBoardForm::InitialiseSettings(TEdit* projectName, std::initializer_list<TEdit*> prefixEdits)
{
    m_ProjectName = projectName;
    SetColor(kFormColor);
    m_ProjectName->SetMaxLength(kMaxNameLength);
    for (TEdit* edit : prefixEdits) edit->SetMaxLength(kMaxNameLength);
    FillCardCombos();
    SettingsFolder() = seam::ExecutableFolder();
    if (!LoadHeld(DefaultConfigPath())) ResetHeldToDefaults();
    ShowHeld();
}

bool TFrameBoardForm::Validate(bool generating)
{
    std::string message;
    const std::string name = m_ProjectName->Text();
    bool ok = true;
    if (name.empty()) {
        message = "Project Name cannot be empty.";
        ok = false;
    } else if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos || name == "." ||
               name == "..") {
        // NAMES: replace this branch by CheckProjectName(name, message) of
        // model/Names.h (one rule for every form and the run).
        message = "Project Name cannot contain '/' or '\\', nor be '.' or '..'.";
        ok = false;
    } else {
        ok = ValidateBoard(generating, message);
    }
    if (!ok) seam::ShowError(message);
    return ok;
}

bool TFrameBoardForm::ValidateBoard(bool, std::string&) { return true; }

void TFrameBoardForm::ButtonGenClick(TObject*)
{
    if (!Validate(true)) return;
    if (RunsBatch()) return;
    if (!ConfirmGenerate()) return;
    const std::string path = AskProjectFilePath("", m_Row.FolderWord, m_ProjectName->Text());
    if (path.empty()) return;
    if (Generate(path)) {
        const std::string notices = IpNotices();
        if (!notices.empty()) seam::ShowInformation(notices);
        if (m_Row.SuccessBox)
            seam::ShowInformation(Format("Generate Quartus Project successfully.\r\nThe project is located in the "
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
        return;
    }
    if (m_Row.LoadFailureBox) seam::ShowError("Failed to load setting");
}

void TFrameBoardForm::ButtonDefaultSettingClick(TObject*)
{
    ResetHeldToDefaults();
    ShowHeld();
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

void TFrameBoardForm::FormClose(TObject*, TCloseAction&) { Leave(); }

void TFrameBoardForm::FormLeave()
{
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

std::string TFrameBoardForm::TransceiverIpNotice(const std::string& word)
{
    return Format("===== %s  Transceiver Pinloom warning =====\r\n", word.c_str()) +
           "To prevent any errors while compiling your Quartus project, either comment out the\r\n" +
           "transceiver signals in the top level entity if they are not in use or add the Altera \r\n" +
           "Transceiver IP to your design.\r\n";
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

TControlSpec FrameButton(const char* name, int left, int top, int width, const char* caption, const char* onClick)
{
    return {.Kind = TControlKind::Button, .Name = name, .Left = left, .Top = top, .Width = width, .Height = 28,
            .Caption = caption, .OnClick = onClick, .HandCursor = true};
}

TControlSpec FrameCheckBox(const char* name, const char* parent, int left, int top, int width, const char* caption)
{
    return {.Kind = TControlKind::CheckBox, .Name = name, .Parent = parent, .Left = left, .Top = top, .Width = width,
            .Height = 20, .Caption = caption, .OnClick = "CheckBoxClick", .HandCursor = true};
}

TControlSpec FrameLabel(const char* name, const char* parent, int left, int top, int width, const char* caption,
                        bool bold)
{
    return {.Kind = TControlKind::Label, .Name = name, .Parent = parent, .Left = left, .Top = top, .Width = width,
            .Height = 18, .Caption = caption, .Bold = bold};
}

TControlSpec FrameComboBox(const char* name, const char* parent, int left, int top, int width, const char* onChange)
{
    return {.Kind = TControlKind::ComboBox, .Name = name, .Parent = parent, .Left = left, .Top = top, .Width = width,
            .Height = 24, .OnChange = onChange, .HandCursor = true};
}

TControlSpec FrameEdit(const char* name, const char* parent, int left, int top, int width)
{
    return {.Kind = TControlKind::Edit, .Name = name, .Parent = parent, .Left = left, .Top = top, .Width = width,
            .Height = 24};
}

TControlSpec FrameShape(const char* name, const char* parent, int left, int top, int width, int height)
{
    return {.Kind = TControlKind::Shape, .Name = name, .Parent = parent, .Left = left, .Top = top, .Width = width,
            .Height = height, .Visible = false, .PenColor = clYellow, .PenWidth = 3, .BrushStyle = bsClear};
}
