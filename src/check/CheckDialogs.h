#pragma once
// The entry points of the menu commands "Datencheck" and "Vereine &drucken".
class QPrinter;
class QWidget;

namespace v3 {

class CEditorRegistry;

// Registers "Datencheck" and "Vereine drucken" with the menu.
void RegisterCheckEditors(CEditorRegistry& editors);

// Opens the data check ("Daten suchen und prüfen") without working copies;
// true when it was left with "Verlassen". `printer`: the program's printer
// settings, or null.
bool RunDatenCheckDialog(QWidget* parent, QPrinter* printer = nullptr);

// Opens the club printout for country `land` (made the current country; -1
// keeps the current one); true when it was closed with "Drucken".
bool RunVereineDruckenDialog(QWidget* parent, int land, QPrinter* printer = nullptr);

}  // namespace v3
