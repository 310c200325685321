// The WAV header test over the head of a sound file; the file's size comes
// from the first eight input bytes, so sizes shorter and longer than the head
// are both tried. An accepted header must describe data inside the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "FuzzSupport.h"
#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    uint64_t fileSize = 0;
    std::memcpy(&fileSize, data, 8);
    const std::string_view head = v3fuzz::Bytes(data + 8, size - 8);
    // A head is at most the file: the caller reads it from the file.
    if (fileSize < head.size()) fileSize = head.size() + fileSize % 1024;
    const auto header = v3::ParseWaveHeader(head, fileSize);
    if (header && (header->dataOffset > fileSize || header->dataSize > fileSize - header->dataOffset))
        std::abort();
    return 0;
}
