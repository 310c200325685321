#pragma once
// The club editor's state: a working copy of one club, the values of its
// pages "Verein", "Allgemein" and "Vorsitzender" with their checks and the
// order in which each page writes into the copy, the amateur link between
// clubs of the country, the checks of OK, and the single-club file.
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "dataset/DataSet.h"
#include "records/Verein.h"

namespace v3 {

// Display texts of the graded values, index = stored value (UTF-8).
extern const std::array<const char*, 7> FanaufkommenTexte;
extern const std::array<const char*, 8> FanArtTexte;
extern const std::array<const char*, 4> HooligansTexte;
extern const std::array<const char*, 7> FinanzKraftTexte;
extern const std::array<const char*, 6> VorstandTexte;
extern const std::array<const char*, 7> OppositionTexte;
extern const std::array<const char*, 3> ArtikelTexte;

// The two sample phrases of SatzBau 0..3 around a club name (code page 1252).
std::array<std::string, 2> SatzBauPhrasen(int satzBau, const std::string& name);

// Identification of a single-club file (".ven").
inline constexpr int32_t kVereinsdateiID = 17373592;
// The crest file beside a single-club file: everything from the last ".ven"
// on replaced by ".bmp" (".bmp" appended when the name holds no ".ven").
std::filesystem::path VereinsdateiWappen(const std::filesystem::path& ven);

// Page values. Texts are code page 1252.
struct SeiteVerein {
    std::string name, fanbezeichnung;
    int punkte = 0, spiele = 0, tore = 0, gegentore = 0;
    int satzBau = 0;
};

struct SeiteAllgemein {
    std::string kuerzel, anfeuerung;
    int artikel = 0;
    bool pokal = false, medien = false, ag = false;
    int fanFreund = 0, erzRivale = 0;
    int fanaufkommen = 0, maxFan = 0, fanArt = 0, hooligans = 0, finanz = 0, guthaben = 0;
    std::array<int, 6> titel{};
    int gruendung = 1900;
    int regional = 2;
};

struct SeiteVorsitzender {
    std::string name, vorname;
    int tag = 1, monat = 1, jahr = 1950;
    int vorstand = 0, opposition = 0;
};

// One club of the country as the link combos list it.
struct VereinsEintrag {
    int nummer = 0;
    std::string name;
};

class CVereinsEditor {
public:
    enum Seite { kVerein = 0, kAllgemein, kTrikots, kWappen, kLandkarte, kVorsitzender };
    static constexpr int kGuthabenMin = -2000, kGuthabenMax = 1000;
    static constexpr int kTabelleMax = 10000;
    static constexpr int kGruendungMin = 1800, kGruendungMax = 2100;

    // verein: the club to edit (copied); vereine: the country's working club
    // list (names, amateur links); amateure: the country's count of amateur
    // departments.
    CVereinsEditor(const CVerein& verein, Liste<CVerein>& vereine, int amateure, int bonus, int land);

    CVerein& Kopie() { return *kopie_; }
    const CVerein& Kopie() const { return *kopie_; }
    // The edited copy, handed over after OK.
    std::unique_ptr<CVerein> GetVerein() { return std::move(kopie_); }
    int Land() const { return land_; }
    int Bonus() const { return bonus_; }
    int Amateure() const { return amateure_; }
    int MaxAmateurAbteilungen() const;
    // Mean strength of the squad in the two-decimal format.
    const std::string& StaerkeText() const { return staerkeText_; }

    // ---- pages: filled from the copy, checked and written back.
    SeiteVerein LadeVerein() const;
    // Lengths checked with "Bitte in dieses Feld mindestens %d Zeichen
    // eingeben."; false keeps the page.
    bool SpeichereVerein(const SeiteVerein& s);
    SeiteAllgemein LadeAllgemein() const;
    bool SpeichereAllgemein(const SeiteAllgemein& s);
    SeiteVorsitzender LadeVorsitzender() const;
    bool SpeichereVorsitzender(const SeiteVorsitzender& s);
    // Day, month and year brought to a calendar date.
    static void DatumNormalisieren(SeiteVorsitzender& s);
    int JahrMin() const;
    int JahrMax() const;

    // The other clubs with a name (for the fan friend and rival combos).
    std::vector<VereinsEintrag> AndereVereine() const;

    // ---- the amateur link. The combo's state: whether it lists parents
    // ("Amateurabteilung von") or shows the club's own amateur department
    // ("Profiabteilung von", disabled), and whether it can be changed.
    bool IstProfiabteilung() const;
    bool AmateurComboAktiv() const;
    std::string AmateurLabel() const;  // UTF-8
    // The club's link as it stands (club number, 0 none).
    int AmateurLink() const { return kopie_->Amateurabteilung(); }
    // A parent chosen in the combo. Every check runs before anything changes;
    // a refused choice leaves the link as it was. Returns the link after it.
    int AmateurWahl(int neu);

    // ---- OK: the current page written (seiteOk), then the checks in their
    // order. True when the editor may close; the changes to other clubs of
    // the country (amateur links) are then applied to the working list.
    bool Ok(bool seiteOk);

    // ---- the single-club file. Speichern writes the copy and its stadium
    // with the editor's crest file copied beside it; Einlesen reads a club
    // into the copy's place (messages as shown to the user). False changes
    // nothing.
    bool VereinSpeichern(const std::filesystem::path& ven, const std::filesystem::path& wappen);
    bool VereinEinlesen(const std::filesystem::path& ven, const std::filesystem::path& wappen);

private:
    // Amateur and professional department of club nummer as they stand with
    // this editor's pending changes.
    int Amateur(int nummer) const;
    int Profi(int nummer) const;
    const CVerein* Verein(int nummer) const;
    int LigaStufe(int nummer) const;
    void StaerkeBerechnen();

    std::unique_ptr<CVerein> kopie_;
    Liste<CVerein>& vereine_;
    int amateure_;
    int bonus_;
    int land_;
    std::string staerkeText_;
    // Pending changes to other clubs: club number -> new value.
    std::map<int, int> amateurNeu_, profiNeu_;
};

}  // namespace v3
