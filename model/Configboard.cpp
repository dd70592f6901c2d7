#include "model/Configboard.h"

#include <cstdio>
#include <filesystem>

#include "model/FileReplace.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace fs = std::filesystem;

TConfigBoard::TConfigBoard() = default;
TConfigBoard::~TConfigBoard() = default;

bool TConfigBoard::SaveDefault() { return SaveToFile(DefaultConfigPath()); }

bool TConfigBoard::LoadDefault()
{
    const std::string path = DefaultConfigPath();
    std::error_code ec;
    if (!fs::exists(path, ec)) return false;
    return LoadFromFile(path);
}

std::string TConfigBoard::AskProjectFile(const std::string& dialogTitle, const std::string& board,
                                         const std::string& project)
{
    return AskProjectFilePath(dialogTitle, board, project);
}

bool TConfigBoard::SaveWithDialog()
{
    const std::string path = AskSettingsFilePath(true, m_Folder);
    if (path.empty()) return false;
    return SaveToFile(path);
}

bool TConfigBoard::LoadWithDialog()
{
    const std::string path = AskSettingsFilePath(false, m_Folder);
    if (path.empty()) return false;
    return LoadFromFile(path);
}

bool TConfigBoard::ExportResource(const std::string& path, const std::string& name)
{
    return ExportRawResource(path, name);
}

void TConfigBoard::BuildCardList(ConnectorType type, bool transceivers, VoltageClass voltage)
{
    BuildConfigBoardCardList(type, transceivers, voltage, m_CardCount, m_CardIds);
}

bool ExportRawResource(const std::string& path, const std::string& name)
{
    std::string bytes;
    if (!seam::LoadRawResource(name, bytes)) return false;
    const std::string folder = ExtractFilePath(path);
    std::string error;
    if (!folder.empty() && !CreateFolderForWriting(folder, false, error)) {
        seam::ShowError(error);
        return false;
    }
    const TFileWriteResult result = WriteFileReplacing(path, bytes);
    if (!result.Ok()) seam::ShowError(result.error);
    return result.Ok();
}

bool ExportIpFileSet(const std::string& projectFolder, const std::string& subFolder,
                     const std::vector<std::string>& fileNames, std::string (*resourceName)(const std::string& fileName))
{
    if (fileNames.empty()) return true;
    const std::string folder = projectFolder + subFolder + "/";
    std::string error;
    if (!CreateFolderForWriting(folder, false, error)) {
        seam::ShowError(error);
        return false;
    }
    for (const std::string& name : fileNames)
        if (!ExportRawResource(folder + name, resourceName(name))) return false;
    return true;
}
