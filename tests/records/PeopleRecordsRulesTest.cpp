// Construction, defaults and setter limits of the people, media and fan records.
#include <gtest/gtest.h>

#include <functional>

#include "PeopleTestSupport.h"
#include "base/AppState.h"
#include "records/Ausruester.h"
#include "records/EigenerFangesang.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/Kleinigkeiten.h"
#include "records/Kritiker.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/QuizFrage.h"
#include "records/Reporter.h"
#include "records/Sponsor.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/VerbandsPraesident.h"

using namespace v3;
using v3test::AddLengthRange;
using v3test::AddMinimum;
using v3test::AddRange;
using v3test::CheckSetters;
using v3test::SetterCase;

namespace {

struct ConstructionCase {
    const char* what;
    int seasonYear;          // App().Saisonstartjahr while constructing
    std::vector<int> draws;  // exactly the random values the constructor takes, in order
    std::function<void()> check;
};

TEST(PeopleRecords, ConstructionDrawsInOrderAndNumbersThePlaceholders) {
    const ConstructionCase cases[] = {
        {"coach born in July", 1998, {5, 6, 30, 16},
         [] {
             CTrainerUndCo t;
             EXPECT_EQ(t.GetClassNameA(), "CTrainerUndCo");
             EXPECT_EQ(t.GeburtsDatum().Text(), "31.07.1962");
             EXPECT_EQ(t.Kompetenz(), 2);
             EXPECT_EQ(t.Alter(), 35);  // July: one year younger than 1998 - 1962
             EXPECT_EQ(t.Nachname(), "NA000000");
             EXPECT_EQ(t.Vorname(), "VN000001");
             EXPECT_EQ(t.Ruf(), 0);
             EXPECT_EQ(t.TrainerWert1(), 0);
             EXPECT_EQ(t.TrainerWert2(), 0);
         }},
        {"coach born in June", 1998, {5, 5, 29, 14},
         [] {
             CTrainerUndCo t;
             EXPECT_EQ(t.GeburtsDatum().Text(), "30.06.1962");
             EXPECT_EQ(t.Kompetenz(), 15);
             EXPECT_EQ(t.Alter(), 36);
         }},
        {"coach in a later season, day clamped to February", 2005, {19, 1, 30, 0},
         [] {
             CTrainerUndCo t;
             EXPECT_EQ(t.GeburtsDatum().Text(), "28.02.1955");
             EXPECT_EQ(t.Kompetenz(), 1);
             EXPECT_EQ(t.Alter(), 50);
         }},
        {"goalkeeper coach", 1998, {0, 11, 0, 29},
         [] {
             CTWTrainer t;
             EXPECT_EQ(t.GetClassNameA(), "CTWTrainer");
             EXPECT_EQ(t.GeburtsDatum().Text(), "01.12.1967");
             EXPECT_EQ(t.Kompetenz(), 15);
             EXPECT_EQ(t.Alter(), 30);
             EXPECT_EQ(t.Nachname(), "NA000000");
             EXPECT_EQ(t.Vorname(), "VN000001");
             EXPECT_EQ(t.TrainerWert1(), 0);
             EXPECT_EQ(t.TrainerWert2(), 0);
         }},
        {"manager: competence first, birth date last", 1998, {3, 19, 11, 0},
         [] {
             CManager m;
             EXPECT_EQ(m.GetClassNameA(), "CManager");
             EXPECT_EQ(m.Kompetenz(), 4);
             EXPECT_EQ(m.Nachname(), "NA000000");
             EXPECT_EQ(m.Vorname(), "VN000001");
             EXPECT_EQ(m.GeburtsDatum().Text(), "01.12.1948");
             EXPECT_EQ(m.Alter(), 49);
         }},
        {"national referee", 1998, {9},
         [] {
             CNSchiri s;
             EXPECT_EQ(s.GetClassNameA(), "CNSchiri");
             EXPECT_EQ(s.Vorname(), "VN000000");
             EXPECT_EQ(s.Nachname(), "NA000001");
             EXPECT_EQ(s.Kompetenz(), 10);
             EXPECT_EQ(s.Haerte(), 0);
             EXPECT_EQ(s.SchiriVerein(), 0);
             EXPECT_EQ(s.SchiriEigenschaften(), 0);
         }},
        {"international referee", 1998, {10, 21},
         [] {
             CISchiri s;
             EXPECT_EQ(s.Nachname(), "NA000000");
             EXPECT_EQ(s.Vorname(), "NA000001");
             EXPECT_EQ(s.Kompetenz(), 10);
             EXPECT_EQ(s.Haerte(), 10);
             EXPECT_EQ(s.Nation(), 0);
             EXPECT_EQ(s.SchiriEigenschaften(), 0);
         }},
        {"association president", 1998, {9, 11, 0},
         [] {
             CVerbandsPraesident p;
             EXPECT_EQ(p.Nachname(), "NA000000");
             EXPECT_EQ(p.Vorname(), "VN000001");
             EXPECT_EQ(p.GeburtsDatum().Text(), "01.12.1967");
         }},
        {"small settings draw against their own year", 2005, {2, 1, 28},
         [] {
             CKleinigkeiten k;
             EXPECT_EQ(k.Saisonstartjahr(), 1998);
             EXPECT_EQ(k.TaxRate(), 16);
             EXPECT_EQ(k.FriendlySubstitutions(), 3);
             EXPECT_EQ(k.Vorname(), "NV000000");
             EXPECT_EQ(k.Nachname(), "NA000001");
             EXPECT_EQ(k.GeburtsDatum().Text(), "28.02.1965");
             EXPECT_EQ(k.CompetitionName(0), "WETTBEWERB02");
             EXPECT_EQ(k.CompetitionName(1), "WETTBEWERB03");
             EXPECT_EQ(App().Saisonstartjahr, 2005);  // construction leaves the application's year alone
         }},
        {"sponsor", 1998, {},
         [] {
             CSponsor s;
             EXPECT_EQ(s.GetClassNameA(), "CSponsor");
             EXPECT_EQ(s.Name(), "NA000000");
             EXPECT_EQ(s.BandenVorlage(), 0);
             EXPECT_EQ(s.SponsorWert(), 0u);
             EXPECT_EQ(s.HintergrundFarbe(), 0);
             EXPECT_EQ(s.TextFarbe(), 0);
             EXPECT_TRUE(s.Font() == SponsorFont{});
             EXPECT_EQ(s.FontFace(), "");
             EXPECT_EQ(s.Unternehmensgroesse(), 0);
         }},
        {"celebrity", 1998, {},
         [] {
             CPromi p;
             EXPECT_EQ(p.GetClassNameA(), "CPromi");
             EXPECT_EQ(p.Nachname(), "NA000000");
             EXPECT_EQ(p.Vorname(), "VN000001");
             EXPECT_EQ(p.Lieblingsverein(), 0);
         }},
        {"reporter", 1998, {},
         [] {
             CReporter r;
             EXPECT_EQ(r.GetClassNameA(), "CReporter");
             EXPECT_EQ(r.Sender(), "SE000000");
             EXPECT_EQ(r.Nachname(), "NA000001");
             EXPECT_EQ(r.Vorname(), "VN000002");
             EXPECT_EQ(r.Einstellung(), 0);
         }},
        {"critic", 1998, {},
         [] {
             CKritiker k;
             EXPECT_EQ(k.GetClassNameA(), "CKritiker");
             EXPECT_EQ(k.Nachname(), "NA000000");
             EXPECT_EQ(k.Vorname(), "VN000001");
         }},
        {"kit supplier", 1998, {},
         [] {
             CAusruester a;
             EXPECT_EQ(a.GetClassNameA(), "Ausruester");
             EXPECT_EQ(a.Name(), "NA000000");
         }},
        {"quiz question", 1998, {},
         [] {
             CQuizFrage q;
             EXPECT_EQ(q.GetClassNameA(), "QuizFrage");
             EXPECT_EQ(q.Frage(), "FR000000");
             for (int i = 0; i < 4; ++i) EXPECT_EQ(q.Antwort(i), "AN00000" + std::to_string(i + 1));
         }},
        {"chants and talks take no numbers", 1998, {},
         [] {
             CFangesang c;
             EXPECT_EQ(c.Text(), "");
             EXPECT_EQ(c.SpielerName(), "");
             EXPECT_EQ(c.IsSpielerGesang(), 0);
             EXPECT_EQ(c.Land(), 0);
             EXPECT_EQ(c.Verein(), -1);
             EXPECT_EQ(c.Gegner(), -1);
             EXPECT_EQ(c.Art(), 0);
             EXPECT_EQ(c.Haeufigkeit(), 0);
             CEigenerFangesang e;
             EXPECT_EQ(e.Verein(), 0);
             EXPECT_EQ(e.Gegner(), 0);
             EXPECT_EQ(e.Text(), "");
             CHalbzeitAnsprache h;
             EXPECT_EQ(h.GetClassNameA(), "CHalbzeitAnsprache");
             EXPECT_EQ(h.AnsprachenFileName(), "");
             EXPECT_EQ(h.AnsprachenTyp(), -1);
             EXPECT_EQ(App().runningNumber, 0u);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedAppState state;
        state->Saisonstartjahr = c.seasonYear;
        v3test::SequenceRandom rng(c.draws);
        state->SetRandom(&rng);
        c.check();
        EXPECT_TRUE(rng.AllUsed()) << "fewer random draws than expected";
    }
}

// Ages and ranges over many draws of a seeded generator.
TEST(PeopleRecords, DrawnValuesStayInTheirRanges) {
    for (int year : {1998, 2010}) {
        ScopedAppState state;
        state->Saisonstartjahr = year;
        StdRandom rng(42);
        state->SetRandom(&rng);
        auto checkPerson = [year](const CDatum& birth, int age, int kompetenz) {
            CDatum d = birth;
            EXPECT_NE(CDatum::TimeTFromCDatum(d), -1.0) << birth.Text();
            EXPECT_GE(birth.year, year - 50);
            EXPECT_LE(birth.year, year - 31);
            EXPECT_EQ(age, year - birth.year - (birth.month > 6 ? 1 : 0)) << birth.Text();
            EXPECT_GE(age, 30);
            EXPECT_LE(age, 50);
            EXPECT_GE(kompetenz, 1);
            EXPECT_LE(kompetenz, 15);
        };
        for (int i = 0; i < 300; ++i) {
            CTrainerUndCo t;
            checkPerson(t.GeburtsDatum(), t.Alter(), t.Kompetenz());
            CTWTrainer tw;
            checkPerson(tw.GeburtsDatum(), tw.Alter(), tw.Kompetenz());
            CManager m;
            checkPerson(m.GeburtsDatum(), m.Alter(), m.Kompetenz());
            CNSchiri n;
            EXPECT_GE(n.Kompetenz(), 1);
            EXPECT_LE(n.Kompetenz(), 10);
            CISchiri is;
            EXPECT_GE(is.Kompetenz(), 0);
            EXPECT_LE(is.Kompetenz(), 10);
            EXPECT_GE(is.Haerte(), 0);
            EXPECT_LE(is.Haerte(), 10);
            CVerbandsPraesident p;
            EXPECT_GE(p.GeburtsDatum().year, year - 40);
            EXPECT_LE(p.GeburtsDatum().year, year - 31);
        }
    }
}

template <class R>
void AddFanChantCases(std::vector<SetterCase<R>>& cases) {
    AddRange(cases, "Land", [](R& r, int v) { return r.Land(v); }, [](const R& r) { return r.Land(); }, 0, 116);
    AddMinimum(cases, "Verein", [](R& r, int v) { return r.Verein(v); }, [](const R& r) { return r.Verein(); }, -1);
    AddMinimum(cases, "Gegner", [](R& r, int v) { return r.Gegner(v); }, [](const R& r) { return r.Gegner(); }, -1);
    AddRange(cases, "Art", [](R& r, int v) { return r.Art(v); }, [](const R& r) { return r.Art(); }, 0, 4);
    AddRange(cases, "Haeufigkeit", [](R& r, int v) { return r.Haeufigkeit(v); },
             [](const R& r) { return r.Haeufigkeit(); }, 0, 2);
}

TEST(PeopleRecords, SetterLimits) {
    ScopedAppState state;
    {
        std::vector<SetterCase<CTrainerUndCo>> c;
        using R = CTrainerUndCo;
        AddRange(c, "Kompetenz", [](R& r, int v) { return r.Kompetenz(v); }, [](const R& r) { return r.Kompetenz(); }, 0, 15);
        AddRange(c, "Ruf", [](R& r, int v) { return r.Ruf(v); }, [](const R& r) { return r.Ruf(); }, 0, 6);
        AddRange(c, "Alter", [](R& r, int v) { return r.Alter(v); }, [](const R& r) { return r.Alter(); }, 0, 255);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CTWTrainer>> c;
        using R = CTWTrainer;
        AddRange(c, "Kompetenz", [](R& r, int v) { return r.Kompetenz(v); }, [](const R& r) { return r.Kompetenz(); }, 0, 15);
        AddRange(c, "Alter", [](R& r, int v) { return r.Alter(v); }, [](const R& r) { return r.Alter(); }, 0, 255);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CManager>> c;
        using R = CManager;
        AddRange(c, "Kompetenz", [](R& r, int v) { return r.Kompetenz(v); }, [](const R& r) { return r.Kompetenz(); }, 0, 15);
        AddRange(c, "Alter", [](R& r, int v) { return r.Alter(v); }, [](const R& r) { return r.Alter(); }, 0, 255);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CNSchiri>> c;
        using R = CNSchiri;
        AddRange(c, "Kompetenz", [](R& r, int v) { return r.Kompetenz(v); }, [](const R& r) { return r.Kompetenz(); }, 0, 10);
        AddRange(c, "Haerte", [](R& r, int v) { return r.Haerte(v); }, [](const R& r) { return r.Haerte(); }, 0, 10);
        AddMinimum(c, "SchiriVerein", [](R& r, int v) { return r.SchiriVerein(v); },
                   [](const R& r) { return r.SchiriVerein(); }, 0);
        AddRange(c, "SchiriEigenschaften", [](R& r, int v) { return r.SchiriEigenschaften(v); },
                 [](const R& r) { return r.SchiriEigenschaften(); }, 0, 31);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CISchiri>> c;
        using R = CISchiri;
        AddRange(c, "Kompetenz", [](R& r, int v) { return r.Kompetenz(v); }, [](const R& r) { return r.Kompetenz(); }, 0, 10);
        AddRange(c, "Haerte", [](R& r, int v) { return r.Haerte(v); }, [](const R& r) { return r.Haerte(); }, 0, 10);
        AddRange(c, "Nation", [](R& r, int v) { return r.Nation(v); }, [](const R& r) { return r.Nation(); }, 0, 116);
        AddRange(c, "SchiriEigenschaften", [](R& r, int v) { return r.SchiriEigenschaften(v); },
                 [](const R& r) { return r.SchiriEigenschaften(); }, 0, 31);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CSponsor>> c;
        using R = CSponsor;
        AddRange(c, "BandenVorlage", [](R& r, int v) { return r.BandenVorlage(v); },
                 [](const R& r) { return r.BandenVorlage(); }, 0, 35);
        AddRange(c, "HintergrundFarbe", [](R& r, int v) { return r.HintergrundFarbe(v); },
                 [](const R& r) { return r.HintergrundFarbe(); }, 0, 255);
        AddRange(c, "TextFarbe", [](R& r, int v) { return r.TextFarbe(v); }, [](const R& r) { return r.TextFarbe(); },
                 0, 255);
        AddRange(c, "Unternehmensgroesse", [](R& r, int v) { return r.Unternehmensgroesse(v); },
                 [](const R& r) { return r.Unternehmensgroesse(); }, 0, 2);
        AddLengthRange(
            c, "Font face",
            [](R& r, const std::string& face) {
                SponsorFont f;
                f.faceName = face;
                f.height = -20;
                return r.Font(f);
            },
            [](const R& r) { return r.FontFace(); }, 0, 31);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CPromi>> c;
        using R = CPromi;
        AddMinimum(c, "Lieblingsverein", [](R& r, int v) { return r.Lieblingsverein(v); },
                   [](const R& r) { return r.Lieblingsverein(); }, 0);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CAusruester>> c;
        using R = CAusruester;
        AddLengthRange(c, "Name", [](R& r, const std::string& v) { return r.Name(v); },
                       [](const R& r) { return r.Name(); }, 1, 20);
        CheckSetters(R(), c);
    }
    {
        std::vector<SetterCase<CFangesang>> c;
        AddFanChantCases(c);
        CheckSetters(CFangesang(), c);
        std::vector<SetterCase<CEigenerFangesang>> e;
        AddFanChantCases(e);
        CheckSetters(CEigenerFangesang(), e);
    }
    {
        std::vector<SetterCase<CQuizFrage>> c;
        using R = CQuizFrage;
        for (int i : {-1, 0, 3, 4}) {
            bool ok = i >= 0 && i <= 3;
            c.push_back({"Antwort[" + std::to_string(i) + "]", [i](R& r) { return r.Antwort(i, "Ja"); }, ok,
                         [i](const R& r) { return r.Antwort(i) == "Ja"; }});
        }
        CheckSetters(R(), c);
        EXPECT_EQ(R().Antwort(4), "");
    }
    {
        std::vector<SetterCase<CKleinigkeiten>> c;
        using R = CKleinigkeiten;
        AddRange(c, "Saisonstartjahr", [](R& r, int v) { return r.Saisonstartjahr(v); },
                 [](const R& r) { return r.Saisonstartjahr(); }, 1900, 2100);
        AddRange(c, "TaxRate", [](R& r, int v) { return r.TaxRate(v); }, [](const R& r) { return r.TaxRate(); }, 0, 80);
        AddRange(c, "FriendlySubstitutions", [](R& r, int v) { return r.FriendlySubstitutions(v); },
                 [](const R& r) { return r.FriendlySubstitutions(); }, 3, 7);
        for (int i : {-1, 0, 1, 2}) {
            bool ok = i >= 0 && i <= 1;
            c.push_back({"CompetitionName[" + std::to_string(i) + "]", [i](R& r) { return r.CompetitionName(i, "X"); },
                         ok, [i](const R& r) { return r.CompetitionName(i) == "X"; }});
        }
        CheckSetters(R(), c);
    }
}

TEST(PeopleRecords, TheSeasonYearSetterKeepsTheApplicationInStep) {
    ScopedAppState state;
    CKleinigkeiten k;
    EXPECT_TRUE(k.Saisonstartjahr(2010));
    EXPECT_EQ(App().Saisonstartjahr, 2010);
    EXPECT_FALSE(k.Saisonstartjahr(1899));
    EXPECT_EQ(App().Saisonstartjahr, 2010);
    EXPECT_EQ(k.Saisonstartjahr(), 2010);
}

TEST(PeopleRecords, PlayerNameMarksAPlayerChant) {
    auto check = [](auto chant) {
        const char* names[] = {"Kahn", "", " ", "Effenberg", ""};
        const int flags[] = {1, 0, 1, 1, 0};
        for (int i = 0; i < 5; ++i) {
            EXPECT_TRUE(chant.SpielerName(names[i]));
            EXPECT_EQ(chant.SpielerName(), names[i]);
            EXPECT_EQ(chant.IsSpielerGesang(), flags[i]) << '"' << names[i] << '"';
        }
    };
    check(CFangesang());
    check(CEigenerFangesang());
}

TEST(PeopleRecords, TalkFileMustExistInTheTalkFolder) {
    ScopedAppState state;
    v3test::TempDir install;
    state->installDir = install.path();
    std::filesystem::create_directories(install.path() / "ANSPRACHEN" / "sub");
    v3test::WriteBytes(install.path() / "ANSPRACHEN" / "Rede.wav", "RIFF");
    v3test::WriteBytes(install.path() / "elsewhere.wav", "RIFF");

    CHalbzeitAnsprache h;
    EXPECT_TRUE(h.AnsprachenFileName("Rede.wav"));  // the folder is found whatever its case
    EXPECT_EQ(h.AnsprachenFileName(), "Rede.wav");
    for (const char* refused : {"fehlt.wav", "", "sub", "elsewhere.wav", "..\\elsewhere.wav"}) {
        EXPECT_FALSE(h.AnsprachenFileName(refused)) << refused;
        EXPECT_EQ(h.AnsprachenFileName(), "Rede.wav") << refused;
    }
    EXPECT_TRUE(h.AnsprachenTyp(99));  // any kind is stored
    EXPECT_EQ(h.AnsprachenTyp(), 99);
}

}  // namespace
