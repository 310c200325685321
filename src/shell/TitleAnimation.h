#pragma once
// The main view's title animation: a tick every 75 ms selects one of ten
// pictures; one cycle is 80 ticks. This class only decides what a tick shows;
// the view draws it.
#include <array>

namespace v3 {

struct AnimRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const AnimRect&) const = default;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
};

// The smallest rectangle that covers both.
AnimRect Union(const AnimRect& a, const AnimRect& b);

inline constexpr int kAnimTimerId = 1001;
inline constexpr int kAnimPeriodMs = 75;
inline constexpr int kAnimTicks = 80;
inline constexpr int kAnimPictures = 10;
// Picture resource numbers in animation order (286 is not used).
inline constexpr std::array<int, kAnimPictures> kAnimPictureIds = {284, 285, 287, 288, 289,
                                                                   290, 291, 292, 293, 294};
// Where picture i is drawn, and its size.
inline constexpr std::array<AnimRect, kAnimPictures> kAnimFrames = {{
    {236, 116, 400, 289},
    {221, 144, 327, 262},
    {234, 224, 192, 184},
    {224, 290, 160, 125},
    {185, 338, 201, 99},
    {184, 356, 198, 81},
    {127, 228, 172, 196},
    {96, 171, 157, 207},
    {41, 126, 201, 212},
    {4, 113, 282, 171},
}};

// What one tick asks of the view.
struct AnimStep {
    enum Kind {
        Nothing,     // leave the view as it is
        Show,        // show `picture`: rebuild `area` (background, then the picture) and copy it out
        RepaintAll,  // repaint the whole view (the background without any picture)
    };
    Kind kind = Nothing;
    int picture = -1;
    // Show: the area rebuilt at once; at tick 0 the picture's own rectangle,
    // later the union of the previous and the current picture.
    AnimRect area;
};

class CTitleAnimation {
public:
    // Picture shown at a tick of the cycle (0..79), or -1.
    static int PictureAt(int tick);

    // One timer tick. While the animation may not run, the view is repainted
    // once and the cycle starts again at tick 0.
    AnimStep OnTimer(bool animationAktiv);

    int Tick() const { return tick_; }
    bool BackgroundRestored() const { return backgroundRestored_; }

private:
    int tick_ = 0;
    bool backgroundRestored_ = false;
};

}  // namespace v3
