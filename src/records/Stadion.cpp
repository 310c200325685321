#include "records/Stadion.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"
#include "records/V3Object.h"
#include "records/ValueReader.h"

namespace v3 {
namespace {

template <size_t N>
int32_t ToBits(const std::array<int32_t, N>& flags) {
    int32_t bits = 0;
    for (size_t s = 0; s < N; ++s)
        if (flags[s] != 0) bits |= int32_t(1) << s;
    return bits;
}

}  // namespace

CStadion::CStadion() {
    name_ = Platzhalter("SN");
    ort_ = Platzhalter("ON");
    stehplaetze_.fill(500);
    sitzplaetze_.fill(500);
    logen_.fill(250);
    zustand_.fill(kZustandNeu);
}

bool CStadion::Name(const std::string& v) {
    return v.size() >= 2 && v.size() <= 28 && SetRecordText(name_, v);
}

bool CStadion::Ort(const std::string& v) {
    return v.size() >= 2 && v.size() <= 20 && SetRecordText(ort_, v);
}

int32_t CStadion::Stehplaetze(int s) const { return ValidStand(s) ? stehplaetze_[s] : 0; }
int32_t CStadion::Sitzplaetze(int s) const { return ValidStand(s) ? sitzplaetze_[s] : 0; }
int32_t CStadion::Logen(int s) const { return ValidStand(s) ? logen_[s] : 0; }
int32_t CStadion::Dach(int s) const { return ValidStand(s) ? dach_[s] : 0; }
int32_t CStadion::LaufBahn(int i) const { return ValidStand(i) ? laufBahn_[i] : 0; }
int32_t CStadion::Zustand(int s) const { return ValidStand(s) ? zustand_[s] : 0; }
uint8_t CStadion::WaermeStrahler(int s) const { return ValidStand(s) ? waermeStrahler_[s] : 0; }

bool CStadion::Stehplaetze(int s, int32_t v) {
    if (!ValidStand(s) || v < 0) return false;
    stehplaetze_[s] = v;
    return true;
}

bool CStadion::Sitzplaetze(int s, int32_t v) {
    if (!ValidStand(s) || v < 0) return false;
    sitzplaetze_[s] = v;
    return true;
}

bool CStadion::Logen(int s, int32_t v) {
    if (!ValidStand(s) || v < 0) return false;
    logen_[s] = v;
    return true;
}

bool CStadion::Dach(int s, int32_t v) {
    if (!ValidStand(s)) return false;
    dach_[s] = v;
    return true;
}

bool CStadion::LaufBahn(int i, int32_t v) {
    if (!ValidStand(i)) return false;
    laufBahn_[i] = v;
    return true;
}

bool CStadion::Zustand(int s, int32_t v) {
    if (!ValidStand(s) || v < kZustandNeu || v > kZustandVerfallen) return false;
    zustand_[s] = v;
    return true;
}

bool CStadion::WaermeStrahler(int s, int v) {
    if (!ValidStand(s) || v < 0 || v > 1) return false;
    waermeStrahler_[s] = uint8_t(v);
    return true;
}

bool CStadion::Anzeigetafel(int32_t v) {
    if (v < TafelKeine || v > TafelVideowand) return false;
    anzeigetafel_ = v;
    return true;
}

bool CStadion::HeimTribuene(int32_t v) {
    if (!ValidStand(v)) return false;
    heimTribuene_ = v;
    return true;
}

bool CStadion::GaesteTribuene(int32_t v) {
    if (!ValidStand(v)) return false;
    gaesteTribuene_ = v;
    return true;
}

bool CStadion::SpeichernV3Localized(CV3File& file, int) {
    name_ = TrimWhite(name_);
    ort_ = TrimWhite(ort_);
    std::array<int32_t, kTribuenen> heaters{};
    for (int s = 0; s < kTribuenen; ++s) heaters[s] = waermeStrahler_[s];

    if (!file.NewSection("STADION")) return false;
    bool ok = true;
    ok &= file.PutStr(name_);
    ok &= file.PutStr(ort_);
    ok &= file.PutInt(anzeigetafel_);
    ok &= file.PutInt(rasenheizung_);
    ok &= file.PutInt(0);  // heaters on every stand: the per-stand bit set below says it all
    ok &= file.PutInt(0);
    ok &= file.PutInt(flutlicht_);
    ok &= file.PutInt(heimTribuene_);
    ok &= file.PutInt(gaesteTribuene_);
    ok &= file.PutInt(cityNaehe_);
    ok &= file.PutInt(vereinsEigentum_);
    ok &= file.PutInt(autoBahn_);
    ok &= file.PutInt(fernsehTurm_);
    for (int s = 0; s < kTribuenen; ++s) {
        ok &= file.PutInt(stehplaetze_[s]);
        ok &= file.PutInt(sitzplaetze_[s]);
        ok &= file.PutInt(logen_[s]);
        ok &= file.PutInt(zustand_[s]);
    }
    ok &= file.PutInt(ToBits(dach_));
    ok &= file.PutInt(ToBits(laufBahn_));
    ok &= file.PutInt(ToBits(heaters));
    ok &= file.PutInt(luxusKabinen_);
    ok &= file.PutInt(sitzKissen_);
    ok &= file.PutInt(beheizbareSitze_);
    ok &= file.PutInt(ausfahrSpielfeld_);
    ok &= file.PutInt(berge_);
    ok &= file.PutInt(burg_);
    ok &= file.PutInt(schloss_);
    ok &= file.EndSection(1);
    return ok;
}

bool CStadion::LadenV3Localized(CV3File& file, int) {
    if (!file.FindSection("STADION")) return false;
    ValueReader r(file);
    r.Str(name_);
    r.Str(ort_);
    r.Int(anzeigetafel_);
    r.Int(rasenheizung_);
    uint8_t allHeaters = 0;  // older files: one flag for heaters on every stand
    r.Byte(allHeaters);
    int32_t unused = 0;
    r.Int(unused);
    r.Int(flutlicht_);
    r.Int(heimTribuene_);
    r.Int(gaesteTribuene_);
    r.Int(cityNaehe_);
    r.Int(vereinsEigentum_);
    r.Int(autoBahn_);
    r.Int(fernsehTurm_);
    for (int s = 0; s < kTribuenen; ++s) {
        r.Int(stehplaetze_[s]);
        r.Int(sitzplaetze_[s]);
        r.Int(logen_[s]);
        r.Int(zustand_[s]);
    }
    int32_t bits = 0;
    if (r.Int(bits))
        for (int s = 0; s < kTribuenen; ++s) dach_[s] = (bits >> s) & 1;
    if (r.Int(bits))
        for (int s = 0; s < kTribuenen; ++s) laufBahn_[s] = (bits >> s) & 1;
    bool haveHeaterBits = r.Int(bits);
    if (haveHeaterBits || allHeaters != 0)
        for (int s = 0; s < kTribuenen; ++s)
            waermeStrahler_[s] = ((haveHeaterBits && ((bits >> s) & 1)) || allHeaters != 0) ? 1 : 0;
    r.Int(luxusKabinen_);
    r.Int(sitzKissen_);
    r.Int(beheizbareSitze_);
    r.Int(ausfahrSpielfeld_);
    r.Int(berge_);
    r.Int(burg_);
    r.Int(schloss_);
    file.EndSection(1);
    return r.Ok();
}

}  // namespace v3
