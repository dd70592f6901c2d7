// A text buffer kept as a list of fragments, written back to back into one
// file. Each fragment carries its own line ends.
#pragma once

#include <string>
#include <vector>

class FileGenerator {
public:
    FileGenerator();
    ~FileGenerator();

    // Formats like printf (C locale) and appends the result as one fragment;
    // a fragment holds at most 1023 characters, longer output is cut.
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Creates the folder chain of path when missing and replaces the file
    // with the fragments, back to back, through a temporary file beside it
    // (a failure leaves an existing file as it was). False when the folder
    // or the file cannot be written; nothing is shown, and cause, when given,
    // receives the reason naming the file or folder. The fragments are kept,
    // so the buffer can be saved again.
    bool SaveToFile(const std::string& path, std::string* cause = nullptr) const;

    const std::vector<std::string>& GetFragments() const { return m_Fragments; }

private:
    std::vector<std::string> m_Fragments;
};
