#include "editors/verein/rules/Vereinsauswahl.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "TestUtil.h"
#include "base/Layout.h"
#include "dataset/DefaultWappen.h"
#include "editors/verein/rules/VereinsEditor.h"
#include "editors/verein/rules/VereinsNamen.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/Ausruester.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Nation.h"
#include "records/V3File.h"

using namespace v3;
namespace fs = std::filesystem;

namespace {

struct Klub {
    const char* name;
    std::vector<int> staerken;
    int liga;  // -1: in no league
};

// A small world: countries 0 and 1 with clubs in leagues, crests in the
// data directory of a temporary installation.
struct Welt : ::testing::Test {
    ScopedAppState app;
    ScriptedUserInterface ui;
    v3test::TempDir dir;

    void SetUp() override {
        app->SetUserInterface(&ui);
        app->installDir = dir.path();
        fs::create_directories(dir.path() / "DATA.V3" / "Wappen");
        Land(0, {{"Alpha", {9, 10}, 0},
                 {"Beta", {12}, 1},
                 {"Alpha", {11}, 0},
                 {"Gamma", {5}, -1},
                 {"Delta", {4}, 2},
                 {"Epsilon", {3}, 3}});
        Land(1, {{"Zeta", {7}, 0}, {"Eta", {8}, 1}});
    }

    void Land(int index, const std::vector<Klub>& klubs) {
        app->AktuellesLand = index;
        app->LigaAnzahl[size_t(index)] = 4;
        auto land = std::make_unique<CLand>();
        land->CountryIndex(index);
        for (int l = 0; l < 4; ++l) {
            auto liga = std::make_unique<CLiga>();
            liga->Name("Liga " + std::to_string(l + 1));
            land->Ligen().push_back(std::move(liga));
        }
        std::vector<int> groesse(4, 0);
        int nummer = 0;
        for (const Klub& k : klubs) {
            auto v = std::make_unique<CVerein>(++nummer);
            v->Name(k.name);
            v->LandNr(index);
            v->Stadion(std::make_unique<CStadion>());
            for (int s : k.staerken) {
                auto sp = std::make_unique<CSpieler>();
                sp->Staerke(s);
                v->SpielerListe().push_back(std::move(sp));
            }
            if (k.liga >= 0) {
                CLiga& liga = *land->Ligen()[size_t(k.liga)];
                liga.Size(groesse[size_t(k.liga)] + 1);
                liga.ClubNumber(groesse[size_t(k.liga)]++, nummer);
            }
            land->VereinsListe().push_back(std::move(v));
        }
        auto& laender = Daten().AlleLaender;
        if (laender.size() <= size_t(index)) laender.resize(size_t(index) + 1);
        laender[size_t(index)] = std::move(land);
        app->AktuellesLand = 0;
    }

    fs::path Wappen(const std::string& name) const { return dir.path() / "DATA.V3" / "Wappen" / name; }

    std::vector<std::string> Namen(CVereinsauswahl& a) {
        std::vector<std::string> n;
        for (const auto& v : a.Vereine()) n.push_back(v->Name() + "#" + std::to_string(v->VereinsNummer()));
        return n;
    }
    std::string Meldung() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

TEST(ZweiNachkommaFormat, RoundsTheHundredths) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {{5.3, "5.30"}, {12.999, "13.00"}, {9.5, "9.50"}, {0.0, "0.00"}, {10.004, "10.00"}};
    for (const auto& f : faelle) EXPECT_EQ(ZweiNachkomma(f.wert), f.text) << f.wert;
}

TEST_F(Welt, OpensByStrengthAndSortsStablyByTheHeaders) {
    CVereinsauswahl a(0);
    EXPECT_EQ(a.AngeboteneLaender(), (std::vector<int>{0, 1}));
    a.LandWechsel(0);
    EXPECT_EQ(Namen(a), (std::vector<std::string>{"Beta#2", "Alpha#3", "Alpha#1", "Gamma#4", "Delta#5", "Epsilon#6"}));
    const auto vorher = Namen(a);
    EXPECT_FALSE(a.Sortiere(kSortStaerke));
    EXPECT_EQ(Namen(a), vorher);
    EXPECT_TRUE(a.Sortiere(kSortName));
    // Equal names keep the strength order.
    EXPECT_EQ(Namen(a), (std::vector<std::string>{"Alpha#3", "Alpha#1", "Beta#2", "Delta#5", "Epsilon#6", "Gamma#4"}));
    EXPECT_EQ(a.Sortierfolge(), kSortStaerke * 256 + kSortName);
    // By league: the club in no league comes last.
    EXPECT_TRUE(a.Sortiere(kSortLiga));
    EXPECT_EQ(a.Vereine().back()->Name(), "Gamma");
    EXPECT_EQ(a.Vereine().front()->Name(), "Alpha");
}

TEST_F(Welt, ListLinesCarryStrengthAndLeague) {
    CVereinsauswahl a(0);
    a.LandWechsel(0);
    std::map<std::string, std::string> zeilen;
    for (const auto& v : a.Vereine()) zeilen[v->Name() + std::to_string(v->VereinsNummer())] = a.Zeile(*v);
    EXPECT_EQ(zeilen["Alpha1"], "Alpha\t\t9.50\tLiga 1");  // below 10: one more tab
    EXPECT_EQ(zeilen["Beta2"], "Beta\t12.00\tLiga 2");
    EXPECT_EQ(zeilen["Gamma4"], "Gamma\t\t5.00\t-");
    EXPECT_EQ(a.Kadergroesse(0, 1), 2);
}

TEST_F(Welt, CrestEditsStayStagedUntilTheSelectionEnds) {
    const std::string orig = DefaultWappen();
    v3test::WriteBytes(Wappen("VW_D1.BMP"), orig);
    // Paints pixel `pixel` with colour `pixel` in the editor's crest file and
    // closes the editor with OK; a later edit sees the earlier ones.
    auto bearbeite = [&](CVereinsauswahl& a, int pixel, const std::vector<int>& schonDa) {
        const int zeile = 2;  // "Alpha" #1 in strength order
        ASSERT_EQ(a.Vereine()[zeile]->VereinsNummer(), 1);
        fs::path editor = a.BearbeitenVorbereiten(zeile);
        ASSERT_FALSE(editor.empty());
        std::string b = v3test::ReadBytes(editor);
        for (int p : schonDa) EXPECT_EQ(b[1078 + size_t(p)], char(p));
        b[1078 + size_t(pixel)] = char(pixel);
        v3test::WriteBytes(editor, b);
        a.Bearbeitet(zeile, std::make_unique<CVerein>(*a.Vereine()[zeile]), a.Land(0).amateure);
        EXPECT_FALSE(fs::exists(editor));
    };
    {
        CVereinsauswahl a(0);
        a.LandWechsel(0);
        bearbeite(a, 5, {});
        bearbeite(a, 1, {5});
        ASSERT_TRUE(fs::exists(Wappen("TempLocD1.BMP")));
        EXPECT_EQ(a.Vorschau(2), Wappen("TempLocD1.BMP"));
        a.Abbrechen();
        EXPECT_FALSE(fs::exists(Wappen("TempLocD1.BMP")));
        EXPECT_EQ(v3test::ReadBytes(Wappen("VW_D1.BMP")), orig);
        EXPECT_EQ(v3test::ReadBytes(Wappen("TempD1.BMP")), orig);  // pending, but unchanged
    }
    {
        CVereinsauswahl a(0);
        a.LandWechsel(0);
        bearbeite(a, 5, {});
        a.Uebernehmen();
        EXPECT_FALSE(fs::exists(Wappen("TempLocD1.BMP")));
        const std::string pend = v3test::ReadBytes(Wappen("TempD1.BMP"));
        EXPECT_EQ(pend[1078 + 5], char(5));
        EXPECT_EQ(v3test::ReadBytes(Wappen("VW_D1.BMP")), orig);  // reaches VW_ only with the save
        EXPECT_EQ(Daten().GeaenderteWappen, (std::vector<std::string>{"D1.BMP"}));
    }
}

TEST_F(Welt, UebernehmenPutsTheClubsBackInNumberOrder) {
    CVereinsauswahl a(0);
    a.LandWechsel(0);
    a.Vereine()[0]->Name("Neuer Name");  // #2, first by strength
    a.Uebernehmen();
    const auto& liste = Daten().AlleLaender[0]->VereinsListe();
    ASSERT_EQ(liste.size(), 6u);
    for (size_t i = 0; i < liste.size(); ++i) EXPECT_EQ(liste[i]->VereinsNummer(), int(i) + 1);
    EXPECT_EQ(liste[1]->Name(), "Neuer Name");
}

TEST_F(Welt, FormerPlayersFollowTheSquadModeOnly) {
    Daten().ExSpielerListe.push_back(std::make_unique<CExSpieler>());
    {
        CVereinsauswahl a(1);
        ASSERT_EQ(a.ExSpieler().size(), 1u);
        a.ExSpieler().push_back(std::make_unique<CExSpieler>());
        a.Abbrechen();
        EXPECT_EQ(Daten().ExSpielerListe.size(), 1u);
    }
    {
        CVereinsauswahl a(1);
        a.ExSpieler().push_back(std::make_unique<CExSpieler>());
        a.Uebernehmen();
        EXPECT_EQ(Daten().ExSpielerListe.size(), 2u);
    }
    {
        CVereinsauswahl a(0);  // the club mode keeps the document's former players
        a.Uebernehmen();
        EXPECT_EQ(Daten().ExSpielerListe.size(), 2u);
    }
}

TEST_F(Welt, CrestStagingThatCannotBeWrittenIsReported) {
    v3test::WriteBytes(Wappen("VW_D1.BMP"), DefaultWappen());
    fs::create_directories(Wappen("TempLocD1.BMP"));  // a folder where the file should go
    CVereinsauswahl a(0);
    a.LandWechsel(0);
    EXPECT_TRUE(a.BearbeitenVorbereiten(2).empty());
    EXPECT_NE(Meldung().find("konnte nicht geschrieben werden"), std::string::npos);
    EXPECT_EQ(v3test::ReadBytes(Wappen("VW_D1.BMP")), DefaultWappen());
}

// ---- the club editor

struct Editor : Welt {
    std::unique_ptr<CVereinsauswahl> auswahl;
    std::unique_ptr<CVereinsEditor> ed;
    void Oeffne(int land, int nummer) {
        auswahl = std::make_unique<CVereinsauswahl>(0);
        auswahl->LandWechsel(land);
        for (auto& v : auswahl->Vereine())
            if (v->VereinsNummer() == nummer)
                ed = std::make_unique<CVereinsEditor>(*v, auswahl->Vereine(), auswahl->Land(land).amateure,
                                                      auswahl->Land(land).bonus, land);
        ASSERT_TRUE(ed);
    }
    // The editor's OK as the selection takes it: the copy replaces the club.
    void Zurueck() {
        auto kopie = ed->GetVerein();
        for (auto& v : auswahl->Vereine())
            if (v->VereinsNummer() == kopie->VereinsNummer()) {
                v = std::move(kopie);
                break;
            }
    }
    CVerein& Klub(int nummer) {
        for (auto& v : auswahl->Vereine())
            if (v->VereinsNummer() == nummer) return *v;
        throw std::runtime_error("no club");
    }
};

TEST_F(Editor, AbbreviationChecks) {
    const struct {
        const char* gelesen;  // "" keeps the record's own
        const char* getippt;  // nullptr: the page is not left
        bool seiteOk, ok;
    } faelle[] = {
        {"AB", nullptr, true, true},      // 2 characters from a file pass OK
        {"ABCDE", nullptr, true, false},  // 5 fail it
        {"", "AB", false, false},         // typing fewer than 3 fails the page
        {"", "ABC", true, true},
    };
    for (const auto& f : faelle) {
        ui.messages.clear();
        Oeffne(0, 1);
        if (*f.gelesen) {
            // A file's text as read, beyond the setter's limit.
            CV3File out;
            ASSERT_TRUE(out.Open(dir.File("k.sav"), CV3File::modeCreate | CV3File::modeWrite));
            CVerein v = ed->Kopie();
            v.SpeichernV3Localized(out, 0);
            out.Close();
            std::string bytes = v3test::ReadBytes(dir.File("k.sav"));
            const size_t pos = bytes.find("\r\nKRZ\r\n");
            ASSERT_NE(pos, std::string::npos);
            bytes.replace(pos + 2, 3, f.gelesen);
            v3test::WriteBytes(dir.File("k.sav"), bytes);
            CV3File in;
            ASSERT_TRUE(in.Open(dir.File("k.sav"), CV3File::modeRead));
            ASSERT_TRUE(ed->Kopie().LadenV3Localized(in, 0));
            ASSERT_EQ(ed->Kopie().Kuerzel(), f.gelesen);
        }
        bool seite = true;
        if (f.getippt) {
            SeiteAllgemein s = ed->LadeAllgemein();
            s.kuerzel = f.getippt;
            seite = ed->SpeichereAllgemein(s);
            EXPECT_EQ(seite, f.seiteOk) << f.getippt;
            if (!seite) {
                EXPECT_EQ(Meldung(), "Bitte in dieses Feld mindestens 3 Zeichen eingeben.");
            }
        }
        EXPECT_EQ(ed->Ok(seite), f.ok) << f.gelesen << (f.getippt ? f.getippt : "");
        if (*f.gelesen && !f.ok) {
            EXPECT_EQ(Meldung(), "Ein Vereinskürzel darf\nzwischen 3 und 4 Zeichen umfassen!");
        }
    }
}

TEST_F(Editor, ArchRivalEqualToFanFriendKeepsThePreviousRival) {
    Oeffne(0, 1);
    SeiteAllgemein s = ed->LadeAllgemein();
    s.fanFreund = 2;
    s.erzRivale = 3;
    ASSERT_TRUE(ed->SpeichereAllgemein(s));
    s.erzRivale = 2;
    ASSERT_TRUE(ed->SpeichereAllgemein(s));
    EXPECT_EQ(ed->Kopie().FanFreundschaft(), 2);
    EXPECT_EQ(ed->Kopie().ErzRivale(), 3);
}

TEST_F(Editor, VereinPageWritesNamesAndPhrases) {
    Oeffne(0, 1);
    SeiteVerein s = ed->LadeVerein();
    s.name = "Kickers";
    s.fanbezeichnung = "Die Fans";
    s.satzBau = 1;
    s.punkte = 77;
    ASSERT_TRUE(ed->SpeichereVerein(s));
    EXPECT_EQ(ed->Kopie().Name(), "Kickers");
    EXPECT_EQ(ed->Kopie().SatzBau(), 1);
    EXPECT_EQ(ed->Kopie().Punkte(), 77);
    EXPECT_EQ(SatzBauPhrasen(1, "Kickers")[0], Cp("...können die Kickers..."));
    EXPECT_EQ(SatzBauPhrasen(3, "Kickers")[1], "...von der Kickers kam...");
    s.name = "Ki";
    EXPECT_FALSE(ed->SpeichereVerein(s));
    EXPECT_EQ(ed->Kopie().Name(), "Kickers");
}

TEST_F(Editor, AmateurComboOnlyInCountriesZeroAndFour) {
    const struct {
        int land, nummer;
        bool aktiv;
    } faelle[] = {{0, 5, true}, {0, 2, false}, {1, 2, false}};  // country 0: leagues from the third on
    for (const auto& f : faelle) {
        Oeffne(f.land, f.nummer);
        EXPECT_EQ(ed->AmateurComboAktiv(), f.aktiv) << f.land << "/" << f.nummer;
    }
    Oeffne(1, 2);
    EXPECT_EQ(ed->MaxAmateurAbteilungen(), 0);
}

TEST_F(Editor, AmateurLinkRules) {
    // A fifteenth department in country 0 is refused with the maximum 14.
    Oeffne(0, 5);
    auswahl->Land(0).amateure = 14;
    ed = std::make_unique<CVereinsEditor>(Klub(5), auswahl->Vereine(), 14, 0, 0);
    EXPECT_EQ(ed->AmateurWahl(1), 0);
    EXPECT_EQ(Meldung(), "Es dürfen nur maximal 14 Vereine Amateurabteilungen anderer Vereine sein! Bitte löschen Sie "
                         "zunächst die Abteilung eines anderen Vereins.");

    // Club 5 (third league) under club 1 (first league): two levels apart.
    ed = std::make_unique<CVereinsEditor>(Klub(5), auswahl->Vereine(), 0, 0, 0);
    EXPECT_EQ(ed->AmateurWahl(1), 1);
    EXPECT_EQ(ed->Amateure(), 1);
    ASSERT_TRUE(ed->Ok(true));
    Zurueck();
    EXPECT_EQ(Klub(5).Amateurabteilung(), 1);
    EXPECT_EQ(Klub(1).Profiabteilung(), 5);

    // Club 6 (fourth league) under club 2 (second league) is fine by distance;
    // under club 5 (a league at the same level) it is refused and no link is made.
    ui.messages.clear();
    ed = std::make_unique<CVereinsEditor>(Klub(6), auswahl->Vereine(), 1, 0, 0);
    EXPECT_EQ(ed->AmateurWahl(5), 0);
    EXPECT_EQ(Meldung(), "Der als Profiabteilung ausgewählte Verein ist selbst Amateurabteilung eines anderen Vereins!");
    EXPECT_EQ(ed->AmateurWahl(6), 0);
    EXPECT_EQ(Meldung(), "Der Profiverein ist mit dem Amateurverein identisch!");
    // Club 1 has an amateur department already: No keeps everything.
    ui.Answer(MsgResult::No);
    EXPECT_EQ(ed->AmateurWahl(1), 0);
    EXPECT_EQ(ed->Amateure(), 1);
    // Yes moves the department from club 5 to club 6.
    ui.Answer(MsgResult::Yes);
    EXPECT_EQ(ed->AmateurWahl(1), 1);
    EXPECT_EQ(ed->Amateure(), 1);
    ASSERT_TRUE(ed->Ok(true));
    Zurueck();
    EXPECT_EQ(Klub(6).Amateurabteilung(), 1);
    EXPECT_EQ(Klub(5).Amateurabteilung(), 0);
    EXPECT_EQ(Klub(1).Profiabteilung(), 6);
}

TEST_F(Editor, LeagueDistanceRefusalLeavesNoHalfLink) {
    Oeffne(0, 2);  // second league: too close under club 1
    Klub(2).Liga(1);
    ed = std::make_unique<CVereinsEditor>(Klub(2), auswahl->Vereine(), 0, 0, 0);
    EXPECT_EQ(ed->AmateurWahl(1), 0);
    EXPECT_EQ(Meldung(), "Ein Amateurverein muß mindestens 2 Ligen unter seiner Profiabteilung spielen!");
    EXPECT_EQ(ed->Amateure(), 0);
    ASSERT_TRUE(ed->Ok(true));
    EXPECT_EQ(Klub(1).Profiabteilung(), 0);
}

TEST_F(Editor, CancelledEditorLeavesOtherClubsAlone) {
    Oeffne(0, 5);
    EXPECT_EQ(ed->AmateurWahl(1), 1);
    ed.reset();  // cancelled: the parent's link is not made
    EXPECT_EQ(Klub(1).Profiabteilung(), 0);
}

// ---- single-club files

TEST_F(Editor, SingleClubFileKeepsThePlaceOfTheClubItIsReadInto) {
    Oeffne(0, 1);
    v3test::WriteBytes(Wappen("Temp.BMP"), DefaultWappen());
    SeiteVerein s = ed->LadeVerein();
    s.name = "Exportklub";
    ASSERT_TRUE(ed->SpeichereVerein(s));
    ed->Kopie().FanFreundschaft(3);
    const fs::path ven = dir.path() / "k.ven";
    ASSERT_TRUE(ed->VereinSpeichern(ven, VereinsdateiWappen(ven)));
    EXPECT_TRUE(fs::exists(dir.path() / "k.bmp"));
    EXPECT_EQ(v3test::ReadBytes(ven).substr(0, 10), "17373592\r\n");

    Oeffne(0, 2);
    Klub(2).Status(7);
    ed = std::make_unique<CVereinsEditor>(Klub(2), auswahl->Vereine(), 0, 0, 0);
    std::string bunt = DefaultWappen();
    bunt[1078] = char(9);
    v3test::WriteBytes(dir.path() / "k.bmp", bunt);
    ASSERT_TRUE(ed->VereinEinlesen(ven, VereinsdateiWappen(ven)));
    const CVerein& v = ed->Kopie();
    EXPECT_EQ(v.Name(), "Exportklub");
    EXPECT_EQ(v.VereinsNummer(), 2);
    EXPECT_EQ(v.Status(), 7);
    EXPECT_EQ(v.Liga(), 1);
    EXPECT_EQ(v.FanFreundschaft(), 0);
    EXPECT_EQ(v.SpielerListe().size(), 2u);
    ASSERT_NE(v.Stadion(), nullptr);
    EXPECT_EQ(ed->StaerkeText(), "9.50");
    EXPECT_EQ(v3test::ReadBytes(Wappen("Temp.BMP")), bunt);
}

TEST_F(Editor, BadSingleClubFilesAreRefused) {
    Oeffne(0, 1);
    v3test::WriteBytes(Wappen("Temp.BMP"), DefaultWappen());
    const fs::path ven = dir.path() / "k.ven";
    ASSERT_TRUE(ed->VereinSpeichern(ven, VereinsdateiWappen(ven)));
    const std::string gut = v3test::ReadBytes(ven);
    std::string vielSpieler = gut;
    {
        // The squad count line follows the last reserved value; make it absurd.
        const size_t spieler = vielSpieler.find("%SECT%SPIELER");
        const size_t zeile = vielSpieler.rfind("\r\n", spieler - 3);
        vielSpieler.replace(zeile + 2, spieler - 2 - (zeile + 2), "5000");
    }
    const struct {
        const char* was;
        std::string bytes;
        const char* meldung;
    } faelle[] = {
        {"other identification", "17373593" + gut.substr(8), "VOLTARO 3-FileID nicht gefunden. Datei "},
        {"not a club file", "just text\r\n", "VOLTARO 3-FileID nicht gefunden. Datei "},
        {"truncated", gut.substr(0, gut.size() / 2), "Fehler beim Laden des Vereins!"},
        {"absurd squad", vielSpieler, "Fehler beim Laden des Vereins!"},
    };
    const CVerein vorher = ed->Kopie();
    for (const auto& f : faelle) {
        v3test::WriteBytes(ven, f.bytes);
        EXPECT_FALSE(ed->VereinEinlesen(ven, VereinsdateiWappen(ven))) << f.was;
        EXPECT_EQ(Meldung().rfind(f.meldung, 0), 0u) << f.was << ": " << Meldung();
        EXPECT_TRUE(ed->Kopie() == vorher) << f.was;
    }
    // A missing crest beside a good file: the message, the old crest stays.
    v3test::WriteBytes(ven, gut);
    fs::remove(dir.path() / "k.bmp");
    EXPECT_TRUE(ed->VereinEinlesen(ven, VereinsdateiWappen(ven)));
    EXPECT_EQ(Meldung(), "Fehler beim Kopieren des Vereinswappens, es wird das Wappen des editierten Vereins verwendet!");
    EXPECT_EQ(v3test::ReadBytes(Wappen("Temp.BMP")), DefaultWappen());
}

TEST(Vereinsdatei, CrestBesideIt) {
    EXPECT_EQ(VereinsdateiWappen("/a/klub.ven"), fs::path("/a/klub.bmp"));
    EXPECT_EQ(VereinsdateiWappen("/a/x.ven.ven"), fs::path("/a/x.ven.bmp"));
    EXPECT_EQ(VereinsdateiWappen("/a/klub"), fs::path("/a/klub.bmp"));
}

// ---- name lists

TEST_F(Welt, NameListRenamesWithTrimAndRefusesShortAndDuplicateNames) {
    auto& amateure = Daten().AlleLaender[0]->AmateurVereine();
    ASSERT_GE(amateure.size(), 2u);
    amateure[0]->Name("Erster");
    amateure[1]->Name("Zweiter");
    CVereinsNamenListe liste(0);
    EXPECT_FALSE(liste.Umbenennen(0, "  Abc "));
    EXPECT_EQ(Meldung(), "Der Name muß mindestens 4 Zeichen lang sein!");
    EXPECT_FALSE(liste.Umbenennen(0, "Zweiter"));
    EXPECT_EQ(Meldung(), "Der Name existiert bereits!");
    EXPECT_TRUE(liste.Umbenennen(0, "  Neuer Klub  "));
    EXPECT_EQ(liste.Naechste(amateure.size() - 1), 0u);
    EXPECT_EQ(amateure[0]->Name(), "Erster");  // only OK writes back
    liste.Ok();
    EXPECT_EQ(amateure[0]->Name(), "Neuer Klub");
}

TEST_F(Welt, NonEuropeanClubsGroupedByNationAndRenamedOnlyOnOk) {
    for (const char* name : {"Brasilien", "Japan"}) {
        Daten().NationenListe.push_back(std::make_unique<CNation>());
        Daten().NationenListe.back()->Name(name);
    }
    for (auto [name, nation] : {std::pair{"Santos", 0}, {"Flamengo", 0}, {"Urawa", 1}}) {
        Daten().IVereineListe.push_back(std::make_unique<CIVerein>());
        Daten().IVereineListe.back()->Name(name);
        Daten().IVereineListe.back()->Kennzahl(nation);
    }
    CIVereineListe liste;
    EXPECT_EQ(liste.Zeile(0), "Brasilien :\tSantos");
    EXPECT_EQ(liste.Zeile(1), "\tFlamengo");
    EXPECT_EQ(liste.Zeile(2), "Japan :\tUrawa");
    EXPECT_FALSE(liste.Umbenennen(1, "Fla"));
    EXPECT_TRUE(liste.Umbenennen(1, " Santos "));  // no duplicate check here
    EXPECT_EQ(Daten().IVereineListe[1]->Name(), "Flamengo");
    liste.Ok();
    EXPECT_EQ(Daten().IVereineListe[1]->Name(), "Santos");
}

}  // namespace
