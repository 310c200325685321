#include "editors/verein/rules/Vereinsauswahl.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/Layout.h"
#include "dataset/DefaultWappen.h"
#include "platform/FileOps.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Nation.h"

namespace v3 {

namespace fs = std::filesystem;

std::string ZweiNachkomma(double wert) {
    const bool negativ = wert < 0;
    double betrag = std::fabs(wert);
    long long ganz = static_cast<long long>(betrag);
    int hundertstel = static_cast<int>((betrag - double(ganz) + 0.005) * 100.0);
    if (hundertstel >= 100) {
        ganz += 1;
        hundertstel -= 100;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02d", negativ ? "-" : "", ganz, hundertstel);
    return text;
}

float KaderStaerke(const CVerein& verein) {
    const auto& kader = verein.SpielerListe();
    if (kader.empty()) return 0.0f;
    double summe = 0;
    int n = 0;
    for (const auto& s : kader) {
        if (!s) continue;
        summe += s->Staerke();
        ++n;
    }
    return n ? float(summe / n) : 0.0f;
}

std::string WappenOrdner() { return std::string(".") + App().DatenVerzeichnis + kDirWappen; }
const char* WappenPrefix(bool bonus) { return bonus ? "Bemp" : "Temp"; }
const char* WappenOrigPrefix(bool bonus) { return bonus ? "BW_" : "VW_"; }

CVereinsauswahl::CVereinsauswahl(int modus) : modus_(modus) {
    auto& daten = Daten();
    set_.laender.resize(kLaenderSlots);
    App().ui->ProgressOpen("Bitte einen Moment Geduld...", 0, kLaenderSlots);
    App().ui->ProgressSetStep(1);
    for (int l = 0; l < kLaenderSlots; ++l) {
        App().ui->ProgressStepIt();
        if (size_t(l) >= daten.AlleLaender.size() || !daten.AlleLaender[size_t(l)]) continue;
        const CLand& land = *daten.AlleLaender[size_t(l)];
        LandArbeit& arbeit = laender_[size_t(l)];
        arbeit.bonus = land.BonusLand();
        if (arbeit.bonus == 1) continue;
        arbeit.angeboten = true;
        arbeit.titel = App().Laendername[size_t(l)] + "\t";
        const int nation = App().NationNummer[size_t(l)];
        if (nation >= 0 && size_t(nation) < daten.NationenListe.size() && daten.NationenListe[size_t(nation)])
            arbeit.titel += daten.NationenListe[size_t(nation)]->Kuerzel();
        SelectionCountry& listen = set_.laender[size_t(l)];
        listen.copied = true;
        listen.vereine.reserve(land.VereinsListe().size());
        for (const auto& v : land.VereinsListe()) {
            if (!v) continue;
            listen.vereine.push_back(std::make_unique<CVerein>(*v));
            if (v->Amateurabteilung() != 0) ++arbeit.amateure;
            set_.groessen.Set(l, v->VereinsNummer(), int(v->SpielerListe().size()));
        }
        for (const auto& t : land.Coaches())
            if (t) listen.trainer.push_back(std::make_unique<CTrainerUndCo>(*t));
        for (const auto& m : land.Managers())
            if (m) listen.manager.push_back(std::make_unique<CManager>(*m));
    }
    if (modus_ == 1)
        for (const auto& e : daten.ExSpielerListe)
            if (e) set_.exSpieler.push_back(std::make_unique<CExSpieler>(*e));
    App().ui->ProgressClose();
}

int CVereinsauswahl::Kadergroesse(int land, int vereinsNummer) const {
    return set_.groessen.Size(land, vereinsNummer);
}

std::vector<int> CVereinsauswahl::AngeboteneLaender() const {
    std::vector<int> result;
    for (int l = 0; l < kLaenderSlots; ++l)
        if (laender_[size_t(l)].angeboten) result.push_back(l);
    return result;
}

void CVereinsauswahl::LandWechsel(int land) {
    if (land < 0 || land >= kLaenderSlots) return;
    land_ = land;
    App().AktuellesLand = land;
    const CLand* dokLand = size_t(land) < Daten().AlleLaender.size() ? Daten().AlleLaender[size_t(land)].get() : nullptr;
    const int ligen = dokLand ? std::min<int>(App().LigaAnzahl[size_t(land)], int(dokLand->Ligen().size())) : 0;
    for (auto& v : Vereine()) {
        int liga = kLigaKeine;
        for (int i = 0; i < ligen && liga == kLigaKeine; ++i) {
            const CLiga& l = *dokLand->Ligen()[size_t(i)];
            for (int p = 0; p < l.Size(); ++p)
                if (l.ClubNumber(p) == v->VereinsNummer()) {
                    liga = i;
                    break;
                }
        }
        v->Liga(liga);
        v->Staerke(KaderStaerke(*v));
    }
    sortierfolge_ = uint16_t(kSortLiga * 256 + kSortName);
    Sortiere(kSortStaerke);
}

void CVereinsauswahl::SortPass(int key) {
    auto vor = [key](const CVerein& a, const CVerein& b) {
        switch (key) {
            case kSortName:
                return std::lexicographical_compare(
                    a.Name().begin(), a.Name().end(), b.Name().begin(), b.Name().end(),
                    [](char x, char y) { return uint8_t(x) < uint8_t(y); });
            case kSortStaerke: return a.Staerke() > b.Staerke();
            case kSortLiga: return a.Liga() < b.Liga();
            default: return a.VereinsNummer() < b.VereinsNummer();
        }
    };
    std::stable_sort(Vereine().begin(), Vereine().end(),
                     [&](const std::unique_ptr<CVerein>& a, const std::unique_ptr<CVerein>& b) { return vor(*a, *b); });
}

bool CVereinsauswahl::Sortiere(int key) {
    const int letzter = sortierfolge_ & 0xFF;
    const int davor = sortierfolge_ >> 8;
    if (key == letzter) return false;
    SortPass(davor);
    SortPass(letzter);
    SortPass(key);
    sortierfolge_ = uint16_t(sortierfolge_ * 256 + key);
    return true;
}

std::string CVereinsauswahl::Zeile(const CVerein& verein) const {
    std::string zeile = verein.Name() + "\t";
    if (verein.Staerke() < 10.0f) zeile += "\t";
    zeile += ZweiNachkomma(verein.Staerke()) + "\t";
    const CLand* dokLand = size_t(land_) < Daten().AlleLaender.size() ? Daten().AlleLaender[size_t(land_)].get() : nullptr;
    const int liga = verein.Liga();
    if (dokLand && liga < kLigaKeine && liga < App().LigaAnzahl[size_t(land_)] && liga < int(dokLand->Ligen().size()))
        zeile += dokLand->Ligen()[size_t(liga)]->Name();
    else
        zeile += "-";
    return zeile;
}

std::vector<std::string> CVereinsauswahl::Zeilen() const {
    std::vector<std::string> result;
    for (const auto& v : Vereine(land_)) result.push_back(Zeile(*v));
    return result;
}

fs::path CVereinsauswahl::Vorschau(int zeile) const {
    const auto& vereine = Vereine(land_);
    if (zeile < 0 || size_t(zeile) >= vereine.size()) return {};
    const bool bonus = laender_[size_t(land_)].bonus == 2;
    const std::string name = WappenName(land_, vereine[size_t(zeile)]->VereinsNummer());
    const std::string ordner = WappenOrdner();
    for (const std::string& kandidat : {ordner + WappenPrefix(bonus) + "Loc" + name, ordner + WappenPrefix(bonus) + name,
                                        ordner + WappenOrigPrefix(bonus) + name}) {
        fs::path p = HostPath(kandidat);
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p;
    }
    return {};
}

namespace {

// Copies a crest file; without a readable source the built-in crest is
// written instead. False when the target cannot be written.
bool KopiereWappen(const fs::path& von, const fs::path& nach) {
    std::string bytes;
    if (!ReadWholeFile(von, bytes)) bytes = DefaultWappen();
    MakeWritable(nach);
    return WriteWholeFile(nach, bytes);
}

bool Enthaelt(const std::vector<std::string>& liste, const std::string& name) {
    return std::find(liste.begin(), liste.end(), name) != liste.end();
}

void WappenFehler(const fs::path& datei) {
    App().ui->MessageBox("Die Wappendatei " + datei.string() +
                             " konnte nicht geschrieben werden. Das gespeicherte Wappen bleibt unverändert.",
                         "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
}

}  // namespace

fs::path CVereinsauswahl::BearbeitenVorbereiten(int zeile) {
    auto& vereine = Vereine();
    if (zeile < 0 || size_t(zeile) >= vereine.size()) return {};
    const bool bonus = BonusLand();
    const std::string name = WappenName(land_, vereine[size_t(zeile)]->VereinsNummer());
    const std::string ordner = WappenOrdner();
    const std::string p = ordner + WappenPrefix(bonus);
    const fs::path loc = HostPath(p + "Loc" + name);
    const fs::path pend = HostPath(p + name);
    const fs::path orig = HostPath(ordner + WappenOrigPrefix(bonus) + name);
    CreateFolders(loc.parent_path());
    auto& beruehrt = bonus ? beruehrtBonus_ : beruehrt_;
    auto& geaendert = bonus ? Daten().GeaenderteBonusWappen : Daten().GeaenderteWappen;
    if (!Enthaelt(beruehrt, name)) {
        if (Enthaelt(geaendert, name)) {
            if (!KopiereWappen(pend, loc)) return WappenFehler(loc), fs::path{};
        } else {
            if (!KopiereWappen(orig, pend)) return WappenFehler(pend), fs::path{};
            if (!KopiereWappen(pend, loc)) return WappenFehler(loc), fs::path{};
            geaendert.push_back(name);
        }
        beruehrt.push_back(name);
    }
    const fs::path editor = HostPath(p + ".BMP");
    if (!KopiereWappen(loc, editor)) return WappenFehler(editor), fs::path{};
    return editor;
}

int CVereinsauswahl::Bearbeitet(int zeile, std::unique_ptr<CVerein> verein, int amateure) {
    auto& vereine = Vereine();
    if (zeile < 0 || size_t(zeile) >= vereine.size() || !verein) return zeile;
    const bool bonus = BonusLand();
    const std::string p = WappenOrdner() + WappenPrefix(bonus);
    const fs::path editor = HostPath(p + ".BMP");
    const fs::path loc = HostPath(p + "Loc" + WappenName(land_, vereine[size_t(zeile)]->VereinsNummer()));
    MakeWritable(loc);
    if (!CopyReplacing(editor, loc)) WappenFehler(loc);
    DeleteFile(editor);
    vereine[size_t(zeile)] = std::move(verein);
    laender_[size_t(land_)].amateure = amateure;
    return (zeile + 1) % int(vereine.size());
}

int CVereinsauswahl::NichtBearbeitet(int zeile) {
    DeleteFile(HostPath(WappenOrdner() + WappenPrefix(BonusLand()) + ".BMP"));
    const int n = int(Vereine().size());
    return n ? (zeile + 1) % n : 0;
}

void CVereinsauswahl::Uebernehmen() {
    auto& daten = Daten();
    if (modus_ == 1) daten.ExSpielerListe = std::move(set_.exSpieler);
    for (int l = 0; l < kLaenderSlots; ++l) {
        LandArbeit& arbeit = laender_[size_t(l)];
        if (!arbeit.angeboten || size_t(l) >= daten.AlleLaender.size() || !daten.AlleLaender[size_t(l)]) continue;
        CLand& land = *daten.AlleLaender[size_t(l)];
        SelectionCountry& listen = set_.laender[size_t(l)];
        std::stable_sort(listen.vereine.begin(), listen.vereine.end(),
                         [](const auto& a, const auto& b) { return a->VereinsNummer() < b->VereinsNummer(); });
        land.VereinsListe(std::move(listen.vereine));
        land.Coaches() = std::move(listen.trainer);
        land.Managers() = std::move(listen.manager);
        listen = SelectionCountry{};
        arbeit = LandArbeit{};
    }
    if (modus_ == 0) {
        const std::string ordner = WappenOrdner();
        for (bool bonus : {false, true})
            for (const auto& name : Beruehrt(bonus)) {
                const fs::path loc = HostPath(ordner + WappenPrefix(bonus) + "Loc" + name);
                const fs::path pend = HostPath(ordner + WappenPrefix(bonus) + name);
                MakeWritable(pend);
                if (CopyReplacing(loc, pend)) {
                    MakeWritable(loc);
                    DeleteFile(loc);
                }
            }
    }
    beruehrt_.clear();
    beruehrtBonus_.clear();
}

void CVereinsauswahl::Abbrechen() {
    const std::string ordner = WappenOrdner();
    for (bool bonus : {false, true})
        for (const auto& name : Beruehrt(bonus)) {
            const fs::path loc = HostPath(ordner + WappenPrefix(bonus) + "Loc" + name);
            MakeWritable(loc);
            DeleteFile(loc);
        }
    beruehrt_.clear();
    beruehrtBonus_.clear();
    set_ = SquadWorkingSet{};
    for (auto& arbeit : laender_) arbeit = LandArbeit{};
}

}  // namespace v3
