#pragma once
// The rules of the chant editors: the fan chants (texts) and the own chants
// (sound files of the fan-chant folder). Both edit copies of the data set's
// list; the fields of the selected chant are stored back into its copy before
// the selection moves, before a new chant and on OK, and OK replaces the data
// set's list by the copies that have a text. Texts are code page 1252 as the
// records hold them; messages are UTF-8 and go through App().ui.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dataset/DataSet.h"
#include "records/EigenerFangesang.h"
#include "records/Fangesang.h"

namespace v3 {

inline constexpr int kMaxGesangText = 200;
inline constexpr int kMaxGesangSpieler = 30;

inline constexpr const char* kBitteNamen = "Bitte Namen eingeben!";
inline constexpr const char* kLetzterFangesang = "Der letzte Fangesang kann nicht gel\xC3\xB6scht werden!";
inline constexpr const char* kBitteSelektieren = "Bitte selektieren Sie zuerst einen Fangesang!";
inline constexpr const char* kWirklichLoeschen = "Wollen Sie wirklich den selektierten\nFangesang l\xC3\xB6schen?";
inline constexpr const char* kKeinZeilenumbruch = "Der Text darf keinen Zeilenumbruch enthalten!";
inline constexpr const char* kBitteDatei = "Bitte w\xC3\xA4hlen Sie zuerst einen Dateinamen aus der Liste oben!";

// Names of the kinds ("Art") and frequencies ("Häufigkeit") in value order.
extern const char* const kGesangArten[FanChant::kArten];
extern const char* const kGesangHaeufigkeiten[FanChant::kHaeufigkeiten];
// The placeholders a chant text may hold, as the editor explains them.
extern const char* const kGesangPlatzhalter[7];

// What the fields of a chant editor hold.
struct GesangEingabe {
    std::string text;
    int32_t nation = 0;  // the chosen country's nation number
    int32_t verein = -1;  // club number, -1 "Alle"
    int32_t gegner = -1;
    int32_t art = ArtAnfeuerung;
    int32_t haeufigkeit = 0;
    bool spott = false;  // "Spott über Spieler", only for mocking chants
    std::string spottName;
    bool tor = false;  // "Bei Torerfolg von Spieler", only for cheering chants
    std::string torName;
};

// Which player box a kind of chant has.
inline bool SpottMoeglich(int32_t art) { return art == ArtSpott; }
inline bool TorMoeglich(int32_t art) { return art == ArtJubel; }

// One entry of a combo box: the text shown (code page 1252) and its value.
struct AuswahlEintrag {
    std::string text;
    int32_t wert = 0;
    bool operator==(const AuswahlEintrag&) const = default;
};

// The countries a chant can belong to, by nation number: the main countries
// 0..10 and the bonus country when it has a name. A chant of a nation outside
// them adds that nation, so that merely showing a chant never changes it.
std::vector<AuswahlEintrag> LandAuswahl(int32_t nation);
// "Alle" (-1), then the clubs of the nation's country by club number. A
// stored club number that names none of them adds "Verein Nr. n", for the
// same reason.
std::vector<AuswahlEintrag> VereinsAuswahl(int32_t nation, int32_t gewaehlt);

// The "*.wav" files of a sound folder (stored form, kDirFanWaves or
// kDirAnsprachen) whose format the simulation plays, sorted by name without
// regard to case; names as code page 1252 (a name it cannot hold is left out).
std::vector<std::string> SpielbareWaveDateien(const char* verzeichnis);
// The host path of a file of that folder.
std::filesystem::path WavePfad(const char* verzeichnis, const std::string& name);

// The chant editors' view of their copies, the same for both kinds of chant.
class CGesangEditor {
public:
    virtual ~CGesangEditor() = default;

    virtual int Anzahl() const = 0;
    virtual const FanChant& Kopie(int i) const = 0;
    // The selected chant, -1 for none.
    virtual int Auswahl() const = 0;

    // The fields of chant i as the editor shows them.
    virtual GesangEingabe Zeige(int i) const = 0;
    // Stores the fields into the selected chant. A ticked player box with an
    // empty name shows kBitteNamen ("Achtung!") and changes nothing. Without a
    // selection there is nothing to store.
    virtual bool Speichern(const GesangEingabe& felder) = 0;
    // Stores the selected chant, then selects chant i (-1: none); false, with
    // the selection kept, when storing is refused.
    virtual bool Waehle(int i, const GesangEingabe& felder) = 0;
    // Stores, then appends a new chant of the chosen country and selects it.
    virtual bool Neu(const GesangEingabe& felder) = 0;
    // Stores, then appends a copy of the selected chant and selects it.
    virtual bool Duplizieren(const GesangEingabe& felder) = 0;
    // Removes the selected chant after the question; the selection stays at
    // its index, or moves to the new last chant. The last chant stays.
    virtual bool Loeschen() = 0;
    // Own chants: tests the sound file `name` of the fan-chant folder (with
    // its message), stores the selected chant and inserts a chant of the
    // chosen country for the file before the first chant whose name sorts
    // after it; selects it.
    virtual bool DateiHinzufuegen(const std::string& name, const GesangEingabe& felder) = 0;
    // OK: stores the selected chant, then replaces the data set's list by the
    // copies in order, their texts trimmed; copies whose text is empty or
    // white space only are dropped. False, the list unchanged, when storing
    // is refused.
    virtual bool Uebernehmen(const GesangEingabe& felder) = 0;
};

// The copies of one chant list; T is CFangesang or CEigenerFangesang.
template <class T>
class CGesangListe final : public CGesangEditor {
public:
    // Copies the records of `original`, which OK replaces; the first chant is selected.
    explicit CGesangListe(Liste<T>& original);

    int Anzahl() const override { return int(kopien_.size()); }
    const T& Kopie(int i) const override { return *kopien_.at(std::size_t(i)); }
    int Auswahl() const override { return auswahl_; }
    GesangEingabe Zeige(int i) const override;
    bool Speichern(const GesangEingabe& felder) override;
    bool Waehle(int i, const GesangEingabe& felder) override;
    bool Neu(const GesangEingabe& felder) override;
    bool Duplizieren(const GesangEingabe& felder) override;
    bool Loeschen() override;
    bool DateiHinzufuegen(const std::string& name, const GesangEingabe& felder) override;
    bool Uebernehmen(const GesangEingabe& felder) override;

private:
    Liste<T>& ziel_;
    Liste<T> kopien_;
    int auswahl_ = -1;
};

extern template class CGesangListe<CFangesang>;
extern template class CGesangListe<CEigenerFangesang>;

}  // namespace v3
