#include "tests/sweep/SweepDriver.h"

#include <filesystem>
#include <unistd.h>

#include "app/UI_Selector.h"
#include "boards/frame/BoardFormFrame.h"
#include "boards/soc/BoardFormSoc.h"
#include "model/MainBoard.h"
#include "platform/FormsTesting.h"
#include "platform/qt/NamedResources.h"

namespace sweep {

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string UpperCased(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Sets a slot's factory back when it goes out of scope.
class TFactoryRestore {
public:
    TFactoryRestore(uint8_t id, TBoardFormFactory original) : m_Id(id), m_Original(std::move(original)) {}
    ~TFactoryRestore() { SetBoardFormFactory(m_Id, std::move(m_Original)); }

private:
    uint8_t m_Id;
    TBoardFormFactory m_Original;
};

}  // namespace

bool IsPlaceholder(uint8_t boardId) { return boardId == MAINBOARD_SELBOWEN || boardId == MAINBOARD_PELLOWIND; }

std::string BoardName(const TBoardFormSlot& slot)
{
    const std::string name = slot.ClassName;
    return name.rfind("TForm", 0) == 0 ? name.substr(5) : name;
}

std::string DescribeSettings(const TForm& form)
{
    std::string text;
    for (TControl* control : form.Controls()) {
        const std::string head = control->Name() + (control->Enabled() ? " " : " (disabled) ");
        if (auto* edit = dynamic_cast<TEdit*>(control))
            text += head + "\"" + edit->Text() + "\"\n";
        else if (auto* box = dynamic_cast<TCheckBox*>(control))
            text += head + (box->Checked() ? "ticked\n" : "not ticked\n");
        else if (auto* combo = dynamic_cast<TComboBox*>(control))
            text += head + std::to_string(combo->ItemIndex()) + " \"" + combo->Text() + "\"\n";
    }
    return text;
}

std::vector<std::string> ChoicesOutsideTheirList(const TForm& form)
{
    std::vector<std::string> outside;
    for (TComboBox* combo : ControlsOf<TComboBox>(form)) {
        const int count = combo->ItemCount();
        const int index = combo->ItemIndex();
        if (count > 0 && (index < 0 || index >= count))
            outside.push_back(combo->Name() + ": " + std::to_string(index) + " of " + std::to_string(count));
    }
    return outside;
}

std::vector<std::string> FaultTexts(const SeamRecorder& seam)
{
    // What a failed invariant and the library's exceptions say.
    static const char* const kMarkers[] = {"Assertion failed", "basic_string", "vector", "map::at", "stoi", "stol",
                                           "stod", "bad_alloc", "bad_function_call", "out_of_range",
                                           "invalid_argument", "length_error"};
    std::vector<std::string> faults;
    for (const std::string& text : seam.ErrorTexts()) {
        bool fault = text.empty();
        for (const char* marker : kMarkers) fault = fault || text.find(marker) != std::string::npos;
        if (fault) faults.push_back(text.empty() ? "(an exception without a message)" : text);
    }
    return faults;
}

std::string MemoryFolder()
{
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "";
}

TSweepSession::TSweepSession()
{
    seam.executableFolder = folder.Path();
    SetExecutablePathForTesting(folder.Path() + "pinloom");
    SetScreenSizeForTesting(1280, 1024);
    // The program's own raw resources (the Verilog IP), as the program
    // serves them; the pictures come from the platform layer.
    for (const std::string& name : NamedResourceNames()) {
        if (EndsWith(UpperCased(name), "BITMAP")) continue;
        std::string bytes;
        if (LoadNamedResource(name, bytes)) seam.AddResource(name, bytes);
    }
    SetBoardOfferedPredicate([](uint8_t id) { return IsBoardOfferedIn(true, id); });
    main = std::make_unique<TFormMain>(nullptr);
}

TSweepSession::~TSweepSession()
{
    main.reset();
    SetBoardOfferedPredicate({});
    SetExecutablePathForTesting("");
    SetScreenSizeForTesting(0, 0);
}

TBoardForm* TSweepSession::ChangeBoard(uint8_t boardId)
{
    const TBoardFormSlot* slot = FindBoardFormSlot(boardId);
    if (!slot || !slot->Create) return nullptr;
    TBoardFormFactory original = slot->Create;
    const std::string defaultCfg = folder.Path() + "default.cfg";
    TFactoryRestore restore(boardId, original);
    SetBoardFormFactory(boardId, [original, defaultCfg](TForm* owner) {
        std::error_code ec;
        std::filesystem::remove(defaultCfg, ec);
        return original(owner);
    });
    WhenModalShows([boardId](TForm& form) {
        auto* selector = dynamic_cast<TFormBoardSelector*>(&form);
        if (!selector) return form.Close();
        selector->SelectBoardId(boardId);
        UserClick(selector->GetSelectedBoardId() == boardId ? selector->ButtonOK : selector->ButtonCancel);
    });
    PostMessage(main.get(), WM_MAINBOARD_SELECT, 0, 0);
    DeliverPostedMessages();
    return main->CurrentBoardId() == boardId ? Form() : nullptr;
}

TButton* TSweepSession::Button(const char* name) const
{
    return Form() ? dynamic_cast<TButton*>(Form()->FindControl(name)) : nullptr;
}

void TSweepSession::Load(const std::string& bytes)
{
    TButton* load = Button("ButtonLoad");
    if (!load) return;
    const std::string path = folder.Path() + "crafted.cfg";
    WriteFile(path, bytes);
    seam.dialogAnswers.assign(1, path);
    UserClick(load);
    seam.dialogAnswers.clear();
}

std::string TSweepSession::Save()
{
    TButton* save = Button("ButtonSave");
    if (!save) return {};
    const std::string path = folder.Path() + "saved.cfg";
    std::error_code ec;
    std::filesystem::remove(path, ec);
    seam.dialogAnswers.assign(1, path);
    UserClick(save);
    seam.dialogAnswers.clear();
    return FileExists(path) ? ReadFile(path) : std::string();
}

std::string TSweepSession::ProjectFolder(const std::string& projectName) const
{
    return folder.Path() + "projects/" + projectName + "/";
}

std::string TSweepSession::Generate(const std::string& projectName)
{
    TButton* generate = Button("ButtonGen");
    auto* edit = Form() ? dynamic_cast<TEdit*>(Form()->FindControl("EditProjectName")) : nullptr;
    const std::string base = projectName.empty() ? "crafted" : projectName;
    const std::string qpf = ProjectFolder(base) + base + ".qpf";
    if (!generate || !edit) return qpf;
    if (!projectName.empty()) UserType(edit, projectName);
    std::filesystem::create_directories(ProjectFolder(base));
    std::error_code ec;
    std::filesystem::remove(qpf, ec);
    seam.dialogAnswers.assign(1, qpf);
    seam.yesNoAnswers.assign(64, true);
    UserClick(generate);
    seam.dialogAnswers.clear();
    seam.yesNoAnswers.clear();
    if (FileExists(qpf)) ++generated;
    return qpf;
}

std::vector<std::string> TSweepSession::LoadAndGenerate(const std::string& bytes)
{
    std::vector<std::string> problems;
    auto look = [&](const char* step) {
        if (!Form()) return problems.push_back(std::string("no board form after the ") + step);
        for (const std::string& text : FaultTexts(seam)) problems.push_back(std::string(step) + ": " + text);
        for (const std::string& text : ChoicesOutsideTheirList(*Form()))
            problems.push_back(std::string(step) + ": " + text);
        seam.boxes.clear();
    };
    seam.boxes.clear();
    Load(bytes);
    look("load");
    // As loaded; and, when that was refused, once more under a legal name.
    const int before = generated;
    Generate("");
    look("generation");
    if (generated == before) {
        Generate("crafted");
        look("generation under a legal name");
    }
    return problems;
}

bool TSweepSession::RunGeneration(const std::string& qpfPath)
{
    if (auto* frame = dynamic_cast<TFrameBoardForm*>(Form())) return frame->Generate(qpfPath);
    if (auto* soc = dynamic_cast<TSocBoardForm*>(Form())) return soc->Generate(qpfPath);
    return false;
}

void TSweepSession::TickEveryGroup()
{
    if (!Form()) return;
    seam.yesNoAnswers.assign(64, true);
    for (int round = 0; round < 8; ++round) {
        bool ticked = false;
        for (TCheckBox* box : ControlsOf<TCheckBox>(*Form())) {
            if (box->Checked() || !box->Visible() || !box->Enabled()) continue;
            UserClick(box);
            ticked = ticked || box->Checked();
        }
        if (!ticked) break;
    }
    seam.yesNoAnswers.clear();
}

void TSweepSession::UseEveryClockChip()
{
    if (!Form()) return;
    for (TComboBox* combo : ControlsOf<TComboBox>(*Form())) {
        if (combo->ItemCount() < 2 || !combo->Enabled()) continue;
        const std::string first = combo->ItemText(0);
        if (first == "Not Use" || first == "Disable" || first == "Unchanged" || first == "Unchange")
            UserPick(combo, combo->ItemCount() - 1);
    }
}

bool TSweepSession::PickTopFileType(int item)
{
    auto* combo = Form() ? dynamic_cast<TComboBox*>(Form()->FindControl("ComboBoxFileType")) : nullptr;
    if (!combo) return false;
    UserPick(combo, item);
    return combo->ItemIndex() == item;
}

}  // namespace sweep
