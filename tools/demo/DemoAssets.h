#pragma once
// Writes every file of a demo installation that is not a record file: flags,
// maps and masks in SUPPORT.GFX, the board templates in BANDEN, the fan chants
// in FanWaves and the half-time talks in Ansprachen. Crests belong to the
// clubs and are written with them (MakeCrest in DemoPictures.h).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace v3::demo {

inline constexpr int kDemoFanChants = 8;
inline constexpr int kTalkTypes = 13;  // half-time talk types 0..12

struct DemoTalkFile {
    int type;          // AnsprachenTyp 0..12
    std::string name;  // file name inside Ansprachen, "Lob1.wav"
};

struct DemoAssetFiles {
    std::vector<std::string> fanChants;  // file names inside FanWaves, "Fangesang1.wav" ..
    std::vector<DemoTalkFile> talks;     // one or two per talk type, in type order
    std::vector<std::string> written;    // every file written, relative to the installation folder
};

// Writes into the installation folder `dir` (created when missing). The pictures
// are the same for every seed; the sound clips and the number of talks per type
// follow the seed. False, with the reason in `error`, when a folder or a file
// cannot be written; what was written until then stays.
bool WriteDemoAssets(const std::filesystem::path& dir, uint32_t seed, DemoAssetFiles& out,
                     std::string* error = nullptr);

}  // namespace v3::demo
