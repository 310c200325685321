#include "platform/FileOps.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace v3 {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

constexpr const char* kTempMarker = ".~v3-";
constexpr const char* kJournalHead = "V3-JOURNAL 1";

thread_local FileTransaction* tAktiv = nullptr;

std::function<void(size_t)>& RenameHook() {
    static std::function<void(size_t)> hook;
    return hook;
}

// Makes the names in a folder (created, renamed, removed) durable.
bool SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Journal paths are relative to the journal's folder where they can be, so a
// moved installation still recovers.
std::string ImJournal(const fs::path& p, const fs::path& basis) {
    fs::path rel = p.lexically_relative(basis);
    return (rel.empty() || *rel.begin() == "..") ? p.string() : rel.string();
}

fs::path AusJournal(const std::string& s, const fs::path& basis) {
    fs::path p(s);
    return p.is_absolute() ? p : basis / p;
}

struct Journal {
    std::vector<std::pair<fs::path, fs::path>> renames;
    std::vector<fs::path> deletes;
};

bool LiesJournal(const fs::path& datei, Journal& j, std::string* error) {
    std::string text;
    if (!ReadWholeFile(datei, text, error)) return false;
    const fs::path basis = datei.parent_path();
    size_t pos = 0, eintraege = 0;
    bool kopf = false, ende = false;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string::npos) eol = text.size();
        std::string zeile = text.substr(pos, eol - pos);
        pos = eol + 1;
        std::vector<std::string> teile;
        for (size_t a = 0;;) {
            size_t b = zeile.find('\t', a);
            teile.push_back(zeile.substr(a, b == std::string::npos ? b : b - a));
            if (b == std::string::npos) break;
            a = b + 1;
        }
        if (!kopf) {
            kopf = zeile == kJournalHead;
            if (!kopf) break;
        } else if (teile.size() == 3 && teile[0] == "R") {
            j.renames.emplace_back(AusJournal(teile[1], basis), AusJournal(teile[2], basis));
            ++eintraege;
        } else if (teile.size() == 2 && teile[0] == "D") {
            j.deletes.push_back(AusJournal(teile[1], basis));
            ++eintraege;
        } else if (teile.size() == 2 && teile[0] == "ENDE") {
            ende = teile[1] == std::to_string(eintraege);
            break;
        } else {
            break;
        }
    }
    return ende ? true : Fail(error, "Journal " + datei.string() + " ist beschädigt");
}

// Renames and deletes of a journal, in its order; the folders they touched are
// synced. A rename whose temporary is gone was done before.
bool FuehreAus(const Journal& j, std::string* error) {
    std::vector<fs::path> ordner;
    auto merke = [&](const fs::path& p) {
        fs::path o = p.parent_path();
        if (std::find(ordner.begin(), ordner.end(), o) == ordner.end()) ordner.push_back(o);
    };
    std::string fehler;
    size_t n = 0;
    for (const auto& [temp, ziel] : j.renames) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(temp, ec))) {
            fs::rename(temp, ziel, ec);
            if (ec && fehler.empty()) fehler = ziel.string() + ": " + ec.message();
        }
        merke(ziel);
        if (RenameHook()) RenameHook()(++n);
    }
    for (const auto& p : j.deletes) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(p, ec))) MakeWritable(p);
        fs::remove(p, ec);
        if (ec && fehler.empty()) fehler = p.string() + ": " + ec.message();
        merke(p);
    }
    for (const auto& o : ordner)
        if (!SyncFolder(o) && fehler.empty()) fehler = o.string() + ": " + SystemReason();
    return fehler.empty() ? true : Fail(error, fehler);
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
    if (FileTransaction* tx = FileTransaction::Active()) {
        tx->StageDelete(p);
        return true;
    }
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
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        errno = EISDIR;
        return Fail(error, lastError_ = SystemReason());
    }
    // The temporary lies in the same folder so that the rename stays on one file system.
    std::string pattern = target.string() + kTempMarker + "XXXXXX";
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
        if (FileTransaction* tx = FileTransaction::Active()) {
            tx->StageRename(temp_, target_);
            temp_.clear();
            return true;
        }
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

bool IsAtomicTemporary(const fs::path& p) {
    const std::string name = p.filename().string();
    const size_t at = name.rfind(kTempMarker);
    if (at == std::string::npos || name.size() - at != std::strlen(kTempMarker) + 6) return false;
    return std::all_of(name.begin() + at + std::strlen(kTempMarker), name.end(),
                       [](unsigned char c) { return std::isalnum(c); });
}

FileTransaction::FileTransaction(fs::path journal) : journal_(std::move(journal)), outer_(tAktiv) {
    // One save is one transaction; a nested one would let the inner commit
    // reach the disk before the outer one is decided.
    if (outer_) throw std::logic_error("FileTransaction: geschachtelt");
    tAktiv = this;
}

FileTransaction::~FileTransaction() {
    if (tAktiv == this) tAktiv = outer_;
    if (!done_) DiscardStaged();
}

FileTransaction* FileTransaction::Active() { return tAktiv; }

void FileTransaction::SetRenameHookForTests(std::function<void(size_t)> hook) { RenameHook() = std::move(hook); }

void FileTransaction::StageRename(const fs::path& temp, const fs::path& target) {
    for (auto& [t, z] : renames_)
        if (z == target) {
            ::unlink(t.c_str());
            t = temp;
            return;
        }
    renames_.emplace_back(temp, target);
}

void FileTransaction::StageDelete(const fs::path& p) {
    if (std::find(deletes_.begin(), deletes_.end(), p) == deletes_.end()) deletes_.push_back(p);
}

void FileTransaction::DiscardStaged() {
    for (const auto& r : renames_) ::unlink(r.first.c_str());
    renames_.clear();
    deletes_.clear();
}

bool FileTransaction::Commit(std::string* error) {
    // From here on the files it writes (the journal) go straight to disk.
    if (tAktiv == this) tAktiv = outer_;
    if (done_) return Fail(error, "Transaktion bereits abgeschlossen");
    if (Empty()) return done_ = true;

    const fs::path basis = journal_.parent_path();
    std::string text = std::string(kJournalHead) + "\n";
    auto gueltig = [](const std::string& s) { return s.find_first_of("\t\n\r") == std::string::npos; };
    for (const auto& [temp, ziel] : renames_) {
        std::string t = ImJournal(temp, basis), z = ImJournal(ziel, basis);
        if (!gueltig(t) || !gueltig(z)) return Fail(error, "Ungültiger Dateiname: " + ziel.string());
        text += "R\t" + t + "\t" + z + "\n";
    }
    for (const auto& p : deletes_) {
        std::string d = ImJournal(p, basis);
        if (!gueltig(d)) return Fail(error, "Ungültiger Dateiname: " + p.string());
        text += "D\t" + d + "\n";
    }
    text += "ENDE\t" + std::to_string(renames_.size() + deletes_.size()) + "\n";
    if (!WriteWholeFile(journal_, text, error)) return false;
    if (!SyncFolder(basis)) return Fail(error, basis.string() + ": " + SystemReason());

    // The journal is durable: from here the new state is decided, and a
    // process that dies now is completed by the next recovery.
    done_ = true;
    Journal j{std::move(renames_), std::move(deletes_)};
    renames_.clear();
    deletes_.clear();
    if (!FuehreAus(j, error)) return false;
    std::error_code ec;
    fs::remove(journal_, ec);
    SyncFolder(basis);
    return true;
}

bool RecoverFileTransaction(const fs::path& journal, const std::vector<fs::path>& folders, std::string* error) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(journal, ec))) {
        Journal j;
        if (!LiesJournal(journal, j, error) || !FuehreAus(j, error)) return false;
        fs::remove(journal, ec);
        SyncFolder(journal.parent_path());
    }
    // Temporaries no journal names are writes that never became the file.
    std::vector<fs::path> reste;
    for (const auto& folder : folders) {
        if (!fs::is_directory(folder, ec)) continue;
        for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec))
            if (IsAtomicTemporary(it->path()) && !it->is_directory(ec)) reste.push_back(it->path());
    }
    for (const auto& p : reste) fs::remove(p, ec);
    return true;
}

}  // namespace v3
