#include "dataset/AppState.h"

#include "dataset/Layout.h"

namespace v3 {
namespace {

AppState* current = nullptr;

}  // namespace

AppState::AppState() : ui(&silentUi_), random(&defaultRandom_) { ResetLaenderTabellen(*this); }

AppState::~AppState() = default;

AppState& App() {
    if (!current) {
        static AppState processState;
        current = &processState;
    }
    return *current;
}

ScopedAppState::ScopedAppState() : previous_(&App()) { current = &state_; }

ScopedAppState::~ScopedAppState() { current = previous_; }

}  // namespace v3
