// The settings holder of most board forms: one settings record, the folder
// of the settings dialogs and the card list of one card combo box.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "model/SettingsFile.h"

template <typename X_CONFIG>
class TConfigBase {
    static_assert(std::is_trivially_copyable_v<X_CONFIG>, "a settings record is a plain block of bytes");

public:
    X_CONFIG m_Config{};
    std::string m_Folder;
    int32_t m_CardCount = 0;
    uint8_t m_CardIds[256] = {};

    // Accepted only at exactly sizeof(X_CONFIG) bytes; the record is untouched
    // by every failure and nothing is shown.
    bool LoadFromFile(X_CONFIG& record, const std::string& path)
    {
        return LoadRecordFile(&record, sizeof(X_CONFIG), path);
    }
    bool SaveToFile(const X_CONFIG& record, const std::string& path)
    {
        return SaveRecordFile(&record, sizeof(X_CONFIG), path);
    }
    void BuildCardList(ConnectorType type, bool transceivers, VoltageClass voltage)
    {
        BuildConfigBaseCardList(type, transceivers, voltage, m_CardCount, m_CardIds);
    }
    static std::string AskProjectFile(const std::string& dialogTitle, const std::string& board,
                                      const std::string& project)
    {
        return AskProjectFilePath(dialogTitle, board, project);
    }
};
