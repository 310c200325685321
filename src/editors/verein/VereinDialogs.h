#pragma once
// The menu entries of the club area: National → "Vereine" and "Spieler" (the
// club selection in its two modes) and "Amateurvereine"; International → "Nationaltrikots",
// "Außereuropäische Vereine" and "Ausrüster". The kit, crest and map pages and
// the stadium editor are hosted by the club editor.
namespace v3 {

class CEditorRegistry;

void RegisterVereinEditors(CEditorRegistry& editors);

}  // namespace v3
