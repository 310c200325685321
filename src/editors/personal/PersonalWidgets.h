#pragma once
// Pieces the people editors share: the text bridge between widgets and
// records, the birth-date spinners with the derived age, the OK / cancel row
// and the list dialog that every pool, referee and celebrity editor is.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/DialogBM.h"
#include "ui/WidgetText.h"

class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace v3 {

class CDatum;
class CLand;

// The window title: the editor's name, " - " and the current country's name.
QString TitelMitLand(const QString& editor);
// The country being edited (App().AktuellesLand); null when the data set has none.
CLand* AktuellesLandObjekt();

// A line edit for a record text: its maximum length is the limit or the
// stored text's length, whichever is longer (a longer stored text is shown
// whole and kept unless it is edited).
QLineEdit* NamensFeld(QWidget* parent, const std::string& cp1252, int maxLen, const char* objectName);

// OK and cancel buttons (named IDOK and IDCANCEL) on the right of a row.
QHBoxLayout* KnopfLeiste(QDialog* dlg, QPushButton** ok, QPushButton** abbrechen, const QString& okText = "OK");

// Day, month and year spinners with the age they give in the season.
class CGeburtsDatumFeld : public QWidget {
    Q_OBJECT
public:
    // The year range follows GeburtsjahrBereich; the age label (placed by the
    // caller) follows the spinners.
    CGeburtsDatumFeld(QWidget* parent, const CDatum& datum, int saisonJahr);
    int Tag() const;
    int Monat() const;
    int Jahr() const;
    int Alter() const;
    QLabel* AlterAnzeige() const { return alter_; }

private:
    void Aktualisieren();
    QSpinBox* tag_;
    QSpinBox* monat_;
    QSpinBox* jahr_;
    QLabel* alter_;
    int saisonJahr_;
};

// A list of persons with column heads; each line is a record's list line, its
// columns separated by tabs. Double-click, Enter or "Ändern" opens the change
// dialog of the line (`aendern`, true when the copy changed); OK asks `ok`
// with the selected line (-1 for none) whether the editor may close.
// A change dialog: a form of fields, OK runs `beiOk`, which shows its own
// message and returns false to keep the dialog open with the input intact.
class CAendernDlg : public CDialogBM {
    Q_OBJECT
public:
    CAendernDlg(QWidget* parent, const QString& titel);
    QFormLayout* Form() const { return form_; }
    // Puts the OK / cancel row under the form; call after the last field.
    void Fertig();
    std::function<bool()> beiOk;

private:
    QFormLayout* form_;
};

class CPersonenListeDlg : public CDialogBM {
    Q_OBJECT
public:
    struct Aufbau {
        QString titel;
        std::vector<QString> spalten;
        std::vector<int> breiten;  // pixels per column but the last
        std::function<int()> anzahl;
        std::function<std::string(int)> zeile;  // code page 1252
        std::function<bool(int)> aendern;      // null in selection mode
        std::function<bool(int)> ok;
        QString okText = "OK";
    };
    CPersonenListeDlg(QWidget* parent, Aufbau aufbau);
    QTreeWidget* Liste() const { return liste_; }
    int Gewaehlt() const;
    // Rebuilds line i from its record (all lines for -1).
    void Erneuern(int i = -1);

protected:
    // Enter on a line belongs to the line, not to the dialog's OK button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAendern();
    void OnOK();
    Aufbau a_;
    QTreeWidget* liste_;
};

}  // namespace v3
