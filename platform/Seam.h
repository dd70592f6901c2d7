// The plain C++ face of the platform layer.
//
// Everything below the forms (model/, cards/, generate/, the board definitions)
// reaches the window system only through these functions. The program installs
// the Qt backend at start-up; the tests install a recorder that keeps every box
// and answers the dialogs from a script. No Qt type appears here.
#pragma once

#include <ctime>
#include <string>

namespace seam {

enum class BoxKind { Error, Information, Warning };

// What a file dialog is asked to show. The filter uses the "Caption|*.EXT"
// convention; the backend turns it into whatever its dialogs understand.
struct FileDialogRequest {
    std::string title;
    std::string initialFolder;
    std::string filter;
    int filterIndex = 1;
    std::string defaultExt;
    std::string fileName;
};

class Backend {
public:
    virtual ~Backend() = default;

    // A modal message box with a single OK button.
    virtual void MessageBox(BoxKind kind, const std::string& text) = 0;
    // A modal warning box with the buttons Yes and No; true only for Yes
    // (No and closing the box give false).
    virtual bool AskWarningYesNo(const std::string& text) = 0;
    virtual void Beep() = 0;
    // True while a Ctrl key is held.
    virtual bool IsLeftCtrlDown() = 0;
    // Modal file dialogs; an empty result means the user cancelled.
    virtual std::string RunSaveDialog(const FileDialogRequest& request) = 0;
    virtual std::string RunOpenDialog(const FileDialogRequest& request) = 0;
    // A raw resource compiled into the program, found by name without regard
    // to letter case. Returns false when there is none.
    virtual bool LoadRawResource(const std::string& name, std::string& bytes) = 0;
    // The folder of the executable, ending with "/".
    virtual std::string ExecutableFolder() = 0;
    // The local date and time.
    virtual std::tm CurrentTime() = 0;
    // A broken invariant (a programming error). The program backend reports it
    // and ends the program; a test backend may throw instead. If it returns,
    // the program is aborted.
    virtual void FailedInvariant(const std::string& condition, const std::string& file, int line) = 0;
};

// Installs the backend used from now on (not owned). Passing nullptr restores
// the built-in fallback, which writes to stderr and answers every dialog with
// a cancel.
void Install(Backend* backend);
Backend& Current();

void ShowError(const std::string& text);
void ShowInformation(const std::string& text);
void ShowWarning(const std::string& text);
bool AskWarningYesNo(const std::string& text);
void Beep();
bool IsLeftCtrlDown();
std::string RunSaveDialog(const FileDialogRequest& request);
std::string RunOpenDialog(const FileDialogRequest& request);
bool LoadRawResource(const std::string& name, std::string& bytes);
std::string ExecutableFolder();
std::tm CurrentTime();
[[noreturn]] void FailInvariant(const char* condition, const char* file, int line);

}  // namespace seam

// Checks a programming invariant; on failure reports the condition and the
// source location and ends the program. Never used for user input.
#define PL_ASSERT(cond) ((cond) ? (void)0 : ::seam::FailInvariant(#cond, __FILE__, __LINE__))
