#pragma once
// File-system helpers over host paths. Each returns false (and fills `error`
// with the system's reason, when given) instead of throwing.
#include <cstdio>
#include <filesystem>
#include <string>

namespace v3 {

bool MakeWritable(const std::filesystem::path& p, std::string* error = nullptr);
// Copies a file over an existing one (made writable first); the target is
// replaced as a whole, never left half-copied.
bool CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                   std::string* error = nullptr);
// A missing file counts as deleted.
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

// The system's reason text for the current errno.
std::string SystemReason();

}  // namespace v3
