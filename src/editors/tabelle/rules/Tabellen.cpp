#include "editors/tabelle/rules/Tabellen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/personal/rules/PersonalRules.h"
#include "editors/spieler/rules/PlayerPages.h"
#include "editors/verein/rules/StadionEditor.h"
#include "editors/verein/rules/VereinsEditor.h"
#include "platform/Text1252.h"
#include "records/Datum.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/PersonDates.h"
#include "records/SpielerTexte.h"
#include "records/TrimWhite.h"
#include "records/Verein.h"

namespace v3 {
// The helpers live in a namespace of their own: in a unity batch they meet
// other files' helpers of the same names.
namespace tabelle {
namespace {

// ------------------------------------------------------------ cells

std::string Utf8(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}


// A whole number, blanks around it allowed; none for anything else.
std::optional<int64_t> LiesGanzzahl(std::string_view cell) {
    const std::string t = TrimWhite(cell);
    std::string_view s = t;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    if (s.empty() || s.size() > 18) return std::nullopt;
    int64_t v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::string ZahlNormal(const std::string& cell, const std::string&) {
    const auto v = LiesGanzzahl(cell);
    return v ? std::to_string(*v) : cell;
}

int TageImMonat(int m, int j) {
    static const int tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && CDatum::schaltjahr(j) ? 29 : tage[m - 1];
}

struct Tag {
    int tag = 0, monat = 0, jahr = 0;
};

// "TT.MM.JJJJ" (one-digit day and month allowed) or "JJJJ-MM-TT", as a date
// the calendar holds.
std::optional<Tag> LiesDatum(const std::string& cell) {
    const std::string t = TrimWhite(cell);
    Tag d;
    auto teil = [](std::string_view s, int& out) {
        const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return !s.empty() && ec == std::errc() && p == s.data() + s.size();
    };
    const auto p1 = t.find_first_of(".-");
    const auto p2 = p1 == std::string::npos ? p1 : t.find(t[p1], p1 + 1);
    if (p2 == std::string::npos) return std::nullopt;
    const std::string_view a(t.data(), p1), b(t.data() + p1 + 1, p2 - p1 - 1),
        c(t.data() + p2 + 1, t.size() - p2 - 1);
    const bool iso = t[p1] == '-';
    if (!(iso ? teil(a, d.jahr) && teil(b, d.monat) && teil(c, d.tag)
              : teil(a, d.tag) && teil(b, d.monat) && teil(c, d.jahr)))
        return std::nullopt;
    if ((iso ? a : c).size() != 4 || d.monat < 1 || d.monat > 12 || d.tag < 1 ||
        d.tag > TageImMonat(d.monat, d.jahr))
        return std::nullopt;
    return d;
}

// A date as a cell: ISO 8601, which spreadsheets keep as it stands in any
// locale (they write other date cells back in the locale's own form).
std::string DatumText(int tag, int monat, int jahr) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", jahr, monat, tag);
    return text;
}

// A date cell as the export writes it. A spreadsheet may also write a date
// back with a two-digit year ("18.11.72", or "11/18/72" in an English locale):
// that stands for the exported date when day, month and the year's last two
// digits agree; any other such date is left to be refused.
std::string DatumNormal(const std::string& cell, const std::string& alt) {
    if (const auto d = LiesDatum(cell)) return DatumText(d->tag, d->monat, d->jahr);
    const auto a = LiesDatum(alt);
    if (!a) return cell;
    const std::string t = TrimWhite(cell);
    int x = 0, y = 0, jahr = 0;
    char rest = 0;
    const bool deutsch =
        std::sscanf(t.c_str(), "%d.%d.%d%c", &x, &y, &jahr, &rest) == 3 && x == a->tag && y == a->monat;
    const bool englisch = !deutsch && std::sscanf(t.c_str(), "%d/%d/%d%c", &x, &y, &jahr, &rest) == 3 &&
                          x == a->monat && y == a->tag;
    if ((deutsch || englisch) && jahr >= 0 && jahr < 100 && jahr == a->jahr % 100) return alt;
    return cell;
}

std::string MitText(const std::string& wert, const std::string& text) {
    return text.empty() ? wert : wert + " (" + text + ")";
}

// ------------------------------------------------------------ the column model

// What a record's cells may need beyond the record: the nations' names, the
// country and the club it belongs to.
struct Umfeld {
    const DataSet* daten = nullptr;
    const CLand* land = nullptr;
    const CVerein* verein = nullptr;
};

int VereinsAnzahl(const Umfeld& u) {
    return u.land ? int(u.land->VereinsListe().size()) : 0;
}

std::string VereinsNameText(const Umfeld& u, int nummer) {
    if (!u.land || nummer < 1 || nummer > VereinsAnzahl(u)) return {};
    return Utf8(u.land->VereinsListe()[size_t(nummer - 1)]->Name());
}

std::vector<std::string> NationenNamen(const DataSet& d) {
    std::vector<std::string> namen;
    for (const auto& n : d.NationenListe) namen.push_back(n ? n->Name() : std::string());
    return namen;
}

std::string NationText(const Umfeld& u, int nummer) {
    if (!u.daten || nummer < 0 || nummer >= int(u.daten->NationenListe.size())) return {};
    const auto& n = u.daten->NationenListe[size_t(nummer)];
    return n ? Utf8(n->Name()) : std::string();
}

template <class R>
struct Spalte {
    std::string name;
    std::function<std::string(const R&, const Umfeld&)> lesen;
    // Sets the cell's value: empty, or the German reason it is refused. Null
    // for a column that is shown only (it follows from other fields).
    std::function<std::string(R&, const std::string&, const Umfeld&)> setzen;
    // The value's German text for the "(Text)" column beside it; null for none.
    std::function<std::string(const R&, const Umfeld&)> text;
    // Brings a cell to the form lesen gives (numbers, dates), knowing the
    // exported cell `alt`; null keeps it.
    std::string (*normal)(const std::string& cell, const std::string& alt) = nullptr;
};

// A record's place in the data set: its key cells (with their texts), how it
// is read and written back, and where it is in German.
template <class R>
struct Platz {
    std::vector<std::string> schluessel;
    std::vector<std::string> schluesselTexte;
    std::function<R()> holen;
    std::function<void(const R&)> ablegen;
    Umfeld umfeld;
    std::string ort;
};

// A refusal of a whole record by a rule over several of its fields.
struct Einwand {
    std::string spalte;
    std::string grund;
};

template <class R>
struct Definition {
    Tabellenart art;
    std::vector<std::string> schluessel;       // key columns
    std::vector<std::string> schluesselTexte;  // their text columns (names)
    std::vector<Spalte<R>> spalten;
    std::function<std::vector<Platz<R>>(DataSet&, int land)> plaetze;
    // A rule over a changed record; nullopt when it holds.
    std::function<std::optional<Einwand>(const R& neu)> pruefen;
};

const std::string kKeineZahl = "Das ist keine ganze Zahl.";
const std::string kNichtAngenommen = "Der Wert wird nicht angenommen.";

std::string Bereich(int64_t lo, int64_t hi) {
    return "Der Wert muss zwischen " + std::to_string(lo) + " und " + std::to_string(hi) + " liegen.";
}

template <class R>
Spalte<R> Zahl(std::string name, int64_t lo, int64_t hi, std::function<int64_t(const R&)> get,
               std::function<bool(R&, int)> set, std::function<std::string(int)> text = nullptr) {
    Spalte<R> s;
    s.name = std::move(name);
    s.lesen = [get](const R& r, const Umfeld&) { return std::to_string(get(r)); };
    s.setzen = [lo, hi, set](R& r, const std::string& cell, const Umfeld&) -> std::string {
        const auto v = LiesGanzzahl(cell);
        if (!v) return kKeineZahl;
        if (*v < lo || *v > hi) return Bereich(lo, hi);
        return set(r, int(*v)) ? std::string() : kNichtAngenommen;
    };
    if (text) s.text = [get, text](const R& r, const Umfeld&) { return text(int(get(r))); };
    s.normal = ZahlNormal;
    return s;
}

// A value shown only: it follows from other fields.
template <class R>
Spalte<R> Anzeige(std::string name, std::function<std::string(const R&, const Umfeld&)> lesen) {
    Spalte<R> s;
    s.name = std::move(name);
    s.lesen = std::move(lesen);
    return s;
}

// A name: code page 1252, no line break, minLen..maxLen characters.
template <class R>
Spalte<R> Name(std::string name, size_t minLen, size_t maxLen, const std::string& (R::*get)() const,
               bool (R::*set)(const std::string&)) {
    Spalte<R> s;
    s.name = std::move(name);
    s.lesen = [get](const R& r, const Umfeld&) { return Utf8((r.*get)()); };
    s.setzen = [minLen, maxLen, set](R& r, const std::string& cell, const Umfeld&) -> std::string {
        if (cell.find_first_of("\r\n") != std::string::npos)
            return "Ein Zeilenumbruch ist in einem Namen nicht erlaubt.";
        const auto cp = Utf8ToCp1252(cell);
        if (!cp.text) {
            return cp.badCharacter.empty() ? "Der Text ist kein g\xC3\xBCltiges UTF-8."
                                           : RefusedCharacterMessage(cp.badCharacter);
        }
        if (cp.text->size() < minLen)
            return "Der Text muss mindestens " + std::to_string(minLen) + " Zeichen lang sein.";
        if (cp.text->size() > maxLen)
            return "Der Text darf h\xC3\xB6\x63hstens " + std::to_string(maxLen) + " Zeichen lang sein.";
        return (r.*set)(*cp.text) ? std::string() : kNichtAngenommen;
    };
    return s;
}

// A number kept by a getter and setter pair of the record.
template <class R>
Spalte<R> Feld(std::string name, int64_t lo, int64_t hi, int (R::*get)() const, bool (R::*set)(int),
               std::function<std::string(int)> text = nullptr) {
    return Zahl<R>(
        std::move(name), lo, hi, [get](const R& r) { return (r.*get)(); },
        [set](R& r, int v) { return (r.*set)(v); }, std::move(text));
}

// A column holding a club number of the record's country (0 = none): the
// number must name one of its clubs, whose name is the column's text.
template <class R>
Spalte<R> VereinsNummer(Spalte<R> c, int (R::*get)() const) {
    auto bereich = c.setzen;
    c.setzen = [bereich](R& r, const std::string& cell, const Umfeld& u) -> std::string {
        const auto v = LiesGanzzahl(cell);
        if (v && (*v < 0 || *v > VereinsAnzahl(u))) return Bereich(0, VereinsAnzahl(u));
        return bereich(r, cell, u);
    };
    c.text = [get](const R& r, const Umfeld& u) { return VereinsNameText(u, (r.*get)()); };
    return c;
}

template <class R>
struct FeldPaar {
    const char* name;
    int (R::*get)() const;
    bool (R::*set)(int);
};

// A date "JJJJ-MM-TT" (or "TT.MM.JJJJ") with its year in loJahr..hiJahr.
template <class R>
Spalte<R> Datum(std::string name, int loJahr, int hiJahr, std::function<CDatum(const R&)> get,
                std::function<bool(R&, const Tag&)> set) {
    Spalte<R> s;
    s.name = std::move(name);
    s.lesen = [get](const R& r, const Umfeld&) {
        const CDatum d = get(r);
        return DatumText(d.day, d.month, d.year);
    };
    s.setzen = [loJahr, hiJahr, set](R& r, const std::string& cell, const Umfeld&) -> std::string {
        const auto d = LiesDatum(cell);
        if (!d) return "Das ist kein Datum des Kalenders (JJJJ-MM-TT oder TT.MM.JJJJ, das Jahr vierstellig).";
        if (d->jahr < loJahr || d->jahr > hiJahr)
            return "Das Jahr muss zwischen " + std::to_string(loJahr) + " und " + std::to_string(hiJahr) +
                   " liegen.";
        return set(r, *d) ? std::string() : kNichtAngenommen;
    };
    s.normal = DatumNormal;
    return s;
}

template <size_t N>
std::function<std::string(int)> Texte(const std::array<const char*, N>& table, int first = 0) {
    return [&table, first](int v) {
        return v >= first && v - first < int(N) ? std::string(table[size_t(v - first)]) : std::string();
    };
}
template <size_t N>
std::function<std::string(int)> Texte1252(const std::array<std::string_view, N>& table, int first) {
    return [&table, first](int v) { return Utf8(TextOf(table, v, first)); };
}

// The numbers of the bits 1..16 set in mask, and their names.
std::string BitNummern(uint32_t mask) {
    std::string s;
    for (int n = 1; n <= 16; ++n)
        if (mask & (1u << n)) s += (s.empty() ? "" : " ") + std::to_string(n);
    return s;
}
std::string BitNamen(uint32_t mask, const std::function<std::string_view(int)>& name) {
    std::string s;
    for (int n = 1; n <= 16; ++n)
        if (mask & (1u << n)) s += (s.empty() ? "" : ", ") + Utf8(name(n));
    return s;
}

std::string LandName(int land) {
    const auto& namen = App().Laendername;
    return land >= 0 && land < int(namen.size()) ? Utf8(namen[size_t(land)]) : std::string();
}

std::string PersonText(const std::string& vorname, const std::string& nachname) {
    return Utf8(vorname.empty() ? nachname : vorname + " " + nachname);
}

// Every country of the data set, or the one asked for.
template <class F>
void JedesLand(DataSet& d, int nurLand, F f) {
    for (size_t i = 0; i < d.AlleLaender.size(); ++i) {
        if ((nurLand >= 0 && int(i) != nurLand) || !d.AlleLaender[i]) continue;
        f(int(i), *d.AlleLaender[i]);
    }
}

// A record the data set owns directly: read and written back in place.
template <class R>
void Zeiger(Platz<R>& p, R* r) {
    p.holen = [r] { return *r; };
    p.ablegen = [r](const R& neu) { *r = neu; };
}

// Places of records a list owns: the list's k-th record has key k (1-based).
template <class R, class Liste>
void PoolPlaetze(std::vector<Platz<R>>& out, DataSet& d, int land, CLand& l, Liste& liste,
                 const std::string& was, bool mitVerein) {
    for (size_t k = 0; k < liste.size(); ++k) {
        R* r = liste[k].get();
        if (!r) continue;
        Platz<R> p;
        p.schluessel = {std::to_string(land)};
        p.schluesselTexte = {LandName(land)};
        if (mitVerein) {
            p.schluessel.push_back("0");
            p.schluesselTexte.emplace_back();
        }
        p.schluessel.push_back(std::to_string(k + 1));
        Zeiger(p, r);
        p.umfeld = {&d, &l, nullptr};
        p.ort = LandName(land) + ", " + was + " " + std::to_string(k + 1) + " (" +
                PersonText(r->Vorname(), r->Nachname()) + ")";
        out.push_back(std::move(p));
    }
}

template <class R>
Platz<R> VereinsPlatz(DataSet& d, int land, CLand& l, size_t v) {
    Platz<R> p;
    CVerein* verein = l.VereinsListe()[v].get();
    p.schluessel = {std::to_string(land), std::to_string(v + 1)};
    p.schluesselTexte = {LandName(land), Utf8(verein->Name())};
    p.umfeld = {&d, &l, verein};
    p.ort = LandName(land) + ", " + Utf8(verein->Name());
    return p;
}

// ------------------------------------------------------------ players

const Definition<CSpieler>& SpielerDefinition() {
    static const Definition<CSpieler> def = [] {
        using R = CSpieler;
        Definition<R> d;
        d.art = Tabellenart::Spieler;
        d.schluessel = {"Land", "Verein", "Spieler"};
        d.schluesselTexte = {"Land (Text)", "Verein (Text)"};
        auto& s = d.spalten;
        s.push_back(Name<R>("Nachname", 1, PlayerData1Rules::kMaxNachname, &R::Nachname, &R::Nachname));
        s.push_back(Name<R>("Vorname", 0, PlayerData1Rules::kMaxVorname, &R::Vorname, &R::Vorname));
        s.push_back(Name<R>("Kuenstlername", 0, PlayerData1Rules::kMaxKuenstlername, &R::Kuenstlername,
                            &R::Kuenstlername));
        s.push_back(Datum<R>(
            "Geburtsdatum", 1800, 2100, [](const R& r) { return r.GeburtsDatum(); },
            [](R& r, const Tag& t) { return r.GeburtsDatum(t.tag, t.monat, t.jahr); }));
        s.push_back(
            Anzeige<R>("Alter", [](const R& r, const Umfeld&) { return std::to_string(r.StoredAlter()); }));
        s.push_back(Zahl<R>(
            "Staerke", 1, 12, [](const R& r) { return r.Staerke(); },
            [](R& r, int v) { return r.Staerke(v); }));
        s.push_back(Zahl<R>(
            "Talent", 1, 5, [](const R& r) { return r.Talent(); }, [](R& r, int v) { return r.Talent(v); },
            Texte1252(kTalentTexts, 1)));
        s.push_back(Zahl<R>(
            "Hauptposition", 1, 10, [](const R& r) { return r.Hauptposition(); },
            [](R& r, int v) { return r.Hauptposition(v); }, Texte1252(kPositionTexts, 1)));
        s.push_back(Zahl<R>(
            "Nebenposition1", 0, 10, [](const R& r) { return r.Nebenposition1(); },
            [](R& r, int v) { return r.Nebenposition1(v); }, Texte1252(kPositionTexts, 1)));
        s.push_back(Zahl<R>(
            "Nebenposition2", 0, 10, [](const R& r) { return r.Nebenposition2(); },
            [](R& r, int v) { return r.Nebenposition2(v); }, Texte1252(kPositionTexts, 1)));
        s.push_back(Zahl<R>(
            "Fuss", 1, 3, [](const R& r) { return r.Fuss(); }, [](R& r, int v) { return r.Fuss(v); },
            Texte1252(kFootTexts, 1)));
        s.push_back(Zahl<R>(
            "Verletzung", 1, 7, [](const R& r) { return r.Verletzung(); },
            [](R& r, int v) { return r.Verletzung(v); }, Texte1252(kInjuryTexts, 1)));
        s.push_back(Zahl<R>(
            "Publikum", 1, 3, [](const R& r) { return r.Publikum(); },
            [](R& r, int v) { return r.Publikum(v); }, Texte1252(kCrowdTexts, 1)));
        s.push_back(Zahl<R>(
            "Konstanz", 0, 10, [](const R& r) { return r.Konstanz(); },
            [](R& r, int v) { return r.Konstanz(v); }));
        {
            Spalte<R> nation = Zahl<R>(
                "Nation", 0, 127, [](const R& r) { return r.NationNumber(); },
                [](R& r, int v) { return r.NationNumber(v); });
            auto bereich = nation.setzen;
            nation.setzen = [bereich](R& r, const std::string& cell, const Umfeld& u) -> std::string {
                const auto v = LiesGanzzahl(cell);
                if (v && *v >= 0 && *v < 128 && NationText(u, int(*v)).size() < 2)
                    return "Eine Nation mit dieser Nummer gibt es nicht.";
                return bereich(r, cell, u);
            };
            nation.text = [](const R& r, const Umfeld& u) { return NationText(u, r.NationNumber()); };
            s.push_back(std::move(nation));
        }
        s.push_back(Zahl<R>(
            "Fussballinlaender", 0, 1, [](const R& r) { return r.Fussballinlaender() ? 1 : 0; },
            [](R& r, int v) { return r.Fussballinlaender(v != 0); }));
        {
            Spalte<R> nation2 = Zahl<R>(
                "Nationalitaet2", -1, 127, [](const R& r) { return r.Nationalitaet2(); }, nullptr);
            nation2.setzen = [](R& r, const std::string& cell, const Umfeld& u) -> std::string {
                const auto v = LiesGanzzahl(cell);
                if (!v) return kKeineZahl;
                if (*v < -1 || *v > 127) return Bereich(-1, 127);
                const auto namen = NationenNamen(*u.daten);
                return r.Nationalitaet2(int(*v), namen) ? std::string()
                                                        : "Eine Nation mit dieser Nummer gibt es nicht.";
            };
            nation2.text = [](const R& r, const Umfeld& u) { return NationText(u, r.Nationalitaet2()); };
            s.push_back(std::move(nation2));
        }
        s.push_back(Zahl<R>(
            "NationalSpieler", 0, 8, [](const R& r) { return r.NationalSpieler(); },
            [](R& r, int v) { return r.NationalSpieler(v); }));
        s.push_back(Zahl<R>(
            "Kapitaen", 0, 1, [](const R& r) { return r.Kapitaen(); },
            [](R& r, int v) { return r.Kapitaen(v); }));
        s.push_back(Zahl<R>(
            "RueckenNummer", 0, 99, [](const R& r) { return r.RueckenNummer(); },
            [](R& r, int v) { return r.RueckenNummer(v); }));
        s.push_back(Zahl<R>(
            "Hautfarbe", 0, 3, [](const R& r) { return r.Hautfarbe(); },
            [](R& r, int v) { return r.Hautfarbe(v); }, Texte1252(kSkinColourTexts, 0)));
        s.push_back(Zahl<R>(
            "Haarfarbe", 0, 6, [](const R& r) { return r.Haarfarbe(); },
            [](R& r, int v) { return r.Haarfarbe(v); }, Texte1252(kHairColourTexts, 0)));
        s.push_back(Zahl<R>(
            "HaarTyp", 0, 3, [](const R& r) { return r.GetHaarTyp(); },
            [](R& r, int v) { return r.SetHaarTyp(v); }, Texte1252(kHairStyleTexts, 0)));
        {
            Spalte<R> bart = Zahl<R>(
                "Bart", 0, 15, [](const R& r) { return r.GetBart(); },
                [](R& r, int v) { return r.SetBart(v); });
            bart.text = [](const R& r, const Umfeld&) {
                std::string t;
                for (int b = 0; b < 4; ++b)
                    if (r.GetBart() & (1 << b)) t += (t.empty() ? "" : ", ") + Utf8(kBeardTexts[size_t(b)]);
                return t;
            };
            s.push_back(std::move(bart));
        }
        // Abilities and traits follow the pages' rules of exclusion and
        // quotas; here they are shown, their pages change them.
        auto faehigkeit = [](uint32_t mask, const R& r) {
            const bool tw = r.Hauptposition() == kKeeperPosition;
            return BitNamen(mask, [tw](int n) { return AbilityText(n, tw); });
        };
        s.push_back(Anzeige<R>("FaehigkeitPlus", [faehigkeit](const R& r, const Umfeld&) {
            return MitText(BitNummern(r.FaehigkeitPlus()), faehigkeit(r.FaehigkeitPlus(), r));
        }));
        s.push_back(Anzeige<R>("FaehigkeitMinus", [faehigkeit](const R& r, const Umfeld&) {
            return MitText(BitNummern(r.FaehigkeitMinus()), faehigkeit(r.FaehigkeitMinus(), r));
        }));
        s.push_back(Anzeige<R>("Eigenschaft", [](const R& r, const Umfeld&) {
            const uint32_t m = uint32_t(r.Eigenschaft());
            return MitText(BitNummern(m), BitNamen(m, [](int n) { return PropertyText(n); }));
        }));
        s.push_back(Anzeige<R>("Charakter", [](const R& r, const Umfeld&) {
            const uint32_t m = uint32_t(r.Charakter());
            return MitText(BitNummern(m), BitNamen(m, [](int n) { return TraitText(n); }));
        }));

        d.plaetze = [](DataSet& daten, int nurLand) {
            std::vector<Platz<R>> out;
            JedesLand(daten, nurLand, [&](int land, CLand& l) {
                for (size_t v = 0; v < l.VereinsListe().size(); ++v) {
                    CVerein& verein = *l.VereinsListe()[v];
                    for (size_t k = 0; k < verein.SpielerListe().size(); ++k) {
                        R* r = verein.SpielerListe()[k].get();
                        if (!r) continue;
                        Platz<R> p = VereinsPlatz<R>(daten, land, l, v);
                        p.schluessel.push_back(std::to_string(k + 1));
                        Zeiger(p, r);
                        p.ort += ", Spieler " + std::to_string(k + 1) + " (" +
                                 PersonText(r->Vorname(), r->Nachname()) + ")";
                        out.push_back(std::move(p));
                    }
                }
            });
            return out;
        };
        d.pruefen = [](const R& r) -> std::optional<Einwand> {
            if (r.Staerke() + r.Talent() > PlayerData1Rules::kMaxStaerkePlusTalent)
                return Einwand{"Talent", "St\xC3\xA4rke (" + std::to_string(r.Staerke()) + ") und Talent (" +
                                             std::to_string(r.Talent()) +
                                             ") d\xC3\xBCrfen zusammen h\xC3\xB6\x63hstens " +
                                             std::to_string(PlayerData1Rules::kMaxStaerkePlusTalent) +
                                             " ergeben."};
            return std::nullopt;
        };
        return d;
    }();
    return def;
}

// ------------------------------------------------------------ clubs

const Definition<CVerein>& VereinsDefinition() {
    static const Definition<CVerein> def = [] {
        using R = CVerein;
        Definition<R> d;
        d.art = Tabellenart::Vereine;
        d.schluessel = {"Land", "Verein"};
        d.schluesselTexte = {"Land (Text)"};
        auto& s = d.spalten;
        s.push_back(Name<R>("Name", 3, 19, &R::Name, &R::Name));
        s.push_back(Name<R>("Kuerzel", 1, 3, &R::Kuerzel, &R::Kuerzel));
        s.push_back(Name<R>("Fanbezeichnung", 0, 49, &R::Fanbezeichnung, &R::Fanbezeichnung));
        s.push_back(Name<R>("Anfeuerung", 0, 49, &R::Anfeuerung, &R::Anfeuerung));
        s.push_back(Zahl<R>(
            "Artikel", 0, 2, [](const R& r) { return r.Artikel(); }, [](R& r, int v) { return r.Artikel(v); },
            Texte(ArtikelTexte)));
        s.push_back(Zahl<R>(
            "SatzBau", 0, 3, [](const R& r) { return r.SatzBau(); },
            [](R& r, int v) { return r.SatzBau(v); }));
        s.push_back(Name<R>("Praesidentname", 2, 28, &R::Praesidentname, &R::Praesidentname));
        s.push_back(Name<R>("PraesidentVorname", 2, 28, &R::PraesidentVorname, &R::PraesidentVorname));
        s.push_back(Datum<R>(
            "GruendungsDatum", CVereinsEditor::kGruendungMin, CVereinsEditor::kGruendungMax,
            [](const R& r) { return r.GruendungsDatum(); },
            [](R& r, const Tag& t) {
                CDatum neu = r.GruendungsDatum();
                neu.day = t.tag, neu.month = t.monat, neu.year = t.jahr;
                return r.GruendungsDatum(neu);
            }));
        s.push_back(Zahl<R>(
            "Guthaben", CVereinsEditor::kGuthabenMin, CVereinsEditor::kGuthabenMax,
            [](const R& r) { return r.Guthaben(); }, [](R& r, int v) { return r.Guthaben(v); }));
        s.push_back(Zahl<R>(
            "FinanzKraft", 0, int(FinanzKraftTexte.size()) - 1, [](const R& r) { return r.FinanzKraft(); },
            [](R& r, int v) { return r.FinanzKraft(v); }, Texte(FinanzKraftTexte)));
        s.push_back(Zahl<R>(
            "Fanaufkommen", 0, int(FanaufkommenTexte.size()) - 1, [](const R& r) { return r.Fanaufkommen(); },
            [](R& r, int v) { return r.Fanaufkommen(v); }, Texte(FanaufkommenTexte)));
        s.push_back(Zahl<R>(
            "MaxFanAufkommen", 0, int(FanaufkommenTexte.size()) - 1,
            [](const R& r) { return r.MaxFanAufkommen(); }, [](R& r, int v) { return r.MaxFanAufkommen(v); },
            Texte(FanaufkommenTexte)));
        s.push_back(Zahl<R>(
            "FanArt", 0, int(FanArtTexte.size()) - 1, [](const R& r) { return r.FanArt(); },
            [](R& r, int v) { return r.FanArt(v); }, Texte(FanArtTexte)));
        s.push_back(Zahl<R>(
            "Hooligans", 0, int(HooligansTexte.size()) - 1, [](const R& r) { return r.Hooligans(); },
            [](R& r, int v) { return r.Hooligans(v); }, Texte(HooligansTexte)));
        s.push_back(Zahl<R>(
            "Vorstand", 0, int(VorstandTexte.size()) - 1, [](const R& r) { return r.Vorstand(); },
            [](R& r, int v) { return r.Vorstand(v); }, Texte(VorstandTexte)));
        s.push_back(Zahl<R>(
            "Opposition", 0, int(OppositionTexte.size()) - 1, [](const R& r) { return r.Opposition(); },
            [](R& r, int v) { return r.Opposition(v); }, Texte(OppositionTexte)));
        for (const FeldPaar<R>& f : {FeldPaar<R>{"FanFreundschaft", &R::FanFreundschaft, &R::FanFreundschaft},
                                     FeldPaar<R>{"ErzRivale", &R::ErzRivale, &R::ErzRivale}}) {
            s.push_back(VereinsNummer(Feld<R>(f.name, 0, 255, f.get, f.set), f.get));
        }
        s.push_back(Zahl<R>(
            "Medienstadt", 0, 1, [](const R& r) { return r.Medienstadt(); },
            [](R& r, int v) { return r.Medienstadt(v); }));
        s.push_back(Zahl<R>(
            "Pokalmannschaft", 0, 1, [](const R& r) { return r.Pokalmannschaft(); },
            [](R& r, int v) { return r.Pokalmannschaft(v); }));
        s.push_back(Zahl<R>(
            "AktienGesellschaft", 0, 1, [](const R& r) { return r.AktienGesellschaft(); },
            [](R& r, int v) { return r.AktienGesellschaft(v); }));
        for (const FeldPaar<R>& f :
             {FeldPaar<R>{"MeisterTitel", &R::MeisterTitel, &R::MeisterTitel},
              FeldPaar<R>{"PokalSiege", &R::PokalSiege, &R::PokalSiege},
              FeldPaar<R>{"LigapokalSiege", &R::LigapokalSiege, &R::LigapokalSiege},
              FeldPaar<R>{"UEFASiege", &R::UEFASiege, &R::UEFASiege},
              FeldPaar<R>{"ChampionsLeagueSiege", &R::ChampionsLeagueSiege, &R::ChampionsLeagueSiege},
              FeldPaar<R>{"WeltpokalSiege", &R::WeltpokalSiege, &R::WeltpokalSiege}})
            s.push_back(Feld<R>(f.name, 0, 99, f.get, f.set));
        for (const FeldPaar<R>& f :
             {FeldPaar<R>{"ErzielteTore", &R::ErzielteTore, &R::ErzielteTore},
              FeldPaar<R>{"KassierteTore", &R::KassierteTore, &R::KassierteTore},
              FeldPaar<R>{"Spiele", &R::Spiele, &R::Spiele}, FeldPaar<R>{"Punkte", &R::Punkte, &R::Punkte}})
            s.push_back(Feld<R>(f.name, 0, CVereinsEditor::kTabelleMax, f.get, f.set));
        d.plaetze = [](DataSet& daten, int nurLand) {
            std::vector<Platz<R>> out;
            JedesLand(daten, nurLand, [&](int land, CLand& l) {
                for (size_t v = 0; v < l.VereinsListe().size(); ++v) {
                    R* r = l.VereinsListe()[v].get();
                    Platz<R> p = VereinsPlatz<R>(daten, land, l, v);
                    p.schluesselTexte.pop_back();  // the club's name is a column of its own
                    Zeiger(p, r);
                    out.push_back(std::move(p));
                }
            });
            return out;
        };
        return d;
    }();
    return def;
}

// ------------------------------------------------------------ stadiums

const Definition<CStadion>& StadionDefinition() {
    static const Definition<CStadion> def = [] {
        using R = CStadion;
        Definition<R> d;
        d.art = Tabellenart::Stadien;
        d.schluessel = {"Land", "Verein"};
        d.schluesselTexte = {"Land (Text)", "Verein (Text)"};
        auto& s = d.spalten;
        s.push_back(Name<R>("Name", kStadionTextMin, kStadionNameMax, &R::Name, &R::Name));
        s.push_back(Name<R>("Ort", kStadionTextMin, kStadionOrtMax, &R::Ort, &R::Ort));
        for (int t = 0; t < CStadion::kTribuenen; ++t) {
            const std::string n = std::to_string(t + 1);
            s.push_back(Zahl<R>(
                "Stehplaetze" + n, 0, kTribueneHoechstEinheiten, [t](const R& r) { return r.Stehplaetze(t); },
                [t](R& r, int v) { return r.Stehplaetze(t, v); }));
            s.push_back(Zahl<R>(
                "Sitzplaetze" + n, 0, kTribueneHoechstEinheiten, [t](const R& r) { return r.Sitzplaetze(t); },
                [t](R& r, int v) { return r.Sitzplaetze(t, v); }));
            s.push_back(Zahl<R>(
                "Logen" + n, 0, kTribueneHoechstEinheiten, [t](const R& r) { return r.Logen(t); },
                [t](R& r, int v) { return r.Logen(t, v); }));
            s.push_back(Zahl<R>(
                "Dach" + n, 0, 1, [t](const R& r) { return r.Dach(t); },
                [t](R& r, int v) { return r.Dach(t, v); }));
            s.push_back(Zahl<R>(
                "WaermeStrahler" + n, 0, 1, [t](const R& r) { return r.WaermeStrahler(t); },
                [t](R& r, int v) { return r.WaermeStrahler(t, v); }));
            s.push_back(Zahl<R>(
                "Zustand" + n, 1, 7, [t](const R& r) { return r.Zustand(t); },
                [t](R& r, int v) { return r.Zustand(t, v); }, Texte(ZustandNamen, 1)));
        }
        s.push_back(Zahl<R>(
            "Anzeigetafel", 0, 4, [](const R& r) { return r.Anzeigetafel(); },
            [](R& r, int v) { return r.Anzeigetafel(v); }, Texte(TafelNamen)));
        s.push_back(Zahl<R>(
            "HeimTribuene", 0, 3, [](const R& r) { return r.HeimTribuene(); },
            [](R& r, int v) { return r.HeimTribuene(v); }, Texte(TribuenenNamen)));
        s.push_back(Zahl<R>(
            "GaesteTribuene", 0, 3, [](const R& r) { return r.GaesteTribuene(); },
            [](R& r, int v) { return r.GaesteTribuene(v); }, Texte(TribuenenNamen)));
        for (const FeldPaar<R>& f :
             {FeldPaar<R>{"Rasenheizung", &R::Rasenheizung, &R::Rasenheizung},
              FeldPaar<R>{"Flutlicht", &R::Flutlicht, &R::Flutlicht},
              FeldPaar<R>{"AutoBahn", &R::AutoBahn, &R::AutoBahn},
              FeldPaar<R>{"CityNaehe", &R::CityNaehe, &R::CityNaehe},
              FeldPaar<R>{"FernsehTurm", &R::FernsehTurm, &R::FernsehTurm},
              FeldPaar<R>{"VereinsEigentum", &R::VereinsEigentum, &R::VereinsEigentum},
              FeldPaar<R>{"LuxusKabinen", &R::LuxusKabinen, &R::LuxusKabinen},
              FeldPaar<R>{"SitzKissen", &R::SitzKissen, &R::SitzKissen},
              FeldPaar<R>{"BeheizbareSitze", &R::BeheizbareSitze, &R::BeheizbareSitze},
              FeldPaar<R>{"AusfahrSpielfeld", &R::AusfahrSpielfeld, &R::AusfahrSpielfeld},
              FeldPaar<R>{"Berge", &R::Berge, &R::Berge}, FeldPaar<R>{"Burg", &R::Burg, &R::Burg},
              FeldPaar<R>{"Schloss", &R::Schloss, &R::Schloss}})
            s.push_back(Feld<R>(f.name, 0, 1, f.get, f.set));
        d.plaetze = [](DataSet& daten, int nurLand) {
            std::vector<Platz<R>> out;
            JedesLand(daten, nurLand, [&](int land, CLand& l) {
                for (size_t v = 0; v < l.VereinsListe().size(); ++v) {
                    R* r = l.VereinsListe()[v]->Stadion();
                    if (!r) continue;
                    Platz<R> p = VereinsPlatz<R>(daten, land, l, v);
                    Zeiger(p, r);
                    p.ort += ", Stadion";
                    out.push_back(std::move(p));
                }
            });
            return out;
        };
        d.pruefen = [](const R& r) -> std::optional<Einwand> {
            // Each stand within the places the stadium editor allows.
            for (int t = 0; t < CStadion::kTribuenen; ++t) {
                const Kapazitaet k = PruefeTribuene(TribueneAus(r, t));
                if (k != Kapazitaet::Gueltig) return Einwand{"Stehplaetze" + std::to_string(t + 1), KapazitaetText(k)};
            }
            return std::nullopt;
        };
        return d;
    }();
    return def;
}

// ------------------------------------------------------------ coaches, managers, referees

// Names, birth date (the age follows) and competence of a coach or manager.
template <class R>
void PersonenSpalten(std::vector<Spalte<R>>& s) {
    s.push_back(
        Name<R>("Nachname", StaffPageRules::kMinName, StaffPageRules::kMaxName, &R::Nachname, &R::Nachname));
    s.push_back(
        Name<R>("Vorname", StaffPageRules::kMinName, StaffPageRules::kMaxName, &R::Vorname, &R::Vorname));
    s.push_back(Datum<R>(
        "GeburtsDatum", 1800, 2100, [](const R& r) { return r.GeburtsDatum(); },
        [](R& r, const Tag& t) {
            const CDatum datum = GeburtsDatumAus(t.tag, t.monat, t.jahr);
            return r.GeburtsDatum(datum) && r.Alter(AgeInSeason(datum, App().Saisonstartjahr));
        }));
    s.push_back(Anzeige<R>("Alter", [](const R& r, const Umfeld&) { return std::to_string(r.Alter()); }));
    s.push_back(Zahl<R>(
        "Kompetenz", 0, R::kMaxKompetenz, [](const R& r) { return r.Kompetenz(); },
        [](R& r, int v) { return r.Kompetenz(v); }));
}

// The club's coach or manager, a record the club keeps inside itself.
template <class R>
std::vector<Platz<R>> PersonalPlaetze(DataSet& daten, int nurLand) {
    constexpr bool trainer = std::is_same_v<R, CTrainerUndCo>;
    std::vector<Platz<R>> out;
    JedesLand(daten, nurLand, [&](int land, CLand& l) {
        if constexpr (trainer) {
            Platz<R> p;
            CTrainerUndCo* r = &l.NationalCoach();
            p.schluessel = {std::to_string(land), "0", "0"};
            p.schluesselTexte = {LandName(land), ""};
            Zeiger(p, r);
            p.umfeld = {&daten, &l, nullptr};
            p.ort = LandName(land) + ", Nationaltrainer (" + PersonText(r->Vorname(), r->Nachname()) + ")";
            out.push_back(std::move(p));
        }
        for (size_t v = 0; v < l.VereinsListe().size(); ++v) {
            CVerein* verein = l.VereinsListe()[v].get();
            Platz<R> p = VereinsPlatz<R>(daten, land, l, v);
            p.schluessel.push_back("0");
            if constexpr (trainer) {
                p.holen = [verein] { return verein->Trainer(); };
                p.ablegen = [verein](const R& neu) { verein->Trainer(neu); };
            } else {
                p.holen = [verein] { return verein->Manager(); };
                p.ablegen = [verein](const R& neu) { verein->Manager(neu); };
            }
            const R r = p.holen();
            p.ort += std::string(trainer ? ", Trainer (" : ", Manager (") +
                     PersonText(r.Vorname(), r.Nachname()) + ")";
            out.push_back(std::move(p));
        }
        if constexpr (trainer)
            PoolPlaetze(out, daten, land, l, l.Coaches(), "Trainerpool", true);
        else
            PoolPlaetze(out, daten, land, l, l.Managers(), "Managerpool", true);
    });
    return out;
}

const Definition<CTrainerUndCo>& TrainerDefinition() {
    static const Definition<CTrainerUndCo> def = [] {
        using R = CTrainerUndCo;
        Definition<R> d;
        d.art = Tabellenart::Trainer;
        d.schluessel = {"Land", "Verein", "Pool"};
        d.schluesselTexte = {"Land (Text)", "Verein (Text)"};
        PersonenSpalten(d.spalten);
        d.spalten.push_back(Zahl<R>(
            "Ruf", 0, R::kRufAnzahl - 1, [](const R& r) { return r.Ruf(); },
            [](R& r, int v) { return r.Ruf(v); }, Texte(kTrainerTypen)));
        d.plaetze = [](DataSet& daten, int nurLand) { return PersonalPlaetze<R>(daten, nurLand); };
        return d;
    }();
    return def;
}

const Definition<CManager>& ManagerDefinition() {
    static const Definition<CManager> def = [] {
        using R = CManager;
        Definition<R> d;
        d.art = Tabellenart::Manager;
        d.schluessel = {"Land", "Verein", "Pool"};
        d.schluesselTexte = {"Land (Text)", "Verein (Text)"};
        PersonenSpalten(d.spalten);
        d.plaetze = [](DataSet& daten, int nurLand) { return PersonalPlaetze<R>(daten, nurLand); };
        return d;
    }();
    return def;
}

const Definition<CNSchiri>& SchiriDefinition() {
    static const Definition<CNSchiri> def = [] {
        using R = CNSchiri;
        Definition<R> d;
        d.art = Tabellenart::Schiedsrichter;
        d.schluessel = {"Land", "Pool"};
        d.schluesselTexte = {"Land (Text)"};
        auto& s = d.spalten;
        s.push_back(Name<R>("Nachname", 1, kMaxSchiriNachname, &R::Nachname, &R::Nachname));
        s.push_back(Name<R>("Vorname", 1, kMaxSchiriVorname, &R::Vorname, &R::Vorname));
        s.push_back(Zahl<R>(
            "Kompetenz", 0, R::kMaxKompetenz, [](const R& r) { return r.Kompetenz(); },
            [](R& r, int v) { return r.Kompetenz(v); }));
        s.push_back(Zahl<R>(
            "Haerte", 0, R::kMaxHaerte, [](const R& r) { return r.Haerte(); },
            [](R& r, int v) { return r.Haerte(v); }));
        s.push_back(VereinsNummer(Feld<R>("SchiriVerein", 0, 255, &R::SchiriVerein, &R::SchiriVerein),
                                  &R::SchiriVerein));
        s.push_back(Zahl<R>(
            "SchiriEigenschaften", 0, SchiriAlleEigenschaften,
            [](const R& r) { return r.SchiriEigenschaften(); },
            [](R& r, int v) { return r.SchiriEigenschaften(v); }));
        d.plaetze = [](DataSet& daten, int nurLand) {
            std::vector<Platz<R>> out;
            JedesLand(daten, nurLand, [&](int land, CLand& l) {
                PoolPlaetze(out, daten, land, l, l.Referees(), "Schiedsrichter", false);
            });
            return out;
        };
        return d;
    }();
    return def;
}

// ------------------------------------------------------------ export

template <class R>
CsvZeile Kopf(const Definition<R>& def) {
    CsvZeile kopf = def.schluessel;
    kopf.insert(kopf.end(), def.schluesselTexte.begin(), def.schluesselTexte.end());
    for (const auto& s : def.spalten) {
        kopf.push_back(s.name);
        if (s.text) kopf.push_back(s.name + std::string(kTextSuffix));
    }
    return kopf;
}

template <class R>
void ZeileAnhaengen(const Definition<R>& def, const Platz<R>& p, const R& r, CsvZeile& zeile) {
    zeile = p.schluessel;
    zeile.insert(zeile.end(), p.schluesselTexte.begin(), p.schluesselTexte.end());
    for (const auto& s : def.spalten) {
        zeile.push_back(s.lesen(r, p.umfeld));
        if (s.text) zeile.push_back(s.text(r, p.umfeld));
    }
}

template <class R>
Tabellenbild ExportiereTyp(const Definition<R>& def, DataSet& daten, int land) {
    Tabellenbild bild;
    bild.art = def.art;
    bild.kopf = Kopf(def);
    bild.schluesselSpalten = def.schluessel.size();
    const auto plaetze = def.plaetze(daten, land);
    bild.zeilen.resize(plaetze.size());
    bild.orte.reserve(plaetze.size());
    for (size_t i = 0; i < plaetze.size(); ++i) {
        ZeileAnhaengen(def, plaetze[i], plaetze[i].holen(), bild.zeilen[i]);
        bild.orte.push_back(plaetze[i].ort);
    }
    return bild;
}

template <class R>
std::string ExportiereCsvTyp(const Definition<R>& def, DataSet& daten, int land, size_t& zeilen) {
    std::string text;
    AppendCsvRow(text, Kopf(def));
    const auto plaetze = def.plaetze(daten, land);
    CsvZeile zeile;
    for (const auto& p : plaetze) {
        ZeileAnhaengen(def, p, p.holen(), zeile);
        AppendCsvRow(text, zeile);
        // Room for the whole table at once, guessed from its first row.
        if (&p == &plaetze.front()) text.reserve(text.size() * (plaetze.size() + 1) * 5 / 4);
    }
    zeilen = plaetze.size();
    return text;
}

// Calls f with the definition of the table `art`.
template <class F>
decltype(auto) MitDefinition(Tabellenart art, F&& f) {
    switch (art) {
        case Tabellenart::Vereine:
            return f(VereinsDefinition());
        case Tabellenart::Stadien:
            return f(StadionDefinition());
        case Tabellenart::Trainer:
            return f(TrainerDefinition());
        case Tabellenart::Manager:
            return f(ManagerDefinition());
        case Tabellenart::Schiedsrichter:
            return f(SchiriDefinition());
        case Tabellenart::Spieler:
            break;
    }
    return f(SpielerDefinition());
}

// ------------------------------------------------------------ apply

std::string Schluessel(const std::vector<std::string>& teile) {
    std::string k;
    for (const auto& t : teile) k += t + '\x1F';
    return k;
}

// What a header cell of the table is.
struct Kopfspalte {
    enum Art { Schluessel, Feld, FeldText, Anzeige } art = Anzeige;
    size_t index = 0;  // key or field index
};

template <class R>
std::optional<std::vector<Kopfspalte>> OrdneKopf(const Definition<R>& def, const CsvZeile& kopf,
                                                 std::string* fehler) {
    std::map<std::string, Kopfspalte> bekannt;
    for (size_t i = 0; i < def.schluessel.size(); ++i)
        bekannt[def.schluessel[i]] = {Kopfspalte::Schluessel, i};
    for (const auto& t : def.schluesselTexte) bekannt[t] = {Kopfspalte::Anzeige, 0};
    for (size_t i = 0; i < def.spalten.size(); ++i) {
        bekannt[def.spalten[i].name] = {def.spalten[i].setzen ? Kopfspalte::Feld : Kopfspalte::Anzeige, i};
        if (def.spalten[i].text)
            bekannt[def.spalten[i].name + std::string(kTextSuffix)] = {Kopfspalte::FeldText, i};
    }
    std::vector<Kopfspalte> ordnung;
    std::map<std::string, size_t> gesehen;
    for (size_t c = 0; c < kopf.size(); ++c) {
        const std::string name = TrimWhite(kopf[c]);
        const auto it = bekannt.find(name);
        if (it == bekannt.end()) {
            if (fehler)
                *fehler = "Die Spalte " + std::to_string(c + 1) + " \"" + WertKurz(kopf[c]) +
                          "\" gibt es in der Tabelle " + TabellenName(def.art) + " nicht.";
            return std::nullopt;
        }
        if (const auto g = gesehen.find(name); g != gesehen.end()) {
            if (fehler)
                *fehler = "Die Spalte \"" + name + "\" steht zweimal in der Kopfzeile (Spalten " +
                          std::to_string(g->second + 1) + " und " + std::to_string(c + 1) + ").";
            return std::nullopt;
        }
        gesehen[name] = c;
        ordnung.push_back(it->second);
    }
    for (const auto& k : def.schluessel) {
        if (!gesehen.count(k)) {
            if (fehler)
                *fehler =
                    "Die Schl\xC3\xBCsselspalte \"" + k + "\" fehlt; ohne sie ist kein Datensatz zu finden.";
            return std::nullopt;
        }
    }
    return ordnung;
}

template <class R>
struct Gestaged {
    size_t platz = 0;
    size_t zeile = 0;  // as a spreadsheet counts
    R alt;
    R neu;
};

// After every row: shirt numbers unique in each squad. A number is refused in
// the row that gave it when another player of the squad wears it afterwards.
void PruefeRueckennummern(const std::vector<Platz<CSpieler>>& plaetze,
                          const std::vector<Gestaged<CSpieler>>& staged,
                          const std::vector<Kopfspalte>& ordnung, const CsvTabelle& csv, Uebernahme& u) {
    const size_t keine = ordnung.size();
    size_t nummerSpalte = keine;
    for (size_t c = 0; c < ordnung.size(); ++c)
        if (ordnung[c].art == Kopfspalte::Feld &&
            SpielerDefinition().spalten[ordnung[c].index].name == "RueckenNummer")
            nummerSpalte = c;
    if (nummerSpalte == keine) return;
    std::unordered_map<const CVerein*, std::vector<const Gestaged<CSpieler>*>> geaendert;
    for (const auto& g : staged) {
        if (g.neu.RueckenNummer() == g.alt.RueckenNummer()) continue;
        geaendert[plaetze[g.platz].umfeld.verein].push_back(&g);
    }
    if (geaendert.empty()) return;
    // The players of each squad with their numbers after the change.
    std::unordered_map<const CVerein*, std::map<int, std::vector<std::pair<std::string, size_t>>>> traeger;
    std::unordered_map<size_t, const Gestaged<CSpieler>*> nachPlatz;
    for (const auto& g : staged) nachPlatz[g.platz] = &g;
    for (size_t i = 0; i < plaetze.size(); ++i) {
        const CVerein* v = plaetze[i].umfeld.verein;
        if (!geaendert.count(v)) continue;
        const auto it = nachPlatz.find(i);
        const CSpieler r = it != nachPlatz.end() ? it->second->neu : plaetze[i].holen();
        if (r.RueckenNummer() == 0) continue;
        traeger[v][r.RueckenNummer()].emplace_back(PersonText(r.Vorname(), r.Nachname()), i);
    }
    for (const auto& [verein, liste] : geaendert) {
        for (const auto* g : liste) {
            const int nummer = g->neu.RueckenNummer();
            if (nummer == 0) continue;
            for (const auto& [name, platz] : traeger[verein][nummer]) {
                if (platz == g->platz) continue;
                u.abgelehnt.push_back({g->zeile, "RueckenNummer", csv.zeilen[g->zeile - 2][nummerSpalte],
                                       "Die R\xC3\xBC\x63kennummer " + std::to_string(nummer) +
                                           " tr\xC3\xA4gt im Verein schon " + name + "."});
                break;
            }
        }
    }
}

template <class R>
Uebernahme UebernimmTyp(const Definition<R>& def, DataSet& daten, const CsvTabelle& csv, bool nurPruefen) {
    Uebernahme u;
    u.art = def.art;
    const auto ordnung = OrdneKopf(def, csv.kopf, &u.fehler);
    if (!ordnung) return u;

    // Where each header column stands in an exported row.
    const CsvZeile kopf = Kopf(def);
    std::vector<size_t> exportPos(ordnung->size());
    for (size_t c = 0; c < ordnung->size(); ++c)
        exportPos[c] = size_t(std::find(kopf.begin(), kopf.end(), TrimWhite(csv.kopf[c])) - kopf.begin());

    const auto plaetze = def.plaetze(daten, -1);
    std::unordered_map<std::string, size_t> nachSchluessel;
    for (size_t i = 0; i < plaetze.size(); ++i) nachSchluessel[Schluessel(plaetze[i].schluessel)] = i;

    std::vector<Gestaged<R>> staged;
    std::unordered_map<size_t, size_t> zeileVonPlatz;
    for (size_t z = 0; z < csv.zeilen.size(); ++z) {
        const CsvZeile& zeile = csv.zeilen[z];
        const size_t nr = z + 2;
        if (zeile.size() == 1 && zeile[0].empty() && csv.kopf.size() != 1) continue;  // an empty line
        if (zeile.size() != csv.kopf.size()) {
            u.abgelehnt.push_back({nr, "", "",
                                   "Die Zeile hat " + std::to_string(zeile.size()) +
                                       " Zellen, die Kopfzeile " + std::to_string(csv.kopf.size()) + "."});
            continue;
        }
        auto ablehnen = [&](size_t c, std::string grund) {
            u.abgelehnt.push_back({nr, TrimWhite(csv.kopf[c]), WertKurz(zeile[c]), std::move(grund)});
        };
        // Find the record.
        std::vector<std::string> schluessel(def.schluessel.size()), zellen(def.schluessel.size());
        bool schluesselOk = true;
        for (size_t c = 0; c < ordnung->size(); ++c) {
            if ((*ordnung)[c].art != Kopfspalte::Schluessel) continue;
            const size_t k = (*ordnung)[c].index;
            zellen[k] = zeile[c];
            const auto v = LiesGanzzahl(zeile[c]);
            if (!v) {
                ablehnen(c, kKeineZahl);
                schluesselOk = false;
            } else {
                schluessel[k] = std::to_string(*v);
            }
        }
        if (!schluesselOk) continue;
        // A refusal of the whole row names every key.
        auto ablehnenZeile = [&](std::string grund) {
            std::string namen, werte;
            for (size_t k = 0; k < zellen.size(); ++k) {
                namen += (k ? ", " : "") + def.schluessel[k];
                werte += (k ? ", " : "") + WertKurz(zellen[k]);
            }
            u.abgelehnt.push_back({nr, namen, werte, std::move(grund)});
        };
        const auto gefunden = nachSchluessel.find(Schluessel(schluessel));
        if (gefunden == nachSchluessel.end()) {
            ablehnenZeile(
                "Diesen Datensatz gibt es nicht. Neue Datens\xC3\xA4tze legt die Tabelle nicht an und "
                "entfernt keine.");
            continue;
        }
        const size_t platzIndex = gefunden->second;
        if (const auto doppelt = zeileVonPlatz.find(platzIndex); doppelt != zeileVonPlatz.end()) {
            ablehnenZeile("Derselbe Datensatz steht schon in Zeile " + std::to_string(doppelt->second) + ".");
            continue;
        }
        zeileVonPlatz[platzIndex] = nr;
        const Platz<R>& platz = plaetze[platzIndex];

        // Apply the cells that differ from the export, in the order of the columns.
        R alt = platz.holen();
        R neu = alt;
        CsvZeile altZeile, neuZeile;
        ZeileAnhaengen(def, platz, alt, altZeile);
        std::vector<std::pair<size_t, size_t>> geaenderteSpalten;  // field, its export position
        bool zeileOk = true;
        for (size_t c = 0; c < ordnung->size(); ++c) {
            const Kopfspalte k = (*ordnung)[c];
            if (k.art != Kopfspalte::Feld) continue;
            const Spalte<R>& s = def.spalten[k.index];
            const std::string wert = s.normal ? s.normal(zeile[c], altZeile[exportPos[c]]) : zeile[c];
            if (wert == altZeile[exportPos[c]]) continue;
            std::string grund = s.setzen(neu, zeile[c], platz.umfeld);
            if (grund.empty() && s.lesen(neu, platz.umfeld) != wert)
                grund = "Der Wert w\xC3\xBCrde als \"" + s.lesen(neu, platz.umfeld) + "\" gespeichert.";
            if (!grund.empty()) {
                ablehnen(c, std::move(grund));
                zeileOk = false;
                continue;
            }
            geaenderteSpalten.emplace_back(k.index, exportPos[c]);
        }
        if (geaenderteSpalten.empty()) {
            neuZeile = altZeile;
        } else {
            ZeileAnhaengen(def, platz, neu, neuZeile);
        }
        // Columns that are shown only (texts, keys' texts, values that follow
        // from others) must still show the old or the new value.
        for (size_t c = 0; c < ordnung->size(); ++c) {
            const Kopfspalte k = (*ordnung)[c];
            if (k.art == Kopfspalte::Feld || k.art == Kopfspalte::Schluessel) continue;
            const std::string& alterText = altZeile[exportPos[c]];
            const std::string& neuerText = neuZeile[exportPos[c]];
            if (zeile[c] == alterText || zeile[c] == neuerText) continue;
            if (k.art == Kopfspalte::FeldText)
                ablehnen(c, "Der Text passt nicht zum Wert; ge\xC3\xA4ndert wird die Zahl in der Spalte \"" +
                                def.spalten[k.index].name + "\".");
            else
                ablehnen(c, "Diese Spalte wird nur angezeigt; sie folgt aus den anderen Werten (jetzt: \"" +
                                WertKurz(neuerText) + "\").");
            zeileOk = false;
        }
        if (!zeileOk || geaenderteSpalten.empty()) continue;
        if (def.pruefen) {
            if (auto einwand = def.pruefen(neu)) {
                const auto it = std::find_if(csv.kopf.begin(), csv.kopf.end(), [&](const std::string& h) {
                    return TrimWhite(h) == einwand->spalte;
                });
                const std::string wert =
                    it == csv.kopf.end() ? std::string() : zeile[size_t(it - csv.kopf.begin())];
                u.abgelehnt.push_back({nr, einwand->spalte, WertKurz(wert), einwand->grund});
                continue;
            }
        }
        for (const auto& [feld, pos] : geaenderteSpalten) {
            const bool mitText = def.spalten[feld].text != nullptr;
            u.aenderungen.push_back({platz.ort, def.spalten[feld].name,
                                     MitText(altZeile[pos], mitText ? altZeile[pos + 1] : ""),
                                     MitText(neuZeile[pos], mitText ? neuZeile[pos + 1] : "")});
        }
        staged.push_back({platzIndex, nr, std::move(alt), std::move(neu)});
    }
    u.nichtGenannt = plaetze.size() - zeileVonPlatz.size();
    if constexpr (std::is_same_v<R, CSpieler>) PruefeRueckennummern(plaetze, staged, *ordnung, csv, u);

    std::sort(u.abgelehnt.begin(), u.abgelehnt.end(),
              [](const Ablehnung& a, const Ablehnung& b) { return a.zeile < b.zeile; });
    if (!u.Ok() || nurPruefen) return u;
    for (const auto& g : staged) plaetze[g.platz].ablegen(g.neu);
    return u;
}

// Which kind of table a header is: the one whose key columns it holds and
// that knows every column; of several, the one whose columns it holds all of
// (a whole export); nullopt (with the message) for none or several.
template <class R>
void Passt(const Definition<R>& def, const CsvZeile& kopf, std::vector<Tabellenart>& passend,
           std::vector<Tabellenart>& ganz) {
    if (!OrdneKopf(def, kopf, nullptr)) return;
    passend.push_back(def.art);
    if (kopf.size() == Kopf(def).size()) ganz.push_back(def.art);
}

std::optional<Tabellenart> ErkenneTabelle(const CsvZeile& kopf, std::string& fehler) {
    std::vector<Tabellenart> passend, ganz;
    for (Tabellenart art : kAlleTabellen)
        MitDefinition(art, [&](const auto& def) { Passt(def, kopf, passend, ganz); });
    if (passend.size() > 1 && ganz.size() == 1) return ganz[0];
    if (passend.size() == 1) return passend[0];
    if (passend.empty()) {
        fehler =
            "Die Kopfzeile passt zu keiner Tabelle (spieler, vereine, stadien, trainer, manager, "
            "schiedsrichter): eine Spalte ist unbekannt oder eine Schl\xC3\xBCsselspalte fehlt.";
    } else {
        fehler = "Die Kopfzeile passt zu mehreren Tabellen (";
        for (size_t i = 0; i < passend.size(); ++i)
            fehler += (i ? ", " : "") + std::string(TabellenName(passend[i]));
        fehler += "); bitte die Tabelle angeben.";
    }
    return std::nullopt;
}

}  // namespace
}  // namespace tabelle

const char* TabellenName(Tabellenart art) {
    switch (art) {
        case Tabellenart::Spieler:
            return "spieler";
        case Tabellenart::Vereine:
            return "vereine";
        case Tabellenart::Stadien:
            return "stadien";
        case Tabellenart::Trainer:
            return "trainer";
        case Tabellenart::Manager:
            return "manager";
        case Tabellenart::Schiedsrichter:
            return "schiedsrichter";
    }
    return "";
}

std::optional<Tabellenart> TabelleMitName(std::string_view name) {
    for (Tabellenart art : kAlleTabellen)
        if (name == TabellenName(art)) return art;
    return std::nullopt;
}

std::string WertKurz(const std::string& wert) {
    constexpr size_t kMax = 60;
    if (wert.size() <= kMax) return wert;
    size_t ende = kMax;
    while (ende > 0 && (uint8_t(wert[ende]) & 0xC0) == 0x80) --ende;  // not inside a UTF-8 character
    return wert.substr(0, ende) + "\xE2\x80\xA6";
}

Tabellenbild Exportiere(DataSet& daten, Tabellenart art, int land) {
    using namespace tabelle;
    return MitDefinition(art, [&](const auto& def) { return ExportiereTyp(def, daten, land); });
}

std::string ExportiereCsv(DataSet& daten, Tabellenart art, int land, size_t* zeilen) {
    using namespace tabelle;
    size_t anzahl = 0;
    std::string text =
        MitDefinition(art, [&](const auto& def) { return ExportiereCsvTyp(def, daten, land, anzahl); });
    if (zeilen) *zeilen = anzahl;
    return text;
}

Uebernahme Uebernimm(DataSet& daten, const CsvTabelle& csv, std::optional<Tabellenart> art, bool nurPruefen) {
    using namespace tabelle;
    if (!art) {
        std::string fehler;
        art = ErkenneTabelle(csv.kopf, fehler);
        if (!art) {
            Uebernahme u;
            u.fehler = fehler;
            return u;
        }
    }
    return MitDefinition(*art, [&](const auto& def) { return UebernimmTyp(def, daten, csv, nurPruefen); });
}

std::vector<Aenderung> Vergleiche(const Tabellenbild& alt, const Tabellenbild& neu) {
    using namespace tabelle;
    std::vector<Aenderung> out;
    auto schluessel = [](const Tabellenbild& b, size_t z) {
        return Schluessel(
            std::vector<std::string>(b.zeilen[z].begin(), b.zeilen[z].begin() + long(b.schluesselSpalten)));
    };
    std::unordered_map<std::string, size_t> altNach;
    for (size_t z = 0; z < alt.zeilen.size(); ++z) altNach[schluessel(alt, z)] = z;
    // Columns of `alt` by name, so that two exports with other columns still compare.
    std::unordered_map<std::string, size_t> altSpalte;
    for (size_t c = 0; c < alt.kopf.size(); ++c) altSpalte[alt.kopf[c]] = c;
    auto istText = [](const std::string& name) {
        return name.size() > kTextSuffix.size() &&
               name.compare(name.size() - kTextSuffix.size(), kTextSuffix.size(), kTextSuffix) == 0;
    };
    std::vector<bool> gesehen(alt.zeilen.size(), false);
    for (size_t z = 0; z < neu.zeilen.size(); ++z) {
        const auto it = altNach.find(schluessel(neu, z));
        if (it == altNach.end()) {
            out.push_back({neu.orte[z], "Datensatz", "", "neu"});
            continue;
        }
        gesehen[it->second] = true;
        const CsvZeile& a = alt.zeilen[it->second];
        const CsvZeile& n = neu.zeilen[z];
        for (size_t c = neu.schluesselSpalten; c < neu.kopf.size(); ++c) {
            const std::string& name = neu.kopf[c];
            if (istText(name)) continue;
            const auto ac = altSpalte.find(name);
            if (ac == altSpalte.end() || a[ac->second] == n[c]) continue;
            std::string altText, neuText;
            if (c + 1 < neu.kopf.size() && neu.kopf[c + 1] == name + std::string(kTextSuffix)) {
                neuText = n[c + 1];
                if (const auto at = altSpalte.find(neu.kopf[c + 1]); at != altSpalte.end())
                    altText = a[at->second];
            }
            out.push_back({neu.orte[z], name, MitText(a[ac->second], altText), MitText(n[c], neuText)});
        }
    }
    for (size_t z = 0; z < alt.zeilen.size(); ++z)
        if (!gesehen[z]) out.push_back({alt.orte[z], "Datensatz", "vorhanden", "entfernt"});
    return out;
}

}  // namespace v3
