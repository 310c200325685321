#pragma once
// The stadium editor's state: a copy of the stadium, the working values the
// dialog shows, the capacity rule of a stand, the steps of the place fields
// and up-downs, the coupled home and away stands, the overview and OK.
#include <array>
#include <cstdint>
#include <string>

#include "records/Stadion.h"

namespace v3 {

// The three place columns of a stand, in the dialog's order.
enum class Platzart { Logen = 0, Sitz = 1, Steh = 2 };

inline constexpr int32_t kTribueneHoechstEinheiten = 40000;
inline constexpr int32_t kTribueneMindestPlaetze = 500;
inline constexpr int kPlatzSchritt = 10;   // places per up-down step
inline constexpr int kPlatzUpDownMax = 9000;
inline constexpr int kStadionNameMax = 27;
inline constexpr int kStadionOrtMax = 20;
inline constexpr int kStadionTextMin = 2;

// Display texts (UTF-8).
extern const std::array<const char*, 4> TribuenenNamen;
extern const std::array<const char*, 7> ZustandNamen;  // conditions 1..7
extern const std::array<const char*, 5> TafelNamen;    // score boards 0..4

struct Tribuene {
    std::array<int32_t, 3> plaetze{};  // by Platzart
    bool dach = false;
    bool heizung = false;
    int zustand = CStadion::kZustandNeu;

    int32_t& Platz(Platzart a) { return plaetze[size_t(a)]; }
    int32_t Platz(Platzart a) const { return plaetze[size_t(a)]; }
    // Standing places + 3 x VIP places + (3 x seats) / 2.
    int64_t Einheiten() const;
    int64_t Plaetze() const;
    // The most places of one kind that still fit beside the other two (0 at least).
    int32_t Hoechstens(Platzart a) const;
};

// Stand `stand` (0..3) of a stadium as the editor keeps it.
Tribuene TribueneAus(const CStadion& s, int stand);

enum class Kapazitaet { Gueltig, ZuViele, ZuWenige };
// One stand against the limits of its places.
Kapazitaet PruefeTribuene(const Tribuene& t);
// The stands in the order 0..3: the first that breaks a limit decides.
Kapazitaet PruefeKapazitaet(const std::array<Tribuene, 4>& tribuenen);
// The message of a broken limit (UTF-8); empty for Gueltig.
std::string KapazitaetText(Kapazitaet k);

struct StadionUebersicht {
    int64_t stehOffen = 0, stehUeberdacht = 0;
    int64_t sitzOffen = 0, sitzUeberdacht = 0;
    int64_t vip = 0, gesamt = 0;
};

class CStadionEditor {
public:
    // heizungGesperrt: the heater boxes cannot be changed (the current
    // country is position 1 of the country list).
    CStadionEditor(const CStadion& stadion, bool heizungGesperrt);

    // The working values (texts in code page 1252).
    std::string name, ort;
    std::array<Tribuene, 4> tribuenen;
    int heim = 0, gast = 1, tafel = 0;
    bool rasenheizung = false, flutlicht = false, laufbahn = false, luxuskabinen = false;
    bool beheizbareSitze = false, sitzkissen = false, ausfahrbar = false, citylage = false;
    bool eigentum = false, fernsehturm = false, autobahn = false, berge = false, burg = false, schloss = false;

    bool HeizungGesperrt() const { return heizungGesperrt_; }
    // The heater box of a stand; refused while the boxes are disabled.
    bool Heizung(int stand, bool an);

    // A place field is left with its text: empty keeps the value, a text that
    // is not a whole number of at least 0 is refused with a message, a number
    // above the most that fits is lowered to it, and a value that breaks the
    // capacity rule restores the old one with the rule's message. True when
    // the step succeeded.
    bool FeldVerlassen(int stand, Platzart art, const std::string& text);
    // The up-down of a place field moved to position pos.
    void PlatzUpDown(int stand, Platzart art, int pos);
    // The condition up-down's position (1..7) is the stand's condition.
    void ZustandSetzen(int stand, int zustand);
    // Choosing a stand in one list selects its opposite in the other.
    void HeimWaehlen(int stand);
    void GastWaehlen(int stand);

    StadionUebersicht Uebersicht() const;

    // OK: names checked ("Achtung!"), capacity checked, then every value
    // written into the copy through the record's setters. False keeps the
    // dialog open.
    bool Ok();
    const CStadion& Kopie() const { return kopie_; }

private:
    CStadion kopie_;
    bool heizungGesperrt_;
};

}  // namespace v3
