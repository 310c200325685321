#pragma once
// Runs the main menu's commands: stops the title animation, checks the guard,
// shows the chooser, opens the command's dialog through its registered action,
// marks the data set as changed as the menu table says and lets the animation
// go on. Which dialogs exist is decided by what is registered: an entry without
// an action is shown disabled.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "shell/MenuCommands.h"

namespace v3 {

// What the chooser gave the command.
struct CommandArgs {
    int land = -1;    // AktuellesLand after a country chooser, else -1
    int nation = -1;  // nation number chosen in mode 11, else -1
    int pool = -1;    // 0-based pool from the pool chooser, else -1
    // Editor mode that follows the chosen country: 0 for a country with a league
    // system (positions 0..10), 1 for the others.
    int mode = 0;
};

// Opens the command's dialog; true when it was closed with OK (or, for the
// commands that run without a dialog, when their work was done).
using CommandAction = std::function<bool(const CommandArgs&)>;

// What the runner needs of the window that hosts it.
class ICommandHost {
public:
    virtual ~ICommandHost() = default;
    // Invalidates the whole main view and redraws it at once.
    virtual void RepaintView() = 0;
    // Waits, keeping the window painted.
    virtual void Wait(int ms) = 0;
    // Shows the country chooser in the given mode; the chosen line's value, or
    // none when it was cancelled.
    virtual std::optional<int> ChooseCountry(int mode) = 0;
    // Shows the pool chooser; the 0-based pool or none.
    virtual std::optional<int> ChoosePool() = 0;
};

enum class CommandOutcome {
    Disabled,   // no action registered, or a run-once command that has run
    Refused,    // the guard stopped it
    Cancelled,  // the chooser was cancelled
    Ok,         // the dialog was closed with OK
    NotOk,      // the dialog was closed otherwise
};

class CommandRunner {
public:
    explicit CommandRunner(ICommandHost& host) : host_(host) {}

    void Register(std::string_view handler, CommandAction action);
    bool IsRegistered(std::string_view handler) const;
    // Registered, and not a run-once command that has run already.
    bool IsEnabled(std::string_view handler) const;
    // Runs the menu entry with this handler name.
    CommandOutcome Run(std::string_view handler);

private:
    // False (with its message shown) when the guard refuses the command.
    bool GuardPasses(Guard guard);
    // Runs the chooser; false when it was cancelled.
    bool Choose(const MenuCommand& cmd, CommandArgs& args);

    ICommandHost& host_;
    std::map<std::string, CommandAction, std::less<>> actions_;
    std::set<std::string, std::less<>> ranOnce_;
};

}  // namespace v3
