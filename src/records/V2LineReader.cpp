#include "records/V2LineReader.h"

#include <cstdio>

#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/Datum.h"
#include "records/V3File.h"

namespace v3 {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Strict decimal number within 32 bits.
bool ParseNumber(const std::string& text, int32_t& value) {
    size_t i = 0, e = text.size();
    while (i < e && IsBlank(text[i])) ++i;
    while (e > i && IsBlank(text[e - 1])) --e;
    bool negative = false;
    if (i < e && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == e) return false;
    int64_t v = 0;
    for (; i < e; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
        if (v > int64_t(INT32_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = int32_t(v);
    return true;
}

}  // namespace

int32_t LeseV2Kennung(CV3File& file, bool mitKopfzeile) {
    file.SeekToBegin();
    std::string line;
    int32_t id = 0;
    const bool da = GetStr(file, line) != 0;
    if (da) id = ParseLeadingInt(line);
    if (mitKopfzeile) return id;
    if (da && id == kV2FileID) return kV2FileID;
    file.SeekToBegin();
    return 0;
}

bool V2NeueVariante() { return App().GeleseneFileID == kV2FileID; }

bool V2LineReader::Line(std::string& line) {
    if (GetStr(file_, line)) return true;
    ok_ = false;
    return false;
}

bool V2LineReader::Int(int32_t& target) {
    std::string line;
    int32_t v = 0;
    if (!Line(line)) return false;
    if (!ParseNumber(line, v)) return ok_ = false;
    target = v;
    return true;
}

int32_t V2LineReader::Int() {
    int32_t v = 0;
    Int(v);
    return v;
}

bool V2LineReader::Count(int32_t& target, int32_t lo, int32_t hi) {
    int32_t v = 0;
    if (!Int(v)) return false;
    if (v < lo || v > hi) return ok_ = false;
    target = v;
    return true;
}

bool V2LineReader::Str(std::string& target) {
    std::string line;
    if (!Line(line)) return false;
    target = std::move(line);
    return true;
}

std::string V2LineReader::Str() {
    std::string s;
    Str(s);
    return s;
}

bool V2LineReader::Datum(CDatum& target) {
    std::string line;
    if (!Line(line)) return false;
    int d = 0, m = 0, y = 0;
    char rest = 0;
    if (std::sscanf(line.c_str(), "%2d.%2d.%4d%c", &d, &m, &y, &rest) != 3) return ok_ = false;
    CDatum datum = target;
    if (datum.Init(d, m, y, 0, 0, 0) < 0.0) return ok_ = false;
    target = datum;
    return true;
}

bool OeffneV2Datei(CV3File& file, const std::string& pfad, int32_t& kennung, bool mitKopfzeile) {
    if (!file.Open(pfad, CV3File::modeRead)) return false;
    kennung = LeseV2Kennung(file, mitKopfzeile);
    return true;
}

void MeldeV2Datenfehler(const std::string& pfad) {
    App().ui->MessageBox("Datenfehler in der Datei " + Cp1252ToUtf8(pfad) + "!", "Fehler!", MsgButtons::Ok,
                         MsgIcon::Stop);
}

void MeldeV2Oeffnungsfehler(const std::string& pfad) {
    App().ui->MessageBox("Kann Datei " + Cp1252ToUtf8(pfad) + " nicht öffnen!", "Fehler!", MsgButtons::Ok,
                         MsgIcon::Stop);
}

}  // namespace v3
