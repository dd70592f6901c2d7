// A configuration object that holds, loads, saves and lists the settings of
// one board and nothing more: its generation hooks give nothing (generation
// does not call them for such a board) and it exports no Verilog IP.
#pragma once

#include <string>
#include <type_traits>

#include "model/Configboard.h"
#include "model/SettingsFile.h"

template <class X_CONFIG>
class TConfigRecordObject : public TConfigBoard {
    static_assert(std::is_trivially_copyable_v<X_CONFIG>, "a settings record is a plain block of bytes");

public:
    X_CONFIG m_Config{};

    // Accepted only at exactly sizeof(X_CONFIG) bytes; the record is
    // untouched by every failure and nothing is shown.
    bool LoadFromFile(const std::string& path) override { return LoadRecordFile(&m_Config, sizeof m_Config, path); }
    bool SaveToFile(const std::string& path) override { return SaveRecordFile(&m_Config, sizeof m_Config, path); }
    std::string GetQsfText() override { return {}; }
    std::string GetVerilogText() override { return {}; }
    std::string GetVhdlText(const std::string&) override { return {}; }
    bool ExportIpFiles(const std::string&) override { return true; }

protected:
    ~TConfigRecordObject() = default;
};
