#pragma once
// The menu entries of the club area's pages and dialogs: International →
// "Nationaltrikots". The kit, crest and map pages and the stadium editor are
// hosted by the club editor.
namespace v3 {

class CEditorRegistry;

void RegisterVereinEditors(CEditorRegistry& editors);

}  // namespace v3
