#pragma once
// The kit page of the club editor and the kit dialog of the national teams:
// two kit sets, the set shown, and the five rules that a pair of sets must
// keep before it can be saved.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "records/Trikotsatz.h"

namespace v3 {

inline constexpr int kStreifenAnzahl = kMaxStreifen + 1;
// Pattern names by pattern number (UTF-8), as the page lists them.
extern const std::array<const char*, kStreifenAnzahl> StreifenNamen;

// The first rule a pair of sets breaks: its message (UTF-8) and the set it
// is about.
struct TrikotFehler {
    int regel = 0;  // 1..5
    int satz = 0;   // 0 home, 1 away
    const char* text = "";
};

// The five rules in their order; nothing when the pair is fine.
std::optional<TrikotFehler> PruefeTrikots(const std::array<TRIKOTSATZ, 2>& saetze);

// "Trikotfarbe 2" means something only with a pattern.
inline bool ZweiteFarbeAktiv(const TRIKOTSATZ& satz) { return satz.Streifen != 0; }

// The state behind the kit page and the kit dialog. The widgets show one set;
// the page stores the shown set's controls into Satz(Gezeigt()) before it
// switches sets, checks or saves.
class CTrikotsaetze {
public:
    // Fills from the two sets and shows set 0.
    void InitWerte(const std::array<TRIKOTSATZ, 2>& saetze);
    int Gezeigt() const { return gezeigt_; }
    void Zeige(int satz) { gezeigt_ = satz == 1 ? 1 : 0; }
    TRIKOTSATZ& Satz(int satz) { return saetze_[satz == 1 ? 1 : 0]; }
    const TRIKOTSATZ& Satz(int satz) const { return saetze_[satz == 1 ? 1 : 0]; }
    // The rules: the first that applies is shown in a message box (caption
    // "Achtung!"), the set it names becomes the shown set, and the result is false.
    bool CheckData();
    const std::array<TRIKOTSATZ, 2>& Werte() const { return saetze_; }

private:
    std::array<TRIKOTSATZ, 2> saetze_{};
    int gezeigt_ = 0;
};

// The national teams' kits: the nations' two sets as working copies, written
// back into the data set's nations on OK.
class CNationalteamTrikots {
public:
    // Copies the sets of every nation of the data set.
    CNationalteamTrikots();
    size_t Anzahl() const { return saetze_.size(); }
    const std::string& Name(size_t i) const { return namen_[i]; }  // code page 1252
    const std::array<TRIKOTSATZ, 2>& Saetze(size_t i) const { return saetze_[i]; }
    // The kit dialog's result for line i; returns the line selected next
    // (the next one, or the first after the last).
    size_t Bearbeitet(size_t i, const std::array<TRIKOTSATZ, 2>& saetze);
    // Writes every nation's sets into the data set.
    void Ok() const;

private:
    std::vector<std::string> namen_;
    std::vector<std::array<TRIKOTSATZ, 2>> saetze_;
};

}  // namespace v3
