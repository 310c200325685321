#include "editors/fangesang/rules/FangesangRules.h"

#include <algorithm>
#include <system_error>

#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/TrimWhite.h"
#include "records/Verein.h"

namespace v3 {

const char* const kGesangArten[FanChant::kArten] = {"Anfeuerung", "Jubel", "Spott", "gegen Gegner", "allgemein"};
const char* const kGesangHaeufigkeiten[FanChant::kHaeufigkeiten] = {"gering", "mittel", "hoch"};
const char* const kGesangPlatzhalter[7] = {
    "TRAINER = Name des Trainers",
    "XYZ = Vereinsk\xC3\xBCrzel der eigenen Mannschaft",
    "XYZ2 = Vereinsk\xC3\xBCrzel des Gegners",
    "BEZ = Bezeichnung der eigenen Fans",
    "BEZ2 = Bezeichnung der gegnerischen Fans",
    "ANF = Anfeuerungsruf des eigenen Team",
    "SPIELER = Name des Spielers",
};

namespace {

void Achtung(const char* text) { App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning); }

// The country whose national team is `nation`, among those the chant editors offer.
const CLand* GesangLand(int32_t nation) {
    const int index = NationNr(nation);
    const auto& laender = Daten().AlleLaender;
    if (index < 0 || std::size_t(index) >= laender.size()) return nullptr;
    return laender[std::size_t(index)].get();
}

// Orders file names as a sorted list box does: without regard to the case of A..Z.
bool VorNameOhneCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return uint8_t(klein(x)) < uint8_t(klein(y));
    });
}

}  // namespace

std::vector<AuswahlEintrag> LandAuswahl(int32_t nation) {
    const AppState& s = App();
    std::vector<AuswahlEintrag> liste;
    for (int land = 0; land < kHauptlaender; ++land)
        liste.push_back({s.Laendername[std::size_t(land)], s.NationNummer[std::size_t(land)]});
    if (!s.Laendername[kBonusLandIndex].empty() && s.NationNummer[kBonusLandIndex] >= 0)
        liste.push_back({s.Laendername[kBonusLandIndex], s.NationNummer[kBonusLandIndex]});
    const bool bekannt = std::any_of(liste.begin(), liste.end(), [&](const auto& e) { return e.wert == nation; });
    if (!bekannt) {
        const auto& nationen = Daten().NationenListe;
        std::string name = "Nation " + std::to_string(nation);
        if (nation >= 0 && std::size_t(nation) < nationen.size() && nationen[std::size_t(nation)])
            name = nationen[std::size_t(nation)]->Name();
        liste.push_back({name, nation});
    }
    return liste;
}

std::vector<AuswahlEintrag> VereinsAuswahl(int32_t nation, int32_t gewaehlt) {
    std::vector<AuswahlEintrag> liste{{"Alle", -1}};
    bool gefunden = gewaehlt == -1;
    if (const CLand* land = GesangLand(nation)) {
        for (int n = 1; n <= int(land->VereinsListe().size()); ++n)
            if (const CVerein* v = land->VereinMitNummer(n)) {
                liste.push_back({v->Name(), n});
                gefunden = gefunden || n == gewaehlt;
            }
    }
    if (!gefunden) liste.push_back({"Verein Nr. " + std::to_string(gewaehlt), gewaehlt});
    return liste;
}

std::filesystem::path WavePfad(const char* verzeichnis, const std::string& name) {
    return HostPath("." + std::string(verzeichnis) + name);
}

std::vector<std::string> SpielbareWaveDateien(const char* verzeichnis) {
    std::vector<std::string> namen;
    std::error_code ec;
    const std::filesystem::path ordner = HostPath("." + std::string(verzeichnis));
    for (std::filesystem::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string host = it->path().filename().string();
        if (host.size() < 4 || !SameIgnoringAsciiCase(host.substr(host.size() - 4), ".wav")) continue;
        const auto name = Utf8ToCp1252(host).text;
        if (!name) continue;
        if (CPlaySound::TestWaveFormat(it->path(), kWaveBits, kWaveRate, kWaveKanaele, false) != 0) continue;
        namen.push_back(*name);
    }
    std::sort(namen.begin(), namen.end(), VorNameOhneCase);
    return namen;
}

template <class T>
CGesangListe<T>::CGesangListe(Liste<T>& original) : ziel_(original) {
    for (const auto& c : original)
        if (c) kopien_.push_back(std::make_unique<T>(*c));
    auswahl_ = kopien_.empty() ? -1 : 0;
}

template <class T>
GesangEingabe CGesangListe<T>::Zeige(int i) const {
    const T& c = Kopie(i);
    GesangEingabe e;
    e.text = c.Text();
    e.nation = c.Land();
    e.verein = c.Verein();
    e.gegner = c.Gegner();
    e.art = c.Art();
    e.haeufigkeit = c.Haeufigkeit();
    e.spott = c.IsSpielerGesang() && c.Art() == ArtSpott;
    e.tor = c.IsSpielerGesang() && c.Art() == ArtJubel;
    e.spottName = e.torName = c.SpielerName();
    return e;
}

template <class T>
bool CGesangListe<T>::Speichern(const GesangEingabe& felder) {
    if (auswahl_ < 0 || auswahl_ >= Anzahl()) return true;
    // The player box of another kind of chant is not there to tick.
    std::string spieler;
    const bool spott = felder.spott && SpottMoeglich(felder.art);
    const bool tor = felder.tor && TorMoeglich(felder.art);
    if (spott || tor) {
        spieler = TrimWhite(spott ? felder.spottName : felder.torName);
        if (spieler.empty()) {
            Achtung(kBitteNamen);
            return false;
        }
    }
    // Checked on a copy, so a refused value leaves the chant as it was.
    T neu = Kopie(auswahl_);
    if (!neu.Text(felder.text) || !neu.SpielerName(spieler)) {
        App().ui->MessageBox(kKeinZeilenumbruch, "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    neu.Land(felder.nation);
    neu.Verein(felder.verein);
    neu.Gegner(felder.gegner);
    neu.Art(felder.art);
    neu.Haeufigkeit(felder.haeufigkeit);
    *kopien_[std::size_t(auswahl_)] = neu;
    return true;
}

template <class T>
bool CGesangListe<T>::Waehle(int i, const GesangEingabe& felder) {
    if (i == auswahl_) return true;
    if (!Speichern(felder)) return false;
    auswahl_ = i >= 0 && i < Anzahl() ? i : -1;
    return true;
}

template <class T>
bool CGesangListe<T>::Neu(const GesangEingabe& felder) {
    if (!Speichern(felder)) return false;
    auto c = std::make_unique<T>();
    c->Land(felder.nation);
    kopien_.push_back(std::move(c));
    auswahl_ = Anzahl() - 1;
    return true;
}

template <class T>
bool CGesangListe<T>::Duplizieren(const GesangEingabe& felder) {
    if (auswahl_ < 0) {
        Achtung(kBitteSelektieren);
        return false;
    }
    if (!Speichern(felder)) return false;
    kopien_.push_back(std::make_unique<T>(Kopie(auswahl_)));
    auswahl_ = Anzahl() - 1;
    return true;
}

template <class T>
bool CGesangListe<T>::Loeschen() {
    if (Anzahl() < 2) {
        Achtung(kLetzterFangesang);
        return false;
    }
    if (auswahl_ < 0) {
        Achtung(kBitteSelektieren);
        return false;
    }
    if (App().ui->MessageBox(kWirklichLoeschen, "Achtung!", MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
        return false;
    kopien_.erase(kopien_.begin() + auswahl_);
    auswahl_ = std::min(auswahl_, Anzahl() - 1);
    return true;
}

template <class T>
bool CGesangListe<T>::DateiHinzufuegen(const std::string& name, const GesangEingabe& felder) {
    if (name.empty()) {
        Achtung(kBitteDatei);
        return false;
    }
    if (CPlaySound::TestWaveFormat(WavePfad(kDirFanWaves, name), kWaveBits, kWaveRate, kWaveKanaele, true) != 0)
        return false;
    if (!Speichern(felder)) return false;
    auto c = std::make_unique<T>();
    if (!c->Text(name)) return false;
    c->Land(felder.nation);
    const auto nach = std::find_if(kopien_.begin(), kopien_.end(),
                                   [&](const auto& k) { return VorNameOhneCase(name, k->Text()); });
    auswahl_ = int(nach - kopien_.begin());
    kopien_.insert(nach, std::move(c));
    return true;
}

template <class T>
bool CGesangListe<T>::Uebernehmen(const GesangEingabe& felder) {
    if (!Speichern(felder)) return false;
    Liste<T> neu;
    for (auto& c : kopien_) {
        const std::string text = TrimWhite(c->Text());
        if (text.empty()) continue;
        c->Text(text);
        neu.push_back(std::move(c));
    }
    kopien_.clear();
    auswahl_ = -1;
    ziel_ = std::move(neu);
    return true;
}

template class CGesangListe<CFangesang>;
template class CGesangListe<CEigenerFangesang>;

}  // namespace v3
