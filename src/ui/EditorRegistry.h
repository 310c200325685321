#pragma once
// Where an area's editors register the actions behind their menu entries. The
// main frame owns one and hands it to each area's registration function; an
// entry whose editor is not registered stays greyed. The menu walk opens every
// editor registered here, so registering is all an editor does to join it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/CommandRunner.h"

class QPrinter;
class QWidget;

namespace v3 {

class CEditorRegistry {
public:
    // parent: the window the editors open over; printer: the program's printer
    // settings (made on first use).
    CEditorRegistry(CommandRunner& runner, QWidget* parent, std::function<QPrinter*()> printer)
        : runner_(runner), parent_(parent), printer_(std::move(printer)) {}

    // Registers the action of a menu entry (its handler name in the menu
    // table). The action opens the editor modally and returns whether it was
    // closed with OK.
    void Register(std::string_view handler, CommandAction action) {
        runner_.Register(handler, std::move(action));
        handlers_.emplace_back(handler);
    }

    QWidget* Parent() const { return parent_; }
    QPrinter* Printer() const { return printer_ ? printer_() : nullptr; }
    // The registered handlers in the order of their registration.
    const std::vector<std::string>& Handlers() const { return handlers_; }

private:
    CommandRunner& runner_;
    QWidget* parent_;
    std::function<QPrinter*()> printer_;
    std::vector<std::string> handlers_;
};

}  // namespace v3
