#include "check/VereineDrucken.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "check/PagePainter.h"
#include "check/core/ClubSheet.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Verein.h"
#include "ui/WidgetText.h"

namespace v3 {
namespace {

const v3::Liste<CVerein>* VereineVon(int land) {
    const auto& laender = Daten().AlleLaender;
    if (land < 0 || size_t(land) >= laender.size() || !laender[size_t(land)]) return nullptr;
    return &laender[size_t(land)]->VereinsListe();
}

}  // namespace

CVereineDrucken::CVereineDrucken(QWidget* parent, QPrinter* printer)
    : CDialogBM(kLayout, parent), land_(App().AktuellesLand), printer_(printer) {
    setWindowTitle("Vereine drucken");
    liste_ = new QListWidget(this);
    liste_->setSelectionMode(QAbstractItemView::MultiSelection);
    if (const v3::Liste<CVerein>* vereine = VereineVon(land_))
        for (const auto& v : *vereine)
            if (v) {
                vereine_.push_back(v.get());
                liste_->addItem(Qt8(v->Name()));
            }
    drucken_ = new QPushButton("Drucken", this);
    drucken_->setObjectName(kOkButton);
    auto* abbrechen = new QPushButton("Abbrechen", this);
    abbrechen->setObjectName(kCancelButton);
    drucken_->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(drucken_);
    knoepfe->addWidget(abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Bitte Vereine ausw\xC3\xA4hlen", this));
    layout->addWidget(liste_, 1);
    layout->addLayout(knoepfe);
    resize(320, 400);
    connect(drucken_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { reject(); });
}

CVereineDrucken::~CVereineDrucken() = default;

void CVereineDrucken::PrintVerein(QPainter& painter, const PrintFonts& fonts, double dotsPerUnit,
                                  const CVerein& club) const {
    static const v3::Liste<CVerein> kKeine;
    const v3::Liste<CVerein>* vereine = VereineVon(land_);
    PaintPage(painter, ClubSheet(club, vereine ? *vereine : kKeine, Daten().NationenListe), fonts, dotsPerUnit);
}

void CVereineDrucken::OnOK() {
    std::vector<const CVerein*> gewaehlt;
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->isSelected()) gewaehlt.push_back(vereine_[size_t(i)]);
    if (gewaehlt.empty()) {
        QDialog::accept();
        return;
    }
    if (!printer_) {
        ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_ = ownPrinter_.get();
    }
    QPrinter& printer = *printer_;
    const int n = int(gewaehlt.size());
    printer.setFromTo(0, 0);
    const PrinterChoice choice = choosePrinter(this, printer, n);
    if (choice == PrinterChoice::NoPrinter) {
        QDialog::reject();
        return;
    }
    // A cancelled printer dialog still prints: everything, on the printer as set.
    int erste = 1, letzte = n;
    if (choice == PrinterChoice::Chosen && printer.fromPage() > 0) {
        erste = std::max(1, printer.fromPage());
        letzte = std::min(n, std::max(erste, printer.toPage()));
    }
    printer.setFullPage(true);
    QPainter painter;
    bool ok = painter.begin(&printer);
    if (ok) {
        const double dpu = DotsPerUnit(printer);
        const PrintFonts fonts(dpu);  // BeginPrinting
        for (int seite = erste; seite <= letzte; ++seite) {
            if (seite > erste && !printer.newPage()) {
                ok = false;
                break;
            }
            PrintVerein(painter, fonts, dpu, *gewaehlt[size_t(seite - 1)]);
        }
        ok = painter.end() && ok;  // EndPrinting
    }
    if (!ok) {
        // Not a success: the dialog stays open for another printer or another try.
        printer.abort();
        App().ui->MessageBox(kDruckFehlgeschlagen, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    QDialog::accept();
}

}  // namespace v3
