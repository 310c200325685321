#pragma once
// Everything one data-check run reads: the data set, the working copies a
// caller (the player editor) passes in place of parts of it, the per-country
// names taken from the application state when the run is prepared, the
// search names, the stop flag and where the results go.
//
// The run reads the records without locks: the dialog that starts it is
// modal, so nothing changes the data while the run lasts. The application
// state is not read by the run at all; PrepareCheckRun copies what it needs.
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "base/AppState.h"
#include "dataset/DataSet.h"

namespace v3 {

class CManager;
class CTrainerUndCo;
class CVerein;
class ICheckSink;

// Working copies that take the place of parts of the data set while a run
// reads it. Every member may be absent (null or empty).
struct CheckSources {
    // Club list per country position; an absent entry (or a position beyond
    // the vector) means the country's own list.
    std::vector<const Liste<CVerein>*> vereinsListen;
    // One club read in place of the club of the same country position and club
    // number (or of the same object), with `vereinsSpieler` (when given) as
    // its squad.
    const CVerein* verein = nullptr;
    const Liste<CSpieler>* vereinsSpieler = nullptr;
    // Pools and club list of the current country (App().AktuellesLand).
    const Liste<CTrainerUndCo>* trainerPool = nullptr;
    const Liste<CManager>* managerPool = nullptr;
    const Liste<CVerein>* aktuellesLandVereine = nullptr;
    const Liste<CExSpieler>* exSpieler = nullptr;
    const Liste<CSpieler>* sonstigeSpieler = nullptr;
    // Left out by the person search: the trainer of one club, the manager of
    // one club (same rule of identity as `verein`), and one player (this very
    // record).
    const CVerein* ohneTrainer = nullptr;
    const CVerein* ohneManager = nullptr;
    const CSpieler* ohneSpieler = nullptr;
};

struct CheckRun {
    const DataSet* daten = nullptr;
    CheckSources sources;
    // Copied from the application state by PrepareCheckRun.
    std::array<std::string, kLaenderSlots> laendername;
    std::array<std::string, kLaenderSlots> laenderkuerzel;
    int aktuellesLand = 0;
    // Search names, code page 1252, blanks at both ends already trimmed.
    std::string vorname;
    std::string nachname;
    // Set by the caller to stop the run; cleared by the run at its end.
    std::atomic<bool>* stop = nullptr;
    ICheckSink* sink = nullptr;
    // Handed back by ICheckSink::Finished.
    uint64_t runId = 0;
};

// A run over the data set of the state in use, with its country names.
CheckRun PrepareCheckRun(ICheckSink& sink, std::atomic<bool>& stop, const CheckSources& sources = {});

}  // namespace v3
