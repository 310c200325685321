// Opens arbitrary bytes as a record file and runs every read operation over
// them in an order the input chooses: nothing may crash, hang or touch memory
// outside its buffers.
#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzSupport.h"
#include "base/AppState.h"
#include "records/Datum.h"
#include "records/V3File.h"

namespace {

const char* const kNames[] = {"SPIELER", "VEREIN", "NATION", "S", "", "%SECT%"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first bytes choose the operations, the rest is the file.
    size_t nOps = size < 16 ? size : 16;
    std::string ops(reinterpret_cast<const char*>(data), nOps);
    std::string bytes(reinterpret_cast<const char*>(data) + nOps, size - nOps);

    static const std::string path = (v3fuzz::RamFolder() / "record.sav").string();
    v3fuzz::Put(path, bytes);

    v3::ScopedAppState state;
    v3::CV3File file;
    if (!file.Open(path, v3::CV3File::modeRead)) return 0;
    int32_t id = 0;
    file.GetID(id);
    if (ops.empty()) ops = "A";
    for (int step = 0; step < 2000; ++step) {
        unsigned op = static_cast<unsigned char>(ops[step % ops.size()]);
        int i = 0;
        uint8_t b = 0;
        uint32_t u = 0;
        std::string s;
        char arr[8];
        char line[16];
        v3::CDatum d;
        switch (op % 14) {
        case 0: file.FindSection(kNames[(op / 14) % 6]); break;
        case 1: file.GetInt(i); break;
        case 2: file.GetByte(b); break;
        case 3: file.GetULng(u); break;
        case 4: file.GetStr(s); break;
        case 5: file.GetStr(arr, int(op / 14) % 9 - 1); break;
        case 6: file.GetDatum(d); break;
        case 7: file.EndSection((op / 14) % 3 == 0 ? -1 : 1); break;
        case 8: file.ReadString(line, (op / 14) % 17); break;
        case 9: file.ReadString(s); break;
        case 10: v3::GetInt(file); break;
        case 11: v3::GetStr(file); break;
        case 12: file.GetID(id); break;
        case 13: file.SeekToBegin(); break;
        }
    }
    file.Close();
    return 0;
}
