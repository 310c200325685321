#include "editors/spieler/rules/PlayerPages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "base/AppState.h"
#include "records/Manager.h"
#include "records/Spieler.h"
#include "records/TrainerUndCo.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr const char* kPageCaption = "Achtung!";

void WarnOnPage(const std::string& text, const char* caption) {
    App().ui->MessageBox(text, caption ? caption : kProgrammTitel, MsgButtons::Ok, MsgIcon::Warning);
}

// Clamps v into lo..hi; notes the field when it had to.
int ClampShown(int v, int lo, int hi, bool& bad, std::vector<std::string>& repaired, const char* field) {
    bad = v < lo || v > hi;
    if (bad) repaired.emplace_back(field);
    return std::clamp(v, lo, hi);
}

std::string CutTo(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// A field is written when the user changed it or when it was in range anyway.
bool WriteField(bool bad, int shown, int filled) { return !bad || shown != filled; }

}  // namespace

YearRange PlayerYearRange(int startYear, int year) {
    return {std::min(startYear - 45, year), std::max(startYear - 14, year)};
}
YearRange StaffYearRange(int startYear, int year) {
    return {std::min(startYear - 80, year), std::max(startYear - 20, year)};
}

int AgeFor(int startYear, int month, int year) {
    int a = std::abs(year - startYear);
    if (month > 6) --a;
    return a;
}

void NormaliseDate(int& day, int& month, int& year) {
    month = std::clamp(month, 1, 12);
    year = std::clamp(year, 1, 9999);
    day = std::clamp(day, 1, DaysInMonth(month, year));
}

int NextFreeShirtNumber(const ShirtNumberTable& table, const void* self, int current, int direction) {
    const int step = direction < 0 ? -1 : 1;
    int n = std::clamp(current, 1, 99);
    for (int i = 0; i < 99; ++i) {
        n += step;
        if (n > 99) n = 1;
        if (n < 1) n = 99;
        if (table[size_t(n)] == nullptr || table[size_t(n)] == self) return n;
    }
    return current;
}

std::string NameTooShortMessage(std::string_view field, std::string_view owner) {
    return "Der " + std::string(field) + " des " + std::string(owner) + "s ist zu kurz!";
}

// ---- Daten 1 ----

void PlayerData1Rules::Fill(const CSpieler& p) {
    repaired_.clear();
    self_ = &p;
    // Names are shown as stored; only typed text is cut to the page's limits.
    nachname_ = filledNachname_ = p.Nachname();
    vorname_ = filledVorname_ = p.Vorname();
    kuenstlername_ = p.Kuenstlername();
    day_ = p.GeburtsDatum().day;
    month_ = p.GeburtsDatum().month;
    year_ = p.GeburtsDatum().year;
    NormaliseDate(day_, month_, year_);
    alter_ = AgeFor(App().Saisonstartjahr, month_, year_);
    talent_ = ClampShown(p.Talent(), 1, 5, badTalent_, repaired_, "Talent");
    staerke_ = ClampShown(p.Staerke(), 1, 12, badStaerke_, repaired_, "St\xC3\xA4rke");
    if (staerke_ + talent_ > PlayerData1Rules::kMaxStaerkePlusTalent) {
        staerke_ = PlayerData1Rules::kMaxStaerkePlusTalent - talent_;
        if (!badStaerke_) repaired_.emplace_back("St\xC3\xA4rke");
        badStaerke_ = true;
    }
    fuss_ = ClampShown(p.Fuss(), 1, 3, badFuss_, repaired_, "Starker Fu\xC3\x9F");
    bool badKonstanz = false;
    konstanz_ = ClampShown(p.Konstanz(), 0, 10, badKonstanz, repaired_, "Konstanz");
    badKonstanz_ = badKonstanz;
    nummer_ = ClampShown(p.RueckenNummer(), 1, 99, badNummer_, repaired_, "R\xC3\xBC" "ckennummer");
    filledStaerke_ = staerke_;
    filledTalent_ = talent_;
    filledFuss_ = fuss_;
    filledNummer_ = nummer_;
}

void PlayerData1Rules::SetNachname(const std::string& s) { nachname_ = CutTo(s, kMaxNachname); }
void PlayerData1Rules::SetVorname(const std::string& s) { vorname_ = CutTo(s, kMaxVorname); }
void PlayerData1Rules::SetKuenstlername(const std::string& s) { kuenstlername_ = CutTo(s, kMaxKuenstlername); }

void PlayerData1Rules::SetDate(int day, int month, int year) {
    NormaliseDate(day, month, year);
    day_ = day;
    month_ = month;
    year_ = year;
    alter_ = AgeFor(App().Saisonstartjahr, month_, year_);
}

void PlayerData1Rules::SetStaerke(int v) {
    staerke_ = std::clamp(v, 1, 12);
    if (staerke_ + talent_ > PlayerData1Rules::kMaxStaerkePlusTalent) talent_ = PlayerData1Rules::kMaxStaerkePlusTalent - staerke_;
}

void PlayerData1Rules::SetTalent(int v) {
    talent_ = std::clamp(v, 1, 5);
    if (staerke_ + talent_ > PlayerData1Rules::kMaxStaerkePlusTalent) staerke_ = PlayerData1Rules::kMaxStaerkePlusTalent - talent_;
}

void PlayerData1Rules::SetFuss(int v) { fuss_ = std::clamp(v, 1, 3); }

void PlayerData1Rules::StepShirtNumber(int direction) {
    if (context_.numbers) nummer_ = NextFreeShirtNumber(*context_.numbers, self_, nummer_, direction);
    else nummer_ = direction < 0 ? (nummer_ <= 1 ? 99 : nummer_ - 1) : (nummer_ >= 99 ? 1 : nummer_ + 1);
}

YearRange PlayerData1Rules::Years() const { return PlayerYearRange(App().Saisonstartjahr, year_); }

std::string PlayerData1Rules::AverageText() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.3f", context_.averageStrength);
    return buf;
}

bool PlayerData1Rules::NamesChanged() const {
    return !nachname_.empty() && !vorname_.empty() &&
           (nachname_ != filledNachname_ || vorname_ != filledVorname_);
}

bool PlayerData1Rules::WriteBack(CSpieler& p) {
    bool ok = true;
    p.Vorname(vorname_);
    p.Nachname(nachname_);
    if (nachname_.size() <= 1) {
        WarnOnPage(NameTooShortMessage("Nachname", "Spieler"), kPageCaption);
        ok = false;
    } else if (vorname_.size() <= 1) {
        WarnOnPage(NameTooShortMessage("Vorname", "Spieler"), kPageCaption);
        ok = false;
    } else {
        p.Kuenstlername(kuenstlername_);
    }
    if (WriteField(badFuss_, fuss_, filledFuss_)) p.Fuss(fuss_);
    if (context_.shirtNumbers && context_.club) context_.club->Staerke(float(context_.averageStrength));
    if (WriteField(badStaerke_, staerke_, filledStaerke_) || WriteField(badTalent_, talent_, filledTalent_)) {
        p.Staerke(staerke_);
        p.Talent(talent_);
    }
    if (!badKonstanz_) p.Konstanz(konstanz_);
    const CDatum& d = p.GeburtsDatum();
    if (d.day != day_ || d.month != month_ || d.year != year_) {
        p.Alter(alter_);
        p.GeburtsDatum(day_, month_, year_);
    }
    if (ok && context_.shirtNumbers && context_.numbers && WriteField(badNummer_, nummer_, filledNummer_)) {
        auto& table = *context_.numbers;
        const void* holder = table[size_t(nummer_)];
        if (holder != nullptr && holder != &p) {
            WarnOnPage("Die R\xC3\xBC" "ckennummer dieses Spielers ist bereits vergeben. Bitte stellen Sie eine andere ein!",
                 nullptr);
            return false;
        }
        const int old = p.RueckenNummer();
        if (old >= 0 && old < 100 && table[size_t(old)] == &p) table[size_t(old)] = nullptr;
        table[size_t(nummer_)] = &p;
        p.RueckenNummer(nummer_);
        filledNummer_ = nummer_;
        badNummer_ = false;
    }
    if (ok) {
        filledNachname_ = nachname_;
        filledVorname_ = vorname_;
    }
    return ok;
}

// ---- Daten 2 ----

void PlayerData2Rules::Fill(const CSpieler& p, const std::vector<std::string>& nationNames) {
    names_ = nationNames;
    repaired_.clear();
    const int count = int(names_.size());
    nation_ = p.NationNumber();
    badNation_ = nation_ >= count;
    if (badNation_) {
        nation_ = 0;
        repaired_.emplace_back("Nationalit\xC3\xA4t");
    }
    inlaender_ = p.Fussballinlaender();
    nation2_ = p.Nationalitaet2();
    badNation2_ = nation2_ < -1 || nation2_ >= count;
    if (badNation2_) repaired_.emplace_back("Zweite Nationalit\xC3\xA4t");
    if (nation2_ < 0 || nation2_ >= count) nation2_ = 0;
    national_ = ClampShown(p.NationalSpieler(), 0, 7, badNational_, repaired_, "Nationalspieler");
    kapitaen_ = p.Kapitaen() != 0;
    haut_ = ClampShown(p.Hautfarbe(), 0, 3, badHaut_, repaired_, "Hautfarbe");
    haar_ = ClampShown(p.Haarfarbe(), 0, 6, badHaar_, repaired_, "Haarfarbe");
    haarTyp_ = ClampShown(p.GetHaarTyp(), 0, 3, badHaarTyp_, repaired_, "Haartyp");
    bart_ = p.GetBart() & 0xF;
    filledNation_ = nation_;
    filledNation2_ = nation2_;
    filledNational_ = national_;
    filledHaut_ = haut_;
    filledHaar_ = haar_;
    filledHaarTyp_ = haarTyp_;
}

void PlayerData2Rules::SetNation(int n) {
    if (NationLocked()) return;
    if (n >= 0 && n < int(names_.size())) nation_ = n;
}
void PlayerData2Rules::SetNation2(int n) {
    if (n >= 0 && n < int(names_.size())) nation2_ = n;
}
void PlayerData2Rules::SetNationalspieler(bool on) { national_ = on ? (national_ | 1) : (national_ & ~1); }
void PlayerData2Rules::SetZurueckgetreten(bool on) {
    if (NationLocked()) return;
    national_ = on ? ((national_ | 2) & ~4) : (national_ & ~2);
}
void PlayerData2Rules::SetHautfarbe(int v) { haut_ = std::clamp(v, 0, 3); }
void PlayerData2Rules::SetHaarfarbe(int v) { haar_ = std::clamp(v, 0, 6); }
void PlayerData2Rules::SetHaarTyp(int v) {
    if (HairTypeEnabled()) haarTyp_ = std::clamp(v, 0, 3);
}
void PlayerData2Rules::SetBart(int bit, bool on) {
    if (bit < 0 || bit > 3) return;
    bart_ = on ? (bart_ | (1 << bit)) : (bart_ & ~(1 << bit));
}
bool PlayerData2Rules::HairTypeEnabled() const { return haar_ != 5; }

std::vector<int> PlayerData2Rules::Nation2Offers() const {
    std::vector<int> offers{0};
    for (int i = 1; i < int(names_.size()); ++i) offers.push_back(i);
    return offers;
}

bool PlayerData2Rules::WriteBack(CSpieler& p) {
    bool ok = true;
    if (WriteField(badHaar_, haar_, filledHaar_)) p.Haarfarbe(haar_);
    if (WriteField(badHaut_, haut_, filledHaut_)) p.Hautfarbe(haut_);
    if (nation2_ != 0 && nation2_ == nation_) {
        App().ui->MessageBox("Die zweite Nationalit\xC3\xA4t des Spielers darf nicht die gleiche wie die erste sein!",
                             kProgrammTitel, MsgButtons::Ok, MsgIcon::Warning);
        ok = false;
    } else {
        if (WriteField(badNation_, nation_, filledNation_)) p.NationNumber(nation_);
        p.Fussballinlaender(inlaender_);
        // "Keine" keeps a stored -1; any other choice is stored as chosen.
        const bool same = nation2_ == filledNation2_;
        if (!(same && (badNation2_ || p.Nationalitaet2() == -1))) p.Nationalitaet2(nation2_, names_);
    }
    if (WriteField(badNational_, national_, filledNational_)) p.NationalSpieler(national_);
    if ((p.Kapitaen() != 0) != kapitaen_) p.Kapitaen(kapitaen_ ? 1 : 0);
    if (WriteField(badHaarTyp_, haarTyp_, filledHaarTyp_)) p.SetHaarTyp(haarTyp_);
    if (bart_ != p.GetBart()) p.SetBart(bart_);
    return ok;
}

// ---- Positionen ----

void PlayerPositionsRules::Fill(const CSpieler& p) {
    repaired_.clear();
    haupt_ = p.Hauptposition();
    badHaupt_ = haupt_ < 1 || haupt_ > 10;
    if (badHaupt_) {
        haupt_ = 6;
        repaired_.emplace_back("Hauptposition");
    }
    neben_.clear();
    badNeben_ = false;
    for (int v : {int(p.Nebenposition1()), int(p.Nebenposition2())}) {
        if (v == 0) continue;
        if (v < 2 || v > 10 || v == haupt_ || Neben(v)) badNeben_ = true;
        else neben_.push_back(v);
    }
    if (badNeben_) repaired_.emplace_back("Nebenposition");
    filledHaupt_ = haupt_;
    filledNeben_ = neben_;
}

bool PlayerPositionsRules::Neben(int p) const { return std::find(neben_.begin(), neben_.end(), p) != neben_.end(); }

void PlayerPositionsRules::SetHauptposition(int p) {
    if (p < 1 || p > 10) return;
    haupt_ = p;
    std::erase(neben_, p);
}

void PlayerPositionsRules::ToggleNebenposition(int p) {
    if (p < 2 || p > 10 || p == haupt_) return;
    if (Neben(p)) {
        std::erase(neben_, p);
        return;
    }
    neben_.push_back(p);
    if (neben_.size() > 2) neben_.erase(neben_.begin());
}

bool PlayerPositionsRules::WriteBack(CSpieler& p) {
    if (!badNeben_ || neben_ != filledNeben_) {
        p.Nebenposition1(neben_.size() > 0 ? neben_[0] : 0);
        p.Nebenposition2(neben_.size() > 1 ? neben_[1] : 0);
    }
    if (badHaupt_ && haupt_ == filledHaupt_) return true;
    const int old = p.Hauptposition();
    if (old != haupt_) {
        p.Hauptposition(haupt_);
        p.BesterHauptposition(0);
        if (haupt_ == 1) {
            // A keeper keeps only the properties a keeper can have.
            for (int n : {6, 8, 9, 10, 11, 12, 13, 14, 15}) p.Eigenschaft(n, 0);
        }
        if (old == 1)
            for (int n = 1; n <= 16; ++n) p.Faehigkeit(n, 0);
    }
    filledHaupt_ = haupt_;
    badHaupt_ = false;
    return true;
}

// ---- Fähigkeiten ----

void PlayerAbilitiesRules::Fill(const CSpieler& p) {
    repaired_.clear();
    keeper_ = p.Hauptposition() == 1;
    value_.fill(0);
    order_.clear();
    changed_ = bad_ = false;
    for (int n = 1; n <= 16; ++n) {
        const int v = p.Faehigkeit(n);
        if (v == 0) continue;
        if (n > Count() || int(order_.size()) >= kMaxMarked) {
            bad_ = true;
            continue;
        }
        value_[size_t(n)] = v;
        order_.push_back(n);
    }
    if (bad_) repaired_.emplace_back("F\xC3\xA4higkeiten");
}

int PlayerAbilitiesRules::Value(int n) const { return n >= 1 && n <= 16 ? value_[size_t(n)] : 0; }

void PlayerAbilitiesRules::Toggle(int n, int v) {
    if (n < 1 || n > Count() || (v != 1 && v != -1)) return;
    changed_ = true;
    if (value_[size_t(n)] == v) {
        value_[size_t(n)] = 0;
        std::erase(order_, n);
        return;
    }
    if (value_[size_t(n)] == 0) {
        order_.push_back(n);
        if (int(order_.size()) > kMaxMarked) {
            value_[size_t(order_.front())] = 0;
            order_.erase(order_.begin());
        }
    }
    value_[size_t(n)] = v;
}

bool PlayerAbilitiesRules::WriteBack(CSpieler& p) {
    if (bad_ && !changed_) return true;
    for (int n = 1; n <= 16; ++n) p.Faehigkeit(n, 0);
    for (int n = 1; n <= Count(); ++n) p.Faehigkeit(n, value_[size_t(n)]);
    bad_ = false;
    return true;
}

// ---- Eig. 1 ----

namespace {
constexpr std::pair<int, int> kExcludedTraitPairs[2][4] = {{{2, 3}, {4, 5}, {8, 9}, {8, 10}},
                                                 {{2, 6}, {4, 5}, {9, 10}, {0, 0}}};
constexpr int kKeeperTraits[] = {1, 2, 3, 4, 5, 7, 16};
}  // namespace

void PlayerTraitsRules::Fill(const CSpieler& p) {
    repaired_.clear();
    keeper_ = p.Hauptposition() == 1;
    raw_ = {int(p.Eigenschaft()), int(p.Charakter())};
    for (int g = 0; g < 2; ++g) {
        order_[size_t(g)].clear();
        bool bad = (raw_[size_t(g)] & ~0x1FFFE) != 0;
        for (int n = 1; n <= 16; ++n) {
            if (!(raw_[size_t(g)] & (1 << n))) continue;
            if (order_[size_t(g)].size() >= size_t(kMaxPerGroup)) bad = true;
            else order_[size_t(g)].push_back(n);
        }
        if (bad) repaired_.emplace_back(g == 0 ? "Eigenschaften" : "Charakter");
        filled_[size_t(g)] = Mask(Group(g));
    }
}

bool PlayerTraitsRules::Checked(Group g, int n) const {
    const auto& o = order_[size_t(g)];
    return std::find(o.begin(), o.end(), n) != o.end();
}

bool PlayerTraitsRules::Enabled(Group g, int n) const {
    if (n < 1 || n > 16) return false;
    if (g == Charakter || !keeper_) return true;
    return std::find(std::begin(kKeeperTraits), std::end(kKeeperTraits), n) != std::end(kKeeperTraits);
}

int PlayerTraitsRules::Mask(Group g) const {
    int m = 0;
    for (int n : order_[size_t(g)]) m |= 1 << n;
    return m;
}

void PlayerTraitsRules::Toggle(Group g, int n) {
    if (!Enabled(g, n)) return;
    auto& o = order_[size_t(g)];
    if (Checked(g, n)) {
        std::erase(o, n);
        return;
    }
    for (auto [a, b] : kExcludedTraitPairs[g]) {
        if (a == n) std::erase(o, b);
        if (b == n) std::erase(o, a);
    }
    o.push_back(n);
    if (o.size() > size_t(kMaxPerGroup)) o.erase(o.begin());
}

bool PlayerTraitsRules::WriteBack(CSpieler& p) {
    const int e = Mask(Eigenschaften), c = Mask(Charakter);
    if (e != filled_[0] || raw_[0] == e) p.EigenschaftAll(e);
    if (c != filled_[1] || raw_[1] == c) p.CharakterAll(c);
    return true;
}

// ---- Eig. 2 ----

void PlayerHealthRules::Fill(const CSpieler& p) {
    repaired_.clear();
    verletzung_ = filledVerletzung_ = ClampShown(p.Verletzung(), 1, 7, badVerletzung_, repaired_, "Gesundheitszustand");
    publikum_ = filledPublikum_ = ClampShown(p.Publikum(), 1, 3, badPublikum_, repaired_, "Publikum");
}
void PlayerHealthRules::SetVerletzung(int v) { verletzung_ = std::clamp(v, 1, 7); }
void PlayerHealthRules::SetPublikum(int v) { publikum_ = std::clamp(v, 1, 3); }
bool PlayerHealthRules::WriteBack(CSpieler& p) {
    if (WriteField(badPublikum_, publikum_, filledPublikum_)) p.Publikum(publikum_);
    if (WriteField(badVerletzung_, verletzung_, filledVerletzung_)) p.Verletzung(verletzung_);
    return true;
}

// ---- Trainer / Manager ----

void StaffPageRules::Fill(const CTrainerUndCo& t) {
    repaired_.clear();
    nachname_ = t.Nachname();
    vorname_ = t.Vorname();
    SetDate(t.GeburtsDatum().day, t.GeburtsDatum().month, t.GeburtsDatum().year);
    kompetenz_ = filledKompetenz_ = ClampShown(t.Kompetenz(), 0, 15, badKompetenz_, repaired_, "Kompetenz");
    ruf_ = filledRuf_ = ClampShown(t.Ruf(), 0, 6, badRuf_, repaired_, "Ruf");
}

void StaffPageRules::Fill(const CManager& m) {
    repaired_.clear();
    nachname_ = m.Nachname();
    vorname_ = m.Vorname();
    SetDate(m.GeburtsDatum().day, m.GeburtsDatum().month, m.GeburtsDatum().year);
    kompetenz_ = filledKompetenz_ = ClampShown(m.Kompetenz(), 0, 15, badKompetenz_, repaired_, "Kompetenz");
    ruf_ = filledRuf_ = 0;
    badRuf_ = false;
}

void StaffPageRules::SetNachname(const std::string& s) { nachname_ = CutTo(s, kMaxName); }
void StaffPageRules::SetVorname(const std::string& s) { vorname_ = CutTo(s, kMaxName); }
void StaffPageRules::SetDate(int day, int month, int year) {
    NormaliseDate(day, month, year);
    day_ = day;
    month_ = month;
    year_ = year;
    alter_ = AgeFor(App().Saisonstartjahr, month_, year_);
}
void StaffPageRules::SetKompetenz(int v) { kompetenz_ = std::clamp(v, 0, 15); }
void StaffPageRules::SetRuf(int v) { ruf_ = std::clamp(v, 0, 6); }
YearRange StaffPageRules::Years() const { return StaffYearRange(App().Saisonstartjahr, year_); }

bool StaffPageRules::CheckNames() {
    if (nachname_.size() < kMinName || vorname_.size() < kMinName) {
        WarnOnPage("Bitte in dieses Feld mindestens " + std::to_string(kMinName) + " Zeichen eingeben.", nullptr);
        return false;
    }
    return true;
}

bool StaffPageRules::WriteBack(CTrainerUndCo& t) {
    if (!CheckNames()) return false;
    t.Vorname(vorname_);
    t.Nachname(nachname_);
    if (WriteField(badKompetenz_, kompetenz_, filledKompetenz_)) t.Kompetenz(kompetenz_);
    if (WriteField(badRuf_, ruf_, filledRuf_)) t.Ruf(ruf_);
    CDatum d = t.GeburtsDatum();
    if (d.day != day_ || d.month != month_ || d.year != year_) {
        t.Alter(alter_);
        d.Init(day_, month_, year_, 0, 0, 0);
        t.GeburtsDatum(d);
    }
    return true;
}

bool StaffPageRules::WriteBack(CManager& m) {
    if (!CheckNames()) return false;
    m.Nachname(nachname_);
    m.Vorname(vorname_);
    CDatum d = m.GeburtsDatum();
    if (d.day != day_ || d.month != month_ || d.year != year_) {
        d.Init(day_, month_, year_, 0, 0, 0);
        m.GeburtsDatum(d);
        m.Alter(alter_);
    }
    if (WriteField(badKompetenz_, kompetenz_, filledKompetenz_)) m.Kompetenz(kompetenz_);
    return true;
}

}  // namespace v3
