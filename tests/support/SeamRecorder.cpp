#include "tests/support/SeamRecorder.h"

#include "model/Text.h"

InvariantFailure::InvariantFailure(const std::string& c, const std::string& f, int l)
    : std::runtime_error("Assertion failed: " + c), condition(c), file(f), line(l)
{
}

SeamRecorder::SeamRecorder()
{
    SetNow(2026, 3, 4, 9, 5, 7);
    seam::Install(this);
}

SeamRecorder::~SeamRecorder() { seam::Install(nullptr); }

void SeamRecorder::SetNow(int year, int month, int day, int hour, int minute, int second)
{
    now = std::tm{};
    now.tm_year = year - 1900;
    now.tm_mon = month - 1;
    now.tm_mday = day;
    now.tm_hour = hour;
    now.tm_min = minute;
    now.tm_sec = second;
}

std::vector<std::string> SeamRecorder::ErrorTexts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes)
        if (box.kind == seam::BoxKind::Error) texts.push_back(box.text);
    return texts;
}

std::vector<std::string> SeamRecorder::InfoTexts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes)
        if (box.kind == seam::BoxKind::Information) texts.push_back(box.text);
    return texts;
}

void SeamRecorder::MessageBox(seam::BoxKind kind, const std::string& text) { boxes.push_back({kind, text}); }
bool SeamRecorder::AskWarningYesNo(const std::string& text)
{
    boxes.push_back({seam::BoxKind::Warning, text});
    if (yesNoAnswers.empty()) return false;
    const bool yes = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return yes;
}
void SeamRecorder::Beep() { ++beeps; }
bool SeamRecorder::IsLeftCtrlDown() { return ctrlDown; }

std::string SeamRecorder::RunSaveDialog(const seam::FileDialogRequest& request)
{
    dialogs.push_back({true, request});
    if (dialogAnswers.empty()) return {};
    std::string answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::string SeamRecorder::RunOpenDialog(const seam::FileDialogRequest& request)
{
    dialogs.push_back({false, request});
    if (dialogAnswers.empty()) return {};
    std::string answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

bool SeamRecorder::LoadRawResource(const std::string& name, std::string& bytes)
{
    for (const auto& [key, value] : resources) {
        if (SameTextIgnoringCase(key, name)) {
            bytes = value;
            return true;
        }
    }
    return false;
}

std::string SeamRecorder::ExecutableFolder() { return executableFolder; }
std::tm SeamRecorder::CurrentTime() { return now; }

void SeamRecorder::FailedInvariant(const std::string& condition, const std::string& file, int line)
{
    throw InvariantFailure(condition, file, line);
}
