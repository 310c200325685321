// Readers of the predecessor's European ranking, tournament hosts and fan
// chants (layouts in docs/predecessor-format.md). Each changes its record only
// when the whole record was there.
#include <array>

#include "records/EuroWM.h"
#include "records/FanChant.h"
#include "records/UEFA.h"
#include "records/V2LineReader.h"

namespace v3 {
namespace {
// The predecessor kept five seasons of points; they are the last five of ours.
constexpr int kV2Saisons = 5;
}  // namespace

bool CUEFA::Laden(CV3File& file) {
    V2LineReader r(file);
    std::array<int32_t, kPlaetze> nation{};
    std::array<std::array<int32_t, kV2Saisons>, kPlaetze> points{};
    std::array<std::string, kKurznamen> shortNames;
    for (int p = 0; p < kPlaetze; ++p) {
        r.Int(nation[p]);
        for (int32_t& v : points[p]) r.Int(v);
    }
    for (std::string& s : shortNames) r.Str(s);
    if (!r.Ok()) return false;
    for (int p = 0; p < kPlaetze; ++p) {
        Nation(p, nation[p]);
        Points(p, 0, 0);
        for (int s = 0; s < kV2Saisons; ++s) Points(p, kSaisons - kV2Saisons + s, points[p][s]);
    }
    for (int i = 0; i < kKurznamen; ++i) ShortName(i, shortNames[i]);
    return true;
}

bool CEuroWM::Laden(CV3File& file) {
    V2LineReader r(file);
    std::array<int32_t, 3> v{};
    for (int32_t& x : v) r.Int(x);
    if (!r.Ok()) return false;
    values_ = v;
    return true;
}

bool FanChant::Laden(CV3File& file) {
    V2LineReader r(file);
    std::string text = r.Str();
    std::string spieler = V2NeueVariante() ? r.Str() : spielerName_;
    const int32_t land = r.Int(), verein = r.Int(), gegner = r.Int(), art = r.Int(), haeufigkeit = r.Int();
    if (!r.Ok()) return false;
    Text(text);
    SpielerName(spieler);
    Land(land);
    Verein(verein);
    Gegner(gegner);
    Art(art);
    Haeufigkeit(haeufigkeit);
    AusAltemFormat(true);
    return true;
}

}  // namespace v3
