// What both settings holders (TConfigBase and TConfigBoard) share: raw
// record files, the project-file dialog and the card lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/DaughterBoard.h"

// Replaces the record with the file's bytes when the file has exactly the
// record's size; otherwise returns false and leaves the record untouched.
bool LoadRecordFile(void* record, std::size_t size, const std::string& path);
// Writes the record through a temporary file beside the target that then
// replaces it (model/FileReplace.h), so a failed save leaves the old file
// whole. On failure shows the cause, naming the file, then "Failed to create
// file." (the file may not be replaced, or its temporary not created) or
// "Failed to write file.".
bool SaveRecordFile(const void* record, std::size_t size, const std::string& path);

// Creates <executable folder>CodeGenerated/<board>/<project>/ and asks for
// the .qpf path there; empty on cancel.
std::string AskProjectFilePath(const std::string& dialogTitle, const std::string& board, const std::string& project);

// Asks for a settings file in folder; empty on cancel. On a choice the
// folder becomes that of the chosen file.
std::string AskSettingsFilePath(bool save, std::string& folder);

// The two card-list rules (they differ for 80-pin GPIO, FMC and memory lists).
void BuildConfigBaseCardList(ConnectorType type, bool transceivers, VoltageClass voltage, int32_t& count,
                             uint8_t* ids);
void BuildConfigBoardCardList(ConnectorType type, bool transceivers, VoltageClass voltage, int32_t& count,
                              uint8_t* ids);

// The path of default.cfg, beside the executable.
std::string DefaultConfigPath();
