#include "editors/personal/PersonalEditors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <type_traits>

#include "base/AppState.h"
#include "dataset/DataSet.h"
#include "editors/personal/BandenwerbungDlg.h"
#include "editors/personal/MedienDlg.h"
#include "editors/personal/PersonalWidgets.h"
#include "editors/personal/rules/PersonalRules.h"
#include "records/Land.h"
#include "records/Nation.h"
#include "records/Verein.h"
#include "ui/EditorRegistry.h"

namespace v3 {
namespace {

QSpinBox* Zahlenfeld(QWidget* parent, int von, int bis, int wert, const char* name) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(von, bis);
    s->setValue(wert);
    return s;
}

// The country's clubs by club number, "Keiner" first (value 0).
QComboBox* VereinsAuswahl(QWidget* parent, const CLand& land, int32_t nummer, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem("Keiner", 0);
    for (int n = 1; n <= int(land.VereinsListe().size()); ++n)
        if (const CVerein* v = land.VereinMitNummer(n)) box->addItem(Qt8(v->Name()), n);
    const int pos = box->findData(nummer);
    box->setCurrentIndex(pos >= 0 ? pos : 0);
    return box;
}

// The nations of the data set by nation number.
QComboBox* NationsAuswahl(QWidget* parent, int32_t nation) {
    auto* box = new QComboBox(parent);
    box->setObjectName("Nationalitaet");
    const auto& liste = Daten().NationenListe;
    for (size_t n = 0; n < liste.size(); ++n)
        if (liste[n]) box->addItem(Qt8(liste[n]->Name()), int(n));
    const int pos = box->findData(nation);
    if (pos >= 0) box->setCurrentIndex(pos);
    return box;
}

// ---------------------------------------------------------------- staff pools

template <class T>
QString PoolName() {
    if constexpr (std::is_same_v<T, CTrainerUndCo>) return "Trainer & Co-Trainer";
    else if constexpr (std::is_same_v<T, CTWTrainer>) return "Torwarttrainer";
    else return "Manager";
}

template <class T>
QString AendernTitel() {
    if constexpr (std::is_same_v<T, CTrainerUndCo>) return "Trainer \xC3\xA4ndern";
    else if constexpr (std::is_same_v<T, CTWTrainer>) return "Torwarttrainer \xC3\xA4ndern";
    else return "Manager \xC3\xA4ndern";
}

template <class T>
bool PersonAendern(QWidget* parent, CStaffPool<T>& pool, int i) {
    const T& p = pool.Kopie(i);
    const int saison = App().Saisonstartjahr;
    CAendernDlg dlg(parent, AendernTitel<T>());
    auto* name = NamensFeld(&dlg, p.Nachname(), kMaxPersonenName, "Name");
    auto* vorname = NamensFeld(&dlg, p.Vorname(), kMaxPersonenName, "Vorname");
    auto* datum = new CGeburtsDatumFeld(&dlg, p.GeburtsDatum(), saison);
    auto* kompetenz = Zahlenfeld(&dlg, 0, T::kMaxKompetenz, p.Kompetenz(), "Kompetenz");
    QFormLayout* form = dlg.Form();
    form->addRow("&Name", name);
    form->addRow("&Vorname", vorname);
    form->addRow("&Geburtsdatum", datum);
    form->addRow("&Kompetenz", kompetenz);
    form->addRow("Alter", datum->AlterAnzeige());
    QComboBox* ruf = nullptr;
    if constexpr (std::is_same_v<T, CTrainerUndCo>) {
        ruf = new QComboBox(&dlg);
        ruf->setObjectName("Ruf");
        for (const char* typ : kTrainerTypen) ruf->addItem(QString::fromUtf8(typ));
        ruf->setCurrentIndex(p.Ruf());
        form->addRow("&Ruf", ruf);
    }
    dlg.Fertig();
    dlg.beiOk = [&] {
        auto n = Text1252(name);
        if (!n) return false;
        auto v = Text1252(vorname);
        if (!v) return false;
        PersonEingabe e{*n, *v, datum->Tag(), datum->Monat(), datum->Jahr(), kompetenz->value(),
                        ruf ? ruf->currentIndex() : 0};
        return pool.Aendern(i, e, saison);
    };
    return dlg.exec() == QDialog::Accepted;
}

template <class T>
CPersonenListeDlg::Aufbau PoolAufbau(CStaffPool<T>& pool) {
    CPersonenListeDlg::Aufbau a;
    a.spalten = {"Name", "Komp.", "Alter"};
    a.breiten = {200, 60, 60};
    if constexpr (std::is_same_v<T, CTrainerUndCo>) a.spalten.push_back("Typ");
    a.anzahl = [&pool] { return pool.Anzahl(); };
    a.zeile = [&pool](int i) { return pool.Zeile(i); };
    return a;
}

template <class T>
bool RunPool(QWidget* parent, Kopien<T>& (CLand::*liste)()) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    Kopien<T>& original = (land->*liste)();
    CStaffPool<T> pool(original);
    auto a = PoolAufbau(pool);
    a.titel = TitelMitLand(PoolName<T>());
    CPersonenListeDlg* dlgZeiger = nullptr;
    a.aendern = [&](int i) { return PersonAendern(dlgZeiger, pool, i); };
    a.ok = [&](int) { return pool.Uebernehmen(original); };
    CPersonenListeDlg dlg(parent, std::move(a));
    dlgZeiger = &dlg;
    return dlg.exec() == QDialog::Accepted;
}

template <class T>
std::optional<int> Waehle(QWidget* parent, const Kopien<T>& freie) {
    CStaffPool<T> pool(freie);
    auto a = PoolAufbau(pool);
    a.titel = TitelMitLand(PoolName<T>());
    a.okText = "\xC3\x9C" "bernehmen";
    std::optional<int> wahl;
    a.ok = [&](int zeile) {
        wahl = pool.Auswahl(zeile);
        return wahl.has_value();
    };
    CPersonenListeDlg dlg(parent, std::move(a));
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return wahl;
}

// ---------------------------------------------------------------- referees

// The change dialog of a referee; `zuordnung` is the club or nation chooser.
template <class S, class Liste>
bool SchiriAendern(QWidget* parent, Liste& liste, int i) {
    const S& s = liste.Kopie(i);
    CAendernDlg dlg(parent, "Schiedsrichter \xC3\xA4ndern");
    auto* name = NamensFeld(&dlg, s.Nachname(), kMaxSchiriNachname, "Name");
    auto* vorname = NamensFeld(&dlg, s.Vorname(), kMaxSchiriVorname, "Vorname");
    auto* kompetenz = Zahlenfeld(&dlg, 0, S::kMaxKompetenz, s.Kompetenz(), "Kompetenz");
    auto* haerte = Zahlenfeld(&dlg, 0, S::kMaxHaerte, s.Haerte(), "Haerte");
    QComboBox* zuordnung = nullptr;
    QFormLayout* form = dlg.Form();
    form->addRow("&Name", name);
    form->addRow("&Vorname", vorname);
    form->addRow("&Kompetenz (0-10)", kompetenz);
    form->addRow("&H\xC3\xA4rte (0-10)", haerte);
    if constexpr (std::is_same_v<S, CISchiri>) {
        zuordnung = NationsAuswahl(&dlg, s.Nation());
        form->addRow("N&ationalit\xC3\xA4t", zuordnung);
    } else {
        const CLand* land = AktuellesLandObjekt();
        zuordnung = land ? VereinsAuswahl(&dlg, *land, s.SchiriVerein(), "Verein") : new QComboBox(&dlg);
        form->addRow("V&erein", zuordnung);
    }

    SchiriKaestchen k = KaestchenAus(s.SchiriEigenschaften());
    auto* heim = new QCheckBox("Heimschiedsrichter", &dlg);
    auto* gast = new QCheckBox("Gastschiedsrichter", &dlg);
    auto* zeitspiel = new QCheckBox("ha\xC3\x9Ft Zeitspiel", &dlg);
    auto* meckern = new QCheckBox("ha\xC3\x9Ft Meckern", &dlg);
    auto* coaching = new QCheckBox("ha\xC3\x9Ft Coaching", &dlg);
    heim->setObjectName("Heim");
    gast->setObjectName("Gast");
    zeitspiel->setObjectName("Zeitspiel");
    meckern->setObjectName("Meckern");
    coaching->setObjectName("Coaching");
    heim->setChecked(k.heim);
    gast->setChecked(k.gast);
    zeitspiel->setChecked(k.zeitspiel);
    meckern->setChecked(k.meckern);
    coaching->setChecked(k.coaching);
    // Home and guest exclude each other: ticking one clears the other.
    QObject::connect(heim, &QCheckBox::clicked, &dlg, [&, heim, gast](bool an) {
        HeimAnklicken(k, an);
        gast->setChecked(k.gast);
        heim->setChecked(k.heim);
    });
    QObject::connect(gast, &QCheckBox::clicked, &dlg, [&, heim, gast](bool an) {
        GastAnklicken(k, an);
        heim->setChecked(k.heim);
        gast->setChecked(k.gast);
    });
    for (QCheckBox* box : {heim, gast, zeitspiel, meckern, coaching}) form->addRow(QString(), box);
    dlg.Fertig();
    dlg.beiOk = [&] {
        auto n = Text1252(name);
        if (!n) return false;
        auto v = Text1252(vorname);
        if (!v) return false;
        SchiriEingabe e{*n, *v, kompetenz->value(), haerte->value(), zuordnung->currentData().toInt(), {}};
        e.kaestchen = {heim->isChecked(), gast->isChecked(), zeitspiel->isChecked(), meckern->isChecked(),
                       coaching->isChecked()};
        return liste.Aendern(i, e);
    };
    return dlg.exec() == QDialog::Accepted;
}

// ---------------------------------------------------------------- celebrities

bool PromiAendern(QWidget* parent, CPromiListe& liste, const CLand& land, int i) {
    const CPromi& p = liste.Kopie(i);
    CAendernDlg dlg(parent, "Prominente \xC3\xA4ndern");
    auto* name = NamensFeld(&dlg, p.Nachname(), kMaxPersonenName, "Name");
    auto* vorname = NamensFeld(&dlg, p.Vorname(), kMaxPersonenName, "Vorname");
    auto* verein = VereinsAuswahl(&dlg, land, p.Lieblingsverein(), "Lieblingsverein");
    dlg.Form()->addRow("&Name", name);
    dlg.Form()->addRow("&Vorname", vorname);
    dlg.Form()->addRow("&Lieblingsverein", verein);
    dlg.Fertig();
    dlg.beiOk = [&] {
        auto n = Text1252(name);
        if (!n) return false;
        auto v = Text1252(vorname);
        if (!v) return false;
        return liste.Aendern(i, *n, *v, verein->currentData().toInt());
    };
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace

bool RunTrainerPool(QWidget* parent) { return RunPool<CTrainerUndCo>(parent, &CLand::Coaches); }
bool RunTWTrainerPool(QWidget* parent) { return RunPool<CTWTrainer>(parent, &CLand::GoalkeeperCoaches); }
bool RunManagerPool(QWidget* parent) { return RunPool<CManager>(parent, &CLand::Managers); }

std::optional<int> WaehleTrainer(QWidget* parent, const Kopien<CTrainerUndCo>& freie) { return Waehle(parent, freie); }
std::optional<int> WaehleManager(QWidget* parent, const Kopien<CManager>& freie) { return Waehle(parent, freie); }

namespace {

// Shows the list editor over `liste` (its Anzahl and Zeile): `aendern` changes
// line i in a dialog over the list, `uebernehmen` hands the copies back on OK.
template <class L>
bool ZeigeListe(QWidget* parent, CPersonenListeDlg::Aufbau a, L& liste,
                const std::function<bool(CPersonenListeDlg*, int)>& aendern, const std::function<void()>& uebernehmen) {
    a.anzahl = [&liste] { return liste.Anzahl(); };
    a.zeile = [&liste](int i) { return liste.Zeile(i); };
    CPersonenListeDlg* dlgZeiger = nullptr;
    a.aendern = [&](int i) { return aendern(dlgZeiger, i); };
    a.ok = [&](int) {
        uebernehmen();
        return true;
    };
    CPersonenListeDlg dlg(parent, std::move(a));
    dlgZeiger = &dlg;
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace

bool RunSchiedsrichter(QWidget* parent) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    CSchiriListe liste(*land);
    CPersonenListeDlg::Aufbau a;
    a.titel = TitelMitLand("Schiedsrichter");
    a.spalten = {"Name", "Komp.", "H\xC3\xA4rte", "Verein"};
    a.breiten = {180, 50, 50};
    return ZeigeListe(parent, std::move(a), liste,
                      [&](CPersonenListeDlg* dlg, int i) { return SchiriAendern<CNSchiri>(dlg, liste, i); },
                      [&] { liste.Uebernehmen(*land); });
}

bool RunSchiedsrichterInternational(QWidget* parent) {
    auto& original = Daten().ISchiriListe;
    CISchiriListe liste(original);
    CPersonenListeDlg::Aufbau a;
    a.titel = "Europ\xC3\xA4ische Schiedsrichter";
    a.spalten = {"Name", "Komp.", "H\xC3\xA4rte", "Land"};
    a.breiten = {180, 50, 50};
    return ZeigeListe(parent, std::move(a), liste,
                      [&](CPersonenListeDlg* dlg, int i) { return SchiriAendern<CISchiri>(dlg, liste, i); },
                      [&] { liste.Uebernehmen(original); });
}

bool RunProminente(QWidget* parent) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    CPromiListe liste(*land);
    CPersonenListeDlg::Aufbau a;
    a.titel = TitelMitLand("Prominente");
    a.spalten = {"Name", "Lieblingsverein"};
    a.breiten = {200};
    return ZeigeListe(parent, std::move(a), liste,
                      [&](CPersonenListeDlg* dlg, int i) { return PromiAendern(dlg, liste, *land, i); },
                      [&] { liste.Uebernehmen(*land); });
}

bool RunVerband(QWidget* parent) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    // The dialog edits a copy; OK puts it in the president's place.
    CVerbandsPraesident kopie = land->VerbandsPraesident();
    CAendernDlg dlg(parent, TitelMitLand("Verband"));
    auto* name = NamensFeld(&dlg, kopie.Nachname(), kMaxPersonenName, "Name");
    auto* vorname = NamensFeld(&dlg, kopie.Vorname(), kMaxPersonenName, "Vorname");
    auto* geburt = new CGeburtsDatumFeld(&dlg, kopie.GeburtsDatum(), App().Saisonstartjahr);
    dlg.Form()->addRow(new QLabel("Pr\xC3\xA4sident des Verbandes", &dlg));
    dlg.Form()->addRow("&Name", name);
    dlg.Form()->addRow("&Vorname", vorname);
    dlg.Form()->addRow("&Geburtsdatum", geburt);
    dlg.Form()->addRow("Alter", geburt->AlterAnzeige());
    dlg.Fertig();
    dlg.beiOk = [&] {
        auto n = Text1252(name);
        if (!n) return false;
        auto v = Text1252(vorname);
        if (!v) return false;
        if (!PraesidentSpeichern(kopie, {*n, *v, geburt->Tag(), geburt->Monat(), geburt->Jahr()})) return false;
        land->VerbandsPraesident() = kopie;
        return true;
    };
    return dlg.exec() == QDialog::Accepted;
}

bool RunMedien(QWidget* parent) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    CMedienDlg dlg(parent, *land);
    return dlg.exec() == QDialog::Accepted;
}

bool RunSponsoren(QWidget* parent) {
    CLand* land = AktuellesLandObjekt();
    if (!land) return false;
    CBandenwerbungDlg dlg(parent, *land);
    return dlg.exec() == QDialog::Accepted;
}

void RegisterPersonalEditors(CEditorRegistry& editors) {
    const std::pair<const char*, bool (*)(QWidget*)> eintraege[] = {
        {"OnVereinespielerTrainerundcotrainer", RunTrainerPool},
        {"OnVereinespielerTorwarttrainer", RunTWTrainerPool},
        {"OnVereinespielerManager", RunManagerPool},
        {"OnVereinespielerNationaleschiedsrichter", RunSchiedsrichter},
        {"OnVerband", RunVerband},
        {"OnNationalMedien", RunMedien},
        {"OnBesonderesProminente", RunProminente},
        {"OnBesonderesSponsoren", RunSponsoren},
        {"OnInternationalSchiedsrichter", RunSchiedsrichterInternational},
    };
    for (const auto& eintrag : eintraege) {
        auto* run = eintrag.second;
        editors.Register(eintrag.first, [&editors, run](const CommandArgs&) { return run(editors.Parent()); });
    }
}

}  // namespace v3
