#include "shell/MenuCommands.h"

#include <array>

namespace v3 {
namespace {

using G = Guard;
using C = Chooser;
using M = Marks;

// menu, text, handler, shortcut, guard, chooser, mode, repaint, wait, marks, once, separator
constexpr std::array kTable{
    // Datei
    MenuCommand{"Datei", "V2-Daten konvertieren", "OnDateiV2dateneinlesen", "", G::None, C::None, 0, false, 0, M::No, true},
    MenuCommand{"Datei", "Reinitialisierung", "OnDateiReinitialisierung", "", G::None, C::None, 0, false, 0, M::No},
    MenuCommand{"Datei", "Laden", "OnLadenV3", "", G::None, C::None, 0, false, 0, M::No, false, true},
    MenuCommand{"Datei", "Datencheck", "OnDatencheck", "", G::None, C::None, 0, false, 0, M::No},
    MenuCommand{"Datei", "&Speichern", "OnFileSave", "Ctrl+S", G::None, C::None, 0, false, 0, M::No},
    MenuCommand{"Datei", "Vereine &drucken", "OnDrucken", "Ctrl+P", G::DataSet, C::Country, 12, false, 0, M::No, false, true},
    MenuCommand{"Datei", "Druckereinrichtung", "OnFilePrintSetup", "", G::None, C::None, 0, false, 0, M::No},
    MenuCommand{"Datei", "&Beenden", "OnAppExit", "", G::None, C::None, 0, false, 0, M::No, false, true},
    // National
    MenuCommand{"National", "Vereine", "OnVereinsAuswahl", "", G::DataSet, C::None, 0, true, 0, M::Yes},
    MenuCommand{"National", "Spieler", "OnVereinespielerSpieler", "", G::DataSet, C::None, 0, true, 0, M::Yes},
    MenuCommand{"National", "Spielerliste gesamt", "OnNationalAlphabetischespielerliste", "", G::DataSet, C::Country, -1, true, 1000, M::Yes},
    MenuCommand{"National", "Amateurvereine", "OnAmateuervereineAuswahl", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    MenuCommand{"National", "Jugend- und Amateurspieler", "OnVereinespielerJugendundamateurspieler", "", G::DataSet, C::Country, 1, false, 0, M::Yes},
    MenuCommand{"National", "Trainer und Co-Trainer", "OnVereinespielerTrainerundcotrainer", "", G::DataSet, C::Country, -1, false, 0, M::Yes, false, true},
    MenuCommand{"National", "Torwarttrainer", "OnVereinespielerTorwarttrainer", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    MenuCommand{"National", "Manager", "OnVereinespielerManager", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    MenuCommand{"National", "Schiedsrichter", "OnVereinespielerNationaleschiedsrichter", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    MenuCommand{"National", "Verband", "OnVerband", "", G::DataSet, C::Country, 6, false, 0, M::Yes},
    MenuCommand{"National", "Nationale Wettbewerbe", "OnNationaleWettbewerbe", "", G::DataSet, C::Country, -1, false, 0, M::Yes, false, true},
    MenuCommand{"National", "Medien", "OnNationalMedien", "", G::DataSet, C::Country, -1, false, 0, M::Yes, false, true},
    MenuCommand{"National", "Prominente", "OnBesonderesProminente", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    MenuCommand{"National", "Sponsoren", "OnBesonderesSponsoren", "", G::DataSet, C::Country, -1, false, 0, M::Yes},
    // International
    MenuCommand{"International", "Au\xC3\x9F" "ereurop\xC3\xA4ische Vereine", "OnInternationalAuereuropischevereine", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Spielerpools", "OnInternationalSpielerpools", "", G::None, C::Pool, 0, false, 0, M::Yes},
    MenuCommand{"International", "Sonstige Spieler", "OnInternationalSonstigespieler", "", G::DataSetAndOthers, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Ehemalige Spieler", "OnInternationalEhemaligespieler", "", G::FormerPlayers, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Europ\xC3\xA4ische Schiedsrichter", "OnInternationalSchiedsrichter", "", G::IntReferees, C::None, 0, false, 0, M::Yes, false, true},
    MenuCommand{"International", "Internationale Wettbewerbe", "OnInternationalInternationalewettbewerbe", "", G::DataSet, C::None, 0, false, 0, M::Yes, false, true},
    MenuCommand{"International", "Europapokal-Gruppen", "OnInternationalCleaguegruppen", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "EM-Gruppen", "OnInternationalEMGruppen", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "WM-Gruppen", "OnInternationalWMGruppen", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Europa- und Weltmeisterschaften", "OnInternationalWMEM", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Nationaltrikots", "OnInternationalTeam", "", G::DataSet, C::None, 0, false, 0, M::Yes, false, true},
    MenuCommand{"International", "Nationalkader", "OnInternationalMitgliederdernationalmannschaft", "", G::DataSet, C::Country, 11, false, 0, M::Yes},
    MenuCommand{"International", "Beste Spieler der Welt", "OnInternationalBestespielerderwelt", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"International", "Ausr\xC3\xBCster", "OnInternationalAusruester", "", G::DataSet, C::None, 0, false, 0, M::Yes, false, true},
    // Besonderes
    MenuCommand{"Besonderes", "Text-Fanges\xC3\xA4nge", "OnBesonderesFangesnge", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"Besonderes", "Audio-Fanges\xC3\xA4nge", "OnBesonderesFangesngeEigen", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"Besonderes", "Halbzeitansprachen", "OnBesonderesHalbzeitansprachen", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"Besonderes", "Ausgangspositionen der L\xC3\xA4nder", "OnBesonderesLigenzusammensetzung", "", G::DataSet, C::Country, 10, false, 0, M::OnOk, false, true},
    MenuCommand{"Besonderes", "Spielpl\xC3\xA4ne", "OnBesonderesSpielplne", "", G::DataSet, C::Country, -1, false, 0, M::OnOk},
    MenuCommand{"Besonderes", "EP-5-Jahres-Wertung", "OnBesonderesUefa5jahreswertung", "", G::DataSet, C::None, 0, false, 0, M::Yes, false, true},
    MenuCommand{"Besonderes", "Kleinigkeiten", "OnBesonderesKleinigkeiten", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"Besonderes", "Statistik", "OnBesonderesStatistik", "", G::DataSet, C::None, 0, false, 0, M::Yes},
    MenuCommand{"Besonderes", "Neues Bonusland erzeugen", "OnBonuslanderzeugenaendern", "", G::DataSet, C::None, 0, false, 0, M::Yes, false, true},
    // ?
    MenuCommand{"?", "&Hilfethemen", "OnHelpFinder", "F1", G::None, C::None, 0, false, 0, M::No},
    MenuCommand{"?", "Inf&o \xC3\xBC" "ber EDITOR...", "OnAppAbout", "", G::None, C::None, 0, false, 0, M::No, false, true},
};

}  // namespace

std::span<const MenuCommand> MenuCommands() { return kTable; }

const MenuCommand* FindMenuCommand(std::string_view handler) {
    for (const auto& c : kTable)
        if (c.handler == handler) return &c;
    return nullptr;
}

}  // namespace v3
