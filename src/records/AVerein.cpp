#include "records/AVerein.h"

#include "records/V2LineReader.h"

namespace v3 {
namespace {

void ReadKit(V2LineReader& r, TRIKOTSATZ& kit) {
    r.Int(kit.TrikotFarbe);
    r.Int(kit.HosenFarbe);
    r.Int(kit.StutzenFarbe);
    r.Int(kit.Streifen);
    r.Int(kit.StreifenFarbe);
    r.Int(kit.Ringelsocken);
}

}  // namespace

bool CAVerein::Laden(CV3File& file) {
    V2LineReader r(file);
    const bool neu = V2NeueVariante();
    r.Str(name);
    r.Str(kuerzel);
    r.Str(anfeuerung);
    r.Str(fanbezeichnung);
    r.Int(artikel);
    r.Int(satzBau);
    r.Str(trainerNachname);
    r.Str(trainerVorname);
    r.Datum(trainerGeburtsDatum);
    r.Int(trainerKompetenz);
    r.Int(trainerRuf);
    r.Str(managerNachname);
    r.Str(managerVorname);
    r.Datum(managerGeburtsDatum);
    r.Int(managerKompetenz);
    ReadKit(r, kits[0]);
    hatAuswaertsTrikot = neu;
    if (neu) ReadKit(r, kits[1]);
    for (int32_t* v : {&guthaben, &fanaufkommen, &maxFanAufkommen, &fanArt, &fanFreundschaft, &erzRivale, &vorstand,
                       &finanzKraft, &hooligans, &opposition, &medienstadt, &xKoord, &yKoord})
        r.Int(*v);
    r.Str(praesidentname);
    r.Str(praesidentVorname);
    r.Datum(praesidentDatum);
    r.Datum(gruendungsDatum);
    for (int32_t* v : {&meisterTitel, &pokalSiege, &uefaSiege, &weltpokalSiege}) r.Int(*v);
    hatNeueTitel = neu;
    if (neu) {
        r.Int(ligapokalSiege);
        r.Int(championsLeagueSiege);
    }
    for (int32_t* v : {&erzielteTore, &kassierteTore, &spiele, &punkte}) r.Int(*v);
    r.Count(spielerAnzahl, 0, kMaxSpieler);
    return r.Ok();
}

}  // namespace v3
