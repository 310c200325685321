#include "editors/personal/MedienDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/personal/PersonalWidgets.h"
#include "editors/personal/rules/PersonalRules.h"
#include "records/Land.h"

namespace v3 {

CMedienDlg::CMedienDlg(QWidget* parent, CLand& land) : CDialogBM(142, parent), land_(land) {
    setWindowTitle(TitelMitLand("Medien"));
    auto* layout = new QVBoxLayout(this);

    auto* reporterBox = new QGroupBox("Reporter", this);
    auto* rg = new QGridLayout(reporterBox);
    rg->addWidget(new QLabel("Name", reporterBox), 0, 1);
    rg->addWidget(new QLabel("Vorname", reporterBox), 0, 2);
    rg->addWidget(new QLabel("Sender", reporterBox), 0, 3);
    rg->addWidget(new QLabel("Einstellung", reporterBox), 0, 4, 1, 3);
    const int nr = std::min(int(land.Reporters().size()), kMedienReporter);
    for (int i = 0; i < nr; ++i) {
        const CReporter& r = *land.Reporters()[size_t(i)];
        const std::string n = std::to_string(i + 1);
        ReporterFelder f;
        f.nachname = NamensFeld(reporterBox, r.Nachname(), kMaxPersonenName, ("ReporterName" + n).c_str());
        f.vorname = NamensFeld(reporterBox, r.Vorname(), kMaxPersonenName, ("ReporterVorname" + n).c_str());
        f.sender = NamensFeld(reporterBox, r.Sender(), kMaxSender, ("Sender" + n).c_str());
        f.einstellung = new QScrollBar(Qt::Horizontal, reporterBox);
        f.einstellung->setObjectName(QString::fromStdString("Einstellung" + n));
        // A stored attitude outside the scale widens it rather than being cut.
        f.einstellung->setRange(std::min(kEinstellungMin, int(r.Einstellung())),
                                std::max(kEinstellungMax, int(r.Einstellung())));
        f.einstellung->setPageStep(2);
        f.einstellung->setValue(r.Einstellung());
        f.einstellung->setFocusPolicy(Qt::StrongFocus);
        f.einstellung->setMinimumWidth(100);
        rg->addWidget(new QLabel(QString::fromStdString("Nr. " + n), reporterBox), i + 1, 0);
        rg->addWidget(f.nachname, i + 1, 1);
        rg->addWidget(f.vorname, i + 1, 2);
        rg->addWidget(f.sender, i + 1, 3);
        rg->addWidget(new QLabel("B\xC3\xB6se", reporterBox), i + 1, 4);
        rg->addWidget(f.einstellung, i + 1, 5);
        rg->addWidget(new QLabel("Lieb", reporterBox), i + 1, 6);
        reporter_.push_back(f);
    }
    layout->addWidget(reporterBox);

    auto* kritikerBox = new QGroupBox("Kritiker", this);
    auto* kg = new QGridLayout(kritikerBox);
    kg->addWidget(new QLabel("Name", kritikerBox), 0, 1);
    kg->addWidget(new QLabel("Vorname", kritikerBox), 0, 2);
    const int nk = std::min(int(land.Critics().size()), kMedienKritiker);
    for (int i = 0; i < nk; ++i) {
        const CKritiker& k = *land.Critics()[size_t(i)];
        const std::string n = std::to_string(i + 1);
        KritikerFelder f;
        f.nachname = NamensFeld(kritikerBox, k.Nachname(), kMaxPersonenName, ("KritikerName" + n).c_str());
        f.vorname = NamensFeld(kritikerBox, k.Vorname(), kMaxPersonenName, ("KritikerVorname" + n).c_str());
        kg->addWidget(new QLabel(QString::fromStdString("Nr. " + n), kritikerBox), i + 1, 0);
        kg->addWidget(f.nachname, i + 1, 1);
        kg->addWidget(f.vorname, i + 1, 2);
        kritiker_.push_back(f);
    }
    kg->setColumnStretch(3, 1);
    layout->addWidget(kritikerBox);
    if (nr == 0 && nk == 0) layout->addWidget(new QLabel("Dieses Land hat keine Reporter und Kritiker.", this));

    QPushButton* ok;
    QPushButton* abbrechen;
    layout->addStretch(1);
    layout->addLayout(KnopfLeiste(this, &ok, &abbrechen));
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
}

void CMedienDlg::OnOK() {
    std::vector<ReporterEingabe> reporter;
    std::vector<KritikerEingabe> kritiker;
    for (const auto& f : reporter_) {
        auto sender = Text1252(f.sender);
        auto nach = sender ? Text1252(f.nachname) : std::nullopt;
        auto vor = nach ? Text1252(f.vorname) : std::nullopt;
        if (!vor) return;
        reporter.push_back({*sender, *nach, *vor, f.einstellung->value()});
    }
    for (const auto& f : kritiker_) {
        auto nach = Text1252(f.nachname);
        auto vor = nach ? Text1252(f.vorname) : std::nullopt;
        if (!vor) return;
        kritiker.push_back({*nach, *vor});
    }
    if (MedienSpeichern(land_, reporter, kritiker)) accept();
}

}  // namespace v3
