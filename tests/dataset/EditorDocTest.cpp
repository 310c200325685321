#include "dataset/EditorDoc.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "DemoFixture.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/Ausruester.h"
#include "records/AmateurJugendSpieler.h"
#include "records/Fangesang.h"
#include "records/Land.h"
#include "records/QuizFrage.h"
#include "records/Spieler.h"

using namespace v3;
namespace fs = std::filesystem;

namespace {

// Replaces one line of a data file (0-based line index; CR LF kept).
void ReplaceLine(const fs::path& file, size_t index, const std::string& text) {
    auto lines = v3test::ReadCrLfLines(file);
    ASSERT_LT(index, lines.size());
    lines[index] = text;
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    v3test::WriteBytes(file, bytes);
}

// Index of the line after the marker "%SECT%<section>": its count line.
size_t LineAfter(const fs::path& file, const std::string& section) {
    auto lines = v3test::ReadCrLfLines(file);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "%SECT%" + section) return i + 1;
    ADD_FAILURE() << section << " not in " << file;
    return 0;
}

void ReplaceCount(const fs::path& file, const std::string& section, const std::string& text) {
    ReplaceLine(file, LineAfter(file, section), text);
}

// The files that differ between two snapshots (a message of whole files
// would be megabytes).
std::vector<std::string> Geaendert(const std::map<std::string, std::string>& vorher,
                                   const std::map<std::string, std::string>& nachher) {
    std::vector<std::string> namen;
    for (const auto& [name, bytes] : vorher)
        if (!nachher.count(name) || nachher.at(name) != bytes) namen.push_back(name);
    for (const auto& [name, bytes] : nachher)
        if (!vorher.count(name)) namen.push_back(name);
    return namen;
}

class EditorDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> t;
        for (const auto& m : ui.messages) t.push_back(m.text);
        return t;
    }

    v3test::DemoInstallation demo;
    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(EditorDocTest, LoadsTheDemoInstallationWithoutMessages) {
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized()) << doc.LadeFehler();
    EXPECT_TRUE(ui.messages.empty());
    DataSet& d = Daten();
    EXPECT_EQ(d.AlleLaender.size(), 37u);
    EXPECT_EQ(d.NationenListe.size(), 117u);
    EXPECT_EQ(d.IVereineListe.size(), 40u);
    EXPECT_EQ(d.ISchiriListe.size(), 40u);
    EXPECT_EQ(d.JugendPools[0].size(), 100u);
    EXPECT_EQ(d.JugendPools[16].size(), 60u);
    EXPECT_TRUE(d.JugendPools[17].empty());
    EXPECT_FALSE(d.SonstigeSpielerListe.empty());
    EXPECT_EQ(d.AlleLaender[0]->VereinsListe().size(), 108u);
}

TEST_F(EditorDocTest, LoadFailuresAreReportedAndKeepWhatWasRead) {
    const std::string v3 = ".\\DATA.V3\\";
    const std::vector<std::string> afterQuiz = {v3 + "Fangesa.sav", v3 + "Fanwaves.sav", v3 + "ExSpiel.sav",
                                                v3 + "SonSpiel.sav"};
    auto with = [](std::vector<std::string> first, const std::vector<std::string>& rest) {
        first.insert(first.end(), rest.begin(), rest.end());
        return first;
    };
    struct Case {
        const char* name;
        std::function<void(const fs::path& data)> damage;
        std::vector<std::string> report;  // the error report's lines, in order
        size_t countries;                 // countries in memory afterwards
    };
    const Case cases[] = {
        {"missing file: it and every file after it are listed",
         [](const fs::path& d) { fs::remove(d / "Quiz.sav"); }, with({v3 + "Quiz.sav"}, afterQuiz), 37},
        {"wrong identification ends the load at once",
         [](const fs::path& d) { ReplaceLine(d / "Kleinig.sav", 0, "17373593"); },
         {"VOLTARO 3-FileID nicht gefunden. Datei .\\DATA.V3\\Kleinig.sav."}, 0},
        {"an empty file does not pass with the identification of the file before",
         [](const fs::path& d) { v3test::WriteBytes(d / "AVereine.sav", ""); },
         {"VOLTARO 3-FileID nicht gefunden. Datei .\\DATA.V3\\AVereine.sav."}, 0},
        {"a count of -1", [](const fs::path& d) { ReplaceCount(d / "Quiz.sav", "QUIZ", "-1"); },
         with({"Ung\xC3\xBCltige Anzahl -1 im Abschnitt QUIZ der Datei .\\DATA.V3\\Quiz.sav."}, afterQuiz), 37},
        {"a count of two billion",
         [](const fs::path& d) { ReplaceCount(d / "ExSpiel.sav", "EXSPIEL", "2000000000"); },
         {"Ung\xC3\xBCltige Anzahl 2000000000 im Abschnitt EXSPIEL der Datei .\\DATA.V3\\ExSpiel.sav.",
          v3 + "SonSpiel.sav"},
         37},
        {"two bonus countries are refused", [](const fs::path& d) { ReplaceCount(d / "Bonus1.sav", "BONUS", "2"); },
         with({"Die Anzahl der Bonusl\xC3\xA4nder (2) in Datei .\\DATA.V3\\Bonus1.sav ist ung\xC3\xBCltig: erlaubt sind 0 und 1.",
               v3 + "CLeague.sav", v3 + "EMWM.sav"},
              with({v3 + "Quiz.sav"}, afterQuiz)),
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        v3test::DemoInstallation fresh;
        ScopedAppState local;
        ScriptedUserInterface localUi;
        local->SetUserInterface(&localUi);
        local->installDir = fresh.path();
        c.damage(fresh.path() / "DATA.V3");
        CEDITORDoc doc;
        EXPECT_FALSE(doc.LadenV3Localized());
        std::vector<std::string> lines;
        const std::string& report = doc.LadeFehler();
        for (size_t s = 0, e; (e = report.find('\n', s)) != std::string::npos; s = e + 1)
            lines.push_back(report.substr(s, e - s));
        EXPECT_EQ(lines, c.report);
        ASSERT_FALSE(localUi.messages.empty());
        EXPECT_EQ(localUi.messages.back().text, report);  // shown once, at the end
        EXPECT_EQ(Daten().AlleLaender.size(), c.countries);
    }
}

TEST_F(EditorDocTest, MissingSharedCountryFileStopsAtOnceWithItsOwnMessage) {
    fs::remove(demo.Data("Internat.sav"));
    CEDITORDoc doc;
    EXPECT_FALSE(doc.LadenV3Localized());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Fehler beim Laden eines der L\xC3\xA4nder. Datei .\\DATA.V3\\Internat.sav.");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(Daten().AlleLaender.empty());
    EXPECT_FALSE(Daten().NationenListe.empty());  // what was read before stays
}

TEST_F(EditorDocTest, DamagedFilesNeverCrashTheLoad) {
    std::string random;
    uint32_t x = 12345;
    for (int i = 0; i < 50000; ++i) {
        x = x * 1103515245u + 12345u;
        random += char(x >> 24);
    }
    for (const char* file : {"LandDeut.sav", "Laender.sav", "Liga1Deu.sav", "Internat.sav", "Kleinig.sav"}) {
        SCOPED_TRACE(file);
        v3test::DemoInstallation fresh;
        auto load = [&] {
            ScopedAppState local;
            local->installDir = fresh.path();
            CEDITORDoc().LadenV3Localized();
        };
        fs::path path = fresh.path() / "DATA.V3" / file;
        std::string bytes = v3test::ReadBytes(path);
        // Cut in the middle, then random bytes after a correct first line.
        v3test::WriteBytes(path, bytes.substr(0, bytes.size() / 2));
        load();
        v3test::WriteBytes(path, "17373592\r\n" + random);
        load();
    }
}

TEST_F(EditorDocTest, ReloadAsksFirstAndNoKeepsTheData) {
    CEDITORDoc doc;
    doc.OnLadenV3();
    ASSERT_TRUE(state->LadenOk);
    Daten().AlleLaender[0]->PokalName("Testpokal");
    ui.Answer(MsgResult::No);
    doc.OnLadenV3();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Wollen Sie wirklich die Daten neu laden?");
    EXPECT_EQ(Daten().AlleLaender[0]->PokalName(), "Testpokal");
    ui.Answer(MsgResult::Yes);
    doc.OnLadenV3();
    EXPECT_NE(Daten().AlleLaender[0]->PokalName(), "Testpokal");
    EXPECT_EQ(ui.progressTitles.back(), "Lade Daten...");
    EXPECT_EQ(ui.progress.Pos(), 100);
}

// A reload that fails keeps nothing of what it read: a save of the partly read
// data set would write over the files that could not be read.
TEST_F(EditorDocTest, AFailedReloadLeavesNoPartOfTheDataSetToSave) {
    CEDITORDoc doc;
    doc.OnLadenV3();
    ASSERT_TRUE(state->LadenOk);
    v3test::WriteBytes(demo.Data("LandSpan.sav"), "17373592\r\n%SECT%LAND\r\nkaputt\r\n");
    const auto vorher = v3test::Snapshot(demo.path() / "DATA.V3");
    state->DatenGeaendert = true;
    ui.Answer(MsgResult::Yes);
    doc.OnLadenV3();
    EXPECT_FALSE(state->LadenOk);
    EXPECT_TRUE(Daten().Leer());
    EXPECT_FALSE(state->DatenGeaendert);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text,
              "Der Datensatz konnte nicht vollst\xC3\xA4ndig geladen werden. Damit beim Speichern nichts verloren "
              "geht, sind die gelesenen Teile verworfen; die Dateien bleiben, wie sie sind. Beheben Sie den Fehler "
              "und laden Sie die Daten neu.");
    ui.messages.clear();
    doc.OnFileSave();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Es ist kein VOLTARO 3-Datensatz geladen!"});
    EXPECT_EQ(Geaendert(vorher, v3test::Snapshot(demo.path() / "DATA.V3")), std::vector<std::string>{});
}

// The reinitialisation replaces the data directory's files as one
// transaction: a copy that fails leaves every file as it was.
TEST_F(EditorDocTest, AFailedReinitialisationLeavesTheDataDirectoryAsItWas) {
    CEDITORDoc doc;
    doc.OnLadenV3();
    ASSERT_TRUE(state->LadenOk);
    Daten().AlleLaender[0]->PokalName("Testpokal");
    ASSERT_TRUE(doc.SpeichernV3Localized());
    // The crests are copied after the data files; a directory stands where
    // one of them goes.
    const fs::path wappen = demo.path() / "DATA.V3" / "Wappen" / "VW_A1.BMP";
    ASSERT_TRUE(fs::remove(wappen));
    fs::create_directory(wappen);
    const auto vorher = v3test::Snapshot(demo.path() / "DATA.V3");
    ui.Answer(MsgResult::Ok);
    doc.OnDateiReinitialisierung();
    EXPECT_TRUE(doc.BeendenAngefordert());
    EXPECT_EQ(Geaendert(vorher, v3test::Snapshot(demo.path() / "DATA.V3")), std::vector<std::string>{});
}

TEST_F(EditorDocTest, SaveRules) {
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());
    DataSet& d = Daten();
    // Twelve kit suppliers: ten are written and counted.
    while (d.AusruesterListe.size() < 12) d.AusruesterListe.push_back(std::make_unique<CAusruester>());
    // A chant of the first main country's national team with club references 120 and 130.
    auto chant = std::make_unique<CFangesang>();
    chant->Land(state->NationNummer[0]);
    chant->Verein(120);
    chant->Gegner(130);
    d.FangesangListe.push_back(std::move(chant));
    // Pool names with blanks around them.
    d.JugendPools[0][0]->Vorname(" Jan ");
    d.JugendPools[0][0]->Nachname("Ober ");
    // No other players: the load gives one default player back.
    d.SonstigeSpielerListe.clear();
    ASSERT_TRUE(doc.SpeichernV3Localized());
    // The first reference above 108 is cleared, the second stays.
    EXPECT_EQ(d.FangesangListe.back()->Verein(), 0);
    EXPECT_EQ(d.FangesangListe.back()->Gegner(), 130);

    auto kleinig = v3test::ReadCrLfLines(demo.Data("Kleinig.sav"));
    auto at = std::find(kleinig.begin(), kleinig.end(), "%SECT%AUSRUESTER");
    ASSERT_NE(at, kleinig.end());
    EXPECT_EQ(*(at + 1), "10");
    EXPECT_EQ(d.JugendPools[0][0]->Vorname(), "Jan");
    EXPECT_EQ(d.JugendPools[0][0]->Nachname(), "Ober");
    EXPECT_EQ(v3test::ReadCrLfLines(demo.Data("Jugend18.sav")),
              (std::vector<std::string>{"17373592", "%SECT%ASPIELER", "%ENDSECT%ASPIELER"}));

    ScopedAppState reloaded;
    reloaded->installDir = demo.path();
    reloaded->SetUserInterface(&ui);
    CEDITORDoc second;
    ASSERT_TRUE(second.LadenV3Localized());
    EXPECT_EQ(Daten().AusruesterListe.size(), 10u);
    EXPECT_EQ(Daten().SonstigeSpielerListe.size(), 1u);
}

TEST_F(EditorDocTest, SaveWithoutDataSetWritesNothing) {
    fs::remove_all(demo.path() / "DATA.V3");
    CEDITORDoc doc;
    doc.OnFileSave();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Es ist kein VOLTARO 3-Datensatz geladen!"});
    EXPECT_FALSE(fs::exists(demo.path() / "DATA.V3"));
    EXPECT_TRUE(state->AnimationAktiv);
}

TEST_F(EditorDocTest, SaveFromTheMenuAsksForBoardsAndClearsTheChangeFlag) {
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());
    int ticks = 0;
    doc.AnimationTick = [&] { ++ticks; };
    state->DatenGeaendert = true;
    ui.Answer(MsgResult::No);
    doc.OnFileSave();
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(state->BandenSpeichern);
    EXPECT_FALSE(state->DatenGeaendert);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Sollen die Bandengrafiken ebenfalls gespeichert werden?"});
    EXPECT_EQ(ui.progressTitles.back(), "Speichere Daten...");
}

TEST_F(EditorDocTest, InterruptedSaveLeavesEveryFileOld) {
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());
    std::map<std::string, std::string> before;
    for (const auto& e : fs::directory_iterator(demo.path() / "DATA.V3"))
        if (e.is_regular_file()) before[e.path().filename()] = v3test::ReadBytes(e.path());
    Daten().AlleLaender[3]->PokalName("Neuer Pokal");  // changes LandItal.sav only
    Daten().QuizListe.clear();                         // changes Quiz.sav
    // LandItal.sav fails as a full disk would, in the middle of the save.
    state->failWritesTo = [](const fs::path& p) { return p.filename() == "LandItal.sav"; };
    state->DatenGeaendert = true;
    doc.SpeichereDaten();
    EXPECT_TRUE(state->DatenGeaendert);  // the failure is not reported as success
    bool reported = false;
    for (const auto& m : ui.messages) reported |= m.text.find("LandItal.sav") != std::string::npos;
    EXPECT_TRUE(reported);
    for (const auto& e : fs::directory_iterator(demo.path() / "DATA.V3")) {
        if (!e.is_regular_file()) continue;
        std::string name = e.path().filename();
        ASSERT_TRUE(before.count(name)) << "left behind: " << name;
        // The save is one transaction: the files written before the failing
        // one are not new either.
        EXPECT_EQ(v3test::ReadBytes(e.path()), before[name]) << name;
    }
}

TEST_F(EditorDocTest, StagedCrestsAreCommittedBySaveAndDiscardedOnClose) {
    fs::path wappen = demo.path() / "DATA.V3" / "Wappen";
    std::string oldCrest = v3test::ReadBytes(wappen / "VW_D3.BMP");
    v3test::WriteBytes(wappen / "TempD3.BMP", "new crest");
    v3test::WriteBytes(wappen / "TempD4.BMP", "discarded crest");
    CEDITORDoc doc;
    ASSERT_TRUE(doc.LadenV3Localized());
    Daten().GeaenderteWappen = {"D3.BMP"};
    ASSERT_TRUE(doc.SpeichernV3Localized());
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_D3.BMP"), "new crest");
    EXPECT_FALSE(fs::exists(wappen / "TempD3.BMP"));
    EXPECT_TRUE(Daten().GeaenderteWappen.empty());

    std::string d4 = v3test::ReadBytes(wappen / "VW_D4.BMP");
    Daten().GeaenderteWappen = {"D4.BMP"};
    doc.OnCloseDocument();  // closing without saving
    EXPECT_FALSE(fs::exists(wappen / "TempD4.BMP"));
    EXPECT_EQ(v3test::ReadBytes(wappen / "VW_D4.BMP"), d4);
    EXPECT_TRUE(Daten().GeaenderteWappen.empty());
    (void)oldCrest;
}

}  // namespace
