// Painting the command list's lines by hand, so that a number can be highlighted and found by position.
#include "app/commandlistdelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

void CommandListDelegate::SetHighlight(int row, int begin, int end) {
    highlightRow_ = row;
    highlightBegin_ = begin;
    highlightEnd_ = end;
}

QRect CommandListDelegate::TextRect(const QStyleOptionViewItem& option) const {
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return option.rect.adjusted(margin, 0, -margin, 0);
}

void CommandListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // Background, selection and focus as the style draws them; the text comes after.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect textRect = TextRect(option);
    const QFontMetrics metrics(item.font);
    painter->save();
    painter->setFont(item.font);
    painter->setClipRect(option.rect);
    if (index.row() == highlightRow_ && highlightEnd_ > highlightBegin_ && highlightEnd_ <= text.size()) {
        const int left = textRect.left() + metrics.horizontalAdvance(text.left(highlightBegin_));
        const int width =
            metrics.horizontalAdvance(text.mid(highlightBegin_, highlightEnd_ - highlightBegin_));
        painter->fillRect(QRect(left - 1, option.rect.top() + 1, width + 2, option.rect.height() - 2),
                          QColor(255, 225, 120));
        painter->setPen(Qt::black);
        painter->drawRect(QRect(left - 1, option.rect.top() + 1, width + 1, option.rect.height() - 3));
    }
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        colour = foreground.value<QColor>();
    painter->setPen(colour);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
}

int CommandListDelegate::CharacterAt(const QStyleOptionViewItem& option, const QModelIndex& index,
                                     QPoint point) const {
    if (!option.rect.contains(point)) return -1;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(option.font);
    const int x = point.x() - TextRect(option).left();
    if (x < 0) return -1;
    int left = 0;
    for (int i = 0; i < text.size(); ++i) {
        const int right = metrics.horizontalAdvance(text.left(i + 1));
        if (x >= left && x < right) return i;
        left = right;
    }
    return -1;
}
