#pragma once
// Glyph renderer over FreeType, with faces resolved through fontconfig.
//
// Face names of the stored fonts are those of the other platform ("Arial",
// "Times New Roman", "Courier New"); they are mapped onto their
// metric-compatible free faces (Liberation Sans, Serif, Mono), so text keeps
// the width it was designed with. Everything else goes to fontconfig, whose
// best match for an unknown name is its default sans face (DejaVu Sans); a
// face that FreeType cannot open falls back to DejaVu Sans.
//
// Text metrics follow the stored font's conventions: the cell height is the
// face's Windows ascent + descent (OS/2 table) scaled to the pixel size, the
// width the sum of the hinted advance widths without kerning.
#include <memory>

#include "platform/GlyphRenderer.h"

namespace v3 {

class FreeTypeGlyphRenderer : public IGlyphRenderer {
public:
    // Cheap: FreeType and fontconfig are opened on the first Render/Resolve.
    FreeTypeGlyphRenderer();
    ~FreeTypeGlyphRenderer() override;
    FreeTypeGlyphRenderer(const FreeTypeGlyphRenderer&) = delete;
    FreeTypeGlyphRenderer& operator=(const FreeTypeGlyphRenderer&) = delete;

    bool Render(const std::string& utf8Text, const FontRequest& font, TextMask& out,
                std::string* error = nullptr) override;
    std::string ResolveFontFile(const FontRequest& font) override;

    // Pixel sizes above this are drawn at this size (stored fonts come from files).
    static constexpr int kMaxPixelSize = 512;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace v3
