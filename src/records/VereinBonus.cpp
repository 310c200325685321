// The bonus country's clubs: CVerein::CreateBonusVereinFrom.
#include <memory>

#include "base/AppState.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr int kBonusKader = 24;

// Nation and the prevailing looks, each look replaced by a random one in 2 of 100 players.
void Praege(CSpieler& s, int nation, int haarfarbe, int hautfarbe) {
    IRandom& r = *App().random;
    s.Nationalitaet(nation);
    s.Haarfarbe(r.Rand() % 100 < 2 ? r.Rand() % 7 : haarfarbe);
    s.Hautfarbe(r.Rand() % 100 < 2 ? r.Rand() % 3 : hautfarbe);
}

}  // namespace

bool CVerein::CreateBonusVereinFrom(const CVerein* leihVerein, int nation, int haarfarbe, int hautfarbe) {
    if (leihVerein) {
        CopyDataFrom(*leihVerein);
        for (auto& s : spielerListe_)
            if (s) Praege(*s, nation, haarfarbe, hautfarbe);
        return true;
    }
    Kader kader;
    for (int i = 0; i < kBonusKader; ++i) {
        auto s = std::make_unique<CSpieler>();
        Praege(*s, nation, haarfarbe, hautfarbe);
        kader.push_back(std::move(s));
    }
    ReplaceSquad(std::move(kader));
    return true;
}

}  // namespace v3
