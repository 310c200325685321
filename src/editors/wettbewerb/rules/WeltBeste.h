#pragma once
// The rules of "Beste Spieler der Welt": who holds the title of the world's
// best player for each of the 16 field-player abilities and each of the 10
// positions, and the change of those titles on OK.
#include <array>
#include <string>
#include <vector>

namespace v3 {

class CSpieler;
class CVerein;

inline constexpr const char* kKeinSpieler = "Kein Spieler";

struct Titelhalter {
    CSpieler* spieler = nullptr;       // null: nobody
    const CVerein* verein = nullptr;   // null with a player: a former player
};

class WeltBesteSpieler {
public:
    static constexpr int kFaehigkeiten = 16, kPositionen = 10;

    // The holders found in the data set: the players of every club of every
    // country except a lender of the bonus country, then the former players;
    // of two holders of one title the later one found keeps the slot.
    WeltBesteSpieler();

    const Titelhalter& Faehigkeit(int n) const { return faehigkeit_[size_t(n - 1)]; }
    const Titelhalter& Position(int n) const { return position_[size_t(n - 1)]; }
    // The slot's two lines (code page 1252): name and nation; then the main
    // position and club (ability) or the club alone (position). "Kein
    // Spieler" and an empty line for an empty slot.
    std::array<std::string, 2> FaehigkeitText(int n) const;
    std::array<std::string, 2> PositionText(int n) const;

    // A new holder (or nobody) for a slot; the former holder will lose the title on OK.
    void SetFaehigkeit(int n, Titelhalter h);
    void SetPosition(int n, Titelhalter h);

    // Every remembered holder loses his title (positions first, then
    // abilities); then each slot's holder gets his. The player's setters
    // refuse a title that does not fit him, silently.
    void Ok();

private:
    std::array<Titelhalter, kFaehigkeiten> faehigkeit_{};
    std::array<Titelhalter, kPositionen> position_{};
    std::vector<CSpieler*> faehigkeitHalter_, positionHalter_;
};

// "last name, first name" or the artist's name, then ", " and the nation's short name.
std::string WeltBesteName(const CSpieler& p);

}  // namespace v3
