#pragma once
// The main menu as a table: every entry with its text, shortcut, handler name and
// the steps the shell runs before and after the command's own dialog.
#include <span>
#include <string_view>

namespace v3 {

// What must hold before a command runs.
enum class Guard {
    None,              // runs always
    DataSet,           // the country list must not be empty
    DataSetAndOthers,  // as DataSet; an empty list of other players gets one new player
    FormerPlayers,     // the pool of former players must not be empty
    IntReferees,       // the list of international referees must not be empty
};

// Which chooser is shown first; a cancelled chooser ends the command.
enum class Chooser { None, Country, Pool };

// How the command leaves DatenGeaendert.
enum class Marks {
    No,    // leaves it alone
    Yes,   // sets it when the command ends, whatever the dialog's result
    OnOk,  // sets it only when the dialog was closed with OK
};

struct MenuCommand {
    std::string_view menu;       // "Datei", "National", "International", "Besonderes", "?"
    std::string_view text;       // the entry's text with its '&' mnemonic
    std::string_view handler;    // name of the action that runs it
    std::string_view shortcut;   // "Ctrl+S", "Ctrl+P", "F1" or empty
    Guard guard = Guard::None;
    Chooser chooser = Chooser::None;
    int chooserMode = 0;         // country chooser mode when chooser == Country
    bool repaintView = false;    // repaint the whole view before the dialog opens
    int waitMs = 0;              // pause after the chooser, before the dialog
    Marks marks = Marks::No;
    bool onceOnly = false;       // disabled once it has run in this run of the program
    bool separatorBefore = false;
};

// The whole menu in display order.
std::span<const MenuCommand> MenuCommands();
// The entry whose handler is named so, or null.
const MenuCommand* FindMenuCommand(std::string_view handler);

// The menu's names in display order.
inline constexpr std::string_view kMenus[] = {"Datei", "National", "International", "Besonderes", "?"};

// Texts shared by the shell.
inline constexpr const char* kKeinDatensatz = "Es ist kein VOLTARO 3-Datensatz geladen!";
inline constexpr const char* kKeineSpielerImPool = "Es sind derzeit keine Spieler im Pool!";

}  // namespace v3
