#pragma once
// The display checks at start and the full-screen switch of the command line.
#include <functional>
#include <string>
#include <vector>

namespace v3 {

// What the desktop reports: the height of the system font in pixels and the
// colour depth.
struct DisplayValues {
    int fontHeight = 0;
    int bitsPerPixel = 0;
    int planes = 1;
};

inline constexpr int kMaxSystemFontHeight = 16;
inline constexpr int kMinColorBits = 15;

// Checks font height and colour depth; each failure shows its message and clears
// DarstellungOk, and after any failure the user is asked whether to change the
// settings now (Yes runs openSettings). Returns 1 when both checks passed, else 0.
int TestColorDepthAndFontSize(const DisplayValues& values, const std::function<void()>& openSettings);

// True when the program's own arguments are exactly one full-screen switch:
// "-F", "-f", "/F" or "/f".
bool IsVollbildSchalter(const std::vector<std::string>& args);

}  // namespace v3
