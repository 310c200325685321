#pragma once
// Shared by the fuzz targets: a folder in RAM (/dev/shm where it is writable)
// that lives as long as the process, and the writing of an input into it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace v3fuzz {

// A folder of the process's own below /dev/shm (or /tmp), created on first use
// and removed at exit.
inline const std::filesystem::path& RamFolder() {
    static const std::filesystem::path dir = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::filesystem::path p = std::filesystem::path(base) / ("v3fuzz_" + std::to_string(getpid()));
        std::filesystem::remove_all(p);
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(RamFolder(), ec);
        });
        return p;
    }();
    return dir;
}

// Writes bytes as the whole content of file (plain stdio: fast, no checks
// beyond the open).
inline void Put(const std::filesystem::path& file, std::string_view bytes) {
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace v3fuzz
