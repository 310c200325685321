#pragma once
// Property sheets and pages with the same skin as CDialogBM: the sheet paints
// its background picture behind the tabs and buttons, each page paints it
// behind its own controls.
#include <QTabWidget>
#include <memory>

#include "ui/DialogBM.h"

class QDialogButtonBox;
class QPushButton;

namespace v3 {

class CPropertyPageBM : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPageBM(const QString& title, QWidget* parent = nullptr, int background = kDialogHintergrund);
    ~CPropertyPageBM() override;
    QString Title() const { return title_; }
    void SetTextColor(const QColor& colour) { ApplyTextColor(*this, colour); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    std::unique_ptr<CPicture> background_;
};

// A skinned tab widget whose page frame lets the pages' pictures show.
class CTabCtrlBM : public QTabWidget {
    Q_OBJECT
public:
    explicit CTabCtrlBM(QWidget* parent = nullptr);
};

// A dialog with pages and the buttons "OK", "Abbrechen" (and optionally
// "Übernehmen"); the pages are added before the sheet is shown.
class CPropertySheetBM : public CDialogBM {
    Q_OBJECT
public:
    CPropertySheetBM(const QString& title, QWidget* parent, int background = kDialogHintergrund,
                     bool withApply = false);
    void AddPage(CPropertyPageBM* page);
    CTabCtrlBM* Tabs() const { return tabs_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ApplyButton() const { return apply_; }

signals:
    void applied();

private:
    CTabCtrlBM* tabs_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_ = nullptr;
};

}  // namespace v3
