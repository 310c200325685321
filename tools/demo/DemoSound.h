#pragma once
// Sound clips of the demo installation: 16-bit stereo PCM WAV files at 22050 Hz,
// the only format the chant and talk editors accept.
#include <cstdint>
#include <string>
#include <vector>

namespace v3::demo {

inline constexpr int kWavRate = 22050;
inline constexpr int kWavChannels = 2;
inline constexpr int kWavBits = 16;

// A complete WAV file ("RIFF", "WAVE", a 16-byte "fmt " chunk, "data") of
// interleaved left/right samples; an odd trailing sample is dropped.
std::string MakeWav(const std::vector<int16_t>& interleavedStereo);

// Crowd noise with a rhythmic chant (clapping and a sung phrase), about 2 seconds.
std::vector<int16_t> SynthesizeChant(uint32_t seed);
// A voice-like sequence of syllables (a pitched buzz shaped by vowel formants),
// 1.2 to 1.8 seconds; `mood` 0..12 (the talk type) sets pitch, pace and loudness.
std::vector<int16_t> SynthesizeTalk(uint32_t seed, int mood);

}  // namespace v3::demo
