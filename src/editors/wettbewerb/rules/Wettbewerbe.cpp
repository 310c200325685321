#include "editors/wettbewerb/rules/Wettbewerbe.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/UEFA.h"

namespace v3 {

const CNation* NationByNumber(int nr) {
    const auto& liste = Daten().NationenListe;
    if (nr < 0 || size_t(nr) >= liste.size()) return nullptr;
    return liste[size_t(nr)].get();
}

std::string NationNameOf(int nr) {
    const CNation* n = NationByNumber(nr);
    return n ? n->Name() : std::string();
}

bool NameLengthOk(const std::string& text, int minLen, int maxLen) {
    char msg[96];
    if (text.size() < size_t(minLen))
        std::snprintf(msg, sizeof msg, "Bitte in dieses Feld mindestens %d Zeichen eingeben.", minLen);
    else if (text.size() > size_t(maxLen))
        std::snprintf(msg, sizeof msg, "Bitte in dieses Feld h\xC3\xB6" "chstens %d Zeichen eingeben.", maxLen);
    else
        return true;
    App().ui->MessageBox(msg, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

// ---------------------------------------------------------------- national competitions

NationaleWettbewerbe::NationaleWettbewerbe(int land) : land_(land) {
    const auto& laender = Daten().AlleLaender;
    if (land < 0 || size_t(land) >= laender.size() || !laender[size_t(land)]) return;
    const CLand& l = *laender[size_t(land)];
    const int ligen = int(l.Ligen().size());
    int rows = land == 0 ? std::min(2, ligen) : ligen - 1;
    rows = std::clamp(rows, 0, kMaxZeilen);
    for (int i = 0; i < rows; ++i) zeilen.push_back({l.Ligen()[size_t(i)]->Name(), l.Ligen()[size_t(i)]->Kuerzel()});
    pokal = l.PokalName();
}

const char* NationaleWettbewerbe::RowLabel(int row) {
    static constexpr const char* kLabels[kMaxZeilen] = {"Name der ersten Liga", "Name der zweiten Liga",
                                                        "Name der dritten Liga", "Name der vierten Liga"};
    return row >= 0 && row < kMaxZeilen ? kLabels[row] : "";
}

bool NationaleWettbewerbe::Ok() {
    for (const Zeile& z : zeilen)
        if (!NameLengthOk(z.name, kMinName, kMaxLigaName) || !NameLengthOk(z.kuerzel, kMinName, kMaxLigaName))
            return false;
    if (!NameLengthOk(pokal, kMinName, kMaxPokalName)) return false;
    auto& laender = Daten().AlleLaender;
    if (land_ < 0 || size_t(land_) >= laender.size() || !laender[size_t(land_)]) return true;
    CLand& l = *laender[size_t(land_)];
    for (size_t i = 0; i < zeilen.size() && i < l.Ligen().size(); ++i) {
        l.Ligen()[i]->Name(zeilen[i].name);
        l.Ligen()[i]->Kuerzel(zeilen[i].kuerzel);
    }
    l.PokalName(pokal);
    return true;
}

// ---------------------------------------------------------------- international competitions

InternationaleWettbewerbe::InternationaleWettbewerbe() {
    if (const auto& k = Daten().kleinigkeiten)
        for (int i = 0; i < 2; ++i) namen[size_t(i)] = k->CompetitionName(i);
}

bool InternationaleWettbewerbe::Ok() {
    for (const std::string& n : namen)
        if (!NameLengthOk(n, kMinName, kMaxName)) return false;
    if (auto& k = Daten().kleinigkeiten)
        for (int i = 0; i < 2; ++i) k->CompetitionName(i, namen[size_t(i)]);
    return true;
}

// ---------------------------------------------------------------- championship hosts

WMEMRules::WMEMRules() {
    for (const auto& e : Daten().EMWMListe)
        if (e) hosts_.push_back(*e);
    Build(App().Saisonstartjahr);
}

WMEMRules::WMEMRules(std::vector<CEuroWM> hosts, int startYear) : hosts_(std::move(hosts)) { Build(startYear); }

int WMEMRules::FirstYear(int s) {
    const int r = s % 4;
    return r <= 1 ? s - r + 2 : s - r + 4;
}

void WMEMRules::Build(int startYear) {
    // Lines without a host get the next default of their kind, in line order:
    // the European candidates from the first, the world candidates from the 16th.
    int nextEM = 0, nextWM = kEMKandidaten;
    const int first = FirstYear(startYear);
    for (int i = 0; i < kTurniere; ++i) {
        Zeile z;
        z.jahr = first + 2 * i;
        z.em = z.jahr % 4 == 0;
        auto found = std::find_if(hosts_.begin(), hosts_.end(), [&](const CEuroWM& e) { return e.Year() == z.jahr; });
        if (found != hosts_.end()) {
            z.host = int(found - hosts_.begin());
        } else {
            int nation;
            if (z.jahr == 1998) nation = 20;
            else if (z.jahr == 2000) nation = 24;
            else if (z.jahr == 2002) nation = 30;
            else if (z.em) nation = kGastgeber[nextEM++ % kEMKandidaten];
            else nation = kGastgeber[nextWM++ % 20];
            hosts_.emplace_back(z.jahr, z.em ? kKindEM : kKindWM, nation);
            z.host = int(hosts_.size()) - 1;
        }
        zeilen_.push_back(z);
    }
}

std::string WMEMRules::LineText(int line) const {
    const Zeile& z = zeilen_[size_t(line)];
    return std::string(z.em ? "EM" : "WM") + "\t" + std::to_string(z.jahr) + "\t" + NationNameOf(HostOf(line));
}

std::string WMEMRules::ChangeText(int line) const {
    const Zeile& z = zeilen_[size_t(line)];
    return std::string(z.em ? "Europameisterschaft" : "Weltmeisterschaft") + " " + std::to_string(z.jahr) + " in";
}

std::vector<int> WMEMRules::Candidates(int line) const {
    const int current = HostOf(line);
    const int count = zeilen_[size_t(line)].em ? kEMKandidaten : 20;
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        if (kGastgeber[i] != current) out.push_back(kGastgeber[i]);
    out.push_back(current);
    return out;
}

int WMEMRules::SetHost(int line, int nation) {
    hosts_[size_t(zeilen_[size_t(line)].host)].Nation(nation);
    return line + 1 < int(zeilen_.size()) ? line + 1 : 0;
}

void WMEMRules::Apply() const {
    auto& liste = Daten().EMWMListe;
    liste.clear();
    for (const CEuroWM& e : hosts_) liste.push_back(std::make_unique<CEuroWM>(e));
}

// ---------------------------------------------------------------- five-year ranking

int UEFAWertung::Zeile::Punkte() const {
    int sum = 0;
    for (int s = 0; s < kSaisons - 1; ++s) sum += werte[size_t(s)];
    return sum;
}

UEFAWertung::UEFAWertung() {
    if (Daten().uefa) *this = UEFAWertung(*Daten().uefa);
}

UEFAWertung::UEFAWertung(const CUEFA& record) {
    for (int p = 0; p < CUEFA::kPlaetze; ++p) {
        Zeile z;
        z.nation = record.Nation(p);
        for (int s = 0; s < kSaisons; ++s) z.werte[size_t(s)] = record.Points(p, s);
        zeilen_.push_back(z);
    }
    Sort();
}

void UEFAWertung::Sort() {
    // Highest points first; of equal points the line listed earlier stays first.
    std::stable_sort(zeilen_.begin(), zeilen_.end(),
                     [](const Zeile& a, const Zeile& b) { return a.Punkte() > b.Punkte(); });
}

std::string UEFAWertung::LineText(int i) const {
    const Zeile& z = zeilen_[size_t(i)];
    return std::to_string(i + 1) + "\t" + NationNameOf(z.nation) + "\t" + std::to_string(z.Punkte()) + "\t" +
           std::to_string(z.werte[kSaisons - 1]);
}

int UEFAWertung::Change(int i, const std::array<int, kSaisons>& werte) {
    if (i < 0 || size_t(i) >= zeilen_.size()) return -1;
    for (int w : werte)
        if (w < 0 || w > kMaxWert) return -1;
    zeilen_[size_t(i)].werte = werte;
    // Sort positions, not lines, to see where line i goes (nations may repeat).
    std::vector<size_t> order(zeilen_.size());
    for (size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return zeilen_[a].Punkte() > zeilen_[b].Punkte(); });
    std::vector<Zeile> sorted;
    int moved = -1;
    for (size_t k = 0; k < order.size(); ++k) {
        if (order[k] == size_t(i)) moved = int(k);
        sorted.push_back(zeilen_[order[k]]);
    }
    zeilen_ = std::move(sorted);
    return moved;
}

void UEFAWertung::ApplyTo(CUEFA& record) const {
    for (size_t p = 0; p < zeilen_.size() && p < size_t(CUEFA::kPlaetze); ++p) {
        record.Nation(int(p), zeilen_[p].nation);
        for (int s = 0; s < kSaisons; ++s) record.Points(int(p), s, zeilen_[p].werte[size_t(s)]);
    }
}

void UEFAWertung::Apply() const {
    if (Daten().uefa) ApplyTo(*Daten().uefa);
}

}  // namespace v3
