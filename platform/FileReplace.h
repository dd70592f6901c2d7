// Writing a whole file so that nothing is ever lost: the bytes go to a
// temporary file of our own beside the target (a fresh name no one else
// uses), which then replaces the target by a rename. A reader, or another
// process writing the same file, sees at every moment either the earlier
// file or one complete new version. Used by every writer of settings files
// and of generated project files.
//
// A generation run writes its files through a TFileWriteBatch: every file of
// the project goes to its temporary first, and the targets are replaced only
// once all of them are written, so a failure anywhere leaves the earlier
// project whole.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class TFileWriteStep { None, Create, Write, Replace };

struct TFileWriteResult {
    // The step that failed; None when the file was replaced. A target that
    // may not be replaced (no regular file, or write-protected) fails at
    // Create.
    TFileWriteStep failedStep = TFileWriteStep::None;
    // The cause, as a sentence naming the file the caller gave (never a
    // temporary): "Cannot write file \"/p/demo.qsf\". No space left on
    // device". Set for every failure.
    std::string error;
    // The file the failure concerns, as the caller gave it.
    std::string path;
    bool Ok() const { return failedStep == TFileWriteStep::None; }
};

// Writes all bytes into a new temporary file in the target's folder, flushes
// it to the disk, renames it over the target and flushes the folder. Links
// are followed: the file a link names is replaced and the link stays. An
// existing target must be a regular file the user may write (as writing it in
// place would require); otherwise nothing changes. An existing target keeps
// its permission bits. On any failure the temporary file is removed and the
// target is left as it was; no file this routine did not create is ever
// removed. No folder is created.
//
// While a TFileWriteBatch lives, the rename waits for its Commit.
TFileWriteResult WriteFileReplacing(const std::string& path, const void* data, std::size_t size);
inline TFileWriteResult WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

// Creates folder when missing: its last level only, or every missing level.
// While a TFileWriteBatch lives, the levels it creates are removed again when
// the batch ends without a Commit. On failure error holds the cause.
bool CreateFolderForWriting(const std::string& folder, bool withParents, std::string& error);

// All or nothing over several files. While an object lives (one at a time;
// the innermost takes the writes), WriteFileReplacing leaves each new file
// in its temporary. Commit replaces every target; should one replacement
// fail, the targets already replaced get their earlier files back (the same
// files, not copies) where the file system lets us keep them aside. Without
// a successful Commit the destructor removes every temporary file and the
// folders created for the batch.
class TFileWriteBatch {
public:
    TFileWriteBatch();
    ~TFileWriteBatch();
    TFileWriteBatch(const TFileWriteBatch&) = delete;
    TFileWriteBatch& operator=(const TFileWriteBatch&) = delete;

    TFileWriteResult Commit();

    struct TPending {
        std::string path;       // as the caller gave it, for messages
        std::string target;     // the file to replace, links resolved
        std::string temporary;  // our written temporary file
    };

private:
    friend TFileWriteResult WriteFileReplacing(const std::string&, const void*, std::size_t);
    friend bool CreateFolderForWriting(const std::string&, bool, std::string&);

    void Discard();

    TFileWriteBatch* m_Outer;
    std::vector<TPending> m_Pending;
    std::vector<std::string> m_CreatedFolders;  // in the order of creation
    bool m_Committed = false;
};

// Test seams. From now on every write of a file named fileName (without its
// folder) stops after the given number of bytes, as on a full disk (the write
// fails with "No space left on device"); an empty name ends it.
void SetWriteFailureForTesting(const std::string& fileName, std::size_t bytes);
// From now on the rename that replaces a file named fileName fails with
// "Input/output error"; an empty name ends it.
void SetReplaceFailureForTesting(const std::string& fileName);
