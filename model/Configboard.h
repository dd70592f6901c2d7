// Base class of the configuration objects of the newer boards. A subclass
// holds its settings record after these fields and supplies the six
// operations below; generation reaches the last four through m_pConfig.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/SettingsFile.h"

class TConfigBoard {
public:
    std::string m_Folder;
    int32_t m_CardCount = 0;
    uint8_t m_CardIds[256];

    TConfigBoard();

    virtual bool LoadFromFile(const std::string& path) = 0;
    virtual bool SaveToFile(const std::string& path) = 0;
    virtual std::string GetQsfText() = 0;
    virtual std::string GetVerilogText() = 0;
    virtual std::string GetVhdlText(const std::string& entityName) = 0;
    virtual bool ExportIpFiles(const std::string& projectFolder) = 0;

    bool SaveDefault();
    bool LoadDefault();
    static std::string AskProjectFile(const std::string& dialogTitle, const std::string& board,
                                      const std::string& project);
    bool SaveWithDialog();
    bool LoadWithDialog();
    // Writes a raw resource of the program to a file (ExportRawResource);
    // false when the resource is missing or the file cannot be written.
    bool ExportResource(const std::string& path, const std::string& name);
    void BuildCardList(ConnectorType type, bool transceivers, VoltageClass voltage);

protected:
    // Objects are always destroyed as their own class, never through a
    // TConfigBoard pointer (the main board's m_pConfig does not own).
    ~TConfigBoard();
};

// Writes the bytes of a raw resource to a file: creates the target's own
// folder (one level) when missing and replaces the target through a
// temporary file (model/FileReplace.h), so a failure leaves an existing file
// as it was. A folder or file that cannot be written shows its cause; a
// missing resource gives false silently. Shared by the IP export of
// generation and TConfigBoard.
bool ExportRawResource(const std::string& path, const std::string& name);

// Writes a set of IP files into <projectFolder><subFolder>/ (created, one
// level, when missing), each from the resource resourceName(file name), in
// order; stops at the first file that cannot be written and returns false
// (after a box with the cause).
// An empty set writes nothing, not even the folder, and gives true.
bool ExportIpFileSet(const std::string& projectFolder, const std::string& subFolder,
                     const std::vector<std::string>& fileNames, std::string (*resourceName)(const std::string& fileName));
