// The full demo installation: it loads without a message and saves back byte
// for byte, holds no placeholder or untrimmed text, is the same for the same
// seed, and describes a plausible world.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "Commands.h"
#include "DemoDataSet.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/Bmp.h"
#include "records/AmateurVerein.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/TurnierGruppe.h"
#include "records/Verein.h"

namespace fs = std::filesystem;
using namespace v3;

namespace {

constexpr uint32_t kSeed = 20241;

// A temporary folder, in RAM where the system has one: the installation is
// thousands of files, and each is flushed to disk when it is written.
class RamTempDir {
public:
    RamTempDir() {
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "v3demo.XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~RamTempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    RamTempDir(const RamTempDir&) = delete;
    RamTempDir& operator=(const RamTempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Every file below dir by its relative path, with its bytes.
std::map<std::string, std::string> ReadTree(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) files[fs::relative(e.path(), dir).string()] = v3test::ReadBytes(e.path());
    return files;
}

// The placeholder texts records are made with: two capitals and six digits
// ("NA000042", "VE000001", "SN000003" ...), the competition names
// "WETTBEWERB07", the default cup name and the default short name "KRZ".
std::string FindPlaceholder(const std::string& bytes) {
    static const std::set<std::string> kPrefixe = {"NA", "VN", "VE", "SN", "ON", "AV", "SE", "NV", "NT", "FR", "AN"};
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (size_t i = 0; i + 8 <= bytes.size(); ++i) {
        if (bytes[i] < 'A' || bytes[i] > 'Z' || !kPrefixe.count(bytes.substr(i, 2))) continue;
        if (std::all_of(bytes.begin() + long(i) + 2, bytes.begin() + long(i) + 8, digit)) return bytes.substr(i, 8);
    }
    for (const char* text : {"WETTBEWERB", "LurchPokal", "\nKRZ\r"})
        if (bytes.find(text) != std::string::npos) return text;
    return {};
}

class DemoWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<RamTempDir>();
        ScopedAppState state;
        ScriptedUserInterface ui;
        state->SetUserInterface(&ui);
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        ok_ = demo::WriteDemoInstallation(install(), kSeed, &error, &summary_);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        std::cout << "[          ] demo installation written in " << ms.count() << " ms: " << summary_.files
                  << " files, " << summary_.clubs << " clubs, " << summary_.players << " players\n";
        error_ = error;
        for (const auto& m : ui.messages) error_ += "\nmessage: " + m.text;
        messages_ = ui.messages.size();
        if (ok_) files_ = ReadTree(install());
    }
    static void TearDownTestSuite() {
        files_.clear();
        dir_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(ok_) << error_;
        ASSERT_EQ(messages_, 0u) << error_;
    }

    static fs::path install() { return dir_->path() / "inst"; }

    // Loads the installation into the fresh state of the test with the test's
    // document; no message may appear.
    static void Load(CEDITORDoc& doc, AppState& state, ScriptedUserInterface& ui) {
        state.SetUserInterface(&ui);
        state.installDir = install();
        doc.ClearBonusLandGlobals();
        ASSERT_TRUE(doc.LadenV3Localized()) << doc.LadeFehler();
        for (const auto& m : ui.messages) ADD_FAILURE() << "message while loading: " << m.text;
    }

    static inline std::unique_ptr<RamTempDir> dir_;
    static inline bool ok_ = false;
    static inline std::string error_;
    static inline size_t messages_ = 0;
    static inline demo::DemoInstallationSummary summary_;
    static inline std::map<std::string, std::string> files_;
};

TEST_F(DemoWorld, LoadsWithoutMessageAndSavesBackByteForByte) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
    Load(doc, *state, ui);
    ASSERT_EQ(Daten().AlleLaender.size(), size_t(kFesteLaender));

    state->BandenSpeichern = false;
    ASSERT_TRUE(doc.SpeichernV3Localized());
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;

    const auto nachher = ReadTree(install());
    size_t v3Dateien = 0;
    for (const auto& [name, bytes] : files_) {
        if (name.rfind("DATA.V3", 0) != 0) continue;
        ++v3Dateien;
        auto it = nachher.find(name);
        ASSERT_NE(it, nachher.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name << " changed by load and save";
    }
    // The catalogue (64 files: 11 country files, 22 league files, 18 pool files,
    // 13 single and shared files) and one crest per club.
    EXPECT_EQ(v3Dateien, 64u + size_t(summary_.clubs));
    for (const auto& [name, bytes] : nachher)
        EXPECT_TRUE(files_.count(name)) << name << " appeared by the save";
}

TEST_F(DemoWorld, HoldsNoPlaceholderAndNoUntrimmedText) {
    size_t satzdateien = 0;
    for (const auto& [name, bytes] : files_) {
        // Pictures and sounds hold no text (their bytes may look like anything).
        const std::string endung = fs::path(name).extension().string();
        const bool binaer = endung == ".bmp" || endung == ".BMP" || endung == ".jpg" || endung == ".wav";
        if (!binaer) {
            EXPECT_EQ(FindPlaceholder(bytes), "") << name;
        }
        // The record files: CR LF lines, no text with blanks at either end.
        if (name.rfind("DATA.V3/", 0) != 0 || name.substr(name.size() - 4) != ".sav") continue;
        ++satzdateien;
        for (const std::string& line : v3test::ReadCrLfLines(install() / name)) {
            if (line.empty()) continue;
            const bool rand = line.front() == ' ' || line.front() == '\t' || line.back() == ' ' || line.back() == '\t';
            ASSERT_FALSE(rand) << name << ": \"" << line << "\"";
        }
    }
    EXPECT_EQ(satzdateien, 64u);
    // The copy is complete, crests included.
    for (const auto& [name, bytes] : files_) {
        if (name.rfind("DATA.V3", 0) != 0) continue;
        auto kopie = files_.find("DATA.ORG" + name.substr(7));
        ASSERT_NE(kopie, files_.end()) << name;
        EXPECT_TRUE(kopie->second == bytes) << name;
    }
    EXPECT_TRUE(fs::is_directory(install() / "DATA.SAV"));
    EXPECT_TRUE(files_.count("DATA.VER/Kleinig.sav"));  // the predecessor's data
}

TEST_F(DemoWorld, SameSeedGivesTheSameFilesThroughTheCommandLine) {
    RamTempDir other;
    const fs::path zweite = other.path() / "inst";
    EXPECT_EQ(v3tool::Run({"demo", zweite.string(), "--seed", std::to_string(kSeed)}), 0);
    const auto files = ReadTree(zweite);
    ASSERT_EQ(files.size(), files_.size());
    for (const auto& [name, bytes] : files_) {
        auto it = files.find(name);
        ASSERT_NE(it, files.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name << " differs for the same seed";
    }
    // A folder with something in it is never written over.
    RamTempDir third;
    v3test::WriteBytes(third.path() / "notiz.txt", "meins");
    EXPECT_EQ(v3tool::Run({"demo", third.path().string()}), 1);
    EXPECT_EQ(ReadTree(third.path()), (std::map<std::string, std::string>{{"notiz.txt", "meins"}}));
}

TEST(DemoCommand, WrongUsageGivesTwo) {
    for (const v3tool::Args& args : std::vector<v3tool::Args>{{"demo"},
                                                              {"demo", "/tmp/a", "--seed"},
                                                              {"demo", "/tmp/a", "--seed", "x1"},
                                                              {"demo", "/tmp/a", "--seed", "99999999999"},
                                                              {"demo", "/tmp/a", "/tmp/b"},
                                                              {"demo", "--fast", "/tmp/a"}})
        EXPECT_EQ(v3tool::Run(args), 2) << args.size();
}

TEST_F(DemoWorld, DescribesAPlausibleWorld) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    CEDITORDoc doc;
    Load(doc, *state, ui);
    DataSet& d = Daten();

    // National teams: every number named, names unique.
    ASSERT_EQ(d.NationenListe.size(), size_t(kAnzahlNationen));
    std::set<std::string> nationen;
    for (const auto& n : d.NationenListe) {
        EXPECT_GE(n->Name().size(), 3u);
        EXPECT_EQ(n->Kuerzel().size(), 3u);
        EXPECT_TRUE(nationen.insert(n->Name()).second) << n->Name();
    }
    EXPECT_EQ(d.NationenListe[14]->Name(), "Deutschland");

    for (int land = 0; land < kFesteLaender; ++land) {
        SCOPED_TRACE("Land " + std::to_string(land));
        const CLand& l = *d.AlleLaender[size_t(land)];
        const CountryCounts soll = FixedCountryCounts(land);
        ASSERT_EQ(int(l.VereinsListe().size()), soll.clubs);
        if (land < kHauptlaender) {
            EXPECT_EQ(int(l.AmateurVereine().size()), soll.amateurClubs);
            EXPECT_EQ(int(l.YouthPlayers().size()), soll.youthPlayers);
            EXPECT_EQ(int(l.Sponsors().size()), soll.sponsors);
            EXPECT_EQ(int(l.Critics().size()), soll.critics);
            // Leagues of even size 10..24 plus the league of the clubs in none;
            // every club stands in exactly one of them.
            ASSERT_EQ(int(l.Ligen().size()), state->LigaAnzahl[size_t(land)] + 1);
            std::vector<int> einsaetze(size_t(soll.clubs) + 1, 0);
            for (size_t j = 0; j < l.Ligen().size(); ++j) {
                const CLiga& liga = *l.Ligen()[j];
                if (j + 1 < l.Ligen().size()) {
                    EXPECT_TRUE(liga.Size() >= 10 && liga.Size() <= 24 && liga.Size() % 2 == 0) << liga.Size();
                    EXPECT_GE(liga.Name().size(), 2u);
                    EXPECT_LE(liga.Name().size(), 14u);
                }
                for (int i = 0; i < liga.Size(); ++i) ++einsaetze[size_t(liga.ClubNumber(i))];
            }
            EXPECT_EQ(std::count(einsaetze.begin() + 1, einsaetze.end(), 1), soll.clubs);
            // Coaches: at least a quarter weak, middling and strong each.
            int klassen[3] = {0, 0, 0};
            for (const auto& t : l.Coaches()) ++klassen[t->Kompetenz() < 6 ? 0 : t->Kompetenz() <= 10 ? 1 : 2];
            for (int k : klassen) EXPECT_GE(k, int(l.Coaches().size()) / 4);
        }
        std::set<std::string> namen, kuerzel;
        int nationalkader = 0;
        for (const auto& v : l.VereinsListe()) {
            SCOPED_TRACE(v->Name());
            EXPECT_TRUE(namen.insert(v->Name()).second);
            EXPECT_EQ(v->Kuerzel().size(), 3u);
            kuerzel.insert(v->Kuerzel());
            // Rivals and friends are other clubs of the country, on both sides.
            if (v->ErzRivale() != 0) {
                ASSERT_LE(v->ErzRivale(), soll.clubs);
                EXPECT_EQ(l.VereinsListe()[size_t(v->ErzRivale() - 1)]->ErzRivale(), v->VereinsNummer());
                EXPECT_NE(v->FanFreundschaft(), v->ErzRivale());
            }
            if (v->FanFreundschaft() != 0) {
                ASSERT_LE(v->FanFreundschaft(), soll.clubs);
                EXPECT_EQ(l.VereinsListe()[size_t(v->FanFreundschaft() - 1)]->FanFreundschaft(), v->VereinsNummer());
            }
            ASSERT_NE(v->Stadion(), nullptr);
            for (int t = 0; t < CStadion::kTribuenen; ++t) {
                const CStadion& s = *v->Stadion();
                EXPECT_GE(s.Stehplaetze(t) + s.Sitzplaetze(t) + s.Logen(t), 500);
                EXPECT_LE(s.Stehplaetze(t) + 3 * s.Logen(t) + 3 * s.Sitzplaetze(t) / 2, 40000);
            }
            const auto& kader = v->SpielerListe();
            EXPECT_TRUE(kader.size() >= 20 && kader.size() <= 28) << kader.size();
            std::set<int> nummern, positionen;
            int torhueter = 0;
            for (const auto& s : kader) {
                torhueter += s->Hauptposition() == 1;
                positionen.insert(s->Hauptposition());
                EXPECT_TRUE(nummern.insert(s->RueckenNummer()).second) << s->RueckenNummer();
                EXPECT_TRUE(s->RueckenNummer() >= 1 && s->RueckenNummer() <= 99);
                EXPECT_TRUE(s->StoredAlter() >= 17 && s->StoredAlter() <= 37) << int(s->StoredAlter());
                nationalkader += (s->NationalSpieler() & CSpieler::kImNationalkader) != 0;
            }
            EXPECT_TRUE(torhueter == 2 || torhueter == 3) << torhueter;
            EXPECT_EQ(positionen.size(), 10u);
            // The crest is a 32 x 32 picture of 256 colours.
            BmpImage wappen;
            const auto datei = HostPath(WappenDatei(kDirDataV3, land, v->VereinsNummer()));
            ASSERT_EQ(ReadBmp(v3test::ReadBytes(datei), wappen), BmpError::None) << datei;
            EXPECT_TRUE(wappen.width == 32 && wappen.height == 32 && wappen.bitsPerPixel == 8);
        }
        EXPECT_GE(kuerzel.size() * 10, namen.size() * 9);  // short names mostly distinct
        EXPECT_TRUE(nationalkader >= 16 && nationalkader <= 22) << nationalkader;
    }

    // Stronger leagues have stronger players.
    auto mittel = [&](int land, int liga) {
        const CLand& l = *d.AlleLaender[size_t(land)];
        const CLiga& lg = *l.Ligen()[size_t(liga)];
        double summe = 0;
        int anzahl = 0;
        for (int i = 0; i < lg.Size(); ++i)
            for (const auto& s : l.VereinsListe()[size_t(lg.ClubNumber(i) - 1)]->SpielerListe()) {
                summe += s->Staerke();
                ++anzahl;
            }
        return summe / anzahl;
    };
    EXPECT_GT(mittel(0, 0), mittel(0, 1) + 0.5);
    EXPECT_GT(mittel(0, 1), mittel(0, 2) + 0.5);
    EXPECT_GT(mittel(1, 0), mittel(28, 0) + 2.0);  // England's first league against Malta's

    // Competitions name real clubs and nations, each once.
    ASSERT_EQ(d.CLeagueListe.size(), 8u);
    std::set<std::pair<int, int>> teilnehmer;
    for (const auto& g : d.CLeagueListe)
        for (int i = 0; i < g->GetCount(); ++i) {
            int nation = 0, team = 0;
            ASSERT_TRUE(g->GetTeilnehmer(i, nation, team));
            const int land = NationNr(nation);
            ASSERT_GE(land, 0);
            const CLiga& erste = *d.AlleLaender[size_t(land)]->Ligen().front();
            bool inErsterLiga = false;
            for (int k = 0; k < erste.Size(); ++k) inErsterLiga |= erste.ClubNumber(k) == team;
            EXPECT_TRUE(inErsterLiga) << nation << "/" << team;
            EXPECT_TRUE(teilnehmer.insert({nation, team}).second);
        }
    for (const auto* liste : {&d.EMGruppenListe, &d.WMGruppenListe}) {
        std::set<int> dabei;
        for (const auto& g : *liste)
            for (int i = 0; i < g->GetCount(); ++i) EXPECT_TRUE(dabei.insert(g->NationNr(i)).second);
        EXPECT_EQ(dabei.size(), liste == &d.EMGruppenListe ? 16u : 32u);
    }

    // Pools 1..17 full; pool 18 written empty.
    for (int n = 1; n <= 17; ++n) EXPECT_EQ(int(d.JugendPools[size_t(n - 1)].size()), JugendAnzahl(n));
    const auto jugend18 = v3test::ReadCrLfLines(install() / "DATA.V3/Jugend18.sav");
    EXPECT_EQ(jugend18, (std::vector<std::string>{"17373592", "%SECT%ASPIELER", "%ENDSECT%ASPIELER"}));

    // Talks and own chants name sound files of the installation.
    EXPECT_FALSE(d.HalbzeitListe.empty());
    for (const auto& t : d.HalbzeitListe) EXPECT_TRUE(fs::exists(install() / "Ansprachen" / t->AnsprachenFileName()));
    EXPECT_FALSE(d.EigeneFangesangListe.empty());
    for (const auto& c : d.EigeneFangesangListe) EXPECT_TRUE(fs::exists(install() / "FanWaves" / c->Text()));
    EXPECT_GE(d.QuizListe.size(), 40u);
    EXPECT_GE(d.FangesangListe.size(), 40u);
    EXPECT_FALSE(d.ExSpielerListe.empty());
    EXPECT_LE(d.AusruesterListe.size(), 10u);

    // Another seed is another world.
    std::vector<std::string> vereine;
    for (const auto& v : d.AlleLaender[0]->VereinsListe()) vereine.push_back(v->Name());
    std::string error;
    ASSERT_TRUE(demo::BuildDemoDataSet(kSeed + 1, {}, &error)) << error;
    size_t gleich = 0;
    for (size_t i = 0; i < vereine.size(); ++i) gleich += Daten().AlleLaender[0]->VereinsListe()[i]->Name() == vereine[i];
    EXPECT_LT(gleich, 10u);
}

}  // namespace
