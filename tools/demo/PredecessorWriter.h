#pragma once
// Writes files in the predecessor game's format (docs/predecessor-format.md):
// the demo installation's DATA.VER and the fixtures of the import's tests.
// The editor itself only reads this format.
#include <cstdint>
#include <string>

#include "records/V3File.h"

namespace v3 {
class CDatum;
class CEuroWM;
class CExSpieler;
class CISchiri;
class CKritiker;
class CManager;
class CNSchiri;
class CPromi;
class CReporter;
class CSpieler;
class CSponsor;
class CStadion;
class CTWTrainer;
class CTrainerUndCo;
class CUEFA;
class CVerein;
class FanChant;
}  // namespace v3

namespace v3::demo {

class V2Writer {
public:
    // Opens the file (a stored path such as ".\DATA.VER\Kleinig.sav") for
    // writing. The newer variant begins with the identification line; a file
    // with a head line (country and youth files) begins with "0" in the older.
    V2Writer(const std::string& pfad, bool neueVariante, bool mitKopfzeile = false);
    V2Writer(const V2Writer&) = delete;
    V2Writer& operator=(const V2Writer&) = delete;

    // Makes the file take its place; false when it could not be opened or a
    // line did not reach the disk.
    bool Close();

    void Int(int32_t v);
    void Str(const std::string& text);
    void Datum(const CDatum& date);

    // The records, each as the import reads it.
    void Spieler(const CSpieler& s);
    void ExSpieler(const CExSpieler& s);
    // The club record followed by its squad's player records.
    void Verein(const CVerein& v);
    void Stadion(const CStadion& s);
    void Trainer(const CTrainerUndCo& t);
    void TWTrainer(const CTWTrainer& t);
    void Manager(const CManager& m);
    void Schiri(const CNSchiri& s);
    void Sponsor(const CSponsor& s);
    void Promi(const CPromi& p);
    void Reporter(const CReporter& r);
    void Kritiker(const CKritiker& k);
    void ISchiri(const CISchiri& s);
    // The ranking with the last five of its six seasons.
    void UEFA(const CUEFA& u);
    void EuroWM(const CEuroWM& e);
    void Gesang(const FanChant& c);

    bool NeueVariante() const { return neu_; }

private:
    CV3File file_;
    bool neu_;
    bool ok_;
};

}  // namespace v3::demo
