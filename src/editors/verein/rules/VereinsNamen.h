#pragma once
// The small name editors of the club area: one new name for a line
// ("Neuer Vereinsname", "Neuer Ausrüstername"), the list of a country's 40
// amateur clubs or of the kit suppliers, and the list of non-European clubs.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dataset/DataSet.h"
#include "records/IVerein.h"

namespace v3 {

inline constexpr int kVereinsNameMin = 4;

// A name typed into the renaming box (code page 1252): trimmed; fewer than
// kVereinsNameMin characters give "Der Name muß mindestens %d Zeichen lang
// sein!" ("Fehler!") and nothing.
std::optional<std::string> NeuerVereinsName(const std::string& eingabe);

// The 40 amateur club names of the current country (mode 0) or the kit
// suppliers' names (mode 1), edited as a list.
class CVereinsNamenListe {
public:
    explicit CVereinsNamenListe(int modus);
    int Modus() const { return modus_; }
    const std::vector<std::string>& Namen() const { return namen_; }
    // Line i takes the typed name: false, with "Der Name existiert bereits!"
    // ("Fehler!"), when another line has it, or when the name is refused.
    bool Umbenennen(size_t i, const std::string& eingabe);
    // The line selected after line i was edited.
    size_t Naechste(size_t i) const { return namen_.empty() ? 0 : (i + 1) % namen_.size(); }
    // Writes the names back in list order.
    void Ok() const;

private:
    int modus_;
    std::vector<std::string> namen_;
};

// The non-European clubs, as copies.
class CIVereineListe {
public:
    CIVereineListe();
    const Liste<CIVerein>& Vereine() const { return vereine_; }
    // Line i: the nation's name and " :" where it differs from the line
    // before, then a tab and the club's name.
    std::string Zeile(size_t i) const;
    bool Umbenennen(size_t i, const std::string& eingabe);
    // Replaces the data set's list when the copies are not empty.
    void Ok();

private:
    Liste<CIVerein> vereine_;
};

}  // namespace v3
