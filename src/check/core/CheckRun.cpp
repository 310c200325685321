#include "check/core/CheckRun.h"

namespace v3 {

CheckRun PrepareCheckRun(ICheckSink& sink, std::atomic<bool>& stop, const CheckSources& sources) {
    const AppState& app = App();
    CheckRun run;
    run.daten = &Daten();
    run.sources = sources;
    run.laendername = app.Laendername;
    run.laenderkuerzel = app.Laenderkuerzel;
    run.aktuellesLand = app.AktuellesLand;
    run.stop = &stop;
    run.sink = &sink;
    return run;
}

}  // namespace v3
