#include "editors/verein/StadionEditorDlg.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

namespace {

constexpr const char* kPlatzSpalten[3] = {"VIP-Plätze", "Sitzplätze", "Stehplätze"};

struct FlaggenFeld {
    const char* text;
    const char* name;
    bool CStadionEditor::*wert;
};
const FlaggenFeld kFlaggen[] = {
    {"Rasenheizung", "Rasenheizung", &CStadionEditor::rasenheizung},
    {"Flutlicht", "Flutlicht", &CStadionEditor::flutlicht},
    {"Laufbahn", "Laufbahn", &CStadionEditor::laufbahn},
    {"Luxuskabinen", "Luxuskabinen", &CStadionEditor::luxuskabinen},
    {"Beheizbare Sitze", "BeheizbareSitze", &CStadionEditor::beheizbareSitze},
    {"Sitzkissen", "Sitzkissen", &CStadionEditor::sitzkissen},
    {"Ausfahrbares Spielfeld", "AusfahrbaresSpielfeld", &CStadionEditor::ausfahrbar},
    {"Citylage", "Citylage", &CStadionEditor::citylage},
    {"Im Besitz des Vereins", "Vereinseigentum", &CStadionEditor::eigentum},
    {"Fernsehturm", "Fernsehturm", &CStadionEditor::fernsehturm},
    {"Autobahnanbindung", "Autobahnanbindung", &CStadionEditor::autobahn},
    {"Berge", "Berge", &CStadionEditor::berge},
    {"Burg", "Burg", &CStadionEditor::burg},
    {"Schloß", "Schloss", &CStadionEditor::schloss},
};

QString FeldName(const char* art, int stand, int spalte) { return QString("%1%2_%3").arg(art).arg(stand).arg(spalte); }

}  // namespace

CUpDown::CUpDown(int lower, int upper, QWidget* parent) : QWidget(parent), lower_(lower), upper_(upper), pos_(lower) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (bool hoch : {true, false}) {
        auto* knopf = new QToolButton(this);
        knopf->setArrowType(hoch ? Qt::UpArrow : Qt::DownArrow);
        knopf->setFixedSize(16, 11);
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRepeat(true);
        knopf->setObjectName(hoch ? "hoch" : "runter");
        connect(knopf, &QToolButton::clicked, this, [this, hoch] { Schritt(hoch); });
        layout->addWidget(knopf);
    }
    setFixedSize(16, 22);
}

void CUpDown::SetPos(int pos) {
    const int lo = std::min(lower_, upper_), hi = std::max(lower_, upper_);
    pos_ = std::clamp(pos, lo, hi);
}

void CUpDown::Schritt(bool hoch) {
    const int richtung = (upper_ > lower_ ? 1 : -1) * (hoch ? 1 : -1);
    const int alt = pos_;
    SetPos(pos_ + richtung);
    if (pos_ != alt) emit bewegt(pos_, hoch);
}

CStadionEditorDlg::CStadionEditorDlg(const CStadion& stadion, QWidget* parent)
    : CDialogBM(832, parent), ed_(stadion, App().AktuellesLand == 1) {
    setObjectName("CStadionEditorDlg");
    setWindowTitle("Stadion");
    auto* aussen = new QVBoxLayout(this);
    aussen->setSpacing(4);

    auto* texte = new QHBoxLayout;
    name_ = new QLineEdit(Qt8(ed_.name), this);
    name_->setObjectName("Name");
    name_->setMaxLength(std::max<int>(kStadionNameMax, name_->text().size()));
    ort_ = new QLineEdit(Qt8(ed_.ort), this);
    ort_->setObjectName("Ort");
    ort_->setMaxLength(std::max<int>(kStadionOrtMax, ort_->text().size()));
    auto* nameLabel = new QLabel("&Name", this);
    nameLabel->setBuddy(name_);
    auto* ortLabel = new QLabel("&Ort", this);
    ortLabel->setBuddy(ort_);
    texte->addWidget(nameLabel);
    texte->addWidget(name_, 3);
    texte->addWidget(ortLabel);
    texte->addWidget(ort_, 2);
    aussen->addLayout(texte);

    auto* tribuenen = new QGroupBox("Tribünen", this);
    auto* raster = new QGridLayout(tribuenen);
    raster->setVerticalSpacing(2);
    for (int s = 0; s < 3; ++s) raster->addWidget(new QLabel(kPlatzSpalten[s], tribuenen), 0, 1 + 2 * s, 1, 2);
    raster->addWidget(new QLabel("Dach", tribuenen), 0, 7);
    raster->addWidget(new QLabel("Wärmestrahler", tribuenen), 0, 8);
    raster->addWidget(new QLabel("Zustand", tribuenen), 0, 9, 1, 2);
    for (int t = 0; t < CStadion::kTribuenen; ++t) {
        const int zeile = t + 1;
        raster->addWidget(new QLabel(TribuenenNamen[size_t(t)], tribuenen), zeile, 0);
        for (int s = 0; s < 3; ++s) {
            const auto art = Platzart(s);
            Feld& f = felder_[size_t(t)][size_t(s)];
            f.text = new QLineEdit(tribuenen);
            f.text->setObjectName(FeldName("Platz", t, s));
            f.text->setFixedWidth(56);
            f.text->setAlignment(Qt::AlignRight);
            f.text->installEventFilter(this);
            f.updown = new CUpDown(0, kPlatzUpDownMax, tribuenen);
            f.updown->setObjectName(FeldName("UpDown", t, s));
            raster->addWidget(f.text, zeile, 1 + 2 * s);
            raster->addWidget(f.updown, zeile, 2 + 2 * s);
            connect(f.text, &QLineEdit::editingFinished, this, [this, t, art] { FeldVerlassen(t, art); });
            connect(f.updown, &CUpDown::bewegt, this, [this, t, art](int, bool hoch) {
                // Texts typed but not yet taken count first; the step then
                // goes from the value they gave.
                if (!FelderLesen()) {
                    ZeigeFeld(t, art);
                    return;
                }
                const int jetzt = ed_.tribuenen[size_t(t)].Platz(art) / kPlatzSchritt;
                ed_.PlatzUpDown(t, art, std::max(0, jetzt + (hoch ? 1 : -1)));
                ZeigeFeld(t, art);
                ZeigeUebersicht();
            });
            ZeigeFeld(t, art);
        }
        dach_[size_t(t)] = new QCheckBox(tribuenen);
        dach_[size_t(t)]->setObjectName(QString("Dach%1").arg(t));
        dach_[size_t(t)]->setChecked(ed_.tribuenen[size_t(t)].dach);
        connect(dach_[size_t(t)], &QCheckBox::toggled, this, [this, t](bool an) {
            ed_.tribuenen[size_t(t)].dach = an;
            ZeigeUebersicht();
        });
        heizung_[size_t(t)] = new QCheckBox(tribuenen);
        heizung_[size_t(t)]->setObjectName(QString("Waermestrahler%1").arg(t));
        heizung_[size_t(t)]->setChecked(ed_.tribuenen[size_t(t)].heizung);
        heizung_[size_t(t)]->setEnabled(!ed_.HeizungGesperrt());
        connect(heizung_[size_t(t)], &QCheckBox::toggled, this, [this, t](bool an) { ed_.Heizung(t, an); });
        zustand_[size_t(t)] = new CUpDown(CStadion::kZustandVerfallen, CStadion::kZustandNeu, tribuenen);
        zustand_[size_t(t)]->setObjectName(QString("Zustand%1").arg(t));
        zustand_[size_t(t)]->SetPos(ed_.tribuenen[size_t(t)].zustand);
        zustandText_[size_t(t)] = new QLabel(tribuenen);
        zustandText_[size_t(t)]->setObjectName(QString("ZustandText%1").arg(t));
        zustandText_[size_t(t)]->setMinimumWidth(70);
        auto zeigeZustand = [this, t] {
            const int z = ed_.tribuenen[size_t(t)].zustand;
            zustandText_[size_t(t)]->setText(z >= 1 && z <= 7 ? ZustandNamen[size_t(z - 1)] : "");
        };
        zeigeZustand();
        connect(zustand_[size_t(t)], &CUpDown::bewegt, this, [this, t, zeigeZustand](int pos, bool) {
            ed_.ZustandSetzen(t, pos);
            zeigeZustand();
        });
        raster->addWidget(dach_[size_t(t)], zeile, 7, Qt::AlignHCenter);
        raster->addWidget(heizung_[size_t(t)], zeile, 8, Qt::AlignHCenter);
        raster->addWidget(zustand_[size_t(t)], zeile, 9);
        raster->addWidget(zustandText_[size_t(t)], zeile, 10);
    }
    aussen->addWidget(tribuenen);

    auto* mitte = new QHBoxLayout;
    auto* listen = new QGridLayout;
    auto tribuenenListe = [&](const char* text, const char* name, int zeile, int wert) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        for (const char* t : TribuenenNamen) combo->addItem(t);
        combo->setCurrentIndex(wert);
        auto* label = new QLabel(text, this);
        label->setBuddy(combo);
        listen->addWidget(label, zeile, 0);
        listen->addWidget(combo, zeile, 1);
        return combo;
    };
    heim_ = tribuenenListe("&Heimtribüne", "Heimtribuene", 0, ed_.heim);
    gast_ = tribuenenListe("&Gästetribüne", "Gaestetribuene", 1, ed_.gast);
    tafel_ = new QComboBox(this);
    tafel_->setObjectName("Anzeigetafel");
    for (const char* t : TafelNamen) tafel_->addItem(t);
    tafel_->setCurrentIndex(ed_.tafel);
    auto* tafelLabel = new QLabel("&Anzeigetafel", this);
    tafelLabel->setBuddy(tafel_);
    listen->addWidget(tafelLabel, 2, 0);
    listen->addWidget(tafel_, 2, 1);
    auto gekoppelt = [this](bool heimGewaehlt, int stand) {
        heimGewaehlt ? ed_.HeimWaehlen(stand) : ed_.GastWaehlen(stand);
        const QSignalBlocker a(heim_), b(gast_);
        heim_->setCurrentIndex(ed_.heim);
        gast_->setCurrentIndex(ed_.gast);
    };
    connect(heim_, &QComboBox::activated, this, [gekoppelt](int s) { gekoppelt(true, s); });
    connect(gast_, &QComboBox::activated, this, [gekoppelt](int s) { gekoppelt(false, s); });
    connect(tafel_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) ed_.tafel = i;
    });
    mitte->addLayout(listen);

    auto* gesamt = new QGroupBox("Gesamtübersicht", this);
    auto* gesamtRaster = new QGridLayout(gesamt);
    gesamtRaster->setVerticalSpacing(1);
    const char* zeilen[6] = {"Stehplätze unüberdacht", "Stehplätze überdacht", "Sitzplätze unüberdacht",
                             "Sitzplätze überdacht",   "VIP-Plätze",           "Kapazität gesamt"};
    for (int i = 0; i < 6; ++i) {
        gesamtRaster->addWidget(new QLabel(zeilen[i], gesamt), i, 0);
        uebersicht_[size_t(i)] = new QLabel(gesamt);
        uebersicht_[size_t(i)]->setObjectName(QString("Uebersicht%1").arg(i));
        uebersicht_[size_t(i)]->setAlignment(Qt::AlignRight);
        gesamtRaster->addWidget(uebersicht_[size_t(i)], i, 1);
    }
    mitte->addWidget(gesamt);
    aussen->addLayout(mitte);

    auto* flaggen = new QGroupBox("Ausstattung und Umgebung", this);
    auto* flaggenRaster = new QGridLayout(flaggen);
    flaggenRaster->setVerticalSpacing(1);
    int i = 0;
    for (const auto& f : kFlaggen) {
        auto* box = new QCheckBox(f.text, flaggen);
        box->setObjectName(f.name);
        box->setChecked(ed_.*f.wert);
        const auto wert = f.wert;
        connect(box, &QCheckBox::toggled, this, [this, wert](bool an) { ed_.*wert = an; });
        flaggenRaster->addWidget(box, i / 4, i % 4);
        ++i;
    }
    aussen->addWidget(flaggen);

    QPushButton* ok = nullptr;
    aussen->addLayout(OkCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &CStadionEditorDlg::OnOK);
    ZeigeUebersicht();
}

bool CStadionEditorDlg::eventFilter(QObject* obj, QEvent* e) {
    // Up and down keys in a place field move its up-down.
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            for (auto& reihe : felder_)
                for (auto& f : reihe)
                    if (f.text == obj) {
                        f.updown->Schritt(key == Qt::Key_Up);
                        return true;
                    }
    }
    return CDialogBM::eventFilter(obj, e);
}

void CStadionEditorDlg::ZeigeFeld(int stand, Platzart art) {
    Feld& f = felder_[size_t(stand)][size_t(art)];
    const int32_t v = ed_.tribuenen[size_t(stand)].Platz(art);
    f.text->setText(QString::number(v));
    f.text->setModified(false);
    f.updown->SetPos(v / kPlatzSchritt);
}

bool CStadionEditorDlg::FeldVerlassen(int stand, Platzart art) {
    if (inMeldung_) return false;  // a message box of this step took the focus
    Feld& f = felder_[size_t(stand)][size_t(art)];
    inMeldung_ = true;
    const auto text = Utf8ToCp1252(f.text->text().toStdString()).text;
    const bool ok = ed_.FeldVerlassen(stand, art, text.value_or("?"));
    inMeldung_ = false;
    ZeigeFeld(stand, art);
    if (!ok) f.text->setFocus();
    ZeigeUebersicht();
    return ok;
}

bool CStadionEditorDlg::FelderLesen() {
    for (int t = 0; t < CStadion::kTribuenen; ++t)
        for (int s = 0; s < 3; ++s) {
            const Feld& f = felder_[size_t(t)][size_t(s)];
            if (f.text->text() == QString::number(ed_.tribuenen[size_t(t)].Platz(Platzart(s)))) continue;
            if (!FeldVerlassen(t, Platzart(s))) return false;
        }
    return true;
}

void CStadionEditorDlg::ZeigeUebersicht() {
    const StadionUebersicht u = ed_.Uebersicht();
    const int64_t werte[6] = {u.stehOffen, u.stehUeberdacht, u.sitzOffen, u.sitzUeberdacht, u.vip, u.gesamt};
    for (size_t i = 0; i < 6; ++i) uebersicht_[i]->setText(QString::number(werte[i]));
}

bool CStadionEditorDlg::TexteLesen() {
    for (auto [feld, ziel] : {std::pair{name_, &ed_.name}, std::pair{ort_, &ed_.ort}}) {
        const auto r = Utf8ToCp1252(feld->text().toStdString());
        if (!r.text) {
            App().ui->MessageBox(RefusedCharacterMessage(r.badCharacter), "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
            feld->setFocus();
            return false;
        }
        *ziel = *r.text;
    }
    return true;
}

void CStadionEditorDlg::OnOK() {
    // A place field whose text has not been taken yet (the focused one) is
    // left first.
    if (!FelderLesen()) return;
    if (!TexteLesen()) return;
    if (!ed_.Ok()) return;
    accept();
}

bool RunStadionEditor(CStadion& stadion, QWidget* parent) {
    CStadionEditorDlg dlg(stadion, parent);
    if (dlg.exec() != QDialog::Accepted) return false;
    stadion.CopyDataFrom(dlg.Stadion());
    return true;
}

}  // namespace v3
