#include "check/PrinterChoice.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace v3 {

PrinterChoice ChoosePrinter(QWidget* parent, QPrinter& printer, int pageCount) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(parent, "Als PDF-Datei drucken", "Ausdruck.pdf",
                                                          "PDF-Dateien (*.pdf)");
        if (file.isEmpty()) return PrinterChoice::NoPrinter;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return PrinterChoice::Chosen;
    }
    QPrintDialog dialog(&printer, parent);
    if (pageCount > 0) {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setMinMax(1, pageCount);
        dialog.setFromTo(1, pageCount);
    } else {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    return dialog.exec() == QDialog::Accepted ? PrinterChoice::Chosen : PrinterChoice::Cancelled;
}

}  // namespace v3
