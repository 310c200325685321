#include "check/core/DatenCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "check/core/CheckSink.h"
#include "check/core/DoppelName.h"
#include "records/AmateurVerein.h"
#include "records/ExSpieler.h"
#include "records/Land.h"
#include "records/SpielerTexte.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// Roles, code page 1252.
constexpr const char* kNationaltrainer = "Nationaltrainer";
constexpr const char* kVereinstrainer = "Vereinstrainer";
constexpr const char* kVereinsmanager = "Vereinsmanager";
constexpr const char* kVerein = "Verein";
constexpr const char* kStadion = "Stadion";
constexpr const char* kAmateurverein = "Amateurverein";
constexpr const char* kTrainerpool = "Trainerpool";
constexpr const char* kTorwarttrainerpool = "Torwarttrainerpool";
constexpr const char* kManagerpool = "Managerpool";
constexpr const char* kNationalschiri = "Nationalschiri";
constexpr const char* kSponsoren = "Sponsoren";
constexpr const char* kProminentenpool = "Prominentenpool";
constexpr const char* kExSpieler = "Ex-Spieler";
constexpr const char* kSonstigeSpieler = "Sonstige Spieler";
constexpr const char* kSpieler = "Spieler";
constexpr const char* kStaerke = "St\xE4rke ";

// Main countries (0..10) have a national coach and amateur clubs in the check.
constexpr int kLetztesHauptland = 10;
// The building phase's progress: (108 - c) x (country position + 1) x this
// factor, which reaches 50 for 108 clubs in 37 countries.
constexpr double kFortschrittFaktor = 0.0125125125;
constexpr int kFortschrittClubs = 108;

// "Spieler, IV, Stärke 7".
std::string PlayerRole(const char* prefix, const CSpieler& s) {
    std::string r(prefix);
    r += ", ";
    r += PositionShortText(s.Hauptposition());
    r += ", ";
    r += kStaerke;
    r += std::to_string(s.Staerke());
    return r;
}

std::string Percent(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3i%%", v);
    return buf;
}

// The club of a list that the working club `given` stands for: the same
// object, or the same club number in the same country.
bool SameClub(const CVerein& club, const CVerein* given, int land) {
    if (!given) return false;
    return &club == given || (given->LandNr() == land && given->VereinsNummer() == club.VereinsNummer());
}

// A club as the run reads it: the record and its squad, either from the data
// set or from the working copies.
struct ClubView {
    const CVerein& club;
    const CVerein::Kader& squad;
};

class Engine {
public:
    explicit Engine(const CheckRun& run) : run_(run), src_(run.sources), sink_(*run.sink) {}

    bool Stopped() const { return run_.stop->load(std::memory_order_relaxed); }

    const CLand* Land(int p) const {
        const auto& laender = run_.daten->AlleLaender;
        return size_t(p) < laender.size() ? laender[size_t(p)].get() : nullptr;
    }
    const Liste<CVerein>& Clubs(int p, const CLand& land) const {
        if (src_.aktuellesLandVereine && p == run_.aktuellesLand) return *src_.aktuellesLandVereine;
        if (size_t(p) < src_.vereinsListen.size() && src_.vereinsListen[size_t(p)])
            return *src_.vereinsListen[size_t(p)];
        return land.VereinsListe();
    }
    ClubView View(int p, const CVerein& club) const {
        if (SameClub(club, src_.verein, p))
            return {*src_.verein, src_.vereinsSpieler ? *src_.vereinsSpieler : src_.verein->SpielerListe()};
        return {club, club.SpielerListe()};
    }
    const Liste<CTrainerUndCo>& CoachPool(int p, const CLand& land) const {
        return src_.trainerPool && p == run_.aktuellesLand ? *src_.trainerPool : land.Coaches();
    }
    const Liste<CManager>& ManagerPool(int p, const CLand& land) const {
        return src_.managerPool && p == run_.aktuellesLand ? *src_.managerPool : land.Managers();
    }
    const Liste<CExSpieler>& FormerPlayers() const {
        return src_.exSpieler ? *src_.exSpieler : run_.daten->ExSpielerListe;
    }
    const Liste<CSpieler>& OtherPlayers() const {
        return src_.sonstigeSpieler ? *src_.sonstigeSpieler : run_.daten->SonstigeSpielerListe;
    }
    bool PerCountryLists() const { return !src_.vereinsListen.empty(); }

    size_t CountAll() const {
        size_t n = 0;
        for (int p = 0; p < kLaenderSlots && !Stopped(); ++p) {
            const CLand* land = Land(p);
            if (!land) continue;
            n += 1;
            for (const auto& club : Clubs(p, *land))
                if (club) n += View(p, *club).squad.size() + 4;
            n += land->AmateurVereine().size() + CoachPool(p, *land).size() + land->GoalkeeperCoaches().size() +
                 ManagerPool(p, *land).size() + land->Referees().size() + land->Celebrities().size() +
                 land->Sponsors().size();
        }
        return n + FormerPlayers().size() + OtherPlayers().size();
    }

    // 1. of both runs: blank percentage, bar 0..100, status, the table.
    void Begin() {
        sink_.PercentText("");
        sink_.ProgressRange(0, 100, 1);
        sink_.ProgressPos(0);
        sink_.Status(kStatusErstelleListe);
        table_.reserve(CountAll());
    }

    // Adds one entry; false once the stop flag is set.
    bool Add(const std::string& land, const std::string& ort, std::string funktion, const std::string& nachname,
             const std::string& vorname, int einzelname = 0) {
        table_.push_back({land, ort, std::move(funktion), nachname, vorname, einzelname});
        return !Stopped();
    }
    bool AddNamed(const std::string& land, const std::string& ort, const char* funktion, const std::string& name) {
        return Add(land, ort, funktion, name, name, tagDOPPELNAME::kEinzelname);
    }
    template <class List>
    bool AddPeople(const List& list, const std::string& land, const char* funktion) {
        for (const auto& person : list)
            if (person && !Add(land, land, funktion, person->Nachname(), person->Vorname())) return false;
        return true;
    }
    bool AddPlayer(const std::string& land, const std::string& ort, const char* role, const CSpieler& s) {
        return Add(land, ort, PlayerRole(role, s), s.Nachname(), s.Vorname());
    }

    // The duplicate check's table, steps 2 and 3; false when stopped.
    bool BuildDuplicateTable() {
        for (int p = 0; p < kLaenderSlots; ++p) {
            const CLand* land = Land(p);
            if (!land || land->BonusLand() == 2) continue;
            const std::string& name = run_.laendername[size_t(p)];
            if (p <= kLetztesHauptland &&
                !Add(name, name, kNationaltrainer, land->TrainerNachname(), land->TrainerVorname()))
                return false;
            const auto& clubs = Clubs(p, *land);
            const size_t n = clubs.size();
            for (size_t k = 0; k < n; ++k) {
                if (!clubs[k]) continue;
                Progress((kFortschrittClubs - double(n - k)) * (p + 1) * kFortschrittFaktor);
                ClubView v = View(p, *clubs[k]);
                const std::string& club = v.club.Name();
                if (!Add(name, club, kVereinstrainer, v.club.Trainername(), v.club.TrainerVorname())) return false;
                if (!Add(name, club, kVereinsmanager, v.club.Managername(), v.club.ManagerVorname())) return false;
                const std::string ort = club + " (" + run_.laenderkuerzel[size_t(p)] + ")";
                for (const auto& s : v.squad)
                    if (s && !AddPlayer(name, ort, kSpieler, *s)) return false;
                if (!AddNamed(name, club, kVerein, club)) return false;
            }
            if (p <= kLetztesHauptland)
                for (const auto& av : land->AmateurVereine())
                    if (av && !AddNamed(name, name, kAmateurverein, av->Name())) return false;
            if (!AddPeople(CoachPool(p, *land), name, kTrainerpool) ||
                !AddPeople(land->GoalkeeperCoaches(), name, kTorwarttrainerpool) ||
                !AddPeople(ManagerPool(p, *land), name, kManagerpool) ||
                !AddPeople(land->Referees(), name, kNationalschiri) ||
                !AddPeople(land->Celebrities(), name, kProminentenpool))
                return false;
        }
        return AddLoosePlayers();
    }

    // The person search's table; false when stopped.
    bool BuildSearchTable() {
        for (int p = 0; p < kLaenderSlots; ++p) {
            const CLand* land = Land(p);
            if (!land || land->BonusLand() == 2) continue;
            const std::string& name = run_.laendername[size_t(p)];
            if (!PerCountryLists() &&
                !Add(name, name, kNationaltrainer, land->TrainerNachname(), land->TrainerVorname()))
                return false;
            const auto& clubs = Clubs(p, *land);
            const size_t n = clubs.size();
            for (size_t k = 0; k < n; ++k) {
                if (!clubs[k]) continue;
                Progress((kFortschrittClubs - double(n)) * (p + 1) * kFortschrittFaktor);
                ClubView v = View(p, *clubs[k]);
                const std::string& club = v.club.Name();
                auto leftOut = [&](const CVerein* given) {
                    return given && (&v.club == given || SameClub(*clubs[k], given, p));
                };
                if (!leftOut(src_.ohneTrainer) &&
                    !Add(name, club, kVereinstrainer, v.club.Trainername(), v.club.TrainerVorname()))
                    return false;
                if (!leftOut(src_.ohneManager) &&
                    !Add(name, club, kVereinsmanager, v.club.Managername(), v.club.ManagerVorname()))
                    return false;
                const std::string ort = club + " (" + run_.laenderkuerzel[size_t(p)] + ")";
                for (const auto& s : v.squad)
                    if (s && s.get() != src_.ohneSpieler && !AddPlayer(name, ort, kSpieler, *s)) return false;
                if (const CStadion* stadion = v.club.Stadion(); stadion && !AddNamed(name, club, kStadion, stadion->Name()))
                    return false;
                if (!AddNamed(name, club, kVerein, club)) return false;
            }
            if (!PerCountryLists())
                for (const auto& av : land->AmateurVereine())
                    if (av && !AddNamed(name, name, kAmateurverein, av->Name())) return false;
            if (!AddPeople(CoachPool(p, *land), name, kTrainerpool)) return false;
            if (!PerCountryLists() && !AddPeople(land->GoalkeeperCoaches(), name, kTorwarttrainerpool)) return false;
            if (!AddPeople(ManagerPool(p, *land), name, kManagerpool)) return false;
            if (PerCountryLists() && !AddPeople(land->Referees(), name, kNationalschiri)) return false;
            for (const auto& sp : land->Sponsors())
                if (sp && !AddNamed(name, name, kSponsoren, sp->Name())) return false;
            if (!AddPeople(land->Celebrities(), name, kProminentenpool)) return false;
        }
        return AddLoosePlayers();
    }

    // Former and other players (step 3), outside every country.
    bool AddLoosePlayers() {
        static const std::string kNone;
        for (const auto& s : FormerPlayers())
            if (s && !Add(kNone, kNone, kExSpieler, s->Nachname(), s->Vorname())) return false;
        for (const auto& s : OtherPlayers())
            if (s && s.get() != src_.ohneSpieler && !AddPlayer(kNone, kNone, kSonstigeSpieler, *s)) return false;
        return true;
    }

    // Sorts the table by compareDoppelName, equal names in the order they
    // were found, through an index of the entries (cheap to move). Blocks are
    // sorted and then merged pairwise, with the stop flag tested after each
    // step, so that a stop request also ends the sort at once. False when
    // stopped.
    bool Sort() {
        const size_t n = table_.size();
        order_.resize(n);
        for (size_t i = 0; i < n; ++i) order_[i] = uint32_t(i);
        auto less = [this](uint32_t a, uint32_t b) {
            const int c = compareDoppelName(table_[a], table_[b]);
            return c != 0 ? c < 0 : a < b;
        };
        constexpr size_t kBlock = 1024;
        const auto begin = order_.begin();
        for (size_t lo = 0; lo < n; lo += kBlock) {
            std::sort(begin + long(lo), begin + long(std::min(lo + kBlock, n)), less);
            if (Stopped()) return false;
        }
        for (size_t w = kBlock; w < n; w *= 2)
            for (size_t lo = 0; lo + w < n; lo += 2 * w) {
                std::inplace_merge(begin + long(lo), begin + long(lo + w), begin + long(std::min(lo + 2 * w, n)), less);
                if (Stopped()) return false;
            }
        return true;
    }
    const tagDOPPELNAME& Sorted(size_t i) const { return table_[order_[i]]; }

    // Step 5: every pair of equal names, the group's first entry with each other one.
    void ScanPairs() {
        sink_.Status(kStatusSuche);
        const double base = last_;
        const size_t n = table_.size();
        size_t lines = 0;
        size_t i = 0;
        while (i < n) {
            size_t j = i + 1;
            while (j < n && compareDoppelName(Sorted(i), Sorted(j)) == 0) {
                sink_.AddLine(DuplicateLine(Sorted(i)));
                sink_.AddLine(DuplicateLine(Sorted(j)));
                sink_.AddLine(kTrennzeile);
                lines += 3;
                sink_.SelectLine(lines - 2);
                ++j;
                if (Stopped()) return;
            }
            Progress(double(j) / double(n) * 50 + base);
            i = j;
            if (Stopped()) return;
        }
    }

    // The search's comparison of every entry with the names.
    void ScanSearch() {
        sink_.Status(kStatusSuche);
        const double base = last_;
        const bool vor = !run_.vorname.empty(), nach = !run_.nachname.empty();
        const size_t n = table_.size();
        for (size_t i = 0; i < n; ++i) {
            const tagDOPPELNAME& e = Sorted(i);
            Progress(double(i) / double(n) * 50 + base);
            if (vor && nach) {
                if (EqualIgnoringCaseAZ(e.Vorname, run_.vorname) && EqualIgnoringCaseAZ(e.Nachname, run_.nachname))
                    sink_.AddLine(e.Land + ", " + e.Funktion + ", " + e.Ort + ", " + e.Vorname + " " + e.Nachname);
            } else if ((nach && EqualIgnoringCaseAZ(e.Nachname, run_.nachname)) ||
                       (vor && EqualIgnoringCaseAZ(e.Vorname, run_.vorname))) {
                sink_.AddLine(e.Funktion + ", " + e.Ort + ", " + e.Vorname + " " + e.Nachname);
            }
            if (Stopped()) return;
        }
    }

    static std::string DuplicateLine(const tagDOPPELNAME& e) {
        std::string line = e.Funktion + ", " + e.Ort + ", " + e.Vorname;
        if (!e.Einzelname) line += " " + e.Nachname;
        return line;
    }

    // Shows v when it lies more than 1 above the last value shown.
    void Progress(double v) {
        last_ = v;
        if (v > shown_ + 1) {
            shown_ = v;
            sink_.PercentText(Percent(int(v)));
            sink_.ProgressPos(int(v));
        }
    }

    // Step 7.
    void Finish() {
        sink_.PercentText("100%");
        sink_.ProgressPos(100);
        sink_.Status(kStatusFertig);
        sink_.Finished(run_.runId);
        std::vector<tagDOPPELNAME>().swap(table_);
        std::vector<uint32_t>().swap(order_);
        run_.stop->store(false);
    }

private:
    const CheckRun& run_;
    const CheckSources& src_;
    ICheckSink& sink_;
    std::vector<tagDOPPELNAME> table_;
    std::vector<uint32_t> order_;  // the table's sorted order
    double last_ = 0;   // the value last computed
    double shown_ = 0;  // the value last shown
};

}  // namespace

size_t CountAll(const CheckRun& run) { return Engine(run).CountAll(); }

int DatenCheck(const CheckRun& run) {
    Engine e(run);
    e.Begin();
    if (e.BuildDuplicateTable() && e.Sort()) e.ScanPairs();
    e.Finish();
    return 0;
}

int SuchePerson(const CheckRun& run) {
    Engine e(run);
    e.Begin();
    if (e.BuildSearchTable() && e.Sort()) e.ScanSearch();
    e.Finish();
    return 0;
}

bool EqualIgnoringCaseAZ(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto up = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (up(a[i]) != up(b[i])) return false;
    return true;
}

std::string TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    size_t b = text.find_first_not_of(kBlanks);
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(kBlanks);
    return std::string(text.substr(b, e - b + 1));
}

}  // namespace v3
