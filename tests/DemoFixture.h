#pragma once
// A full demo installation for tests: generated once per test binary into a
// template folder and copied into a fresh temporary folder for each test.
#include <filesystem>

#include "TestUtil.h"

namespace v3test {

class DemoInstallation {
public:
    DemoInstallation();  // a fresh copy of the demo installation (seed 1)
    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path Data(const std::string& name) const { return dir_.path() / "DATA.V3" / name; }

private:
    RamDir dir_;
};

}  // namespace v3test
