#include "records/Land.h"

#include <algorithm>
#include <array>

#include "base/AppState.h"
#include "base/CountryTables.h"
#include "base/Layout.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/ReadCount.h"
#include "records/RecordText.h"
#include "records/Stadion.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr const char* kSaveFailed = "Konnte Länderdatei nicht speichern!";
constexpr const char* kLesefehler = "Lesefehler";

// Record counts of a country index; an index outside the table counts as a further country.
CountryCounts CountsOf(int land) {
    if (land >= 0 && land < kLaenderSlots) return App().countryCounts[size_t(land)];
    return FixedCountryCounts(land);
}

CLand::Owned<CAmateurVerein> NewAmateurClubs(int land) {
    CLand::Owned<CAmateurVerein> clubs;
    const int n = std::max(0, CountsOf(land).amateurClubs);
    for (int i = 0; i < n; ++i) clubs.push_back(std::make_unique<CAmateurVerein>());
    return clubs;
}

std::string FileIdMessage(const std::string& path) {
    return "VOLTARO 3-FileID nicht gefunden. Datei " + Cp1252ToUtf8(path) + ".";
}

// Reads the identification line; true when it is the data set's.
bool CheckFileId(CV3File& file) {
    int32_t id = 0;
    file.GetID(id);
    App().GeleseneFileID = id;
    return id == kFileID;
}

bool OpenForWriting(CV3File& file, const std::string& path) {
    MakeWritable(HostPath(path));  // a missing file is fine: it is created
    return file.Open(path, CV3File::modeWrite | CV3File::modeCreate) != 0;
}

void ShowSaveFailed() {
    App().ui->MessageBox(kSaveFailed, kLesefehler, MsgButtons::Ok, MsgIcon::Stop);
}

// A pool section: the section, then each record's own section.
template <class T>
bool WritePool(CV3File& file, const char* section, CLand::Owned<T>& pool, int sprache) {
    bool ok = file.NewSection(section);
    for (auto& record : pool)
        if (record) ok = record->SpeichernV3Localized(file, sprache) && ok;
    return file.EndSection(1) && ok;
}

// Reads `count` new records of a pool section. Without the section the
// records keep the values they were made with.
template <class T>
void ReadPool(CV3File& file, const char* section, int count, CLand::Owned<T>& pool, int sprache) {
    const bool found = file.FindSection(section);
    for (int i = 0; i < count; ++i) {
        auto record = std::make_unique<T>();
        if (found) record->LadenV3Localized(file, sprache);
        pool.push_back(std::move(record));
    }
    if (found) file.EndSection(1);
}

// The club list ordered by club number; clubs of equal number keep their list order.
std::vector<CVerein*> ClubsByNumber(CLand::Owned<CVerein>& clubs) {
    std::vector<CVerein*> order;
    for (auto& c : clubs)
        if (c) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const CVerein* a, const CVerein* b) { return a->VereinsNummer() < b->VereinsNummer(); });
    return order;
}

// A club's "VEREIN" section and its stadium's "STADION" section. A club
// without a stadium gets a new stadium's section, so that the file keeps one
// stadium after every club.
bool WriteClub(CV3File& file, CVerein& club, int sprache) {
    bool ok = club.SpeichernV3Localized(file, sprache);
    if (CStadion* stadion = club.Stadion()) {
        ok = stadion->SpeichernV3Localized(file, sprache) && ok;
    } else {
        CStadion neu;
        ok = neu.SpeichernV3Localized(file, sprache) && ok;
    }
    return ok;
}

// A club-number link after club `removed` has gone: numbers above it move
// down by one, a link to the removed club itself becomes 0 (none).
int LinkAfterRemoval(int link, int removed) {
    if (link == removed) return 0;
    return link > removed ? link - 1 : link;
}

// Slots of the national squad by main position 1..10: first slot and count.
constexpr std::array<std::pair<int, int>, 11> kKaderSlots = {{
    {0, 0}, {0, 2}, {2, 2}, {4, 4}, {8, 1}, {9, 1}, {10, 2}, {12, 2}, {14, 2}, {16, 2}, {18, 4},
}};
constexpr int kKaderPlaetze = 22;

}  // namespace

CLand::CLand()
    : CV3Object("CLand"),
      spareText1_(Platzhalter("NA")),
      spareText2_(Platzhalter("NA")),
      amateurVereine_(NewAmateurClubs(App().AktuellesLand)) {}

CLand::~CLand() = default;

bool CLand::LeagueCount(int v) {
    if (v < 0 || v > kMaxLigen) return false;
    leagueCount_ = v;
    return true;
}

bool CLand::ClubCount(int v) {
    if (v < 0 || v > kMaxVereine) return false;
    clubCount_ = v;
    return true;
}

bool CLand::CountryIndex(int v) {
    if (v < 0 || v >= kLaenderSlots) return false;
    countryIndex_ = v;
    return true;
}

CLand::Owned<CVerein> CLand::VereinsListe(Owned<CVerein> liste) {
    Owned<CVerein> alt = std::move(vereinsListe_);
    vereinsListe_ = std::move(liste);
    return alt;
}

CVerein* CLand::VereinMitNummer(int vereinsNummer) {
    for (auto& c : vereinsListe_)
        if (c && c->VereinsNummer() == vereinsNummer) return c.get();
    return nullptr;
}

const CVerein* CLand::VereinMitNummer(int vereinsNummer) const {
    for (const auto& c : vereinsListe_)
        if (c && c->VereinsNummer() == vereinsNummer) return c.get();
    return nullptr;
}

bool CLand::PokalName(const std::string& text) {
    return !text.empty() && SetRecordText(pokalName_, text);
}

bool CLand::BonusLand(int v) {
    if (v < 0 || v > 2) return false;
    bonusLand_ = v;
    return true;
}

bool CLand::SuperCup(int v) {
    if (v < 1 || v > 2) return false;
    superCup_ = v;
    return true;
}

bool CLand::Pokal(int v) {
    if (v < 1 || v > 2) return false;
    pokal_ = v;
    return true;
}

bool CLand::BonusPredefined(int v) {
    if (v < -1 || v > 8) return false;
    bonusPredefined_ = v;
    return true;
}

// ---------------------------------------------------------------- writing

bool CLand::SpeichernV3Localized(int sprache, const std::string& directory) {
    const int land = countryIndex_;
    if (land < 0 || land >= kHauptlaender) {
        ShowSaveFailed();
        return false;
    }
    const std::string path = DatenPfad(directory, LandDatei[size_t(land)]);
    CV3File file;
    if (!OpenForWriting(file, path)) {
        ShowSaveFailed();
        return false;
    }
    App().GeleseneFileID = kFileID;
    bool ok = file.PutID(kFileID);
    ok = file.NewSection("LAND") && ok;
    ok = file.PutStr(pokalName_) && ok;

    // The league list holds the leagues and the extra league.
    const int64_t listed = int64_t(ligen_.size());
    if (listed != int64_t(leagueCount_) + 1) {
        const int table = App().LigaAnzahl[size_t(land)];
        if (listed != int64_t(table) + 1)
            App().ui->MessageBox("Upps. Liga Problem. Programmierer fragen", kProgrammTitel, MsgButtons::Ok,
                                 MsgIcon::Warning);
        leagueCount_ = table;
    }
    clubCount_ = int32_t(vereinsListe_.size());
    ok = file.PutInt(leagueCount_) && ok;
    ok = file.PutInt(clubCount_) && ok;
    ok = file.PutInt(reserve1_) && ok;
    ok = file.PutInt(reserve2_) && ok;
    ok = file.PutInt(reserve3_) && ok;
    ok = WriteBody(file, sprache) && ok;
    ok = file.EndSection(1) && ok;
    ok = file.Close() && ok;
    if (!ok) return false;
    return WriteLeagueFiles(sprache, directory, land);
}

bool CLand::WriteBody(CV3File& file, int sprache) {
    bool ok = true;
    for (CVerein* club : ClubsByNumber(vereinsListe_)) ok = WriteClub(file, *club, sprache) && ok;
    for (auto& amateur : amateurVereine_)
        if (amateur) ok = amateur->SpeichernV3Localized(file, sprache) && ok;
    ok = nationalTrainer_.SpeichernV3Localized(file, sprache) && ok;

    ok = file.NewSection("AJUGEND") && ok;
    for (auto& spieler : jugend_)
        if (spieler) ok = spieler->WriteValues(file) && ok;
    ok = file.EndSection(1) && ok;

    ok = WritePool(file, "TRAINERP", trainer_, sprache) && ok;
    ok = WritePool(file, "TWTRAINP", twTrainer_, sprache) && ok;
    ok = WritePool(file, "MANAGERP", manager_, sprache) && ok;
    ok = WritePool(file, "SCHIRIP", schiris_, sprache) && ok;

    // Each sponsor's board picture goes beside the data; its own faults are
    // shown by the sponsor and do not stop the save.
    ok = file.NewSection("SPONSORP") && ok;
    int position = 0;
    for (auto& sponsor : sponsoren_) {
        if (!sponsor) continue;
        ok = sponsor->SpeichernV3Localized(file, sprache) && ok;
        sponsor->SpeichereAlsBitmap(".\\BANDEN\\kom" +
                                    std::to_string(SponsorPictureNumber(countryIndex_, position++)) + ".bmp");
    }
    ok = file.EndSection(1) && ok;

    ok = WritePool(file, "PROMIP", promis_, sprache) && ok;
    ok = WritePool(file, "MEDIAP", reporter_, sprache) && ok;
    ok = WritePool(file, "KRITIP", kritiker_, sprache) && ok;
    ok = praesident_.SpeichernV3Localized(file, sprache) && ok;
    return ok;
}

bool CLand::WriteLeagueFiles(int sprache, const std::string& directory, int row) {
    if (row < 0 || row >= int(LigaDatei.size())) return false;
    // (position in the league list, file of the row)
    std::vector<std::pair<size_t, size_t>> files;
    const int count = std::clamp(App().LigaAnzahl[size_t(countryIndex_)], 0, kMaxLigen);
    for (int j = 0; j < count; ++j) files.emplace_back(size_t(j), size_t(j));
    // From 2000 on country 0 plays four leagues; the extra league stands at
    // position 4 and the two former regional leagues after it keep their files.
    if (countryIndex_ == 0 && App().Saisonstartjahr > 1999)
        for (size_t p = 5; p < ligen_.size() && p - 1 < size_t(kMaxLigen); ++p) files.emplace_back(p, p - 1);

    for (auto [position, fileIndex] : files) {
        if (position >= ligen_.size() || !ligen_[position]) continue;
        const std::string name = LigaDatei[size_t(row)][fileIndex];
        if (name.empty()) continue;
        const std::string path = DatenPfad(directory, name);
        CV3File file;
        if (!OpenForWriting(file, path)) {
            ShowSaveFailed();
            return false;
        }
        bool ok = file.PutID(kFileID);
        ok = ligen_[position]->SpeichernV3Localized(file, sprache) && ok;
        if (!(file.Close() && ok)) return false;
    }
    return true;
}

// ---------------------------------------------------------------- reading

void CLand::ClearContents() {
    ligen_.clear();
    vereinsListe_.clear();
    jugend_.clear();
    trainer_.clear();
    twTrainer_.clear();
    manager_.clear();
    schiris_.clear();
    sponsoren_.clear();
    promis_.clear();
    reporter_.clear();
    kritiker_.clear();
}

void CLand::ResizeAmateurClubs(int land) {
    const size_t n = size_t(std::max(0, CountsOf(land).amateurClubs));
    if (amateurVereine_.size() > n) amateurVereine_.resize(n);
    while (amateurVereine_.size() < n) amateurVereine_.push_back(std::make_unique<CAmateurVerein>());
}

bool CLand::LadenV3Localized(int sprache, const std::string& directory, std::string* report) {
    std::string bericht;
    const int land = App().AktuellesLand;
    countryIndex_ = land;
    ClearContents();

    if (land < 0 || land >= kHauptlaender) {
        bericht = "Das Land " + std::to_string(land) + " hat keine eigene Länderdatei.\n";
    } else {
        ResizeAmateurClubs(land);
        const std::string path = DatenPfad(directory, LandDatei[size_t(land)]);
        CV3File file;
        bool countryRead = false;
        if (!file.Open(path, CV3File::modeRead)) {
            bericht += Cp1252ToUtf8(path) + "\n";
        } else if (!CheckFileId(file)) {
            bericht += FileIdMessage(path) + "\n";
        } else {
            file.FindSection("LAND");
            file.GetStr(pokalName_);
            file.GetInt(leagueCount_);
            int clubs = 0;
            if (!ReadCount(file, clubs, 0, kMaxVereine, "LAND")) {
                bericht += Cp1252ToUtf8(path) + "\n";
            } else {
                file.GetInt(reserve1_);
                file.GetInt(reserve2_);
                file.GetInt(reserve3_);
                ReadClubs(file, sprache, clubs);
                ReadBody(file, sprache);
                countryRead = true;
            }
        }
        file.Close();

        if (countryRead) {
            int count = App().LigaAnzahl[size_t(land)];
            if (land == 0 && count == 4) {
                App().LigaAnzahl[0] = 6;  // all six league files are read
                count = 6;
            }
            ReadLeagueFiles(sprache, directory, land, count, bericht);
            if (land == 0 && App().Saisonstartjahr > 1999) App().LigaAnzahl[0] = 4;

            BuildExtraLeague(App().LigaAnzahl[size_t(land)]);
            if (land == 0) {
                RemoveSurplusClubs();
                // The extra league takes the place after the four leagues played from 2000 on.
                if (App().Saisonstartjahr > 1999 && ligen_.size() > 5)
                    std::rotate(ligen_.begin() + 4, ligen_.end() - 1, ligen_.end());
            }
        }
    }

    if (bericht.empty()) return true;
    App().ui->MessageBox("Konnte Datei nicht öffnen!\n" + bericht, kLesefehler, MsgButtons::Ok, MsgIcon::Stop);
    if (report) *report += bericht;
    return false;
}

bool CLand::ReadClubs(CV3File& file, int sprache, int count) {
    if (count < 0 || count > kMaxVereine) return false;
    for (int i = 1; i <= count; ++i) {
        auto club = std::make_unique<CVerein>(-1);
        auto stadion = std::make_unique<CStadion>();
        CVerein& c = *club;
        vereinsListe_.push_back(std::move(club));
        c.LadenV3Localized(file, sprache);
        c.VereinsNummer(i);
        c.LandNr(countryIndex_);
        stadion->LadenV3Localized(file, sprache);
        c.Stadion(std::move(stadion));
    }
    clubCount_ = count;
    return true;
}

void CLand::ReadBody(CV3File& file, int sprache) {
    const int land = countryIndex_;
    const CountryCounts counts = CountsOf(land);
    for (auto& amateur : amateurVereine_) amateur->LadenV3Localized(file, sprache);
    nationalTrainer_.LadenV3Localized(file, sprache);

    const bool jugendFound = file.FindSection("AJUGEND");
    for (int i = 0; i < counts.youthPlayers; ++i) {
        auto spieler = std::make_unique<CAmateurJugendSpieler>();
        if (jugendFound) spieler->ReadValues(file);
        jugend_.push_back(std::move(spieler));
    }
    if (jugendFound) file.EndSection(1);

    ReadPool(file, "TRAINERP", counts.coaches, trainer_, sprache);
    ReadPool(file, "TWTRAINP", counts.goalkeeperCoaches, twTrainer_, sprache);
    ReadPool(file, "MANAGERP", counts.managers, manager_, sprache);
    ReadPool(file, "SCHIRIP", counts.referees, schiris_, sprache);
    ReadPool(file, "SPONSORP", counts.sponsors, sponsoren_, sprache);
    ReadPool(file, "PROMIP", counts.celebrities, promis_, sprache);
    // Media people of a bonus country are counted by the bonus slot's sizes,
    // which are its own counts here (the row 26 places before it in tables
    // that keep one row after the main countries for the bonus country).
    ReadPool(file, "MEDIAP", counts.reporters, reporter_, sprache);
    ReadPool(file, "KRITIP", counts.critics, kritiker_, sprache);
    praesident_.LadenV3Localized(file, sprache);
}

void CLand::ReadLeagueFiles(int sprache, const std::string& directory, int row, int count, std::string& report) {
    if (row < 0 || row >= int(LigaDatei.size())) return;
    count = std::min(count, kMaxLigen);
    for (int j = 0; j < count; ++j) {
        const std::string name = LigaDatei[size_t(row)][size_t(j)];
        if (name.empty()) break;
        const std::string path = DatenPfad(directory, name);
        CV3File file;
        if (!file.Open(path, CV3File::modeRead)) {
            report += Cp1252ToUtf8(path) + "\n";
            break;
        }
        if (!CheckFileId(file)) {
            report += FileIdMessage(path) + "\n";
            break;
        }
        auto liga = std::make_unique<CLiga>();
        // A league whose section is missing or whose size is refused stays
        // empty in its place; its file counts as failed.
        if (!liga->LadenV3Localized(file, sprache)) report += Cp1252ToUtf8(path) + "\n";
        if (countryIndex_ >= 0 && countryIndex_ < kLaenderSlots && j < kLeagueSizeSlots)
            App().leagueSizes[size_t(countryIndex_)][size_t(j)] = liga->Size();
        ligen_.push_back(std::move(liga));
        file.Close();
    }
}

void CLand::BuildExtraLeague(int playing) {
    const int n = int(vereinsListe_.size());
    std::vector<int> einsaetze(size_t(n) + 1, 0);
    const size_t gespielt = std::min(size_t(std::max(playing, 0)), ligen_.size());
    for (size_t l = 0; l < gespielt; ++l) {
        const CLiga& liga = *ligen_[l];
        for (int i = 0; i < liga.Size(); ++i) {
            const int nr = liga.ClubNumber(i);
            if (nr >= 1 && nr <= n) ++einsaetze[size_t(nr)];  // an entry naming no club counts for none
        }
    }
    auto extra = std::make_unique<CLiga>();
    int size = 0;
    for (int nr = 1; nr <= n && size < kMaxLigaGroesse; ++nr)
        if (einsaetze[size_t(nr)] == 0) extra->ClubNumber(size++, nr);
    extra->Size(size);
    ligen_.push_back(std::move(extra));
}

void CLand::RemoveSurplusClubs() {
    const size_t limit = size_t(std::max(0, CountsOf(countryIndex_).clubs));
    while (vereinsListe_.size() > limit && !ligen_.empty()) {
        CLiga& extra = *ligen_.back();
        const int last = extra.Size() - 1;
        if (last < 0) break;  // every club plays in a league: none may go
        const int nummer = extra.ClubNumber(last);
        extra.ClubNumber(last, 0);
        extra.Size(last);
        if (nummer < 1 || size_t(nummer) > vereinsListe_.size()) break;
        RemoveClub(nummer);
    }
    RenumberClubs();
}

void CLand::RemoveClub(int nummer) {
    for (auto& liga : ligen_)
        for (int i = 0; i < liga->Size(); ++i) {
            const int nr = liga->ClubNumber(i);
            if (nr > nummer) liga->ClubNumber(i, nr - 1);
        }
    vereinsListe_.erase(vereinsListe_.begin() + (nummer - 1));
    // The clubs take their new numbers first, so that the link setters check
    // against the numbers the links will name.
    RenumberClubs();
    const int anzahl = int(vereinsListe_.size());
    for (auto& club : vereinsListe_) {
        CVerein& c = *club;
        if (c.Amateurabteilung() >= nummer) c.Amateurabteilung(LinkAfterRemoval(c.Amateurabteilung(), nummer), anzahl);
        if (c.Profiabteilung() >= nummer) c.Profiabteilung(LinkAfterRemoval(c.Profiabteilung(), nummer), anzahl);
        // Rival and friend move independently, so each goes on naming its club.
        c.ErzRivale(LinkAfterRemoval(c.ErzRivale(), nummer));
        c.FanFreundschaft(LinkAfterRemoval(c.FanFreundschaft(), nummer));
    }
    for (auto& spieler : jugend_) {
        if (spieler->VereinNr() > 0) spieler->VereinNr(LinkAfterRemoval(spieler->VereinNr(), nummer));
    }
    for (auto& schiri : schiris_) schiri->SchiriVerein(LinkAfterRemoval(schiri->SchiriVerein(), nummer));
    for (auto& promi : promis_) promi->Lieblingsverein(LinkAfterRemoval(promi->Lieblingsverein(), nummer));
}

void CLand::RenumberClubs() {
    int nr = 0;
    for (auto& club : vereinsListe_) club->VereinsNummer(++nr);
    clubCount_ = nr;
}

// ---------------------------------------------------------------- further countries

bool CLand::SpeichernV3LocalizedEuro(CV3File& file, int sprache) {
    bool ok = true;
    if (file.AtStart()) ok = file.PutID(kFileID);
    ok = file.NewSection("LAND") && ok;
    for (CVerein* club : ClubsByNumber(vereinsListe_)) ok = WriteClub(file, *club, sprache) && ok;
    ok = nationalTrainer_.SpeichernV3Localized(file, sprache) && ok;
    return file.EndSection(1) && ok;
}

bool CLand::LadenV3LocalizedEuro(CV3File& file, int sprache) {
    const int land = App().AktuellesLand;
    if (file.AtStart() && !CheckFileId(file)) {
        App().ui->MessageBox(FileIdMessage(file.FileName()), "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    countryIndex_ = land;
    ClearContents();
    const int clubs = std::clamp(CountsOf(land).clubs, 0, kMaxLigaGroesse);
    const bool found = file.FindSection("LAND");
    ReadClubs(file, sprache, clubs);
    nationalTrainer_.LadenV3Localized(file, sprache);
    if (found) file.EndSection(1);

    auto liga = std::make_unique<CLiga>();
    for (int i = 0; i < clubs; ++i) liga->ClubNumber(i, i + 1);
    liga->Size(clubs);
    ligen_.push_back(std::move(liga));
    return true;
}

// ---------------------------------------------------------------- national team

bool CLand::CreateNationalTeam() {
    const int nation =
        countryIndex_ >= 0 && countryIndex_ < kLaenderSlots ? App().NationNummer[size_t(countryIndex_)] : -1;
    std::array<CSpieler*, kKaderPlaetze> kader{};
    for (auto& club : vereinsListe_) {
        if (!club) continue;
        for (auto& spieler : club->SpielerListe()) {
            if (!spieler || (spieler->Nationalitaet() & 0x7F) != nation) continue;
            spieler->NationalSpieler(spieler->NationalSpieler() & ~CSpieler::kImNationalkader);
            const int pos = spieler->Hauptposition();
            if (pos < 1 || pos > 10) continue;
            // The position's places stay ordered strongest first: the player
            // goes before the first weaker one (or into the first free place)
            // and the others move down, the last one dropping out. Taking the
            // place alone would drop a displaced player while a later place of
            // the position is still free.
            const auto [first, count] = kKaderSlots[size_t(pos)];
            for (int s = first; s < first + count; ++s) {
                CSpieler* slot = kader[size_t(s)];
                if (!slot || slot->Staerke() < spieler->Staerke()) {
                    for (int t = first + count - 1; t > s; --t) kader[size_t(t)] = kader[size_t(t - 1)];
                    kader[size_t(s)] = spieler.get();
                    break;
                }
            }
        }
    }
    for (CSpieler* spieler : kader)
        if (spieler) spieler->NationalSpieler(spieler->NationalSpieler() | CSpieler::kImNationalkader);
    return true;
}

}  // namespace v3
