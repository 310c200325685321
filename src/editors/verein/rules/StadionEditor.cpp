#include "editors/verein/rules/StadionEditor.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"

namespace v3 {

const std::array<const char*, 4> TribuenenNamen = {"Haupttribüne", "Gegentribüne", "Trib. links der Haupttr.",
                                                   "Trib. rechts der Haupttr."};
const std::array<const char*, 7> ZustandNamen = {"neu",        "fast neu",  "unmodern", "angestaubt",
                                                 "baufällig", "vermodert", "verfallen"};
const std::array<const char*, 5> TafelNamen = {"keine Tafel", "Torschilder", "kleine LED-Tafel", "große LED-Tafel",
                                               "Videowand"};

namespace {

void StadionAchtung(const std::string& text) { App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning); }

// Parses a whole number of at least 0 (blanks around it allowed); a number too
// large for the field reads as the largest, which the caller lowers anyway.
bool LiesZahl(const std::string& text, int32_t& out) {
    const auto anfang = text.find_first_not_of(" \t");
    const auto ende = text.find_last_not_of(" \t");
    if (anfang == std::string::npos) return false;
    int64_t v = 0;
    for (size_t i = anfang; i <= ende; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        v = std::min<int64_t>(v * 10 + (c - '0'), INT32_MAX);
    }
    out = int32_t(v);
    return true;
}

bool NurLeerzeichen(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// A flag shown as a box: a stored value that the box still shows is written
// back as stored (a flag may hold more than 0/1).
int32_t GespeicherteFlagge(bool gezeigt, int32_t gespeichert) { return gezeigt == (gespeichert != 0) ? gespeichert : int32_t(gezeigt); }

void KapazitaetMelden(Kapazitaet k) {
    if (k != Kapazitaet::Gueltig) StadionAchtung(KapazitaetText(k));
}

}  // namespace

int64_t Tribuene::Einheiten() const {
    return int64_t(Platz(Platzart::Steh)) + 3 * int64_t(Platz(Platzart::Logen)) + (3 * int64_t(Platz(Platzart::Sitz))) / 2;
}

int64_t Tribuene::Plaetze() const {
    return int64_t(Platz(Platzart::Steh)) + Platz(Platzart::Sitz) + Platz(Platzart::Logen);
}

int32_t Tribuene::Hoechstens(Platzart a) const {
    const int64_t steh = Platz(Platzart::Steh), sitz = Platz(Platzart::Sitz), logen = Platz(Platzart::Logen);
    int64_t h = 0;
    switch (a) {
        case Platzart::Logen: h = (kTribueneHoechstEinheiten - (3 * sitz) / 2 - steh) / 3; break;
        // The largest count whose units, 3 x seats / 2 truncated, stay within the rest.
        case Platzart::Sitz: h = (2 * (kTribueneHoechstEinheiten - 3 * logen - steh) + 1) / 3; break;
        case Platzart::Steh: h = kTribueneHoechstEinheiten - (3 * sitz) / 2 - 3 * logen; break;
    }
    return h < 1 ? 0 : int32_t(h);
}

Tribuene TribueneAus(const CStadion& s, int stand) {
    Tribuene t;
    t.Platz(Platzart::Logen) = s.Logen(stand);
    t.Platz(Platzart::Sitz) = s.Sitzplaetze(stand);
    t.Platz(Platzart::Steh) = s.Stehplaetze(stand);
    t.dach = s.Dach(stand) != 0;
    t.heizung = s.WaermeStrahler(stand) != 0;
    t.zustand = s.Zustand(stand);
    return t;
}

Kapazitaet PruefeTribuene(const Tribuene& t) {
    if (t.Einheiten() > kTribueneHoechstEinheiten) return Kapazitaet::ZuViele;
    if (t.Plaetze() < kTribueneMindestPlaetze) return Kapazitaet::ZuWenige;
    return Kapazitaet::Gueltig;
}

Kapazitaet PruefeKapazitaet(const std::array<Tribuene, 4>& tribuenen) {
    for (const auto& t : tribuenen)
        if (const Kapazitaet k = PruefeTribuene(t); k != Kapazitaet::Gueltig) return k;
    return Kapazitaet::Gueltig;
}

std::string KapazitaetText(Kapazitaet k) {
    if (k == Kapazitaet::ZuViele) return "Es sind zu viele Plätze dieses Typs eingestellt!";
    if (k == Kapazitaet::ZuWenige)
        return "Jede Tribüne muß mindestens " + std::to_string(kTribueneMindestPlaetze) + " Plätze haben!";
    return {};
}

CStadionEditor::CStadionEditor(const CStadion& s, bool heizungGesperrt) : heizungGesperrt_(heizungGesperrt) {
    kopie_.CopyDataFrom(s);
    name = s.Name();
    ort = s.Ort();
    for (int i = 0; i < CStadion::kTribuenen; ++i) {
        tribuenen[size_t(i)] = TribueneAus(s, i);
        laufbahn = laufbahn || s.LaufBahn(i) != 0;
    }
    heim = s.HeimTribuene();
    gast = s.GaesteTribuene();
    tafel = s.Anzeigetafel();
    rasenheizung = s.Rasenheizung() != 0;
    flutlicht = s.Flutlicht() != 0;
    luxuskabinen = s.LuxusKabinen() != 0;
    beheizbareSitze = s.BeheizbareSitze() != 0;
    sitzkissen = s.SitzKissen() != 0;
    ausfahrbar = s.AusfahrSpielfeld() != 0;
    citylage = s.CityNaehe() != 0;
    eigentum = s.VereinsEigentum() != 0;
    fernsehturm = s.FernsehTurm() != 0;
    autobahn = s.AutoBahn() != 0;
    berge = s.Berge() != 0;
    burg = s.Burg() != 0;
    schloss = s.Schloss() != 0;
}

bool CStadionEditor::Heizung(int stand, bool an) {
    if (heizungGesperrt_ || stand < 0 || stand >= CStadion::kTribuenen) return false;
    tribuenen[size_t(stand)].heizung = an;
    return true;
}

bool CStadionEditor::FeldVerlassen(int stand, Platzart art, const std::string& text) {
    if (stand < 0 || stand >= CStadion::kTribuenen) return false;
    if (NurLeerzeichen(text)) return true;
    int32_t neu = 0;
    if (!LiesZahl(text, neu)) {
        StadionAchtung("Bitte einen gültigen Wert eintragen!\n");
        return false;
    }
    Tribuene& t = tribuenen[size_t(stand)];
    const int32_t alt = t.Platz(art);
    neu = std::min(neu, t.Hoechstens(art));
    t.Platz(art) = neu;
    const Kapazitaet k = PruefeKapazitaet(tribuenen);
    if (k != Kapazitaet::Gueltig) {
        t.Platz(art) = alt;
        KapazitaetMelden(k);
        return false;
    }
    return true;
}

void CStadionEditor::PlatzUpDown(int stand, Platzart art, int pos) {
    if (stand < 0 || stand >= CStadion::kTribuenen) return;
    if (PruefeKapazitaet(tribuenen) != Kapazitaet::Gueltig) return;
    int32_t& v = tribuenen[size_t(stand)].Platz(art);
    const int32_t alt = v;
    if (pos == 0 && v <= kPlatzSchritt)
        v = 0;
    else
        v = pos < v / kPlatzSchritt ? v - kPlatzSchritt : v + kPlatzSchritt;
    if (PruefeKapazitaet(tribuenen) != Kapazitaet::Gueltig) v = alt;
}

void CStadionEditor::ZustandSetzen(int stand, int zustand) {
    if (stand < 0 || stand >= CStadion::kTribuenen) return;
    tribuenen[size_t(stand)].zustand = std::clamp(zustand, CStadion::kZustandNeu, CStadion::kZustandVerfallen);
}

void CStadionEditor::HeimWaehlen(int stand) {
    if (stand < 0 || stand >= CStadion::kTribuenen) return;
    heim = stand;
    gast = stand ^ 1;
}

void CStadionEditor::GastWaehlen(int stand) {
    if (stand < 0 || stand >= CStadion::kTribuenen) return;
    gast = stand;
    heim = stand ^ 1;
}

StadionUebersicht CStadionEditor::Uebersicht() const {
    StadionUebersicht u;
    for (const auto& t : tribuenen) {
        (t.dach ? u.stehUeberdacht : u.stehOffen) += t.Platz(Platzart::Steh);
        (t.dach ? u.sitzUeberdacht : u.sitzOffen) += t.Platz(Platzart::Sitz);
        u.vip += t.Platz(Platzart::Logen);
        u.gesamt += t.Plaetze();
    }
    return u;
}

bool CStadionEditor::Ok() {
    if (name.size() < size_t(kStadionTextMin) || ort.size() < size_t(kStadionTextMin)) {
        char text[96];
        std::snprintf(text, sizeof text, "Bitte in dieses Feld mindestens %d Zeichen eingeben.", kStadionTextMin);
        StadionAchtung(text);
        return false;
    }
    const Kapazitaet k = PruefeKapazitaet(tribuenen);
    if (k != Kapazitaet::Gueltig) {
        KapazitaetMelden(k);
        return false;
    }
    CStadion& s = kopie_;
    s.Name(name);
    s.Ort(ort);
    s.Flutlicht(GespeicherteFlagge(flutlicht, s.Flutlicht()));
    s.Rasenheizung(GespeicherteFlagge(rasenheizung, s.Rasenheizung()));
    s.AutoBahn(GespeicherteFlagge(autobahn, s.AutoBahn()));
    s.CityNaehe(GespeicherteFlagge(citylage, s.CityNaehe()));
    s.VereinsEigentum(GespeicherteFlagge(eigentum, s.VereinsEigentum()));
    s.FernsehTurm(GespeicherteFlagge(fernsehturm, s.FernsehTurm()));
    // The one "Laufbahn" box stands for the four entries: shown ticked when any
    // is set; entries that differ stay as stored until the box is changed.
    bool laufbahnVorher = false;
    for (int i = 0; i < CStadion::kTribuenen; ++i) laufbahnVorher = laufbahnVorher || s.LaufBahn(i) != 0;
    for (int i = 0; i < CStadion::kTribuenen; ++i) {
        const Tribuene& t = tribuenen[size_t(i)];
        s.Zustand(i, t.zustand);
        s.Dach(i, GespeicherteFlagge(t.dach, s.Dach(i)));
        if (!heizungGesperrt_) s.WaermeStrahler(i, t.heizung ? 1 : 0);
        s.Logen(i, t.Platz(Platzart::Logen));
        s.Sitzplaetze(i, t.Platz(Platzart::Sitz));
        s.Stehplaetze(i, t.Platz(Platzart::Steh));
        if (laufbahn != laufbahnVorher) s.LaufBahn(i, laufbahn ? 1 : 0);
    }
    s.HeimTribuene(heim);
    s.GaesteTribuene(gast);
    s.Anzeigetafel(tafel);
    s.LuxusKabinen(GespeicherteFlagge(luxuskabinen, s.LuxusKabinen()));
    s.SitzKissen(GespeicherteFlagge(sitzkissen, s.SitzKissen()));
    s.AusfahrSpielfeld(GespeicherteFlagge(ausfahrbar, s.AusfahrSpielfeld()));
    s.BeheizbareSitze(GespeicherteFlagge(beheizbareSitze, s.BeheizbareSitze()));
    s.Berge(GespeicherteFlagge(berge, s.Berge()));
    s.Burg(GespeicherteFlagge(burg, s.Burg()));
    s.Schloss(GespeicherteFlagge(schloss, s.Schloss()));
    return true;
}

}  // namespace v3
