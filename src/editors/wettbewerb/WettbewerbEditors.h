#pragma once
// The editors of competitions, statistics and the world's best players, as
// they reach the menu.

namespace v3 {

class CEditorRegistry;

// Registers "Nationale Wettbewerbe", "Internationale Wettbewerbe",
// "Europapokal-Gruppen", "EM-Gruppen", "WM-Gruppen", "Europa- und
// Weltmeisterschaften", "Beste Spieler der Welt", "EP-5-Jahres-Wertung" and
// "Statistik".
void RegisterWettbewerbEditors(CEditorRegistry& editors);

}  // namespace v3
