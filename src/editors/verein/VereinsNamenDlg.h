#pragma once
// The club area's name editors: "Neuer Vereinsname" / "Neuer Ausrüstername"
// for one name, the list of a country's amateur clubs or of the kit
// suppliers, and the list of non-European clubs.
#include <functional>
#include <string>

#include "editors/verein/rules/VereinsNamen.h"
#include "ui/DialogBM.h"

class QLineEdit;
class QListWidget;

namespace v3 {

class CVereinsNameAendern : public CDialogBM {
    Q_OBJECT
public:
    explicit CVereinsNameAendern(int modus, QWidget* parent = nullptr);
    // Texts in code page 1252.
    void Name(const std::string& name);
    const std::string& Name() const { return name_; }
    QLineEdit* Feld() const { return feld_; }

private:
    void OnOK();
    QLineEdit* feld_;
    std::string name_;
};

// Runs the renaming box for one name; `nehmen` gets the typed name and says
// whether it was taken (false: the box opens again). False when cancelled.
using NamenBox = std::function<bool(const std::string& alt, const std::function<bool(const std::string&)>& nehmen)>;

class CVereinsNameAendernDlg : public CDialogBM {
    Q_OBJECT
public:
    CVereinsNameAendernDlg(int modus, QWidget* parent);
    QListWidget* Liste() const { return liste_; }
    const CVereinsNamenListe& Namen() const { return namen_; }
    // The renaming box; tests put their own.
    NamenBox box;

private:
    void OnBearbeiten();
    CVereinsNamenListe namen_;
    QListWidget* liste_;
};

class CVereinsAuswahlInterDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CVereinsAuswahlInterDlg(QWidget* parent);
    QListWidget* Liste() const { return liste_; }
    NamenBox box;

private:
    void OnEditieren();
    CIVereineListe vereine_;
    QListWidget* liste_;
};

bool RunVereinsNameAendernDlg(int modus, QWidget* parent);
bool RunVereinsAuswahlInterDlg(QWidget* parent);

}  // namespace v3
