#include "editors/verein/NationalteamTrikotDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/verein/Trikotseiten.h"
#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

CNationalteamTrikotDlg::CNationalteamTrikotDlg(QWidget* parent) : CDialogBM(830, parent) {
    setObjectName("CNationalteamTrikotDlg");
    setWindowTitle("Trikoteditor für Nationalteams");
    resize(520, 400);
    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    liste_ = new QListWidget(this);
    liste_->setObjectName("Nationen");
    for (size_t i = 0; i < werte_.Anzahl(); ++i) liste_->addItem(Qt8(werte_.Name(i)));
    oben->addWidget(liste_, 1);
    // The selected nation's two sets as the game shows them.
    auto* saetze = new QHBoxLayout;
    const char* titel[2] = {"Heimtrikot", "Auswärtstrikot"};
    for (int s = 0; s < 2; ++s) {
        auto* rahmen = new QGroupBox(titel[s], this);
        auto* innen = new QVBoxLayout(rahmen);
        vorschau_[size_t(s)] = new CTrikotVorschau(rahmen);
        innen->addWidget(vorschau_[size_t(s)]);
        saetze->addWidget(rahmen);
    }
    oben->addLayout(saetze);
    oben->setAlignment(saetze, Qt::AlignTop);
    layout->addLayout(oben, 1);
    connect(liste_, &QListWidget::currentRowChanged, this, [this] { ZeigeVorschau(); });
    if (liste_->count() > 0) liste_->setCurrentRow(0);
    auto* knoepfe = new QHBoxLayout;
    auto* bearbeiten = new QPushButton("&Bearbeiten", this);
    bearbeiten->setObjectName("Bearbeiten");
    // The return key edits the selected nation; after the kit dialog the next
    // one is selected, so a user can go through the list with the keyboard.
    bearbeiten->setDefault(true);
    knoepfe->addWidget(bearbeiten);
    knoepfe->addStretch(1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName(kOkButton);
    ok->setAutoDefault(false);
    auto* abbrechen = new QPushButton("Abbrechen", this);
    abbrechen->setObjectName(kCancelButton);
    abbrechen->setAutoDefault(false);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(bearbeiten, &QPushButton::clicked, this, &CNationalteamTrikotDlg::OnBearbeiten);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { OnBearbeiten(); });
    connect(ok, &QPushButton::clicked, this, &CNationalteamTrikotDlg::OnOK);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void CNationalteamTrikotDlg::ZeigeVorschau() {
    const int zeile = liste_->currentRow();
    if (zeile < 0 || size_t(zeile) >= werte_.Anzahl()) return;
    for (int s = 0; s < 2; ++s) vorschau_[size_t(s)]->Zeige(werte_.Saetze(size_t(zeile))[size_t(s)]);
}

void CNationalteamTrikotDlg::OnBearbeiten() {
    const int zeile = liste_->currentRow();
    if (zeile < 0 || size_t(zeile) >= werte_.Anzahl()) return;
    CTrikotAuswahlDlg dlg(werte_.Saetze(size_t(zeile)), liste_->item(zeile)->text(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    liste_->setCurrentRow(int(werte_.Bearbeitet(size_t(zeile), dlg.Saetze())));
}

void CNationalteamTrikotDlg::OnOK() {
    werte_.Ok();
    accept();
}

bool RunNationalteamTrikotDialog(QWidget* parent) {
    CNationalteamTrikotDlg dlg(parent);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace v3
