#pragma once
// One professional club of a country: names and texts, coach and manager, two
// kit sets, fans, finances, president, honours, map position, its stadium and
// its squad. Written as a "VEREIN" section (the squad's "SPIELER" sections
// inside it); the owning country writes the stadium's section right after it.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "records/Datum.h"
#include "records/Manager.h"
#include "records/Spieler.h"
#include "records/Stadion.h"
#include "records/TrainerUndCo.h"
#include "records/Trikotsatz.h"
#include "records/V3Object.h"

namespace v3 {

class CAVerein;
class CV3File;

class CVerein : public CV3Object {
public:
    // A squad, owned, in list order.
    using Kader = std::vector<std::unique_ptr<CSpieler>>;
    // A squad read from a file may hold at most this many players.
    static constexpr int kMaxSpieler = 35;
    static constexpr int kReserviertBlockAnzahl = 6;
    // Liga() of a new club: in no league.
    static constexpr int kKeineLiga = 255;

    // A new club with club number vereinsNummer (stored as 8 bits: -1 becomes
    // 255) of the current country App().AktuellesLand. The embedded coach and
    // manager are made first, then the placeholder names "VE%0.6d" (Name),
    // "NA%0.6d" (Fanbezeichnung, Anfeuerung), a president born 70..31 years
    // before App().Saisonstartjahr with placeholder names, and a founding date
    // in 1801..1999, all drawn from App().random. No stadium, empty squad.
    explicit CVerein(int vereinsNummer);
    // Copies are deep: the copy owns copies of the stadium and of every player.
    CVerein(const CVerein& other);
    CVerein& operator=(const CVerein& other);
    CVerein(CVerein&&) noexcept = default;
    CVerein& operator=(CVerein&&) noexcept = default;
    // Destroys the squad and the stadium; an empty entry of the squad list is
    // reported ("Verein %s Null Spieler. ListCount = %d !") and skipped.
    ~CVerein() override;

    // Copies every field; the squad and the stadium are deep-copied.
    void CopyDataFrom(const CVerein& other);
    // Same values in every field, the in-memory ones included; stadium and
    // squad are compared by value (players as CSpieler::operator== does).
    bool operator==(const CVerein& other) const;

    // Texts. Every text setter also refuses text holding a line break, which
    // would split the stored line.
    const std::string& Name() const { return w_.name; }
    bool Name(const std::string& text);  // 3..19 characters
    const std::string& Fanbezeichnung() const { return w_.fanbezeichnung; }
    bool Fanbezeichnung(const std::string& text);  // fewer than 50 characters
    const std::string& Anfeuerung() const { return w_.anfeuerung; }
    bool Anfeuerung(const std::string& text);  // fewer than 50 characters
    const std::string& Kuerzel() const { return w_.kuerzel; }
    bool Kuerzel(const std::string& text);  // at most 3 characters
    // 2..28 characters, else the record's error text (SetError) names the fault.
    const std::string& Praesidentname() const { return w_.praesidentname; }
    bool Praesidentname(const std::string& text);
    const std::string& PraesidentVorname() const { return w_.praesidentVorname; }
    bool PraesidentVorname(const std::string& text);

    int Artikel() const { return w_.artikel; }
    bool Artikel(int v);  // 0..2
    // The phrase that leads the name in sentences, 0..3.
    int SatzBau() const { return w_.satzBau; }
    bool SatzBau(int v);

    // Coach and manager: copies of the embedded records; the setters assign them.
    CTrainerUndCo Trainer() const { return w_.trainer; }
    bool Trainer(const CTrainerUndCo& record);
    CManager Manager() const { return w_.manager; }
    bool Manager(const CManager& record);
    const std::string& Trainername() const { return w_.trainer.Nachname(); }
    const std::string& TrainerVorname() const { return w_.trainer.Vorname(); }
    int KompTrainer() const { return w_.trainer.Kompetenz(); }
    int RufTrainer() const { return w_.trainer.Ruf(); }
    int TrainerAlter() const { return w_.trainer.Alter(); }
    const std::string& Managername() const { return w_.manager.Nachname(); }
    const std::string& ManagerVorname() const { return w_.manager.Vorname(); }
    int KompManager() const { return w_.manager.Kompetenz(); }
    int ManagerAlter() const { return w_.manager.Alter(); }

    // Kit set 0 (home) or 1 (away). The setter refuses another set number and a
    // set that is not Packable (the file could not hold it unchanged).
    const TRIKOTSATZ& TrikotSatz(int set) const { return w_.kits[set == 1 ? 1 : 0]; }
    bool TrikotSatz(int set, const TRIKOTSATZ& kit);

    int32_t Guthaben() const { return w_.guthaben; }
    bool Guthaben(int32_t v);  // any value; the editor limits it to -2000..1000
    int Fanaufkommen() const { return w_.fanaufkommen; }
    bool Fanaufkommen(int v);  // 0..7
    int FanArt() const { return w_.fanArt; }
    bool FanArt(int v);  // 0..8
    // Club numbers of the befriended club and of the arch rival, 0 = none.
    int FanFreundschaft() const { return w_.fanFreundschaft; }
    bool FanFreundschaft(int v);  // 0..255
    int ErzRivale() const { return w_.erzRivale; }
    bool ErzRivale(int v);  // 0..255
    int Vorstand() const { return w_.vorstand; }
    bool Vorstand(int v);  // 0..5
    int Pokalmannschaft() const { return w_.pokalmannschaft; }
    bool Pokalmannschaft(int v);  // 0..1

    // Stored without checks.
    int32_t Status() const { return w_.status; }
    bool Status(int32_t v);
    int32_t XKoord() const { return w_.xKoord; }
    bool XKoord(int32_t v);
    int32_t YKoord() const { return w_.yKoord; }
    bool YKoord(int32_t v);
    // League index; not stored. 255 for a new club, 127 set by the club
    // selection for a club in none; any value not below the country's number
    // of leagues means none.
    int Liga() const { return w_.liga; }
    bool Liga(int v);  // low 8 bits kept
    // Average strength of the squad, computed by the caller, not stored.
    float Staerke() const { return w_.staerke; }
    bool Staerke(float v);
    // An in-memory mark, cleared for a new club, copied, never stored.
    int Mark() const { return w_.mark; }
    bool Mark(int v);  // low 8 bits kept

    int32_t Reserviert5() const { return w_.reserviert5; }
    bool Reserviert5(int32_t v);
    int32_t ReserviertBlock(int i) const;  // i 0..5, else 0
    bool ReserviertBlock(int i, int32_t v);

    int Opposition() const { return w_.opposition; }
    bool Opposition(int v);  // 0..6

    // Club number of the professional club whose amateur department this club
    // is, 0 = none. The club count of the current country is given by the
    // caller (the country's club list, or the editor's working list): n is
    // stored when it lies in 0..vereinsAnzahl; the club's own number is refused
    // with the error text "Der Profiverein ist mit dem Amateurverein
    // identisch!", any other value with "Falsches Argument.
    // Entwicklungsabteilung kontakten.". Becoming an amateur department clears
    // AktienGesellschaft.
    int Amateurabteilung() const { return w_.amateurabteilung; }
    bool Amateurabteilung(int n, int vereinsAnzahl);
    // Club number of the linked professional department: 0..vereinsAnzahl.
    int Profiabteilung() const { return w_.profiabteilung; }
    bool Profiabteilung(int n, int vereinsAnzahl);

    int FinanzKraft() const { return w_.finanzKraft; }
    bool FinanzKraft(int v);  // 0..7
    int MaxFanAufkommen() const { return w_.maxFanAufkommen; }
    bool MaxFanAufkommen(int v);  // 0..7
    int Hooligans() const { return w_.hooligans; }
    bool Hooligans(int v);  // 0..3
    int Medienstadt() const { return w_.medienstadt; }
    bool Medienstadt(int v);  // 0..1

    // All-time first-division table; any value.
    int32_t ErzielteTore() const { return w_.erzielteTore; }
    bool ErzielteTore(int32_t v);
    int32_t KassierteTore() const { return w_.kassierteTore; }
    bool KassierteTore(int32_t v);
    int32_t Spiele() const { return w_.spiele; }
    bool Spiele(int32_t v);
    int32_t Punkte() const { return w_.punkte; }
    bool Punkte(int32_t v);

    const CDatum& PraesidentDatum() const { return w_.praesidentDatum; }
    bool PraesidentDatum(const CDatum& date);
    const CDatum& GruendungsDatum() const { return w_.gruendungsDatum; }
    // Rebuilt from the date's day, month and year; refused, unchanged, for a
    // date the calendar cannot hold.
    bool GruendungsDatum(const CDatum& date);

    // 0..1; refused as 1 while the club is an amateur department
    // (Amateurabteilung not 0), where it is always 0.
    int AktienGesellschaft() const { return w_.aktienGesellschaft; }
    bool AktienGesellschaft(int v);

    // Honours, 0..99 each.
    int MeisterTitel() const { return w_.meisterTitel; }
    bool MeisterTitel(int v);
    int PokalSiege() const { return w_.pokalSiege; }
    bool PokalSiege(int v);
    int LigapokalSiege() const { return w_.ligapokalSiege; }
    bool LigapokalSiege(int v);
    int UEFASiege() const { return w_.uefaSiege; }
    bool UEFASiege(int v);
    int ChampionsLeagueSiege() const { return w_.championsLeagueSiege; }
    bool ChampionsLeagueSiege(int v);
    int WeltpokalSiege() const { return w_.weltpokalSiege; }
    bool WeltpokalSiege(int v);

    // Regional league from 2000 on: only 2 ("Nord") or 5 ("Süd").
    int RegionalLiga() const { return w_.regionalLiga; }
    bool RegionalLiga(int v);

    // Index of the owning country and club number (1-based position in the
    // country's club list); set by the country after reading. 0..255.
    int LandNr() const { return w_.landNr; }
    bool LandNr(int v);
    int VereinsNummer() const { return w_.vereinsNummer; }
    bool VereinsNummer(int v);

    // The stadium, owned; null when the club has none.
    CStadion* Stadion() { return stadion_.get(); }
    const CStadion* Stadion() const { return stadion_.get(); }
    bool Stadion(std::unique_ptr<CStadion> stadion);

    // The squad, owned, in list order.
    Kader& SpielerListe() { return spielerListe_; }
    const Kader& SpielerListe() const { return spielerListe_; }
    // Replaces the squad; the old players are destroyed.
    bool SpielerListe(Kader liste);

    // The lowest shirt number 1..98 that no player of the squad wears; 99 when
    // all of them are taken.
    int SucheFreieRueckenNummer() const;

    // Gives shirt numbers to a squad: seeds App().random from the current time;
    // a number stays with its first wearer (positions 1..10 in turn, each in
    // list order) and later wearers lose it; then per position, strongest
    // first, the position's three preferred numbers are handed out, and every
    // player still without a number gets the first free number from a random
    // start in 1..40. Empty entries are skipped.
    static void RueckenNrEinstellen(std::span<CSpieler* const> liste);
    static void RueckenNrEinstellen(Kader& liste);

    // Fills a club of the bonus country: a copy of the lender's club (squad
    // included) or, without one, a squad of 24 new players; every player gets
    // the nation and the prevailing hair and skin colour, each colour replaced
    // by a random one with a chance of 2 in 100. Returns true.
    bool CreateBonusVereinFrom(const CVerein* leihVerein, int nation, int haarfarbe, int hautfarbe);

    // The "VEREIN" section with the squad's "SPIELER" sections inside it. The
    // writer trims Name, Kuerzel, Anfeuerung and Fanbezeichnung first (the
    // record keeps the trimmed texts), clears AktienGesellschaft of an amateur
    // department, and returns false when a line could not be written.
    bool SpeichernV3Localized(CV3File& file, int sprache);
    // Reads the section: values as read, then hooped socks in the shorts'
    // colour get the next colour, AktienGesellschaft of an amateur department
    // becomes 0, and the squad is replaced by the players read (none, with the
    // message "Es sind zu viele Spieler im Verein!", when the file names more
    // than kMaxSpieler). The leading nation number is not kept: the caller sets
    // LandNr and VereinsNummer. False, with the club unchanged, when the file
    // holds no such section.
    bool LadenV3Localized(CV3File& file, int sprache);

    // The import of the predecessor's data. MergeV2Daten reads the
    // predecessor's club record and its players from the country file: the
    // club takes the club's values (ConvertAVerein), the predecessor's players
    // take the places of the squad in order (each keeping what only this
    // program knows of him, CSpieler::MergeV2Daten), further players are new
    // ones with looks and free shirt numbers, players beyond the predecessor's
    // squad leave it; then LandNr = land and Liga = liga. False, with the club
    // unchanged, when the record is not complete.
    bool MergeV2Daten(CV3File& file, int land, int liga);
    // Takes the values of a predecessor club: texts cut to the lengths of our
    // fields, coach and manager (ages from their birth dates), the kits the
    // record holds (a kit with a colour out of range keeps ours), fans,
    // finances, president, dates and honours. Refused values keep ours.
    void ConvertAVerein(const CAVerein& alt);
    // Gives the club a squad of 24 new players (the scratch club that takes a
    // predecessor club which finds no place).
    void LadenV3Convert();
    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    // Every value of the club but its stadium and squad, in the order the
    // club keeps them; copied and compared as a whole.
    struct Werte {
        std::string name;
        std::string fanbezeichnung;
        int32_t artikel = 2;
        int32_t satzBau = 3;
        std::string kuerzel = "KRZ";
        std::string anfeuerung;
        CTrainerUndCo trainer;
        CManager manager;
        std::array<TRIKOTSATZ, 2> kits{};
        int32_t guthaben = 10;
        uint8_t fanaufkommen = 3;
        uint8_t fanArt = 0;
        uint8_t fanFreundschaft = 0;
        uint8_t erzRivale = 0;
        uint8_t vorstand = 3;
        int32_t pokalmannschaft = 0;
        int32_t status = 0;
        int32_t yKoord = 0;
        int32_t xKoord = 0;
        uint8_t mark = 0;
        uint8_t liga = kKeineLiga;
        float staerke = 0.0f;
        int32_t reserviert5 = 0;
        int32_t opposition = 0;
        int32_t amateurabteilung = 0;
        int32_t profiabteilung = 0;
        int32_t finanzKraft = 0;
        int32_t maxFanAufkommen = 0;
        int32_t hooligans = 0;
        uint8_t medienstadt = 0;
        int32_t erzielteTore = 0;
        int32_t kassierteTore = 0;
        int32_t spiele = 0;
        int32_t punkte = 0;
        CDatum praesidentDatum;
        std::string praesidentname;
        std::string praesidentVorname;
        int32_t aktienGesellschaft = 0;
        int32_t meisterTitel = 0;
        int32_t pokalSiege = 0;
        int32_t ligapokalSiege = 0;
        int32_t uefaSiege = 0;
        int32_t championsLeagueSiege = 0;
        int32_t weltpokalSiege = 0;
        int32_t regionalLiga = 2;
        CDatum gruendungsDatum;
        std::array<int32_t, kReserviertBlockAnzahl> reserviertBlock{};
        uint8_t landNr = 0;
        uint8_t vereinsNummer = 0;
        bool operator==(const Werte&) const = default;
    };

    // Replaces the squad by the given one; empty entries of the old one are reported.
    void ReplaceSquad(Kader neu);

    Werte w_;
    std::unique_ptr<CStadion> stadion_;
    Kader spielerListe_;
};

}  // namespace v3
