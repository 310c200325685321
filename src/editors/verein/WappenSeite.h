#pragma once
// "Wappen", the club editor's crest page: the 32 x 32 grid enlarged, the
// crest at true size, the 256-colour palette, fill mode, undo and "Laden".
#include <filesystem>

#include "editors/verein/rules/Wappen.h"
#include "ui/PropertySheetBM.h"

class QCheckBox;
class QPushButton;

namespace v3 {

// The enlarged grid: both buttons paint, also while the mouse moves.
class CWappenRaster : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZelle = 10;
    CWappenRaster(CWappenEditor& ed, QWidget* parent);
    QSize sizeHint() const override { return {CWappenEditor::kSeite * kZelle + 1, CWappenEditor::kSeite * kZelle + 1}; }

signals:
    void geaendert();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    CWappenEditor& ed_;
};

// The palette: 16 x 16 colours; left click the foreground, right click the
// background colour.
class CWappenPalette : public QWidget {
    Q_OBJECT
public:
    static constexpr int kZelle = 11;
    CWappenPalette(CWappenEditor& ed, QWidget* parent);
    QSize sizeHint() const override { return {16 * kZelle + 1, 16 * kZelle + 1}; }

signals:
    void gewaehlt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    CWappenEditor& ed_;
};

class CVereinsEditorWappen : public CPropertyPageBM {
    Q_OBJECT
public:
    explicit CVereinsEditorWappen(QWidget* parent = nullptr);
    // The editor's crest file (host path), prepared by the club editor.
    void Datei(const std::filesystem::path& datei) { ed_.Datei(datei); }
    void LoadIconToMemory();
    bool CommitIconChanges() { return ed_.CommitIconChanges(); }
    void ClearUndoHistory();
    CWappenEditor& Editor() { return ed_; }
    CWappenRaster* Raster() const { return raster_; }

private:
    void Aktualisiere();
    void OnLaden();

    CWappenEditor ed_;
    CWappenRaster* raster_;
    CWappenPalette* palette_;
    QWidget* echt_;
    QWidget* farben_;
    QCheckBox* fuellen_;
    QPushButton* undo_;
};

}  // namespace v3
