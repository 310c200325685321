// The demo installation's files and names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include "DemoAssets.h"
#include "DemoMaps.h"
#include "DemoNames.h"
#include "DemoPictures.h"
#include "DemoSound.h"
#include "Jpeg.h"
#include "TestUtil.h"
#include "base/AppState.h"
#include "platform/Bmp.h"
#include "platform/Random.h"
#include "records/Sponsor.h"

namespace fs = std::filesystem;
using namespace v3;
using namespace v3::demo;
using v3test::U16;
using v3test::U32;

namespace {


void ExpectPicture(const std::string& bytes, int w, int h, uint16_t bits, const std::string& what) {
    SCOPED_TRACE(what);
    BmpImage img;
    ASSERT_EQ(ReadBmp(bytes, img), BmpError::None);
    EXPECT_EQ(img.width, w);
    EXPECT_EQ(img.height, h);
    EXPECT_EQ(img.bitsPerPixel, bits);
    EXPECT_EQ(U32(bytes, 30), 0u);  // uncompressed
    if (bits == 8) {
        EXPECT_EQ(U32(bytes, 10), 1078u);
        EXPECT_EQ(bytes.size(), 1078u + size_t((w + 3) / 4 * 4) * h);
    }
}

// Code page 1252 text a record may hold: printable, no byte the code page leaves undefined.
bool Printable1252(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return false;
    return true;
}

}  // namespace

TEST(DemoNames, SameSeedGivesTheSameNamesAndTheyFitTheRecords) {
    auto draw = [](uint32_t seed) {
        StdRandom rng(seed);
        DemoNames names(rng);
        std::vector<std::string> out;
        for (int land = 0; land <= 37; ++land) {
            for (int i = 0; i < 12; ++i) {
                const ClubName c = names.Club(land);
                out.insert(out.end(), {names.FirstName(land), names.LastName(land), c.name, c.shortCode, c.town,
                                       names.FanGroup(land, c), names.Stadium(land, c.town), names.Company(land),
                                       names.KitSupplier(), names.Newspaper(land), names.Broadcaster(land),
                                       names.Cup(land)});
            }
        }
        return out;
    };
    const auto a = draw(1234), b = draw(1234), c = draw(1235);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);

    const std::regex placeholder("[A-Z]{2}[0-9]{6}|%[A-Z]|^\\s|\\s$|  ");
    StdRandom rng(99);
    DemoNames names(rng);
    for (int land = 0; land <= 37; ++land) {
        SCOPED_TRACE("Land " + std::to_string(land));
        for (int i = 0; i < 30; ++i) {
            const ClubName club = names.Club(land);
            const struct {
                std::string text;
                size_t min, max;
            } checks[] = {
                {names.FirstName(land), 2, DemoNames::kMaxFirstName},
                {names.LastName(land), 2, DemoNames::kMaxLastName},
                {club.name, DemoNames::kMinClubName, DemoNames::kMaxClubName},
                {club.town, 3, 15},
                {names.FanGroup(land, club), 3, DemoNames::kMaxFanGroup},
                {names.Stadium(land, club.town), 3, 30},
                {names.Company(land), 3, 30},
                {names.KitSupplier(), 3, DemoNames::kMaxKitSupplier},
                {names.Newspaper(land), 3, 30},
                {names.Broadcaster(land), 3, 20},
                {names.Cup(land), 3, 20},
            };
            for (const auto& ch : checks) {
                EXPECT_GE(ch.text.size(), ch.min) << ch.text;
                EXPECT_LE(ch.text.size(), ch.max) << ch.text;
                EXPECT_TRUE(Printable1252(ch.text)) << ch.text;
                EXPECT_FALSE(std::regex_search(ch.text, placeholder)) << ch.text;
            }
            EXPECT_TRUE(std::regex_match(club.shortCode, std::regex("[A-Z]{3}"))) << club.shortCode;
        }
    }
}

TEST(DemoNames, ClubAndPersonNamesVary) {
    StdRandom rng(7);
    DemoNames names(rng);
    for (int land = 0; land <= 37; ++land) {
        SCOPED_TRACE("Land " + std::to_string(land));
        std::set<std::string> clubs, people;
        for (int i = 0; i < 200; ++i) {
            clubs.insert(names.Club(land).name);
            people.insert(names.FirstName(land) + " " + names.LastName(land));
        }
        // Mostly distinct: a country's clubs and persons rarely share a name.
        EXPECT_GE(clubs.size(), 130u);
        EXPECT_GE(people.size(), 145u);
    }
}

TEST(DemoNames, UseTheLettersOfTheirLanguage) {
    StdRandom rng(3);
    DemoNames names(rng);
    auto anyContains = [&](int land, const std::string& bytes) {
        for (int i = 0; i < 400; ++i)
            if ((names.FirstName(land) + names.LastName(land) + names.Town(land)).find(bytes) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(anyContains(0, "\xFC") || anyContains(0, "\xE4") || anyContains(0, "\xF6"));  // German umlauts
    EXPECT_TRUE(anyContains(22, "\xF0") || anyContains(22, "\xDE"));                         // Icelandic ð, Þ
    EXPECT_TRUE(anyContains(24, "\x9A") || anyContains(24, "\x9E"));                         // Croatian š, ž
}

TEST(DemoPictures, CrestsAreCrestFilesInTheClubColoursAndVary) {
    std::set<std::string> seen;
    for (uint32_t seed = 0; seed < 60; ++seed) {
        const int c1 = int(seed % 13), c2 = int((seed * 7 + 3) % 13);
        const std::string crest = MakeCrest(seed, c1, c2, seed % 2 ? "FCL" : "\xDC");
        ExpectPicture(crest, 32, 32, 8, "crest " + std::to_string(seed));
        EXPECT_EQ(crest.size(), 2102u);
        EXPECT_EQ(crest, MakeCrest(seed, c1, c2, seed % 2 ? "FCL" : "\xDC"));
        seen.insert(crest);
        // The club's colours are the crest's: pixels show one of them at least.
        BmpImage img;
        ASSERT_EQ(ReadBmp(crest, img), BmpError::None);
        bool found = false;
        for (const BmpColour want : {KitColour(c1), KitColour(c2)})
            for (int y = 0; y < 32 && !found; ++y)
                for (int x = 0; x < 32 && !found; ++x) {
                    const BmpColour c = img.Rgb(x, y);
                    found = std::abs(c.r - want.r) + std::abs(c.g - want.g) + std::abs(c.b - want.b) < 80;
                }
        EXPECT_TRUE(found) << "seed " << seed;
    }
    EXPECT_EQ(seen.size(), 60u);
}

TEST(DemoPictures, EveryFlagOfTheCountryTableAndTheBonusNationsExists) {
    ScopedAppState state;
    std::set<std::string> names(FlagFileNames().begin(), FlagFileNames().end());
    for (int land = 0; land <= 37; ++land) EXPECT_TRUE(names.count(state->Flaggenbild[land])) << land;
    for (const char* bonus : {"bel.bmp", "usa.bmp", "jp.bmp", "pol.bmp", "dan.bmp", "swe.bmp", "arg.bmp", "bra.bmp",
                              "wel.bmp"})
        EXPECT_TRUE(names.count(bonus)) << bonus;
    EXPECT_EQ(names.size(), FlagFileNames().size());
    EXPECT_TRUE(MakeFlag("xyz.bmp").empty());
}

TEST(DemoPictures, BoardTemplatesCarryTheSponsorColoursAndFitTheBoardPicture) {
    std::set<std::string> seen;
    for (int i = 0; i < kBoardTemplates; ++i) {
        const std::string t = MakeBoardTemplate(i);
        ExpectPicture(t, kBoardTemplateWidth, kBoardTemplateHeight, 8, "template " + std::to_string(i));
        BmpImage img;
        ASSERT_EQ(ReadBmp(t, img), BmpError::None);
        for (const PaletteSlot& s : SponsorPaletteSlots()) EXPECT_EQ(img.palette[s.index], s.colour) << s.index;
        seen.insert(t);
    }
    EXPECT_EQ(seen.size(), size_t(kBoardTemplates));

    // The sponsor's board picture takes its ends from the template.
    v3test::TempDir dir;
    ScopedAppState state;
    state->installDir = dir.path();
    state->BandenSpeichern = true;
    fs::create_directories(dir.path() / "BANDEN");
    v3test::WriteBytes(dir.path() / "BANDEN" / "bande01.bmp", MakeBoardTemplate(0));
    CSponsor sponsor;
    sponsor.Name("abc");
    const std::vector<uint8_t> board = sponsor.ErzeugeBitmapPtr();
    ASSERT_EQ(board.size(), CSponsor::kBoardFileSize);
    BmpImage tpl, pic;
    ASSERT_EQ(ReadBmp(MakeBoardTemplate(0), tpl), BmpError::None);
    ASSERT_EQ(ReadBmp(std::string(board.begin(), board.end()), pic), BmpError::None);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(pic.At(x, y), tpl.At(x, y));
            EXPECT_EQ(pic.At(224 + x, y), tpl.At(x, y));
        }
}

TEST(DemoSound, WavHeaderIsTheOneTheEditorsAccept) {
    const std::string wav = MakeWav({1, -1, 0x1234, -32768, 7, 8, 9});  // the odd last sample is dropped
    ASSERT_EQ(wav.size(), 44u + 12u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(U32(wav, 4), 36u + 12u);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32(wav, 16), 16u);
    EXPECT_EQ(U16(wav, 20), 1);      // PCM
    EXPECT_EQ(U16(wav, 22), 2);      // channels
    EXPECT_EQ(U32(wav, 24), 22050u);  // rate
    EXPECT_EQ(U32(wav, 28), 88200u);  // bytes per second
    EXPECT_EQ(U16(wav, 32), 4);      // block align
    EXPECT_EQ(U16(wav, 34), 16);     // bits
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(U32(wav, 40), 12u);
    EXPECT_EQ(U16(wav, 44), 1);
    EXPECT_EQ(U16(wav, 46), 0xFFFF);
    EXPECT_EQ(U16(wav, 48), 0x1234);
    EXPECT_EQ(U16(wav, 50), 0x8000);
}

TEST(DemoSound, ClipsAreDeterministicAudibleAndShort) {
    const struct {
        const char* what;
        std::vector<int16_t> a, again, other;
    } clips[] = {
        {"chant", SynthesizeChant(5), SynthesizeChant(5), SynthesizeChant(6)},
        {"talk", SynthesizeTalk(5, 10), SynthesizeTalk(5, 10), SynthesizeTalk(5, 1)},
    };
    for (const auto& c : clips) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.a, c.again);
        EXPECT_NE(c.a, c.other);
        const double seconds = c.a.size() / 2.0 / kWavRate;
        EXPECT_GE(seconds, 1.0);
        EXPECT_LE(seconds, 2.2);
        int peak = 0;
        for (int16_t s : c.a) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 10000);
        EXPECT_LT(peak, 32767);
        EXPECT_LT(std::abs(int(c.a.front())), 200);  // faded in: no click
    }
}

// One installation for the tests below: writing it takes a few seconds.
class DemoInstallation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<v3test::TempDir>();
        std::string error;
        ok_ = WriteDemoAssets(dir_->path(), 77, files_, &error);
        error_ = error;
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static std::string Read(const std::string& rel) { return v3test::ReadBytes(dir_->path() / rel); }

    static inline std::unique_ptr<v3test::TempDir> dir_;
    static inline DemoAssetFiles files_;
    static inline bool ok_ = false;
    static inline std::string error_;
};

TEST_F(DemoInstallation, WritesEveryFolderAndFile) {
    ASSERT_TRUE(ok_) << error_;
    for (const std::string& rel : files_.written) EXPECT_TRUE(fs::is_regular_file(dir_->path() / rel)) << rel;
    size_t onDisk = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir_->path())) onDisk += e.is_regular_file();
    EXPECT_EQ(onDisk, files_.written.size());  // no temporary files left behind
    for (const char* folder : {"SUPPORT.GFX", "BANDEN", "FanWaves", "Ansprachen"})
        EXPECT_TRUE(fs::is_directory(dir_->path() / folder)) << folder;
    for (int i = 1; i <= 36; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "BANDEN/bande%02d.bmp", i);
        EXPECT_EQ(Read(name).size(), 2230u) << name;
    }
}

TEST_F(DemoInstallation, FlagsMapsAndMasksAreWhatTheEditorsRead) {
    ASSERT_TRUE(ok_) << error_;
    for (const std::string& flag : FlagFileNames()) ExpectPicture(Read("SUPPORT.GFX/" + flag), 32, 32, 8, flag);
    std::vector<std::string> maps;
    for (int land = 0; land < 37; ++land) maps.push_back(CountryMapName(land));
    for (int b = 0; b < kBonusMaps; ++b) maps.push_back(BonusMapName(b));
    EXPECT_EQ(maps.front(), "k_ger.jpg");
    EXPECT_EQ(maps[37], "b1.jpg");
    EXPECT_EQ(maps.back(), "bn.jpg");
    for (const std::string& map : maps) {
        SCOPED_TRACE(map);
        int w, h, comp;
        ASSERT_TRUE(ReadJpegInfo(Read("SUPPORT.GFX/" + map), w, h, comp, true));
        EXPECT_EQ(w, kMapWidth);
        EXPECT_EQ(h, kMapHeight);
        EXPECT_EQ(comp, 3);
        const std::string maskFile = Read("SUPPORT.GFX/" + MaskNameFor(map));
        ExpectPicture(maskFile, kMapWidth, kMapHeight, 1, MaskNameFor(map));
        EXPECT_EQ(maskFile.size(), 62u + 56u * kMapHeight);  // 56 bytes a row
        EXPECT_EQ(U16(maskFile, 26), 1);                      // one plane
        BmpImage mask;
        ASSERT_EQ(ReadBmp(maskFile, mask), BmpError::None);
        // The country takes a fair part of the picture; the edges are never free.
        const auto free = std::count(mask.pixels.begin(), mask.pixels.end(), 0);
        EXPECT_GT(free, kMapWidth * kMapHeight / 20);
        for (int x = 0; x < kMapWidth; ++x) EXPECT_EQ(mask.At(x, 0) + mask.At(x, kMapHeight - 1), 2);
    }
    int w, h, comp;
    EXPECT_FALSE(ReadJpegInfo(Read("SUPPORT.GFX/ger.bmp"), w, h, comp));
}

TEST_F(DemoInstallation, SoundFilesAreNamedAndPassTheFormatTest) {
    ASSERT_TRUE(ok_) << error_;
    ASSERT_EQ(files_.fanChants.size(), size_t(kDemoFanChants));
    std::vector<int> perType(kTalkTypes, 0);
    for (const auto& t : files_.talks) {
        ASSERT_GE(t.type, 0);
        ASSERT_LT(t.type, kTalkTypes);
        ++perType[t.type];
    }
    for (int n : perType) {
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 2);
    }
    std::vector<std::string> sounds;
    for (const auto& c : files_.fanChants) sounds.push_back("FanWaves/" + c);
    for (const auto& t : files_.talks) sounds.push_back("Ansprachen/" + t.name);
    for (const std::string& rel : sounds) {
        SCOPED_TRACE(rel);
        const std::string wav = Read(rel);
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(wav.substr(8, 4), "WAVE");
        EXPECT_EQ(U16(wav, 34), 16);
        EXPECT_EQ(U16(wav, 22), 2);
        EXPECT_EQ(U32(wav, 24), 22050u);
        EXPECT_EQ(U32(wav, 40) + 44, wav.size());
    }
}
