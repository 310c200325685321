#include "editors/spieler/rules/SquadEditor.h"

#include <algorithm>
#include <array>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/SpielerTexte.h"

namespace v3 {
namespace {

constexpr const char* kSquadCaption = "Achtung!";
constexpr const char* kLetzterGeloescht = "Der letzte Spieler kann nicht\nmehr gel\xC3\xB6scht werden!";

void SquadWarn(const std::string& text) {
    App().ui->MessageBox(text, kSquadCaption, MsgButtons::Ok, MsgIcon::Warning);
}

bool SquadAsk(const std::string& text, MsgButtons buttons) {
    const MsgResult r = App().ui->MessageBox(text, kSquadCaption, buttons, MsgIcon::Question);
    return r == MsgResult::Ok || r == MsgResult::Yes;
}

std::string SquadText(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

int NationOfLand(int land) {
    return land >= 0 && land < kLaenderSlots ? App().NationNummer[size_t(land)] : 0;
}

std::string FullMessage(size_t n) {
    return "Es sind bereits " + std::to_string(n) + " Spieler bei diesem Verein!";
}

// The club of `clubs` with number `nr` (its position + 1 when none says so).
CVerein* ClubByNumber(OwnedList<CVerein>& clubs, int nr) {
    for (auto& v : clubs)
        if (v && v->VereinsNummer() == nr) return v.get();
    if (nr >= 1 && size_t(nr) <= clubs.size()) return clubs[size_t(nr - 1)].get();
    return nullptr;
}

// Whether `a` goes before `b` under one key of the squad sorts.
bool SquadBefore(const CSpieler& a, const CSpieler& b, SquadSort key) {
    switch (key) {
    case SquadSort::Position:
        return a.Hauptposition() < b.Hauptposition();
    case SquadSort::Staerke:
        return a.Staerke() > b.Staerke();
    case SquadSort::Name:
        return a.Nachname() < b.Nachname();
    }
    return false;
}

}  // namespace

// ---- working set ----

SquadWorkingSet SquadWorkingSet::FromDataSet() {
    SquadWorkingSet s = FromDataSet(-1);
    auto& laender = Daten().AlleLaender;
    for (size_t l = 0; l < laender.size(); ++l) {
        if (s.laender[l].copied) continue;
        SelectionCountry& c = s.laender[l];
        c.copied = true;
        for (const auto& v : laender[l]->VereinsListe()) c.vereine.push_back(std::make_unique<CVerein>(*v));
        for (const auto& t : laender[l]->Coaches()) c.trainer.push_back(std::make_unique<CTrainerUndCo>(*t));
        for (const auto& m : laender[l]->Managers()) c.manager.push_back(std::make_unique<CManager>(*m));
    }
    return s;
}

SquadWorkingSet SquadWorkingSet::FromDataSet(int land) {
    SquadWorkingSet s;
    auto& d = Daten();
    s.laender.resize(d.AlleLaender.size());
    if (land >= 0 && size_t(land) < d.AlleLaender.size()) {
        const CLand& l = *d.AlleLaender[size_t(land)];
        SelectionCountry& c = s.laender[size_t(land)];
        c.copied = true;
        c.vereine.reserve(l.VereinsListe().size());
        for (const auto& v : l.VereinsListe()) c.vereine.push_back(std::make_unique<CVerein>(*v));
        for (const auto& t : l.Coaches()) c.trainer.push_back(std::make_unique<CTrainerUndCo>(*t));
        for (const auto& m : l.Managers()) c.manager.push_back(std::make_unique<CManager>(*m));
    }
    for (const auto& p : d.ExSpielerListe) s.exSpieler.push_back(std::make_unique<CExSpieler>(*p));
    s.groessen = SquadSizes::FromDataSet();
    return s;
}

CVerein* SquadWorkingSet::Verein(int land, int vereinsNummer) {
    if (land < 0 || size_t(land) >= laender.size()) return nullptr;
    return ClubByNumber(laender[size_t(land)].vereine, vereinsNummer);
}

void SquadWorkingSet::Uebernehmen() {
    auto& d = Daten();
    for (size_t l = 0; l < laender.size() && l < d.AlleLaender.size(); ++l) {
        SelectionCountry& c = laender[l];
        if (!c.copied) continue;
        CLand& land = *d.AlleLaender[l];
        land.VereinsListe(std::move(c.vereine));
        land.Coaches() = std::move(c.trainer);
        land.Managers() = std::move(c.manager);
        c = SelectionCountry{};
    }
    d.ExSpielerListe = std::move(exSpieler);
    exSpieler.clear();
}

// ---- apply step ----

OwnedList<CVerein>* ClubsOfCountry(SquadWorkingSet& set, int land) {
    if (land >= 0 && size_t(land) < set.laender.size() && set.laender[size_t(land)].copied)
        return &set.laender[size_t(land)].vereine;
    auto& laender = Daten().AlleLaender;
    if (land >= 0 && size_t(land) < laender.size()) return &laender[size_t(land)]->VereinsListe();
    return nullptr;
}

bool GiveAwayInto(OwnedList<CVerein>& clubs, const CExSpieler& record) {
    CVerein* club = ClubByNumber(clubs, record.LetzterVerein());
    if (!club || int(club->SpielerListe().size()) >= CVerein::kMaxSpieler) return false;
    auto p = std::make_unique<CSpieler>(static_cast<const CSpieler&>(record));
    p->RueckenNummer(club->SucheFreieRueckenNummer());
    club->SpielerListe().push_back(std::move(p));
    return true;
}

bool RemoveFetched(OwnedList<CVerein>& clubs, const CExSpieler& record) {
    CVerein* club = ClubByNumber(clubs, record.LetzterVerein());
    if (!club) return false;
    auto& list = club->SpielerListe();
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& p) {
        return p && p->Nachname() == record.Nachname() && p->Vorname() == record.Vorname();
    });
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

void CorrectBest(CSpieler& p) {
    if (p.BesterSpielerMaske() != 0 && p.Hauptposition() != p.BesterHauptposition()) p.BesterHauptposition(0);
    const int n = p.BesterSpieler();
    if (n >= 1 && n <= 16 && p.Faehigkeit(n) <= 0) p.BesterSpieler(0);
}

void ApplyTransfers(SquadWorkingSet& set, OwnedList<CExSpieler>& abgegeben, OwnedList<CExSpieler>& geholt) {
    for (auto& r : abgegeben) {
        const int ziel = NationNr(r->LetzterVereinNation());
        OwnedList<CVerein>* clubs = ClubsOfCountry(set, ziel);
        if (clubs && GiveAwayInto(*clubs, *r)) {
            set.groessen.Set(ziel, r->LetzterVerein(),
                             int(ClubByNumber(*clubs, r->LetzterVerein())->SpielerListe().size()));
        } else {
            // A target that cannot take him (gone or full) leaves him among
            // the former players rather than losing him.
            set.exSpieler.insert(set.exSpieler.begin(), std::move(r));
        }
    }
    abgegeben.clear();
    for (auto& r : geholt) {
        const int quelle = NationNr(r->LetzterVereinNation());
        OwnedList<CVerein>* clubs = ClubsOfCountry(set, quelle);
        if (clubs && RemoveFetched(*clubs, *r))
            set.groessen.Set(quelle, r->LetzterVerein(),
                             int(ClubByNumber(*clubs, r->LetzterVerein())->SpielerListe().size()));
        set.geholt.push_back(std::move(r));
    }
    geholt.clear();
}

void SpielerEditorAnwenden(SquadWorkingSet& set, int land, CVerein& club, SquadEditorResult result) {
    club.SpielerListe(std::move(result.spieler));
    set.exSpieler = std::move(result.exSpieler);
    if (land >= 0 && size_t(land) < set.laender.size()) {
        set.laender[size_t(land)].trainer = std::move(result.freieTrainer);
        set.laender[size_t(land)].manager = std::move(result.freieManager);
    }
    if (CVerein* p = result.trainerPartner ? set.Verein(land, result.trainerPartner) : nullptr)
        p->Trainer(result.alterTrainer);
    if (CVerein* p = result.managerPartner ? set.Verein(land, result.managerPartner) : nullptr)
        p->Manager(result.alterManager);

    ApplyTransfers(set, result.abgegeben, result.geholt);
    club.Trainer(result.trainer);
    club.Manager(result.manager);
    set.groessen.Set(land, club.VereinsNummer(), int(club.SpielerListe().size()));
}

// ---- list lines and sorting ----

std::string NationKuerzel(int n) {
    if (n < 0 || n > 117) n = 0;
    const auto& list = Daten().NationenListe;
    return size_t(n) < list.size() ? list[size_t(n)]->Kuerzel() : std::string();
}

std::string SquadPlayerLine(const CSpieler& p, bool withNumber) {
    std::string line(PositionShortText(p.Hauptposition()));
    line += '\t';
    line += p.Nachname() + ", ";
    if (p.Nachname().size() + 2 + p.Vorname().size() < 28) {
        line += p.Vorname();
    } else {
        line += p.Vorname().empty() ? '-' : p.Vorname()[0];
        line += '.';
    }
    line += '\t' + std::to_string(p.Staerke()) + '\t' + NationKuerzel(p.NationNumber()) + '\t';
    if (withNumber) line += std::to_string(p.RueckenNummer());
    return line;
}

std::string SquadStaffLine(LineKind kind, const std::string& nachname, const std::string& vorname, int kompetenz) {
    return std::string(kind == LineKind::Trainer ? "TRA" : "MA") + '\t' + nachname + ", " + vorname + '\t' +
           std::to_string(kompetenz);
}

void SortPass(OwnedList<CSpieler>& list, SquadSort key) {
    std::stable_sort(list.begin(), list.end(),
                     [key](const auto& a, const auto& b) { return SquadBefore(*a, *b, key); });
}

void SortSquad(OwnedList<CSpieler>& list, SquadSort header) {
    static constexpr std::array<std::array<SquadSort, 3>, 3> kPasses = {{
        {SquadSort::Name, SquadSort::Staerke, SquadSort::Position},  // "Pos."
        {SquadSort::Position, SquadSort::Staerke, SquadSort::Name},  // "Spieler"
        {SquadSort::Name, SquadSort::Position, SquadSort::Staerke},  // "Stärke"
    }};
    for (SquadSort k : kPasses[size_t(header)]) SortPass(list, k);
}

std::string DuplicateNumberLines(const OwnedList<CSpieler>& list) {
    std::string out;
    for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (list[j]->RueckenNummer() == list[i]->RueckenNummer()) {
                out += "Der Spieler " + SquadText(list[i]->Nachname()) + " " + SquadText(list[i]->Vorname()) +
                       " hat die gleiche R\xC3\xBC" "ckennummer wie " + SquadText(list[j]->Nachname()) + " " +
                       SquadText(list[j]->Vorname()) + "!\n";
                break;
            }
    return out;
}

int HomePlayers(const OwnedList<CSpieler>& list, int nation) {
    int n = 0;
    for (const auto& p : list) {
        if (p->NationNumber() == nation) ++n;
        if (p->Fussballinlaender()) ++n;
    }
    return n;
}

// ---- the editor's rules ----

SquadEditorRules::SquadEditorRules(SquadWorkingSet& set, int land, CVerein& club) : mode_(1), land_(land), club_(&club) {
    for (const auto& p : club.SpielerListe()) own_.spieler.push_back(std::make_unique<CSpieler>(*p));
    for (const auto& p : set.exSpieler) own_.exSpieler.push_back(std::make_unique<CExSpieler>(*p));
    if (land >= 0 && size_t(land) < set.laender.size()) {
        for (const auto& t : set.laender[size_t(land)].trainer)
            own_.freieTrainer.push_back(std::make_unique<CTrainerUndCo>(*t));
        for (const auto& m : set.laender[size_t(land)].manager)
            own_.freieManager.push_back(std::make_unique<CManager>(*m));
        vereine_ = &set.laender[size_t(land)].vereine;
    }
    own_.trainer = own_.alterTrainer = club.Trainer();
    own_.manager = own_.alterManager = club.Manager();
    groessen_ = &set.groessen;
    selectionFetched_ = &set.geholt;
    Bind();
}

SquadEditorRules::SquadEditorRules(const OwnedList<CSpieler>& others) : mode_(2), land_(App().AktuellesLand) {
    for (const auto& p : others) own_.spieler.push_back(std::make_unique<CSpieler>(*p));
    groessen_ = &ownSizes_;
    Bind();
}

SquadEditorRules::SquadEditorRules(const Binding& b) : mode_(1), bound_(true), land_(b.land), club_(b.club) {
    Bind();
    spieler_ = &b.club->SpielerListe();
    exSpieler_ = b.exSpieler;
    geholt_ = b.geholt;
    abgegeben_ = b.abgegeben;
    freieTrainer_ = b.freieTrainer;
    freieManager_ = b.freieManager;
    vereine_ = b.vereine;
    groessen_ = b.groessen;
    own_.trainer = b.club->Trainer();
    own_.manager = b.club->Manager();
}

void SquadEditorRules::Bind() {
    spieler_ = &own_.spieler;
    exSpieler_ = &own_.exSpieler;
    geholt_ = &own_.geholt;
    abgegeben_ = &own_.abgegeben;
    freieTrainer_ = &own_.freieTrainer;
    freieManager_ = &own_.freieManager;
    trainer_ = &own_.trainer;
    manager_ = &own_.manager;
    if (!vereine_) vereine_ = &noClubs_;
}

void SquadEditorRules::StoreStaff() {
    if (!bound_) return;
    club_->Trainer(*trainer_);
    club_->Manager(*manager_);
}

int SquadEditorRules::Nation() const { return NationOfLand(land_); }

LineKind SquadEditorRules::Kind(size_t line) const {
    if (line < spieler_->size()) return LineKind::Spieler;
    return line == spieler_->size() ? LineKind::Trainer : LineKind::Manager;
}

std::string SquadEditorRules::Line(size_t line) const {
    switch (Kind(line)) {
    case LineKind::Spieler:
        return SquadPlayerLine(*(*spieler_)[line], mode_ == 1);
    case LineKind::Trainer:
        return SquadStaffLine(LineKind::Trainer, trainer_->Nachname(), trainer_->Vorname(), trainer_->Kompetenz());
    case LineKind::Manager:
        return SquadStaffLine(LineKind::Manager, manager_->Nachname(), manager_->Vorname(), manager_->Kompetenz());
    }
    return {};
}

std::string SquadEditorRules::Title(size_t line) const {
    std::string t = mode_ == 1 ? "Verein - " + (club_ ? club_->Name() : std::string()) + "    " : "Sonstige Spieler - ";
    if (line >= LineCount()) return t;
    switch (Kind(line)) {
    case LineKind::Spieler:
        return t + "Spieler - " + (*spieler_)[line]->Vorname() + " " + (*spieler_)[line]->Nachname();
    case LineKind::Trainer:
        return t + "Trainer - " + trainer_->Vorname() + " " + trainer_->Nachname();
    case LineKind::Manager:
        return t + "Manager - " + manager_->Vorname() + " " + manager_->Nachname();
    }
    return t;
}

ShirtNumberTable SquadEditorRules::Numbers() const {
    ShirtNumberTable table{};
    for (const auto& p : *spieler_)
        if (p->RueckenNummer() >= 0 && p->RueckenNummer() < 100 && !table[size_t(p->RueckenNummer())])
            table[size_t(p->RueckenNummer())] = p.get();
    return table;
}

double SquadEditorRules::AverageStrength() const {
    if (spieler_->empty()) return 0.0;
    double sum = 0;
    for (const auto& p : *spieler_) sum += p->Staerke();
    return sum / double(spieler_->size());
}

bool SquadEditorRules::RefuseFull() const {
    if (mode_ != 1 || int(spieler_->size()) < kMaxKader) return false;
    SquadWarn(FullMessage(spieler_->size()));
    return true;
}

bool SquadEditorRules::RefuseNational(const CSpieler& p) const {
    if ((p.NationalSpieler() & CSpieler::kImNationalkader) == 0) return false;
    SquadWarn("Sie k\xC3\xB6nnen den Spieler " + SquadText(p.Vorname()) + " " + SquadText(p.Nachname()) +
              " nicht l\xC3\xB6schen, da er in der Nationalmannschaft spielt!\n");
    return true;
}

std::optional<int> SquadEditorRules::Insert(std::unique_ptr<CSpieler> p, int) {
    if (mode_ == 1) {
        std::array<bool, 100> used{};
        for (const auto& s : *spieler_)
            if (s->RueckenNummer() >= 0 && s->RueckenNummer() < 100) used[size_t(s->RueckenNummer())] = true;
        int n = 1;
        while (n < 99 && used[size_t(n)]) ++n;
        p->RueckenNummer(n);
    }
    spieler_->push_back(std::move(p));
    return int(spieler_->size()) - 1;
}

std::optional<int> SquadEditorRules::Remove(size_t index) {
    spieler_->erase(spieler_->begin() + std::ptrdiff_t(index));
    if (spieler_->empty()) return LineCount() > 0 ? std::optional<int>(0) : std::optional<int>(-1);
    return int(std::min(index, spieler_->size() - 1));
}

std::optional<int> SquadEditorRules::Neu(int line, const WritePage& write) {
    if (RefuseFull()) return std::nullopt;
    if (!write()) return std::nullopt;
    auto p = std::make_unique<CSpieler>();
    if (mode_ == 1) {
        p->Nationalitaet(Nation());
    } else if (line >= 0 && size_t(line) < spieler_->size()) {
        p->Nationalitaet((*spieler_)[size_t(line)]->NationNumber());
    }
    p->Nachname("");
    p->Vorname("");
    p->Kuenstlername("");
    p->Publikum(1);
    p->Verletzung(1);
    return Insert(std::move(p), line);
}

const CSpieler* SquadEditorRules::SpielerZumEntfernen(int line, const char* letzter) const {
    if (line < 0 || size_t(line) >= spieler_->size()) {
        SquadWarn(kKeinSpielerGewaehlt);
        return nullptr;
    }
    if (spieler_->size() < 2) {
        SquadWarn(letzter);
        return nullptr;
    }
    return (*spieler_)[size_t(line)].get();
}

std::optional<int> SquadEditorRules::LoeschenZuEhemaligen(int line, const WritePage& write) {
    if (!write()) return std::nullopt;
    const CSpieler* gewaehlt = SpielerZumEntfernen(line, kLetzterGeloescht);
    if (!gewaehlt || RefuseNational(*gewaehlt)) return std::nullopt;
    const CSpieler& p = *gewaehlt;
    const bool named = !p.Vorname().empty() || !p.Nachname().empty();
    const std::string q = named ? "Wollen Sie wirklich den Spieler\n" + SquadText(p.Vorname()) + " " + SquadText(p.Nachname()) + " l\xC3\xB6schen?"
                                : "Wollen Sie wirklich den Spieler\nohne Namen l\xC3\xB6schen?";
    if (!SquadAsk(q, MsgButtons::OkCancel)) return std::nullopt;
    if (!p.Vorname().empty() && !p.Nachname().empty()) {
        auto ex = std::make_unique<CExSpieler>();
        ex->CopyDataFrom(p, Nation(), club_ ? club_->VereinsNummer() : 0);
        exSpieler_->insert(exSpieler_->begin(), std::move(ex));
    }
    return Remove(size_t(line));
}

std::optional<int> SquadEditorRules::EndgueltigLoeschen(int line) {
    const CSpieler* gewaehlt = SpielerZumEntfernen(line, kLetzterGeloescht);
    if (!gewaehlt || RefuseNational(*gewaehlt)) return std::nullopt;
    const CSpieler& p = *gewaehlt;
    const bool named = !p.Vorname().empty() || !p.Nachname().empty();
    const std::string q =
        named ? "Wollen Sie den Spieler " + SquadText(p.Vorname()) + " " + SquadText(p.Nachname()) +
                    " wirklich endg\xC3\xBCltig l\xC3\xB6schen? (Wenn sie die Daten gespeichert haben, kann diese Aktion "
                    "nicht mehr r\xC3\xBC" "ckg\xC3\xA4ngig gemacht werden!)"
              : "Wollen Sie wirklich den Spieler\nohne Namen l\xC3\xB6schen?";
    if (!SquadAsk(q, MsgButtons::OkCancel)) return std::nullopt;
    return Remove(size_t(line));
}

std::optional<int> SquadEditorRules::Ehemalige(int line, const WritePage& write,
                                               const std::function<std::optional<int>()>& choose) {
    if (RefuseFull()) return std::nullopt;
    if (exSpieler_->empty()) {
        SquadWarn("Es sind derzeit keine Spieler im Pool!");
        return std::nullopt;
    }
    if (!write()) return std::nullopt;
    const std::optional<int> i = choose();
    if (!i || *i < 0 || size_t(*i) >= exSpieler_->size()) return std::nullopt;
    auto p = std::make_unique<CSpieler>(static_cast<const CSpieler&>(*(*exSpieler_)[size_t(*i)]));
    exSpieler_->erase(exSpieler_->begin() + *i);
    return Insert(std::move(p), line);
}

std::optional<int> SquadEditorRules::Wechsel(int line, const WritePage& write,
                                             const std::function<std::optional<std::pair<int, int>>()>& choose) {
    const CSpieler* gewaehlt = SpielerZumEntfernen(line, "Der letzte Spieler kann nicht mehr wechseln!");
    if (!gewaehlt || !write()) return std::nullopt;
    const auto target = choose();
    if (!target) return std::nullopt;
    const CSpieler& p = *gewaehlt;
    if (!SquadAsk("Soll der Spieler " + SquadText(p.Vorname()) + " " + SquadText(p.Nachname()) + "\nwirklich wechseln?",
                  MsgButtons::OkCancel))
        return std::nullopt;
    auto r = std::make_unique<CExSpieler>();
    r->CopyDataFrom(p, NationOfLand(target->first), target->second);
    abgegeben_->insert(abgegeben_->begin(), std::move(r));
    groessen_->Raise(target->first, target->second);
    return Remove(size_t(line));
}

std::optional<int> SquadEditorRules::Holen(int line, const WritePage& write,
                                           const std::function<std::unique_ptr<CExSpieler>()>& choose) {
    if (RefuseFull()) return std::nullopt;
    if (line < 0 || !write()) return std::nullopt;
    std::unique_ptr<CExSpieler> r = choose();
    if (!r) return std::nullopt;
    if (AlreadyFetched(*r)) {
        // The chooser lists the data set, which keeps a fetched player until
        // the selection is confirmed: a second copy of him would be a double.
        SquadWarn("Dieser Spieler wurde bereits geholt!");
        return std::nullopt;
    }
    auto p = std::make_unique<CSpieler>(static_cast<const CSpieler&>(*r));
    geholt_->push_back(std::move(r));
    return Insert(std::move(p), line);
}

bool SquadEditorRules::AlreadyFetched(const CExSpieler& r) const {
    for (const OwnedList<CExSpieler>* list : {static_cast<const OwnedList<CExSpieler>*>(geholt_), selectionFetched_}) {
        if (!list) continue;
        for (const auto& f : *list)
            if (f->LetzterVereinNation() == r.LetzterVereinNation() && f->LetzterVerein() == r.LetzterVerein() &&
                f->Nachname() == r.Nachname() && f->Vorname() == r.Vorname())
                return true;
    }
    return false;
}

bool SquadEditorRules::SpielerErsetzt(int line, LineKind staff) {
    const CSpieler* gewaehlt = SpielerZumEntfernen(line, kLetzterGeloescht);
    if (!gewaehlt || RefuseNational(*gewaehlt)) return false;
    const CSpieler& p = *gewaehlt;
    const bool trainer = staff == LineKind::Trainer;
    const std::string q = std::string("Wollen Sie den ") + (trainer ? "Trainer" : "Manager") +
                          " des Vereins wirklich durch den Spieler " + SquadText(p.Vorname()) + " " + SquadText(p.Nachname()) +
                          " ersetzen?";
    if (!SquadAsk(q, MsgButtons::YesNo)) return false;
    auto uebernimm = [&p](auto& person) {
        person.Nachname(p.Nachname());
        person.Vorname(p.Vorname());
        person.GeburtsDatum(p.GeburtsDatum());
        person.Kompetenz(p.Staerke());
        person.Alter(p.StoredAlter());
    };
    if (trainer)
        uebernimm(*trainer_);
    else
        uebernimm(*manager_);
    spieler_->erase(spieler_->begin() + line);
    StoreStaff();
    return true;
}

bool SquadEditorRules::CanReplace(LineKind staff) const {
    return staff == LineKind::Trainer ? !freieTrainer_->empty() : !freieManager_->empty();
}

bool SquadEditorRules::Ersetzen(LineKind staff, const std::function<std::optional<int>()>& choose) {
    if (!CanReplace(staff)) return false;
    const std::optional<int> i = choose();
    if (!i || *i < 0) return false;
    if (staff == LineKind::Trainer) {
        if (size_t(*i) >= freieTrainer_->size()) return false;
        CTrainerUndCo& neu = *(*freieTrainer_)[size_t(*i)];
        if (!SquadAsk("Wollen Sie wirklich den Trainer dieses Vereins durch den Trainer " + SquadText(neu.Nachname()) + " " +
                          SquadText(neu.Vorname()) + " ersetzen?",
                      MsgButtons::YesNo))
            return false;
        std::swap(neu, *trainer_);
    } else {
        if (size_t(*i) >= freieManager_->size()) return false;
        CManager& neu = *(*freieManager_)[size_t(*i)];
        if (!SquadAsk("Wollen Sie wirklich den Manager dieses Vereins durch den Manager " + SquadText(neu.Nachname()) + " " +
                          SquadText(neu.Vorname()) + " ersetzen?",
                      MsgButtons::YesNo))
            return false;
        std::swap(neu, *manager_);
    }
    StoreStaff();
    return true;
}

bool SquadEditorRules::Tauschen(LineKind staff, const CVerein* partner) {
    if (!partner || partner == club_) return false;
    CVerein* other = nullptr;
    for (const auto& v : *vereine_)
        if (v.get() == partner) other = v.get();
    if (!other) return false;
    if (bound_) {
        // Both clubs are working copies of the same editor: swap at once.
        if (staff == LineKind::Trainer) {
            const CTrainerUndCo mine = *trainer_;
            *trainer_ = other->Trainer();
            other->Trainer(mine);
        } else {
            const CManager mine = *manager_;
            *manager_ = other->Manager();
            other->Manager(mine);
        }
        StoreStaff();
        return true;
    }
    if (staff == LineKind::Trainer) {
        *trainer_ = other->Trainer();
        own_.trainerPartner = other->VereinsNummer();
    } else {
        *manager_ = other->Manager();
        own_.managerPartner = other->VereinsNummer();
    }
    return true;
}

bool SquadEditorRules::Renumber(const WritePage& write) {
    if (!write()) return false;
    if (!SquadAsk("Wollen Sie wirklich die R\xC3\xBC" "ckennummern komplett neu vergeben? Auch vorhandene Spieler erhalten "
                  "dann evtl. eine neue R\xC3\xBC" "ckennummer!",
                  MsgButtons::YesNo))
        return false;
    for (auto& p : *spieler_) p->RueckenNummer(0);
    CVerein::RueckenNrEinstellen(*spieler_);
    return true;
}

bool SquadEditorRules::Ok(const WritePage& write) {
    bool r = write();
    if (mode_ != 1) return r;
    const std::string dup = DuplicateNumberLines(*spieler_);
    if (!dup.empty()) {
        SquadWarn(dup);
        r = false;
    }
    if (r && int(spieler_->size()) < kMinKader) {
        SquadWarn("Jeder Verein mu\xC3\x9F mindestens\n16 Spieler haben!");
        r = false;
    }
    if (r && land_ == 0 && HomePlayers(*spieler_, Nation()) < kMinHeimspieler) {
        SquadWarn("Jeder Verein mu\xC3\x9F mindestens zehn Spieler\naus dem eigenen Land haben!");
        r = false;
    }
    if (!r) return false;
    for (auto& p : *spieler_) CorrectBest(*p);
    for (auto& p : *exSpieler_) CorrectBest(*p);
    for (auto& p : *abgegeben_) CorrectBest(*p);
    for (auto& p : *geholt_) CorrectBest(*p);
    return true;
}

SquadEditorResult SquadEditorRules::TakeResult() {
    SquadEditorResult r = std::move(own_);
    own_ = SquadEditorResult{};
    Bind();
    return r;
}

void SquadEditorRules::ApplyOthers() {
    Daten().SonstigeSpielerListe = std::move(own_.spieler);
    own_.spieler.clear();
}

void SquadEditorRules::Cancel() {
    for (const auto& r : *abgegeben_) {
        const int ziel = NationNr(r->LetzterVereinNation());
        groessen_->Set(ziel, r->LetzterVerein(), groessen_->Size(ziel, r->LetzterVerein()) - 1);
    }
}

}  // namespace v3
