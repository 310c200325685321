// The rules of the people editors: the distribution rule of the coach and
// manager pools, the selection mode, the referee property boxes, the
// celebrities' duplicate names, the order of the media checks, birth dates and
// the sponsors' names, fonts and colours. Each editor works on copies: a
// refused OK leaves the country's records as they were.
#include <gtest/gtest.h>

#include "base/AppState.h"
#include "editors/personal/rules/PersonalRules.h"
#include "platform/Text1252.h"
#include "platform/UserInterface.h"
#include "records/Land.h"
#include "records/Verein.h"

namespace v3 {
namespace {

class PersonalRules : public ::testing::Test {
protected:
    PersonalRules() { state->SetUserInterface(&ui); }
    // The texts of the messages shown so far.
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& m : ui.messages) t.push_back(m.text);
        return t;
    }
    ScopedAppState state;
    ScriptedUserInterface ui;
};

// A pool of weak (competence 5 / 1), middling (6 / 10) and strong (11 / 15)
// persons, the edge values alternating.
template <class T>
void FuellePool(Kopien<T>& pool, int schwach, int mittel, int stark) {
    auto dazu = [&](int anzahl, int a, int b) {
        for (int i = 0; i < anzahl; ++i) {
            auto p = std::make_unique<T>();
            p->Kompetenz(i % 2 ? a : b);
            pool.push_back(std::move(p));
        }
    };
    dazu(schwach, 5, 1);
    dazu(mittel, 6, 10);
    dazu(stark, 11, 15);
}

struct VerteilungsFall {
    PoolArt art;
    int schwach, mittel, stark;
    const char* meldung;  // null: accepted
};

template <class T>
void PruefeVerteilung(const VerteilungsFall& f, ScriptedUserInterface& ui) {
    CLand land;
    Kopien<T>& pool = [&]() -> Kopien<T>& {
        if constexpr (std::is_same_v<T, CManager>) return land.Managers();
        else return land.Coaches();
    }();
    FuellePool(pool, f.schwach, f.mittel, f.stark);
    std::vector<const T*> vorher;
    for (auto& p : pool) vorher.push_back(p.get());

    CStaffPool<T> rules(pool);
    ui.messages.clear();
    const bool ok = rules.Uebernehmen(pool);
    EXPECT_EQ(ok, f.meldung == nullptr);
    ASSERT_EQ(pool.size(), vorher.size());
    if (f.meldung) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, f.meldung);
        EXPECT_EQ(ui.messages[0].caption, "Fehler!");
        for (size_t i = 0; i < pool.size(); ++i) EXPECT_EQ(pool[i].get(), vorher[i]) << "record replaced";
    } else {
        EXPECT_TRUE(ui.messages.empty());
        for (int i = 0; i < rules.Anzahl(); ++i)
            EXPECT_TRUE(*pool[size_t(i)] == rules.Kopie(i)) << "copy " << i << " out of order";
    }
}

TEST_F(PersonalRules, EachCompetenceClassNeedsAQuarterOfThePoolTestedInOrder) {
    const VerteilungsFall faelle[] = {
        {PoolArt::Trainer, 14, 30, 16, "Sie haben zur Zeit zu wenige\nschw\xC3\xA4" "chere Trainer!"},
        {PoolArt::Trainer, 15, 30, 15, nullptr},
        {PoolArt::Trainer, 20, 14, 26, "Sie haben zur Zeit zu wenige\nmittelm\xC3\xA4\xC3\x9F" "ige Trainer!"},
        {PoolArt::Trainer, 26, 20, 14, "Sie haben zur Zeit zu wenige\nstarke Trainer!"},
        // Weak and strong both short: only the first test speaks.
        {PoolArt::Trainer, 10, 40, 10, "Sie haben zur Zeit zu wenige\nschw\xC3\xA4" "chere Trainer!"},
        {PoolArt::Trainer, 0, 0, 0, nullptr},
        {PoolArt::Trainer, 0, 3, 0, nullptr},  // 3 / 4 = 0 needed
        {PoolArt::Manager, 14, 30, 16, "Sie haben zur Zeit zu wenige\nschw\xC3\xA4" "chere Manager!"},
        {PoolArt::Manager, 5, 4, 11, "Sie haben zur Zeit zu wenige\nmittelm\xC3\xA4\xC3\x9F" "ige Manager!"},
        {PoolArt::Manager, 5, 11, 4, "Sie haben zur Zeit zu wenige\nstarke Manager!"},
        {PoolArt::Manager, 5, 5, 10, nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << (f.art == PoolArt::Manager ? "Manager " : "Trainer ") << f.schwach << "/"
                                        << f.mittel << "/" << f.stark);
        if (f.art == PoolArt::Manager) PruefeVerteilung<CManager>(f, ui);
        else PruefeVerteilung<CTrainerUndCo>(f, ui);
    }
}

TEST_F(PersonalRules, GoalkeeperCoachesKnowNoDistributionRule) {
    CLand land;
    FuellePool(land.GoalkeeperCoaches(), 0, 20, 0);
    CTWTrainerPool rules(land.GoalkeeperCoaches());
    EXPECT_TRUE(rules.Uebernehmen(land.GoalkeeperCoaches()));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PersonalRules, SelectionModeWantsALine) {
    CLand land;
    FuellePool(land.Coaches(), 1, 1, 1);
    FuellePool(land.Managers(), 1, 1, 1);
    CTrainerPool trainer(land.Coaches());
    CManagerPool manager(land.Managers());
    struct {
        int zeile;
        bool manager;
        std::optional<int> ergebnis;
        const char* meldung;
    } const faelle[] = {
        {-1, false, std::nullopt, "Bitte w\xC3\xA4hlen Sie zuerst einen Trainer aus der Liste!"},
        {-1, true, std::nullopt, "Bitte w\xC3\xA4hlen Sie zuerst einen Manager aus der Liste!"},
        {3, false, std::nullopt, "Bitte w\xC3\xA4hlen Sie zuerst einen Trainer aus der Liste!"},
        {2, false, 2, nullptr},
        {0, true, 0, nullptr},
    };
    for (const auto& f : faelle) {
        ui.messages.clear();
        EXPECT_EQ(f.manager ? manager.Auswahl(f.zeile) : trainer.Auswahl(f.zeile), f.ergebnis) << f.zeile;
        if (f.meldung) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, f.meldung);
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST_F(PersonalRules, ChangeDialogWritesDateAgeAndTypeAndRefusesBadNames) {
    CLand land;
    land.Coaches().push_back(std::make_unique<CTrainerUndCo>());
    CTrainerPool rules(land.Coaches());
    const CTrainerUndCo vorher = rules.Kopie(0);

    // Born in June: |1960 - 1998| = 38; in July one year younger; 31 April is 30 April.
    struct {
        PersonEingabe e;
        bool ok;
        int alter;
        int tag;
    } const faelle[] = {
        {{"  Huber ", "Sepp", 15, 6, 1960, 12, 4}, true, 38, 15},
        {{"Huber", "Sepp", 15, 7, 1960, 12, 4}, true, 37, 15},
        {{"Huber", "Sepp", 31, 4, 1960, 12, 4}, true, 38, 30},
        {{"   ", "Sepp", 15, 6, 1960, 12, 4}, false, 0, 0},
        {{"Huber", std::string(21, 'x'), 15, 6, 1960, 12, 4}, false, 0, 0},
    };
    for (const auto& f : faelle) {
        CTrainerPool r(land.Coaches());
        ui.messages.clear();
        EXPECT_EQ(r.Aendern(0, f.e, 1998), f.ok) << f.e.nachname << f.e.monat;
        const CTrainerUndCo& t = r.Kopie(0);
        if (!f.ok) {
            EXPECT_TRUE(t == vorher);
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].caption, "Fehler!");
            continue;
        }
        EXPECT_EQ(t.Nachname(), "Huber");
        EXPECT_EQ(t.Alter(), f.alter);
        EXPECT_EQ(t.GeburtsDatum().day, f.tag);
        EXPECT_EQ(t.Kompetenz(), 12);
        EXPECT_EQ(t.Ruf(), 4);
        EXPECT_EQ(r.Zeile(0), "Huber, Sepp\t12\t" + std::to_string(f.alter) + "\tSchleifer");
    }
    // The pool itself is untouched until OK.
    EXPECT_TRUE(*land.Coaches()[0] == vorher);
    EXPECT_EQ(Texte(), std::vector<std::string>{"Der Name darf h\xC3\xB6" "chstens 20 Zeichen lang sein!"});
}

TEST_F(PersonalRules, BirthYearSpinnersCoverSeventyToThirtyOneYearsAndAnyStoredYear) {
    struct {
        int saison, gespeichert, von, bis;
    } const faelle[] = {{1998, 1960, 1928, 1967}, {1998, 1920, 1920, 1967}, {2001, 1975, 1931, 1975}};
    for (const auto& f : faelle) {
        const JahrBereich b = GeburtsjahrBereich(f.saison, f.gespeichert);
        EXPECT_EQ(b.von, f.von) << f.gespeichert;
        EXPECT_EQ(b.bis, f.bis) << f.gespeichert;
    }
}

TEST_F(PersonalRules, RefereeBoxesGiveTheirBitsAndHomeExcludesGuest) {
    struct {
        SchiriKaestchen k;
        int32_t bits;
    } const faelle[] = {
        {{true, false, false, false, false}, 1},  {{false, true, false, false, false}, 2},
        {{false, false, false, true, false}, 4},  {{false, false, true, false, false}, 8},
        {{false, false, false, false, true}, 16}, {{false, true, true, true, true}, 30},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(EigenschaftenAus(f.k), f.bits);
        EXPECT_TRUE(KaestchenAus(f.bits) == f.k) << f.bits;
    }

    SchiriKaestchen k;
    HeimAnklicken(k, true);
    EXPECT_TRUE(k.heim && !k.gast);
    GastAnklicken(k, true);
    EXPECT_TRUE(!k.heim && k.gast);
    HeimAnklicken(k, true);
    EXPECT_TRUE(k.heim && !k.gast);
    HeimAnklicken(k, false);  // clearing one leaves the other alone
    EXPECT_TRUE(!k.heim && !k.gast);
}

TEST_F(PersonalRules, RefereeNamesAreTrimmedAndKeptToFifteenAndNineCharacters) {
    CLand land;
    land.Referees().push_back(std::make_unique<CNSchiri>());
    struct {
        std::string nach, vor;
        bool ok;
    } const faelle[] = {
        {std::string(15, 'N'), std::string(9, 'V'), true},
        {std::string(16, 'N'), "Karl", false},
        {"Meier", std::string(10, 'V'), false},
        {" Meier ", "", false},
        {"", "Karl", false},
    };
    for (const auto& f : faelle) {
        CSchiriListe rules(land);
        ui.messages.clear();
        SchiriEingabe e{f.nach, f.vor, 7, 3, 0, {false, true, false, true, false}};
        EXPECT_EQ(rules.Aendern(0, e), f.ok) << f.nach << "/" << f.vor;
        if (f.ok) {
            EXPECT_EQ(rules.Kopie(0).SchiriEigenschaften(), SchiriGast | SchiriHasstMeckern);
            EXPECT_EQ(rules.Zeile(0), f.nach + ", " + f.vor + "\t7\t3\tKeiner");
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].caption, "Fehler!");
            EXPECT_TRUE(rules.Kopie(0) == *land.Referees()[0]);
        }
    }
    ui.messages.clear();
    CSchiriListe rules(land);
    rules.Aendern(0, {" Meier ", "", 0, 0, 0, {}});
    EXPECT_EQ(Texte(), std::vector<std::string>{"Der Name mu\xC3\x9F mindestens ein Zeichen lang sein!"});
}

TEST_F(PersonalRules, TwoCelebritiesOfOneNameAreRefused) {
    CLand land;
    for (auto [nach, vor] : {std::pair{"Berg", "Anna"}, std::pair{"Berg", "Otto"}}) {
        auto p = std::make_unique<CPromi>();
        p->Nachname(nach);
        p->Vorname(vor);
        land.Celebrities().push_back(std::move(p));
    }
    struct {
        const char* nach;
        const char* vor;
        bool ok;
    } const faelle[] = {
        {"Berg", "Anna", false},
        {" Berg", "Anna  ", false},  // blanks do not make another name
        {"Berg", "Otto", true},      // its own name
        {"Berg", "Ann", true},
        {"berg", "Anna", true},
    };
    for (const auto& f : faelle) {
        CPromiListe rules(land);
        ui.messages.clear();
        EXPECT_EQ(rules.Aendern(1, f.nach, f.vor, 0), f.ok) << f.nach << ", " << f.vor;
        if (!f.ok) {
            EXPECT_EQ(Texte(), std::vector<std::string>{"Der Name existiert bereits!"});
            EXPECT_TRUE(rules.Kopie(1) == *land.Celebrities()[1]);
        }
    }
}

TEST_F(PersonalRules, MediaChecksRunInOrderAndShowOnlyTheFirstFailure) {
    const std::vector<ReporterEingabe> gut = {
        {"Sender A", "Alt", "Anton", 2}, {"Sender B", "Bach", "Berta", 5}, {" Sender C ", "Conz", "Carl", 9}};
    const std::vector<KritikerEingabe> gutK = {{"Dorn", "Dora"}, {"Eck", "Emil"}};
    struct Fall {
        const char* was;
        std::function<void(std::vector<ReporterEingabe>&, std::vector<KritikerEingabe>&)> aendern;
        const char* meldung;
        const char* caption;
    };
    const Fall faelle[] = {
        {"one empty broadcaster and an empty name",
         [](auto& r, auto&) { r[1].sender = " "; r[2].nachname = ""; r[0].vorname = ""; },
         "Bitte fehlenden Sender eingeben!", "Fehler!"},
        {"empty critic surname and empty first name", [](auto& r, auto& k) { k[1].nachname = ""; r[0].vorname = ""; },
         "Bisher wurde noch kein Nachname eingegeben!", "Achtung!"},
        {"empty critic first name", [](auto&, auto& k) { k[0].vorname = "  "; },
         "Bisher wurde noch kein Vorname eingegeben!", "Achtung!"},
        {"all filled", [](auto&, auto&) {}, nullptr, nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        CLand land;
        for (int i = 0; i < 3; ++i) {
            land.Reporters().push_back(std::make_unique<CReporter>());
            land.Critics().push_back(std::make_unique<CKritiker>());
        }
        const CReporter r0 = *land.Reporters()[0];
        const CKritiker k2 = *land.Critics()[2];
        auto r = gut;
        auto k = gutK;
        f.aendern(r, k);
        ui.messages.clear();
        EXPECT_EQ(MedienSpeichern(land, r, k), f.meldung == nullptr);
        if (f.meldung) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, f.meldung);
            EXPECT_EQ(ui.messages[0].caption, f.caption);
            EXPECT_TRUE(*land.Reporters()[0] == r0);
        } else {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(land.Reporters()[2]->Sender(), "Sender C");
            EXPECT_EQ(land.Reporters()[2]->Einstellung(), 9);
            EXPECT_EQ(land.Critics()[1]->Nachname(), "Eck");
            EXPECT_TRUE(*land.Critics()[2] == k2) << "the third critic is not edited";
        }
    }
}

TEST_F(PersonalRules, PresidentTakesNamesAndDate) {
    CVerbandsPraesident p;
    const CVerbandsPraesident vorher = p;
    EXPECT_FALSE(PraesidentSpeichern(p, {"", "Hans", 1, 2, 1950}));
    EXPECT_TRUE(p == vorher);
    EXPECT_TRUE(PraesidentSpeichern(p, {"Wolf ", "Hans", 29, 2, 1951}));
    EXPECT_EQ(p.Nachname(), "Wolf");
    EXPECT_EQ(p.GeburtsDatum().Text(), "28.02.1951");
}

TEST_F(PersonalRules, SponsorsNeedANameAndReplaceTheCountrysInOrder) {
    CLand land;
    for (int i = 0; i < 3; ++i) land.Sponsors().push_back(std::make_unique<CSponsor>());
    const CSponsor* erster = land.Sponsors()[0].get();
    CSponsorListe rules(land);
    rules.Umbenennen(1, "  ");
    EXPECT_FALSE(rules.Uebernehmen(land));
    EXPECT_EQ(Texte(), std::vector<std::string>{"Bitte Namen eingeben!"});
    EXPECT_EQ(ui.messages[0].caption, "Achtung!");
    EXPECT_EQ(land.Sponsors()[0].get(), erster);

    rules.Umbenennen(1, Cp("Bäckerei Groß"));
    rules.TextFarbe(1, 93);
    rules.HintergrundFarbe(1, 1);
    rules.Groesse(1, 2);
    EXPECT_TRUE(rules.Uebernehmen(land));
    ASSERT_EQ(land.Sponsors().size(), 3u);
    EXPECT_EQ(land.Sponsors()[1]->Name(), Cp("Bäckerei Groß"));
    EXPECT_EQ(land.Sponsors()[1]->TextFarbe(), 93);
    EXPECT_EQ(land.Sponsors()[1]->HintergrundFarbe(), 1);
    EXPECT_EQ(land.Sponsors()[1]->Unternehmensgroesse(), 2);
    EXPECT_TRUE(*land.Sponsors()[0] == rules.Kopie(0));
}

TEST_F(PersonalRules, FontDialogKeepsWhatTheUserLeftAlone) {
    SponsorFont alt;
    alt.faceName = "Arial";
    alt.height = -22;  // 16.5 points: no size of the dialog
    alt.weight = 0;
    alt.pitchAndFamily = 34;
    alt.quality = 1;

    SchriftWahl w = WahlAus(alt);
    EXPECT_EQ(w.punkte, 17);
    EXPECT_FALSE(w.fett);
    // Nothing changed (the face shown by a substitute, its name not picked again).
    EXPECT_TRUE(SchriftAus(alt, w) == alt);

    struct {
        const char* was;
        std::function<void(SchriftWahl&)> aendern;
        std::function<bool(const SponsorFont&)> erwartet;
    } const faelle[] = {
        {"size 36", [](SchriftWahl& s) { s.punkte = 36; }, [](const SponsorFont& f) { return f.height == -48 && f.faceName == "Arial"; }},
        {"size below 10 is 10", [](SchriftWahl& s) { s.punkte = 4; }, [](const SponsorFont& f) { return f.height == -13; }},
        {"size above 36 is 36", [](SchriftWahl& s) { s.punkte = 72; }, [](const SponsorFont& f) { return f.height == -48; }},
        {"bold", [](SchriftWahl& s) { s.fett = true; }, [](const SponsorFont& f) { return f.weight == 700 && f.height == -22; }},
        {"italic", [](SchriftWahl& s) { s.kursiv = true; }, [](const SponsorFont& f) { return f.italic == 1 && f.weight == 0; }},
        {"another face", [](SchriftWahl& s) { s.face = "DejaVu Sans Mono"; s.faceGeaendert = true; s.festeBreite = true; },
         [](const SponsorFont& f) { return f.faceName == "DejaVu Sans Mono" && f.pitchAndFamily == 0x31 && f.height == -22; }},
    };
    for (const auto& f : faelle) {
        SchriftWahl s = w;
        f.aendern(s);
        EXPECT_TRUE(f.erwartet(SchriftAus(alt, s))) << f.was;
    }

    // A face name the record cannot hold is refused with a message.
    CLand land;
    land.Sponsors().push_back(std::make_unique<CSponsor>());
    CSponsorListe rules(land);
    SchriftWahl lang = w;
    lang.face = std::string(40, 'F');
    lang.faceGeaendert = true;
    EXPECT_FALSE(rules.Schrift(0, lang));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(rules.Kopie(0) == *land.Sponsors()[0]);
}

TEST_F(PersonalRules, ColourFieldShowsThePaletteAndUnknownIndexesAsTheFirst) {
    struct {
        int index;
        uint8_t r, g, b;
    } const faelle[] = {{0, 4, 2, 2}, {93, 221, 30, 9}, {1, 255, 255, 255}, {125, 162, 180, 203}, {5, 4, 2, 2}};
    for (const auto& f : faelle) {
        const SponsorFarbe c = AnzeigeFarbe(f.index);
        EXPECT_EQ(std::tuple(c.r, c.g, c.b), std::tuple(f.r, f.g, f.b)) << f.index;
    }
}

}  // namespace
}  // namespace v3
