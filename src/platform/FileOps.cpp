#include "platform/FileOps.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace v3 {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

std::string SystemReason() { return std::strerror(errno); }

bool MakeWritable(const fs::path& p, std::string* error) {
    std::error_code ec;
    fs::permissions(p, fs::perms::owner_write, fs::perm_options::add, ec);
    return ec ? Fail(error, ec.message()) : true;
}

bool CopyReplacing(const fs::path& from, const fs::path& to, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes, error)) return false;
    std::error_code ec;
    if (fs::exists(to, ec)) MakeWritable(to);
    return WriteWholeFile(to, bytes, error);
}

bool DeleteFile(const fs::path& p, std::string* error) {
    std::error_code ec;
    if (fs::is_symlink(p, ec) || fs::exists(p, ec)) MakeWritable(p);
    fs::remove(p, ec);
    return ec ? Fail(error, ec.message()) : true;
}

bool CreateFolders(const fs::path& p, std::string* error) {
    std::error_code ec;
    fs::create_directories(p, ec);
    if (ec) return Fail(error, ec.message());
    return fs::is_directory(p, ec) ? true : Fail(error, "kein Verzeichnis");
}

bool ReadWholeFile(const fs::path& p, std::string& out, std::string* error) {
    out.clear();
    std::FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return Fail(error, SystemReason());
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    bool ok = !std::ferror(f);
    std::string reason = ok ? std::string() : SystemReason();
    std::fclose(f);
    return ok ? true : Fail(error, reason);
}

bool WriteWholeFile(const fs::path& p, const std::string& bytes, std::string* error) {
    AtomicFile f;
    if (!f.Open(p, error)) return false;
    if (!f.Write(bytes.data(), bytes.size())) return Fail(error, f.LastError());
    return f.Commit(error);
}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open(const fs::path& target, std::string* error) {
    Discard();
    failed_ = false;
    lastError_.clear();
    target_ = target;
    // The temporary lies in the same folder so that the rename stays on one file system.
    std::string pattern = target.string() + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Fail(error, lastError_ = SystemReason());
    // mkstemp creates the file 0600; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        lastError_ = SystemReason();
        ::close(fd);
        ::unlink(pattern.c_str());
        return Fail(error, lastError_);
    }
    temp_ = pattern;
    return true;
}

bool AtomicFile::Write(const void* data, size_t size) {
    if (!file_ || failed_) return false;
    if (size && std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
        lastError_ = SystemReason();
        return false;
    }
    return true;
}

bool AtomicFile::Commit(std::string* error) {
    if (!file_) return Fail(error, lastError_.empty() ? "Datei nicht geöffnet" : lastError_);
    if (failed_) {
        std::string reason = lastError_;
        Discard();
        return Fail(error, lastError_ = reason);
    }
    bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    if (!ok) lastError_ = SystemReason();
    if (std::fclose(file_) != 0 && ok) {
        ok = false;
        lastError_ = SystemReason();
    }
    file_ = nullptr;
    if (ok) {
        std::error_code ec;
        // The rename replaces the target whatever its permission bits; callers
        // that must respect a read-only file check that first.
        fs::rename(temp_, target_, ec);
        if (ec) {
            ok = false;
            lastError_ = ec.message();
        }
    }
    if (!ok) ::unlink(temp_.c_str());
    temp_.clear();
    return ok ? true : Fail(error, lastError_);
}

void AtomicFile::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace v3
