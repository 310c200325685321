#include "ui/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>

namespace v3 {

CTabStopDelegate::CTabStopDelegate(std::vector<int> tabStops, QObject* parent)
    : QStyledItemDelegate(parent), stops_(std::move(tabStops)) {}

int CTabStopDelegate::StopPixels(const QFont& font, size_t i) const {
    if (i >= stops_.size()) return -1;
    return stops_[i] * QFontMetrics(font).averageCharWidth() / 4;
}

void CTabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QString text = opt.text;
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    painter->save();
    painter->setFont(opt.font);
    bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
    const QStringList columns = text.split('\t');
    for (int c = 0; c < columns.size(); ++c) {
        int left = c == 0 ? textRect.left() : textRect.left() + StopPixels(opt.font, size_t(c - 1));
        if (c > 0 && StopPixels(opt.font, size_t(c - 1)) < 0) break;
        int right = textRect.right();
        int next = StopPixels(opt.font, size_t(c));
        if (c + 1 < columns.size() && next >= 0) right = textRect.left() + next - 4;
        QRect cell(left, textRect.top(), std::max(0, right - left), textRect.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(opt.font).elidedText(columns[c], Qt::ElideRight, cell.width()));
    }
    painter->restore();
}

}  // namespace v3
