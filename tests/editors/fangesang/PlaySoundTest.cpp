// The format test of the chant and talk sound files: its result bits, its
// messages, damaged headers (cut off, lying about their data, no sample rate)
// and the sound-folder lists that leave every unusable file out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestUtil.h"
#include "editors/fangesang/TestWav.h"
#include "base/AppState.h"
#include "base/Layout.h"
#include "editors/fangesang/rules/FangesangRules.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "platform/WaveFile.h"

namespace v3 {
namespace {

using v3test::TestWav;

class PlaySoundTest : public ::testing::Test {
protected:
    PlaySoundTest() {
        state->SetUserInterface(&ui);
        state->installDir = dir.path();
        std::filesystem::create_directories(dir.path() / "FanWaves");
    }
    std::filesystem::path Datei(const std::string& name, const std::string& bytes) {
        const auto p = dir.path() / "FanWaves" / name;
        v3test::WriteBytes(p, bytes);
        return p;
    }
    v3test::TempDir dir;
    ScopedAppState state;
    ScriptedUserInterface ui;
};

struct FormatFall {
    const char* name;
    std::string bytes;
    int ergebnis;
    const char* meldung;  // shown with withMessage; null for a usable file
};

TEST_F(PlaySoundTest, ResultBitsAndMessagesByFormat) {
    std::string zweiterChunk = TestWav(16, 2, 22050);
    // A LIST chunk before "fmt " moves every field: the test walks the chunks.
    zweiterChunk.insert(12, std::string("LIST\x04\0\0\0abcd", 12));
    const std::vector<FormatFall> faelle = {
        {"gut.wav", TestWav(16, 2, 22050), 0, nullptr},
        {"liste.wav", zweiterChunk, 0, nullptr},
        {"mono.wav", TestWav(16, 1, 22050), CPlaySound::kKanaeleAnders, kFalschesWaveFormat},
        {"acht.wav", TestWav(8, 2, 22050), CPlaySound::kBitsAnders, kFalschesWaveFormat},
        {"cd.wav", TestWav(16, 2, 44100), CPlaySound::kRateAnders, kFalschesWaveFormat},
        {"alles.wav", TestWav(8, 1, 44100), 7, kFalschesWaveFormat},
        {"ohnerate.wav", TestWav(16, 2, 0), CPlaySound::kRateAnders, kFalschesWaveFormat},
        {"text.wav", "Das ist keine Wave-Datei, nur Text mit mehr als vierzig Zeichen.", CPlaySound::kKeineWave,
         kKeineWaveDatei},
        {"leer.wav", "", CPlaySound::kKeineWave, kKeineWaveDatei},
        {"kurz.wav", TestWav(16, 2, 22050).substr(0, 30), CPlaySound::kKeineWave, kKeineWaveDatei},
        {"ohnedaten.wav", TestWav(16, 2, 22050).substr(0, 36), CPlaySound::kKeineWave, kKeineWaveDatei},
        {"zweigb.wav", TestWav(16, 2, 22050, 64, 0x80000000LL), CPlaySound::kKeineWave, kKeineWaveDatei},
        {"riesig.wav", TestWav(16, 2, 22050, 64, 0xFFFFFFFFLL), CPlaySound::kKeineWave, kKeineWaveDatei},
    };
    for (const auto& f : faelle) {
        const auto p = Datei(f.name, f.bytes);
        ui.messages.clear();
        EXPECT_EQ(CPlaySound::TestWaveFormat(p, kWaveBits, kWaveRate, kWaveKanaele, false), f.ergebnis) << f.name;
        EXPECT_TRUE(ui.messages.empty()) << f.name;
        EXPECT_EQ(CPlaySound::TestWaveFormat(p, kWaveBits, kWaveRate, kWaveKanaele, true), f.ergebnis) << f.name;
        if (f.meldung) {
            ASSERT_EQ(ui.messages.size(), 1u) << f.name;
            EXPECT_EQ(ui.messages[0].text, f.meldung) << f.name;
            EXPECT_EQ(ui.messages[0].caption, "Achtung!");
        } else {
            EXPECT_TRUE(ui.messages.empty()) << f.name;
        }
    }
    // A file that cannot be read is not usable either.
    EXPECT_EQ(CPlaySound::TestWaveFormat(dir.path() / "fehlt.wav", 16, 22050, 2, true), CPlaySound::kNichtLesbar);
    EXPECT_EQ(ui.messages.back().text, kWaveNichtLesbar);
}

// The parser sees exactly the file's bytes in a buffer of their size (the
// sanitizer build catches any read past it), for every cut of a good header.
TEST_F(PlaySoundTest, EveryCutOfAHeaderIsRefusedWithinItsBytes) {
    const std::string gut = TestWav(16, 2, 22050, 8);
    for (std::size_t n = 0; n < gut.size(); ++n) {
        const std::vector<char> puffer(gut.begin(), gut.begin() + std::ptrdiff_t(n));
        const auto h = ParseWaveHeader(std::string_view(puffer.data(), puffer.size()), n);
        EXPECT_FALSE(h.has_value()) << n << " bytes";
    }
    const auto h = ParseWaveHeader(gut, gut.size());
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->dataOffset, 44u);
    EXPECT_EQ(h->dataSize, 8u);
    EXPECT_EQ(h->sampleRate, 22050u);
}

TEST_F(PlaySoundTest, FolderListHoldsOnlyPlayableWavFiles) {
    Datei("b.wav", TestWav(16, 2, 22050));
    Datei("A.WAV", TestWav(16, 2, 22050));
    Datei("c.wav", TestWav(16, 1, 22050));
    Datei("d.wav", "RIFF kaputt");
    Datei("e.wav", TestWav(16, 2, 22050, 64, 0x80000000LL));
    Datei("f.txt", TestWav(16, 2, 22050));
    std::filesystem::create_directories(dir.path() / "FanWaves" / "ordner.wav");
    EXPECT_EQ(SpielbareWaveDateien(kDirFanWaves), (std::vector<std::string>{"A.WAV", "b.wav"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(SpielbareWaveDateien(kDirAnsprachen).empty());  // no such folder
}

}  // namespace
}  // namespace v3
