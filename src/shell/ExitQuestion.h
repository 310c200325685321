#pragma once
// The question asked when the main window is about to close, and the closing
// of the document after it.
#include <functional>

namespace v3 {

class CEDITORDoc;

// Answers of the exit box CQuitBox.
enum class QuitAnswer {
    Save,    // "Ja": save, then close
    Leave,   // "Nein": close without saving
    Stay,    // "Abbrechen" or the box closed: keep running
};

class CExitQuestion {
public:
    // Shows the exit box (texts, buttons "Ja", "Nein", "Abbrechen").
    using QuitBox = std::function<QuitAnswer()>;

    explicit CExitQuestion(CEDITORDoc& doc) : doc_(doc) {}

    // Whether the main window may close. Without changes the user confirms
    // "Wollen Sie den Editor wirklich beenden?"; with changes the exit box asks
    // whether to save. A second call in the same closing (after the box was
    // answered) refuses.
    bool CanCloseFrame(const QuitBox& quitBox);

    // Closes the document after CanCloseFrame allowed it: saves when "Ja" was
    // chosen and a data set is loaded, else discards the staged crests.
    // Returns false when that save
    // failed: the program then stays open with its changes, and the next close
    // asks again.
    bool CloseDocument();

    bool BeendenFrageErlaubt = true;

private:
    CEDITORDoc& doc_;
};

}  // namespace v3
