// Reads a predecessor file with one of the import's record readers: the first
// input byte picks the reader and whether the file begins with a head line,
// the rest is the file. After its identification the file is read record by
// record, as the import reads its lists, until a record fails.
#include <cstdint>
#include <functional>
#include <iterator>

#include "FuzzSupport.h"
#include "base/AppState.h"
#include "records/AmateurVerein.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/ISchiri.h"
#include "records/Kritiker.h"
#include "records/Manager.h"
#include "records/NSchiri.h"
#include "records/Promi.h"
#include "records/Reporter.h"
#include "records/Spieler.h"
#include "records/Sponsor.h"
#include "records/Stadion.h"
#include "records/TWTrainer.h"
#include "records/TrainerUndCo.h"
#include "records/UEFA.h"
#include "records/V2LineReader.h"
#include "records/V3File.h"
#include "records/Verein.h"

namespace {

// Reads one record; false when it was refused.
using Reader = std::function<bool(v3::CV3File&)>;

template <class T, class... Args>
Reader Laden(Args... args) {
    return [=](v3::CV3File& f) { return T(args...).Laden(f); };
}

template <class T>
Reader Merge() {
    return [](v3::CV3File& f) { return T().MergeV2Daten(f); };
}

const Reader kReaders[] = {
    Laden<v3::CUEFA>(),
    Laden<v3::CReporter>(),
    Laden<v3::CKritiker>(),
    Laden<v3::CISchiri>(),
    Laden<v3::CExSpieler>(),
    Laden<v3::CFangesang>(),
    Laden<v3::CEigenerFangesang>(),
    Laden<v3::CEuroWM>(1998, 0, 0),
    Laden<v3::CSpieler>(),
    Merge<v3::CSpieler>(),
    Merge<v3::CAmateurVerein>(),
    Merge<v3::CManager>(),
    Merge<v3::CNSchiri>(),
    Merge<v3::CPromi>(),
    Merge<v3::CSponsor>(),
    Merge<v3::CStadion>(),
    Merge<v3::CTWTrainer>(),
    Merge<v3::CTrainerUndCo>(),
    [](v3::CV3File& f) { return v3::CVerein(1).MergeV2Daten(f, 0, 1); },
    [](v3::CV3File& f) {
        // The head of a country file: league count, club count, three reserves.
        v3::V2LineReader r(f);
        int32_t n = 0;
        r.Int();
        r.Count(n, 0, 200);
        for (int i = 0; i < 3; ++i) r.Int();
        return r.Ok();
    },
};

constexpr int kMaxRecords = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static const std::filesystem::path path = v3fuzz::RamFolder() / "predecessor.sav";
    v3fuzz::Put(path, v3fuzz::Bytes(data + 1, size - 1));
    v3::ScopedAppState state;
    v3::CV3File file;
    const size_t pick = data[0] % (2 * std::size(kReaders));
    if (!v3::OeffneV2Datei(file, path.string(), state->GeleseneFileID, pick >= std::size(kReaders))) return 0;
    const Reader& read = kReaders[pick % std::size(kReaders)];
    for (int i = 0; i < kMaxRecords && read(file); ++i) {
    }
    return 0;
}
