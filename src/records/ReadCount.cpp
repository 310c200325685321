#include "records/ReadCount.h"

#include "base/AppState.h"
#include "platform/Text1252.h"
#include "records/V3File.h"

namespace v3 {

bool ReadCount(CV3File& file, int& count, int lo, int hi, const std::string& section) {
    int value = 0;
    const std::string where =
        "Die Datei " + Cp1252ToUtf8(file.FileName()) + " enthält im Abschnitt " + section;
    if (!file.GetInt(value)) {
        App().ui->MessageBox(where + " keine Anzahl. Der Eintrag wurde nicht gelesen.", "Fehler!",
                             MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    if (value < lo || value > hi) {
        App().ui->MessageBox(where + " die ungültige Anzahl " + std::to_string(value) + " (erlaubt: " +
                                 std::to_string(lo) + " bis " + std::to_string(hi) +
                                 "). Der Eintrag wurde nicht gelesen.",
                             "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    count = value;
    return true;
}

}  // namespace v3
