#include "dataset/AppState.h"

#include "dataset/DataSet.h"
#include "dataset/Layout.h"
#include "platform/FreeTypeGlyphRenderer.h"

namespace v3 {
namespace {

AppState* current = nullptr;

}  // namespace

AppState::AppState()
    : ui(&silentUi_), random(&defaultRandom_), defaultGlyphs_(std::make_unique<FreeTypeGlyphRenderer>()) {
    glyphs = defaultGlyphs_.get();
    daten = std::make_unique<DataSet>();
    ResetLaenderTabellen(*this);
}

AppState::~AppState() = default;

AppState& App() {
    if (!current) {
        static AppState processState;
        current = &processState;
    }
    return *current;
}

DataSet& Daten() { return *App().daten; }

ScopedAppState::ScopedAppState() : previous_(&App()) { current = &state_; }

ScopedAppState::~ScopedAppState() { current = previous_; }

}  // namespace v3
