#include "records/AmateurJugendSpieler.h"

#include "records/RecordText.h"
#include "records/TrimWhite.h"
#include "records/V3File.h"

namespace v3 {
CAmateurJugendSpieler::CAmateurJugendSpieler() : CV3Object("CAmateurJugendSpieler") {
    nachname_ = Platzhalter("NA");
    vorname_ = Platzhalter("VN");
}

bool CAmateurJugendSpieler::Vorname(const std::string& text) {
    return SetRecordText(vorname_, text);
}
bool CAmateurJugendSpieler::Nachname(const std::string& text) {
    return SetRecordText(nachname_, text);
}

bool CAmateurJugendSpieler::VereinNr(int v) {
    if (v < -1) return false;
    vereinNr_ = v;
    return true;
}

bool CAmateurJugendSpieler::Position(int v) {
    if (v < 0 || v > 9) return false;
    position_ = v;
    return true;
}

std::string CAmateurJugendSpieler::GetTeamName(std::span<const std::string> vereinsNamen) const {
    if (vereinNr_ < 1 || size_t(vereinNr_) > vereinsNamen.size()) return {};
    return vereinsNamen[size_t(vereinNr_ - 1)];
}

void CAmateurJugendSpieler::TrimNames() {
    vorname_ = TrimWhite(vorname_);
    nachname_ = TrimWhite(nachname_);
}

bool CAmateurJugendSpieler::WriteValues(CV3File& file) {
    TrimNames();
    return file.PutStr(vorname_) && file.PutStr(nachname_) && file.PutInt(vereinNr_) &&
           file.PutInt(position_);
}

bool CAmateurJugendSpieler::ReadValues(CV3File& file) {
    std::string vorname, nachname;
    if (!file.GetStr(vorname)) return false;
    vorname_ = std::move(vorname);
    if (!file.GetStr(nachname)) return false;
    nachname_ = std::move(nachname);
    return file.GetInt(vereinNr_) && file.GetInt(position_);
}

}  // namespace v3
