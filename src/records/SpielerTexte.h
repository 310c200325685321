#pragma once
// The fixed texts that name a player's values: positions, abilities, properties,
// character traits, looks and the small value scales. Every list and page takes
// its words from here. Texts are code page 1252 bytes.
#include <array>
#include <string_view>

namespace v3 {

// Text of stored value v in a table whose first entry stands for the value
// `first`; empty text for a value the table does not hold.
template <size_t N>
constexpr std::string_view TextOf(const std::array<std::string_view, N>& table, int v, int first) {
    return (v >= first && v - first < int(N)) ? table[size_t(v - first)] : std::string_view{};
}

inline constexpr int kPositionCount = 10;
inline constexpr int kKeeperPosition = 1;

// clang-format off
// Positions 1..10 (entry 0 = position 1): the short forms the lists show and the full names.
inline constexpr std::array<std::string_view, kPositionCount> kPositionShortTexts = {
    "T", "L", "IV", "LV", "RV", "DM", "LM", "RM", "OM", "S"};
inline constexpr std::array<std::string_view, kPositionCount> kPositionTexts = {
    "Torwart", "Libero", "Innenverteidiger", "linker Verteidiger", "rechter Verteidiger",
    "defensiver Mittelfeldspieler", "linker Mittelfeldspieler", "rechter Mittelfeldspieler",
    "offensiver Mittelfeldspieler", "St\xFCrmer"};
// clang-format on

constexpr std::string_view PositionShortText(int position) {
    return TextOf(kPositionShortTexts, position, 1);
}
constexpr std::string_view PositionText(int position) {
    return TextOf(kPositionTexts, position, 1);
}

// Abilities 1..16 of field players and 1..9 of goalkeepers (entry 0 = ability 1).
// The same ability number means a different ability for a goalkeeper.
inline constexpr int kAbilityCount = 16;
inline constexpr int kKeeperAbilityCount = 9;

// clang-format off
inline constexpr std::array<std::string_view, kAbilityCount> kFieldAbilityTexts = {
    "Kopfball", "Zweikampf", "Schnelligkeit", "Schu\xDFkraft", "Elfmeter", "Freist\xF6\xDF" "e",
    "Flanken", "Torinstinkt", "Laufst\xE4rke", "Technik", "Ballzauberer", "Spielmacher",
    "Viererkette", "Spiel\xFC" "bersicht", "Ball halten", "Dribbling"};
inline constexpr std::array<std::string_view, kKeeperAbilityCount> kKeeperAbilityTexts = {
    "Elfmetert\xF6ter", "starke Reflexe", "Herauslaufen", "Flanken", "Fausten", "Ballsicherheit",
    "Schnelligkeit", "weite Abschl\xE4ge", "weite Abw\xFCrfe"};
// clang-format on

// Name of ability n for a goalkeeper or a field player; empty when that kind of
// player has no ability n.
constexpr std::string_view AbilityText(int n, bool keeper) {
    return keeper ? TextOf(kKeeperAbilityTexts, n, 1) : TextOf(kFieldAbilityTexts, n, 1);
}

// Properties (`Eigenschaft`) and character traits (`Charakter`) 1..16 (entry 0 =
// trait 1): the short names the lists use, and the longer labels of the pages.
inline constexpr int kPropertyCount = 16;
inline constexpr int kTraitCount = 16;
inline constexpr std::string_view kPropertiesHeading = "Eigenschaften";
inline constexpr std::string_view kTraitsHeading = "Charakter";

// clang-format off
inline constexpr std::array<std::string_view, kPropertyCount> kPropertyTexts = {
    "K\xE4mpfernatur", "Trainingsweltmeister", "Trainingsfaul", "Treter", "Fair", "Mimose",
    "Schlitzohr", "Spezialist", "Allrounder", "Flexibel", "Schiriliebling", "Heimspieler",
    "Sch\xF6nwetterfu\xDF" "baller", "Joker", "Egoist", "Leichtfu\xDF"};
inline constexpr std::array<std::string_view, kPropertyCount> kPropertyLabels = {
    "K\xE4mpfernatur", "Trainingsweltmeister", "trainingsfauler Spieler", "Treter", "fairer Spieler",
    "Mimose", "Schlitzohr", "Spezialist", "Allrounder", "flexibler Spieler", "Schiriliebling",
    "Heimspieler", "Sch\xF6nwetterfu\xDF" "baller", "Joker", "Egoist", "Bruder Leichtfu\xDF"};
inline constexpr std::array<std::string_view, kTraitCount> kTraitTexts = {
    "F\xFChrungsperson", "Hitzkopf", "Frohnatur", "Mann ohne Nerven", "Nervenb\xFCndel", "Phlegma",
    "Geldgeier", "Vereinsanh\xE4nger", "Musterprofi", "Skandalnudel", "Sensibelchen", "Starall\xFCren",
    "Teenie-Star", "Unruhestifter", "Leberwurst", "Integrationsfigur"};
inline constexpr std::array<std::string_view, kTraitCount> kTraitLabels = {
    "F\xFChrungsperson", "Hitzkopf", "Frohnatur", "Mann ohne Nerven", "Nervenb\xFCndel", "Phlegmatiker",
    "Geldgeier", "Vereinsanh\xE4nger", "Musterprofi", "Skandalnudel", "Sensibelchen", "Starall\xFCren",
    "Teenie-Star", "Unruhestifter", "Leberwurst", "Integrationsfigur"};
// clang-format on

constexpr std::string_view PropertyText(int n) {
    return TextOf(kPropertyTexts, n, 1);
}
constexpr std::string_view TraitText(int n) {
    return TextOf(kTraitTexts, n, 1);
}

// Looks. Skin colour 0..3, hair colour 0..6, hair style 0..3, beard bits 0..3
// (entry i = value i, or bit i for the beard).
// clang-format off
inline constexpr std::array<std::string_view, 4> kSkinColourTexts = {
    "hell", "dunkel", "schwarz", "asiatisch"};
inline constexpr std::array<std::string_view, 7> kHairColourTexts = {
    "hellblond", "blond", "braun", "rot", "schwarz", "Glatze", "grau"};
inline constexpr int kBaldHairColour = 5;
inline constexpr std::array<std::string_view, 4> kHairStyleTexts = {
    "extrem kurz", "kurz", "Wuschelkopf", "lang"};
inline constexpr std::array<std::string_view, 4> kBeardTexts = {
    "unrasiert", "Bart", "Schnurrbart", "Ziegenbart"};

// Value scales that start at 1 (entry 0 = value 1).
inline constexpr std::array<std::string_view, 5> kTalentTexts = {
    "Megatalent", "Talent", "Normal begabt", "Wenig begabt", "Zwei linke F\xFC\xDF" "e"};
inline constexpr std::array<std::string_view, 3> kFootTexts = {"Rechts", "Links", "Beidf\xFC\xDFig"};
inline constexpr std::array<std::string_view, 7> kInjuryTexts = {
    "normal", "robust", "anf\xE4llig", "Knieprobleme", "schnell wieder fit", "dauert bis wieder fit",
    "wehleidig"};
inline constexpr std::array<std::string_view, 3> kCrowdTexts = {"normal", "Liebling", "Ha\xDF" "figur"};
// clang-format on

constexpr std::string_view TalentText(int v) {
    return TextOf(kTalentTexts, v, 1);
}
constexpr std::string_view FootText(int v) {
    return TextOf(kFootTexts, v, 1);
}
constexpr std::string_view InjuryText(int v) {
    return TextOf(kInjuryTexts, v, 1);
}
constexpr std::string_view CrowdText(int v) {
    return TextOf(kCrowdTexts, v, 1);
}

// National-team flags and the other status words of a player.
// clang-format off
inline constexpr std::string_view kNationalPlayerText = "Nationalspieler";
inline constexpr std::string_view kRetiredFromNationalTeamText =
    "Aus Nationalmannschaft zur\xFC" "ckgetreten";
inline constexpr std::string_view kRetiredAsCaptainText = "Als Kapit\xE4n zur\xFC" "ckgetreten";
inline constexpr std::string_view kDomesticPlayerText = "Fu\xDF" "ballinl\xE4nder";
// clang-format on

}  // namespace v3
