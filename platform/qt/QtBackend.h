// The seam's backend on Qt: modal message boxes with one OK button, Qt's file
// dialogs, the named resources, the beep, the Ctrl key, and the failed-
// invariant report that ends the program.
#pragma once

#include <string>
#include <vector>

#include "platform/Seam.h"

class QFileDialog;

class QtSeamBackend : public seam::Backend {
public:
    void MessageBox(seam::BoxKind kind, const std::string& text) override;
    bool AskWarningYesNo(const std::string& text) override;
    void Beep() override;
    bool IsLeftCtrlDown() override;
    std::string RunSaveDialog(const seam::FileDialogRequest& request) override;
    std::string RunOpenDialog(const seam::FileDialogRequest& request) override;
    bool LoadRawResource(const std::string& name, std::string& bytes) override;
    std::string ExecutableFolder() override;
    std::tm CurrentTime() override;
    // Shows the condition and its source location in an error box (and on
    // stderr), then ends the program with exit code 3.
    void FailedInvariant(const std::string& condition, const std::string& file, int line) override;
};

// Which Control key is held. Qt's modifier state does not tell the left key
// from the right one, so the application notes every Control press and
// release with its native key (an X11 key symbol). When no side was seen
// (the key went down before a window of ours had focus, or the platform gives
// no native key) the modifier state alone answers.
class TControlKeys {
public:
    static constexpr unsigned kLeftSymbol = 0xffe3;   // Control_L
    static constexpr unsigned kRightSymbol = 0xffe4;  // Control_R

    void Note(bool pressed, unsigned nativeKey);
    bool IsLeftDown(bool controlModifier);

private:
    bool m_LeftDown = false;
    bool m_RightDown = false;
};

// The instance the application feeds and the backend reads.
TControlKeys& ApplicationControlKeys();

// The Qt name filters of a dialog filter written "Caption (*.ext)|*.EXT"
// (pairs of caption and pattern list, separated by '|'). File names are
// case-sensitive here, so each pattern is offered in lower and upper case:
// "Quartus Project File (*.qpf)|*.QPF" gives "Quartus Project File (*.qpf *.QPF)".
std::vector<std::string> DialogNameFilters(const std::string& filter);

// Sets up a file dialog for a request: save or open, the start folder's
// filters, the default extension and the proposed name.
void ConfigureFileDialog(QFileDialog& dialog, const seam::FileDialogRequest& request, bool save);

// The text of the failed-invariant box.
std::string FailedInvariantText(const std::string& condition, const std::string& file, int line);
