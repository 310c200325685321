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
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QLineEdit* StatFeld(QWidget* parent, const std::string& cp1252, const char* name) {
    auto* e = new QLineEdit(Qt8(cp1252), parent);
    e->setReadOnly(true);
    e->setObjectName(name);
    e->setFocusPolicy(Qt::NoFocus);
    e->setCursorPosition(0);  // a long text shows its beginning
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
    layout->addLayout(columns, 1);

    // Left: the player counts by league, by strength and by position.
    auto* links = new QVBoxLayout;
    spieler_ = StatListe(this, SpielerZeilen(s, Daten()), {20, 80}, "AnzahlSpieler");
    staerken_ = StatListe(this, StaerkeZeilen(s), {15, 21, 25, 29}, "Staerken");
    positionen_ = StatListe(this, PositionsZeilen(s), {20, 26, 30, 34}, "Positionen");
    links->addWidget(StatGruppe(this, "Anzahl Spieler gesamt", spieler_), 1);
    auto* zaehler = new QHBoxLayout;
    zaehler->addWidget(StatGruppe(this, "St\xC3\xA4rken", staerken_));
    zaehler->addWidget(StatGruppe(this, "Positionen", positionen_));
    links->addLayout(zaehler, 1);
    columns->addLayout(links, 1);

    // Right: the extremes and averages, each a name and a figure.
    auto* rechts = new QVBoxLayout;
    auto gruppe = [&](const char* title) {
        auto* box = new QGroupBox(QString::fromUtf8(title), this);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(1, 1);
        rechts->addWidget(box);
        return grid;
    };
    auto add = [&](QGridLayout* grid, const char* label, const std::string& a, const std::string& b, const char* name) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        grid->addWidget(StatFeld(this, a, name), row, 1, 1, b.empty() ? 2 : 1);
        if (!b.empty()) {
            QLineEdit* wert = StatFeld(this, b, (std::string(name) + "Wert").c_str());
            wert->setAlignment(Qt::AlignRight);
            wert->setFixedWidth(58);
            grid->addWidget(wert, row, 2);
        }
    };
    auto zahl = [](int64_t n) { return MitTausenderpunkt(n); };
    QGridLayout* kader = gruppe("Kader");
    add(kader, "Meiste Spieler", s.meisteVerein, zahl(s.meiste), "MeisteSpieler");
    add(kader, "Wenigste Spieler", s.wenigsteVerein, zahl(s.wenigste), "WenigsteSpieler");
    add(kader, "Durchschnitt", zahl(s.SpielerProVerein()), "", "SpielerSchnitt");
    add(kader, "Oldie", s.oldie + ", " + s.oldieVerein, std::to_string(s.oldieAlter), "Oldie");
    QGridLayout* staerke = gruppe("St\xC3\xA4rke");
    add(staerke, "St\xC3\xA4rkste", s.staerksterVerein, Zwei(s.staerkster), "Staerkste");
    add(staerke, "Schw\xC3\xA4" "chste", s.schwaechsterVerein, Zwei(s.schwaechster), "Schwaechste");
    add(staerke, "Durchschnitt", Zwei(s.SchnittStaerke()), "", "StaerkeSchnitt");
    add(staerke, "St\xC3\xA4rkste Liga", s.staerksteLiga, Zwei(s.staerksteLigaSchnitt), "StaerksteLiga");
    QGridLayout* stadien = gruppe("Stadien");
    add(stadien, "Gr\xC3\xB6\xC3\x9F" "tes", s.groesstesVerein, zahl(s.groesstes), "Groesstes");
    add(stadien, "Kleinstes", s.kleinstesVerein, zahl(s.kleinstes), "Kleinstes");
    add(stadien, "Durchschnitt", zahl(s.SchnittStadion()), "", "StadionSchnitt");
    rechts->addStretch();
    columns->addLayout(rechts, 1);

    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
    layout->addLayout(OkCancelRow(this, &ok, &abbrechen));
    delete abbrechen;  // nothing to cancel: Escape closes as well
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(630, 460);
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
    // Each slot: its button over the two lines of its holder.
    auto slot = [this](QGridLayout* grid, int row, int col, const QString& caption, QPushButton*& knopf, QLabel*& text,
                       const QString& name) {
        auto* cell = new QVBoxLayout;
        cell->setSpacing(1);
        knopf = new QPushButton(caption, this);
        knopf->setObjectName(name);
        text = new QLabel(this);
        text->setObjectName(name + "Text");
        text->setMinimumHeight(2 * text->fontMetrics().height());
        cell->addWidget(knopf);
        cell->addWidget(text);
        grid->addLayout(cell, row, col);
    };
    auto* faehigkeiten = new QGroupBox("F\xC3\xA4higkeiten", this);
    auto* fGrid = new QGridLayout(faehigkeiten);
    fGrid->setVerticalSpacing(4);
    constexpr int kSpalten = 4;
    for (int n = 1; n <= WeltBesteSpieler::kFaehigkeiten; ++n) {
        slot(fGrid, (n - 1) / kSpalten, (n - 1) % kSpalten, Qt8(AbilityText(n, false)),
             faehigkeitKnoepfe_[size_t(n - 1)], faehigkeitTexte_[size_t(n - 1)], QString("Faehigkeit%1").arg(n));
        connect(faehigkeitKnoepfe_[size_t(n - 1)], &QPushButton::clicked, this, [this, n] { OnFaehigkeit(n); });
    }
    auto* positionen = new QGroupBox("Positionen", this);
    auto* pGrid = new QGridLayout(positionen);
    pGrid->setVerticalSpacing(4);
    for (int n = 1; n <= WeltBesteSpieler::kPositionen; ++n) {
        // "defensiver Mittelfeldspieler" on two lines, to keep five buttons in a row.
        QString caption = Qt8(v3::PositionText(n));
        if (caption.contains(' ')) caption.replace(caption.indexOf(' '), 1, '\n');
        slot(pGrid, (n - 1) / 5, (n - 1) % 5, caption, positionKnoepfe_[size_t(n - 1)], positionTexte_[size_t(n - 1)],
             QString("Position%1").arg(n));
        positionKnoepfe_[size_t(n - 1)]->setMinimumHeight(2 * fontMetrics().height() + 8);
        connect(positionKnoepfe_[size_t(n - 1)], &QPushButton::clicked, this, [this, n] { OnPosition(n); });
    }
    for (int c = 0; c < kSpalten; ++c) fGrid->setColumnMinimumWidth(c, 138);
    for (int c = 0; c < 5; ++c) pGrid->setColumnMinimumWidth(c, 110);
    layout->addWidget(faehigkeiten);
    layout->addWidget(positionen);
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
