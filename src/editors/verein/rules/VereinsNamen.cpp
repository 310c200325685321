#include "editors/verein/rules/VereinsNamen.h"

#include <algorithm>
#include <cstdio>

#include "base/AppState.h"
#include "records/AmateurVerein.h"
#include "records/Ausruester.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/TrimWhite.h"

namespace v3 {

std::optional<std::string> NeuerVereinsName(const std::string& eingabe) {
    std::string name = TrimWhite(eingabe);
    if (int(name.size()) < kVereinsNameMin) {
        char text[80];
        std::snprintf(text, sizeof text, "Der Name muß mindestens %d Zeichen lang sein!", kVereinsNameMin);
        App().ui->MessageBox(text, "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return std::nullopt;
    }
    return name;
}

namespace {

CLand* AktuellesDokLand() {
    auto& laender = Daten().AlleLaender;
    const int land = App().AktuellesLand;
    return land >= 0 && size_t(land) < laender.size() ? laender[size_t(land)].get() : nullptr;
}

}  // namespace

CVereinsNamenListe::CVereinsNamenListe(int modus) : modus_(modus) {
    if (modus_ == 0) {
        if (CLand* land = AktuellesDokLand())
            for (const auto& a : land->AmateurVereine()) namen_.push_back(a ? a->Name() : std::string());
    } else {
        for (const auto& a : Daten().AusruesterListe) namen_.push_back(a ? a->Name() : std::string());
    }
}

bool CVereinsNamenListe::Umbenennen(size_t i, const std::string& eingabe) {
    if (i >= namen_.size()) return false;
    auto name = NeuerVereinsName(eingabe);
    if (!name) return false;
    for (size_t j = 0; j < namen_.size(); ++j)
        if (j != i && namen_[j] == *name) {
            App().ui->MessageBox("Der Name existiert bereits!", "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
            return false;
        }
    if (modus_ == 1 && name->size() > CAusruester::kMaxName) name->resize(CAusruester::kMaxName);
    namen_[i] = *name;
    return true;
}

void CVereinsNamenListe::Ok() const {
    if (modus_ == 0) {
        CLand* land = AktuellesDokLand();
        if (!land) return;
        auto& liste = land->AmateurVereine();
        for (size_t i = 0; i < liste.size() && i < namen_.size(); ++i)
            if (liste[i]) liste[i]->Name(namen_[i]);
    } else {
        auto& liste = Daten().AusruesterListe;
        for (size_t i = 0; i < liste.size() && i < namen_.size(); ++i)
            if (liste[i]) liste[i]->Name(namen_[i]);
    }
}

CIVereineListe::CIVereineListe() {
    for (const auto& v : Daten().IVereineListe)
        if (v) vereine_.push_back(std::make_unique<CIVerein>(*v));
}

namespace {

// The nation a non-European club belongs to: its Kennzahl, where that is a
// nation number; -1 otherwise.
int IVereinNation(const CIVerein& v) {
    const int n = v.Kennzahl();
    return n >= 0 && size_t(n) < Daten().NationenListe.size() && Daten().NationenListe[size_t(n)] ? n : -1;
}

}  // namespace

std::string CIVereineListe::Zeile(size_t i) const {
    if (i >= vereine_.size()) return {};
    std::string zeile;
    const int nation = IVereinNation(*vereine_[i]);
    if (nation >= 0 && (i == 0 || IVereinNation(*vereine_[i - 1]) != nation))
        zeile = Daten().NationenListe[size_t(nation)]->Name() + " :";
    return zeile + "\t" + vereine_[i]->Name();
}

bool CIVereineListe::Umbenennen(size_t i, const std::string& eingabe) {
    if (i >= vereine_.size()) return false;
    auto name = NeuerVereinsName(eingabe);
    if (!name) return false;
    vereine_[i]->Name(*name);
    return true;
}

void CIVereineListe::Ok() {
    if (!vereine_.empty()) Daten().IVereineListe = std::move(vereine_);
}

}  // namespace v3
