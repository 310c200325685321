#pragma once
// The skinned dialog base: paints its background picture (by number, from the
// program's "JPEGS") from the top-left corner behind its controls; texts, check
// boxes, radio buttons and frames are drawn transparently over it in the
// dialog's text colour. Every dialog of the editor derives from it.
#include <QColor>
#include <QDialog>
#include <memory>

#include "shell/PictureCache.h"

class QHBoxLayout;
class QPushButton;

namespace v3 {

// Object names of a dialog's OK and cancel buttons (whatever their captions:
// "OK", "Übernehmen", "Verlassen", "Abbrechen"). The menu walk and the dialog
// tests close a dialog through them.
inline constexpr const char* kOkButton = "IDOK";
inline constexpr const char* kCancelButton = "IDCANCEL";

// Background of the editors' dialogs and of the progress windows.
inline constexpr int kDialogHintergrund = 316;
inline constexpr int kProgressHintergrund = 477;

class CDialogBM : public QDialog {
    Q_OBJECT
public:
    CDialogBM(int layout, QWidget* parent, int background = kDialogHintergrund);
    ~CDialogBM() override;

    // Colour of the texts drawn over the picture (default black).
    void SetTextColor(const QColor& colour);
    QColor TextColor() const { return textColor_; }
    int Layout() const { return layout_; }
    // The background picture; null when it could not be loaded.
    const CPicture* Background() const { return background_.get(); }
    // Sizes the dialog to its picture (for dialogs laid out on the picture).
    void SizeToBackground();

protected:
    // Runs once before the dialog is first shown: on a 640 x 480 screen the
    // dialog is centred on it.
    virtual void OnInitDialog();
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int layout_;
    QColor textColor_ = Qt::black;
    std::unique_ptr<CPicture> background_;
    bool initialised_ = false;
};

// Paints a picture from its top-left corner over a widget's whole area, without
// stretching; used by the dialogs, the property pages and the sheets.
void PaintBackground(QWidget& widget, const CPicture* picture, const QRect& area);
// The OK / cancel row at the foot of a dialog: a stretch, OK (named
// kOkButton, the default button, captioned okText) and "Abbrechen" (named
// kCancelButton, it rejects the dialog). What OK does is the caller's to
// connect; abbrechen may be null when the caller needs no handle on it.
QHBoxLayout* OkCancelRow(QDialog* dlg, QPushButton** ok, QPushButton** abbrechen = nullptr,
                         const QString& okText = "OK");

// Applies the text colour to the palette roles of texts over the picture.
void ApplyTextColor(QWidget& widget, const QColor& colour);

}  // namespace v3
