#pragma once
// File-system helpers over host paths. Each returns false (and fills `error`
// with the system's reason, when given) instead of throwing.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace v3 {

bool MakeWritable(const std::filesystem::path& p, std::string* error = nullptr);
// Copies a file over an existing one (made writable first); the target is
// replaced as a whole, never left half-copied.
bool CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string* error = nullptr);
// A missing file counts as deleted. Inside a FileTransaction the delete waits
// for the transaction's commit.
bool DeleteFile(const std::filesystem::path& p, std::string* error = nullptr);
// Creates a folder with every missing parent; an existing folder is fine.
bool CreateFolders(const std::filesystem::path& p, std::string* error = nullptr);
bool ReadWholeFile(const std::filesystem::path& p, std::string& out, std::string* error = nullptr);
// Writes a whole file through AtomicFile.
bool WriteWholeFile(const std::filesystem::path& p, const std::string& bytes,
                    std::string* error = nullptr);

// Writes a file under a temporary name in the target's folder; Commit flushes
// it to disk and renames it over the target, so the target is always either
// the old or the new file. Destroyed without Commit, the temporary is removed.
// Inside a FileTransaction, Commit only makes the temporary durable and hands
// the rename to the transaction.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Open(const std::filesystem::path& target, std::string* error = nullptr);
    bool Write(const void* data, size_t size);
    bool Commit(std::string* error = nullptr);
    void Discard();
    bool IsOpen() const { return file_ != nullptr; }
    // True once a write failed; Commit then refuses.
    bool Failed() const { return failed_; }
    const std::string& LastError() const { return lastError_; }

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path target_, temp_;
    bool failed_ = false;
    std::string lastError_;
};

// True for a name AtomicFile gives its temporaries ("<target>.~v3-XXXXXX").
bool IsAtomicTemporary(const std::filesystem::path& p);

// Makes many file writes reach the disk as one: while it is active on this
// thread, every AtomicFile commit and DeleteFile is held back. Commit writes
// the list of renames and deletes durably into a journal file, carries them
// out and removes the journal. A process that dies before the journal exists
// leaves the old files (and temporaries that RecoverFileTransaction removes);
// one that dies after it leaves a journal that RecoverFileTransaction
// completes. Destroyed without Commit, every staged temporary is removed and
// nothing on disk has changed.
class FileTransaction {
public:
    explicit FileTransaction(std::filesystem::path journal);
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // The innermost transaction of this thread, or null.
    static FileTransaction* Active();

    // Takes over a complete, durable temporary that is to replace `target`.
    // A second write of the same target replaces the first one's temporary.
    void StageRename(const std::filesystem::path& temp, const std::filesystem::path& target);
    void StageDelete(const std::filesystem::path& p);
    bool Empty() const { return renames_.empty() && deletes_.empty(); }

    // Journal, renames, deletes. False when the journal could not be written
    // (nothing has changed then) or a rename failed after it (the journal
    // stays for RecoverFileTransaction to finish the work).
    bool Commit(std::string* error = nullptr);

    // For tests: called after each rename of a commit with the number done.
    static void SetRenameHookForTests(std::function<void(size_t)> hook);

private:
    void DiscardStaged();

    std::filesystem::path journal_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> renames_;
    std::vector<std::filesystem::path> deletes_;
    FileTransaction* outer_ = nullptr;
    bool done_ = false;
};

// Brings the files under `folders` into a consistent state before they are
// read or written: completes the transaction whose journal is `journal`, if
// there is one, and removes every AtomicFile temporary below the folders
// (those a journal names are renamed first). False, with the reason, when a
// journal could not be completed; the files may then be mixed and must not be
// used.
bool RecoverFileTransaction(const std::filesystem::path& journal,
                            const std::vector<std::filesystem::path>& folders, std::string* error = nullptr);

// The system's reason text for the current errno.
std::string SystemReason();

}  // namespace v3
