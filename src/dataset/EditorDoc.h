#pragma once
// The single document: loads the whole data set from "\DATA.V3\", saves it back
// and commits or discards the crests staged by the editors. Talks to the user
// only through App().ui.
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace v3 {

class CV3File;

class CEDITORDoc {
public:
    // Sets the data directories and clears SpeichernBeimSchliessen.
    CEDITORDoc();
    // Frees the data set.
    ~CEDITORDoc();
    CEDITORDoc(const CEDITORDoc&) = delete;
    CEDITORDoc& operator=(const CEDITORDoc&) = delete;

    // Loads when the display is usable; returns 1.
    int OnNewDocument();
    // Datei -> "Laden": asks before a reload, frees, loads; the result goes to
    // LadenOk. A load that fails frees what it read (a save of part of the data
    // set would replace the files that could not be read) and says so.
    void OnLadenV3();
    // The load itself; true when no error occurred.
    bool LadenV3Localized();
    void SpeicherLoeschen();
    // Resets the bonus-country slot of the per-country tables.
    void ClearBonusLandGlobals();

    // Datei -> "&Speichern": asks whether the board pictures go too, then saves.
    void OnFileSave();
    // Saves with the progress window; DatenGeaendert follows the result.
    void SpeichereDaten();
    // The save itself, as one transaction: true when every file was written;
    // otherwise the files on disk are unchanged.
    bool SpeichernV3Localized();
    // Saves when SpeichernBeimSchliessen is set, else discards the staged crests.
    void OnCloseDocument();
    // Deletes the staged "Temp"/"Bemp" crests and empties their lists.
    void VerwerfeGeaenderteWappen();

    // Datei -> "Reinitialisierung": asks, copies the delivered files of
    // "\DATA.ORG\" and its crests over the data directory and loads again. A
    // directory that cannot be made or a copy that fails frees the data set and
    // asks the program to end.
    void OnDateiReinitialisierung();

    // Datei -> "V2-Daten konvertieren" (dataset/Import.cpp): checks the start
    // years, asks, merges the predecessor's data of "\DATA.VER\" into the data
    // set, copies its crests and saves. A failed conversion frees the data set
    // and loads the saved one again. True when the data was merged (even when
    // the save after it failed: DatenGeaendert then stays set).
    bool OnDateiV2dateneinlesen();

    bool SpeichernBeimSchliessen = false;
    // One tick of the main view's animation, run before a save from the menu.
    std::function<void()> AnimationTick;
    // Tells the program to end; the shell connects it. BeendenAngefordert()
    // stays set once it was asked for.
    std::function<void()> ProgrammBeenden;
    bool BeendenAngefordert() const { return beendenAngefordert_; }

    // The journal of the transactions over the data directory (a save, a
    // reinitialisation).
    static std::filesystem::path Journal();
    // Finishes or rolls back a transaction that was interrupted, before the
    // data directory is read or written; false with the reason when it cannot.
    // The board pictures are part of a save too.
    static bool StelleDatenHer(std::string& grund);

    // Text of the last load's error report (empty after a clean load).
    const std::string& LadeFehler() const { return ladeFehler_; }

private:
    // Stages the copies of the staged crests over their final names; returns
    // the crest and bonus-crest names that stay staged.
    std::pair<std::vector<std::string>, std::vector<std::string>> UebernehmeGeaenderteWappen();
    void BeendeProgramm() {
        beendenAngefordert_ = true;
        if (ProgrammBeenden) ProgrammBeenden();
    }

    std::string ladeFehler_;
    bool beendenAngefordert_ = false;
    // Set while the start-up load runs: the program ends after it fails.
    bool imStart_ = false;
};

}  // namespace v3
