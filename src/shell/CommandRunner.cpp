#include "shell/CommandRunner.h"

#include <memory>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "base/Layout.h"
#include "records/Spieler.h"

namespace v3 {

void CommandRunner::Register(std::string_view handler, CommandAction action) {
    actions_[std::string(handler)] = std::move(action);
}

bool CommandRunner::IsRegistered(std::string_view handler) const {
    auto it = actions_.find(handler);
    return it != actions_.end() && it->second;
}

bool CommandRunner::IsEnabled(std::string_view handler) const {
    return IsRegistered(handler) && !ranOnce_.contains(handler);
}

bool CommandRunner::GuardPasses(Guard guard) {
    DataSet& d = Daten();
    auto refuse = [](const char* text, const char* caption, MsgIcon icon) {
        App().ui->MessageBox(text, caption, MsgButtons::Ok, icon);
        return false;
    };
    switch (guard) {
    case Guard::None:
        return true;
    case Guard::DataSet:
        return !d.Leer() || refuse(kKeinDatensatz, "Fehler!", MsgIcon::Stop);
    case Guard::DataSetAndOthers:
        if (d.Leer()) return refuse(kKeinDatensatz, "Fehler!", MsgIcon::Stop);
        if (d.SonstigeSpielerListe.empty()) d.SonstigeSpielerListe.push_back(std::make_unique<CSpieler>());
        return true;
    case Guard::FormerPlayers:
        return !d.ExSpielerListe.empty() || refuse(kKeineSpielerImPool, "Achtung!", MsgIcon::Warning);
    case Guard::IntReferees:
        return !d.ISchiriListe.empty() || refuse(kKeinDatensatz, "Fehler!", MsgIcon::Stop);
    }
    return true;
}

bool CommandRunner::Choose(const MenuCommand& cmd, CommandArgs& args) {
    if (cmd.chooser == Chooser::Pool) {
        auto pool = host_.ChoosePool();
        if (!pool) return false;
        args.pool = *pool;
        return true;
    }
    if (cmd.chooser != Chooser::Country) return true;
    auto value = host_.ChooseCountry(cmd.chooserMode);
    if (!value) return false;
    if (cmd.chooserMode == 11) {
        // The national squads take a nation number; the current country stays.
        args.nation = *value;
        return true;
    }
    App().AktuellesLand = *value;
    args.land = *value;
    args.mode = *value < kHauptlaender ? 0 : 1;
    return true;
}

CommandOutcome CommandRunner::Run(std::string_view handler) {
    const MenuCommand* cmd = FindMenuCommand(handler);
    if (!cmd || !IsEnabled(handler)) return CommandOutcome::Disabled;
    AppState& app = App();
    app.AnimationAktiv = false;

    CommandOutcome outcome = CommandOutcome::Refused;
    if (GuardPasses(cmd->guard)) {
        CommandArgs args;
        if (!Choose(*cmd, args)) {
            outcome = CommandOutcome::Cancelled;
        } else {
            if (cmd->repaintView) host_.RepaintView();
            if (cmd->waitMs > 0) host_.Wait(cmd->waitMs);
            // The action may replace the registration table's entry (a command
            // that registers others); keep a copy for the call.
            CommandAction action = actions_.find(handler)->second;
            bool ok = action(args);
            outcome = ok ? CommandOutcome::Ok : CommandOutcome::NotOk;
            if (cmd->onceOnly && ok) ranOnce_.insert(std::string(handler));
        }
        // Commands marked "yes" mark the data set whatever happened after the guard.
        if (cmd->marks == Marks::Yes || (cmd->marks == Marks::OnOk && outcome == CommandOutcome::Ok))
            app.DatenGeaendert = true;
    }
    app.AnimationAktiv = true;
    return outcome;
}

}  // namespace v3
