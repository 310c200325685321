#pragma once
// The editors of the people a country owns, opened from the menu: the coach,
// goalkeeper-coach and manager pools, the national and international referees,
// the association president, the media, the celebrities and the sponsors. The
// coach and manager pools also serve the squad editor as choosers.
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace v3 {

class CEditorRegistry;
class CManager;
class CTrainerUndCo;

// Registers the menu entries of these editors.
void RegisterPersonalEditors(CEditorRegistry& editors);

// Each opens its editor for the current country (App().AktuellesLand) and
// returns true when it was closed with OK (the country's records replaced).
bool RunTrainerPool(QWidget* parent);
bool RunTWTrainerPool(QWidget* parent);
bool RunManagerPool(QWidget* parent);
bool RunSchiedsrichter(QWidget* parent);
bool RunSchiedsrichterInternational(QWidget* parent);
bool RunVerband(QWidget* parent);
bool RunMedien(QWidget* parent);
bool RunProminente(QWidget* parent);
bool RunSponsoren(QWidget* parent);

// Selection mode ("Übernehmen"): the caller's list of free coaches (managers)
// of the current country; the position of the chosen one, or none when the
// chooser was cancelled.
std::optional<int> WaehleTrainer(QWidget* parent, const std::vector<std::unique_ptr<CTrainerUndCo>>& freie);
std::optional<int> WaehleManager(QWidget* parent, const std::vector<std::unique_ptr<CManager>>& freie);

}  // namespace v3
