#pragma once
// The menu entries of the player dialogs: youth and amateur players of a
// country, the international player pools, the former players and the
// national squads, the other players and the list of all players of a country.
namespace v3 {

class CEditorRegistry;

void RegisterSpielerEditors(CEditorRegistry& editors);

}  // namespace v3
