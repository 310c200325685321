#pragma once
// The home ground of one club: name and town, four stands with their places,
// roofs, heaters and condition, the score board, comfort features and the
// surroundings. Written as a "STADION" section right after its club.
#include <array>
#include <cstdint>
#include <string>

namespace v3 {

class CV3File;

// Kinds of score board.
enum ANZEIGETAFEL : int32_t {
    TafelKeine = 0,        // "keine Tafel"
    TafelTorschilder = 1,  // "Torschilder"
    TafelKleineLed = 2,    // "kleine LED-Tafel"
    TafelGrosseLed = 3,    // "große LED-Tafel"
    TafelVideowand = 4,    // "Videowand"
};

class CStadion {
public:
    // Stands: 0 "Haupttribüne", 1 "Gegentribüne", 2 "Trib. links der Haupttr.",
    // 3 "Trib. rechts der Haupttr.".
    static constexpr int kTribuenen = 4;
    static constexpr int kZustandNeu = 1;
    static constexpr int kZustandVerfallen = 7;

    // Name "SN%0.6d" and town "ON%0.6d" (in this order) with the next running
    // numbers; per stand 500 standing places, 500 seats, 250 VIP places,
    // condition 1; home stand 2, away stand 3; everything else 0.
    CStadion();

    // Copies every field.
    void CopyDataFrom(const CStadion& other) { *this = other; }

    const std::string& Name() const { return name_; }
    bool Name(const std::string& v);  // 2..28 characters
    const std::string& Ort() const { return ort_; }
    bool Ort(const std::string& v);  // 2..20 characters

    // Per-stand values; an index outside 0..3 reads 0 and is refused by the setters.
    int32_t Stehplaetze(int stand) const;
    bool Stehplaetze(int stand, int32_t v);  // v >= 0
    int32_t Sitzplaetze(int stand) const;
    bool Sitzplaetze(int stand, int32_t v);  // v >= 0
    int32_t Logen(int stand) const;
    bool Logen(int stand, int32_t v);  // v >= 0
    int32_t Dach(int stand) const;
    bool Dach(int stand, int32_t v);
    int32_t LaufBahn(int index) const;
    bool LaufBahn(int index, int32_t v);
    int32_t Zustand(int stand) const;
    bool Zustand(int stand, int32_t v);  // 1..7
    uint8_t WaermeStrahler(int stand) const;
    bool WaermeStrahler(int stand, int v);  // 0/1

    int32_t Anzeigetafel() const { return anzeigetafel_; }
    bool Anzeigetafel(int32_t v);  // 0..4
    int32_t HeimTribuene() const { return heimTribuene_; }
    bool HeimTribuene(int32_t v);  // 0..3
    int32_t GaesteTribuene() const { return gaesteTribuene_; }
    bool GaesteTribuene(int32_t v);  // 0..3

    // Flags stored as given.
    int32_t Rasenheizung() const { return rasenheizung_; }
    bool Rasenheizung(int32_t v) { rasenheizung_ = v; return true; }
    int32_t Flutlicht() const { return flutlicht_; }
    bool Flutlicht(int32_t v) { flutlicht_ = v; return true; }
    int32_t AutoBahn() const { return autoBahn_; }
    bool AutoBahn(int32_t v) { autoBahn_ = v; return true; }
    int32_t CityNaehe() const { return cityNaehe_; }
    bool CityNaehe(int32_t v) { cityNaehe_ = v; return true; }
    int32_t FernsehTurm() const { return fernsehTurm_; }
    bool FernsehTurm(int32_t v) { fernsehTurm_ = v; return true; }
    int32_t VereinsEigentum() const { return vereinsEigentum_; }
    bool VereinsEigentum(int32_t v) { vereinsEigentum_ = v; return true; }
    int32_t LuxusKabinen() const { return luxusKabinen_; }
    bool LuxusKabinen(int32_t v) { luxusKabinen_ = v; return true; }
    int32_t SitzKissen() const { return sitzKissen_; }
    bool SitzKissen(int32_t v) { sitzKissen_ = v; return true; }
    int32_t BeheizbareSitze() const { return beheizbareSitze_; }
    bool BeheizbareSitze(int32_t v) { beheizbareSitze_ = v; return true; }
    int32_t AusfahrSpielfeld() const { return ausfahrSpielfeld_; }
    bool AusfahrSpielfeld(int32_t v) { ausfahrSpielfeld_ = v; return true; }
    int32_t Berge() const { return berge_; }
    bool Berge(int32_t v) { berge_ = v; return true; }
    int32_t Burg() const { return burg_; }
    bool Burg(int32_t v) { burg_ = v; return true; }
    int32_t Schloss() const { return schloss_; }
    bool Schloss(int32_t v) { schloss_ = v; return true; }

    // The "STADION" section. The writer trims name and town first (the record
    // keeps the trimmed texts) and returns false when a line could not be
    // written. The reader returns false and keeps every field when the section
    // is missing, and false when values were missing (those keep their values).
    bool SpeichernV3Localized(CV3File& file, int sprache);
    bool LadenV3Localized(CV3File& file, int sprache);
    // Takes the predecessor's stadium record: name, town, per stand standing
    // places, seats, boxes and roof, then score board, undersoil heating and
    // floodlight. False, unchanged, when incomplete.
    bool MergeV2Daten(CV3File& file);

    friend bool operator==(const CStadion&, const CStadion&) = default;

private:
    static bool ValidStand(int s) { return s >= 0 && s < kTribuenen; }

    std::string name_;
    std::string ort_;
    std::array<int32_t, kTribuenen> stehplaetze_{};
    std::array<int32_t, kTribuenen> sitzplaetze_{};
    std::array<int32_t, kTribuenen> dach_{};
    std::array<int32_t, kTribuenen> logen_{};
    int32_t anzeigetafel_ = TafelKeine;
    int32_t rasenheizung_ = 0;
    int32_t flutlicht_ = 0;
    std::array<int32_t, kTribuenen> laufBahn_{};
    std::array<int32_t, kTribuenen> zustand_{};
    int32_t autoBahn_ = 0;
    int32_t cityNaehe_ = 0;
    int32_t fernsehTurm_ = 0;
    int32_t vereinsEigentum_ = 0;
    int32_t heimTribuene_ = 2;
    int32_t gaesteTribuene_ = 3;
    int32_t luxusKabinen_ = 0;
    int32_t sitzKissen_ = 0;
    int32_t beheizbareSitze_ = 0;
    int32_t ausfahrSpielfeld_ = 0;
    std::array<uint8_t, kTribuenen> waermeStrahler_{};
    int32_t berge_ = 0;
    int32_t burg_ = 0;
    int32_t schloss_ = 0;
};

}  // namespace v3
