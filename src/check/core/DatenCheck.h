#pragma once
// The duplicate check and the person search over the whole data set. Both
// build the name table (tagDOPPELNAME) from every country's clubs, squads,
// staff and pools, sort it, and report through the run's sink; both poll the
// run's stop flag after every entry and end early, keeping what was found,
// when it is set.
#include <cstddef>
#include <string>
#include <string_view>

#include "check/core/CheckRun.h"

namespace v3 {

// Upper bound of the table's size for this run's sources.
size_t CountAll(const CheckRun& run);

// Reports every pair of entries with the same last and first name: the
// group's first entry, the other entry and a line of one blank, per pair.
// Returns 0.
int DatenCheck(const CheckRun& run);

// Reports every entry whose names match the run's search names (only the
// names given count; A..Z compared without case, everything else exactly).
// Returns 0.
int SuchePerson(const CheckRun& run);

// a and b equal when the letters A..Z are compared without case and every
// other byte exactly (so "M\xDCLLER" does not match "M\xFCller").
bool EqualIgnoringCaseAZ(std::string_view a, std::string_view b);

// Text without blanks at both ends.
std::string TrimBlanks(std::string_view text);

// The texts the check shows (UTF-8) and the line of a pair's separator.
inline constexpr const char* kStatusErstelleListe = "Erstelle Liste...";
inline constexpr const char* kStatusSuche = "Suche...";
inline constexpr const char* kStatusFertig = "Fertig.";
inline constexpr const char* kKeinTreffer = "Es wurde kein Spieler mit diesem Namen gefunden!";
inline constexpr const char* kTrennzeile = " ";

}  // namespace v3
