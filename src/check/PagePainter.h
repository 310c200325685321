#pragma once
// Paints printed pages (check/core/PrintItem.h) with Qt: the three "Courier
// New" printing fonts sized for the device, each text at its place in 0.1 mm
// from the paper's top left corner.
#include <QFont>
#include <array>
#include <vector>

#include "check/core/PrintItem.h"

class QPaintDevice;
class QPainter;
class QPrinter;

namespace v3 {

// The printing fonts for one device (made by BeginPrinting, released with it).
class PrintFonts {
public:
    // dotsPerUnit: device pixels per 0.1 mm.
    explicit PrintFonts(double dotsPerUnit);
    const QFont& Font(PrintFont f) const { return fonts_[size_t(f)]; }

private:
    std::array<QFont, 3> fonts_;
};

// Device pixels per 0.1 mm of a paint device.
double DotsPerUnit(const QPaintDevice& device);

// Paints one page: white background, black text.
void PaintPage(QPainter& painter, const PrintPage& page, const PrintFonts& fonts, double dotsPerUnit);

// The paper of a printer in 0.1 mm (width, height).
std::pair<int, int> PaperSize(const QPrinter& printer);

// Prints the pages as one job, each on a page of its own. When a page cannot
// be finished the job is aborted and the result is false.
bool PrintPages(QPrinter& printer, const std::vector<PrintPage>& pages);

}  // namespace v3
