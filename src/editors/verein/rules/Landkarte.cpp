#include "editors/verein/rules/Landkarte.h"

#include "base/AppState.h"
#include "base/BonusTables.h"
#include "base/Layout.h"
#include "platform/FileOps.h"

namespace v3 {

namespace {

// A mask as the map page can use it: a 1-bit picture of one plane.
bool LiesMaske(const std::filesystem::path& p, BmpImage& out) {
    std::string bytes;
    if (!ReadWholeFile(p, bytes)) return false;
    BmpHeader kopf;
    if (ParseBmpHeader(bytes, kopf) != BmpError::None || kopf.planes != 1 || kopf.bitCount != 1) return false;
    BmpImage bild;
    if (ReadBmp(bytes, bild) != BmpError::None) return false;
    out = std::move(bild);
    return true;
}

}  // namespace

std::string KartenDatei(int land) {
    if (land < 0 || land >= kLaenderSlots) return {};
    std::string flagge = App().Flaggenbild[size_t(land)];
    const auto punkt = flagge.rfind('.');
    if (punkt != std::string::npos) flagge.resize(punkt);
    if (flagge.empty()) return {};
    return DatenPfad(kDirSupportGfx, "k_" + flagge + ".jpg");
}

std::string MaskenDatei(const std::string& karte) {
    const auto n = karte.size();
    if (n >= 4 && (karte.compare(n - 4, 4, ".jpg") == 0 || karte.compare(n - 4, 4, ".JPG") == 0))
        return karte.substr(0, n - 4) + ".bmp";
    return karte + ".bmp";
}

BmpImage EingebauteMaske() {
    BmpImage m = BmpImage::Blank(kKarteBreite, kKarteHoehe, 1);
    m.palette = {BmpColour{255, 255, 255}, BmpColour{0, 0, 0}};
    const double cx = kKarteBreite / 2.0, cy = kKarteHoehe / 2.0;
    const double rx = kKarteBreite * 0.42, ry = kKarteHoehe * 0.42;
    for (int y = 0; y < kKarteHoehe; ++y)
        for (int x = 0; x < kKarteBreite; ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            m.At(x, y) = dx * dx + dy * dy <= 1.0 ? 0 : 1;
        }
    return m;
}

void CLandkarte::Init(int land, int bonusStatus, int bonusVordefiniert, const std::string& vereinsName,
                      int vereinsNummer, int x, int y) {
    name_ = vereinsName;
    nummer_ = vereinsNummer;
    x_ = x;
    y_ = y;
    std::filesystem::path bild;
    std::filesystem::path maske;
    if (bonusStatus == 2 && bonusVordefiniert < 0) {
        bild = App().BonusKarteDatei;
        if (!bild.empty()) maske = MaskenDatei(App().BonusKarteDatei);
    } else {
        const std::string karte = bonusStatus == 2 ? BonusKartenDatei(bonusVordefiniert) : KartenDatei(land);
        if (!karte.empty()) {
            bild = HostPath(karte);
            maske = HostPath(MaskenDatei(karte));
        }
    }
    std::error_code ec;
    if (!maske.empty() && LiesMaske(maske, maske_) && std::filesystem::is_regular_file(bild, ec)) {
        bild_ = bild;
        return;
    }
    BildFehlt();
}

void CLandkarte::BildFehlt() {
    bild_.clear();
    maske_ = EingebauteMaske();
}

bool CLandkarte::Gesperrt(int x, int y) const {
    if (x < 0 || y < 0 || x >= maske_.width || y >= maske_.height) return true;
    return maske_.At(x, y) != 0;
}

bool CLandkarte::Klick(int x, int y) {
    if (Gesperrt(x, y)) return false;
    x_ = x;
    y_ = y;
    return true;
}

}  // namespace v3
