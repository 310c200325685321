#include "check/DatenCheckDlg.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "check/PagePainter.h"
#include "check/core/CheckListPages.h"
#include "check/core/DatenCheck.h"
#include "base/AppState.h"
#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

CDatenCheckDlg::CDatenCheckDlg(QWidget* parent, const CheckSources& sources, QPrinter* printer)
    : CDialogBM(kLayout, parent), sources_(sources), printer_(printer) {
    setWindowTitle("Daten suchen und pr\xC3\xBC" "fen");

    auswahl_ = new QGroupBox("Auswahl", this);
    personSuchen_ = new QRadioButton("Person suchen", auswahl_);
    datenPruefen_ = new QRadioButton("Daten pr\xC3\xBC" "fen", auswahl_);
    auto* radios = new QVBoxLayout(auswahl_);
    radios->addWidget(personSuchen_);
    radios->addWidget(datenPruefen_);

    vorname_ = new QLineEdit(this);
    vorname_->setMaxLength(kMaxVorname);
    nachname_ = new QLineEdit(this);
    nachname_->setMaxLength(kMaxNachname);
    auto* namen = new QFormLayout;
    namen->addRow("Vorname", vorname_);
    namen->addRow("Nachname", nachname_);

    auto* oben = new QHBoxLayout;
    oben->addWidget(auswahl_);
    oben->addLayout(namen, 1);

    liste_ = new QListWidget(this);
    liste_->setUniformItemSizes(true);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);

    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    prozent_ = new QLabel(this);
    prozent_->setMinimumWidth(40);
    auto* fortschritt = new QHBoxLayout;
    fortschritt->addWidget(bar_, 1);
    fortschritt->addWidget(prozent_);
    status_ = new QLabel("Erstelle Liste...", this);

    start_ = new QPushButton("START", this);
    drucken_ = new QPushButton("Drucken", this);
    verlassen_ = new QPushButton("Verlassen", this);
    verlassen_->setObjectName(kOkButton);
    start_->setAutoDefault(false);
    drucken_->setAutoDefault(false);
    verlassen_->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(start_);
    knoepfe->addWidget(drucken_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(verlassen_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(liste_, 1);
    layout->addLayout(fortschritt);
    layout->addWidget(status_);
    layout->addLayout(knoepfe);
    resize(600, 440);

    connect(start_, &QPushButton::clicked, this, [this] { OnButtonStart(); });
    connect(drucken_, &QPushButton::clicked, this, [this] { OnDcheckDruckenBtn(); });
    connect(verlassen_, &QPushButton::clicked, this, [this] { OnOK(); });

    // The worker's reports, always queued onto this thread.
    connect(&signals_, &CheckSignals::percentText, prozent_, &QLabel::setText, Qt::QueuedConnection);
    connect(&signals_, &CheckSignals::progressRange, bar_,
            [this](int lower, int upper, int) { bar_->setRange(lower, upper); }, Qt::QueuedConnection);
    connect(&signals_, &CheckSignals::progressPos, bar_, &QProgressBar::setValue, Qt::QueuedConnection);
    connect(&signals_, &CheckSignals::status, status_, &QLabel::setText, Qt::QueuedConnection);
    connect(&signals_, &CheckSignals::linesAdded, this, &CDatenCheckDlg::OnLinesAdded, Qt::QueuedConnection);
    connect(&signals_, &CheckSignals::finished, this, &CDatenCheckDlg::OnKillThread, Qt::QueuedConnection);
}

CDatenCheckDlg::~CDatenCheckDlg() {
    // Nothing may report into a dialog that is going.
    worker_.RequestStop();
    worker_.Join();
    signals_.disconnect();
}

void CDatenCheckDlg::SetNames(const std::string& vorname, const std::string& nachname) {
    presetVorname_ = vorname;
    presetNachname_ = nachname;
    vorname_->setText(Qt8(vorname));
    nachname_->setText(Qt8(nachname));
}

void CDatenCheckDlg::OnInitDialog() {
    CDialogBM::OnInitDialog();
    personSuchen_->setChecked(true);
    prozent_->setText("0%");
    drucken_->setEnabled(false);
    if (!presetVorname_.empty() && !presetNachname_.empty()) {
        personSuchen_->setEnabled(false);
        datenPruefen_->setEnabled(false);
        auswahl_->setEnabled(false);
        vorname_->setEnabled(false);
        nachname_->setEnabled(false);
        OnButtonStart();
    }
}

void CDatenCheckDlg::OnButtonStart() {
    const int mode = datenPruefen_->isChecked() ? 1 : 0;
    if (laeuft_) {
        worker_.RequestStop();
        return;
    }
    CheckRun run = PrepareCheckRun(signals_, worker_.StopFlag(), sources_);
    CheckKind kind = CheckKind::DatenCheck;
    if (mode == 0) {
        for (auto [edit, ziel] : {std::pair{vorname_, &run.vorname}, std::pair{nachname_, &run.nachname}}) {
            auto text = Utf8ToCp1252(edit->text().toStdString());
            if (!text.text) {
                App().ui->MessageBox(RefusedCharacterMessage(text.badCharacter), kProgrammTitel, MsgButtons::Ok,
                                     MsgIcon::Stop);
                return;
            }
            *ziel = TrimBlanks(*text.text);
        }
        if (run.vorname.empty() && run.nachname.empty()) return;
        kind = CheckKind::SuchePerson;
    }
    mode_ = mode;
    liste_->clear();
    start_->setText("STOP");
    laeuft_ = worker_.Start(kind, std::move(run)) != 0;
    if (!laeuft_) start_->setText("START");
}

void CDatenCheckDlg::OnLinesAdded(const QStringList& lines, int select) {
    liste_->addItems(lines);
    if (select >= 0 && select < liste_->count()) liste_->setCurrentRow(select);
}

void CDatenCheckDlg::OnKillThread(quint64 runId) {
    if (!laeuft_ || runId != worker_.RunId()) return;  // not the run of this dialog
    worker_.Join();
    start_->setText("START");
    if (liste_->count() == 0 && mode_ == 0)
        App().ui->MessageBox(kKeinTreffer, kProgrammTitel, MsgButtons::Ok, MsgIcon::Information);
    drucken_->setEnabled(liste_->count() > 0);
    laeuft_ = false;
    if (pendingClose_ != kKein) {
        const int request = pendingClose_;
        pendingClose_ = kKein;
        Close(request);
    }
}

void CDatenCheckDlg::OnOK() {
    if (laeuft_) {
        worker_.RequestStop();
        pendingClose_ = kOk;
        return;
    }
    Close(kOk);
}

void CDatenCheckDlg::OnCancel() {
    if (laeuft_) {
        worker_.RequestStop();
        pendingClose_ = kAbbrechen;
        return;
    }
    Close(kAbbrechen);
}

void CDatenCheckDlg::closeEvent(QCloseEvent* event) {
    if (laeuft_) {
        worker_.RequestStop();
        pendingClose_ = kFenster;
        event->ignore();
        return;
    }
    CDialogBM::closeEvent(event);
}

void CDatenCheckDlg::Close(int request) {
    if (request == kOk)
        QDialog::accept();
    else
        QDialog::reject();
}

void CDatenCheckDlg::OnDcheckDruckenBtn() {
    if (laeuft_) worker_.RequestStop();  // prints the lines present now
    if (liste_->count() == 0) return;
    if (!printer_) {
        if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_ = ownPrinter_.get();
    }
    if (choosePrinter(this, *printer_, 0) != PrinterChoice::Chosen) return;
    std::vector<std::string> lines;
    lines.reserve(size_t(liste_->count()));
    for (int i = 0; i < liste_->count(); ++i)
        lines.push_back(Utf8ToCp1252(liste_->item(i)->text().toStdString()).text.value_or(""));
    const auto [breite, hoehe] = PaperSize(*printer_);
    if (!PrintPages(*printer_, CheckListPages(lines, breite, hoehe)))
        App().ui->MessageBox(kDruckFehlgeschlagen, kProgrammTitel, MsgButtons::Ok, MsgIcon::Stop);
}

}  // namespace v3
