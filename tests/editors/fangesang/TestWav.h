#pragma once
// WAV file bytes for the sound tests: a canonical 44-byte header and silence.
#include <cstdint>
#include <string>

namespace v3test {

// `claimed` is the data chunk's size field (by default the real size).
inline std::string TestWav(int bits, int channels, uint32_t rate, uint32_t bytes = 64, int64_t claimed = -1) {
    std::string b;
    auto le = [&b](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(char((v >> (8 * i)) & 0xFF));
    };
    b += "RIFF";
    le(36 + bytes, 4);
    b += "WAVEfmt ";
    le(16, 4);
    le(1, 2);
    le(uint32_t(channels), 2);
    le(rate, 4);
    le(rate * uint32_t(channels * bits / 8), 4);
    le(uint32_t(channels * bits / 8), 2);
    le(uint32_t(bits), 2);
    b += "data";
    le(claimed < 0 ? bytes : uint32_t(claimed), 4);
    b.append(bytes, '\0');
    return b;
}

}  // namespace v3test
