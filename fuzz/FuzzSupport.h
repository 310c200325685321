#pragma once
// Shared by the fuzz targets: a folder in RAM (/dev/shm where it is writable)
// that lives as long as the process, and the writing of an input into it.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace v3fuzz {

// A folder of the process's own below /dev/shm (or /tmp), created on first
// use. libFuzzer ends the process with _Exit, so no exit handler would run:
// instead the folders of processes that no longer exist are removed here.
inline const std::filesystem::path& RamFolder() {
    static const std::filesystem::path dir = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        const std::string prefix = "v3fuzz_";
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(base, ec)) {
            const std::string name = e.path().filename().string();
            if (name.rfind(prefix, 0) != 0) continue;
            const std::string digits = name.substr(prefix.size());
            if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
            const long pid = std::strtol(digits.c_str(), nullptr, 10);
            if (kill(pid_t(pid), 0) != 0 && errno == ESRCH) std::filesystem::remove_all(e.path(), ec);
        }
        std::filesystem::path p = std::filesystem::path(base) / (prefix + std::to_string(getpid()));
        std::filesystem::remove_all(p, ec);
        std::filesystem::create_directories(p);
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
