#pragma once
// The rules of the half-time talk editor: copies of the data set's talks, a
// new talk from a sound file of the talk folder and a talk type, deleting, and
// OK keeping the talks that have a file.
#include <string>

#include "dataset/DataSet.h"
#include "records/HalbzeitAnsprache.h"

namespace v3 {

inline constexpr const char* kBitteAnsprachentyp =
    "Bitte w\xC3\xA4hlen Sie zuerst einen Ansprachentyp aus, dem dieses Sample zugeordnet werden soll!";

// The talk types 0..12 by number.
extern const char* const kAnsprachenTypen[CHalbzeitAnsprache::kTypen];

// A talk as the list shows it: type name, " - ", file name; empty for a type
// outside 0..12.
std::string ComposeString(const CHalbzeitAnsprache& a);

class CAnsprachenListe {
public:
    explicit CAnsprachenListe(const Liste<CHalbzeitAnsprache>& original);

    int Anzahl() const { return int(kopien_.size()); }
    const CHalbzeitAnsprache& Kopie(int i) const { return *kopien_.at(std::size_t(i)); }

    // A new talk for the file `datei` of the talk folder (empty: none chosen)
    // and the type `typ` (-1: none chosen), appended. Without a file or type
    // the matching request shows ("Achtung!"); a file that is gone meanwhile
    // shows that it cannot be read. Returns whether a talk was added.
    bool Neu(const std::string& datei, int typ);
    // Removes talk i (nothing for a position outside the list).
    void Loeschen(int i);
    // OK: replaces `ziel` by the copies that have a file name, in order.
    void Uebernehmen(Liste<CHalbzeitAnsprache>& ziel);

private:
    Liste<CHalbzeitAnsprache> kopien_;
};

}  // namespace v3
