#include "editors/spielplan/SpielplanDialoge.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AppState.h"
#include "editors/spieler/SpielerDialoge.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

QString LandName(int land) {
    return land >= 0 && land < kLaenderSlots ? Qt8(App().Laendername[size_t(land)]) : QString();
}

// OK and cancel at the foot of a fixture or settings dialog; OK runs accept().
void SpielplanKnoepfe(QDialog* dlg, QBoxLayout* layout, const QString& okText) {
    QPushButton* ok = nullptr;
    layout->addLayout(OkCancelRow(dlg, &ok, nullptr, okText));
    QObject::connect(ok, &QPushButton::clicked, dlg, &QDialog::accept);
}

QSpinBox* SpielplanZahl(QWidget* parent, const char* name, int lo, int hi, int wert) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setValue(wert);
    return s;
}

}  // namespace

// ---------------------------------------------------------------- league chooser

CSpielplanAuswahlDlg::CSpielplanAuswahlDlg(int land, QWidget* parent) : CDialogBM(165, parent), rules_(land) {
    setWindowTitle("Spielplanauswahl - " + LandName(land));
    auto* layout = new QVBoxLayout(this);
    liste_ = new QListWidget(this);
    liste_->setObjectName("Liste");
    for (int i = 0; i < rules_.Anzahl(); ++i) liste_->addItem(Qt8(rules_.Liga(i).Name()));
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    layout->addWidget(liste_);
    auto* editieren = new QPushButton("Editieren", this);
    editieren->setObjectName("Editieren");
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(editieren);
    zeile->addStretch(1);
    layout->addLayout(zeile);
    SpielplanKnoepfe(this, layout, QString::fromUtf8("Übernehmen"));
    connect(editieren, &QPushButton::clicked, this, &CSpielplanAuswahlDlg::OnEditieren);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &CSpielplanAuswahlDlg::OnEditieren);
    resize(300, 260);
}

void CSpielplanAuswahlDlg::OnEditieren() {
    const int row = liste_->currentRow();
    if (row < 0 || row >= rules_.Anzahl()) return;
    CSpielplanAendernDlg dlg(rules_.Land(), row, rules_.Liga(row), this);
    if (dlg.exec() == QDialog::Accepted) rules_.Ersetzen(row, dlg.Rules().Ergebnis());
}

void CSpielplanAuswahlDlg::accept() {
    rules_.Uebernehmen();
    CDialogBM::accept();
}

// ---------------------------------------------------------------- matchday editor

CSpielplanAendernDlg::CSpielplanAendernDlg(int land, int ligaIndex, const CLiga& liga, QWidget* parent)
    : CDialogBM(166, parent), rules_(land, ligaIndex, liga) {
    setWindowTitle(QString::fromStdString(rules_.Titel()));
    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;

    // The pairings: home name right-aligned, "_", away name.
    auto* paarungen = new QGridLayout;
    paarungen->setVerticalSpacing(2);
    for (int z = 0; z < kSpielplanMaxFelder / 2; ++z)
        for (int seite = 0; seite < 2; ++seite) {
            const int slot = 2 * z + seite;
            auto* feld = new QPushButton(this);
            feld->setObjectName(QString("%1%2").arg(seite == 0 ? "Heim" : "Gast").arg(z + 1));
            feld->setMinimumWidth(150);
            feld->setStyleSheet(seite == 0 ? "text-align: right; padding: 1px 4px;" : "text-align: left; padding: 1px 4px;");
            connect(feld, &QPushButton::clicked, this, [this, slot] {
                rules_.SwapVerein(slot);
                Zeigen();
            });
            felder_.push_back(feld);
            paarungen->addWidget(feld, z, seite * 2);
            if (seite == 0) {
                auto* t = new QLabel("_", this);
                t->setAlignment(Qt::AlignCenter);
                trenner_.push_back(t);
                paarungen->addWidget(t, z, 1);
            }
        }
    oben->addLayout(paarungen, 2);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel("Vereine ohne Gegner", this));
    ohneGegner_ = new QListWidget(this);
    ohneGegner_->setObjectName("OhneGegner");
    rechts->addWidget(ohneGegner_, 1);
    auto* rueck = new QPushButton(QString::fromUtf8("Rückrunde wie Vorrunde"), this);
    auto* loeschen = new QPushButton(QString::fromUtf8("Spieltag löschen"), this);
    auto* erstellen = new QPushButton("Spielplan erstellen", this);
    rueck->setObjectName("Rueck");
    loeschen->setObjectName("Loeschen");
    erstellen->setObjectName("Erstellen");
    for (auto* k : {rueck, loeschen, erstellen}) rechts->addWidget(k);
    oben->addLayout(rechts, 1);
    layout->addLayout(oben);

    // Choosing a club (a click, or Enter or Space on the keyboard, see
    // eventFilter) puts it into the first empty field.
    connect(ohneGegner_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Waehlen(ohneGegner_->row(item)); });
    ohneGegner_->installEventFilter(this);
    connect(rueck, &QPushButton::clicked, this, [this] {
        rules_.OnRueck();
        Zeigen();
    });
    connect(loeschen, &QPushButton::clicked, this, [this] {
        rules_.OnLoeschen();
        Zeigen();
    });
    connect(erstellen, &QPushButton::clicked, this, [this] {
        rules_.OnDefaultSpielplan();
        Zeigen();
    });

    auto* tageBox = new QGroupBox("Spieltag", this);
    auto* tage = new QGridLayout(tageBox);
    tage->setSpacing(1);
    spieltagGruppe_ = new QButtonGroup(this);
    for (int d = 0; d < kSpielplanMaxSpieltage; ++d) {
        auto* k = new QPushButton(QString::number(d + 1), tageBox);
        k->setObjectName(QString("Spieltag%1").arg(d + 1));
        k->setCheckable(true);
        k->setFixedWidth(26);
        k->setEnabled(d < rules_.Spieltage());
        spieltagGruppe_->addButton(k, d);
        tage->addWidget(k, d / 23, d % 23);
        spieltage_.push_back(k);
    }
    connect(spieltagGruppe_, &QButtonGroup::idClicked, this, [this](int d) {
        rules_.OnRadioSpieltag(d);
        Zeigen();  // an incomplete matchday takes the choice back
    });
    layout->addWidget(tageBox);
    SpielplanKnoepfe(this, layout, "OK");
    Zeigen();
}

void CSpielplanAendernDlg::Zeigen() {
    for (int slot = 0; slot < int(felder_.size()); ++slot) {
        const bool sichtbar = slot < rules_.Felder();
        felder_[size_t(slot)]->setVisible(sichtbar);
        felder_[size_t(slot)]->setText(sichtbar ? Qt8(rules_.FeldName(slot)) : QString());
    }
    for (int z = 0; z < int(trenner_.size()); ++z) trenner_[size_t(z)]->setVisible(z < rules_.Zeilen());
    ohneGegner_->clear();
    for (int verein : rules_.OhneGegner()) ohneGegner_->addItem(Qt8(rules_.VereinName(verein)));
    if (rules_.Spieltag() < int(spieltage_.size())) spieltage_[size_t(rules_.Spieltag())]->setChecked(true);
}

void CSpielplanAendernDlg::Waehlen(int eintrag) {
    rules_.OnSelchangeListe(eintrag);
    Zeigen();
}

bool CSpielplanAendernDlg::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list chooses the club there; it must not reach the dialog's OK.
    if (watched == ohneGegner_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (ohneGegner_->currentRow() >= 0) Waehlen(ohneGegner_->currentRow());
            return true;
        }
    }
    return CDialogBM::eventFilter(watched, event);
}

void CSpielplanAendernDlg::accept() {
    const bool ok = rules_.OnOK();
    Zeigen();
    if (ok) CDialogBM::accept();
}

// ---------------------------------------------------------------- general settings

CKleinigkeitenDlg::CKleinigkeitenDlg(QWidget* parent) : CDialogBM(146, parent) {
    setWindowTitle("Kleinigkeiten");
    auto* layout = new QVBoxLayout(this);

    static const char* const kPokale[5] = {"Pokal der Meister", "Pokal der Pokalsieger", "Europ. Verbandspokal",
                                           "Pokal der Meister", "Europ. Verbandspokal"};
    auto* sieger = new QGroupBox("Vorjahressieger Europapokale", this);
    auto* finale = new QGroupBox("Austragungsort Finale 1. Saison im Stadion von", this);
    auto* sg = new QGridLayout(sieger);
    auto* fg = new QGridLayout(finale);
    for (int i = 0; i < 5; ++i) {
        QGroupBox* box = i < 3 ? sieger : finale;
        QGridLayout* grid = i < 3 ? sg : fg;
        auto* knopf = new QPushButton(kPokale[i], box);
        knopf->setObjectName(QString("Pokal%1").arg(i + 1));
        knopf->setMinimumWidth(170);
        auto* verein = new QLabel(Qt8(KleinigkeitenRules::VereinName(Wahl(i))), box);
        verein->setObjectName(QString("PokalVerein%1").arg(i + 1));
        verein->setMinimumWidth(170);
        grid->addWidget(knopf, i < 3 ? i : i - 3, 0);
        grid->addWidget(verein, i < 3 ? i : i - 3, 1);
        pokalKnoepfe_[size_t(i)] = knopf;
        pokalVereine_[size_t(i)] = verein;
        connect(knopf, &QPushButton::clicked, this, [this, i] { Waehlen(i); });
    }
    layout->addWidget(sieger);
    layout->addWidget(finale);

    auto* werte = new QGridLayout;
    startjahr_ = SpielplanZahl(this, "Startspieljahr", kStartjahrMin, kStartjahrMax, rules_.Startjahr());
    steuersatz_ = SpielplanZahl(this, "Steuersatz", 0, kSteuersatzMax, rules_.Steuersatz());
    auswechslungen_ =
        SpielplanZahl(this, "Auswechslungen", kAuswechslungenMin, kAuswechslungenMax, rules_.Auswechslungen());
    werte->addWidget(new QLabel("Startspieljahr:", this), 0, 0);
    werte->addWidget(startjahr_, 0, 1);
    werte->addWidget(new QLabel("Steuersatz in %", this), 1, 0);
    werte->addWidget(steuersatz_, 1, 1);
    werte->addWidget(new QLabel("Erlaubte Auswechslungen bei Freundschaftsspielen", this), 2, 0);
    werte->addWidget(auswechslungen_, 2, 1);
    werte->setColumnStretch(2, 1);
    layout->addLayout(werte);

    auto* praesident = new QGroupBox(QString::fromUtf8("Präsident des Weltverbandes"), this);
    auto* pg = new QGridLayout(praesident);
    name_ = new QLineEdit(Qt8(rules_.name), praesident);
    vorname_ = new QLineEdit(Qt8(rules_.vorname), praesident);
    name_->setObjectName("Name");
    vorname_->setObjectName("Vorname");
    tag_ = SpielplanZahl(praesident, "Tag", 1, 31, rules_.tag);
    monat_ = SpielplanZahl(praesident, "Monat", 1, 12, rules_.monat);
    jahr_ = SpielplanZahl(praesident, "Jahr", rules_.GeburtsjahrMin(), rules_.GeburtsjahrMax(), rules_.jahr);
    pg->addWidget(new QLabel("Name", praesident), 0, 0);
    pg->addWidget(name_, 0, 1, 1, 3);
    pg->addWidget(new QLabel("Vorname", praesident), 1, 0);
    pg->addWidget(vorname_, 1, 1, 1, 3);
    pg->addWidget(new QLabel("Geburtsdatum", praesident), 2, 0);
    pg->addWidget(tag_, 2, 1);
    pg->addWidget(monat_, 2, 2);
    pg->addWidget(jahr_, 2, 3);
    layout->addWidget(praesident);
    SpielplanKnoepfe(this, layout, "OK");

    // The president's birth year follows the start year being entered.
    connect(startjahr_, &QSpinBox::valueChanged, this, [this](int jahr) {
        rules_.Startjahr(jahr);
        GeburtsjahrGrenzen();
    });
}

VereinWahl& CKleinigkeitenDlg::Wahl(int i) {
    return i < 3 ? rules_.sieger[size_t(i)] : rules_.finale[size_t(i - 3)];
}

void CKleinigkeitenDlg::Waehlen(int i) {
    CSpielerWechselDlg chooser(std::string(), alleVereine_, this);
    if (chooser.exec() != QDialog::Accepted) return;
    Wahl(i) = VereinWahl{chooser.Land(), chooser.VereinsNummer()};
    pokalVereine_[size_t(i)]->setText(Qt8(KleinigkeitenRules::VereinName(Wahl(i))));
}

void CKleinigkeitenDlg::GeburtsjahrGrenzen() { jahr_->setRange(rules_.GeburtsjahrMin(), rules_.GeburtsjahrMax()); }

void CKleinigkeitenDlg::accept() {
    auto name = Text1252(name_);
    auto vorname = name ? Text1252(vorname_) : std::nullopt;
    if (!vorname) return;
    rules_.name = *name;
    rules_.vorname = *vorname;
    rules_.Steuersatz(steuersatz_->value());
    rules_.Auswechslungen(auswechslungen_->value());
    rules_.tag = tag_->value();
    rules_.monat = monat_->value();
    rules_.jahr = jahr_->value();
    if (rules_.Uebernehmen()) CDialogBM::accept();
}

}  // namespace v3
