#pragma once
// One country of the data set with everything that belongs to it: its clubs
// (each with stadium and squad), its leagues, its amateur clubs, the national
// coach, the association president and the country's pools of youth players,
// coaches, goalkeeper coaches, managers, referees, sponsors, celebrities,
// reporters and critics. The country owns all of them.
//
// A main country (index 0..10) is stored in a country file of its own plus one
// file per league; the further European countries (11..36) share one file in a
// shorter form. The country being processed is App().AktuellesLand, set by the
// caller.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/AmateurJugendSpieler.h"
#include "records/Kritiker.h"
#include "records/Liga.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Sponsor.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/V3Object.h"
#include "records/VerbandsPraesident.h"

namespace v3 {

class CAmateurVerein;
class CV3File;
class CVerein;

class CLand : public CV3Object {
public:
    template <class T>
    using Owned = std::vector<std::unique_ptr<T>>;

    // Highest club count a country file may name: club numbers are kept in 8 bits.
    static constexpr int kMaxVereine = 255;
    // Name of the national cup of a new country.
    static constexpr const char* kDefaultPokalName = "LurchPokal";

    // A new country of the current country App().AktuellesLand: no clubs, no
    // leagues, empty pools; a new national coach, as many new amateur clubs as
    // the country's table gives, a new association president.
    CLand();
    ~CLand() override;
    CLand(const CLand&) = delete;
    CLand& operator=(const CLand&) = delete;

    // Leagues in file order; after a read the extra league of the clubs that
    // stand in no league follows them (for country 0 from 2000 on it stands at
    // position 4).
    Owned<CLiga>& Ligen() { return ligen_; }
    const Owned<CLiga>& Ligen() const { return ligen_; }

    // Number of leagues and of clubs as stored in the country file.
    int LeagueCount() const { return leagueCount_; }
    bool LeagueCount(int v);  // 0..kMaxLigen
    int ClubCount() const { return clubCount_; }
    bool ClubCount(int v);  // 0..kMaxVereine

    // Stored and copied unchanged.
    int32_t LandReserve1() const { return reserve1_; }
    bool LandReserve1(int32_t v) { reserve1_ = v; return true; }
    int32_t LandReserve2() const { return reserve2_; }
    bool LandReserve2(int32_t v) { reserve2_ = v; return true; }
    int32_t LandReserve3() const { return reserve3_; }
    bool LandReserve3(int32_t v) { reserve3_ = v; return true; }

    // Country index 0..37; -1 until the country is read or created.
    int CountryIndex() const { return countryIndex_; }
    bool CountryIndex(int v);  // 0..37

    // The clubs; a club's VereinsNummer is its 1-based position.
    Owned<CVerein>& VereinsListe() { return vereinsListe_; }
    const Owned<CVerein>& VereinsListe() const { return vereinsListe_; }
    // Puts another club list in place of the current one and hands the old
    // list back to the caller, who decides what becomes of its clubs.
    Owned<CVerein> VereinsListe(Owned<CVerein> liste);
    // The club whose VereinsNummer is vereinsNummer; null when there is none.
    CVerein* VereinMitNummer(int vereinsNummer);
    const CVerein* VereinMitNummer(int vereinsNummer) const;

    // The national coach.
    CTrainerUndCo& NationalCoach() { return nationalTrainer_; }
    const CTrainerUndCo& NationalCoach() const { return nationalTrainer_; }
    const std::string& TrainerNachname() const { return nationalTrainer_.Nachname(); }
    const std::string& TrainerVorname() const { return nationalTrainer_.Vorname(); }

    Owned<CAmateurVerein>& AmateurVereine() { return amateurVereine_; }
    const Owned<CAmateurVerein>& AmateurVereine() const { return amateurVereine_; }

    CVerbandsPraesident& VerbandsPraesident() { return praesident_; }
    const CVerbandsPraesident& VerbandsPraesident() const { return praesident_; }

    // The pools of the country.
    Owned<CAmateurJugendSpieler>& YouthPlayers() { return jugend_; }
    const Owned<CAmateurJugendSpieler>& YouthPlayers() const { return jugend_; }
    Owned<CTrainerUndCo>& Coaches() { return trainer_; }
    const Owned<CTrainerUndCo>& Coaches() const { return trainer_; }
    Owned<CTWTrainer>& GoalkeeperCoaches() { return twTrainer_; }
    const Owned<CTWTrainer>& GoalkeeperCoaches() const { return twTrainer_; }
    Owned<CManager>& Managers() { return manager_; }
    const Owned<CManager>& Managers() const { return manager_; }
    Owned<CNSchiri>& Referees() { return schiris_; }
    const Owned<CNSchiri>& Referees() const { return schiris_; }
    Owned<CSponsor>& Sponsors() { return sponsoren_; }
    const Owned<CSponsor>& Sponsors() const { return sponsoren_; }
    Owned<CPromi>& Celebrities() { return promis_; }
    const Owned<CPromi>& Celebrities() const { return promis_; }
    Owned<CReporter>& Reporters() { return reporter_; }
    const Owned<CReporter>& Reporters() const { return reporter_; }
    Owned<CKritiker>& Critics() { return kritiker_; }
    const Owned<CKritiker>& Critics() const { return kritiker_; }

    // Name of the national cup; empty text is refused.
    const std::string& PokalName() const { return pokalName_; }
    bool PokalName(const std::string& text);
    // 0 an ordinary country, 1 the country that lends its national team to the
    // bonus country, 2 the bonus country.
    int BonusLand() const { return bonusLand_; }
    bool BonusLand(int v);  // 0..2
    // Bonus-country settings: yellow-card suspension, league size, relegated clubs.
    int GelbSperre() const { return gelbSperre_; }
    int LigaGroesse() const { return ligaGroesse_; }
    int Absteiger() const { return absteiger_; }
    // Super cup games and cup mode, 1..2 each (-1 until set).
    int SuperCup() const { return superCup_; }
    bool SuperCup(int v);
    int Pokal() const { return pokal_; }
    bool Pokal(int v);
    // Predefined bonus nation 0..8, or -1 for the user's own map and crest.
    int BonusPredefined() const { return bonusPredefined_; }
    bool BonusPredefined(int v);  // -1..8

    // A main country's country file and league files in `directory` (a stored
    // directory such as "\DATA.V3\"), for country index CountryIndex() 0..10.
    // A file that cannot be opened is reported ("Konnte Länderdatei nicht
    // speichern!") and gives false, as does a file whose lines did not all
    // reach the disk.
    bool SpeichernV3Localized(int sprache, const std::string& directory);
    // Reads the main country App().AktuellesLand (0..10) from `directory`.
    // Failed paths and messages are collected into a report (UTF-8, one line
    // each); when it is not empty it is shown ("Konnte Datei nicht öffnen!",
    // "Lesefehler"), appended to *report when given, and the result is false.
    // A club count outside 0..kMaxVereine is refused: no club is read and the
    // country file counts as failed. For country 0 surplus clubs beyond the
    // country's club table are dropped and the rest renumbered (links kept).
    bool LadenV3Localized(int sprache, const std::string& directory, std::string* report = nullptr);

    // A further European country's part of the shared file that the caller has
    // opened: the file identification when nothing is written yet, then a
    // "LAND" section with the clubs and the national coach.
    bool SpeichernV3LocalizedEuro(CV3File& file, int sprache);
    // Reads it back: the country's table count of clubs, the national coach,
    // and one league of all clubs. The identification is checked when the
    // file is read from its start; a mismatch is shown ("Fehler!") and gives false.
    bool LadenV3LocalizedEuro(CV3File& file, int sprache);

    // Picks the national squad among the country's players (22 places by
    // main position, strongest first; on equal strength the first found
    // keeps his place) and marks exactly those with the national-squad bit.
    bool CreateNationalTeam();

    // Merges the predecessor's data of this country (App().AktuellesLand; only
    // the countries 0..4 have any, every other country returns true at once)
    // from the country's predecessor files in "\DATA.VER\": the clubs with
    // stadiums and squads, the amateur clubs, the national coach and the pools.
    // wappenKarte gets, for each club position that took a predecessor club,
    // the predecessor's club number (0 where none), which the crest copy uses.
    // A file that cannot be opened or a record that cannot be read is shown
    // ("Kann Datei %s nicht öffnen!", "Datenfehler in der Datei %s!") and gives
    // false, leaving the country partly merged.
    bool MergeV2Daten(std::vector<uint8_t>& wappenKarte);

    // ---- the bonus country (index 37); the rules around it belong to the data set

    // Fills this new country as the bonus country of `nation`: BonusLand 2,
    // the given settings, as many clubs, pools and leagues as the bonus slot of
    // the per-country tables says (set up before), its players' attributes,
    // shirt numbers and national squad (only without a lender); its crests are
    // the data set's (CreateBonusWappen). With a
    // lender (the country whose national team it takes over) the k-th club,
    // youth player and staff record copy the lender's. Returns true.
    bool CreateBonusLandFrom(const CLand* leiher, int land, int nation, int haarfarbe, int hautfarbe,
                             int gelbSperre, int ligaGroesse, int superCup, int pokal, int absteiger,
                             int wappenWahl);
    // Gives every player of the country not yet marked as loaded a main
    // position by the squad's position quotas and abilities, properties and
    // character traits by country-wide quotas, then marks him as loaded.
    void SpielerEigenschaftenVerteilen();
    // The "BONUSLAND" section in the open "Bonus1.sav": the settings, the
    // country index and nation, the map and crest files, then the country's
    // values as in a main country's file, and its league files in `directory`
    // (row 11 of the league files) before the section's end.
    bool SpeichernV3LocalizedBonus(CV3File& file, int sprache, const std::string& directory);
    // Reads it back for the country App().AktuellesLand (37). Once the nation
    // and league size are read, slotEinrichten(nation, ligaGroesse) sets the
    // bonus slot up again (nation, lender, pool sizes, name and crest code: the
    // data set's business), before the pools are read with the slot's sizes. A
    // section that is missing or names another slot or no national team, and
    // league files that cannot be read, are reported ("Lesefehler") and give false.
    using BonusSlotSetup = std::function<void(int nation, int ligaGroesse)>;
    bool LadenV3LocalizedBonus(CV3File& file, int sprache, const std::string& directory,
                               const BonusSlotSetup& slotEinrichten);

    using CV3Object::LadenV3Localized;
    using CV3Object::SpeichernV3Localized;

private:
    // The country file's values after the counts (clubs in VereinsNummer
    // order, amateur clubs, national coach, pools, president).
    bool WriteBody(CV3File& file, int sprache);
    // Reads them back; false when the club count had to be refused.
    bool ReadClubs(CV3File& file, int sprache, int count);
    void ReadBody(CV3File& file, int sprache);
    // Writes the league files of table row `row` for the leagues of this country.
    bool WriteLeagueFiles(int sprache, const std::string& directory, int row);
    // Reads `count` league files of table row `row`; stops at the first one
    // that cannot be opened or has a wrong identification.
    void ReadLeagueFiles(int sprache, const std::string& directory, int row, int count, std::string& report);
    // Appends the league of every club that stands in none of the first
    // `playing` leagues.
    void BuildExtraLeague(int playing);
    // Drops clubs of the extra league (highest number first) while the country
    // holds more clubs than its table allows, keeping every link on its club.
    void RemoveSurplusClubs();
    void RemoveClub(int nummer);
    // Gives the clubs the numbers 1..N in list order and sets the club count.
    void RenumberClubs();
    // Brings the amateur-club list to the country's table count.
    void ResizeAmateurClubs(int land);
    void ClearContents();

    Owned<CLiga> ligen_;
    int32_t leagueCount_ = 0;
    int32_t clubCount_ = 0;
    int32_t reserve1_ = 0;
    int32_t reserve2_ = 0;
    int32_t reserve3_ = 0;
    int32_t countryIndex_ = -1;
    Owned<CVerein> vereinsListe_;
    // Placeholder texts and values every country carries; not stored.
    std::string spareText1_;
    std::string spareText2_;
    [[maybe_unused]] int32_t spareValue1_ = -1;
    [[maybe_unused]] int32_t spareValue2_ = -1;
    [[maybe_unused]] int32_t spareValue3_ = -1;
    CTrainerUndCo nationalTrainer_;
    Owned<CAmateurVerein> amateurVereine_;
    CVerbandsPraesident praesident_;
    std::string pokalName_ = kDefaultPokalName;
    int32_t bonusLand_ = 0;
    int32_t gelbSperre_ = -1;
    int32_t ligaGroesse_ = -1;
    int32_t absteiger_ = -1;
    int32_t superCup_ = -1;
    int32_t pokal_ = -1;
    int32_t bonusPredefined_ = -1;

    Owned<CAmateurJugendSpieler> jugend_;
    Owned<CTrainerUndCo> trainer_;
    Owned<CTWTrainer> twTrainer_;
    Owned<CManager> manager_;
    Owned<CNSchiri> schiris_;
    Owned<CSponsor> sponsoren_;
    Owned<CPromi> promis_;
    Owned<CReporter> reporter_;
    Owned<CKritiker> kritiker_;
};

}  // namespace v3
