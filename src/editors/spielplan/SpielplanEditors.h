#pragma once
// Registers the fixture editor ("Spielpläne") and the general settings
// ("Kleinigkeiten") behind their menu entries.
namespace v3 {

class CEditorRegistry;

void RegisterSpielplanEditors(CEditorRegistry& editors);

}  // namespace v3
