#include "base/AppState.h"

#include "base/Layout.h"
#include "platform/FreeTypeGlyphRenderer.h"

namespace v3 {
namespace {

AppState* current = nullptr;

}  // namespace

AppState::AppState()
    : ui(&silentUi_), random(&defaultRandom_), defaultGlyphs_(std::make_unique<FreeTypeGlyphRenderer>()) {
    glyphs = defaultGlyphs_.get();
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

int RandomBelow(int k) { return App().random->Rand() % k; }

ScopedAppState::ScopedAppState() : previous_(&App()) { current = &state_; }

ScopedAppState::~ScopedAppState() { current = previous_; }

}  // namespace v3
