#include "editors/fangesang/rules/AnsprachenRules.h"

#include "base/AppState.h"
#include "editors/fangesang/rules/FangesangRules.h"
#include "editors/fangesang/rules/PlaySound.h"
#include "platform/Text1252.h"

namespace v3 {

const char* const kAnsprachenTypen[CHalbzeitAnsprache::kTypen] = {
    "Begeisterung zeigen",
    "Spieler loben",
    "Konzentriert weiter so!",
    "Macht sie fertig",
    "Beruhigt euch wieder",
    "Kraft sparen",
    "Spieler aufmuntern",
    "Herumn\xC3\xB6len",
    "Spieler verspotten",
    "Spieler antreiben",
    "Donnerwetter loslassen",
    "An die Ehre der Spieler appellieren",
    "Wenn wir dieses Spiel verlieren...",
};

std::string ComposeString(const CHalbzeitAnsprache& a) {
    const int typ = a.AnsprachenTyp();
    if (typ < 0 || typ >= CHalbzeitAnsprache::kTypen) return {};
    return Cp(kAnsprachenTypen[typ]) + " - " + a.AnsprachenFileName();
}

CAnsprachenListe::CAnsprachenListe(const Liste<CHalbzeitAnsprache>& original) {
    for (const auto& a : original)
        if (a) kopien_.push_back(std::make_unique<CHalbzeitAnsprache>(*a));
}

bool CAnsprachenListe::Neu(const std::string& datei, int typ) {
    const char* bitte = datei.empty() ? kBitteDatei : typ < 0 || typ >= CHalbzeitAnsprache::kTypen ? kBitteAnsprachentyp : nullptr;
    if (bitte) {
        App().ui->MessageBox(bitte, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    auto a = std::make_unique<CHalbzeitAnsprache>();
    if (!a->AnsprachenFileName(datei)) {
        App().ui->MessageBox(kWaveNichtLesbar, "Achtung!", MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    a->AnsprachenTyp(typ);
    kopien_.push_back(std::move(a));
    return true;
}

void CAnsprachenListe::Loeschen(int i) {
    if (i >= 0 && i < Anzahl()) kopien_.erase(kopien_.begin() + i);
}

void CAnsprachenListe::Uebernehmen(Liste<CHalbzeitAnsprache>& ziel) {
    Liste<CHalbzeitAnsprache> neu;
    for (auto& a : kopien_)
        if (!a->AnsprachenFileName().empty()) neu.push_back(std::move(a));
    kopien_.clear();
    ziel = std::move(neu);
}

}  // namespace v3
