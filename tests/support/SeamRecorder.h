// A seam backend for tests: keeps every message box, answers file dialogs
// from a script, serves resources registered by the test, and turns a
// failed invariant into an InvariantFailure exception the test can catch.
#pragma once

#include <ctime>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Seam.h"

struct InvariantFailure : std::runtime_error {
    InvariantFailure(const std::string& condition, const std::string& file, int line);
    std::string condition;
    std::string file;
    int line;
};

class SeamRecorder : public seam::Backend {
public:
    struct Box {
        seam::BoxKind kind;
        std::string text;
    };
    struct Dialog {
        bool save;
        seam::FileDialogRequest request;
    };

    // Installs itself on construction and restores the fallback on destruction.
    SeamRecorder();
    ~SeamRecorder() override;

    std::vector<Box> boxes;
    std::vector<Dialog> dialogs;
    int beeps = 0;
    bool ctrlDown = false;
    std::string executableFolder = "/nonexistent/";
    std::tm now{};
    std::deque<std::string> dialogAnswers;  // front answers the next dialog; empty = cancel
    std::deque<bool> yesNoAnswers;          // front answers the next warning (true = Yes); empty = No
    std::map<std::string, std::string> resources;

    void AnswerNextDialog(const std::string& path) { dialogAnswers.push_back(path); }
    void AddResource(const std::string& name, const std::string& bytes) { resources[name] = bytes; }
    void SetNow(int year, int month, int day, int hour, int minute, int second);
    std::vector<std::string> ErrorTexts() const;
    std::vector<std::string> InfoTexts() const;

    void MessageBox(seam::BoxKind kind, const std::string& text) override;
    // Kept among the boxes as a Warning.
    bool AskWarningYesNo(const std::string& text) override;
    void Beep() override;
    bool IsLeftCtrlDown() override;
    std::string RunSaveDialog(const seam::FileDialogRequest& request) override;
    std::string RunOpenDialog(const seam::FileDialogRequest& request) override;
    bool LoadRawResource(const std::string& name, std::string& bytes) override;
    std::string ExecutableFolder() override;
    std::tm CurrentTime() override;
    void FailedInvariant(const std::string& condition, const std::string& file, int line) override;
};
