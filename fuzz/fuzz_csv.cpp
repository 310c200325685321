// Reads a CSV table and checks it, as `v3tool apply --dry-run` does, against
// a small data set: one country of two clubs, each with a stadium and three
// players, and the country's pools. A table read must also write back and
// read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "FuzzSupport.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/tabelle/rules/Csv.h"
#include "editors/tabelle/rules/Tabellen.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Stadion.h"
#include "records/Verein.h"

namespace {

struct Welt {
    v3::ScopedAppState state;
    Welt() {
        v3::DataSet& d = v3::Daten();
        for (int n = 0; n < 3; ++n) d.NationenListe.push_back(std::make_unique<v3::CNation>());
        auto land = std::make_unique<v3::CLand>();
        land->CountryIndex(0);
        for (int v = 1; v <= 2; ++v) {
            auto club = std::make_unique<v3::CVerein>(v);
            club->Stadion(std::make_unique<v3::CStadion>());
            for (int s = 0; s < 3; ++s) club->SpielerListe().push_back(std::make_unique<v3::CSpieler>());
            land->VereinsListe().push_back(std::move(club));
        }
        land->Coaches().push_back(std::make_unique<v3::CTrainerUndCo>());
        land->Managers().push_back(std::make_unique<v3::CManager>());
        land->Referees().push_back(std::make_unique<v3::CNSchiri>());
        d.AlleLaender.push_back(std::move(land));
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Welt welt;
    const v3::CsvErgebnis r = v3::ReadCsv(v3fuzz::Bytes(data, size));
    if (!r.fehler.empty()) return 0;
    const v3::CsvErgebnis wieder = v3::ReadCsv(v3::WriteCsv(r.tabelle.kopf, r.tabelle.zeilen));
    if (!wieder.fehler.empty() || wieder.tabelle.kopf != r.tabelle.kopf ||
        wieder.tabelle.zeilen != r.tabelle.zeilen)
        std::abort();
    // Checked only: the small data set stays the same for every input.
    v3::Uebernimm(v3::Daten(), r.tabelle, std::nullopt, true);
    if (size > 0) v3::Uebernimm(v3::Daten(), r.tabelle, v3::kAlleTabellen[data[0] % 6], true);
    return 0;
}
