#include "editors/verein/rules/Wappen.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "base/AppState.h"
#include "dataset/DefaultWappen.h"
#include "platform/FileOps.h"

namespace v3 {

namespace {

// Reads at most `grenze` bytes of a file; false when it cannot be opened.
bool LiesAnfang(const std::filesystem::path& p, size_t grenze, std::string& out) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    out.assign(grenze, '\0');
    in.read(out.data(), static_cast<std::streamsize>(grenze));
    out.resize(static_cast<size_t>(in.gcount()));
    return true;
}

bool IstWappenBild(const BmpImage& bild) {
    return bild.bitsPerPixel == 8 && bild.width == CWappenEditor::kSeite && bild.height == CWappenEditor::kSeite;
}

// Pixels at the fixed offset, bottom row first, and the whole crest there.
bool HatFesteLage(const BmpHeader& kopf, size_t dateiGroesse) {
    return kopf.pixelOffset == CWappenEditor::kPixelOffset && !kopf.TopDown() &&
           dateiGroesse >= CWappenEditor::kPixelOffset + CWappenEditor::kPixel;
}

void WappenFehler(const char* text) { App().ui->MessageBox(text, "Fehler!", MsgButtons::Ok, MsgIcon::Warning); }

}  // namespace

const std::array<BmpColour, 256>& StandardWappenPalette() {
    static const std::array<BmpColour, 256> palette = [] {
        std::array<BmpColour, 256> p{};
        BmpImage bild;
        if (ReadBmp(DefaultWappen(), bild) == BmpError::None)
            for (size_t i = 0; i < p.size() && i < bild.palette.size(); ++i) p[i] = bild.palette[i];
        return p;
    }();
    return palette;
}

CWappenEditor::CWappenEditor() { StandardBild(); }

void CWappenEditor::StandardBild() {
    palette_ = StandardWappenPalette();
    pixel_.fill(0);
    dateiPasst_ = false;
}

void CWappenEditor::LoadIconToMemory() {
    StandardBild();
    std::string bytes;
    if (!LiesAnfang(datei_, kLeseGrenze, bytes)) return;
    BmpImage bild;
    BmpHeader kopf;
    if (ParseBmpHeader(bytes, kopf) != BmpError::None || ReadBmp(bytes, bild) != BmpError::None ||
        !IstWappenBild(bild))
        return;
    palette_.fill(BmpColour{});
    for (size_t i = 0; i < palette_.size() && i < bild.palette.size(); ++i) palette_[i] = bild.palette[i];
    for (int i = 0; i < kPixel; ++i) pixel_[size_t(i)] = bild.pixels[size_t(i)];
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(datei_, ec);
    dateiPasst_ = !ec && HatFesteLage(kopf, size_t(groesse));
}

std::string CWappenEditor::AlsDatei() const {
    BmpImage bild = BmpImage::Blank(kSeite, kSeite, 8);
    bild.palette.assign(palette_.begin(), palette_.end());
    bild.pixels.assign(pixel_.begin(), pixel_.end());
    return WriteBmp(bild);
}

bool CWappenEditor::CommitIconChanges() {
    MakeWritable(datei_);
    if (!dateiPasst_) {
        if (!WriteWholeFile(datei_, AlsDatei())) return false;
        dateiPasst_ = true;
        return true;
    }
    std::fstream f(datei_, std::ios::in | std::ios::out | std::ios::binary);
    if (!f) return false;
    f.seekp(kPixelOffset);
    for (int zeile = kSeite - 1; zeile >= 0 && f; --zeile)
        f.write(reinterpret_cast<const char*>(pixel_.data() + zeile * kSeite), kSeite);
    f.flush();
    return bool(f);
}

bool CWappenEditor::LadeDatei(const std::filesystem::path& quelle) {
    std::string bytes;
    if (!ReadWholeFile(quelle, bytes)) {
        WappenFehler("Die Datei kann nicht gelesen werden.");
        return false;
    }
    BmpHeader kopf;
    switch (ParseBmpHeader(bytes, kopf)) {
        case BmpError::NotBitmap:
        case BmpError::Truncated: WappenFehler("Kein Bitmap-File!"); return false;
        case BmpError::Compressed: WappenFehler("Der Editor kann keine gepackten Bitmap-Files laden!"); return false;
        case BmpError::UnsupportedDepth:
        case BmpError::BadSize:
        case BmpError::None: break;
    }
    if (kopf.bitCount != 8) {
        WappenFehler("Die Grafik liegt nicht im 256 Farben-Format vor!");
        return false;
    }
    if (kopf.width != kSeite || kopf.Rows() != uint32_t(kSeite)) {
        WappenFehler("Die Grafik hat eine andere Größe als 32*32 Pixel!");
        return false;
    }
    BmpImage bild;
    if (ReadBmp(bytes, bild) != BmpError::None || !IstWappenBild(bild)) {
        WappenFehler("Kein Bitmap-File!");  // the headers point past the file's bytes
        return false;
    }
    // A crest that keeps its pixels where the commit writes them is copied
    // as it is; any other valid layout is written as a crest file of its own.
    std::string ziel = bytes;
    if (!HatFesteLage(kopf, bytes.size())) {
        BmpImage normal = BmpImage::Blank(kSeite, kSeite, 8);
        normal.palette = bild.palette;
        normal.palette.resize(256);
        normal.pixels = bild.pixels;
        ziel = WriteBmp(normal);
    }
    MakeWritable(datei_);
    if (!WriteWholeFile(datei_, ziel)) {
        WappenFehler("Die Wappendatei kann nicht geschrieben werden.");
        return false;
    }
    Merken();
    LoadIconToMemory();
    return true;
}

void CWappenEditor::WaehleFarbe(int index, bool rechts) {
    if (index < 0 || index > 255) return;
    (rechts ? hinter_ : vorder_) = uint8_t(index);
}

void CWappenEditor::Merken() {
    if (undo_.size() == size_t(kUndoTiefe)) undo_.pop_front();
    undo_.push_back(pixel_);
}

bool CWappenEditor::Undo() {
    if (undo_.empty()) return false;
    pixel_ = undo_.back();
    undo_.pop_back();
    return true;
}

void CWappenEditor::Druecken(int x, int y, bool rechts) {
    if (!Innen(x, y)) return;
    const uint8_t farbe = rechts ? hinter_ : vorder_;
    if (fuellen_) {
        if (Pixel(x, y) == farbe) return;
        Merken();
        Fuellen(x, y, farbe);
        return;
    }
    Merken();
    pixel_[size_t(y * kSeite + x)] = farbe;
}

void CWappenEditor::Ziehen(int x, int y, bool rechts) {
    if (!Innen(x, y) || fuellen_) return;
    pixel_[size_t(y * kSeite + x)] = rechts ? hinter_ : vorder_;
}

size_t CWappenEditor::Fuellen(int x, int y, uint8_t farbe) {
    if (!Innen(x, y)) return 0;
    const uint8_t alt = Pixel(x, y);
    if (alt == farbe) return 0;
    // A pending segment: row y, columns links..rechts, to be searched for
    // runs of the old colour. The stack starts with room for kFuellStapel and
    // grows when a pattern needs more, so no part of the area is left out.
    struct Segment {
        int y, links, rechts;
    };
    std::vector<Segment> stapel;
    stapel.reserve(kFuellStapel);
    size_t hoechstens = 0;
    auto at = [this](int px, int py) -> uint8_t& { return pixel_[size_t(py * kSeite + px)]; };
    stapel.push_back({y, x, x});
    while (!stapel.empty()) {
        hoechstens = std::max(hoechstens, stapel.size());
        const Segment s = stapel.back();
        stapel.pop_back();
        for (int px = s.links; px <= s.rechts; ++px) {
            if (at(px, s.y) != alt) continue;
            // Widen the run through px to both sides and fill it.
            int l = px;
            while (l > 0 && at(l - 1, s.y) == alt) --l;
            int r = px;
            while (r < kSeite - 1 && at(r + 1, s.y) == alt) ++r;
            for (int i = l; i <= r; ++i) at(i, s.y) = farbe;
            if (s.y > 0) stapel.push_back({s.y - 1, l, r});
            if (s.y < kSeite - 1) stapel.push_back({s.y + 1, l, r});
            px = r;
        }
    }
    return hoechstens;
}

}  // namespace v3
