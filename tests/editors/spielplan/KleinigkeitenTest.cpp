// The general settings' rules: the start-year question, the cup checks and
// what a new start year does to the data set (league structure of country 0
// across 2000, the ages of every person), the last on the demo installation
// saved and loaded again.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "DemoFixture.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "editors/spielplan/rules/Kleinigkeiten.h"
#include "platform/UserInterface.h"
#include "records/ExSpieler.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/UEFA.h"
#include "records/Verein.h"

namespace v3 {
namespace {

class KleinigkeitenSmall : public ::testing::Test {
protected:
    // Country 3 with five clubs; the settings of start year `jahr`.
    KleinigkeitenSmall() {
        state->SetUserInterface(&ui);
        state->AktuellesLand = 3;
        auto land = std::make_unique<CLand>();
        land->CountryIndex(3);
        for (int nr = 1; nr <= 5; ++nr) land->VereinsListe().push_back(std::make_unique<CVerein>(nr));
        Daten().AlleLaender.resize(4);
        Daten().AlleLaender[3] = std::move(land);
        Daten().kleinigkeiten = std::make_unique<CKleinigkeiten>();
        Daten().uefa = std::make_unique<CUEFA>();
    }
    void Jahr(int jahr) { Daten().kleinigkeiten->Saisonstartjahr(jahr); }
    static VereinWahl Club(int nr) { return {3, nr}; }

    ScopedAppState state;
    ScriptedUserInterface ui;
};

TEST_F(KleinigkeitenSmall, StartYearMovesBeyondFourYearsAsk) {
    struct Fall {
        int um;
        MsgResult antwort;
        bool frage, uebernommen;
    } faelle[] = {
        {4, MsgResult::Yes, false, true},   {-4, MsgResult::Yes, false, true}, {5, MsgResult::Yes, true, true},
        {-5, MsgResult::Yes, true, true},   {5, MsgResult::No, true, false},
    };
    for (const auto& f : faelle) {
        Daten().kleinigkeiten = std::make_unique<CKleinigkeiten>();
        Jahr(2020);
        ui.messages.clear();
        KleinigkeitenRules r;
        r.Startjahr(2020 + f.um);
        r.Steuersatz(40);
        if (f.frage) ui.Answer(f.antwort);
        EXPECT_EQ(r.Uebernehmen(), f.uebernommen) << f.um;
        EXPECT_EQ(ui.messages.size(), f.frage ? 1u : 0u) << f.um;
        EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), f.uebernommen ? 2020 + f.um : 2020) << f.um;
        EXPECT_EQ(state->Saisonstartjahr, Daten().kleinigkeiten->Saisonstartjahr());
        EXPECT_EQ(Daten().kleinigkeiten->TaxRate(), f.uebernommen ? 40 : 16) << f.um;
    }
}

TEST_F(KleinigkeitenSmall, CupWinnersAndFinalGroundsAreChecked) {
    const std::string einer = "Ein Verein kann pro Saison nur einen Europapokal gewinnen!";
    const std::string finale = "Die Austragungsorte der Finalspiele dürfen nicht identisch sein!";
    const std::string pokalsieger = "Bitte wählen sie einen Verein für den Pokal der Pokalsieger aus!";
    struct Fall {
        int jahr;
        std::array<int, 3> sieger;  // club numbers, 0 none
        std::array<int, 2> finale;
        std::string meldung;        // empty: accepted
    } faelle[] = {
        {2001, {1, 1, 2}, {3, 4}, ""},
        {1999, {1, 1, 2}, {3, 4}, einer},
        {1999, {1, 2, 3}, {3, 4}, ""},
        {2001, {1, 0, 1}, {3, 4}, einer},
        {2001, {1, 0, 2}, {3, 3}, finale},
        {1999, {1, 0, 2}, {3, 4}, pokalsieger},
        {1999, {1, 1, 2}, {3, 3}, einer + "\n" + finale},
    };
    for (const auto& f : faelle) {
        Jahr(f.jahr);
        const CUEFA vorher = *Daten().uefa;
        ui.messages.clear();
        KleinigkeitenRules r;
        for (int i = 0; i < 3; ++i) r.sieger[size_t(i)] = f.sieger[size_t(i)] ? Club(f.sieger[size_t(i)]) : VereinWahl{};
        for (int i = 0; i < 2; ++i) r.finale[size_t(i)] = Club(f.finale[size_t(i)]);
        EXPECT_EQ(r.Uebernehmen(), f.meldung.empty()) << f.jahr << " " << f.meldung;
        if (!f.meldung.empty()) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, f.meldung);
            EXPECT_EQ(ui.messages[0].caption, "Fehler!");
            EXPECT_TRUE(*Daten().uefa == vorher);
            continue;
        }
        const int nation = state->NationNummer[3];
        EXPECT_EQ(Daten().uefa->SecondBlock(0, 0), nation);
        EXPECT_EQ(Daten().uefa->SecondBlock(0, 1), f.sieger[0]);
        EXPECT_EQ(Daten().uefa->SecondBlock(2, 1), f.sieger[2]);
        EXPECT_EQ(Daten().uefa->FirstBlock(0, 1), f.finale[0]);
        EXPECT_EQ(Daten().uefa->FirstBlock(2, 1), f.finale[1]);
        // The editor opened again shows what was stored.
        KleinigkeitenRules wieder;
        EXPECT_EQ(wieder.sieger[0], Club(f.sieger[0]));
        EXPECT_EQ(wieder.finale[1], Club(f.finale[1]));
    }
}

TEST_F(KleinigkeitenSmall, AYearOutsideTheRangeIsShownClampedAndKeptUntilEntered) {
    Jahr(1998);
    KleinigkeitenRules r;
    EXPECT_EQ(r.Startjahr(), 1999);
    r.sieger[kPokalDerPokalsieger] = Club(1);
    ASSERT_TRUE(r.Uebernehmen());
    EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1998);
    r.Startjahr(1999);
    ASSERT_TRUE(r.Uebernehmen());
    EXPECT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1999);
}

TEST_F(KleinigkeitenSmall, AgesAreBroughtIntoRangeByAgeNotByBirthYear) {
    // Ages count one less for a birthday after June: a coach born in August
    // of Y - 31 is 30 and must become 31, not stay 30 with the birth year Y - 31.
    struct Fall {
        int tag, monat, jahrVorY;  // birth date, year as Y minus this
        bool spieler;
        int jahrNachherVorY, alterNachher;
    } faelle[] = {
        {15, 8, 31, false, 32, 31}, {15, 3, 31, false, 31, 31}, {15, 3, 80, false, 70, 70},
        {15, 9, 71, false, 71, 70}, {10, 9, 16, true, 18, 17},  {1, 3, 60, true, 50, 50},
        {1, 3, 30, true, 30, 30},
    };
    const int y = 2020;
    Jahr(y);
    CVerein& v = *Daten().AlleLaender[3]->VereinsListe()[0];
    for (const auto& f : faelle) {
        CDatum d;
        d.Init(f.tag, f.monat, y - f.jahrVorY, 0, 0, 0);
        if (f.spieler) {
            auto s = std::make_unique<CSpieler>();
            s->GeburtsDatum(f.tag, f.monat, y - f.jahrVorY);
            v.SpielerListe().clear();
            v.SpielerListe().push_back(std::move(s));
        } else {
            CTrainerUndCo t = v.Trainer();
            t.GeburtsDatum(d);
            v.Trainer(t);
        }
        AlterAnpassen();
        const CDatum nachher = f.spieler ? v.SpielerListe()[0]->GeburtsDatum() : v.Trainer().GeburtsDatum();
        EXPECT_EQ(nachher.year, y - f.jahrNachherVorY) << f.monat << "/" << f.jahrVorY;
        EXPECT_EQ(nachher.month, f.monat);
        EXPECT_EQ(nachher.day, f.tag);
        EXPECT_EQ(f.spieler ? v.SpielerListe()[0]->StoredAlter() : v.TrainerAlter(), f.alterNachher)
            << f.monat << "/" << f.jahrVorY;
    }
}

// ---------------------------------------------------------------- on the demo

class KleinigkeitenDemo : public ::testing::Test {
protected:
    KleinigkeitenDemo() {
        state->SetUserInterface(&ui);
        state->installDir = demo.path();
    }
    void Laden() {
        ui.messages.clear();
        doc.reset();
        doc = std::make_unique<CEDITORDoc>();
        doc->ClearBonusLandGlobals();
        ASSERT_TRUE(doc->LadenV3Localized()) << doc->LadeFehler();
        for (const auto& m : ui.messages) ADD_FAILURE() << "message while loading: " << m.text;
    }
    // Sets the start year through the editor's rules and saves.
    void StartjahrSpeichern(int jahr) {
        KleinigkeitenRules r;
        r.Startjahr(jahr);
        ui.Answer(MsgResult::Yes);
        ASSERT_TRUE(r.Uebernehmen());
        state->BandenSpeichern = false;
        ASSERT_TRUE(doc->SpeichernV3Localized());
    }
    // Sizes of country 0's leagues in list order.
    static std::vector<int> Groessen() {
        std::vector<int> g;
        for (const auto& l : Daten().AlleLaender[0]->Ligen()) g.push_back(l->Size());
        return g;
    }
    // Every club of country 0 stands in exactly one of the playing leagues
    // (the first `spielend`) or the rest league.
    static void JederVereinEinmal(size_t spielend, size_t rest) {
        const CLand& land = *Daten().AlleLaender[0];
        std::multiset<int> gesehen;
        for (size_t i = 0; i <= spielend; ++i) {
            const CLiga& l = *land.Ligen()[i < spielend ? i : rest];
            for (int k = 0; k < l.Size(); ++k) gesehen.insert(l.ClubNumber(k));
        }
        for (int nr = 1; nr <= int(land.VereinsListe().size()); ++nr) EXPECT_EQ(gesehen.count(nr), 1u) << nr;
        EXPECT_EQ(gesehen.size(), land.VereinsListe().size());
    }

    ScopedAppState state;
    ScriptedUserInterface ui;
    v3test::DemoInstallation demo;
    std::unique_ptr<CEDITORDoc> doc;
};

TEST_F(KleinigkeitenDemo, TenYearsOnEveryPersonHasAPlausibleAge) {
    Laden();
    ASSERT_EQ(Daten().kleinigkeiten->Saisonstartjahr(), 1998);
    StartjahrSpeichern(2008);
    Laden();
    ASSERT_EQ(state->Saisonstartjahr, 2008);
    const int y = 2008;
    auto alter = [y](const CDatum& d) { return y - d.year - (d.month > 6 ? 1 : 0); };
    auto staff = [&](const CDatum& d, const std::string& wer) {
        EXPECT_GE(alter(d), 31) << wer;
        EXPECT_LE(alter(d), 70) << wer;
    };
    auto spieler = [&](const CSpieler& s) {
        EXPECT_GE(alter(s.GeburtsDatum()), 17) << s.Nachname();
        EXPECT_LE(alter(s.GeburtsDatum()), 50) << s.Nachname();
    };
    size_t personen = 0;
    for (const auto& land : Daten().AlleLaender) {
        for (const auto& p : land->Coaches()) staff(p->GeburtsDatum(), "coach"), ++personen;
        for (const auto& p : land->GoalkeeperCoaches()) staff(p->GeburtsDatum(), "goalkeeper coach"), ++personen;
        for (const auto& p : land->Managers()) staff(p->GeburtsDatum(), "manager"), ++personen;
        staff(land->NationalCoach().GeburtsDatum(), "national coach");
        for (const auto& v : land->VereinsListe()) {
            staff(v->Trainer().GeburtsDatum(), "club coach");
            staff(v->Manager().GeburtsDatum(), "club manager");
            EXPECT_EQ(v->TrainerAlter(), alter(v->Trainer().GeburtsDatum()));
            for (const auto& s : v->SpielerListe()) spieler(*s), ++personen;
        }
    }
    for (const auto& s : Daten().ExSpielerListe) spieler(*s);
    for (const auto& s : Daten().SonstigeSpielerListe) spieler(*s);
    EXPECT_GT(personen, 10000u);
}

TEST_F(KleinigkeitenDemo, AcrossTwoThousandAndBackTheLeaguesKeepTheirSizes) {
    Laden();
    ASSERT_EQ(Groessen(), (std::vector<int>{18, 18, 18, 18, 18, 18, 0}));
    StartjahrSpeichern(2000);
    Laden();
    EXPECT_EQ(state->LigaAnzahl[0], 4);
    // Two regional leagues; the rest league; the two leagues kept for a return.
    EXPECT_EQ(Groessen(), (std::vector<int>{18, 18, 18, 18, 36, 18, 18}));
    JederVereinEinmal(4, 4);

    StartjahrSpeichern(1999);
    Laden();
    EXPECT_EQ(state->LigaAnzahl[0], 6);
    EXPECT_EQ(Groessen(), (std::vector<int>{18, 18, 18, 18, 18, 18, 0}));
    JederVereinEinmal(6, 6);
}

}  // namespace
}  // namespace v3
