#pragma once
// Small helpers shared by the tests: a temporary folder and whole-file access.
#include <filesystem>
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

std::string ReadBytes(const std::filesystem::path& p);
void WriteBytes(const std::filesystem::path& p, const std::string& bytes);
// The lines of a file written with CR LF, without their line ends; fails the
// current test when a line does not end in CR LF.
std::vector<std::string> ReadCrLfLines(const std::filesystem::path& p);

}  // namespace v3test
