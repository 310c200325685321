#include "DemoDataSet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "DemoMaps.h"
#include "DemoNames.h"
#include "DemoPredecessor.h"
#include "DemoPictures.h"
#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/Bmp.h"
#include "platform/FileOps.h"
#include "platform/Text1252.h"
#include "records/AmateurVerein.h"
#include "records/Ausruester.h"
#include "records/ChampionsLeagueGruppe.h"
#include "records/EigenerFangesang.h"
#include "records/EuroWM.h"
#include "records/ExSpieler.h"
#include "records/Fangesang.h"
#include "records/HalbzeitAnsprache.h"
#include "records/ISchiri.h"
#include "records/IVerein.h"
#include "records/Kleinigkeiten.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/ParticipantLookup.h"
#include "records/QuizFrage.h"
#include "records/TurnierGruppe.h"
#include "records/UEFA.h"
#include "records/Verein.h"

namespace v3::demo {
namespace {

// ------------------------------------------------------------------ fixed tables

// Continents as the nation record keeps them (NationWertA): 0 Europa keeps a
// nation in the European competitions, every other value keeps it out.
enum Kontinente { kEuropa = 0, kSuedamerika = 1, kNordamerika = 2, kAfrika = 3, kAsien = 4, kOzeanien = 5 };

struct NationRow {
    const char* name;     // UTF-8
    const char* kuerzel;  // three capitals
    int kontinent;
    // Home and away kit: shirt, shorts, socks, pattern, second shirt colour, hooped socks.
    std::array<int, 6> heim;
    std::array<int, 6> auswaerts;
};

// The 117 national teams by nation number. The numbers of the 37 countries
// follow the per-country table (14 Deutschland, 16 England, ...).
constexpr std::array<NationRow, kAnzahlNationen> kNationen = {{
    {"Ägypten", "EGY", kAfrika, {1, 0, 11, 0, 0, 0}, {0, 11, 0, 0, 0, 0}},
    {"Algerien", "ALG", kAfrika, {5, 0, 5, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Albanien", "ALB", kEuropa, {1, 11, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Andorra", "AND", kEuropa, {3, 1, 3, 0, 0, 0}, {2, 3, 2, 0, 0, 0}},
    {"Argentinien", "ARG", kSuedamerika, {7, 11, 0, 1, 0, 0}, {3, 11, 3, 0, 0, 0}},
    {"Australien", "AUS", kOzeanien, {2, 5, 2, 0, 0, 0}, {5, 2, 5, 0, 0, 0}},
    {"Belgien", "BEL", kEuropa, {1, 1, 1, 0, 0, 0}, {0, 11, 0, 0, 0, 0}},
    {"Bolivien", "BOL", kSuedamerika, {5, 0, 5, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Brasilien", "BRA", kSuedamerika, {2, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Bulgarien", "BUL", kEuropa, {0, 5, 1, 0, 0, 0}, {1, 5, 1, 0, 0, 0}},
    {"Chile", "CHI", kSuedamerika, {1, 3, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"China", "CHN", kAsien, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Costa Rica", "CRC", kNordamerika, {1, 3, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Dänemark", "DEN", kEuropa, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Deutschland", "GER", kEuropa, {0, 11, 0, 0, 0, 0}, {5, 0, 5, 0, 0, 0}},
    {"Ecuador", "ECU", kSuedamerika, {2, 3, 1, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"England", "ENG", kEuropa, {0, 3, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}},
    {"Estland", "EST", kEuropa, {3, 11, 0, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Färöer", "FRO", kEuropa, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Finnland", "FIN", kEuropa, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Frankreich", "FRA", kEuropa, {3, 0, 1, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Georgien", "GEO", kEuropa, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"Ghana", "GHA", kAfrika, {0, 0, 0, 0, 0, 0}, {2, 11, 2, 0, 0, 0}},
    {"Griechenland", "GRE", kEuropa, {3, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Niederlande", "NED", kEuropa, {10, 0, 10, 0, 0, 0}, {0, 10, 0, 0, 0, 0}},
    {"Irland", "IRL", kEuropa, {5, 0, 5, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Island", "ISL", kEuropa, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Israel", "ISR", kEuropa, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Italien", "ITA", kEuropa, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Jamaika", "JAM", kNordamerika, {2, 11, 2, 0, 0, 0}, {5, 2, 5, 0, 0, 0}},
    {"Japan", "JPN", kAsien, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Kamerun", "CMR", kAfrika, {5, 1, 2, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Kanada", "CAN", kNordamerika, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Kolumbien", "COL", kSuedamerika, {2, 3, 1, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Kroatien", "CRO", kEuropa, {0, 0, 3, 8, 1, 0}, {3, 3, 3, 0, 0, 0}},
    {"Lettland", "LVA", kEuropa, {12, 0, 12, 0, 0, 0}, {0, 12, 0, 0, 0, 0}},
    {"Liechtenstein", "LIE", kEuropa, {3, 1, 3, 0, 0, 0}, {1, 3, 1, 0, 0, 0}},
    {"Litauen", "LTU", kEuropa, {2, 5, 2, 0, 0, 0}, {5, 2, 5, 0, 0, 0}},
    {"Luxemburg", "LUX", kEuropa, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Malta", "MLT", kEuropa, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Marokko", "MAR", kAfrika, {1, 5, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Mexiko", "MEX", kNordamerika, {5, 0, 1, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Moldawien", "MDA", kEuropa, {3, 1, 3, 0, 0, 0}, {1, 3, 1, 0, 0, 0}},
    {"Neuseeland", "NZL", kOzeanien, {0, 11, 0, 0, 0, 0}, {11, 0, 11, 0, 0, 0}},
    {"Nigeria", "NGA", kAfrika, {4, 0, 4, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Nordirland", "NIR", kEuropa, {5, 0, 5, 0, 0, 0}, {0, 5, 0, 0, 0, 0}},
    {"Norwegen", "NOR", kEuropa, {1, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Österreich", "AUT", kEuropa, {0, 11, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}},
    {"Paraguay", "PAR", kSuedamerika, {1, 3, 3, 1, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Peru", "PER", kSuedamerika, {0, 0, 0, 9, 1, 0}, {1, 1, 1, 0, 0, 0}},
    {"Polen", "POL", kEuropa, {0, 1, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}},
    {"Portugal", "POR", kEuropa, {1, 5, 1, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Mazedonien", "MKD", kEuropa, {1, 1, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Rumänien", "ROU", kEuropa, {2, 3, 2, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"Rußland", "RUS", kEuropa, {0, 3, 1, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"San Marino", "SMR", kEuropa, {7, 7, 7, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Saudi-Arabien", "KSA", kAsien, {0, 5, 0, 0, 0, 0}, {5, 0, 5, 0, 0, 0}},
    {"Schottland", "SCO", kEuropa, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Schweden", "SWE", kEuropa, {2, 3, 2, 0, 0, 0}, {3, 2, 3, 0, 0, 0}},
    {"Schweiz", "SUI", kEuropa, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Senegal", "SEN", kAfrika, {0, 0, 0, 0, 0, 0}, {5, 5, 5, 0, 0, 0}},
    {"Slowakei", "SVK", kEuropa, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Slowenien", "SVN", kEuropa, {0, 5, 0, 0, 0, 0}, {5, 0, 5, 0, 0, 0}},
    {"Spanien", "ESP", kEuropa, {1, 3, 11, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Südafrika", "RSA", kAfrika, {2, 5, 2, 0, 0, 0}, {5, 2, 5, 0, 0, 0}},
    {"Tschechien", "CZE", kEuropa, {1, 0, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Trinidad und Tobago", "TRI", kNordamerika, {1, 11, 0, 0, 0, 0}, {0, 11, 0, 0, 0, 0}},
    {"Türkei", "TUR", kEuropa, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Ukraine", "UKR", kEuropa, {2, 3, 2, 0, 0, 0}, {3, 2, 3, 0, 0, 0}},
    {"Ungarn", "HUN", kEuropa, {1, 0, 5, 0, 0, 0}, {0, 11, 0, 0, 0, 0}},
    {"Uruguay", "URU", kSuedamerika, {7, 11, 11, 0, 0, 0}, {0, 11, 0, 0, 0, 0}},
    {"USA", "USA", kNordamerika, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Südkorea", "KOR", kAsien, {1, 11, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Wales", "WAL", kEuropa, {1, 1, 1, 0, 0, 0}, {2, 5, 2, 0, 0, 0}},
    {"Weißrußland", "BLR", kEuropa, {1, 5, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Zypern", "CYP", kEuropa, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Bosnien-Herzegowina", "BIH", kEuropa, {3, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Jugoslawien", "YUG", kEuropa, {3, 0, 1, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Armenien", "ARM", kEuropa, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Aserbaidschan", "AZE", kEuropa, {3, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Kasachstan", "KAZ", kEuropa, {7, 7, 7, 0, 0, 0}, {2, 2, 2, 0, 0, 0}},
    {"Fidschi", "FIJ", kOzeanien, {0, 11, 11, 0, 0, 0}, {7, 7, 7, 0, 0, 0}},
    {"Irak", "IRQ", kAsien, {5, 5, 5, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Kuwait", "KUW", kAsien, {3, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Ver. Arab. Emirate", "UAE", kAsien, {0, 0, 0, 0, 0, 0}, {5, 5, 5, 0, 0, 0}},
    {"Katar", "QAT", kAsien, {12, 12, 12, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Indien", "IND", kAsien, {3, 3, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Thailand", "THA", kAsien, {1, 1, 1, 0, 0, 0}, {3, 3, 3, 0, 0, 0}},
    {"Indonesien", "IDN", kAsien, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Usbekistan", "UZB", kAsien, {0, 3, 0, 0, 0, 0}, {3, 0, 3, 0, 0, 0}},
    {"Honduras", "HON", kNordamerika, {0, 0, 0, 0, 0, 0}, {3, 3, 3, 0, 0, 0}},
    {"Tunesien", "TUN", kAfrika, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"El Salvador", "SLV", kNordamerika, {3, 0, 3, 0, 0, 0}, {0, 3, 0, 0, 0, 0}},
    {"Guatemala", "GUA", kNordamerika, {7, 7, 7, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Panama", "PAN", kNordamerika, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Kuba", "CUB", kNordamerika, {1, 3, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Haiti", "HAI", kNordamerika, {3, 1, 3, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Venezuela", "VEN", kSuedamerika, {12, 0, 12, 0, 0, 0}, {0, 12, 0, 0, 0, 0}},
    {"Elfenbeinküste", "CIV", kAfrika, {10, 0, 5, 0, 0, 0}, {0, 10, 0, 0, 0, 0}},
    {"Sambia", "ZAM", kAfrika, {5, 5, 5, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Simbabwe", "ZIM", kAfrika, {2, 5, 2, 0, 0, 0}, {5, 2, 5, 0, 0, 0}},
    {"Angola", "ANG", kAfrika, {1, 11, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Liberia", "LBR", kAfrika, {3, 0, 1, 0, 0, 0}, {1, 0, 1, 0, 0, 0}},
    {"Mali", "MLI", kAfrika, {5, 2, 1, 0, 0, 0}, {2, 5, 2, 0, 0, 0}},
    {"Burkina Faso", "BFA", kAfrika, {5, 0, 5, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"Kongo", "CGO", kAfrika, {1, 2, 5, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Guinea", "GUI", kAfrika, {1, 2, 5, 3, 2, 0}, {0, 0, 0, 0, 0, 0}},
    {"Togo", "TOG", kAfrika, {2, 5, 2, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Iran", "IRN", kAsien, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0}},
    {"Oman", "OMA", kAsien, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Syrien", "SYR", kAsien, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Libanon", "LIB", kAsien, {1, 0, 1, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    {"Bahrain", "BHR", kAsien, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Singapur", "SIN", kAsien, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Malaysia", "MAS", kAsien, {2, 11, 2, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Vietnam", "VIE", kAsien, {1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    {"Tahiti", "TAH", kOzeanien, {0, 1, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}},
}};

// Name origins beyond the country indexes 0..37: regions whose names the
// country tables do not cover.
constexpr int kHerkunftAfrika = 100;
constexpr int kHerkunftArabien = 101;
constexpr int kHerkunftAsien = 102;

// Names of the regions above (UTF-8).
constexpr std::array<const char*, 24> kAfrikaVornamen = {
    "Samuel", "Emmanuel", "Kwame", "Jonathan", "Didier", "Yaw",     "Kofi",   "Joseph",
    "Augustine", "Patrick", "Sunday", "Victor", "Moussa", "Ibrahim", "Mamadou", "Oumar",
    "Cheikh", "Abdoulaye", "Kalu", "Stephen", "Yaya", "Salif", "Jacob", "Benedict"};
constexpr std::array<const char*, 28> kAfrikaNachnamen = {
    "Mensah", "Owusu", "Boateng", "Okafor", "Adeyemi", "Nwankwo", "Diallo", "Traoré", "Koné",   "Camara",
    "Ndiaye", "Diop",  "Asante",  "Osei",   "Eze",     "Okonkwo", "Touré",  "Sissoko", "Mbala", "Amokachi",
    "Oliseh", "Kuffour", "Addo",  "Tiéné",  "Bakayoko", "Keita",  "Mbarga", "Nkono"};
constexpr std::array<const char*, 22> kArabienVornamen = {
    "Ahmed", "Mohamed", "Khaled", "Samir", "Youssef", "Tarek", "Hassan", "Omar", "Karim", "Walid", "Nabil",
    "Fahd",  "Sami",    "Majed",  "Rachid", "Hamza",  "Adel",  "Faisal", "Mustafa", "Ali", "Hussein", "Jamal"};
constexpr std::array<const char*, 24> kArabienNachnamen = {
    "Al-Hassan", "Haddad", "Mansour", "Khalil", "Nasser", "Saleh", "Al-Otaibi", "Bakr",  "Farouk", "Hamdan",
    "Jaber",     "Kassem", "Mahmoud", "Qasim",  "Rahman", "Sabry", "Taha",      "Zaki",  "Aziz",   "Darwish",
    "Al-Shehri", "Hamdi",  "Chikhi",  "Belkacem"};
constexpr std::array<const char*, 22> kAsienVornamen = {
    "Hiroshi", "Kenji", "Takashi", "Yuki",   "Min-Ho", "Ji-Sung", "Jae-Won", "Wei",    "Jun", "Lei", "Hao",
    "Daisuke", "Kazuki", "Sung-Min", "Tae-Hoon", "Shinji", "Masashi", "Yong", "Akira", "Dong-Gook", "Ryo", "Tian"};
constexpr std::array<const char*, 22> kAsienNachnamen = {
    "Tanaka", "Suzuki", "Nakamura", "Kobayashi", "Yamamoto", "Takahashi", "Kim", "Lee",  "Park",  "Choi", "Jung",
    "Wang",   "Zhang",  "Liu",      "Chen",      "Nakata",   "Sato",      "Ito", "Hong", "Yoon",  "Ono",  "Hwang"};

// Language of the names of a nation without a country of its own.
int HerkunftVonNation(int nation) {
    const int land = NationNr(nation);
    if (land >= 0 && land < kFesteLaender) return land;
    switch (nation) {
        case 4: case 7: case 10: case 12: case 15: case 33: case 41: case 48: case 49: case 70: case 90:
        case 92: case 93: case 94: case 95: case 97: case 3:
            return 4;  // Spanish
        case 8: case 101:
            return 5;  // Portuguese
        case 31: case 40: case 60: case 96: case 98: case 103: case 104: case 105: case 106: case 107:
            return kHerkunftAfrika;
        case 0: case 1: case 56: case 82: case 83: case 84: case 85: case 91: case 108: case 109: case 110:
        case 111: case 112:
            return kHerkunftArabien;
        case 11: case 30: case 72: case 86: case 87: case 88: case 89: case 113: case 114: case 115:
            return kHerkunftAsien;
        case 5: case 29: case 32: case 43: case 66: case 71: case 81: case 116:
            return 1;  // English
        case 22: case 44: case 64: case 99: case 100: case 102:
            return kHerkunftAfrika;
        case 17: case 21: case 35: case 37: case 42: case 74: case 78: case 79: case 80:
            return 12;  // Russian
        case 18:
            return 15;  // Danish
        case 36:
            return 10;
        case 55:
            return 3;
        case 2: case 52:
            return 18;
        default:
            return kBonusLandIndex;  // neutral mix
    }
}

// The youth pools by pool number 0..16: Afrika, Arabien, Asien, Belgien,
// Bulgarien, Dänemark, Finnland, Griechenland, Israel, Norwegen, Polen,
// Rumänien, Rußland, Schweden, other Balkan states, Slowakei & Tschechien, Ungarn.
constexpr std::array<std::array<int, 4>, 17> kPoolHerkunft = {{
    {kHerkunftAfrika, kHerkunftAfrika, 1, 2}, {kHerkunftArabien, kHerkunftArabien, kHerkunftArabien, kHerkunftArabien},
    {kHerkunftAsien, kHerkunftAsien, kHerkunftAsien, kHerkunftAsien}, {11, 11, 11, 11}, {18, 18, 18, 18},
    {15, 15, 15, 15}, {20, 20, 20, 20}, {14, 14, 14, 14}, {21, 21, 21, 21}, {23, 23, 23, 23}, {17, 17, 17, 17},
    {13, 13, 13, 13}, {12, 12, 12, 12}, {16, 16, 16, 16}, {24, 32, 35, 36}, {31, 33, 31, 33}, {19, 19, 19, 19},
}};

// Strength of the first league of a country (player strength 1..12).
double Spielstaerke(int land) {
    switch (land) {
        case 0: case 1: case 3: case 4: return 8.6;
        case 2: return 8.2;
        case 5: case 6: return 7.8;
        case 7: return 7.2;
        case 8: case 9: case 10: return 6.8;
        case 11: case 12: case 13: case 14: case 15: case 16: case 17: case 23: case 24: case 26: case 33: case 36:
            return 6.6;
        case 28: case 30: return 4.2;
        default: return 5.4;
    }
}

// League sizes of the main countries (the rest of each country's clubs play in no league).
const std::vector<int>& Ligagroessen(int land) {
    static const std::array<std::vector<int>, kHauptlaender> kGroessen = {{
        {18, 18, 18, 18, 18, 18}, {20, 24, 24, 24}, {18, 22}, {18, 20}, {20, 22},
        {18}, {18}, {18}, {10}, {10}, {12},
    }};
    return kGroessen[size_t(land)];
}

struct LigaName {
    const char* name;  // UTF-8, 2..14 characters
    const char* kuerzel;
};
const std::vector<LigaName>& Liganamen(int land) {
    static const std::array<std::vector<LigaName>, kHauptlaender> kNamen = {{
        {{"1. Liga", "1.L"}, {"2. Liga", "2.L"}, {"RL Nord", "RLN"}, {"RL Nordost", "RLNO"}, {"RL Südwest", "RLSW"},
         {"RL Süd", "RLS"}},
        {{"Division One", "D1"}, {"Division Two", "D2"}, {"Division Three", "D3"}, {"Division Four", "D4"}},
        {{"Division 1", "D1"}, {"Division 2", "D2"}},
        {{"Serie A", "SA"}, {"Serie B", "SB"}},
        {{"Primera Div.", "PD"}, {"Segunda Div.", "SD"}},
        {{"Primeira Liga", "PL"}},
        {{"Eredivisie", "ED"}},
        {{"Birinci Lig", "BL"}},
        {{"Staatsliga", "SL"}},
        {{"Premier Div.", "PD"}},
        {{"Nationalliga A", "NLA"}},
    }};
    return kNamen[size_t(land)];
}

// Promoted ("Aufsteiger") and relegated ("Absteiger") clubs of each league of
// a main country, as the league-composition rules want them.
struct Wechsler {
    int auf;
    int ab;
};
const std::vector<Wechsler>& Ligawechsel(int land) {
    static const std::array<std::vector<Wechsler>, kHauptlaender> kWechsel = {{
        {{3, 0}, {4, 3}, {2, 1}, {2, 1}, {2, 1}, {2, 1}},
        {{3, 0}, {3, 3}, {4, 3}, {1, 4}},
        {{3, 0}, {4, 3}},
        {{4, 0}, {4, 4}},
        {{3, 0}, {4, 3}},
        {{3, 0}}, {{2, 0}}, {{3, 0}}, {{1, 0}}, {{1, 0}}, {{2, 0}},
    }};
    return kWechsel[size_t(land)];
}

// Club status flags.
constexpr int kStatusMeister = 1;
constexpr int kStatusAbsteiger = 3;
constexpr int kStatusAufsteiger = 4;
constexpr int kStatusVize = 6;
constexpr int kStatusRestliga = 16;
constexpr int kStatusPokalsieger = 64;
constexpr int kStatusPokalfinalist = 128;

// Cheers by language of the country ("%T" the town).
const char* AnfeuerungsMuster(int land, int pick) {
    static constexpr const char* kDeutsch[] = {"Auf geht's %T!", "Vorwärts %T!", "Immer weiter %T!"};
    static constexpr const char* kEnglisch[] = {"Come on %T!", "Up the %T!", "Go on %T!"};
    static constexpr const char* kFranz[] = {"Allez %T!", "Allez, allez %T!", "En avant %T!"};
    static constexpr const char* kItal[] = {"Forza %T!", "Avanti %T!", "Sempre %T!"};
    static constexpr const char* kSpan[] = {"Vamos %T!", "Arriba %T!", "Hala %T!"};
    static constexpr const char* kNl[] = {"Hup %T!", "Kom op %T!", "Zet 'm op %T!"};
    static constexpr const char* kTr[] = {"Haydi %T!", "Yürü %T!", "Haydi %T, haydi!"};

    auto pickFrom = [pick](const auto& arr) { return arr[size_t(pick) % std::size(arr)]; };
    switch (land) {
        case 0: case 8: case 10: return pickFrom(kDeutsch);
        case 1: case 9: case 27: case 29: case 34: return pickFrom(kEnglisch);
        case 2: case 11: case 30: return pickFrom(kFranz);
        case 3: return pickFrom(kItal);
        case 4: case 5: return pickFrom(kSpan);
        case 6: return pickFrom(kNl);
        case 7: return pickFrom(kTr);
        default: return pickFrom(kDeutsch);
    }
}

// The preferred shirt numbers of positions 1..10.
constexpr int kWunschNummern[10][3] = {
    {1, 12, 22}, {5, 15, 25}, {4, 3, 14}, {2, 13, 21}, {6, 16, 23},
    {8, 18, 26}, {11, 17, 24}, {7, 19, 27}, {10, 20, 28}, {9, 11, 29},
};

// Abilities worth having by position (field players 1..16, goalkeepers 1..9).
const std::vector<int>& PassendeFaehigkeiten(int position) {
    static const std::vector<int> kTorwart = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    static const std::vector<int> kAbwehr = {1, 2, 3, 9, 13, 15, 14, 7};
    static const std::vector<int> kMittelfeld = {7, 9, 10, 12, 14, 6, 11, 16, 2, 4};
    static const std::vector<int> kSturm = {1, 3, 4, 5, 8, 10, 16, 11, 15};
    if (position == 1) return kTorwart;
    if (position <= 5) return kAbwehr;
    if (position <= 9) return kMittelfeld;
    return kSturm;
}

// Secondary positions that go with a main position.
const std::vector<int>& Nachbarpositionen(int position) {
    static const std::array<std::vector<int>, 11> kNachbarn = {{
        {}, {}, {3, 6}, {2, 4, 5, 6}, {3, 7, 5}, {3, 8, 4}, {2, 3, 9}, {4, 9, 8}, {5, 9, 7}, {6, 10, 7, 8}, {9, 7, 8},
    }};
    return kNachbarn[size_t(position)];
}

int TalentAus(int s, int a) {
    auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    if (s >= 11 || (in(s, 9, 10) && a < 21)) return 1;
    if (s >= 9 || (in(s, 7, 8) && a < 22)) return 2;
    if (s >= 7 || (in(s, 5, 6) && a < 22)) return 3;
    if (s >= 5 || (in(s, 3, 4) && a < 21)) return 4;
    return 5;
}

// The kit rules the club editor checks; a demo kit must pass all of them.
bool KitsPassen(const TRIKOTSATZ& a, const TRIKOTSATZ& b) {
    if (a.Streifen == b.Streifen &&
        (a.TrikotFarbe == b.TrikotFarbe || (a.Streifen != 0 && a.StreifenFarbe == b.StreifenFarbe)))
        return false;
    for (const TRIKOTSATZ* k : {&a, &b}) {
        if (k->Streifen != 0 && k->StreifenFarbe == k->TrikotFarbe) return false;
        if (k->Ringelsocken != 0 && k->StutzenFarbe == k->HosenFarbe) return false;
        if (!k->Packable()) return false;
    }
    return true;
}

TRIKOTSATZ Kit(const std::array<int, 6>& v) { return TRIKOTSATZ{v[0], v[1], v[2], v[3], v[4], v[5]}; }

// The data set seen by the participant rules of the competition groups.
class DatenLookup : public ParticipantLookup {
public:
    int NationCount() const override { return int(Daten().NationenListe.size()); }
    const CNation* Nation(int nr) const override {
        const auto& l = Daten().NationenListe;
        return nr >= 0 && size_t(nr) < l.size() ? l[size_t(nr)].get() : nullptr;
    }
    int ClubCount(int land) const override {
        const auto& l = Daten().AlleLaender;
        return land >= 0 && size_t(land) < l.size() ? int(l[size_t(land)]->VereinsListe().size()) : 0;
    }
};

// Puts the previous random source back when the build ends.
class RandomScope {
public:
    explicit RandomScope(uint32_t seed) : rng_(seed), previous_(App().random) { App().SetRandom(&rng_); }
    ~RandomScope() { App().SetRandom(previous_); }
    RandomScope(const RandomScope&) = delete;
    RandomScope& operator=(const RandomScope&) = delete;
    IRandom& rng() { return rng_; }

private:
    StdRandom rng_;
    IRandom* previous_;
};

// ------------------------------------------------------------------ the builder

// Where a club stands: its league (or -1 for none) and its place there.
struct Platz {
    int liga = -1;
    int rang = 0;
    int groesse = 0;
};

class Builder {
public:
    Builder(IRandom& rng, const DemoAssetFiles& assets) : rng_(rng), namen_(rng), assets_(assets) {}

    bool Run(std::string* error);

private:
    // Random helpers over the installed source.
    int R(int n) { return n <= 1 ? 0 : rng_.Rand() % n; }
    int Zwischen(int lo, int hi) { return lo + R(hi - lo + 1); }
    bool Chance(int prozent) { return R(100) < prozent; }
    double Streuung(double breite) { return (R(2001) - 1000) / 1000.0 * breite; }

    // Notes the first refused value; the build goes on and reports it at the end.
    void Need(bool ok, const std::string& was) {
        if (!ok && fehler_.empty()) fehler_ = was;
    }

    // Names.
    std::string Vorname(int herkunft, size_t max);
    std::string Nachname(int herkunft, size_t max);
    // A first and last name not used by another person of the data set yet,
    // as far as a few draws find one.
    std::pair<std::string, std::string> Person(int herkunft, size_t maxVor = DemoNames::kMaxFirstName,
                                               size_t maxNach = DemoNames::kMaxLastName);
    ClubName NeuerVerein(int land);

    void BaueNationen();
    void BaueLand(int land);
    void BaueVerein(CLand& l, int land, int nr, const Platz& platz, const std::vector<std::pair<int, int>>& karte);
    void BaueStadion(CVerein& v, int land, const ClubName& name, double niveau);
    void BaueKader(CVerein& v, int land, double niveau, int ligaStufe);
    std::unique_ptr<CSpieler> NeuerSpieler(int nation, int position, int alter, int staerke);
    void Aussehen(CSpieler& s, int herkunft);
    void Rueckennummern(CVerein::Kader& kader);
    void BaueLigen(CLand& l, int land, const std::vector<Platz>& plaetze);
    void BauePools(CLand& l, int land);
    void BaueTrainer(CTrainerUndCo& t, int herkunft, int kompetenz);
    void BaueManager(CManager& m, int herkunft, int kompetenz);
    void BaueSponsor(CSponsor& s, int land);

    void BaueNationalteams();
    void BaueBesteSpieler();
    void BaueKleinigkeiten();
    void BaueUEFA();
    void BaueTurniere();
    void BaueChampionsLeague();
    void BaueInternationales();
    void BaueJugendPools();
    void BaueFangesaenge();
    void BaueAnsprachen();
    void BaueSpielerlisten();
    void BaueQuiz();

    // Clubs of a country's first league, in placement order (club numbers).
    std::vector<int> ErsteLiga(int land) const;
    CVerein& Verein(int land, int nr) { return *Daten().AlleLaender[size_t(land)]->VereinsListe()[size_t(nr - 1)]; }
    int Nation(int land) const { return App().NationNummer[size_t(land)]; }
    // A nation a foreign player of country `land` comes from.
    int AuslaendischeNation(int land);

    IRandom& rng_;
    DemoNames namen_;
    const DemoAssetFiles& assets_;
    std::string fehler_;
    std::set<std::string> personen_;     // "last\tfirst" of every person named so far
    std::set<std::string> vereine_;      // club and amateur-club names
    std::vector<std::string> nationenNamen_;  // code page 1252, by nation number
    DatenLookup lookup_;
};

// ------------------------------------------------------------------ names

std::string Builder::Vorname(int herkunft, size_t max) {
    auto ausTabelle = [&](const auto& tab) {
        for (int i = 0; i < 20; ++i) {
            std::string s = Cp(tab[size_t(R(int(std::size(tab))))]);
            if (s.size() <= max) return s;
        }
        return std::string("Jan");
    };
    if (herkunft == kHerkunftAfrika) return ausTabelle(kAfrikaVornamen);
    if (herkunft == kHerkunftArabien) return ausTabelle(kArabienVornamen);
    if (herkunft == kHerkunftAsien) return ausTabelle(kAsienVornamen);
    for (int i = 0; i < 30; ++i) {
        std::string s = namen_.FirstName(herkunft);
        if (s.size() <= max && s.size() >= 2) return s;
    }
    return "Jan";
}

std::string Builder::Nachname(int herkunft, size_t max) {
    auto ausTabelle = [&](const auto& tab) {
        for (int i = 0; i < 20; ++i) {
            std::string s = Cp(tab[size_t(R(int(std::size(tab))))]);
            if (s.size() <= max) return s;
        }
        return std::string("Kim");
    };
    if (herkunft == kHerkunftAfrika) return ausTabelle(kAfrikaNachnamen);
    if (herkunft == kHerkunftArabien) return ausTabelle(kArabienNachnamen);
    if (herkunft == kHerkunftAsien) return ausTabelle(kAsienNachnamen);
    for (int i = 0; i < 30; ++i) {
        std::string s = namen_.LastName(herkunft);
        if (s.size() <= max && s.size() >= 2) return s;
    }
    return "Berg";
}

std::pair<std::string, std::string> Builder::Person(int herkunft, size_t maxVor, size_t maxNach) {
    std::pair<std::string, std::string> p;
    for (int versuch = 0; versuch < 4; ++versuch) {
        p = {Vorname(herkunft, maxVor), Nachname(herkunft, maxNach)};
        if (personen_.insert(p.second + '\t' + p.first).second) break;
    }
    return p;
}

ClubName Builder::NeuerVerein(int land) {
    ClubName c;
    for (int versuch = 0; versuch < 40; ++versuch) {
        c = namen_.Club(land);
        if (vereine_.count(c.name) == 0) break;
    }
    // A name that keeps coming back goes to the club's second team.
    if (vereine_.count(c.name) && c.name.size() + 3 <= DemoNames::kMaxClubName) c.name += " II";
    vereine_.insert(c.name);
    return c;
}

// ------------------------------------------------------------------ nations

void Builder::BaueNationen() {
    auto& liste = Daten().NationenListe;
    for (int nr = 0; nr < kAnzahlNationen; ++nr) {
        const NationRow& row = kNationen[size_t(nr)];
        auto n = std::make_unique<CNation>();
        const std::string name = Cp(row.name);
        Need(n->Name(name), "Nation " + std::to_string(nr) + ": Name");
        Need(n->Kuerzel(row.kuerzel), "Nation: Kuerzel");
        Need(n->Nr(nr), "Nation: Nr");
        Need(n->NationWertA(uint16_t(row.kontinent)), "Nation: NationWertA");
        std::array<TRIKOTSATZ, 2> kits = {Kit(row.heim), Kit(row.auswaerts)};
        Need(KitsPassen(kits[0], kits[1]), "Nation " + std::to_string(nr) + ": Trikots");
        Need(n->TrikotSatz(kits, 2, true) == 2, "Nation: TrikotSatz");
        nationenNamen_.push_back(name);
        liste.push_back(std::move(n));
    }
}

// ------------------------------------------------------------------ countries

int Builder::AuslaendischeNation(int land) {
    // Mostly Europeans of the other countries, then South Americans and Africans.
    static constexpr int kUebersee[] = {8, 4, 70, 48, 33, 31, 44, 22, 98, 60, 64, 71, 5, 41, 40, 91};
    const int wurf = R(100);
    if (wurf < 65) {
        for (;;) {
            const int anderes = R(kFesteLaender);
            if (anderes != land) return App().NationNummer[size_t(anderes)];
        }
    }
    return kUebersee[size_t(R(int(std::size(kUebersee))))];
}

void Builder::BaueLand(int land) {
    AppState& app = App();
    app.AktuellesLand = land;
    auto neu = std::make_unique<CLand>();
    CLand& l = *neu;
    const CountryCounts anzahl = app.countryCounts[size_t(land)];
    Need(l.CountryIndex(land), "Land: CountryIndex");
    Need(l.PokalName(namen_.Cup(land)), "Land: PokalName");

    // Where each club plays: the leagues take the first club numbers in order.
    std::vector<Platz> plaetze(size_t(anzahl.clubs));
    if (land < kHauptlaender) {
        int nr = 0;
        const auto& groessen = Ligagroessen(land);
        for (size_t liga = 0; liga < groessen.size(); ++liga)
            for (int rang = 0; rang < groessen[liga]; ++rang) plaetze[size_t(nr++)] = {int(liga), rang, groessen[liga]};
        for (int rest = 0; nr < anzahl.clubs; ++rest) plaetze[size_t(nr++)] = {-1, rest, anzahl.clubs};
    } else {
        for (int i = 0; i < anzahl.clubs; ++i) plaetze[size_t(i)] = {0, i, anzahl.clubs};
    }

    // Places on the country map where clubs may stand (mask bit 0). The mask
    // the installation holds already is taken; painting it again costs time.
    std::vector<std::pair<int, int>> karte;
    {
        std::string bytes;
        if (!ReadWholeFile(HostPath(std::string(".") + kDirSupportGfx + MaskNameFor(CountryMapName(land))), bytes))
            bytes = MakeCountryMap(land).mask;
        BmpImage maske;
        if (ReadBmp(bytes, maske) == BmpError::None && maske.bitsPerPixel == 1) {
            for (int y = 8; y < maske.height - 8; y += 3)
                for (int x = 8; x < maske.width - 8; x += 3)
                    if (maske.At(x, y) == 0) karte.emplace_back(x, y);
        }
    }

    for (int nr = 1; nr <= anzahl.clubs; ++nr) BaueVerein(l, land, nr, plaetze[size_t(nr - 1)], karte);
    Need(l.ClubCount(anzahl.clubs), "Land: ClubCount");

    // Arch rivals (in the same league where there is one) and befriended fans,
    // each pair on both sides.
    const int n = anzahl.clubs;
    auto verein = [&l](int nr) -> CVerein& { return *l.VereinsListe()[size_t(nr - 1)]; };
    for (int nr = 1; nr <= n; ++nr) {
        CVerein& v = verein(nr);
        const Platz& p = plaetze[size_t(nr - 1)];
        const int erster = p.liga >= 0 ? nr - p.rang : 1;
        const int letzter = p.liga >= 0 ? erster + p.groesse - 1 : n;
        if (v.ErzRivale() == 0 && Chance(70)) {
            for (int versuch = 0; versuch < 10; ++versuch) {
                const int r = Zwischen(erster, letzter);
                if (r == nr || verein(r).ErzRivale() != 0 || verein(r).FanFreundschaft() == nr) continue;
                Need(v.ErzRivale(r) && verein(r).ErzRivale(nr), "Verein: ErzRivale");
                break;
            }
        }
        if (v.FanFreundschaft() == 0 && Chance(40)) {
            for (int versuch = 0; versuch < 10; ++versuch) {
                const int f = Zwischen(1, n);
                if (f == nr || f == v.ErzRivale() || verein(f).FanFreundschaft() != 0 || verein(f).ErzRivale() == nr)
                    continue;
                Need(v.FanFreundschaft(f) && verein(f).FanFreundschaft(nr), "Verein: FanFreundschaft");
                break;
            }
        }
    }

    BaueLigen(l, land, plaetze);

    // Amateur clubs and the association.
    for (auto& amateur : l.AmateurVereine()) {
        const ClubName c = NeuerVerein(land);
        Need(amateur->Name(c.name), "Amateurverein: Name");
    }
    BaueTrainer(l.NationalCoach(), land, Zwischen(9, 15));
    {
        const auto [vor, nach] = Person(land);
        Need(l.VerbandsPraesident().Vorname(vor) && l.VerbandsPraesident().Nachname(nach), "Verbandspraesident");
    }
    BauePools(l, land);
    Daten().AlleLaender.push_back(std::move(neu));
}

void Builder::BaueLigen(CLand& l, int land, const std::vector<Platz>& plaetze) {
    AppState& app = App();
    const int n = int(plaetze.size());
    if (land >= kHauptlaender) {
        // A further country keeps one league of all its clubs, as its reader builds it.
        auto liga = std::make_unique<CLiga>();
        for (int i = 0; i < n; ++i) Need(liga->ClubNumber(i, i + 1), "Liga: ClubNumber");
        Need(liga->Size(n), "Liga: Size");
        l.Ligen().push_back(std::move(liga));
        Need(l.LeagueCount(0), "Land: LeagueCount");
        // Last season: champion, runner-up, cup winner and finalist.
        std::vector<int> status(size_t(n), 0);
        status[0] = kStatusMeister;
        status[1] = kStatusVize;
        const int sieger = Zwischen(0, n - 1);
        int finalist = sieger;
        while (finalist == sieger) finalist = Zwischen(0, n - 1);
        status[size_t(sieger)] |= kStatusPokalsieger;
        status[size_t(finalist)] |= kStatusPokalfinalist;
        for (int i = 0; i < n; ++i) Need(l.VereinsListe()[size_t(i)]->Status(status[size_t(i)]), "Verein: Status");
        return;
    }

    const auto& groessen = Ligagroessen(land);
    const auto& namen = Liganamen(land);
    const auto& wechsel = Ligawechsel(land);
    std::vector<int> status(size_t(n), 0);
    int nr = 0;
    for (size_t j = 0; j < groessen.size(); ++j) {
        auto liga = std::make_unique<CLiga>();
        Need(liga->Name(Cp(namen[j].name)), "Liga: Name");
        Need(liga->Kuerzel(namen[j].kuerzel), "Liga: Kuerzel");
        const int groesse = groessen[j];
        Need(liga->Size(groesse), "Liga: Size");
        for (int i = 0; i < groesse; ++i) Need(liga->ClubNumber(i, nr + i + 1), "Liga: ClubNumber");
        Need(liga->CreateDefaultSpielplan(), "Liga: CreateDefaultSpielplan");
        if (j < size_t(kLeagueSizeSlots)) app.leagueSizes[size_t(land)][j] = groesse;
        // Last season's placement: champion and runner-up on top of the first
        // league, the promoted clubs at the end, the relegated ones before them.
        if (j == 0) {
            status[size_t(nr)] = kStatusMeister;
            status[size_t(nr + 1)] = kStatusVize;
        }
        for (int k = 0; k < wechsel[j].auf; ++k) status[size_t(nr + groesse - 1 - k)] = kStatusAufsteiger;
        for (int k = 0; k < wechsel[j].ab; ++k) status[size_t(nr + groesse - 1 - wechsel[j].auf - k)] = kStatusAbsteiger;
        l.Ligen().push_back(std::move(liga));
        nr += groesse;
    }
    for (int i = nr; i < n; ++i) status[size_t(i)] = kStatusRestliga;
    // The cup final of last season: the winner from the first league, the finalist from anywhere in a league.
    const int sieger = Zwischen(0, groessen[0] - 1);
    int finalist = sieger;
    while (finalist == sieger) finalist = Zwischen(0, nr - 1);
    status[size_t(sieger)] |= kStatusPokalsieger;
    status[size_t(finalist)] |= kStatusPokalfinalist;
    for (int i = 0; i < n; ++i) Need(l.VereinsListe()[size_t(i)]->Status(status[size_t(i)]), "Verein: Status");

    // The clubs that play in no league, as the country's reader collects them.
    auto rest = std::make_unique<CLiga>();
    int groesse = 0;
    for (int i = nr; i < n; ++i) Need(rest->ClubNumber(groesse++, i + 1), "Liga: ClubNumber");
    Need(rest->Size(groesse), "Liga: Size");
    l.Ligen().push_back(std::move(rest));
    Need(l.LeagueCount(int(groessen.size())), "Land: LeagueCount");
    Need(int(groessen.size()) == app.LigaAnzahl[size_t(land)], "Land: Ligenzahl");
}

void Builder::BaueVerein(CLand& l, int land, int nr, const Platz& platz,
                         const std::vector<std::pair<int, int>>& karte) {
    auto neu = std::make_unique<CVerein>(nr);
    CVerein& v = *neu;
    l.VereinsListe().push_back(std::move(neu));

    // How strong the club is: its league's level and its place in it.
    const int stufe = platz.liga < 0 ? int(Ligagroessen(land).size()) + 1 : platz.liga;
    double niveau = Spielstaerke(land) - 1.2 * stufe;
    if (platz.liga >= 0 && platz.groesse > 1) niveau += 1.0 - 2.0 * platz.rang / (platz.groesse - 1);
    niveau += Streuung(0.4);
    niveau = std::clamp(niveau, 2.0, 11.0);
    // 0 for the strongest clubs of a strong country .. 6 for small amateurs.
    const int klasse = std::clamp(int(std::lround(9.5 - niveau)), 0, 6);

    const ClubName name = NeuerVerein(land);
    Need(v.Name(name.name), "Verein: Name " + name.name);
    std::string kuerzel = name.shortCode;
    for (int versuch = 0; versuch < 10; ++versuch) {
        bool frei = true;
        for (const auto& anderer : l.VereinsListe())
            if (anderer.get() != &v && anderer->Kuerzel() == kuerzel) frei = false;
        if (frei) break;
        kuerzel[2] = char('A' + R(26));
        if (versuch > 4) kuerzel[1] = char('A' + R(26));
    }
    Need(v.Kuerzel(kuerzel), "Verein: Kuerzel");
    Need(v.Fanbezeichnung(namen_.FanGroup(land, name)), "Verein: Fanbezeichnung");
    std::string anfeuerung = AnfeuerungsMuster(land, R(3));
    anfeuerung.replace(anfeuerung.find("%T"), 2, Cp1252ToUtf8(name.town));
    Need(v.Anfeuerung(Cp(anfeuerung)), "Verein: Anfeuerung");

    // How the name reads in sentences: "der FC ...", "die Eintracht ...", plain names.
    {
        const std::string erstes = name.name.substr(0, name.name.find(' '));
        const std::string letztes = name.name.substr(name.name.rfind(' ') + 1);
        static const std::set<std::string> kMaennlich = {
            "FC",  "SV",  "VfB", "TSV", "SC", "1.",  "VfL", "FSV", "SK",  "ASK", "ATSV", "FK", "AC",  "AS", "US", "RC",
            "ES",  "SS",  "CD",  "UD",  "CF", "SD",  "CE",  "GD",  "VV",  "RKC", "VVV",  "PFK", "CS", "KS", "GKS",
            "IFK", "GIF", "IK",  "UMF", "KF", "AFC", "AB"};
        static const std::set<std::string> kWeiblich = {"Eintracht", "Fortuna", "Union", "SpVgg", "Viktoria",
                                                       "Alemannia", "Austria", "Admira"};
        static const std::set<std::string> kMehrzahl = {"Rovers", "Rangers", "Boys", "Wanderers"};
        static const std::set<std::string> kHinten = {"FC", "SK", "IF", "BK", "FF", "IL", "FK", "PS", "JK", "PK", "AIK"};
        int artikel = 0, satzbau = 2;
        if (kWeiblich.count(erstes)) {
            artikel = 2;
            satzbau = 3;
        } else if (kMaennlich.count(erstes) || kHinten.count(letztes)) {
            artikel = 1;
            satzbau = 0;
        } else if (kMehrzahl.count(letztes)) {
            artikel = 2;
            satzbau = 1;
        }
        Need(v.Artikel(artikel) && v.SatzBau(satzbau), "Verein: Artikel");
    }

    // Staff of the club.
    {
        CTrainerUndCo trainer;
        BaueTrainer(trainer, land, std::clamp(16 - 2 * klasse + Zwischen(-2, 1), 1, 15));
        Need(v.Trainer(trainer), "Verein: Trainer");
        CManager manager;
        BaueManager(manager, land, std::clamp(15 - 2 * klasse + Zwischen(-2, 2), 1, 15));
        Need(v.Manager(manager), "Verein: Manager");
        const auto [vor, nach] = Person(land);
        Need(v.PraesidentVorname(vor), "Verein: PraesidentVorname " + vor);
        Need(v.Praesidentname(nach), "Verein: Praesidentname " + nach);
    }

    // Kits in the club's two colours.
    {
        static constexpr int kFarben[] = {0, 0, 1, 1, 1, 3, 3, 3, 11, 11, 2, 5, 5, 7, 10, 12, 9, 4, 6, 8};
        const int c1 = kFarben[size_t(R(int(std::size(kFarben))))];
        int c2 = c1;
        while (c2 == c1) c2 = kFarben[size_t(R(int(std::size(kFarben))))];
        TRIKOTSATZ heim{}, aus{};
        heim.TrikotFarbe = c1;
        heim.Streifen = Chance(55) ? 0 : Zwischen(1, 7);
        heim.StreifenFarbe = heim.Streifen != 0 ? c2 : 0;
        heim.HosenFarbe = Chance(50) ? c2 : (c1 == 0 ? 11 : 0);
        heim.StutzenFarbe = Chance(60) ? c1 : c2;
        heim.Ringelsocken = heim.StutzenFarbe != heim.HosenFarbe && Chance(12) ? 1 : 0;
        aus.TrikotFarbe = c2 != 0 && Chance(60) ? c2 : (c1 == 0 ? 11 : 0);
        if (aus.TrikotFarbe == c1) aus.TrikotFarbe = c2;
        aus.Streifen = heim.Streifen == 0 && Chance(30) ? Zwischen(1, 7) : 0;
        aus.StreifenFarbe = aus.Streifen != 0 ? c1 : 0;
        if (aus.Streifen != 0 && aus.StreifenFarbe == aus.TrikotFarbe) aus.Streifen = aus.StreifenFarbe = 0;
        aus.HosenFarbe = Chance(50) ? c1 : aus.TrikotFarbe;
        aus.StutzenFarbe = aus.TrikotFarbe;
        Need(KitsPassen(heim, aus), "Verein: Trikots");
        Need(v.TrikotSatz(0, heim) && v.TrikotSatz(1, aus), "Verein: TrikotSatz");
    }

    // Fans, money and board.
    Need(v.Fanaufkommen(std::clamp(klasse + Zwischen(-1, 1), 0, 6)), "Verein: Fanaufkommen");
    Need(v.MaxFanAufkommen(std::max(0, v.Fanaufkommen() - R(2))), "Verein: MaxFanAufkommen");
    Need(v.FanArt(R(8)), "Verein: FanArt");
    Need(v.Vorstand(std::min(5, 2 + R(4))), "Verein: Vorstand");
    Need(v.Opposition(R(4)), "Verein: Opposition");
    Need(v.Hooligans(Chance(70) ? 0 : Zwischen(1, 3)), "Verein: Hooligans");
    Need(v.FinanzKraft(std::clamp(6 - klasse + Zwischen(-1, 1), 0, 6)), "Verein: FinanzKraft");
    const int guthaben = klasse <= 1 ? Zwischen(80, 500) : klasse <= 3 ? Zwischen(5, 150) : Zwischen(-40, 40);
    Need(v.Guthaben(guthaben), "Verein: Guthaben");
    Need(v.Medienstadt(klasse <= 2 && Chance(35) ? 1 : 0), "Verein: Medienstadt");
    Need(v.Pokalmannschaft(Chance(10) ? 1 : 0), "Verein: Pokalmannschaft");
    Need(v.AktienGesellschaft(klasse <= 1 && Chance(30) ? 1 : 0), "Verein: AktienGesellschaft");
    Need(v.RegionalLiga(Chance(50) ? 2 : 5), "Verein: RegionalLiga");
    if (land == 0 && platz.liga >= 2) Need(v.RegionalLiga(platz.liga <= 3 ? 2 : 5), "Verein: RegionalLiga");

    // Honours and the all-time table of the first league.
    if (klasse <= 2) {
        const int gewicht = 3 - klasse;
        Need(v.MeisterTitel(R(4 * gewicht * gewicht + 1)), "Verein: MeisterTitel");
        Need(v.PokalSiege(R(3 * gewicht * gewicht + 1)), "Verein: PokalSiege");
        Need(v.LigapokalSiege(land == 1 || land == 2 ? R(2 * gewicht + 1) : 0), "Verein: LigapokalSiege");
        Need(v.UEFASiege(klasse == 0 ? R(3) : 0), "Verein: UEFASiege");
        Need(v.ChampionsLeagueSiege(klasse == 0 && Chance(40) ? Zwischen(1, 4) : 0), "Verein: CL");
        Need(v.WeltpokalSiege(v.ChampionsLeagueSiege() > 0 ? R(v.ChampionsLeagueSiege() + 1) : 0), "Verein: WP");
    } else if (klasse <= 4) {
        Need(v.PokalSiege(Chance(20) ? 1 : 0), "Verein: PokalSiege");
    }
    const int saisons = klasse <= 1 ? Zwischen(15, 35) : klasse <= 3 ? R(15) : 0;
    const int spiele = saisons * ((land < kHauptlaender ? Ligagroessen(land)[0] : 10) - 1) * 2;
    if (spiele > 0) {
        const double quote = 1.0 + (4 - klasse) * 0.12 + Streuung(0.1);
        const int tore = int(spiele * (1.5 + (3 - klasse) * 0.1));
        Need(v.Spiele(spiele), "Verein: Spiele");
        Need(v.Punkte(int(spiele * quote)), "Verein: Punkte");
        Need(v.ErzielteTore(tore), "Verein: ErzielteTore");
        Need(v.KassierteTore(int(tore * (1.3 - (4 - klasse) * 0.12))), "Verein: KassierteTore");
    }
    {
        CDatum gruendung;
        Need(gruendung.Init(Zwischen(1, 28), Zwischen(1, 12), Zwischen(1870, 1965), 0, 0, 0) >= 0, "Gruendung");
        Need(v.GruendungsDatum(gruendung), "Verein: GruendungsDatum");
    }
    if (!karte.empty()) {
        const auto [x, y] = karte[size_t((R(30000) * 32768 + R(32768)) % int(karte.size()))];
        Need(v.XKoord(x) && v.YKoord(y), "Verein: Koordinaten");
    }

    BaueStadion(v, land, name, niveau);
    BaueKader(v, land, niveau, stufe);
}

void Builder::BaueStadion(CVerein& v, int land, const ClubName& name, double niveau) {
    auto s = std::make_unique<CStadion>();
    std::string stadionName;
    for (int versuch = 0; versuch < 20; ++versuch) {
        stadionName = namen_.Stadium(land, name.town);
        if (stadionName.size() >= 2 && stadionName.size() <= 27) break;
    }
    if (stadionName.size() > 27) stadionName = name.town;
    Need(s->Name(stadionName), "Stadion: Name " + stadionName);
    Need(s->Ort(name.town), "Stadion: Ort " + name.town);

    // Capacity by strength: from a few thousand places to large arenas.
    const double kapazitaet = std::clamp(1500.0 * std::pow(1.45, niveau) * (0.8 + R(41) / 100.0), 2500.0, 85000.0);
    const double anteil[4] = {0.32, 0.32, 0.18, 0.18};
    const double sitzAnteil = std::clamp(0.15 + niveau * 0.07, 0.2, 0.9);
    for (int t = 0; t < CStadion::kTribuenen; ++t) {
        const int plaetze = std::clamp(int(kapazitaet * anteil[t] / 10) * 10, 500, 20000);
        const int logen = t == 0 ? int(plaetze * (0.02 + niveau * 0.004) / 10) * 10 : (t == 1 && niveau > 7 ? 50 : 0);
        const double quote = t < 2 ? sitzAnteil : sitzAnteil * 0.5;
        const int sitze = int((plaetze - logen) * quote / 10) * 10;
        const int stehen = plaetze - logen - sitze;
        Need(s->Logen(t, logen) && s->Sitzplaetze(t, sitze) && s->Stehplaetze(t, stehen), "Stadion: Plaetze");
        Need(stehen + 3 * logen + (3 * sitze) / 2 <= 40000, "Stadion: Kapazitaet");
        Need(s->Dach(t, t == 0 || niveau > 7.5 || Chance(int(niveau * 8)) ? 1 : 0), "Stadion: Dach");
        Need(s->Zustand(t, std::clamp(int(std::lround(6.5 - niveau * 0.6)) + Zwischen(-1, 1), 1, 7)), "Stadion: Zustand");
        if (land != 1) Need(s->WaermeStrahler(t, niveau > 8 && Chance(30) ? 1 : 0), "Stadion: Waermestrahler");
    }
    if (Chance(50)) Need(s->HeimTribuene(0) && s->GaesteTribuene(1), "Stadion: Tribuenen");
    Need(s->Anzeigetafel(std::clamp(int(niveau / 2.2) + Zwischen(-1, 0), 0, 4)), "Stadion: Anzeigetafel");
    s->Rasenheizung(niveau > 7 && Chance(70) ? 1 : 0);
    s->Flutlicht(niveau > 4.5 || Chance(40) ? 1 : 0);
    s->LaufBahn(0, Chance(35) ? 1 : 0);
    s->AutoBahn(Chance(niveau > 6 ? 70 : 30) ? 1 : 0);
    s->CityNaehe(Chance(40) ? 1 : 0);
    s->FernsehTurm(Chance(8) ? 1 : 0);
    s->VereinsEigentum(Chance(30) ? 1 : 0);
    s->LuxusKabinen(niveau > 8 && Chance(60) ? 1 : 0);
    s->SitzKissen(Chance(20) ? 1 : 0);
    s->BeheizbareSitze(niveau > 8.5 && Chance(25) ? 1 : 0);
    s->AusfahrSpielfeld(niveau > 9 && Chance(10) ? 1 : 0);
    s->Berge((land == 8 || land == 10) && Chance(50) ? 1 : (Chance(5) ? 1 : 0));
    s->Burg(Chance(4) ? 1 : 0);
    s->Schloss(Chance(4) ? 1 : 0);
    Need(v.Stadion(std::move(s)), "Verein: Stadion");
}

void Builder::Aussehen(CSpieler& s, int herkunft) {
    // The record draws looks by its own country; other regions get theirs here.
    if (herkunft == kHerkunftAfrika) {
        Need(s.Hautfarbe(Chance(60) ? 2 : 1) && s.Haarfarbe(Chance(10) ? 5 : 4), "Spieler: Aussehen");
    } else if (herkunft == kHerkunftAsien) {
        Need(s.Hautfarbe(3) && s.Haarfarbe(4), "Spieler: Aussehen");
    } else if (herkunft == kHerkunftArabien) {
        Need(s.Hautfarbe(Chance(80) ? 1 : 0) && s.Haarfarbe(4), "Spieler: Aussehen");
    }
    s.RandBartHaarTyp();
}

std::unique_ptr<CSpieler> Builder::NeuerSpieler(int nation, int position, int alter, int staerke) {
    AppState& app = App();
    const int herkunft = HerkunftVonNation(nation);
    // Construct under the player's own country, so that his looks fit it.
    const int aktuell = app.AktuellesLand;
    if (herkunft >= 0 && herkunft < kFesteLaender) app.AktuellesLand = herkunft;
    auto s = std::make_unique<CSpieler>();
    app.AktuellesLand = aktuell;
    if (nation == 8 || nation == 101 || (nation == 51 && Chance(5))) {
        // Brazilian players tend to play under a nickname.
        const auto [vor, nach] = Person(herkunft);
        Need(s->Vorname(vor) && s->Nachname(nach), "Spieler: Name");
        if (Chance(50)) Need(s->Kuenstlername(vor.size() > 4 ? vor.substr(0, 4) + "inho" : vor + "zinho"), "Kuenstlername");
    } else {
        const auto [vor, nach] = Person(herkunft);
        Need(s->Vorname(vor) && s->Nachname(nach), "Spieler: Name " + vor + " " + nach);
    }
    Need(s->NationNumber(nation), "Spieler: Nation");
    Aussehen(*s, herkunft);

    const int monat = Zwischen(1, 12);
    const int jahr = kDemoStartYear - alter - (monat > 6 ? 1 : 0);
    Need(s->GeburtsDatum(Zwischen(1, 28), monat, jahr), "Spieler: GeburtsDatum");
    Need(s->StoredAlter() == alter, "Spieler: Alter");
    Need(s->Staerke(staerke), "Spieler: Staerke");
    Need(s->Talent(TalentAus(staerke, alter)), "Spieler: Talent");
    Need(s->Hauptposition(position), "Spieler: Hauptposition");
    if (position != 1) {
        const auto& nachbarn = Nachbarpositionen(position);
        if (Chance(60)) Need(s->Nebenposition1(nachbarn[size_t(R(int(nachbarn.size())))]), "Nebenposition1");
        if (s->Nebenposition1() != 0 && Chance(30)) {
            const int zweite = nachbarn[size_t(R(int(nachbarn.size())))];
            if (zweite != s->Nebenposition1()) Need(s->Nebenposition2(zweite), "Nebenposition2");
        }
    }
    const bool links = position == 4 || position == 7;
    Need(s->Fuss(Chance(6) ? 3 : (Chance(links ? 75 : 20) ? 2 : 1)), "Spieler: Fuss");

    // Strengths and weaknesses that fit the position and the player's class.
    const auto& passend = PassendeFaehigkeiten(position);
    const int maxFaehigkeit = position == 1 ? 9 : 16;
    const int plus = staerke >= 10 ? Zwischen(2, 4) : staerke >= 7 ? Zwischen(1, 3) : R(3);
    const int minus = staerke <= 5 ? Zwischen(1, 3) : R(3);
    for (int i = 0; i < plus; ++i) Need(s->Faehigkeit(passend[size_t(R(int(passend.size())))], 1), "Faehigkeit");
    for (int i = 0; i < minus; ++i) {
        const int f = Zwischen(1, maxFaehigkeit);
        if (s->Faehigkeit(f) == 0) Need(s->Faehigkeit(f, -1), "Faehigkeit");
    }
    // A few properties and traits; contradicting ones are left out.
    for (int i = R(3); i > 0; --i) {
        const int e = Zwischen(1, 16);
        const int gegen = e == 2 ? 3 : e == 3 ? 2 : e == 4 ? 5 : e == 5 ? 4 : 0;
        if (gegen == 0 || !s->Eigenschaft(gegen)) Need(s->Eigenschaft(e, 1), "Eigenschaft");
    }
    for (int i = R(3); i > 0; --i) {
        const int c = Zwischen(1, 16);
        const int gegen = c == 4 ? 5 : c == 5 ? 4 : 0;
        if (gegen == 0 || !s->Charakter(gegen)) Need(s->Charakter(c, 1), "Charakter");
    }
    Need(s->Nationalitaet2(-1, nationenNamen_), "Nationalitaet2");
    if (Chance(3)) {
        const int zweite = AuslaendischeNation(std::max(0, NationNr(nation)));
        if (zweite != nation) Need(s->Nationalitaet2(zweite, nationenNamen_), "Nationalitaet2");
    }
    return s;
}

void Builder::Rueckennummern(CVerein::Kader& kader) {
    // Strongest first within each position; each takes a preferred number of
    // its position, everybody else the lowest free number from 12 on.
    std::vector<CSpieler*> folge;
    for (auto& s : kader) folge.push_back(s.get());
    std::stable_sort(folge.begin(), folge.end(), [](const CSpieler* a, const CSpieler* b) {
        if (a->Hauptposition() != b->Hauptposition()) return a->Hauptposition() < b->Hauptposition();
        return a->Staerke() > b->Staerke();
    });
    std::array<bool, 100> belegt{};
    std::vector<CSpieler*> ohne;
    for (CSpieler* s : folge) {
        bool vergeben = false;
        for (int nr : kWunschNummern[s->Hauptposition() - 1]) {
            if (belegt[size_t(nr)]) continue;
            Need(s->RueckenNummer(nr), "RueckenNummer");
            belegt[size_t(nr)] = vergeben = true;
            break;
        }
        if (!vergeben) ohne.push_back(s);
    }
    for (CSpieler* s : ohne) {
        int nr = 12 + R(8);
        while (belegt[size_t(nr)]) nr = nr == 99 ? 1 : nr + 1;
        Need(s->RueckenNummer(nr), "RueckenNummer");
        belegt[size_t(nr)] = true;
    }
}

void Builder::BaueKader(CVerein& v, int land, double niveau, int ligaStufe) {
    // Positions of a squad of 20, then what larger squads add (a third keeper from 24 players on).
    static constexpr int kGrundstock[20] = {1, 1, 2, 3, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 9, 9, 10, 10, 10};
    static constexpr int kZusatz[8] = {10, 3, 8, 1, 6, 9, 5, 4};
    const int groesse = ligaStufe == 0 ? Zwischen(23, 28) : ligaStufe == 1 ? Zwischen(21, 26) : Zwischen(20, 24);
    std::vector<int> positionen(std::begin(kGrundstock), std::end(kGrundstock));
    for (int i = 20; i < groesse; ++i) positionen.push_back(kZusatz[i - 20]);

    const int heimat = Nation(land);
    // Foreigners: more in strong leagues.
    const int auslaenderQuote = land < kHauptlaender ? std::clamp(int(niveau * 3) - 6, 3, 24) : 6;
    CVerein::Kader kader;
    const int n = int(positionen.size());
    // Quality ranks spread the strengths over the squad.
    std::vector<int> raenge(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) raenge[size_t(i)] = i;
    for (int i = n - 1; i > 0; --i) std::swap(raenge[size_t(i)], raenge[size_t(R(i + 1))]);
    for (int i = 0; i < n; ++i) {
        const int position = positionen[size_t(i)];
        int alter = 18 + R(8) + R(8);
        if (Chance(8)) alter = Zwischen(17, 19);
        if (position == 1 && Chance(30)) alter += 3;
        if (Chance(4)) alter += Zwischen(2, 4);  // a few veterans
        alter = std::min(alter, 37);
        double s = niveau + 1.2 - 2.6 * raenge[size_t(i)] / double(n - 1) + Streuung(0.6);
        if (alter <= 19) s -= 1.0;
        if (alter >= 33) s -= 0.5;
        const int staerke = std::clamp(int(std::lround(s)), 1, 12);
        const int nation = Chance(auslaenderQuote) ? AuslaendischeNation(land) : heimat;
        kader.push_back(NeuerSpieler(nation, position, alter, staerke));
    }
    Rueckennummern(kader);
    Need(v.SpielerListe(std::move(kader)), "Verein: SpielerListe");
}

void Builder::BaueTrainer(CTrainerUndCo& t, int herkunft, int kompetenz) {
    const auto [vor, nach] = Person(herkunft);
    Need(t.Vorname(vor) && t.Nachname(nach), "Trainer: Name");
    Need(t.Kompetenz(kompetenz), "Trainer: Kompetenz");
    Need(t.Ruf(R(6)), "Trainer: Ruf");
}

void Builder::BaueManager(CManager& m, int herkunft, int kompetenz) {
    const auto [vor, nach] = Person(herkunft);
    Need(m.Vorname(vor) && m.Nachname(nach), "Manager: Name");
    Need(m.Kompetenz(kompetenz), "Manager: Kompetenz");
}

void Builder::BaueSponsor(CSponsor& s, int land) {
    std::string name = namen_.Company(land);
    Need(s.Name(name), "Sponsor: Name");
    Need(s.BandenVorlage(R(CSponsor::kBandenVorlagen)), "Sponsor: BandenVorlage");
    Need(s.Unternehmensgroesse(R(3)), "Sponsor: Unternehmensgroesse");
    // Text and background from the 16 board colours, far enough apart in
    // brightness to be read.
    const auto& farben = SponsorPaletteSlots();
    auto hell = [&farben](int i) {
        const BmpColour& c = farben[size_t(i)].colour;
        return (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
    };
    const int hinten = R(int(farben.size()));
    int text = hinten;
    for (int versuch = 0; versuch < 50 && std::abs(hell(text) - hell(hinten)) < 100; ++versuch)
        text = R(int(farben.size()));
    if (std::abs(hell(text) - hell(hinten)) < 100) text = hell(hinten) > 128 ? 0 : int(farben.size()) - 1;
    Need(s.HintergrundFarbe(farben[size_t(hinten)].index), "Sponsor: HintergrundFarbe");
    Need(s.TextFarbe(farben[size_t(text)].index), "Sponsor: TextFarbe");
    // A font as the font dialog describes it, sized so that the name fits the board.
    static constexpr struct {
        const char* face;
        uint8_t pitchAndFamily;
    } kSchriften[] = {{"Arial", 34}, {"Times New Roman", 18}, {"Courier New", 49}};
    const auto& schrift = kSchriften[size_t(R(3))];
    SponsorFont f;
    f.height = name.size() <= 10 ? -22 : name.size() <= 16 ? -18 : name.size() <= 22 ? -15 : -13;
    if (schrift.pitchAndFamily == 49 && name.size() > 14) f.height = -12;
    f.weight = Chance(60) ? 700 : 400;
    f.italic = Chance(20) ? 1 : 0;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 1;
    f.pitchAndFamily = schrift.pitchAndFamily;
    f.faceName = schrift.face;
    Need(s.Font(f), "Sponsor: Font");
}

void Builder::BauePools(CLand& l, int land) {
    const CountryCounts anzahl = App().countryCounts[size_t(land)];
    const int vereine = int(l.VereinsListe().size());

    // Youth players: at most one in ten is bound to a club.
    int gebunden = 0;
    for (int i = 0; i < anzahl.youthPlayers; ++i) {
        auto j = std::make_unique<CAmateurJugendSpieler>();
        const auto [vor, nach] = Person(land);
        Need(j->Vorname(vor) && j->Nachname(nach), "Jugendspieler: Name");
        const bool mitVerein = vereine > 0 && Chance(8) && (gebunden + 1) * 10 <= anzahl.youthPlayers;
        gebunden += mitVerein ? 1 : 0;
        Need(j->VereinNr(mitVerein ? Zwischen(1, vereine) : 0), "Jugendspieler: VereinNr");
        Need(j->Position(R(10)), "Jugendspieler: Position");
        l.YouthPlayers().push_back(std::move(j));
    }
    // Coaches and managers evenly weak (below 6), middling (6..10) and strong (above 10).
    auto kompetenz = [this](int i) { return i % 3 == 0 ? Zwischen(1, 5) : i % 3 == 1 ? Zwischen(6, 10) : Zwischen(11, 15); };
    for (int i = 0; i < anzahl.coaches; ++i) {
        auto t = std::make_unique<CTrainerUndCo>();
        BaueTrainer(*t, land, kompetenz(i));
        l.Coaches().push_back(std::move(t));
    }
    for (int i = 0; i < anzahl.goalkeeperCoaches; ++i) {
        auto t = std::make_unique<CTWTrainer>();
        const auto [vor, nach] = Person(land);
        Need(t->Vorname(vor) && t->Nachname(nach), "Torwarttrainer: Name");
        Need(t->Kompetenz(kompetenz(i)), "Torwarttrainer: Kompetenz");
        l.GoalkeeperCoaches().push_back(std::move(t));
    }
    for (int i = 0; i < anzahl.managers; ++i) {
        auto m = std::make_unique<CManager>();
        BaueManager(*m, land, kompetenz(i));
        l.Managers().push_back(std::move(m));
    }
    // Referees: the editor keeps surnames to 15 and first names to 9 characters.
    for (int i = 0; i < anzahl.referees; ++i) {
        auto s = std::make_unique<CNSchiri>();
        const auto [vor, nach] = Person(land, 9, 15);
        Need(s->Vorname(vor) && s->Nachname(nach), "Schiri: Name");
        Need(s->Kompetenz(Zwischen(2, 10)), "Schiri: Kompetenz");
        Need(s->Haerte(R(11)), "Schiri: Haerte");
        Need(s->SchiriVerein(vereine > 0 && Chance(40) ? Zwischen(1, vereine) : 0), "Schiri: SchiriVerein");
        int eigenschaften = 0;
        if (Chance(15)) eigenschaften |= Chance(50) ? SchiriHeim : SchiriGast;
        if (Chance(20)) eigenschaften |= SchiriHasstMeckern;
        if (Chance(15)) eigenschaften |= SchiriHasstZeitspiel;
        if (Chance(10)) eigenschaften |= SchiriHasstCoaching;
        Need(s->SchiriEigenschaften(eigenschaften), "Schiri: Eigenschaften");
        l.Referees().push_back(std::move(s));
    }
    for (int i = 0; i < anzahl.sponsors; ++i) {
        auto s = std::make_unique<CSponsor>();
        BaueSponsor(*s, land);
        l.Sponsors().push_back(std::move(s));
    }
    for (int i = 0; i < anzahl.celebrities; ++i) {
        auto p = std::make_unique<CPromi>();
        const auto [vor, nach] = Person(land);
        Need(p->Vorname(vor) && p->Nachname(nach), "Promi: Name");
        Need(p->Lieblingsverein(vereine > 0 && Chance(70) ? Zwischen(1, vereine) : 0), "Promi: Lieblingsverein");
        l.Celebrities().push_back(std::move(p));
    }
    for (int i = 0; i < anzahl.reporters; ++i) {
        auto r = std::make_unique<CReporter>();
        const auto [vor, nach] = Person(land);
        Need(r->Vorname(vor) && r->Nachname(nach), "Reporter: Name");
        Need(r->Sender(namen_.Broadcaster(land)), "Reporter: Sender");
        Need(r->Einstellung(Zwischen(2, 8)), "Reporter: Einstellung");
        l.Reporters().push_back(std::move(r));
    }
    for (int i = 0; i < anzahl.critics; ++i) {
        auto k = std::make_unique<CKritiker>();
        const auto [vor, nach] = Person(land);
        Need(k->Vorname(vor) && k->Nachname(nach), "Kritiker: Name");
        l.Critics().push_back(std::move(k));
    }
}

// ------------------------------------------------------------------ players across countries

void Builder::BaueNationalteams() {
    for (auto& land : Daten().AlleLaender) {
        App().AktuellesLand = land->CountryIndex();
        Need(land->CreateNationalTeam(), "Land: CreateNationalTeam");
        const int nation = Nation(land->CountryIndex());
        for (auto& verein : land->VereinsListe())
            for (auto& s : verein->SpielerListe()) {
                if (s->NationNumber() != nation) continue;
                if (s->NationalSpieler() & CSpieler::kImNationalkader) {
                    Need(s->NationalSpieler(s->NationalSpieler() | CSpieler::kNationalspieler), "NationalSpieler");
                } else if (s->StoredAlter() >= 31 && s->Staerke() >= 9 && Chance(30)) {
                    Need(s->NationalSpieler(CSpieler::kNationalZurueckgetreten), "NationalSpieler");
                } else if (s->Staerke() >= 10 && Chance(25)) {
                    Need(s->NationalSpieler(CSpieler::kNationalspieler), "NationalSpieler");
                }
            }
    }
}

void Builder::BaueBesteSpieler() {
    // The world's best: the strongest holder of each ability among the field
    // players, the strongest of each position; a player holds one title of each kind.
    auto alleSpieler = [](auto&& f) {
        for (auto& land : Daten().AlleLaender)
            for (auto& verein : land->VereinsListe())
                for (auto& s : verein->SpielerListe()) f(*s);
    };
    for (int faehigkeit = 1; faehigkeit <= 16; ++faehigkeit) {
        int beste = 0;
        std::vector<CSpieler*> kandidaten;
        alleSpieler([&](CSpieler& s) {
            if (s.Hauptposition() == 1 || s.Faehigkeit(faehigkeit) != 1 || s.BesterSpieler() != 0) return;
            if (s.Staerke() > beste) {
                beste = s.Staerke();
                kandidaten.clear();
            }
            if (s.Staerke() == beste) kandidaten.push_back(&s);
        });
        if (!kandidaten.empty())
            Need(kandidaten[size_t(R(int(kandidaten.size())))]->BesterSpieler(faehigkeit), "BesterSpieler");
    }
    for (int position = 1; position <= 10; ++position) {
        int beste = 0;
        std::vector<CSpieler*> kandidaten;
        alleSpieler([&](CSpieler& s) {
            if (s.Hauptposition() != position) return;
            if (s.Staerke() > beste) {
                beste = s.Staerke();
                kandidaten.clear();
            }
            if (s.Staerke() == beste) kandidaten.push_back(&s);
        });
        if (!kandidaten.empty())
            Need(kandidaten[size_t(R(int(kandidaten.size())))]->BesterHauptposition(position), "BesterHauptposition");
    }
}

std::vector<int> Builder::ErsteLiga(int land) const {
    const CLand& l = *Daten().AlleLaender[size_t(land)];
    const CLiga& liga = *l.Ligen().front();
    std::vector<int> nummern;
    for (int i = 0; i < liga.Size(); ++i) nummern.push_back(liga.ClubNumber(i));
    return nummern;
}

// ------------------------------------------------------------------ global records

void Builder::BaueKleinigkeiten() {
    auto& k = Daten().kleinigkeiten;
    k = std::make_unique<CKleinigkeiten>();
    Need(k->Saisonstartjahr(kDemoStartYear), "Kleinigkeiten: Saisonstartjahr");
    Need(k->TaxRate(16), "Kleinigkeiten: TaxRate");
    Need(k->FriendlySubstitutions(5), "Kleinigkeiten: FriendlySubstitutions");
    const auto [vor, nach] = Person(10);
    Need(k->Vorname(vor) && k->Nachname(nach), "Kleinigkeiten: Praesident");
    CDatum geburt;
    Need(geburt.Init(Zwischen(1, 28), Zwischen(1, 12), kDemoStartYear - Zwischen(55, 68), 0, 0, 0) >= 0, "Datum");
    Need(k->GeburtsDatum(geburt), "Kleinigkeiten: GeburtsDatum");
    Need(k->CompetitionName(0, "Europa-Meisterliga"), "Kleinigkeiten: Wettbewerb");
    Need(k->CompetitionName(1, "Europa-Verbandspokal"), "Kleinigkeiten: Wettbewerb");
}

void Builder::BaueUEFA() {
    auto& u = Daten().uefa;
    u = std::make_unique<CUEFA>();
    // The ranking, strongest countries first, with season points that fit it.
    std::vector<int> laender(kFesteLaender);
    for (int i = 0; i < kFesteLaender; ++i) laender[size_t(i)] = i;
    std::vector<double> wert(kFesteLaender);
    for (int i = 0; i < kFesteLaender; ++i) wert[size_t(i)] = Spielstaerke(i) + Streuung(0.3);
    std::stable_sort(laender.begin(), laender.end(), [&](int a, int b) { return wert[size_t(a)] > wert[size_t(b)]; });
    for (int platz = 0; platz < CUEFA::kPlaetze; ++platz) {
        Need(u->Nation(platz, Nation(laender[size_t(platz)])), "UEFA: Nation");
        const double basis = 14.0 - platz * 0.34;
        for (int saison = 0; saison < CUEFA::kSaisons; ++saison)
            Need(u->Points(platz, saison, std::clamp(int(std::lround(basis + Streuung(3.0))), 0, 99)), "UEFA: Points");
    }
    // Last season's cup winners (nation and club) and the clubs whose grounds
    // host the first season's finals: clubs of the first leagues, all different.
    const std::array<std::pair<int, int>, 3> sieger = {{{4, ErsteLiga(4)[0]}, {3, ErsteLiga(3)[2]}, {0, ErsteLiga(0)[3]}}};
    const std::array<std::pair<int, int>, 3> finale = {{{6, ErsteLiga(6)[1]}, {2, ErsteLiga(2)[0]}, {1, ErsteLiga(1)[4]}}};
    for (int i = 0; i < 3; ++i) {
        Need(u->SecondBlock(i, 0, Nation(sieger[size_t(i)].first)) && u->SecondBlock(i, 1, sieger[size_t(i)].second),
             "UEFA: SecondBlock");
        Need(u->FirstBlock(i, 0, Nation(finale[size_t(i)].first)) && u->FirstBlock(i, 1, finale[size_t(i)].second),
             "UEFA: FirstBlock");
    }
    for (int i = 0; i < CUEFA::kKurznamen; ++i) {
        const std::string kurz = i < kFesteLaender ? kNationen[size_t(Nation(i))].kuerzel : "BON";
        Need(u->ShortName(i, kurz), "UEFA: ShortName");
    }
}

void Builder::BaueTurniere() {
    auto& d = Daten();
    // Hosts of the next 50 tournaments, every second year from the first after
    // the start year (1 European championship, 2 world championship).
    static constexpr int kGastgeber[20] = {6, 13, 14, 16, 20, 23, 24, 28, 47, 51, 53, 54, 57, 63, 67, 4, 8, 30, 41, 71};
    int em = 0, wm = 15;
    const int r = kDemoStartYear % 4;
    const int erstes = r <= 1 ? kDemoStartYear - r + 2 : kDemoStartYear - r + 4;
    for (int i = 0; i < 50; ++i) {
        const int jahr = erstes + 2 * i;
        const bool europa = jahr % 4 == 0;
        int gastgeber;
        if (jahr == 2000) gastgeber = 24;
        else if (jahr == 2002) gastgeber = 30;
        else if (europa) gastgeber = kGastgeber[em++ % 15];
        else gastgeber = kGastgeber[wm++ % 20];
        d.EMWMListe.push_back(std::make_unique<CEuroWM>(jahr, europa ? 1 : 2, gastgeber));
    }

    // Group draws: one team of each pot per group, pots shuffled by the seed.
    auto ziehe = [this](std::vector<std::vector<int>> toepfe, int gruppen, Liste<CTurnierGruppe>& liste) {
        for (size_t t = 1; t < toepfe.size(); ++t)
            for (int i = int(toepfe[t].size()) - 1; i > 0; --i) std::swap(toepfe[t][size_t(i)], toepfe[t][size_t(R(i + 1))]);
        for (int g = 0; g < gruppen; ++g) {
            auto gruppe = std::make_unique<CTurnierGruppe>(4, g);
            for (int p = 0; p < 4; ++p)
                Need(gruppe->SetTeilnehmer(p, toepfe[size_t(p)][size_t(g)], 0, lookup_), "Turniergruppe: Teilnehmer");
            liste.push_back(std::move(gruppe));
        }
    };
    ziehe({{24, 14, 20, 28}, {63, 16, 51, 13}, {67, 58, 6, 54}, {34, 65, 53, 46}}, 4, d.EMGruppenListe);
    ziehe({{30, 8, 20, 14, 28, 63, 4, 72},
           {16, 24, 51, 67, 58, 13, 6, 34},
           {41, 71, 44, 31, 56, 91, 64, 70},
           {54, 50, 25, 62, 48, 11, 12, 5}},
          8, d.WMGruppenListe);
}

void Builder::BaueChampionsLeague() {
    // The best clubs of the first leagues; clubs of one country go into different groups.
    static constexpr std::array<std::pair<int, int>, 11> kPlaetze = {
        {{0, 3}, {1, 3}, {3, 3}, {4, 3}, {2, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 1}, {9, 1}, {10, 1}}};
    static constexpr int kWeitere[9] = {11, 12, 15, 16, 14, 24, 33, 36, 13};
    std::vector<std::pair<int, int>> teilnehmer;  // nation, club number
    for (const auto& [land, anzahl] : kPlaetze) {
        const auto liga = ErsteLiga(land);
        for (int i = 0; i < anzahl; ++i) teilnehmer.emplace_back(Nation(land), liga[size_t(i)]);
    }
    for (int land : kWeitere) teilnehmer.emplace_back(Nation(land), 1);
    for (int g = 0; g < 8; ++g) {
        auto gruppe = std::make_unique<CChampionsLeagueGruppe>(g);
        for (int p = 0; p < 4; ++p) {
            const auto [nation, verein] = teilnehmer[size_t(p * 8 + g)];
            Need(gruppe->SetTeilnehmer(p, nation, verein, lookup_), "CL-Gruppe: Teilnehmer");
        }
        Daten().CLeagueListe.push_back(std::move(gruppe));
    }
}

void Builder::BaueInternationales() {
    auto& d = Daten();
    // Clubs of the other continents, named in their nation's language.
    static constexpr int kNationen40[] = {8, 8, 8, 8, 8, 4, 4, 4, 4, 70, 70, 48, 10, 33, 49, 15, 41, 41, 41, 71,
                                         71, 32, 12, 29, 44, 44, 22, 31, 40, 98, 60, 64, 66, 30, 30, 72, 72, 56, 5, 43};
    for (int nation : kNationen40) {
        auto v = std::make_unique<CIVerein>();
        // Clubs of regions without name tables of their own take English or French names.
        int herkunft = HerkunftVonNation(nation);
        if (herkunft == kHerkunftAfrika || herkunft == kHerkunftArabien) herkunft = 2;
        if (herkunft == kHerkunftAsien || herkunft > kBonusLandIndex) herkunft = 1;
        ClubName c = NeuerVerein(herkunft);
        Need(v->Name(c.name), "IVerein: Name");
        // The club's one number names its nation: the editor groups the list by it.
        v->Kennzahl(nation);
        d.IVereineListe.push_back(std::move(v));
    }
    // International referees of many nations.
    static constexpr int kSchiriNationen[40] = {14, 16, 20, 28, 63, 51, 24, 67, 47, 57, 59, 6,  54, 53,
                                                23, 13, 58, 50, 9,  69, 19, 27, 46, 34, 65, 61, 62, 68,
                                                8,  4,  70, 41, 71, 30, 40, 44, 56, 12, 25, 73};
    for (int nation : kSchiriNationen) {
        auto s = std::make_unique<CISchiri>();
        const auto [vor, nach] = Person(HerkunftVonNation(nation), 9, 15);
        Need(s->Vorname(vor) && s->Nachname(nach), "ISchiri: Name");
        Need(s->Nation(nation), "ISchiri: Nation");
        Need(s->Kompetenz(Zwischen(5, 10)), "ISchiri: Kompetenz");
        Need(s->Haerte(R(11)), "ISchiri: Haerte");
        Need(s->SchiriEigenschaften(Chance(20) ? SchiriHasstMeckern : 0), "ISchiri: Eigenschaften");
        d.ISchiriListe.push_back(std::move(s));
    }
    // Kit suppliers.
    std::set<std::string> marken;
    for (int i = 0; i < 8; ++i) {
        std::string name;
        for (int versuch = 0; versuch < 20; ++versuch) {
            name = namen_.KitSupplier();
            if (!marken.count(name)) break;
        }
        marken.insert(name);
        auto a = std::make_unique<CAusruester>();
        Need(a->Name(name), "Ausruester: Name");
        d.AusruesterListe.push_back(std::move(a));
    }
}

void Builder::BaueJugendPools() {
    // Pools 1..17; pool 18 stays empty (it is written but never read back).
    for (int n = 1; n <= 17; ++n) {
        auto& pool = Daten().JugendPools[size_t(n - 1)];
        for (int i = 0; i < JugendAnzahl(n); ++i) {
            auto j = std::make_unique<CAmateurJugendSpieler>();
            const int herkunft = kPoolHerkunft[size_t(n - 1)][size_t(R(4))];
            const auto [vor, nach] = Person(herkunft);
            Need(j->Vorname(vor) && j->Nachname(nach), "Poolspieler: Name");
            Need(j->Position(R(10)), "Poolspieler: Position");
            pool.push_back(std::move(j));
        }
    }
}

void Builder::BaueFangesaenge() {
    auto& d = Daten();
    // Texts with the placeholders the simulation fills in: XYZ/XYZ2 short
    // names, BEZ/BEZ2 the fans, ANF the cheer, TRAINER, SPIELER.
    struct Gesang {
        const char* text;
        int art;
        bool spieler;
    };
    static constexpr Gesang kGesaenge[] = {
        {"Auf geht's XYZ, kämpfen und siegen!", ArtAnfeuerung, false},
        {"ANF! ANF! ANF!", ArtAnfeuerung, false},
        {"Wir sind die BEZ und wir sind immer da!", ArtAnfeuerung, false},
        {"XYZ vor, noch ein Tor!", ArtAnfeuerung, false},
        {"Steht auf, wenn ihr XYZ seid!", ArtAnfeuerung, false},
        {"Hier regiert der XYZ!", ArtAnfeuerung, false},
        {"Kämpfen, XYZ, kämpfen!", ArtAnfeuerung, false},
        {"Tor, Tor, Tor für XYZ!", ArtJubel, false},
        {"So ein Tag, so wunderschön wie heute!", ArtJubel, false},
        {"SPIELER, SPIELER, du bist der beste Mann!", ArtJubel, true},
        {"Oh, wie ist das schön!", ArtJubel, false},
        {"SPIELER schießt uns zur Meisterschaft!", ArtJubel, true},
        {"SPIELER, du Flasche!", ArtSpott, true},
        {"Schiri, wir wissen, wo dein Auto steht!", ArtSpott, false},
        {"Wer nicht hüpft, der ist ein XYZ2!", ArtSpott, false},
        {"SPIELER, geh nach Hause!", ArtSpott, true},
        {"Ihr seid nur ein Karnevalsverein!", ArtSpott, false},
        {"Ohne XYZ2 fahr'n wir zur Meisterschaft!", ArtGegenGegner, false},
        {"Die BEZ2 sind leise!", ArtGegenGegner, false},
        {"Zweite Liga, XYZ2 ist dabei!", ArtGegenGegner, false},
        {"Ihr seid nur ein Fanclub der BEZ!", ArtGegenGegner, false},
        {"TRAINER, TRAINER, wir danken dir!", ArtAllgemein, false},
        {"Wir haben die besten Fans der Welt!", ArtAllgemein, false},
        {"Hey, hey, hey, XYZ olé!", ArtAllgemein, false},
        {"Einer geht noch, einer geht noch rein!", ArtAllgemein, false},
    };
    for (int land = 0; land < kHauptlaender; ++land) {
        CLand& l = *d.AlleLaender[size_t(land)];
        const int vereine = int(l.VereinsListe().size());
        for (int k = 0; k < 8; ++k) {
            const Gesang& g = kGesaenge[size_t(R(int(std::size(kGesaenge))))];
            auto c = std::make_unique<CFangesang>();
            Need(c->Text(Cp(g.text)), "Fangesang: Text");
            Need(c->Land(Nation(land)), "Fangesang: Land");
            const int verein = Chance(60) ? Zwischen(1, vereine) : -1;
            Need(c->Verein(verein), "Fangesang: Verein");
            const int rivale = verein > 0 ? Verein(land, verein).ErzRivale() : 0;
            Need(c->Gegner(g.art == ArtGegenGegner && rivale > 0 ? rivale : -1), "Fangesang: Gegner");
            Need(c->Art(g.art), "Fangesang: Art");
            Need(c->Haeufigkeit(R(3)), "Fangesang: Haeufigkeit");
            if (g.spieler) {
                const int nr = verein > 0 ? verein : Zwischen(1, vereine);
                const auto& kader = Verein(land, nr).SpielerListe();
                Need(c->SpielerName(kader[size_t(R(int(kader.size())))]->Nachname()), "Fangesang: SpielerName");
                if (verein < 0) Need(c->Verein(nr), "Fangesang: Verein");
            }
            d.FangesangListe.push_back(std::move(c));
        }
    }
    // Own chants: one for each sound file, sung for one main country.
    int land = 0;
    for (const std::string& datei : assets_.fanChants) {
        auto c = std::make_unique<CEigenerFangesang>();
        Need(c->Text(datei), "EigenerFangesang: Text");
        Need(c->Land(Nation(land)), "EigenerFangesang: Land");
        const int vereine = int(d.AlleLaender[size_t(land)]->VereinsListe().size());
        Need(c->Verein(Chance(50) ? Zwischen(1, vereine) : -1), "EigenerFangesang: Verein");
        Need(c->Gegner(-1), "EigenerFangesang: Gegner");
        Need(c->Art(Chance(70) ? ArtAnfeuerung : ArtJubel), "EigenerFangesang: Art");
        Need(c->Haeufigkeit(R(3)), "EigenerFangesang: Haeufigkeit");
        d.EigeneFangesangListe.push_back(std::move(c));
        land = (land + 1) % kHauptlaender;
    }
}

void Builder::BaueAnsprachen() {
    for (const DemoTalkFile& datei : assets_.talks) {
        auto a = std::make_unique<CHalbzeitAnsprache>();
        Need(a->AnsprachenFileName(datei.name), "HalbzeitAnsprache: Datei " + datei.name);
        Need(a->AnsprachenTyp(datei.type), "HalbzeitAnsprache: Typ");
        Daten().HalbzeitListe.push_back(std::move(a));
    }
}

void Builder::BaueSpielerlisten() {
    auto& d = Daten();
    // Former players of the main countries' clubs, at the end of their careers.
    for (int i = 0; i < 60; ++i) {
        const int land = R(kHauptlaender);
        App().AktuellesLand = land;
        const int vereine = int(d.AlleLaender[size_t(land)]->VereinsListe().size());
        const int nation = Chance(80) ? Nation(land) : AuslaendischeNation(land);
        auto s = NeuerSpieler(nation, Zwischen(1, 10), Zwischen(29, 36), Zwischen(3, 9));
        auto ex = std::make_unique<CExSpieler>();
        ex->CopyDataFrom(*s, Nation(land), Zwischen(1, vereine));
        d.ExSpielerListe.push_back(std::move(ex));
    }
    // Players without a club, from the other continents.
    static constexpr int kHerkunft[] = {8, 4, 70, 48, 33, 10, 41, 71, 44, 31, 22, 64, 98, 60, 40, 5, 30, 72};
    for (int i = 0; i < 30; ++i) {
        const int nation = kHerkunft[size_t(R(int(std::size(kHerkunft))))];
        d.SonstigeSpielerListe.push_back(NeuerSpieler(nation, Zwischen(1, 10), Zwischen(19, 31), Zwischen(5, 10)));
    }
}

void Builder::BaueQuiz() {
    auto& d = Daten();
    auto vom = [](const CVerein& v) {
        static constexpr const char* kVon[] = {"vom ", "von den ", "von ", "von der "};
        return std::string(kVon[std::clamp(v.SatzBau(), 0, 3)]) + v.Name();
    };
    auto derName = [](const CVerein& v) {
        static constexpr const char* kDer[] = {"der ", "die ", "", "die "};
        return std::string(kDer[std::clamp(v.SatzBau(), 0, 3)]) + v.Name();
    };
    // Four different answers, the right one first.
    auto frage = [&](const std::string& text, std::vector<std::string> antworten) {
        std::vector<std::string> eindeutig;
        for (auto& a : antworten)
            if (!a.empty() && std::find(eindeutig.begin(), eindeutig.end(), a) == eindeutig.end()) eindeutig.push_back(a);
        if (eindeutig.size() < 4) return;
        auto q = std::make_unique<CQuizFrage>();
        Need(q->Frage(text), "Quiz: Frage");
        for (int i = 0; i < 4; ++i) Need(q->Antwort(i, eindeutig[size_t(i)]), "Quiz: Antwort");
        d.QuizListe.push_back(std::move(q));
    };
    auto zahlen = [this](int richtig, int spanne, int min) {
        std::vector<std::string> a = {std::to_string(richtig)};
        while (a.size() < 8) a.push_back(std::to_string(std::max(min, richtig + Zwischen(-spanne, spanne))));
        return a;
    };
    for (int runde = 0; runde < 6; ++runde) {
        for (int land = 0; land < kHauptlaender; ++land) {
            CLand& l = *d.AlleLaender[size_t(land)];
            const auto liga = ErsteLiga(land);
            auto zufall = [&]() -> CVerein& { return Verein(land, liga[size_t(R(int(liga.size())))]); };
            const std::string landName = Cp1252ToUtf8(App().Laendername[size_t(land)]);
            CVerein& v = zufall();
            std::vector<std::string> a;
            switch ((runde + land) % 6) {
                case 0: {
                    const int jahr = v.GruendungsDatum().year;
                    frage(Cp("In welchem Jahr wurde ") + derName(v) + Cp(" gegründet?"), zahlen(jahr, 25, 1850));
                    break;
                }
                case 1:
                    a = {v.Stadion()->Name()};
                    for (int i = 0; i < 8; ++i) a.push_back(zufall().Stadion()->Name());
                    frage(Cp("Wie heißt das Stadion ") + vom(v) + "?", a);
                    break;
                case 2:
                    a = {v.TrainerVorname() + " " + v.Trainername()};
                    for (int i = 0; i < 8; ++i) a.push_back(zufall().TrainerVorname() + " " + zufall().Trainername());
                    frage("Wer trainiert " + derName(v) + "?", a);
                    break;
                case 3:
                    a = {l.PokalName()};
                    for (int i = 0; i < 8; ++i) a.push_back(namen_.Cup(R(kHauptlaender)));
                    frage(Cp("Wie heißt der nationale Pokalwettbewerb in " + landName + "?"), a);
                    break;
                case 4: {
                    CVerein& meister = Verein(land, liga[0]);
                    a = {meister.Name()};
                    for (int i = 0; i < 8; ++i) a.push_back(zufall().Name());
                    frage(Cp("Wer wurde in der letzten Saison Meister in " + landName + "?"), a);
                    break;
                }
                default:
                    a = {v.PraesidentVorname() + " " + v.Praesidentname()};
                    for (int i = 0; i < 8; ++i) a.push_back(zufall().PraesidentVorname() + " " + zufall().Praesidentname());
                    frage(Cp("Wer ist Präsident ") + vom(v) + "?", a);
                    break;
            }
        }
    }
    for (int land = 0; land < kHauptlaender; ++land) {
        std::vector<std::string> a = {d.AlleLaender[size_t(land)]->TrainerVorname() + " " +
                                      d.AlleLaender[size_t(land)]->TrainerNachname()};
        for (int i = 0; i < 8; ++i) {
            const CLand& anderes = *d.AlleLaender[size_t(R(kFesteLaender))];
            a.push_back(anderes.TrainerVorname() + " " + anderes.TrainerNachname());
        }
        frage("Wer ist Nationaltrainer von " + App().Laendername[size_t(land)] + "?", a);
    }
}

// ------------------------------------------------------------------ the whole build

bool Builder::Run(std::string* error) {
    AppState& app = App();
    Daten().SpeicherLoeschen();
    Daten().GeaenderteWappen.clear();
    Daten().GeaenderteBonusWappen.clear();
    ResetLaenderTabellen(app);
    app.BonusNation = app.BonusLandIndex = app.BonusQuellLand = -1;
    for (auto& groessen : app.leagueSizes) groessen.fill(0);

    // The season first: every record draws its birth dates against it.
    BaueKleinigkeiten();
    BaueNationen();
    for (int land = 0; land < kFesteLaender; ++land) BaueLand(land);
    BaueNationalteams();
    BaueBesteSpieler();
    BaueUEFA();
    BaueTurniere();
    BaueChampionsLeague();
    BaueInternationales();
    BaueJugendPools();
    BaueFangesaenge();
    BaueAnsprachen();
    BaueSpielerlisten();
    BaueQuiz();
    app.AktuellesLand = 0;

    if (fehler_.empty()) return true;
    if (error) *error = "Demo-Datensatz: Wert abgelehnt: " + Cp1252ToUtf8(fehler_);
    return false;
}

// Every regular file below dir, relative paths in sorted order.
std::vector<std::filesystem::path> Dateien(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> liste;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(dir, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec)) liste.push_back(std::filesystem::relative(it->path(), dir, ec));
    std::sort(liste.begin(), liste.end());
    return liste;
}

// Puts the state's values that the installation's write changes back when it ends.
class BandenScope {
public:
    BandenScope() : banden_(App().BandenSpeichern) { App().BandenSpeichern = true; }
    ~BandenScope() { App().BandenSpeichern = banden_; }
    BandenScope(const BandenScope&) = delete;
    BandenScope& operator=(const BandenScope&) = delete;

private:
    bool banden_;
};

}  // namespace

bool BuildDemoDataSet(uint32_t seed, const DemoAssetFiles& assets, std::string* error) {
    RandomScope random(seed);
    Builder builder(random.rng(), assets);
    return builder.Run(error);
}

bool WriteDemoInstallation(const std::filesystem::path& dir, uint32_t seed, std::string* error,
                           DemoInstallationSummary* summary) {
    auto fail = [error](const std::string& text) {
        if (error) *error = text;
        return false;
    };
    AppState& app = App();
    if (!CreateFolders(dir, error)) return false;
    app.installDir = dir;

    DemoAssetFiles assets;
    if (!WriteDemoAssets(dir, seed, assets, error)) return false;
    if (!BuildDemoDataSet(seed, assets, error)) return false;

    for (const char* ordner : {"DATA.V3/Wappen", "DATA.SAV", "DATA.VER"})
        if (!CreateFolders(dir / ordner, error)) return false;

    // A crest for every club, in the club's home colours.
    DemoInstallationSummary zahlen;
    for (const auto& land : Daten().AlleLaender) {
        ++zahlen.countries;
        const int index = land->CountryIndex();
        for (const auto& verein : land->VereinsListe()) {
            ++zahlen.clubs;
            zahlen.players += int(verein->SpielerListe().size());
            std::string initialen;
            std::string_view name = verein->Name();
            for (size_t at = 0; at < name.size() && initialen.size() < 3;) {
                size_t ende = name.find(' ', at);
                if (ende == std::string_view::npos) ende = name.size();
                const std::string_view wort = name.substr(at, ende - at);
                const bool abkuerzung = wort.size() <= 4 && std::all_of(wort.begin(), wort.end(), [](char c) {
                                            return (c >= 'A' && c <= 'Z') || c == '.';
                                        });
                if (abkuerzung) {
                    for (char c : wort)
                        if (c != '.' && initialen.size() < 3) initialen += c;
                } else if (!wort.empty() && !(wort[0] >= '0' && wort[0] <= '9')) {
                    initialen += wort[0];
                }
                at = ende + 1;
            }
            const TRIKOTSATZ& kit = verein->TrikotSatz(0);
            const int zweite = kit.Streifen != 0 ? kit.StreifenFarbe : kit.HosenFarbe;
            const uint32_t wappenSeed = seed * 7919u + uint32_t(index) * 1009u + uint32_t(verein->VereinsNummer());
            const std::string bild = MakeCrest(wappenSeed, kit.TrikotFarbe, zweite, initialen);
            const auto pfad = HostPath(WappenDatei(kDirDataV3, index, verein->VereinsNummer()));
            if (bild.empty() || !WriteWholeFile(pfad, bild, error)) return fail("Wappen nicht geschrieben: " + pfad.string());
        }
    }

    // The data set, written by the document's own save with the board pictures.
    {
        BandenScope banden;
        CEDITORDoc doc;
        if (!doc.SpeichernV3Localized()) return fail("Der Demo-Datensatz konnte nicht gespeichert werden.");
    }

    // The delivered copy: DATA.V3 as a whole.
    std::error_code ec;
    std::filesystem::remove_all(dir / "DATA.ORG", ec);
    std::filesystem::copy(dir / "DATA.V3", dir / "DATA.ORG", std::filesystem::copy_options::recursive, ec);
    if (ec) return fail("DATA.ORG: " + ec.message());
    // The predecessor game's data, drawn from the world just written.
    if (!WriteDemoPredecessor(dir, seed, error)) return false;

    zahlen.files = int(Dateien(dir).size());
    if (summary) *summary = zahlen;
    return true;
}

}  // namespace v3::demo
