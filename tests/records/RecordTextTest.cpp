#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TestUtil.h"
#include "base/AppState.h"
#include "records/AmateurJugendSpieler.h"
#include "records/AmateurVerein.h"
#include "records/Ausruester.h"
#include "records/EigenerFangesang.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/IVerein.h"
#include "records/Kleinigkeiten.h"
#include "records/Kritiker.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Nation.h"
#include "records/Promi.h"
#include "records/QuizFrage.h"
#include "records/RecordText.h"
#include "records/Reporter.h"
#include "records/Spieler.h"
#include "records/Sponsor.h"
#include "records/Stadion.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/UEFA.h"
#include "records/VerbandsPraesident.h"
#include "records/Verein.h"

using namespace v3;

namespace {

struct TextSetter {
    std::string what;
    std::function<bool(const std::string&)> set;
    std::function<std::string()> get;
};

// One case from a generic accessor: called with the text it is the setter,
// called without it the getter.
template <class Access>
TextSetter Case(std::string what, Access access) {
    return {std::move(what), [access](const std::string& t) { return bool(access(t)); },
            [access] { return std::string(access()); }};
}

TEST(RecordText, EveryTextSetterRefusesLineEndsAndNulAndKeepsItsText) {
    ScopedAppState state;
    v3test::TempDir install;
    state->installDir = install.path();
    const std::string good = "A-B";
    const std::vector<std::string> refused = {"A\rB", "A\nB", std::string("A\0B", 3)};
    // The talk files exist, so only the text rule can refuse those names.
    std::filesystem::create_directories(install.path() / "ANSPRACHEN");
    v3test::WriteBytes(install.path() / "ANSPRACHEN" / good, "RIFF");
    for (const auto& name : refused)
        if (name.find('\0') == std::string::npos)
            v3test::WriteBytes(install.path() / "ANSPRACHEN" / name, "RIFF");

    CStadion stadion;
    CTrainerUndCo trainer;
    CTWTrainer twTrainer;
    CManager manager;
    CVerbandsPraesident praesident;
    CNSchiri nSchiri;
    CISchiri iSchiri;
    CPromi promi;
    CReporter reporter;
    CKritiker kritiker;
    CFangesang fangesang;
    CEigenerFangesang eigenerFangesang;
    CQuizFrage quiz;
    CKleinigkeiten kleinigkeiten;
    CSponsor sponsor;
    CLiga liga;
    CNation nation;
    CLand land;
    CUEFA uefa;
    CAusruester ausruester;
    CHalbzeitAnsprache ansprache;
    CSpieler spieler;
    CAmateurJugendSpieler jugendSpieler;
    CVerein verein(1);
    CAmateurVerein amateurVerein;
    CIVerein iVerein;

    const std::vector<TextSetter> setters = {
        Case("stadion.Name", [&](auto... t) { return stadion.Name(t...); }),
        Case("stadion.Ort", [&](auto... t) { return stadion.Ort(t...); }),
        Case("trainer.Vorname", [&](auto... t) { return trainer.Vorname(t...); }),
        Case("trainer.Nachname", [&](auto... t) { return trainer.Nachname(t...); }),
        Case("twTrainer.Vorname", [&](auto... t) { return twTrainer.Vorname(t...); }),
        Case("twTrainer.Nachname", [&](auto... t) { return twTrainer.Nachname(t...); }),
        Case("manager.Vorname", [&](auto... t) { return manager.Vorname(t...); }),
        Case("manager.Nachname", [&](auto... t) { return manager.Nachname(t...); }),
        Case("praesident.Vorname", [&](auto... t) { return praesident.Vorname(t...); }),
        Case("praesident.Nachname", [&](auto... t) { return praesident.Nachname(t...); }),
        Case("nSchiri.Vorname", [&](auto... t) { return nSchiri.Vorname(t...); }),
        Case("nSchiri.Nachname", [&](auto... t) { return nSchiri.Nachname(t...); }),
        Case("iSchiri.Vorname", [&](auto... t) { return iSchiri.Vorname(t...); }),
        Case("iSchiri.Nachname", [&](auto... t) { return iSchiri.Nachname(t...); }),
        Case("promi.Vorname", [&](auto... t) { return promi.Vorname(t...); }),
        Case("promi.Nachname", [&](auto... t) { return promi.Nachname(t...); }),
        Case("reporter.Sender", [&](auto... t) { return reporter.Sender(t...); }),
        Case("reporter.Vorname", [&](auto... t) { return reporter.Vorname(t...); }),
        Case("reporter.Nachname", [&](auto... t) { return reporter.Nachname(t...); }),
        Case("kritiker.Vorname", [&](auto... t) { return kritiker.Vorname(t...); }),
        Case("kritiker.Nachname", [&](auto... t) { return kritiker.Nachname(t...); }),
        Case("fangesang.Text", [&](auto... t) { return fangesang.Text(t...); }),
        Case("fangesang.SpielerName", [&](auto... t) { return fangesang.SpielerName(t...); }),
        Case("eigenerFangesang.Text", [&](auto... t) { return eigenerFangesang.Text(t...); }),
        Case("eigenerFangesang.SpielerName", [&](auto... t) { return eigenerFangesang.SpielerName(t...); }),
        Case("quiz.Frage", [&](auto... t) { return quiz.Frage(t...); }),
        Case("quiz.Antwort(3)", [&](auto... t) { return quiz.Antwort(3, t...); }),
        Case("kleinigkeiten.Vorname", [&](auto... t) { return kleinigkeiten.Vorname(t...); }),
        Case("kleinigkeiten.Nachname", [&](auto... t) { return kleinigkeiten.Nachname(t...); }),
        Case("kleinigkeiten.CompetitionName(1)",
             [&](auto... t) { return kleinigkeiten.CompetitionName(1, t...); }),
        Case("sponsor.Name", [&](auto... t) { return sponsor.Name(t...); }),
        {"sponsor.Font",
         [&](const std::string& t) {
             SponsorFont font = sponsor.Font();
             font.faceName = t;
             return sponsor.Font(font);
         },
         [&] { return sponsor.FontFace(); }},
        Case("liga.Name", [&](auto... t) { return liga.Name(t...); }),
        Case("liga.Kuerzel", [&](auto... t) { return liga.Kuerzel(t...); }),
        Case("nation.Name", [&](auto... t) { return nation.Name(t...); }),
        Case("nation.Kuerzel", [&](auto... t) { return nation.Kuerzel(t...); }),
        Case("land.PokalName", [&](auto... t) { return land.PokalName(t...); }),
        Case("uefa.ShortName(37)", [&](auto... t) { return uefa.ShortName(37, t...); }),
        Case("ausruester.Name", [&](auto... t) { return ausruester.Name(t...); }),
        Case("ansprache.AnsprachenFileName", [&](auto... t) { return ansprache.AnsprachenFileName(t...); }),
        Case("spieler.Vorname", [&](auto... t) { return spieler.Vorname(t...); }),
        Case("spieler.Nachname", [&](auto... t) { return spieler.Nachname(t...); }),
        Case("spieler.Kuenstlername", [&](auto... t) { return spieler.Kuenstlername(t...); }),
        Case("jugendSpieler.Vorname", [&](auto... t) { return jugendSpieler.Vorname(t...); }),
        Case("jugendSpieler.Nachname", [&](auto... t) { return jugendSpieler.Nachname(t...); }),
        Case("verein.Name", [&](auto... t) { return verein.Name(t...); }),
        Case("verein.Fanbezeichnung", [&](auto... t) { return verein.Fanbezeichnung(t...); }),
        Case("verein.Anfeuerung", [&](auto... t) { return verein.Anfeuerung(t...); }),
        Case("verein.Kuerzel", [&](auto... t) { return verein.Kuerzel(t...); }),
        Case("verein.Praesidentname", [&](auto... t) { return verein.Praesidentname(t...); }),
        Case("verein.PraesidentVorname", [&](auto... t) { return verein.PraesidentVorname(t...); }),
        Case("amateurVerein.Name", [&](auto... t) { return amateurVerein.Name(t...); }),
        Case("iVerein.Name", [&](auto... t) { return iVerein.Name(t...); }),
    };

    for (const auto& s : setters) {
        // A one-line text is taken, so a refusal below is the text rule's.
        ASSERT_TRUE(s.set(good)) << s.what;
        ASSERT_EQ(s.get(), good) << s.what;
        for (const auto& text : refused) {
            EXPECT_FALSE(s.set(text)) << s.what << " took a text with byte " << int(text[1]);
            EXPECT_EQ(s.get(), good) << s.what << " lost its text to byte " << int(text[1]);
        }
    }
}

}  // namespace
