#include "DemoSound.h"

#include <algorithm>
#include <cmath>

namespace v3::demo {
namespace {

void Put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, static_cast<uint16_t>(v));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

// Deterministic noise source.
struct Noise {
    uint32_t s;
    double Next() {  // -1..1
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return (s & 0xFFFFFF) / double(0x800000) - 1.0;
    }
};

// A two-pole band-pass filter (constant peak gain).
struct BandPass {
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void Set(double freq, double q) {
        const double w = 2 * M_PI * freq / kWavRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double Run(double x) {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

std::vector<int16_t> ToPcm(const std::vector<double>& left, const std::vector<double>& right, double peakTarget) {
    double peak = 1e-9;
    for (size_t i = 0; i < left.size(); ++i) peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    const double gain = peakTarget * 32767.0 / peak;
    std::vector<int16_t> out;
    out.reserve(left.size() * 2);
    const size_t fade = kWavRate / 50;  // 20 ms in and out, no clicks
    for (size_t i = 0; i < left.size(); ++i) {
        double f = 1.0;
        if (i < fade) f = double(i) / fade;
        if (left.size() - i < fade) f = double(left.size() - i) / fade;
        out.push_back(static_cast<int16_t>(std::clamp(std::lround(left[i] * gain * f), -32767L, 32767L)));
        out.push_back(static_cast<int16_t>(std::clamp(std::lround(right[i] * gain * f), -32767L, 32767L)));
    }
    return out;
}

}  // namespace

std::string MakeWav(const std::vector<int16_t>& s) {
    const uint32_t frames = static_cast<uint32_t>(s.size() / 2);
    const uint32_t dataBytes = frames * kWavChannels * (kWavBits / 8);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, kWavChannels);
    Put32(out, kWavRate);
    Put32(out, kWavRate * kWavChannels * (kWavBits / 8));
    Put16(out, kWavChannels * (kWavBits / 8));
    Put16(out, kWavBits);
    out += "data";
    Put32(out, dataBytes);
    for (uint32_t i = 0; i < frames * 2; ++i) Put16(out, static_cast<uint16_t>(s[i]));
    return out;
}

std::vector<int16_t> SynthesizeChant(uint32_t seed) {
    Noise rnd{seed * 2654435761u + 0x1234567u};
    const double seconds = 1.8 + (rnd.Next() + 1) * 0.15;
    const size_t n = static_cast<size_t>(seconds * kWavRate);
    const double bpm = 112 + (rnd.Next() + 1) * 14;
    const double beat = 60.0 / bpm;
    // A phrase of four sung notes over two beats, then two claps.
    const double root = 196.0 * std::pow(2.0, std::floor((rnd.Next() + 1) * 2.5) / 12.0);
    const int steps[4] = {0, (rnd.Next() > 0) ? 4 : 3, 7, (rnd.Next() > 0) ? 4 : 5};
    constexpr int kVoices = 24;
    double detune[kVoices], phase[kVoices];
    for (int v = 0; v < kVoices; ++v) {
        detune[v] = 1.0 + rnd.Next() * 0.012 + (v % 3 == 0 ? -0.5 : 0.0);  // some sing an octave lower
        phase[v] = (rnd.Next() + 1) * 0.5;
    }
    BandPass crowdL, crowdR, vowel1, vowel2, clapL, clapR;
    crowdL.Set(700, 0.7);
    crowdR.Set(760, 0.7);
    vowel1.Set(750, 2.0);   // "o"/"a" formants
    vowel2.Set(1150, 2.5);
    clapL.Set(1600, 1.2);
    clapR.Set(1500, 1.2);
    std::vector<double> left(n), right(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kWavRate;
        const double bar = std::fmod(t, 4 * beat);
        // Sung part: beats 0 and 1 hold the four notes as eighths.
        double sung = 0;
        if (bar < 2 * beat) {
            const int note = static_cast<int>(bar / (beat / 2));
            const double local = std::fmod(bar, beat / 2) / (beat / 2);
            const double env = std::min(1.0, local * 8) * (1.0 - 0.45 * local);
            const double f = root * std::pow(2.0, steps[note] / 12.0);
            for (int v = 0; v < kVoices; ++v) {
                phase[v] += f * detune[v] / kWavRate;
                phase[v] -= std::floor(phase[v]);
                sung += (2 * phase[v] - 1) / kVoices;  // a crowd of buzzing voices
            }
            sung = (vowel1.Run(sung) * 1.0 + vowel2.Run(sung) * 0.6) * env;
        } else {
            vowel1.Run(0);
            vowel2.Run(0);
        }
        // Claps on beats 2 and 3: short bursts of bright noise.
        const double since = std::fmod(bar - 2 * beat + 4 * beat, beat);
        const double clapEnv = (bar >= 2 * beat) ? std::exp(-since * 38.0) : 0.0;
        const double murmur = 0.22 + 0.06 * std::sin(t * 1.7 + seed);
        left[i] = crowdL.Run(rnd.Next()) * murmur + sung * 3.2 + clapL.Run(rnd.Next()) * clapEnv * 1.6;
        right[i] = crowdR.Run(rnd.Next()) * murmur + sung * 3.0 + clapR.Run(rnd.Next()) * clapEnv * 1.5;
    }
    return ToPcm(left, right, 0.7);
}

std::vector<int16_t> SynthesizeTalk(uint32_t seed, int mood) {
    Noise rnd{seed * 2246822519u + static_cast<uint32_t>(mood) * 97u + 0xABCDu};
    const int m = std::clamp(mood, 0, 12);
    // Calm talks (praise, calming down, saving strength) are lower and slower;
    // angry ones (thunderstorm, mockery, driving on) higher, faster and louder.
    static constexpr double kArousal[13] = {0.8, 0.5, 0.4, 0.9, 0.2, 0.3, 0.5, 0.6, 0.7, 0.9, 1.0, 0.6, 0.7};
    const double arousal = kArousal[m];
    const double pitch = 105 + arousal * 45 + rnd.Next() * 6;
    const double syllableLen = 0.19 - arousal * 0.05;
    const double seconds = 1.2 + (rnd.Next() + 1) * 0.3;
    const size_t n = static_cast<size_t>(seconds * kWavRate);
    // Vowel formants (first, second) in Hz: a, e, i, o, u.
    static constexpr double kF[5][2] = {{730, 1090}, {530, 1840}, {290, 2250}, {570, 840}, {320, 900}};
    BandPass f1, f2, hiss;
    hiss.Set(4500, 1.0);
    std::vector<double> mono(n);
    double phase = 0;
    int currentSyllable = -1;
    int vowel = 0;
    double consonant = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kWavRate;
        const int syl = static_cast<int>(t / syllableLen);
        const double local = std::fmod(t, syllableLen) / syllableLen;
        if (syl != currentSyllable) {
            currentSyllable = syl;
            vowel = static_cast<int>((rnd.Next() + 1) * 2.5) % 5;
            f1.Set(kF[vowel][0], 6.0);
            f2.Set(kF[vowel][1], 8.0);
            consonant = (rnd.Next() > -0.2) ? 1.0 : 0.0;
        }
        // Every fourth syllable is a short pause between words.
        const bool pause = syl % 4 == 3 && rnd.Next() > -0.6;
        // Intonation: falls over the clip, rises on stressed syllables.
        const double f0 = pitch * (1.0 + 0.12 * std::sin(t * 5.3) - 0.12 * t / seconds + (syl % 4 == 0 ? 0.08 : 0.0));
        phase += f0 / kWavRate;
        phase -= std::floor(phase);
        const double pulse = std::pow(std::max(0.0, std::sin(phase * 2 * M_PI)), 3) - 0.2;  // glottal-like buzz
        const double env = pause ? 0.0 : std::sin(std::min(1.0, local * 1.15) * M_PI) * (0.7 + 0.3 * arousal);
        double s = (f1.Run(pulse) * 1.0 + f2.Run(pulse) * 0.55) * env;
        // A burst of breath noise at the start of a syllable stands for a consonant.
        if (!pause && local < 0.18) s += hiss.Run(rnd.Next()) * consonant * (0.18 - local) * 1.2;
        else hiss.Run(0);
        mono[i] = s;
    }
    // A little room: the right channel hears a softer, slightly later copy.
    std::vector<double> left(n), right(n);
    const size_t delay = kWavRate / 90;
    for (size_t i = 0; i < n; ++i) {
        left[i] = mono[i] + (i >= delay ? 0.18 * mono[i - delay] : 0.0);
        right[i] = mono[i] * 0.92 + (i >= delay * 2 ? 0.22 * mono[i - delay * 2] : 0.0);
    }
    return ToPcm(left, right, 0.6 + 0.25 * arousal);
}

}  // namespace v3::demo
