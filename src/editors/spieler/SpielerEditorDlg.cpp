#include "editors/spieler/SpielerEditorDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/personal/PersonalEditors.h"
#include "editors/spieler/SpielerDialoge.h"
#include "editors/spieler/SpielerSeiten.h"
#include "ui/LandAuswahlDlg.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

constexpr std::array<const char*, CSpielerEditorDlg::kBefehle> kBefehlTexte = {
    "Neu",
    "L\xC3\xB6schen zu ehem. Spielern",
    "Spieler endg\xC3\xBCltig l\xC3\xB6schen",
    "Ehemalige Spieler",
    "Wechsel",
    "Spieler holen",
    "Spieler ersetzt Trainer",
    "Spieler ersetzt Manager",
    "Trainer ersetzen",
    "Manager ersetzen",
    "Trainer tauschen",
    "Manager tauschen",
};

}  // namespace

bool RunSpielerEditorModus1(SquadWorkingSet& set, int land, CVerein& club, QWidget* parent) {
    CSpielerEditorDlg dlg(std::make_unique<SquadEditorRules>(set, land, club), parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    SpielerEditorAnwenden(set, land, club, dlg.TakeResult());
    return true;
}

bool RunSonstigeSpieler(QWidget* parent) {
    CSpielerEditorDlg dlg(std::make_unique<SquadEditorRules>(Daten().SonstigeSpielerListe), parent);
    return dlg.exec() == QDialog::Accepted;
}

CSpielerEditorDlg::CSpielerEditorDlg(std::unique_ptr<SquadEditorRules> rules, QWidget* parent)
    : CDialogBM(0, parent), rules_(std::move(rules)) {
    Build({"Pos.", "Spieler", "St\xC3\xA4rke", "Land"}, rules_->Mode() == 1);
    rules_->Sort(SquadSort::Position);
    Refill(0);
}

CSpielerEditorDlg::CSpielerEditorDlg(QWidget* parent, const QStringList& headers) : CDialogBM(0, parent) {
    Build(headers, false);
}

CSpielerEditorDlg::~CSpielerEditorDlg() = default;

void CSpielerEditorDlg::Build(const QStringList& headers, bool commandButtons) {
    setWindowTitle("Spieler - ??? Verein ???");
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* heads = new QHBoxLayout;
    heads->setSpacing(0);
    for (int i = 0; i < headers.size(); ++i) {
        auto* h = new QPushButton(headers[i], this);
        h->setObjectName(QString("Kopf%1").arg(i));
        h->setFocusPolicy(Qt::NoFocus);
        connect(h, &QPushButton::clicked, this, [this, i] { OnHeader(i); });
        heads->addWidget(h, i == 1 ? 3 : 1);
    }
    left->addLayout(heads);
    list_ = new QListWidget(this);
    list_->setObjectName("Spielerliste");
    // The first column a little wider than the classic 18 so that "TRA" shows whole.
    list_->setItemDelegate(new CTabStopDelegate({20, 120, 137, 170}, list_));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(list_, 1);
    row->addLayout(left, 2);

    stack_ = new QStackedWidget(this);
    seiten_ = new CSpielerSeiten(this);
    trainerSeite_ = new CSpielerTrainerEigenschaftenPage(this);
    managerSeite_ = new CSpielerManagerEigenschaftenPage(this);
    stack_->addWidget(seiten_);
    stack_->addWidget(trainerSeite_);
    stack_->addWidget(managerSeite_);
    row->addWidget(stack_, 3);
    layout->addLayout(row, 1);

    // Made before OK and Abbrechen so that the tab order runs list, page, buttons.
    liste_ = new QPushButton("Liste", this);
    nummern_ = new QPushButton("R\xC3\xBC" "ckennummern neu verteilen", this);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = OkCancelRow(this, &ok);
    buttons->insertWidget(0, liste_);
    buttons->insertWidget(1, nummern_);
    liste_->setVisible(commandButtons);
    nummern_->setVisible(commandButtons);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(liste_, &QPushButton::clicked, this, &CSpielerEditorDlg::OnListe);
    connect(nummern_, &QPushButton::clicked, this, &CSpielerEditorDlg::OnRueckennummern);
    connect(list_, &QListWidget::currentRowChanged, this, &CSpielerEditorDlg::OnRowChanged);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        BuildMenu(menu);
        QAction* chosen = menu.exec(list_->viewport()->mapToGlobal(pos));
        if (chosen) OnBefehl(Befehl(chosen->data().toInt()));
    });
    connect(seiten_, &CSpielerSeiten::namesChanged, this, [this] {
        // The list line shows the typed names at once (the page writes them again).
        if (current_ < 0 || RowKind(current_) != LineKind::Spieler) return;
        CSpieler* p = RowPlayer(current_);
        const auto& d1 = seiten_->Daten1()->Rules();
        p->Nachname(d1.Nachname());
        p->Vorname(d1.Vorname());
        if (auto* item = list_->item(current_)) item->setText(Qt8(RowText(current_)));
    });
    resize(630, 470);
}

// ---- lines (modes 1 and 2) ----

int CSpielerEditorDlg::RowCount() const { return int(rules_->LineCount()); }
std::string CSpielerEditorDlg::RowText(int row) const { return rules_->Line(size_t(row)); }
std::string CSpielerEditorDlg::RowTitle(int row) const { return rules_->Title(size_t(row)); }
LineKind CSpielerEditorDlg::RowKind(int row) const { return rules_->Kind(size_t(row)); }
CSpieler* CSpielerEditorDlg::RowPlayer(int row) {
    return RowKind(row) == LineKind::Spieler ? rules_->Players()[size_t(row)].get() : nullptr;
}
SquadEditorRules& CSpielerEditorDlg::RowRules(int) { return *rules_; }
std::optional<int> CSpielerEditorDlg::Run(Befehl b, int row) { return RunOn(*rules_, b, row); }

void CSpielerEditorDlg::Header(int column) {
    if (column > 2) return;  // "Land" does nothing
    CSpieler* selected = current_ >= 0 ? RowPlayer(current_) : nullptr;
    const LineKind kind = current_ >= 0 ? RowKind(current_) : LineKind::Spieler;
    rules_->Sort(column == 0 ? SquadSort::Position : column == 1 ? SquadSort::Name : SquadSort::Staerke);
    int select = 0;
    for (int r = 0; r < RowCount(); ++r)
        if ((selected && RowPlayer(r) == selected) || (!selected && kind != LineKind::Spieler && RowKind(r) == kind))
            select = r;
    Refill(select);
}

bool CSpielerEditorDlg::Validate() {
    if (!rules_->Ok([this] { return WriteCurrent(); })) return false;
    if (rules_->Mode() == 1)
        result_ = rules_->TakeResult();
    else
        rules_->ApplyOthers();
    return true;
}

// ---- list and pages ----

void CSpielerEditorDlg::Refill(int select) {
    {
        QSignalBlocker b(list_);
        list_->clear();
        for (int r = 0; r < RowCount(); ++r) list_->addItem(Qt8(RowText(r)));
        current_ = -1;
    }
    if (RowCount() == 0) {
        seiten_->SetPlayer(nullptr);
        return;
    }
    select = std::clamp(select, 0, RowCount() - 1);
    {
        QSignalBlocker b(list_);
        list_->setCurrentRow(select);
    }
    ShowRow(select);
}

void CSpielerEditorDlg::ShowRow(int row) {
    current_ = row;
    if (row < 0 || row >= RowCount()) {
        seiten_->SetPlayer(nullptr);
        return;
    }
    SquadEditorRules& r = RowRules(row);
    setWindowTitle(Qt8(RowTitle(row)));
    switch (RowKind(row)) {
    case LineKind::Spieler: {
        numbers_ = r.Numbers();
        PlayerData1Rules::Context c;
        c.shirtNumbers = r.Mode() == 1;
        c.numbers = &numbers_;
        c.squadSize = int(r.Players().size());
        c.averageStrength = r.AverageStrength();
        c.club = r.Mode() == 1 ? r.Club() : nullptr;
        seiten_->Daten1()->SetContext(c);
        stack_->setCurrentWidget(seiten_);
        if (newPlayer_) {
            QSignalBlocker b(seiten_);
            seiten_->setCurrentIndex(0);
        }
        seiten_->SetPlayer(RowPlayer(row));
        break;
    }
    case LineKind::Trainer:
        seiten_->SetPlayer(nullptr);
        trainerSeite_->Fill(r.Trainer());
        stack_->setCurrentWidget(trainerSeite_);
        break;
    case LineKind::Manager:
        seiten_->SetPlayer(nullptr);
        managerSeite_->Fill(r.Manager());
        stack_->setCurrentWidget(managerSeite_);
        break;
    }
    if (newPlayer_) FocusNewPlayer();
}

void CSpielerEditorDlg::FocusNewPlayer() {
    newPlayer_ = false;
    QLineEdit* name = seiten_->Daten1()->NachnameEdit();
    name->setFocus();
    name->selectAll();
}

bool CSpielerEditorDlg::WriteCurrent() {
    if (current_ < 0 || current_ >= RowCount()) return true;
    SquadEditorRules& r = RowRules(current_);
    bool ok = true;
    switch (RowKind(current_)) {
    case LineKind::Spieler:
        ok = seiten_->WriteCurrent();
        break;
    case LineKind::Trainer:
        ok = trainerSeite_->WriteBack(r.Trainer());
        if (ok) r.StoreStaff();
        break;
    case LineKind::Manager:
        ok = managerSeite_->WriteBack(r.Manager());
        if (ok) r.StoreStaff();
        break;
    }
    if (ok)
        if (auto* item = list_->item(current_)) item->setText(Qt8(RowText(current_)));
    return ok;
}

void CSpielerEditorDlg::OnRowChanged(int row) {
    if (row == current_) return;
    if (!WriteCurrent()) {
        QSignalBlocker b(list_);
        list_->setCurrentRow(current_);
        return;
    }
    ShowRow(row);
}

// ---- commands ----

bool CSpielerEditorDlg::Enabled(Befehl b) const {
    if (current_ < 0 || current_ >= RowCount()) return b == Befehl::Neu;
    auto& self = const_cast<CSpielerEditorDlg&>(*this);
    SquadEditorRules& r = self.RowRules(current_);
    switch (RowKind(current_)) {
    case LineKind::Spieler:
        if (r.Mode() == 2) return b == Befehl::Neu || b == Befehl::Endgueltig;
        return int(b) <= int(Befehl::ErsetztManager);
    case LineKind::Trainer:
        return b == Befehl::TrainerTauschen || (b == Befehl::TrainerErsetzen && r.CanReplace(LineKind::Trainer));
    case LineKind::Manager:
        return b == Befehl::ManagerTauschen || (b == Befehl::ManagerErsetzen && r.CanReplace(LineKind::Manager));
    }
    return false;
}

void CSpielerEditorDlg::BuildMenu(QMenu& menu) {
    for (int i = 0; i < kBefehle; ++i) {
        QAction* a = menu.addAction(QString::fromUtf8(kBefehlTexte[size_t(i)]));
        a->setData(i);
        a->setEnabled(Enabled(Befehl(i)));
    }
}

void CSpielerEditorDlg::OnBefehl(Befehl b) {
    if (!Enabled(b)) return;
    const int row = current_;
    const std::optional<int> next = Run(b, row);
    if (!next) {
        // A refused command keeps the line; a page that could not be written stays shown.
        QSignalBlocker block(list_);
        list_->setCurrentRow(current_);
        return;
    }
    newPlayer_ = b == Befehl::Neu || b == Befehl::Ehemalige || b == Befehl::Holen;
    Refill(*next);
}

std::optional<int> CSpielerEditorDlg::RunOn(SquadEditorRules& r, Befehl b, int line) {
    const SquadEditorRules::WritePage write = [this] { return WriteCurrent(); };
    const auto staffRow = [&r](LineKind k) { return int(r.Players().size()) + (k == LineKind::Trainer ? 0 : 1); };
    switch (b) {
    case Befehl::Neu:
        return r.Neu(line, write);
    case Befehl::ZuEhemaligen:
        return r.LoeschenZuEhemaligen(line, write);
    case Befehl::Endgueltig:
        return r.EndgueltigLoeschen(line);
    case Befehl::Ehemalige:
        return r.Ehemalige(line, write, [&]() -> std::optional<int> {
            std::vector<const CExSpieler*> former;
            for (const auto& p : r.Former()) former.push_back(p.get());
            CExSpielerAuswahlDlg dlg(former, this);
            if (dlg.exec() != QDialog::Accepted) return std::nullopt;
            return dlg.Chosen();
        });
    case Befehl::Wechsel:
        return r.Wechsel(line, write, [&]() -> std::optional<std::pair<int, int>> {
            CSpielerWechselDlg dlg(r.Club() ? r.Club()->Name() : std::string(), r.Sizes(), this);
            if (dlg.exec() != QDialog::Accepted || dlg.Land() < 0 || dlg.VereinsNummer() < 1) return std::nullopt;
            return std::pair<int, int>(dlg.Land(), dlg.VereinsNummer());
        });
    case Befehl::Holen:
        return r.Holen(line, write, [&]() -> std::unique_ptr<CExSpieler> {
            CSpielerholenDlg dlg(1, r.Club() ? r.Club()->Name() : std::string(), this);
            if (dlg.exec() != QDialog::Accepted) return nullptr;
            return dlg.TakeResult();
        });
    case Befehl::ErsetztTrainer:
    case Befehl::ErsetztManager: {
        if (!r.SpielerErsetzt(line, b == Befehl::ErsetztTrainer ? LineKind::Trainer : LineKind::Manager))
            return std::nullopt;
        return std::min(line, int(r.Players().size()) - 1);
    }
    case Befehl::TrainerErsetzen:
        if (!r.Ersetzen(LineKind::Trainer, [&] { return WaehleTrainer(this, r.FreeTrainers()); })) return std::nullopt;
        return staffRow(LineKind::Trainer);
    case Befehl::ManagerErsetzen:
        if (!r.Ersetzen(LineKind::Manager, [&] { return WaehleManager(this, r.FreeManagers()); })) return std::nullopt;
        return staffRow(LineKind::Manager);
    case Befehl::TrainerTauschen:
    case Befehl::ManagerTauschen: {
        const bool trainer = b == Befehl::TrainerTauschen;
        std::vector<const CVerein*> clubs;
        if (r.CountryClubs())
            for (const auto& v : *r.CountryClubs()) clubs.push_back(v.get());
        CLandAuswahlDlg dlg(trainer ? 8 : 9, &clubs, 469, r.Club(), nullptr, this);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        if (!r.Tauschen(trainer ? LineKind::Trainer : LineKind::Manager, dlg.Verein())) return std::nullopt;
        return staffRow(trainer ? LineKind::Trainer : LineKind::Manager);
    }
    }
    return std::nullopt;
}

void CSpielerEditorDlg::OnListe() {
    if (!WriteCurrent()) return;
    std::vector<SquadEntry> entries;
    SquadEditorRules& r = RowRules(std::max(current_, 0));
    for (auto& p : r.Players()) entries.push_back({p.get(), r.Land(), r.Club() ? r.Club()->Name() : std::string()});
    CSpielerUebersichtDlg dlg(std::move(entries), this);
    dlg.exec();
}

void CSpielerEditorDlg::OnRueckennummern() {
    if (!rules_ || rules_->Mode() != 1) return;
    if (!rules_->Renumber([this] { return WriteCurrent(); })) return;
    Refill(current_);
}

void CSpielerEditorDlg::OnHeader(int column) {
    if (!WriteCurrent()) return;
    Header(column);
}

void CSpielerEditorDlg::accept() {
    if (!Validate()) return;
    CDialogBM::accept();
}

void CSpielerEditorDlg::reject() {
    if (rules_) rules_->Cancel();
    CDialogBM::reject();
}

}  // namespace v3
