#include "dataset/Reinit.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "base/AppState.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"

namespace fs = std::filesystem;

namespace v3 {
namespace {

bool IstVerzeichnis(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// One attempt at creating the directory itself; errno tells why it failed.
bool LegeAn(const std::string& pfad, int& fehler) {
    fehler = 0;
    if (::mkdir(HostOrAbsolutePath(pfad).c_str(), 0777) == 0) return true;
    fehler = errno;
    return false;
}

// The outcome of a failed attempt other than a missing parent.
bool Ergebnis(const std::string& pfad, int fehler) {
    if (fehler == EEXIST) {
        if (IstVerzeichnis(HostOrAbsolutePath(pfad))) return true;
        App().ui->MessageBox("Konnte Directory " + Cp1252ToUtf8(pfad) + " nicht anlegen.\nGrund:" +
                                 std::strerror(EEXIST),
                             kProgrammTitel, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    // Any other reason counts only when the directory is really not there.
    return IstVerzeichnis(HostOrAbsolutePath(pfad));
}

// The file `name` in `ordner`: an existing file whose name differs only in
// letter case is the same file.
fs::path ZielIn(const fs::path& ordner, const std::string& name) {
    std::error_code ec;
    fs::path genau = ordner / name;
    if (fs::exists(fs::symlink_status(genau, ec))) return genau;
    for (const auto& e : fs::directory_iterator(ordner, ec))
        if (SameIgnoringAsciiCase(e.path().filename().string(), name)) return e.path();
    return genau;
}

// Characters of a host file name (UTF-8): every byte that does not continue a character.
size_t Zeichen(const std::string& name) {
    return size_t(std::count_if(name.begin(), name.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

}  // namespace

bool CreateRecurseSubDir(std::string& pfad) {
    if (pfad.empty()) return true;
    int fehler = 0;
    if (LegeAn(pfad, fehler)) return true;
    if (fehler != ENOENT) return Ergebnis(pfad, fehler);

    // A parent is missing: it is created first, then this directory once more.
    size_t trenner = pfad.rfind('\\');
    if (trenner == std::string::npos) trenner = pfad.rfind('/');
    if (trenner == std::string::npos || trenner == 0) return true;
    std::string eltern = pfad.substr(0, trenner);
    CreateRecurseSubDir(eltern);
    if (LegeAn(pfad, fehler)) return true;
    // A parent that could not be made leaves this one missing: that is a failure,
    // and it must not start the same attempt all over again.
    if (fehler == ENOENT) return false;
    return Ergebnis(pfad, fehler);
}

bool CreateRecurseDir(const std::string& pfad) {
    std::string kopie = pfad;
    return CreateRecurseSubDir(kopie);
}

bool ReinitKopiertNamen(const std::string& name) {
    const size_t n = Zeichen(name);
    return n >= 5 && n <= 12;
}

bool KopiereOriginaldateien(const std::string& von, const std::string& nach,
                            const std::function<void()>& kopiert) {
    const fs::path quelle = HostOrAbsolutePath(von);
    const fs::path ziel = HostOrAbsolutePath(nach);
    std::error_code ec;
    fs::directory_iterator it(quelle, ec);
    if (ec) return true;  // nothing delivered: nothing to copy
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return false;
        const fs::directory_entry& e = *it;
        std::error_code sec;
        // Links are not followed: only files that really lie in the folder count.
        if (!fs::is_regular_file(e.symlink_status(sec))) continue;
        const std::string name = e.path().filename().string();
        if (!ReinitKopiertNamen(name)) continue;
        if (kopiert) kopiert();
        const fs::path z = ZielIn(ziel, name);
        MakeWritable(z);
        if (!CopyReplacing(e.path(), z)) return false;
    }
    return !ec;
}

void CEDITORDoc::OnDateiReinitialisierung() {
    AppState& app = App();
    std::string name = app.DatenVerzeichnis;
    if (!name.empty() && name.front() == '\\') name.erase(0, 1);
    if (!name.empty() && name.back() == '\\') name.pop_back();
    const std::string frage =
        "Sind Sie sicher, daß Sie den aktuellen Datensatz\nunwiederbringlich löschen wollen? Sie sollten "
        "zur\nSicherheit vorher ein Backup des Verzeichnisses\n" +
        Cp1252ToUtf8(name) + " erstellen.";
    if (app.ui->MessageBox(frage, kProgrammTitel, MsgButtons::OkCancel, MsgIcon::Warning) != MsgResult::Ok) return;
    app.AnimationAktiv = false;

    const std::string daten = "." + app.DatenVerzeichnis;
    if (!CreateRecurseDir(daten + kDirWappen)) {
        app.ui->MessageBox(
            "Das Verzeichnis zum Speichern des Datensatzes konnte nicht erstellt werden! Bitte installieren "
            "sie Voltaro 3 neu!",
            kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        SpeicherLoeschen();
        BeendeProgramm();
        return;
    }

    app.ui->ProgressOpen("Reinitialisiere Daten...", 0, kReinitFortschritt);
    app.ui->ProgressSetStep(1);
    app.ui->ProgressSetPos(0);
    int kopiert = 0;
    auto schritt = [&] {
        // The bar stays full once the files outnumber its range.
        if (++kopiert <= kReinitFortschritt) app.ui->ProgressStepIt();
    };
    const std::string original = std::string(".") + kDirDataOrg;
    // One transaction, as a save: every copy is complete before the first
    // file is replaced, so a copy that fails leaves the directory as it was.
    // A save interrupted before is settled first, or it would be completed
    // over the copies at the next load.
    std::string grund;
    bool ok = StelleDatenHer(grund);
    if (ok) {
        FileTransaction tx(Journal());
        ok = KopiereOriginaldateien(original, daten, schritt) &&
             KopiereOriginaldateien(original + kDirWappen, daten + kDirWappen, schritt) && tx.Commit(&grund);
    }
    if (!ok) {
        app.ui->ProgressClose();
        app.ui->MessageBox(
            "Es ist ein Fehler beim Wiederherstellen der Originaldaten aufgetreten! Bitte installieren sie "
            "Voltaro 3 neu!",
            kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        SpeicherLoeschen();
        BeendeProgramm();
        return;
    }
    app.ui->ProgressClose();
    app.AnimationAktiv = true;
    SpeicherLoeschen();
    // The data set is empty now, so the reload asks nothing.
    OnNewDocument();
}

}  // namespace v3
