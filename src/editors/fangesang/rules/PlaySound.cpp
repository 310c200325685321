#include "editors/fangesang/rules/PlaySound.h"

#include "base/AppState.h"
#include "platform/WaveFile.h"

namespace v3 {
namespace {

int WaveErgebnis(const std::filesystem::path& file, int bits, int rate, int channels) {
    const WaveFileHeader gelesen = ReadWaveHeader(file);
    if (!gelesen.opened) return CPlaySound::kNichtLesbar;
    const std::optional<WaveHeader>& h = gelesen.header;
    if (!h) return CPlaySound::kKeineWave;
    // 1 is plain PCM, 0xFFFE the extensible header that also carries PCM.
    const bool pcm = h->formatTag == 1 || h->formatTag == 0xFFFE;
    int ergebnis = 0;
    if (!pcm || h->bitsPerSample != bits) ergebnis |= CPlaySound::kBitsAnders;
    if (h->channels != channels) ergebnis |= CPlaySound::kKanaeleAnders;
    if (h->sampleRate == 0 || h->sampleRate != uint32_t(rate)) ergebnis |= CPlaySound::kRateAnders;
    return ergebnis;
}

}  // namespace

int CPlaySound::TestWaveFormat(const std::filesystem::path& file, int bits, int rate, int channels, bool withMessage) {
    const int ergebnis = WaveErgebnis(file, bits, rate, channels);
    if (ergebnis != 0 && withMessage) {
        const char* text = ergebnis & kNichtLesbar ? kWaveNichtLesbar
                           : ergebnis & kKeineWave ? kKeineWaveDatei
                                                   : kFalschesWaveFormat;
        App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
    }
    return ergebnis;
}

}  // namespace v3
