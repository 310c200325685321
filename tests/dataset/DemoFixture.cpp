#include "DemoFixture.h"

#include <gtest/gtest.h>

#include "DemoDataSet.h"
#include "dataset/AppState.h"

namespace fs = std::filesystem;

namespace v3test {
namespace {

const fs::path& Template() {
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
