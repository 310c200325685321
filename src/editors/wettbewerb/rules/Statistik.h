#pragma once
// The figures of "Statistik" over every club of every country, computed in one
// pass over the players, and the texts the dialog shows of them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Layout.h"

namespace v3 {

struct DataSet;

struct Statistik {
    // Players by strength 1..12 and by main position 1..10 (index 0 unused).
    std::array<int, 13> proStaerke{};
    std::array<int, 11> proPosition{};
    // Per country (index = position in the country list, up to the bonus
    // slot) and league: players of its clubs and the sum of their averages.
    struct Liga {
        int spieler = 0;
        double summeSchnitt = 0.0;
    };
    std::vector<std::array<Liga, kMaxLigen>> ligen;
    int euro = 0;    // players of the clubs of countries 11..36
    int spieler = 0;
    int vereine = 0;

    // Club with most and with fewest players (first found wins a tie).
    std::string meisteVerein, wenigsteVerein;  // code page 1252
    int meiste = 0, wenigste = 35;
    // Oldest player: "first last", his club, his age.
    std::string oldie, oldieVerein;
    int oldieAlter = 0;
    // Strongest and weakest club by average strength; sum of the truncated averages.
    std::string staerksterVerein, schwaechsterVerein;
    double staerkster = 0.0, schwaechster = 280.0;
    int64_t summeSchnitte = 0;
    // Strongest league of a main country: "country - league" and its average.
    std::string staerksteLiga;
    double staerksteLigaSchnitt = 0.0;
    // Largest and smallest stadium by places; sum of all places.
    std::string groesstesVerein, kleinstesVerein;
    int64_t groesstes = 0, kleinstes = 400000;
    int64_t summePlaetze = 0;

    // Final figures (0 without clubs).
    int64_t SpielerProVerein() const { return vereine ? spieler / vereine : 0; }
    double SchnittStaerke() const { return vereine ? double(summeSchnitte) / vereine : 0.0; }
    int64_t SchnittStadion() const { return vereine ? summePlaetze / vereine : 0; }
};

// Players in clubs abroad that the simulation adds to the total.
inline constexpr int kAuslandSpieler = 1430;

// The figures over the whole data set. A club without players counts as a club
// with its stadium, with average 0; it never becomes the strongest or weakest.
Statistik BerechneStatistik(const DataSet& daten);

// 7890 -> "7.890"; one point before the last three digits only.
std::string MitTausenderpunkt(int64_t n);
// "%3.2f".
std::string Zwei(double v);

// The lines of "Anzahl Spieler gesamt", "Stärken" and "Positionen" (code page 1252).
std::vector<std::string> SpielerZeilen(const Statistik& s, const DataSet& daten);
std::vector<std::string> StaerkeZeilen(const Statistik& s);
std::vector<std::string> PositionsZeilen(const Statistik& s);

}  // namespace v3
