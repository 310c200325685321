#pragma once
// The predecessor game's data of the demo installation (DATA.VER), written in
// the format the import reads (docs/predecessor-format.md). It is drawn from
// the demo world itself, a season earlier: most clubs of the countries 0..4
// are the same clubs with other values (older stadiums, fewer honours, other
// coaches, squads with some other players), a few carry other names, the first
// country had four clubs more, and there are crests for the predecessor's
// clubs, former players of whom some are also ours, and fan chants. The start
// year is 1999. Most files are of the newer variant; the files of Italy and
// Spain, the international referees and the own chants are of the older one.
#include <cstdint>
#include <filesystem>
#include <string>

namespace v3::demo {

// Reads the data set of the installation in `dir` (its DATA.V3 must be
// complete) and writes DATA.VER with its crests beside it. Uses a state of its
// own, so App() is the same afterwards. The same installation and seed give
// the same files. False with the reason in `error` when the data set cannot be
// read or a file cannot be written.
bool WriteDemoPredecessor(const std::filesystem::path& dir, uint32_t seed, std::string* error = nullptr);

}  // namespace v3::demo
