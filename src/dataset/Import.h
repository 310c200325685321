#pragma once
// The import of the predecessor game's data from "\DATA.VER\" into the loaded
// data set: the start-year check, the conversion and the crest copy. The menu
// command that runs them is CEDITORDoc::OnDateiV2dateneinlesen (Import.cpp).
// The predecessor's files are described in docs/predecessor-format.md.
#include <array>
#include <cstdint>
#include <vector>

#include "base/Layout.h"

namespace v3 {

// Crest maps of the countries 0..36: by club position (club number - 1) the
// number the club had in the predecessor's data, 0 where it took none.
using WappenKarten = std::array<std::vector<uint8_t>, kFesteLaender>;

// The start year both data sets must have.
inline constexpr int kV2Startjahr = 1999;
// Upper end of the progress bar of the crest copy.
inline constexpr int kWappenFortschritt = 690;

// 1 when the import may run; 0 when the start year of the data set in memory
// is 2000 or later, or the predecessor's "Kleinig.sav" does not hold the start
// year 1999 (or cannot be read up to it); -1 without a data set and when that
// file cannot be opened.
int CheckStartJahr();

// Merges the predecessor's data into the data set in memory: European
// ranking texts, reporters, critics, start year and tax rate, tournament
// hosts (newer variant), the countries (CLand::MergeV2Daten, filling the
// crest maps), international referees, former players (without duplicates),
// fan chants and own chants (without duplicates). A failure is shown with the
// file it happened in ("Datenfehler in der Datei %s!", "Kann Datei %s nicht
// öffnen!"; a country shows its own) and leaves the data set partly merged.
// Non-zero on success.
int LadenV3Convert(WappenKarten& karten);

// Copies the crests of the countries 0..36 into the data set's crest folder,
// one progress step per club: for the countries 0..4 the predecessor's crest
// of each club that took a predecessor club (for England beyond the
// predecessor's club 75 the English flag, for Italy beyond 24 and Spain beyond
// 26 the predecessor's general crests I0_00.BMP and S0_00.BMP); clubs that took
// none keep theirs. The clubs of the further countries get their country's
// flag where they have no crest. Copies that fail are not reported.
void WappenKopieren(const WappenKarten& karten);

}  // namespace v3
