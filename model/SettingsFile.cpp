#include "model/SettingsFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "model/FileReplace.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace fs = std::filesystem;

bool LoadRecordFile(void* record, std::size_t size, const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = false;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long long length = std::ftell(file);
        if (length == static_cast<long long>(size) && std::fseek(file, 0, SEEK_SET) == 0) {
            std::vector<unsigned char> buffer(size);
            if (std::fread(buffer.data(), 1, size, file) == size) {
                std::memcpy(record, buffer.data(), size);
                ok = true;
            }
        }
    }
    std::fclose(file);
    return ok;
}

bool SaveRecordFile(const void* record, std::size_t size, const std::string& path)
{
    const TFileWriteResult result = WriteFileReplacing(path, record, size);
    if (result.Ok()) return true;
    seam::ShowError(result.error);
    seam::ShowError(result.failedStep == TFileWriteStep::Write ? "Failed to write file." : "Failed to create file.");
    return false;
}

std::string AskProjectFilePath(const std::string& dialogTitle, const std::string& board, const std::string& project)
{
    const std::string folder = seam::ExecutableFolder() + "CodeGenerated/" + board + "/" + project + "/";
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) fs::create_directories(folder, ec);
    seam::FileDialogRequest request;
    request.title = dialogTitle;
    request.initialFolder = folder;
    request.filter = "Quartus Project File (*.qpf)|*.QPF";
    request.filterIndex = 1;
    request.defaultExt = "qpf";
    request.fileName = project + ".qpf";
    return seam::RunSaveDialog(request);
}

std::string AskSettingsFilePath(bool save, std::string& folder)
{
    seam::FileDialogRequest request;
    request.initialFolder = folder;
    request.filter = "Board Configuration Files (*.cfg)|*.CFG";
    request.filterIndex = 1;
    request.defaultExt = "cfg";
    std::string path = save ? seam::RunSaveDialog(request) : seam::RunOpenDialog(request);
    if (!path.empty()) folder = ExtractFilePath(path);
    return path;
}

namespace {

void Append(DaughterId card, bool transceivers, int32_t& count, uint8_t* ids)
{
    if (!IsCardOffered(card)) return;
    if (IsTransceiverCard(card) && !transceivers) return;
    ids[count++] = card;
}

bool FitsHsmcVoltage(DaughterId card, VoltageClass voltage)
{
    return IsVoltageFreeCard(card) || GetCardVoltageClass(card) == voltage;
}

bool IsTavrelHsmcCard(DaughterId card) { return (card >= 6 && card <= 8) || (card >= 21 && card <= 23); }

}  // namespace

void BuildConfigBaseCardList(ConnectorType type, bool transceivers, VoltageClass voltage, int32_t& count, uint8_t* ids)
{
    ids[0] = 0;
    count = 1;
    for (int c = 0; c <= 88; ++c) {
        const DaughterId card = static_cast<DaughterId>(c);
        const ConnectorType t = GetCardConnectorType(card);
        bool fits;
        switch (type) {
        case CONNECTOR_HSMC: fits = t == type && FitsHsmcVoltage(card, voltage); break;
        case CONNECTOR_TAVREL: fits = t == type || (t == CONNECTOR_HSMC && IsTavrelHsmcCard(card)); break;
        case CONNECTOR_GPIO80:
            fits = (t == type || t == CONNECTOR_GPIO40) && FitsHsmcVoltage(card, voltage);
            break;
        case CONNECTOR_FMC_HPC: fits = t == type || t == CONNECTOR_FMC_LPC; break;
        case CONNECTOR_FMC_PLUS: fits = t == type || t == CONNECTOR_FMC_HPC || t == CONNECTOR_FMC_LPC; break;
        default: fits = t == type; break;
        }
        if (fits) Append(card, transceivers, count, ids);
    }
}

void BuildConfigBoardCardList(ConnectorType type, bool transceivers, VoltageClass voltage, int32_t& count,
                              uint8_t* ids)
{
    ids[0] = 0;
    count = 1;
    for (int c = 0; c <= 88; ++c) {
        const DaughterId card = static_cast<DaughterId>(c);
        const ConnectorType t = GetCardConnectorType(card);
        bool fits;
        switch (type) {
        case CONNECTOR_HSMC: fits = t == type && FitsHsmcVoltage(card, voltage); break;
        case CONNECTOR_TAVREL: fits = t == type || (t == CONNECTOR_HSMC && IsTavrelHsmcCard(card)); break;
        case CONNECTOR_GPIO80: fits = t == type || t == CONNECTOR_GPIO40; break;
        case CONNECTOR_FMC_HPC:
            fits = (t == type || t == CONNECTOR_FMC_LPC) && IsCardVoltageCompatible(card, voltage);
            break;
        case CONNECTOR_FMC_LPC: fits = t == type && IsCardVoltageCompatible(card, voltage); break;
        case CONNECTOR_FMC_PLUS:
            fits = t == type ||
                   ((t == CONNECTOR_FMC_HPC || t == CONNECTOR_FMC_LPC) && IsCardVoltageCompatible(card, voltage));
            break;
        case CONNECTOR_DDR4_IF_ECC: fits = t == type || t == CONNECTOR_DDR4_IF; break;
        case CONNECTOR_DDR4_IF_ECC_A10:
            fits = (t == type && card != 82) || t == CONNECTOR_DDR4_IF || t == CONNECTOR_DDR4_IF_ECC;
            break;
        case CONNECTOR_DDR4_IF_ECC_S10: fits = t == type || t == CONNECTOR_DDR4_IF || t == CONNECTOR_DDR4_IF_ECC; break;
        default: fits = t == type; break;
        }
        if (fits) Append(card, transceivers, count, ids);
    }
}

std::string DefaultConfigPath() { return seam::ExecutableFolder() + "default.cfg"; }
