#include "editors/verein/VereinsEditorDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdio>

#include "base/AppState.h"
#include "base/Layout.h"
#include "dataset/DataSet.h"
#include "editors/verein/LandkarteSeite.h"
#include "editors/verein/StadionEditorDlg.h"
#include "editors/verein/Trikotseiten.h"
#include "editors/verein/WappenSeite.h"
#include "platform/FileOps.h"
#include "records/Land.h"
#include "ui/WidgetText.h"

namespace v3 {

namespace {

QSpinBox* Spinner(int lo, int hi, const char* name, QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setRange(lo, hi);
    s->setObjectName(name);
    return s;
}

QLineEdit* Textfeld(int max, const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(max);
    e->setObjectName(name);
    return e;
}

std::string Lies(const QLineEdit* feld, bool& ok) {
    auto t = Text1252(feld);
    if (!t) ok = false;
    return t.value_or(std::string());
}

// The clubs of the country as a combo lists them: the "none" entry first.
void VereinsCombo(QComboBox* combo, const char* keiner, const std::vector<VereinsEintrag>& vereine) {
    combo->clear();
    combo->addItem(keiner, 0);
    for (const auto& v : vereine) combo->addItem(Qt8(v.name), v.nummer);
}

void ComboWaehlen(QComboBox* combo, int nummer) {
    const int i = combo->findData(nummer);
    combo->setCurrentIndex(i < 0 ? 0 : i);
}

}  // namespace

// ---- CStufe

CStufe::CStufe(const char* const* texte, int anzahl, QWidget* parent) : QWidget(parent), texte_(texte) {
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    box_ = new QSpinBox(this);
    box_->setRange(0, anzahl - 1);
    text_ = new QLabel(this);
    text_->setMinimumWidth(150);
    l->addWidget(box_);
    l->addWidget(text_, 1);
    connect(box_, &QSpinBox::valueChanged, this, [this](int v) { text_->setText(texte_[v]); });
    text_->setText(texte_[0]);
}

int CStufe::Wert() const { return box_->value(); }
void CStufe::Wert(int v) {
    box_->setValue(v);
    text_->setText(texte_[box_->value()]);
}

// ---- "Verein"

CVereinsEditorVerein::CVereinsEditorVerein(QWidget* parent) : CPropertyPageBM("Verein", parent) {
    auto* l = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name = Textfeld(19, "Vereinsname", this);
    form->addRow("&Vereinsname", name);
    l->addLayout(form);
    auto* satz = new QGroupBox("Satzbau", this);
    auto* sl = new QVBoxLayout(satz);
    for (size_t i = 0; i < 2; ++i) {
        phrasen[i] = new QPushButton(satz);
        phrasen[i]->setObjectName(i == 0 ? "Phrase1" : "Phrase2");
        sl->addWidget(phrasen[i]);
        connect(phrasen[i], &QPushButton::clicked, this, [this] {
            satzBau_ = (satzBau_ + 1) % 4;
            Phrasen();
        });
    }
    l->addWidget(satz);
    auto* form2 = new QFormLayout;
    fanbezeichnung = Textfeld(49, "Fanbezeichnung", this);
    form2->addRow("&Fanbezeichnung", fanbezeichnung);
    l->addLayout(form2);
    auto* tab = new QGroupBox("Ewige Tabelle 1. Liga", this);
    auto* tl = new QFormLayout(tab);
    const char* namen[4] = {"Punkte", "Spiele", "Erzielte Tore", "Kassierte Tore"};
    const char* objekte[4] = {"Punkte", "Spiele", "ErzielteTore", "KassierteTore"};
    for (size_t i = 0; i < 4; ++i) {
        tabelle[i] = Spinner(0, CVereinsEditor::kTabelleMax, objekte[i], tab);
        tl->addRow(namen[i], tabelle[i]);
    }
    l->addWidget(tab);
    l->addStretch(1);
    connect(name, &QLineEdit::editingFinished, this, [this] { Phrasen(); });
}

void CVereinsEditorVerein::Phrasen() {
    const std::string text = Text1252(name->text()).value_or(std::string());
    const auto p = SatzBauPhrasen(satzBau_, text);
    phrasen[0]->setText(Qt8(p[0]));
    phrasen[1]->setText(Qt8(p[1]));
}

void CVereinsEditorVerein::Fuellen(const SeiteVerein& s) {
    name->setText(Qt8(s.name));
    fanbezeichnung->setText(Qt8(s.fanbezeichnung));
    tabelle[0]->setValue(s.punkte);
    tabelle[1]->setValue(s.spiele);
    tabelle[2]->setValue(s.tore);
    tabelle[3]->setValue(s.gegentore);
    satzBau_ = s.satzBau >= 0 && s.satzBau <= 3 ? s.satzBau : 0;
    Phrasen();
}

std::optional<SeiteVerein> CVereinsEditorVerein::Lesen() const {
    bool ok = true;
    SeiteVerein s;
    s.name = Lies(name, ok);
    s.fanbezeichnung = Lies(fanbezeichnung, ok);
    s.punkte = tabelle[0]->value();
    s.spiele = tabelle[1]->value();
    s.tore = tabelle[2]->value();
    s.gegentore = tabelle[3]->value();
    s.satzBau = satzBau_;
    if (!ok) return std::nullopt;
    return s;
}

// ---- "Allgemein"

CVereinsEditorAllgemein::CVereinsEditorAllgemein(CVereinsEditor& ed, QWidget* parent)
    : CPropertyPageBM("Allgemein", parent), ed_(ed) {
    auto* l = new QGridLayout(this);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    l->addLayout(links, 0, 0);
    l->addLayout(rechts, 0, 1);

    auto* kz = new QHBoxLayout;
    kz->addWidget(new QLabel("&Kürzel", this));
    kuerzel = Textfeld(3, "Kuerzel", this);
    kuerzel->setMaximumWidth(60);
    qobject_cast<QLabel*>(kz->itemAt(0)->widget())->setBuddy(kuerzel);
    kz->addWidget(kuerzel);
    art = new QPushButton("Art", this);
    art->setObjectName("Art");
    artText = new QLabel(this);
    kz->addWidget(art);
    kz->addWidget(artText);
    kz->addStretch(1);
    links->addLayout(kz);
    connect(art, &QPushButton::clicked, this, [this] {
        artikel_ = (artikel_ + 1) % 3;
        artText->setText(ArtikelTexte[size_t(artikel_)]);
    });

    pokal = new QCheckBox("Pokalmannschaft", this);
    pokal->setObjectName("Pokalmannschaft");
    medien = new QCheckBox("Medienstadt", this);
    medien->setObjectName("Medienstadt");
    ag = new QCheckBox("Aktiengesellschaft", this);
    ag->setObjectName("Aktiengesellschaft");
    links->addWidget(pokal);
    links->addWidget(medien);
    links->addWidget(ag);

    auto* combos = new QFormLayout;
    fanFreund = new QComboBox(this);
    fanFreund->setObjectName("Fanfreundschaft");
    erzRivale = new QComboBox(this);
    erzRivale->setObjectName("Erzrivale");
    amateur = new QComboBox(this);
    amateur->setObjectName("Amateurabteilung");
    amateurLabel = new QLabel(this);
    amateurLabel->setBuddy(amateur);
    combos->addRow("Fanfreundschaft mit", fanFreund);
    combos->addRow("Erzrivale", erzRivale);
    combos->addRow(amateurLabel, amateur);
    anfeuerung = Textfeld(49, "Anfeuerung", this);
    combos->addRow("Anfeuerung", anfeuerung);
    links->addLayout(combos);
    connect(amateur, &QComboBox::activated, this, &CVereinsEditorAllgemein::OnAmateur);

    auto* st = new QHBoxLayout;
    st->addWidget(new QLabel("Stärkedurchschnitt aller Spieler :", this));
    staerke = new QLabel(this);
    staerke->setObjectName("Staerke");
    st->addWidget(staerke);
    st->addStretch(1);
    links->addLayout(st);

    auto* gegr = new QFormLayout;
    gruendung = Spinner(CVereinsEditor::kGruendungMin, CVereinsEditor::kGruendungMax, "Gruendungsjahr", this);
    gegr->addRow("Gründungsjahr", gruendung);
    links->addLayout(gegr);
    regional = new QGroupBox("Regionalliga ab 2000", this);
    auto* rl = new QHBoxLayout(regional);
    nord = new QRadioButton("Nord", regional);
    sued = new QRadioButton("Süd", regional);
    nord->setObjectName("Nord");
    sued->setObjectName("Sued");
    rl->addWidget(nord);
    rl->addWidget(sued);
    links->addWidget(regional);
    links->addStretch(1);

    auto* werte = new QFormLayout;
    fanaufkommen = new CStufe(FanaufkommenTexte.data(), 7, this);
    maxFan = new CStufe(FanaufkommenTexte.data(), 7, this);
    fanArt = new CStufe(FanArtTexte.data(), 8, this);
    hooligans = new CStufe(HooligansTexte.data(), 4, this);
    finanz = new CStufe(FinanzKraftTexte.data(), 7, this);
    fanaufkommen->Box()->setObjectName("Fanaufkommen");
    maxFan->Box()->setObjectName("MaxFanAufkommen");
    werte->addRow("Fanaufkommen", fanaufkommen);
    werte->addRow("Max. Fanaufk. (Einzugsgebiet)", maxFan);
    werte->addRow("Art der Fans", fanArt);
    werte->addRow("Hooligans", hooligans);
    werte->addRow("Finanzkraft", finanz);
    auto* geld = new QHBoxLayout;
    guthaben = Spinner(CVereinsEditor::kGuthabenMin, CVereinsEditor::kGuthabenMax, "Guthaben", this);
    guthabenText = new QLabel(this);
    geld->addWidget(guthaben);
    geld->addWidget(guthabenText, 1);
    werte->addRow("Guthaben bei Spielbeginn", geld);
    connect(guthaben, &QSpinBox::valueChanged, this, [this](int v) {
        char text[48];
        std::snprintf(text, sizeof text, "%3.2f Million(en)", double(v) * 10000.0 / 1000000.0);
        guthabenText->setText(text);
    });
    rechts->addLayout(werte);
    auto* tg = new QGroupBox("Titel", this);
    auto* tl = new QFormLayout(tg);
    const char* namen[6] = {"Meisterschaft",        "Pokal",             "Ligapokal/Supercup",
                            "europ. Verbandspokal", "Pokal der Meister", "Weltpokal"};
    for (size_t i = 0; i < 6; ++i) {
        titel[i] = Spinner(0, 99, namen[i], tg);
        tl->addRow(namen[i], titel[i]);
    }
    rechts->addWidget(tg);
    rechts->addStretch(1);
}

void CVereinsEditorAllgemein::AmateurFuellen() {
    amateurLabel->setText(QString::fromStdString(ed_.AmateurLabel()));
    amateur->clear();
    if (ed_.IstProfiabteilung()) {
        const int nummer = ed_.Kopie().Profiabteilung();
        for (const auto& v : ed_.AndereVereine())
            if (v.nummer == nummer) amateur->addItem(Qt8(v.name), v.nummer);
        amateur->setEnabled(false);
        return;
    }
    amateur->addItem("keiner", 0);
    for (const auto& v : ed_.AndereVereine()) amateur->addItem(Qt8(v.name), v.nummer);
    ComboWaehlen(amateur, ed_.AmateurLink());
    amateur->setEnabled(ed_.AmateurComboAktiv());
}

void CVereinsEditorAllgemein::OnAmateur(int index) {
    const int link = ed_.AmateurWahl(amateur->itemData(index).toInt());
    ComboWaehlen(amateur, link);
    if (link != 0) ag->setChecked(false);
    ag->setEnabled(link == 0);
}

void CVereinsEditorAllgemein::Fuellen(const SeiteAllgemein& s) {
    kuerzel->setText(Qt8(s.kuerzel));
    artikel_ = s.artikel >= 0 && s.artikel <= 2 ? s.artikel : 0;
    artText->setText(ArtikelTexte[size_t(artikel_)]);
    pokal->setChecked(s.pokal);
    medien->setChecked(s.medien);
    ag->setChecked(s.ag);
    ag->setEnabled(ed_.AmateurLink() == 0);
    VereinsCombo(fanFreund, "Keiner", ed_.AndereVereine());
    VereinsCombo(erzRivale, "Keiner", ed_.AndereVereine());
    ComboWaehlen(fanFreund, s.fanFreund);
    ComboWaehlen(erzRivale, s.erzRivale);
    AmateurFuellen();
    anfeuerung->setText(Qt8(s.anfeuerung));
    staerke->setText(QString::fromStdString(ed_.StaerkeText()));
    fanaufkommen->Wert(s.fanaufkommen);
    maxFan->Wert(s.maxFan);
    fanArt->Wert(s.fanArt);
    hooligans->Wert(s.hooligans);
    finanz->Wert(s.finanz);
    guthaben->setValue(s.guthaben);
    emit guthaben->valueChanged(guthaben->value());
    for (size_t i = 0; i < 6; ++i) titel[i]->setValue(s.titel[i]);
    gruendung->setValue(s.gruendung);
    (s.regional == 5 ? sued : nord)->setChecked(true);
    const bool land0 = ed_.Land() == 0;
    regional->setVisible(land0);
    regional->setEnabled(land0);
}

std::optional<SeiteAllgemein> CVereinsEditorAllgemein::Lesen() const {
    bool ok = true;
    SeiteAllgemein s = ed_.LadeAllgemein();
    s.kuerzel = Lies(kuerzel, ok);
    s.anfeuerung = Lies(anfeuerung, ok);
    s.artikel = artikel_;
    s.pokal = pokal->isChecked();
    s.medien = medien->isChecked();
    s.ag = ag->isChecked();
    s.fanFreund = fanFreund->currentData().toInt();
    s.erzRivale = erzRivale->currentData().toInt();
    s.fanaufkommen = fanaufkommen->Wert();
    s.maxFan = maxFan->Wert();
    s.fanArt = fanArt->Wert();
    s.hooligans = hooligans->Wert();
    s.finanz = finanz->Wert();
    s.guthaben = guthaben->value();
    for (size_t i = 0; i < 6; ++i) s.titel[i] = titel[i]->value();
    if (gruendung->value() != s.gruendung) s.gruendung = gruendung->value();
    s.regional = sued->isChecked() ? 5 : 2;
    if (!ok) return std::nullopt;
    return s;
}

// ---- "Vorsitzender"

CVereinsEditorVorsitzender::CVereinsEditorVorsitzender(const CVereinsEditor& ed, QWidget* parent)
    : CPropertyPageBM("Vorsitzender", parent) {
    auto* l = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name = Textfeld(28, "PraesidentName", this);
    vorname = Textfeld(28, "PraesidentVorname", this);
    form->addRow("&Name", name);
    form->addRow("&Vorname", vorname);
    auto* datum = new QHBoxLayout;
    tag = Spinner(1, 31, "Tag", this);
    monat = Spinner(1, 12, "Monat", this);
    jahr = Spinner(ed.JahrMin(), ed.JahrMax(), "Jahr", this);
    datum->addWidget(tag);
    datum->addWidget(monat);
    datum->addWidget(jahr);
    datum->addStretch(1);
    form->addRow("Geburtsdatum", datum);
    vorstand = new CStufe(VorstandTexte.data(), 6, this);
    opposition = new CStufe(OppositionTexte.data(), 7, this);
    form->addRow("Vorstand", vorstand);
    form->addRow("Opposition", opposition);
    l->addLayout(form);
    l->addStretch(1);
    for (QSpinBox* s : {tag, monat, jahr}) connect(s, &QSpinBox::valueChanged, this, [this] { Normalisieren(); });
}

void CVereinsEditorVorsitzender::Normalisieren() {
    if (normalisiert_) return;
    normalisiert_ = true;
    SeiteVorsitzender s;
    s.tag = tag->value();
    s.monat = monat->value();
    s.jahr = jahr->value();
    CVereinsEditor::DatumNormalisieren(s);
    tag->setValue(s.tag);
    monat->setValue(s.monat);
    jahr->setValue(s.jahr);
    normalisiert_ = false;
}

void CVereinsEditorVorsitzender::Fuellen(const SeiteVorsitzender& s) {
    name->setText(Qt8(s.name));
    vorname->setText(Qt8(s.vorname));
    normalisiert_ = true;
    tag->setValue(s.tag);
    monat->setValue(s.monat);
    jahr->setValue(s.jahr);
    normalisiert_ = false;
    vorstand->Wert(s.vorstand);
    opposition->Wert(s.opposition);
}

std::optional<SeiteVorsitzender> CVereinsEditorVorsitzender::Lesen() const {
    bool ok = true;
    SeiteVorsitzender s;
    s.name = Lies(name, ok);
    s.vorname = Lies(vorname, ok);
    s.tag = tag->value();
    s.monat = monat->value();
    s.jahr = jahr->value();
    s.vorstand = vorstand->Wert();
    s.opposition = opposition->Wert();
    if (!ok) return std::nullopt;
    return s;
}

// ---- the editor

CVereinsEditorDlg::CVereinsEditorDlg(const CVerein& verein, Liste<CVerein>& vereine, int amateure, int bonus, int land,
                                     const std::filesystem::path& wappen, QWidget* parent)
    : CPropertySheetBM("Vereinseditor - " + Qt8(verein.Name()), parent),
      ed_(verein, vereine, amateure, bonus, land),
      wappenDatei_(wappen) {
    setObjectName("CVereinsEditorDlg");
    verein_ = new CVereinsEditorVerein(this);
    allgemein_ = new CVereinsEditorAllgemein(ed_, this);
    trikots_ = new CVereinsEditorTrikotsaetze(this);
    wappen_ = new CVereinsEditorWappen(this);
    karte_ = new CVereinsEditorLandkarte(this);
    vorsitz_ = new CVereinsEditorVorsitzender(ed_, this);
    for (CPropertyPageBM* p : std::initializer_list<CPropertyPageBM*>{verein_, allgemein_, trikots_, wappen_, karte_,
                                                                       vorsitz_})
        AddPage(p);
    Tabs()->setTabText(2, "Trikotsätze");
    wappen_->Datei(wappenDatei_);
    wappen_->LoadIconToMemory();

    // The file and stadium buttons go in front of OK and Abbrechen.
    auto* reihe = qobject_cast<QHBoxLayout*>(layout()->itemAt(1)->layout());
    auto* speichern = new QPushButton("Verein s&peichern", this);
    speichern->setObjectName("VereinSpeichern");
    auto* einlesen = new QPushButton("Verein &einlesen", this);
    einlesen->setObjectName("VereinEinlesen");
    auto* stadion = new QPushButton("S&tadion", this);
    stadion->setObjectName("Stadion");
    for (QPushButton* b : {speichern, einlesen, stadion}) b->setAutoDefault(false);
    reihe->insertWidget(0, speichern);
    reihe->insertWidget(1, einlesen);
    reihe->insertWidget(2, stadion);
    connect(speichern, &QPushButton::clicked, this, &CVereinsEditorDlg::OnSpeichern);
    connect(einlesen, &QPushButton::clicked, this, &CVereinsEditorDlg::OnEinlesen);
    connect(stadion, &QPushButton::clicked, this, &CVereinsEditorDlg::OnStadion);

    disconnect(OkButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(OkButton(), &QPushButton::clicked, this, &CVereinsEditorDlg::OnOK);
    connect(Tabs(), &QTabWidget::currentChanged, this, &CVereinsEditorDlg::OnTab);

    dateiWahl = [this](bool speichern) {
        const QString ordner = QString::fromStdString(HostPath(std::string(".") + kDirDataSav).string());
        CreateFolders(ordner.toStdString());
        const QString filter = "Vereinsdateien(*.ven);;All Files (*.*)";
        if (speichern) {
            QFileDialog d(this, "Verein speichern", ordner, filter);
            d.setAcceptMode(QFileDialog::AcceptSave);
            d.setDefaultSuffix("ven");
            return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
        }
        return QFileDialog::getOpenFileName(this, "Verein einlesen", ordner, filter);
    };
    for (int i = 0; i < Tabs()->count(); ++i) SeiteLaden(i);
    Tabs()->setCurrentIndex(0);
    resize(620, 520);
}

void CVereinsEditorDlg::SeiteLaden(int seite) {
    CVerein& v = ed_.Kopie();
    switch (seite) {
        case CVereinsEditor::kVerein: verein_->Fuellen(ed_.LadeVerein()); break;
        case CVereinsEditor::kAllgemein: allgemein_->Fuellen(ed_.LadeAllgemein()); break;
        case CVereinsEditor::kTrikots: trikots_->InitWerte({v.TrikotSatz(0), v.TrikotSatz(1)}); break;
        case CVereinsEditor::kWappen: break;  // the crest page keeps its own picture
        case CVereinsEditor::kLandkarte: {
            const CLand* land = size_t(ed_.Land()) < Daten().AlleLaender.size()
                                    ? Daten().AlleLaender[size_t(ed_.Land())].get()
                                    : nullptr;
            karte_->Init(ed_.Land(), ed_.Bonus(), land ? land->BonusPredefined() : -1, v.Name(), v.VereinsNummer(),
                         v.XKoord(), v.YKoord());
            break;
        }
        case CVereinsEditor::kVorsitzender: vorsitz_->Fuellen(ed_.LadeVorsitzender()); break;
        default: break;
    }
}

bool CVereinsEditorDlg::SeiteSpeichern(int seite) {
    CVerein& v = ed_.Kopie();
    switch (seite) {
        case CVereinsEditor::kVerein: {
            auto s = verein_->Lesen();
            return s && ed_.SpeichereVerein(*s);
        }
        case CVereinsEditor::kAllgemein: {
            auto s = allgemein_->Lesen();
            return s && ed_.SpeichereAllgemein(*s);
        }
        case CVereinsEditor::kTrikots: {
            if (!trikots_->CheckData()) return false;
            std::array<TRIKOTSATZ, 2> saetze{};
            trikots_->SpeichereWerte(saetze);
            return v.TrikotSatz(0, saetze[0]) && v.TrikotSatz(1, saetze[1]);
        }
        case CVereinsEditor::kWappen:
            // What was painted goes into the editor's crest file, so that a
            // club file saved now carries it; Cancel removes that file.
            wappen_->CommitIconChanges();
            return true;
        case CVereinsEditor::kLandkarte:
            v.XKoord(karte_->XKoord());
            v.YKoord(karte_->YKoord());
            return true;
        case CVereinsEditor::kVorsitzender: {
            auto s = vorsitz_->Lesen();
            return s && ed_.SpeichereVorsitzender(*s);
        }
        default: return true;
    }
}

void CVereinsEditorDlg::OnTab(int seite) {
    if (wechselt_) return;
    if (!SeiteSpeichern(seite_)) {
        wechselt_ = true;
        Tabs()->setCurrentIndex(seite_);
        wechselt_ = false;
        return;
    }
    seite_ = seite;
    SeiteLaden(seite);
}

void CVereinsEditorDlg::OnOK() {
    if (!ed_.Ok(SeiteSpeichern(seite_))) return;
    wappen_->CommitIconChanges();
    accept();
}

void CVereinsEditorDlg::OnSpeichern() {
    if (!SeiteSpeichern(seite_)) return;
    const QString datei = dateiWahl(true);
    if (datei.isEmpty()) return;
    const std::filesystem::path ven = datei.toStdString();
    ed_.VereinSpeichern(ven, VereinsdateiWappen(ven));
}

void CVereinsEditorDlg::OnEinlesen() {
    const QString datei = dateiWahl(false);
    if (datei.isEmpty()) return;
    const std::filesystem::path ven = datei.toStdString();
    if (!ed_.VereinEinlesen(ven, VereinsdateiWappen(ven))) return;
    wappen_->LoadIconToMemory();
    wappen_->ClearUndoHistory();
    for (int i = 0; i < Tabs()->count(); ++i) SeiteLaden(i);
    wechselt_ = true;
    Tabs()->setCurrentIndex(0);
    wechselt_ = false;
    seite_ = 0;
}

void CVereinsEditorDlg::OnStadion() {
    CStadion* stadion = ed_.Kopie().Stadion();
    if (!stadion) {
        ed_.Kopie().Stadion(std::make_unique<CStadion>());
        stadion = ed_.Kopie().Stadion();
    }
    RunStadionEditor(*stadion, this);
}

}  // namespace v3
