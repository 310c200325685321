#pragma once
// The crest pixel editor: a 32 x 32 picture of palette indexes with its
// 256-colour palette, painted with two colours, filled area by area, with an
// undo history, loaded from and written back into the editor's crest file.
#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>

#include "platform/Bmp.h"

namespace v3 {

class CWappenEditor {
public:
    static constexpr int kSeite = 32;
    static constexpr int kPixel = kSeite * kSeite;
    static constexpr uint32_t kPixelOffset = 1078;
    static constexpr size_t kLeseGrenze = 4000;  // bytes read of a crest file
    static constexpr int kUndoTiefe = 31;        // earlier states kept (a ring of 32)
    // Pending segments the fill keeps before it has to grow its stack.
    static constexpr size_t kFuellStapel = 64;

    CWappenEditor();

    // The editor's crest file (host path), which the club editor prepares.
    void Datei(const std::filesystem::path& datei) { datei_ = datei; }
    const std::filesystem::path& Datei() const { return datei_; }

    // Reads the crest file: a 32 x 32 picture of 8 bits per pixel without
    // compression gives palette and pixels; anything else (missing, short,
    // damaged) the default palette and all pixels 0.
    void LoadIconToMemory();
    // Writes the pixels back: 1024 bytes at offset 1078, bottom row first, the
    // rest of the file unchanged. A file whose pixels do not lie there (or
    // that did not read as a crest) is written as a whole crest file instead.
    // False when the file cannot be written.
    bool CommitIconChanges();
    void ClearUndoHistory() { undo_.clear(); }

    // "Laden": checks the chosen file (messages with caption "Fehler!"); a
    // valid one replaces the crest file, palette included, and is loaded.
    bool LadeDatei(const std::filesystem::path& quelle);

    uint8_t Pixel(int x, int y) const { return pixel_[size_t(y * kSeite + x)]; }
    const std::array<uint8_t, kPixel>& Pixels() const { return pixel_; }
    const std::array<BmpColour, 256>& Palette() const { return palette_; }

    // The two colours: left button (Vordergrund) and right button (Hintergrund).
    uint8_t Vordergrund() const { return vorder_; }
    uint8_t Hintergrund() const { return hinter_; }
    void WaehleFarbe(int index, bool rechts);

    bool FuellModus() const { return fuellen_; }
    void FuellModus(bool an) { fuellen_ = an; }

    // A button goes down on the grid: a new stroke (recorded for undo first)
    // paints the pixel, or in fill mode fills its area. Outside the grid
    // nothing happens.
    void Druecken(int x, int y, bool rechts);
    // The mouse moves with a button held: paints the pixel (no fill).
    void Ziehen(int x, int y, bool rechts);

    // Fills the 4-connected area of (x, y)'s colour with farbe, scanline by
    // scanline. Returns the most segments that were pending at once; 0 when
    // nothing changed.
    size_t Fuellen(int x, int y, uint8_t farbe);

    bool UndoMoeglich() const { return !undo_.empty(); }
    bool Undo();
    size_t UndoStufen() const { return undo_.size(); }

    // Palette and pixels as a whole crest file (2102 bytes).
    std::string AlsDatei() const;

private:
    static bool Innen(int x, int y) { return x >= 0 && y >= 0 && x < kSeite && y < kSeite; }
    void Merken();
    void StandardBild();

    std::filesystem::path datei_;
    std::array<uint8_t, kPixel> pixel_{};
    std::array<BmpColour, 256> palette_{};
    std::deque<std::array<uint8_t, kPixel>> undo_;
    uint8_t vorder_ = 0;
    uint8_t hinter_ = 0;
    bool fuellen_ = false;
    bool dateiPasst_ = false;  // the file holds its pixels at kPixelOffset
};

// The default palette of a crest without a picture: the built-in crest's.
const std::array<BmpColour, 256>& StandardWappenPalette();

}  // namespace v3
