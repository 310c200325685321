#include "editors/verein/VereinsNamenDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/AppState.h"
#include "ui/TabStopDelegate.h"
#include "ui/WidgetText.h"

namespace v3 {

namespace {

// The renaming box, opened again as long as `nehmen` refuses the name.
NamenBox StandardBox(QWidget* parent, int modus) {
    return [parent, modus](const std::string& alt, const std::function<bool(const std::string&)>& nehmen) {
        std::string name = alt;
        for (;;) {
            CVereinsNameAendern dlg(modus, parent);
            dlg.Name(name);
            if (dlg.exec() != QDialog::Accepted) return false;
            name = dlg.Name();
            if (nehmen(name)) return true;
        }
    };
}

}  // namespace

CVereinsNameAendern::CVereinsNameAendern(int modus, QWidget* parent) : CDialogBM(185, parent) {
    setObjectName("CVereinsNameAendern");
    setWindowTitle(modus == 1 ? "Neuer Ausrüstername" : "Neuer Vereinsname");
    auto* l = new QVBoxLayout(this);
    feld_ = new QLineEdit(this);
    feld_->setObjectName("Name");
    feld_->setMaxLength(modus == 1 ? 20 : 19);
    l->addWidget(feld_);
    QPushButton* ok = nullptr;
    l->addLayout(OkCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &CVereinsNameAendern::OnOK);
    resize(300, 90);
}

void CVereinsNameAendern::Name(const std::string& name) {
    name_ = name;
    feld_->setText(Qt8(name));
    feld_->selectAll();
}

void CVereinsNameAendern::OnOK() {
    auto text = Text1252(feld_);
    if (!text) return;
    auto name = NeuerVereinsName(*text);
    if (!name) return;  // the box stays open
    name_ = *name;
    accept();
}

CVereinsNameAendernDlg::CVereinsNameAendernDlg(int modus, QWidget* parent)
    : CDialogBM(186, parent), namen_(modus) {
    setObjectName("CVereinsNameAendernDlg");
    setWindowTitle(modus == 1 ? QString("Ausrüster editieren")
                              : "Amateurvereinsauswahl - " + Qt8(App().Laendername[size_t(App().AktuellesLand)]));
    auto* l = new QVBoxLayout(this);
    auto* rahmen = new QGroupBox(modus == 1 ? "Bitte Ausrüster auswählen!" : "Bitte Verein auswählen!", this);
    auto* rl = new QVBoxLayout(rahmen);
    liste_ = new QListWidget(rahmen);
    liste_->setObjectName("Namen");
    for (const auto& n : namen_.Namen()) liste_->addItem(Qt8(n));
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    rl->addWidget(liste_);
    l->addWidget(rahmen, 1);
    auto* bearbeiten = new QPushButton("&Bearbeiten", this);
    bearbeiten->setObjectName("Bearbeiten");
    auto* reihe = new QHBoxLayout;
    reihe->addWidget(bearbeiten);
    QPushButton* ok = nullptr;
    reihe->addLayout(OkCancelRow(this, &ok));
    l->addLayout(reihe);
    ok->setDefault(false);
    bearbeiten->setDefault(true);
    connect(bearbeiten, &QPushButton::clicked, this, &CVereinsNameAendernDlg::OnBearbeiten);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { OnBearbeiten(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        namen_.Ok();
        accept();
    });
    box = StandardBox(this, modus);
    resize(360, 420);
}

void CVereinsNameAendernDlg::OnBearbeiten() {
    const int zeile = liste_->currentRow();
    if (zeile < 0 || size_t(zeile) >= namen_.Namen().size()) return;
    const size_t i = size_t(zeile);
    if (box(namen_.Namen()[i], [this, i](const std::string& name) { return namen_.Umbenennen(i, name); }))
        liste_->item(zeile)->setText(Qt8(namen_.Namen()[i]));
    liste_->setCurrentRow(int(namen_.Naechste(i)));
}

CVereinsAuswahlInterDlg::CVereinsAuswahlInterDlg(QWidget* parent) : CDialogBM(187, parent) {
    setObjectName("CVereinsAuswahlInterDlg");
    setWindowTitle("Vereinsauswahl  International");
    auto* l = new QVBoxLayout(this);
    liste_ = new QListWidget(this);
    liste_->setObjectName("Vereine");
    liste_->setItemDelegate(new CTabStopDelegate({60}, liste_));
    for (size_t i = 0; i < vereine_.Vereine().size(); ++i) liste_->addItem(Qt8(vereine_.Zeile(i)));
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    l->addWidget(liste_, 1);
    auto* editieren = new QPushButton("&Editieren", this);
    editieren->setObjectName("Editieren");
    auto* reihe = new QHBoxLayout;
    reihe->addWidget(editieren);
    QPushButton* ok = nullptr;
    reihe->addLayout(OkCancelRow(this, &ok));
    l->addLayout(reihe);
    ok->setDefault(false);
    editieren->setDefault(true);
    connect(editieren, &QPushButton::clicked, this, &CVereinsAuswahlInterDlg::OnEditieren);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { OnEditieren(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        vereine_.Ok();
        accept();
    });
    box = StandardBox(this, 0);
    resize(420, 460);
}

void CVereinsAuswahlInterDlg::OnEditieren() {
    const int zeile = liste_->currentRow();
    if (zeile < 0 || size_t(zeile) >= vereine_.Vereine().size()) return;
    const size_t i = size_t(zeile);
    if (box(vereine_.Vereine()[i]->Name(), [this, i](const std::string& name) { return vereine_.Umbenennen(i, name); }))
        liste_->item(zeile)->setText(Qt8(vereine_.Zeile(i)));
}

bool RunVereinsNameAendernDlg(int modus, QWidget* parent) {
    CVereinsNameAendernDlg dlg(modus, parent);
    return dlg.exec() == QDialog::Accepted;
}

bool RunVereinsAuswahlInterDlg(QWidget* parent) {
    CVereinsAuswahlInterDlg dlg(parent);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace v3
