#pragma once
// The rules of the competition editors: the names of a country's leagues and
// cup, the names of the two European club competitions, the hosts of the coming
// European and world championships and the European five-year ranking.
#include <array>
#include <string>
#include <vector>

#include "records/EuroWM.h"

namespace v3 {

class CNation;
class CUEFA;

// The national team with nation number nr in the data set, or null.
const CNation* NationByNumber(int nr);
// Its name (code page 1252); empty when there is none.
std::string NationNameOf(int nr);

// Checks a typed name against its length limits; outside them the user is
// told ("Achtung!") and the result is false.
bool NameLengthOk(const std::string& text, int minLen, int maxLen);

// ---- "Nationale Wettbewerbe" ----

class NationaleWettbewerbe {
public:
    static constexpr int kMaxZeilen = 4;
    static constexpr int kMinName = 2, kMaxLigaName = 14, kMaxPokalName = 20;

    struct Zeile {
        std::string name, kuerzel;  // code page 1252
    };

    // The leagues of country `land` that get a row: for country 0 its first
    // two, for the others all but the last of its list; at most four.
    explicit NationaleWettbewerbe(int land);

    int Land() const { return land_; }
    std::vector<Zeile> zeilen;
    std::string pokal;

    // The row labels "Name der ersten Liga" .. "Name der vierten Liga".
    static const char* RowLabel(int row);
    // Checks every length (the first field outside its limits is reported and
    // nothing is stored), then stores names, short names and the cup name.
    bool Ok();

private:
    int land_;
};

// ---- "Internationale Wettbewerbe" ----

class InternationaleWettbewerbe {
public:
    static constexpr int kMinName = 2, kMaxName = 20;
    InternationaleWettbewerbe();
    std::array<std::string, 2> namen;  // champions' competition, association's cup
    bool Ok();
};

// ---- "Europa- und Weltmeisterschaften" ----

// Nation numbers of the hosts the editor offers; the first 15 are the
// candidates for a European championship, all 20 for a world championship.
inline constexpr int kGastgeber[20] = {6, 13, 14, 16, 20, 23, 24, 28, 47, 51, 53, 54, 57, 63, 67, 4, 8, 30, 41, 71};
inline constexpr int kEMKandidaten = 15;
inline constexpr int kTurniere = 50;
inline constexpr int kKindEM = 1, kKindWM = 2;

class WMEMRules {
public:
    struct Zeile {
        int jahr = 0;
        bool em = false;
        int host = 0;  // index into the working host list
    };

    // Working copy of the data set's host list, start year of the small settings.
    WMEMRules();
    WMEMRules(std::vector<CEuroWM> hosts, int startYear);

    // The first tournament year after start year s: every second year.
    static int FirstYear(int startYear);

    const std::vector<Zeile>& Zeilen() const { return zeilen_; }
    const std::vector<CEuroWM>& Hosts() const { return hosts_; }
    int HostOf(int line) const { return hosts_[size_t(zeilen_[size_t(line)].host)].Nation(); }
    // "EM\t2004\t<host name>" (code page 1252).
    std::string LineText(int line) const;
    // "Europameisterschaft 2004 in" / "Weltmeisterschaft 2006 in" (UTF-8).
    std::string ChangeText(int line) const;
    // The hosts offered for a line: its candidates other than the current
    // host, then the current host.
    std::vector<int> Candidates(int line) const;
    // Makes `nation` the line's host; returns the line to select next.
    int SetHost(int line, int nation);
    // "Übernehmen": the data set's host list becomes the working list.
    void Apply() const;

private:
    void Build(int startYear);
    std::vector<CEuroWM> hosts_;
    std::vector<Zeile> zeilen_;
};

// ---- "EP-5-Jahres-Wertung" ----

class UEFAWertung {
public:
    static constexpr int kSaisons = 6;
    static constexpr int kMaxWert = 99;
    struct Zeile {
        int nation = 0;
        std::array<int, kSaisons> werte{};  // six years ago .. last season
        int Punkte() const;                   // the first five values
    };

    UEFAWertung();  // from the data set's ranking record
    explicit UEFAWertung(const CUEFA& record);

    const std::vector<Zeile>& Zeilen() const { return zeilen_; }
    // "%d\t%s\t%d\t%d": place, nation name, points, last season.
    std::string LineText(int i) const;
    // New values of line i (each 0..99, refused otherwise); the list is
    // sorted again. Returns the line's new position, or -1 when refused.
    int Change(int i, const std::array<int, kSaisons>& werte);
    // Writes every line, in its order, into the record.
    void ApplyTo(CUEFA& record) const;
    void Apply() const;

private:
    void Sort();
    std::vector<Zeile> zeilen_;
};

}  // namespace v3
