#include "DemoFixture.h"

#include <gtest/gtest.h>

#include "DemoDataSet.h"
#include "base/AppState.h"

namespace fs = std::filesystem;

namespace v3test {
namespace {

// CTest writes the installation once for the whole run (into V3_TEST_DEMO_DIR);
// a test binary run without it writes its own.
const fs::path& Template() {
    static const fs::path sharedDir = V3_TEST_DEMO_DIR;
    if (fs::is_directory(sharedDir / "DATA.V3")) return sharedDir;
    static TempDir dir;
    static const bool written = [] {
        v3::ScopedAppState state;
        return v3::demo::WriteDemoInstallation(dir.path(), 1);
    }();
    if (!written) ADD_FAILURE() << "the demo installation could not be written";
    return dir.path();
}

}  // namespace

DemoInstallation::DemoInstallation() {
    fs::copy(Template(), dir_.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

}  // namespace v3test
