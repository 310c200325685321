#pragma once
// Registers the document's own Datei commands with the command runner. A
// command the document does not have yet stays unregistered, so its menu entry
// is shown disabled.
#include <type_traits>

#include "dataset/EditorDoc.h"
#include "shell/CommandRunner.h"

namespace v3 {

// Whether the document has the commands of the reinitialisation and the import.
template <class D>
concept HasReinitialisierung = requires(D& d) { d.OnDateiReinitialisierung(); };
template <class D>
concept HasV2Konvertierung = requires(D& d) { d.OnDateiV2dateneinlesen(); };

namespace detail {
// Calls a document command; true unless the command reports that it did not run.
template <class F>
bool CallDocCommand(F&& f) {
    if constexpr (std::is_same_v<decltype(f()), bool>)
        return f();
    else {
        f();
        return true;
    }
}
}  // namespace detail

template <class Doc = CEDITORDoc>
void RegisterDocCommands(CommandRunner& runner, Doc& doc) {
    runner.Register("OnLadenV3", [&doc](const CommandArgs&) {
        return detail::CallDocCommand([&] { return doc.OnLadenV3(); });
    });
    runner.Register("OnFileSave", [&doc](const CommandArgs&) {
        return detail::CallDocCommand([&] { return doc.OnFileSave(); });
    });
    if constexpr (HasReinitialisierung<Doc>)
        runner.Register("OnDateiReinitialisierung", [&doc](const CommandArgs&) {
            return detail::CallDocCommand([&] { return doc.OnDateiReinitialisierung(); });
        });
    if constexpr (HasV2Konvertierung<Doc>)
        runner.Register("OnDateiV2dateneinlesen", [&doc](const CommandArgs&) {
            return detail::CallDocCommand([&] { return doc.OnDateiV2dateneinlesen(); });
        });
}

}  // namespace v3
