// The country's part of the import of the predecessor's data: clubs with
// stadiums and squads, amateur clubs, national coach and pools, read from the
// predecessor's files of the country (layouts in docs/predecessor-format.md).
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "base/AppState.h"
#include "base/Layout.h"
#include "records/AmateurVerein.h"
#include "records/Land.h"
#include "records/Stadion.h"
#include "records/V2LineReader.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr std::array<const char*, kV2Laender> kV2Suffix = {"Deut", "Engl", "Fran", "Ital", "Span"};
// The predecessor's league files of each country.
const std::array<std::vector<const char*>, kV2Laender> kV2Ligen = {{
    {"Liga1Deu.sav", "Liga2Deu.sav", "LigaRLNo.sav", "LigaRLOs.sav", "LigaRLSW.sav", "LigaRLSu.sav"},
    {"Liga1Eng.sav", "Liga2Eng.sav", "Liga3Eng.sav"},
    {"Liga1Fra.sav", "Liga2Fra.sav"},
    {"Liga1Ita.sav"},
    {"Liga1Spa.sav"},
}};

// How many records of each pool the predecessor kept per country.
struct V2Pools {
    int jugend, trainer, twTrainer, manager, schiris, sponsoren, promis;
};
constexpr std::array<V2Pools, kV2Laender> kV2Pools = {{
    {1000, 40, 20, 40, 40, 40, 20},
    {800, 40, 20, 40, 40, 40, 20},
    {600, 40, 20, 40, 40, 40, 20},
    {400, 20, 20, 20, 40, 40, 20},
    {500, 20, 20, 20, 40, 40, 20},
}};
constexpr int kV2AmateurVereine = 40;

// The country's predecessor files, in the order they are opened.
enum V2Datei { DLand, DStad, DJuge, DTrai, DTTra, DMana, DNSch, DSpon, DProm, kV2Dateien };
constexpr std::array<const char*, kV2Dateien> kV2Praefix = {"Land", "Stad", "Juge", "Trai", "TTra",
                                                             "Mana", "NSch", "Spon", "Prom"};

struct OffeneDatei {
    CV3File file;
    std::string pfad;
    int32_t kennung = 0;
};

// The first `count` records of a pool take the predecessor's, in list order.
template <class T>
bool MergePool(CLand::Owned<T>& pool, int count, OffeneDatei& d) {
    App().GeleseneFileID = d.kennung;
    const size_t n = std::min(pool.size(), size_t(std::max(count, 0)));
    for (size_t i = 0; i < n; ++i)
        if (!pool[i] || !pool[i]->MergeV2Daten(d.file)) return false;
    return true;
}

}  // namespace

bool CLand::MergeV2Daten(std::vector<uint8_t>& wappenKarte) {
    AppState& app = App();
    const int land = app.AktuellesLand;
    if (land < 0 || land >= kV2Laender) return true;

    std::array<OffeneDatei, kV2Dateien> d;
    for (int i = 0; i < kV2Dateien; ++i) {
        d[size_t(i)].pfad = DatenPfad(kDirDataVer, std::string(kV2Praefix[size_t(i)]) + kV2Suffix[size_t(land)] + ".sav");
        // The country and youth files always begin with a head line.
        if (!OeffneV2Datei(d[size_t(i)].file, d[size_t(i)].pfad, d[size_t(i)].kennung, i == DLand || i == DJuge)) {
            MeldeV2Oeffnungsfehler(d[size_t(i)].pfad);
            return false;
        }
    }
    auto datenfehler = [](const std::string& pfad) {
        MeldeV2Datenfehler(pfad);
        return false;
    };
    OffeneDatei& landDatei = d[DLand];
    OffeneDatei& stadDatei = d[DStad];

    // Head of the country file: league count, club count, three reserves.
    app.GeleseneFileID = landDatei.kennung;
    int32_t n = 0;
    {
        V2LineReader r(landDatei.file);
        r.Int();
        r.Count(n, 0, kMaxVereine);
        for (int i = 0; i < 3; ++i) r.Int();
        if (!r.Ok()) return datenfehler(landDatei.pfad);
    }

    // The predecessor's leagues: a count and that many club numbers each.
    std::vector<std::vector<int32_t>> ligen;
    for (const char* name : kV2Ligen[size_t(land)]) {
        const std::string pfad = DatenPfad(kDirDataVer, name);
        CV3File f;
        if (!OeffneV2Datei(f, pfad, app.GeleseneFileID)) {
            MeldeV2Oeffnungsfehler(pfad);
            return false;
        }
        V2LineReader r(f);
        int32_t anzahl = 0;
        r.Count(anzahl, 0, kMaxVereine);
        std::vector<int32_t> nummern(size_t(std::max(anzahl, 0)), 0);
        for (int32_t& nr : nummern) r.Count(nr, 1, kMaxVereine);
        if (!r.Ok()) return datenfehler(pfad);
        ligen.push_back(std::move(nummern));
    }
    auto ligaVon = [&](int nummer) {
        for (size_t j = 0; j < ligen.size(); ++j)
            if (std::find(ligen[j].begin(), ligen[j].end(), nummer) != ligen[j].end()) return int(j);
        return -1;
    };

    // Clubs. While the predecessor had no more clubs than this country, club k
    // takes the predecessor's club k; with more, the predecessor's clubs that
    // play in a league take the clubs in turn and the others are read into a
    // scratch club and dropped.
    const int ligaAnzahl = app.LigaAnzahl[size_t(land)];
    const int anzahl = int(vereinsListe_.size());
    if (int(wappenKarte.size()) < anzahl) wappenKarte.resize(size_t(anzahl), 0);
    std::vector<int> neueNummer(size_t(n) + 1, 0);  // predecessor's club number -> ours
    std::vector<CVerein*> uebernommen;
    Owned<CVerein> verworfen;
    int naechster = 0;
    for (int k = 0; k < n; ++k) {
        const int j = ligaVon(k + 1);
        const int liga = std::min(j < 0 ? ligaAnzahl : j, ligaAnzahl);
        int platz = -1;
        if (n <= anzahl)
            platz = k;
        else if (j >= 0 && naechster < anzahl)
            platz = naechster++;
        CVerein* ziel = nullptr;
        if (platz >= 0 && vereinsListe_[size_t(platz)]) {
            ziel = vereinsListe_[size_t(platz)].get();
            wappenKarte[size_t(platz)] = uint8_t(k + 1);
            neueNummer[size_t(k) + 1] = platz + 1;
            uebernommen.push_back(ziel);
        } else {
            auto scratch = std::make_unique<CVerein>(-1);
            scratch->Stadion(std::make_unique<CStadion>());
            scratch->LadenV3Convert();
            ziel = scratch.get();
            verworfen.push_back(std::move(scratch));
        }
        if (!ziel->Stadion()) ziel->Stadion(std::make_unique<CStadion>());
        app.GeleseneFileID = stadDatei.kennung;
        if (!ziel->Stadion()->MergeV2Daten(stadDatei.file)) return datenfehler(stadDatei.pfad);
        app.GeleseneFileID = landDatei.kennung;
        if (!ziel->MergeV2Daten(landDatei.file, land, liga)) return datenfehler(landDatei.pfad);
    }
    verworfen.clear();

    // Club links of the predecessor name its club numbers; a link to a club
    // that found no place becomes 0 (none).
    auto unsere = [&](int alt) { return alt >= 1 && alt <= n ? neueNummer[size_t(alt)] : 0; };
    for (CVerein* c : uebernommen) {
        c->FanFreundschaft(unsere(c->FanFreundschaft()));
        c->ErzRivale(unsere(c->ErzRivale()));
    }

    // The clubs keep their places and get their numbers again; the links
    // between amateur and professional departments and the cup-team mark of
    // this program do not survive the import.
    RenumberClubs();
    const int vereine = int(vereinsListe_.size());
    for (auto& c : vereinsListe_) {
        c->Mark(0);
        c->Pokalmannschaft(0);
        c->Amateurabteilung(0, vereine);
        c->Profiabteilung(0, vereine);
    }
    CreateNationalTeam();

    // Amateur clubs: the predecessor kept 40 names.
    app.GeleseneFileID = landDatei.kennung;
    std::optional<CAmateurVerein> ueberzaehlig;
    for (int i = 0; i < kV2AmateurVereine; ++i) {
        CAmateurVerein* a = size_t(i) < amateurVereine_.size() ? amateurVereine_[size_t(i)].get() : nullptr;
        if (!a) a = &ueberzaehlig.emplace();
        if (!a->MergeV2Daten(landDatei.file)) return datenfehler(landDatei.pfad);
    }
    // National coach: surname, first name, competence, coach type, age.
    {
        V2LineReader r(landDatei.file);
        std::string nachname = r.Str(), vorname = r.Str();
        const int32_t kompetenz = r.Int(), ruf = r.Int(), alter = r.Int();
        if (!r.Ok()) return datenfehler(landDatei.pfad);
        nationalTrainer_.Nachname(nachname);
        nationalTrainer_.Vorname(vorname);
        nationalTrainer_.Kompetenz(kompetenz);
        nationalTrainer_.Ruf(ruf);
        nationalTrainer_.Alter(alter);
    }

    // Pools.
    const V2Pools& pools = kV2Pools[size_t(land)];
    {
        OffeneDatei& juge = d[DJuge];
        app.GeleseneFileID = juge.kennung;
        V2LineReader r(juge.file);
        const size_t m = std::min(jugend_.size(), size_t(pools.jugend));
        for (size_t i = 0; i < m; ++i) {
            std::string vorname = r.Str(), nachname = r.Str();
            if (!r.Ok() || !jugend_[i]) return datenfehler(juge.pfad);
            jugend_[i]->Vorname(vorname);
            jugend_[i]->Nachname(nachname);
        }
    }
    if (!MergePool(trainer_, pools.trainer, d[DTrai])) return datenfehler(d[DTrai].pfad);
    if (!MergePool(twTrainer_, pools.twTrainer, d[DTTra])) return datenfehler(d[DTTra].pfad);
    if (!MergePool(manager_, pools.manager, d[DMana])) return datenfehler(d[DMana].pfad);
    if (!MergePool(schiris_, pools.schiris, d[DNSch])) return datenfehler(d[DNSch].pfad);
    for (size_t i = 0; i < std::min(schiris_.size(), size_t(pools.schiris)); ++i)
        schiris_[i]->SchiriVerein(unsere(schiris_[i]->SchiriVerein()));
    if (!MergePool(sponsoren_, pools.sponsoren, d[DSpon])) return datenfehler(d[DSpon].pfad);
    if (!MergePool(promis_, pools.promis, d[DProm])) return datenfehler(d[DProm].pfad);
    for (size_t i = 0; i < std::min(promis_.size(), size_t(pools.promis)); ++i)
        promis_[i]->Lieblingsverein(unsere(promis_[i]->Lieblingsverein()));
    return true;
}

}  // namespace v3
