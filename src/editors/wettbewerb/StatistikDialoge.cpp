#include "editors/wettbewerb/StatistikDialoge.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dataset/DataSet.h"
#include "editors/spieler/SpielerDialoge.h"
#include "records/SpielerTexte.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

QListWidget* StatListe(QWidget* parent, const std::vector<std::string>& lines, std::vector<int> stops, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setItemDelegate(new CTabStopDelegate(std::move(stops), list));
    for (const auto& l : lines) list->addItem(Qt8(l));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

QLineEdit* StatFeld(QWidget* parent, const std::string& cp1252, const char* name) {
    auto* e = new QLineEdit(Qt8(cp1252), parent);
    e->setReadOnly(true);
    e->setObjectName(name);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QGroupBox* StatGruppe(QWidget* parent, const char* title, QWidget* inner) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(inner);
    return box;
}

}  // namespace

// ---------------------------------------------------------------- statistics

CStatistikDlg::CStatistikDlg(QWidget* parent) : CDialogBM(0, parent), statistik_(BerechneStatistik(Daten())) {
    setWindowTitle("Statistik");
    const Statistik& s = statistik_;
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    spieler_ = StatListe(this, SpielerZeilen(s, Daten()), {20, 80}, "AnzahlSpieler");
    staerken_ = StatListe(this, StaerkeZeilen(s), {15, 21, 25, 29}, "Staerken");
    positionen_ = StatListe(this, PositionsZeilen(s), {20, 26, 30, 34}, "Positionen");
    spieler_->setMinimumWidth(230);
    columns->addWidget(StatGruppe(this, "Anzahl Spieler gesamt", spieler_), 3);
    columns->addWidget(StatGruppe(this, "St\xC3\xA4rken", staerken_), 1);
    columns->addWidget(StatGruppe(this, "Positionen", positionen_), 1);
    layout->addLayout(columns, 1);

    auto* grid = new QGridLayout;
    int row = 0;
    auto add = [&](const char* label, const std::string& a, const std::string& b, const char* name) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        grid->addWidget(StatFeld(this, a, name), row, 1);
        if (!b.empty()) grid->addWidget(StatFeld(this, b, (std::string(name) + "Wert").c_str()), row, 2);
        ++row;
    };
    auto zahl = [](int64_t n) { return MitTausenderpunkt(n); };
    add("Meiste Spieler", s.meisteVerein, zahl(s.meiste), "MeisteSpieler");
    add("Wenigste Spieler", s.wenigsteVerein, zahl(s.wenigste), "WenigsteSpieler");
    add("Durchschnitt", zahl(s.SpielerProVerein()), "", "SpielerSchnitt");
    add("Oldie", s.oldie + ", " + s.oldieVerein, std::to_string(s.oldieAlter), "Oldie");
    add("St\xC3\xA4rkste", s.staerksterVerein, Zwei(s.staerkster), "Staerkste");
    add("Schw\xC3\xA4" "chste", s.schwaechsterVerein, Zwei(s.schwaechster), "Schwaechste");
    add("Durchschnitt", Zwei(s.SchnittStaerke()), "", "StaerkeSchnitt");
    add("St\xC3\xA4rkste Liga", s.staerksteLiga, Zwei(s.staerksteLigaSchnitt), "StaerksteLiga");
    add("Gr\xC3\xB6\xC3\x9F" "tes", s.groesstesVerein, zahl(s.groesstes), "Groesstes");
    add("Kleinstes", s.kleinstesVerein, zahl(s.kleinstes), "Kleinstes");
    add("Durchschnitt", zahl(s.SchnittStadion()), "", "StadionSchnitt");
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
    layout->addLayout(OkCancelRow(this, &ok, &abbrechen));
    delete abbrechen;  // nothing to cancel: Escape closes as well
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(600, 470);
}

// ---------------------------------------------------------------- world's best players

CWeltBesteSpielerDlg::CWeltBesteSpielerDlg(QWidget* parent) : CDialogBM(0, parent) {
    setWindowTitle("Beste Spieler der Welt");
    waehle = [this](int mode, int n) -> std::optional<Titelhalter> {
        CSpielerholenDlg dlg(mode, std::string(), this, n);
        if (dlg.exec() != QDialog::Accepted) return std::nullopt;
        // The chooser lists the data set's own players, which this editor may change.
        return Titelhalter{const_cast<CSpieler*>(dlg.ChosenPlayer()), dlg.ChosenClub()};
    };
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto slot = [this](QGridLayout* grid, int row, int col, const QString& caption, QPushButton*& knopf, QLabel*& text,
                       const QString& name) {
        knopf = new QPushButton(caption, this);
        knopf->setObjectName(name);
        knopf->setMinimumWidth(105);
        text = new QLabel(this);
        text->setObjectName(name + "Text");
        text->setMinimumWidth(170);
        grid->addWidget(knopf, row, col);
        grid->addWidget(text, row, col + 1);
    };
    auto* faehigkeiten = new QGroupBox("F\xC3\xA4higkeiten", this);
    auto* fGrid = new QGridLayout(faehigkeiten);
    for (int n = 1; n <= WeltBesteSpieler::kFaehigkeiten; ++n) {
        const int half = WeltBesteSpieler::kFaehigkeiten / 2;
        slot(fGrid, (n - 1) % half, (n - 1) / half * 2, Qt8(AbilityText(n, false)), faehigkeitKnoepfe_[size_t(n - 1)],
             faehigkeitTexte_[size_t(n - 1)], QString("Faehigkeit%1").arg(n));
        connect(faehigkeitKnoepfe_[size_t(n - 1)], &QPushButton::clicked, this, [this, n] { OnFaehigkeit(n); });
    }
    auto* positionen = new QGroupBox("Positionen", this);
    auto* pGrid = new QGridLayout(positionen);
    for (int n = 1; n <= WeltBesteSpieler::kPositionen; ++n) {
        slot(pGrid, n - 1, 0, Qt8(v3::PositionText(n)), positionKnoepfe_[size_t(n - 1)], positionTexte_[size_t(n - 1)],
             QString("Position%1").arg(n));
        connect(positionKnoepfe_[size_t(n - 1)], &QPushButton::clicked, this, [this, n] { OnPosition(n); });
    }
    columns->addWidget(faehigkeiten, 2);
    columns->addWidget(positionen, 1);
    layout->addLayout(columns);
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, [this] {
        rules_.Ok();
        accept();
    });
    Refresh();
}

void CWeltBesteSpielerDlg::Refresh() {
    auto zwei = [](const std::array<std::string, 2>& t) { return Qt8(t[0]) + "\n" + Qt8(t[1]); };
    for (int n = 1; n <= WeltBesteSpieler::kFaehigkeiten; ++n) faehigkeitTexte_[size_t(n - 1)]->setText(zwei(rules_.FaehigkeitText(n)));
    for (int n = 1; n <= WeltBesteSpieler::kPositionen; ++n) positionTexte_[size_t(n - 1)]->setText(zwei(rules_.PositionText(n)));
}

void CWeltBesteSpielerDlg::OnFaehigkeit(int n) {
    if (auto h = waehle(kHolenFaehigkeit, n)) {
        rules_.SetFaehigkeit(n, *h);
        Refresh();
    }
}

void CWeltBesteSpielerDlg::OnPosition(int n) {
    if (auto h = waehle(kHolenPosition, n)) {
        rules_.SetPosition(n, *h);
        Refresh();
    }
}

}  // namespace v3
