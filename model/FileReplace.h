// Writing a whole file so that a failure never damages what was there: the
// bytes go to a temporary file beside the target ("<target>.tmp"), which
// then replaces the target by a rename. Used by every writer of settings
// files and of generated project files.
#pragma once

#include <cstddef>
#include <string>

enum class TFileWriteStep { None, Create, Write, Replace };

struct TFileWriteResult {
    // The step that failed; None when the file was replaced.
    TFileWriteStep failedStep = TFileWriteStep::None;
    // The system's reason, as a sentence naming the file ("Cannot create
    // file \"...\". Is a directory"); empty when a write came up short
    // without an error of its own.
    std::string error;
    bool Ok() const { return failedStep == TFileWriteStep::None; }
};

// Writes all bytes with one write into the temporary file, flushes it to the
// disk and renames it over path (a symbolic link is followed: the file it
// names is replaced). An existing target keeps its permission bits. On any
// failure the temporary file is removed and the target is left as it was.
// No folder is created.
TFileWriteResult WriteFileReplacing(const std::string& path, const void* data, std::size_t size);
inline TFileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

// A test seam: from now on every write of a file named fileName (without its
// folder) stops after the given number of bytes, as on a full disk (the write
// fails with "No space left on device"). An empty name ends it.
void SetWriteFailureForTesting(const std::string& fileName, std::size_t bytes);
