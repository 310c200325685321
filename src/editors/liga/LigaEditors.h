#pragma once
// The league editors' menu entries.
namespace v3 {

class CEditorRegistry;

// Registers Besonderes → "Ausgangspositionen der Länder".
void RegisterLigaEditors(CEditorRegistry& editors);

}  // namespace v3
