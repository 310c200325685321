// bonus: creates, replaces or removes the bonus country of an installation and saves.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "Commands.h"
#include "base/AppState.h"
#include "dataset/BonusLand.h"
#include "dataset/DataSet.h"
#include "dataset/EditorDoc.h"
#include "base/Layout.h"
#include "platform/Text1252.h"
#include "records/Land.h"
#include "records/Liga.h"

namespace v3tool {
namespace {

constexpr const char* kUsage =
    "bonus DIR --nation N [--league-size 12|14|...|24] [--hair hellblond|dunkelblond|schwarz] "
    "[--skin hell|dunkel|schwarz] [--yellow K] [--cup 1|2] [--relegated 2..4] [--supercup 1|2] "
    "[--crest BMP --map JPG] --yes\n"
    "       v3tool bonus DIR --remove --yes";

int Usage() {
    std::fprintf(stderr, "Aufruf: v3tool %s\n", kUsage);
    return 2;
}

bool Zahl(const std::string& text, int& wert) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    wert = std::atoi(text.c_str());
    return true;
}

// A name of the dialog's options or the stored value.
bool Farbe(const std::string& text, std::initializer_list<std::pair<const char*, int>> namen, int& wert) {
    for (const auto& [name, v] : namen)
        if (text == name || text == std::to_string(v)) {
            wert = v;
            return true;
        }
    return false;
}

struct Optionen {
    std::string dir;
    bool ja = false;
    bool entfernen = false;
    std::optional<int> nation, ligaGroesse, haar, haut, gelb, pokal, absteiger, superCup;
    std::string wappen, karte;
};

bool Lies(const Args& args, Optionen& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto wert = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto zahl = [&](std::optional<int>& out, int min, int max) {
            std::string t;
            int v = 0;
            if (!wert(t) || !Zahl(t, v) || v < min || v > max) return false;
            out = v;
            return true;
        };
        std::string t;
        int v = 0;
        if (a == "--yes") {
            o.ja = true;
        } else if (a == "--remove") {
            o.entfernen = true;
        } else if (a == "--nation") {
            if (!zahl(o.nation, 1, v3::kAnzahlNationen - 1)) return false;
        } else if (a == "--league-size") {
            if (!zahl(o.ligaGroesse, 12, v3::LigaGroesseAusIndex(v3::kLigaGroessen - 1)) || *o.ligaGroesse % 2)
                return false;
        } else if (a == "--hair") {
            if (!wert(t) || !Farbe(t, {{"hellblond", 0}, {"dunkelblond", 1}, {"schwarz", 4}}, v)) return false;
            o.haar = v;
        } else if (a == "--skin") {
            if (!wert(t) || !Farbe(t, {{"hell", 0}, {"dunkel", 1}, {"schwarz", 2}}, v)) return false;
            o.haut = v;
        } else if (a == "--yellow") {
            if (!zahl(o.gelb, 0, 99)) return false;
        } else if (a == "--cup") {
            if (!zahl(o.pokal, 1, 2)) return false;
        } else if (a == "--relegated") {
            if (!zahl(o.absteiger, 2, 4)) return false;
        } else if (a == "--supercup") {
            if (!zahl(o.superCup, 1, 2)) return false;
        } else if (a == "--crest") {
            if (!wert(o.wappen)) return false;
        } else if (a == "--map") {
            if (!wert(o.karte)) return false;
        } else if (!a.empty() && a[0] != '-' && o.dir.empty()) {
            o.dir = a;
        } else {
            return false;
        }
    }
    if (o.dir.empty() || o.entfernen == o.nation.has_value()) return false;
    if (o.wappen.empty() != o.karte.empty()) return false;
    return true;
}

std::string Absolut(const std::string& pfad) {
    std::error_code ec;
    auto p = std::filesystem::absolute(pfad, ec);
    return ec ? pfad : p.string();
}

// The dialog's answer from the options, over the values prefilled from an
// existing bonus country.
void Belege(const Optionen& o, v3::BonusLandAuswahl& a) {
    if (o.entfernen) {
        a.nation = 0;
        return;
    }
    const bool gleicheNation = a.nation == *o.nation;
    a.nation = *o.nation;
    if (!o.wappen.empty()) {
        a.wappen = a.karte = v3::kEigeneDatei;
        a.wappenDatei = Absolut(o.wappen);
        a.karteDatei = Absolut(o.karte);
    } else if (int p = v3::VordefinierteBonusNationVon(a.nation); p >= 0) {
        a.wappen = a.karte = p;
    } else if (!gleicheNation) {
        a.wappen = a.karte = v3::kKeineWahl;
    }
    if (o.ligaGroesse) a.ligaGroesse = v3::LigaGroesseIndex(*o.ligaGroesse);
    if (a.ligaGroesse == v3::kKeineWahl) a.ligaGroesse = 0;
    if (o.gelb) a.gelbSperre = *o.gelb;
    if (a.gelbSperre == v3::kKeineWahl) a.gelbSperre = 0;
    if (o.haar) a.haarfarbe = *o.haar;
    if (o.haut) a.hautfarbe = *o.haut;
    if (o.pokal) a.pokal = *o.pokal - 1;
    if (o.absteiger) a.absteiger = *o.absteiger;
    if (o.superCup) a.superCup = *o.superCup;
}

}  // namespace

int CmdBonus(const Args& args) {
    Optionen o;
    if (!Lies(args, o)) return Usage();
    if (!o.ja) {
        std::fprintf(stderr, "v3tool bonus: das Bonusland wird im Datensatz gespeichert; bitte mit --yes "
                             "best\xC3\xA4tigen.\n");
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(o.dir, ec)) {
        std::printf("Das Verzeichnis %s gibt es nicht.\n", o.dir.c_str());
        return 1;
    }

    v3::ScopedAppState state;
    v3::StderrUserInterface ui(true);
    state->SetUserInterface(&ui);
    v3::CEDITORDoc doc;
    if (!LoadDataSet(o.dir, doc, stdout)) return 1;

    bool abgelehnt = false;
    const bool uebernommen = v3::OnBonuslanderzeugenaendern([&](v3::BonusLandAuswahl& a) {
        Belege(o, a);
        const auto angeboten = v3::BonusNationenListe();
        bool gibtEs = false;
        for (const auto& e : angeboten) gibtEs = gibtEs || e.nation == a.nation;
        if (!gibtEs) {
            std::printf("Die Nation %d wird nicht als Bonusland angeboten.\n", a.nation);
            abgelehnt = true;
            return false;
        }
        const auto meldungen = v3::PruefeBonusLandAuswahl(a);
        for (const auto& m : meldungen) std::printf("%s\n", m.c_str());
        abgelehnt = !meldungen.empty();
        return !abgelehnt;
    });
    if (!uebernommen) {
        if (!abgelehnt) std::printf("Das Bonusland wurde nicht ge\xC3\xA4ndert.\n");
        return 1;
    }

    state->BandenSpeichern = false;
    if (!doc.SpeichernV3Localized()) {
        std::printf("Der Datensatz in %s konnte nicht vollst\xC3\xA4ndig gespeichert werden.\n", o.dir.c_str());
        return 1;
    }
    const auto& laender = v3::Daten().AlleLaender;
    if (laender.size() > size_t(v3::kBonusLandIndex)) {
        const v3::CLand& bonus = *laender[size_t(v3::kBonusLandIndex)];
        const int liga = bonus.Ligen().empty() ? 0 : bonus.Ligen()[0]->Size();
        std::printf("Bonusland %s (Nation %d): %zu Vereine, Liga mit %d Vereinen; %zu L\xC3\xA4nder gespeichert in %s\n",
                    v3::Cp1252ToUtf8(state->Laendername[size_t(v3::kBonusLandIndex)]).c_str(), state->BonusNation,
                    bonus.VereinsListe().size(), liga, laender.size(), o.dir.c_str());
    } else {
        std::printf("Kein Bonusland; %zu L\xC3\xA4nder gespeichert in %s\n", laender.size(), o.dir.c_str());
    }
    return 0;
}

}  // namespace v3tool
