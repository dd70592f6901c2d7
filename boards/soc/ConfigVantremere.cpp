#include "boards/soc/ConfigVantremere.h"

#include "model/SettingsFile.h"

TConfigVantremere::TConfigVantremere() = default;
TConfigVantremere::~TConfigVantremere() = default;

bool TConfigVantremere::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof m_Config, path);
}

bool TConfigVantremere::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof m_Config, path);
}

std::string TConfigVantremere::GetQsfText() { return {}; }
std::string TConfigVantremere::GetVerilogText() { return {}; }
std::string TConfigVantremere::GetVhdlText(const std::string&) { return {}; }
bool TConfigVantremere::ExportIpFiles(const std::string&) { return true; }
