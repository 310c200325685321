#include "editors/spieler/rules/PlayerGroups.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/SpielerTexte.h"
#include "records/Verein.h"

namespace v3 {
namespace {

constexpr const char* kGroupCaption = "Achtung!";
constexpr const char* kGroupErrorCaption = "Fehler!";

void WarnInGroup(const std::string& text, const char* caption = kGroupCaption) {
    App().ui->MessageBox(text, caption, MsgButtons::Ok, MsgIcon::Warning);
}

const CNation* NationRecord(int nationNumber) {
    const auto& list = Daten().NationenListe;
    if (nationNumber < 0 || size_t(nationNumber) >= list.size()) return nullptr;
    return list[size_t(nationNumber)].get();
}

int CountryNation(int land) {
    return land >= 0 && land < kLaenderSlots ? App().NationNummer[size_t(land)] : -1;
}

std::string TrimmedName(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

// ---- squad sizes ----

SquadSizes SquadSizes::FromDataSet() {
    SquadSizes s;
    const auto& laender = Daten().AlleLaender;
    for (size_t l = 0; l < laender.size(); ++l)
        for (const auto& v : laender[l]->VereinsListe())
            s.Set(int(l), v->VereinsNummer(), int(v->SpielerListe().size()));
    return s;
}

int SquadSizes::Size(int land, int vereinsNummer) const {
    auto it = sizes_.find({land, vereinsNummer});
    return it == sizes_.end() ? 0 : it->second;
}

// ---- transfer chooser ----

std::vector<int> TransferCountries() {
    std::vector<int> out;
    const auto& laender = Daten().AlleLaender;
    for (size_t l = 0; l < laender.size(); ++l)
        if (!laender[l]->VereinsListe().empty()) out.push_back(int(l));
    return out;
}

std::string TransferCountryLine(int land) {
    const CNation* n = NationRecord(CountryNation(land));
    return n ? n->Name() + "\t" + n->Kuerzel() : std::string("?\t?");
}

std::vector<const CVerein*> TransferClubs(int land, const std::string& ownClub, const SquadSizes& sizes) {
    std::vector<const CVerein*> out;
    const auto& laender = Daten().AlleLaender;
    if (land < 0 || size_t(land) >= laender.size()) return out;
    for (const auto& v : laender[size_t(land)]->VereinsListe()) {
        if (v->Name() == ownClub) continue;
        if (sizes.Size(land, v->VereinsNummer()) < CVerein::kMaxSpieler) out.push_back(v.get());
    }
    return out;
}

// ---- fetch chooser ----

bool FetchAllowed(int clubPlayers) {
    if (clubPlayers >= kMindestKaderZumHolen) return true;
    WarnInGroup("Dieser Verein hat weniger als 17 Spieler.\nSie k\xC3\xB6nnen deshalb von dort keinen Spieler mehr holen!",
         kGroupErrorCaption);
    return false;
}

std::unique_ptr<CExSpieler> MakeFetchRecord(const CSpieler& player, int land, const CVerein& club) {
    auto r = std::make_unique<CExSpieler>();
    r->CopyDataFrom(player, CountryNation(land), club.VereinsNummer());
    return r;
}

std::vector<const CSpieler*> FetchCandidates(const CVerein& club, int mode, int n) {
    std::vector<const CSpieler*> out;
    for (const auto& p : club.SpielerListe()) {
        if (mode == kHolenFaehigkeit && (p->Hauptposition() == kKeeperPosition || p->Faehigkeit(n) != 1)) continue;
        if (mode == kHolenPosition && p->Hauptposition() != n) continue;
        out.push_back(p.get());
    }
    if (mode == kHolenFaehigkeit || mode == kHolenPosition)
        std::stable_sort(out.begin(), out.end(),
                         [](const CSpieler* a, const CSpieler* b) { return a->Nachname() < b->Nachname(); });
    return out;
}

// ---- pool of former players ----

FormerPoolRules::FormerPoolRules() : sizes_(SquadSizes::FromDataSet()) {
    for (const auto& p : Daten().ExSpielerListe) players_.push_back(std::make_unique<CExSpieler>(*p));
}

std::vector<std::string> FormerPoolRules::Lines() const {
    std::vector<std::string> out;
    for (const auto& p : players_) out.push_back(p->Nachname() + ", " + p->Vorname());
    if (out.empty()) out.emplace_back("Keiner");
    return out;
}

std::optional<int> FormerPoolRules::Wechseln(int index, int land, int vereinsNummer) {
    if (index < 0 || size_t(index) >= players_.size()) {
        WarnInGroup(kKeinSpielerGewaehlt);
        return std::nullopt;
    }
    const CExSpieler& p = *players_[size_t(index)];
    const std::string q = "Soll der Spieler " + Cp1252ToUtf8(p.Vorname()) + " " + Cp1252ToUtf8(p.Nachname()) +
                          "\nwirklich wechseln?";
    if (App().ui->MessageBox(q, kGroupCaption, MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
        return std::nullopt;
    auto record = std::make_unique<CExSpieler>();
    record->CopyDataFrom(static_cast<const CSpieler&>(p), CountryNation(land), vereinsNummer);
    transfers_.push_back(std::move(record));
    sizes_.Raise(land, vereinsNummer);
    players_.erase(players_.begin() + index);
    return players_.empty() ? -1 : std::min(index, int(players_.size()) - 1);
}

std::optional<int> FormerPoolRules::Loeschen(int index) {
    if (index < 0 || size_t(index) >= players_.size()) {
        WarnInGroup(kKeinSpielerGewaehlt);
        return std::nullopt;
    }
    players_.erase(players_.begin() + index);
    return players_.empty() ? -1 : std::min(index, int(players_.size()) - 1);
}

void FormerPoolRules::Apply() {
    auto& laender = Daten().AlleLaender;
    for (auto& t : transfers_) {
        const int land = NationNr(t->LetzterVereinNation());
        CVerein* club = land >= 0 && size_t(land) < laender.size()
                            ? laender[size_t(land)]->VereinMitNummer(t->LetzterVerein())
                            : nullptr;
        if (!club || int(club->SpielerListe().size()) >= CVerein::kMaxSpieler) {
            players_.push_back(std::move(t));
            continue;
        }
        auto player = std::make_unique<CSpieler>(static_cast<const CSpieler&>(*t));
        player->RueckenNummer(club->SucheFreieRueckenNummer());
        club->SpielerListe().push_back(std::move(player));
    }
    transfers_.clear();
    Daten().ExSpielerListe = std::move(players_);
    players_.clear();
}

// ---- national squad and overview ----

std::string OverviewLine(const SquadEntry& e, bool withFirstName, OverviewColumn column) {
    const CSpieler& p = *e.player;
    const CNation* n = NationRecord(p.NationNumber());
    const std::string pos(PositionShortText(p.Hauptposition()));
    const std::string kuerzel = n ? n->Kuerzel() : "-";
    const std::string club = e.club.empty() ? "-" : e.club;
    std::string line = pos + "\t" + kuerzel + "\t" + club + "\t" + p.Nachname();
    if (withFirstName) line += ", " + p.Vorname();
    line += "\t" + std::to_string(p.StoredAlter()) + "\t" + std::to_string(p.Staerke()) + "\t";
    if (column != OverviewColumn::None) {
        std::string traits;
        for (int t = 1; t <= 16; ++t) {
            const bool on = column == OverviewColumn::Charakter ? p.Charakter(t) : p.Eigenschaft(t);
            if (!on) continue;
            if (!traits.empty()) traits += ", ";
            traits += std::string(column == OverviewColumn::Charakter ? TraitText(t) : PropertyText(t));
        }
        line += traits;
    }
    return line;
}

NationalSquadRules::NationalSquadRules(int nation) : nation_(nation) {
    auto& d = Daten();
    for (size_t l = 0; l < d.AlleLaender.size(); ++l)
        for (auto& v : d.AlleLaender[l]->VereinsListe())
            for (auto& p : v->SpielerListe())
                if (p->NationNumber() == nation) candidates_.push_back({p.get(), int(l), v->Name()});
    for (auto& p : d.SonstigeSpielerListe)
        if (p->NationNumber() == nation) candidates_.push_back({p.get(), -1, {}});
    Init();
}

NationalSquadRules::NationalSquadRules(int nation, std::vector<SquadEntry> candidates)
    : nation_(nation), candidates_(std::move(candidates)) {
    Init();
}

void NationalSquadRules::Init() {
    std::stable_sort(candidates_.begin(), candidates_.end(),
                     [](const SquadEntry& a, const SquadEntry& b) { return a.player->Staerke() > b.player->Staerke(); });
    for (const auto& c : candidates_)
        if (c.player->NationalSpieler() & CSpieler::kImNationalkader) {
            squad_.push_back(c);
            previous_.push_back(c.player);
        }
}

bool NationalSquadRules::Add(int index) {
    if (index < 0 || size_t(index) >= candidates_.size()) {
        WarnInGroup(kKeinSpielerGewaehlt);
        return false;
    }
    if (int(squad_.size()) >= kMax) {
        WarnInGroup("Es k\xC3\xB6nnen nicht mehr als " + std::to_string(kMax) +
             " Spieler in der Nationalmannschaft spielen!");
        return false;
    }
    CSpieler* p = candidates_[size_t(index)].player;
    if (std::any_of(squad_.begin(), squad_.end(), [p](const SquadEntry& e) { return e.player == p; })) {
        WarnInGroup("Dieser Spieler spielt schon in der Nationalmannschaft!");
        return false;
    }
    squad_.push_back(candidates_[size_t(index)]);
    return true;
}

bool NationalSquadRules::Remove(int index) {
    if (index < 0 || size_t(index) >= squad_.size()) {
        WarnInGroup(kKeinSpielerGewaehlt);
        return false;
    }
    if (int(squad_.size()) <= kMin) {
        WarnInGroup("Es k\xC3\xB6nnen nicht weniger als " + std::to_string(kMin) +
             " Spieler in der Nationalmannschaft spielen!");
        return false;
    }
    const CSpieler& p = *squad_[size_t(index)].player;
    const std::string q = "Wollen Sie wirklich den Spieler " + Cp1252ToUtf8(p.Vorname()) + " " +
                          Cp1252ToUtf8(p.Nachname()) + "\naus der Nationalmannschaft entfernen?";
    if (App().ui->MessageBox(q, kGroupCaption, MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes) return false;
    squad_.erase(squad_.begin() + index);
    return true;
}

bool NationalSquadRules::Ok() {
    if (int(squad_.size()) > kMax) {
        WarnInGroup("Es k\xC3\xB6nnen nicht mehr als " + std::to_string(kMax) +
             " Spieler in der Nationalmannschaft spielen!");
        return false;
    }
    if (int(squad_.size()) < kMin) {
        WarnInGroup("Es k\xC3\xB6nnen nicht weniger als " + std::to_string(kMin) +
             " Spieler in der Nationalmannschaft spielen!");
        return false;
    }
    for (CSpieler* p : previous_) p->NationalSpieler(p->NationalSpieler() & ~CSpieler::kImNationalkader);
    for (const auto& e : squad_) e.player->NationalSpieler(e.player->NationalSpieler() | CSpieler::kImNationalkader);
    previous_.clear();
    for (const auto& e : squad_) previous_.push_back(e.player);
    return true;
}

// ---- youth and amateur players ----

YouthRules YouthRules::ForCountry(int land) {
    YouthRules r;
    r.land_ = land;
    auto& laender = Daten().AlleLaender;
    if (land >= 0 && size_t(land) < laender.size()) {
        for (const auto& p : laender[size_t(land)]->YouthPlayers())
            r.players_.push_back(std::make_unique<CAmateurJugendSpieler>(*p));
        for (const auto& v : laender[size_t(land)]->VereinsListe()) r.clubNames_.push_back(v->Name());
    }
    return r;
}

YouthRules YouthRules::ForPool(int pool) {
    YouthRules r;
    r.pool_ = pool;
    if (pool >= 0 && size_t(pool) < Daten().JugendPools.size())
        for (const auto& p : Daten().JugendPools[size_t(pool)])
            r.players_.push_back(std::make_unique<CAmateurJugendSpieler>(*p));
    return r;
}

YouthRules::YouthRules(const std::vector<CAmateurJugendSpieler>& players) {
    for (const auto& p : players) players_.push_back(std::make_unique<CAmateurJugendSpieler>(p));
}

std::string YouthRules::Line(size_t i) const {
    const auto& p = *players_[i];
    std::string line = p.Nachname() + ", " + p.Vorname();
    if (ClubsAllowed()) {
        const int c = p.VereinNr();
        line += "\t" + (c >= 1 && size_t(c) <= clubNames_.size() ? clubNames_[size_t(c - 1)] : std::string("Keiner"));
    }
    return line;
}

int YouthRules::PlayersWithClub() const {
    return int(std::count_if(players_.begin(), players_.end(), [](const auto& p) { return p->VereinNr() > 0; }));
}

bool YouthRules::ClubChoiceAllowed(int oldClub, int newClub) const {
    if (newClub <= 0 || oldClub > 0) return true;
    if (PlayersWithClub() * 10 <= int(players_.size())) return true;
    WarnInGroup("Leider nicht mehr m\xC3\xB6glich, Sie haben bereits 10% der\nJugendspieler dieses Landes einen Verein "
         "zugewiesen!");
    return false;
}

bool YouthRules::Edit(size_t i, const std::string& vorname, const std::string& nachname, int club) {
    const std::string v = TrimmedName(vorname), n = TrimmedName(nachname);
    if (v.empty() || n.empty()) {
        WarnInGroup("Der Name mu\xC3\x9F mindestens ein Zeichen lang sein!", kGroupErrorCaption);
        return false;
    }
    auto& p = *players_[i];
    if (p.Vorname() != v) p.Vorname(v);
    if (p.Nachname() != n) p.Nachname(n);
    if (ClubsAllowed()) {
        const int old = p.VereinNr();
        if (club != old && !(club <= 0 && old <= 0)) {
            if (!ClubChoiceAllowed(old, club)) return false;
            p.VereinNr(std::max(club, 0));
        }
    }
    return true;
}

void YouthRules::Apply() {
    auto& laender = Daten().AlleLaender;
    if (land_ >= 0 && size_t(land_) < laender.size()) laender[size_t(land_)]->YouthPlayers() = std::move(players_);
    else if (pool_ >= 0 && size_t(pool_) < Daten().JugendPools.size())
        Daten().JugendPools[size_t(pool_)] = std::move(players_);
    players_.clear();
}

}  // namespace v3
