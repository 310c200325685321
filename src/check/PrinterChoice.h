#pragma once
// Where a printout goes: the printer dialog when a printer is installed,
// otherwise a PDF file the user names.
#include <functional>

class QPrinter;
class QWidget;

namespace v3 {

enum class PrinterChoice {
    Chosen,     // the printer dialog was confirmed, or a PDF file was named
    Cancelled,  // the printer dialog was cancelled
    NoPrinter,  // no printer is installed and no PDF file was named
};

// Shows the printer dialog for `printer`; with pageCount > 0 the pages
// 1..pageCount can be chosen (the choice lands in printer.fromPage/toPage),
// with 0 page numbers are disabled. Without any installed printer it asks
// for a PDF file instead and sets up `printer` to write it.
PrinterChoice ChoosePrinter(QWidget* parent, QPrinter& printer, int pageCount);

// What a printout says when the printer did not take it.
inline constexpr const char* kDruckFehlgeschlagen =
    "Der Ausdruck ist fehlgeschlagen. Bitte pr\xC3\xBC" "fen Sie den Drucker und versuchen Sie es noch einmal.";

// The dialogs keep their chooser in a member of this type, so that a test,
// which cannot answer the system's dialogs, can put its own in place.
using PrinterChooser = std::function<PrinterChoice(QWidget*, QPrinter&, int pageCount)>;

}  // namespace v3
