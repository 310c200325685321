#pragma once
// Small helpers shared by the tests: a temporary folder and whole-file access.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace v3test {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A fresh folder in RAM where the system has one (/dev/shm), else like TempDir:
// for tests that write whole installations, thousands of files each flushed
// when written.
class RamDir {
public:
    RamDir();
    ~RamDir();
    RamDir(const RamDir&) = delete;
    RamDir& operator=(const RamDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& p);
// Every file below dir by its relative path ('/' separated), with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir);
void WriteBytes(const std::filesystem::path& p, const std::string& bytes);
// The lines of a file written with CR LF, without their line ends; fails the
// current test when a line does not end in CR LF.
std::vector<std::string> ReadCrLfLines(const std::filesystem::path& p);

// Little-endian numbers inside a file's bytes.
inline uint16_t U16(const std::string& b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
inline uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | uint32_t(U16(b, at + 2)) << 16; }

}  // namespace v3test
