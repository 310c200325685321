// The written form of the people, media and fan records: every value in its
// place, read back into an equal record, and the readers' behaviour when the
// section or some values are not there.
#include <gtest/gtest.h>

#include "PeopleTestSupport.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
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

namespace {

CDatum Date(int d, int m, int y) {
    CDatum date;
    EXPECT_GT(date.Init(d, m, y, 0, 0, 0), 0.0);
    return date;
}

// Writes `original` (inside `enclosing` when the record has no section of its
// own), compares the file's lines with the identification, the enclosing
// markers and `body`, then reads the file into a new record and compares it
// with the original (which holds its trimmed texts after writing).
template <class R>
void CheckRoundTrip(const std::string& what, R original, const char* enclosing, std::vector<std::string> body) {
    SCOPED_TRACE(what);
    v3test::TempDir dir;
    const std::string path = dir.File("r.sav");
    auto lines = v3test::WriteRecordFile(path, enclosing,
                                         [&](CV3File& f) { return original.SpeichernV3Localized(f, 0); });
    std::vector<std::string> expected = {"17373592"};
    if (enclosing) expected.push_back(std::string("%SECT%") + enclosing);
    expected.insert(expected.end(), body.begin(), body.end());
    if (enclosing) expected.push_back(std::string("%ENDSECT%") + enclosing);
    EXPECT_EQ(lines, expected);

    R back;
    CV3File f;
    v3test::OpenForReading(f, path, enclosing);
    EXPECT_TRUE(back.LadenV3Localized(f, 0));
    EXPECT_TRUE(back == original) << "read back differs";
}

TEST(PeopleRecords, EachRecordWritesItsValuesInOrderAndReadsThemBack) {
    ScopedAppState state;
    v3test::TempDir install;
    state->installDir = install.path();
    std::filesystem::create_directories(install.path() / "Ansprachen");
    v3test::WriteBytes(install.path() / "Ansprachen" / "talk1.wav", "RIFF");

    {
        CTrainerUndCo r;
        r.Vorname(" Otto");
        r.Nachname(Cp("Müller\t"));
        r.Kompetenz(12);
        r.Ruf(4);
        r.Alter(55);
        r.GeburtsDatum(Date(7, 3, 1943));
        r.TrainerWert1(-5);
        r.TrainerWert2(123456);
        CheckRoundTrip("CTrainerUndCo", r, nullptr,
                       {"%SECT%TRAINER", "Otto", Cp("Müller"), "12", "4", "55", "07.03.1943", "-5", "123456",
                        "%ENDSECT%TRAINER"});
    }
    {
        CTWTrainer r;
        r.Vorname("Sepp ");
        r.Nachname("Maier");
        r.Kompetenz(15);
        r.Alter(31);
        r.GeburtsDatum(Date(28, 2, 1967));
        r.TrainerWert1(1);
        r.TrainerWert2(-2);
        CheckRoundTrip("CTWTrainer", r, nullptr,
                       {"%SECT%TWTRAINER", "Sepp", "Maier", "15", "31", "28.02.1967", "1", "-2", "%ENDSECT%TWTRAINER"});
    }
    {
        CManager r;
        r.Vorname("Uli");
        r.Nachname("  Hoenes");
        r.Kompetenz(0);
        r.Alter(49);
        r.GeburtsDatum(Date(5, 1, 1952));
        CheckRoundTrip("CManager", r, nullptr,
                       {"%SECT%MANAGER", "Uli", "Hoenes", "0", "49", "05.01.1952", "%ENDSECT%MANAGER"});
    }
    {
        CNSchiri r;
        r.Vorname("Hans");
        r.Nachname(" Ziller ");
        r.Kompetenz(10);
        r.Haerte(0);
        r.SchiriVerein(7);
        r.SchiriEigenschaften(SchiriAlleEigenschaften);
        CheckRoundTrip("CNSchiri", r, nullptr,
                       {"%SECT%SCHIRI", "Hans", "Ziller", "10", "0", "7", "31", "%ENDSECT%SCHIRI"});
    }
    {
        CISchiri r;
        r.Nachname("Collina ");
        r.Vorname(" Pierluigi");
        r.Kompetenz(9);
        r.Haerte(10);
        r.Nation(44);
        r.SchiriEigenschaften(SchiriGast | SchiriHasstMeckern);
        CheckRoundTrip("CISchiri", r, "ISCHIRI", {"Collina", "Pierluigi", "9", "10", "44", "6"});
    }
    {
        CVerbandsPraesident r;  // writes its texts untrimmed
        r.Vorname(" Egidius ");
        r.Nachname(Cp("Bräun"));
        r.GeburtsDatum(Date(1, 12, 1924));
        CheckRoundTrip("CVerbandsPraesident", r, nullptr,
                       {"%SECT%VPRAESID", " Egidius ", Cp("Bräun"), "01.12.1924", "%ENDSECT%VPRAESID"});
    }
    {
        CSponsor r;
        r.Name(" Ab c ");
        r.BandenVorlage(35);
        SponsorFont font;
        font.height = -24;
        font.width = 10;
        font.escapement = 900;
        font.orientation = -900;
        font.weight = 700;
        font.italic = 1;
        font.underline = 0;
        font.strikeOut = 1;
        font.charSet = 0;
        font.outPrecision = 3;
        font.clipPrecision = 2;
        font.quality = 1;
        font.pitchAndFamily = 34;
        font.faceName = "Times New Roman";
        r.Font(font);
        r.SponsorWert(3000000000u);
        r.Unternehmensgroesse(2);
        r.HintergrundFarbe(58);
        r.TextFarbe(127);
        CheckRoundTrip("CSponsor", r, nullptr,
                       {"%SECT%SPONSOR", "Ab c", "35", "-24", "10", "900", "-900", "700", "1", "0", "1", "0", "3", "2",
                        "1", "34", "-1294967296", "Times New Roman", "131130", "127", "%ENDSECT%SPONSOR"});
    }
    {
        CPromi r;
        r.Nachname("Becker");
        r.Vorname("Boris ");
        r.Lieblingsverein(12);
        CheckRoundTrip("CPromi", r, nullptr, {"%SECT%PROMI", "Becker", "Boris", "12", "%ENDSECT%PROMI"});
    }
    {
        CReporter r;
        r.Sender(" DSF");
        r.Nachname("Kerner");
        r.Vorname("Johannes");
        r.Einstellung(-40);
        CheckRoundTrip("CReporter", r, nullptr,
                       {"%SECT%REPORTER", "DSF", "Kerner", "Johannes", "-40", "%ENDSECT%REPORTER"});
    }
    {
        CKritiker r;
        r.Nachname("Reich ");
        r.Vorname("Marcel");
        CheckRoundTrip("CKritiker", r, nullptr, {"%SECT%KRITIKER", "Reich", "Marcel", "%ENDSECT%KRITIKER"});
    }
    {
        CAusruester r;
        r.Name(" Adi ");
        CheckRoundTrip("CAusruester", r, "AUSRUESTER", {"Adi"});
    }
    {
        CFangesang r;  // only the text is trimmed
        r.Text("  Zieht den Bayern die Lederhosen aus ");
        r.SpielerName(" Kahn ");
        r.Land(5);
        r.Verein(12);
        r.Gegner(-1);
        r.Art(ArtSpott);
        r.Haeufigkeit(1);
        CheckRoundTrip("CFangesang", r, "FANGES",
                       {"Zieht den Bayern die Lederhosen aus", "5", "12", "-1", "2", "1", "1", " Kahn "});
    }
    {
        CEigenerFangesang r;  // nothing is trimmed
        r.Text(" fan01.wav ");
        r.Verein(3);
        r.Gegner(4);
        r.Art(ArtAllgemein);
        r.Haeufigkeit(2);
        CheckRoundTrip("CEigenerFangesang", r, "EFANGES", {" fan01.wav ", "0", "3", "4", "4", "2", "0", ""});
    }
    {
        CHalbzeitAnsprache r;
        ASSERT_TRUE(r.AnsprachenFileName("talk1.wav"));
        r.AnsprachenTyp(12);
        CheckRoundTrip("CHalbzeitAnsprache", r, "HALBZEIT", {"12", "talk1.wav"});
    }
    {
        CQuizFrage r;
        r.Frage(Cp(" Wer wurde 1954 Weltmeister? "));
        r.Antwort(0, "Deutschland");
        r.Antwort(1, Cp("Ungarn "));
        r.Antwort(2, "Brasilien");
        r.Antwort(3, " Uruguay");
        CheckRoundTrip("CQuizFrage", r, nullptr,
                       {"%SECT%QUIZFRAGE", Cp("Wer wurde 1954 Weltmeister?"), "Deutschland", "Ungarn", "Brasilien",
                        "Uruguay", "%ENDSECT%QUIZFRAGE"});
    }
    {
        CKleinigkeiten r;
        r.Saisonstartjahr(2001);
        r.TaxRate(40);
        r.FriendlySubstitutions(5);
        r.Vorname("Sepp");
        r.Nachname("Blatter");
        r.GeburtsDatum(Date(10, 3, 1936));
        r.CompetitionName(0, "Champions League");
        r.CompetitionName(1, "UEFA-Cup");
        CheckRoundTrip("CKleinigkeiten", r, "MISC",
                       {"2001", "40", "5", "Sepp", "Blatter", "10.03.1936", "Champions League", "UEFA-Cup"});
    }
}

// Reads a record from `text` (inside `enclosing` when given) and expects the
// read to fail without changing anything.
template <class R>
void CheckNothingRead(const std::string& what, const std::string& path, const char* enclosing) {
    SCOPED_TRACE(what);
    R r;
    const R before = r;
    CV3File f;
    v3test::OpenForReading(f, path, enclosing);
    EXPECT_FALSE(r.LadenV3Localized(f, 0));
    EXPECT_TRUE(r == before) << "a record without its values changed";
}

TEST(PeopleRecords, AMissingSectionLeavesTheRecordAsItWas) {
    ScopedAppState state;
    v3test::TempDir dir;
    // Another record's section is open: a record whose own section is missing
    // must not take that section's lines.
    const std::string path = dir.File("m.sav");
    v3test::WriteBytes(path, v3test::CrLfText({"17373592", "%SECT%LAND", "Name", "3", "01.01.1970", "7", "8", "9",
                                               "%ENDSECT%LAND"}));
    CheckNothingRead<CTrainerUndCo>("CTrainerUndCo", path, "LAND");
    CheckNothingRead<CTWTrainer>("CTWTrainer", path, "LAND");
    CheckNothingRead<CManager>("CManager", path, "LAND");
    CheckNothingRead<CNSchiri>("CNSchiri", path, "LAND");
    CheckNothingRead<CVerbandsPraesident>("CVerbandsPraesident", path, "LAND");
    CheckNothingRead<CSponsor>("CSponsor", path, "LAND");
    CheckNothingRead<CPromi>("CPromi", path, "LAND");
    CheckNothingRead<CReporter>("CReporter", path, "LAND");
    CheckNothingRead<CKritiker>("CKritiker", path, "LAND");
    CheckNothingRead<CQuizFrage>("CQuizFrage", path, "LAND");

    // Records without a section of their own read nothing outside a section.
    const std::string empty = dir.File("e.sav");
    v3test::WriteBytes(empty, v3test::CrLfText({"17373592", "Name", "3"}));
    const int yearBefore = App().Saisonstartjahr;
    CheckNothingRead<CISchiri>("CISchiri", empty, nullptr);
    CheckNothingRead<CAusruester>("CAusruester", empty, nullptr);
    CheckNothingRead<CFangesang>("CFangesang", empty, nullptr);
    CheckNothingRead<CEigenerFangesang>("CEigenerFangesang", empty, nullptr);
    CheckNothingRead<CHalbzeitAnsprache>("CHalbzeitAnsprache", empty, nullptr);
    CheckNothingRead<CKleinigkeiten>("CKleinigkeiten", empty, nullptr);
    EXPECT_EQ(App().Saisonstartjahr, yearBefore);
}

TEST(PeopleRecords, AFileEndingInsideARecordKeepsTheValuesNotThere) {
    ScopedAppState state;
    v3test::TempDir dir;
    const std::string path = dir.File("t.sav");
    v3test::WriteBytes(path, v3test::CrLfText({"17373592", "%SECT%TRAINER", "Otto", "Rehhagel", "12"}));
    CTrainerUndCo r;
    const CTrainerUndCo before = r;
    CV3File f;
    v3test::OpenForReading(f, path, nullptr);
    EXPECT_FALSE(r.LadenV3Localized(f, 0));
    EXPECT_EQ(r.Vorname(), "Otto");
    EXPECT_EQ(r.Nachname(), "Rehhagel");
    EXPECT_EQ(r.Kompetenz(), 12);
    EXPECT_EQ(r.Ruf(), before.Ruf());
    EXPECT_EQ(r.Alter(), before.Alter());
    EXPECT_TRUE(r.GeburtsDatum() == before.GeburtsDatum());
}

TEST(PeopleRecords, ReadersTakeValuesAsStored) {
    ScopedAppState state;
    v3test::TempDir dir;
    // Sponsor: a face name longer than its field is cut to 31 characters; the
    // combined value splits into company size and colour whatever they are;
    // 8-bit font values keep their low 8 bits.
    const std::string longFace(40, 'F');
    const std::string sp = dir.File("sp.sav");
    v3test::WriteBytes(sp, v3test::CrLfText({"17373592", "%SECT%SPONSOR", "Name", "40", "-24", "-1", "0", "0",
                                             "400", "300", "0", "0", "0", "0", "0", "0", "0", "7", longFace,
                                             "262143", "300", "%ENDSECT%SPONSOR"}));
    CSponsor s;
    CV3File f;
    v3test::OpenForReading(f, sp, nullptr);
    EXPECT_TRUE(s.LadenV3Localized(f, 0));
    EXPECT_EQ(s.FontFace(), std::string(31, 'F'));
    EXPECT_EQ(s.BandenVorlage(), 40);  // as read, though the setter would refuse it
    EXPECT_EQ(s.Font().width, -1);
    EXPECT_EQ(s.FontItalic(), true);
    EXPECT_EQ(s.Font().italic, 44);
    EXPECT_EQ(s.SponsorWert(), 7u);
    EXPECT_EQ(s.Unternehmensgroesse(), 3);
    EXPECT_EQ(s.HintergrundFarbe(), 65535);
    EXPECT_EQ(s.TextFarbe(), 300);

    // Chants: the player-chant flag is read as a byte, independent of the name.
    const std::string ch = dir.File("ch.sav");
    v3test::WriteBytes(ch, v3test::CrLfText({"17373592", "%SECT%FANGES", "Text", "0", "1", "2", "3", "1", "257", "",
                                             "%ENDSECT%FANGES"}));
    CFangesang c;
    CV3File cf;
    v3test::OpenForReading(cf, ch, "FANGES");
    EXPECT_TRUE(c.LadenV3Localized(cf, 0));
    EXPECT_EQ(c.IsSpielerGesang(), 1);
    EXPECT_EQ(c.SpielerName(), "");
}

TEST(PeopleRecords, ReadingTheSmallSettingsSetsTheSeasonStartYear) {
    ScopedAppState state;
    v3test::TempDir dir;
    const std::string path = dir.File("k.sav");
    v3test::WriteBytes(path, v3test::CrLfText({"17373592", "%SECT%MISC", "2004", "16", "3", "NV", "NA", "01.01.1960",
                                               "A", "B", "%ENDSECT%MISC"}));
    CKleinigkeiten k;
    EXPECT_EQ(App().Saisonstartjahr, 1998);
    CV3File f;
    v3test::OpenForReading(f, path, "MISC");
    EXPECT_TRUE(k.LadenV3Localized(f, 0));
    EXPECT_EQ(k.Saisonstartjahr(), 2004);
    EXPECT_EQ(App().Saisonstartjahr, 2004);

    // Records made afterwards draw their birth dates against the year read.
    v3test::SequenceRandom rng({0, 0, 0, 0});
    state->SetRandom(&rng);
    CTrainerUndCo t;
    EXPECT_EQ(t.GeburtsDatum().year, 2004 - 31);
}

TEST(PeopleRecords, AFailedWriteIsReportedAsAFailure) {
    ScopedAppState state;
    ScriptedUserInterface ui;
    state->SetUserInterface(&ui);
    v3test::TempDir dir;
    CV3File f;
    ASSERT_NE(f.Open(dir.File("w.sav"), CV3File::modeWrite | CV3File::modeCreate), 0);
    ASSERT_TRUE(f.NewSection("LAND"));
    state->failWritesTo = [](const std::filesystem::path&) { return true; };
    CSponsor s;
    CISchiri i;
    EXPECT_FALSE(s.SpeichernV3Localized(f, 0));
    EXPECT_FALSE(i.SpeichernV3Localized(f, 0));
    EXPECT_FALSE(f.Close());
    EXPECT_EQ(ui.messages.size(), 1u);
    state->SetUserInterface(nullptr);
}

}  // namespace
