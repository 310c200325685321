// Reads a record file with one record class's reader: the first input byte
// picks the class, the rest is the file. Every reader finds its section,
// reads its values and leaves the section; nothing it is given may crash it.
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>

#include "FuzzSupport.h"
#include "base/AppState.h"
#include "records/AmateurVerein.h"
#include "records/Ausruester.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/Datum.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/IVerein.h"
#include "records/Kleinigkeiten.h"
#include "records/Kritiker.h"
#include "records/Land.h"
#include "records/Liga.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Nation.h"
#include "records/Promi.h"
#include "records/QuizFrage.h"
#include "records/Reporter.h"
#include "records/Spieler.h"
#include "records/Sponsor.h"
#include "records/Stadion.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/TurnierGruppe.h"
#include "records/UEFA.h"
#include "records/V3File.h"
#include "records/VerbandsPraesident.h"
#include "records/Verein.h"

namespace {

using Reader = std::function<void(v3::CV3File&)>;

template <class T, class... Args>
Reader Localized(Args... args) {
    return [=](v3::CV3File& f) { T(args...).LadenV3Localized(f, 0); };
}

const Reader kReaders[] = {
    Localized<v3::CAmateurVerein>(),
    Localized<v3::CAusruester>(),
    Localized<v3::CChampionsLeagueGruppe>(0),
    Localized<v3::CEuroWM>(1998, 0, 0),
    Localized<v3::CExSpieler>(),
    Localized<v3::CFangesang>(),
    Localized<v3::CEigenerFangesang>(),
    Localized<v3::CHalbzeitAnsprache>(),
    Localized<v3::CISchiri>(),
    Localized<v3::CIVerein>(),
    Localized<v3::CKleinigkeiten>(),
    Localized<v3::CKritiker>(),
    Localized<v3::CLiga>(),
    Localized<v3::CManager>(),
    Localized<v3::CNSchiri>(),
    Localized<v3::CNation>(),
    Localized<v3::CPromi>(),
    Localized<v3::CQuizFrage>(),
    Localized<v3::CReporter>(),
    Localized<v3::CSpieler>(),
    Localized<v3::CSponsor>(),
    Localized<v3::CStadion>(),
    Localized<v3::CTWTrainer>(),
    Localized<v3::CTrainerUndCo>(),
    Localized<v3::CTurnierGruppe>(4, 0),
    Localized<v3::CUEFA>(),
    Localized<v3::CVerbandsPraesident>(),
    Localized<v3::CVerein>(1),
    [](v3::CV3File& f) {
        // A further country with two clubs: every club costs a squad, and two
        // reach the same code as the table's count.
        v3::App().AktuellesLand = 11;
        v3::App().countryCounts[11].clubs = 2;
        v3::CLand().LadenV3LocalizedEuro(f, 0);
    },
    [](v3::CV3File& f) { v3::CDatum().Laden(f); },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const std::filesystem::path path = v3fuzz::RamFolder() / "record.sav";
    v3fuzz::Put(path, v3fuzz::Bytes(data + 1, size - 1));
    v3::ScopedAppState state;
    v3::CV3File file;
    if (!file.Open(path.string(), v3::CV3File::modeRead)) return 0;
    int32_t id = 0;
    file.GetID(id);
    kReaders[data[0] % std::size(kReaders)](file);
    return 0;
}
