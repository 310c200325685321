#include "DemoAssets.h"

#include <cstdio>

#include "DemoMaps.h"
#include "DemoPictures.h"
#include "DemoSound.h"
#include "platform/FileOps.h"

namespace v3::demo {
namespace {

// File names of the talks by type: plain ASCII words after the type's name.
constexpr const char* kTalkNames[kTalkTypes] = {
    "Begeisterung", "Lob",       "WeiterSo",     "MachtSieFertig", "Beruhigen", "KraftSparen", "Aufmuntern",
    "Noergeln",     "Spott",     "Antreiben",    "Donnerwetter",   "Ehre",      "Verlieren"};

bool Put(const std::filesystem::path& dir, const std::string& folder, const std::string& name,
         const std::string& bytes, DemoAssetFiles& out, std::string* error) {
    if (bytes.empty()) {
        if (error) *error = "kein Inhalt für " + folder + "/" + name;
        return false;
    }
    if (!WriteWholeFile(dir / folder / name, bytes, error)) return false;
    out.written.push_back(folder + "/" + name);
    return true;
}

}  // namespace

bool WriteDemoAssets(const std::filesystem::path& dir, uint32_t seed, DemoAssetFiles& out, std::string* error) {
    out = DemoAssetFiles{};
    for (const char* folder : {"SUPPORT.GFX", "BANDEN", "FanWaves", "Ansprachen"})
        if (!CreateFolders(dir / folder, error)) return false;

    for (const std::string& flag : FlagFileNames())
        if (!Put(dir, "SUPPORT.GFX", flag, MakeFlag(flag), out, error)) return false;
    for (int land = 0; land < 37; ++land) {
        const MapPictures m = MakeCountryMap(land);
        const std::string name = CountryMapName(land);
        if (!Put(dir, "SUPPORT.GFX", name, m.jpeg, out, error) ||
            !Put(dir, "SUPPORT.GFX", MaskNameFor(name), m.mask, out, error))
            return false;
    }
    for (int b = 0; b < kBonusMaps; ++b) {
        const MapPictures m = MakeBonusMap(b);
        const std::string name = BonusMapName(b);
        if (!Put(dir, "SUPPORT.GFX", name, m.jpeg, out, error) ||
            !Put(dir, "SUPPORT.GFX", MaskNameFor(name), m.mask, out, error))
            return false;
    }
    for (int i = 0; i < kBoardTemplates; ++i) {
        char name[24];  // room for any int, as the compiler cannot bound i
        std::snprintf(name, sizeof name, "bande%02d.bmp", i + 1);
        if (!Put(dir, "BANDEN", name, MakeBoardTemplate(i), out, error)) return false;
    }
    for (int i = 0; i < kDemoFanChants; ++i) {
        const std::string name = "Fangesang" + std::to_string(i + 1) + ".wav";
        if (!Put(dir, "FanWaves", name, MakeWav(SynthesizeChant(seed * 31u + static_cast<uint32_t>(i))), out, error))
            return false;
        out.fanChants.push_back(name);
    }
    for (int type = 0; type < kTalkTypes; ++type) {
        // One or two clips per type, chosen by the seed.
        const int clips = 1 + static_cast<int>((seed / 7u + static_cast<uint32_t>(type) * 5u) % 2u);
        for (int k = 0; k < clips; ++k) {
            const std::string name = std::string(kTalkNames[type]) + std::to_string(k + 1) + ".wav";
            const uint32_t clipSeed = seed * 131u + static_cast<uint32_t>(type * 2 + k);
            if (!Put(dir, "Ansprachen", name, MakeWav(SynthesizeTalk(clipSeed, type)), out, error)) return false;
            out.talks.push_back({type, name});
        }
    }
    return true;
}

}  // namespace v3::demo
