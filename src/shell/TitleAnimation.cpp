#include "shell/TitleAnimation.h"

#include <algorithm>

namespace v3 {

AnimRect Union(const AnimRect& a, const AnimRect& b) {
    int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.Right(), b.Right()) - x, std::max(a.Bottom(), b.Bottom()) - y};
}

int CTitleAnimation::PictureAt(int tick) {
    if (tick >= 0 && tick <= 8) return tick;
    if (tick >= 9 && tick <= 17) return 9;
    return -1;
}

AnimStep CTitleAnimation::OnTimer(bool animationAktiv) {
    AnimStep step;
    if (!animationAktiv) {
        if (!backgroundRestored_) step.kind = AnimStep::RepaintAll;
        backgroundRestored_ = true;
        tick_ = 0;
        return step;
    }
    int picture = PictureAt(tick_);
    if (picture >= 0) {
        step.kind = AnimStep::Show;
        step.picture = picture;
        step.area = tick_ == 0 ? kAnimFrames[0] : Union(kAnimFrames[picture - 1], kAnimFrames[picture]);
        // A picture is on screen now; a stop must remove it.
        backgroundRestored_ = false;
    } else if (tick_ == 18) {
        step.kind = AnimStep::RepaintAll;
    }
    tick_ = (tick_ + 1) % kAnimTicks;
    return step;
}

}  // namespace v3
