#include "editors/spieler/rules/AllPlayers.h"

#include <algorithm>

#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/SpielerTexte.h"

namespace v3 {
namespace {

void AllWarn(const std::string& text) {
    App().ui->MessageBox(text, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
}

char AllInitial(const std::string& vorname) { return vorname.empty() ? '-' : vorname[0]; }

// Byte-wise comparison of a.first + a.second with b.first + b.second, without
// building the joined texts.
int CompareJoined(const std::string& a1, const std::string& a2, const std::string& b1, const std::string& b2) {
    const size_t na = a1.size() + a2.size(), nb = b1.size() + b2.size();
    for (size_t i = 0; i < na && i < nb; ++i) {
        const auto ca = static_cast<unsigned char>(i < a1.size() ? a1[i] : a2[i - a1.size()]);
        const auto cb = static_cast<unsigned char>(i < b1.size() ? b1[i] : b2[i - b1.size()]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

}  // namespace

AllPlayersRules::AllPlayersRules(int land) : land_(land), set_(SquadWorkingSet::FromDataSet(land)) {
    if (size_t(land_) >= set_.laender.size()) set_.laender.resize(size_t(land_) + 1);
    entries_.resize(kEntries);
    auto& clubs = Clubs();
    App().ui->ProgressOpen("Bitte einen Moment Geduld...", 0, int(clubs.size()));
    App().ui->ProgressSetStep(1);
    size_t e = 0;
    auto add = [&](int kind, int club, CSpieler* p) {
        if (e < kEntries) entries_[e++] = Entry{kind, club, p};
    };
    for (size_t c = 0; c < clubs.size(); ++c) {
        CVerein& v = *clubs[c];
        set_.groessen.Set(land_, v.VereinsNummer(), int(v.SpielerListe().size()));
        if (v.Amateurabteilung() != 0) ++amateurLinks_;
        for (auto& p : v.SpielerListe()) add(int(LineKind::Spieler), int(c), p.get());
        add(int(LineKind::Trainer), int(c), nullptr);
        add(int(LineKind::Manager), int(c), nullptr);
        App().ui->ProgressStepIt();
    }
    App().ui->ProgressClose();
    RebuildRows();
}

void AllPlayersRules::RebuildRows() {
    rows_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].kind >= 0) rows_.push_back(int(i));
}

int AllPlayersRules::FreeEntry() const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].kind < 0) return int(i);
    return -1;
}

std::string AllPlayersRules::Line(int row) const {
    const Entry& e = RowEntry(row);
    const CVerein& v = *set_.laender[size_t(land_)].vereine[size_t(e.club)];
    if (e.kind == int(LineKind::Spieler)) {
        const CSpieler& p = *e.player;
        return std::string(PositionShortText(p.Hauptposition())) + '\t' + p.Nachname() + ", " + AllInitial(p.Vorname()) +
               ".\t" + std::to_string(p.Staerke()) + '\t' + v.Name() + '\t' + NationKuerzel(p.NationNumber());
    }
    const bool trainer = e.kind == int(LineKind::Trainer);
    return std::string(trainer ? "TRA" : "MA") + '\t' + (trainer ? v.Trainername() : v.Managername()) + ", " +
           AllInitial(trainer ? v.TrainerVorname() : v.ManagerVorname()) + ".\t" +
           std::to_string(trainer ? v.KompTrainer() : v.KompManager()) + '\t' + v.Name();
}

std::string AllPlayersRules::Title(int row) const {
    const Entry& e = RowEntry(row);
    const CVerein& v = *set_.laender[size_t(land_)].vereine[size_t(e.club)];
    std::string t = "Verein - " + v.Name() + "    ";
    if (e.kind == int(LineKind::Spieler)) return t + "Spieler - " + e.player->Vorname() + " " + e.player->Nachname();
    if (e.kind == int(LineKind::Trainer)) return t + "Trainer - " + v.TrainerVorname() + " " + v.Trainername();
    return t + "Manager - " + v.ManagerVorname() + " " + v.Managername();
}

void AllPlayersRules::Sort(AllSort key) {
    keys_.erase(std::remove(keys_.begin(), keys_.end(), key), keys_.end());
    keys_.insert(keys_.begin(), key);
    if (keys_.size() > 3) keys_.resize(3);

    const auto& clubs = Clubs();
    auto compare = [&](const Entry& a, const Entry& b, AllSort k) -> int {
        const CVerein& va = *clubs[size_t(a.club)];
        const CVerein& vb = *clubs[size_t(b.club)];
        switch (k) {
        case AllSort::Position: {
            const int pa = a.kind == 0 ? a.player->Hauptposition() : 10 + a.kind;
            const int pb = b.kind == 0 ? b.player->Hauptposition() : 10 + b.kind;
            return pa < pb ? -1 : (pa > pb ? 1 : 0);
        }
        case AllSort::Name: {
            const std::string& na = a.kind == 0 ? a.player->Nachname() : a.kind == 1 ? va.Trainername() : va.Managername();
            const std::string& fa = a.kind == 0 ? a.player->Vorname() : a.kind == 1 ? va.TrainerVorname() : va.ManagerVorname();
            const std::string& nb = b.kind == 0 ? b.player->Nachname() : b.kind == 1 ? vb.Trainername() : vb.Managername();
            const std::string& fb = b.kind == 0 ? b.player->Vorname() : b.kind == 1 ? vb.TrainerVorname() : vb.ManagerVorname();
            return CompareJoined(na, fa, nb, fb);
        }
        case AllSort::Staerke: {  // descending
            const int sa = a.kind == 0 ? a.player->Staerke() : a.kind == 1 ? va.KompTrainer() : va.KompManager();
            const int sb = b.kind == 0 ? b.player->Staerke() : b.kind == 1 ? vb.KompTrainer() : vb.KompManager();
            return sa > sb ? -1 : (sa < sb ? 1 : 0);
        }
        case AllSort::Verein:
            return va.Name().compare(vb.Name()) < 0 ? -1 : (va.Name() == vb.Name() ? 0 : 1);
        }
        return 0;
    };
    // Free entries last; then the clicked key; ties by the key chosen before,
    // and ties of both by the oldest key kept.
    std::stable_sort(entries_.begin(), entries_.end(), [&](const Entry& a, const Entry& b) {
        if ((a.kind < 0) != (b.kind < 0)) return b.kind < 0;
        if (a.kind < 0) return false;
        for (AllSort k : keys_)
            if (const int c = compare(a, b, k)) return c < 0;
        return false;
    });
    RebuildRows();
}

SquadEditorRules::Binding AllPlayersRules::BindingFor(int row) {
    SquadEditorRules::Binding b;
    b.land = land_;
    b.club = &RowClub(row);
    b.vereine = &Clubs();
    b.exSpieler = &set_.exSpieler;
    b.geholt = &geholt_;
    b.abgegeben = &abgegeben_;
    b.freieTrainer = &set_.laender[size_t(land_)].trainer;
    b.freieManager = &set_.laender[size_t(land_)].manager;
    b.groessen = &set_.groessen;
    return b;
}

std::optional<int> AllPlayersRules::Command(int row, bool adds, const SquadCommand& command) {
    if (row < 0 || size_t(row) >= rows_.size()) {
        AllWarn(kKeinSpielerGewaehlt);
        return std::nullopt;
    }
    const Entry e = RowEntry(row);
    CVerein& club = RowClub(row);
    auto& kader = club.SpielerListe();
    int line = -1;
    if (e.kind == int(LineKind::Spieler))
        for (size_t i = 0; i < kader.size(); ++i)
            if (kader[i].get() == e.player) line = int(i);
    if (adds && int(kader.size()) < kMaxKader && FreeEntry() < 0) {
        AllWarn("In der Spielerliste ist kein Platz mehr f\xC3\xBCr einen weiteren Spieler!");
        RebuildRows();
        return std::nullopt;
    }
    const std::vector<CSpieler*> before = [&] {
        std::vector<CSpieler*> v;
        for (auto& p : kader) v.push_back(p.get());
        return v;
    }();
    SquadEditorRules rules(BindingFor(row));
    if (!command(rules, line)) return std::nullopt;

    // Players that left the club lose their entries and lines.
    std::vector<CSpieler*> now;
    for (auto& p : kader) now.push_back(p.get());
    int select = row;
    for (CSpieler* p : before) {
        if (std::find(now.begin(), now.end(), p) != now.end()) continue;
        for (size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].player == p) {
                entries_[i] = Entry{};
                const auto it = std::find(rows_.begin(), rows_.end(), int(i));
                if (it != rows_.end()) rows_.erase(it);
            }
    }
    // A player who joined takes the first free entry and a line at `row`.
    for (CSpieler* p : now) {
        if (std::find(before.begin(), before.end(), p) != before.end()) continue;
        const int free = FreeEntry();
        if (free < 0) break;
        entries_[size_t(free)] = Entry{int(LineKind::Spieler), e.club, p};
        select = std::min(row, int(rows_.size()));
        rows_.insert(rows_.begin() + select, free);
    }
    if (rows_.empty()) return -1;
    return std::min(select, int(rows_.size()) - 1);
}

bool AllPlayersRules::Ok() {
    std::string lines;
    const int nation = land_ >= 0 && land_ < kLaenderSlots ? App().NationNummer[size_t(land_)] : 0;
    for (const auto& v : Clubs()) {
        lines += DuplicateNumberLines(v->SpielerListe());
        const std::string name = Cp1252ToUtf8(v->Name()) + kVereinTrenner;
        if (int(v->SpielerListe().size()) < kMinKader) lines += name + "Jeder Verein mu\xC3\x9F mindestens\n16 Spieler haben!\n";
        if (land_ == 0 && HomePlayers(v->SpielerListe(), nation) < kMinHeimspieler)
            lines += name + "Jeder Verein mu\xC3\x9F mindestens zehn Spieler\naus dem eigenen Land haben!\n";
    }
    if (!lines.empty()) {
        AllWarn(lines);
        return false;
    }
    for (auto& v : Clubs())
        for (auto& p : v->SpielerListe()) CorrectBest(*p);
    for (auto& p : set_.exSpieler) CorrectBest(*p);
    for (auto& p : abgegeben_) CorrectBest(*p);
    for (auto& p : geholt_) CorrectBest(*p);
    ApplyTransfers(set_, abgegeben_, geholt_);
    entries_.clear();
    rows_.clear();
    set_.Uebernehmen();
    return true;
}

}  // namespace v3
