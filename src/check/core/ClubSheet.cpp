#include "check/core/ClubSheet.h"

#include <array>
#include <cstdlib>

#include "platform/Text1252.h"
#include "records/Nation.h"
#include "records/SpielerTexte.h"
#include "records/Verein.h"

namespace v3 {
namespace {

// Texts of the sheet, code page 1252.
// clang-format off
constexpr std::array<const char*, 8> kAllgemeinLabels = {
    "K\xFC" "rzel        :", "Anfeuerung    :", "Fanbezeichnung:", "Fanfreundsch. :",
    "Erzrivale     :", "Fanaufkommen  :", "Vorstand      :", "Guthaben      :"};
constexpr std::array<const char*, 4> kTrainerLabels = {
    "Name          :", "Kompetenz     :", "Alter         :", "Ruf           :"};
constexpr std::array<const char*, 3> kManagerLabels = {"Name      :", "Kompetenz :", "Alter     :"};
constexpr std::array<const char*, 6> kStadionLabels = {
    "Name          :", "Ort           :", "Anzeigetafel  :", "Laufbahn      :", "Flutlicht     :",
    "Rasenheizung  :"};
constexpr std::array<const char*, 5> kPlatzLabels = {
    "Stehpl\xE4tze        :", "Stehpl. \xFC" "berdacht :", "Sitzpl\xE4tze        :",
    "Sitzpl. \xFC" "berdacht :", "VIP-Pl\xE4tze        :"};
constexpr const char* kGesamtkapazitaet = "Gesamtkapazit\xE4t    :";
constexpr std::array<const char*, 10> kStreifenTexte = {
    "", "(l\xE4ngs gestreift)", "(quer gestreift)", "(Halb/Halb gestreift)", "(Schulter)", "(Brustring)",
    "(\xC4rmel gestreift)", "(Mittelstreifen)", "(kariert)", "(schr\xE4g gestreift)"};
constexpr const char* kRingelsocken = "(Ringelsocken)";
constexpr std::array<const char*, 7> kFanaufkommenTexte = {
    "wahre Horden", "sehr hoch", "hoch", "durchschnittlich", "bescheiden", "\xE4rmlich", "Fans?"};
constexpr std::array<const char*, 6> kVorstandTexte = {
    "Pulverfa\xDF", "Schleudersitz", "nerv\xF6s", "normal", "souver\xE4n", "treu"};
constexpr std::array<const char*, 7> kRufTexte = {
    "Kumpeltyp", "lustiger Geselle", "Motivationsk\xFCnstler", "PR-Mann", "Schleifer", "Wissenschaftler",
    "keiner"};
constexpr std::array<const char*, 5> kTafelTexte = {
    "keine Tafel", "Torschilder", "kleine LED-Tafel", "gro\xDF" "e LED-Tafel", "Videowand"};
struct Spalte { int x; const char* kopf; };
constexpr std::array<Spalte, 9> kSpielerKoepfe = {{
    {80, "Rnr."}, {112, "Name"}, {256, "Vorname"}, {344, "HP"}, {378, "NP"}, {426, "St."}, {456, "Alter"},
    {500, "FI"}, {540, "Nationalit\xE4t"}}};
// clang-format on
constexpr const char* kMillionen = "Millionen";
constexpr const char* kJa = "ja";
constexpr const char* kNein = "nein";

constexpr int kZeile = 18;  // rows of the upper blocks

// Table text of value v, or the number itself when the table has no entry.
template <size_t N>
std::string TableText(const std::array<const char*, N>& table, int v) {
    return v >= 0 && size_t(v) < N ? table[size_t(v)] : std::to_string(v);
}

std::string ColourName(int c) {
    return c >= 0 && c < kTrikotFarbenAnzahl ? Cp(KitColourNamesCapitalised[size_t(c)]) : std::to_string(c);
}

const char* JaNein(int32_t v) { return v ? kJa : kNein; }

class Sheet {
public:
    void Put(int x, int y, PrintFont f, std::string text) {
        if (!text.empty()) page.push_back({x, y, f, std::move(text), PrintAlign::Left});
    }
    void Normal(int x, int y, std::string text) { Put(x, y, PrintFont::Normal, std::move(text)); }
    void Bold(int x, int y, std::string text) { Put(x, y, PrintFont::Bold, std::move(text)); }
    PrintPage page;
};

// Name of the club with number `nummer` in the country's list; empty for none.
std::string ClubName(const Liste<CVerein>& vereine, int nummer) {
    if (nummer <= 0 || size_t(nummer) > vereine.size() || !vereine[size_t(nummer) - 1]) return {};
    return vereine[size_t(nummer) - 1]->Name();
}

// One kit on four rows: shirt colours, shirt pattern, shorts (labelled),
// socks (labelled).
void Kit(Sheet& s, const TRIKOTSATZ& kit, int top) {
    std::string trikot = ColourName(kit.TrikotFarbe);
    if (kit.Streifen != 0) {
        trikot += '/';
        trikot += ColourName(kit.StreifenFarbe);
    }
    s.Normal(kSheetKitValue, top, trikot);
    if (kit.Streifen > 0 && size_t(kit.Streifen) < kStreifenTexte.size())
        s.Normal(kSheetKitValue, top + kZeile, kStreifenTexte[size_t(kit.Streifen)]);
    s.Normal(kSheetRight, top + 2 * kZeile, "Hose          :");
    s.Normal(kSheetKitValue, top + 2 * kZeile, ColourName(kit.HosenFarbe));
    s.Normal(kSheetRight, top + 3 * kZeile, "Stutzen       :");
    std::string stutzen = ColourName(kit.StutzenFarbe);
    if (kit.Ringelsocken) stutzen += std::string(" ") + kRingelsocken;
    s.Normal(kSheetKitValue, top + 3 * kZeile, stutzen);
}

}  // namespace

std::string Guthaben(int32_t value) {
    int64_t v = value;
    if (v >= 0x8000 && v <= 0xFFFF) v -= 0x10000;
    const uint64_t betrag = uint64_t(v < 0 ? -v : v);
    std::string text = v < 0 ? "-" : "";
    text += std::to_string(betrag / 10);
    text += '.';
    text += std::to_string(betrag % 10);
    return text;
}

PrintPage ClubSheet(const CVerein& club, const Liste<CVerein>& vereine, const Liste<CNation>& nationen) {
    Sheet s;
    s.Put(kSheetLeft, 54, PrintFont::Title, club.Name());

    // General data, with the two kits beside it.
    s.Bold(kSheetLeft, 100, "Allgemeine Daten");
    const std::array<std::string, 8> allgemein = {
        club.Kuerzel(),
        club.Anfeuerung(),
        club.Fanbezeichnung(),
        ClubName(vereine, club.FanFreundschaft()),
        ClubName(vereine, club.ErzRivale()),
        TableText(kFanaufkommenTexte, club.Fanaufkommen()),
        TableText(kVorstandTexte, club.Vorstand()),
        Guthaben(club.Guthaben()) + " " + kMillionen};
    for (size_t i = 0; i < allgemein.size(); ++i) {
        const int y = 118 + kZeile * int(i);
        s.Normal(kSheetLeft, y, kAllgemeinLabels[i]);
        s.Normal(kSheetValue, y, allgemein[i]);
    }
    s.Normal(kSheetRight, 118, "1. Trikotsatz :");
    Kit(s, club.TrikotSatz(0), 118);
    s.Normal(kSheetRight, 190, "2. Trikotsatz :");
    Kit(s, club.TrikotSatz(1), 190);

    // Coach and manager.
    s.Bold(kSheetLeft, 284, "Trainer");
    const std::array<std::string, 4> trainer = {club.TrainerVorname() + " " + club.Trainername(),
                                                std::to_string(club.KompTrainer()),
                                                std::to_string(club.TrainerAlter()),
                                                TableText(kRufTexte, club.RufTrainer())};
    for (size_t i = 0; i < trainer.size(); ++i) {
        s.Normal(kSheetLeft, 302 + kZeile * int(i), kTrainerLabels[i]);
        s.Normal(kSheetValue, 302 + kZeile * int(i), trainer[i]);
    }
    s.Bold(kSheetRight, 284, "Manager");
    const std::array<std::string, 3> manager = {club.ManagerVorname() + " " + club.Managername(),
                                                std::to_string(club.KompManager()),
                                                std::to_string(club.ManagerAlter())};
    for (size_t i = 0; i < manager.size(); ++i) {
        s.Normal(kSheetRight, 302 + kZeile * int(i), kManagerLabels[i]);
        s.Normal(550, 302 + kZeile * int(i), manager[i]);
    }

    // Stadium: values and capacities (roofed places are those of roofed stands).
    s.Bold(kSheetLeft, 396, "Stadion");
    for (size_t i = 0; i < kStadionLabels.size(); ++i) s.Normal(kSheetLeft, 414 + kZeile * int(i), kStadionLabels[i]);
    for (size_t i = 0; i < kPlatzLabels.size(); ++i) s.Normal(kSheetRight, 414 + kZeile * int(i), kPlatzLabels[i]);
    s.Bold(kSheetRight, 504, kGesamtkapazitaet);
    if (const CStadion* st = club.Stadion()) {
        const std::array<std::string, 6> werte = {st->Name(), st->Ort(), TableText(kTafelTexte, st->Anzeigetafel()),
                                                  JaNein(st->LaufBahn(0)), JaNein(st->Flutlicht()),
                                                  JaNein(st->Rasenheizung())};
        for (size_t i = 0; i < werte.size(); ++i) s.Normal(kSheetValue, 414 + kZeile * int(i), werte[i]);
        std::array<int64_t, 5> plaetze{};
        for (int t = 0; t < CStadion::kTribuenen; ++t) {
            const bool dach = st->Dach(t) != 0;
            plaetze[dach ? 1 : 0] += st->Stehplaetze(t);
            plaetze[dach ? 3 : 2] += st->Sitzplaetze(t);
            plaetze[4] += st->Logen(t);
        }
        int64_t summe = 0;
        for (size_t i = 0; i < plaetze.size(); ++i) {
            s.Normal(618, 414 + kZeile * int(i), std::to_string(plaetze[i]));
            summe += plaetze[i];
        }
        s.Bold(618, 504, std::to_string(summe));
    }

    // Squad, in squad order.
    s.Bold(kSheetLeft, 544, "Spieler");
    for (const auto& k : kSpielerKoepfe) s.Bold(k.x, 564, k.kopf);
    int y = kSheetSquadTop;
    for (const auto& sp : club.SpielerListe()) {
        if (!sp) continue;
        s.Normal(80, y, std::to_string(sp->RueckenNummer()));
        s.Normal(112, y, sp->Nachname());
        s.Normal(256, y, sp->Vorname());
        s.Normal(344, y, std::string(PositionShortText(sp->Hauptposition())));
        std::string np;
        for (int pos : {sp->Nebenposition1(), sp->Nebenposition2()}) {
            if (pos == 0) continue;
            if (!np.empty()) np += ",";
            np += PositionShortText(pos);
        }
        s.Normal(376, y, np);
        s.Normal(426, y, std::to_string(sp->Staerke()));
        s.Normal(456, y, std::to_string(sp->StoredAlter()));
        s.Normal(488, y, sp->Fussballinlaender() ? kJa : kNein);
        const size_t nation = size_t(sp->NationNumber());
        if (nation < nationen.size() && nationen[nation]) s.Normal(540, y, nationen[nation]->Name());
        y += kSheetSquadRow;
    }
    return std::move(s.page);
}

}  // namespace v3
