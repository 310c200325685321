#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace v3test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "v3test.XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

RamDir::RamDir() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "v3test.XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

RamDir::~RamDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[std::filesystem::relative(e.path(), dir).generic_string()] = ReadBytes(e.path());
    return files;
}

std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> ReadCrLfLines(const std::filesystem::path& p) {
    std::string all = ReadBytes(p);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < all.size()) {
        size_t lf = all.find('\n', start);
        if (lf == std::string::npos) {
            ADD_FAILURE() << "last line without line end in " << p;
            lines.push_back(all.substr(start));
            break;
        }
        if (lf == start || all[lf - 1] != '\r') ADD_FAILURE() << "line without CR LF in " << p;
        size_t end = (lf > start && all[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back(all.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

}  // namespace v3test
