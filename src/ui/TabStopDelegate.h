#pragma once
// Draws list lines whose columns are separated by tabs at fixed tab stops,
// given in dialog units (a quarter of the dialog font's average character width).
#include <QStyledItemDelegate>
#include <vector>

namespace v3 {

class CTabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CTabStopDelegate(std::vector<int> tabStops, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Pixel position of tab stop i for this font.
    int StopPixels(const QFont& font, size_t i) const;

private:
    std::vector<int> stops_;
};

}  // namespace v3
