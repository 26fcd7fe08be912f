// CommandListDelegate: paints the command list's lines, the chosen number of the current line
// highlighted, and tells which character of a line lies under a point.
#pragma once

#include <QStyledItemDelegate>

class CommandListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The number shown highlighted on the current line: characters [begin, end) of its text; none when
    // begin == end.
    void SetHighlight(int row, int begin, int end);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The index of the character of the item's text under point (view coordinates), or -1.
    int CharacterAt(const QStyleOptionViewItem& option, const QModelIndex& index, QPoint point) const;

private:
    // Where the text of an item starts: inside the item's rect by the style's text margin.
    QRect TextRect(const QStyleOptionViewItem& option) const;

    int highlightRow_ = -1;
    int highlightBegin_ = 0;
    int highlightEnd_ = 0;
};
