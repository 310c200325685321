#include "dataset/DataSet.h"

#include "base/AppState.h"

#include "records/Ausruester.h"
#include "records/AmateurJugendSpieler.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/IVerein.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/QuizFrage.h"
#include "records/Spieler.h"
#include "records/TurnierGruppe.h"
#include "records/UEFA.h"

namespace v3 {

DataSet& Daten() {
    AppState& app = App();
    if (!app.daten) app.daten = std::make_shared<DataSet>();
    return *app.daten;
}

DataSet::DataSet() = default;

DataSet::~DataSet() = default;

void DataSet::SpeicherLoeschen() {
    AlleLaender.clear();
    NationenListe.clear();
    uefa.reset();
    kleinigkeiten.reset();
    EMWMListe.clear();
    HalbzeitListe.clear();
    AusruesterListe.clear();
    IVereineListe.clear();
    ISchiriListe.clear();
    for (auto& pool : JugendPools) pool.clear();
    EuroSiegerListe.clear();
    CLeagueListe.clear();
    EMGruppenListe.clear();
    WMGruppenListe.clear();
    QuizListe.clear();
    FangesangListe.clear();
    EigeneFangesangListe.clear();
    ExSpielerListe.clear();
    SonstigeSpielerListe.clear();
}

}  // namespace v3
