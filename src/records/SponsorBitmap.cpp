// The sponsor's perimeter board: a 256 x 32 picture with 8 bits per pixel in the
// palette of one of the 36 board templates, the company name drawn centred in
// the sponsor's font and colours, and the template's edge pattern at both ends.
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/AppState.h"
#include "base/Layout.h"
#include "platform/Bmp.h"
#include "platform/FileOps.h"
#include "platform/GlyphRenderer.h"
#include "platform/Text1252.h"
#include "records/Sponsor.h"

namespace v3 {
namespace {

constexpr const char* kCaption = "VOLTARO 3 - Dateneditor";

// Templates are 36 x 32 pixels with 8 bits per pixel: their rows are 36 bytes
// apart (36 needs no padding). Their first 32 columns form the board's edges.
constexpr int kVorlageBreite = 36;
constexpr int kVorlageHoehe = 32;
constexpr int kRand = 32;
constexpr int kFarben = 256;
constexpr uint32_t kDateiKopf = 14;
constexpr uint32_t kInfoKopf = 40;
constexpr uint32_t kPixelOffset = kDateiKopf + kInfoKopf + kFarben * 4;  // 1078
constexpr uint32_t kPixelBytes = CSponsor::kBoardWidth * CSponsor::kBoardHeight;
static_assert(kPixelOffset + kPixelBytes == CSponsor::kBoardFileSize);

// Coverage from which a mask pixel takes the text colour (see DrawText).
constexpr uint8_t kTintenSchwelle = 128;

struct Vorlage {
    std::array<uint8_t, kFarben * 4> palette{};            // blue, green, red, 0; unused entries black
    std::array<std::array<uint8_t, kRand>, kVorlageHoehe> rand{};  // rows top to bottom
};

enum class VorlagenFehler { Keiner, Oeffnen, KeinBitmap, Gepackt, Keine256Farben, Groesse };

// ".\banden\bande01.bmp" for template 0 up to ".\banden\bande36.bmp" for 35.
std::string VorlagenPfad(int32_t vorlage) {
    char name[32];
    std::snprintf(name, sizeof name, "bande%02ld.bmp", static_cast<long>(vorlage) + 1);
    return std::string(".\\banden\\") + name;
}

// Reads a template. The bitmap reader checks every offset against the file's
// real length, so a short or damaged file is refused instead of being read
// past its end.
VorlagenFehler LeseVorlage(const std::string& storedPath, Vorlage& v) {
    std::string b;
    if (!ReadWholeFile(HostPath(storedPath), b)) return VorlagenFehler::Oeffnen;
    BmpHeader h;
    switch (ParseBmpHeader(b, h)) {
    case BmpError::None: break;
    case BmpError::Compressed: return VorlagenFehler::Gepackt;
    case BmpError::UnsupportedDepth: return VorlagenFehler::Keine256Farben;
    case BmpError::BadSize: return VorlagenFehler::Groesse;
    default: return VorlagenFehler::KeinBitmap;
    }
    if (h.bitCount != 8) return VorlagenFehler::Keine256Farben;
    if (h.width != kVorlageBreite || h.Rows() != static_cast<uint32_t>(kVorlageHoehe)) return VorlagenFehler::Groesse;
    // Palette (a colour count of 0 means 256) and pixels, top row first.
    BmpImage bild;
    if (ReadBmp(b, bild) != BmpError::None) return VorlagenFehler::KeinBitmap;
    for (size_t i = 0; i < bild.palette.size(); ++i) {
        v.palette[i * 4] = bild.palette[i].b;
        v.palette[i * 4 + 1] = bild.palette[i].g;
        v.palette[i * 4 + 2] = bild.palette[i].r;
        v.palette[i * 4 + 3] = 0;
    }
    for (int row = 0; row < kVorlageHoehe; ++row)
        std::memcpy(v.rand[row].data(), &bild.At(0, row), kRand);
    return VorlagenFehler::Keiner;
}

std::string VorlagenMeldung(VorlagenFehler f, const std::string& storedPath) {
    const std::string pfad = Cp1252ToUtf8(storedPath);
    const char* grund = "";
    switch (f) {
    case VorlagenFehler::Oeffnen: return "Konnte Datei für SponsorBitmap " + pfad + " nicht öffnen!";
    case VorlagenFehler::KeinBitmap: grund = "Kein Bitmap-File!"; break;
    case VorlagenFehler::Gepackt: grund = "Der Editor kann keine gepackten Bitmap-Files laden!"; break;
    case VorlagenFehler::Keine256Farben: grund = "Die Grafik liegt nicht im 256 Farben-Format vor!"; break;
    case VorlagenFehler::Groesse: grund = "Die Grafik hat eine andere Größe als 36*32 Pixel!"; break;
    case VorlagenFehler::Keiner: break;
    }
    return "Bandenvorlage " + pfad + ":\n" + grund;
}

// Shows a fault once until it is cleared (see AppState::reportedBoardTemplates).
void MeldeEinmal(const std::string& key, const std::string& text) {
    if (!App().reportedBoardTemplates.insert(key).second) return;
    App().ui->MessageBox(text, kCaption, MsgButtons::Ok, MsgIcon::Stop);
}

// A palette index as stored; values outside the palette draw with entry 0, the
// colour the sponsor editor shows for them too.
uint8_t PaletteIndex(long v) { return (v >= 0 && v < kFarben) ? static_cast<uint8_t>(v) : 0; }

FontRequest::Family FamilieAus(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return FontRequest::Family::Serif;       // roman
    case 0x20: return FontRequest::Family::Sans;        // swiss
    case 0x30: return FontRequest::Family::Mono;        // modern
    case 0x40: return FontRequest::Family::Script;
    case 0x50: return FontRequest::Family::Decorative;
    default: break;
    }
    return (pitchAndFamily & 0x03) == 1 ? FontRequest::Family::Mono : FontRequest::Family::DontCare;
}

using Pixel = std::array<std::array<uint8_t, CSponsor::kBoardWidth>, CSponsor::kBoardHeight>;

// Draws the name centred on the board. The board is a palette picture, where
// the text is drawn as on any palette surface: with hinted two-level glyphs and
// the exact palette entry of the text colour, never with blended edges (a
// blended colour would have to be snapped to whatever palette entry lies
// nearest, which smears other colours of the template into the lettering). The
// renderer is asked for two-level glyphs; a mask pixel with coverage of at
// least half takes the text colour, every other pixel keeps the background.
// The extent (sum of advance widths, ascent + descent) places the text:
// left = (256 - width) / 2, top = (32 - height) / 2; ink outside the board is cut off.
void DrawText(Pixel& px, const std::string& name, const SponsorFont& f, uint8_t farbe) {
    FontRequest req;
    req.face = Cp1252ToUtf8(f.faceName);
    req.family = FamilieAus(f.pitchAndFamily);
    req.height = f.height;
    req.width = f.width;
    req.weight = f.weight;
    req.italic = f.italic != 0;
    req.underline = f.underline != 0;
    req.strikeOut = f.strikeOut != 0;
    req.antialias = false;
    // Escapement and orientation are not applied: the board holds one
    // horizontal line of 32 pixels height.
    TextMask mask;
    std::string error;
    if (!App().glyphs->Render(Cp1252ToUtf8(name), req, mask, &error)) {
        MeldeEinmal("\x01" + error, "Der Name des Sponsors " + Cp1252ToUtf8(name) +
                                         " lässt sich nicht auf die Bande zeichnen: " + error);
        return;
    }
    const int left = (CSponsor::kBoardWidth - mask.extentWidth) / 2;
    const int top = (CSponsor::kBoardHeight - mask.extentHeight) / 2;
    for (int my = 0; my < mask.maskHeight; ++my) {
        const int y = top + mask.maskTop + my;
        if (y < 0 || y >= CSponsor::kBoardHeight) continue;
        for (int mx = 0; mx < mask.maskWidth; ++mx) {
            const int x = left + mask.maskLeft + mx;
            if (x < 0 || x >= CSponsor::kBoardWidth) continue;
            if (mask.coverage[static_cast<size_t>(my) * mask.maskWidth + mx] >= kTintenSchwelle)
                px[y][x] = farbe;
        }
    }
}

}  // namespace

std::vector<uint8_t> CSponsor::ErzeugeBitmapPtr() const {
    const std::string pfad = VorlagenPfad(bandenVorlage_);
    Vorlage vorlage;
    if (VorlagenFehler f = LeseVorlage(pfad, vorlage); f != VorlagenFehler::Keiner) {
        MeldeEinmal(pfad, VorlagenMeldung(f, pfad));
        return {};
    }
    App().reportedBoardTemplates.erase(pfad);

    Pixel px;
    const uint8_t hintergrund = PaletteIndex(hintergrundFarbe_);
    for (auto& row : px) row.fill(hintergrund);
    DrawText(px, name_, font_, PaletteIndex(textFarbe_));
    for (int y = 0; y < kBoardHeight; ++y) {
        std::memcpy(px[y].data(), vorlage.rand[y].data(), kRand);
        std::memcpy(px[y].data() + kBoardWidth - kRand, vorlage.rand[y].data(), kRand);
    }

    // The file: both headers (bottom-up rows, no compression, 256 colours used
    // and important), the template's palette, the pixels.
    BmpImage bild = BmpImage::Blank(kBoardWidth, kBoardHeight, 8);
    for (int i = 0; i < kFarben; ++i)
        bild.palette[i] = {vorlage.palette[i * 4 + 2], vorlage.palette[i * 4 + 1], vorlage.palette[i * 4]};
    for (int y = 0; y < kBoardHeight; ++y) std::memcpy(&bild.At(0, y), px[y].data(), kBoardWidth);
    const std::string datei = WriteBmp(bild);
    std::vector<uint8_t> out(datei.begin(), datei.end());
    return out;
}

bool CSponsor::SpeichereAlsBitmap(const std::string& path) const {
    if (!App().BandenSpeichern) return true;
    // The picture is made before the file is touched: a bad template leaves an
    // existing picture as it was.
    const std::vector<uint8_t> bild = ErzeugeBitmapPtr();
    if (bild.empty()) return false;

    const std::filesystem::path host =
        (!path.empty() && path[0] == '/') ? std::filesystem::path(path) : HostPath(path);
    std::error_code ec;
    if (std::filesystem::exists(host, ec)) MakeWritable(host);
    AtomicFile file;
    if (!file.Open(host)) {
        App().ui->MessageBox("Konnte Datei für SponsorBitmap " + Cp1252ToUtf8(path) + " nicht öffnen!", kCaption,
                             MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    const auto& fault = App().failWritesTo;
    const bool written = !(fault && fault(host)) && file.Write(bild.data(), bild.size()) && file.Commit();
    if (!written) {
        file.Discard();
        App().ui->MessageBox("Fehler bei Datei " + Cp1252ToUtf8(path) +
                                 "! Evtl. ist nicht genügend Speicherplatz auf dem Datenträger oder die "
                                 "Datei ist schreibgeschützt.",
                             kCaption, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace v3
