#include "platform/WaveFile.h"

#include <fstream>
#include <string>
#include <system_error>

namespace v3 {
namespace {

uint16_t WaveU16(std::string_view b, std::size_t at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

uint32_t WaveU32(std::string_view b, std::size_t at) { return WaveU16(b, at) | uint32_t(WaveU16(b, at + 2)) << 16; }

}  // namespace

std::optional<WaveHeader> ParseWaveHeader(std::string_view head, uint64_t fileSize) {
    if (head.size() > fileSize) head = head.substr(0, std::size_t(fileSize));
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return std::nullopt;
    WaveHeader h;
    bool format = false;
    // 64-bit positions: a chunk size near 4 GB cannot wrap around.
    uint64_t pos = 12;
    while (pos + 8 <= head.size()) {
        const std::string_view id = head.substr(std::size_t(pos), 4);
        const uint64_t size = WaveU32(head, std::size_t(pos) + 4);
        const uint64_t body = pos + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size()) return std::nullopt;
            const auto at = std::size_t(body);
            h.formatTag = WaveU16(head, at);
            h.channels = WaveU16(head, at + 2);
            h.sampleRate = WaveU32(head, at + 4);
            h.bitsPerSample = WaveU16(head, at + 14);
            format = true;
        } else if (id == "data") {
            if (!format || body + size > fileSize) return std::nullopt;
            h.dataOffset = body;
            h.dataSize = size;
            return h;
        }
        pos = body + size + (size & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

WaveFileHeader ReadWaveHeader(const std::filesystem::path& file) {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) return {};
    std::string head(std::size_t(size < kWaveHeadBytes ? size : kWaveHeadBytes), '\0');
    in.read(head.data(), std::streamsize(head.size()));
    head.resize(std::size_t(in.gcount()));
    return {true, ParseWaveHeader(head, size)};
}

}  // namespace v3
