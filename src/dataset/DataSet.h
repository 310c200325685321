#pragma once
// The data set in memory: every list of records the document owns for the run.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace v3 {

class CLand;
class CNation;
class CUEFA;
class CKleinigkeiten;
class CEuroWM;
class CHalbzeitAnsprache;
class CAusruester;
class CIVerein;
class CISchiri;
class CAmateurJugendSpieler;
class CChampionsLeagueGruppe;
class CTurnierGruppe;
class CQuizFrage;
class CFangesang;
class CEigenerFangesang;
class CExSpieler;
class CSpieler;

// One entry of the list of European winners: three numbers, stored as read.
struct EuroSieger {
    int32_t werte[3] = {0, 0, 0};
    bool operator==(const EuroSieger&) const = default;
};

template <class T>
using Liste = std::vector<std::unique_ptr<T>>;

struct DataSet {
    DataSet();
    ~DataSet();
    DataSet(const DataSet&) = delete;
    DataSet& operator=(const DataSet&) = delete;

    Liste<CLand> AlleLaender;                 // position = country index
    Liste<CNation> NationenListe;             // position = nation number
    // The two records of the list the program calls UEFAUndKleinigkeiten.
    std::unique_ptr<CUEFA> uefa;
    std::unique_ptr<CKleinigkeiten> kleinigkeiten;
    Liste<CEuroWM> EMWMListe;
    Liste<CHalbzeitAnsprache> HalbzeitListe;
    Liste<CAusruester> AusruesterListe;
    Liste<CIVerein> IVereineListe;
    Liste<CISchiri> ISchiriListe;
    std::array<Liste<CAmateurJugendSpieler>, 20> JugendPools;
    std::vector<EuroSieger> EuroSiegerListe;
    Liste<CChampionsLeagueGruppe> CLeagueListe;
    Liste<CTurnierGruppe> EMGruppenListe;
    Liste<CTurnierGruppe> WMGruppenListe;
    Liste<CQuizFrage> QuizListe;
    Liste<CFangesang> FangesangListe;
    Liste<CEigenerFangesang> EigeneFangesangListe;
    Liste<CExSpieler> ExSpielerListe;
    Liste<CSpieler> SonstigeSpielerListe;

    // Crest names whose edited picture waits as "Temp" + name ("Bemp" + name
    // for the bonus country) in the crest folder until the next save.
    std::vector<std::string> GeaenderteWappen;
    std::vector<std::string> GeaenderteBonusWappen;

    // Frees every record; the staged crest lists stay.
    void SpeicherLoeschen();
    bool Leer() const { return AlleLaender.empty(); }
};

// The data set of the state in use (App()); made empty on first use.
DataSet& Daten();

}  // namespace v3
