#pragma once
// A club as the predecessor game stored it in its country file: the values of
// the club, its coach and manager, kits, fans, president and honours, and the
// number of players that follow it. Read only by the import of the
// predecessor's data; CVerein::ConvertAVerein turns it into a club of ours.
#include <array>
#include <cstdint>
#include <string>

#include "records/Datum.h"
#include "records/Trikotsatz.h"

namespace v3 {

class CV3File;

class CAVerein {
public:
    // The predecessor's squads held at most as many players as ours.
    static constexpr int kMaxSpieler = 35;

    CAVerein() = default;

    // Reads the club record up to and including its player count (the
    // players follow it in the file). False when the record is not complete or
    // the player count lies outside 0..kMaxSpieler.
    bool Laden(CV3File& file);

    std::string name, kuerzel, anfeuerung, fanbezeichnung;
    int32_t artikel = 2;
    int32_t satzBau = 3;
    std::string trainerNachname, trainerVorname;
    CDatum trainerGeburtsDatum;
    int32_t trainerKompetenz = 0;
    int32_t trainerRuf = 0;
    std::string managerNachname, managerVorname;
    CDatum managerGeburtsDatum;
    int32_t managerKompetenz = 0;
    std::array<TRIKOTSATZ, 2> kits{};
    // The older variant kept the home kit only.
    bool hatAuswaertsTrikot = false;
    int32_t guthaben = 0;
    int32_t fanaufkommen = 0;
    int32_t maxFanAufkommen = 0;
    int32_t fanArt = 0;
    int32_t fanFreundschaft = 0;
    int32_t erzRivale = 0;
    int32_t vorstand = 3;
    int32_t finanzKraft = 0;
    int32_t hooligans = 0;
    int32_t opposition = 0;
    int32_t medienstadt = 0;
    int32_t xKoord = 0;
    int32_t yKoord = 0;
    std::string praesidentname, praesidentVorname;
    CDatum praesidentDatum, gruendungsDatum;
    int32_t meisterTitel = 0;
    int32_t pokalSiege = 0;
    int32_t uefaSiege = 0;
    int32_t weltpokalSiege = 0;
    // Newer variant only.
    bool hatNeueTitel = false;
    int32_t ligapokalSiege = 0;
    int32_t championsLeagueSiege = 0;
    int32_t erzielteTore = 0;
    int32_t kassierteTore = 0;
    int32_t spiele = 0;
    int32_t punkte = 0;
    int32_t spielerAnzahl = 0;
};

}  // namespace v3
