#pragma once
// The header of a RIFF/WAVE file: its PCM format and where its sample data
// lie. Every offset is checked against the bytes at hand and the file's size,
// so a short, damaged or lying file is refused and never read past its end.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace v3 {

struct WaveHeader {
    uint16_t formatTag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    uint64_t dataOffset = 0;  // position of the first sample byte in the file
    uint64_t dataSize = 0;    // bytes of sample data
};

// How many bytes from the file's start ParseWaveHeader needs at most to find
// the format and the start of the data of any ordinary WAV file.
inline constexpr std::size_t kWaveHeadBytes = 64 * 1024;

// Reads the header from `head`, the first bytes of a file of fileSize bytes:
// "RIFF" at 0 and "WAVE" at 8, then chunks; a "fmt " chunk of at least 16
// bytes must come before the "data" chunk, and the data chunk must end within
// the file. None when any of this fails.
std::optional<WaveHeader> ParseWaveHeader(std::string_view head, uint64_t fileSize);

// The header of a file on disk, reading at most kWaveHeadBytes: `opened` is
// false when the file cannot be read, `header` empty when it is no usable WAV file.
struct WaveFileHeader {
    bool opened = false;
    std::optional<WaveHeader> header;
};
WaveFileHeader ReadWaveHeader(const std::filesystem::path& file);

}  // namespace v3
