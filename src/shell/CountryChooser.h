#pragma once
// What the country chooser (CLandAuswahlDlg) offers in each of its modes, what it
// says when OK is pressed without a choice, and what its choice does. The dialog
// shows these lines and hands the chosen value back.
#include <optional>
#include <string>
#include <vector>

namespace v3 {

class CVerein;

// The second table of the national-squad mode: nation numbers offered after the 37 countries.
inline constexpr int kWeitereNationen[25] = {1,  4,  5,  8,  10, 11, 12, 22, 31, 32, 33, 29, 30,
                                             40, 41, 43, 44, 48, 56, 64, 70, 71, 72, 91, 108};

// Number of the small picture that marks the nations of the second table.
inline constexpr int kMarkerBild = 818;

struct ChooserLine {
    std::string text;              // code page 1252, columns separated by tabs
    int value = -1;                // country position or nation number
    bool marker = false;           // drawn with the marker picture
    const CVerein* club = nullptr; // the club of a line in modes 8 and 9
};

struct ChooserModel {
    int mode = 0;
    int layout = 469;                   // dialog layout number
    std::string title;                  // window title (UTF-8)
    std::string frameText;              // text of the frame around the list
    std::string okText;                 // text of the OK button
    std::vector<int> tabStops;          // in dialog units
    std::vector<ChooserLine> lines;
    std::string noSelectionMessage;     // shown (caption "Achtung!") on OK without a line
};

// Builds the model of the chooser. Modes -1..7: the eleven league countries;
// 10 and 12: all 37 countries (12 as the printing chooser); 11: the 37 countries
// and the nations of the second table that have no country of their own;
// 8 and 9: the clubs of `clubs` except the two excluded ones.
ChooserModel BuildCountryChooser(int mode, const std::vector<const CVerein*>* clubs = nullptr,
                                 const CVerein* excluded1 = nullptr, const CVerein* excluded2 = nullptr);

// OK in the chooser with the given line selected (or none). Without a line the
// message is shown and the result is empty: the dialog stays open. Otherwise the
// line's value; every mode except 8, 9 and 11 also makes it AktuellesLand.
std::optional<int> AcceptCountryChoice(const ChooserModel& model, int selectedLine);

// The international player pools of the pool chooser, in its order.
inline constexpr const char* kSpielerpools[17] = {
    "Afrika",   "Arabien",  "Asien",   "Belgien",   "Bulgarien", "D\xC3\xA4nemark",
    "Finnland", "Griechenland", "Israel", "Norwegen", "Polen", "Rum\xC3\xA4nien",
    "Ru\xC3\x9Fland", "Schweden", "Sonstige Balkanstaaten", "Slowakei & Tschechien", "Ungarn"};

}  // namespace v3
