#include "check/PagePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "platform/Text1252.h"
#include "ui/WidgetText.h"

namespace v3 {

PrintFonts::PrintFonts(double dotsPerUnit) {
    for (PrintFont f : {PrintFont::Normal, PrintFont::Bold, PrintFont::Title}) {
        QFont font(kPrintFontFace);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        // The heights are cell heights, as the fonts were made with.
        font.setPixelSize(std::max(1, int(std::lround(PrintFontHeight(f) / kPrintCellPerEm * dotsPerUnit))));
        font.setWeight(PrintFontBold(f) ? QFont::Bold : QFont::Normal);
        fonts_[size_t(f)] = font;
    }
}

double DotsPerUnit(const QPaintDevice& device) { return device.logicalDpiY() / 254.0; }

void PaintPage(QPainter& painter, const PrintPage& page, const PrintFonts& fonts, double dotsPerUnit) {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(painter.device()->width(), painter.device()->height())), Qt::white);
    painter.setPen(Qt::black);
    for (const PrintItem& item : page) {
        const QFont& font = fonts.Font(item.font);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        const QString text = Qt8(item.text);
        double x = item.x * dotsPerUnit;
        if (item.align == PrintAlign::Centre) x -= metrics.horizontalAdvance(text) / 2;
        painter.drawText(QPointF(x, item.y * dotsPerUnit + metrics.ascent()), text);
    }
    painter.restore();
}

std::pair<int, int> PaperSize(const QPrinter& printer) {
    const QSizeF mm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    return {int(std::lround(mm.width() * 10)), int(std::lround(mm.height() * 10))};
}

bool PrintPages(QPrinter& printer, const std::vector<PrintPage>& pages) {
    if (pages.empty()) return true;
    // Positions count from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double dpu = DotsPerUnit(printer);
    const PrintFonts fonts(dpu);  // BeginPrinting
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            printer.abort();
            return false;
        }
        PaintPage(painter, pages[i], fonts, dpu);
    }
    return painter.end();  // EndPrinting: the job is closed
}

}  // namespace v3
