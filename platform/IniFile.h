// A profile (.INI) file: sections of "key=value" lines. Section and key
// names match without regard to letter case; a value is read with the spaces
// around it removed. Writing keeps every other line of the file as it was
// and ends each line with CR LF. Only a regular file is read or written: a
// FIFO, a device or a folder of that name reads as a missing file and is
// never written (so it cannot hold the program up).
#pragma once

#include <string>

class TIniFile {
public:
    explicit TIniFile(std::string path) : m_Path(std::move(path)) {}
    const std::string& FileName() const { return m_Path; }

    // The value as a decimal integer (optional sign, digits, nothing else);
    // def when the file, the section or the key is missing or the value is
    // not such an integer.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Creates the file, the section or the key as needed; false when the
    // file cannot be written.
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
    std::string m_Path;
};
