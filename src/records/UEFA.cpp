#include "records/UEFA.h"

#include "base/AppState.h"
#include "records/RecordText.h"
#include "records/V3File.h"

namespace v3 {
namespace {
bool In(int v, int n) { return v >= 0 && v < n; }
}  // namespace

CUEFA::CUEFA() : CV3Object("CUEFA") {
    const AppState& app = App();
    for (int i = 0; i < kPlaetze; ++i) {
        nation_[i] = app.NationNummer[i];
        points_[i].fill(i);
    }
    for (int i = 0; i < kBlockEintraege; ++i) secondBlock_[i] = {app.NationNummer[i], 1};
    shortNames_.fill("KRZ");
}

int CUEFA::Nation(int place) const { return In(place, kPlaetze) ? nation_[place] : 0; }
bool CUEFA::Nation(int place, int nation) {
    if (!In(place, kPlaetze)) return false;
    nation_[place] = nation;
    return true;
}

int CUEFA::Points(int place, int season) const {
    return In(place, kPlaetze) && In(season, kSaisons) ? points_[place][season] : 0;
}
bool CUEFA::Points(int place, int season, int v) {
    if (!In(place, kPlaetze) || !In(season, kSaisons)) return false;
    points_[place][season] = v;
    return true;
}

int CUEFA::FirstBlock(int index, int part) const {
    return In(index, kBlockEintraege) && In(part, 2) ? firstBlock_[index][part] : 0;
}
bool CUEFA::FirstBlock(int index, int part, int v) {
    if (!In(index, kBlockEintraege) || !In(part, 2)) return false;
    firstBlock_[index][part] = v;
    return true;
}

int CUEFA::SecondBlock(int index, int part) const {
    return In(index, kBlockEintraege) && In(part, 2) ? secondBlock_[index][part] : 0;
}
bool CUEFA::SecondBlock(int index, int part, int v) {
    if (!In(index, kBlockEintraege) || !In(part, 2)) return false;
    secondBlock_[index][part] = v;
    return true;
}

int CUEFA::Setting(int index) const { return In(index, 2) ? settings_[index] : 0; }
bool CUEFA::Setting(int index, uint8_t v) {
    if (!In(index, 2)) return false;
    settings_[index] = v;
    return true;
}

const std::string& CUEFA::ShortName(int index) const {
    static const std::string kNone;
    return In(index, kKurznamen) ? shortNames_[index] : kNone;
}
bool CUEFA::ShortName(int index, const std::string& text) {
    if (!In(index, kKurznamen)) return false;
    return SetRecordText(shortNames_[index], text);
}

bool CUEFA::SpeichernV3Localized(CV3File& file, int) {
    if (!file.NewSection("UEFA")) return false;
    bool ok = true;
    for (int i = 0; i < kPlaetze; ++i) {
        ok = file.PutInt(nation_[i]) && ok;
        for (int32_t p : points_[i]) ok = file.PutInt(p) && ok;
    }
    for (const auto* block : {&firstBlock_, &secondBlock_})
        for (const Pair& p : *block)
            for (int32_t v : p) ok = file.PutInt(v) && ok;
    for (uint8_t s : settings_) ok = file.PutInt(s) && ok;
    for (const std::string& s : shortNames_) ok = file.PutStr(s) && ok;
    return file.EndSection(1) && ok;
}

bool CUEFA::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("UEFA")) return false;
    for (int i = 0; i < kPlaetze; ++i) {
        file.GetInt(nation_[i]);
        for (int32_t& p : points_[i]) file.GetInt(p);
    }
    for (auto* block : {&firstBlock_, &secondBlock_})
        for (Pair& p : *block)
            for (int32_t& v : p) file.GetInt(v);
    for (uint8_t& s : settings_) file.GetByte(s);
    for (std::string& s : shortNames_) file.GetStr(s);
    file.EndSection(1);
    return true;
}

bool CUEFA::operator==(const CUEFA& o) const {
    return nation_ == o.nation_ && points_ == o.points_ && firstBlock_ == o.firstBlock_ &&
           secondBlock_ == o.secondBlock_ && settings_ == o.settings_ && shortNames_ == o.shortNames_;
}

}  // namespace v3
