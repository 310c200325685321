#pragma once
// The rules of the player's property pages ("Daten 1", "Daten 2", "Positionen",
// "Fähigkeiten", "Eig. 1", "Eig. 2") and of the single pages "Trainer" and
// "Manager". Each page is filled from a record, keeps what the user changes
// (applying the coupling rules at once), and writes back into a record in a
// fixed order, returning false with its message shown through App().ui.
//
// A value read from a file outside a page's range is shown clamped (or
// cleared) and named in Repaired(); it is written back only when the user
// changes that field, so a page never alters what the user did not touch.
// Texts are code page 1252, as in the records.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace v3 {

class CSpieler;
class CVerein;
class CTrainerUndCo;
class CManager;

// Birth-year range of the spinners: players 14 to 45 years before the season
// start year, trainers and managers 20 to 80; widened to hold `year` when a
// record already has a year outside it.
struct YearRange {
    int low = 0, high = 0;
};
YearRange PlayerYearRange(int startYear, int year);
YearRange StaffYearRange(int startYear, int year);
// |year - start year|, one less when the birthday is after June.
int AgeFor(int startYear, int month, int year);
// Normalises a date as the calendar holds it (day clamped to the month's end,
// month to 1..12, day to 1..31).
void NormaliseDate(int& day, int& month, int& year);

// Shirt-number table of a squad: slot n names which player holds number n.
using ShirtNumberTable = std::array<const void*, 100>;
// The number the spinner shows after a click from `current` in `direction`
// (+1 or -1): the next number in 1..99 that nobody but `self` holds, wrapping
// from 99 to 1 and from 1 to 99; `current` when every number is held.
int NextFreeShirtNumber(const ShirtNumberTable& table, const void* self, int current, int direction);

// "Der %s des %ss ist zu kurz!"
std::string NameTooShortMessage(std::string_view field, std::string_view owner);

class PlayerData1Rules {
public:
    struct Context {
        bool shirtNumbers = false;               // mode 1: the squad's shirt numbers apply
        ShirtNumberTable* numbers = nullptr;     // the squad's table (mode 1)
        int squadSize = 0;
        double averageStrength = 0.0;
        CVerein* club = nullptr;                 // mode 1: takes the average as its strength
    };
    void SetContext(const Context& c) { context_ = c; }
    const Context& GetContext() const { return context_; }

    void Fill(const CSpieler& player);
    const std::vector<std::string>& Repaired() const { return repaired_; }

    // Typed names are cut to the page's limits.
    void SetNachname(const std::string& s);
    void SetVorname(const std::string& s);
    void SetKuenstlername(const std::string& s);
    static constexpr size_t kMaxNachname = 15, kMaxVorname = 12, kMaxKuenstlername = 24;
    static constexpr int kMaxStaerkePlusTalent = 13;

    void SetDate(int day, int month, int year);
    // Strength 1..12 and talent 1..5 with strength + talent <= 13: the one not
    // being changed gives way.
    void SetStaerke(int v);
    void SetTalent(int v);
    void SetFuss(int v);
    // One click of the shirt-number spinner.
    void StepShirtNumber(int direction);

    const std::string& Nachname() const { return nachname_; }
    const std::string& Vorname() const { return vorname_; }
    const std::string& Kuenstlername() const { return kuenstlername_; }
    int Day() const { return day_; }
    int Month() const { return month_; }
    int Year() const { return year_; }
    int Alter() const { return alter_; }
    int Staerke() const { return staerke_; }
    int Talent() const { return talent_; }
    int Fuss() const { return fuss_; }
    int RueckenNummer() const { return nummer_; }
    YearRange Years() const;
    // "%6.3f" of the squad's average strength.
    std::string AverageText() const;
    // True when the names differ from the filled ones and neither is empty:
    // the editor rewrites the list line.
    bool NamesChanged() const;

    // Writes back in the fixed order; false with the message shown.
    bool WriteBack(CSpieler& player);

private:
    Context context_;
    const void* self_ = nullptr;
    std::vector<std::string> repaired_;
    std::string nachname_, vorname_, kuenstlername_;
    std::string filledNachname_, filledVorname_;
    int day_ = 1, month_ = 1, year_ = 1970, alter_ = 0;
    int staerke_ = 1, talent_ = 3, fuss_ = 1, nummer_ = 1, konstanz_ = 0;
    // As filled (after clamping), to tell a user's change from a repair.
    int filledStaerke_ = 1, filledTalent_ = 3, filledFuss_ = 1, filledNummer_ = 1;
    bool badStaerke_ = false, badTalent_ = false, badFuss_ = false, badNummer_ = false, badKonstanz_ = false;
};

class PlayerData2Rules {
public:
    // nationNames: the document's nations in list order (position = nation number).
    void Fill(const CSpieler& player, const std::vector<std::string>& nationNames);
    const std::vector<std::string>& Repaired() const { return repaired_; }

    void SetNation(int n);
    void SetInlaender(bool on) { inlaender_ = on; }
    // 0 = "Keine".
    void SetNation2(int n);
    void SetNationalspieler(bool on);
    // Checking it clears the national-squad bit.
    void SetZurueckgetreten(bool on);
    void SetKapitaen(bool on) { kapitaen_ = on; }
    void SetHautfarbe(int v);
    void SetHaarfarbe(int v);
    void SetHaarTyp(int v);
    void SetBart(int bit, bool on);

    int Nation() const { return nation_; }
    bool Inlaender() const { return inlaender_; }
    int Nation2() const { return nation2_; }
    int NationalSpieler() const { return national_; }
    bool Nationalspieler() const { return (national_ & 1) != 0; }
    bool Zurueckgetreten() const { return (national_ & 2) != 0; }
    bool Kapitaen() const { return kapitaen_; }
    int Hautfarbe() const { return haut_; }
    int Haarfarbe() const { return haar_; }
    int HaarTyp() const { return haarTyp_; }
    int Bart() const { return bart_; }
    // While the player is in a national squad, "zurückgetreten" and the first
    // nationality are locked.
    bool NationLocked() const { return (national_ & 4) != 0; }
    // "Glatze" disables the hair type.
    bool HairTypeEnabled() const;
    // Offers of the second-nationality combo: 0 ("Keine"), then every nation
    // whose number is not 0.
    std::vector<int> Nation2Offers() const;

    bool WriteBack(CSpieler& player);

private:
    std::vector<std::string> names_;
    std::vector<std::string> repaired_;
    int nation_ = 0, nation2_ = 0, national_ = 0, haut_ = 0, haar_ = 0, haarTyp_ = 0, bart_ = 0;
    bool inlaender_ = false, kapitaen_ = false;
    int filledNation_ = 0, filledNation2_ = 0, filledNational_ = 0, filledHaut_ = 0, filledHaar_ = 0,
        filledHaarTyp_ = 0;
    bool badNation_ = false, badNation2_ = false, badNational_ = false, badHaut_ = false, badHaar_ = false,
         badHaarTyp_ = false;
};

class PlayerPositionsRules {
public:
    void Fill(const CSpieler& player);
    const std::vector<std::string>& Repaired() const { return repaired_; }

    void SetHauptposition(int p);
    // A click on the box of secondary position p (2..10).
    void ToggleNebenposition(int p);

    int Hauptposition() const { return haupt_; }
    bool IsKeeper() const { return haupt_ == 1; }
    // Checked secondary positions, the earliest checked first.
    const std::vector<int>& Nebenpositionen() const { return neben_; }
    bool Neben(int p) const;

    bool WriteBack(CSpieler& player);

private:
    std::vector<std::string> repaired_;
    int haupt_ = 6, filledHaupt_ = 6;
    bool badHaupt_ = false, badNeben_ = false;
    std::vector<int> neben_, filledNeben_;
};

class PlayerAbilitiesRules {
public:
    static constexpr int kMaxMarked = 3;
    // The column shown follows the player's main position.
    void Fill(const CSpieler& player);
    const std::vector<std::string>& Repaired() const { return repaired_; }
    bool Keeper() const { return keeper_; }
    int Count() const { return keeper_ ? 9 : 16; }

    // A click on the "+" (v = 1) or "¯" (v = -1) box of ability n of the
    // enabled column: marks it (the other box of n is cleared; a fourth mark
    // drops the earliest) or, when it was marked so, clears it.
    void Toggle(int n, int v);
    int Value(int n) const;
    // Marked abilities, the earliest first.
    const std::vector<int>& Marked() const { return order_; }

    bool WriteBack(CSpieler& player);

private:
    std::vector<std::string> repaired_;
    bool keeper_ = false;
    std::array<int, 17> value_{};
    std::vector<int> order_;
    bool changed_ = false, bad_ = false;
};

class PlayerTraitsRules {
public:
    static constexpr int kMaxPerGroup = 2;
    enum Group { Eigenschaften = 0, Charakter = 1 };
    void Fill(const CSpieler& player);
    const std::vector<std::string>& Repaired() const { return repaired_; }

    // A click on trait n of a group: unchecks it when checked; otherwise checks
    // it, unchecking its excluded partners and, over two, the earliest checked.
    void Toggle(Group g, int n);
    bool Checked(Group g, int n) const;
    // Keepers have only properties 1, 2, 3, 4, 5, 7 and 16.
    bool Enabled(Group g, int n) const;
    int Mask(Group g) const;
    bool Keeper() const { return keeper_; }

    bool WriteBack(CSpieler& player);

private:
    std::vector<std::string> repaired_;
    bool keeper_ = false;
    std::array<std::vector<int>, 2> order_;
    std::array<int, 2> filled_{}, raw_{};
};

class PlayerHealthRules {
public:
    void Fill(const CSpieler& player);
    const std::vector<std::string>& Repaired() const { return repaired_; }
    void SetVerletzung(int v);
    void SetPublikum(int v);
    int Verletzung() const { return verletzung_; }
    int Publikum() const { return publikum_; }
    bool WriteBack(CSpieler& player);

private:
    std::vector<std::string> repaired_;
    int verletzung_ = 1, publikum_ = 1, filledVerletzung_ = 1, filledPublikum_ = 1;
    bool badVerletzung_ = false, badPublikum_ = false;
};

// "Trainer" (with the reputation type) and "Manager" (without).
class StaffPageRules {
public:
    static constexpr size_t kMinName = 2, kMaxName = 20;
    explicit StaffPageRules(bool trainer) : trainer_(trainer) {}
    void Fill(const CTrainerUndCo& t);
    void Fill(const CManager& m);
    const std::vector<std::string>& Repaired() const { return repaired_; }
    bool IsTrainer() const { return trainer_; }

    void SetNachname(const std::string& s);
    void SetVorname(const std::string& s);
    void SetDate(int day, int month, int year);
    void SetKompetenz(int v);
    void SetRuf(int v);

    const std::string& Nachname() const { return nachname_; }
    const std::string& Vorname() const { return vorname_; }
    int Day() const { return day_; }
    int Month() const { return month_; }
    int Year() const { return year_; }
    int Alter() const { return alter_; }
    int Kompetenz() const { return kompetenz_; }
    int Ruf() const { return ruf_; }
    YearRange Years() const;

    // "Bitte in dieses Feld mindestens %d Zeichen eingeben." for a name below
    // two characters; otherwise stores and returns true.
    bool WriteBack(CTrainerUndCo& t);
    bool WriteBack(CManager& m);

private:
    bool CheckNames();
    bool trainer_;
    std::vector<std::string> repaired_;
    std::string nachname_, vorname_;
    int day_ = 1, month_ = 1, year_ = 1960, alter_ = 0, kompetenz_ = 0, ruf_ = 0;
    int filledKompetenz_ = 0, filledRuf_ = 0;
    bool badKompetenz_ = false, badRuf_ = false;
};

// The reputation types of a trainer, value 0..6.
inline constexpr std::array<std::string_view, 7> kTrainerRufTexte = {
    "Kumpeltyp", "lustiger Geselle", "Motivationsk\xFCnstler", "PR-Mann", "Schleifer", "Wissenschaftler", "keiner"};

}  // namespace v3
