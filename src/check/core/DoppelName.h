#pragma once
// One entry of the data check's name table: a person or a named thing (club,
// stadium, amateur club, sponsor) together with where it was found. Texts are
// code page 1252 bytes, as in the records.
#include <string>

namespace v3 {

struct tagDOPPELNAME {
    // Einzelname of named things whose name stands once in a report line.
    static constexpr int kEinzelname = 255;

    std::string Land;      // the country's name; empty outside countries
    std::string Ort;       // club, "club (code)" for squad players, or the country's name
    std::string Funktion;  // the role ("Vereinstrainer", "Spieler, IV, Stärke 7", ...)
    std::string Nachname;  // last name, or the thing's name
    std::string Vorname;   // first name, or the thing's name again
    int Einzelname = 0;    // kEinzelname for named things, 0 for persons
};

// Order of the table: by Nachname, then by Vorname, each compared byte by byte
// as unsigned values (so case matters and "\xC4" sorts after "Z"). Returns
// a negative value, 0 or a positive value like strcmp.
int compareDoppelName(const tagDOPPELNAME& a, const tagDOPPELNAME& b);

}  // namespace v3
