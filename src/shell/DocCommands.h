#pragma once
// Registers the document's own Datei commands with the command runner.
#include "dataset/EditorDoc.h"
#include "shell/CommandRunner.h"

namespace v3 {

// "Laden", "Speichern", "Reinitialisierung" and "V2-Daten konvertieren". The
// conversion reports whether it ran through; the others always count as run.
void RegisterDocCommands(CommandRunner& runner, CEDITORDoc& doc);

}  // namespace v3
